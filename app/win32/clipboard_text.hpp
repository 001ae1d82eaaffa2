#pragma once
// Plain text from the system clipboard, for the preview's Paste.
#include <windows.h>

#include <optional>
#include <string>

namespace vandrelle::app::win32 {

bool clipboard_has_text();
// The clipboard's Unicode text, or nothing when it holds none or stays busy. Another program
// (or Wine's clipboard manager) may hold the clipboard for a moment, so opening is retried
// briefly.
std::optional<std::u16string> clipboard_text(HWND owner);

}  // namespace vandrelle::app::win32
