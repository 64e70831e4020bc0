// The reduced picture of the graph in a Change Range dialog: the snapshot of
// the graph window scaled to the dialog's width (divided by 1.02 for the 3D
// graph, 1.24 for the 2D graph), centred across, 15 % of the client height
// from the top, on white.
#pragma once

#include "platform/window/win_types.h"

struct PreviewPlacement {
    int x, y;           // the picture's top left in the client area
    int width, height;  // 0 when there is nothing to show
};
// Where a snapshot of `snapshotWidth` x `snapshotHeight` goes in `client`.
[[nodiscard]] PreviewPlacement PlaceGraphPreview(const win::RECT& client, int snapshotWidth,
                                                 int snapshotHeight, bool threeD);

// Paints the client area white and the snapshot (graphSnapshot) over it;
// the snapshot is kept. Returns 0.
int PaintGraphPreview(win::HWND dialog);
