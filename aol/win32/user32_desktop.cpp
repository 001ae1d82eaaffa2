// Implements vandrelle::aol::Desktop with FindWindowA/FindWindowExA/GetWindow, SendMessageTimeoutA with
// SMTO_ABORTIFHUNG, PostMessageA, GetWindowThreadProcessId, IsWindow, IsWindowVisible,
// WideCharToMultiByte(CP_ACP) without best fit, the clipboard in CF_UNICODETEXT, GetLocalTime,
// QueryPerformanceCounter, and a PeekMessage pump that sleeps in MsgWaitForMultipleObjectsEx.
#include "aol/win32/user32_desktop.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "aol/win32/clipboard_text.hpp"

namespace vandrelle::aol::win32 {
namespace {

std::string terminated(std::string_view text) { return std::string(text); }

SendResult send_result(LRESULT sent, HWND window) {
    // A send to no window fails and reaches nothing, as it always has; any other failure is the
    // time-out running out or the client found hung.
    return sent != 0 || !IsWindow(window) ? SendResult::Delivered : SendResult::TimedOut;
}

}  // namespace

WindowHandle User32Desktop::FindWindowA(std::string_view class_name) {
    return to_handle(::FindWindowA(terminated(class_name).c_str(), nullptr));
}

WindowHandle User32Desktop::FindWindowExA(WindowHandle parent, WindowHandle after, std::string_view class_name,
                                          std::optional<std::string_view> caption) {
    const std::string name = terminated(class_name);
    HWND found = to_hwnd(after);
    // The platform compares captions without regard to case; ours must match exactly, so the
    // caption is checked here, window by window.
    while ((found = ::FindWindowExA(to_hwnd(parent), found, name.c_str(), nullptr)) != nullptr) {
        if (!caption) break;
        const int length = GetWindowTextLengthA(found);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(found, text.data(), length + 1)));
        if (text == *caption) break;
    }
    return to_handle(found);
}

WindowHandle User32Desktop::GetWindow(WindowHandle window, WindowOrder order) {
    return to_handle(::GetWindow(to_hwnd(window), order == WindowOrder::First ? GW_HWNDFIRST : GW_HWNDNEXT));
}

SendResult User32Desktop::SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                              std::intptr_t lparam, unsigned timeout_ms) {
    DWORD_PTR answer = 0;
    // SMTO_ABORTIFHUNG: a client that has stopped answering costs no time-out at all.
    const LRESULT sent = send_(to_hwnd(window), message, wparam, lparam, SMTO_ABORTIFHUNG, timeout_ms, &answer);
    return send_result(sent, to_hwnd(window));
}

SendResult User32Desktop::SendTextTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                           std::string_view ansi_text, unsigned timeout_ms) {
    const std::string text = terminated(ansi_text);  // an empty text is "", never a null address
    return SendMessageTimeoutA(window, message, wparam, reinterpret_cast<LPARAM>(text.c_str()), timeout_ms);
}

void User32Desktop::PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
    ::PostMessageA(to_hwnd(window), message, wparam, lparam);
}

bool User32Desktop::WindowExists(WindowHandle window) { return window != 0 && IsWindow(to_hwnd(window)); }

bool User32Desktop::WindowVisible(WindowHandle window) { return window != 0 && IsWindowVisible(to_hwnd(window)); }

ProcessId User32Desktop::WindowProcess(WindowHandle window) {
    DWORD process = 0;
    if (window == 0 || GetWindowThreadProcessId(to_hwnd(window), &process) == 0) return 0;
    return process;
}

std::string User32Desktop::ToAnsi(std::u16string_view text) {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    // No best fit: a character the code page lacks becomes '?', never a look-alike. A UTF-8
    // code page lacks nothing and takes neither the flag nor a default character.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* unknown = utf8 ? nullptr : "?";
    const int bytes = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, unknown, nullptr);
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide, length, ansi.data(), bytes, unknown, nullptr);
    return ansi;
}

bool User32Desktop::ClearClipboard() {
    if (!OpenClipboard(own_window_)) return false;
    EmptyClipboard();
    CloseClipboard();
    return true;
}

ClipboardWrite User32Desktop::PutClipboardText(std::u16string_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return ClipboardWrite::Failed;
    auto* target = static_cast<char16_t*>(GlobalLock(memory));
    if (target == nullptr) {
        GlobalFree(memory);
        return ClipboardWrite::Failed;
    }
    if (!text.empty()) std::memcpy(target, text.data(), text.size() * sizeof(char16_t));
    target[text.size()] = u'\0';
    GlobalUnlock(memory);
    if (!OpenClipboard(own_window_)) {
        GlobalFree(memory);
        return ClipboardWrite::Busy;
    }
    EmptyClipboard();
    // Once set, the clipboard owns the memory; the platform offers the 8-bit form to others.
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!set) GlobalFree(memory);
    CloseClipboard();
    return set ? ClipboardWrite::Done : ClipboardWrite::Failed;
}

ClipboardRead User32Desktop::ReadClipboardText() {
    std::optional<std::u16string> text = read_clipboard_text(own_window_);
    if (!text) return {};
    return {true, std::move(*text)};
}

double User32Desktop::MonotonicSeconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double User32Desktop::TimeOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

bool User32Desktop::window_closing() const {
    return quit_seen_ || (own_window_ != nullptr && !IsWindow(own_window_));
}

bool User32Desktop::ProcessPendingEvents() {
    if (window_closing()) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Put it back for the program's own loop, which ends once our run has unwound.
            quit_seen_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (route_) {
            route_(message);
        } else {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return !window_closing();
}

bool User32Desktop::WaitForEvents(double seconds) {
    if (window_closing()) return false;
    const double ms = std::ceil(std::fmax(seconds, 0.0) * 1000.0);
    const DWORD timeout = ms > 3'600'000.0 ? 3'600'000 : static_cast<DWORD>(ms);
    MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return ProcessPendingEvents();
}

}  // namespace vandrelle::aol::win32
