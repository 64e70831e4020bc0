// What a window manager's frame adds around an X window, and where frames
// may stand: the placement the program asks for is kept on the screen with
// the frame counted.
#pragma once

#include "platform/window/win_types.h"

// Xlib comes last: its macros (None, True, Bool ...) must not reach our headers.
#include <X11/Xlib.h>

namespace win::x11 {

// The frame's width on each side of `xw` (left, top, right, bottom, in the
// RECT's fields): the window manager's _NET_FRAME_EXTENTS, else measured from
// the ancestor that is a child of the root window. False while the window is
// not framed.
bool FrameExtents(Display* dpy, ::Window root, ::Window xw, RECT* extents);

// Where frames may stand: the window manager's _NET_WORKAREA, else the screen.
RECT FrameArea(Display* dpy, int screen);

// Where an X window covering `content` goes so that its frame lies in `area`:
// one that may be resized first shrinks to fit; past the right and bottom
// edges it moves back, and never past the left and top ones, which keep the
// caption in reach when the frame is still the larger.
RECT FramePlaceInto(const RECT& content, const RECT& extents, const RECT& area, bool resizable);

}  // namespace win::x11
