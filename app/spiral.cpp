#include "app/spiral.hpp"

#include <vector>

#include "app/preview_text.hpp"

namespace vandrelle::app {
namespace {

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// Offsets at which each character of `text` starts.
std::vector<std::size_t> character_starts(std::u16string_view text) {
    std::vector<std::size_t> starts;
    starts.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && is_low_surrogate(text[i]) && is_high_surrogate(text[i - 1])) continue;
        starts.push_back(i);
    }
    return starts;
}

std::optional<int> parse_count(std::u16string_view entry) {
    if (entry.empty() || entry.size() > 5) return std::nullopt;
    int value = 0;
    for (char16_t c : entry) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    if (value < 1 || value > kMaxSpiralLines) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::size_t> spiral_block_length(std::u16string_view text, int count) {
    if (count < 0) return std::nullopt;
    const std::size_t line = text.size() + 2;
    if (line < text.size() || (count != 0 && line > SIZE_MAX / static_cast<std::size_t>(count))) return std::nullopt;
    return line * static_cast<std::size_t>(count);
}

std::u16string make_spiral_block(std::u16string_view text, int count) {
    std::u16string block;
    const auto length = spiral_block_length(text, count);
    if (!length || text.empty()) return block;
    block.reserve(*length);
    const std::vector<std::size_t> starts = character_starts(text);
    const std::size_t characters = starts.size();
    // Every rotation of the text is a window of the text written twice over.
    const std::u16string twice = std::u16string(text) + std::u16string(text);
    const std::u16string_view rotations(twice);
    for (int k = 0; k < count; ++k) {
        // Rotating right by r characters puts the last r characters first.
        const std::size_t r = static_cast<std::size_t>(k) % characters;
        const std::size_t split = r == 0 ? 0 : starts[characters - r];
        block.append(rotations.substr(split, text.size()));
        block.append(u"\r\n");
    }
    return block;
}

SpiralPlan plan_spiral(std::u16string_view text, std::u16string_view count_entry, std::size_t preview_length) {
    if (text.empty()) return {SpiralRefusal::EmptyText, 0};
    const auto count = parse_count(count_entry);
    if (!count) return {SpiralRefusal::NoCount, 0};
    const auto length = spiral_block_length(text, *count);
    if (!length || !fits_in_preview(preview_length, *length)) return {SpiralRefusal::PreviewFull, *count};
    return {SpiralRefusal::None, *count};
}

}  // namespace vandrelle::app
