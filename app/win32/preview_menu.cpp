#include "app/win32/preview_menu.hpp"

namespace vandrelle::app::win32 {
namespace {

constexpr UINT kFirstMenuId = 1;  // 0 is TrackPopupMenu's "nothing chosen"

}  // namespace

std::optional<vandrelle::app::EditCommand> StandardEditMenu::Choose(HWND owner, POINT screen_point,
                                                                    const vandrelle::app::EditState& state) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return std::nullopt;
    UINT id = kFirstMenuId;
    for (const vandrelle::app::EditMenuEntry& entry : vandrelle::app::kEditMenu) {
        if (entry.command == vandrelle::app::EditCommand::SelectAll) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        const UINT enabled = vandrelle::app::edit_command_enabled(entry.command, state) ? MF_ENABLED : MF_GRAYED;
        AppendMenuW(menu, MF_STRING | enabled, id++, reinterpret_cast<const wchar_t*>(entry.label));
    }
    const auto chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                         screen_point.x, screen_point.y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (chosen < kFirstMenuId || chosen >= kFirstMenuId + vandrelle::app::kEditMenu.size()) return std::nullopt;
    return vandrelle::app::kEditMenu[chosen - kFirstMenuId].command;
}

}  // namespace vandrelle::app::win32
