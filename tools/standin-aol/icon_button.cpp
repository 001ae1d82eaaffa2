#include "icon_button.hpp"

#include <string>

#include "standin_log.hpp"

namespace standin {
namespace {

struct Icon {
    HWND notify;
    std::string name;
    bool down = false;  // a button-down came, its release has not
};

ReceivedLog* g_log = nullptr;

Icon* icon_of(HWND window) { return reinterpret_cast<Icon*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

void record(HWND window, UINT message, WPARAM wparam) {
    g_log->add(icon_of(window)->name + " " + message_name(message) + " " + std::to_string(wparam));
}

void paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &area, icon_of(window)->down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    char label[64];
    GetWindowTextA(window, label, sizeof label);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, label, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
}

void set_down(HWND window, bool down) {
    icon_of(window)->down = down;
    InvalidateRect(window, nullptr, TRUE);
}

LRESULT CALLBACK icon_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Icon* icon = icon_of(window);
    const int id = GetDlgCtrlID(window);
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams));
            break;
        case WM_NCDESTROY:
            delete icon;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        case WM_PAINT:
            paint(window);
            return 0;
        case WM_LBUTTONDOWN:
            record(window, message, wparam);
            set_down(window, true);
            return 0;
        case WM_LBUTTONUP:  // a person's click
        case WM_KEYUP:
            if (message == WM_KEYUP) record(window, message, wparam);
            if (icon->down && (message == WM_LBUTTONUP || wparam == VK_SPACE)) {
                set_down(window, false);
                // Handled inside the press, as the client does: a slow save keeps the sender waiting.
                SendMessageA(icon->notify, kIconPressed, static_cast<WPARAM>(id), 0);
            }
            return 0;
        case WM_CHAR:
            record(window, message, wparam);
            if (icon->down) {
                set_down(window, false);
                PostMessageA(icon->notify, kIconKey, static_cast<WPARAM>(id), static_cast<LPARAM>(wparam));
            }
            return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

void register_icon_class(HINSTANCE instance, ReceivedLog& log) {
    g_log = &log;
    WNDCLASSEXA type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = icon_procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_HAND);
    type.lpszClassName = kIconClass;
    RegisterClassExA(&type);
}

HWND create_icon(HWND parent, HWND notify, int id, const char* label, const char* name, RECT place) {
    auto* icon = new Icon{notify, name};
    return CreateWindowExA(0, kIconClass, label, WS_CHILD | WS_VISIBLE, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), icon);
}

}  // namespace standin
