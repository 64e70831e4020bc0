#include "graphs/range/range_records.h"

RangeSettings rangeSnapshot;

void ResetRangeRecords() {
    rangeSnapshot = RangeSettings{};
}
