#include "aol/profile_editor.hpp"

#include "aol/window_vocabulary.hpp"

namespace vandrelle::aol {

OpenRequest edit_Profile(Desktop& desktop, unsigned timeout_ms) {
    const WindowHandle frame = desktop.FindWindowA(window_class::kFrame);
    if (frame == 0) return OpenRequest::NoClient;
    const WindowHandle toolbar = desktop.FindWindowExA(frame, 0, window_class::kToolbar);
    const WindowHandle strip = toolbar ? desktop.FindWindowExA(toolbar, 0, window_class::kToolbarStrip) : 0;
    if (strip == 0) return OpenRequest::NoToolbar;
    // A search from 0 starts again at the first icon, so a short strip would otherwise make the
    // count wrap round and press a wrong icon.
    WindowHandle icon = 0;
    for (int n = 1; n <= kProfileToolbarIcon; ++n) {
        icon = desktop.FindWindowExA(strip, icon, window_class::kIcon);
        if (icon == 0) return OpenRequest::NoFourthIcon;
    }
    if (desktop.SendMessageTimeoutA(icon, message::kLeftButtonDown, 0, 0, timeout_ms) == SendResult::TimedOut ||
        desktop.SendMessageTimeoutA(icon, message::kChar, kProfileMenuKey, 0, timeout_ms) == SendResult::TimedOut) {
        return OpenRequest::ClientHung;
    }
    return OpenRequest::Pressed;
}

WindowHandle find_x(Desktop& desktop) {
    // Only the client's own windows qualify: a box of any other program, or of ours, that
    // happens to have a button and a static text must never be pressed.
    const ProcessId client = desktop.WindowProcess(desktop.FindWindowA(window_class::kFrame));
    if (client == 0) return 0;
    const WindowHandle entry = desktop.FindWindowA(window_class::kDialog);
    for (WindowHandle walker = desktop.GetWindow(entry, WindowOrder::First); walker != 0;
         walker = desktop.GetWindow(walker, WindowOrder::Next)) {
        if (!desktop.ProcessPendingEvents()) return 0;
        // A dialog is built hidden and may still replace its children until it is shown: keys
        // sent to it before then can go to a button that is about to disappear.
        if (desktop.WindowProcess(walker) != client || !desktop.WindowVisible(walker)) continue;
        if (desktop.FindWindowExA(walker, 0, window_class::kButton) != 0 &&
            desktop.FindWindowExA(walker, 0, window_class::kStatic) != 0) {
            return walker;
        }
    }
    return 0;
}

}  // namespace vandrelle::aol
