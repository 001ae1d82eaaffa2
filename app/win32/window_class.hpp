#pragma once
// Registering the window's own window classes (the form's and the frame's): once per process,
// with the arrow cursor and the dialog background that both share.
#include <windows.h>

namespace vandrelle::app::win32 {

struct WindowClass {
    const wchar_t* name;
    WNDPROC procedure;
    HICON icon = nullptr;        // the title bar's and Alt+Tab's; none for a child
    HICON small_icon = nullptr;
};

// True once the class exists, whether registered now or earlier.
bool register_window_class(HINSTANCE instance, const WindowClass& window_class);

}  // namespace vandrelle::app::win32
