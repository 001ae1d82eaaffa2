#pragma once
// What comes into the preview other than by typing is plain text. Every paste, whoever asks
// for it (WM_PASTE, EM_PASTESPECIAL), brings the clipboard's plain text within the preview's
// capacity. Every line break in the preview is a paragraph break, which the document reads as CR LF. The
// rich-text control also knows a soft line break inside a paragraph: Shift+Enter makes one
// (Wine's control reads it back as a blank, Windows' as U+000B), and pasted text brings U+000B
// in as one. Neither would reach the profile as the line break the user sees.
#include <windows.h>

namespace vandrelle::app::win32 {

// From now on every paste is plain text, Shift+Enter breaks the paragraph as Enter does, and
// every U+000B that a paste or a replaced selection brings in becomes a paragraph break. Once
// per control.
void keep_line_breaks_hard(HWND control);

}  // namespace vandrelle::app::win32
