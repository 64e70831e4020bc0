// Definitions of the 2D-family graph records.
#include "graphs/two_d_graph_records.h"

GraphAxisData graphAxisData;
TwoDGraphState twoDGraphState;
win::COLORREF graphColorTable[kGraphColours];
win::COLORREF graphBackgroundColor;
int16_t treatedIndex;
uint32_t pagePrinting;
int32_t printablePageHeight;

void ResetTwoDGraphRecords() {
    graphAxisData = GraphAxisData{};
    twoDGraphState = TwoDGraphState{};
    for (win::COLORREF& c : graphColorTable) c = 0;
    graphBackgroundColor = 0;
    treatedIndex = 0;
    pagePrinting = 0;
    printablePageHeight = 0;
}
