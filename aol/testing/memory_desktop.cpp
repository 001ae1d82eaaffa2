#include "aol/testing/memory_desktop.hpp"

#include <algorithm>
#include <cctype>

#include "app/text_codec.hpp"
#include "aol/window_vocabulary.hpp"

namespace vandrelle::aol::testing {
namespace {

bool same_class(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

WindowHandle MemoryDesktop::add_window(std::string class_name, std::string caption, WindowHandle parent,
                                       ProcessId process) {
    const WindowHandle handle = next_handle_;
    next_handle_ += 4;
    windows_[handle] = Window{std::move(class_name), std::move(caption), parent, process, true};
    level_of(parent).push_back(handle);
    return handle;
}

void MemoryDesktop::bring_to_top(WindowHandle window) {
    auto& level = level_of(windows_.at(window).parent);
    level.erase(std::find(level.begin(), level.end(), window));
    level.insert(level.begin(), window);
}

void MemoryDesktop::remove_window(WindowHandle window) {
    if (!exists(window)) return;
    for (const WindowHandle child : std::vector<WindowHandle>(children_[window])) remove_window(child);
    children_.erase(window);
    auto& level = level_of(windows_.at(window).parent);
    level.erase(std::find(level.begin(), level.end(), window));
    windows_.erase(window);
}

std::string MemoryDesktop::caption_of(WindowHandle window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? std::string() : found->second.caption;
}

std::vector<Delivery> MemoryDesktop::received_by(WindowHandle window) const {
    std::vector<Delivery> received;
    std::copy_if(log_.begin(), log_.end(), std::back_inserter(received),
                 [&](const Delivery& d) { return d.window == window; });
    return received;
}

void MemoryDesktop::when(std::function<bool(const Delivery&)> matches, std::function<void()> act, int after_pumps) {
    reactions_.push_back(Reaction{std::move(matches), std::move(act), after_pumps});
}

void MemoryDesktop::at_pump(int pump, std::function<void()> act) {
    scheduled_.push_back(Scheduled{pump, std::move(act)});
}

WindowHandle MemoryDesktop::FindWindowA(std::string_view class_name) {
    for (const WindowHandle window : level_of(0)) {
        if (same_class(windows_.at(window).class_name, class_name)) return window;
    }
    return 0;
}

WindowHandle MemoryDesktop::FindWindowExA(WindowHandle parent, WindowHandle after, std::string_view class_name,
                                          std::optional<std::string_view> caption) {
    const auto& level = level_of(parent);
    auto from = level.begin();
    if (after != 0) {
        from = std::find(level.begin(), level.end(), after);
        if (from == level.end()) return 0;
        ++from;
    }
    for (auto it = from; it != level.end(); ++it) {
        const Window& window = windows_.at(*it);
        if (same_class(window.class_name, class_name) && (!caption || window.caption == *caption)) return *it;
    }
    return 0;
}

WindowHandle MemoryDesktop::GetWindow(WindowHandle window, WindowOrder order) {
    if (!exists(window)) return 0;
    const auto& level = level_of(windows_.at(window).parent);
    if (order == WindowOrder::First) return level.front();
    const auto at = std::find(level.begin(), level.end(), window);
    return at + 1 == level.end() ? 0 : *(at + 1);
}

SendResult MemoryDesktop::deliver(Delivery delivery, unsigned timeout_ms) {
    if (!exists(delivery.window)) return SendResult::Delivered;  // goes nowhere
    if (!delivery.posted && hung_[windows_.at(delivery.window).process]) {
        advance(timeout_ms / 1000.0);
        return SendResult::TimedOut;
    }
    SendResult result = SendResult::Delivered;
    if (!delivery.posted && std::find(slow_.begin(), slow_.end(), std::pair(delivery.window, delivery.message)) != slow_.end()) {
        advance(timeout_ms / 1000.0);
        result = SendResult::TimedOut;
    }
    if (delivery.message == message::kSetText) windows_.at(delivery.window).caption = delivery.text;
    log_.push_back(delivery);
    // Reactions may add reactions; walk a copy.
    for (const Reaction& reaction : std::vector<Reaction>(reactions_)) {
        if (!reaction.matches(delivery)) continue;
        if (reaction.after_pumps == 0) {
            reaction.act();
        } else {
            scheduled_.push_back(Scheduled{pumps_ + reaction.after_pumps, reaction.act});
        }
    }
    return result;
}

SendResult MemoryDesktop::SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                              std::intptr_t lparam, unsigned timeout_ms) {
    return deliver(Delivery{window, message, wparam, lparam, {}, false}, timeout_ms);
}

SendResult MemoryDesktop::SendTextTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                           std::string_view ansi_text, unsigned timeout_ms) {
    return deliver(Delivery{window, message, wparam, 0, std::string(ansi_text), false}, timeout_ms);
}

void MemoryDesktop::PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
    deliver(Delivery{window, message, wparam, lparam, {}, true}, 0);
}

