// The multi-mix source-water tables: every value of column c ends at
// character column 27 + 8c, row labels at column 1, headings at column 0.
#include "printing/reports/layouts/mix_tables_layout.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "reporttext/format/carbonic_acid_display.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/row_units.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr int kGroupSize = 7;
constexpr int kCaptions = 6;
constexpr float kCarbonateSpecies = 1e-06f;

constexpr const char* kCaCO3 = "(as CaCO_3)";
constexpr const char* kFr =
    "(\xF8"
    "Fr)";
constexpr const char* kGer =
    "(\xF8"
    "Ger)";

// One source water's column.
struct Source {
    const float* values;
    const float* results;
    const float* excess;
    float dissolvedCo2;
    float dose;
    int status;
    bool doseComputed;
};

Source SourceOf(int k) {
    Source s;
    s.values = multiMixState.sourceWaters[k].values;
    s.results = WaterResults.multiMix[k].saturation;
    s.excess = WaterResults.multiMix[k].excess;
    // Kept per kilogram: per litre in mg/L, as the water's own page shows it.
    s.dissolvedCo2 = static_cast<float>(CarbonicAcidAsCo2(
        CarbonicAcidInBasis(CarbonateSnapshot.multiMix[k].dissolvedCo2, reportingMode,
                            s.values[E::kResultScale])));
    s.dose = doseState.multiMix[k].dose;
    s.status = doseState.multiMix[k].limitStatus;
    s.doseComputed = doseState.multiMix[k].doseDone != 0;
    return s;
}

struct Table {
    int first;  // the group's first source water
    int columns;
    ReportLayout& layout;
    int line = 0;

    template <typename CellOf>
    // A label the user typed (`typed`) stands as it is, without markers.
    void Row(const std::string& label, CellOf cell, bool typed = false) {
        if (!label.empty() && typed) layout.AddTyped(line, 1, label);
        if (!label.empty() && !typed) layout.AddText(line, 1, label);
        for (int c = 0; c < columns; ++c) {
            std::string value = cell(SourceOf(first + c));
            if (!value.empty()) layout.AddValueEnd(line, 27 + 8 * c, std::move(value));
        }
        ++line;
    }
    void Heading(const char* text) {
        layout.AddText(line, 0, text, FontRole::kBold);
        ++line;
    }
};

// The widest bold heading that fits before the first weight percent on its
// line; a wider one would be printed over the percent.
constexpr std::size_t kHeadingBesidePercents = 20;

// The column rule with "% BY WEIGHT", then `heading` (may be empty) with the
// weight percents; a heading too wide for that line takes the next one.
void ColumnHead(int first, int columns, const char* heading, ReportLayout& head) {
    head.AddAnchored(0, 19, std::string(static_cast<std::size_t>(8 * columns), '_'),
                     ItemKind::kRule, FontRole::kBold, Anchor::kStart);
    // Over one column the caption is wider than its rule and would hide it
    // whole: it follows the rule there.
    head.AddText(0, columns == 1 ? 19 + 8 : 4 * columns + 14, "% BY WEIGHT", FontRole::kBold);
    const bool own = std::strlen(heading) > kHeadingBesidePercents;
    if (*heading != '\0') head.AddText(own ? 2 : 1, 0, heading, FontRole::kBold);
    for (int c = 0; c < columns; ++c)
        head.AddValueEnd(1, 27 + 8 * c, FixedCell(multiMixState.weightPercent[first + c], 2),
                         FontRole::kBold);
    head.endLine = own ? 3 : 2;
}

bool ChemistryHidden(int item) {
    return displaySettings.chemistryItemsHidden[item] > 0;
}
bool IndicatorShown(int item) {
    return displaySettings.indicatorItemsHidden[item] == 0;
}

std::string Fixed(float value, const char* format) {
    char text[kValueTextChars];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return Cell(text);
}

struct ElementRow {
    const char* label;
    int unitItem;
    const char* captions[kCaptions];
    int element;
    int hide;
};
#define TARVEX_A(own) \
    { own, kCaCO3, kFr, kGer, nullptr, nullptr }
#define TARVEX_B(own, y) \
    { own, kCaCO3, y, kFr, kGer, nullptr }
#define TARVEX_C(own) \
    { own, kCaCO3, "(Fr Deg)", "(Ger Deg)", nullptr, nullptr }
