// The WATER CHEMISTRY rows of the summary pages.
#include "printing/summary/chemistry_rows.h"

#include <cmath>

#include "common/water_analysis.h"
#include "engine/records.h"
#include "platform/gdi/gdi.h"
#include "printing/print_job_records.h"
#include "printing/summary/summary_records.h"
#include "reporttext/format/carbonic_acid_display.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/row_units.h"
#include "reporttext/format/sub_sup_text.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr win::COLORREF kHighlight = win::RGB(255, 0, 0);
constexpr const char* kCaCO3 = "(as CaCO_3)";
constexpr const char* kFr = "(^oFr)";
constexpr const char* kGer = "(^oGer)";
constexpr int kCaptions = 8;

// The alkalinity rows take their name and caption from alkalinityMode.
constexpr int kByAlkalinityMode = -1;
constexpr int kFieldIronElement = -1;

struct RowDefinition {
    int item;
    const char* name;
    int element;
    int unitItem;
    const char* captions[kCaptions];  // by unit code (or by alkalinityMode)
    bool compared;
};

const RowDefinition kCationRows[] = {
    {0, "Calcium", E::kCalcium, U::kCalcium, {"(as Ca)", kCaCO3, kFr, kGer}, false},
    {1, "Magnesium", E::kMagnesium, U::kMagnesium, {"(as Mg)", kCaCO3, kFr, kGer}, false},
    {2, "Barium", E::kBarium, U::kBarium, {"(as Ba)", kCaCO3, kFr, kGer}, false},
    {3, "Strontium", E::kStrontium, U::kStrontium, {"(as Sr)", kCaCO3, kFr, kGer}, false},
    {4, "Sodium", E::kSodium, U::kSodium, {"(as Na)", kCaCO3, "(as NaCl)", kFr, kGer}, true},
    {5, "Potassium", E::kPotassium, U::kPotassium, {"(as K)", kCaCO3, kFr, kGer}, true},
    {6, "Lithium", E::kLithium, U::kLithium, {"(as Li)", kCaCO3, kFr, kGer}, false},
    {7, "Ammonia", E::kAmmonia, U::kAmmonia, {"(as NH_3)", kCaCO3, "(as N)", kFr, kGer}, false},
    {8,
     "Aluminum",
     E::kAluminum,
     U::kAluminum,
     {"(as Al)", kCaCO3, "(as Al_2O_3)", kFr, kGer},
     false},
    {9, "Iron", E::kIron, U::kIron, {"(as Fe)", kCaCO3, "(as Fe2O3)", kFr, kGer}, false},
    {11, "Manganese", E::kManganese, U::kManganese, {"(as Mn)", kCaCO3, kFr, kGer}, false},
    {12, "Zinc", E::kZinc, U::kZinc, {"(as Zn)", kCaCO3, kFr, kGer}, false},
    {13, "Lead", E::kLead, U::kLead, {"(as Pb)", kCaCO3, kFr, kGer}, false},
    {ChemistryItem::kFieldIron,
     "Field Iron",
     kFieldIronElement,
     U::kIron,
     {"(as Fe)", kCaCO3, "(as Fe2O3)", kFr, kGer},
     false},
};

#define TARVEX_ALKALINITY(species) \
    { nullptr, kCaCO3, species, species, "(ml N/30)", "(epm)", kFr, kGer }

const RowDefinition kAnionRows[] = {
    {10, "Boron", E::kBoron, U::kBoron, {"(as B)", kCaCO3, "(as B_2O_3)", kFr, kGer}, false},
    {14, "Chloride", E::kChloride, U::kChloride, {"(as Cl)", kCaCO3, "(as NaCl)", kFr, kGer}, true},
    {15,
     "Sulfate",
     E::kSulfate,
     U::kSulfate,
     {"(as SO_4)", kCaCO3, kFr, kGer, " (as Na_2SO_4)"},
     true},
    {16, "Bromine", E::kBromine, U::kBromine, {"(as Br)", kCaCO3, kFr, kGer}, false},
    {17, nullptr, E::kAcidity, kByAlkalinityMode, TARVEX_ALKALINITY("(as CO_2)"), false},
    {18, nullptr, E::kMAlkalinity, kByAlkalinityMode, TARVEX_ALKALINITY("(as HCO_3)"), false},
    {19, nullptr, E::kPAlkalinity, kByAlkalinityMode, TARVEX_ALKALINITY("(as CO_3)"), false},
    {20, "Silica", E::kSilica, U::kSilica, {"(as SiO_2)", kCaCO3, "(as Si)", kFr, kGer}, false},
    {21, "H_2S ", E::kH2S, U::kH2S, {"(as H_2S)", kCaCO3, "(as S)", kFr, kGer}, false},
    {22,
     "Phosphate",
     E::kPhosphate,
     U::kPhosphate,
     {"(as PO_4)", kCaCO3, "(as P_2O_5)", "(as P)", kFr, kGer},
     false},
    {23, "Nitrate", E::kNitrate, U::kNitrate, {"(as NO_3)", kCaCO3, kFr, kGer}, true},
    {24, "Fluoride", E::kFluoride, U::kFluoride, {"(as F)", kCaCO3, kFr, kGer}, false},
};
#undef TARVEX_ALKALINITY

