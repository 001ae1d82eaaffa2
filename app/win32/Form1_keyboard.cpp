// Form1's keyboard beyond the controls' own: in the preview, Ctrl+B, Ctrl+I and Ctrl+U press the
// formatting buttons, Ctrl+A selects everything, Ctrl+Z and Ctrl+Y undo and redo, Ctrl+V and
// Shift+Insert paste plain text, and Shift+F10, the menu key and a right click open the edit
// menu; Enter in the spiral text box presses the spiral "Add To Preview".
#include "app/win32/Form1.hpp"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

namespace vandrelle::app::win32 {
namespace {

using vandrelle::app::EditCommand;
using vandrelle::app::PreviewKey;

constexpr UINT_PTR kTextLineSubclass = 2;
constexpr wchar_t kFirstControlCharacter = 0x20;

bool key_down(int key) { return GetKeyState(key) < 0; }

}  // namespace

void Form1::attach_keyboard() {
    SetWindowSubclass(control(Control::textLine), &Form1::text_line_procedure, kTextLineSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
}

vandrelle::app::KeyPress Form1::key_press(WPARAM key) {
    return {static_cast<unsigned>(key), key_down(VK_CONTROL), key_down(VK_SHIFT), key_down(VK_MENU)};
}

// The preview's keyboard and mouse input, before the pane acts on it. Returns nonzero for
// input the form has answered, which the pane then ignores.
LRESULT Form1::OnPreviewInput(const NMHDR& header) {
    const auto& filter = reinterpret_cast<const MSGFILTER&>(header);
    switch (filter.msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            swallow_control_char_ = false;
            const vandrelle::app::KeyPress press = key_press(filter.wParam);
            const PreviewKey key = vandrelle::app::preview_key(press);
            if (key == PreviewKey::None) return 0;
            // A Ctrl+letter also arrives as a control character, which the pane would insert
            // (Ctrl+I as a tab).
            swallow_control_char_ = press.control;
            run_preview_key(key);
            return 1;
        }
        case WM_CHAR:
        case WM_SYSCHAR: {
            const bool swallow = swallow_control_char_ && filter.wParam < kFirstControlCharacter;
            swallow_control_char_ = false;
            return swallow ? 1 : 0;
        }
        case WM_KEYUP: return filter.wParam == VK_APPS ? 1 : 0;
        case WM_RBUTTONUP: {
            POINT point{GET_X_LPARAM(filter.lParam), GET_Y_LPARAM(filter.lParam)};
            ClientToScreen(header.hwndFrom, &point);
            show_edit_menu(point);
            return 1;
        }
        default: return 0;
    }
}

void Form1::run_preview_key(PreviewKey key) {
    switch (key) {
        case PreviewKey::Bold: press(Control::chkBold); break;
        case PreviewKey::Italic: press(Control::chkItalics); break;
        case PreviewKey::Underline: press(Control::chkUline); break;
        case PreviewKey::SelectAll: run_edit_command(EditCommand::SelectAll); break;
        case PreviewKey::Undo: undo_in_preview(); break;
        case PreviewKey::Redo: redo_in_preview(); break;
        case PreviewKey::Paste: SendMessageW(control(Control::RichTextBox), WM_PASTE, 0, 0); break;
        case PreviewKey::EditMenu: show_edit_menu(std::nullopt); break;
        case PreviewKey::None: break;
    }
}

// As a click on the button, told to the window as the button itself tells it (the focus stays
// where it is); the buttons then show the selection's formatting, as on SelChange.
void Form1::press(Control button) {
    notify_click(button);
    RichTextBox_SelChange();
}

void Form1::notify_click(Control button) {
    SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(control_id(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(button)));
}

// Enter in the spiral text box presses the spiral "Add To Preview". The box asks for Enter
// itself, so that the dialog navigation of the message loop does not take it.
LRESULT CALLBACK Form1::text_line_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                            DWORD_PTR form) {
    switch (message) {
        case WM_GETDLGCODE:
            if (wparam == VK_RETURN) return DLGC_WANTALLKEYS | DefSubclassProc(box, message, wparam, lparam);
            break;
        case WM_KEYDOWN:
            if (wparam == VK_RETURN) {
                // Enter held down presses once: each block may be thousands of lines.
                constexpr LPARAM kRepeat = 1 << 30;
                if (!(lparam & kRepeat)) reinterpret_cast<Form1*>(form)->notify_click(Control::Command1);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wparam == L'\r') return 0;  // the box would beep
            break;
        default: break;
    }
    return DefSubclassProc(box, message, wparam, lparam);
}

}  // namespace vandrelle::app::win32