#define TARVEX_D(own)        \
    {                        \
        own, " (as CaCO_3)", \
            " (\xF8"         \
            "Fr)",           \
            " (\xF8"         \
            "Ger)",          \
            nullptr, nullptr \
    }
const ElementRow kCations[] = {
    {"Calcium", U::kCalcium, TARVEX_A("(as Ca)"), E::kCalcium, 0},
    {"Magnesium", U::kMagnesium, TARVEX_A("(as Mg)"), E::kMagnesium, 1},
    {"Barium", U::kBarium, TARVEX_C("(as Ba)"), E::kBarium, 2},
    {"Strontium", U::kStrontium, TARVEX_C("(as Sr)"), E::kStrontium, 3},
    {"Sodium", U::kSodium, TARVEX_B("(as Na)", "(as NaCl)"), E::kSodium, 4},
    {"Potassium", U::kPotassium, TARVEX_A("(as K)"), E::kPotassium, 5},
    {"Lithium", U::kLithium, TARVEX_A("(as Li)"), E::kLithium, 6},
    {"Iron", U::kIron, TARVEX_B("(as Fe)", "(as Fe_2O_3)"), E::kIron, 9},
    {"Ammonia", U::kAmmonia, TARVEX_B("(as NH_3)", "(as N)"), E::kAmmonia, 7},
    {"Aluminum", U::kAluminum, TARVEX_B("(as Al)", "(as Al_2O_3)"), E::kAluminum, 8},
    {"Boron", U::kBoron, TARVEX_B("(as B)", "(as B_2O_3)"), E::kBoron, 10},
    {"Manganese", U::kManganese, TARVEX_D(" (as Mn)"), E::kManganese, 11},
    {"Zinc", U::kZinc, TARVEX_D(" (as Zn)"), E::kZinc, 12},
    {"Lead", U::kLead, TARVEX_D(" (as Pb)"), E::kLead, 13},
};
const ElementRow kFirstAnions[] = {
    {"Chloride", U::kChloride, TARVEX_B("(as Cl)", "(as NaCl)"), E::kChloride, 14},
    {"Sulfate", U::kSulfate, {"(as SO_4)", kCaCO3, kFr, kGer, "(as Na_2SO_4)"}, E::kSulfate, 15},
    {"Bromine", U::kBromine, TARVEX_D(" (as Br)"), E::kBromine, 16},
};
const ElementRow kLastAnions[] = {
    {"Silica", U::kSilica, TARVEX_B("(as SiO_2)", "(as Si)"), E::kSilica, 20},
    {"Phosphate",
     U::kPhosphate,
     {"(as PO_4)", kCaCO3, "(as P_2O_5)", "(as P)", "(^oFr)", "(^oGer)"},
     E::kPhosphate,
     22},
    {"H_2S", U::kH2S, TARVEX_B("(as H_2S)", "(as S)"), E::kH2S, 21},
    {"Fluoride", U::kFluoride, TARVEX_A("(as F)"), E::kFluoride, 24},
    {"Nitrate", U::kNitrate, {"(as NO_3)", kCaCO3, "(^oFr)", "(^oGer)"}, E::kNitrate, 23},
};
#undef TARVEX_A
#undef TARVEX_B
#undef TARVEX_C
#undef TARVEX_D

// Returns whether the row was printed.
bool Element(Table& t, const ElementRow& r) {
    if (ChemistryHidden(r.hide)) return false;
    const unsigned code = unitCodes.code[r.unitItem];
    std::string label = r.label;
    const char* caption = code < static_cast<unsigned>(kCaptions) ? r.captions[code] : nullptr;
    if (r.element == E::kH2S) caption = H2sRowSuffix(caption);
    if (caption != nullptr) label += caption;
    t.Row(label, [&r](const Source& s) { return Value7Cell(s.values[r.element]); });
    return true;
}

const char* AcidName(unsigned chemical) {
    static const char* const kNames[] = {"Sulfuric Acid", "Hydrochloric Acid", "Carbon Dioxide"};
    return chemical < 3 ? kNames[chemical] : "No acid feed";
}
const char* AlkaliName(unsigned chemical) {
    static const char* const kNames[] = {"Lime", "Soda Ash", "Sodium Bicarbonate", "Caustic Soda",
                                         "Caustic Potash"};
    return chemical < 5 ? kNames[chemical] : "None Selected";
}

