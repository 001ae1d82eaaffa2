#pragma once
// Undo and redo of the tool's own actions on the preview: Clear, Add To Preview and the
// formatting buttons. Before an action the preview's state is saved (as rich text, with the
// background colour and the selection), or, for an addition to text that is all in the base
// format, only its length; after the action the step is kept if the preview changed. A saved
// state larger than the history's byte bound is not kept: that action cannot be undone, and
// neither can the ones before it. The pane's own undo of the user's typing is emptied after
// every action, so that it only ever holds typing since the tool's last action.
#include <windows.h>

#include <optional>

#include "app/preview_text.hpp"
#include "app/undo_history.hpp"
#include "app/win32/rich_preview.hpp"

namespace vandrelle::app::win32 {

enum class PreviewAction { Append, Clear, Format, Background };

// The preview as it was before an action, waiting to learn whether the action changed it.
struct PendingUndo {
    PreviewAction action = PreviewAction::Format;
    bool applies = false;                     // false: the action cannot change the preview
    std::optional<vandrelle::app::UndoStep> step;  // empty: the state was too large to keep
    std::size_t length = 0;
    COLORREF background = 0;
};

class PreviewUndo {
public:
    explicit PreviewUndo(RichPreview& preview) : preview_(preview) {}

    PendingUndo begin(PreviewAction action) const;
    void finish(PendingUndo pending);

    bool can_undo() const { return history_.can_undo(); }
    bool can_redo() const { return history_.can_redo(); }
    // Each returns whether it changed the preview.
    bool undo();
    bool redo();

    const vandrelle::app::UndoHistory& history() const { return history_; }

private:
    std::optional<vandrelle::app::UndoStep> save_document() const;
    std::optional<vandrelle::app::UndoStep> inverse_of(const vandrelle::app::UndoStep& step) const;
    void apply(const vandrelle::app::UndoStep& step);
    void restore_document(const vandrelle::app::UndoStep& step);
    void forget_pane_undo();

    RichPreview& preview_;
    vandrelle::app::UndoHistory history_;
};

// The preview as an "Add To Preview" press writes to it. The press's undo step is opened at its
// first write, so a press that is refused saves nothing (saving can mean streaming out a large
// document); Finish keeps the step if the press changed the preview.
class RecordedAddition final : public vandrelle::app::PreviewText {
public:
    RecordedAddition(PreviewUndo& undo, RichPreview& preview) : undo_(undo), preview_(preview) {}

    std::u16string Text() const override { return preview_.Text(); }
    std::size_t TextLength() const override { return preview_.TextLength(); }
    void SetText(std::u16string_view text) override;
    void Append(std::u16string_view addition) override;
    void Finish();

private:
    void open_step();

    PreviewUndo& undo_;
    RichPreview& preview_;
    std::optional<PendingUndo> pending_;
};

}  // namespace vandrelle::app::win32
