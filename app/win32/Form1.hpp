#pragma once
// Form1, the program's one window: the preview with its formatting buttons, the spiral-text
// inputs, the macro list and the buttons that add to the preview, clear it and carry it to
// the profile. The window procedure only dispatches to the handlers below, which keep the
// names of the events they answer.
#include <windows.h>

#include <array>
#include <memory>

#include "aol/add_to_profile.hpp"
#include "app/preview_keys.hpp"
#include "app/win32/colour_dialog.hpp"
#include "app/win32/control_ids.hpp"
#include "app/win32/form_fonts.hpp"
#include "app/win32/graphical_check.hpp"
#include "app/win32/picture_popup.hpp"
#include "app/win32/preview_menu.hpp"
#include "app/win32/preview_undo.hpp"
#include "app/win32/rich_preview.hpp"

namespace vandrelle::app::win32 {

class Form1 final : public vandrelle::aol::ClientMethods {
public:
    // The standard colour dialog, and the program ends when the window closes.
    Form1();
    // For tests: a stand-in colour dialog, and a window whose closing leaves the thread running.
    Form1(std::unique_ptr<ColourDialog> colour_dialog, bool quit_when_closed);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window, hidden, with all its controls, and runs Form_Load.
    bool Create(HINSTANCE instance);
    void Show(int show_command);
    HWND hwnd() const { return hwnd_; }
    // The preview's handle is the preview's own: it may replace its control (RichPreview::hwnd).
    HWND control(Control control) const {
        if (control == Control::RichTextBox) return RichTextBox.hwnd();
        return controls_[static_cast<std::size_t>(control_index(control))];
    }

    // The preview document.
    RichPreview RichTextBox;

    // The message route (Form1_message_route.cpp). Ctrl+Z and Ctrl+Y pressed on a button or list of the window (right after pressing Clear,
    // say) undo and redo as in the preview. Returns whether it took the message, which the
    // message loop then leaves alone.
    bool TranslateShortcut(const MSG& message);
    // Handles one message of the thread as the window wants it: its shortcuts first, then Tab
    // and the arrow keys between its controls as in a dialog, else the usual translation and
    // dispatch. The program's message loop and Add To Profile's waits both run messages here.
    void RouteMessage(MSG& message);

    // For tests: a stand-in for the preview's edit menu.
    void SetEditMenu(std::unique_ptr<EditMenuPopup> menu);

    // Add To Profile reaches the client through these (Form1_profile.cpp).
    vandrelle::aol::WindowHandle find_x() override;
    vandrelle::aol::OpenRequest edit_Profile() override;
    // For tests: shorter bounds for Add To Profile's waits.
    void set_profile_limits(const vandrelle::aol::AutomationLimits& limits) { profile_limits_ = limits; }

private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

    // Building the window from the layout table (Form1_window.cpp).
    bool OnCreate();
    bool create_controls();
    void place_controls();
    void order_tabs();
    void add_tooltips();
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    void OnActivate(WORD state);
    void OnNextDlgCtl(WPARAM which, bool is_handle);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnDestroy();

    // Event handlers (Form1_events.cpp).
    void Form_Load();
    void chkBold_Click();
    void chkItalics_Click();
    void chkUline_Click();
    void chkColor_MouseUp();
    void chkColor2_MouseUp();
    void cmdClear_Click();
    void RichTextBox_SelChange();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();  // Form1_profile.cpp

    // The preview's shortcuts and Enter in the spiral text box (Form1_keyboard.cpp).
    void attach_keyboard();
    LRESULT OnPreviewInput(const NMHDR& header);
    // A key with the modifiers (Ctrl, Shift, Alt) held down as it is pressed.
    static vandrelle::app::KeyPress key_press(WPARAM key);
    void run_preview_key(vandrelle::app::PreviewKey key);
    void press(Control button);
    void notify_click(Control button);  // a BN_CLICKED of the button, through the window procedure
    static LRESULT CALLBACK text_line_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                                UINT_PTR subclass_id, DWORD_PTR form);

    // The preview's edit menu and its commands (Form1_edit_menu.cpp).
    void show_edit_menu(std::optional<POINT> screen_point);
    void run_edit_command(vandrelle::app::EditCommand command);

    // Undo and redo of the tool's actions on the preview (Form1_undo.cpp).
    PendingUndo begin_undo(Control source);
    void finish_undo(PendingUndo pending);
    void undo_in_preview();
    void redo_in_preview();

    // The picture beside the macro list (Form1_picture_popup.cpp).
    void OnMacroListCommand(int code);
    void show_macro_picture(LRESULT row);
    static LRESULT CALLBACK dropped_list_procedure(HWND dropped, UINT message, WPARAM wparam, LPARAM lparam,
                                                   UINT_PTR subclass_id, DWORD_PTR form);

    std::unique_ptr<ColourDialog> CommonDialog1;
    bool quit_when_closed_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    // The control that had the focus when the window was last active, by name: a handle could
    // outlive a replaced preview.
    Control focus_ = Control::textLine;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<FormFonts> fonts_;
    std::array<HWND, kControlCount> controls_{};  // all but the preview, which keeps its own
    GraphicalChecks checks_;
    // Add To Profile runs one at a time: a press during a run's waits is ignored.
    vandrelle::aol::AddToProfile profile_run_;
    std::unique_ptr<EditMenuPopup> edit_menu_ = std::make_unique<StandardEditMenu>();
    PreviewUndo undo_{RichTextBox};
    PicturePopup picture_popup_;
    bool swallow_control_char_ = false;  // a Ctrl shortcut's character is still to come
    vandrelle::aol::AutomationLimits profile_limits_;
};

}  // namespace vandrelle::app::win32
