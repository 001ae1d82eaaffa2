#pragma once
// The names that screen readers and UI automation read for the five graphical check boxes.
// Each is the button's window text; the button draws only its picture, never the text.
#include <windows.h>

#include <array>

#include "app/win32/control_ids.hpp"

namespace vandrelle::app::win32 {

struct CheckName {
    Control control;
    const wchar_t* name;
};

inline constexpr std::array<CheckName, 5> kCheckNames = {{
    {Control::chkBold, L"Bold"},
    {Control::chkItalics, L"Italic"},
    {Control::chkUline, L"Underline"},
    {Control::chkColor, L"Text colour"},
    {Control::chkColor2, L"Background colour"},
}};

// Gives each check box its name; `control_of` finds a control of the form.
template <typename ControlLookup>
void name_check_boxes(ControlLookup control_of) {
    for (const CheckName& check : kCheckNames) SetWindowTextW(control_of(check.control), check.name);
}

}  // namespace vandrelle::app::win32
