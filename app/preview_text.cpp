#include "app/preview_text.hpp"

namespace vandrelle::app {

void PreviewText::Append(std::u16string_view addition) {
    std::u16string text = Text();
    text.append(addition);
    SetText(text);
}

void append_to_preview(PreviewText& preview, std::u16string_view addition) { preview.Append(addition); }

bool fits_in_preview(std::size_t current, std::size_t addition) {
    return current <= kPreviewCapacity && addition <= kPreviewCapacity - current;
}

}  // namespace vandrelle::app
