#include "app/preview_keys.hpp"

namespace vandrelle::app {

PreviewKey preview_key(const KeyPress& press) {
    if (press.alt) return PreviewKey::None;
    if (press.key == kKeyMenu && !press.control) return PreviewKey::EditMenu;
    if (press.key == kKeyF10 && press.shift && !press.control) return PreviewKey::EditMenu;
    if (press.key == kKeyInsert && press.shift && !press.control) return PreviewKey::Paste;
    if (!press.control) return PreviewKey::None;
    if (press.shift) return press.key == 'Z' ? PreviewKey::Redo : PreviewKey::None;
    switch (press.key) {
        case 'B': return PreviewKey::Bold;
        case 'I': return PreviewKey::Italic;
        case 'U': return PreviewKey::Underline;
        case 'A': return PreviewKey::SelectAll;
        case 'Z': return PreviewKey::Undo;
        case 'Y': return PreviewKey::Redo;
        case 'V': return PreviewKey::Paste;
        default: return PreviewKey::None;
    }
}

}  // namespace vandrelle::app
