// The picture of a window as a person sees it: its client surface with the
// surfaces of its visible child windows laid over it at their places. Group
// boxes only frame other controls, so they go underneath the rest.
#include <algorithm>
#include <cstring>

#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

bool IsGroupBox(const Window& w) {
    return EqualsNoCase(w.windowClass->name, "BUTTON") && (w.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// Copies `w`'s surface into `out` with its client origin at (ox, oy), clipped
// to `clip` (in `out` coordinates), then its children.
void Lay(const Window& w, SurfaceBuffer& out, int ox, int oy, RECT clip) {
    Surface src = const_cast<Window&>(w).surface.View();
    Surface dst = out.View();
    RECT area{std::max(clip.left, static_cast<LONG>(ox)), std::max(clip.top, static_cast<LONG>(oy)),
              std::min(clip.right, static_cast<LONG>(ox + src.width)),
              std::min(clip.bottom, static_cast<LONG>(oy + src.height))};
    for (int y = area.top; y < area.bottom; ++y) {
        if (area.right <= area.left) break;
        std::memcpy(dst.Row(y) + area.left, src.Row(y - oy) + (area.left - ox),
                    static_cast<std::size_t>(area.right - area.left) * sizeof(std::uint32_t));
    }
    if (area.right <= area.left || area.bottom <= area.top) return;
    POINT origin = ClientOriginOnScreen(w);
    for (int pass = 0; pass < 2; ++pass) {
        for (HWND c : w.children) {
            const Window* cw = FindWindowRecord(c);
            if (cw == nullptr || !(cw->style & WS_VISIBLE) || IsGroupBox(*cw) != (pass == 0))
                continue;
            POINT co = ClientOriginOnScreen(*cw);
            Lay(*cw, out, ox + (co.x - origin.x), oy + (co.y - origin.y), area);
        }
    }
}

}  // namespace

bool ComposeWindow(HWND hwnd, SurfaceBuffer& out) {
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return false;
    out.Resize(ClientWidth(*w), ClientHeight(*w));
    Lay(*w, out, 0, 0, RECT{0, 0, out.Width(), out.Height()});
    return true;
}

}  // namespace detail
}  // namespace win
