#pragma once
// Form1, the program's one window: the preview with its formatting buttons, the spiral-text
// inputs, the macro list and the buttons that add to the preview, clear it and carry it to
// the profile. The window procedure only dispatches to the handlers below, which keep the
// names of the events they answer.
#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "aol/add_to_profile.hpp"
#include "app/win32/colour_dialog.hpp"
#include "app/win32/control_ids.hpp"
#include "app/win32/form_fonts.hpp"
#include "app/win32/graphical_check.hpp"
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
    HWND control(Control control) const;

    // The preview document.
    RichPreview RichTextBox;

    // Add To Profile reaches the client through these (Form1_profile.cpp).
    vandrelle::aol::WindowHandle find_x() override;
    vandrelle::aol::OpenRequest edit_Profile() override;
    // For tests: shorter bounds for Add To Profile's waits.
    void set_profile_limits(const vandrelle::aol::AutomationLimits& limits) { profile_limits_ = limits; }

private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK colour_button_procedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                                    UINT_PTR subclass_id, DWORD_PTR form);
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
    void after_colour_button_message(HWND button, UINT message);
    void show_check(Control button, CheckValue value);
    void take_click(Control button);

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

    std::unique_ptr<ColourDialog> CommonDialog1;
    bool quit_when_closed_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the focus when the window was last active
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::optional<FormFonts> fonts_;
    std::array<HWND, kControlCount> controls_{};
    std::array<CheckIcons, kControlCount> check_icons_{};
    std::array<UINT, kControlCount> colour_button_presses_{};  // MK_ flags pressed on each
    // Add To Profile runs one at a time: a press during a run's waits is ignored.
    vandrelle::aol::AddToProfile profile_run_;
    vandrelle::aol::AutomationLimits profile_limits_;
};

}  // namespace vandrelle::app::win32
