// The choosers' lists. The saturation-level list names each mineral with its
// formula twice, once as a saturation ratio ("x Sat.") and once as the amount
// that would precipitate ("ppt."), then the scaling indices and the basic
// quantities of a water; its headings are rows 0, 23, 30 and 53.
#include "shell/choosers/chooser_texts.h"

#include <algorithm>
#include <iterator>

namespace {

struct Mineral {
    const char* name;
    const char* formula;
};

// The minerals of the saturation-level list, in list order.
constexpr Mineral kSatLevelMinerals[22] = {
    {"Calcite", "CaCO3"},
    {"Aragonite", "CaCO3"},
    {"Calcium oxalate", "CaC2O4"},
    {"Anhydrite", "CaSO4"},
    {"Gypsum", "CaSO4*2H2O"},
    {"Witherite", "BaCO3"},
    {"Barite", "BaSO4"},
    {"Celestite", "SrSO4"},
    {"Strontianite", "SrCO3"},
    {"Magnesite", "MgCO3"},
    {"Siderite", "FeCO3"},
    {"Ferric hydroxide", "Fe(OH)3"},
    {"Strengite", "FePO4*2H2O"},
    {"Hydroxyapatite", "Ca5(PO4)3(OH)"},
    {"Calcium PO4", "Ca3(PO4)2"},
    {"Fluorite", "CaF2"},
    {"Brucite", "Mg(OH)2"},
    {"Silica", "SiO2"},
    {"Magnesium silicate", "MgSiO3"},
    {"Halite", "NaCl"},
    {"Thenardite", "Na2SO4"},
    {"Amorphous FeS", "FeS"},
};

constexpr const char* kIndexTexts[6] = {
    "Langelier Index",   "Ryznar Index",    "Stiff Davis Index",
    "Oddo-Tomson Index", "Puckorius Index", "Larson-Skold Index",
};

constexpr const char* kBasicTexts[28] = {
    "pH",
    "Temperature",
    "Time",
    "Calcium",
    "Magnesium",
    "Strontium",
    "Barium",
    "Iron",
    "Aluminum",
    "Carbonate",
    "Bicarbonate",
    "Chloride",
    "Sulfate",
    "Silica",
    "Phosphate",
    "T.D.S.",
    "Input CO2",
    "Calculated CO2",
    "pCO2",
    "H2S",
    "pH2S",
    "Buffer Capacity",
    "Brine Flow",
    "Oil Flow",
    "Gas Flow",
    "Gen Corrosion",
    "Local Corrosion",
    "Treatment Dosage",
};

// The first row of each group of levels and the number of headings above it.
struct LevelGroup {
    int firstRow;
    int lastRow;
    int headingsAbove;
};
constexpr LevelGroup kLevelGroups[4] = {{1, 22, 1}, {24, 29, 2}, {31, 52, 3}, {54, 81, 4}};

constexpr Mineral kGraphMinerals[kMineralGraphRows] = {
    {"Calcite", "CaCO3"},
    {"Aragonite", "CaCO3"},
    {"Witherite", "BaCO3"},
    {"Siderite", "FeCO3"},
    {"Magnesite", "MgCO3"},
    {"Strontianite", "SrCO3"},
    {"Calcium oxalate", "CaC2O4"},
    {"Anhydrite", "CaSO4"},
    {"Gypsum", "CaSO4*2H2O"},
    {"Barite", "BaSO4"},
    {"Celestite", "SrSO4"},
    {"Calcium PO4", "Ca3(PO4)2"},
    {"Hydroxyapatite", "Ca5(PO4)3(OH)"},
    {"Strengite", "FePO4*2H2O"},
    {"Brucite", "Mg(OH)2"},
    {"Ferric hydroxide", "Fe(OH)3"},
    {"Silica", "SiO2"},
    {"Magnesium silicate", "MgSiO3"},
    {"Fluorite", "CaF2"},
    {"Halite", "NaCl"},
    {"Thenardite", "Na2SO4"},
};

std::string PadRight(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// "Calcite             [CaCO3]         x Sat.": the name in 20 characters, the
// bracketed formula in 16, then the kind.
std::string MineralLevelText(const Mineral& m, const char* kind) {
    return PadRight(m.name, 20) + PadRight(std::string("[") + m.formula + "]", 16) + kind;
}

enum class RowKind { kNone, kHeading, kSaturation, kPrecipitation, kIndex, kBasic };

RowKind KindOf(int row, int& offset) {
    if (row < 0 || row >= kSatLevelRows) return RowKind::kNone;
    if (IsSatLevelHeading(row)) return RowKind::kHeading;
    for (int g = 0; g < 4; ++g) {
        if (row >= kLevelGroups[g].firstRow && row <= kLevelGroups[g].lastRow) {
            offset = row - kLevelGroups[g].firstRow;
            constexpr RowKind kinds[4] = {RowKind::kSaturation, RowKind::kIndex,
                                          RowKind::kPrecipitation, RowKind::kBasic};
            return kinds[g];
        }
    }
    return RowKind::kNone;
}

std::string HeadingText(int row) {
    switch (row) {
        case SatLevelHeading::kSaturation:
            return "SATURATION LEVEL";
        case SatLevelHeading::kIndices:
            return "COMMON INDICES";
        case SatLevelHeading::kEquilibrium:
            // 0x19 is the down arrow of the OEM code page the list is shown in.
            return "\x19 TO EQUILIBRIUM";
        default:
            return "BASIC PARAMETERS";
    }
}

}  // namespace

const std::array<int16_t, kSatLevelCount> kSatLevelCodeTable = {
    // minerals as saturation ratios: their IndexCode
    0,
    1,
    62,
    4,
    5,
    22,
    21,
    37,
    19,
    25,
    24,
    23,
    26,
    36,
    3,
    20,
    12,
    2,
    47,
    32,
    45,
    44,
    // scaling indices
    10,
    11,
    43,
    42,
    41,
    18,
    // minerals as precipitation amounts
    500,
    501,
    520,
    505,
    506,
    502,
    507,
    508,
    516,
    504,
    503,
    513,
    511,
    510,
    509,
    515,
    512,
    514,
    521,
    519,
    518,
    517,
    // 100 + an analysis element, 200 time, 301 and 302 corrosion rates, 401 dosage
    100,
    115,
    200,
    107,
    108,
    135,
    136,
    111,
    112,
    29,
    27,
    102,
    103,
    104,
    105,
    35,
    143,
    142,
    139,
    119,
    127,
    134,
    145,
    146,
    147,
    301,
    302,
    401,
};

void FillSaturationLevelCodes() {
    std::copy(kSatLevelCodeTable.begin(), kSatLevelCodeTable.end(), satLevelCodes);
}

bool IsSatLevelHeading(int row) {
    return row == SatLevelHeading::kSaturation || row == SatLevelHeading::kIndices ||
           row == SatLevelHeading::kEquilibrium || row == SatLevelHeading::kBasic;
}

std::string SatLevelShortName(int row) {
    int i = 0;
    switch (KindOf(row, i)) {
        case RowKind::kHeading:
            return HeadingText(row);
        case RowKind::kSaturation:
            return std::string(kSatLevelMinerals[i].name) + " x Sat.";
        case RowKind::kPrecipitation:
            return std::string(kSatLevelMinerals[i].name) + " ppt.";
        case RowKind::kIndex:
            return kIndexTexts[i];
        case RowKind::kBasic:
            return kBasicTexts[i];
        case RowKind::kNone:
            break;
    }
    return {};
}

std::string SatLevelRowText(int row) {
    int i = 0;
    switch (KindOf(row, i)) {
        case RowKind::kHeading:
            return HeadingText(row);
        case RowKind::kSaturation:
            return "  " + MineralLevelText(kSatLevelMinerals[i], "x Sat.");
        case RowKind::kPrecipitation:
            return "  " + MineralLevelText(kSatLevelMinerals[i], "ppt.");
        case RowKind::kIndex:
        case RowKind::kBasic:
            return "  " + SatLevelShortName(row);
        case RowKind::kNone:
            break;
    }
    return {};
}

int SatLevelToRow(int level) {
    if (level == -1) return 1;
    for (const LevelGroup& g : kLevelGroups) {
        const int firstLevel = g.firstRow - g.headingsAbove;
        const int lastLevel = g.lastRow - g.headingsAbove;
        if (level >= firstLevel && level <= lastLevel) return level + g.headingsAbove;
    }
    return -1;  // -99 after a Cancel, or no level at all
}

int SatLevelRowToLevel(int row) {
    for (const LevelGroup& g : kLevelGroups)
        if (row >= g.firstRow && row <= g.lastRow) return row - g.headingsAbove;
    return -1;
}

const std::array<const char*, kDosageGraphRows> kDosageGraphTexts = {
    "Scale Inhibitor Dosage",
    "Corrosion Inhibitor Dosage",
    "General Corrosion Rate",
    "Local Corrosion Rate",
};

std::string MineralGraphRowText(int row) {
    if (row < 0 || row >= kMineralGraphRows) return {};
    const Mineral& m = kGraphMinerals[row];
    const std::string name = m.name, formula = m.formula;
    const size_t used = name.size() + formula.size();
    const size_t gap = used < kMineralRowChars ? kMineralRowChars - used : 1;
    return name + std::string(gap, ' ') + formula;
}

const std::array<const char*, kAxisTransformRows> kAxisTransformTexts = {
    "AS IS", "DEACTIVATE", "LOG(X)", "LOG(X-1)", "1/X", "1/RT",
};
