#pragma once
// The desktop over user32 and the system clipboard: what the automation does to the AOL client
// goes through here and nowhere else.
#include <windows.h>

#include <functional>

#include "aol/declarations.hpp"

namespace vandrelle::aol::win32 {

inline HWND to_hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle to_handle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

class User32Desktop final : public Desktop {
public:
    // Runs one message of our thread that arrives while we wait, as our window's own message
    // loop would: its shortcuts and dialog navigation keep working during a wait.
    using MessageRoute = std::function<void(MSG&)>;
    using SendFunction = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR);

    // `own_window` is our window: it owns the clipboard while we use it, and its closing ends
    // every wait. May be null (tests), and so may `route` (messages are then only translated
    // and dispatched). For tests, every send goes through `send` instead of the platform's
    // SendMessageTimeoutA.
    explicit User32Desktop(HWND own_window, MessageRoute route = {}, SendFunction send = ::SendMessageTimeoutA)
        : own_window_(own_window), route_(std::move(route)), send_(send) {}

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
    MessageRoute route_;
    SendFunction send_;
    bool quit_seen_ = false;
};

}  // namespace vandrelle::aol::win32
