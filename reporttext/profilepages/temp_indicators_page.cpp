// The indicators at the seven temperatures of the temperature profile
// ("DisplayTempValues"): saturation of 23 minerals, the carbonates'
// precipitation potential, simple indices, total and free ions and the
// momentary excess. The page draws from its second line, so page line L is
// layout line L - 2. No calcium silicate value is kept per point: its two
// rows show "    N/A".
#include <cmath>
#include <string>

#include "engine/records.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/profilepages/profile_header.h"
#include "reporttext/profilepages/profile_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

namespace E = AnalysisElement;

constexpr int kNone = -1;  // a row without a stored value

struct Row {
    const char* label;
    int slot;
};
const Row kSaturation[] = {
    {"Calcite (CaCO_3)", 0},       {"Aragonite (CaCO_3)", 1},    {"Witherite (BaCO_3)", 22},
    {"Strontianite (SrCO_3)", 19}, {"Calcium oxalate", 62},      {"Magnesite (MgCO_3)", 25},
    {"Anhydrite (CaSO_4)", 4},     {"Gypsum (CaSO_4*2H_2O)", 5}, {"Barite (BaSO_4)", 21},
    {"Celestite (SrSO_4)", 37},    {"Calcium phosphate", 3},     {"Hydroxylapatite", 36},
    {"Fluorite (CaF_2)", 20},      {"Silica (SiO_2)", 2},        {"Brucite (Mg(OH)_2)", 12},
    {"Magnesium silicate", 47},    {"Calcium silicate", kNone},  {"Ferric hydroxide", 23},
    {"Siderite (FeCO_3)", 24},     {"Strengite (FePO_4)", 26},   {"Halite (NaCl)", 32},
    {"Thenardite (Na_2SO_4)", 45}, {"Iron sulfide (FeS)", 44},
};
const Row kPotential[] = {
    {"Calcite (CaCO_3)", 60},      {"Aragonite (CaCO_3)", 58}, {"Witherite (BaCO_3)", 57},
    {"Strontianite (SrCO_3)", 51}, {"Magnesite (MgCO_3)", 53}, {"Siderite (FeCO_3)", 55},
};
const Row kIndices[] = {
    {"Langelier Saturation", 10}, {"Ryznar Stability", 11},     {"Oddo-Tomson", 42},
    {"Stiff-Davis", 43},          {"Puckorius(Practical)", 31}, {"Larson-Skold", 18},
};
constexpr int kLarsonSkold = 18;
const Row kIons[] = {
    {"Total Calcium", 6},   {"Free Calcium", 7},   {"Total Barium", 38},    {"Free Barium", 39},
    {"Total Carbonate", 8}, {"Free Carbonate", 9}, {"Total Phosphate", 16}, {"Free Phosphate", 17},
    {"Total Sulfate", 40},  {"Free Sulfate", 41},
};
const Row kExcess[] = {
    {"Calcite (CaCO_3)", 0},       {"Aragonite (CaCO_3)", 1},    {"Witherite (BaCO_3)", 2},
    {"Strontianite (SrCO_3)", 16}, {"Calcium oxalate", 20},      {"Magnesite (MgCO_3)", 4},
    {"Anhydrite (CaSO_4)", 5},     {"Gypsum (CaSO_4*2H_2O)", 6}, {"Barite (BaSO_4)", 7},
    {"Celestite (SrSO_4)", 8},     {"Calcium phosphate", 9},     {"Hydroxylapatite", 10},
    {"Fluorite (CaF_2)", 15},      {"Silica (SiO_2)", 14},       {"Brucite (Mg(OH)_2)", 12},
    {"Magnesium silicate", 21},    {"Calcium silicate", kNone},  {"Ferric hydroxide", 13},
    {"Siderite (FeCO_3)", 3},      {"Strengite (FePO_4)", 11},   {"Halite (NaCl)", 19},
    {"Thenardite (Na_2SO_4)", 18}, {"Iron sulfide (FeS)", 17},
};

