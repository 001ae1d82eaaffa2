#pragma once
// An AOL client built on the memory desktop, with the window layout the automation relies on:
// frame > mdiclient > inner windows; frame > toolbar > strip > icons. The fourth icon opens
// "Member Directory" (a rich-text field and an icon button) on a button-down and an 'l'; that
// window's icon, pressed, brings up the client's message box, which a space key closes.
#include <functional>
#include <vector>

#include "aol/client_methods.hpp"
#include "aol/testing/memory_desktop.hpp"

namespace vandrelle::aol::testing {

struct ClientOptions {
    int toolbar_icons = 6;
    bool editor_open = false;
    int inner_windows = 2;     // open inner windows besides "Member Directory"
    int editor_opens_after_pumps = 3;
    int box_appears_after_pumps = 2;
    bool opens_editor = true;  // false: the fourth icon does nothing
    bool answers = true;       // false: no message box after the save icon
    bool editor_has_icons = true;  // false: "Member Directory" has its field only
    bool slow_save = false;    // the save icon handles its press only after the send timed out
    bool box_built_hidden = false;  // the box is built hidden with a button it throws away
};

struct MemoryClient {
    WindowHandle frame = 0, area = 0, toolbar = 0, strip = 0;
    std::vector<WindowHandle> icons;
    // Filled in when "Member Directory" and the message box exist.
    WindowHandle editor = 0, field = 0, save_icon = 0, box = 0, box_button = 0;

    MemoryClient(MemoryDesktop& desktop, ClientOptions options = {});
    MemoryClient(const MemoryClient&) = delete;  // its reactions hold `this`
    MemoryClient& operator=(const MemoryClient&) = delete;
    void open_editor();

private:
    void show_box();
    void build_box_hidden();
    void add_box_button();

    MemoryDesktop& desktop_;
    ClientOptions options_;
};

// Our window's two methods over the memory desktop, as the real window implements them over
// user32; counts its calls.
class MemoryClientMethods final : public ClientMethods {
public:
    MemoryClientMethods(Desktop& desktop, unsigned timeout_ms) : desktop_(desktop), timeout_ms_(timeout_ms) {}
    WindowHandle find_x() override {
        ++find_x_calls;
        const WindowHandle found = aol::find_x(desktop_);
        if (found != 0 && after_find_x) after_find_x(found);
        return found;
    }
    OpenRequest edit_Profile() override {
        ++edit_Profile_calls;
        return aol::edit_Profile(desktop_, timeout_ms_);
    }
    int find_x_calls = 0, edit_Profile_calls = 0;
    // The client or the user acting on the box the moment it has been found.
    std::function<void(WindowHandle box)> after_find_x;

private:
    Desktop& desktop_;
    unsigned timeout_ms_;
};

}  // namespace vandrelle::aol::testing
