// The chemistry page of one water: the identification line, cations and
// anions side by side, the parameters with the comments beside them and the
// corrosion rate. The blend's page has the same rows one line higher, no
// pyrophosphate, resistivity or corrosion rows, gas rows labelled by their unit
// alone and nothing highlighted.
#include <cstdio>
#include <string>

#include "engine/records.h"
#include "input/description_records.h"
#include "reporttext/format/carbonic_acid_display.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/row_units.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/profilepages/chemistry_rows.h"
#include "reporttext/waterpages/page_texts.h"
#include "reporttext/waterpages/water_pages.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr win::COLORREF kHighlight = win::RGB(255, 0, 0);
constexpr const char* kCaCO3 = "(as CaCO_3)";
constexpr const char* kFr = "(^oFr)";
constexpr const char* kGer = "(^oGer)";
constexpr int kMaxSuffixes = 8;

// An analysis row: its name, the UnitCodes item whose code picks the suffix
// (kAlkalinityItem: the alkalinity entry mode), the suffixes by code, the
// element shown and whether a change by the calculation is highlighted.
constexpr int kAlkalinityItem = -1;
struct AnalysisRow {
    const char* name;
    int unitItem;
    const char* suffixes[kMaxSuffixes];
    int element;
    bool highlight;
};

const AnalysisRow kCations[] = {
    {"Calcium", U::kCalcium, {"(as Ca)", kCaCO3, kFr, kGer}, E::kCalcium, false},
    {"Magnesium", U::kMagnesium, {"(as Mg)", kCaCO3, kFr, kGer}, E::kMagnesium, false},
    {"Barium", U::kBarium, {"(as Ba)", kCaCO3, kFr, kGer}, E::kBarium, false},
    {"Strontium", U::kStrontium, {"(as Sr)", kCaCO3, kFr, kGer}, E::kStrontium, false},
    {"Sodium", U::kSodium, {"(as Na)", kCaCO3, "(as NaCl)", kFr, kGer}, E::kSodium, true},
    {"Potassium", U::kPotassium, {"(as K)", kCaCO3, kFr, kGer}, E::kPotassium, true},
    {"Lithium", U::kLithium, {"(as Li)", kCaCO3, kFr, kGer}, E::kLithium, false},
    {"Iron", U::kIron, {"(as Fe)", kCaCO3, "(as Fe2O3)", kFr, kGer}, E::kIron, false},
    {"Ammonia", U::kAmmonia, {"(as NH_3)", kCaCO3, "(as N)", kFr, kGer}, E::kAmmonia, false},
    {"Aluminum", U::kAluminum, {"(as Al)", kCaCO3, "(as Al_2O_3)", kFr, kGer}, E::kAluminum, false},
    {"Manganese", U::kManganese, {"(as Mn)", kCaCO3, kFr, kGer}, E::kManganese, false},
    {"Zinc", U::kZinc, {"(as Zn)", kCaCO3, kFr, kGer}, E::kZinc, false},
    {"Lead", U::kLead, {"(as Pb)", kCaCO3, kFr, kGer}, E::kLead, false},
};

// The alkalinity rows' suffixes by entry mode (0 has none).
#define TARVEX_ALK(species) \
    { nullptr, kCaCO3, species, species, "(ml N/30)", "(epm)", kFr, kGer }

