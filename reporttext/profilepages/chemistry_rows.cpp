// The ion rows, chemical names and dose cells of the column chemistry pages.
#include "reporttext/profilepages/chemistry_rows.h"

#include <cstring>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/row_units.h"
#include "reporttext/layout/report_layout.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

// Where a suffix list's shared texts stand: "C" as CaCO3, "Fr" and "Ger" the
// French and German degrees, written per page by IonSuffix().
constexpr const char* kC = "\x01";
constexpr const char* kFr = "\x02";
constexpr const char* kGer = "\x03";

constexpr IonFormat kF1 = IonFormat::kF1;
constexpr IonFormat kF2 = IonFormat::kF2;

// The pressure page draws its suffixes without subscript marks.
std::string Unmarked(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '_') out += c;
    return out;
}

}  // namespace

// clang-format off
const IonRow kCationRows[kCationRowCount] = {
    {"Calcium", U::kCalcium, {"(as Ca)", kC, kFr, kGer}, E::kCalcium, kF2},
    {"Magnesium", U::kMagnesium, {"(as Mg)", kC, kFr, kGer}, E::kMagnesium, kF2},
    {"Barium", U::kBarium, {"(as Ba)", kC, kFr, kGer}, E::kBarium, kF2},
    {"Strontium", U::kStrontium, {"(as Sr)", kC, kFr, kGer}, E::kStrontium, kF2},
    {"Sodium", U::kSodium, {"(as Na)", kC, "(as NaCl)", kFr, kGer}, E::kSodium, kF2},
    {"Potassium", U::kPotassium, {"(as K)", kC, kFr, kGer}, E::kPotassium, kF2},
    {"Lithium", U::kLithium, {"(as Li)", kC, kFr, kGer}, E::kLithium, kF2},
    {"Iron", U::kIron, {"(as Fe)", kC, "(as Fe_2O_3)", kFr, kGer}, E::kIron, kF2},
    {"Ammonia", U::kAmmonia, {"(as NH_3)", kC, "(as N)", kFr, kGer}, E::kAmmonia, kF2},
    {"Aluminum", U::kAluminum, {"(as Al)", kC, "(as Al_2O_3)", kFr, kGer}, E::kAluminum, kF2},
    {"Manganese", U::kManganese, {"(as Mn)", kC, kFr, kGer}, E::kManganese, kF1},
    {"Zinc", U::kZinc, {"(as Zn)", kC, kFr, kGer}, E::kZinc, kF1},
    {"Lead", U::kLead, {"(as Pb)", kC, kFr, kGer}, E::kLead, kF1},
};
const IonRow kAnionRowsBefore[kAnionRowsBeforeCount] = {
    {"Chloride", U::kChloride, {"(as Cl)", kC, "(as NaCl)", kFr, kGer}, E::kChloride, kF1},
    {"Sulfate", U::kSulfate, {"(as SO_4)", kC, kFr, kGer, "(as Na_2SO_4)"}, E::kSulfate, kF1},
    {"Bromine", U::kBromine, {"(as Br)", kC, kFr, kGer}, E::kBromine, kF1},
};
const IonRow kAnionRowsAfter[kAnionRowsAfterCount] = {
    {"Oxalate", U::kOxalate, {"(as C_2O_4)", kC, "(as epm)", "(moles/L)"}, 49, kF1},
    {"Silica", U::kSilica, {"(as SiO_2)", kC, "(as Si)", kFr, kGer}, E::kSilica, kF1},
    {"Phosphate", U::kPhosphate, {"(as PO_4)", kC, "(as P_2O_5)", "(as P)", kFr, kGer}, E::kPhosphate, kF1},
    {"Polyphosphate", U::kPolyphosphate, {"(as PO_4)", kC, "(as P_2O_5)", "(as P)", kFr, kGer}, 48, kF1},
    {"H_2S ", U::kH2S, {"(as H_2S)", kC, "(as S)", kFr, kGer}, E::kH2S, kF1},
    {"Fluoride", U::kFluoride, {"(as F)", kC, kFr, kGer}, E::kFluoride, kF2},
    {"Nitrate", U::kNitrate, {"(as NO_3)", kC, kFr, kGer}, E::kNitrate, kF2},
    {"Boron", U::kBoron, {"(as B)", kC, "(as B_2O_3)", kFr, kGer}, E::kBoron, kF2},
};
// clang-format on

std::string IonSuffix(const IonRow& row, int code, bool oem) {
    if (row.element == E::kH2S)
        if (const char* unit = H2sRowSuffix(nullptr); unit != nullptr) return unit;
    if (code < 0 || code >= kIonSuffixCount || row.suffixes[code] == nullptr) return "";
    const std::string s = row.suffixes[code];
    if (s == kC) return "(as CaCO_3)";
    if (s == kFr)
        return oem ? "(\xF8"
                     "Fr)"
                   : "(^oFr)";
    if (s == kGer)
        return oem ? "(\xF8"
                     "Ger)"
                   : "(^oGer)";
    return oem ? Unmarked(s) : s;
}

std::string IonCell(IonFormat format, float value) {
    return FixedCell(value, format == IonFormat::kF1 ? 1 : 2);
}

const char* AcidName(int chemical) {
    switch (chemical) {
        case 0:
            return "Sulfuric Acid";
        case 1:
            return "Hydrochloric Acid";
        case 2:
            return "Carbon Dioxide";
        default:
            return "None Selected";
    }
}

const char* AlkaliName(int chemical, bool shortCaustic) {
    switch (chemical) {
        case 0:
            return "Lime";
        case 1:
            return "Soda Ash";
        case 2:
            return "Sodium Bicarbonate";
        case 3:
            return shortCaustic ? "OH Soda" : "Caustic Soda";
        case 4:
            return shortCaustic ? "OH Potash" : "Caustic Potash";
        default:
            return "None Selected";
    }
}

DoseCellText DoseCell(float dose, int status) {
    if (status == 0) return {FixedCell(dose, 2), kLayoutBlack};
    char five[kValueTextChars];
    FormatValue5(five, dose);
    const win::COLORREF colour = status == 1 || status == 3 ? win::RGB(42, 0, 42)
                                 : status == 2              ? win::RGB(42, 0, 0)
                                                            : kLayoutBlack;
    return {std::string("[") + five + "]", colour};
}

const char* DosageHeading(int productMode) {
    if (productMode < 2) return "DOSAGE";
    if (productMode == 2) return "CORROSION RATE PREDICTION";
    return nullptr;
}

bool AddProductHeading(ReportLayout& layout, int headingLine, int nameLine) {
    if (resultStatus.productSelected == 0 || mainWindowState.dataVersion <= 199) return false;
    const ProductRecord& product = productTable.records[0];
    if (const char* heading = DosageHeading(product.productMode))
        layout.AddText(headingLine, 2, heading);
    layout.AddTyped(nameLine, 4, std::string(product.name, strnlen(product.name, sizeof product.name)));
    return true;
}

std::string CorrosionRateLabel(const char* name) {
    return std::string(name) +
           (unitCodes.code[UnitItem::kCorrosionRate] == 0 ? "(mpy)" : "(mm/yr)");
}
