// How the next graph paint is done: the user's colour choices for the screen,
// paper and pictures, the colour mode of the paint under way, where it goes,
// and the fill and colour-coding switches of the graph windows.
#pragma once

#include <cstdint>

// Where a painter's picture goes (renderTarget).
namespace RenderTarget {
enum : uint32_t { kScreen = 0, kPrinter = 1, kBitmap = 3 };
}

struct GraphOutputFlags {
    int16_t colorNow;               // the paint under way: above 0 colour, 0 grey
    int16_t printColor;             // 1 print graphs in colour, 0 grey
    int16_t exportColor;            // 1 pictures in colour, 0 grey
    int16_t displayColor;           // 1 graphs on screen in colour, 0 grey
    int16_t displayColorAvailable;  // the screen shows colour
    int16_t printColorAvailable;    // the last default printer could print colour
    uint32_t hatchPatterns;         // non-zero: bars and cells hatched; 0 solid fills
    uint16_t treatedColorCoding;    // non-zero: colours by the product's treatment status
    uint32_t printingGraph;         // 1 while a 2D-family painter paints for a printer
    uint32_t exportingGraph;        // 1 while it paints into a bitmap
    uint32_t renderTarget;          // RenderTarget; every print job ends on kScreen
};
extern GraphOutputFlags graphOutputFlags;

void ResetGraphOutputRecords();
