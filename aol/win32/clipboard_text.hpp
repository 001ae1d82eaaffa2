#pragma once
// The clipboard's Unicode text, read one way for the whole program: the preview's paste and
// Add To Profile's read-back of what it put there.
#include <windows.h>

#include <optional>
#include <string>

namespace vandrelle::aol::win32 {

bool clipboard_has_text();

// The clipboard's Unicode text (empty when it holds none), or nothing when the clipboard cannot
// be opened. The text ends at its first NUL and is never read past its memory block: another
// program's text need not end in a NUL. Another program, or Wine's clipboard manager, may hold
// the clipboard for a moment, so opening is retried for at most about 50 ms; no messages are
// handled meanwhile, so nothing re-enters the caller.
std::optional<std::u16string> read_clipboard_text(HWND owner);

}  // namespace vandrelle::aol::win32
