#pragma once
// The texts of the window's refusals, exactly as the user sees them.
namespace vandrelle::messages {

inline constexpr char16_t kIncompleteRequest[] = u"Incomplete Request";
inline constexpr char16_t kApplicationTitle[] = u"Project1";

inline constexpr char16_t kEnterSomeText[] = u"Enter some text first!";
inline constexpr char16_t kSelectHowManyLines[] = u"Select how many lines. 1 line means no spiral";
inline constexpr char16_t kSelectAMacro[] = u"Select a macro first!";
inline constexpr char16_t kNothingInPreview[] =
    u"There is nothing in the preview window to add to your profile!";

inline constexpr char16_t kPreviewTooLarge[] =
    u"That would make the preview larger than 20,000,000 characters, more than any profile "
    u"can hold.\r\n\r\nNothing was added. Choose fewer lines or a shorter text.";
inline constexpr char16_t kPreviewFullTitle[] = u"Preview Full";
inline constexpr char16_t kPictureTooLarge[] =
    u"That picture would make the preview larger than 20,000,000 characters, more than any "
    u"profile can hold.\r\n\r\nNothing was added. Clear the preview first.";

// The placeholders at row 0 of the two lists.
inline constexpr char16_t kLinesPlaceholder[] = u"Lines";
inline constexpr char16_t kMacroPlaceholder[] = u"Select A Macro";

}  // namespace vandrelle::messages
