// Add To Profile against the in-memory client: the road, what reaches the field, and every way
// the client, the clipboard or the user can get in the way.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/texts.hpp"
#include "aol/add_to_profile.hpp"
#include "aol/outcome_texts.hpp"
#include "aol/testing/memory_client.hpp"
#include "aol/window_vocabulary.hpp"

namespace {

using vandrelle::aol::ProfileOutcome;
using vandrelle::aol::WindowHandle;
using vandrelle::aol::testing::ClientOptions;
using vandrelle::aol::testing::Delivery;
using vandrelle::aol::testing::MemoryClient;
using vandrelle::aol::testing::MemoryDesktop;
namespace message = vandrelle::aol::message;

class FakePreview final : public vandrelle::aol::ProfilePreview {
public:
    explicit FakePreview(std::u16string text) : text_(std::move(text)) {}
    std::u16string Text() const override { return text_; }
    void SetSelStart(long start) override { sel_start = start, sel_length = 0; }
    void SetSelLength(long length) override { sel_length = length; }
    std::u16string SelText() const override { return text_.substr(sel_start, sel_length); }
    void clear() { text_.clear(), sel_start = sel_length = 0; }  // the user pressing "Clear"
    long sel_start = 3, sel_length = 1;  // the user's own selection before the run

private:
    std::u16string text_;
};

const char kCredit[] = "< font . size=1>By: Brasketh";

// Short waits keep the tests quick; the memory clock only moves when the automation sleeps.
const vandrelle::aol::AutomationLimits kLimits{.wait_seconds = 15, .send_timeout_ms = 2000, .clipboard_retry_seconds = 1,
                                    .poll_seconds = 0.05};

// A run through our window's two methods over the memory desktop.
ProfileOutcome run(MemoryDesktop& desktop, FakePreview& preview, vandrelle::aol::AddToProfile& add) {
    vandrelle::aol::testing::MemoryClientMethods methods(desktop, kLimits.send_timeout_ms);
    return add.Run(desktop, methods, preview, kLimits);
}
ProfileOutcome run(MemoryDesktop& desktop, FakePreview& preview) {
    vandrelle::aol::AddToProfile add;
    return run(desktop, preview, add);
}

// Every message the client's windows got, by name, in order: "icon4 down", "field text:...".
std::vector<std::string> client_messages(const MemoryDesktop& desktop, const MemoryClient& client) {
    std::vector<std::string> seen;
    for (const Delivery& d : desktop.log()) {
        std::string who = d.window == client.field       ? "field"
                          : d.window == client.save_icon ? "save"
                          : d.window == client.box_button ? "box button"
                                                          : "icon";
        for (std::size_t n = 0; n < client.icons.size(); ++n) {
            if (d.window == client.icons[n]) who = "icon" + std::to_string(n + 1);
        }
        std::string what = d.message == message::kLeftButtonDown ? "down"
                           : d.message == message::kChar         ? "char " + std::to_string(d.wparam)
                           : d.message == message::kKeyDown      ? "keydown " + std::to_string(d.wparam)
                           : d.message == message::kKeyUp        ? "keyup " + std::to_string(d.wparam)
                           : d.message == message::kSetText      ? "text:" + d.text
                                                                 : "other";
        seen.push_back(who + (d.posted ? " posted " : " ") + what);
    }
    return seen;
}

TEST(AddToProfile, TypicalRoadThroughTheToolbar) {
    MemoryDesktop desktop;
    MemoryClient client(desktop);
    desktop.clipboard = u"something the user copied";
    FakePreview preview(u"abc\r\ncab\r\nbca\r\n\u00a0caf\u00e9\r\n");
    vandrelle::aol::testing::MemoryClientMethods window(desktop, kLimits.send_timeout_ms);
    vandrelle::aol::AddToProfile add;

    EXPECT_EQ(add.Run(desktop, window, preview, kLimits), ProfileOutcome::Sent);

    EXPECT_EQ(window.edit_Profile_calls, 1) << "the client is reached through our window's methods";
    EXPECT_GE(window.find_x_calls, 1);
    const std::string expected = std::string("\r\nabc\r\ncab\r\nbca\r\n\xa0" "caf\xe9\r\n") + kCredit;
    const std::vector<std::string> order = {
        "icon4 down", "icon4 char 108", "field text:", "field text:" + expected,
        "save down", "save keyup 32", "box button posted keydown 32", "box button posted keyup 32",
    };
    EXPECT_EQ(client_messages(desktop, client), order);
    EXPECT_EQ(desktop.caption_of(client.field), expected) << "the old profile is replaced, not appended to";
    EXPECT_FALSE(desktop.clipboard.has_value()) << "the clipboard is left empty";
    EXPECT_FALSE(desktop.exists(client.box)) << "the client's box is dismissed";
    EXPECT_EQ(preview.sel_start, 0);
    EXPECT_EQ(preview.sel_length, static_cast<long>(preview.Text().size()));
    EXPECT_FALSE(add.running());
}

TEST(AddToProfile, WhatTheFieldReceives) {
    struct Case {
        const char* what;
        std::u16string preview;
        std::string field;
    };
    const Case cases[] = {
        {"ends with a line break: the credit starts a line", u"abc\r\n", std::string("\r\nabc\r\n") + kCredit},
        {"no final line break: the credit continues the line", u"abc", std::string("\r\nabc") + kCredit},
        {"only a line break is not empty", u"\r\n", std::string("\r\n\r\n") + kCredit},
        {"Windows-1252 upper half and soft hyphen", u"\u20ac\u00ad\u00ff", std::string("\r\n\x80\xad\xff") + kCredit},
        {"a character without a byte in the code page, no look-alike", u"a\u4e2d\u0141", std::string("\r\na??") + kCredit},
        {"a byte the code page leaves undefined", u"\u0081\u009d", std::string("\r\n\x81\x9d") + kCredit},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, ClientOptions{.editor_open = true});
        FakePreview preview(c.preview);
        EXPECT_EQ(run(desktop, preview), ProfileOutcome::Sent) << c.what;
        EXPECT_EQ(desktop.caption_of(client.field), c.field) << c.what;
    }
}

