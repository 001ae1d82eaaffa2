#pragma once
// CommonDialog1: the standard colour dialog and its one current colour, black at start-up,
// shared by both colour buttons. The form talks to it through this interface so tests can
// confirm or cancel it without a person.
#include <windows.h>

#include <array>

namespace vandrelle::app::win32 {

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    // Shows the dialog modally over `owner`; a confirmed colour becomes the current colour,
    // a cancel leaves it as it was.
    virtual void ShowColor(HWND owner) = 0;
    virtual COLORREF Color() const = 0;
};

class StandardColourDialog final : public ColourDialog {
public:
    void ShowColor(HWND owner) override;
    COLORREF Color() const override { return current_; }

private:
    COLORREF current_ = RGB(0, 0, 0);
    std::array<COLORREF, 16> custom_colours_ = [] {
        std::array<COLORREF, 16> white{};
        white.fill(RGB(255, 255, 255));
        return white;
    }();
};

}  // namespace vandrelle::app::win32
