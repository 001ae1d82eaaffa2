#include "aol/add_to_profile.hpp"

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

// Seconds since it was made, on the monotonic clock: a clock set meanwhile changes nothing.
// Our own window's events may wake a wait early, so waits measure, never count, time.
class Stopwatch {
public:
    explicit Stopwatch(Desktop& desktop) : desktop_(desktop), start_(desktop.MonotonicSeconds()) {}
    double elapsed() const { return desktop_.MonotonicSeconds() - start_; }

private:
    Desktop& desktop_;
    double start_;
};

enum class Waited { Found, TimedOut, ClientGone, Abandoned };

// Repeats `search` until it returns a window, the client's main window goes, or the wait's
// limit passes, sleeping between attempts until our window has an event or the poll interval
// is over.
template <typename Search>
Waited wait_for_window(Desktop& desktop, const AutomationLimits& limits, WindowHandle& found, Search search) {
    const Stopwatch waited(desktop);
    for (;;) {
        if (desktop.FindWindowA(window_class::kFrame) == 0) return Waited::ClientGone;
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

// One run's steps: open the editor, carry the text into its field, confirm with its icon.
class Filling {
public:
    Filling(Desktop& desktop, ClientMethods& window, ProfilePreview& preview, const AutomationLimits& limits)
        : desktop_(desktop), window_(window), preview_(preview), limits_(limits) {}

    ProfileOutcome run() {
        if (desktop_.FindWindowA(window_class::kFrame) == 0) return ProfileOutcome::ClientNotRunning;
        WindowHandle editor = 0;
        if (const ProfileOutcome opened = open_editor(editor); opened != ProfileOutcome::Sent) return opened;
        if (!pause_Seconds(desktop_, 1)) return ProfileOutcome::Abandoned;
        if (const ProfileOutcome carried = carry_text(editor); carried != ProfileOutcome::Sent) return carried;
        return confirm(editor);
    }

    bool text_left_on_clipboard = false;

private:
    // Finds "Member Directory", opening it through the toolbar when it is not open.
    ProfileOutcome open_editor(WindowHandle& editor) {
        editor = find_AOLChild(desktop_, caption::kMemberDirectory);
        if (editor != 0) return ProfileOutcome::Sent;
        switch (window_.edit_Profile()) {
            case OpenRequest::Pressed: break;
            case OpenRequest::NoClient: return ProfileOutcome::ClientClosed;  // it was there a moment ago
            case OpenRequest::NoToolbar: return ProfileOutcome::NoToolbar;
            case OpenRequest::NoFourthIcon: return ProfileOutcome::TooFewToolbarIcons;
            case OpenRequest::ClientHung: return ProfileOutcome::ClientNotResponding;
        }
        return waited(wait_for_window(desktop_, limits_, editor,
                                      [&] { return find_AOLChild(desktop_, caption::kMemberDirectory); }),
                      ProfileOutcome::EditorDidNotOpen);
    }

    // Through the clipboard: the whole preview, selected, then the credit line, into the field.
    ProfileOutcome carry_text(WindowHandle editor) {
        if (!clear_clipboard()) return ProfileOutcome::ClipboardBusy;
        preview_.SetSelStart(0);
        preview_.SetSelLength(static_cast<long>(preview_.TextLength()));
        std::u16string composed = preview_.SelText();
        // The user may have cleared the preview during the pause: the credit alone would then
        // replace the whole profile.
        if (composed.empty()) return ProfileOutcome::EmptyPreview;
        composed += kCreditLine;
        if (const ProfileOutcome put = put_on_clipboard(composed); put != ProfileOutcome::Sent) return put;
        const ProfileOutcome placed = place_text(editor, composed);
        // The clipboard only carried the text: it is left empty however the placing went.
        text_left_on_clipboard = !clear_clipboard();
        return placed;
    }

    bool clear_clipboard() {
        return with_clipboard(desktop_, limits_, [&] { return desktop_.ClearClipboard(); });
    }

    ProfileOutcome put_on_clipboard(const std::u16string& composed) {
        ClipboardWrite put = ClipboardWrite::Busy;
        with_clipboard(desktop_, limits_, [&] {
            put = desktop_.PutClipboardText(composed);
            return put != ClipboardWrite::Busy;
        });
        return put == ClipboardWrite::Done   ? ProfileOutcome::Sent
               : put == ClipboardWrite::Busy ? ProfileOutcome::ClipboardBusy
                                             : ProfileOutcome::ClipboardFailed;
    }

    // Replaces the whole text of the editor's field with CR LF and the clipboard's text.
    ProfileOutcome place_text(WindowHandle editor, const std::u16string& composed) {
        const WindowHandle field = desktop_.FindWindowExA(editor, 0, window_class::kRichField);
        if (field == 0) return unless_gone(ProfileOutcome::NoTextField, editor);
        if (send_text(field, "") == SendResult::TimedOut) return ProfileOutcome::ClientNotResponding;
        // The text is read back from the clipboard, as the client's field would take a paste.
        // Only our own text goes: should another program have changed the clipboard in between
        // (a copied password, say), or hold it now, the text we composed goes instead.
        ClipboardRead back;
        with_clipboard(desktop_, limits_, [&] {
            back = desktop_.ReadClipboardText();
            return back.opened;
        });
        const bool ours = back.opened && back.text == composed;
        if (send_text(field, desktop_.ToAnsi(u"\r\n" + (ours ? back.text : composed))) == SendResult::TimedOut) {
            return ProfileOutcome::ClientNotResponding;
        }
        return ProfileOutcome::Sent;
    }

    // Presses the editor's icon and dismisses the client's answer.
    ProfileOutcome confirm(WindowHandle editor) {
        const WindowHandle save_icon = desktop_.FindWindowExA(editor, 0, window_class::kIcon);
        if (save_icon == 0) return unless_gone(ProfileOutcome::NoSaveButton, editor);
        // A client that saves over the network, or shows its box from inside its handling of
        // the press, does not return from the press in time: its box is awaited all the same.
        click_Window(desktop_, save_icon, limits_.send_timeout_ms);
        // The box may close, or lose its button, between being found and being searched: a post
        // to no window would reach nothing, so the box and its button are looked for together.
        WindowHandle button = 0;
        const Waited how = wait_for_window(desktop_, limits_, button, [&] {
            const WindowHandle box = window_.find_x();
            return box != 0 ? desktop_.FindWindowExA(box, 0, window_class::kButton) : 0;
        });
        // Save was pressed: a client that closes now may or may not have saved the profile.
        if (how == Waited::ClientGone) return ProfileOutcome::ClientClosedAfterSave;
        if (const ProfileOutcome answered = waited(how, ProfileOutcome::ClientDidNotAnswer);
            answered != ProfileOutcome::Sent) {
            return answered;
        }
        desktop_.PostMessageA(button, message::kKeyDown, kSpaceKey, 0);
        desktop_.PostMessageA(button, message::kKeyUp, kSpaceKey, 0);
        return ProfileOutcome::Sent;
    }

    SendResult send_text(WindowHandle field, std::string_view ansi) {
        return desktop_.SendTextTimeoutA(field, message::kSetText, 0, ansi, limits_.send_timeout_ms);
    }

    static ProfileOutcome waited(Waited how, ProfileOutcome timed_out) {
        switch (how) {
            case Waited::Found: return ProfileOutcome::Sent;
            case Waited::TimedOut: return timed_out;
            case Waited::ClientGone: return ProfileOutcome::ClientClosed;
            case Waited::Abandoned: return ProfileOutcome::Abandoned;
        }
        return ProfileOutcome::Abandoned;
    }

    // A window missing because the client or its editor closed is told as that closing.
    ProfileOutcome unless_gone(ProfileOutcome missing, WindowHandle editor) {
        if (desktop_.FindWindowA(window_class::kFrame) == 0) return ProfileOutcome::ClientClosed;
        if (!desktop_.WindowExists(editor)) return ProfileOutcome::EditorClosed;
        return missing;
    }

    Desktop& desktop_;
    ClientMethods& window_;
    ProfilePreview& preview_;
    const AutomationLimits& limits_;
};

}  // namespace

ProfileOutcome AddToProfile::Run(Desktop& desktop, ClientMethods& window, ProfilePreview& preview,
                                 const AutomationLimits& limits) {
    if (running_) return ProfileOutcome::AlreadyRunning;
    text_left_on_clipboard_ = false;
    if (preview.TextLength() == 0) return ProfileOutcome::EmptyPreview;
    RunningFlag under_way(running_);
    Filling filling(desktop, window, preview, limits);
    const ProfileOutcome outcome = filling.run();
    text_left_on_clipboard_ = filling.text_left_on_clipboard;
    return outcome;
}

}  // namespace vandrelle::aol
