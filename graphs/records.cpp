// Definitions of the graphs' records that the scenario drivers use.
#include "graphs/records.h"

GraphChoice graphChoice;
uint32_t graphProfileKind;

void ResetGraphsRecords() {
    graphChoice = GraphChoice{};
    graphProfileKind = 0;
}
