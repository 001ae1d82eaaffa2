#pragma once
// The pictures: constant drawings made of characters, one per art body, compiled in from
// macros/pictures/<name>.txt (one picture line per file line).
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vandrelle::macros {

struct Picture {
    std::string_view name;             // the art body's name without "art_"
    std::vector<std::u16string> lines;  // top line first, without line breaks
};

// Splits a picture file's UTF-8 text into lines (LF or CR LF ends a line).
std::vector<std::u16string> picture_lines_from_utf8(std::string_view utf8);

// Every compiled-in picture, decoded once on first use.
std::span<const Picture> all_pictures();

// The picture of the art body art_<name>, or nullptr when it has not been drawn.
const Picture* find_picture(std::string_view name);

// What the picture adds to the preview: every line followed by CR LF, the last one too.
std::u16string picture_text(const Picture& picture);

}  // namespace vandrelle::macros
