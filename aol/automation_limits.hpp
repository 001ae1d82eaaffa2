#pragma once
// How long the automation waits for the AOL client before it tells the user what did not happen.

namespace vandrelle::aol {

struct AutomationLimits {
    // Waits for the "Member Directory" window and for the client's answering message box.
    double wait_seconds = 15.0;
    // A send that the client has not handled by then counts as "not answering".
    unsigned send_timeout_ms = 5000;
    // Another program may hold the clipboard for a moment; we try again for this long.
    double clipboard_retry_seconds = 1.0;
    // Between searches for a window that is not there yet: sleep this long or until our own
    // window has an event, whichever comes first.
    double poll_seconds = 0.05;
};

}  // namespace vandrelle::aol
