#include "aol/shared_routines.hpp"

#include <cmath>

#include "aol/window_vocabulary.hpp"

namespace vandrelle::aol {
namespace {

// Nearest whole second; a half goes to the even neighbour (100.5 -> 100, 101.5 -> 102).
double round_half_to_even(double seconds) {
    const double whole = std::floor(seconds);
    const double fraction = seconds - whole;
    if (fraction > 0.5) return whole + 1;
    if (fraction < 0.5) return whole;
    return std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1;
}

}  // namespace

SendResult click_Window(Desktop& desktop, WindowHandle window, unsigned timeout_ms) {
    if (desktop.SendMessageTimeoutA(window, message::kLeftButtonDown, 0, 0, timeout_ms) == SendResult::TimedOut) {
        return SendResult::TimedOut;
    }
    return desktop.SendMessageTimeoutA(window, message::kKeyUp, kSpaceKey, 0, timeout_ms);
}

bool pause_Seconds(Desktop& desktop, double seconds) {
    // The end is set once, from the rounded time of day; the span up to it is then waited out
    // on the monotonic clock, so a clock set or a daylight-saving change meanwhile neither
    // stretches nor cuts the pause, and midnight needs no special case.
    const double time_of_day = desktop.TimeOfDay();
    const double span = round_half_to_even(time_of_day) + seconds - time_of_day;
    const double start = desktop.MonotonicSeconds();
    bool window_open = desktop.ProcessPendingEvents();
    while (window_open) {
        const double remaining = span - (desktop.MonotonicSeconds() - start);
        // Less than a microsecond left is no wait: a sleep that short may not move the clock.
        if (!(remaining > 1e-6)) return true;
        window_open = desktop.WaitForEvents(remaining);
    }
    return false;
}

WindowHandle find_AOLChild(Desktop& desktop, std::string_view caption) {
    const WindowHandle frame = desktop.FindWindowA(window_class::kFrame);
    // A search under the handle 0 would run over every program's top-level windows: stop here.
    if (frame == 0) return 0;
    const WindowHandle area = desktop.FindWindowExA(frame, 0, window_class::kMdiArea);
    if (area == 0) return 0;
    const WindowHandle first_inner = desktop.FindWindowExA(area, 0, window_class::kInnerWindow);
    // The walk does not narrow the search: it gives one attempt per inner window, each after
    // our own window has had its events.
    for (WindowHandle walker = desktop.GetWindow(first_inner, WindowOrder::First); walker != 0;
         walker = desktop.GetWindow(walker, WindowOrder::Next)) {
        if (!desktop.ProcessPendingEvents()) return 0;
        if (const WindowHandle found = desktop.FindWindowExA(area, 0, window_class::kInnerWindow, caption)) {
            return found;
        }
    }
    return 0;
}

}  // namespace vandrelle::aol
