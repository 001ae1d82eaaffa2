#pragma once
// A frame: a captioned box that contains controls. Its children are positioned inside it and
// reached by Tab like the window's own; their notifications go on to the frame's parent.
#include <windows.h>

namespace vandrelle::app::win32 {

inline constexpr wchar_t kFrameClassName[] = L"VandrelleFrame";

// Registers the frame's window class once per process.
bool register_frame_class(HINSTANCE instance);

}  // namespace vandrelle::app::win32
