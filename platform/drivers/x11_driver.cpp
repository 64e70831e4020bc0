// The X display driver: every visible top-level window becomes an X window
// showing its menu bar (a strip drawn here with the server's core font) and
// its composed client picture; mouse buttons, motion, the wheel and keys come
// back as input events. Frames and captions are the X window manager's; a
// move or resize made there is passed on to the window.
#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/drivers/driver.h"
#include "platform/drivers/input_events.h"
#include "platform/window/menu.h"
#include "platform/gdi/surface.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

// Xlib comes last: its macros (None, True, Bool ...) must not reach our headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace win {
namespace {

constexpr int kItemHeight = 18;
constexpr unsigned long kGrey = 0x808080;
constexpr unsigned long kMenuFace = 0xD4D0C8;

struct Shown {
    ::Window xw = 0;
    int width = 0;
    int height = 0;  // client height (the X window adds the menu strip)
    int menuHeight = 0;
    std::string title;
};

struct PopupItem {
    int top = 0;
    int bottom = 0;
    UINT id = 0;
    bool enabled = false;
    bool separator = false;
};

std::string Plain(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '&') out += c;
    }
    return out;
}

int VirtualKeyOf(KeySym sym) {
    if (sym >= XK_a && sym <= XK_z) return static_cast<int>(sym - XK_a) + 'A';
    if (sym >= XK_A && sym <= XK_Z) return static_cast<int>(sym - XK_A) + 'A';
    if (sym >= XK_0 && sym <= XK_9) return static_cast<int>(sym - XK_0) + '0';
    if (sym >= XK_F1 && sym <= XK_F12) return VK_F1 + static_cast<int>(sym - XK_F1);
    switch (sym) {
        case XK_Left:
            return VK_LEFT;
        case XK_Right:
            return VK_RIGHT;
        case XK_Up:
            return VK_UP;
        case XK_Down:
            return VK_DOWN;
        case XK_Prior:
            return VK_PRIOR;
        case XK_Next:
            return VK_NEXT;
        case XK_Home:
            return VK_HOME;
        case XK_End:
            return VK_END;
        case XK_Return:
        case XK_KP_Enter:
            return VK_RETURN;
        case XK_Tab:
        case XK_ISO_Left_Tab:
            return VK_TAB;
        case XK_BackSpace:
            return VK_BACK;
        case XK_Escape:
            return VK_ESCAPE;
        case XK_Delete:
            return VK_DELETE;
        case XK_Insert:
            return VK_INSERT;
        case XK_space:
            return VK_SPACE;
        case XK_Shift_L:
        case XK_Shift_R:
            return VK_SHIFT;
        case XK_Control_L:
        case XK_Control_R:
            return VK_CONTROL;
        case XK_Alt_L:
        case XK_Alt_R:
            return VK_MENU;
        default:
            return 0;
    }
}

class X11Driver final : public Driver {
  public:
    explicit X11Driver(Display* display) : dpy_(display) {
        screen_ = DefaultScreen(dpy_);
        wmDelete_ = XInternAtom(dpy_, "WM_DELETE_WINDOW", 0);
        font_ = XLoadQueryFont(dpy_, "fixed");
        gc_ = XCreateGC(dpy_, RootWindow(dpy_, screen_), 0, nullptr);
        if (font_ != nullptr) XSetFont(dpy_, gc_, font_->fid);
        SetDesktopSize(DisplayWidth(dpy_, screen_), DisplayHeight(dpy_, screen_));
    }
    ~X11Driver() override {
        ClosePopup();
        for (auto& [h, s] : shown_) XDestroyWindow(dpy_, s.xw);
        if (font_ != nullptr) XFreeFont(dpy_, font_);
        XFreeGC(dpy_, gc_);
        XCloseDisplay(dpy_);
    }

    [[nodiscard]] const char* Name() const override { return "x11"; }
    [[nodiscard]] bool Interactive() const override { return true; }
    void WindowChanged(HWND) override { dirty_ = true; }

    bool WaitForInput() override {
        Sync();
        XFlush(dpy_);
        for (;;) {
            XEvent e;
            XNextEvent(dpy_, &e);
            if (Handle(e)) return true;
            if (XPending(dpy_) == 0) Sync();
        }
    }

