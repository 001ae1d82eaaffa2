#include "app/win32/clipboard_text.hpp"

namespace vandrelle::app::win32 {
namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMilliseconds = 10;

}  // namespace

bool clipboard_has_text() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

std::optional<std::u16string> clipboard_text(HWND owner) {
    if (!clipboard_has_text()) return std::nullopt;
    bool open = false;
    for (int attempt = 0; attempt < kOpenAttempts && !(open = OpenClipboard(owner) != FALSE); ++attempt)
        Sleep(kOpenRetryMilliseconds);
    if (!open) return std::nullopt;
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
            // The data ends at its first NUL, but never past the memory it was given.
            const std::size_t capacity = GlobalSize(data) / sizeof(char16_t);
            std::size_t length = 0;
            while (length < capacity && units[length] != u'\0') ++length;
            text.emplace(units, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace vandrelle::app::win32
