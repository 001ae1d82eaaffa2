#pragma once
// A desktop held in memory for the unit tests: windows with class, caption, parent, sibling
// order (first = top) and owning process; a log of every message that reached a window; a
// clock that moves only when the automation pumps or sleeps; a clipboard that other "programs"
// can hold or change; and scripted reactions ("when the fourth icon gets an 'l', open a window
// two pumps later").
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "aol/declarations.hpp"

namespace vandrelle::aol::testing {

struct Delivery {
    WindowHandle window = 0;
    unsigned message = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
    std::string text;  // the bytes of a text message
    bool posted = false;
};

class MemoryDesktop final : public Desktop {
public:
    static constexpr ProcessId kOurProcess = 1;
    static constexpr ProcessId kClientProcess = 2;
    static constexpr ProcessId kOtherProcess = 3;

    // A new window at the bottom of its level (top-level when parent is 0).
    WindowHandle add_window(std::string class_name, std::string caption = {}, WindowHandle parent = 0,
                            ProcessId process = kClientProcess);
    void bring_to_top(WindowHandle window);
    void remove_window(WindowHandle window);  // with its children
    bool exists(WindowHandle window) const { return windows_.count(window) != 0; }
    // Windows are shown when added; a dialog being built is hidden until it is final.
    void set_visible(WindowHandle window, bool visible) { windows_.at(window).visible = visible; }
    std::string caption_of(WindowHandle window) const;  // also the text a WM_SETTEXT set

    // Every message that reached a window, in order; sends to a hung process are not here.
    const std::vector<Delivery>& log() const { return log_; }
    std::vector<Delivery> received_by(WindowHandle window) const;

    // Runs `act` when a delivered message matches, after `after_pumps` further pumps (0: at once).
    void when(std::function<bool(const Delivery&)> matches, std::function<void()> act, int after_pumps = 0);
    // Runs `act` during the pump numbered `pump` (from 1): the user's doing while we wait.
    void at_pump(int pump, std::function<void()> act);
    // Sends to this process's windows time out; the clock moves by the time-out.
    void set_hung(ProcessId process, bool hung) { hung_[process] = hung; }
    // Sends of this message to this window are handled, but only after the time-out has run out
    // (a client saving over the network, or showing its box from inside its handling).
    void set_slow(WindowHandle window, unsigned message) { slow_.push_back({window, message}); }
    // From the next pump on, the program is closing.
    void close_our_window() { closing_ = true; }

    int pumps() const { return pumps_; }
    int sleeps() const { return sleeps_; }
    double seconds_slept() const { return seconds_slept_; }

    void set_time_of_day(double seconds) { time_of_day_ = seconds; }
    // The clock is set (a sync, daylight saving): the time of day jumps, the monotonic clock
    // does not.
    void set_clock_by(double seconds) { time_of_day_ += seconds; }
    // Each pump that does not sleep still costs this much time.
    void set_pump_cost(double seconds) { pump_cost_ = seconds; }
    // Our window gets an event this often (the user moving the mouse): a sleep ends early then.
    void set_events_every(double seconds) { events_every_ = seconds; }

    // The clipboard: nothing (empty) or a text.
    std::optional<std::u16string> clipboard;
    // The next this many attempts to open the clipboard fail, as when another program holds it.
    int clipboard_refusals = 0;
    // Another program's doing right after we put text on the clipboard.
    std::function<void()> after_clipboard_put;
    int clipboard_opens = 0;
    int clipboard_reads = 0;  // reads that opened the clipboard
    // The platform refuses the text's memory or data, however often it is asked.
    bool clipboard_put_fails = false;

    // Desktop
    WindowHandle FindWindowA(std::string_view class_name) override;
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after, std::string_view class_name,
                               std::optional<std::string_view> caption = std::nullopt) override;
    WindowHandle GetWindow(WindowHandle window, WindowOrder order) override;
    SendResult SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                   std::intptr_t lparam, unsigned timeout_ms) override;
    SendResult SendTextTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                std::string_view ansi_text, unsigned timeout_ms) override;
    void PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;
    ProcessId WindowProcess(WindowHandle window) override;
    bool WindowExists(WindowHandle window) override { return exists(window); }
    bool WindowVisible(WindowHandle window) override;
    std::string ToAnsi(std::u16string_view text) override;
    bool ClearClipboard() override;
    ClipboardWrite PutClipboardText(std::u16string_view text) override;
    ClipboardRead ReadClipboardText() override;
    double TimeOfDay() override { return time_of_day_; }
    double MonotonicSeconds() override { return monotonic_; }
    bool ProcessPendingEvents() override;
    bool WaitForEvents(double seconds) override;

private:
    struct Window {
        std::string class_name;
        std::string caption;
        WindowHandle parent = 0;
        ProcessId process = 0;
        bool visible = true;
    };
    struct Reaction {
        std::function<bool(const Delivery&)> matches;
        std::function<void()> act;
        int after_pumps = 0;
    };
    struct Scheduled {
        int due_pump;
        std::function<void()> act;
    };

    std::vector<WindowHandle>& level_of(WindowHandle parent) { return children_[parent]; }
    SendResult deliver(Delivery delivery, unsigned timeout_ms);
    bool open_clipboard();
    void advance(double seconds);
    bool pump();

    std::map<WindowHandle, Window> windows_;
    std::map<WindowHandle, std::vector<WindowHandle>> children_;  // top first; 0 holds the top level
    WindowHandle next_handle_ = 0x100;
    std::vector<Delivery> log_;
    std::vector<Reaction> reactions_;
    std::vector<Scheduled> scheduled_;
    std::map<ProcessId, bool> hung_;
    std::vector<std::pair<WindowHandle, unsigned>> slow_;
    double time_of_day_ = 36000.0;
    double monotonic_ = 5000.0;
    double pump_cost_ = 0.001;
    double events_every_ = 0;  // 0: no events of our own
    int pumps_ = 0;
    int sleeps_ = 0;
    double seconds_slept_ = 0;
    bool closing_ = false;
};

}  // namespace vandrelle::aol::testing
