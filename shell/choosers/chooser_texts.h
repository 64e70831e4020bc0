// The list texts of the four choosers and the codes of the saturation levels.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/choosers/chooser_records.h"

// The saturation-level list: 82 rows, four of them headings, the other 78 the
// levels 0 to 77 in order.
constexpr int kSatLevelRows = 82;
namespace SatLevelHeading {
enum : int { kSaturation = 0, kIndices = 23, kEquilibrium = 30, kBasic = 53 };
}
[[nodiscard]] bool IsSatLevelHeading(int row);
// The row as the list shows it (levels behind two blanks) and the short name
// handed to the caller; rows outside the list give empty texts.
[[nodiscard]] std::string SatLevelRowText(int row);
[[nodiscard]] std::string SatLevelShortName(int row);
// Level to row (-1: no row) and row to level (-1 for a heading or no row).
[[nodiscard]] int SatLevelToRow(int level);
[[nodiscard]] int SatLevelRowToLevel(int row);
// The codes of the levels, in level order.
extern const std::array<int16_t, kSatLevelCount> kSatLevelCodeTable;
// Fills satLevelCodes (start-up).
void FillSaturationLevelCodes();

constexpr int kDosageGraphRows = 4;
extern const std::array<const char*, kDosageGraphRows> kDosageGraphTexts;

constexpr int kMineralGraphRows = 21;
constexpr int kMineralRowChars = 28;
// Name at the left, formula at the right of 28 characters.
[[nodiscard]] std::string MineralGraphRowText(int row);

constexpr int kAxisTransformRows = 6;
extern const std::array<const char*, kAxisTransformRows> kAxisTransformTexts;
