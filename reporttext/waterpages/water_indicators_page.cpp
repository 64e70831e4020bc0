// The deposition potential indicators of one water: saturation of 22
// minerals, the bound ions, the simple indices, the momentary excess, the
// precipitation potential of six carbonates, the treatment recommendation of
// the selected product and the operating conditions. The blend's page stands
// one line lower at the top, has a one-line excess heading and no
// precipitation potential, and its treatment and conditions blocks move up.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/waterpages/page_texts.h"
#include "reporttext/waterpages/water_pages.h"
#include "shell/mainwindow/display_settings_records.h"
#include "treatment/records.h"

namespace {

namespace E = AnalysisElement;

struct Mineral {
    const char* name;
    const char* formula;
    int formulaColumn;
    int slot;
};
const Mineral kMinerals[] = {
    {"Calcite:", "CaCO_3", 28, 0},
    {"Aragonite:", "CaCO_3", 28, 1},
    {"Witherite:", "BaCO_3", 28, 22},
    {"Strontianite:", "SrCO_3", 28, 19},
    {"Calcium oxalate:", "CaC_2O_4", 27, 62},
    {"Magnesite:", "MgCO_3", 28, 25},
    {"Anhydrite:", "CaSO_4", 28, 4},
    {"Gypsum:", "CaSO_4*2H_2O", 23, 5},
    {"Barite:", "BaSO_4", 28, 21},
    {"Celestite:", "SrSO_4", 28, 37},
    {"Calcium phosphate:", "Ca_3(PO_4)_2", 24, 3},
    {"Hydroxyapatite:", "Ca_5(PO_4)_3(OH)", 20, 36},
    {"Fluorite:", "CaF_2", 29, 20},
    {"Silica:", "SiO_2", 29, 2},
    {"Brucite:", "Mg(OH)_2", 26, 12},
    {"Magnesium silicate:", "MgSiO_3", 27, 47},
    {"Ferric hydroxide:", "Fe(OH)_3", 26, 23},
    {"Siderite:", "FeCO_3", 28, 24},
    {"Strengite:", "FePO_4*2H_2O", 23, 26},
    {"Halite:", "NaCl", 29, 32},
    {"Thenardite:", "Na_2SO_4", 27, 45},
    {"Iron sulfide:", "FeS", 30, 44},
};

struct LabelledSlot {
    const char* label;
    int slot;
};
const LabelledSlot kIndices[] = {
    {"Langelier: ", 10},   {"Ryznar: ", 11},    {"Oddo-Tomson: ", 42},
    {"Stiff-Davis: ", 43}, {"Puckorius: ", 31}, {"Larson-Skold: ", 18},
};
constexpr int kLarsonSkoldSlot = 18;

struct BoundIon {
    const char* label;
    int total;
    int free;
};
const BoundIon kBoundIons[] = {
    {"Calcium:", 6, 7},     {"Barium:", 38, 39},  {"Carbonate:", 8, 9},
    {"Phosphate:", 16, 17}, {"Sulfate:", 40, 41},
};

const LabelledSlot kExcess[] = {
    {"Calcite:", 0},
    {"Aragonite:", 1},
    {"Witherite:", 2},
    {"Strontianite:", 16},
    {"Calcium oxalate:", 20},
    {"Magnesite:", 4},
    {"Anhydrite:", 5},
    {"Gypsum:", 6},
    {"Barite:", 7},
    {"Celestite:", 8},
    {"Calcium phosphate:", 9},
    {"Hydroxyapatite:", 10},
    {"Fluorite: ", 15},
    {"Silica: ", 14},
    {"Brucite:", 12},
    {"Magnesium silicate:", 21},
    {"Ferric hydroxide:", 13},
    {"Siderite:", 3},
    {"Strengite:", 11},
    {"Halite:", 19},
    {"Thenardite:", 18},
    {"Iron sulfide:", 17},
};

const LabelledSlot kPotential[] = {
    {"Calcite:", 60},      {"Aragonite:", 58}, {"Witherite:", 57},
    {"Strontianite:", 51}, {"Magnesite:", 53}, {"Siderite:", 55},
};

// The widest product name that still has its unit beside it.
constexpr std::size_t kNameWithUnit = 16;
// Above this residence time (s) the time shows in days rather than hours.
constexpr float kHoursBound = 7294400.0f;

struct Page {
    const WaterView& view;
    ReportLayout& layout;
    int first;

