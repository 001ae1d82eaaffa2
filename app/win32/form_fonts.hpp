#pragma once
// The three fonts of the window at one DPI: Arial bold 8.25 pt for the window, Verdana bold
// 8.25 pt for push buttons, Arial regular 8.25 pt for the preview.
#include <windows.h>

#include "app/win32/form_layout.hpp"

namespace vandrelle::app::win32 {

// The preview's base format in the rich-text control's units (twentieths of a point).
inline constexpr int kPreviewFontTwips = 165;  // 8.25 pt
inline constexpr wchar_t kPreviewFace[] = L"Arial";

class FormFonts {
public:
    explicit FormFonts(int dpi);
    ~FormFonts();
    FormFonts(const FormFonts&) = delete;
    FormFonts& operator=(const FormFonts&) = delete;

    HFONT font_for(FontRole role) const;

private:
    HFONT window_ = nullptr;
    HFONT button_ = nullptr;
    HFONT preview_ = nullptr;
};

}  // namespace vandrelle::app::win32