constexpr int kPyrophosphateRow = 9;
const AnalysisRow kAnions[] = {
    {"Chloride", U::kChloride, {"(as Cl)", kCaCO3, "(as NaCl)", kFr, kGer}, E::kChloride, true},
    {"Sulfate", U::kSulfate, {"(as SO_4)", kCaCO3, kFr, kGer, " (as Na_2SO_4)"}, E::kSulfate, true},
    {"Bromine", U::kBromine, {"(as Br)", kCaCO3, kFr, kGer}, E::kBromine, false},
    {nullptr, kAlkalinityItem, TARVEX_ALK("(as CO_2)"), E::kAcidity, false},
    {nullptr, kAlkalinityItem, TARVEX_ALK("(as HCO_3)"), E::kMAlkalinity, false},
    {nullptr, kAlkalinityItem, TARVEX_ALK("(as CO_3)"), E::kPAlkalinity, false},
    {"Oxalic acid", U::kOxalate, {"(as C_2O_4)", kCaCO3, "(as epm)", "(moles/L)"}, 49, false},
    {"Silica", U::kSilica, {"(as SiO_2)", kCaCO3, "(as Si)", kFr, kGer}, E::kSilica, false},
    {"Phosphate",
     U::kPhosphate,
     {"(as PO_4)", kCaCO3, "(as P_2O_5)", "(as P)", kFr, kGer},
     E::kPhosphate,
     false},
    {"Pyrophosphate",
     U::kPolyphosphate,
     {"(as PO_4)", kCaCO3, "(as P_2O_5)", "(as P)", "(Fr Deg)", "(Ger Deg)", "(epm)", "(moles/L)"},
     48,
     false},
    {"H_2S ", U::kH2S, {"(as H_2S)", kCaCO3, "(as S)", kFr, kGer}, E::kH2S, true},
    {"Fluoride", U::kFluoride, {"(as F)", kCaCO3, kFr, kGer}, E::kFluoride, false},
    {"Nitrate", U::kNitrate, {"(as NO_3)", kCaCO3, kFr, kGer}, E::kNitrate, true},
    {"Boron", U::kBoron, {"(as B)", kCaCO3, "(as B_2O_3)", kFr, kGer}, E::kBoron, false},
};
#undef TARVEX_ALK

const char* const kPressureSuffixes[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};
const char* const kGasSuffixes[] = {"(atm)", "(bars)", "(psia)", "(KPa)", "(ppm)", "(mole %)"};

const char* Pick(const char* const* list, int count, int code) {
    return code >= 0 && code < count && list[code] != nullptr ? list[code] : "";
}

int Code(int item) {
    return item == kAlkalinityItem ? alkalinityMode : unitCodes.code[item];
}

bool SpeciesGiven() {
    return alkalinityMode == 2 || alkalinityMode == 3;
}

// The alkalinity rows' names follow the entry mode.
std::string RowName(const AnalysisRow& row, int index) {
    if (row.name != nullptr) return row.name;
    const int alk = index - 3;  // the acidity, M and P rows follow bromine
    if (SpeciesGiven()) return alk == 0 ? "Dissolved CO_2" : alk == 1 ? "Bicarbonate" : "Carbonate";
    return alk == 0 ? "Acidity" : alk == 1 ? "\"M\" Alkalinity" : "\"P\" Alkalinity";
}

struct Page {
    const WaterView& view;
    ReportLayout& layout;
    int first;  // the page's first line; page line L is layout line L - first

    int Line(int pageLine) const { return pageLine - first; }
    float Value(int element) const { return view.analysis->values[element]; }
    bool Changed(int element) const {
        return view.enteredValues != nullptr && Value(element) != view.enteredValues[element];
    }
    void Label(int line, int column, const std::string& text) const {
        layout.AddText(Line(line), column, text);
    }
    void ValueAt(int line, int column, const std::string& text, bool red) const {
        layout.AddValue(Line(line), column, text, red ? kHighlight : kLayoutBlack);
    }
};

// The texts of the water the page shows: the stored set of the surface,
// injection or formation water, the blend's, or the set of the multi-mix
// water being edited; the water form's current set for no other.
const SampleDescription& WaterComments(const WaterView& view) {
    if (view.blend) return multiMixBlend.mixedDescription;
    const int k = multiMixState.editIndex;
    if (view.water == WaterSelector::kMultiMixSource && k >= 0 && k < kMultiMixWaterCount)
        return multiMixState.descriptions[k];
    const int water =
        view.water == WaterSelector::kSurfaceAgain ? WaterSelector::kSurface : view.water;
    if (water >= 0 && water < kDescribedWaterCount) return waterDescriptions[water];
    return currentDescription;
}

