// Definition of the graphs' index-code list.
#include "graphs/graph_index_records.h"

uint16_t graphIndexCodes[kGraphIndexCodeCount];

void ResetGraphIndexRecords() {
    for (uint16_t& c : graphIndexCodes) c = 0;
}
