// Two word tables kept with the single-water 7 x 7 grid: one u32 per grid cell,
// and a 24-entry u32 table beside it closed by a u16. New clears them.
#pragma once

#include <cstdint>

#include "scenarios/frame/whatif_records.h"  // kGridCells

constexpr int kGridSideWords = 24;

struct GridCellWords {
    uint32_t cell[kGridCells];
    uint32_t side[kGridSideWords];
    uint16_t sideEnd;
};

extern GridCellWords gridCellWords;

// Start-of-run state: every word zero.
void ResetGridCellRecords();
