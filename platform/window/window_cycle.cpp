// Ctrl+F6 and Ctrl+Tab (Shift with them: backwards) step the keyboard through
// the windows of one program: the owner and every window it owns that is
// shown and takes input, in the order they were opened. The window reached
// comes to the top and takes the keyboard, so that its own keys (a page's
// Page Down) work without a click. Nothing moves while a modal dialog or box
// holds the owner. After a command, a print or a window's close the program
// can hand the keyboard to its window in front (ActivateFrontWindow).
#include <algorithm>

#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win::detail {
namespace {

HWND RootOwner(HWND top) {
    Window* w = FindWindowRecord(top);
    for (int depth = 0; w != nullptr && w->owner != nullptr && depth < 32; ++depth) {
        Window* o = FindWindowRecord(w->owner);
        if (o == nullptr) break;
        w = o;
    }
    return w != nullptr ? w->handle : nullptr;
}

bool TakesKeys(const Window& w) {
    return (w.style & WS_VISIBLE) && !(w.style & WS_DISABLED) && !w.minimized && !w.destroying;
}

}  // namespace

bool CycleProgramWindows(bool backwards) {
    HWND active = GetActiveWindow();
    HWND root = RootOwner(active);
    Window* rootRecord = FindWindowRecord(root);
    if (rootRecord == nullptr || (rootRecord->style & WS_DISABLED)) return false;
    std::vector<HWND> ring;
    for (HWND h : TopLevelWindows()) {
        Window* w = FindWindowRecord(h);
        if (w != nullptr && TakesKeys(*w) && RootOwner(h) == root) ring.push_back(h);
    }
    if (ring.size() < 2) return false;
    // Handles are serials given out in creation order.
    std::sort(ring.begin(), ring.end(),
              [](HWND a, HWND b) { return SerialFromHandle(a) < SerialFromHandle(b); });
    auto at = std::find(ring.begin(), ring.end(), active);
    const auto n = static_cast<std::ptrdiff_t>(ring.size());
    std::ptrdiff_t i = at == ring.end() ? 0 : at - ring.begin();
    i = (i + (backwards ? n - 1 : 1)) % n;
    HWND next = ring[static_cast<std::size_t>(i)];
    BringWindowToTop(next);
    SetActiveWindow(next);
    return true;
}

}  // namespace win::detail

namespace win {

HWND ActivateFrontWindow(HWND any) {
    detail::Window* w = detail::FindWindowRecord(any);
    while (w != nullptr && w->parent != nullptr) w = detail::FindWindowRecord(w->parent);
    if (w == nullptr) return nullptr;
    // Top-level windows stand in z-order, the one in front first.
    const HWND root = detail::RootOwner(w->handle);
    for (HWND h : detail::TopLevelWindows()) {
        detail::Window* t = detail::FindWindowRecord(h);
        if (t != nullptr && detail::TakesKeys(*t) && detail::RootOwner(h) == root) {
            SetActiveWindow(h);
            return h;
        }
    }
    return nullptr;
}

}  // namespace win
