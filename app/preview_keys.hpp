#pragma once
// The keys the preview answers itself, beyond the rich-text pane's own editing keys. Key codes
// are Windows virtual-key codes; letters are their upper-case ASCII codes.
namespace vandrelle::app {

enum class PreviewKey { None, Bold, Italic, Underline, SelectAll, Undo, Redo, Paste, EditMenu };

struct KeyPress {
    unsigned key;  // virtual-key code
    bool control, shift, alt;
};

inline constexpr unsigned kKeyInsert = 0x2D;
inline constexpr unsigned kKeyMenu = 0x5D;  // the context-menu key (VK_APPS)
inline constexpr unsigned kKeyF10 = 0x79;

PreviewKey preview_key(const KeyPress& press);

}  // namespace vandrelle::app
