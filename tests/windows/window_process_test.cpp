// Vandrelle.exe as a user meets it, started as its own process: the spiral part of the typical
// road, Enter in the spiral text box, and the refusals of the two "Add To Preview" buttons,
// read from the message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "window_test_support.hpp"

using vandrelle::app::win32::Control;
using namespace window_test;

namespace {

constexpr wchar_t kCaption[] = L"Vandrelle By: Brasketh";

std::wstring program_path() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"Vandrelle.exe";
}

}  // namespace

class VandrelleProcessTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + program_path() + L"\"";
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process_))
            << "could not start " << std::string(command.begin(), command.end());
        WaitForInputIdle(process_.hProcess, 15000);
        ASSERT_TRUE(wait_until([&] {
            window_ = find_top_level_window(process_.dwProcessId, [](HWND window) { return text_of(window) == kCaption; });
            return window_ != nullptr;
        }, std::chrono::seconds(20)));
    }

    static void TearDownTestSuite() {
        if (!process_.hProcess) return;
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = {};
    }

    void SetUp() override {
        ASSERT_NE(window_, nullptr);
        send(Control::cmdClear, BM_CLICK);
    }

    static HWND control(Control which) { return find_control(window_, which); }
    static LRESULT send(Control which, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(control(which), message, wparam, lparam, SMTO_ABORTIFHUNG, 10000, &result);
        return static_cast<LRESULT>(result);
    }

    // Types the text into the spiral text box as keystrokes would.
    static void type_text(const std::wstring& text) {
        SetWindowTextW(control(Control::textLine), L"");
        for (wchar_t c : text) send(Control::textLine, WM_CHAR, c, 1);
    }

    static void pick_count(const wchar_t* entry) {
        const LRESULT row = send(Control::cmboTimes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(entry));
        ASSERT_GE(row, 0) << "no row for the count";
        send(Control::cmboTimes, CB_SETCURSEL, static_cast<WPARAM>(row));
    }

    static std::wstring preview_text() { return sent_text(control(Control::RichTextBox)); }

    static PROCESS_INFORMATION process_;
    static HWND window_;
};

PROCESS_INFORMATION VandrelleProcessTest::process_{};
HWND VandrelleProcessTest::window_ = nullptr;

TEST_F(VandrelleProcessTest, TypedTextBecomesSpiralTextInThePreview) {
    type_text(L"abc");
    pick_count(L"3");
    // Posted as a user's press would be: a refusal box would otherwise hold this thread.
    PostMessageW(control(Control::Command1), BM_CLICK, 0, 0);
    EXPECT_TRUE(wait_until([] { return !preview_text().empty() || find_message_box(process_.dwProcessId); }));
    EXPECT_EQ(preview_text(), L"abc\r\ncab\r\nbca\r\n");
    EXPECT_EQ(find_message_box(process_.dwProcessId), nullptr);
}

TEST_F(VandrelleProcessTest, AddToPreviewButtonsRefuseIncompleteInputWithAMessageBox) {
    struct Case {
        Control button;
        const wchar_t* typed;
        const wchar_t* count;
        const wchar_t* prompt;
        const wchar_t* title;
        bool icon;
    };
    const std::wstring too_long(2000, L'x');  // 10000 lines of it pass the preview's capacity
    // Few cases: under Wine without a window manager each box takes two seconds to go away.
    const Case cases[] = {
        {Control::Command1, L"", L"Lines", L"Enter some text first!", L"Incomplete Request", true},  // text first
        {Control::Command1, L"  ", L"Lines", L"Select how many lines. 1 line means no spiral", L"Project1", false},
        {Control::Command1, too_long.c_str(), L"10000", nullptr, L"Preview Full", true},
        {Control::Command2, L"abc", L"3", L"Select a macro first!", L"Incomplete Request", true},  // list on its placeholder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(c.title) + L" / " + std::wstring(c.typed).substr(0, 8) + L" / " + c.count);
        if (std::wstring(c.typed).size() > 100)
            SetWindowTextW(control(Control::textLine), c.typed);
        else
            type_text(c.typed);
        pick_count(c.count);
        PostMessageW(control(c.button), BM_CLICK, 0, 0);
        HWND box = nullptr;
        ASSERT_TRUE(wait_until([&] { return (box = find_message_box(process_.dwProcessId)) != nullptr; }));
        const MessageBoxView view = read_message_box(box);
        EXPECT_EQ(view.title, c.title);
        if (c.prompt) {
            EXPECT_EQ(view.prompt, c.prompt);
        }
        EXPECT_EQ(view.has_icon, c.icon);
        ASSERT_TRUE(dismiss_message_box(box));
        EXPECT_EQ(preview_text(), L"") << "a refusal appends nothing";
    }
}

// Enter passes the program's dialog navigation and reaches the text box, which presses the
// spiral "Add To Preview".
TEST_F(VandrelleProcessTest, EnterInTheTextBoxAddsTheSpiral) {
    type_text(L"abc");
    pick_count(L"3");
    PostMessageW(control(Control::textLine), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(wait_until([] { return !preview_text().empty(); }));
    EXPECT_EQ(preview_text(), L"abc\r\ncab\r\nbca\r\n");
}
