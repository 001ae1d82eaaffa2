#include "app/win32/preview_undo.hpp"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace vandrelle::app::win32 {
namespace {

using vandrelle::app::UndoStep;

struct SaveSink {
    std::string* bytes;
    std::size_t limit;
    bool too_large = false;
};

DWORD CALLBACK write_stream(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
    auto* sink = reinterpret_cast<SaveSink*>(cookie);
    if (sink->bytes->size() + static_cast<std::size_t>(count) > sink->limit) {
        sink->too_large = true;
        return 1;  // stops the control's writing
    }
    sink->bytes->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
    *written = count;
    return 0;
}

struct LoadSource {
    const std::string* bytes;
    std::size_t offset = 0;
};

DWORD CALLBACK read_stream(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* read) {
    auto* source = reinterpret_cast<LoadSource*>(cookie);
    const std::size_t count = std::min(source->bytes->size() - source->offset, static_cast<std::size_t>(capacity));
    std::memcpy(buffer, source->bytes->data() + source->offset, count);
    source->offset += count;
    *read = static_cast<LONG>(count);
    return 0;
}

UndoStep truncate_to(std::size_t length) {
    UndoStep step;
    step.kind = UndoStep::Kind::TruncateTo;
    step.length = length;
    return step;
}

}  // namespace

PendingUndo PreviewUndo::begin(PreviewAction action) const {
    PendingUndo pending;
    pending.action = action;
    pending.length = preview_.TextLength();
    pending.background = preview_.BackColor();
    switch (action) {
        case PreviewAction::Append: pending.applies = true; break;
        case PreviewAction::Clear: pending.applies = pending.length > 0; break;
        case PreviewAction::Format: pending.applies = preview_.SelLength() > 0; break;
        case PreviewAction::Background: pending.applies = true; break;
    }
    if (!pending.applies) return pending;
    // An addition to unformatted text is taken back by cutting the text to its old length.
    if (action == PreviewAction::Append && preview_.InBaseFormat())
        pending.step = truncate_to(pending.length);
    else
        pending.step = save_document();
    return pending;
}

void PreviewUndo::finish(PendingUndo pending) {
    if (!pending.applies) return;
    const bool changed = pending.action == PreviewAction::Append       ? preview_.TextLength() != pending.length
                         : pending.action == PreviewAction::Background ? preview_.BackColor() != pending.background
                                                                       : true;
    if (!changed) return;
    if (pending.step)
        history_.record(std::move(*pending.step));
    else
        history_.clear();
    forget_pane_undo();
}

bool PreviewUndo::undo() {
    if (!history_.can_undo()) return false;
    UndoStep step = history_.take_undo();
    std::optional<UndoStep> inverse = inverse_of(step);
    apply(step);
    if (!inverse || !history_.put_redo(std::move(*inverse))) history_.drop_redo();
    return true;
}

bool PreviewUndo::redo() {
    if (!history_.can_redo()) return false;
    UndoStep step = history_.take_redo();
    std::optional<UndoStep> inverse = inverse_of(step);
    apply(step);
    if (!inverse || !history_.put_undo(std::move(*inverse))) history_.drop_undo();
    return true;
}

// The step that brings the preview back from what `step` will make of it to what it is now.
std::optional<UndoStep> PreviewUndo::inverse_of(const UndoStep& step) const {
    if (!preview_.InBaseFormat()) return save_document();
    switch (step.kind) {
        case UndoStep::Kind::TruncateTo: {
            const std::u16string text = preview_.Text();
            if (step.length > text.size()) return save_document();
            UndoStep append;
            append.kind = UndoStep::Kind::AppendText;
            append.text = text.substr(step.length);
            return append;
        }
        case UndoStep::Kind::AppendText: return truncate_to(preview_.TextLength());
        case UndoStep::Kind::RestoreDocument: break;
    }
    return save_document();
}

void PreviewUndo::apply(const UndoStep& step) {
    switch (step.kind) {
        case UndoStep::Kind::TruncateTo: {
            std::u16string text = preview_.Text();
            text.resize(std::min(text.size(), step.length));
            preview_.SetText(text);
            break;
        }
        case UndoStep::Kind::AppendText: preview_.Append(step.text); break;
        case UndoStep::Kind::RestoreDocument: restore_document(step); break;
    }
    forget_pane_undo();
}

std::optional<UndoStep> PreviewUndo::save_document() const {
    UndoStep step;
    step.kind = UndoStep::Kind::RestoreDocument;
    SaveSink sink{&step.document, history_.max_bytes()};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&sink), 0, write_stream};
    SendMessageW(preview_.hwnd(), EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (sink.too_large) return std::nullopt;
    CHARRANGE selection{};
    SendMessageW(preview_.hwnd(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    step.selection_start = selection.cpMin;
    step.selection_end = selection.cpMax;
    step.background = preview_.BackColor();
    return step;
}

void PreviewUndo::restore_document(const UndoStep& step) {
    // Emptying first lets the preview drop a large text cheaply.
    preview_.SetText(u"");
    LoadSource source{&step.document};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, read_stream};
    HWND pane = preview_.hwnd();
    SendMessageW(pane, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    preview_.SetBackColor(step.background);
    CHARRANGE selection{step.selection_start, step.selection_end};
    SendMessageW(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageW(pane, EM_SCROLLCARET, 0, 0);
}

void RecordedAddition::open_step() {
    if (!pending_) pending_ = undo_.begin(PreviewAction::Append);
}

void RecordedAddition::SetText(std::u16string_view text) {
    open_step();
    preview_.SetText(text);
}

void RecordedAddition::Append(std::u16string_view addition) {
    open_step();
    preview_.Append(addition);
}

void RecordedAddition::Finish() {
    if (pending_) undo_.finish(std::move(*std::exchange(pending_, std::nullopt)));
}

void PreviewUndo::forget_pane_undo() { SendMessageW(preview_.hwnd(), EM_EMPTYUNDOBUFFER, 0, 0); }

}  // namespace vandrelle::app::win32
