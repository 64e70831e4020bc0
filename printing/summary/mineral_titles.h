// The mineral names and formulas that title the summary pages' columns.
#pragma once

#include <cstdint>

// Room every name and formula below needs with its terminator.
constexpr int kMineralTitleChars = 32;

// Copies the mineral's name and its formula ('_' starts a subscript) into the
// buffers of kMineralTitleChars: "Mackinawite" and "FeS" for 44. A code outside
// the table gives "UNKNOWN" and an empty formula.
void GetMineralNameFormula(int16_t code, char* name, char* formula);
