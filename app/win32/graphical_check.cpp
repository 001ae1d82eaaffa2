#include "app/win32/graphical_check.hpp"

#include <utility>

namespace vandrelle::app::win32 {

const GraphicalCheckLook* graphical_check_look(Control control) {
    for (const GraphicalCheckLook& look : kGraphicalChecks)
        if (look.control == control) return &look;
    return nullptr;
}

DWORD graphical_check_style(const GraphicalCheckLook& look) {
    // The three-state buttons change value only in the form's hands, so a click can never
    // land on the indeterminate value.
    return BS_PUSHLIKE | BS_ICON | (look.three_state ? BS_3STATE : BS_AUTOCHECKBOX);
}

CheckIcons::CheckIcons(CheckGlyph picture, int dpi)
    : normal_(create_check_icon(picture, false, dpi)), mixed_(create_check_icon(picture, true, dpi)) {}

CheckIcons::~CheckIcons() {
    if (normal_) DestroyIcon(normal_);
    if (mixed_) DestroyIcon(mixed_);
}

CheckIcons::CheckIcons(CheckIcons&& other) noexcept
    : normal_(std::exchange(other.normal_, nullptr)), mixed_(std::exchange(other.mixed_, nullptr)) {}

CheckIcons& CheckIcons::operator=(CheckIcons&& other) noexcept {
    std::swap(normal_, other.normal_);
    std::swap(mixed_, other.mixed_);
    return *this;
}

HICON CheckIcons::for_value(CheckValue value) const { return value == CheckValue::Indeterminate ? mixed_ : normal_; }

CheckValue check_value(HWND button) {
    switch (SendMessageW(button, BM_GETCHECK, 0, 0)) {
        case BST_CHECKED: return CheckValue::Checked;
        case BST_INDETERMINATE: return CheckValue::Indeterminate;
        default: return CheckValue::Unchecked;
    }
}

void show_check_value(HWND button, CheckValue value, const CheckIcons& icons) {
    const auto icon = reinterpret_cast<LPARAM>(icons.for_value(value));
    if (SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0) != icon) SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, icon);
    SendMessageW(button, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

}  // namespace vandrelle::app::win32
