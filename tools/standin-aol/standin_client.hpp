#pragma once
// The stand-in AOL client: a main window of class "AOL Frame25" holding a toolbar strip of
// "_AOL_Icon" buttons and an MDI area of "AOL Child" windows. The fourth icon, given a
// button-down and an 'l' (or a click), opens "Member Directory": a "RICHCNTL" field and an
// "_AOL_Icon" button that, pressed, brings up a message box ("#32770" with "Button" and
// "Static"). Everything it receives is recorded in its ReceivedLog.
#include <windows.h>

#include <string>

namespace standin {

struct Options {
    std::string log_path;       // --log PATH: where the received events go
    bool editor_open = false;   // --editor-open: "Member Directory" is open at the start
    bool hang_on_text = false;  // --hang-on-text: stops answering when the field gets a text
    bool decoy = false;         // --decoy: another program's "Delete file?" box, always on top
    bool no_profile_window = false;  // --no-profile-window: the fourth icon opens nothing
    int slow_save_ms = 0;            // --slow-save MS: the save icon's press takes this long
    bool answer_inside_press = false;  // --answer-inside-press: the box shows before the press returns
    bool box_built_hidden = false;   // --box-built-hidden: the box is built hidden with a button it
                                     // throws away, and shown later with its real one
};

int run_client(HINSTANCE instance, const Options& options);
int run_decoy(const Options& options);

}  // namespace standin
