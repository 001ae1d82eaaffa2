// The DPI functions of Windows 10 (1607) and 8.1, found at run time, with the older ways as
// fallbacks: GetDeviceCaps(LOGPIXELSY) and AdjustWindowRectEx.
#include "app/win32/dpi.hpp"

namespace vandrelle::app::win32 {

namespace {

using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

// Casting through void(*)() tells the compiler the function type is known to us, not guessed.
template <typename Function>
Function look_up(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

struct DpiFunctions {
    GetDpiForSystemFunction dpi_for_system = nullptr;
    GetDpiForWindowFunction dpi_for_window = nullptr;
    AdjustForDpiFunction adjust_for_dpi = nullptr;
    GetDpiForMonitorFunction dpi_for_monitor = nullptr;  // Windows 8.1's per-monitor DPI
};

const DpiFunctions& functions() {
    static const DpiFunctions found = [] {
        DpiFunctions f;
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        f.dpi_for_system = look_up<GetDpiForSystemFunction>(user32, "GetDpiForSystem");
        f.dpi_for_window = look_up<GetDpiForWindowFunction>(user32, "GetDpiForWindow");
        f.adjust_for_dpi = look_up<AdjustForDpiFunction>(user32, "AdjustWindowRectExForDpi");
        if (!f.dpi_for_window) {
            // Only from System32, never from the current folder; Windows 7 has no shcore.dll.
            const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
            f.dpi_for_monitor = look_up<GetDpiForMonitorFunction>(shcore, "GetDpiForMonitor");
        }
        return f;
    }();
    return found;
}

int screen_dpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int system_dpi() {
    if (functions().dpi_for_system) return static_cast<int>(functions().dpi_for_system());
    return screen_dpi();
}

int window_dpi(HWND window) {
    if (functions().dpi_for_window) {
        const UINT dpi = functions().dpi_for_window(window);
        if (dpi != 0) return static_cast<int>(dpi);
    } else if (functions().dpi_for_monitor) {
        UINT x = 0, y = 0;
        const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(functions().dpi_for_monitor(monitor, kEffectiveDpi, &x, &y)) && y != 0) return static_cast<int>(y);
    }
    return system_dpi();
}

bool adjust_window_rect_for_dpi(RECT& rect, DWORD style, DWORD ex_style, int dpi) {
    if (functions().adjust_for_dpi)
        return functions().adjust_for_dpi(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi)) != FALSE;
    return AdjustWindowRectEx(&rect, style, FALSE, ex_style) != FALSE;
}

}  // namespace vandrelle::app::win32
