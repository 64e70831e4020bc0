#include "graphs/state/graph_snapshot_records.h"

GraphSnapshot graphSnapshot;
uint32_t snapshotIs3D;

void ResetGraphSnapshotRecords() {
    graphSnapshot = GraphSnapshot{};
    snapshotIs3D = 0;
}
