// The window table: creation, destruction (owned and child windows first,
// then the window itself), and the relations between windows.
#include <algorithm>
#include <cstring>

#include "platform/controls/controls.h"
#include "platform/window/menu.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct WindowTable {
    std::map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevel;  // z-order, topmost first
    std::vector<std::unique_ptr<Window>> destroyed;
    std::uintptr_t nextSerial = 0x00010000;
    int defaultPlacements = 0;
};

WindowTable& Table() {
    static WindowTable table;
    return table;
}

SurfaceHook& SurfaceHookSlot() {
    static SurfaceHook hook = nullptr;
    return hook;
}

void RemoveFrom(std::vector<HWND>& list, HWND hwnd) {
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

// Default placement of top-level windows: a cascade from the work area's
// corner, sized to three quarters of the work area.
void ApplyDefaultPlacement(int& x, int& y, int& cx, int& cy, bool child) {
    if (child) {
        if (x == CW_USEDEFAULT) x = 0;
        if (y == CW_USEDEFAULT) y = 0;
        if (cx == CW_USEDEFAULT) cx = 0;
        if (cy == CW_USEDEFAULT) cy = 0;
        return;
    }
    MONITORINFO mi;
    GetMonitorInfo(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), &mi);
    int workW = mi.rcWork.right - mi.rcWork.left;
    int workH = mi.rcWork.bottom - mi.rcWork.top;
    if (x == CW_USEDEFAULT) {
        int step = (Table().defaultPlacements++ % 8) * 26;
        x = mi.rcWork.left + step;
        y = mi.rcWork.top + step;
    }
    if (cx == CW_USEDEFAULT) {
        cx = workW * 3 / 4;
        cy = workH * 3 / 4;
    }
}

}  // namespace

Window* FindWindowRecord(HWND hwnd) {
    auto& windows = Table().windows;
    auto it = windows.find(SerialFromHandle(hwnd));
    if (it == windows.end()) return nullptr;
    return it->second.get();
}

const std::vector<HWND>& TopLevelWindows() {
    return Table().topLevel;
}
std::vector<HWND>& TopLevelList() {
    return Table().topLevel;
}

std::vector<HWND> AllWindowsPaintOrder() {
    // Depth-first, parents before children, topmost windows first.
    std::vector<HWND> out;
    for (HWND top : Table().topLevel) {
        std::vector<HWND> pending{top};
        while (!pending.empty()) {
            HWND h = pending.back();
            pending.pop_back();
            Window* w = FindWindowRecord(h);
            if (w == nullptr) continue;
            out.push_back(h);
            for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
                pending.push_back(*it);
        }
    }
    return out;
}

void CollectDestroyedWindows() {
    if (CallDepth() == 0) Table().destroyed.clear();
}

void SetSurfaceHook(SurfaceHook hook) {
    SurfaceHookSlot() = hook;
}

void SyncSurface(Window& w) {
    int cw = std::max(0, ClientWidth(w));
    int ch = std::max(0, ClientHeight(w));
    if (cw == w.surface.Width() && ch == w.surface.Height()) return;
    w.surface.Resize(cw, ch);
    if (SurfaceHookSlot() != nullptr) SurfaceHookSlot()(w.handle, SurfaceEvent::Recreated);
}

Surface WindowSurface(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return Surface{};
    return w->surface.View();
}

void ResetWindows() {
    // Windows are dropped without messages: a reset is a fresh process.
    auto& t = Table();
    if (SurfaceHookSlot() != nullptr) {
        for (auto& [serial, w] : t.windows) SurfaceHookSlot()(w->handle, SurfaceEvent::Destroyed);
    }
    t = WindowTable{};
}

}  // namespace detail

