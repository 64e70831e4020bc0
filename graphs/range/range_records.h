// What a Change Range dialog remembers of the range settings when it opens:
// its OK compares against it to know which results went stale, and its Cancel
// puts it back.
#pragma once

#include "common/whatif_settings.h"

// The three range records a Change Range dialog writes.
struct RangeSettings {
    WhatIfSettings whatIf;
    GraphRangeSettings graphRanges;
    MixingZoneSettings mixingZone;
};
extern RangeSettings rangeSnapshot;

// Start-of-run state: all zero.
void ResetRangeRecords();
