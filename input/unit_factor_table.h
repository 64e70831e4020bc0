// Filling the unit factor table at start-up.
#pragma once

#include "input/unit_factor_records.h"

// Writes every factor into `table` (row = unit code - 1, column = unit item).
// Zinc and bromine have no millimole factor: row 6 of columns 33 and 34 is 0.
void FillUnitFactors(float (&table)[kUnitFactorRows][kUnitFactorColumns]);

// Fills the global UnitFactorTable; the start-up loader calls it once.
void InitUnitFactors();
