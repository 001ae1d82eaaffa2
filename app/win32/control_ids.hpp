#pragma once
// The window's controls, in the order they are created (a frame's children directly follow
// it). Their window identifiers form one contiguous range in that order; the black-box tests
// find the controls of a running Vandrelle by these numbers.

namespace vandrelle::app::win32 {

enum class Control : int {
    CommonDialog1,  // the colour dialog: no window of its own on the form
    Frame4,
    RichTextBox,
    chkColor2,
    chkColor,
    chkUline,
    chkItalics,
    chkBold,
    cmdClear,
    Command3,
    Frame2,
    Command2,
    cmboMacros,
    Frame1,
    cmboTimes,
    Command1,
    textLine,
    Count,
};

inline constexpr int kControlCount = static_cast<int>(Control::Count);
inline constexpr int kFirstControlId = 100;

constexpr int control_index(Control control) { return static_cast<int>(control); }
constexpr int control_id(Control control) { return kFirstControlId + control_index(control); }

}  // namespace vandrelle::app::win32
