#pragma once
// What the macro list and its "Add To Preview" button say, exactly as the user sees them.
#include "app/preview_text.hpp"

namespace vandrelle::macros::texts {

// The placeholder at row 0 of the macro list.
inline constexpr char16_t kMacroPlaceholder[] = u"Select A Macro";
inline constexpr char16_t kSelectAMacro[] = u"Select a macro first!";
inline constexpr char16_t kPictureTooLarge[] =
    u"That picture would make the preview larger than 20,000,000 characters, more than any "
    u"profile can hold.\r\n\r\nNothing was added. Clear the preview first.";
static_assert(app::kPreviewCapacity == 20'000'000, "kPictureTooLarge names the capacity in words");

}  // namespace vandrelle::macros::texts
