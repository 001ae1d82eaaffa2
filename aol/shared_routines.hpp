#pragma once
// The three routines the automation shares: press a window, pause, find an inner window.
#include <string_view>

#include "aol/declarations.hpp"

namespace vandrelle::aol {

// Presses an AOL icon button: a left-button-down, then the release of the space key, both sent.
// The handle 0 reaches no window. TimedOut when the client did not handle a send in time; the
// second message is then not sent.
SendResult click_Window(Desktop& desktop, WindowHandle window, unsigned timeout_ms);

// Waits until the time of day, as it ran at the start, reaches the start (rounded to the
// nearest second, a half to the even one) plus `seconds`: a pause of 1 started at 100.4 s lasts
// 0.6 s, one started at 100.6 s lasts 1.4 s, whatever the clock does meanwhile. Sleeps between
// events of our own window and processes them. false when our window closed meanwhile.
bool pause_Seconds(Desktop& desktop, double seconds);

// The client's inner window ("aol child" inside the "mdiclient" of the "aol frame25" window)
// whose caption equals `caption`, or 0. Processes our window's events once before each of its
// attempts, one attempt per inner window; with no inner window open it makes none.
WindowHandle find_AOLChild(Desktop& desktop, std::string_view caption);

}  // namespace vandrelle::aol
