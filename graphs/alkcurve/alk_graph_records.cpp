// Definition of the pH-alkalinity graph's record.
#include "graphs/alkcurve/alk_graph_records.h"

AlkGraphState alkGraphState;

void ResetAlkGraphRecords() {
    alkGraphState = AlkGraphState{};
}
