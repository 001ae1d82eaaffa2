#include "app/win32/check_glyphs.hpp"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vandrelle::app::win32 {
namespace {

using GlyphRows = std::array<std::string_view, kCheckGlyphHeight>;

// '.' is transparent; '#' black ink, 'r' red, 'k' dark outline, 'o' orange.
constexpr GlyphRows kBold = {
    "......................",
    "......................",
    "......########........",
    "......###....###......",
    "......###.....###.....",
    "......###.....###.....",
    "......###....###......",
    "......#########.......",
    "......###.....###.....",
    "......###......###....",
    "......###......###....",
    "......###.....###.....",
    "......##########......",
    "......................",
    "......................",
    "......................",
    "......................",
};

constexpr GlyphRows kItalic = {
    "......................",
    "......................",
    "..........######......",
    "............##........",
    "............##........",
    "...........##.........",
    "...........##.........",
    "..........##..........",
    "..........##..........",
    ".........##...........",
    ".........##...........",
    "........##............",
    "......######..........",
    "......................",
    "......................",
    "......................",
    "......................",
};

constexpr GlyphRows kUnderline = {
    "......................",
    "......................",
    "......................",
    "......................",
    ".......##.....##......",
    ".......##.....##......",
    ".......##.....##......",
    ".......##.....##......",
    ".......##.....##......",
    ".......##.....##......",
    ".......##....###......",
    "........#####.##......",
    "......................",
    "......###########.....",
    "......................",
    "......................",
    "......................",
};

constexpr GlyphRows kTextColour = {
    "......................",
    "..........##..........",
    "..........##..........",
    ".........####.........",
    ".........#..#.........",
    "........##..##........",
    "........##..##........",
    ".......########.......",
    ".......##....##.......",
    "......##......##......",
    "......##......##......",
    "......................",
    "....rrrrrrrrrrrrrr....",
    "....rrrrrrrrrrrrrr....",
    "....rrrrrrrrrrrrrr....",
    "......................",
    "......................",
};

constexpr GlyphRows kBackgroundColour = {
    "......................",
    "......................",
    "...kkkkkkkkkkkkkkkk...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kooooooooooooook...",
    "...kkkkkkkkkkkkkkkk...",
    "......................",
    "......................",
};

constexpr bool rows_have_glyph_width(const GlyphRows& rows) {
    for (std::string_view row : rows)
        if (row.size() != kCheckGlyphWidth) return false;
    return true;
}
static_assert(rows_have_glyph_width(kBold) && rows_have_glyph_width(kItalic) &&
              rows_have_glyph_width(kUnderline) && rows_have_glyph_width(kTextColour) &&
              rows_have_glyph_width(kBackgroundColour));

const GlyphRows& rows_of(CheckGlyph glyph) {
    switch (glyph) {
        case CheckGlyph::Bold: return kBold;
        case CheckGlyph::Italic: return kItalic;
        case CheckGlyph::Underline: return kUnderline;
        case CheckGlyph::TextColour: return kTextColour;
        case CheckGlyph::BackgroundColour: break;
    }
    return kBackgroundColour;
}

// Premultiplied BGRA, the layout of a 32-bit DIB; 0 is fully transparent.
std::uint32_t pixel_colour(char ink, bool mixed) {
    if (mixed) return 0xFF808080;
    switch (ink) {
        case 'r': return 0xFFD00000;
        case 'o': return 0xFFFF8C00;
        case 'k': return 0xFF603000;
        default: return 0xFF000000;
    }
}

}  // namespace

HICON create_check_icon(CheckGlyph glyph, bool mixed, int dpi) {
    const int scale = dpi >= 144 ? (dpi + 48) / 96 : 1;
    const int width = kCheckGlyphWidth * scale;
    const int height = kCheckGlyphHeight * scale;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!colour) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);

    // The mask: 1 keeps the background, 0 shows the colour bitmap. Rows are WORD-aligned.
    const int mask_stride = ((width + 15) / 16) * 2;
    std::vector<unsigned char> mask(static_cast<std::size_t>(mask_stride) * height, 0xFF);

    const GlyphRows& rows = rows_of(glyph);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int px = x / scale, py = y / scale;
            const char ink = rows[py][px];
            // The mixed look keeps every other pixel of the ink, a half-tone of the glyph.
            const bool drawn = ink != '.' && (!mixed || (px + py) % 2 == 0);
            pixels[y * width + x] = drawn ? pixel_colour(ink, mixed) : 0;
            if (drawn) mask[static_cast<std::size_t>(y * mask_stride + x / 8)] &= static_cast<unsigned char>(~(0x80 >> (x % 8)));
        }
    }
    HBITMAP mask_bitmap = CreateBitmap(width, height, 1, 1, mask.data());
    ICONINFO icon{TRUE, 0, 0, mask_bitmap, colour};
    HICON result = CreateIconIndirect(&icon);
    DeleteObject(mask_bitmap);
    DeleteObject(colour);
    return result;
}

}  // namespace vandrelle::app::win32
