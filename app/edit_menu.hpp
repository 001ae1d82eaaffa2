#pragma once
// The preview's edit menu: its entries in order, and which of them can act in a given state.
#include <array>
#include <string>
#include <string_view>

namespace vandrelle::app {

enum class EditCommand { Undo, Cut, Copy, Paste, Delete, SelectAll };

struct EditMenuEntry {
    EditCommand command;
    const char16_t* label;  // with its access key and shortcut
};

inline constexpr std::array<EditMenuEntry, 6> kEditMenu = {{
    {EditCommand::Undo, u"&Undo\tCtrl+Z"},
    {EditCommand::Cut, u"Cu&t\tCtrl+X"},
    {EditCommand::Copy, u"&Copy\tCtrl+C"},
    {EditCommand::Paste, u"&Paste\tCtrl+V"},
    {EditCommand::Delete, u"&Delete\tDel"},
    {EditCommand::SelectAll, u"Select &All\tCtrl+A"},
}};

// What the menu is built from, read from the preview and the clipboard as it opens.
struct EditState {
    bool can_undo = false;        // the tool's history or the pane's own typing undo
    bool has_selection = false;   // a selection of one character or more
    bool whole_text_selected = false;
    bool has_text = false;
    bool clipboard_has_text = false;
};

// An entry is enabled only when choosing it would change something.
bool edit_command_enabled(EditCommand command, const EditState& state);

// Text from the clipboard as the preview takes it: every line break (CR LF, a lone CR, a lone
// LF or the rich-text control's soft break U+000B) becomes CR LF, and NUL characters, which would end the text early, are dropped.
std::u16string plain_paste_text(std::u16string_view clipboard_text);

}  // namespace vandrelle::app
