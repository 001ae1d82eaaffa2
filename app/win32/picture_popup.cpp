#include "app/win32/picture_popup.hpp"

#include <algorithm>

#include "app/win32/wide_text.hpp"
#include "app/win32/window_class.hpp"

namespace vandrelle::app::win32 {
namespace {

constexpr int kMargin96 = 6;  // around the picture, in pixels at 96 DPI

}  // namespace

PicturePopup::~PicturePopup() {
    if (window_) DestroyWindow(window_);
}

bool PicturePopup::create(HWND owner) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    if (!register_window_class(instance, {kPicturePopupClassName, &PicturePopup::procedure, nullptr, nullptr,
                                          CS_DROPSHADOW, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)}))
        return false;
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kPicturePopupClassName, L"",
                              WS_POPUP | WS_BORDER, 0, 0, 0, 0, owner, nullptr, instance, this);
    return window_ != nullptr;
}

void PicturePopup::Show(HWND owner, const RECT& anchor, const std::vector<std::u16string>& lines, HFONT font,
                        int dpi) {
    if (!window_ && !create(owner)) return;
    font_ = font;
    margin_ = MulDiv(kMargin96, dpi, USER_DEFAULT_SCREEN_DPI);
    lines_.clear();
    std::wstring text;
    for (const std::u16string& line : lines) {
        lines_.push_back(to_wide(line));
        text += lines_.back() + L"\r\n";
    }
    SetWindowTextW(window_, text.c_str());

    const SIZE size = measure();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcWork;
    int left = anchor.right;
    if (left + size.cx > screen.right) left = std::max<int>(screen.left, anchor.left - size.cx);
    const int top = std::clamp<int>(anchor.top, screen.top, std::max<int>(screen.top, screen.bottom - size.cy));
    SetWindowPos(window_, HWND_TOPMOST, left, top, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window_, nullptr, TRUE);
}

void PicturePopup::Hide() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

SIZE PicturePopup::measure() const {
    HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    LONG width = 0;
    for (const std::wstring& line : lines_) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        width = std::max(width, extent.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    RECT frame{0, 0, width + 2 * margin_,
               metrics.tmHeight * static_cast<LONG>(lines_.size()) + 2 * margin_};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void PicturePopup::paint(HDC dc) const {
    const HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    int y = margin_;
    for (const std::wstring& line : lines_) {
        TextOutW(dc, margin_, y, line.c_str(), static_cast<int>(line.size()));
        y += metrics.tmHeight;
    }
    SelectObject(dc, old);
}

LRESULT CALLBACK PicturePopup::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams));
    auto* popup = reinterpret_cast<PicturePopup*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_NCHITTEST: return HTTRANSPARENT;  // the pointer passes through to what lies below
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            if (popup) popup->paint(dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            if (popup) popup->window_ = nullptr;
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace vandrelle::app::win32
