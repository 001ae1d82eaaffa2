// Form1 as a window: its class, the controls made from the layout table, DPI scaling, focus,
// and the dispatch of messages to the event handlers.
#include "app/win32/Form1.hpp"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/win32/dpi.hpp"
#include "app/win32/form_layout.hpp"
#include "app/win32/frame_window.hpp"
#include "app/win32/res/resource_ids.h"
#include "app/win32/window_class.hpp"

namespace vandrelle::app::win32 {

namespace {

constexpr wchar_t kFormClassName[] = L"VandrelleForm1";
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;  // fixed size, no min/max
constexpr DWORD kFormExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;                  // small caption, no task-bar button
constexpr int kDroppedListRows = 12;

struct WindowShape {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

// The class and styles of each kind of control; the preview keeps its own for a pane that
// replaces it.
WindowShape shape_of(const ControlRow& row) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (row.kind) {
        case ControlKind::Frame: return {kFrameClassName, child, WS_EX_CONTROLPARENT};
        case ControlKind::RichText:
            // No drag and drop: a drop from another program would bring its formatting and
            // pass by the preview's capacity.
            return {RichPreview::window_class(),
                    child | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                        ES_WANTRETURN | ES_NOHIDESEL | ES_NOOLEDRAGDROP,
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
    return register_window_class(
        instance, {kFormClassName, procedure, LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANDRELLE)),
                   static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VANDRELLE), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0))});
}

// A drop-down list's window is as tall as its closed field.
int closed_height(HWND list) {
    RECT place;
    GetWindowRect(list, &place);
    return place.bottom - place.top;
}

// What the borders of the dropped list add to the height of its rows, as the control draws them.
int dropped_list_border(HWND list) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(list, &info) || !info.hwndList) return 2;
    RECT outer, inner;
    GetWindowRect(info.hwndList, &outer);
    GetClientRect(info.hwndList, &inner);
    return (outer.bottom - outer.top) - inner.bottom;
}

SIZE window_size_for_client(int dpi) {
    RECT frame{0, 0, twips_to_pixels(kClientWidthTwips, dpi), twips_to_pixels(kClientHeightTwips, dpi)};
    adjust_window_rect_for_dpi(frame, kFormStyle, kFormExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

Form1::Form1() : Form1(std::make_unique<StandardColourDialog>(), true) {}

Form1::Form1(std::unique_ptr<ColourDialog> colour_dialog, bool quit_when_closed)
    : CommonDialog1(std::move(colour_dialog)),
      quit_when_closed_(quit_when_closed),
      checks_([this](Control button) {
          PendingUndo undo = begin_undo(button);
          if (button == Control::chkColor) chkColor_MouseUp();
          if (button == Control::chkColor2) chkColor2_MouseUp();
          finish_undo(std::move(undo));
      }) {}

Form1::~Form1() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Form1::Create(HINSTANCE instance) {
    instance_ = instance;
    if (!register_form_class(instance, &Form1::window_procedure) || !register_frame_class(instance)) return false;
    dpi_ = system_dpi();
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
        // The picture beside the macro list would stay behind where the window was.
        case WM_ENTERSIZEMOVE:
        case WM_MOVE: picture_popup_.Hide(); return DefWindowProcW(hwnd_, message, wparam, lparam);
        default: return DefWindowProcW(hwnd_, message, wparam, lparam);
    }
}

// Makes every control of the layout table, places it for the window's DPI and sets the tab
// order. The window is still hidden.
bool Form1::OnCreate() {
    dpi_ = window_dpi(hwnd_);
    const SIZE size = window_size_for_client(dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fonts_ = std::make_unique<FormFonts>(dpi_);
    if (!create_controls()) return false;
    place_controls();
    order_tabs();
    add_tooltips();
    attach_keyboard();
    focus_ = Control::textLine;
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
        // The preview's font is its base format, in points; the others take the form's fonts.
        if (row.kind == ControlKind::RichText) {
            RichTextBox.Attach(window, shape.style, shape.ex_style);  // the preview keeps its own handle
        } else {
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->font_for(row.font)), FALSE);
            controls_[static_cast<std::size_t>(control_index(row.control))] = window;
        }
        if (row.kind == ControlKind::GraphicalCheck) checks_.attach(row.control, window, dpi_);
    }
    // The text box takes any length of text.
    SendMessageW(control(Control::textLine), EM_SETLIMITTEXT, 0, 0);
    return true;
}

