// The rows of the printed indicators report.
#include "printing/reports/layouts/indicators_report_layout.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "printing/reports/report_time_records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

namespace S = IndicatorSection;

struct Mineral {
    const char* label;
    int code;  // SaturationResults slot
    int excessSlot;
};
const Mineral kMinerals[] = {
    {"Calcite (CaCO_3)", 0, 0},
    {"Aragonite (CaCO_3)", 1, 1},
    {"Witherite (BaCO_3)", 22, 2},
    {"Strontianite (SrCO_3)", 19, 16},
    {"Magnesite (MgCO_3)", 25, 4},
    {"Anhydrite (CaSO_4)", 4, 5},
    {"Gypsum (CaSO_4*2H_2O)", 5, 6},
    {"Barite (BaSO_4)", 21, 7},
    {"Celestite (SrSO_4)", 37, 8},
    {"Fluorite (CaF_2)", 20, 15},
    {"Calcium phosphate", 3, 9},
    {"Hydroxyapatite", 36, 10},
    {"Silica (SiO_2)", 2, 14},
    {"Brucite (Mg(OH)_2)", 12, 12},
    {"Magnesium silicate", 47, 21},
    {"Iron hydroxide (Fe(OH)_3)", 23, 13},
    {"Strengite (FePO_4*2H_2O)", 26, 11},
    {"Siderite (FeCO_3)", 24, 3},
    {"Halite (NaCl)", 32, 19},
    {"Thenardite (Na2SO_4)", 45, 18},
    {"Iron sulfide (FeS)", 44, 17},
    {"Calcium oxalate (CaC_2O_4)", 62, 20},
};
constexpr int kMineralCount = 22;
constexpr int kHydroxyapatite = 11;
constexpr int kMagnesiumSilicate = 14;
constexpr int kCalciumOxalate = 21;

struct Index {
    const char* label;
    int code;
};
const Index kIndices[] = {
    {"Langelier ", 10},         {"Ryznar ", 11},    {"Oddo-Tomson ", 42},
    {"Stiff Davis Index ", 43}, {"Puckorius ", 31}, {"Larson-Skold Index ", 18},
};
constexpr int kLarsonSkold = 5;

struct Bound {
    const char* label;
    int total;
    int free;
};
const Bound kBound[] = {
    {"Calcium", 6, 7},     {"Barium", 38, 39},  {"Carbonate", 8, 9},
    {"Phosphate", 16, 17}, {"Sulfate", 40, 41},
};

// The widest product name that still carries its unit.
constexpr std::size_t kNameWithUnit = 16;
constexpr float kCarbonateSpecies = 1e-06f;
// Above this many seconds the time row counts days rather than hours.
constexpr float kHoursBound = 7294400.0f;

bool Flag(int item) {
    return displaySettings.indicatorItemsHidden[item] != 0;
}

std::string Padded(const char* text, std::size_t width) {
    std::string s(text);
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

// A figure read from the results: the solvers' marker prints as N/A.
std::string Value7OrNa(float value) {
    return IsSolverNotReachable(value) ? std::string(kNotApplicable) : Value7Cell(value);
}

std::string SaturationCell(float ratio) {
    if (IsSolverNotReachable(ratio)) return kNotApplicable;
    if (displaySettings.indexFormat == 1)
        return ratio > 0.0f ? FixedCell(std::log10(ratio), 2) : std::string(kNotApplicable);
    return FixedCell(ratio, 2);
}

std::string IndexCell(const float* sat, int item) {
    const bool species = sat[27] > kCarbonateSpecies || sat[29] > kCarbonateSpecies;
    const float value = sat[kIndices[item].code];
    if (item == kLarsonSkold) {
        // -99 and 99 are the index's own "no value", whatever the species say.
        if (value == -99.0f || value == 99.0f) return kNotApplicable;
    }
    return species ? Value7OrNa(value) : std::string(kNotApplicable);
}

const char* ExcessHeading() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return "FREE ION MOMENTARY EXCESS (mg/L)";
        case 1:
            return "FREE ION MOMENTARY EXCESS (Lbs/1000 Barrels)";
        default:
            return "FREE ION MOMENTARY EXCESS (kg/1000 Barrels)";
    }
}

std::size_t ExcessHeadingWidth() {
    return displaySettings.precipitationUnit <= 1 ? 73 : 72;
}

void TimeRow(float seconds, std::string& label, std::string& value) {
    if (residenceTimeShown != 0) {
        label = "Time(secs)";
        value = Value7Cell(seconds);
        return;
    }
    const float t = momentaryTime;
    double shown = t;
    const char* unit = "secs)";
    if (t > kHoursBound) {
        shown = t / 86400.0;
        unit = "days)";
    } else if (t > 3600.0f) {
        shown = t / 3600.0;
        unit = "hrs.)";
    } else if (t > 60.0f) {
        shown = t / 60.0;
        unit = "mins)";
    }
    label = std::string("Time(") + unit;
    value = Value7Cell(static_cast<float>(shown));
}

void Heading(ReportLayout& l, int line, int column, const std::string& text) {
    l.AddText(line, column, text, FontRole::kBold);
}

}  // namespace

