#pragma once
// The opener of the client's profile editor and the finder of the client's message box: the
// logic behind our window's public methods edit_Profile and find_x (client_methods.hpp).
#include "aol/declarations.hpp"

namespace vandrelle::aol {

enum class OpenRequest {
    Pressed,          // the fourth toolbar icon got its button-down and its 'l'
    NoClient,         // no "aol frame25" window
    NoToolbar,        // the client has no toolbar strip: nothing pressed
    NoFourthIcon,     // the toolbar strip has fewer than four icons: nothing pressed
    ClientHung,       // the client did not handle the press in time
};

// Presses the fourth "_aol_icon" of the client's toolbar strip with a left-button-down and a
// typed 'l', after which the client opens its "Member Directory" window. Presses nothing unless
// the frame, the toolbar, the strip and a fourth icon all exist.
OpenRequest edit_Profile(Desktop& desktop, unsigned timeout_ms);

// The first visible top-level window, from the top of the desktop's order down, that belongs
// to the client's process and has a "button" and a "static" child: the client's message box. 0 when
// none qualifies, when the client is not running, or when no "#32770" window exists at all.
// Processes our window's events once for every window it visits.
WindowHandle find_x(Desktop& desktop);

}  // namespace vandrelle::aol
