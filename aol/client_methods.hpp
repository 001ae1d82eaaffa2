#pragma once
// The two public methods of our window that Add To Profile reaches the client through: the
// window implements them over the real desktop, tests over the in-memory one.
#include "aol/profile_editor.hpp"

namespace vandrelle::aol {

class ClientMethods {
public:
    virtual ~ClientMethods() = default;
    // The client's message box, or 0 (see aol::find_x).
    virtual WindowHandle find_x() = 0;
    // Asks the client to open "Member Directory" (see aol::edit_Profile).
    virtual OpenRequest edit_Profile() = 0;
};

}  // namespace vandrelle::aol
