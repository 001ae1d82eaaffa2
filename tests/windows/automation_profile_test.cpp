// "Add To Profile" from the real window against the stand-in client, a process of its own:
// the exact bytes and order the client receives, what is left behind, and the client absent,
// slow to open, or sharing the screen with another program's dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "automation_standin.hpp"
#include "window_form_fixture.hpp"

namespace {

using automation_test::Standin;
using vandrelle::app::win32::Control;

const std::string kCredit = "< font . size=1>By: Brasketh";

// The lines of the log that come from messages and events, without the start-up line.
std::vector<std::string> events(const Standin& client) {
    std::vector<std::string> lines;
    for (const std::string& line : client.log()) {
        if (line != "ready") lines.push_back(line);
    }
    return lines;
}

class AddToProfileTest : public window_test::FormTest {
protected:
    void SetUp() override {
        _putenv("VANDRELLE_AOL_WAIT_SECONDS=3");  // short bounds keep the failing cases quick
        FormTest::SetUp();
    }

    // Presses "Add To Profile" while another thread watches: whether our window answered
    // while the press was under way, and the message box it ended with (read and dismissed).
    struct Watched {
        bool answered_meanwhile = false;  // before the box came up
        bool answered_under_box = false;
        window_test::MessageBoxView box;
    };
    Watched press_and_watch_for_box() {
        Watched watched;
        const HWND form = form_->hwnd();
        std::thread watcher([&] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            HWND box = nullptr;
            while (std::chrono::steady_clock::now() < deadline &&
                   (box = window_test::find_message_box(GetCurrentProcessId())) == nullptr) {
                DWORD_PTR answer = 0;
                if (SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer)) {
                    watched.answered_meanwhile = true;
                }
                Sleep(50);
            }
            if (box == nullptr) return;
            DWORD_PTR answer = 0;
            watched.answered_under_box = SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) != 0;
            watched.box = window_test::read_message_box(box);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        click(Control::Command3);
        watcher.join();
        return watched;
    }

    bool clipboard_empty() { return CountClipboardFormats() == 0; }
};

TEST_F(AddToProfileTest, TypicalRoadThroughTheToolbar) {
    Standin client("");
    ASSERT_TRUE(client.started());
    preview().SetText(u"abc\r\ncab\r\nbca\r\ncaf\u00e9\u00a0\u20ac\r\n");
    select(4, 3);
    preview().SetSelBold(true);  // "cab" in bold: it must arrive as plain text all the same
    preview().SetSelStart(1);

    click(Control::Command3);

    ASSERT_TRUE(client.wait_for_line("box closed 1")) << "the client's box is dismissed";
    const std::string field = "\r\nabc\r\ncab\r\nbca\r\ncaf\xe9\xa0\x80\r\n" + kCredit;
    const std::vector<std::string> expected = {
        "icon4 WM_LBUTTONDOWN 0",
        "icon4 WM_CHAR 108",
        "editor opened",
        "field WM_SETTEXT ",
        "field WM_SETTEXT " + automation_test::hex_of(field),
        "save WM_LBUTTONDOWN 0",
        "save WM_KEYUP 32",
        "box shown",
        "box button WM_KEYDOWN 32",
        "box button WM_KEYUP 32",
        "box closed 1",
    };
    EXPECT_EQ(events(client), expected);
    EXPECT_TRUE(clipboard_empty());
    EXPECT_EQ(preview().SelStart(), 0);
    EXPECT_EQ(preview().SelLength(), static_cast<long>(preview().Text().size())) << "the whole preview is selected";
}

TEST_F(AddToProfileTest, EditorAlreadyOpenNeedsNoToolbarButStillPauses) {
    Standin client("--editor-open");
    ASSERT_TRUE(client.started());
    preview().SetText(u"x\r\n");

    const auto start = std::chrono::steady_clock::now();
    click(Control::Command3);
    const auto taken = std::chrono::steady_clock::now() - start;

    ASSERT_TRUE(client.wait_for_line("box closed 1"));
    const std::vector<std::string> expected = {
        "editor opened",  // at the start, not by us: no toolbar icon is pressed
        "field WM_SETTEXT ",
        "field WM_SETTEXT " + automation_test::hex_of("\r\nx\r\n" + kCredit),
        "save WM_LBUTTONDOWN 0",
        "save WM_KEYUP 32",
        "box shown",
        "box button WM_KEYDOWN 32",
        "box button WM_KEYUP 32",
        "box closed 1",
    };
    EXPECT_EQ(events(client), expected);
    // The pause runs from the rounded start, so it lasts at least half a second.
    EXPECT_GE(taken, std::chrono::milliseconds(450));
}

TEST_F(AddToProfileTest, ClientNotRunningIsSaidAtOnceAndTheWindowStaysLive) {
    preview().SetText(u"art\r\n");
    const Watched watched = press_and_watch_for_box();
    EXPECT_EQ(watched.box.prompt.rfind(L"The AOL client is not running.", 0), 0u);
    EXPECT_EQ(watched.box.title, L"Add To Profile");
    EXPECT_TRUE(watched.answered_under_box);
    EXPECT_EQ(preview().Text(), u"art\r\n");
}

TEST_F(AddToProfileTest, EditorThatNeverOpensEndsTheBoundedWaitWithAMessage) {
    Standin client("--no-profile-window");
    ASSERT_TRUE(client.started());
    preview().SetText(u"art\r\n");
    const Watched watched = press_and_watch_for_box();
    EXPECT_TRUE(watched.answered_meanwhile) << "our window answers while it waits for the client";
    EXPECT_NE(watched.box.prompt.find(L"did not open its Member Directory window"), std::wstring::npos);
    EXPECT_EQ(preview().Text(), u"art\r\n");
    const std::vector<std::string> lines = events(client);
    EXPECT_EQ(lines, (std::vector<std::string>{"icon4 WM_LBUTTONDOWN 0", "icon4 WM_CHAR 108"}));
}

TEST_F(AddToProfileTest, AnotherProgramsDialogAboveTheClientsBoxIsNotPressed) {
    Standin client("--editor-open");
    ASSERT_TRUE(client.started());
    Standin other_program("--decoy");
    ASSERT_TRUE(other_program.started());
    preview().SetText(u"art\r\n");

    click(Control::Command3);

    ASSERT_TRUE(client.wait_for_line("box closed 1")) << "the client's own box is the one pressed";
    EXPECT_EQ(other_program.log(), std::vector<std::string>{"decoy shown"}) << "the other program's box got nothing";
}

}  // namespace

TEST_F(AddToProfileTest, AClientThatStopsAnsweringEndsTheRunWithAMessage) {
    Standin client("--editor-open --hang-on-text");  // the field never returns from WM_SETTEXT
    ASSERT_TRUE(client.started());
    preview().SetText(u"art\r\n");
    const Watched watched = press_and_watch_for_box();
    EXPECT_EQ(watched.box.prompt.rfind(L"The AOL client is not responding", 0), 0u) << "the send gives up";
    EXPECT_TRUE(watched.answered_under_box);
    EXPECT_TRUE(clipboard_empty()) << "nothing of ours is left on the clipboard";
    EXPECT_EQ(preview().Text(), u"art\r\n");
}
