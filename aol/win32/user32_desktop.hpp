#pragma once
// The desktop over user32 and the system clipboard: what the automation does to the AOL client
// goes through here and nowhere else.
#include <windows.h>

#include "aol/declarations.hpp"

namespace vandrelle::aol::win32 {

inline HWND to_hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle to_handle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

class User32Desktop final : public Desktop {
public:
    // `own_window` is our window: it owns the clipboard while we use it, it gets dialog
    // navigation while we pump, and its closing ends every wait. May be null (tests).
    explicit User32Desktop(HWND own_window) : own_window_(own_window) {}
    // For tests: every send goes through `send` instead of the platform's SendMessageTimeoutA.
    using SendFunction = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR);
    User32Desktop(HWND own_window, SendFunction send) : own_window_(own_window), send_(send) {}

    WindowHandle FindWindowA(std::string_view class_name) override;
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after, std::string_view class_name,
                               std::optional<std::string_view> caption = std::nullopt) override;
    WindowHandle GetWindow(WindowHandle window, WindowOrder order) override;
    SendResult SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                   std::intptr_t lparam, unsigned timeout_ms) override;
    SendResult SendTextTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                std::string_view ansi_text, unsigned timeout_ms) override;
    void PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;
    ProcessId WindowProcess(WindowHandle window) override;
    bool WindowExists(WindowHandle window) override;
    bool WindowVisible(WindowHandle window) override;
    std::string ToAnsi(std::u16string_view text) override;
    bool ClearClipboard() override;
    ClipboardWrite PutClipboardText(std::u16string_view text) override;
    ClipboardRead ReadClipboardText() override;
    double TimeOfDay() override;
    double MonotonicSeconds() override;
    bool ProcessPendingEvents() override;
    bool WaitForEvents(double seconds) override;

    // The program was asked to quit while we pumped; the quit message has been put back.
    bool quit_seen() const { return quit_seen_; }

private:
    bool window_closing() const;

    HWND own_window_;
    SendFunction send_ = ::SendMessageTimeoutA;
    bool quit_seen_ = false;
};

}  // namespace vandrelle::aol::win32