    int Line(int pageLine) const { return pageLine - first; }
    void Text(int line, int column, const std::string& text) const {
        layout.AddText(Line(line), column, text);
    }
    void Value(int line, int column, const std::string& text) const {
        layout.AddValue(Line(line), column, text);
    }
    // A value whose last character stands before `column`.
    void ValueEndingAt(int line, int column, const std::string& text) const {
        Value(line, column - static_cast<int>(text.size()), text);
    }
};

std::string SaturationCell(float ratio) {
    if (displaySettings.indexFormat == 1)
        return ratio > 0.0f ? FixedCell(std::log10(ratio), 2) : std::string(kNotApplicable);
    return FixedCell(ratio, 2);
}

// The simple indices mean something only for a water with carbonate
// alkalinity; Larson-Skold needs chloride or sulfate too.
std::string IndexCell(const WaterView& v, int slot) {
    const bool carbonate = v.results[27] > 1e-06f || v.results[29] > 1e-06f;
    bool shown = carbonate;
    if (slot == kLarsonSkoldSlot)
        shown = shown &&
                (v.analysis->values[E::kChloride] > 0.0f || v.analysis->values[E::kSulfate] > 0.0f);
    return shown ? FixedCell(v.results[slot], 2) : std::string(kNotApplicable);
}

std::string PotentialCell(float mgPerLitre) {
    if (IsSolverNotReachable(mgPerLitre)) return kNotApplicable;
    return FixedCell(PrecipitationInDisplayUnit(mgPerLitre), 2);
}

const char* UnitLine() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return nullptr;
        case 1:
            return "(Lbs/1000 Barrels)";
        default:
            return "(kg/1000 Barrels)";
    }
}

void Saturation(const Page& p, int top) {
    p.Text(top, 3,
           displaySettings.indexFormat == 0 ? "     SATURATION LEVEL as IAP/Ksp      "
           : p.view.blend                   ? "   SATURATION INDEX as log(IAP/Ksp)    "
                                            : " SATURATION INDEX as LOG10(IAP/Ksp)   ");
    p.Text(top, 44, "BOUND IONS");
    p.Text(top, 59, "Total");
    p.Text(top, 70, "Free");
    int line = top + 1;
    for (const Mineral& m : kMinerals) {
        p.Text(line, 3, m.name);
        p.Text(line, m.formulaColumn, m.formula);
        p.Value(line, 34, SaturationCell(p.view.results[m.slot]));
        ++line;
    }
    line = top + 1;
    for (const BoundIon& b : kBoundIons) {
        p.Text(line, 44, b.label);
        p.Value(line, 57, FixedCell(p.view.results[b.total], 1));
        p.Value(line, 67, FixedCell(p.view.results[b.free], 1));
        ++line;
    }
    p.Text(27, 3, "            SIMPLE INDICES            ");
    line = 28;
    for (const LabelledSlot& s : kIndices) {
        p.Text(line, 3, s.label);
        p.Value(line, 34, IndexCell(p.view, s.slot));
        ++line;
    }
}

void Excess(const Page& p) {
    const char* unit = UnitLine();
    int line = 12;
    if (p.view.blend) {
        const unsigned u = displaySettings.precipitationUnit;
        p.Text(12, 44,
               u == 0   ? "FREE ION MOMENTARY EXCESS (mg/L) "
               : u == 1 ? "MOMENTARY EXCESS(Lbs/1000 Barrels)"
                        : "MOMENTARY EXCESS(kg/1000 Barrels)");
        line = 13;
    } else if (unit == nullptr) {
        p.Text(11, 44, "MOMENTARY EXCESS (mg/L) ");
    } else {
        p.Text(10, 44, "MOMENTARY EXCESS");
        p.Text(11, 44, unit);
    }
    for (const LabelledSlot& s : kExcess) {
        p.Text(line, 44, s.label);
        p.Value(line, 67, FixedCell(PrecipitationInDisplayUnit(p.view.excess[s.slot]), 2));
        ++line;
    }
}

