// The shared routines, the profile-editor opener and the box finder, on the in-memory desktop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aol/profile_editor.hpp"
#include "aol/shared_routines.hpp"
#include "aol/testing/memory_client.hpp"
#include "aol/window_vocabulary.hpp"

namespace {

using vandrelle::aol::WindowHandle;
using vandrelle::aol::testing::ClientOptions;
using vandrelle::aol::testing::MemoryClient;
using vandrelle::aol::testing::MemoryDesktop;
namespace message = vandrelle::aol::message;

struct PauseCase {
    const char* what;
    double start;
    double seconds;
    double ends_at;
};

TEST(PauseSeconds, EndsAtTheRoundedStartPlusTheSecondsWithoutSpinning) {
    const PauseCase cases[] = {
        {"100.4 rounds down: 0.6 s", 100.4, 1, 101},
        {"100.6 rounds up: 1.4 s", 100.6, 1, 102},
        {"a half goes to the even second (down)", 100.5, 1, 101},
        {"a half goes to the even second (up)", 101.5, 1, 103},
        {"whole second", 200.0, 2, 202},
        {"across midnight, rounded up to midnight", 86399.7, 1, 1},
        {"across midnight from the last second", 86399.2, 1, 0},
        {"across midnight, longer", 86398.9, 3, 2},
        {"nothing to wait", 500.0, 0, 500.0},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        desktop.set_pump_cost(0);
        desktop.set_time_of_day(c.start);
        EXPECT_TRUE(vandrelle::aol::pause_Seconds(desktop, c.seconds)) << c.what;
        EXPECT_NEAR(desktop.TimeOfDay(), c.ends_at, 1e-9) << c.what;
        EXPECT_GE(desktop.pumps(), 1) << c.what << ": our window's events are processed";
        EXPECT_LE(desktop.pumps(), 3) << c.what << ": it sleeps instead of spinning";
    }
}

TEST(PauseSeconds, KeepsOurWindowLiveAndStopsWhenItCloses) {
    MemoryDesktop desktop;
    desktop.set_time_of_day(100.0);
    desktop.set_pump_cost(0.1);  // every pump stands for an event of ours, handled at once
    int handled = 0;
    for (int pump = 1; pump <= 5; ++pump) desktop.at_pump(pump, [&] { ++handled; });
    desktop.at_pump(2, [&] { desktop.close_our_window(); });
    EXPECT_FALSE(vandrelle::aol::pause_Seconds(desktop, 5));
    EXPECT_EQ(handled, 2);
}

TEST(FindAOLChild, FindsOnlyTheWholeCaptionAndYieldsOncePerInnerWindow) {
    struct Case {
        const char* what;
        std::string caption_present;
        bool found;
    };
    const Case cases[] = {
        {"exact caption", "Member Directory", true},
        {"caption holding more words", "Member Directory Search", false},
        {"other capitalisation of the caption", "member directory", false},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, ClientOptions{.inner_windows = 3});
        const WindowHandle window = desktop.add_window("AOL Child", c.caption_present, client.area);
        const WindowHandle found = vandrelle::aol::find_AOLChild(desktop, vandrelle::aol::caption::kMemberDirectory);
        EXPECT_EQ(found, c.found ? window : 0) << c.what;
        // One attempt per inner window when it is absent (four inner windows here), one when found.
        EXPECT_EQ(desktop.pumps(), c.found ? 1 : 4) << c.what;
    }
}

TEST(FindAOLChild, NoClientOrNoInnerWindowReturnsAtOnceWithoutYielding) {
    MemoryDesktop no_client;
    no_client.add_window("MDIClient");  // a stray top-level window must not be walked
    no_client.add_window("AOL Child", "Member Directory");
    EXPECT_EQ(vandrelle::aol::find_AOLChild(no_client, vandrelle::aol::caption::kMemberDirectory), 0u);
    EXPECT_EQ(no_client.pumps(), 0);

    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.inner_windows = 0});
    EXPECT_EQ(vandrelle::aol::find_AOLChild(desktop, vandrelle::aol::caption::kMemberDirectory), 0u);
    EXPECT_EQ(desktop.pumps(), 0);
}

TEST(ClickWindow, SendsButtonDownThenSpaceReleaseAndIgnoresNoWindow) {
    MemoryDesktop desktop;
    const WindowHandle icon = desktop.add_window("_AOL_Icon");
    EXPECT_EQ(vandrelle::aol::click_Window(desktop, 0, 100), vandrelle::aol::SendResult::Delivered);
    EXPECT_TRUE(desktop.log().empty());
    vandrelle::aol::click_Window(desktop, icon, 100);
    const auto got = desktop.received_by(icon);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, message::kLeftButtonDown);
    EXPECT_EQ(got[1].message, message::kKeyUp);
    EXPECT_EQ(got[1].wparam, vandrelle::aol::kSpaceKey);
    EXPECT_FALSE(got[0].posted || got[1].posted);

    desktop.set_hung(MemoryDesktop::kClientProcess, true);
    EXPECT_EQ(vandrelle::aol::click_Window(desktop, icon, 100), vandrelle::aol::SendResult::TimedOut);
}

