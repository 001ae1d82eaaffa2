#include "window_test_support.hpp"

#include <thread>

namespace window_test {
namespace {

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK match_control(HWND window, LPARAM search_pointer) {
    auto* search = reinterpret_cast<ControlSearch*>(search_pointer);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

struct TopLevelSearch {
    DWORD process_id;
    const std::function<bool(HWND)>* wanted;
    HWND found;
};

BOOL CALLBACK match_top_level(HWND window, LPARAM search_pointer) {
    auto* search = reinterpret_cast<TopLevelSearch*>(search_pointer);
    DWORD owner_process = 0;
    GetWindowThreadProcessId(window, &owner_process);
    if (owner_process != search->process_id || !IsWindowVisible(window) || !(*search->wanted)(window)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND find_control(HWND root, vandrelle::app::win32::Control control) {
    ControlSearch search{vandrelle::app::win32::control_id(control), nullptr};
    EnumChildWindows(root, match_control, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void pump_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        pump_messages();
    }
    return true;
}

std::wstring text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring sent_text(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length)) return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        10000, &copied);
    text.resize(copied);
    return text;
}

HWND find_top_level_window(DWORD process_id, const std::function<bool(HWND)>& wanted) {
    TopLevelSearch search{process_id, &wanted, nullptr};
    EnumWindows(match_top_level, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND find_message_box(DWORD process_id) {
    return find_top_level_window(process_id, [](HWND window) {
        wchar_t class_name[16] = {};
        GetClassNameW(window, class_name, 16);
        return std::wstring(class_name) == L"#32770";
    });
}

MessageBoxView read_message_box(HWND dialog) {
    MessageBoxView view{dialog, text_of(dialog), L"", false};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t class_name[16] = {};
        GetClassNameW(child, class_name, 16);
        if (_wcsicmp(class_name, L"Static") != 0 || !IsWindowVisible(child)) continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            view.has_icon = view.has_icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else if (std::wstring text = text_of(child); !text.empty()) {
            view.prompt = text;
        }
    }
    return view;
}

bool dismiss_message_box(HWND dialog) {
    HWND ok = FindWindowExW(dialog, nullptr, L"Button", nullptr);
    if (!ok) return false;
    PostMessageW(ok, BM_CLICK, 0, 0);
    return wait_until([dialog] { return !IsWindow(dialog); });
}

}  // namespace window_test
