// The reduced picture of the graph in a Change Range dialog: the snapshot of
// the graph window scaled to the dialog's width (divided by 1.02 for the 3D
// graph, 1.24 for the 2D graph), centred across, 15 % of the client height
// from the top, on white. Where that would run under the edit boxes and
// buttons of the dialog's lower part, the picture is made smaller (its
// proportions kept) so that it ends above them and its captions stay clear.
#pragma once

#include <climits>

#include "platform/window/win_types.h"

struct PreviewPlacement {
    int x, y;           // the picture's top left in the client area
    int width, height;  // 0 when there is nothing to show
};
// Where a snapshot of `snapshotWidth` x `snapshotHeight` goes in `client`,
// ending above `roomBottom` (a client y).
[[nodiscard]] PreviewPlacement PlaceGraphPreview(const win::RECT& client, int snapshotWidth,
                                                 int snapshotHeight, bool threeD,
                                                 int roomBottom = INT_MAX);
// The client y above which the picture must end: a few pixels above the
// highest control of the dialog's lower half (the upper half's "at" boxes
// stand beside the picture).
[[nodiscard]] int PreviewRoomBottom(win::HWND dialog, const win::RECT& client);

// Paints the client area white and the snapshot (graphSnapshot) over it;
// the snapshot is kept. Returns 0.
int PaintGraphPreview(win::HWND dialog);
