// The layout of the one-page summary in character units c: where the
// PARAMETERS block goes, how the chemistry rows step down, the columns of the
// SCALE AND CORROSION POTENTIAL table, and the texts of its captions and
// footnotes. The renderer draws from these; they read no record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Where PARAMETERS goes: under the shorter cation column (left), under the
// shorter anion column (right), or below both (bottom), and at which row.
enum class ParametersLayout { kLeft, kRight, kBottom };
struct ParametersPlacement {
    ParametersLayout layout;
    int row;
};
[[nodiscard]] ParametersPlacement PlaceParameters(int cations, int anions);

// The chemistry rows walked down from y 0 with line height lh: the y of each
// row i from 0 (rows past both lists come after a half line), the y of the
// PARAMETERS heading, and the y below everything.
struct ChemistryWalk {
    ParametersPlacement placement;
    std::vector<int> rowY;
    int blockY;
    int endY;
};
[[nodiscard]] ChemistryWalk WalkChemistryRows(int cations, int anions, int lh);
// The same walk for a placement of the caller's; the walk ends below a
// one-column block whose rows run past the lists.
[[nodiscard]] ChemistryWalk WalkChemistryRows(ParametersPlacement placement, int cations,
                                              int anions, int lh);

// Where the well-log page puts PARAMETERS: under the shorter cation column
// (left), under the shorter anion column (right, at row m - 7), or else in the
// anion column's layout below the rows (at row m + 1, or m when m >= 10).
[[nodiscard]] ParametersPlacement PlaceWellLogParameters(int cations, int anions);

// x0 of the chemistry block, and the right end of the WATER CHEMISTRY rule
// before its 17 more characters, in c from the page's left edge.
[[nodiscard]] int PageTextOriginColumns(bool landscape, uint32_t source, uint32_t show);
[[nodiscard]] int ChemistryRuleEndColumns(bool printer, bool landscape, uint32_t source,
                                          uint32_t show);

// The table's columns in c, the landscape shift of 30 c included: the
// temperature column, the pressure column (-1 without one, wellLogPtSource 2)
// and the bounds m1 to m7 of the seven mineral columns with the table end e.
struct ScaleTableColumns {
    int temperature;
    int pressure;
    int bounds[8];  // m1 ... m7, e
};
[[nodiscard]] ScaleTableColumns ScaleColumns(bool landscape, uint32_t source, uint32_t show);

// A text at a column, in c.
struct PlacedText {
    int column;
    std::string text;
};
using CaptionLine = std::vector<PlacedText>;
// The caption lines under the table: amounts by the precipitation unit
// ("#/1000" and "kg/1000" on the screen, "Lbs per" or "kg per", " 1000 ",
// "Barrels" on paper), the precipitation-potential columns by the display
// choice and the saturation captions by the index format.
[[nodiscard]] std::vector<CaptionLine> ScaleCaptionLines(const ScaleTableColumns& columns,
                                                         uint16_t unit, uint32_t show,
                                                         uint32_t indexFormat, bool printer);

// The two footnotes: the saturation sentence with the gas-phase CO2 note of
// the CO2 unit code (none when an eighth column is shown), and the sentence of
// the precipitation unit.
[[nodiscard]] std::string FirstFootnote(bool eighthColumn, uint16_t gasCo2Unit);
[[nodiscard]] std::string SecondFootnote(uint16_t unit);
// The well-log page's first footnote: "Saturation Levels" for "Saturation Ratios".
[[nodiscard]] std::string WellLogFirstFootnote(bool eighthColumn, uint16_t gasCo2Unit);
// The pH and gas-phase CO2 that the stations of a page's table were computed
// at, read from the stations' analyses (64 values each): "Stations at pH 6.50,
// pCO_2 (atm) 0.128 to 0.409." with one value where every station has the same.
// The two summary pages run their stations from different what-if choices, so
// each says what its saturation levels stand on.
[[nodiscard]] std::string StationConditionsNote(const float (*analysis)[64], int stations,
                                                uint16_t gasCo2Unit);

// The well-log page's table in c, the landscape shift of 30 c included: the
// depth, temperature and pressure columns (pressure -1 without one; the
// shading still starts its second band at shadePressure), the bounds k0 to k7
// of the mineral columns (column j from kj to kj+1, the eighth from k7 to the
// right end) and the right end of the rules.
struct WellLogColumns {
    int depth;
    int temperature;
    int pressure;
    int shadePressure;
    int bounds[8];
    int right;
};
[[nodiscard]] WellLogColumns WellLogTableColumns(bool landscape, uint32_t source, uint32_t show);
