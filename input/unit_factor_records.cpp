// Definition of the unit factor table.
#include "input/unit_factor_records.h"

#include <cstring>

float UnitFactorTable[kUnitFactorRows][kUnitFactorColumns];

void ResetUnitFactorRecords() {
    std::memset(UnitFactorTable, 0, sizeof UnitFactorTable);
}
