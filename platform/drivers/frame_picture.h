// The whole picture of a top-level window as a display shows it: its frame
// (border and caption), menu bar, scroll bars and the composed client picture,
// and the pictures of drop-down menus. A display driver shows these; the
// headless driver needs none of it, but tests can draw them all the same.
//
// Places are in window coordinates: (0, 0) is the top-left corner of the
// window rectangle.
#pragma once

#include <vector>

#include "platform/gdi/surface.h"
#include "platform/window/win_types.h"

namespace win::detail {

struct FrameLayout {
    int width = 0;  // the window rectangle
    int height = 0;
    int border = 0;  // frame width on each side (a client edge not included)
    RECT caption;    // empty when the window has no caption
    RECT menuBar;    // empty when it has no menu bar
    RECT client;
    RECT vscroll;  // empty when hidden
    RECT hscroll;
    RECT sizeBox;  // the corner between two shown bars
};
[[nodiscard]] FrameLayout LayoutFrame(HWND hwnd);

// The items of a window's menu bar and where they lie.
struct MenuBarItem {
    RECT rect;
    int position = 0;
};
[[nodiscard]] std::vector<MenuBarItem> LayoutMenuBar(HWND hwnd, const FrameLayout& frame);

// Paints the window's whole picture into `out` (resized to the window): the
// frame drawn as active or inactive, the menu bar with `openItem` (a menu bar
// position, -1 for none) pressed, the scroll bars (a dragged thumb where the
// pointer holds it) and the client picture, pixel for pixel what the window
// painted. False for an unknown window.
bool PaintWindowPicture(HWND hwnd, bool active, int openItem, SurfaceBuffer& out);

// Drop-down menus: the items' places and the picture with one item lit.
struct PopupItem {
    RECT rect;
    int position = 0;
    UINT id = 0;
    bool enabled = false;
    bool separator = false;
    bool popup = false;
    char mnemonic = 0;  // upper-case letter after '&', 0 for none
};
[[nodiscard]] SIZE LayoutPopup(HMENU menu, std::vector<PopupItem>* items);
void PaintPopup(HMENU menu, const std::vector<PopupItem>& items, int lit, SIZE size,
                SurfaceBuffer& out);

}  // namespace win::detail
