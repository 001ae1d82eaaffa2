#include "app/win32/preview_line_breaks.hpp"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <optional>
#include <string>

#include "app/edit_menu.hpp"
#include "app/preview_text.hpp"
#include "aol/win32/clipboard_text.hpp"

namespace vandrelle::app::win32 {
namespace {

constexpr UINT_PTR kLineBreakSubclass = 1;

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

// Replaces each U+000B by a paragraph break where it stands; the selection stays, as both
// count one character.
void harden_soft_breaks(HWND control) {
    CHARRANGE kept{};
    SendMessageW(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    FINDTEXTEXW find{};
    find.chrg = {0, -1};
    find.lpstrText = L"\v";
    bool changed = false;
    while (SendMessageW(control, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)) >= 0) {
        SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&find.chrgText));
        DefSubclassProc(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r"));
        find.chrg.cpMin = find.chrgText.cpMin + 1;
        changed = true;
    }
    if (changed) SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
}

// The length of the text as the document counts it, CR LF as two, without the selection.
std::size_t length_kept_by_replacing_selection(HWND control) {
    GETTEXTLENGTHEX whole{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    const auto length = static_cast<std::size_t>(
        std::max<LRESULT>(SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&whole), 0), 0));
    CHARRANGE range{};
    SendMessageW(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    // Every selected paragraph break can grow to CR LF.
    std::u16string selected(static_cast<std::size_t>(std::max(range.cpMax - range.cpMin, 0L)) * 2 + 1, u'\0');
    GETTEXTEX request{static_cast<DWORD>(selected.size() * sizeof(char16_t)), GT_SELECTION | GT_USECRLF, 1200, nullptr,
                      nullptr};
    const auto selected_length = static_cast<std::size_t>(std::max<LRESULT>(
        SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(selected.data())),
        0));
    return length - std::min(length, selected_length);
}

// Every paste, from the keyboard, the edit menu or another program's WM_PASTE, brings the
// clipboard's plain text with CR LF line breaks, none of another program's formatting, in
// place of the selection; the pane can undo it as typing. A paste that would take the preview
// past its capacity is refused with a beep.
void paste_plain_text(HWND control) {
    if (!vandrelle::aol::win32::clipboard_has_text()) return;
    const std::optional<std::u16string> clipboard = vandrelle::aol::win32::read_clipboard_text(control);
    if (!clipboard) return;
    const std::u16string text = vandrelle::app::plain_paste_text(*clipboard);
    if (!vandrelle::app::fits_in_preview(length_kept_by_replacing_selection(control), text.size())) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    DefSubclassProc(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(text.c_str())));
    harden_soft_breaks(control);
}

LRESULT CALLBACK line_break_procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
            if (wparam == VK_RETURN && shift_held()) return without_shift(control, message, wparam, lparam);
            break;
        case WM_PASTE:
        case EM_PASTESPECIAL:
            paste_plain_text(control);
            return 0;
        case EM_REPLACESEL: {
            const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
            harden_soft_breaks(control);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, line_break_procedure, kLineBreakSubclass);
            break;
        default: break;
    }
    return DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace

void keep_line_breaks_hard(HWND control) {
    SetWindowSubclass(control, line_break_procedure, kLineBreakSubclass, 0);
}

}  // namespace vandrelle::app::win32
