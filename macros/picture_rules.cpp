#include "macros/picture_rules.hpp"

#include <algorithm>
#include <charconv>
#include <set>

#include "app/text_codec.hpp"

namespace vandrelle::macros {
namespace {

constexpr std::size_t kMinLines = 3, kMaxLines = 45, kMaxLineLength = 84;

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

bool parse_int(std::string_view text, int& value) {
    if (text.empty()) {
        value = 0;
        return true;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::string describe(char16_t c) {
    return vandrelle::app::utf16_to_utf8(std::u16string(1, c));
}

void expect_count(std::vector<std::string>& problems, const char* what, std::size_t have, int want) {
    if (have != static_cast<std::size_t>(want)) {
        problems.push_back(std::string(what) + ": " + std::to_string(have) + ", should be " + std::to_string(want));
    }
}

}  // namespace

bool is_blank(char16_t c) { return c == u' ' || c == kNoBreakSpace; }

std::vector<PictureRow> parse_picture_table(std::string_view tsv, std::vector<std::string>* errors) {
    std::vector<PictureRow> rows;
    const auto lines = split(tsv, '\n');
    for (std::size_t i = 1; i < lines.size(); ++i) {  // line 0 names the columns
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const auto cells = split(line, '\t');
        PictureRow row;
        bool ok = cells.size() >= 10;
        if (ok) {
            row.name = cells[1];
            row.art_body = cells[2];
            row.remarks = cells.size() > 10 ? std::string(cells[10]) : std::string();
            for (char16_t c : vandrelle::app::utf8_to_utf16(cells[6])) {
                if (c != u' ') row.other_non_ascii += c;
            }
            ok = parse_int(cells[0], row.number) && parse_int(cells[4], row.lines) && parse_int(cells[5], row.widest) &&
                 parse_int(cells[7], row.no_break_spaces) && parse_int(cells[8], row.soft_hyphens) &&
                 parse_int(cells[9], row.lines_ending_in_blank) &&
                 (cells[3] == "no" ? (row.listed = 0, true) : parse_int(cells[3], row.listed));
        }
        if (ok) {
            rows.push_back(std::move(row));
        } else if (errors) {
            errors->push_back("table line " + std::to_string(i + 1) + " is malformed");
        }
    }
    return rows;
}

std::vector<std::string> general_problems(std::span<const std::u16string> lines) {
    std::vector<std::string> problems;
    if (lines.size() < kMinLines || lines.size() > kMaxLines) {
        problems.push_back(std::to_string(lines.size()) + " lines; a picture has 3 to 45");
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u16string& line = lines[i];
        const std::string at = "line " + std::to_string(i + 1);
        if (line.empty()) problems.push_back(at + " is empty");
        if (line.size() > kMaxLineLength) problems.push_back(at + " is longer than 84 characters");
        if (!line.empty() && std::all_of(line.begin(), line.end(), is_blank)) problems.push_back(at + " holds blanks only");
        for (char16_t c : line) {
            if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
                problems.push_back(at + " holds a control character");
                break;
            }
            if (!vandrelle::app::cp1252_byte(c)) {
                problems.push_back(at + " holds " + describe(c) + ", which has no Windows-1252 code");
                break;
            }
        }
    }
    return problems;
}

std::vector<std::string> row_problems(std::span<const std::u16string> lines, const PictureRow& row) {
    std::vector<std::string> problems;
    std::size_t widest = 0, no_break = 0, soft = 0, ending_blank = 0;
    std::set<char16_t> used;
    for (const std::u16string& line : lines) {
        widest = std::max(widest, line.size());
        if (!line.empty() && is_blank(line.back())) ++ending_blank;
        for (char16_t c : line) {
            if (c == kNoBreakSpace) ++no_break;
            else if (c == kSoftHyphen) ++soft;
            else if (c > 0x7E) used.insert(c);
        }
    }
    expect_count(problems, "lines", lines.size(), row.lines);
    expect_count(problems, "widest line", widest, row.widest);
    expect_count(problems, "U+00A0", no_break, row.no_break_spaces);
    expect_count(problems, "U+00AD", soft, row.soft_hyphens);
    expect_count(problems, "lines ending in a blank", ending_blank, row.lines_ending_in_blank);
    const std::set<char16_t> listed(row.other_non_ascii.begin(), row.other_non_ascii.end());
    for (char16_t c : used) {
        if (!listed.count(c)) problems.push_back("uses " + describe(c) + ", which its row does not list");
    }
    for (char16_t c : listed) {
        if (!used.count(c)) problems.push_back("never uses " + describe(c) + ", which its row lists");
    }
    return problems;
}

LibraryFigures measure_library(std::span<const Picture> pictures) {
    LibraryFigures figures;
    figures.shortest_line = SIZE_MAX;
    for (const Picture& picture : pictures) {
        ++figures.pictures;
        std::set<char16_t> in_this_picture;
        for (std::size_t i = 0; i < picture.lines.size(); ++i) {
            const std::u16string& line = picture.lines[i];
            const std::string where = std::string(picture.name) + ":" + std::to_string(i + 1);
            ++figures.lines;
            figures.characters += line.size();
            if (!line.empty() && is_blank(line.front())) ++figures.lines_beginning_with_blank;
            if (!line.empty() && is_blank(line.back())) ++figures.lines_ending_with_blank;
            for (char16_t c : line) {
                if (c > 0x7E) {
                    ++figures.occurrences[c];
                    in_this_picture.insert(c);
                }
            }
            if (line.size() < figures.shortest_line) figures.shortest_line = line.size(), figures.shortest_at.clear();
            if (line.size() == figures.shortest_line) figures.shortest_at.push_back(where);
            if (line.size() > figures.longest_line) figures.longest_line = line.size(), figures.longest_at.clear();
            if (line.size() == figures.longest_line) figures.longest_at.push_back(where);
        }
        for (char16_t c : in_this_picture) ++figures.pictures_using[c];
    }
    if (figures.lines == 0) figures.shortest_line = 0;
    return figures;
}

}  // namespace vandrelle::macros
