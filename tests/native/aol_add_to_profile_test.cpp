// Add To Profile against the in-memory client: the road, what reaches the field, and every way
// the client, the clipboard or the user can get in the way.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "app/texts.hpp"
#include "aol/add_to_profile.hpp"
#include "aol/profile_messages.hpp"
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
    long sel_start = 3, sel_length = 1;  // the user's own selection before the run

private:
    std::u16string text_;
};

const char kCredit[] = "< font . size=1>By: Brasketh";

// Short waits keep the tests quick; the memory clock only moves when the automation sleeps.
const vandrelle::aol::AutomationLimits kLimits{.wait_seconds = 15, .send_timeout_ms = 2000, .clipboard_retry_seconds = 1,
                                    .poll_seconds = 0.05};

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
    vandrelle::aol::AddToProfile add;

    EXPECT_EQ(add.Run(desktop, preview, kLimits), ProfileOutcome::Sent);

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
        {"a character without a byte in the code page", u"a\u4e2d", std::string("\r\na?") + kCredit},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, ClientOptions{.editor_open = true});
        FakePreview preview(c.preview);
        EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), ProfileOutcome::Sent) << c.what;
        EXPECT_EQ(desktop.caption_of(client.field), c.field) << c.what;
    }
}

TEST(AddToProfile, EditorAlreadyOpenPressesNoToolbarIconButStillPauses) {
    MemoryDesktop desktop;
    desktop.set_time_of_day(100.4);
    MemoryClient client(desktop, ClientOptions{.editor_open = true});
    FakePreview preview(u"x");
    EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), ProfileOutcome::Sent);
    for (const WindowHandle icon : client.icons) EXPECT_TRUE(desktop.received_by(icon).empty());
    EXPECT_GE(desktop.seconds_slept(), 0.5) << "the one-second pause, from the rounded start";
}

TEST(AddToProfile, EmptyPreviewTouchesNothing) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.editor_open = true});
    desktop.clipboard = u"keep me";
    FakePreview preview(u"");
    vandrelle::aol::AddToProfile add;
    EXPECT_EQ(add.Run(desktop, preview, kLimits), ProfileOutcome::EmptyPreview);
    EXPECT_TRUE(desktop.log().empty());
    EXPECT_EQ(desktop.clipboard_opens, 0);
    EXPECT_EQ(desktop.clipboard, u"keep me");
    EXPECT_EQ(desktop.pumps(), 0);
    EXPECT_EQ(preview.sel_start, 3) << "the selection is not touched either";

    const auto shown = vandrelle::aol::message_for(ProfileOutcome::EmptyPreview);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->prompt, u"There is nothing in the preview window to add to your profile!");
    EXPECT_EQ(shown->title, u"Incomplete Request");
    EXPECT_EQ(shown->icon, vandrelle::aol::MessageIcon::Information);
}

// The client or the desktop in a state that stops the run. In each, the preview keeps its text,
// the run ends within its bounds with a message of its own, and the clipboard is left as it was
// or, once the run has used it, empty.
TEST(AddToProfile, EndsWithAClearMessageWhenTheClientCannotBeDriven) {
    struct Case {
        const char* what;
        ClientOptions options;
        bool client_running = true;
        bool hung = false;
        bool remove_field = false;
        ProfileOutcome outcome;
        bool reached_clipboard = false;  // when it did, the clipboard is left empty
        bool field_untouched = true;
    };
    const Case cases[] = {
        {"client not running: said at once", {}, false, false, false, ProfileOutcome::ClientNotRunning},
        {"editor never opens", {.opens_editor = false}, true, false, false, ProfileOutcome::EditorDidNotOpen},
        {"fewer than four toolbar icons", {.toolbar_icons = 2}, true, false, false, ProfileOutcome::EditorDidNotOpen},
        {"hung while opening", {}, true, true, false, ProfileOutcome::ClientNotResponding},
        {"hung with the editor open", {.editor_open = true}, true, true, false, ProfileOutcome::ClientNotResponding,
         true},
        {"editor without a field", {.editor_open = true}, true, false, true, ProfileOutcome::NoTextField, true},
        {"no answer after saving", {.editor_open = true, .answers = false}, true, false, false,
         ProfileOutcome::ClientDidNotAnswer, true, false},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        std::optional<MemoryClient> client;
        if (c.client_running) client.emplace(desktop, c.options);
        if (c.hung) desktop.set_hung(MemoryDesktop::kClientProcess, true);
        if (c.remove_field) desktop.remove_window(client->field);
        desktop.clipboard = u"before";
        FakePreview preview(u"art\r\n");

        EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), c.outcome) << c.what;

        EXPECT_EQ(preview.Text(), u"art\r\n") << c.what;
        EXPECT_LE(desktop.seconds_slept(), kLimits.wait_seconds + 2) << c.what << ": the wait is bounded";
        EXPECT_EQ(desktop.clipboard, c.reached_clipboard ? std::nullopt : std::optional<std::u16string>(u"before"))
            << c.what;
        if (c.outcome == ProfileOutcome::ClientNotRunning) {
            EXPECT_EQ(desktop.sleeps(), 0) << c.what;
        }
        if (c.outcome == ProfileOutcome::EditorDidNotOpen) {
            EXPECT_GE(desktop.sleeps(), 100) << c.what << ": our window stays live while it waits";
        }
        if (c.field_untouched && client && client->field && desktop.exists(client->field)) {
            EXPECT_EQ(desktop.caption_of(client->field), "old profile") << c.what;
        }
        const auto shown = vandrelle::aol::message_for(c.outcome);
        ASSERT_TRUE(shown) << c.what;
        EXPECT_FALSE(shown->prompt.empty());
    }
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
        EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), c.outcome) << c.what;
        const double taken = std::fmod(desktop.TimeOfDay() - 86390.0 + 86400.0, 86400.0);
        EXPECT_GE(taken, c.at_least_seconds) << c.what;
        EXPECT_LE(taken, c.at_least_seconds + 2) << c.what;
    }
}

