// The X display driver: every visible top-level window becomes an X window
// showing the window's whole picture (frame_picture.h), painted into a back
// buffer and copied to the screen in one piece, so exposing, resizing and
// maximising never flicker. Mouse buttons, motion, the wheel and keys come
// back as input events; the menu bar and its drop-down menus are run here.
//
// With a window manager, captioned windows get its frame (title from
// WM_NAME / _NET_WM_NAME, our icon from _NET_WM_ICON, the close box sending
// WM_DELETE_WINDOW) and the X window shows what lies inside the border
// below the caption; a move or resize made there is passed on to the window.
// Without one, the X window shows the whole window, frame and caption drawn
// here (with a close box that closes the window as the manager's does),
// placed where the window says.
//
// Owned windows carry the transient hint and are raised above their owners
// by this driver as well, and the active window gets the keyboard focus; a
// disabled window (the owner of a running modal dialog or box) takes no
// clicks or keys: they bring the dialog forward instead.
#include <errno.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/drivers/driver.h"
#include "platform/drivers/frame_picture.h"
#include "platform/drivers/input_events.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/surface.h"
#include "platform/system/clipboard_shared.h"
#include "platform/system/csv_tab_rows.h"
#include "platform/system/rtf_plain_text.h"
#include "platform/system/system.h"
#include "platform/text/font_codepages.h"
#include "platform/window/menu.h"
#include "platform/window/menu_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

// Xlib comes last: its macros (None, True, Bool ...) must not reach our headers.
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "platform/drivers/x11_frame.h"
#include "platform/drivers/x11_selection.h"

namespace win {

int X11VirtualKey(unsigned long keysym);
namespace detail {
HWND ActiveModalDialog();  // dialog_manager.cpp
}  // namespace detail

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPollInterval = std::chrono::milliseconds(40);

struct Shown {
    ::Window xw = 0;
    RECT content;         // what the X window covers, in screen (root) coordinates
    bool placing = true;  // placed by the program; the window manager's frame not yet counted
    bool viewable = false;
    bool zoomHint = false;
    std::string title;
    SurfaceBuffer picture;  // the back buffer: the whole window as last shown
    SurfaceBuffer next;
};

struct OpenMenu {
    ::Window xw = 0;
    HWND owner = nullptr;
    int barPosition = -1;
    HMENU menu = nullptr;
    std::vector<detail::PopupItem> items;
    SIZE size{0, 0};
    POINT origin{0, 0};  // on the root window
    int lit = -1;
    SurfaceBuffer picture;
};

std::string InstanceName() {
    std::string name = program_invocation_short_name;
    return name.empty() ? std::string("tarvex") : name;
}

std::string ClassName(std::string instance) {
    if (!instance.empty() && instance[0] >= 'a' && instance[0] <= 'z')
        instance[0] = static_cast<char>(instance[0] - 32);
    return instance;
}

RECT Offset(RECT r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The window that takes input for a disabled one: its enabled owned window
// shown on top (the running modal dialog or box), searched downwards.
HWND EnabledPopupOf(HWND hwnd) {
    for (HWND top : detail::TopLevelWindows()) {
        if (top == hwnd || !IsWindowVisible(top)) continue;
        for (HWND o = GetWindow(top, GW_OWNER); o != nullptr; o = GetWindow(o, GW_OWNER)) {
            if (o == hwnd) return IsWindowEnabled(top) ? top : EnabledPopupOf(top);
        }
    }
    return nullptr;
}

// Whether `hwnd` is `top` or one of the windows `top` owns.
bool SameOrOwned(HWND hwnd, HWND top) {
    for (HWND w = hwnd; w != nullptr; w = GetWindow(w, GW_OWNER)) {
        if (w == top) return true;
    }
    return false;
}

// The modal dialog or box that runs, when `hwnd` is outside it: the window
// manager's focus moves (a pointer straying over another window) do not take
// the keyboard from it.
HWND ModalElsewhere(HWND hwnd) {
    HWND modal = detail::ActiveModalDialog();
    if (modal == nullptr || !IsWindowVisible(modal) || SameOrOwned(hwnd, modal)) return nullptr;
    return modal;
}

class X11Driver final : public Driver {
  public:
    X11Driver(Display* display, std::string displayName)
        : dpy_(display), displayName_(std::move(displayName)) {
        x11::InstallLenientErrorHandler();
        screen_ = DefaultScreen(dpy_);
        root_ = RootWindow(dpy_, screen_);
        atoms_.Load(dpy_);
        wm_ = WindowManagerRuns();
        hidden_ = XCreateSimpleWindow(dpy_, root_, -10, -10, 1, 1, 0, 0, 0);
        XSelectInput(dpy_, hidden_, PropertyChangeMask);
        selection_ = std::make_unique<x11::SelectionServer>(dpy_, atoms_, hidden_);
        gc_ = XCreateGC(dpy_, root_, 0, nullptr);
        SetDesktopSize(DisplayWidth(dpy_, screen_), DisplayHeight(dpy_, screen_));
    }

    ~X11Driver() override {
        CloseMenu();
        for (auto& [h, s] : shown_) XDestroyWindow(dpy_, s.xw);
        shown_.clear();
        XSync(dpy_, 0);
        x11::KeepClipboardAfterExit(dpy_, atoms_, *selection_, displayName_);
        selection_.reset();
        XDestroyWindow(dpy_, hidden_);
        XFreeGC(dpy_, gc_);
        XCloseDisplay(dpy_);
    }

    [[nodiscard]] const char* Name() const override { return "x11"; }
    // A script that runs on the display answers the prompts itself.
    [[nodiscard]] bool Interactive() const override { return CurrentIdleFeeder() == nullptr; }
    void WindowChanged(HWND) override {}

    bool WaitForInput() override {
        for (;;) {
            if (!input_.empty()) {
                if (DeliverInput()) return true;
                continue;
            }
            if (XPending(dpy_) == 0) {
                // Bringing the display in line may activate a window, whose
                // procedure may post (what waited before is for a filter
                // that did not take it: wait for input then).
                bool waited = detail::MessagesWaiting();
                Sync();
                if (!waited && detail::MessagesWaiting()) return true;
                // What is shown is painted: a script's next actions come now.
                if (IdleFeeder feed = CurrentIdleFeeder()) {
                    XFlush(dpy_);
                    return feed();
                }
            }
            XEvent e;
            XNextEvent(dpy_, &e);
            if (Handle(e)) return true;
        }
    }

    bool Poll() override {
        if (polling_) return false;
        auto now = Clock::now();
        if (now - lastPoll_ < kPollInterval) return false;
        lastPoll_ = now;
        polling_ = true;
        bool posted = false;
        while (XPending(dpy_) > 0) {
            XEvent e;
            XNextEvent(dpy_, &e);
            posted = Handle(e) || posted;
        }
        Sync();
        // One piece of input at a time: the next waits until the program
        // has taken what this one posted.
        while (!posted && !input_.empty()) posted = DeliverInput();
        polling_ = false;
        return posted;
    }

    bool ReadShownPixels(HWND hwnd, Image32* image) override {
        Sync();
        // Until the server maps the window (a window manager may take a while).
        auto limit = Clock::now() + std::chrono::seconds(3);
        for (;;) {
            XSync(dpy_, 0);
            DrainEvents();
            auto it = shown_.find(hwnd);
            if (it == shown_.end()) return false;
            if (it->second.viewable || Clock::now() > limit) break;
            pollfd fd{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&fd, 1, 20);
        }
        // Its exposures painted, and what changed meanwhile.
        Sync();
        XSync(dpy_, 0);
        DrainEvents();
        XSync(dpy_, 0);
        auto it = shown_.find(hwnd);
        if (it == shown_.end() || !it->second.viewable) return false;
        detail::FrameLayout f = detail::LayoutFrame(hwnd);
        RECT part = ContentInWindow(hwnd, f);
        RECT client = Offset(f.client, -part.left, -part.top);
        int w = static_cast<int>(client.right - client.left);
        int h = static_cast<int>(client.bottom - client.top);
        if (w <= 0 || h <= 0) return false;
        XImage* shot = XGetImage(dpy_, it->second.xw, static_cast<int>(client.left),
                                 static_cast<int>(client.top), static_cast<unsigned>(w),
                                 static_cast<unsigned>(h), AllPlanes, ZPixmap);
        if (shot == nullptr) return false;
        image->width = w;
        image->height = h;
        image->pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                image->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                              static_cast<std::size_t>(x)] =
                    static_cast<std::uint32_t>(XGetPixel(shot, x, y)) & 0xFFFFFFu;
        }
        XDestroyImage(shot);
        return true;
    }

