// Menus: menu resources by id (popups, separators, "&" mnemonics), menus of
// windows and classes, item state by command id, and a text dump of a menu
// for tests.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

// A menu resource as C++ data: an item is a command (id, text), a separator
// (flags MF_SEPARATOR) or a popup (its own items).
struct MenuTemplateItem {
    std::string text;
    UINT id = 0;
    UINT flags = 0;  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR ...
    std::vector<MenuTemplateItem> popup;
};
void RegisterMenuTemplate(int id, std::vector<MenuTemplateItem> items);
void ClearMenuTemplates();

HMENU LoadMenu(HINSTANCE instance, int id);
inline HMENU LoadMenuA(HINSTANCE i, int id) {
    return LoadMenu(i, id);
}
HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
[[nodiscard]] BOOL IsMenu(HMENU menu);
[[nodiscard]] HMENU GetMenu(HWND hwnd);
// Replaces the window's menu bar (the old one is not destroyed); nullptr removes it.
BOOL SetMenu(HWND hwnd, HMENU menu);
BOOL DrawMenuBar(HWND hwnd);
[[nodiscard]] HMENU GetSubMenu(HMENU menu, int position);
[[nodiscard]] int GetMenuItemCount(HMENU menu);
[[nodiscard]] UINT GetMenuItemID(HMENU menu, int position);

// By command (MF_BYCOMMAND, searching popups too) or by position. Return the
// previous state, or (UINT)-1 when the item does not exist.
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
[[nodiscard]] UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuString(HMENU menu, UINT item, char* buffer, int size, UINT flags);
BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, std::uintptr_t newId, const char* text);
inline BOOL ModifyMenuA(HMENU m, UINT i, UINT f, std::uintptr_t id, const char* t) {
    return ModifyMenu(m, i, f, id, t);
}
BOOL AppendMenu(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text);
inline BOOL AppendMenuA(HMENU m, UINT f, std::uintptr_t id, const char* t) {
    return AppendMenu(m, f, id, t);
}
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);

// One line per item, indented two blanks per popup level:
//   "&FILES" for a popup, "[1019] &New" for a command, "-" for a separator,
// followed by " (grayed)", " (disabled)" and " (checked)" as they apply.
[[nodiscard]] std::string DumpMenu(HMENU menu);
// The state of a command's item for tests: found, enabled, checked, text.
struct MenuItemState {
    bool found = false;
    bool enabled = false;
    bool checked = false;
    std::string text;
};
[[nodiscard]] MenuItemState FindMenuItemState(HMENU menu, UINT commandId);

}  // namespace win
