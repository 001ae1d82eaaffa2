// standin-aol.exe: a stand-in for the AOL client, to try Vandrelle's Add To Profile and to test
// it. With no arguments it is a small demo client: its window shows what it receives.
//   standin-aol [--log PATH] [--editor-open] [--hang-on-text] [--no-profile-window] [--decoy]
//               [--slow-save MS] [--answer-inside-press] [--box-built-hidden]
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "standin_client.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    standin::Options options;
    for (int n = 1; n < __argc; ++n) {
        const char* argument = __argv[n];
        if (std::strcmp(argument, "--log") == 0 && n + 1 < __argc) {
            options.log_path = __argv[++n];
        } else if (std::strcmp(argument, "--editor-open") == 0) {
            options.editor_open = true;
        } else if (std::strcmp(argument, "--hang-on-text") == 0) {
            options.hang_on_text = true;
        } else if (std::strcmp(argument, "--no-profile-window") == 0) {
            options.no_profile_window = true;
        } else if (std::strcmp(argument, "--decoy") == 0) {
            options.decoy = true;
        } else if (std::strcmp(argument, "--slow-save") == 0 && n + 1 < __argc) {
            options.slow_save_ms = std::atoi(__argv[++n]);
        } else if (std::strcmp(argument, "--answer-inside-press") == 0) {
            options.answer_inside_press = true;
        } else if (std::strcmp(argument, "--box-built-hidden") == 0) {
            options.box_built_hidden = true;
        } else {
            MessageBoxA(nullptr,
                        "Usage: standin-aol [--log PATH] [--editor-open] [--hang-on-text] [--no-profile-window] "
                        "[--decoy] [--slow-save MS] [--answer-inside-press] [--box-built-hidden]",
                        "Stand-in AOL client", MB_OK | MB_ICONWARNING);
            return 2;
        }
    }
    return options.decoy ? standin::run_decoy(options) : standin::run_client(instance, options);
}