TEST(EditProfile, PressesTheFourthToolbarIconOrNothing) {
    struct Case {
        int icons;
        vandrelle::aol::OpenRequest result;
    };
    const Case cases[] = {
        {6, vandrelle::aol::OpenRequest::Pressed},      {4, vandrelle::aol::OpenRequest::Pressed},
        {3, vandrelle::aol::OpenRequest::NoFourthIcon}, {2, vandrelle::aol::OpenRequest::NoFourthIcon},
        {1, vandrelle::aol::OpenRequest::NoFourthIcon}, {0, vandrelle::aol::OpenRequest::NoFourthIcon},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, ClientOptions{.toolbar_icons = c.icons, .opens_editor = false});
        EXPECT_EQ(vandrelle::aol::edit_Profile(desktop, 100), c.result) << c.icons << " icons";
        for (int n = 0; n < c.icons; ++n) {
            const auto got = desktop.received_by(client.icons[n]);
            if (n == 3) {
                ASSERT_EQ(got.size(), 2u);
                EXPECT_EQ(got[0].message, message::kLeftButtonDown);
                EXPECT_EQ(got[1].message, message::kChar);
                EXPECT_EQ(got[1].wparam, 108u);
            } else {
                EXPECT_TRUE(got.empty()) << c.icons << " icons: icon " << n + 1 << " was pressed";
            }
        }
    }
}

TEST(EditProfile, ClientNotRunningOrHung) {
    MemoryDesktop nothing;
    EXPECT_EQ(vandrelle::aol::edit_Profile(nothing, 100), vandrelle::aol::OpenRequest::NoClient);

    MemoryDesktop desktop;
    MemoryClient client(desktop);
    desktop.set_hung(MemoryDesktop::kClientProcess, true);
    EXPECT_EQ(vandrelle::aol::edit_Profile(desktop, 100), vandrelle::aol::OpenRequest::ClientHung);
}

// A top-level window with the given children, placed at the top of the desktop.
WindowHandle add_box(MemoryDesktop& desktop, vandrelle::aol::ProcessId process, bool button, bool text) {
    const WindowHandle box = desktop.add_window("#32770", "box", 0, process);
    if (button) desktop.add_window("Button", "OK", box, process);
    if (text) desktop.add_window("Static", "text", box, process);
    desktop.bring_to_top(box);
    return box;
}

TEST(FindX, ReturnsTheClientsBoxAndPassesOverEveryOtherWindow) {
    using P = MemoryDesktop;
    struct Above {
        vandrelle::aol::ProcessId process;
        bool button, text;
    };
    struct Case {
        const char* what;
        std::vector<Above> above;  // windows stacked above the client's box, lowest first
    };
    const Case cases[] = {
        {"nothing above", {}},
        {"another program's dialog above", {{P::kOtherProcess, true, true}}},
        {"one of our own dialogs above", {{P::kOurProcess, true, true}}},
        {"client window with a button only", {{P::kClientProcess, true, false}}},
        {"client window with a static only", {{P::kClientProcess, false, true}}},
        {"several", {{P::kOtherProcess, true, true}, {P::kClientProcess, false, true}, {P::kOurProcess, true, true}}},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop);
        const WindowHandle box = add_box(desktop, P::kClientProcess, true, true);
        for (const auto& a : c.above) add_box(desktop, a.process, a.button, a.text);
        EXPECT_EQ(vandrelle::aol::find_x(desktop), box) << c.what;
        EXPECT_EQ(desktop.pumps(), static_cast<int>(c.above.size()) + 1) << c.what << ": one yield per window visited";
    }
}

TEST(FindX, NothingToFind) {
    MemoryDesktop no_dialog;  // the client runs, but no "#32770" window exists: no walk, no yield
    MemoryClient client(no_dialog);
    no_dialog.add_window("Thing");
    EXPECT_EQ(vandrelle::aol::find_x(no_dialog), 0u);
    EXPECT_EQ(no_dialog.pumps(), 0);

    MemoryDesktop no_client;  // another program's box alone is never the client's
    add_box(no_client, MemoryDesktop::kOtherProcess, true, true);
    EXPECT_EQ(vandrelle::aol::find_x(no_client), 0u);
}

}  // namespace
