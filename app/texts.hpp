#pragma once
// What the window's own refusals say, exactly as the user sees them. The macro list's texts
// live in macros/texts.hpp, Add To Profile's in aol/.
#include "app/preview_text.hpp"

namespace vandrelle::app::texts {

// The title of every "Incomplete Request" refusal, whichever subsystem refuses.
inline constexpr char16_t kIncompleteRequest[] = u"Incomplete Request";
inline constexpr char16_t kApplicationTitle[] = u"Project1";

inline constexpr char16_t kEnterSomeText[] = u"Enter some text first!";
inline constexpr char16_t kSelectHowManyLines[] = u"Select how many lines. 1 line means no spiral";

inline constexpr char16_t kPreviewTooLarge[] =
    u"That would make the preview larger than 20,000,000 characters, more than any profile "
    u"can hold.\r\n\r\nNothing was added. Choose fewer lines or a shorter text.";
inline constexpr char16_t kPreviewFullTitle[] = u"Preview Full";
static_assert(kPreviewCapacity == 20'000'000, "kPreviewTooLarge names the capacity in words");

// The placeholder at row 0 of the line-count list.
inline constexpr char16_t kLinesPlaceholder[] = u"Lines";

}  // namespace vandrelle::app::texts
