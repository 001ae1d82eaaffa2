#include "app/preview_text.hpp"

namespace vandrelle {

void append_to_preview(PreviewText& preview, std::u16string_view addition) {
    std::u16string text = preview.Text();
    text.append(addition);
    preview.SetText(text);
}

bool fits_in_preview(std::size_t current, std::size_t addition) {
    return current <= kPreviewCapacity && addition <= kPreviewCapacity - current;
}

}  // namespace vandrelle
