#pragma once
// Spiral text: a typed line repeated over a number of lines, each line rotated one character
// further to the right than the one before. Portable; the window only reads and shows.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vandrelle::app {

inline constexpr int kMaxSpiralLines = 10000;

// Line k (from 1) is `text` rotated right by k - 1 characters, and every line ends in CR LF.
// A character is a code point: a surrogate pair moves as one and is never split.
std::u16string make_spiral_block(std::u16string_view text, int count);

// Length of make_spiral_block(text, count) in UTF-16 units, or nothing if it overflows.
std::optional<std::size_t> spiral_block_length(std::u16string_view text, int count);

enum class SpiralRefusal { None, EmptyText, NoCount, PreviewFull };

struct SpiralPlan {
    SpiralRefusal refusal = SpiralRefusal::None;
    int count = 0;
};

// What a press of the spiral button does, decided before anything is built: the text is
// checked before the count; a count entry that is not 1 to 10000 (the "Lines" placeholder)
// is refused; a block that would take the preview past its capacity is refused.
SpiralPlan plan_spiral(std::u16string_view text, std::u16string_view count_entry, std::size_t preview_length);

}  // namespace vandrelle::app
