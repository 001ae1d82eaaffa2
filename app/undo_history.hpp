#pragma once
// The preview's undo and redo history for the tool's own actions (Clear, Add To Preview, the
// formatting buttons). A step is what brings the preview back: a saved document, or for an
// addition to unformatted text only the length to cut back to. The history is bounded in
// steps and in bytes, so that a preview near its 20,000,000-character capacity cannot make it
// grow without end.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace vandrelle::app {

struct UndoStep {
    enum class Kind { RestoreDocument, TruncateTo, AppendText };
    Kind kind = Kind::RestoreDocument;
    std::string document;             // RestoreDocument: the document as saved by the preview
    std::uint32_t background = 0;     // RestoreDocument: the pane's background colour
    long selection_start = 0;         // RestoreDocument: the selection, as the preview counts it
    long selection_end = 0;
    std::size_t length = 0;           // TruncateTo: the text length to keep
    std::u16string text;              // AppendText: the text to add again

    std::size_t bytes() const { return document.size() + text.size() * sizeof(char16_t); }
};

inline constexpr std::size_t kMaxUndoSteps = 50;
// Enough for a Clear of a preview filled to its capacity with mostly ASCII text, saved as rich
// text (about one byte a character, and a few more a line).
inline constexpr std::size_t kMaxUndoBytes = 64u << 20;

class UndoHistory {
public:
    explicit UndoHistory(std::size_t max_steps = kMaxUndoSteps, std::size_t max_bytes = kMaxUndoBytes)
        : max_steps_(max_steps), max_bytes_(max_bytes) {}

    // A new action: whatever could be redone is forgotten. Returns whether the step was kept.
    // A step larger than the byte bound is not kept and the undo steps before it go as well:
    // they lead back from a state that can no longer be reached.
    bool record(UndoStep step);
    // Undo and redo move a step from one side to the other: take the step, apply it, and put
    // its inverse on the other side. A side that cannot keep a step is emptied, as above.
    UndoStep take_undo();
    UndoStep take_redo();
    bool put_undo(UndoStep step);
    bool put_redo(UndoStep step);

    bool can_undo() const { return !undo_.empty(); }
    bool can_redo() const { return !redo_.empty(); }
    std::size_t undo_count() const { return undo_.size(); }
    std::size_t redo_count() const { return redo_.size(); }
    std::size_t bytes() const { return bytes_; }
    // The bytes a step may take; the preview stops saving a document past it.
    std::size_t max_bytes() const { return max_bytes_; }
    void clear();
    // What is left on one side when a step for it cannot be made.
    void drop_undo();
    void drop_redo();

private:
    UndoStep take(std::deque<UndoStep>& side);
    bool put(std::deque<UndoStep>& side, UndoStep step);
    void drop_oldest(std::deque<UndoStep>& side);
    void drop_all(std::deque<UndoStep>& side);
    void trim(std::deque<UndoStep>& side);

    std::size_t max_steps_;
    std::size_t max_bytes_;
    std::size_t bytes_ = 0;
    std::deque<UndoStep> undo_;  // newest at the back
    std::deque<UndoStep> redo_;
};

}  // namespace vandrelle::app