IndicatorSource IndicatorSourceOf(const WaterView& view) {
    IndicatorSource s;
    s.saturation = view.results;
    s.excess = view.excess;
    s.temperature = view.analysis->values[AnalysisElement::kTemperature];
    s.treatmentFigure = view.dose;
    s.residenceSeconds = view.residenceSeconds;
    return s;
}

const char* IndicatorsReportTitle(int kind) {
    switch (kind) {
        case 0:
            return "SURFACE WATER";
        case 1:
            return "INJECTION WATER";
        case 2:
            return "FORMATION WATER";
        case 4:
            return "MIXED WATER";
        case 5:
            return "SOURCE WATER";
        default:
            return "";
    }
}

void PrintIndicatorsBody(ReportLayout& l, int line, int col1, int col2, int col3, int section,
                         int item, const IndicatorSource& src) {
    const float* sat = src.saturation;
    switch (section) {
        case S::kSaturation:
            if (item == -1)
                return Heading(l, line, col1,
                               displaySettings.indexFormat != 0
                                   ? "SATURATION INDEX as LOG10(IAP/Ksp)"
                                   : "SATURATION RATIO as IAP/Ksp ");
            if (item < 0 || item >= kMineralCount) return;
            l.AddText(line, col1, kMinerals[item].label);
            return l.AddValueEnd(line, col2, SaturationCell(sat[kMinerals[item].code]));
        case S::kExcess: {
            if (item == -1)
                return Heading(l, line, col1, Padded(ExcessHeading(), ExcessHeadingWidth()));
            if (item < 0 || item >= kMineralCount) return;
            std::string label = kMinerals[item].label;
            if (item == kHydroxyapatite || item == kMagnesiumSilicate) label += ' ';
            l.AddText(line, col1, label);
            return l.AddValueEnd(
                line, col2,
                Value7Cell(PrecipitationInDisplayUnit(src.excess[kMinerals[item].excessSlot])));
        }
        case S::kSimpleIndices:
            if (item == -1) return Heading(l, line, col1, "SIMPLE INDICES       ");
            if (item < 0 || item >= 6) return;
            l.AddText(line, col1, kIndices[item].label);
            return l.AddValueEnd(line, col2, IndexCell(sat, item));
        case S::kBoundIons:
            if (item == -1) {
                Heading(l, line, col1, "BOUND IONS");
                l.AddValueEnd(line, col2, "TOTAL", FontRole::kBold);
                return l.AddValueEnd(line, col3, "FREE", FontRole::kBold);
            }
            if (item < 0 || item >= 5) return;
            l.AddText(line, col1, kBound[item].label);
            l.AddValueEnd(line, col2, Value7OrNa(sat[kBound[item].total]));
            return l.AddValueEnd(line, col3, Value7OrNa(sat[kBound[item].free]));
        case S::kTreatment: {
            if (mainWindowState.dataVersion < 200 || resultStatus.productSelected == 0) return;
            if (item == -1) return Heading(l, line, col1, "TREATMENT RECOMMENDATION");
            if (item != 0) return;
            const ProductRecord& product = productTable.records[0];
            std::string name(product.name, strnlen(product.name, sizeof product.name));
            if (name.size() <= kNameWithUnit)
                name += product.productMode < 2                         ? " mg/l"
                        : unitCodes.code[UnitItem::kCorrosionRate] == 0 ? " mpy"
                                                                        : " mm/yr";
            l.AddTyped(line, col1, name);
            return l.AddValueEnd(line, col2, FixedCell(src.treatmentFigure, 3));
        }
        case S::kConditions: {
            if (item == -1) return Heading(l, line, col1, "OPERATING CONDITIONS");
            if (item == 0) {
                static const char* const kUnits[] = {"(^oF) ", "(^oC) ", "(^oK) "};
                const unsigned u = unitCodes.code[UnitItem::kTemperature];
                l.AddText(line, col1, std::string("Temperature ") + (u < 3 ? kUnits[u] : ""));
                return l.AddValueEnd(line, col2, Value7Cell(src.temperature));
            }
            if (item != 1) return;
            std::string label, value;
            TimeRow(src.residenceSeconds, label, value);
            l.AddText(line, col1, label);
            return l.AddValueEnd(line, col2, value);
        }
        default:
            return;
    }
}

IndicatorLists ShownIndicatorLists(bool withOxalate) {
    IndicatorLists lists;
    for (int k = 0; k <= 20; ++k) {
        if (!Flag(k)) lists.saturation.push_back(k);
        if (withOxalate && k == 3 && !Flag(53)) lists.saturation.push_back(kCalciumOxalate);
    }
    for (int k = 21; k <= 41; ++k) {
        if (!Flag(k)) lists.excess.push_back(k - 21);
        if (withOxalate && k == 24 && !Flag(54)) lists.excess.push_back(kCalciumOxalate);
    }
    const int simple[][2] = {{0, 42}, {1, 43}, {4, 44}, {5, 45}, {3, 46}, {2, 47}};
    for (const auto& s : simple)
        if (!Flag(s[1])) lists.simple.push_back(s[0]);
    for (int k = 0; k < 5; ++k)
        if (!Flag(48 + k)) lists.bound.push_back(k);
    return lists;
}