void AnalysisRows(const Page& p, const AnalysisRow* rows, int count, int firstLine, int labelColumn,
                  bool blend) {
    int line = firstLine;
    for (int i = 0; i < count; ++i) {
        if (blend && rows == kAnions && i == kPyrophosphateRow) continue;
        const AnalysisRow& row = rows[i];
        const char* suffix = Pick(row.suffixes, kMaxSuffixes, Code(row.unitItem));
        if (row.element == E::kH2S) suffix = H2sRowSuffix(suffix);
        if (row.element == E::kAcidity && SpeciesGiven()) suffix = DissolvedCo2RowSuffix(suffix);
        p.Label(line, labelColumn, RowName(row, i) + suffix);
        float value = p.Value(row.element);
        if (row.element == E::kAcidity)
            value = static_cast<float>(CarbonicAcidShown(
                CarbonicAcidInBasis(value, reportingMode, p.Value(E::kResultScale)),
                alkalinityMode));
        // The species rows in the basis's unit, as the profiles show them.
        const int alkalinityRow = i - 3;
        if (rows == kAnions && row.name == nullptr && SpeciesGiven())
            value = AlkalinityRowInBasis(true, alkalinityRow, value);
        p.ValueAt(line, labelColumn + 24, Value7Cell(value),
                  row.highlight && p.Changed(row.element));
        ++line;
    }
}

// The gas rows of the one-water page, each ending before column 35: the pCO2
// to three significant figures; a zero pH2S shows "      0.00" whole, any
// other the short form cut to a cell.
void GasRow(const Page& p, int line, bool co2) {
    const int code = unitCodes.code[co2 ? U::kGasCo2 : U::kGasH2S];
    const char* name =
        code > 3 ? (co2 ? "gas phase CO_2" : "gas phase H_2S") : (co2 ? "pCO_2" : "pH_2S");
    p.Label(line, 4, std::string(name) + Pick(kGasSuffixes, 6, code));
    const int element = co2 ? E::kPco2 : E::kPH2S;
    const float v = p.Value(element);
    std::string text = "      0.00";
    if (co2) {
        text = Pco2Cell(v);
    } else if (v != 0.0f) {
        char shortText[kValueTextChars];
        FormatValueShort(v, shortText);
        text = Cell(shortText);
    }
    p.ValueAt(line, 35 - static_cast<int>(text.size()), text, p.Changed(element));
}

// The blend's gas rows: named by the unit code alone, at column 28; the pCO2
// to three significant figures, the pH2S in FormatValue7.
void BlendGasRow(const Page& p, int line, bool co2) {
    const int code = unitCodes.code[co2 ? U::kGasCo2 : U::kGasH2S];
    std::string label;
    if (code == 4 || code == 5)
        label = std::string(co2 ? "CO_2" : "H_2S") + (code == 4 ? "(ppm in gas)" : "(mole %)");
    else
        label = std::string(co2 ? "pCO_2" : "pH_2S") + Pick(kPressureSuffixes, 4, code);
    p.Label(line, 4, label);
    p.ValueAt(line, 28, co2 ? Pco2Cell(p.Value(E::kPco2)) : Value7Cell(p.Value(E::kPH2S)), false);
}

