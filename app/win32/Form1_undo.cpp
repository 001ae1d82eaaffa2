// Form1's undo and redo of the tool's own actions (Clear, the two "Add To Preview" buttons and
// the formatting buttons), after the user's typing since the last of them, which the pane
// undoes itself.
#include "app/win32/Form1.hpp"

#include <richedit.h>

namespace vandrelle::app::win32 {
namespace {

std::optional<PreviewAction> undoable_action(Control source) {
    switch (source) {
        case Control::chkBold:
        case Control::chkItalics:
        case Control::chkUline:
        case Control::chkColor: return PreviewAction::Format;
        case Control::chkColor2: return PreviewAction::Background;
        case Control::cmdClear: return PreviewAction::Clear;
        default: return std::nullopt;  // the additions open their step at their first write
    }
}

}  // namespace

PendingUndo Form1::begin_undo(Control source) {
    const std::optional<PreviewAction> action = undoable_action(source);
    return action ? undo_.begin(*action) : PendingUndo{};
}

void Form1::finish_undo(PendingUndo pending) { undo_.finish(std::move(pending)); }

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

}  // namespace vandrelle::app::win32
