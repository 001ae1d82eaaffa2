// Form1's edit menu on the preview: Undo, Cut, Copy, Paste, Delete and Select All, each enabled
// only when it can act. The pane itself pastes plain text with CR LF line breaks.
#include "app/win32/Form1.hpp"

#include <richedit.h>

#include <algorithm>

#include "aol/win32/clipboard_text.hpp"

namespace vandrelle::app::win32 {
namespace {

using vandrelle::app::EditCommand;

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

// Opens the edit menu at the pointer, or at the caret when it was asked for from the keyboard,
// and runs the command chosen.
void Form1::show_edit_menu(std::optional<POINT> screen_point) {
    HWND pane = control(Control::RichTextBox);
    const CHARRANGE selection = pane_selection(pane);
    const LONG length = pane_length(pane);
    vandrelle::app::EditState state;
    state.can_undo = SendMessageW(pane, EM_CANUNDO, 0, 0) != 0 || undo_.can_undo();
    state.has_selection = selection.cpMax > selection.cpMin;
    state.whole_text_selected = selection.cpMin == 0 && selection.cpMax >= length;
    state.has_text = length > 0;
    state.clipboard_has_text = vandrelle::aol::win32::clipboard_has_text();
    const POINT at = screen_point ? *screen_point : caret_point(pane);
    if (const std::optional<EditCommand> command = edit_menu_->Choose(hwnd_, at, state)) run_edit_command(*command);
}

void Form1::run_edit_command(EditCommand command) {
    HWND pane = control(Control::RichTextBox);
    switch (command) {
        case EditCommand::Undo: undo_in_preview(); break;
        case EditCommand::Cut: SendMessageW(pane, WM_CUT, 0, 0); break;
        case EditCommand::Copy: SendMessageW(pane, WM_COPY, 0, 0); break;
        case EditCommand::Paste: SendMessageW(pane, WM_PASTE, 0, 0); break;
        case EditCommand::Delete: SendMessageW(pane, WM_CLEAR, 0, 0); break;
        case EditCommand::SelectAll: {
            CHARRANGE everything{0, -1};
            SendMessageW(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&everything));
            break;
        }
    }
}

}  // namespace vandrelle::app::win32
