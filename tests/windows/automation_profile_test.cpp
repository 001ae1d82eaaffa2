// "Add To Profile" from the real window against the stand-in client, a process of its own:
// the exact bytes and order the client receives, what is left behind, and the client absent,
// slow to open, or sharing the screen with another program's dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
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
        FormTest::SetUp();
        form_->set_profile_limits(kShortLimits);  // short bounds keep the failing cases quick
    }
    static constexpr vandrelle::aol::AutomationLimits kShortLimits{.wait_seconds = 3, .send_timeout_ms = 1000};

    // Presses "Add To Profile" while another thread reads and dismisses every box of ours until
    // the press returns; `meanwhile` runs on that thread first. The boxes' prompts, in order.
    std::vector<std::wstring> press_dismissing_boxes(const std::function<void()>& meanwhile = {}) {
        std::vector<std::wstring> prompts;
        std::atomic<bool> pressed{false};
        std::thread watcher([&] {
            if (meanwhile) meanwhile();
            HWND last = nullptr;
            while (!pressed) {
                const HWND box = window_test::find_message_box(GetCurrentProcessId());
                if (box != nullptr && box != last) {
                    prompts.push_back(window_test::read_message_box(box).prompt);
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                    last = box;
                }
                Sleep(50);
            }
        });
        click(Control::Command3);
        pressed = true;
        watcher.join();
        return prompts;
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
    _putenv("VANDRELLE_AOL_WAIT_SECONDS=0.2");  // a user's environment changes no bound
    const auto start = std::chrono::steady_clock::now();
    const Watched watched = press_and_watch_for_box();
    _putenv("VANDRELLE_AOL_WAIT_SECONDS=");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2900)) << "the bound the code sets";
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

TEST_F(AddToProfileTest, TheClientsAnswerIsAwaitedAndItsRealButtonPressed) {
    const char* const cases[] = {
        "--editor-open --slow-save 2500",       // saves over the network for longer than a send may take
        "--editor-open --answer-inside-press",  // shows its box before the press returns
        "--editor-open --box-built-hidden",     // builds its box hidden and replaces its button
    };
    for (const char* arguments : cases) {
        Standin client(arguments);
        ASSERT_TRUE(client.started()) << arguments;
        preview().SetText(u"art\r\n");
        EXPECT_EQ(press_dismissing_boxes(), std::vector<std::wstring>{}) << arguments << ": no box of ours";
        EXPECT_TRUE(client.wait_for_line("box closed 1", std::chrono::seconds(3))) << arguments;
    }
}

TEST_F(AddToProfileTest, ASecondPressDuringARunIsIgnored) {
    Standin client("--no-profile-window");
    ASSERT_TRUE(client.started());
    preview().SetText(u"art\r\n");
    const HWND button = control(Control::Command3);
    const auto prompts = press_dismissing_boxes([&] {
        Sleep(500);  // while the first run waits for "Member Directory"
        PostMessageW(button, BM_CLICK, 0, 0);
        PostMessageW(button, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(prompts.size(), 1u) << "one run, one box";
    const auto lines = client.log();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "icon4 WM_CHAR 108"), 1) << "the toolbar is pressed once";
}

// The field gets the bytes of the system's own code page; a character it lacks becomes '?',
// never a look-alike. Run once more with a Cyrillic locale (code page 1251).
TEST_F(AddToProfileTest, TheFieldGetsTheCodePagesOwnBytes) {
    if (const char* expected = std::getenv("VANDRELLE_TEST_EXPECT_ACP")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected))) << "the locale the run asked for";
    }
    const std::string expected = GetACP() == 1251 ? "\r\n\xcf caf? ? \x88\r\n" : "\r\n? caf\xe9 ? \x80\r\n";
    ASSERT_TRUE(GetACP() == 1251 || GetACP() == 1252) << GetACP();
    Standin client("--editor-open");
    ASSERT_TRUE(client.started());
    preview().SetText(u"\u041f caf\u00e9 \u0141 \u20ac\r\n");
    click(Control::Command3);
    ASSERT_TRUE(client.wait_for_line("box closed 1"));
    std::string field_got;  // the hex of the last text the field received
    for (const std::string& line : client.log()) {
        if (line.rfind("field WM_SETTEXT ", 0) == 0) field_got = line.substr(17);
    }
    EXPECT_EQ(field_got, automation_test::hex_of(expected + kCredit)) << "code page " << GetACP();
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
