// Form1 as a window: its class, the controls made from the layout table, DPI scaling, focus,
// and the dispatch of messages to the event handlers.
#include "app/win32/Form1.hpp"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/win32/check_names.hpp"
#include "app/win32/form_layout.hpp"
#include "app/win32/frame_window.hpp"
#include "app/win32/res/resource_ids.h"

namespace vandrelle::app::win32 {

namespace {

constexpr wchar_t kFormClassName[] = L"VandrelleForm1";
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;  // fixed size, no min/max
constexpr DWORD kFormExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;                  // small caption, no task-bar button
constexpr UINT_PTR kColourButtonSubclass = 1;
constexpr int kDroppedListRows = 12;

struct WindowShape {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

WindowShape shape_of(const ControlRow& row) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (row.kind) {
        case ControlKind::Frame: return {kFrameClassName, child, WS_EX_CONTROLPARENT};
        case ControlKind::RichText:
            return {RichPreview::window_class(),
                    child | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                        ES_WANTRETURN | ES_NOHIDESEL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::GraphicalCheck:
            return {L"BUTTON", child | WS_TABSTOP | graphical_check_style(*graphical_check_look(row.control)), 0};
        case ControlKind::PushButton: return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::DropDownList: return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ControlKind::SortedDropDownList:
            return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0};
        case ControlKind::TextBox: return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ColourDialog: break;
    }
    return {nullptr, 0, 0};
}

bool register_form_class(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW window_class{};
    if (GetClassInfoExW(instance, kFormClassName, &window_class)) return true;
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANDRELLE));
    window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VANDRELLE), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = kFormClassName;
    return RegisterClassExW(&window_class) != 0;
}

// MK_LBUTTON, MK_RBUTTON or MK_MBUTTON for a press or release of that mouse button, else 0.
UINT mouse_button_of(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: return MK_LBUTTON;
        case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: return MK_RBUTTON;
        case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: return MK_MBUTTON;
        default: return 0;
    }
}

bool is_mouse_release(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

SIZE window_size_for_client(int dpi) {
    RECT frame{0, 0, twips_to_pixels(kClientWidthTwips, dpi), twips_to_pixels(kClientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&frame, kFormStyle, FALSE, kFormExStyle, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

Form1::Form1() : Form1(std::make_unique<StandardColourDialog>(), true) {}

Form1::Form1(std::unique_ptr<ColourDialog> colour_dialog, bool quit_when_closed)
    : CommonDialog1(std::move(colour_dialog)), quit_when_closed_(quit_when_closed) {}

Form1::~Form1() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Form1::Create(HINSTANCE instance) {
    instance_ = instance;
    if (!register_form_class(instance, &Form1::window_procedure) || !register_frame_class(instance)) return false;
    dpi_ = static_cast<int>(GetDpiForSystem());
    const SIZE size = window_size_for_client(dpi_);
    if (!CreateWindowExW(kFormExStyle, kFormClassName, kFormCaption, kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                         size.cy, nullptr, nullptr, instance, this))
        return false;
    Form_Load();
    return true;
}

void Form1::Show(int show_command) {
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
}

HWND Form1::control(Control control) const {
    // The preview may have replaced its control since the window was made.
    if (control == Control::RichTextBox && RichTextBox.hwnd()) return RichTextBox.hwnd();
    return controls_[static_cast<std::size_t>(control_index(control))];
}

LRESULT CALLBACK Form1::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // `this` rides in with the creation and is kept on the window from its first message.
    if (message == WM_NCCREATE) {
        auto* creating = static_cast<Form1*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
        creating->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return form->handle_message(message, wparam, lparam);
}

LRESULT Form1::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: return OnCreate() ? 0 : -1;
        case WM_COMMAND: OnCommand(LOWORD(wparam), HIWORD(wparam)); return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
        case WM_ACTIVATE: OnActivate(LOWORD(wparam)); return 0;
        case WM_NEXTDLGCTL: OnNextDlgCtl(wparam, LOWORD(lparam) != 0); return 0;
        case WM_DPICHANGED: OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam)); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
        default: return DefWindowProcW(hwnd_, message, wparam, lparam);
    }
}

