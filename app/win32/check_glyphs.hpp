#pragma once
// The 22 x 17 glyphs of the five formatting buttons, drawn here pixel by pixel, and the
// icons made from them.
#include <windows.h>

namespace vandrelle::app::win32 {

enum class CheckGlyph { Bold, Italic, Underline, TextColour, BackgroundColour };

inline constexpr int kCheckGlyphWidth = 22;
inline constexpr int kCheckGlyphHeight = 17;

// The glyph as an icon with a transparent background, scaled for `dpi`. `mixed` gives the
// look of a selection that is partly formatted: the ink greyed and half-toned.
HICON create_check_icon(CheckGlyph glyph, bool mixed, int dpi);

}  // namespace vandrelle::app::win32
