#include "aol/shared_routines.hpp"

#include <cmath>

#include "aol/window_vocabulary.hpp"

namespace vandrelle::aol {
namespace {

constexpr double kSecondsPerDay = 86400.0;

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
    const double first_reading = desktop.TimeOfDay();
    const double end = round_half_to_even(first_reading) + seconds;
    double previous_reading = first_reading;
    double days_passed = 0;  // in seconds; the time of day restarts at 0 at midnight
    bool window_open = desktop.ProcessPendingEvents();
    while (window_open) {
        const double reading = desktop.TimeOfDay();
        // Only a jump back of more than half a day is midnight; a small one is a clock set back.
        if (reading + kSecondsPerDay / 2 < previous_reading) days_passed += kSecondsPerDay;
        previous_reading = reading;
        const double remaining = end - (reading + days_passed);
        if (!(remaining > 0)) return true;
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
