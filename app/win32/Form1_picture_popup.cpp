// Form1's look at a picture before it is added: while the user moves through the macro list
// (dropped down, or changing the selection with the keyboard), the highlighted row's picture
// shows in a popup beside the list. The popup goes when the list closes, loses the focus or
// the highlight leaves the pictures. Nothing is added to the preview here.
#include "app/win32/Form1.hpp"

#include <commctrl.h>

#include <string>

#include "macros/macro_picture.hpp"

namespace vandrelle::app::win32 {
namespace {

constexpr UINT_PTR kDroppedListSubclass = 3;

std::u16string row_text(HWND list, LRESULT row) {
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
    if (row < 0 || length == CB_ERR) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

HWND dropped_list_of(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

}  // namespace

void Form1::OnMacroListCommand(int code) {
    HWND list = control(Control::cmboMacros);
    switch (code) {
        case CBN_DROPDOWN:
            // The dropped list moves its highlight with the pointer without telling the form.
            if (HWND dropped = dropped_list_of(list))
                SetWindowSubclass(dropped, &Form1::dropped_list_procedure, kDroppedListSubclass,
                                  reinterpret_cast<DWORD_PTR>(this));
            show_macro_picture(SendMessageW(list, CB_GETCURSEL, 0, 0));
            break;
        case CBN_SELCHANGE: show_macro_picture(SendMessageW(list, CB_GETCURSEL, 0, 0)); break;
        case CBN_CLOSEUP:
        case CBN_KILLFOCUS: picture_popup_.Hide(); break;
        default: break;
    }
}

// Shows the picture of the list's row `row` beside the list, or hides the popup when the row
// is no picture (the placeholder).
void Form1::show_macro_picture(LRESULT row) {
    HWND list = control(Control::cmboMacros);
    const vandrelle::macros::Picture* picture = vandrelle::macros::picture_of_macro(row_text(list, row));
    if (!picture) {
        picture_popup_.Hide();
        return;
    }
    RECT anchor{};
    HWND dropped = dropped_list_of(list);
    GetWindowRect(dropped && IsWindowVisible(dropped) ? dropped : list, &anchor);
    picture_popup_.Show(hwnd_, anchor, picture->lines, fonts_->font_for(FontRole::PreviewFont), dpi_);
}

LRESULT CALLBACK Form1::dropped_list_procedure(HWND dropped, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                               DWORD_PTR form) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(dropped, &Form1::dropped_list_procedure, kDroppedListSubclass);
    const LRESULT before = SendMessageW(dropped, LB_GETCURSEL, 0, 0);
    const LRESULT result = DefSubclassProc(dropped, message, wparam, lparam);
    if (message == WM_MOUSEMOVE && IsWindowVisible(dropped)) {
        const LRESULT after = SendMessageW(dropped, LB_GETCURSEL, 0, 0);
        if (after != before) reinterpret_cast<Form1*>(form)->show_macro_picture(after);
    }
    return result;
}

}  // namespace vandrelle::app::win32
