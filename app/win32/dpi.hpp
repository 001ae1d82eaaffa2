#pragma once
// The DPI of the system and of a window, and window sizes for a DPI, on every Windows from 7 SP1
// on. The per-monitor functions of later Windows are looked up at run time: importing them
// would stop the loader from starting the program on older systems.
#include <windows.h>

namespace vandrelle::app::win32 {

// The DPI of the system (the primary monitor's when the process became DPI aware).
int system_dpi();

// The DPI `window` is drawn at: its monitor's on systems with per-monitor awareness (8.1 on),
// the system's before.
int window_dpi(HWND window);

// Grows the client rectangle `rect` to the window rectangle for `style` and `ex_style` (no
// menu) at `dpi`. Before Windows 10 (1607) the frame has the system's metrics whatever `dpi` is,
// as the system draws it so.
bool adjust_window_rect_for_dpi(RECT& rect, DWORD style, DWORD ex_style, int dpi);

}  // namespace vandrelle::app::win32
