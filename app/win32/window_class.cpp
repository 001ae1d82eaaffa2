#include "app/win32/window_class.hpp"

namespace vandrelle::app::win32 {

bool register_window_class(HINSTANCE instance, const WindowClass& wanted) {
    WNDCLASSEXW window_class{};
    if (GetClassInfoExW(instance, wanted.name, &window_class)) return true;
    window_class.cbSize = sizeof window_class;
    window_class.style = wanted.style;
    window_class.lpfnWndProc = wanted.procedure;
    window_class.hInstance = instance;
    window_class.hIcon = wanted.icon;
    window_class.hIconSm = wanted.small_icon;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = wanted.background;
    window_class.lpszClassName = wanted.name;
    return RegisterClassExW(&window_class) != 0;
}

}  // namespace vandrelle::app::win32
