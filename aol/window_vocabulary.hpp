#pragma once
// Every window class and caption the automation searches for, and every message it sends.
// Classes match without regard to case; captions must equal a window's whole caption.
#include <string_view>

namespace vandrelle::aol {

namespace window_class {
inline constexpr std::string_view kFrame = "aol frame25";       // the client's main window
inline constexpr std::string_view kMdiArea = "mdiclient";       // holds the inner windows
inline constexpr std::string_view kInnerWindow = "aol child";   // one inner window
inline constexpr std::string_view kRichField = "richcntl";      // the client's rich-text field
inline constexpr std::string_view kIcon = "_aol_icon";          // the client's icon button
inline constexpr std::string_view kToolbar = "aol toolbar";     // child of the main window
inline constexpr std::string_view kToolbarStrip = "_aol_toolbar";  // holds the toolbar's icons
inline constexpr std::string_view kDialog = "#32770";           // message boxes are of it
inline constexpr std::string_view kButton = "button";
inline constexpr std::string_view kStatic = "static";
}  // namespace window_class

namespace caption {
inline constexpr std::string_view kMemberDirectory = "Member Directory";  // the profile editor
}  // namespace caption

// The toolbar icon that opens the profile editor, counted from 1 in the strip's child order.
inline constexpr int kProfileToolbarIcon = 4;
// The key typed at that icon: a lower-case l.
inline constexpr unsigned kProfileMenuKey = 108;

namespace message {
inline constexpr unsigned kSetText = 0x000C;      // WM_SETTEXT
inline constexpr unsigned kKeyDown = 0x0100;      // WM_KEYDOWN
inline constexpr unsigned kKeyUp = 0x0101;        // WM_KEYUP
inline constexpr unsigned kChar = 0x0102;         // WM_CHAR
inline constexpr unsigned kLeftButtonDown = 0x0201;  // WM_LBUTTONDOWN
}  // namespace message

inline constexpr unsigned kSpaceKey = 0x20;  // VK_SPACE

}  // namespace vandrelle::aol
