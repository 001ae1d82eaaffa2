#include "app/win32/colour_dialog.hpp"

#include <commdlg.h>

namespace vandrelle::app::win32 {
namespace {

using ChooseColorFunction = BOOL(WINAPI*)(LPCHOOSECOLORW);

// The common-dialog library is loaded when the dialog is first wanted, not at start-up: it
// and what it pulls in cost a noticeable part of the program's start.
ChooseColorFunction choose_color() {
    static const ChooseColorFunction function = [] {
        HMODULE library = LoadLibraryW(L"comdlg32.dll");
        FARPROC address = library ? GetProcAddress(library, "ChooseColorW") : nullptr;
        return reinterpret_cast<ChooseColorFunction>(reinterpret_cast<void (*)()>(address));
    }();
    return function;
}

}  // namespace

void StandardColourDialog::ShowColor(HWND owner) {
    const ChooseColorFunction show = choose_color();
    if (!show) return;  // no dialog to be had: the current colour stays, as after a cancel
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.rgbResult = current_;
    request.lpCustColors = custom_colours_.data();
    request.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (show(&request)) current_ = request.rgbResult;
}

}  // namespace vandrelle::app::win32
