// Definition of the graph output flags.
#include "graphs/graph_output_records.h"

GraphOutputFlags graphOutputFlags;

void ResetGraphOutputRecords() {
    graphOutputFlags = GraphOutputFlags{};
}