    void ClipboardChanged() override {
        std::string text;
        bool hasText = detail::ClipboardTextForOthers(&text);
        std::vector<detail::NamedClipboardData> named = detail::ClipboardNamedDataForOthers();
        // A table alone: an editor or spreadsheet pastes its rows, a cell
        // to a tab. Rich text alone: a terminal pastes its plain text.
        for (const char* name : {x11::kCsvName, x11::kRichTextName}) {
            for (const detail::NamedClipboardData& d : named) {
                if (hasText || !detail::EqualsNoCase(d.name, name)) continue;
                text = detail::TextForOthers(
                    name == x11::kCsvName ? CsvTabRows(d.bytes) : RtfPlainText(d.bytes),
                    ANSI_CHARSET);
                hasText = true;
            }
        }
        Time now = x11::ServerTime(dpy_, hidden_, atoms_);
        if (hasText || detail::ClipboardHoldsData())
            selection_->Own(text, hasText, std::move(named), now);
        else
            selection_->Disown(now);
        XFlush(dpy_);
    }

    bool ClipboardElsewhere(std::string* text) override {
        ::Window owner = XGetSelectionOwner(dpy_, atoms_.clipboard);
        if (owner == hidden_ && selection_->Owns()) return false;
        text->clear();
        std::string utf8;
        if (owner != 0 && x11::FetchClipboardText(dpy_, atoms_, hidden_, &utf8))
            *text = detail::TextFromOthers(utf8, ANSI_CHARSET);
        return true;
    }

    void ClipboardNamedElsewhere(const std::vector<std::string>& names,
                                 std::vector<detail::NamedClipboardData>* found) override {
        ::Window owner = XGetSelectionOwner(dpy_, atoms_.clipboard);
        if (owner == 0 || (owner == hidden_ && selection_->Owns())) return;
        x11::FetchClipboardNamed(dpy_, atoms_, hidden_, names, found);
    }

  private:
    // Handles every event that came (messages they post wait in the queue).
    void DrainEvents() {
        while (XPending(dpy_) > 0) {
            XEvent e;
            XNextEvent(dpy_, &e);
            Handle(e);
        }
    }

