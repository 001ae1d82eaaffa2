#pragma once
// The five graphical check boxes: push-like buttons showing a picture, with the values 0
// unchecked (raised), 1 checked (pressed) and 2 indeterminate (a look of its own).
#include <windows.h>

#include <array>

#include "app/win32/check_glyphs.hpp"
#include "app/win32/control_ids.hpp"

namespace vandrelle::app::win32 {

enum class CheckValue : int { Unchecked = 0, Checked = 1, Indeterminate = 2 };

struct GraphicalCheckLook {
    Control control;
    CheckGlyph glyph;
    const wchar_t* tooltip;
    // Formatting buttons show three values and take them from the selection; the colour
    // buttons only toggle.
    bool three_state;
};

inline constexpr std::array<GraphicalCheckLook, 5> kGraphicalChecks = {{
    {Control::chkBold, CheckGlyph::Bold, L"Bold", true},
    {Control::chkItalics, CheckGlyph::Italic, L"Italic", true},
    {Control::chkUline, CheckGlyph::Underline, L"Underline", true},
    {Control::chkColor, CheckGlyph::TextColour, L"Text Colour", false},
    {Control::chkColor2, CheckGlyph::BackgroundColour, L"Background Colour", false},
}};

const GraphicalCheckLook* graphical_check_look(Control control);
DWORD graphical_check_style(const GraphicalCheckLook& look);

// A click checks an unchecked or indeterminate button and unchecks a checked one.
constexpr CheckValue value_after_click(CheckValue value) {
    return value == CheckValue::Checked ? CheckValue::Unchecked : CheckValue::Checked;
}

// The two icons of one button, made for one DPI.
class CheckIcons {
public:
    CheckIcons() = default;
    CheckIcons(CheckGlyph picture, int dpi);
    ~CheckIcons();
    CheckIcons(CheckIcons&& other) noexcept;
    CheckIcons& operator=(CheckIcons&& other) noexcept;

    HICON for_value(CheckValue value) const;

private:
    HICON normal_ = nullptr;
    HICON mixed_ = nullptr;
};

CheckValue check_value(HWND button);
// Shows `value` on the button without a click: no Click event follows.
void show_check_value(HWND button, CheckValue value, const CheckIcons& icons);

}  // namespace vandrelle::app::win32
