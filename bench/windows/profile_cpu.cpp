// CPU time the tool's process uses during one Add To Profile run against the stand-in client,
// as a share of the run's wall time. The run is mostly waiting (for the client's window, the
// one-second pause, the client's box), so the share shows whether those waits sleep or spin.
// Prints one line; not a test.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "app/win32/Form1.hpp"
#include "automation_standin.hpp"

namespace {

double cpu_seconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](FILETIME t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double wall_seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    automation_test::Standin client("");  // "Member Directory" closed: the toolbar road
    if (!client.started()) {
        std::fprintf(stderr, "the stand-in client did not start\n");
        return 1;
    }
    Form1 form;
    if (!form.Create(GetModuleHandleW(nullptr))) return 1;
    form.Show(SW_SHOWNOACTIVATE);
    form.RichTextBox.SetText(u"abc\r\ncab\r\nbca\r\n  _____\r\n |     |\r\n |_____|\r\n");

    const double cpu_before = cpu_seconds();
    const double wall_before = wall_seconds();
    SendMessageW(form.control(vandrelle::win32::Control::Command3), BM_CLICK, 0, 0);
    const double wall = wall_seconds() - wall_before;
    const double cpu = cpu_seconds() - cpu_before;

    const bool answered = client.wait_for_line("box closed 1");
    std::printf("Add To Profile against the stand-in: wall %.3f s, CPU %.3f s, CPU share %.2f%% (goal under 5%%)%s\n",
                wall, cpu, wall > 0 ? 100.0 * cpu / wall : 0.0, answered ? "" : " [the client's box was not closed]");
    DestroyWindow(form.hwnd());
    return answered ? 0 : 1;
}