std::string DoseCell(const Source& s) {
    if (!s.doseComputed) return "";
    if (s.status == 0) return Value7Cell(s.dose);
    const float d = s.dose;
    const char* format = d < 0.1f ? "%5.3f" : d < 1.0f ? "%5.2f" : d < 10.0f ? "%5.1f" : "%5.0f";
    char text[kValueTextChars];
    std::snprintf(text, sizeof text, format, static_cast<double>(d));
    return "[" + std::string(text).substr(0, 5) + "]";
}

void ChemistryRows(Table& t) {
    for (const ElementRow& r : kCations)
        if (Element(t, r) && r.hide == 13) ++t.line;
    t.Heading("ANIONS");
    for (const ElementRow& r : kFirstAnions) Element(t, r);
    const bool species = SpeciesForm(mixAlkalinityLabels);
    // The rows in the basis's unit, as the source waters' page shows them.
    const char* format = AlkalinityDecimals() == 2 ? "%7.2f" : "%7.1f";
    auto shown = [species, format](int row, float value) {
        return Fixed(AlkalinityRowInBasis(species, row, value), format);
    };
    // No calculation keeps a source water's acidity: the row has no figure.
    if (!ChemistryHidden(17))
        t.Row(species ? std::string("Dissolved CO_2") + DissolvedCo2RowSuffix("") : "Acidity",
              [species, shown](const Source& s) {
            return species ? shown(0, s.dissolvedCo2) : std::string(kNotApplicable);
        });
    if (!ChemistryHidden(18))
        t.Row(species ? "Bicarbonate" : "\"M\" Alkalinity", [species, shown](const Source& s) {
            return shown(1, species ? s.values[E::kMAlkalinity] : s.results[28]);
        });
    if (!ChemistryHidden(19))
        t.Row(species ? "Carbonate" : "\"P\" Alkalinity", [species, shown](const Source& s) {
            return shown(2, species ? s.values[E::kPAlkalinity] : s.results[30]);
        });
    for (const ElementRow& r : kLastAnions)
        if (Element(t, r) && r.hide == 23) ++t.line;
    t.Heading("PARAMETERS");
    if (!ChemistryHidden(32))
        t.Row("pH", [](const Source& s) { return Value7Cell(s.values[E::kPh]); });
    if (!ChemistryHidden(31)) {
        static const char* const kUnits[] = {"(^oF)", "(^oC)", "(^oK)"};
        const unsigned u = unitCodes.code[U::kTemperature];
        t.Row(std::string("Temperature") + (u < 3 ? kUnits[u] : ""),
              [](const Source& s) { return Value7Cell(s.values[E::kTemperature]); });
    }
    if (!ChemistryHidden(29)) {
        static const char* const kUnits[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};
        const unsigned u = unitCodes.code[U::kPressure];
        t.Row(std::string("Pressure") + (u < 4 ? kUnits[u] : ""),
              [](const Source& s) { return Value7Cell(s.values[E::kPressure]); });
    }
    if (!ChemistryHidden(28))
        t.Row(unitCodes.code[U::kDensity] == 1 ? "Density(lbs/gal)" : "Sp.Gr.(g/mL)",
              [](const Source& s) { return Value7Cell(s.values[E::kDensity]); });
    if (!ChemistryHidden(25))
        t.Row("Calculated TDS", [](const Source& s) { return Value7Cell(s.results[35]); });
    // The multi-mix keeps no pH-control dose per source water.
    const unsigned method = phControlSettings.phControlMethod;
    auto none = [](const Source&) { return std::string(kNotApplicable); };
    if (method == 1 || method == 3) t.Row(AcidName(phControlSettings.acidChemical), none);
    if (method == 2 || method == 3) {
        t.Row(AlkaliName(phControlSettings.alkaliChemical), none);
        ++t.line;
    }
    // The dose heading and the product row.
    if (mainWindowState.dataVersion < 200) {
        ++t.line;
        return;
    }
    if (resultStatus.productSelected == 0) {
        t.layout.AddText(t.line, 0, "  ", FontRole::kBold);
        ++t.line;
        t.layout.AddText(t.line, 1, "  ");
        return;
    }
    const ProductRecord& product = productTable.records[0];
    const int mode = product.productMode;
    if (mode < 2 && !ChemistryHidden(26))
        t.Heading("DOSAGE (mg/l)");
    else if (mode >= 2 && !ChemistryHidden(27))
        t.Heading(unitCodes.code[U::kCorrosionRate] == 0 ? "CORROSION RATE (mpy)"
                                                         : "CORROSION RATE (mm/yr)");
    t.Row(std::string(product.name, strnlen(product.name, sizeof product.name)), DoseCell, true);
}

