#pragma once
// What comes into the preview other than by typing, in one place. Every paste, whoever asks for
// it (Ctrl+V, the edit menu, another program's WM_PASTE or EM_PASTESPECIAL), brings the
// clipboard's plain text, none of another program's formatting, within the preview's capacity.
// Every line break is a paragraph break, which the document reads as CR LF: the rich-text
// control also knows a soft line break inside a paragraph, which Shift+Enter makes (Wine's
// control reads it back as a blank, Windows' as U+000B) and text can bring in as U+000B, and
// which would not reach the profile as the line break the user sees.
#include <windows.h>

namespace vandrelle::app::win32 {

// From now on every paste is plain text, Shift+Enter breaks the paragraph as Enter does, and
// every line break that a paste or a replaced selection brings in (CR, LF, CR LF or U+000B) is
// a paragraph break. Once per control; it ends with the control.
void keep_preview_input_plain(HWND control);

}  // namespace vandrelle::app::win32
