#include "aol/outcome_texts.hpp"

#include <algorithm>
#include <iterator>

#include "app/texts.hpp"

namespace vandrelle::aol {
namespace {

constexpr char16_t kTitle[] = u"Add To Profile";
using vandrelle::app::texts::kIncompleteRequest;
constexpr TextIcon kInfo = TextIcon::Information;
constexpr TextIcon kWarn = TextIcon::Warning;

struct Row {
    ProfileOutcome outcome;
    OutcomeText text;
};

// Outcomes missing here (Sent, AlreadyRunning, Abandoned) say nothing.
constexpr Row kTexts[] = {
    {ProfileOutcome::EmptyPreview,
     {u"There is nothing in the preview window to add to your profile!", kIncompleteRequest, kInfo}},
    {ProfileOutcome::ClientNotRunning,
     {u"The AOL client is not running.\r\n\r\nNothing was sent and your preview is unchanged. Start the client, "
      u"sign on, and press Add To Profile again.",
      kTitle, kInfo}},
    {ProfileOutcome::ClientClosed,
     {u"The AOL client closed while Add To Profile was under way.\r\n\r\nYour profile was not saved and your "
      u"preview is unchanged.",
      kTitle, kWarn}},
    {ProfileOutcome::NoToolbar,
     {u"The AOL client shows no toolbar, so its Member Directory window could not be opened.\r\n\r\nNothing was "
      u"sent and your preview is unchanged. Open the window in the client, then press Add To Profile again.",
      kTitle, kWarn}},
    {ProfileOutcome::TooFewToolbarIcons,
     {u"The AOL client's toolbar has fewer than four icons, so its Member Directory window could not be "
      u"opened.\r\n\r\nNothing was pressed or sent and your preview is unchanged. Open the window in the "
      u"client, then press Add To Profile again.",
      kTitle, kWarn}},
    {ProfileOutcome::EditorDidNotOpen,
     {u"The AOL client did not open its Member Directory window.\r\n\r\nNothing was sent and your preview is "
      u"unchanged. Open the window in the client, then press Add To Profile again.",
      kTitle, kWarn}},
    {ProfileOutcome::EditorClosed,
     {u"The Member Directory window closed before your profile could be saved.\r\n\r\nYour profile was not "
      u"saved and your preview is unchanged.",
      kTitle, kWarn}},
    {ProfileOutcome::NoTextField,
     {u"The Member Directory window has no text field to put the profile into.\r\n\r\nNothing was sent and "
      u"your preview is unchanged.",
      kTitle, kWarn}},
    {ProfileOutcome::NoSaveButton,
     {u"Your profile text is in the Member Directory window's field, but the window's save button was not "
      u"found, so the profile was not saved.\r\n\r\nSave it in the client, or close the window there to keep "
      u"your old profile. Your preview is unchanged.",
      kTitle, kWarn}},
    {ProfileOutcome::ClientNotResponding,
     {u"The AOL client is not responding, so Add To Profile stopped.\r\n\r\nYour profile was not saved and "
      u"your preview is unchanged. Check the client's Member Directory window before trying again.",
      kTitle, kWarn}},
    {ProfileOutcome::ClientDidNotAnswer,
     {u"Your profile text was placed in the Member Directory window and its button was pressed, but the AOL "
      u"client did not answer.\r\n\r\nCheck the client's window to see whether the profile was saved. Your "
      u"preview is unchanged.",
      kTitle, kWarn}},
    {ProfileOutcome::ClientClosedAfterSave,
     {u"Your profile text was placed in the Member Directory window and its save button was pressed, but the "
      u"AOL client closed before answering.\r\n\r\nCheck your profile in the client to see whether it was saved. "
      u"Your preview is unchanged.",
      kTitle, kWarn}},
    {ProfileOutcome::ClipboardBusy,
     {u"Another program is holding the clipboard.\r\n\r\nNothing was sent and your preview is unchanged. Try "
      u"again in a moment.",
      kTitle, kWarn}},
    {ProfileOutcome::ClipboardFailed,
     {u"Windows could not put the profile text on the clipboard.\r\n\r\nNothing was sent and your preview is "
      u"unchanged.",
      kTitle, kWarn}},
};

}  // namespace

std::optional<OutcomeText> outcome_text(ProfileOutcome outcome) {
    const auto row = std::find_if(std::begin(kTexts), std::end(kTexts),
                                  [outcome](const Row& r) { return r.outcome == outcome; });
    if (row == std::end(kTexts)) return std::nullopt;
    return row->text;
}

OutcomeText text_left_on_clipboard_text() {
    return {u"Add To Profile could not empty the clipboard afterwards: your profile text may still be on "
            u"it.\r\n\r\nCopy something else to replace it.",
            kTitle, kWarn};
}

}  // namespace vandrelle::aol