// Makes every control of the layout table, places it for the window's DPI and sets the tab
// order. The window is still hidden.
bool Form1::OnCreate() {
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
    const SIZE size = window_size_for_client(dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fonts_.emplace(dpi_);
    if (!create_controls()) return false;
    place_controls();
    order_tabs();
    add_tooltips();
    name_check_boxes([this](Control which) { return control(which); });
    attach_keyboard();
    focus_ = control(Control::textLine);
    return true;
}

bool Form1::create_controls() {
    for (const ControlRow& row : kFormLayout) {
        const WindowShape shape = shape_of(row);
        if (!shape.class_name) continue;  // the colour dialog has no window on the form
        HWND parent = row.container == kWindowClientArea ? hwnd_ : control(row.container);
        HWND window = CreateWindowExW(shape.ex_style, shape.class_name, row.caption, shape.style, 0, 0, 0, 0, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(row.control))),
                                      instance_, nullptr);
        if (!window) return false;
        controls_[static_cast<std::size_t>(control_index(row.control))] = window;
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->font_for(row.font)), FALSE);
    }
    RichTextBox.Attach(control(Control::RichTextBox));
    // The text box takes any length of text.
    SendMessageW(control(Control::textLine), EM_SETLIMITTEXT, 0, 0);
    for (const GraphicalCheckLook& look : kGraphicalChecks) {
        check_icons_[static_cast<std::size_t>(control_index(look.control))] = CheckIcons(look.glyph, dpi_);
        show_check(look.control, CheckValue::Unchecked);
        if (!look.three_state)
            SetWindowSubclass(control(look.control), &Form1::colour_button_procedure, kColourButtonSubclass,
                              reinterpret_cast<DWORD_PTR>(this));
    }
    return true;
}

// Positions every control from the table at the current DPI.
void Form1::place_controls() {
    for (const ControlRow& row : kFormLayout) {
        HWND window = control(row.control);
        if (!window) continue;
        int height = twips_to_pixels(row.height_twips, dpi_);
        const bool is_list = row.kind == ControlKind::DropDownList || row.kind == ControlKind::SortedDropDownList;
        if (is_list) {
            // A drop-down list's window height is its dropped height; the closed field gets
            // the table's height through the height of its selection row.
            const auto row_height = static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, 0, 0));
            SendMessageW(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(height - 6, 1));
            height += row_height * kDroppedListRows + 2;
        }
        SetWindowPos(window, nullptr, twips_to_pixels(row.left_twips, dpi_), twips_to_pixels(row.top_twips, dpi_),
                     twips_to_pixels(row.width_twips, dpi_), height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Dialog navigation follows the z-order of siblings, so each container's children are stacked
// in the table's tab order.
void Form1::order_tabs() {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : kFormLayout)
        if (control(row.control)) rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(), [](const ControlRow* a, const ControlRow* b) { return a->tab_index < b->tab_index; });
    std::array<HWND, kControlCount + 1> previous{};  // per container: the control last stacked
    for (const ControlRow* row : rows) {
        HWND& above = previous[static_cast<std::size_t>(control_index(row->container))];
        SetWindowPos(control(row->control), above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control(row->control);
    }
}

void Form1::add_tooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    if (!tooltip_) return;
    for (const GraphicalCheckLook& look : kGraphicalChecks) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(control(look.control));
        tool.uId = reinterpret_cast<UINT_PTR>(control(look.control));
        tool.lpszText = const_cast<wchar_t*>(look.tooltip);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Form1::show_check(Control button, CheckValue value) {
    show_check_value(control(button), value, check_icons_[static_cast<std::size_t>(control_index(button))]);
}

// The formatting buttons change value only here: a click checks them, or unchecks a checked one.
void Form1::take_click(Control button) { show_check(button, value_after_click(check_value(control(button)))); }

