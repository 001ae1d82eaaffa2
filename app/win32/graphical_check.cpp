#include "app/win32/graphical_check.hpp"

#include <commctrl.h>

#include <utility>

namespace vandrelle::app::win32 {
namespace {

constexpr UINT_PTR kColourButtonSubclass = 1;

std::size_t index_of(Control control) {
    for (std::size_t i = 0; i < kGraphicalChecks.size(); ++i)
        if (kGraphicalChecks[i].control == control) return i;
    return 0;  // not reached: every caller names one of the five buttons
}

// MK_LBUTTON, MK_RBUTTON or MK_MBUTTON for a press or release of that mouse button, else 0.
UINT mouse_button_of(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: return MK_LBUTTON;
        case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: return MK_RBUTTON;
        case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: return MK_MBUTTON;
        default: return 0;
    }
}

bool is_mouse_release(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

CheckValue value_of(HWND button) {
    switch (SendMessageW(button, BM_GETCHECK, 0, 0)) {
        case BST_CHECKED: return CheckValue::Checked;
        case BST_INDETERMINATE: return CheckValue::Indeterminate;
        default: return CheckValue::Unchecked;
    }
}

void show_value(HWND button, CheckValue value, const CheckIcons& icons) {
    const auto icon = reinterpret_cast<LPARAM>(icons.for_value(value));
    if (SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0) != icon) SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, icon);
    SendMessageW(button, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

}  // namespace

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

CheckIcons::CheckIcons(CheckGlyph glyph, int dpi)
    : normal_(create_check_icon(glyph, false, dpi)), mixed_(create_check_icon(glyph, true, dpi)) {}

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

GraphicalChecks::GraphicalChecks(std::function<void(Control)> mouse_up) : mouse_up_(std::move(mouse_up)) {}

// Buttons still standing when the object goes (their window lives on) lose the subclass here.
GraphicalChecks::~GraphicalChecks() {
    for (std::size_t i = 0; i < kGraphicalChecks.size(); ++i)
        if (!kGraphicalChecks[i].three_state && buttons_[i].window)
            RemoveWindowSubclass(buttons_[i].window, &GraphicalChecks::colour_button_procedure, kColourButtonSubclass);
}

void GraphicalChecks::attach(Control control, HWND window, int dpi) {
    const GraphicalCheckLook& look = kGraphicalChecks[index_of(control)];
    Button& button = button_of(control);
    button.window = window;
    SetWindowTextW(window, look.name);
    button.icons = CheckIcons(look.glyph, dpi);
    show(control, CheckValue::Unchecked);
    if (!look.three_state)
        SetWindowSubclass(window, &GraphicalChecks::colour_button_procedure, kColourButtonSubclass,
                          reinterpret_cast<DWORD_PTR>(this));
}

void GraphicalChecks::set_dpi(int dpi) {
    for (const GraphicalCheckLook& look : kGraphicalChecks) {
        Button& button = button_of(look.control);
        if (!button.window) continue;
        // The button shows the new icons before the old ones (held by `previous`) are freed.
        CheckIcons previous(look.glyph, dpi);
        std::swap(previous, button.icons);
        show(look.control, value(look.control));
    }
}

CheckValue GraphicalChecks::value(Control control) const { return value_of(button_of(control).window); }

void GraphicalChecks::show(Control control, CheckValue value) {
    const Button& button = button_of(control);
    show_value(button.window, value, button.icons);
}

void GraphicalChecks::take_click(Control control) { show(control, value_after_click(value(control))); }

GraphicalChecks::Button& GraphicalChecks::button_of(Control control) { return buttons_[index_of(control)]; }
const GraphicalChecks::Button& GraphicalChecks::button_of(Control control) const { return buttons_[index_of(control)]; }

LRESULT CALLBACK GraphicalChecks::colour_button_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                                          UINT_PTR, DWORD_PTR checks) {
    auto* self = reinterpret_cast<GraphicalChecks*>(checks);
    for (const GraphicalCheckLook& look : kGraphicalChecks) {
        Button& button = self->button_of(look.control);
        if (button.window != window) continue;
        // The subclass goes with the button, which is then no longer ours to touch.
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(window, &GraphicalChecks::colour_button_procedure, kColourButtonSubclass);
            button.window = nullptr;
            break;
        }
        return self->colour_button_message(button, message, wparam, lparam);
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

// A press is remembered per mouse button until its release, or until the button loses the
// capture (a dialog, another window taking the mouse): a release after that opens nothing.
LRESULT GraphicalChecks::colour_button_message(Button& button, UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = button.window;
    if (message == WM_CAPTURECHANGED) {
        if (reinterpret_cast<HWND>(lparam) != window && !button.left_releasing) button.pressed = 0;
        return DefSubclassProc(window, message, wparam, lparam);
    }
    const UINT mouse_button = mouse_button_of(message);
    if (!mouse_button) return DefSubclassProc(window, message, wparam, lparam);
    // The button's own handling first: a left press captures the pointer, a left release
    // toggles the button and frees the pointer.
    button.left_releasing = message == WM_LBUTTONUP;
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    button.left_releasing = false;
    if (!is_mouse_release(message)) {
        // The button captures only for the left mouse button by itself; the others are
        // followed here so that their release reaches the button wherever the pointer is.
        button.pressed |= mouse_button;
        if (GetCapture() != window) SetCapture(window);
        return result;
    }
    if (!(button.pressed & mouse_button)) return result;
    button.pressed &= ~mouse_button;
    // The capture stays while another mouse button is still held on the button.
    if (button.pressed && GetCapture() != window) SetCapture(window);
    if (!button.pressed && GetCapture() == window) ReleaseCapture();
    const Control which = kGraphicalChecks[static_cast<std::size_t>(&button - buttons_.data())].control;
    mouse_up_(which);
    return result;
}

}  // namespace vandrelle::app::win32
