// The copy of a graph picture that a Change Range dialog shows while it is
// open, and which graph made it.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

struct GraphSnapshot {
    win::HBITMAP bitmap;  // the client area of the graph window
    int32_t width;        // in pixels
    int32_t height;
    win::HBITMAP previousBitmap;  // what the copying context held before
};
extern GraphSnapshot graphSnapshot;

// 1 when the 3D graph made graphSnapshot, 0 when the 2D graph did.
extern uint32_t snapshotIs3D;

// Start-of-run state: no snapshot.
void ResetGraphSnapshotRecords();
