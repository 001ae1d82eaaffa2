// Start-up time of Vandrelle.exe against an empty Win32 window program, in the same run: the
// time from starting the process until its window is shown, filled and waiting for input.
// Usage (under Wine, with a display): bench_startup.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/control_ids.hpp"

namespace {

using Clock = std::chrono::steady_clock;

std::wstring beside_me(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

struct Search {
    DWORD process_id;
    HWND found;
};

BOOL CALLBACK match_visible_window(HWND window, LPARAM search_pointer) {
    auto* search = reinterpret_cast<Search*>(search_pointer);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process_id || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
    search->found = window;
    return FALSE;
}

// Vandrelle's window counts as ready once its count list holds all 10001 rows.
bool is_filled(HWND window, bool needs_count_list) {
    if (!needs_count_list) return true;
    const int id = vandrelle::app::win32::control_id(vandrelle::app::win32::Control::cmboTimes);
    HWND list = nullptr;
    for (HWND frame = GetWindow(window, GW_CHILD); frame && !list; frame = GetWindow(frame, GW_HWNDNEXT))
        list = GetDlgItem(frame, id);
    DWORD_PTR rows = 0;
    return list && SendMessageTimeoutW(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &rows) && rows == 10001;
}

// Milliseconds from CreateProcess to a shown, filled, idle window; negative on failure.
double start_once(const std::wstring& program, bool needs_count_list) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\"";
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForInputIdle(process.hProcess, 30000);
    Search search{process.dwProcessId, nullptr};
    const auto deadline = start + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
        search.found = nullptr;
        EnumWindows(match_visible_window, reinterpret_cast<LPARAM>(&search));
        if (search.found && is_filled(search.found, needs_count_list)) break;
        // Wait a millisecond, or less if the program ends.
        WaitForSingleObject(process.hProcess, 1);
    }
    const auto ready = Clock::now();
    const bool shown = search.found != nullptr;
    if (shown) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown ? std::chrono::duration<double, std::milli>(ready - start).count() : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    const std::wstring vandrelle = beside_me(L"Vandrelle.exe");
    const std::wstring empty = beside_me(L"startup_empty_window.exe");
    std::vector<double> vandrelle_ms, empty_ms;
    // One warm-up start of each, then alternate so both meet the same conditions.
    start_once(empty, false);
    start_once(vandrelle, true);
    for (int round = 0; round < rounds; ++round) {
        const double e = start_once(empty, false);
        const double v = start_once(vandrelle, true);
        if (e < 0 || v < 0) {
            std::fprintf(stderr, "a program did not show its window within 30 s\n");
            return 1;
        }
        empty_ms.push_back(e);
        vandrelle_ms.push_back(v);
    }
    const double v = median(vandrelle_ms), e = median(empty_ms);
    std::printf("start-up until shown and filled, median of %d rounds\n", rounds);
    std::printf("  empty window   %8.1f ms\n", e);
    std::printf("  Vandrelle.exe  %8.1f ms\n", v);
    std::printf("  ratio          %8.2f (goal: at most 1.50)\n", v / e);
    return 0;
}