TEST(AddToProfile, EditorAlreadyOpenPressesNoToolbarIconButStillPauses) {
    MemoryDesktop desktop;
    desktop.set_time_of_day(100.4);
    MemoryClient client(desktop, ClientOptions{.editor_open = true});
    FakePreview preview(u"x");
    EXPECT_EQ(run(desktop, preview), ProfileOutcome::Sent);
    for (const WindowHandle icon : client.icons) EXPECT_TRUE(desktop.received_by(icon).empty());
    EXPECT_GE(desktop.seconds_slept(), 0.5) << "the one-second pause, from the rounded start";
}

TEST(AddToProfile, EmptyPreviewTouchesNothing) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.editor_open = true});
    desktop.clipboard = u"keep me";
    FakePreview preview(u"");
    vandrelle::aol::AddToProfile add;
    EXPECT_EQ(run(desktop, preview, add), ProfileOutcome::EmptyPreview);
    EXPECT_TRUE(desktop.log().empty());
    EXPECT_EQ(desktop.clipboard_opens, 0);
    EXPECT_EQ(desktop.clipboard, u"keep me");
    EXPECT_EQ(desktop.pumps(), 0);
    EXPECT_EQ(preview.sel_start, 3) << "the selection is not touched either";

    const auto shown = vandrelle::aol::outcome_text(ProfileOutcome::EmptyPreview);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->prompt, u"There is nothing in the preview window to add to your profile!");
    EXPECT_EQ(shown->title, u"Incomplete Request");
    EXPECT_EQ(shown->icon, vandrelle::aol::TextIcon::Information);
}