  private:
    // Brings the X windows in line with the visible top-level windows and
    // repaints them.
    void Sync() {
        std::set<HWND> live;
        for (HWND h : detail::TopLevelWindows()) {
            if (!IsWindowVisible(h)) continue;
            live.insert(h);
            Shown& s = shown_[h];
            RECT client;
            GetClientRect(h, &client);
            int menuHeight = GetMenu(h) != nullptr ? GetSystemMetrics(SM_CYMENU) : 0;
            int w = std::max(1, static_cast<int>(client.right));
            int hgt = std::max(1, static_cast<int>(client.bottom) + menuHeight);
            POINT origin{0, 0};
            ClientToScreen(h, &origin);
            if (s.xw == 0) {
                s.xw = XCreateSimpleWindow(dpy_, RootWindow(dpy_, screen_), origin.x,
                                           origin.y - menuHeight, static_cast<unsigned>(w),
                                           static_cast<unsigned>(hgt), 0, BlackPixel(dpy_, screen_),
                                           WhitePixel(dpy_, screen_));
                XSelectInput(dpy_, s.xw,
                             ExposureMask | ButtonPressMask | ButtonReleaseMask |
                                 PointerMotionMask | KeyPressMask | KeyReleaseMask |
                                 StructureNotifyMask | FocusChangeMask);
                XSetWMProtocols(dpy_, s.xw, &wmDelete_, 1);
                HWND owner = GetWindow(h, GW_OWNER);
                if (shown_.count(owner) != 0 && shown_[owner].xw != 0)
                    XSetTransientForHint(dpy_, s.xw, shown_[owner].xw);
                XMapWindow(dpy_, s.xw);
            } else if (w != s.width || client.bottom != s.height || menuHeight != s.menuHeight) {
                XResizeWindow(dpy_, s.xw, static_cast<unsigned>(w), static_cast<unsigned>(hgt));
            }
            s.width = w;
            s.height = static_cast<int>(client.bottom);
            s.menuHeight = menuHeight;
            std::string title = WindowText(h);
            if (title != s.title) {
                XStoreName(dpy_, s.xw, title.c_str());
                s.title = title;
            }
            Present(h, s);
        }
        for (auto it = shown_.begin(); it != shown_.end();) {
            if (live.count(it->first) == 0) {
                if (it->second.xw != 0) XDestroyWindow(dpy_, it->second.xw);
                it = shown_.erase(it);
            } else {
                ++it;
            }
        }
        dirty_ = false;
    }

    void Present(HWND h, const Shown& s) {
        if (s.menuHeight > 0) DrawMenuBar(h, s);
        SurfaceBuffer picture;
        if (!detail::ComposeWindow(h, picture) || picture.Width() == 0 || picture.Height() == 0)
            return;
        Surface view = picture.View();
        XImage* image = XCreateImage(
            dpy_, DefaultVisual(dpy_, screen_), static_cast<unsigned>(DefaultDepth(dpy_, screen_)),
            ZPixmap, 0, reinterpret_cast<char*>(view.pixels), static_cast<unsigned>(view.width),
            static_cast<unsigned>(view.height), 32, view.stride * 4);
        if (image == nullptr) return;
        XPutImage(dpy_, s.xw, gc_, image, 0, 0, 0, s.menuHeight, static_cast<unsigned>(view.width),
                  static_cast<unsigned>(view.height));
        image->data = nullptr;  // the buffer is ours
        XDestroyImage(image);
    }

    int TextWidth(const std::string& text) const {
        if (font_ == nullptr) return static_cast<int>(text.size()) * 6;
        return XTextWidth(font_, text.c_str(), static_cast<int>(text.size()));
    }

    void DrawText(::Window xw, int x, int y, const std::string& text, unsigned long colour) {
        XSetForeground(dpy_, gc_, colour);
        XDrawString(dpy_, xw, gc_, x, y, text.c_str(), static_cast<int>(text.size()));
    }

