#pragma once
// The five graphical check boxes: push-like buttons showing a glyph, with the values 0
// unchecked (raised), 1 checked (pressed) and 2 indeterminate (a look of its own).
#include <windows.h>

#include <array>
#include <functional>

#include "app/win32/check_glyphs.hpp"
#include "app/win32/control_ids.hpp"

namespace vandrelle::app::win32 {

enum class CheckValue : int { Unchecked = 0, Checked = 1, Indeterminate = 2 };

struct GraphicalCheckLook {
    Control control;
    CheckGlyph glyph;
    // The button's window text, which screen readers and UI automation read (the button draws
    // only its glyph), and its tooltip.
    const wchar_t* name;
    // Formatting buttons show three values and take them from the selection; the colour
    // buttons only toggle.
    bool three_state;
};

inline constexpr std::array<GraphicalCheckLook, 5> kGraphicalChecks = {{
    {Control::chkBold, CheckGlyph::Bold, L"Bold", true},
    {Control::chkItalics, CheckGlyph::Italic, L"Italic", true},
    {Control::chkUline, CheckGlyph::Underline, L"Underline", true},
    {Control::chkColor, CheckGlyph::TextColour, L"Text colour", false},
    {Control::chkColor2, CheckGlyph::BackgroundColour, L"Background colour", false},
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
    CheckIcons(CheckGlyph glyph, int dpi);
    ~CheckIcons();
    CheckIcons(CheckIcons&& other) noexcept;
    CheckIcons& operator=(CheckIcons&& other) noexcept;

    HICON for_value(CheckValue value) const;

private:
    HICON normal_ = nullptr;
    HICON mixed_ = nullptr;
};

// The five buttons of one window: their icons at the window's DPI, the look of each value, and
// the mouse tracking of the two colour buttons, which answer a mouse button released after it
// was pressed on them (any button; the keyboard only toggles their look).
class GraphicalChecks {
public:
    // `mouse_up` hears which colour button had a mouse button released on it.
    explicit GraphicalChecks(std::function<void(Control)> mouse_up);
    ~GraphicalChecks();
    GraphicalChecks(const GraphicalChecks&) = delete;
    GraphicalChecks& operator=(const GraphicalChecks&) = delete;

    // Takes over a freshly made button of kGraphicalChecks: its name, its icons, unchecked, and
    // for a colour button the mouse tracking.
    void attach(Control button, HWND window, int dpi);
    // New icons for every button, shown before the old ones are freed.
    void set_dpi(int dpi);

    CheckValue value(Control button) const;
    // Shows `value` on the button without a click: no Click event follows.
    void show(Control button, CheckValue value);
    // A click changes the value of a formatting button only through here.
    void take_click(Control button);

private:
    struct Button {
        HWND window = nullptr;
        CheckIcons icons;
        UINT pressed = 0;            // MK_ flags of the mouse buttons pressed on it and not yet released
        bool left_releasing = false;  // the button is giving up its own capture at a left release
    };
    static LRESULT CALLBACK colour_button_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                                    UINT_PTR subclass_id, DWORD_PTR checks);
    LRESULT colour_button_message(Button& button, UINT message, WPARAM wparam, LPARAM lparam);
    Button& button_of(Control control);
    const Button& button_of(Control control) const;

    std::function<void(Control)> mouse_up_;
    std::array<Button, kGraphicalChecks.size()> buttons_{};
};

}  // namespace vandrelle::app::win32
