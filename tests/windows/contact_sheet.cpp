// Draws every catalogue entry's picture, as its art body adds it to the preview, in the preview's
// font (Arial, 8.25 pt, at 96 DPI) onto one sheet, each under its catalogue name, and writes the
// sheet as a BMP file: a contact sheet for people to judge the drawings by.
// Usage: contact_sheet.exe <sheet.bmp>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/memory_preview.hpp"
#include "app/win32/wide_text.hpp"
#include "macros/catalogue.hpp"

namespace {

constexpr int kColumns = 5;
constexpr int kMargin = 16;
constexpr int kLabelHeight = 18;

struct Tile {
    std::wstring name;
    std::vector<std::wstring> lines;
    SIZE size{};
};

std::vector<std::wstring> lines_of(const std::u16string& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2)
        lines.push_back(vandrelle::app::win32::to_wide(std::u16string_view(text).substr(start, end - start)));
    return lines;
}

bool write_bmp(const char* path, HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    if (!GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS)) return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: contact_sheet.exe <sheet.bmp>\n");
        return 2;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT art_font = CreateFontW(-MulDiv(825, 96, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
    HFONT label_font = CreateFontW(-14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
    SelectObject(dc, art_font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const int line_height = metrics.tmHeight;

    // Measure every picture, as the art body leaves it in an empty preview.
    std::vector<Tile> tiles;
    for (const auto& entry : vandrelle::macros::catalogue()) {
        vandrelle::app::MemoryPreview preview;
        entry.art_body(preview);
        Tile tile{vandrelle::app::win32::to_wide(entry.name), lines_of(preview.text), {}};
        for (const std::wstring& line : tile.lines) {
            SIZE extent{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
            tile.size.cx = std::max(tile.size.cx, extent.cx);
        }
        tile.size.cx = std::max<LONG>(tile.size.cx, 160);
        tile.size.cy = kLabelHeight + line_height * static_cast<int>(tile.lines.size());
        tiles.push_back(std::move(tile));
    }
    // Rows of kColumns tiles; every column as wide as its widest tile.
    std::vector<int> column_width(kColumns, 0);
    for (std::size_t i = 0; i < tiles.size(); ++i)
        column_width[i % kColumns] = std::max<int>(column_width[i % kColumns], tiles[i].size.cx);
    std::vector<int> row_height((tiles.size() + kColumns - 1) / kColumns, 0);
    for (std::size_t i = 0; i < tiles.size(); ++i)
        row_height[i / kColumns] = std::max<int>(row_height[i / kColumns], tiles[i].size.cy);
    int width = kMargin, height = kMargin;
    for (int w : column_width) width += w + kMargin;
    for (int h : row_height) height += h + kMargin;

    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    int y = kMargin;
    for (std::size_t row = 0; row < row_height.size(); ++row) {
        int x = kMargin;
        for (std::size_t column = 0; column < kColumns && row * kColumns + column < tiles.size(); ++column) {
            const Tile& tile = tiles[row * kColumns + column];
            SelectObject(dc, label_font);
            SetTextColor(dc, RGB(160, 0, 0));
            TextOutW(dc, x, y, tile.name.c_str(), static_cast<int>(tile.name.size()));
            SelectObject(dc, art_font);
            SetTextColor(dc, RGB(0, 0, 0));
            for (std::size_t k = 0; k < tile.lines.size(); ++k)
                TextOutW(dc, x, y + kLabelHeight + line_height * static_cast<int>(k), tile.lines[k].c_str(),
                         static_cast<int>(tile.lines[k].size()));
            x += column_width[column] + kMargin;
        }
        y += row_height[row] + kMargin;
    }
    const bool written = write_bmp(argv[1], dc, bitmap, width, height);
    std::printf("contact sheet: %d pictures, %d x %d pixels\n", static_cast<int>(tiles.size()), width, height);
    return written ? 0 : 1;
}
