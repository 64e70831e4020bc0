// The menu bar from the keyboard: Alt+letter drops the menu of that
// underlined letter, F10 or Alt alone enters the bar, arrows move, Enter or
// an item's letter chooses, Escape leaves. One record says which window's
// bar runs, which of its menus is dropped and which item is lit; drivers
// that draw drop-down menus show what it says.
#pragma once

#include <string>

#include "platform/window/win_types.h"

namespace win::detail {

struct KeyboardMenuState {
    HWND owner = nullptr;  // the window whose menu bar runs, nullptr when none does
    int bar = -1;          // the lit bar position
    bool dropped = false;  // its menu is open
    int lit = -1;          // the lit item of the open menu, -1 for none
};
[[nodiscard]] const KeyboardMenuState& KeyboardMenu();
[[nodiscard]] bool MenuRuns();

// The upper-case letter after '&' in a menu text, 0 for none ("&&" is a
// plain ampersand).
[[nodiscard]] char MenuMnemonic(const std::string& text);
// The bar position whose text underlines `letter`, -1 for none.
[[nodiscard]] int MenuBarPositionOf(HMENU bar, char letter);

// Enters the bar of the top-level window `top` at `position`, with its menu
// dropped when `drop` is set. Returns false when the window has no menu bar.
bool EnterMenuBar(HWND top, int position, bool drop);
void DropMenuAt(int position);
void SetMenuLit(int item);
void LeaveMenu();
// Chooses the item of the open menu (a command is posted to the owner).
void ChooseMenuItemAt(int item);
// A key pressed while the bar runs; true when it was taken (false only for
// Alt with a letter no title of the bar underlines: the bar has been left).
bool MenuKey(int virtualKey, char character);

}  // namespace win::detail