bool ConditionsAlone() {
    const bool noProduct = mainWindowState.dataVersion < 200 || resultStatus.productSelected == 0;
    const uint32_t* chem = displaySettings.chemistryItemsHidden;
    return noProduct ||
           ((chem[26] != 0 || productTable.records[0].productMode >= 2) && chem[27] != 0);
}

namespace {

// Two lists side by side (both shown), or the one shown list at column 21.
struct Pair {
    int leftSection, rightSection;
    const std::vector<int>& left;
    const std::vector<int>& right;
};

// Lays the rows of two lists from `line`; returns the line after the last.
int Rows(ReportLayout& l, int line, const Pair& p, const int (&cols)[2][3],
         const IndicatorSource& src) {
    for (std::size_t r = 0; r < p.left.size() || r < p.right.size(); ++r, ++line) {
        if (r < p.left.size())
            PrintIndicatorsBody(l, line, cols[0][0], cols[0][1], cols[0][2], p.leftSection,
                                p.left[r], src);
        if (r < p.right.size())
            PrintIndicatorsBody(l, line, cols[1][0], cols[1][1], cols[1][2], p.rightSection,
                                p.right[r], src);
    }
    return line;
}

// The three blocks. The blend's summary has no calcium oxalate rows and sets
// its operating-condition rows two columns right of their heading.
void LayOutBlocks(const IndicatorSource& src, bool blendSummary, ReportLayout& l) {
    const IndicatorLists lists = ShownIndicatorLists(!blendSummary);
    const int conditionRows = blendSummary ? 43 : 41;
    int line = 0;

    // Saturation beside excess.
    {
        const Pair p{S::kSaturation, S::kExcess, lists.saturation, lists.excess};
        int cols[2][3] = {{2, 35, 35}, {41, 77, 77}};
        if (lists.saturation.empty() || lists.excess.empty())
            cols[0][0] = cols[1][0] = 21, cols[0][1] = cols[1][1] = 55;
        if (!lists.saturation.empty())
            PrintIndicatorsBody(l, line, cols[0][0], cols[0][1], 0, S::kSaturation, -1, src);
        if (!lists.excess.empty())
            PrintIndicatorsBody(l, line, cols[1][0], cols[1][1], 0, S::kExcess, -1, src);
        line = Rows(l, line + 1, p, cols, src);
    }
    // Simple indices beside bound ions.
    if (!lists.simple.empty() || !lists.bound.empty()) {
        ++line;
        const Pair p{S::kSimpleIndices, S::kBoundIons, lists.simple, lists.bound};
        int cols[2][3] = {{2, 35, 35}, {41, 67, 77}};
        if (lists.bound.empty()) cols[0][0] = 21, cols[0][1] = 55;
        if (lists.simple.empty()) cols[1][0] = 21, cols[1][1] = 43, cols[1][2] = 54;
        if (!lists.simple.empty())
            PrintIndicatorsBody(l, line, cols[0][0], cols[0][1], 0, S::kSimpleIndices, -1, src);
        if (!lists.bound.empty())
            PrintIndicatorsBody(l, line, cols[1][0], cols[1][1], cols[1][2], S::kBoundIons, -1,
                                src);
        line = Rows(l, line + 1, p, cols, src);
    }
    // Treatment beside the operating conditions, or the conditions alone.
    ++line;
    if (ConditionsAlone()) {
        const bool noProduct =
            mainWindowState.dataVersion < 200 || resultStatus.productSelected == 0;
        const int end = noProduct ? 56 : 51;
        PrintIndicatorsBody(l, line, 30, 0, 0, S::kConditions, -1, src);
        PrintIndicatorsBody(l, line + 1, 21, end, 0, S::kConditions, 0, src);
        PrintIndicatorsBody(l, line + 2, 21, end, 0, S::kConditions, 1, src);
    } else {
        PrintIndicatorsBody(l, line, 2, 30, 0, S::kTreatment, -1, src);
        PrintIndicatorsBody(l, line, 41, 77, 0, S::kConditions, -1, src);
        PrintIndicatorsBody(l, line + 1, 2, 30, 0, S::kTreatment, 0, src);
        PrintIndicatorsBody(l, line + 1, conditionRows, 77, 0, S::kConditions, 0, src);
        PrintIndicatorsBody(l, line + 2, conditionRows, 77, 0, S::kConditions, 1, src);
    }
    line += 2;
    // One line down to the closing rule.
    l.endLine = line + 1;
}

}  // namespace

void LayOutIndicatorsReport(const PrintedWater& water, ReportLayout& l) {
    l = ReportLayout{};
    l.title = IndicatorsReportTitle(water.kind);
    LayOutBlocks(IndicatorSourceOf(water.view), false, l);
}

void LayOutMixIndicatorsReport(const WaterView& blend, ReportLayout& l) {
    l = ReportLayout{};
    l.title = kMixIndicatorsTitle;
    LayOutBlocks(IndicatorSourceOf(blend), true, l);
}