std::string SaturationCell(float ratio) {
    // A point not calculated holds no ratio, in either form.
    if (IsSolverNotReachable(ratio) || IsUndefinedValue(ratio)) return kNotApplicable;
    if (displaySettings.indexFormat == 1)
        return ratio > 0.0f ? FixedCell(std::log10(ratio), 2) : std::string(kNotApplicable);
    return FixedCell(ratio, 2);
}

std::string Value7OrNa(float value) {
    return IsSolverNotReachable(value) ? std::string(kNotApplicable) : Value7Cell(value);
}

struct Mineral {
    int saturationItem;
    const char* saturationLabel;
    int excessItem;
    const char* excessLabel;
    int code;
    int slot;
};
const Mineral kMinerals[] = {
    {0, "Calcite ", 21, "Calcite", 0, 0},
    {1, "Aragonite ", 22, "Aragonite", 1, 1},
    {2, "Witherite ", 23, "Witherite ", 22, 2},
    {3, "Strontianite ", 24, "Strontianite", 19, 16},
    {53, "Calcium oxalate ", 54, "Calcium oxalate", 62, 20},
    {4, "Magnesite ", 25, "Magnesite", 25, 4},
    {5, "Anhydrite ", 26, "Anhydrite", 4, 5},
    {6, "Gypsum ", 27, "Gypsum", 5, 6},
    {7, "Barite ", 28, "Barite", 21, 7},
    {8, "Celestite ", 29, "Celestite", 37, 8},
    {10, "Calcium phosphate ", 31, "Calcium phosphate", 3, 9},
    {11, "Hydroxyapatite ", 32, "Hydroxyapatite", 36, 10},
    {9, "Fluorite ", 30, "Fluorite", 20, 15},
    {12, "Silica ", 33, "Silica", 2, 14},
    {13, "Brucite ", 34, "Brucite", 12, 12},
    {14, "Mag. silicate ", 35, "Mag. silicate", 47, 21},
    {15, "Ferric hydroxide ", 36, "Ferric hydroxide", 23, 13},
    {17, "Siderite ", 38, "Siderite", 24, 3},
    {16, "Strengite ", 37, "Strengite", 26, 11},
    {18, "Halite ", 39, "Halite", 32, 19},
    {19, "Thenardite ", 40, "Thenardite", 45, 18},
    {20, "Iron sulfide ", 41, "Iron sulfide", 44, 17},
};

struct Index {
    int item;
    const char* label;
    int code;
};
const Index kIndices[] = {
    {42, "Langelier  ", 10},   {43, "Ryznar  ", 11},    {47, "Oddo-Tomson  ", 42},
    {46, "Stiff-Davis  ", 43}, {44, "Puckorius  ", 31}, {45, "Larson-Skold  ", 18},
};

std::string IndexCell(const Index& index, const Source& s) {
    const float v = s.results[index.code];
    bool own = true;
    if (index.item == 42 || index.item == 46 || index.item == 47) own = v > -14.0f;
    if (index.item == 43 || index.item == 44) own = v < 14.0f;
    if (index.item == 45) own = s.values[E::kChloride] > 0.0f || s.values[E::kSulfate] > 0.0f;
    const bool species = s.results[27] > kCarbonateSpecies || s.results[29] > kCarbonateSpecies;
    return own && species ? Value7OrNa(v) : std::string(kNotApplicable);
}

bool AnyShown(int from, int to) {
    for (int item = from; item <= to; ++item)
        if (IndicatorShown(item)) return true;
    return false;
}
bool SaturationShown() {
    return AnyShown(0, 20) || IndicatorShown(53);
}
bool IndicesShown() {
    return AnyShown(42, 47);
}
bool IonsShown() {
    return AnyShown(48, 52);
}
bool ExcessShown() {
    return AnyShown(21, 41);
}