    // The menu bar: the popups' titles side by side.
    void DrawMenuBar(HWND h, const Shown& s) {
        XSetForeground(dpy_, gc_, kMenuFace);
        XFillRectangle(dpy_, s.xw, gc_, 0, 0, static_cast<unsigned>(s.width),
                       static_cast<unsigned>(s.menuHeight));
        HMENU menu = GetMenu(h);
        int x = 6;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            std::string text = Plain(MenuText(menu, i));
            DrawText(s.xw, x, s.menuHeight - 5, text, 0);
            x += TextWidth(text) + 16;
        }
    }

    static std::string MenuText(HMENU menu, int pos) {
        char buf[256];
        GetMenuString(menu, static_cast<UINT>(pos), buf, sizeof buf, MF_BYPOSITION);
        return buf;
    }

    int MenuItemLeft(HMENU menu, int index) const {
        int left = 0;
        for (int i = 0; i < index; ++i) left += TextWidth(Plain(MenuText(menu, i))) + 16;
        return left;
    }

    int MenuIndexAt(HMENU menu, int x) const {
        int left = 6;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            int w = TextWidth(Plain(MenuText(menu, i))) + 16;
            if (x >= left - 6 && x < left + w - 6) return i;
            left += w;
        }
        return -1;
    }

    void OpenPopup(HWND h, int index, int rootX, int rootY) {
        HMENU bar = GetMenu(h);
        HMENU sub = GetSubMenu(bar, index);
        SendMessage(h, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
        if (sub == nullptr) {
            UINT id = GetMenuItemID(bar, index);
            if (!(GetMenuState(bar, static_cast<UINT>(index), MF_BYPOSITION) &
                  (MF_GRAYED | MF_DISABLED)))
                PostMessage(h, WM_COMMAND, id, 0);
            return;
        }
        popupItems_.clear();
        int width = 60;
        int y = 2;
        for (int i = 0; i < GetMenuItemCount(sub); ++i) {
            UINT state = GetMenuState(sub, static_cast<UINT>(i), MF_BYPOSITION);
            PopupItem item;
            item.separator = (state & MF_SEPARATOR) != 0;
            item.top = y;
            y += item.separator ? 8 : kItemHeight;
            item.bottom = y;
            item.id = GetMenuItemID(sub, i);
            item.enabled = !(state & (MF_GRAYED | MF_DISABLED)) && !item.separator;
            width = std::max(width, TextWidth(Plain(MenuText(sub, i))) + 40);
            popupItems_.push_back(item);
        }
        XSetWindowAttributes attrs;
        attrs.override_redirect = 1;
        attrs.background_pixel = kMenuFace;
        popup_ = XCreateWindow(dpy_, RootWindow(dpy_, screen_), rootX, rootY,
                               static_cast<unsigned>(width), static_cast<unsigned>(y + 2), 1,
                               CopyFromParent, InputOutput, CopyFromParent,
                               CWOverrideRedirect | CWBackPixel, &attrs);
        XSelectInput(dpy_, popup_, ExposureMask | ButtonPressMask);
        XMapRaised(dpy_, popup_);
        XGrabPointer(dpy_, popup_, 0, ButtonPressMask, GrabModeAsync, GrabModeAsync, 0, 0,
                     CurrentTime);
        popupOwner_ = h;
        popupMenu_ = sub;
    }

    void DrawPopup() {
        for (std::size_t i = 0; i < popupItems_.size(); ++i) {
            const PopupItem& item = popupItems_[i];
            if (item.separator) {
                XSetForeground(dpy_, gc_, kGrey);
                XDrawLine(dpy_, popup_, gc_, 4, item.top + 4, 400, item.top + 4);
                continue;
            }
            UINT state = GetMenuState(popupMenu_, static_cast<UINT>(i), MF_BYPOSITION);
            std::string text = Plain(MenuText(popupMenu_, static_cast<int>(i)));
            if (state & MF_CHECKED) DrawText(popup_, 4, item.bottom - 5, "x", 0);
            DrawText(popup_, 18, item.bottom - 5, text, item.enabled ? 0 : kGrey);
        }
    }

    void ClosePopup() {
        if (popup_ == 0) return;
        XUngrabPointer(dpy_, CurrentTime);
        XDestroyWindow(dpy_, popup_);
        popup_ = 0;
    }

    HWND Owner(::Window xw, const Shown** s) const {
        for (const auto& [h, shown] : shown_) {
            if (shown.xw == xw) {
                *s = &shown;
                return h;
            }
        }
        return nullptr;
    }

    POINT ScreenPoint(HWND h, const Shown& s, int x, int y) const {
        POINT p{x, y - s.menuHeight};
        ClientToScreen(h, &p);
        return p;
    }

    // Turns one X event into input; true when messages may have been posted.
    bool Handle(XEvent& e) {
        if (popup_ != 0 && e.type == ButtonPress) {
            bool inside = e.xbutton.window == popup_;
            HWND owner = popupOwner_;
            UINT chosen = 0;
            for (const PopupItem& item : popupItems_) {
                if (inside && item.enabled && e.xbutton.y >= item.top && e.xbutton.y < item.bottom)
                    chosen = item.id;
            }
            ClosePopup();
            if (chosen != 0 && IsWindow(owner)) PostMessage(owner, WM_COMMAND, chosen, 0);
            return true;
        }
        if (popup_ != 0 && e.xany.window == popup_) {
            if (e.type == Expose) DrawPopup();
            return false;
        }
        const Shown* s = nullptr;
        HWND h = Owner(e.xany.window, &s);
        if (h == nullptr) return false;
        switch (e.type) {
            case Expose:
                if (e.xexpose.count == 0) Present(h, *s);
                return false;
            case ConfigureNotify:
                return FollowConfigure(h, *s, e.xconfigure);
            case ClientMessage:
                if (static_cast<Atom>(e.xclient.data.l[0]) == wmDelete_)
                    PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
                return true;
            case FocusIn:
                if (GetActiveWindow() != h && IsWindowEnabled(h)) SetActiveWindow(h);
                return true;
            case ButtonPress:
            case ButtonRelease: {
                bool down = e.type == ButtonPress;
                if (e.xbutton.y < s->menuHeight) {
                    if (!down || !IsWindowEnabled(h)) return false;
                    int index = MenuIndexAt(GetMenu(h), e.xbutton.x);
                    int left = e.xbutton.x_root - e.xbutton.x + MenuItemLeft(GetMenu(h), index);
                    int top = e.xbutton.y_root - e.xbutton.y + s->menuHeight;
                    if (index >= 0) OpenPopup(h, index, left, top);
                    return true;
                }
                POINT p = ScreenPoint(h, *s, e.xbutton.x, e.xbutton.y);
                if (e.xbutton.button == Button4 || e.xbutton.button == Button5) {
                    if (!down) return false;
                    HWND target = GetFocus() != nullptr ? GetFocus() : h;
                    SetCursorPos(p.x, p.y);
                    InjectWheel(target, e.xbutton.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA);
                    return true;
                }
                MouseButton b = e.xbutton.button == Button3   ? MouseButton::Right
                                : e.xbutton.button == Button2 ? MouseButton::Middle
                                                              : MouseButton::Left;
                if (down) BringWindowToTop(h);
                InjectMouseButton(p, b, down);
                return true;
            }
            case MotionNotify:
                InjectMouseMove(ScreenPoint(h, *s, e.xmotion.x, e.xmotion.y));
                return true;
            case KeyPress:
            case KeyRelease: {
                char text[8] = {};
                KeySym sym = 0;
                int n = XLookupString(&e.xkey, text, sizeof text, &sym, nullptr);
                int vk = VirtualKeyOf(sym);
                if (vk == 0 && n != 1) return false;
                char ch = (n == 1 && !(e.xkey.state & ControlMask)) ? text[0] : 0;
                if (e.type == KeyPress && GetActiveWindow() != h && IsWindowEnabled(h))
                    SetActiveWindow(h);
                InjectKey(vk, e.type == KeyPress, ch);
                return true;
            }
            default:
                return false;
        }
    }

    bool FollowConfigure(HWND h, const Shown& s, const XConfigureEvent& c) {
        int rootX = 0;
        int rootY = 0;
        ::Window child = 0;
        XTranslateCoordinates(dpy_, s.xw, RootWindow(dpy_, screen_), 0, 0, &rootX, &rootY, &child);
        // The X window holds the menu strip and the client area; the rest of
        // the frame (caption, borders, scroll bars) keeps its size.
        RECT client;
        GetClientRect(h, &client);
        RECT now;
        GetWindowRect(h, &now);
        POINT origin{0, 0};
        ClientToScreen(h, &origin);
        int dx = rootX - origin.x;
        int dy = rootY + s.menuHeight - origin.y;
        int dw = c.width - static_cast<int>(client.right);
        int dh = c.height - s.menuHeight - static_cast<int>(client.bottom);
        if (dx == 0 && dy == 0 && dw == 0 && dh == 0) return false;
        SetWindowPos(h, nullptr, now.left + dx, now.top + dy, now.right - now.left + dw,
                     now.bottom - now.top + dh, SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }

    Display* dpy_;
    int screen_ = 0;
    Atom wmDelete_ = 0;
    XFontStruct* font_ = nullptr;
    GC gc_;
    std::map<HWND, Shown> shown_;
    bool dirty_ = true;
    ::Window popup_ = 0;
    HWND popupOwner_ = nullptr;
    HMENU popupMenu_ = nullptr;
    std::vector<PopupItem> popupItems_;
};

}  // namespace

std::unique_ptr<Driver> MakeX11Driver() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    return std::make_unique<X11Driver>(display);
}

}  // namespace win