void Parameters(const Page& p, bool blend) {
    const bool enteredPhComputed =
        p.view.enteredValues != nullptr && p.view.enteredValues[E::kPh] < 0.0f;
    p.Label(22, 4, "pH");
    p.ValueAt(22, 28, Value7Cell(p.Value(E::kPh)), enteredPhComputed);
    static const char* const degrees[] = {"(^oF)", "(^oC)", "(^oK)"};
    p.Label(23, 4, std::string("Temperature") + Pick(degrees, 3, unitCodes.code[U::kTemperature]));
    p.ValueAt(23, 28, Value7Cell(p.Value(E::kTemperature)), false);
    p.Label(24, 4,
            std::string("Pressure") + Pick(kPressureSuffixes, 4, unitCodes.code[U::kPressure]));
    p.ValueAt(24, 28, Value7Cell(p.Value(E::kPressure)), false);
    if (blend) {
        BlendGasRow(p, 25, true);
        BlendGasRow(p, 26, false);
    } else {
        GasRow(p, 25, true);
        GasRow(p, 26, false);
    }
    p.Label(27, 4, unitCodes.code[U::kDensity] == 1 ? "Density(lbs/gal)" : "Sp.Gr.(g/mL)");
    char text[kValueTextChars];
    FormatValue7b(text, p.Value(E::kDensity), 3);
    p.ValueAt(27, 28, Cell(text), false);
    p.Label(28, 4, "Calculated T.D.S.");
    p.ValueAt(28, 28, Value7Cell(p.view.results[35]), false);
    p.Label(29, 4, "Molar Conductivity");
    const float conductivity = p.Value(E::kConductivity);
    p.ValueAt(29, 28, Value7Cell(conductivity), false);
    if (blend) return;
    p.Label(30, 4, "Resistivity");
    p.ValueAt(30, 28, Value7Cell(ResistivityOf(conductivity)), false);
}

void Comments(const Page& p) {
    p.Label(21, 42, "COMMENTS");
    // Every water shows its own comments, as its print gives them, not those
    // of the water whose form was opened last.
    const SampleDescription& d = WaterComments(p.view);
    char comments[sizeof d.text[4] + 1] = {};
    std::snprintf(comments, sizeof comments, "%.*s", static_cast<int>(sizeof d.text[4]), d.text[4]);
    if (comments[0] != '\0') p.layout.AddTyped(p.Line(22), 44, comments);
}

}  // namespace

int ChemistryFirstLine(bool blend) {
    return blend ? 1 : 2;
}

void LayOutWaterChemistry(const WaterView& view, ReportLayout& layout) {
    layout.title = WaterChemistryTitle(view.water);
    const Page p{view, layout, ChemistryFirstLine(view.blend)};
    const WaterAnalysis& a = *view.analysis;
    if (view.blend) {
        AddIdentification(layout, p.Line(2), {3, 14, 26, 38, 50, 58, 69, 72}, a.sampleNumber,
                          a.reportDate, a.sampleDate, a.sampleTime, {}, ZeroNumber::kNone);
    } else {
        AddIdentification(layout, p.Line(2), {3, 14, 24, 37, 48, 57, 68, 71}, a.sampleNumber,
                          a.reportDate, a.sampleDate, a.sampleTime, TypedSampleId(view.water),
                          ZeroNumberOf(view.water));
    }
    const int headings = view.blend ? 4 : 5;
    p.Label(headings, 2, "CATIONS");
    p.Label(headings, 42, "ANIONS");
    AnalysisRows(p, kCations, sizeof kCations / sizeof kCations[0], headings + 1, 4, view.blend);
    AnalysisRows(p, kAnions, sizeof kAnions / sizeof kAnions[0], headings + 1, 44, view.blend);
    p.Label(21, 2, "PARAMETERS");
    Comments(p);
    Parameters(p, view.blend);
    if (view.blend) {
        layout.NameLine(LayoutLine::kBandTop, p.Line(4));
        layout.NameLine(LayoutLine::kBandBottom, p.Line(30));
        return;
    }
    p.Label(32, 2, "CORROSION RATE PREDICTION");
    p.Label(33, 4, CorrosionRateLabel("CO_2 - H_2S Rate"));
    p.ValueAt(33, 28, Value7Cell(view.corrosionRate), false);
}
