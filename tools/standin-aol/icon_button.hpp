#pragma once
// The client's icon button ("_AOL_Icon"): pressed by a left-button-down followed by the release
// of the space key or of the mouse button; a button-down followed by a typed character is a
// menu key. It tells its parent's owner by sending kIconPressed (inside the press) and posting
// kIconKey to `notify`.
#include <windows.h>

namespace standin {

inline constexpr char kIconClass[] = "_AOL_Icon";
inline constexpr UINT kIconPressed = WM_APP + 1;  // wParam: the icon's control id
inline constexpr UINT kIconKey = WM_APP + 2;      // wParam: the id; lParam: the character

class ReceivedLog;

void register_icon_class(HINSTANCE instance, ReceivedLog& log);
// `name` is how the log calls the icon ("icon4", "save").
HWND create_icon(HWND parent, HWND notify, int id, const char* label, const char* name, RECT place);

}  // namespace standin