// The temperature page's line L on the layout.
int Line(int pageLine) {
    return pageLine - 2;
}

std::string ExcessHeading() {
    std::string text = "FREE ION MOMENTARY EXCESS ";
    switch (displaySettings.precipitationUnit) {
        case 0:
            text += "(ppm)";
            break;
        case 1:
            text += "(Lbs/1000 Barrels)";
            break;
        default:
            text += "(kg/1000 Barrels)";
            break;
    }
    const std::size_t width = displaySettings.precipitationUnit > 1 ? 72 : 73;
    return text + std::string(width - text.size(), ' ');
}

std::string SaturationCell(const ProfilePoint& p, int slot) {
    if (slot == kNone) return kNotApplicable;
    const float v = p.results[slot];
    if (displaySettings.indexFormat == 1)
        return v > 0.0f ? FixedCell(std::log10(v), 2) : std::string(kNotApplicable);
    return FixedCell(v, 2);
}

std::string IndexCell(const ProfilePoint& p, int slot) {
    bool shown = p.results[27] > 1e-06f || p.results[29] > 1e-06f;
    if (slot == kLarsonSkold)
        shown = shown && (p.values[E::kChloride] > 0.0f || p.values[E::kSulfate] > 0.0f);
    return shown ? FixedCell(p.results[slot], 1) : std::string(kNotApplicable);
}

}  // namespace

void BuildTempIndicatorsPage(const ReportSource&, ReportLayout& layout) {
    layout.title = "DEPOSITION POTENTIAL INDICATORS VERSUS TEMPERATURE";
    const ProfileViewRecord view = ViewOfProfile(ProfileKind::kTemperature);
    AddProfileIdentification(layout, ProfileKind::kTemperature);  // line 2
    AddProfileAxis(layout, view);                                 // lines 4 and 5
    layout.AddText(Line(4), 2,
                   displaySettings.indexFormat != 0 ? "SATURATION INDEX" : "SATURATION RATIO");
    layout.AddText(Line(5), 2,
                   displaySettings.indexFormat != 0 ? "as LOG10(IAP/Ksp)" : "as IAP/Ksp");
    const auto& pts = view.points;
    int line = 6;
    layout.NameLine(LayoutLine::kBandTop, Line(line));
    for (const Row& r : kSaturation)
        AddPointRow(layout, line++ - 1, r.label,
                    [&](int k) { return SaturationCell(pts[k], r.slot); });
    layout.AddText(Line(30), 2, ExcessHeading());
    line = 31;
    for (const Row& r : kPotential)
        AddPointRow(layout, line++ - 1, r.label, [&](int k) {
            const float v = pts[k].results[r.slot];
            if (IsSolverNotReachable(v)) return std::string(kNotApplicable);
            return FixedCell(PrecipitationInDisplayUnit(v), 2);
        });
    layout.AddText(Line(38), 2, "SIMPLE INDICES");
    line = 39;
    for (const Row& r : kIndices)
        AddPointRow(layout, line++ - 1, r.label, [&](int k) { return IndexCell(pts[k], r.slot); });
    layout.AddText(Line(46), 2, "TOTAL VERSUS FREE IONS");
    line = 47;
    for (const Row& r : kIons)
        AddPointRow(layout, line++ - 1, r.label,
                    [&](int k) { return FixedCell(pts[k].results[r.slot], 1); });
    layout.AddText(Line(58), 2, ExcessHeading());
    line = 59;
    for (const Row& r : kExcess)
        AddPointRow(layout, line++ - 1, r.label, [&](int k) {
            if (r.slot == kNone) return std::string(kNotApplicable);
            return FixedCell(PrecipitationInDisplayUnit(pts[k].excess[r.slot]), 2);
        });
    layout.NameLine(LayoutLine::kBandBottom, Line(82));
}