// The client or the desktop in a state that stops the run. In each, the preview keeps its text,
// the run ends within its bounds with a text that says what happened, and the clipboard is left
// as it was or, once the run has used it, empty.
TEST(AddToProfile, EndsWithAClearMessageWhenTheClientCannotBeDriven) {
    struct Case {
        const char* what;
        ClientOptions options;
        ProfileOutcome outcome;
        WindowHandle MemoryClient::*removed = nullptr;  // a window of the client that goes away
        int removed_at_pump = 0;                        // 0: before the run
        bool hung = false;
        bool reached_clipboard = false;  // when it did, the clipboard is left empty
        bool field_untouched = true;
        bool at_once = false;            // said without waiting
    };
    const Case cases[] = {
        {"editor never opens", {.opens_editor = false}, ProfileOutcome::EditorDidNotOpen},
        {"no toolbar: said at once", {}, ProfileOutcome::NoToolbar, &MemoryClient::toolbar, 0, false, false, true, true},
        {"fewer than four toolbar icons: said at once", {.toolbar_icons = 2}, ProfileOutcome::TooFewToolbarIcons,
         nullptr, 0, false, false, true, true},
        {"hung while opening", {}, ProfileOutcome::ClientNotResponding, nullptr, 0, true},
        {"hung with the editor open", {.editor_open = true}, ProfileOutcome::ClientNotResponding, nullptr, 0, true,
         true},
        {"editor without a field", {.editor_open = true}, ProfileOutcome::NoTextField, &MemoryClient::field, 0, false,
         true},
        {"editor without a save icon", {.editor_open = true, .editor_has_icons = false}, ProfileOutcome::NoSaveButton,
         nullptr, 0, false, true, false},
        {"editor closed during the pause", {.editor_open = true}, ProfileOutcome::EditorClosed, &MemoryClient::editor, 2,
         false, true},
        {"client closed during the pause", {.editor_open = true}, ProfileOutcome::ClientClosed, &MemoryClient::frame, 2,
         false, true},
        {"client closed while opening the editor", {.opens_editor = false}, ProfileOutcome::ClientClosed,
         &MemoryClient::frame, 5},
        {"client closed while its box was awaited", {.editor_open = true, .answers = false},
         ProfileOutcome::ClientClosedAfterSave, &MemoryClient::frame, 20, false, true, false},
        {"no answer after saving", {.editor_open = true, .answers = false}, ProfileOutcome::ClientDidNotAnswer, nullptr,
         0, false, true, false},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, c.options);
        if (c.hung) desktop.set_hung(MemoryDesktop::kClientProcess, true);
        if (c.removed && c.removed_at_pump == 0) desktop.remove_window(client.*c.removed);
        if (c.removed_at_pump) desktop.at_pump(c.removed_at_pump, [&] { desktop.remove_window(client.*c.removed); });
        desktop.clipboard = u"before";
        FakePreview preview(u"art\r\n");

        EXPECT_EQ(run(desktop, preview), c.outcome) << c.what;

        EXPECT_EQ(preview.Text(), u"art\r\n") << c.what;
        EXPECT_LE(desktop.seconds_slept(), kLimits.wait_seconds + 2) << c.what << ": the wait is bounded";
        if (c.at_once) {
            EXPECT_EQ(desktop.sleeps(), 0) << c.what;
        }
        EXPECT_EQ(desktop.clipboard, c.reached_clipboard ? std::nullopt : std::optional<std::u16string>(u"before"))
            << c.what;
        if (c.outcome == ProfileOutcome::EditorDidNotOpen) {
            EXPECT_GE(desktop.sleeps(), 100) << c.what << ": our window stays live while it waits";
        }
        if (desktop.exists(client.field)) {
            EXPECT_EQ(desktop.caption_of(client.field) == "old profile", c.field_untouched) << c.what;
        }
        if (client.save_icon) {
            EXPECT_EQ(desktop.received_by(client.save_icon).empty(), c.field_untouched) << c.what;
        }
        const auto shown = vandrelle::aol::outcome_text(c.outcome);
        ASSERT_TRUE(shown) << c.what;
        EXPECT_FALSE(shown->prompt.empty());
    }
    MemoryDesktop nothing;  // no client at all: said at once
    FakePreview preview(u"art");
    EXPECT_EQ(run(nothing, preview), ProfileOutcome::ClientNotRunning);
    EXPECT_EQ(nothing.sleeps(), 0);
}

// The user may press "Clear" while the run pauses: the credit alone must not replace the profile.
TEST(AddToProfile, APreviewEmptiedDuringThePauseSendsNothing) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.editor_open = true});
    desktop.clipboard = u"before";
    FakePreview preview(u"art");
    desktop.at_pump(2, [&] { preview.clear(); });
    EXPECT_EQ(run(desktop, preview), ProfileOutcome::EmptyPreview);
    EXPECT_TRUE(desktop.log().empty()) << "the field gets no message, nothing is pressed";
    EXPECT_FALSE(desktop.clipboard.has_value()) << "the clipboard is left empty, as always";
}

