#pragma once
// A borderless popup beside the macro list that shows one picture in the preview's font, so
// the user can see a picture before adding it. It never takes the focus. Its window text is
// the picture's text (lines ending in CR LF), which screen readers and tests read.
#include <windows.h>

#include <string>
#include <vector>

namespace vandrelle::app::win32 {

inline constexpr wchar_t kPicturePopupClassName[] = L"VandrellePicturePopup";

class PicturePopup {
public:
    PicturePopup() = default;
    ~PicturePopup();
    PicturePopup(const PicturePopup&) = delete;
    PicturePopup& operator=(const PicturePopup&) = delete;

    // Shows `lines` beside `anchor` (screen coordinates): to its right where the screen has
    // room, else to its left; `font` and the margins are for the owner's `dpi`.
    void Show(HWND owner, const RECT& anchor, const std::vector<std::u16string>& lines, HFONT font, int dpi);
    void Hide();
    bool visible() const { return window_ && IsWindowVisible(window_); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    bool create(HWND owner);
    SIZE measure() const;
    void paint(HDC dc) const;

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    int margin_ = 0;  // pixels at the owner's DPI
    std::vector<std::wstring> lines_;
};

}  // namespace vandrelle::app::win32
