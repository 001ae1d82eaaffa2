#include "app/win32/form_fonts.hpp"

namespace vandrelle::app::win32 {
namespace {

HFONT make_font(const wchar_t* face, int weight, int dpi) {
    // 8.25 pt: a negative height asks for the character height, not the cell height.
    const int height = -MulDiv(825, dpi, 7200);
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

}  // namespace

FormFonts::FormFonts(int dpi)
    : window_(make_font(L"Arial", FW_BOLD, dpi)),
      button_(make_font(L"Verdana", FW_BOLD, dpi)),
      preview_(make_font(kPreviewFace, FW_NORMAL, dpi)) {}

FormFonts::~FormFonts() {
    for (HFONT font : {window_, button_, preview_})
        if (font) DeleteObject(font);
}

HFONT FormFonts::font_for(FontRole role) const {
    switch (role) {
        case FontRole::WindowFont: return window_;
        case FontRole::ButtonFont: return button_;
        case FontRole::PreviewFont: return preview_;
        case FontRole::NoFont: break;
    }
    return nullptr;
}

}  // namespace vandrelle::app::win32
