#pragma once
// What the window benchmarks share: a real preview pane in a window of its own, and a large text
// to fill it with.
#include <windows.h>

#include <string>

#include "app/win32/rich_preview.hpp"

namespace bench {

// A host window holding one rich-text pane, taken over as the preview; the host is destroyed
// with this object.
class PreviewWindow {
public:
    PreviewWindow() {
        host_ = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 500, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        constexpr DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
        HWND pane = CreateWindowExW(0, vandrelle::app::win32::RichPreview::window_class(), L"", style, 0, 0, 480,
                                    260, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
        preview.Attach(pane, style, 0);
    }
    ~PreviewWindow() { DestroyWindow(host_); }
    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    vandrelle::app::win32::RichPreview preview;

private:
    HWND host_ = nullptr;
};

// About 5 MB of UTF-16 text in lines of 80 characters.
inline std::u16string five_megabytes() {
    std::u16string line(80, u'x');
    line += u"\r\n";
    std::u16string text;
    while (text.size() * sizeof(char16_t) < 5'000'000) text += line;
    return text;
}

}  // namespace bench
