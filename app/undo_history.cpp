#include "app/undo_history.hpp"

#include <utility>

namespace vandrelle::app {

bool UndoHistory::record(UndoStep step) {
    drop_redo();
    return put(undo_, std::move(step));
}

UndoStep UndoHistory::take_undo() { return take(undo_); }
UndoStep UndoHistory::take_redo() { return take(redo_); }

bool UndoHistory::put_undo(UndoStep step) { return put(undo_, std::move(step)); }
bool UndoHistory::put_redo(UndoStep step) { return put(redo_, std::move(step)); }

void UndoHistory::clear() {
    drop_undo();
    drop_redo();
}

void UndoHistory::drop_undo() { drop_all(undo_); }
void UndoHistory::drop_redo() { drop_all(redo_); }

UndoStep UndoHistory::take(std::deque<UndoStep>& side) {
    UndoStep step = std::move(side.back());
    side.pop_back();
    bytes_ -= step.bytes();
    return step;
}

bool UndoHistory::put(std::deque<UndoStep>& side, UndoStep step) {
    if (step.bytes() > max_bytes_) {
        drop_all(side);
        return false;
    }
    bytes_ += step.bytes();
    side.push_back(std::move(step));
    trim(side);
    return true;
}

void UndoHistory::drop_oldest(std::deque<UndoStep>& side) {
    bytes_ -= side.front().bytes();
    side.pop_front();
}

void UndoHistory::drop_all(std::deque<UndoStep>& side) {
    while (!side.empty()) drop_oldest(side);
}

// Over a bound, the oldest steps of the side just added to go first, then the farthest steps
// of the other side; the step just put stays.
void UndoHistory::trim(std::deque<UndoStep>& side) {
    std::deque<UndoStep>& other = &side == &undo_ ? redo_ : undo_;
    while (side.size() > max_steps_) drop_oldest(side);
    while (bytes_ > max_bytes_ && side.size() > 1) drop_oldest(side);
    while (bytes_ > max_bytes_ && !other.empty()) drop_oldest(other);
}

}  // namespace vandrelle::app
