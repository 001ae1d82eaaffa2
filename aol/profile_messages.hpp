#pragma once
// What the user is told when Add To Profile ends without filling the profile.
#include <optional>
#include <string_view>

#include "aol/add_to_profile.hpp"

namespace vandrelle::aol {

enum class MessageIcon { Information, Warning };

struct OutcomeMessage {
    std::u16string_view prompt;
    std::u16string_view title;
    MessageIcon icon;
};

// The message box for an outcome, or nothing for the outcomes that say nothing (sent, ignored
// second press, window closing).
std::optional<OutcomeMessage> message_for(ProfileOutcome outcome);

}  // namespace vandrelle::aol
