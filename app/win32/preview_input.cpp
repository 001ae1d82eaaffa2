#include "app/win32/preview_input.hpp"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <optional>
#include <string>

#include "aol/win32/clipboard_text.hpp"
#include "app/edit_menu.hpp"
#include "app/preview_text.hpp"

namespace vandrelle::app::win32 {
namespace {

constexpr UINT_PTR kPlainInputSubclass = 1;
constexpr UINT kUnicodeCodePage = 1200;

bool shift_held() { return GetKeyState(VK_SHIFT) < 0; }

// The control decides on a soft break by asking for the Shift key itself, so it is asked with
// Shift up for this one message.
LRESULT without_shift(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    BYTE keys[256];
    if (!GetKeyboardState(keys)) return DefSubclassProc(control, message, wparam, lparam);
    BYTE plain[256];
    CopyMemory(plain, keys, sizeof keys);
    plain[VK_SHIFT] = plain[VK_LSHIFT] = plain[VK_RSHIFT] = 0;
    SetKeyboardState(plain);
    const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
    SetKeyboardState(keys);
    return result;
}

// The selection replaced by `text` with its line breaks made paragraph breaks; the pane can
// undo it as typing when `undoable`.
LRESULT replace_selection(HWND control, WPARAM undoable, std::u16string_view text) {
    const std::u16string plain = vandrelle::app::plain_paste_text(text);
    return DefSubclassProc(control, EM_REPLACESEL, undoable,
                           reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(plain.c_str())));
}

// The length of the text as the document counts it, CR LF as two, without the selection.
std::size_t length_kept_by_replacing_selection(HWND control) {
    GETTEXTLENGTHEX whole{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
    const auto length = static_cast<std::size_t>(
        std::max<LRESULT>(SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&whole), 0), 0));
    CHARRANGE range{};
    SendMessageW(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    // Every selected paragraph break can grow to CR LF.
    std::u16string selected(static_cast<std::size_t>(std::max(range.cpMax - range.cpMin, 0L)) * 2 + 1, u'\0');
    GETTEXTEX request{static_cast<DWORD>(selected.size() * sizeof(char16_t)), GT_SELECTION | GT_USECRLF,
                      kUnicodeCodePage, nullptr, nullptr};
    const auto selected_length = static_cast<std::size_t>(std::max<LRESULT>(
        SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(selected.data())),
        0));
    return length - std::min(length, selected_length);
}

// A paste that would take the preview past its capacity is refused with a beep.
void paste_plain_text(HWND control) {
    if (!vandrelle::aol::win32::clipboard_has_text()) return;
    const std::optional<std::u16string> clipboard = vandrelle::aol::win32::read_clipboard_text(control);
    if (!clipboard) return;
    const std::u16string text = vandrelle::app::plain_paste_text(*clipboard);
    if (!vandrelle::app::fits_in_preview(length_kept_by_replacing_selection(control), text.size())) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    replace_selection(control, TRUE, text);
}

LRESULT CALLBACK plain_input_procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
            if (wparam == VK_RETURN && shift_held()) return without_shift(control, message, wparam, lparam);
            break;
        case WM_PASTE:
        case EM_PASTESPECIAL:
            paste_plain_text(control);
            return 0;
        case EM_REPLACESEL:
            if (!lparam) break;
            return replace_selection(control, wparam, reinterpret_cast<const char16_t*>(lparam));
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, plain_input_procedure, kPlainInputSubclass);
            break;
        default: break;
    }
    return DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace

void keep_preview_input_plain(HWND control) {
    SetWindowSubclass(control, plain_input_procedure, kPlainInputSubclass, 0);
}

}  // namespace vandrelle::app::win32
