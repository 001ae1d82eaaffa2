// Add To Profile and the two public methods it uses: thin adapters from the window to the
// automation in aol/, over the real desktop.
#include <string>

#include "app/win32/Form1.hpp"
#include "app/win32/message_box.hpp"
#include "aol/add_to_profile.hpp"
#include "aol/profile_editor.hpp"
#include "aol/outcome_texts.hpp"
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

// The desktop as the automation sees it from our window: the window owns the clipboard while
// it is used, and during every wait its messages run through the window's own route.
vandrelle::aol::win32::User32Desktop desktop_of(Form1& form) {
    return vandrelle::aol::win32::User32Desktop(form.hwnd(), [&form](MSG& message) { form.RouteMessage(message); });
}

}  // namespace

vandrelle::aol::WindowHandle Form1::find_x() {
    vandrelle::aol::win32::User32Desktop desktop = desktop_of(*this);
    return vandrelle::aol::find_x(desktop);
}

vandrelle::aol::OpenRequest Form1::edit_Profile() {
    vandrelle::aol::win32::User32Desktop desktop = desktop_of(*this);
    return vandrelle::aol::edit_Profile(desktop, profile_limits_.send_timeout_ms);
}

// Carries the preview's text and the credit line into the client's "Member Directory" window,
// or tells the user why it could not.
void Form1::Command3_Click() {
    vandrelle::aol::win32::User32Desktop desktop = desktop_of(*this);
    PreviewForProfile preview(RichTextBox);
    const vandrelle::aol::ProfileOutcome outcome = profile_run_.Run(desktop, *this, preview, profile_limits_);
    if (desktop.quit_seen() || !IsWindow(hwnd_)) return;
    auto show = [this](const vandrelle::aol::OutcomeText& text) {
        const UINT icon = text.icon == vandrelle::aol::TextIcon::Information ? MB_ICONINFORMATION : MB_ICONWARNING;
        show_prompt(hwnd_, text.prompt, text.title, icon);
    };
    if (const auto shown = vandrelle::aol::outcome_text(outcome)) show(*shown);
    if (outcome != vandrelle::aol::ProfileOutcome::AlreadyRunning && profile_run_.text_left_on_clipboard()) {
        show(vandrelle::aol::text_left_on_clipboard_text());
    }
}

}  // namespace vandrelle::app::win32
