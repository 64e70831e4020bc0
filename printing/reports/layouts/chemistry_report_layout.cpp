// The rows of the printed chemistry report. Captions follow the user's unit
// choices; a caption that does not begin with a blank touches its label.
#include "printing/reports/layouts/chemistry_report_layout.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "reporttext/format/carbonic_acid_display.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/row_units.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr const char* kCaCO3 = " (as CaCO_3)";
constexpr const char* kFr =
    " (\xF8"
    "Fr)";
constexpr const char* kGer =
    " (\xF8"
    "Ger)";
constexpr int kCaptions = 6;
constexpr int kNoItem = -1;
constexpr int kListPlaces = 20;

// A row with its label, the UnitCodes item whose code picks the caption, the
// captions by code and the values element.
struct Row {
    int code;
    const char* label;
    int unitItem;
    const char* captions[kCaptions];
    int element;
};

// Form A: own caption, as CaCO3, French and German degrees.
#define TARVEX_FORM_A(x) \
    { x, kCaCO3, kFr, kGer, nullptr, nullptr }
// Form B: own caption, as CaCO3, a second caption, French and German degrees.
#define TARVEX_FORM_B(x, y) \
    { x, kCaCO3, y, kFr, kGer, nullptr }

const Row kRows[] = {
    {1, "  Calcium", U::kCalcium, TARVEX_FORM_A(" (as Ca)"), E::kCalcium},
    {2, "  Magnesium", U::kMagnesium, TARVEX_FORM_A(" (as Mg)"), E::kMagnesium},
    {3, "  Barium", U::kBarium, TARVEX_FORM_A(" (as Ba)"), E::kBarium},
    {4, "  Strontium", U::kStrontium, TARVEX_FORM_A(" (as Sr)"), E::kStrontium},
    {5, "  Sodium", U::kSodium, TARVEX_FORM_B(" (as Na)", " (as NaCl)"), E::kSodium},
    {6, "  Potassium", U::kPotassium, TARVEX_FORM_A(" (as K)"), E::kPotassium},
    {7, "  Lithium", U::kLithium, TARVEX_FORM_A(" (as Li)"), E::kLithium},
    {8, "  Ammonia", U::kAmmonia, TARVEX_FORM_B(" (as NH_3)", " (as N)"), E::kAmmonia},
    {9, "  Aluminum", U::kAluminum, TARVEX_FORM_B(" (as Al)", " (as Al_2O_3)"), E::kAluminum},
    {10, "  Iron", U::kIron, TARVEX_FORM_B(" (as Fe)", " (as Fe_2O_3)"), E::kIron},
    {11, "  Boron", U::kBoron, TARVEX_FORM_B(" (as B)", " (as B_2O_3)"), E::kBoron},
    {12, "  Manganese", U::kManganese, TARVEX_FORM_A(" (as Mn)"), E::kManganese},
    {13, "  Zinc", U::kZinc, TARVEX_FORM_A(" (as Zn)"), E::kZinc},
    {14, "  Lead", U::kLead, TARVEX_FORM_A(" (as Pb)"), E::kLead},
    {21, "  Chloride", U::kChloride, TARVEX_FORM_B(" (as Cl)", " (as NaCl)"), E::kChloride},
    {22,
     "  Sulfate",
     U::kSulfate,
     {" (as SO_4)", kCaCO3, kFr, kGer, "(as Na2SO_4)", nullptr},
     E::kSulfate},
    {23, "  Bromine", U::kBromine, TARVEX_FORM_A(" (as Br)"), E::kBromine},
    {27, "  Silica", U::kSilica, TARVEX_FORM_B(" (as SiO_2)", " (as Si)"), E::kSilica},
    {28, "  H_2S ", U::kH2S, TARVEX_FORM_B(" (as H_2S)", " (as S)"), E::kH2S},
    {29,
     "  Phosphate",
     U::kPhosphate,
     {"(as PO_4)", "(as CaCO_3)", "(as P_2O_5)", "(as P)", "(^oFr)", "(^oGer)"},
     E::kPhosphate},
    {30, "  Nitrate", U::kNitrate, TARVEX_FORM_A(" (as NO_3)"), E::kNitrate},
    {31, "  Fluoride", U::kFluoride, TARVEX_FORM_A(" (as F)"), E::kFluoride},
    {32,
     "  Oxalic acid",
     U::kOxalate,
     {" (as C_2O_4)", " (as CaCO_3)", " (as epm)", " (moles/L)", nullptr, nullptr},
     E::kOxalate},
};

#undef TARVEX_FORM_A
#undef TARVEX_FORM_B

// The chemistry print item of each row code.
int PrintItemOf(int row) {
    if (row >= 1 && row <= 14) return row - 1;
    if (row >= 21 && row <= 31) return row - 7;
    switch (row) {
        case 32:
            return 49;
        case 41:
            return 32;
        case 42:
            return 31;
        case 43:
            return 28;
        case 44:
            return 29;
        case 45:
            return 30;
        case 46:
            return 47;
        case 47:
            return 25;
        case 48:
            return 35;
        case 49:
            return 45;
        case 52:
        case 53:
            return 27;
        default:
            return kNoItem;
    }
}

