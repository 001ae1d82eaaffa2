#pragma once
// The window's layout as one table: every control with its container, kind, position and size
// in twips (from the top-left corner of its container), caption, font and tab order. The rows
// are in creation order, which is also the order of Control. No window code here: the form
// reads the table and scales it to the monitor.
#include <array>

#include "app/win32/control_ids.hpp"

namespace vandrelle::app::win32 {

enum class ControlKind {
    ColourDialog,       // no window: the standard colour dialog behind the two colour buttons
    Frame,              // a captioned container; takes no focus
    RichText,           // the preview pane
    GraphicalCheck,     // push-like check box showing a glyph
    PushButton,
    DropDownList,       // pick only, kept in the order rows are added
    SortedDropDownList, // pick only, sorted without regard to case
    TextBox,            // single line, no length limit
};

enum class FontRole {
    NoFont,       // the colour dialog
    WindowFont,   // Arial bold 8.25 pt: frames, lists, the text box (and the formatting buttons)
    ButtonFont,   // Verdana bold 8.25 pt: push buttons
    PreviewFont,  // Arial regular 8.25 pt: the preview's base format
};

struct ControlRow {
    Control control;
    Control container;  // Control::Count stands for the window's client area
    ControlKind kind;
    int left_twips, top_twips, width_twips, height_twips;
    const wchar_t* caption;
    FontRole font;
    int tab_index;  // -1: takes no part in the tab order
};

inline constexpr Control kWindowClientArea = Control::Count;

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kClientWidthTwips = 7350;   // 490 px at 96 DPI
inline constexpr int kClientHeightTwips = 6045;  // 403 px at 96 DPI
inline constexpr wchar_t kFormCaption[] = L"Vandrelle By: Brasketh";

// clang-format off
inline constexpr std::array<ControlRow, kControlCount> kFormLayout = [] {
    using enum Control;
    using enum ControlKind;
    using enum FontRole;
    return std::array<ControlRow, kControlCount>{{
        // control      container           kind                left   top  width height caption             font         tab
        {CommonDialog1, kWindowClientArea,  ColourDialog,           0,     0,     0,     0, L"",                NoFont,       -1},
        {Frame4,        kWindowClientArea,  Frame,                  0,     0,  7335,  4575, L"Preview Window",  WindowFont,    7},
        {RichTextBox,   Frame4,             RichText,             120,   240,  7095,  3855, L"",                PreviewFont,  15},
        {chkColor2,     Frame4,             GraphicalCheck,      3000,  4080,   495,   375, L"",                WindowFont,   14},
        {chkColor,      Frame4,             GraphicalCheck,      2520,  4080,   495,   375, L"",                WindowFont,   13},
        {chkUline,      Frame4,             GraphicalCheck,      2040,  4080,   495,   375, L"",                WindowFont,   12},
        {chkItalics,    Frame4,             GraphicalCheck,      1560,  4080,   495,   375, L"",                WindowFont,   11},
        {chkBold,       Frame4,             GraphicalCheck,      1080,  4080,   495,   375, L"",                WindowFont,   10},
        {cmdClear,      Frame4,             PushButton,           120,  4080,   735,   375, L"Clear",           ButtonFont,    9},
        {Command3,      Frame4,             PushButton,          3720,  4080,  3495,   375, L"Add To Profile",  ButtonFont,    8},
        {Frame2,        kWindowClientArea,  Frame,                  0,  5280,  7335,   735, L"Macro Madness",   WindowFont,    4},
        {Command2,      Frame2,             PushButton,          4920,   240,  2295,   375, L"Add To Preview",  ButtonFont,    6},
        {cmboMacros,    Frame2,             SortedDropDownList,   120,   240,  4335,   330, L"",                WindowFont,    5},
        {Frame1,        kWindowClientArea,  Frame,                  0,  4560,  7335,   735, L"Spiral Text",     WindowFont,    0},
        {cmboTimes,     Frame1,             DropDownList,        3480,   240,   975,   330, L"",                WindowFont,    3},
        {Command1,      Frame1,             PushButton,          4920,   240,  2295,   375, L"Add To Preview",  ButtonFont,    2},
        {textLine,      Frame1,             TextBox,              120,   240,  3255,   315, L"",                WindowFont,    1},
    }};
}();
// clang-format on

constexpr bool rows_follow_control_order() {
    for (int i = 0; i < kControlCount; ++i)
        if (control_index(kFormLayout[i].control) != i) return false;
    return true;
}
static_assert(rows_follow_control_order(), "row i of the layout describes Control i");

// Every container is a frame created before its children, and every child lies inside it.
constexpr bool children_sit_inside_earlier_frames() {
    for (const ControlRow& row : kFormLayout) {
        if (row.container == kWindowClientArea) continue;
        const ControlRow& frame = kFormLayout[control_index(row.container)];
        if (frame.kind != ControlKind::Frame || control_index(row.container) >= control_index(row.control)) return false;
        if (row.left_twips + row.width_twips > frame.width_twips || row.top_twips + row.height_twips > frame.height_twips)
            return false;
    }
    return true;
}
static_assert(children_sit_inside_earlier_frames());

// Tab indices 0 to 15, each used once.
constexpr bool tab_indices_are_distinct() {
    bool used[kControlCount] = {};
    for (const ControlRow& row : kFormLayout) {
        if (row.tab_index < 0) continue;
        if (row.tab_index >= kControlCount || used[row.tab_index]) return false;
        used[row.tab_index] = true;
    }
    return true;
}
static_assert(tab_indices_are_distinct());

constexpr const ControlRow& layout_of(Control control) { return kFormLayout[control_index(control)]; }

// Twips to device pixels: 15 twips per pixel at 96 DPI, proportionally more at higher DPI.
constexpr int twips_to_pixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

}  // namespace vandrelle::app::win32
