// The window as built from its layout: what the lists hold after start-up, the window's frame,
// where every control sits, the tab order and the first focus.
#include <string>
#include <vector>

#include "window_form_fixture.hpp"

#include <commctrl.h>
#include <richedit.h>

using vandrelle::app::win32::Control;
using window_test::FormTest;

namespace {

std::vector<std::wstring> list_rows(HWND list) {
    const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    std::vector<std::wstring> rows;
    for (int i = 0; i < count; ++i) {
        std::wstring row(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(row.data()));
        rows.push_back(row);
    }
    return rows;
}

RECT rect_in_parent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

TEST_F(FormTest, CountListHoldsLinesThenOneToTenThousandInNumericOrder) {
    const std::vector<std::wstring> rows = list_rows(control(Control::cmboTimes));
    ASSERT_EQ(rows.size(), 10001u);
    EXPECT_EQ(rows[0], L"Lines");
    for (int n = 1; n <= 10000; ++n) ASSERT_EQ(rows[static_cast<std::size_t>(n)], std::to_wstring(n)) << "row " << n;
    EXPECT_EQ(SendMessageW(control(Control::cmboTimes), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(window_test::text_of(control(Control::cmboTimes)), L"Lines");
}

TEST_F(FormTest, MacroListHoldsPlaceholderThenListedNamesSortedWithoutRegardToCase) {
    const std::vector<std::wstring> expected = {
        L"Select A Macro", L"ABC", L"Adidas", L"Alvin", L"Babs", L"Bambam", L"Bambi", L"Bart69", L"BearHead",
        L"Bomb", L"Bong", L"Budweiser", L"BugsDaff", L"Disk", L"Dolphin", L"Dude", L"Elmo", L"ExclamationMark",
        L"fucking", L"Garfield", L"Gorilla", L"Gun1", L"Gun3", L"Homer", L"Huck", L"LOL1", L"Luigi", L"Mad",
        L"Martini", L"MiddleFinger2", L"Nike", L"Pluto", L"Pooh", L"Shark", L"shroom", L"ShutUp", L"Simba",
        L"Skull1", L"SmokinSkull", L"Snoopy", L"Snowman", L"Stimpy", L"Sword1", L"Sword2", L"WantToChat", L"Whale"};
    EXPECT_EQ(list_rows(control(Control::cmboMacros)), expected);
    EXPECT_EQ(window_test::text_of(control(Control::cmboMacros)), L"Select A Macro");
}

TEST_F(FormTest, WindowIsAFixedToolWindowWithTheLayoutsClientArea) {
    HWND window = form_->hwnd();
    EXPECT_EQ(window_test::text_of(window), L"Vandrelle By: Brasketh");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG ex_style = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "resizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(ex_style & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(ex_style & WS_EX_APPWINDOW) << "would give it a task-bar button";
    if (GetDpiForWindow(window) != 96) GTEST_SKIP() << "pixel sizes below are for 96 DPI";
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 490);
    EXPECT_EQ(client.bottom, 403);
}

// At 96 DPI as made, and at 144 after a DPI change: every control lies in its container at
// the layout table's twips, scaled to the window's DPI, and inside the container's client area.
// A drop-down list's rectangle is its closed field.
TEST_F(FormTest, ControlsSitInTheirContainersAtTheTablesPlaceScaledToTheDpi) {
    using vandrelle::app::win32::kFormLayout;
    using vandrelle::app::win32::kWindowClientArea;
    ASSERT_EQ(GetDpiForWindow(form_->hwnd()), 96u) << "the test run's display is at 96 DPI";
    for (const int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        if (dpi != 96) change_dpi(dpi);
        for (const auto& row : kFormLayout) {
            HWND window = control(row.control);
            if (!window) continue;  // the colour dialog has no window on the form
            SCOPED_TRACE(vandrelle::app::win32::control_id(row.control));
            HWND container = row.container == kWindowClientArea ? form_->hwnd() : control(row.container);
            EXPECT_EQ(GetParent(window), container);
            const RECT actual = rect_in_parent(window);
            EXPECT_EQ(actual.left, MulDiv(row.left_twips, dpi, 1440));
            EXPECT_EQ(actual.top, MulDiv(row.top_twips, dpi, 1440));
            EXPECT_EQ(actual.right - actual.left, MulDiv(row.width_twips, dpi, 1440));
            EXPECT_EQ(actual.bottom - actual.top, MulDiv(row.height_twips, dpi, 1440));
            RECT inside;
            GetClientRect(container, &inside);
            EXPECT_TRUE(actual.right <= inside.right && actual.bottom <= inside.bottom) << "outside its container";
        }
    }
}

TEST_F(FormTest, FocusStartsInTheTextBoxAndTabFollowsTheLayoutsOrder) {
    show();
    EXPECT_EQ(GetFocus(), control(Control::textLine));
    const Control order[] = {Control::textLine, Control::Command1,  Control::cmboTimes, Control::cmboMacros,
                             Control::Command2, Control::Command3,  Control::cmdClear,  Control::chkBold,
                             Control::chkItalics, Control::chkUline, Control::chkColor, Control::chkColor2,
                             Control::RichTextBox, Control::textLine};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        HWND next = GetNextDlgTabItem(form_->hwnd(), control(order[i]), FALSE);
        EXPECT_EQ(next, control(order[i + 1])) << "after control " << vandrelle::app::win32::control_id(order[i]);
    }
    // Tab pressed inside the preview moves on as well, rather than staying in the pane. The
    // key goes through the dialog navigation as Vandrelle's message loop passes it.
    SetFocus(control(Control::RichTextBox));
    MSG tab{control(Control::RichTextBox), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    if (!IsDialogMessageW(form_->hwnd(), &tab)) DispatchMessageW(&tab);
    EXPECT_EQ(GetFocus(), control(Control::textLine));
}

TEST_F(FormTest, FormattingButtonsCarryTheirTooltipsAndStartUnchecked) {
    for (Control button : {Control::chkBold, Control::chkItalics, Control::chkUline, Control::chkColor, Control::chkColor2})
        EXPECT_EQ(check_value(button), BST_UNCHECKED);
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) {
        wchar_t class_name[32] = {};
        GetClassNameW(window, class_name, 32);
        if (std::wstring(class_name) != TOOLTIPS_CLASSW) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    const std::pair<Control, const wchar_t*> tips[] = {{Control::chkBold, L"Bold"},
                                                       {Control::chkItalics, L"Italic"},
                                                       {Control::chkUline, L"Underline"},
                                                       {Control::chkColor, L"Text colour"},
                                                       {Control::chkColor2, L"Background colour"}};
    for (const auto& [button, text] : tips) {
        wchar_t buffer[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = control(Control::Frame4);
        tool.uId = reinterpret_cast<UINT_PTR>(control(button));
        tool.lpszText = buffer;
        SendMessageW(tooltip, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(buffer, text);
    }
}

// Frames, lists and the text box in Arial bold, push buttons in Verdana bold, the preview's
// base format Arial regular; all 8.25 pt (11 px at 96 DPI).
TEST_F(FormTest, ControlsCarryTheirFonts) {
    struct Expected {
        Control control;
        const wchar_t* face;
        LONG weight;
    };
    const Expected cases[] = {
        {Control::Frame1, L"Arial", FW_BOLD},      {Control::Frame2, L"Arial", FW_BOLD},
        {Control::Frame4, L"Arial", FW_BOLD},      {Control::cmboTimes, L"Arial", FW_BOLD},
        {Control::cmboMacros, L"Arial", FW_BOLD},  {Control::textLine, L"Arial", FW_BOLD},
        {Control::Command1, L"Verdana", FW_BOLD},  {Control::Command3, L"Verdana", FW_BOLD},
        {Control::cmdClear, L"Verdana", FW_BOLD},
    };
    for (const auto& c : cases) {
        HWND window = control(c.control);
        // A frame draws its caption with the group box inside it.
        const bool is_frame = c.control == Control::Frame1 || c.control == Control::Frame2 || c.control == Control::Frame4;
        if (is_frame) window = FindWindowExW(window, nullptr, L"Button", window_test::text_of(window).c_str());
        LOGFONTW font{};
        ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font), 0)
            << static_cast<int>(c.control);
        EXPECT_STREQ(font.lfFaceName, c.face) << static_cast<int>(c.control);
        EXPECT_EQ(font.lfWeight, c.weight) << static_cast<int>(c.control);
        EXPECT_EQ(font.lfHeight, -11) << static_cast<int>(c.control);
    }
    CHARFORMAT2W base{};
    base.cbSize = sizeof base;
    SendMessageW(control(Control::RichTextBox), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&base));
    EXPECT_STREQ(base.szFaceName, L"Arial");
    EXPECT_EQ(base.yHeight, 165) << "8.25 pt in twips";
    EXPECT_EQ(base.dwEffects & CFE_BOLD, 0u);
}
