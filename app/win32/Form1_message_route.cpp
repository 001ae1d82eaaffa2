// Form1's message route: every message of the thread, from the program's loop and from Add To
// Profile's waits, reaches the window's shortcuts first, then the dialog navigation between its
// controls, then the usual translation and dispatch.
#include "app/win32/Form1.hpp"

namespace vandrelle::app::win32 {
namespace {

using vandrelle::app::PreviewKey;

}  // namespace

bool Form1::TranslateShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd || !IsChild(hwnd_, message.hwnd)) return false;
    // The preview answers its own keys, and the text box undoes its own typing.
    if (message.hwnd == control(Control::RichTextBox) || message.hwnd == control(Control::textLine)) return false;
    const PreviewKey key = vandrelle::app::preview_key(key_press(message.wParam));
    if (key != PreviewKey::Undo && key != PreviewKey::Redo) return false;
    if (key == PreviewKey::Undo) undo_in_preview();
    if (key == PreviewKey::Redo) redo_in_preview();
    return true;
}

void Form1::RouteMessage(MSG& message) {
    if (TranslateShortcut(message)) return;
    if (IsDialogMessageW(hwnd_, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace vandrelle::app::win32