    // A window manager is the one client that redirects the root window's
    // children; asking for that ourselves fails while one runs.
    bool WindowManagerRuns() {
        XSync(dpy_, 0);
        static bool refused = false;
        refused = false;
        auto previous = XSetErrorHandler([](Display*, XErrorEvent* e) -> int {
            if (e->error_code == BadAccess) refused = true;
            return 0;
        });
        XSelectInput(dpy_, root_, SubstructureRedirectMask);
        XSync(dpy_, 0);
        XSelectInput(dpy_, root_, 0);
        XSync(dpy_, 0);
        XSetErrorHandler(previous);
        return refused;
    }

    // ---- Geometry ---------------------------------------------------------------------

    static bool HasCaption(HWND h) {
        return (GetWindowLong(h, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    }

    // The part of the window picture the X window shows, in window coordinates.
    RECT ContentInWindow(HWND h, const detail::FrameLayout& f) const {
        if (!wm_ || !HasCaption(h)) return RECT{0, 0, f.width, f.height};
        return RECT{f.border, f.caption.bottom, f.width - f.border, f.height - f.border};
    }

    RECT ContentOnScreen(HWND h, const detail::FrameLayout& f) const {
        RECT outer;
        GetWindowRect(h, &outer);
        return Offset(ContentInWindow(h, f), outer.left, outer.top);
    }

    // ---- Window properties ------------------------------------------------------------

    void SetNames(::Window xw, const std::string& text) {
        std::string utf8 = TextToUtf8(text, ANSI_CHARSET);
        std::string latin1;
        for (char32_t c : DecodeUtf8(utf8))
            latin1.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
        for (Atom name : {static_cast<Atom>(XA_WM_NAME), static_cast<Atom>(XA_WM_ICON_NAME)}) {
            XChangeProperty(dpy_, xw, name, XA_STRING, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(latin1.data()),
                            static_cast<int>(latin1.size()));
        }
        for (Atom name : {atoms_.netWmName, atoms_.netWmIconName}) {
            XChangeProperty(dpy_, xw, name, atoms_.utf8, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(utf8.data()),
                            static_cast<int>(utf8.size()));
        }
    }

    void SetIdentity(::Window xw) {
        std::string instance = InstanceName();
        std::string className = ClassName(instance);
        XClassHint hint;
        hint.res_name = instance.data();
        hint.res_class = className.data();
        XSetClassHint(dpy_, xw, &hint);
        XSetWMProtocols(dpy_, xw, &atoms_.wmDelete, 1);
        long pid = getpid();
        XChangeProperty(dpy_, xw, atoms_.netWmPid, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&pid), 1);
        char host[256] = {};
        if (gethostname(host, sizeof host - 1) == 0) {
            XChangeProperty(dpy_, xw, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                            reinterpret_cast<unsigned char*>(host),
                            static_cast<int>(std::strlen(host)));
        }
        std::vector<long> icon;
        for (const IconPicture& p : detail::ApplicationIcons()) {
            icon.push_back(p.size);
            icon.push_back(p.size);
            for (std::uint32_t px : p.argb) icon.push_back(static_cast<long>(px));
        }
        if (!icon.empty()) {
            XChangeProperty(dpy_, xw, atoms_.netWmIcon, XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(icon.data()),
                            static_cast<int>(icon.size()));
        }
        XWMHints* hints = XAllocWMHints();
        if (hints != nullptr) {
            hints->flags = InputHint | StateHint;
            hints->input = 1;
            hints->initial_state = NormalState;
            XSetWMHints(dpy_, xw, hints);
            XFree(hints);
        }
    }

    void SetPlacementHints(HWND h, ::Window xw, const RECT& content) {
        XSizeHints* size = XAllocSizeHints();
        if (size == nullptr) return;
        // The program places its windows, as it would on Windows.
        size->flags = USPosition | PPosition | PSize | PWinGravity;
        size->x = static_cast<int>(content.left);
        size->y = static_cast<int>(content.top);
        size->width = static_cast<int>(content.right - content.left);
        size->height = static_cast<int>(content.bottom - content.top);
        size->win_gravity = StaticGravity;
        if (!(GetWindowLong(h, GWL_STYLE) & WS_THICKFRAME)) {
            size->flags |= PMinSize | PMaxSize;
            size->min_width = size->max_width = size->width;
            size->min_height = size->max_height = size->height;
        }
        XSetWMNormalHints(dpy_, xw, size);
        XFree(size);
    }

    void SetKindHints(HWND h, ::Window xw) {
        HWND owner = GetWindow(h, GW_OWNER);
        Atom type = owner != nullptr && !(GetWindowLong(h, GWL_STYLE) & WS_THICKFRAME)
                        ? atoms_.netWmWindowTypeDialog
                        : atoms_.netWmWindowTypeNormal;
        XChangeProperty(dpy_, xw, atoms_.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&type), 1);
        if (!HasCaption(h)) {
            // Nothing for the window manager to draw: the picture has it all.
            long motif[5] = {2 /* decorations */, 0, 0, 0, 0};
            XChangeProperty(dpy_, xw, atoms_.motifWmHints, atoms_.motifWmHints, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(motif), 5);
        }
        if (IsZoomed(h) && wm_) {
            long state[2] = {static_cast<long>(atoms_.netWmStateMaxVert),
                             static_cast<long>(atoms_.netWmStateMaxHorz)};
            XChangeProperty(dpy_, xw, atoms_.netWmState, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(state), 2);
        }
    }

    // A box or dialog that names no owner (one shown while the program starts)
    // still belongs to the program: it is transient for the active window,
    // else for a shown window of the program's own, so that a window manager
    // keeps it above them.
    HWND HintedOwner(HWND h) const {
        HWND owner = GetWindow(h, GW_OWNER);
        char cls[32] = "";
        GetClassName(h, cls, sizeof cls);
        if (owner != nullptr || !detail::EqualsNoCase(cls, detail::kDialogClassName)) return owner;
        HWND active = GetActiveWindow();
        if (active != h && shown_.count(active) != 0) return active;
        for (const auto& [other, s] : shown_) {
            if (other != h && GetWindow(other, GW_OWNER) == nullptr) return other;
        }
        return nullptr;
    }

