// Menus: the menu table, resources, item state by command or position, and
// the dump tests read.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "platform/window/menu.h"
#include "platform/window/menu_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct MenuItem {
    std::string text;
    UINT id = 0;
    UINT flags = 0;  // MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP
    HMENU popup = nullptr;
};

struct MenuRecord {
    std::vector<MenuItem> items;
};

struct MenuState {
    std::map<std::uintptr_t, std::unique_ptr<MenuRecord>> menus;
    std::uintptr_t nextSerial = 0x00200000;
};

MenuState& Menus() {
    static MenuState state;
    return state;
}

std::map<int, std::vector<MenuTemplateItem>>& MenuTemplates() {
    static std::map<int, std::vector<MenuTemplateItem>> templates;
    return templates;
}

MenuRecord* Find(HMENU menu) {
    auto it = Menus().menus.find(SerialFromHandle(menu));
    return it == Menus().menus.end() ? nullptr : it->second.get();
}

HMENU NewMenu() {
    HMENU h = HandleFromSerial<HMENU>(Menus().nextSerial);
    Menus().nextSerial += 0x10;
    Menus().menus.emplace(SerialFromHandle(h), std::make_unique<MenuRecord>());
    return h;
}

HMENU Build(const std::vector<MenuTemplateItem>& items) {
    HMENU h = NewMenu();
    for (const MenuTemplateItem& t : items) {
        MenuItem item;
        item.text = t.text;
        item.id = t.id;
        item.flags = t.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR);
        if (!t.popup.empty() || (t.flags & MF_POPUP)) {
            item.flags |= MF_POPUP;
            item.popup = Build(t.popup);
        }
        Find(h)->items.push_back(item);
    }
    return h;
}

// The item named by command id (searching popups) or position.
MenuItem* Locate(HMENU menu, UINT item, UINT flags) {
    MenuRecord* m = Find(menu);
    if (m == nullptr) return nullptr;
    if (flags & MF_BYPOSITION) return item < m->items.size() ? &m->items[item] : nullptr;
    for (MenuItem& it : m->items) {
        if (!(it.flags & (MF_POPUP | MF_SEPARATOR)) && it.id == item) return &it;
    }
    for (MenuItem& it : m->items) {
        if (it.flags & MF_POPUP) {
            if (MenuItem* found = Locate(it.popup, item, flags)) return found;
        }
    }
    return nullptr;
}

void Dump(HMENU menu, int depth, std::string& out) {
    MenuRecord* m = Find(menu);
    if (m == nullptr) return;
    for (const MenuItem& it : m->items) {
        out.append(static_cast<std::size_t>(depth) * 2, ' ');
        if (it.flags & MF_SEPARATOR) {
            out += "-\n";
            continue;
        }
        if (it.flags & MF_POPUP)
            out += "\"" + it.text + "\"";
        else
            out += "[" + std::to_string(it.id) + "] \"" + it.text + "\"";
        if (it.flags & MF_GRAYED) out += " (grayed)";
        if (it.flags & MF_DISABLED) out += " (disabled)";
        if (it.flags & MF_CHECKED) out += " (checked)";
        out += "\n";
        if (it.flags & MF_POPUP) Dump(it.popup, depth + 1, out);
    }
}

}  // namespace

void ResetMenus() {
    LeaveMenu();
    Menus() = MenuState{};
}

}  // namespace detail

void RegisterMenuTemplate(int id, std::vector<MenuTemplateItem> items) {
    detail::MenuTemplates()[id] = std::move(items);
}

void ClearMenuTemplates() {
    detail::MenuTemplates().clear();
}

HMENU LoadMenu(HINSTANCE, int id) {
    auto it = detail::MenuTemplates().find(id);
    if (it == detail::MenuTemplates().end()) return nullptr;
    return detail::Build(it->second);
}

HMENU CreateMenu() {
    return detail::NewMenu();
}
HMENU CreatePopupMenu() {
    return detail::NewMenu();
}

BOOL DestroyMenu(HMENU menu) {
    detail::MenuRecord* m = detail::Find(menu);
    if (m == nullptr) return FALSE;
    std::vector<HMENU> popups;
    for (const auto& it : m->items) {
        if (it.popup != nullptr) popups.push_back(it.popup);
    }
    detail::Menus().menus.erase(detail::SerialFromHandle(menu));
    for (HMENU p : popups) DestroyMenu(p);
    // A window still showing it loses its menu bar.
    for (HWND h : detail::AllWindowsPaintOrder()) {
        detail::Window* w = detail::FindWindowRecord(h);
        if (w->menu == menu) w->menu = nullptr;
    }
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return detail::Find(menu) != nullptr ? TRUE : FALSE;
}

