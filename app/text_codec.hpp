#pragma once
// Conversions between the preview's UTF-16 text, UTF-8 and Windows-1252.
#include <optional>
#include <string>
#include <string_view>

namespace vandrelle::app {

std::u16string utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view text);

// Windows-1252 byte of a character, or nothing when the code page has none for it.
std::optional<unsigned char> cp1252_byte(char16_t c);
// The whole text in Windows-1252; nothing when a character has no code there.
std::optional<std::string> utf16_to_cp1252(std::u16string_view text);
std::u16string cp1252_to_utf16(std::string_view bytes);

}  // namespace vandrelle::app