template <size_t N>
const RowDefinition* Find(const RowDefinition (&rows)[N], int item) {
    for (const RowDefinition& r : rows)
        if (r.item == item) return &r;
    return nullptr;
}

bool Hidden(int item) {
    const int flag = item == ChemistryItem::kFieldIron ? 9 : item;
    return displaySettings.chemistryItemsHidden[flag] != 0;
}

bool CarbonateSpecies() {
    return alkalinityMode == 2 || alkalinityMode == 3;
}

std::string Name(const RowDefinition& r) {
    if (r.name != nullptr) return r.name;
    const bool species = CarbonateSpecies();
    switch (r.item) {
        case 17:
            return species ? "Dissolved CO_2" : "Acidity";
        case 18:
            return species ? "Bicarbonate" : "\"M\" Alkalinity";
        default:
            return species ? "Carbonate" : "\"P\" Alkalinity";
    }
}

const char* Caption(const RowDefinition& r) {
    const int code = r.unitItem == kByAlkalinityMode ? alkalinityMode : unitCodes.code[r.unitItem];
    const char* caption =
        code < 0 || code >= kCaptions || r.captions[code] == nullptr ? "" : r.captions[code];
    if (r.element == E::kH2S) return H2sRowSuffix(caption);
    if (r.element == E::kAcidity && CarbonateSpecies()) return DissolvedCo2RowSuffix(caption);
    return caption;
}

float Value(const RowDefinition& r) {
    const SummaryRowSource& s = summaryPageState.rows;
    if (r.element == kFieldIronElement) return s.fieldIron;
    const float* values = s.values != nullptr ? s.values : currentAnalysis.values;
    float value = values[r.element];
    if (r.element == E::kAcidity)
        value = static_cast<float>(CarbonicAcidShown(
            CarbonicAcidInBasis(value, reportingMode, values[E::kResultScale]), alkalinityMode));
    // The carbonate species in the basis's unit, as the water's page shows them.
    if (r.name == nullptr && CarbonateSpecies())
        value = AlkalinityRowInBasis(true, r.item - 17, value);
    return value;
}

// Any difference counts, a NaN on either side too.
bool Differs(const RowDefinition& r, float value) {
    const float* entered = summaryPageState.rows.entered;
    if (!r.compared || entered == nullptr || r.element == kFieldIronElement) return false;
    return !(value == entered[r.element]);
}

ChemistryRowText RowText(const RowDefinition* r) {
    ChemistryRowText t;
    if (r == nullptr || Hidden(r->item)) return t;
    t.shown = true;
    t.label = Name(*r) + Caption(*r);
    const float value = Value(*r);
    char text[kValueTextChars];
    FormatValue7(text, value);
    t.value = text;
    t.highlighted = Differs(*r, value);
    return t;
}

void DrawRow(const ChemistryRowText& t, int labelColumns, int valueColumns) {
    if (!t.shown) return;
    win::HDC dc = summaryPageState.drawingDC;
    const int x0 = summaryPageState.pageTextX;
    const int c = summaryPageState.charUnit;
    const int y = reportPageGrid.lineY;
    TextOutSubSup(dc, x0 + labelColumns * c, y, t.label.c_str());
    win::COLORREF saved = 0;
    if (t.highlighted) saved = win::SetTextColor(dc, kHighlight);
    const int width = GetSubSupTextWidth(dc, t.value.c_str());
    TextOutSubSup(dc, x0 + valueColumns * c - width, y, t.value.c_str());
    if (t.highlighted) win::SetTextColor(dc, saved);
}

}  // namespace

ChemistryRowText CationRowText(int item) {
    return RowText(Find(kCationRows, item));
}

ChemistryRowText AnionRowText(int item) {
    return RowText(Find(kAnionRows, item));
}

void DrawReportCations(int item) {
    DrawRow(CationRowText(item), 4, 43);
}

void DrawReportAnions(int item) {
    const bool landscape = summaryPageState.pageDrawMode == PageDrawMode::kLandscape;
    DrawRow(AnionRowText(item), landscape ? 52 : 51, landscape ? 94 : 90);
}