HMENU GetMenu(HWND hwnd) {
    detail::Window* w = detail::FindWindowRecord(hwnd);
    if (w == nullptr || w->parent != nullptr) return nullptr;
    return IsMenu(w->menu) ? w->menu : nullptr;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    detail::Window* w = detail::FindWindowRecord(hwnd);
    if (w == nullptr || w->parent != nullptr) return FALSE;
    if (menu != nullptr && !IsMenu(menu)) return FALSE;
    w->menu = menu;
    detail::SyncSurface(*w);
    return TRUE;
}

BOOL DrawMenuBar(HWND hwnd) {
    return IsWindow(hwnd);
}

HMENU GetSubMenu(HMENU menu, int position) {
    detail::MenuItem* it = detail::Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return (it != nullptr && (it->flags & MF_POPUP)) ? it->popup : nullptr;
}

int GetMenuItemCount(HMENU menu) {
    detail::MenuRecord* m = detail::Find(menu);
    return m != nullptr ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    detail::MenuItem* it = detail::Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (it == nullptr) return static_cast<UINT>(-1);
    return (it->flags & MF_POPUP) ? static_cast<UINT>(-1) : it->id;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    detail::MenuItem* it = detail::Locate(menu, item, flags);
    if (it == nullptr) return static_cast<UINT>(-1);
    UINT old = it->flags & (MF_GRAYED | MF_DISABLED);
    it->flags = (it->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    detail::MenuItem* it = detail::Locate(menu, item, flags);
    if (it == nullptr) return static_cast<DWORD>(-1);
    DWORD old = it->flags & MF_CHECKED;
    it->flags = (it->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    detail::MenuItem* it = detail::Locate(menu, item, flags);
    if (it == nullptr) return static_cast<UINT>(-1);
    return it->flags;
}

int GetMenuString(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
    detail::MenuItem* it = detail::Locate(menu, item, flags);
    if (it == nullptr) return 0;
    if (buffer == nullptr || size <= 0) return static_cast<int>(it->text.size());
    int n = std::min(static_cast<int>(it->text.size()), size - 1);
    std::memcpy(buffer, it->text.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, std::uintptr_t newId, const char* text) {
    detail::MenuItem* it = detail::Locate(menu, item, flags);
    if (it == nullptr) return FALSE;
    if (flags & MF_POPUP) {
        it->popup = reinterpret_cast<HMENU>(newId);
    } else {
        it->id = static_cast<UINT>(newId);
        it->popup = nullptr;
    }
    it->flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP);
    it->text = text != nullptr ? text : "";
    return TRUE;
}

BOOL AppendMenu(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text) {
    detail::MenuRecord* m = detail::Find(menu);
    if (m == nullptr) return FALSE;
    detail::MenuItem item;
    item.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP);
    item.text = text != nullptr ? text : "";
    if (flags & MF_POPUP)
        item.popup = reinterpret_cast<HMENU>(idOrPopup);
    else
        item.id = static_cast<UINT>(idOrPopup);
    m->items.push_back(item);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) {
    detail::MenuRecord* m = detail::Find(menu);
    detail::MenuItem* it = detail::Locate(menu, item, flags);
    if (m == nullptr || it == nullptr) return FALSE;
    HMENU popup = it->popup;
    for (auto pos = m->items.begin(); pos != m->items.end(); ++pos) {
        if (&*pos == it) {
            m->items.erase(pos);
            if (popup != nullptr) DestroyMenu(popup);
            return TRUE;
        }
    }
    // The item sits in a popup: delete it there.
    for (auto& sub : m->items) {
        if (sub.popup != nullptr && DeleteMenu(sub.popup, item, flags)) return TRUE;
    }
    return FALSE;
}

std::string DumpMenu(HMENU menu) {
    std::string out;
    detail::Dump(menu, 0, out);
    return out;
}

MenuItemState FindMenuItemState(HMENU menu, UINT commandId) {
    MenuItemState s;
    detail::MenuItem* it = detail::Locate(menu, commandId, MF_BYCOMMAND);
    if (it == nullptr) return s;
    s.found = true;
    s.enabled = (it->flags & (MF_GRAYED | MF_DISABLED)) == 0;
    s.checked = (it->flags & MF_CHECKED) != 0;
    s.text = it->text;
    return s;
}

}  // namespace win