    void SetOwnerHint(HWND h, ::Window xw) {
        HWND owner = HintedOwner(h);
        auto it = shown_.find(owner);
        if (it != shown_.end() && it->second.xw != 0) XSetTransientForHint(dpy_, xw, it->second.xw);
    }

    ::Window CreateXWindow(HWND h, const RECT& content) {
        XSetWindowAttributes a;
        a.background_pixmap = 0;  // never cleared by the server: no flicker
        a.bit_gravity = NorthWestGravity;
        a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                       KeyPressMask | KeyReleaseMask | StructureNotifyMask | FocusChangeMask;
        ::Window xw = XCreateWindow(
            dpy_, root_, static_cast<int>(content.left), static_cast<int>(content.top),
            static_cast<unsigned>(std::max(1, static_cast<int>(content.right - content.left))),
            static_cast<unsigned>(std::max(1, static_cast<int>(content.bottom - content.top))), 0,
            CopyFromParent, InputOutput, CopyFromParent, CWBackPixmap | CWBitGravity | CWEventMask,
            &a);
        SetIdentity(xw);
        SetPlacementHints(h, xw, content);
        SetKindHints(h, xw);
        SetOwnerHint(h, xw);
        return xw;
    }

    // ---- Bringing the display in line --------------------------------------------------

    void Sync() {
        std::vector<HWND> order;  // visible top-level windows, topmost first
        for (HWND h : detail::TopLevelWindows()) {
            if (IsWindowVisible(h) && !IsIconic(h)) order.push_back(h);
        }
        std::set<HWND> live(order.begin(), order.end());
        for (auto it = shown_.begin(); it != shown_.end();) {
            if (live.count(it->first) == 0) {
                if (focused_ == it->second.xw) focused_ = 0;
                XDestroyWindow(dpy_, it->second.xw);
                it = shown_.erase(it);
            } else {
                ++it;
            }
        }
        if (menu_.xw != 0 && live.count(menu_.owner) == 0) CloseMenu();
        FollowMenu();

        std::vector<::Window> fresh;
        for (auto it = order.rbegin(); it != order.rend(); ++it) {  // owners first
            HWND h = *it;
            detail::FrameLayout f = detail::LayoutFrame(h);
            RECT content = ContentOnScreen(h, f);
            auto found = shown_.find(h);
            if (found == shown_.end()) {
                Shown s;
                s.content = content;
                s.xw = CreateXWindow(h, content);
                s.zoomHint = IsZoomed(h) != 0;
                found = shown_.emplace(h, std::move(s)).first;
                fresh.push_back(found->second.xw);
            } else if (!SameRect(content, found->second.content)) {
                Move(h, found->second, content);
            }
            Shown& s = found->second;
            std::string title = WindowText(h);
            if (title != s.title || s.title.empty()) {
                SetNames(s.xw, title);
                s.title = title;
            }
            Present(h, s, f);
        }
        Restack(order);
        for (::Window xw : fresh) XMapWindow(dpy_, xw);
        FollowActive(order);
        if (menu_.xw != 0) XRaiseWindow(dpy_, menu_.xw);
        XFlush(dpy_);
    }

    void Move(HWND h, Shown& s, const RECT& content) {
        s.content = content;
        s.placing = true;
        int w = std::max(1, static_cast<int>(content.right - content.left));
        int hgt = std::max(1, static_cast<int>(content.bottom - content.top));
        // Static gravity: a window manager puts its frame around the X window
        // where it stands.
        XMoveResizeWindow(dpy_, s.xw, content.left, content.top, static_cast<unsigned>(w),
                          static_cast<unsigned>(hgt));
        SetPlacementHints(h, s.xw, content);
    }

    void Restack(const std::vector<HWND>& order) {
        std::vector<::Window> stack;
        for (HWND h : order) stack.push_back(shown_[h].xw);
        if (stack == stacked_) return;
        stacked_ = stack;
        if (!wm_) {
            XRestackWindows(dpy_, stack.data(), static_cast<int>(stack.size()));
            return;
        }
        for (auto it = stack.rbegin(); it != stack.rend(); ++it) XRaiseWindow(dpy_, *it);
    }

    // The keyboard goes to the active window; with none, to the topmost
    // window that takes input, which becomes active as it would on Windows.
    void FollowActive(const std::vector<HWND>& order) {
        HWND active = GetActiveWindow();
        if (active == nullptr || shown_.count(active) == 0) {
            active = nullptr;
            for (HWND h : order) {
                if (IsWindowEnabled(h)) {
                    active = h;
                    break;
                }
            }
            if (active == nullptr) return;
            SetActiveWindow(active);
        }
        if (!IsWindowEnabled(active)) {
            HWND popup = EnabledPopupOf(active);
            if (popup == nullptr || shown_.count(popup) == 0) return;
            active = popup;
        }
        Shown& s = shown_[active];
        if (!s.viewable || focused_ == s.xw || menu_.xw != 0) return;
        XSetInputFocus(dpy_, s.xw, RevertToParent, CurrentTime);
        if (wm_) {
            XEvent e{};
            e.xclient.type = ClientMessage;
            e.xclient.window = s.xw;
            e.xclient.message_type = atoms_.netActiveWindow;
            e.xclient.format = 32;
            e.xclient.data.l[0] = 1;  // asked by an application
            e.xclient.data.l[1] = CurrentTime;
            XSendEvent(dpy_, root_, 0, SubstructureRedirectMask | SubstructureNotifyMask, &e);
        }
        focused_ = s.xw;
    }

