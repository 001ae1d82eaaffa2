#include "aol/win32/clipboard_text.hpp"

#include <algorithm>

namespace vandrelle::aol::win32 {
namespace {

constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMilliseconds = 10;

bool open_clipboard(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) Sleep(kOpenRetryMilliseconds);
        if (OpenClipboard(owner)) return true;
    }
    return false;
}

}  // namespace

bool clipboard_has_text() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

std::optional<std::u16string> read_clipboard_text(HWND owner) {
    if (!open_clipboard(owner)) return std::nullopt;
    std::u16string text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const char16_t*>(GlobalLock(memory))) {
            const std::size_t capacity = GlobalSize(memory) / sizeof(char16_t);
            text.assign(units, std::find(units, units + capacity, u'\0'));
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace vandrelle::aol::win32