const int kCationOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14};
const int kAnionOrder[] = {21, 22, 23, 24, 25, 26, 32, 27, 29, 28, 31, 30, 11};
const int kParameterOrder[] = {47, 48, 49, 43, 44, 45, 46, 42, 41, 52, 53};

template <std::size_t N>
std::vector<int> ShownRows(const int (&order)[N]) {
    std::vector<int> rows;
    for (int row : order)
        if (displaySettings.chemistryItemsHidden[PrintItemOf(row)] == 0) rows.push_back(row);
    if (rows.size() > static_cast<std::size_t>(kListPlaces)) rows.resize(kListPlaces);
    return rows;
}

const char* Caption(const char* const (&captions)[kCaptions], unsigned code) {
    return code < static_cast<unsigned>(kCaptions) && captions[code] != nullptr ? captions[code]
                                                                                : "";
}

bool SpeciesLabels() {
    return alkalinityMode == 2 || alkalinityMode == 3;
}

// A carbonate species row (0 dissolved CO2, 1 bicarbonate, 2 carbonate) in
// the basis's unit, as the page shows it; the acidity form as kept.
float SpeciesInBasis(int row, float value) {
    return SpeciesLabels() ? AlkalinityRowInBasis(true, row, value) : value;
}

// Rows 24 to 26 by the alkalinity entry mode.
std::string AlkalinityCaption(const char* species) {
    switch (alkalinityMode) {
        case 1:
            return kCaCO3;
        case 2:
        case 3:
            return species;
        case 4:
            return " (ml N/30)";
        case 5:
            return " (epm)";
        case 6:
            return kFr;
        case 7:
            return kGer;
        default:
            return "";
    }
}

// The pressure units, then the gas units of the gas rows.
const char* PressureCaption(unsigned code) {
    static const char* const kForms[] = {"(atm)", "(bars)", "(psia)", "(KPa)", "(ppm)", "(mole %)"};
    return code < 6 ? kForms[code] : "";
}

std::string ResistivityCell(float conductivity) {
    return Value7Cell(ResistivityOf(conductivity));
}

std::string DensityCell(float density) {
    char text[kValueTextChars];
    FormatValue7b(text, density, 3);
    return Cell(text);
}

void Put(ReportLayout& layout, int line, int start, int end, const std::string& label,
         const std::string& value) {
    layout.AddText(line, start, label);
    layout.AddValueEnd(line, end, value);
}

}  // namespace

const char* ChemistryReportTitle(int kind) {
    switch (kind) {
        case 0:
            return "SURFACE WATER CHEMISTRY INPUT";
        case 1:
            return "INJECTION WATER CHEMISTRY INPUT";
        case 2:
            return "FORMATION WATER CHEMISTRY INPUT";
        case 4:
            return "MIXED WATER CHEMISTRY";
        case 5:
            return "SOURCE WATER CHEMISTRY FOR MIXING";
        default:
            return "";
    }
}