    // Paints the window into the back buffer and copies the rows that changed.
    void Present(HWND h, Shown& s, const detail::FrameLayout& f) {
        const detail::KeyboardMenuState& bar = detail::KeyboardMenu();
        int open = detail::MenuRuns() && bar.owner == h ? bar.bar : -1;
        if (!detail::PaintWindowPicture(h, GetActiveWindow() == h, open, s.next)) return;
        bool whole = s.picture.Width() != s.next.Width() || s.picture.Height() != s.next.Height();
        std::swap(s.picture, s.next);
        RECT part = ContentInWindow(h, f);
        int first = static_cast<int>(part.top);
        int last = static_cast<int>(part.bottom);
        if (!whole) {
            Surface now = s.picture.View();
            Surface before = s.next.View();
            std::size_t rowBytes = static_cast<std::size_t>(now.width) * sizeof(std::uint32_t);
            while (first < last && std::memcmp(now.Row(first), before.Row(first), rowBytes) == 0)
                ++first;
            while (last > first &&
                   std::memcmp(now.Row(last - 1), before.Row(last - 1), rowBytes) == 0)
                --last;
        }
        if (first < last)
            Blit(s, h, f, RECT{0, first - part.top, part.right - part.left, last - part.top});
    }

    // Copies `area` (X window coordinates) from the back buffer.
    void Blit(Shown& s, HWND h, const detail::FrameLayout& f, RECT area) {
        RECT part = ContentInWindow(h, f);
        Surface view = s.picture.View();
        if (view.Empty()) return;
        area.left = std::max(area.left, static_cast<LONG>(0));
        area.top = std::max(area.top, static_cast<LONG>(0));
        area.right = std::min(area.right, static_cast<LONG>(part.right - part.left));
        area.bottom = std::min(area.bottom, static_cast<LONG>(part.bottom - part.top));
        if (area.right <= area.left || area.bottom <= area.top) return;
        XImage* image = XCreateImage(
            dpy_, DefaultVisual(dpy_, screen_), static_cast<unsigned>(DefaultDepth(dpy_, screen_)),
            ZPixmap, 0, reinterpret_cast<char*>(view.pixels), static_cast<unsigned>(view.width),
            static_cast<unsigned>(view.height), 32, view.stride * 4);
        if (image == nullptr) return;
        XPutImage(dpy_, s.xw, gc_, image, static_cast<int>(part.left + area.left),
                  static_cast<int>(part.top + area.top), static_cast<int>(area.left),
                  static_cast<int>(area.top), static_cast<unsigned>(area.right - area.left),
                  static_cast<unsigned>(area.bottom - area.top));
        image->data = nullptr;  // the buffer is ours
        XDestroyImage(image);
    }

    // ---- Drop-down menus ------------------------------------------------------------

    // Opens the menu of a bar position (a click on the bar).
    void OpenMenuAt(HWND h, int position) {
        SetActiveWindow(h);
        if (!detail::EnterMenuBar(h, position, true)) detail::LeaveMenu();
        FollowMenu();
    }

    // The drop-down window shows the menu the bar's record says is open.
    void FollowMenu() {
        const detail::KeyboardMenuState& state = detail::KeyboardMenu();
        bool open = detail::MenuRuns() && state.dropped && shown_.count(state.owner) != 0;
        if (!open) {
            HideMenuWindow();
            return;
        }
        HMENU sub = GetSubMenu(GetMenu(state.owner), state.bar);
        if (menu_.xw == 0 || menu_.owner != state.owner || menu_.barPosition != state.bar ||
            menu_.menu != sub)
            ShowMenuWindow(state.owner, state.bar, sub);
        if (menu_.xw == 0) return;
        if (menu_.lit != state.lit) {
            menu_.lit = state.lit;
            DrawMenu();
        }
    }

    void ShowMenuWindow(HWND h, int position, HMENU sub) {
        HideMenuWindow();
        HMENU bar = GetMenu(h);
        if (bar == nullptr || sub == nullptr) return;
        const Shown& s = shown_[h];
        detail::FrameLayout f = detail::LayoutFrame(h);
        RECT part = ContentInWindow(h, f);
        std::vector<detail::MenuBarItem> items = detail::LayoutMenuBar(h, f);
        if (position >= static_cast<int>(items.size())) return;
        int x = s.content.left + items[static_cast<std::size_t>(position)].rect.left - part.left;
        int y = s.content.top + f.menuBar.bottom - part.top;
        menu_.owner = h;
        menu_.barPosition = position;
        menu_.menu = sub;
        menu_.size = detail::LayoutPopup(sub, &menu_.items);
        menu_.lit = detail::KeyboardMenu().lit;
        menu_.origin = POINT{x, y};
        XSetWindowAttributes a;
        a.override_redirect = 1;
        a.background_pixmap = 0;
        a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                       KeyPressMask | KeyReleaseMask;
        menu_.xw =
            XCreateWindow(dpy_, root_, x, y, static_cast<unsigned>(menu_.size.cx),
                          static_cast<unsigned>(menu_.size.cy), 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWOverrideRedirect | CWBackPixmap | CWEventMask, &a);
        std::string title = GetMenuTitle(bar, position);
        SetNames(menu_.xw, title);
        XMapRaised(dpy_, menu_.xw);
        XGrabPointer(dpy_, menu_.xw, 0, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                     GrabModeAsync, GrabModeAsync, 0, 0, CurrentTime);
        XGrabKeyboard(dpy_, menu_.xw, 0, GrabModeAsync, GrabModeAsync, CurrentTime);
        DrawMenu();
    }

