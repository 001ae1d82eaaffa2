#include "app/win32/preview_line_breaks.hpp"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

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

LRESULT CALLBACK line_break_procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
            if (wparam == VK_RETURN && shift_held()) return without_shift(control, message, wparam, lparam);
            break;
        case WM_PASTE:
        case EM_PASTESPECIAL:
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
