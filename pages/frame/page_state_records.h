// What each result page class keeps between messages (one set per class: a
// class has one window at most). Client y values are those of the last paint.
#pragma once

#include <cstdint>

#include "shell/records.h"

struct PageState {
    int32_t windowX;  // last position set by the keyboard moves, screen pixels
    int32_t windowY;
    int32_t productSeen;      // productSelected when the page last painted (or was created)
    int32_t copyCellWidth;    // cellWidth of the last paint; 0 until the page has painted
    int32_t copyRowHeight;    // rowHeight of the last paint; 0 until the page has painted
    int32_t copyBandTop;      // client y of the first line a right click can copy
    int32_t copyBandBottom;   // client y of the line below the last of them
    int32_t copiedColumn;     // column of the last copy, -1 when the last right click hit none
    int32_t alkalinityRowsY;  // client y of the first alkalinity row
    int32_t shownWater;       // the water a one-water page shows, fixed at creation
    // The right-button press the copy was made for: a copy is made once per
    // press, however many hit tests the press brings.
    uint32_t copiedThisPress;
    int32_t pressToggle;  // the toggle bit of the right button at that press
    // The blend indicators page: the clock's hours x 100 + minutes at its
    // creation, shown for a blend without a sample time.
    int32_t defaultSampleTime;
};

extern PageState pageStates[kResultPageClassCount];

void ResetPageStateRecords();
