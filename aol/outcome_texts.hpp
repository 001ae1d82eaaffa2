#pragma once
// What the user is told when Add To Profile ends without filling the profile, or leaves its
// text behind on the clipboard.
#include <optional>
#include <string_view>

#include "aol/add_to_profile.hpp"

namespace vandrelle::aol {

enum class TextIcon { Information, Warning };

struct OutcomeText {
    std::u16string_view prompt;
    std::u16string_view title;
    TextIcon icon;
};

// The box for an outcome, or nothing for the outcomes that say nothing (sent, ignored second
// press, window closing). Each text says what happened and what was and was not changed.
std::optional<OutcomeText> outcome_text(ProfileOutcome outcome);

// Shown after the outcome's box when the run could not empty the clipboard.
OutcomeText text_left_on_clipboard_text();

}  // namespace vandrelle::aol
