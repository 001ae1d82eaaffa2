#pragma once
// The 22 x 17 pictures of the five formatting buttons, drawn here pixel by pixel, and the
// icons made from them.
#include <windows.h>

namespace vandrelle::win32 {

enum class CheckPicture { Bold, Italic, Underline, TextColour, BackgroundColour };

inline constexpr int kCheckPictureWidth = 22;
inline constexpr int kCheckPictureHeight = 17;

// The picture as an icon with a transparent background, scaled for `dpi`. `mixed` gives the
// look of a selection that is partly formatted: the ink greyed and half-toned.
HICON create_check_icon(CheckPicture picture, bool mixed, int dpi);

}  // namespace vandrelle::win32
