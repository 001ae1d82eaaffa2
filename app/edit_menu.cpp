#include "app/edit_menu.hpp"

namespace vandrelle::app {

bool edit_command_enabled(EditCommand command, const EditState& state) {
    switch (command) {
        case EditCommand::Undo: return state.can_undo;
        case EditCommand::Cut:
        case EditCommand::Copy:
        case EditCommand::Delete: return state.has_selection;
        case EditCommand::Paste: return state.clipboard_has_text;
        case EditCommand::SelectAll: return state.has_text && !state.whole_text_selected;
    }
    return false;
}

std::u16string plain_paste_text(std::u16string_view clipboard_text) {
    std::u16string text;
    text.reserve(clipboard_text.size());
    for (std::size_t i = 0; i < clipboard_text.size(); ++i) {
        const char16_t c = clipboard_text[i];
        if (c == u'\0') continue;
        if (c == u'\r' || c == u'\n' || c == u'\v') {
            text += u"\r\n";
            if (c == u'\r' && i + 1 < clipboard_text.size() && clipboard_text[i + 1] == u'\n') ++i;
            continue;
        }
        text += c;
    }
    return text;
}

}  // namespace vandrelle::app
