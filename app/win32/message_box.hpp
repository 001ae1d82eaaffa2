#pragma once
// The window's refusals: a modal message box with one OK button.
#include <windows.h>

#include <string_view>

namespace vandrelle::app::win32 {

// Shows `prompt` under `title` with `icon` (MB_ICONINFORMATION, MB_ICONWARNING, or 0 for
// none) and waits for OK. Returns what MessageBoxW returns.
int show_prompt(HWND owner, std::u16string_view prompt, std::u16string_view title, UINT icon);

}  // namespace vandrelle::app::win32
