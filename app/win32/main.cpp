// Vandrelle.exe: makes the one window and runs its messages until it closes.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/Form1.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    vandrelle::app::win32::Form1 form;
    if (!form.Create(instance)) return 1;
    form.Show(show_command);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) form.RouteMessage(message);
    return static_cast<int>(message.wParam);
}