using detail::FindWindowRecord;
using detail::Window;

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu,
                    HINSTANCE instance, void* param) {
    using namespace detail;
    if (className == nullptr) return nullptr;
    EnsureBuiltinClasses();
    WindowClass* cls = FindClassRecord(className);
    if (cls == nullptr) return nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child && FindWindowRecord(parent) == nullptr) return nullptr;
    if (!child && parent != nullptr && FindWindowRecord(parent) == nullptr) return nullptr;

    auto& table = Table();
    auto record = std::make_unique<Window>();
    Window& w = *record;
    w.handle = HandleFromSerial<HWND>(table.nextSerial);
    table.nextSerial += 0x10;
    w.windowClass = cls;
    w.proc = cls->proc;
    w.style = style;
    w.exStyle = exStyle;
    w.instance = instance;
    w.extraBytes.assign(static_cast<std::size_t>(cls->windowExtra), 0);
    if (child) {
        w.parent = parent;
        w.id = static_cast<int>(reinterpret_cast<std::intptr_t>(menu));
    } else {
        // A top-level window's owner is the top-level ancestor of the window given.
        HWND owner = parent;
        while (Window* o = FindWindowRecord(owner)) {
            if (o->parent == nullptr) break;
            owner = o->parent;
        }
        w.owner = owner;
        w.menu = menu;
        if (w.menu == nullptr && cls->menuId != 0) w.menu = LoadMenu(instance, cls->menuId);
    }
    w.vscroll.visible = (style & WS_VSCROLL) != 0;
    w.hscroll.visible = (style & WS_HSCROLL) != 0;
    w.vscroll.info.nMax = 100;
    w.hscroll.info.nMax = 100;
    ApplyDefaultPlacement(x, y, width, height, child);
    w.rect = RECT{x, y, x + width, y + height};
    w.restoreRect = w.rect;
    HWND hwnd = w.handle;
    table.windows.emplace(SerialFromHandle(hwnd), std::move(record));
    if (child) {
        // Children keep creation order, which is also the dialog tab order.
        FindWindowRecord(parent)->children.push_back(hwnd);
    } else {
        table.topLevel.insert(table.topLevel.begin(), hwnd);
    }
    SyncSurface(*FindWindowRecord(hwnd));

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    auto lp = reinterpret_cast<LPARAM>(&cs);
    if (!CallProcedure(hwnd, WM_NCCREATE, 0, lp) || CallProcedure(hwnd, WM_CREATE, 0, lp) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;
    Window* made = FindWindowRecord(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
    POINT origin{0, 0};
    if (IsWindow(hwnd)) {
        made = FindWindowRecord(hwnd);
        origin = ClientOriginOnScreen(*made);
        if (made->parent != nullptr) ScreenToClient(made->parent, &origin);
        SendMessage(hwnd, WM_MOVE, 0,
                    MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
    }
    if (!IsWindow(hwnd)) return nullptr;
    made = FindWindowRecord(hwnd);
    if (made->style & WS_MAXIMIZE) {
        made->style &= ~WS_MAXIMIZE;
        bool visible = (made->style & WS_VISIBLE) != 0;
        made->style &= ~WS_VISIBLE;
        ShowWindow(hwnd, visible ? SW_SHOWMAXIMIZED : SW_MAXIMIZE);
        if (!visible && IsWindow(hwnd)) FindWindowRecord(hwnd)->style &= ~WS_VISIBLE;
    } else if (made->style & WS_VISIBLE) {
        made->style &= ~WS_VISIBLE;
        ShowWindow(hwnd, child ? SW_SHOWNA : SW_SHOW);
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu,
                          instance, param);
}

namespace {

void SendDestroyTree(HWND hwnd) {
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) {
        if (Window* cw = FindWindowRecord(c); cw != nullptr && !cw->destroying) {
            cw->destroying = true;
            SendDestroyTree(c);
        }
    }
}

void FreeTree(HWND hwnd) {
    using namespace detail;
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) FreeTree(c);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    if (GetFocus() == hwnd) SetFocus(nullptr);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (w->parent == nullptr && w->menu != nullptr) DestroyMenu(w->menu);
    if (SurfaceHookSlot() != nullptr) SurfaceHookSlot()(hwnd, SurfaceEvent::Destroyed);
    if (Window* p = FindWindowRecord(w->parent)) RemoveFrom(p->children, hwnd);
    RemoveFrom(Table().topLevel, hwnd);
    auto it = Table().windows.find(SerialFromHandle(hwnd));
    Table().destroyed.push_back(std::move(it->second));
    Table().windows.erase(it);
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
    using namespace detail;
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || w->destroying) return FALSE;
    w->destroying = true;
    // Owned windows go first, each completely.
    if (w->parent == nullptr) {
        std::vector<HWND> owned;
        for (HWND top : Table().topLevel) {
            if (Window* o = FindWindowRecord(top); o != nullptr && o->owner == hwnd)
                owned.push_back(top);
        }
        for (HWND o : owned) DestroyWindow(o);
    }
    w = FindWindowRecord(hwnd);
    if (w == nullptr) return TRUE;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    w->style &= ~WS_VISIBLE;
    if (wasVisible && w->parent != nullptr) {
        // Uncover the parent area the window occupied.
        RECT r = w->rect;
        InvalidateRect(w->parent, &r, TRUE);
    }
    // Focus leaves the window tree before it goes: to the owner, or nowhere.
    HWND focus = GetFocus();
    if (focus == hwnd || IsChild(hwnd, focus)) {
        HWND next = w->parent != nullptr ? w->parent : w->owner;
        Window* n = FindWindowRecord(next);
        SetFocus(n != nullptr && !n->destroying ? next : nullptr);
    }
    SendDestroyTree(hwnd);
    FreeTree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return FindWindowRecord(hwnd) != nullptr ? TRUE : FALSE;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    while (w != nullptr && w->parent != nullptr) {
        if (w->parent == parent) return TRUE;
        w = FindWindowRecord(w->parent);
    }
    return FALSE;
}

HWND GetParent(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return nullptr;
    return w->parent != nullptr ? w->parent : w->owner;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return nullptr;
    if (relation == GW_OWNER) return w->owner;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    const std::vector<HWND>* siblings = &detail::TopLevelWindows();
    if (Window* p = FindWindowRecord(w->parent)) siblings = &p->children;
    if (siblings->empty()) return nullptr;
    auto it = std::find(siblings->begin(), siblings->end(), hwnd);
    switch (relation) {
        case GW_HWNDFIRST:
            return siblings->front();
        case GW_HWNDLAST:
            return siblings->back();
        case GW_HWNDNEXT:
            return (it == siblings->end() || it + 1 == siblings->end()) ? nullptr : *(it + 1);
        case GW_HWNDPREV:
            return (it == siblings->begin() || it == siblings->end()) ? nullptr : *(it - 1);
        default:
            return nullptr;
    }
}

// The desktop is not a window of the table; its handle is a fixed tag whose
// rectangle is the screen.
HWND GetDesktopWindow() {
    return detail::HandleFromSerial<HWND>(0x00000D00);
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = FindWindowRecord(dialog);
    if (w == nullptr) return nullptr;
    for (HWND c : w->children) {
        if (FindWindowRecord(c)->id == id) return c;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    return (w != nullptr && w->parent != nullptr) ? w->id : 0;
}

HWND FindWindow(const char* className, const char* windowName) {
    for (HWND h : detail::TopLevelWindows()) {
        Window* w = FindWindowRecord(h);
        if (className != nullptr && !detail::EqualsNoCase(w->windowClass->name, className))
            continue;
        if (windowName != nullptr && w->text != windowName) continue;
        return h;
    }
    return nullptr;
}

}  // namespace win
