// The mineral, ion and index rows of the column indicator pages and their cells.
#include "reporttext/profilepages/indicator_rows.h"

#include <cmath>

#include "engine/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

namespace E = AnalysisElement;

constexpr int kBicarbonateSlot = 27;
constexpr int kCarbonateSlot = 29;

}  // namespace

// clang-format off
const MineralRow kMineralRows[kMineralRowCount] = {
    {"Calcite (CaCO_3)", 0, 0},        {"Aragonite (CaCO_3)", 1, 1},
    {"Witherite (BaCO_3)", 22, 2},     {"Strontianite (SrCO_3)", 19, 16},
    {"Calcium oxalate", 62, 20},       {"Magnesite (MgCO_3)", 25, 4},
    {"Anhydrite (CaSO_4)", 4, 5},      {"Gypsum (CaSO_4*2H_2O)", 5, 6},
    {"Barite (BaSO_4)", 21, 7},        {"Celestite (SrSO_4)", 37, 8},
    {"Calcium phosphate", 3, 9},       {"Hydroxylapatite", 36, 10},
    {"Fluorite (CaF_2)", 20, 15},      {"Silica (SiO_2)", 2, 14},
    {"Brucite (Mg(OH)_2)", 12, 12},    {"Magnesium silicate", 47, 21},
    {"Ferric hydroxide", 23, 13},      {"Siderite (FeCO_3)", 24, 3},
    {"Strengite (FePO_4)", 26, 11},    {"Halite (NaCl)", 32, 19},
    {"Thenardite (Na_2SO_4)", 45, 18}, {"Iron sulfide (FeS)", 44, 17},
};
const SlotRow kIonRows[kIonRowCount] = {
    {"Total Calcium", 6},   {"Free Calcium", 7},   {"Total Barium", 38},    {"Free Barium", 39},
    {"Total Carbonate", 8}, {"Free Carbonate", 9}, {"Total Phosphate", 16}, {"Free Phosphate", 17},
    {"Total Sulfate", 40},  {"Free Sulfate", 41},
};
const SlotRow kPotentialRows[kPotentialRowCount] = {
    {"Calcite (CaCO_3)", 60},      {"Aragonite (CaCO_3)", 58}, {"Witherite (BaCO_3)", 57},
    {"Strontianite (SrCO_3)", 51}, {"Magnesite (MgCO_3)", 53}, {"Siderite (FeCO_3)", 55},
};
const SlotRow kSimpleIndexRows[kSimpleIndexRowCount] = {
    {"Langelier Saturation", 10}, {"Ryznar Stability", 11},     {"Oddo-Tomson", 42},
    {"Stiff-Davis", 43},          {"Puckorius(Practical)", 31}, {"Larson-Skold", kLarsonSkoldSlot},
};
// clang-format on

std::string SaturationCell(float ratio) {
    // A point not calculated holds no ratio, in either form.
    if (IsUndefinedValue(ratio)) return kNotApplicable;
    if (displaySettings.indexFormat != 0)
        return ratio > 0.0f ? FixedCell(std::log10(ratio), 2) : std::string(kNotApplicable);
    return FixedCell(ratio, 2);
}

std::string SimpleIndexCell(const float* results, const float* values, int slot) {
    bool shown = results[kBicarbonateSlot] > 1e-06f || results[kCarbonateSlot] > 1e-06f;
    if (slot == kLarsonSkoldSlot)
        shown = shown && (values[E::kChloride] > 0.0f || values[E::kSulfate] > 0.0f);
    return shown ? FixedCell(results[slot], 1) : std::string(kNotApplicable);
}

std::string PotentialCell(float mgPerLitre) {
    if (IsSolverNotReachable(mgPerLitre) || IsUndefinedValue(mgPerLitre)) return kNotApplicable;
    return FixedCell(PrecipitationInDisplayUnit(mgPerLitre), 2);
}

const char* PrecipitationUnitText() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return "(mg/L)";
        case 1:
            return "(Lbs/1000 Barrels)";
        default:
            return "(kg/1000 Barrels)";
    }
}

std::string PaddedTo(const std::string& text, std::size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}