TEST(AddToProfile, ClientClosingDuringTheWaitIsReportedAsNotRunning) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.opens_editor = false});
    desktop.at_pump(5, [&] { desktop.remove_window(client.frame); });
    FakePreview preview(u"art");
    EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), ProfileOutcome::ClientNotRunning);
}

TEST(AddToProfile, ASecondPressDuringARunIsIgnored) {
    MemoryDesktop desktop;
    MemoryClient client(desktop);
    FakePreview preview(u"art");
    vandrelle::aol::AddToProfile add;
    std::vector<ProfileOutcome> second;
    // The user presses again while the first run waits for the editor and during its pause.
    desktop.at_pump(2, [&] { second.push_back(add.Run(desktop, preview, kLimits)); });
    desktop.at_pump(6, [&] { second.push_back(add.Run(desktop, preview, kLimits)); });

    EXPECT_EQ(add.Run(desktop, preview, kLimits), ProfileOutcome::Sent);
    EXPECT_EQ(second, (std::vector<ProfileOutcome>{ProfileOutcome::AlreadyRunning, ProfileOutcome::AlreadyRunning}));
    EXPECT_EQ(desktop.received_by(client.field).size(), 2u) << "one emptying, one filling";
    EXPECT_EQ(desktop.received_by(client.icons[3]).size(), 2u) << "the toolbar is pressed once";
    EXPECT_FALSE(vandrelle::aol::message_for(ProfileOutcome::AlreadyRunning)) << "ignored quietly";
    // Once it is over, the button works again.
    EXPECT_EQ(add.Run(desktop, preview, kLimits), ProfileOutcome::Sent);
}

TEST(AddToProfile, ClipboardHeldByAnotherProgram) {
    struct Case {
        const char* what;
        int refusals;
        ProfileOutcome outcome;
    };
    const Case cases[] = {
        {"held for a moment: tried again", 5, ProfileOutcome::Sent},
        {"held for good", 1000000, ProfileOutcome::ClipboardBusy},
    };
    for (const auto& c : cases) {
        MemoryDesktop desktop;
        MemoryClient client(desktop, ClientOptions{.editor_open = true});
        desktop.clipboard_refusals = c.refusals;
        FakePreview preview(u"art");
        EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), c.outcome) << c.what;
        EXPECT_EQ(preview.Text(), u"art");
        if (c.outcome == ProfileOutcome::ClipboardBusy) {
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
    EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), ProfileOutcome::Sent);
    EXPECT_EQ(desktop.caption_of(client.field), std::string("\r\nart") + kCredit);
    EXPECT_FALSE(desktop.clipboard.has_value());
}

TEST(AddToProfile, OurWindowClosingEndsTheRunQuietly) {
    MemoryDesktop desktop;
    MemoryClient client(desktop, ClientOptions{.opens_editor = false});
    desktop.at_pump(3, [&] { desktop.close_our_window(); });
    FakePreview preview(u"art");
    EXPECT_EQ(vandrelle::aol::AddToProfile().Run(desktop, preview, kLimits), ProfileOutcome::Abandoned);
    EXPECT_FALSE(vandrelle::aol::message_for(ProfileOutcome::Abandoned));
}

}  // namespace
