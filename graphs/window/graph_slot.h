// The one graph-window slot of MainWindowState (graphWindow, graphWindowOpen)
// that every graph window lives in, the openers of the 3D, 2D and well-log
// summary windows, and the snapshots of a graph window's picture that the
// Change Range previews show.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// How a graph window is placed in the slot.
struct GraphSlotRequest {
    const char* className;  // the class asked for
    win::HWND owner;
    win::HINSTANCE instance;
    // Runs before a new window is made (not when the window is reused).
    void (*beforeCreate)();
    // Runs when a window of the asked class is already in the slot: it shows
    // the graph now asked for.
    void (*reuse)(win::HWND window);
    // The window whose client area a new window covers (null: the owner's).
    win::HWND sizeOf = nullptr;
};

// Where a new graph window goes: over the client area of `sized` (in screen
// coordinates), so that its caption and menu bar stay in sight, within the
// desktop's work area; the work area when `sized` is null or has no client
// area.
[[nodiscard]] win::RECT GraphWindowPlace(win::HWND sized);

// Puts a window of the asked class in the slot: a window of that class already
// there is reused; a window of another class is closed first. A new window
// is visible with a caption "Tarvex Graph" and a close box, in the place
// GraphWindowPlace gives for the sizing window. On success graphWindowOpen is 1, the window is shown and has the
// focus. Returns the window, or null when none could be made (the slot is
// then free).
win::HWND PlaceGraphWindow(const GraphSlotRequest& request);

// The 3D graph window ("wcGraphWindow"): 1 with a window in the slot, else 0.
int CreateGraphWindow();
// CreateGraphWindow, then the window repainted; returns 1.
int ShowGraphWindow();

// The 2D graph window (class name from string 1094) with its PROPERTIES
// texts; an open 2D window shows the graph now asked for. 1 or 0.
int OpenTwoDGraphWindow();
int ShowTwoDGraph();

// After a change that computed the pages again (a water stored, the units,
// the index form, the what-if settings): the open 2D or 3D graph computes what
// it shows as its command computes it, lays out its axes and titles afresh and
// paints, so that it, its print and its export are those of the graph opened
// now. The working analysis is kept.
void RecalculateOpenGraph();

// The well-log summary graph window (class name from string 1103) with its
// PROPERTIES texts. 1 or 0.
int OpenWellLogSummaryGraphWindow();

// The PROPERTIES texts of menu 14 (998, 1009 to 1012) from the state. A
// display without colour greys 1011 and switches to solid fills; a printer
// without colour greys 1010 and sets printColor to 0.
void SetTwoDFamilyMenuTexts(win::HWND window);

// For the graph windows' WM_DESTROY: frees the slot when it holds `window`.
void ReleaseGraphSlot(win::HWND window);

// The snapshots: the client area of the graph window painted and copied into
// graphSnapshot (3D: snapshotIs3D 1, 2D: 0). A snapshot taken while another
// exists deletes the older bitmap first.
int RenderGraphToBitmap(win::HWND window);
void RenderTwoDGraphBitmap(win::HWND window);
// Deletes the snapshot's bitmap, if any (the preview's WM_DESTROY).
void DeleteGraphSnapshot();
