// The user32 desktop on its own: how it sends to another program.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "aol/win32/user32_desktop.hpp"

namespace {

using vandrelle::aol::win32::User32Desktop;

std::vector<UINT> g_send_flags;

LRESULT WINAPI recording_send(HWND, UINT, WPARAM, LPARAM, UINT flags, UINT, PDWORD_PTR answer) {
    g_send_flags.push_back(flags);
    *answer = 0;
    return 1;
}

// A client that has stopped answering must not hold us for the whole time-out on every send.
TEST(User32Desktop, EverySendGivesUpAtOnceOnAHungClient) {
    g_send_flags.clear();
    User32Desktop desktop(nullptr, {}, recording_send);
    desktop.SendMessageTimeoutA(1, WM_LBUTTONDOWN, 0, 0, 100);
    desktop.SendTextTimeoutA(1, WM_SETTEXT, 0, "text", 100);
    ASSERT_EQ(g_send_flags.size(), 2u);
    for (const UINT flags : g_send_flags) EXPECT_TRUE(flags & SMTO_ABORTIFHUNG) << flags;
}

}  // namespace