void PrintChemistryBody(ReportLayout& layout, int line, int start, int end, int row,
                        const PrintedWater& water) {
    const WaterAnalysis& a = *water.view.analysis;
    const float* v = a.values;
    const uint16_t* units = unitCodes.code;
    switch (row) {
        case ChemistryRow::kCationsHeading:
            return layout.AddText(line, start, "  CATIONS", FontRole::kBold);
        case ChemistryRow::kAnionsHeading:
            return layout.AddText(line, start, "  ANIONS", FontRole::kBold);
        case ChemistryRow::kParametersHeading:
            return layout.AddText(line, start, "PARAMETERS", FontRole::kBold);
        case 24:
            return Put(layout, line, start, end,
                       SpeciesLabels() ? std::string("  Dissolved CO_2") +
                                             DissolvedCo2RowSuffix(
                                                 AlkalinityCaption(" (as CO_2)").c_str())
                                       : "  Acidity" + AlkalinityCaption(" (as CO_2)"),
                       Value7Cell(SpeciesInBasis(0, static_cast<float>(CarbonicAcidShown(
                           CarbonicAcidInBasis(v[E::kAcidity], reportingMode, v[E::kResultScale]),
                           alkalinityMode)))));
        case 25:
            return Put(layout, line, start, end,
                       std::string(SpeciesLabels() ? "  Bicarbonate" : "  \"M\" Alkalinity") +
                           AlkalinityCaption(" (as HCO_3)"),
                       Value7Cell(SpeciesInBasis(1, v[E::kMAlkalinity])));
        case 26:
            return Put(layout, line, start, end,
                       std::string(SpeciesLabels() ? "  Carbonate" : "  \"P\" Alkalinity") +
                           AlkalinityCaption(" (as CO_3)"),
                       Value7Cell(SpeciesInBasis(2, v[E::kPAlkalinity])));
        case 41:
            return Put(layout, line, start, end, "  pH", Value7Cell(v[E::kPh]));
        case 42: {
            static const char* const kUnits[] = {" (^oF) ", " (^oC) ", " (^oK) "};
            const unsigned u = units[U::kTemperature];
            return Put(layout, line, start, end,
                       std::string("  Temperature") + (u < 3 ? kUnits[u] : ""),
                       Value7Cell(v[E::kTemperature]));
        }
        case 43:
            return Put(layout, line, start, end,
                       units[U::kDensity] == 1 ? "  Density(lbs/gal)" : "  Sp.Gr.(g/mL)",
                       DensityCell(v[E::kDensity]));
        case 44: {
            const unsigned u = units[U::kPressure];
            return Put(layout, line, start, end,
                       std::string("  Pressure") + (u < 4 ? PressureCaption(u) : ""),
                       Value7Cell(v[E::kPressure]));
        }
        case 45: {
            const unsigned u = units[U::kGasCo2];
            return Put(layout, line, start, end,
                       std::string(u >= 4 ? "  gas phase CO_2" : "  pCO_2") + PressureCaption(u),
                       Pco2Cell(v[E::kPco2]));
        }
        case 46: {
            const unsigned u = units[U::kGasH2S];
            return Put(layout, line, start, end,
                       std::string(u >= 4 ? "  gas phase H_2S" : "  pH_2S") + PressureCaption(u),
                       Value7Cell(v[E::kPH2S]));
        }
        case 47:
            return Put(layout, line, start, end, "  Calculated T.D.S.",
                       Value7Cell(water.view.results[35]));
        case 48:
            return Put(layout, line, start, end, "  Molar Conductivity",
                       Value7Cell(v[E::kConductivity]));
        case 49:
            return Put(layout, line, start, end, "  Resistivity",
                       ResistivityCell(v[E::kConductivity]));
        case ChemistryRow::kCorrosionHeading:
            // The heading's own blank line comes from the caller's extra line.
            return layout.AddText(line, start + 5, "CORROSION RATE PREDICTION", FontRole::kBold);
        case ChemistryRow::kCorrosionRate:
            return Put(layout, line, start, end,
                       std::string("  CO_2 - H_2S Rate") +
                           (units[U::kCorrosionRate] != 0 ? "(mm/yr)" : "(mpy)"),
                       Value7Cell(water.view.corrosionRate));
        default:
            break;
    }
    for (const Row& r : kRows) {
        if (r.code != row) continue;
        const unsigned code = units[r.unitItem];
        const char* caption = Caption(r.captions, code);
        if (r.element == E::kH2S) caption = H2sRowSuffix(caption);
        return Put(layout, line, start, end, std::string(r.label) + caption,
                   Value7Cell(v[r.element]));
    }
}

void LayOutChemistryReport(const PrintedWater& water, ReportLayout& layout) {
    layout = ReportLayout{};
    layout.title = ChemistryReportTitle(water.kind);
    const std::vector<int> cations = ShownRows(kCationOrder);
    const std::vector<int> anions = ShownRows(kAnionOrder);
    const std::vector<int> parameters = ShownRows(kParameterOrder);

    int cationStart = 0, cationEnd = 0, anionStart = 0, anionEnd = 0;
    int line = 0;
    if (!cations.empty() && !anions.empty()) {
        cationStart = 2, cationEnd = 33, anionStart = 40, anionEnd = 78;
        PrintChemistryBody(layout, line, 2, 33, ChemistryRow::kCationsHeading, water);
        PrintChemistryBody(layout, line, 40, 78, ChemistryRow::kAnionsHeading, water);
    } else if (!cations.empty() || !anions.empty()) {
        cationStart = anionStart = 21, cationEnd = anionEnd = 55;
        PrintChemistryBody(
            layout, line, 21, 55,
            cations.empty() ? ChemistryRow::kAnionsHeading : ChemistryRow::kCationsHeading, water);
    }
    ++line;
    for (std::size_t r = 0; r < cations.size() || r < anions.size(); ++r, ++line) {
        if (r < cations.size())
            PrintChemistryBody(layout, line, cationStart, cationEnd, cations[r], water);
        if (r < anions.size())
            PrintChemistryBody(layout, line, anionStart, anionEnd, anions[r], water);
    }
    line += 2;
    if (!parameters.empty())
        PrintChemistryBody(layout, line, 33, 55, ChemistryRow::kParametersHeading, water);
    ++line;
    for (int row : parameters) {
        if (row == ChemistryRow::kCorrosionHeading) ++line;
        PrintChemistryBody(layout, line, 21, 55, row, water);
        ++line;
    }
    const std::string comments = DescriptionText(*water.texts, 4);
    if (!comments.empty()) {
        ++line;
        layout.AddText(line, (cationStart + anionStart) / 2, "   COMMENTS ", FontRole::kBold);
        layout.AddAnchored(line, (cationEnd + anionEnd) / 2, comments, ItemKind::kTyped,
                           FontRole::kUserText, Anchor::kEnd);
    }
    // The line under the body, where the closing rule stands.
    layout.endLine = line + 1;
}
