// How graphs are drawn on each target: colour or grey for the screen and for
// the printer (1 for a colour device).
#pragma once

#include <cstdint>

struct GraphOutputFlags {
    uint16_t screenColour;
    uint16_t printColour;
};
extern GraphOutputFlags graphOutputFlags;

void ResetGraphOutputRecords();
