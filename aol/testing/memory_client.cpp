#include "aol/testing/memory_client.hpp"

#include <string>

#include "aol/window_vocabulary.hpp"

namespace vandrelle::aol::testing {

MemoryClient::MemoryClient(MemoryDesktop& desktop, ClientOptions options) : desktop_(desktop), options_(options) {
    // The client capitalises its classes its own way; the automation's searches ignore case.
    frame = desktop.add_window("AOL Frame25", "America Online");
    toolbar = desktop.add_window("AOL Toolbar", "", frame);
    strip = desktop.add_window("_AOL_Toolbar", "", toolbar);
    for (int n = 0; n < options.toolbar_icons; ++n) icons.push_back(desktop.add_window("_AOL_Icon", "", strip));
    area = desktop.add_window("MDIClient", "", frame);
    for (int n = 0; n < options.inner_windows; ++n) {
        desktop.add_window("AOL Child", "Welcome " + std::to_string(n), area);
    }
    if (options.editor_open) open_editor();

    if (icons.size() >= 4 && options.opens_editor) {
        const WindowHandle fourth = icons[3];
        desktop.when([this, fourth](const Delivery& d) {
            return d.window == fourth && d.message == message::kChar && d.wparam == kProfileMenuKey &&
                   desktop_.received_by(fourth).front().message == message::kLeftButtonDown;
        }, [this] { open_editor(); }, options.editor_opens_after_pumps);
    }
}

void MemoryClient::open_editor() {
    if (editor != 0) return;
    editor = desktop_.add_window("AOL Child", std::string(caption::kMemberDirectory), area);
    desktop_.bring_to_top(editor);
    field = desktop_.add_window("RICHCNTL", "old profile", editor);
    if (!options_.editor_has_icons) return;
    save_icon = desktop_.add_window("_AOL_Icon", "", editor);
    desktop_.add_window("_AOL_Icon", "", editor);
    if (options_.slow_save) desktop_.set_slow(save_icon, message::kKeyUp);
    if (!options_.answers) return;
    const WindowHandle pressed = save_icon;
    desktop_.when([this, pressed](const Delivery& d) {
        return d.window == pressed && d.message == message::kKeyUp && d.wparam == kSpaceKey;
    }, [this] { options_.box_built_hidden ? build_box_hidden() : show_box(); }, options_.box_appears_after_pumps);
}

void MemoryClient::show_box() {
    box = desktop_.add_window("#32770", "America Online");
    desktop_.bring_to_top(box);
    desktop_.add_window("Static", "Your profile has been updated.", box);
    add_box_button();
}

// As the platform's message box is built: hidden, with a button it throws away before it
// shows itself with its real one.
void MemoryClient::build_box_hidden() {
    box = desktop_.add_window("#32770", "America Online");
    desktop_.set_visible(box, false);
    desktop_.bring_to_top(box);
    desktop_.add_window("Static", "Your profile has been updated.", box);
    const WindowHandle throwaway = desktop_.add_window("Button", "Retry", box);
    desktop_.at_pump(desktop_.pumps() + 3, [this, throwaway] {
        desktop_.remove_window(throwaway);
        add_box_button();
        desktop_.set_visible(box, true);
    });
}

void MemoryClient::add_box_button() {
    box_button = desktop_.add_window("Button", "OK", box);
    const WindowHandle button = box_button, dialog = box;
    desktop_.when([button](const Delivery& d) {
        return d.window == button && d.message == message::kKeyUp && d.posted;
    }, [this, dialog] { desktop_.remove_window(dialog); });
}

}  // namespace vandrelle::aol::testing
