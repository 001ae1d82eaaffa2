#pragma once
// Registering the program's own window classes (the form's, the frame's and the picture
// popup's): once per process, with the arrow cursor.
#include <windows.h>

namespace vandrelle::app::win32 {

struct WindowClass {
    const wchar_t* name;
    WNDPROC procedure;
    HICON icon = nullptr;        // the title bar's and Alt+Tab's; none for a child
    HICON small_icon = nullptr;
    UINT style = 0;  // class styles, such as CS_DROPSHADOW
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);  // the dialog's, unless told
};

// True once the class exists, whether registered now or earlier.
bool register_window_class(HINSTANCE instance, const WindowClass& window_class);

}  // namespace vandrelle::app::win32
