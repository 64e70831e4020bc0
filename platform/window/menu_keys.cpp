// The menu bar run from the keyboard (menu_keys.h).
#include "platform/window/menu_keys.h"

#include "platform/window/menu.h"
#include "platform/window/window.h"

namespace win::detail {
namespace {

KeyboardMenuState& State() {
    static KeyboardMenuState state;
    return state;
}

std::string ItemText(HMENU menu, int position) {
    char buf[256] = {};
    GetMenuString(menu, static_cast<UINT>(position), buf, sizeof buf, MF_BYPOSITION);
    return buf;
}

bool Usable(HMENU menu, int position) {
    UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && !(state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
}

HMENU Bar() {
    return State().owner != nullptr ? GetMenu(State().owner) : nullptr;
}

HMENU Open() {
    HMENU bar = Bar();
    return bar != nullptr && State().dropped ? GetSubMenu(bar, State().bar) : nullptr;
}

// The next usable item from `from` in direction `step`, wrapping; -1 for none.
int NextUsable(HMENU menu, int from, int step) {
    int n = GetMenuItemCount(menu);
    for (int k = 1; k <= n; ++k) {
        int i = ((from < 0 ? (step > 0 ? -1 : n) : from) + step * k) % n;
        if (i < 0) i += n;
        if (Usable(menu, i)) return i;
    }
    return -1;
}

void Post(HWND owner, UINT id) {
    if (id != 0 && id != static_cast<UINT>(-1) && IsWindow(owner))
        PostMessage(owner, WM_COMMAND, id, 0);
}

// A bar item without a menu of its own is a command.
void ChooseBarItem() {
    HMENU bar = Bar();
    HWND owner = State().owner;
    int position = State().bar;
    bool usable = Usable(bar, position);
    UINT id = GetMenuItemID(bar, position);
    LeaveMenu();
    if (usable) Post(owner, id);
}

// A letter of the open menu: the one item that underlines it is chosen; with
// several, the letter lights them in turn.
void MenuLetter(char letter) {
    HMENU menu = Open();
    int n = GetMenuItemCount(menu);
    int first = -1;
    int after = -1;
    int count = 0;
    for (int i = 0; i < n; ++i) {
        if (!Usable(menu, i) || MenuMnemonic(ItemText(menu, i)) != letter) continue;
        ++count;
        if (first < 0) first = i;
        if (after < 0 && i > State().lit) after = i;
    }
    if (count == 1) ChooseMenuItemAt(first);
    if (count > 1) State().lit = after >= 0 ? after : first;
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

}  // namespace

const KeyboardMenuState& KeyboardMenu() {
    return State();
}

bool MenuRuns() {
    if (State().owner != nullptr && (!IsWindow(State().owner) || Bar() == nullptr)) State() = {};
    return State().owner != nullptr;
}

char MenuMnemonic(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return Upper(text[i + 1]);
    }
    return 0;
}

int MenuBarPositionOf(HMENU bar, char letter) {
    letter = Upper(letter);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        if (letter != 0 && MenuMnemonic(ItemText(bar, i)) == letter) return i;
    }
    return -1;
}

bool EnterMenuBar(HWND top, int position, bool drop) {
    HMENU bar = GetMenu(top);
    int count = GetMenuItemCount(bar);
    if (bar == nullptr || count <= 0 || position < 0 || position >= count) return false;
    if (State().owner != top) {
        State() = {};
        SendMessage(top, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
        if (!IsWindow(top) || GetMenu(top) != bar) return false;
    }
    State().owner = top;
    State().bar = position;
    State().dropped = false;
    State().lit = -1;
    if (drop && GetSubMenu(bar, position) != nullptr)
        DropMenuAt(position);
    else if (drop)
        ChooseBarItem();
    return true;
}

void DropMenuAt(int position) {
    HMENU bar = Bar();
    if (bar == nullptr || position < 0 || position >= GetMenuItemCount(bar)) return;
    State().bar = position;
    State().lit = -1;
    HMENU sub = GetSubMenu(bar, position);
    State().dropped = sub != nullptr;
    if (sub == nullptr) return;
    HWND owner = State().owner;
    SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub),
                MAKELPARAM(static_cast<WORD>(position), 0));
    if (!MenuRuns()) return;
    State().lit = NextUsable(sub, -1, 1);
}

void SetMenuLit(int item) {
    State().lit = item;
}

void LeaveMenu() {
    State() = {};
}

void ChooseMenuItemAt(int item) {
    HMENU menu = Open();
    HWND owner = State().owner;
    bool usable = menu != nullptr && item >= 0 && Usable(menu, item) &&
                  GetSubMenu(menu, item) == nullptr;
    UINT id = usable ? GetMenuItemID(menu, item) : 0;
    LeaveMenu();
    Post(owner, id);
}

bool MenuKey(int virtualKey, char character) {
    if (!MenuRuns()) return false;
    HMENU bar = Bar();
    int count = GetMenuItemCount(bar);
    if (count <= 0) {
        LeaveMenu();
        return true;
    }
    switch (virtualKey) {
        case VK_ESCAPE:
        case VK_F1 + 9:  // F10
            LeaveMenu();
            return true;
        case VK_LEFT:
        case VK_RIGHT: {
            int next = (State().bar + (virtualKey == VK_LEFT ? count - 1 : 1)) % count;
            if (State().dropped)
                DropMenuAt(next);
            else
                State().bar = next;
            return true;
        }
        case VK_UP:
        case VK_DOWN:
            if (!State().dropped) {
                if (GetSubMenu(bar, State().bar) != nullptr) DropMenuAt(State().bar);
                return true;
            }
            State().lit = NextUsable(Open(), State().lit, virtualKey == VK_UP ? -1 : 1);
            return true;
        case VK_RETURN:
            if (!State().dropped) {
                if (GetSubMenu(bar, State().bar) != nullptr)
                    DropMenuAt(State().bar);
                else
                    ChooseBarItem();
                return true;
            }
            ChooseMenuItemAt(State().lit);
            return true;
        default:
            break;
    }
    char letter = Upper(character);
    if (letter == 0 && ((virtualKey >= 'A' && virtualKey <= 'Z') ||
                        (virtualKey >= '0' && virtualKey <= '9')))
        letter = static_cast<char>(virtualKey);
    if (letter == 0 || letter == ' ') return true;  // other keys do nothing while the bar runs
    if (GetKeyState(VK_MENU) < 0) {
        // Alt with a letter the bar underlines goes to the bar's next title of
        // that letter (CHOOSE GRAPH, then CHANGE RANGE), round again; with
        // another letter the bar is left and the key given back.
        const int n = count;
        for (int k = 1; k <= n; ++k) {
            const int i = (State().bar + k) % n;
            if (MenuMnemonic(ItemText(bar, i)) != letter) continue;
            if (GetSubMenu(bar, i) != nullptr) {
                DropMenuAt(i);
            } else {
                State().bar = i;
                ChooseBarItem();
            }
            return true;
        }
        LeaveMenu();
        return false;
    }
    if (State().dropped) {
        MenuLetter(letter);
        return true;
    }
    int position = MenuBarPositionOf(bar, letter);
    if (position < 0) return true;
    if (GetSubMenu(bar, position) != nullptr) {
        DropMenuAt(position);
    } else {
        State().bar = position;
        ChooseBarItem();
    }
    return true;
}

}  // namespace win::detail