bool MemoryDesktop::WindowVisible(WindowHandle window) {
    for (; window != 0; window = windows_.at(window).parent) {
        if (!exists(window) || !windows_.at(window).visible) return false;
    }
    return true;
}

ProcessId MemoryDesktop::WindowProcess(WindowHandle window) {
    return exists(window) ? windows_.at(window).process : 0;
}

std::string MemoryDesktop::ToAnsi(std::u16string_view text) {
    std::string ansi;
    ansi.reserve(text.size());
    // As the platform converts to Windows-1252 without best fit: the five bytes the code page
    // leaves undefined stand for the control characters of the same number, everything else it
    // lacks becomes '?', one per UTF-16 unit.
    for (const char16_t c : text) {
        const bool undefined_byte = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
        ansi += static_cast<char>(undefined_byte ? c : vandrelle::app::cp1252_byte(c).value_or('?'));
    }
    return ansi;
}

bool MemoryDesktop::open_clipboard() {
    ++clipboard_opens;
    if (clipboard_refusals == 0) return true;
    --clipboard_refusals;
    return false;
}

bool MemoryDesktop::ClearClipboard() {
    if (!open_clipboard()) return false;
    clipboard.reset();
    return true;
}

ClipboardWrite MemoryDesktop::PutClipboardText(std::u16string_view text) {
    if (clipboard_put_fails) return ClipboardWrite::Failed;
    if (!open_clipboard()) return ClipboardWrite::Busy;
    clipboard = std::u16string(text);
    if (after_clipboard_put) after_clipboard_put();
    return ClipboardWrite::Done;
}

ClipboardRead MemoryDesktop::ReadClipboardText() {
    if (!open_clipboard()) return {};
    ++clipboard_reads;
    return ClipboardRead{true, clipboard.value_or(u"")};
}

void MemoryDesktop::advance(double seconds) {
    monotonic_ += seconds;
    time_of_day_ += seconds;
    if (time_of_day_ >= 86400.0) time_of_day_ -= 86400.0;
}

bool MemoryDesktop::pump() {
    ++pumps_;
    std::vector<Scheduled> due;
    auto not_due = std::stable_partition(scheduled_.begin(), scheduled_.end(),
                                         [&](const Scheduled& s) { return s.due_pump <= pumps_; });
    due.assign(scheduled_.begin(), not_due);
    scheduled_.erase(scheduled_.begin(), not_due);
    for (const Scheduled& s : due) s.act();
    return !closing_;
}

bool MemoryDesktop::ProcessPendingEvents() {
    advance(pump_cost_);
    return pump();
}

bool MemoryDesktop::WaitForEvents(double seconds) {
    if (events_every_ > 0 && events_every_ < seconds) seconds = events_every_;
    ++sleeps_;
    seconds_slept_ += seconds;
    advance(seconds);
    return pump();
}

}  // namespace vandrelle::aol::testing
