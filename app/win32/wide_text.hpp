#pragma once
// The preview and the messages hold UTF-16 as char16_t; the W functions of Windows take the
// same units as wchar_t. These helpers cross between the two without changing a unit.
#include <windows.h>

#include <string>
#include <string_view>

namespace vandrelle::app::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

inline std::wstring to_wide(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string from_wide(std::wstring_view text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// The whole text of a window (a text box, or the shown row of a drop-down list).
inline std::u16string window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return from_wide(text);
}

}  // namespace vandrelle::app::win32