// A clock set back or forward, by a sync or daylight saving, while the run waits.
TEST(AddToProfile, ClockChangesNeitherStretchNorCutTheWaits) {
    struct Case {
        const char* what;
        ClientOptions options;
        std::function<void(MemoryDesktop&, MemoryClient&)> arrange;
        double at_most_seconds;
    };
    auto on_message = [](MemoryDesktop& desktop, WindowHandle window, unsigned message, double by) {
        desktop.when([=](const Delivery& d) { return d.window == window && d.message == message; },
                     [&desktop, by] { desktop.set_clock_by(by); }, 1);
    };
    const Case cases[] = {
        {"set back an hour during the pause", {.editor_open = true},
         [](MemoryDesktop& desktop, MemoryClient&) { desktop.at_pump(2, [&] { desktop.set_clock_by(-3600); }); }, 2},
        {"set back while the editor opens", {.editor_opens_after_pumps = 10},
         [&](MemoryDesktop& desktop, MemoryClient& client) { on_message(desktop, client.icons[3], message::kChar, -10); },
         3},
        {"set forward while the box is awaited", {.editor_open = true, .box_appears_after_pumps = 10},
         [&](MemoryDesktop& desktop, MemoryClient& client) {
             on_message(desktop, client.save_icon, message::kKeyUp, 3600);
         },
         3},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, c.options);
        c.arrange(desktop, client);
        FakePreview preview(u"art");
        const double start = desktop.MonotonicSeconds();
        EXPECT_EQ(run(desktop, preview), ProfileOutcome::Sent) << c.what;
        EXPECT_LE(desktop.MonotonicSeconds() - start, c.at_most_seconds) << c.what;
    }
}

// The client's box is awaited and pressed even when it comes late or is built in stages.
TEST(AddToProfile, TheClientsAnswerIsAwaitedAndItsRealButtonPressed) {
    struct Case {
        const char* what;
        ClientOptions options;
    };
    const Case cases[] = {
        {"a save that outlasts the send's time-out", {.editor_open = true, .slow_save = true}},
        {"a box built hidden with a button it throws away", {.editor_open = true, .box_built_hidden = true}},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, c.options);
        FakePreview preview(u"art");
        EXPECT_EQ(run(desktop, preview), ProfileOutcome::Sent) << c.what;
        EXPECT_NE(client.box, 0u) << c.what;
        EXPECT_FALSE(desktop.exists(client.box)) << c.what << ": the client's box is dismissed";
    }
}

// A box that closes the moment it is found has no button to press: a key posted to no window
// reaches nothing, so that is not a saved profile.
TEST(AddToProfile, ABoxClosedAsItIsFoundIsNotTakenForAnAnswer) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.editor_open = true});
    vandrelle::aol::testing::MemoryClientMethods window(desktop, kLimits.send_timeout_ms);
    window.after_find_x = [&](WindowHandle box) { desktop.remove_window(box); };
    FakePreview preview(u"art");
    vandrelle::aol::AddToProfile add;
    EXPECT_EQ(add.Run(desktop, window, preview, kLimits), ProfileOutcome::ClientDidNotAnswer);
}

TEST(AddToProfile, EventsOfOurWindowDoNotShortenTheWaits) {
    struct Case {
        const char* what;
        ClientOptions options;
        int clipboard_refusals;
        ProfileOutcome outcome;
        double at_least_seconds;
    };
    const Case cases[] = {
        {"wait for the editor", {.opens_editor = false}, 0, ProfileOutcome::EditorDidNotOpen, kLimits.wait_seconds},
        {"wait for the client's box", {.editor_open = true, .answers = false}, 0, ProfileOutcome::ClientDidNotAnswer,
         kLimits.wait_seconds},
        {"clipboard retries", {.editor_open = true}, 1000000, ProfileOutcome::ClipboardBusy,
         kLimits.clipboard_retry_seconds},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        desktop.set_time_of_day(86390.0);  // the waits run across midnight as well
        desktop.set_events_every(0.01);
        MemoryClient client(desktop, c.options);
        desktop.clipboard_refusals = c.clipboard_refusals;
        FakePreview preview(u"art");
        const double start = desktop.MonotonicSeconds();
        EXPECT_EQ(run(desktop, preview), c.outcome) << c.what;
        const double taken = desktop.MonotonicSeconds() - start;
        EXPECT_GE(taken, c.at_least_seconds) << c.what;
        EXPECT_LE(taken, c.at_least_seconds + 2) << c.what;
    }
}