    static std::string GetMenuTitle(HMENU bar, int position) {
        char buf[256] = {};
        GetMenuString(bar, static_cast<UINT>(position), buf, sizeof buf, MF_BYPOSITION);
        std::string out;
        for (const char* p = buf; *p != '\0'; ++p) {
            if (*p == '&' && p[1] != '\0') ++p;
            out.push_back(*p);
        }
        return out;
    }

    void DrawMenu() {
        if (menu_.xw == 0) return;
        detail::PaintPopup(menu_.menu, menu_.items, menu_.lit, menu_.size, menu_.picture);
        Surface view = menu_.picture.View();
        if (view.Empty()) return;
        XImage* image = XCreateImage(
            dpy_, DefaultVisual(dpy_, screen_), static_cast<unsigned>(DefaultDepth(dpy_, screen_)),
            ZPixmap, 0, reinterpret_cast<char*>(view.pixels), static_cast<unsigned>(view.width),
            static_cast<unsigned>(view.height), 32, view.stride * 4);
        if (image == nullptr) return;
        XPutImage(dpy_, menu_.xw, gc_, image, 0, 0, 0, 0, static_cast<unsigned>(view.width),
                  static_cast<unsigned>(view.height));
        image->data = nullptr;
        XDestroyImage(image);
    }

    // Leaves the menu bar and closes its drop-down.
    void CloseMenu() {
        detail::LeaveMenu();
        HideMenuWindow();
    }

    void HideMenuWindow() {
        if (menu_.xw == 0) return;
        XUngrabPointer(dpy_, CurrentTime);
        XUngrabKeyboard(dpy_, CurrentTime);
        XDestroyWindow(dpy_, menu_.xw);
        menu_.xw = 0;
        menu_.items.clear();
        focused_ = 0;  // the keyboard comes back to the active window
    }

    int MenuItemAt(int x, int y) const {
        for (std::size_t i = 0; i < menu_.items.size(); ++i) {
            if (Inside(menu_.items[i].rect, x, y)) return static_cast<int>(i);
        }
        return -1;
    }

    // The menu bar position under a root point of the menu's owner, or -1.
    int BarPositionAt(int rootX, int rootY) {
        auto it = shown_.find(menu_.owner);
        if (it == shown_.end()) return -1;
        return BarPositionIn(menu_.owner, it->second, rootX - it->second.content.left,
                             rootY - it->second.content.top);
    }

    int BarPositionIn(HWND h, const Shown&, int x, int y) const {
        detail::FrameLayout f = detail::LayoutFrame(h);
        RECT part = ContentInWindow(h, f);
        for (const detail::MenuBarItem& item : detail::LayoutMenuBar(h, f)) {
            if (Inside(Offset(item.rect, -part.left, -part.top), x, y)) return item.position;
        }
        return -1;
    }

    // Input while a drop-down menu is open; true when a command may have
    // been posted. Keys go to the bar's record as any key does.
    bool HandleMenu(XEvent& e) {
        bool posted = HandleMenuInput(e);
        FollowMenu();
        return posted;
    }

    bool HandleMenuInput(XEvent& e) {
        switch (e.type) {
            case Expose:
                if (e.xany.window == menu_.xw) DrawMenu();
                return false;
            case MotionNotify: {
                const int mx = e.xmotion.x_root - static_cast<int>(menu_.origin.x);
                const int my = e.xmotion.y_root - static_cast<int>(menu_.origin.y);
                if (Inside(RECT{0, 0, menu_.size.cx, menu_.size.cy}, mx, my)) {
                    detail::SetMenuLit(MenuItemAt(mx, my));
                    return false;
                }
                int bar = BarPositionAt(e.xmotion.x_root, e.xmotion.y_root);
                if (bar >= 0 && bar != menu_.barPosition) detail::DropMenuAt(bar);
                return false;
            }
            case ButtonPress: {
                bool inside = Inside(RECT{0, 0, menu_.size.cx, menu_.size.cy},
                                     e.xbutton.x_root - static_cast<int>(menu_.origin.x),
                                     e.xbutton.y_root - static_cast<int>(menu_.origin.y));
                if (inside) return false;  // chosen when the button comes up
                int bar = BarPositionAt(e.xbutton.x_root, e.xbutton.y_root);
                HWND owner = menu_.owner;
                int was = menu_.barPosition;
                CloseMenu();
                if (bar >= 0 && bar != was) OpenMenuAt(owner, bar);
                return true;
            }
            case ButtonRelease: {
                int index = MenuItemAt(e.xbutton.x_root - static_cast<int>(menu_.origin.x),
                                       e.xbutton.y_root - static_cast<int>(menu_.origin.y));
                if (index < 0 || !menu_.items[static_cast<std::size_t>(index)].enabled)
                    return false;
                detail::ChooseMenuItemAt(index);
                return true;
            }
            case KeyPress:
            case KeyRelease: {
                char text[8] = {};
                KeySym sym = 0;
                int n = XLookupString(&e.xkey, text, sizeof text, &sym, nullptr);
                int vk = X11VirtualKey(sym);
                if (vk == 0 && n != 1) return false;
                InjectKey(vk, e.type == KeyPress, n == 1 ? text[0] : 0);
                return true;
            }
            default:
                return false;
        }
    }

    // ---- Events ---------------------------------------------------------------------

