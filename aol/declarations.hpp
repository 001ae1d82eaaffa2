#pragma once
// The desktop as the automation sees it: the few window-manager calls it makes on the AOL
// client's windows, the clipboard, the clocks and the pump of our own window's events.
// Two implementations: aol/win32/user32_desktop (the real one) and aol/testing/memory_desktop
// (windows held in memory, for the unit tests). Nothing here includes <windows.h>.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vandrelle::aol {

// Names a window of any program; 0 is no window. Never kept from one operation to the next.
using WindowHandle = std::uintptr_t;
using ProcessId = std::uint32_t;

// GetWindow commands.
enum class WindowOrder { First = 0, Next = 2 };

// How a send with a time-out ended. A send to the handle 0 reaches no window and is Delivered:
// it goes nowhere, as it always has.
enum class SendResult { Delivered, TimedOut };

// How putting text on the clipboard ended.
enum class ClipboardWrite {
    Done,
    Busy,    // another program held the clipboard: worth trying again
    Failed,  // the platform refused the memory or the data: trying again will not help
};

struct ClipboardRead {
    bool opened = false;       // false: another program held the clipboard
    std::u16string text;       // empty when the clipboard holds no text
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // FindWindowA with a null caption: a top-level window whose class matches, or 0.
    virtual WindowHandle FindWindowA(std::string_view class_name) = 0;
    // FindWindowExA: the next direct child of `parent` after `after` (from the first child when
    // 0) whose class matches without regard to case and, when a caption is given, whose whole
    // caption equals it exactly. A parent of 0 searches the top-level windows.
    virtual WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after, std::string_view class_name,
                                       std::optional<std::string_view> caption = std::nullopt) = 0;
    virtual WindowHandle GetWindow(WindowHandle window, WindowOrder order) = 0;
    // SendMessageA with SMTO_ABORTIFHUNG and a time-out, for messages without a pointer.
    virtual SendResult SendMessageTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                           std::intptr_t lparam, unsigned timeout_ms) = 0;
    // The same for WM_SETTEXT-like messages: lParam is the address of `ansi_text` plus a NUL.
    virtual SendResult SendTextTimeoutA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                        std::string_view ansi_text, unsigned timeout_ms) = 0;
    virtual void PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wparam,
                              std::intptr_t lparam) = 0;
    // The process that owns a window; 0 for no window.
    virtual ProcessId WindowProcess(WindowHandle window) = 0;
    // IsWindow: the window still exists.
    virtual bool WindowExists(WindowHandle window) = 0;
    // IsWindowVisible: the window and its parents are shown. A dialog is built hidden and shown
    // once its children are final.
    virtual bool WindowVisible(WindowHandle window) = 0;

    // Text in the platform's ANSI code page, as the A functions take it, one byte or byte pair
    // per UTF-16 unit. Characters the code page lacks become '?': never a look-alike ("best
    // fit"), which would change the art without a sign.
    virtual std::string ToAnsi(std::u16string_view text) = 0;

    // The clipboard in plain-text form; each call opens and closes it once. false or
    // opened == false: another program held it.
    virtual bool ClearClipboard() = 0;
    virtual ClipboardWrite PutClipboardText(std::u16string_view text) = 0;
    virtual ClipboardRead ReadClipboardText() = 0;

    // Time of day in seconds since midnight, with fractions; restarts at 0 at midnight and
    // jumps when the clock is set or daylight saving starts or ends.
    virtual double TimeOfDay() = 0;
    // Seconds on a clock that only moves forward, at the rate of real time, from an arbitrary
    // start: every duration is measured on it.
    virtual double MonotonicSeconds() = 0;

    // Processes the pending events of our own window, then returns. false when the window is
    // closing (the program was asked to quit): every wait then ends at once.
    virtual bool ProcessPendingEvents() = 0;
    // Sleeps until an event of our own window arrives or `seconds` pass, then processes the
    // pending events. Never spins. Same result as ProcessPendingEvents.
    virtual bool WaitForEvents(double seconds) = 0;
};

}  // namespace vandrelle::aol