TEST(AddToProfile, ASecondPressDuringARunIsIgnored) {
    MemoryDesktop desktop;
    MemoryClient client(desktop);
    FakePreview preview(u"art");
    vandrelle::aol::AddToProfile add;
    std::vector<ProfileOutcome> second;
    // The user presses again while the first run waits for the editor and during its pause.
    desktop.at_pump(2, [&] { second.push_back(run(desktop, preview, add)); });
    desktop.at_pump(6, [&] { second.push_back(run(desktop, preview, add)); });

    EXPECT_EQ(run(desktop, preview, add), ProfileOutcome::Sent);
    EXPECT_EQ(second, (std::vector<ProfileOutcome>{ProfileOutcome::AlreadyRunning, ProfileOutcome::AlreadyRunning}));
    EXPECT_EQ(desktop.received_by(client.field).size(), 2u) << "one emptying, one filling";
    EXPECT_EQ(desktop.received_by(client.icons[3]).size(), 2u) << "the toolbar is pressed once";
    EXPECT_FALSE(vandrelle::aol::outcome_text(ProfileOutcome::AlreadyRunning)) << "ignored quietly";
    // Once it is over, the button works again.
    EXPECT_EQ(run(desktop, preview, add), ProfileOutcome::Sent);
}

TEST(AddToProfile, ClipboardHeldOrRefused) {
    struct Case {
        const char* what;
        int refusals;
        bool put_fails;
        bool held_after_put;  // from the read-back on: the composed text goes, the user is told
        ProfileOutcome outcome;
    };
    const Case cases[] = {
        {"held for a moment: tried again", 5, false, false, ProfileOutcome::Sent},
        {"held for good", 1000000, false, false, ProfileOutcome::ClipboardBusy},
        {"the platform refuses the text", 0, true, false, ProfileOutcome::ClipboardFailed},
        {"held from the read-back on", 0, false, true, ProfileOutcome::Sent},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, ClientOptions{.editor_open = true});
        desktop.clipboard_refusals = c.refusals;
        desktop.clipboard_put_fails = c.put_fails;
        if (c.held_after_put) desktop.after_clipboard_put = [&] { desktop.clipboard_refusals = 1000000; };
        FakePreview preview(u"art");
        vandrelle::aol::AddToProfile add;
        EXPECT_EQ(run(desktop, preview, add), c.outcome) << c.what;
        EXPECT_EQ(preview.Text(), u"art");
        EXPECT_EQ(add.text_left_on_clipboard(), c.held_after_put) << c.what;
        if (c.outcome != ProfileOutcome::Sent) {
            EXPECT_TRUE(desktop.received_by(client.field).empty()) << c.what << ": nothing sent";
            EXPECT_LE(desktop.seconds_slept(), 1 + kLimits.clipboard_retry_seconds + 0.2) << c.what;
        } else {
            EXPECT_EQ(desktop.caption_of(client.field), std::string("\r\nart") + kCredit) << c.what;
        }
    }
}

TEST(AddToProfile, AStrangersClipboardTextIsNeverSent) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.editor_open = true});
    desktop.after_clipboard_put = [&] { desktop.clipboard = u"password123"; };
    FakePreview preview(u"art");
    EXPECT_EQ(run(desktop, preview), ProfileOutcome::Sent);
    EXPECT_EQ(desktop.clipboard_reads, 1) << "the text was read back from the clipboard";
    EXPECT_EQ(desktop.caption_of(client.field), std::string("\r\nart") + kCredit);
    EXPECT_FALSE(desktop.clipboard.has_value());
}

TEST(AddToProfile, OurWindowClosingEndsTheRunQuietly) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.opens_editor = false});
    desktop.at_pump(3, [&] { desktop.close_our_window(); });
    FakePreview preview(u"art");
    EXPECT_EQ(run(desktop, preview), ProfileOutcome::Abandoned);
    EXPECT_FALSE(vandrelle::aol::outcome_text(ProfileOutcome::Abandoned));
}

}  // namespace
