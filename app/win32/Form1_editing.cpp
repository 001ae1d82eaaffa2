// Form1's editing of the preview beyond the Parts' handlers: the keys the preview answers
// (Ctrl+B, Ctrl+I and Ctrl+U press the formatting buttons, Ctrl+A selects everything, Ctrl+Z
// and Ctrl+Y undo and redo, a paste brings plain text), its edit menu, the undo of the tool's
// own actions, Enter in the spiral text box and the buttons' accessible names.
#include "app/win32/Form1.hpp"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include <algorithm>

#include "app/preview_text.hpp"
#include "app/win32/check_names.hpp"
#include "app/win32/clipboard_text.hpp"

namespace vandrelle::app::win32 {
namespace {

using vandrelle::app::EditCommand;
using vandrelle::app::PreviewKey;

constexpr UINT_PTR kTextLineSubclass = 2;
constexpr wchar_t kFirstControlCharacter = 0x20;

std::optional<PreviewAction> undoable_action(Control source) {
    switch (source) {
        case Control::chkBold:
        case Control::chkItalics:
        case Control::chkUline:
        case Control::chkColor: return PreviewAction::Format;
        case Control::chkColor2: return PreviewAction::Background;
        case Control::cmdClear: return PreviewAction::Clear;
        case Control::Command1:
        case Control::Command2: return PreviewAction::Append;
        default: return std::nullopt;
    }
}

bool key_down(int key) { return GetKeyState(key) < 0; }

CHARRANGE pane_selection(HWND pane) {
    CHARRANGE range{};
    SendMessageW(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

LONG pane_length(HWND pane) {
    GETTEXTLENGTHEX request{GTL_DEFAULT | GTL_NUMCHARS, 1200};
    return static_cast<LONG>(SendMessageW(pane, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

// Where the menu opens from the keyboard: at the caret, kept inside the pane.
POINT caret_point(HWND pane) {
    POINTL at{};
    SendMessageW(pane, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), pane_selection(pane).cpMax);
    RECT client{};
    GetClientRect(pane, &client);
    POINT point{std::clamp<LONG>(at.x, client.left, client.right), std::clamp<LONG>(at.y, client.top, client.bottom)};
    ClientToScreen(pane, &point);
    return point;
}

}  // namespace

void Form1::SetEditMenu(std::unique_ptr<EditMenuPopup> menu) { edit_menu_ = std::move(menu); }

// Names the graphical check boxes for screen readers and lets Enter in the spiral text box
// press the spiral "Add To Preview".
void Form1::attach_editing() {
    if (!edit_menu_) edit_menu_ = std::make_unique<StandardEditMenu>();
    for (const CheckName& check : kCheckNames) SetWindowTextW(control(check.control), check.name);
    SetWindowSubclass(control(Control::textLine), &Form1::text_line_procedure, kTextLineSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
}

PendingUndo Form1::begin_undo(Control source) {
    const std::optional<PreviewAction> action = undoable_action(source);
    return action ? undo_.begin(*action) : PendingUndo{};
}

void Form1::finish_undo(PendingUndo pending) { undo_.finish(std::move(pending)); }

// The preview's keyboard and mouse input, before the pane acts on it. Returns nonzero for
// input the form has answered, which the pane then ignores.
LRESULT Form1::OnPreviewInput(const NMHDR& header) {
    const auto& filter = reinterpret_cast<const MSGFILTER&>(header);
    switch (filter.msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            swallow_control_char_ = false;
            const vandrelle::app::KeyPress press{static_cast<unsigned>(filter.wParam), key_down(VK_CONTROL),
                                                 key_down(VK_SHIFT), key_down(VK_MENU)};
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
        case PreviewKey::Paste: paste_plain_text(); break;
        case PreviewKey::EditMenu: show_edit_menu(caret_point(control(Control::RichTextBox))); break;
        case PreviewKey::None: break;
    }
}

// As a click on the button; the buttons then show the selection's formatting, as on SelChange.
void Form1::press(Control button) {
    OnCommand(control_id(button), BN_CLICKED);
    RichTextBox_SelChange();
}

void Form1::show_edit_menu(POINT screen_point) {
    HWND pane = control(Control::RichTextBox);
    const CHARRANGE selection = pane_selection(pane);
    const LONG length = pane_length(pane);
    vandrelle::app::EditState state;
    state.can_undo = SendMessageW(pane, EM_CANUNDO, 0, 0) != 0 || undo_.can_undo();
    state.has_selection = selection.cpMax > selection.cpMin;
    state.whole_text_selected = selection.cpMin == 0 && selection.cpMax >= length;
    state.has_text = length > 0;
    state.clipboard_has_text = clipboard_has_text();
    if (const std::optional<EditCommand> command = edit_menu_->Choose(hwnd_, screen_point, state))
        run_edit_command(*command);
}

void Form1::run_edit_command(EditCommand command) {
    HWND pane = control(Control::RichTextBox);
    switch (command) {
        case EditCommand::Undo: undo_in_preview(); break;
        case EditCommand::Cut: SendMessageW(pane, WM_CUT, 0, 0); break;
        case EditCommand::Copy: SendMessageW(pane, WM_COPY, 0, 0); break;
        case EditCommand::Paste: paste_plain_text(); break;
        case EditCommand::Delete: SendMessageW(pane, WM_CLEAR, 0, 0); break;
        case EditCommand::SelectAll: {
            CHARRANGE everything{0, -1};
            SendMessageW(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&everything));
            break;
        }
    }
}

// The user's typing since the tool's last action is taken back first, by the pane itself;
// then the tool's own actions, newest first.
void Form1::undo_in_preview() {
    HWND pane = control(Control::RichTextBox);
    if (SendMessageW(pane, EM_CANUNDO, 0, 0)) {
        SendMessageW(pane, EM_UNDO, 0, 0);
    } else if (!undo_.undo()) {
        return;
    }
    RichTextBox_SelChange();
}

void Form1::redo_in_preview() {
    HWND pane = control(Control::RichTextBox);
    if (SendMessageW(pane, EM_CANREDO, 0, 0)) {
        SendMessageW(pane, EM_REDO, 0, 0);
    } else if (!undo_.redo()) {
        return;
    }
    RichTextBox_SelChange();
}

// Brings in the clipboard's plain text with CR LF line breaks, none of another program's
// formatting; the pane can undo it as typing. A paste that would take the preview past its
// capacity is refused with a beep.
void Form1::paste_plain_text() {
    const std::optional<std::u16string> clipboard = clipboard_text(hwnd_);
    if (!clipboard) return;
    const std::u16string text = vandrelle::app::plain_paste_text(*clipboard);
    const std::size_t kept = RichTextBox.TextLength() - static_cast<std::size_t>(RichTextBox.SelLength());
    if (!vandrelle::app::fits_in_preview(kept, text.size())) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    SendMessageW(control(Control::RichTextBox), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(text.c_str())));
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
                reinterpret_cast<Form1*>(form)->OnCommand(control_id(Control::Command1), BN_CLICKED);
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