void Potential(const Page& p) {
    const char* unit = UnitLine();
    if (unit == nullptr) {
        p.Text(35, 26, "PRECIPITATION POTENTIAL (mg/L) ");
    } else {
        p.Text(34, 26, "PRECIPITATION POTENTIAL");
        p.Text(35, 26, unit);
    }
    int line = 36;
    for (const LabelledSlot& s : kPotential) {
        p.Text(line, 26, s.label);
        p.Value(line, 49, PotentialCell(p.view.results[s.slot]));
        ++line;
    }
}

// The product's name, unit and dose under its heading.
void Treatment(const Page& p, int headingLine) {
    const ProductRecord& product = productTable.records[0];
    const int kind = product.productMode;
    if (kind < 2)
        p.Text(headingLine, 3, "       TREATMENT RECOMMENDATION       ");
    else if (kind == 2)
        p.Text(headingLine, 3, "       CORROSION RATE PREDICTION      ");
    const std::string name(product.name, strnlen(product.name, sizeof product.name));
    p.layout.AddTyped(p.Line(headingLine + 1), 3, name);
    if (name.size() <= kNameWithUnit) {
        const char* unit = kind < 2                                        ? "mg/l"
                           : unitCodes.code[UnitItem::kCorrosionRate] == 0 ? "mpy"
                                                                           : "mm/yr";
        p.Text(headingLine + 1, static_cast<int>(name.size()) + 4, unit);
    }
    p.Value(headingLine + 1, 34, FixedCell(p.view.dose, 3));
}

// The residence time and its unit word.
void ResidenceText(float seconds, std::string& value, const char*& word) {
    double shown = seconds;
    word = "secs";
    if (seconds > kHoursBound) {
        shown = seconds / 86400.0;
        word = "days";
    } else if (seconds > 3600.0f) {
        shown = seconds / 3600.0;
        word = "hrs.";
    } else if (seconds > 60.0f) {
        shown = seconds / 60.0;
        word = "mins";
    }
    value = FixedCell(shown, 2);
}

void Conditions(const Page& p, int headingLine, bool product) {
    const int column = product ? 44 : 22;
    p.Text(headingLine, column,
           product ? "     OPERATING CONDITIONS     " : "        OPERATING CONDITIONS       ");
    p.Text(headingLine + 1, column, "Temperature: ");
    const std::string temperature = FixedCell(p.view.analysis->values[E::kTemperature], 1);
    if (product)
        p.Value(headingLine + 1, 67, temperature);
    else
        p.ValueEndingAt(headingLine + 1, 57, temperature);
    p.Text(headingLine + 2, column, "Time(    ):");
    std::string time;
    const char* word = nullptr;
    ResidenceText(p.view.residenceSeconds, time, word);
    p.ValueEndingAt(headingLine + 2, product ? 74 : 57, time);
    p.Text(headingLine + 2, column + 5, word);
}

}  // namespace

int IndicatorsFirstLine(bool blend) {
    return blend ? 2 : 1;
}

void LayOutWaterIndicators(const WaterView& view, ReportLayout& layout) {
    layout.title = WaterIndicatorsTitle(view.water);
    const Page p{view, layout, IndicatorsFirstLine(view.blend)};
    const WaterAnalysis& a = *view.analysis;
    // The blend has no sample number: none is shown (its own header is left
    // as it is).
    if (view.blend)
        AddIdentification(layout, p.Line(2), {3, 14, 26, 38, 50, 58, 69, 72}, 0, a.reportDate,
                          a.sampleDate, a.sampleTime, {}, ZeroNumber::kNone);
    else
        AddIdentification(layout, p.Line(1), {3, 14, 24, 37, 48, 57, 68, 71}, a.sampleNumber,
                          a.reportDate, a.sampleDate, a.sampleTime, TypedSampleId(view.water),
                          ZeroNumberOf(view.water));
    Saturation(p, view.blend ? 4 : 3);
    Excess(p);
    if (!view.blend) Potential(p);
    const bool product = resultStatus.productSelected != 0;
    const int treatmentLine = view.blend ? 37 : 44;
    if (product) Treatment(p, treatmentLine);
    Conditions(p, view.blend ? 37 : 46, product);
    if (view.blend) {
        layout.NameLine(LayoutLine::kBandTop, p.Line(4));
        layout.NameLine(LayoutLine::kBandBottom, p.Line(40));
    }
}