    HWND Owner(::Window xw, Shown** s) {
        for (auto& [h, shown] : shown_) {
            if (shown.xw == xw) {
                *s = &shown;
                return h;
            }
        }
        return nullptr;
    }

    // A disabled window's click or key brings forward the window that runs
    // in front of it.
    // Input to a disabled window brings forward the popup it owns, or the
    // modal dialog that blocks it; the window manager may have raised the
    // window pressed, so the stacking is set again.
    void RefuseInput(HWND h) {
        HWND popup = EnabledPopupOf(h);
        if (popup == nullptr) popup = ModalElsewhere(h);
        if (popup == nullptr) return;
        BringWindowToTop(popup);
        SetActiveWindow(popup);
        focused_ = 0;
        stacked_.clear();
    }

    static bool IsInput(const XEvent& e) {
        return e.type == ButtonPress || e.type == ButtonRelease || e.type == MotionNotify ||
               e.type == KeyPress || e.type == KeyRelease;
    }

    // The shown window under a root point, topmost first.
    HWND WindowAtRoot(int x, int y, Shown** s) {
        for (::Window xw : stacked_) {
            HWND h = Owner(xw, s);
            if (h != nullptr && Inside((*s)->content, x, y)) return h;
        }
        return nullptr;
    }

    // Delivers the oldest input event that waits; true when messages may
    // have been posted. Keys and buttons are delivered one at a time, in the
    // order they came, each once the program has taken what the one before
    // posted: the key state, the focus and a drag that a press began are then
    // those the user saw when the next key or button went.
    bool DeliverInput() {
        XEvent e = input_.front();
        input_.pop_front();
        if (menu_.xw != 0) return HandleMenu(e);
        Shown* s = nullptr;
        HWND h = Owner(e.xany.window, &s);
        if (h == nullptr) {
            // Sent to a window that is gone (a closed drop-down menu): keys go
            // to the active window, the mouse to the window under it.
            if (e.type == KeyPress || e.type == KeyRelease) {
                h = GetActiveWindow();
                auto it = shown_.find(h);
                if (it == shown_.end()) return false;
                s = &it->second;
            } else {
                h = WindowAtRoot(e.xbutton.x_root, e.xbutton.y_root, &s);
                if (h == nullptr) {
                    if (e.type == ButtonRelease) return EndDragOutside(e.xbutton);
                    return false;
                }
            }
        }
        switch (e.type) {
            case ButtonPress:
            case ButtonRelease:
                return HandleButton(h, *s, e.xbutton);
            case MotionNotify:
                if (!IsWindowEnabled(h)) return false;
                InjectMouseMove(POINT{e.xmotion.x_root, e.xmotion.y_root});
                return true;
            default:
                return HandleKey(h, e.xkey);
        }
    }

    // A button that comes up over no window of ours still ends a drag.
    bool EndDragOutside(const XButtonEvent& b) {
        if (b.button != Button1) return false;
        InjectMouseButton(POINT{b.x_root, b.y_root}, MouseButton::Left, false);
        return true;
    }

    // Turns one X event into input; true when messages may have been posted.
    // Input events wait in order for DeliverInput.
    bool Handle(XEvent& e) {
        if (selection_->Handle(e)) return false;
        if (IsInput(e)) {
            input_.push_back(e);
            return false;
        }
        if (menu_.xw != 0 && e.xany.window == menu_.xw) return HandleMenu(e);
        Shown* s = nullptr;
        HWND h = Owner(e.xany.window, &s);
        if (h == nullptr) return false;
        switch (e.type) {
            case Expose: {
                detail::FrameLayout f = detail::LayoutFrame(h);
                Blit(*s, h, f,
                     RECT{e.xexpose.x, e.xexpose.y, e.xexpose.x + e.xexpose.width,
                          e.xexpose.y + e.xexpose.height});
                return false;
            }
            case MapNotify:
                s->viewable = true;
                if (wm_) KeepFrameOnScreen(h, *s);
                return true;  // the focus can go there now
            case UnmapNotify:
                s->viewable = false;
                if (focused_ == s->xw) focused_ = 0;
                return false;
            case ReparentNotify:
                // A window manager that started after us frames the window now.
                if (e.xreparent.parent != root_ && !wm_) {
                    wm_ = true;
                    return true;
                }
                return false;
            case ConfigureNotify: {
                if (!wm_) return false;
                bool moved = FollowConfigure(h, *s, e.xconfigure);
                KeepFrameOnScreen(h, *s);
                return moved;
            }
            case ClientMessage:
                if (e.xclient.message_type == atoms_.wmProtocols &&
                    static_cast<Atom>(e.xclient.data.l[0]) == atoms_.wmDelete) {
                    if (!IsWindowEnabled(h)) {
                        RefuseInput(h);
                        return true;
                    }
                    PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
                    return true;
                }
                return false;
            case FocusIn:
                if (e.xfocus.mode == NotifyGrab || e.xfocus.mode == NotifyUngrab ||
                    e.xfocus.detail == NotifyPointer || e.xfocus.detail == NotifyInferior)
                    return false;
                focused_ = s->xw;
                if (!IsWindowEnabled(h)) {
                    RefuseInput(h);
                    return true;
                }
                if (ModalElsewhere(h) != nullptr) {
                    focused_ = 0;  // the keyboard goes back to the dialog
                    return true;
                }
                if (GetActiveWindow() != h) SetActiveWindow(h);
                return true;
            default:
                return false;
        }
    }

