// What the mixing zone dialog keeps while it is open: the values as they were
// when it opened, which OK compares against.
#pragma once

#include "common/whatif_settings.h"

struct CycleValues {
    WhatIfSettings whatIf;
    GraphRangeSettings ranges;
    MixingZoneSettings zone;
    PhControlSettings phControl;
};

extern CycleValues cycleOpening;

void ResetCycleRecords();
