#include "aol/profile_messages.hpp"

#include "app/texts.hpp"

namespace vandrelle::aol {
namespace {

constexpr char16_t kTitle[] = u"Add To Profile";
constexpr char16_t kNothingInPreview[] = u"There is nothing in the preview window to add to your profile!";

}  // namespace

std::optional<OutcomeMessage> message_for(ProfileOutcome outcome) {
    using vandrelle::app::texts::kIncompleteRequest;
    switch (outcome) {
        case ProfileOutcome::EmptyPreview:
            return OutcomeMessage{kNothingInPreview, kIncompleteRequest, MessageIcon::Information};
        case ProfileOutcome::ClientNotRunning:
            return OutcomeMessage{u"The AOL client is not running.\r\n\r\nStart it, sign on, and press Add To "
                                  u"Profile again. Your preview is unchanged.",
                                  kTitle, MessageIcon::Information};
        case ProfileOutcome::EditorDidNotOpen:
            return OutcomeMessage{u"The AOL client did not open its Member Directory window.\r\n\r\nNothing was "
                                  u"sent and your preview is unchanged. Open the window in the client, then "
                                  u"press Add To Profile again.",
                                  kTitle, MessageIcon::Warning};
        case ProfileOutcome::NoTextField:
            return OutcomeMessage{u"The Member Directory window has no text field to put the profile "
                                  u"into.\r\n\r\nNothing was sent and your preview is unchanged.",
                                  kTitle, MessageIcon::Warning};
        case ProfileOutcome::ClientNotResponding:
            return OutcomeMessage{u"The AOL client is not responding, so Add To Profile stopped.\r\n\r\nYour "
                                  u"preview is unchanged. Check the client's Member Directory window before "
                                  u"trying again.",
                                  kTitle, MessageIcon::Warning};
        case ProfileOutcome::ClientDidNotAnswer:
            return OutcomeMessage{u"Your profile text was placed in the Member Directory window and its button "
                                  u"was pressed, but the AOL client did not answer.\r\n\r\nCheck the client's "
                                  u"window to see whether the profile was saved.",
                                  kTitle, MessageIcon::Warning};
        case ProfileOutcome::ClipboardBusy:
            return OutcomeMessage{u"Another program is holding the clipboard.\r\n\r\nNothing was sent and your "
                                  u"preview is unchanged. Try again in a moment.",
                                  kTitle, MessageIcon::Warning};
        case ProfileOutcome::Sent:
        case ProfileOutcome::AlreadyRunning:
        case ProfileOutcome::Abandoned:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vandrelle::aol
