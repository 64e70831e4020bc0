// Definition of the profile graphs' index selections.
#include "graphs/profile_graph_records.h"

uint16_t profileGraphIndices[ProfileGraph::kCount][kProfileGraphSelections];

void ResetProfileGraphRecords() {
    for (auto& profile : profileGraphIndices)
        for (uint16_t& index : profile) index = 0;
}