void Form1::OnCommand(int id, int code) {
    if (id == control_id(Control::cmboMacros)) {
        OnMacroListCommand(code);
        return;
    }
    if (code != BN_CLICKED) return;
    PendingUndo undo = begin_undo(static_cast<Control>(id - kFirstControlId));
    switch (static_cast<Control>(id - kFirstControlId)) {
        case Control::chkBold: take_click(Control::chkBold); chkBold_Click(); break;
        case Control::chkItalics: take_click(Control::chkItalics); chkItalics_Click(); break;
        case Control::chkUline: take_click(Control::chkUline); chkUline_Click(); break;
        case Control::cmdClear: cmdClear_Click(); break;
        case Control::Command1: Command1_Click(); break;
        case Control::Command2: Command2_Click(); break;
        case Control::Command3: Command3_Click(); break;
        default: break;
    }
    finish_undo(std::move(undo));
}

LRESULT Form1::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == control(Control::RichTextBox) && header.code == EN_SELCHANGE) RichTextBox_SelChange();
    if (header.hwndFrom == control(Control::RichTextBox) && header.code == EN_MSGFILTER) return OnPreviewInput(header);
    return 0;
}

// The focus comes back to where it was when the window is activated again; the first time,
// to the spiral text box.
void Form1::OnActivate(WORD state) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
    } else if (focus_) {
        SetFocus(focus_);
    }
}

// The preview asks for the next control itself when Tab is pressed in it, as in a dialog.
void Form1::OnNextDlgCtl(WPARAM which, bool is_handle) {
    HWND next = is_handle ? reinterpret_cast<HWND>(which) : GetNextDlgTabItem(hwnd_, GetFocus(), which != 0);
    if (next) SetFocus(next);
}

void Form1::OnDpiChanged(int dpi, const RECT& suggested) {
    picture_popup_.Hide();  // it draws with the font about to be replaced
    dpi_ = dpi;
    fonts_.emplace(dpi_);
    for (const ControlRow& row : kFormLayout)
        if (HWND window = control(row.control))
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->font_for(row.font)), TRUE);
    for (const GraphicalCheckLook& look : kGraphicalChecks) {
        // The button shows the new icons before the old ones (held by `previous`) are freed.
        CheckIcons previous(look.glyph, dpi_);
        std::swap(previous, check_icons_[static_cast<std::size_t>(control_index(look.control))]);
        show_check(look.control, check_value(control(look.control)));
    }
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    place_controls();
}

void Form1::OnDestroy() {
    for (const GraphicalCheckLook& look : kGraphicalChecks)
        if (!look.three_state)
            RemoveWindowSubclass(control(look.control), &Form1::colour_button_procedure, kColourButtonSubclass);
    if (quit_when_closed_) PostQuitMessage(0);
}

LRESULT CALLBACK Form1::colour_button_procedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                DWORD_PTR form) {
    // The button's own handling first: a left release toggles it and frees the pointer.
    const LRESULT result = DefSubclassProc(button, message, wparam, lparam);
    reinterpret_cast<Form1*>(form)->after_colour_button_message(button, message);
    return result;
}

// The colour buttons answer a mouse button released after it was pressed on them, whichever
// button it was. The keyboard only toggles their look.
void Form1::after_colour_button_message(HWND button, UINT message) {
    const UINT mouse_button = mouse_button_of(message);
    if (!mouse_button) return;
    const auto which = static_cast<Control>(GetDlgCtrlID(button) - kFirstControlId);
    UINT& pressed = colour_button_presses_[static_cast<std::size_t>(control_index(which))];
    // The button captures only the left mouse button by itself; the others are followed here
    // so that their release reaches the button wherever the pointer is.
    if (!is_mouse_release(message)) {
        pressed |= mouse_button;
        if (mouse_button != MK_LBUTTON) SetCapture(button);
        return;
    }
    if (mouse_button != MK_LBUTTON && GetCapture() == button) ReleaseCapture();
    if (!(pressed & mouse_button)) return;
    pressed &= ~mouse_button;
    PendingUndo undo = begin_undo(which);
    if (which == Control::chkColor) chkColor_MouseUp();
    if (which == Control::chkColor2) chkColor2_MouseUp();
    finish_undo(std::move(undo));
}

}  // namespace vandrelle::app::win32
