// How graphs are drawn on each target: colour or grey for the screen and for
// the printer (1 for a colour device), and where the painting under way goes.
#pragma once

#include <cstdint>

// Where a painter's picture goes (renderTarget).
namespace RenderTarget {
enum : uint32_t { kScreen = 0, kPrinter = 1, kBitmap = 3 };
}

struct GraphOutputFlags {
    uint16_t screenColour;
    uint16_t printColour;          // the user's colour-on-paper choice (1 colour)
    uint16_t printColorAvailable;  // the last default printer could print colour
    uint32_t renderTarget;         // RenderTarget; every print job ends on kScreen
};
extern GraphOutputFlags graphOutputFlags;

void ResetGraphOutputRecords();
