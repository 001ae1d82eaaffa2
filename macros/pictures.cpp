#include "macros/pictures.hpp"

#include "app/text_codec.hpp"
#include "macros/picture_data.hpp"

namespace vandrelle::macros {

std::vector<std::u16string> picture_lines_from_utf8(std::string_view utf8) {
    std::vector<std::u16string> lines;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(vandrelle::app::utf8_to_utf16(line));
        if (end == std::string_view::npos) break;
        utf8.remove_prefix(end + 1);
    }
    return lines;
}

std::span<const Picture> all_pictures() {
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> decoded;
        decoded.reserve(data::kEmbeddedPictureCount);
        for (std::size_t i = 0; i < data::kEmbeddedPictureCount; ++i) {
            const auto& embedded = data::kEmbeddedPictures[i];
            decoded.push_back({embedded.name, picture_lines_from_utf8(embedded.utf8)});
        }
        return decoded;
    }();
    return pictures;
}

const Picture* find_picture(std::string_view name) {
    for (const Picture& picture : all_pictures()) {
        if (picture.name == name) return &picture;
    }
    return nullptr;
}

std::u16string picture_text(const Picture& picture) {
    std::size_t size = 0;
    for (const auto& line : picture.lines) size += line.size() + 2;
    std::u16string text;
    text.reserve(size);
    for (const auto& line : picture.lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

}  // namespace vandrelle::macros
