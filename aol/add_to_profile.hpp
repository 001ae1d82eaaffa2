#pragma once
// "Add To Profile": carries the preview's plain text and the credit line into the client's
// "Member Directory" window, presses its icon button and dismisses the client's answer.
#include <cstddef>
#include <string>
#include <string_view>

#include "aol/automation_limits.hpp"
#include "aol/client_methods.hpp"
#include "aol/declarations.hpp"

namespace vandrelle::aol {

// Follows the preview's text in the profile, directly: after a final line break it starts a
// line of its own, otherwise it continues the last line.
inline constexpr std::u16string_view kCreditLine = u"< font . size=1>By: Brasketh";

// The preview operations Add To Profile uses; the window's rich-text pane provides them.
class ProfilePreview {
public:
    virtual ~ProfilePreview() = default;
    virtual std::u16string Text() const = 0;
    // Length of Text(), CR LF counted as two; a preview that knows it without copying its
    // whole text says so here.
    virtual std::size_t TextLength() const { return Text().size(); }
    virtual void SetSelStart(long start) = 0;
    virtual void SetSelLength(long length) = 0;
    virtual std::u16string SelText() const = 0;
};

enum class ProfileOutcome {
    Sent,                   // the field holds the profile text and the client's box was pressed
    EmptyPreview,           // nothing in the preview, at the start or when the text was taken
    AlreadyRunning,         // a second press while one run is under way: ignored
    ClientNotRunning,       // no client main window at the start
    ClientClosed,           // the client's main window went away before the save icon was pressed
    NoToolbar,              // the client has no toolbar strip to open "Member Directory" with
    TooFewToolbarIcons,     // the toolbar strip has fewer than four icons: nothing pressed
    EditorDidNotOpen,       // "Member Directory" did not appear within the wait
    EditorClosed,           // "Member Directory" closed before the profile was saved
    NoTextField,            // "Member Directory" has no rich-text field: nothing was sent
    NoSaveButton,           // the text is in the field, but there is no icon button to save it
    ClientNotResponding,    // a send to the client was not handled in time
    ClientDidNotAnswer,     // the text was placed and the icon pressed, but no box came to be pressed
    ClientClosedAfterSave,  // the icon was pressed, then the client closed before its box came
    ClipboardBusy,          // another program held the clipboard: nothing was sent
    ClipboardFailed,        // the platform refused to put the text on the clipboard: nothing was sent
    Abandoned,              // our window closed during a wait
};

// One run per press. The runner remembers whether a run is under way, so that a press arriving
// from inside one of its waits is ignored, and whether the last run left its text on the
// clipboard.
class AddToProfile {
public:
    ProfileOutcome Run(Desktop& desktop, ClientMethods& window, ProfilePreview& preview,
                       const AutomationLimits& limits);
    bool running() const { return running_; }
    // The last run could not empty the clipboard after using it: the profile text may still
    // be there for any program to read.
    bool text_left_on_clipboard() const { return text_left_on_clipboard_; }

private:
    bool running_ = false;
    bool text_left_on_clipboard_ = false;
};

}  // namespace vandrelle::aol