const char* ExcessHeading() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return "FREE ION MOMENTARY EXCESS (mg/L)";
        case 1:
            return "FREE ION MOMENTARY EXCESS (Lbs/1000 barrels)";
        default:
            return "FREE ION MOMENTARY EXCESS (kg/1000 Barrels)";
    }
}

int GroupFirst(int group) {
    return kGroupSize * group;
}

}  // namespace

int MixTableGroups() {
    const int last = multiMixState.lastWaterIndex;
    return last <= 6 ? 1 : last / kGroupSize + 1;
}

int MixGroupColumns(int group) {
    const int n = multiMixState.lastWaterIndex - GroupFirst(group) + 1;
    if (n > kGroupSize) return kGroupSize;
    return n < 1 ? 1 : n;
}

int MixTableOffset(int columns, int charWidth, int marginX) {
    const int offset = 4 * (kGroupSize - columns) * charWidth - marginX;
    return offset < 0 ? 0 : offset;
}

void LayOutMixChemistryTable(int group, MixTablePage& page) {
    page = MixTablePage{};
    const int columns = MixGroupColumns(group);
    ColumnHead(GroupFirst(group), columns, "CATIONS", page.head);
    Table t{GroupFirst(group), columns, page.rows};
    ChemistryRows(t);
    page.rows.endLine = t.line;
    page.head.title = kMixChemistryTableTitle;
}

bool LayOutMixSaturationPage(int group, MixTablePage& page) {
    page = MixTablePage{};
    const bool saturation = SaturationShown();
    const bool indices = IndicesShown();
    if (!saturation && !indices) return false;
    const int columns = MixGroupColumns(group);
    const char* first = saturation
                            ? (displaySettings.indexFormat == 0 ? "SATURATION RATIO IAP/Ksp"
                                                                : "SATURATION INDEX LOG10(IAP/Ksp)")
                            : "SIMPLE INDICES";
    ColumnHead(GroupFirst(group), columns, first, page.head);
    Table t{GroupFirst(group), columns, page.rows};
    if (saturation) {
        for (const Mineral& m : kMinerals) {
            if (!IndicatorShown(m.saturationItem)) continue;
            t.Row(m.saturationLabel,
                  [&m](const Source& s) { return SaturationCell(s.results[m.code]); });
            if (m.saturationItem == 20) ++t.line;
        }
        if (indices) t.Heading("SIMPLE INDICES");
    }
    if (indices) {
        for (const Index& index : kIndices) {
            if (!IndicatorShown(index.item)) continue;
            t.Row(index.label, [&index](const Source& s) { return IndexCell(index, s); });
            if (index.item == 45) ++t.line;
        }
    }
    page.rows.endLine = t.line;
    page.head.title = kMixIndicatorsTableTitle;
    return true;
}

bool LayOutMixIonsPage(int group, MixTablePage& page) {
    page = MixTablePage{};
    const bool ions = IonsShown();
    const bool excess = ExcessShown();
    if (!ions && !excess) return false;
    const int columns = MixGroupColumns(group);
    ColumnHead(GroupFirst(group), columns, ions ? "TOTAL VS FREE IONS" : "", page.head);
    Table t{GroupFirst(group), columns, page.rows};
    if (ions) {
        static const struct {
            int item;
            const char* label;
            int total, free;
        } kIons[] = {{48, "Ca", 6, 7},
                     {49, "Ba", 38, 39},
                     {50, "CO_3", 8, 9},
                     {51, "PO_4", 16, 17},
                     {52, "SO_4", 40, 41}};
        for (const auto& ion : kIons) {
            if (!IndicatorShown(ion.item)) continue;
            t.layout.AddValueEnd(t.line, 12, "Total");
            t.Row(ion.label, [&ion](const Source& s) { return Value7OrNa(s.results[ion.total]); });
            t.layout.AddValueEnd(t.line, 12, "Free");
            t.Row("", [&ion](const Source& s) { return Value7OrNa(s.results[ion.free]); });
        }
    }
    if (excess) {
        if (ions) ++t.line;
        t.Heading(ExcessHeading());
        for (const Mineral& m : kMinerals) {
            if (!IndicatorShown(m.excessItem)) continue;
            t.Row(m.excessLabel, [&m](const Source& s) {
                return Value7Cell(PrecipitationInDisplayUnit(s.excess[m.slot]));
            });
        }
    }
    page.rows.endLine = t.line;
    page.head.title = kMixIndicatorsTableTitle;
    return true;
}
