// CPU time the tool's process uses during one Add To Profile run against the stand-in client,
// as a share of the run's wall time. The run is mostly waiting (for the client's window, the
// one-second pause, the client's box), so the share shows whether those waits sleep or spin.
// Also the share of the one-second pause alone on the real desktop, with our window live.
// Prints its figures; not a test.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/win32/Form1.hpp"
#include "aol/shared_routines.hpp"
#include "aol/win32/user32_desktop.hpp"
#include "automation_standin.hpp"
#include "window_test_support.hpp"

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
    vandrelle::app::win32::Form1 form;
    if (!form.Create(GetModuleHandleW(nullptr))) return 1;
    form.Show(SW_SHOWNOACTIVATE);

    // The pause alone: it must sleep between our window's events, not spin.
    {
        vandrelle::aol::win32::User32Desktop desktop(form.hwnd());
        constexpr int kPauses = 3;
        const double cpu_before = cpu_seconds(), wall_before = wall_seconds();
        for (int n = 0; n < kPauses; ++n) vandrelle::aol::pause_Seconds(desktop, 1);
        const double wall = wall_seconds() - wall_before, cpu = cpu_seconds() - cpu_before;
        std::printf("pause_Seconds(1) x %d on the real desktop: wall %.3f s, CPU %.3f s, CPU share %.2f%% "
                    "(goal under 1%%)\n",
                    kPauses, wall, cpu, 100.0 * cpu / wall);
    }

    form.RichTextBox.SetText(u"abc\r\ncab\r\nbca\r\n  _____\r\n |     |\r\n |_____|\r\n");

    // The first run opens "Member Directory" through the toolbar; the others find it open. The
    // process clock counts in steps of about 10 ms, so the runs are also summed.
    constexpr int kRuns = 5;
    double total_cpu = 0, total_wall = 0;
    bool answered = true;
    for (int run = 1; run <= kRuns && answered; ++run) {
        const double cpu_before = cpu_seconds();
        const double wall_before = wall_seconds();
        SendMessageW(form.control(vandrelle::app::win32::Control::Command3), BM_CLICK, 0, 0);
        const double wall = wall_seconds() - wall_before;
        const double cpu = cpu_seconds() - cpu_before;
        total_cpu += cpu;
        total_wall += wall;
        std::printf("run %d%s: wall %.3f s, CPU %.3f s, CPU share %.2f%%\n", run, run == 1 ? " (toolbar road)" : "",
                    wall, cpu, 100.0 * cpu / wall);
        answered = window_test::wait_until([&] {
            int closed = 0;
            for (const std::string& line : client.log()) closed += line == "box closed 1";
            return closed == run;
        });
    }
    std::printf("Add To Profile against the stand-in, %d runs: wall %.3f s, CPU %.3f s, CPU share %.2f%% "
                "(goal under 5%%)%s\n",
                kRuns, total_wall, total_cpu, 100.0 * total_cpu / total_wall,
                answered ? "" : " [the client's box was not closed]");
    DestroyWindow(form.hwnd());
    return answered ? 0 : 1;
}
