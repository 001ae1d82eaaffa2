#pragma once
// Helpers shared by the window tests: finding controls by their identifiers, waiting with a
// deadline, and reading a message box.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "app/win32/control_ids.hpp"

namespace window_test {

// The descendant of `root` (at any depth) with the control's identifier, or null.
HWND find_control(HWND root, vandrelle::app::win32::Control control);

// Runs the calling thread's pending messages.
void pump_messages();

// Polls `done` every few milliseconds, running pending messages in between, until it holds or
// `timeout` passes. Returns whether it held.
bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(10));

std::wstring text_of(HWND window);
// The text as the window's own procedure gives it, also for a window of another process
// (whose text GetWindowText does not ask for).
std::wstring sent_text(HWND window);

struct MessageBoxView {
    HWND dialog = nullptr;
    std::wstring title;
    std::wstring prompt;
    bool has_icon = false;
};

// The first visible top-level window of `process_id`, from the top down, that `wanted` accepts.
HWND find_top_level_window(DWORD process_id, const std::function<bool(HWND)>& wanted);

// The first visible message box (a #32770 dialog) owned by a thread of `process_id`.
HWND find_message_box(DWORD process_id);
MessageBoxView read_message_box(HWND dialog);
// Presses the box's OK button and waits until it is gone.
bool dismiss_message_box(HWND dialog);

}  // namespace window_test
