// The unit factor table: for each analysis item and each non-zero unit code, the
// factor that turns a value entered in that unit into the item's base unit
// (mostly mg/L as the ion). The input subsystem fills it once at start-up; the
// engine's converters, the clipboard copy and the paste read it.
#pragma once

constexpr int kUnitFactorRows = 6;      // unit codes 1..6 (code 0 is the base unit itself)
constexpr int kUnitFactorColumns = 35;  // UnitCodes items 0..34; items 35..39 have no column

// Row = unit code - 1, column = UnitCodes item.
extern float UnitFactorTable[kUnitFactorRows][kUnitFactorColumns];

// Clears the table (all zero); tests call it between cases.
void ResetUnitFactorRecords();