// Positions every control from the table at the current DPI.
void Form1::place_controls() {
    for (const ControlRow& row : kFormLayout) {
        HWND window = control(row.control);
        if (!window) continue;
        int height = twips_to_pixels(row.height_twips, dpi_);
        const bool is_list = row.kind == ControlKind::DropDownList || row.kind == ControlKind::SortedDropDownList;
        const int closed = height;
        if (is_list) {
            // A drop-down list's window height is its dropped height; the closed field gets
            // the table's height through the height of its selection row. The field's borders
            // differ between systems and DPIs, so a first guess is corrected by what shows.
            const auto row_height = static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, 0, 0));
            const int selection_row = std::max(height - MulDiv(6, dpi_, USER_DEFAULT_SCREEN_DPI), 1);
            SendMessageW(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), selection_row);
            const int shown = closed_height(window);
            if (shown != closed)
                SendMessageW(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(selection_row + closed - shown, 1));
            height += row_height * kDroppedListRows + dropped_list_border(window);
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
        tool.lpszText = const_cast<wchar_t*>(look.name);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Form1::OnCommand(int id, int code) {
    if (id == control_id(Control::cmboMacros)) {
        OnMacroListCommand(code);
        return;
    }
    if (code != BN_CLICKED) return;
    // The colour buttons act on the mouse's release, which records their undo step itself.
    if (id == control_id(Control::chkColor) || id == control_id(Control::chkColor2)) return;
    PendingUndo undo = begin_undo(static_cast<Control>(id - kFirstControlId));
    switch (static_cast<Control>(id - kFirstControlId)) {
        case Control::chkBold: checks_.take_click(Control::chkBold); chkBold_Click(); break;
        case Control::chkItalics: checks_.take_click(Control::chkItalics); chkItalics_Click(); break;
        case Control::chkUline: checks_.take_click(Control::chkUline); chkUline_Click(); break;
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
        if (HWND focus = GetFocus())
            for (const ControlRow& row : kFormLayout) {
                HWND window = control(row.control);
                const bool inside = row.kind != ControlKind::Frame && window && IsChild(window, focus);
                if (window && (focus == window || inside)) focus_ = row.control;
            }
    } else if (HWND window = control(focus_)) {
        SetFocus(window);
    }
}

// The preview asks for the next control itself when Tab is pressed in it, as in a dialog.
void Form1::OnNextDlgCtl(WPARAM which, bool is_handle) {
    HWND next = is_handle ? reinterpret_cast<HWND>(which) : GetNextDlgTabItem(hwnd_, GetFocus(), which != 0);
    if (next) SetFocus(next);
}

// Fonts and icons for the new DPI, then the layout scaled to it. The preview's text keeps its
// character formatting: its base format is in points, and a new font would replace all of it.
void Form1::OnDpiChanged(int dpi, const RECT& suggested) {
    picture_popup_.Hide();  // it draws with the font about to be replaced
    dpi_ = dpi;
    // The controls take the new fonts before the old ones are deleted.
    auto previous_fonts = std::exchange(fonts_, std::make_unique<FormFonts>(dpi_));
    for (const ControlRow& row : kFormLayout)
        if (HWND window = control(row.control); window && row.kind != ControlKind::RichText)
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->font_for(row.font)), TRUE);
    checks_.set_dpi(dpi_);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    place_controls();
}

void Form1::OnDestroy() {
    if (quit_when_closed_) PostQuitMessage(0);
}

}  // namespace vandrelle::app::win32
