#pragma once
// The picture files as the build embeds them: name (the file name) and UTF-8 bytes.
#include <cstddef>
#include <string_view>

namespace vandrelle::macros::data {

struct EmbeddedPicture {
    std::string_view name;
    std::string_view utf8;
};

extern const EmbeddedPicture kEmbeddedPictures[];
extern const std::size_t kEmbeddedPictureCount;

}  // namespace vandrelle::macros::data
