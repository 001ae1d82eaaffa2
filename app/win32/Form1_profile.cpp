// Add To Profile and the two public methods it uses: thin adapters from the window to the
// automation in aol/, over the real desktop.
#include <cstdlib>
#include <string>

#include "app/win32/Form1.hpp"
#include "app/win32/message_box.hpp"
#include "aol/add_to_profile.hpp"
#include "aol/profile_editor.hpp"
#include "aol/profile_messages.hpp"
#include "aol/win32/user32_desktop.hpp"

namespace vandrelle::app::win32 {

namespace {

// The preview as Add To Profile sees it.
class PreviewForProfile final : public vandrelle::aol::ProfilePreview {
public:
    explicit PreviewForProfile(RichPreview& preview) : preview_(preview) {}
    std::u16string Text() const override { return preview_.Text(); }
    std::size_t TextLength() const override { return preview_.TextLength(); }
    void SetSelStart(long start) override { preview_.SetSelStart(start); }
    void SetSelLength(long length) override { preview_.SetSelLength(length); }
    std::u16string SelText() const override { return preview_.SelText(); }

private:
    RichPreview& preview_;
};

// The waits' bounds; VANDRELLE_AOL_WAIT_SECONDS shortens them for tests that drive the program
// from outside.
vandrelle::aol::AutomationLimits limits_from_environment() {
    vandrelle::aol::AutomationLimits limits;
    if (const char* text = std::getenv("VANDRELLE_AOL_WAIT_SECONDS")) {
        const double seconds = std::strtod(text, nullptr);
        if (seconds > 0 && seconds <= 600) {
            limits.wait_seconds = seconds;
            limits.send_timeout_ms = static_cast<unsigned>(seconds * 1000 < 5000 ? seconds * 1000 : 5000);
        }
    }
    return limits;
}

}  // namespace

HWND Form1::find_x() {
    vandrelle::aol::win32::User32Desktop desktop(hwnd_);
    return vandrelle::aol::win32::to_hwnd(vandrelle::aol::find_x(desktop));
}

void Form1::edit_Profile() {
    vandrelle::aol::win32::User32Desktop desktop(hwnd_);
    vandrelle::aol::edit_Profile(desktop, vandrelle::aol::AutomationLimits{}.send_timeout_ms);
}

// Carries the preview's text and the credit line into the client's "Member Directory" window,
// or tells the user why it could not.
void Form1::Command3_Click() {
    vandrelle::aol::win32::User32Desktop desktop(hwnd_);
    PreviewForProfile preview(RichTextBox);
    const vandrelle::aol::ProfileOutcome outcome = profile_run_.Run(desktop, preview, limits_from_environment());
    if (desktop.quit_seen() || !IsWindow(hwnd_)) return;
    if (const auto shown = vandrelle::aol::message_for(outcome)) {
        const UINT icon = shown->icon == vandrelle::aol::MessageIcon::Information ? MB_ICONINFORMATION : MB_ICONWARNING;
        show_prompt(hwnd_, shown->prompt, shown->title, icon);
    }
}

}  // namespace vandrelle::app::win32
