// Fills a running Vandrelle's preview for a screenshot, as a user would: types a spiral line,
// picks its count and presses the spiral button, then picks each macro of the list and presses
// its button. A picture the list does not offer is added at the end of the preview directly.
// --menu opens the preview's edit menu with the menu key; --popup NAME drops the macro list down
// and moves its highlight onto NAME, which shows that picture beside the list.
// Usage: screenshot_stage.exe [--spiral TEXT COUNT] [MACRO...] [--add-to-profile] [--menu] [--popup NAME]
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/text_codec.hpp"
#include "app/win32/wide_text.hpp"
#include "macros/pictures.hpp"
#include "window_test_support.hpp"

using vandrelle::app::win32::Control;

namespace {

HWND form_window() {
    HWND form = nullptr;
    window_test::wait_until([&] { return (form = FindWindowW(nullptr, L"Vandrelle By: Brasketh")) != nullptr; });
    return form;
}

bool choose(HWND list, const wchar_t* text) {
    const auto row = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    if (row == CB_ERR) return false;
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    return true;
}

void add_unlisted_picture(HWND preview, const std::wstring& name) {
    const vandrelle::macros::Picture* picture = vandrelle::macros::find_picture(vandrelle::app::utf16_to_utf8(vandrelle::app::win32::from_wide(name)));
    if (!picture) {
        std::fprintf(stderr, "no picture named %ls\n", name.c_str());
        return;
    }
    const std::wstring text = vandrelle::app::win32::to_wide(vandrelle::macros::picture_text(*picture));
    const auto end = GetWindowTextLengthW(preview);
    SendMessageW(preview, EM_SETSEL, end, end);
    SendMessageW(preview, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    HWND form = form_window();
    if (!form) {
        std::fprintf(stderr, "no Vandrelle window\n");
        return 1;
    }
    auto control = [&](Control which) { return window_test::find_control(form, which); };
    bool menu = false;
    std::wstring popup;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--spiral" && i + 2 < argc) {
            SetWindowTextW(control(Control::textLine), argv[i + 1]);
            choose(control(Control::cmboTimes), argv[i + 2]);
            SendMessageW(control(Control::Command1), BM_CLICK, 0, 0);
            i += 2;
        } else if (arg == L"--menu") {
            menu = true;
        } else if (arg == L"--popup" && i + 1 < argc) {
            popup = argv[++i];
        } else if (arg == L"--add-to-profile") {
            PostMessageW(control(Control::Command3), BM_CLICK, 0, 0);
        } else if (choose(control(Control::cmboMacros), arg.c_str())) {
            SendMessageW(control(Control::Command2), BM_CLICK, 0, 0);
        } else {
            add_unlisted_picture(control(Control::RichTextBox), arg);
        }
    }
    SendMessageW(control(Control::RichTextBox), EM_SETSEL, 0, 0);
    SendMessageW(control(Control::RichTextBox), EM_SCROLLCARET, 0, 0);
    if (menu) PostMessageW(control(Control::RichTextBox), WM_KEYDOWN, VK_APPS, 1);
    if (!popup.empty()) {
        const HWND list = control(Control::cmboMacros);
        SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
        const auto row = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(popup.c_str()));
        if (row > 0) {
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row - 1), 0);
            PostMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
        }
    }
    return 0;
}
