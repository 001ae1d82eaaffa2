#pragma once
// The preview's edit menu as a popup menu. The form asks it for the user's choice through this
// interface, so that tests can answer without a person, as they do for the colour dialog.
#include <windows.h>

#include <optional>

#include "app/edit_menu.hpp"

namespace vandrelle::app::win32 {

class EditMenuPopup {
public:
    virtual ~EditMenuPopup() = default;
    // Shows the menu at `screen_point` over `owner`, modally, with the entries that cannot act
    // greyed; returns the chosen command, or nothing when the menu was dismissed.
    virtual std::optional<vandrelle::app::EditCommand> Choose(HWND owner, POINT screen_point,
                                                              const vandrelle::app::EditState& state) = 0;
};

class StandardEditMenu final : public EditMenuPopup {
public:
    std::optional<vandrelle::app::EditCommand> Choose(HWND owner, POINT screen_point,
                                                      const vandrelle::app::EditState& state) override;
};

}  // namespace vandrelle::app::win32
