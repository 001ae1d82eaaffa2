#include "aol/add_to_profile.hpp"

#include "aol/profile_editor.hpp"
#include "aol/shared_routines.hpp"
#include "aol/window_vocabulary.hpp"

namespace vandrelle::aol {
namespace {

// Keeps running_ set for the length of one run, however it ends.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

// Seconds since it was made, by the time of day; a reading past midnight counts from the day
// before. Our own window's events may wake a wait early, so waits measure, never count, time.
class Stopwatch {
public:
    explicit Stopwatch(Desktop& desktop) : desktop_(desktop), start_(desktop.TimeOfDay()) {}
    double elapsed() const {
        const double seconds = desktop_.TimeOfDay() - start_;
        return seconds < 0 ? seconds + 86400.0 : seconds;
    }

private:
    Desktop& desktop_;
    double start_;
};

enum class Waited { Found, TimedOut, Abandoned };

// Repeats `search` until it returns a window or the wait's limit passes, sleeping between
// attempts until our window has an event or the poll interval is over.
template <typename Search>
Waited wait_for_window(Desktop& desktop, const AutomationLimits& limits, WindowHandle& found, Search search) {
    const Stopwatch waited(desktop);
    for (;;) {
        found = search();
        if (found != 0) return Waited::Found;
        if (waited.elapsed() >= limits.wait_seconds) return Waited::TimedOut;
        if (!desktop.WaitForEvents(limits.poll_seconds)) return Waited::Abandoned;
    }
}

// Tries a clipboard operation again for a short while when another program holds it.
template <typename Operation>
bool with_clipboard(Desktop& desktop, const AutomationLimits& limits, Operation operation) {
    const Stopwatch tried(desktop);
    for (;;) {
        if (operation()) return true;
        if (tried.elapsed() >= limits.clipboard_retry_seconds) return false;
        if (!desktop.WaitForEvents(limits.poll_seconds)) return false;
    }
}

// Replaces the whole text of the editor's field with CR LF and the clipboard's text.
ProfileOutcome place_text(Desktop& desktop, WindowHandle editor, const std::u16string& composed,
                          const AutomationLimits& limits) {
    const unsigned timeout = limits.send_timeout_ms;
    const WindowHandle field = desktop.FindWindowExA(editor, 0, window_class::kRichField);
    if (field == 0) return ProfileOutcome::NoTextField;
    if (desktop.SendTextTimeoutA(field, message::kSetText, 0, "", timeout) == SendResult::TimedOut) {
        return ProfileOutcome::ClientNotResponding;
    }
    // The text comes back from the clipboard. Should another program have changed the clipboard
    // in between, or hold it now, the text we composed goes instead: never a stranger's.
    ClipboardRead back;
    with_clipboard(desktop, limits, [&] {
        back = desktop.ReadClipboardText();
        return back.opened;
    });
    const std::u16string& carried = back.opened && back.text == composed ? back.text : composed;
    const std::string ansi = desktop.ToAnsi(u"\r\n" + carried);
    if (desktop.SendTextTimeoutA(field, message::kSetText, 0, ansi, timeout) == SendResult::TimedOut) {
        return ProfileOutcome::ClientNotResponding;
    }
    return ProfileOutcome::Sent;
}

ProfileOutcome fill_profile(Desktop& desktop, ProfilePreview& preview, const AutomationLimits& limits) {
    const unsigned timeout = limits.send_timeout_ms;
    if (desktop.FindWindowA(window_class::kFrame) == 0) return ProfileOutcome::ClientNotRunning;

    // Find the profile editor, opening it through the toolbar when it is not open.
    WindowHandle editor = find_AOLChild(desktop, caption::kMemberDirectory);
    if (editor == 0) {
        if (edit_Profile(desktop, timeout) == OpenRequest::ClientHung) return ProfileOutcome::ClientNotResponding;
        switch (wait_for_window(desktop, limits, editor,
                                [&] { return find_AOLChild(desktop, caption::kMemberDirectory); })) {
            case Waited::Found: break;
            case Waited::TimedOut:
                return desktop.FindWindowA(window_class::kFrame) == 0 ? ProfileOutcome::ClientNotRunning
                                                                       : ProfileOutcome::EditorDidNotOpen;
            case Waited::Abandoned: return ProfileOutcome::Abandoned;
        }
    }
    if (!pause_Seconds(desktop, 1)) return ProfileOutcome::Abandoned;

    // Through the clipboard: the whole preview, selected, then the credit line.
    if (!with_clipboard(desktop, limits, [&] { return desktop.ClearClipboard(); })) {
        return ProfileOutcome::ClipboardBusy;
    }
    preview.SetSelStart(0);
    preview.SetSelLength(static_cast<long>(preview.TextLength()));
    std::u16string composed = preview.SelText();
    composed += kCreditLine;
    if (!with_clipboard(desktop, limits, [&] { return desktop.PutClipboardText(composed); })) {
        return ProfileOutcome::ClipboardBusy;
    }

    const ProfileOutcome placed = place_text(desktop, editor, composed, limits);
    // The clipboard only carried the text: it is left empty however the placing went.
    with_clipboard(desktop, limits, [&] { return desktop.ClearClipboard(); });
    if (placed != ProfileOutcome::Sent) return placed;

    // Save, and dismiss the client's answer.
    const WindowHandle save_icon = desktop.FindWindowExA(editor, 0, window_class::kIcon);
    if (click_Window(desktop, save_icon, timeout) == SendResult::TimedOut) return ProfileOutcome::ClientNotResponding;
    WindowHandle box = 0;
    switch (wait_for_window(desktop, limits, box, [&] { return find_x(desktop); })) {
        case Waited::Found: break;
        case Waited::TimedOut: return ProfileOutcome::ClientDidNotAnswer;
        case Waited::Abandoned: return ProfileOutcome::Abandoned;
    }
    const WindowHandle button = desktop.FindWindowExA(box, 0, window_class::kButton);
    desktop.PostMessageA(button, message::kKeyDown, kSpaceKey, 0);
    desktop.PostMessageA(button, message::kKeyUp, kSpaceKey, 0);
    return ProfileOutcome::Sent;
}

}  // namespace

ProfileOutcome AddToProfile::Run(Desktop& desktop, ProfilePreview& preview, const AutomationLimits& limits) {
    if (running_) return ProfileOutcome::AlreadyRunning;
    if (preview.TextLength() == 0) return ProfileOutcome::EmptyPreview;
    RunningFlag under_way(running_);
    return fill_profile(desktop, preview, limits);
}

}  // namespace vandrelle::aol
