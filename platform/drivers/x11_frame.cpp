// Frame extents and the area frames may stand in (x11_frame.h).
#include "platform/drivers/x11_frame.h"

#include <X11/Xatom.h>

namespace win::x11 {

namespace {

// Up to `count` CARDINALs of a window's property; how many were read.
int ReadCardinals(Display* dpy, ::Window w, const char* name, long* out, int count) {
    Atom property = XInternAtom(dpy, name, 1);
    if (property == 0) return 0;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, property, 0, count, 0, XA_CARDINAL, &type, &format, &items,
                           &after, &data) != Success ||
        data == nullptr) {
        return 0;
    }
    int n = 0;
    if (type == XA_CARDINAL && format == 32) {
        const long* values = reinterpret_cast<const long*>(data);
        for (; n < count && n < static_cast<int>(items); ++n) out[n] = values[n];
    }
    XFree(data);
    return n;
}

// The ancestor of `xw` that is a child of the root window, or 0.
::Window TopAncestor(Display* dpy, ::Window root, ::Window xw) {
    ::Window w = xw;
    for (int depth = 0; depth < 32; ++depth) {
        ::Window rootReturn = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned int n = 0;
        if (XQueryTree(dpy, w, &rootReturn, &parent, &children, &n) == 0) return 0;
        if (children != nullptr) XFree(children);
        if (parent == root || parent == 0) return w;
        w = parent;
    }
    return 0;
}

}  // namespace

bool FrameExtents(Display* dpy, ::Window root, ::Window xw, RECT* extents) {
    long v[4] = {};
    if (ReadCardinals(dpy, xw, "_NET_FRAME_EXTENTS", v, 4) == 4) {
        *extents = RECT{static_cast<LONG>(v[0]), static_cast<LONG>(v[2]), static_cast<LONG>(v[1]),
                        static_cast<LONG>(v[3])};
        return true;
    }
    ::Window frame = TopAncestor(dpy, root, xw);
    if (frame == 0 || frame == xw) return false;
    XWindowAttributes f;
    XWindowAttributes c;
    if (XGetWindowAttributes(dpy, frame, &f) == 0 || XGetWindowAttributes(dpy, xw, &c) == 0)
        return false;
    int cx = 0;
    int cy = 0;
    ::Window child = 0;
    if (XTranslateCoordinates(dpy, xw, root, 0, 0, &cx, &cy, &child) == 0) return false;
    // The frame's position is its border's outer corner; the client's, its
    // inside.
    const int left = f.x;
    const int top = f.y;
    const int right = f.x + f.width + 2 * f.border_width;
    const int bottom = f.y + f.height + 2 * f.border_width;
    *extents = RECT{cx - left, cy - top, right - (cx + c.width), bottom - (cy + c.height)};
    return true;
}

RECT FrameArea(Display* dpy, int screen) {
    long v[4] = {};
    if (ReadCardinals(dpy, RootWindow(dpy, screen), "_NET_WORKAREA", v, 4) == 4 && v[2] > 0 &&
        v[3] > 0)
        return RECT{static_cast<LONG>(v[0]), static_cast<LONG>(v[1]),
                    static_cast<LONG>(v[0] + v[2]), static_cast<LONG>(v[1] + v[3])};
    return RECT{0, 0, DisplayWidth(dpy, screen), DisplayHeight(dpy, screen)};
}

RECT FramePlaceInto(const RECT& content, const RECT& extents, const RECT& area, bool resizable) {
    RECT r = content;
    if (resizable) {
        const LONG roomX = area.right - area.left - extents.left - extents.right;
        const LONG roomY = area.bottom - area.top - extents.top - extents.bottom;
        if (r.right - r.left > roomX && roomX > 0) r.right = r.left + roomX;
        if (r.bottom - r.top > roomY && roomY > 0) r.bottom = r.top + roomY;
    }
    LONG dx = 0;
    LONG dy = 0;
    if (r.right + extents.right > area.right) dx = area.right - (r.right + extents.right);
    if (r.bottom + extents.bottom > area.bottom) dy = area.bottom - (r.bottom + extents.bottom);
    if (r.left - extents.left + dx < area.left) dx = area.left - (r.left - extents.left);
    if (r.top - extents.top + dy < area.top) dy = area.top - (r.top - extents.top);
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace win::x11
