#pragma once
// The real Form1 created in the test's own thread, with a colour dialog that answers from a
// script instead of waiting for a person.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>

#include "app/win32/Form1.hpp"
#include "window_test_support.hpp"

namespace window_test {

using vandrelle::app::win32::Form1;

// Each ShowColor takes the next answer: a colour to confirm, or nullopt to cancel.
struct ColourDialogScript {
    std::deque<std::optional<COLORREF>> answers;
    int times_shown = 0;
};

class ScriptedColourDialog final : public vandrelle::app::win32::ColourDialog {
public:
    explicit ScriptedColourDialog(ColourDialogScript& script) : script_(script) {}
    void ShowColor(HWND) override {
        ++script_.times_shown;
        if (script_.answers.empty()) return;
        if (script_.answers.front()) current_ = *script_.answers.front();
        script_.answers.pop_front();
    }
    COLORREF Color() const override { return current_; }

private:
    ColourDialogScript& script_;
    COLORREF current_ = RGB(0, 0, 0);
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<Form1>(std::make_unique<ScriptedColourDialog>(colours_), false);
        ASSERT_TRUE(form_->Create(GetModuleHandleW(nullptr)));
        pump_messages();
    }

    // Most tests leave the window hidden: without a window manager, Wine takes two seconds to
    // take a shown window down again.
    void show() {
        form_->Show(SW_SHOWNORMAL);
        SetForegroundWindow(form_->hwnd());
        pump_messages();
    }
    void TearDown() override {
        form_.reset();
        pump_messages();
    }

    HWND control(vandrelle::app::win32::Control which) const { return form_->control(which); }
    vandrelle::app::win32::RichPreview& preview() { return form_->RichTextBox; }
    void click(vandrelle::app::win32::Control button) { SendMessageW(control(button), BM_CLICK, 0, 0); }
    void select(long start, long length) {
        preview().SetSelStart(start);
        preview().SetSelLength(length);
    }
    // As Windows tells a per-monitor aware window that moved to a monitor of `dpi`: the
    // suggested window rectangle is the current one scaled.
    void change_dpi(int dpi) {
        RECT place;
        GetWindowRect(form_->hwnd(), &place);
        const int from = static_cast<int>(GetDpiForWindow(form_->hwnd()));
        RECT suggested{place.left, place.top, place.left + MulDiv(place.right - place.left, dpi, from),
                       place.top + MulDiv(place.bottom - place.top, dpi, from)};
        SendMessageW(form_->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    int check_value(vandrelle::app::win32::Control button) const {
        return static_cast<int>(SendMessageW(control(button), BM_GETCHECK, 0, 0));
    }

    ColourDialogScript colours_;
    std::unique_ptr<Form1> form_;
};

}  // namespace window_test