    bool HandleButton(HWND h, Shown& s, const XButtonEvent& b) {
        bool down = b.type == ButtonPress;
        // Where on the window, from the root point: the window may have
        // moved since the event came.
        const POINT screen{b.x_root, b.y_root};
        const int x = static_cast<int>(screen.x - s.content.left);
        const int y = static_cast<int>(screen.y - s.content.top);
        if (!IsWindowEnabled(h)) {
            if (down) RefuseInput(h);
            return down;
        }
        if (b.button == Button4 || b.button == Button5) {
            if (!down) return false;
            SetCursorPos(screen.x, screen.y);
            // The wheel turns what lies under the pointer, active or not.
            HWND target = WindowFromPoint(screen);
            HWND top = target;
            while (top != nullptr && (GetWindowLong(top, GWL_STYLE) & WS_CHILD))
                top = GetParent(top);
            if (top != h) target = h;
            InjectWheel(target, b.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA);
            return true;
        }
        if (b.button != Button1 && b.button != Button2 && b.button != Button3) return false;
        if (down && b.button == Button1) {
            int bar = BarPositionIn(h, s, x, y);
            if (bar >= 0) {
                BringWindowToTop(h);
                OpenMenuAt(h, bar);
                return true;
            }
        }
        MouseButton which = b.button == Button3   ? MouseButton::Right
                            : b.button == Button2 ? MouseButton::Middle
                                                  : MouseButton::Left;
        if (down) BringWindowToTop(h);
        InjectMouseButton(screen, which, down);
        return true;
    }

    bool HandleKey(HWND h, XKeyEvent& k) {
        char text[8] = {};
        KeySym sym = 0;
        int n = XLookupString(&k, text, sizeof text, &sym, nullptr);
        int vk = X11VirtualKey(sym);
        if (vk == 0 && n != 1) return false;
        if (!IsWindowEnabled(h)) {
            // The keyboard still sat on the owner when the dialog or box came
            // up in front of it: the key goes to that dialog.
            HWND popup = EnabledPopupOf(h);
            // A window disabled while a dialog of another window runs (a
            // graph printing: its print dialog belongs to the main window):
            // the key goes to that dialog.
            if (popup == nullptr) popup = ModalElsewhere(h);
            if (k.type == KeyPress) RefuseInput(h);
            if (popup == nullptr) {
                // A key let go still ends its press: an Alt held on would
                // make every later key a system key, which no dialog reads.
                if (k.type == KeyRelease) InjectKey(vk, false, 0);
                return true;
            }
            h = popup;
        }
        // Delete types nothing (X gives it the character DEL).
        char ch = (n == 1 && !(k.state & ControlMask) && text[0] != 0x7F) ? text[0] : 0;
        if (k.type == KeyPress && GetActiveWindow() != h && ModalElsewhere(h) == nullptr)
            SetActiveWindow(h);
        InjectKey(vk, k.type == KeyPress, ch);
        return true;
    }

    // Where the program places a window, the frame the window manager adds
    // is kept on the screen once it is there: a frame larger than the
    // program's own border and caption, or a window placed at the edge,
    // would otherwise hide the caption or the window's foot. The window
    // follows when the move is made. Where the user takes a frame is left
    // alone.
    void KeepFrameOnScreen(HWND h, Shown& s) {
        RECT extents;
        if (!s.placing || !x11::FrameExtents(dpy_, root_, s.xw, &extents)) return;
        s.placing = false;
        const bool resizable = (GetWindowLong(h, GWL_STYLE) & WS_THICKFRAME) != 0;
        RECT placed =
            x11::FramePlaceInto(s.content, extents, x11::FrameArea(dpy_, screen_), resizable);
        if (SameRect(placed, s.content)) return;
        XMoveResizeWindow(dpy_, s.xw, static_cast<int>(placed.left), static_cast<int>(placed.top),
                          static_cast<unsigned>(placed.right - placed.left),
                          static_cast<unsigned>(placed.bottom - placed.top));
    }

    // A move or resize made by the window manager: the window follows, so
    // that the part the X window shows lies where the X window now is.
    bool FollowConfigure(HWND h, Shown& s, const XConfigureEvent& c) {
        int rootX = 0;
        int rootY = 0;
        ::Window child = 0;
        XTranslateCoordinates(dpy_, s.xw, root_, 0, 0, &rootX, &rootY, &child);
        RECT now{rootX, rootY, rootX + c.width, rootY + c.height};
        if (SameRect(now, s.content)) return false;
        detail::FrameLayout f = detail::LayoutFrame(h);
        RECT part = ContentInWindow(h, f);
        int left = rootX - part.left;
        int top = rootY - part.top;
        int width = c.width + (f.width - (part.right - part.left));
        int height = c.height + (f.height - (part.bottom - part.top));
        s.content = now;
        SetWindowPos(h, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }

    Display* dpy_;
    std::string displayName_;
    int screen_ = 0;
    ::Window root_ = 0;
    ::Window hidden_ = 0;  // owns the clipboard and asks for other programs' text
    x11::Atoms atoms_;
    bool wm_ = false;
    GC gc_;
    std::unique_ptr<x11::SelectionServer> selection_;
    std::map<HWND, Shown> shown_;
    std::vector<::Window> stacked_;
    ::Window focused_ = 0;
    OpenMenu menu_;
    std::deque<XEvent> input_;  // keys, buttons and motion not yet delivered
    bool polling_ = false;
    Clock::time_point lastPoll_{};
};

}  // namespace

std::unique_ptr<Driver> MakeX11Driver() {
    const char* name = std::getenv("DISPLAY");
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    return std::make_unique<X11Driver>(display, name != nullptr ? name : "");
}

}  // namespace win
