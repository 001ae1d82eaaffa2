#include "app/win32/frame_window.hpp"

#include "app/win32/window_class.hpp"

namespace vandrelle::app::win32 {
namespace {

// The group box that draws the frame's border and caption fills the frame; the form puts it
// below the frame's controls, so it never paints over them.
HWND group_box_of(HWND frame) { return reinterpret_cast<HWND>(GetWindowLongPtrW(frame, GWLP_USERDATA)); }

LRESULT CALLBACK frame_procedure(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
            HWND box = CreateWindowExW(0, L"BUTTON", create->lpszName,
                                       WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, create->cx,
                                       create->cy, frame, nullptr, create->hInstance, nullptr);
            SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
            return box ? 0 : -1;
        }
        case WM_SIZE:
            SetWindowPos(group_box_of(frame), nullptr, 0, 0, LOWORD(lparam), HIWORD(lparam), SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        case WM_SETFONT:
            SendMessageW(group_box_of(frame), WM_SETFONT, wparam, lparam);
            return 0;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_NEXTDLGCTL:
            // The frame is only a container: the form handles its children's events.
            return SendMessageW(GetParent(frame), message, wparam, lparam);
        default:
            return DefWindowProcW(frame, message, wparam, lparam);
    }
}

}  // namespace

bool register_frame_class(HINSTANCE instance) {
    return register_window_class(instance, {kFrameClassName, frame_procedure});
}

}  // namespace vandrelle::app::win32
