#pragma once
// The rules every picture keeps, and the figures of one picture's row of the picture table
// (tests/data/pictures.tsv). Used by the tests and by `vandrelle-art check` while drawing.
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macros/pictures.hpp"

namespace vandrelle::macros {

inline constexpr char16_t kNoBreakSpace = 0x00A0;
inline constexpr char16_t kSoftHyphen = 0x00AD;

// A blank is a space or a no-break space, at the start, the end or anywhere in a line.
bool is_blank(char16_t c);

struct PictureRow {
    int number = 0;
    std::string name;
    std::string art_body;
    int listed = 0;  // 0 = never listed
    int lines = 0;
    int widest = 0;
    std::u16string other_non_ascii;  // the characters above ASCII but U+00A0 and U+00AD
    int no_break_spaces = 0;
    int soft_hyphens = 0;
    int lines_ending_in_blank = 0;
    std::string remarks;
};

// Reads the tab-separated table (UTF-8, one header line). Malformed rows are reported in
// `errors` and skipped.
std::vector<PictureRow> parse_picture_table(std::string_view tsv, std::vector<std::string>* errors = nullptr);

// What breaks the rules of every picture: 3 to 45 lines of 1 to 84 characters, none empty or
// blank-only, no control character, every character with a Windows-1252 code.
std::vector<std::string> general_problems(std::span<const std::u16string> lines);

// What differs from the row: lines, widest, the exact set of other non-ASCII characters, the
// numbers of U+00A0, U+00AD and of lines ending in a blank.
std::vector<std::string> row_problems(std::span<const std::u16string> lines, const PictureRow& row);

// Figures of a set of pictures taken together.
struct LibraryFigures {
    std::size_t pictures = 0;
    std::size_t lines = 0;
    std::size_t characters = 0;  // line breaks not counted
    std::size_t lines_beginning_with_blank = 0;
    std::size_t lines_ending_with_blank = 0;
    std::map<char16_t, std::size_t> occurrences;       // every non-ASCII character
    std::map<char16_t, std::size_t> pictures_using;    // in how many pictures it occurs
    std::size_t shortest_line = 0;
    std::size_t longest_line = 0;
    std::vector<std::string> shortest_at;  // "Dolphin:1"
    std::vector<std::string> longest_at;
};

LibraryFigures measure_library(std::span<const Picture> pictures);

}  // namespace vandrelle::macros
