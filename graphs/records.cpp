// Definitions of the graphs' records that the scenario drivers and the
// treatment dialogs use.
#include "graphs/records.h"

GraphChoice graphChoice;
uint32_t graphProfileKind;
uint16_t gridOrientationSet;
uint16_t logRangeUndefined;

void ResetGraphsRecords() {
    graphChoice = GraphChoice{};
    graphProfileKind = 0;
    gridOrientationSet = 0;
    logRangeUndefined = 0;
}
