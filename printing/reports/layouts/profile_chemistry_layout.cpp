// The rows of the printed profile chemistry: labels at column 1, headings at
// column 0, the value of point k ending at column 27 + 8k.
#include "printing/reports/layouts/profile_chemistry_layout.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "common/whatif_settings.h"
#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/row_units.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/profilepages/chemistry_rows.h"
#include "reporttext/profilepages/profile_header.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr int kTemperatureKind = 0;
constexpr int kPressureKind = 3;
constexpr int kCaptions = 6;
constexpr int kWhatIfPoints = 7;

constexpr const char* kCaCO3 = "(as CaCO_3)";
constexpr const char* kFr = "(^oFr)";
constexpr const char* kGer = "(^oGer)";
constexpr const char* kFrDeg = "(Fr Deg)";
constexpr const char* kGerDeg = "(Ger Deg)";

// A row whose values are the point's analysis element.
struct ElementRow {
    const char* label;
    int unitItem;  // -1 none
    const char* captions[kCaptions];
    int printItem;
    int element;
};

const ElementRow kCations[] = {
    {"Calcium", U::kCalcium, {"(as Ca)", kCaCO3, kFr, kGer}, 0, E::kCalcium},
    {"Magnesium", U::kMagnesium, {"(as Mg)", kCaCO3, kFr, kGer}, 1, E::kMagnesium},
    {"Barium", U::kBarium, {"(as Ba)", kCaCO3, kFrDeg, kGerDeg}, 2, E::kBarium},
    {"Strontium", U::kStrontium, {"(as Sr)", kCaCO3, kFrDeg, kGerDeg}, 3, E::kStrontium},
    {"Sodium", U::kSodium, {"(as Na)", kCaCO3, "(as NaCl)", kFr, kGer}, 4, E::kSodium},
    {"Potassium", U::kPotassium, {"(as K)", kCaCO3, kFr, kGer}, 5, E::kPotassium},
    {"Lithium", U::kLithium, {"(as Li)", kCaCO3, kFr, kGer}, 6, E::kLithium},
    {"Iron", U::kIron, {"(as Fe)", kCaCO3, "(as Fe_2O_3)", kFr, kGer}, 9, E::kIron},
    {"Ammonia", U::kAmmonia, {"(as NH_3)", kCaCO3, "(as N)", kFr, kGer}, 7, E::kAmmonia},
    {"Aluminum", U::kAluminum, {"(as Al)", kCaCO3, "(as Al_2O_3)", kFr, kGer}, 8, E::kAluminum},
    {"Manganese",
     U::kManganese,
     {" (as Mn)", " (as CaCO_3)", " (^oFr)", " (^oGer)"},
     11,
     E::kManganese},
    {"Zinc", U::kZinc, {" (as Zn)", " (as CaCO_3)", " (^oFr)", " (^oGer)"}, 12, E::kZinc},
    {"Lead", U::kLead, {" (as Pb)", " (as CaCO_3)", " (^oFr)", " (^oGer)"}, 13, E::kLead},
};

const ElementRow kFirstAnions[] = {
    {"Chloride", U::kChloride, {"(as Cl)", kCaCO3, "(as NaCl)", kFr, kGer}, 14, E::kChloride},
    {"Sulfate", U::kSulfate, {"(as SO_4)", kCaCO3, kFr, kGer, "(as Na_2SO_4)"}, 15, E::kSulfate},
    {"Bromine", U::kBromine, {" (as Br)", " (as CaCO_3)", " (^oFr)", " (^oGer)"}, 16, E::kBromine},
};

const ElementRow kOxalicAcid = {
    "Oxalic acid", U::kOxalate, {"(as C_2O_4)", kCaCO3, "(as epm)", "(moles/L)"}, 49, E::kOxalate};

const ElementRow kLastAnions[] = {
    {"Silica", U::kSilica, {"(as SiO_2)", kCaCO3, "(as Si)", kFr, kGer}, 20, E::kSilica},
    {"Phosphate",
     U::kPhosphate,
     {"(as PO_4)", kCaCO3, "(as P_2O_5)", "(as P)", kFr, kGer},
     22,
     E::kPhosphate},
    {"H_2S", U::kH2S, {"(as H_2S)", kCaCO3, "(as S)", kFr, kGer}, 21, E::kH2S},
    {"Fluoride", U::kFluoride, {"(as F)", kCaCO3, kFr, kGer}, 24, E::kFluoride},
    {"Nitrate", U::kNitrate, {"(as NO_3)", kCaCO3, kFr, kGer}, 23, E::kNitrate},
    {"Boron", U::kBoron, {"(as B)", kCaCO3, "(as B_2O_3)", kFr, kGer}, 10, E::kBoron},
};

enum class Page { kTemperature, kPressure, kPh, kRatio };

struct Builder {
    Page page;
    const ProfileViewRecord& profile;
    int points;
    ReportLayout& rows;
    int line = 0;

    static bool Hidden(int item) { return displaySettings.chemistryItemsHidden[item] > 0; }
    void Heading(const char* text) {
        rows.AddText(line, 0, text, FontRole::kBold);
        ++line;
    }
    // A row of label and one cell per point.
    template <typename Cell>
    void Row(const std::string& label, Cell cell) {
        rows.AddText(line, 1, label);
        for (int k = 0; k < points; ++k)
            rows.AddValueEnd(line, 27 + 8 * k, cell(profile.points[k]));
        ++line;
    }
    void Element(const ElementRow& r) {
        if (Hidden(r.printItem)) return;
        const unsigned code = unitCodes.code[r.unitItem];
        std::string label = r.label;
        const char* caption =
            code < static_cast<unsigned>(kCaptions) ? r.captions[code] : nullptr;
        if (r.element == E::kH2S) caption = H2sRowSuffix(caption);
        if (caption != nullptr) label += caption;
        Row(label, [&r](const ProfilePoint& p) { return Value7Cell(p.values[r.element]); });
    }
};

// The labels the page of the same profile shows.
bool SpeciesLabels(Page page) {
    const int profile = page == Page::kTemperature ? ProfileKind::kTemperature
                        : page == Page::kPressure  ? ProfileKind::kPressure
                        : page == Page::kPh        ? ProfileKind::kPh
                                                   : ProfileKind::kMixing;
    return SpeciesForm(AlkalinityFormOf(profile));
}

std::string Fixed(float value, const char* format) {
    char text[kValueTextChars];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return Cell(text);
}

std::string Value7b3(float value) {
    char text[kValueTextChars];
    FormatValue7b(text, value, 3);
    return Cell(text);
}

// The printed report names a missing acid "No acid feed", where the pages say
// "None Selected".
const char* AcidFeedName(unsigned chemical) {
    switch (chemical) {
        case 0:
            return "Sulfuric Acid";
        case 1:
            return "Hydrochloric Acid";
        case 2:
            return "Carbon Dioxide";
        default:
            return "No acid feed";
    }
}

bool ProductRows() {
    return mainWindowState.dataVersion >= 200 && resultStatus.productSelected != 0;
}

// The dosage heading, or null when its print item leaves it out.
const char* DosageHeading() {
    const int mode = productTable.records[0].productMode;
    if (mode < 2) return Builder::Hidden(26) ? nullptr : "DOSAGE (mg/l)";
    if (Builder::Hidden(27)) return nullptr;
    return unitCodes.code[U::kCorrosionRate] == 0 ? "CORROSION RATE (mpy)"
                                                  : "CORROSION RATE (mm/yr)";
}

void Rows(Builder& b, bool dosesCurrent) {
    const Page page = b.page;
    const bool pressure = page == Page::kPressure;
    for (const ElementRow& r : kCations) b.Element(r);
    b.Heading("ANIONS");
    for (const ElementRow& r : kFirstAnions) b.Element(r);
    const char* alkalinityFormat = pressure || AlkalinityDecimals() == 2 ? "%7.2f" : "%7.1f";
    const bool species = SpeciesLabels(page);
    const bool ratio = page == Page::kRatio;
    // The rows in the basis's unit, as the page shows them.
    auto shown = [&](int row, float v) {
        return Fixed(AlkalinityRowInBasis(species, row, v), alkalinityFormat);
    };
    if (!Builder::Hidden(17))
        b.Row(species ? std::string("Dissolved CO_2") + DissolvedCo2RowSuffix("") : "Acidity",
              [&](const ProfilePoint& p) {
            return shown(0, species ? p.dissolvedCo2 : p.acidity);
        });
    if (!Builder::Hidden(18))
        b.Row(species ? "Bicarbonate" : "\"M\" Alkalinity", [&](const ProfilePoint& p) {
            const float v = !species ? p.results[28]
                            : ratio  ? p.values[E::kMAlkalinity]
                                     : p.bicarbonate;
            return shown(1, v);
        });
    if (!Builder::Hidden(19))
        b.Row(species ? "Carbonate" : "\"P\" Alkalinity", [&](const ProfilePoint& p) {
            const float v = !species ? p.results[30]
                            : ratio  ? p.values[E::kPAlkalinity]
                                     : p.carbonate;
            return shown(2, v);
        });
    if (!ratio) b.Element(kOxalicAcid);
    for (const ElementRow& r : kLastAnions) b.Element(r);
    b.Heading("PARAMETERS");
    if (!Builder::Hidden(32) && (page != Page::kPh || whatIfOptions.varyPco2 != 0))
        b.Row("pH", [](const ProfilePoint& p) { return Value7Cell(p.values[E::kPh]); });
    if (!Builder::Hidden(31) && page != Page::kTemperature) {
        static const char* const kUnits[] = {"(^oF) ", "(^oC) ", "(^oK) "};
        const unsigned u = unitCodes.code[U::kTemperature];
        b.Row(std::string("Temperature") + (u < 3 ? kUnits[u] : ""),
              [](const ProfilePoint& p) { return Value7Cell(p.values[E::kTemperature]); });
    }
    if (!Builder::Hidden(29)) {
        static const char* const kUnits[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};
        const unsigned u = unitCodes.code[U::kPressure];
        b.Row(std::string("Pressure") + (u < 4 ? kUnits[u] : ""),
              [](const ProfilePoint& p) { return Value7Cell(p.values[E::kPressure]); });
    }
    if (!Builder::Hidden(28)) {
        const bool threeDecimals = pressure || ratio;
        b.Row(unitCodes.code[U::kDensity] == 1 ? "Density(lbs/gal)" : "Sp.Gr.(g/mL)",
              [threeDecimals](const ProfilePoint& p) {
                  return threeDecimals ? Fixed(p.values[E::kDensity], "%7.3f")
                                       : Value7b3(p.values[E::kDensity]);
              });
    }
    if (!Builder::Hidden(25))
        b.Row("Calculated TDS", [pressure](const ProfilePoint& p) {
            return pressure ? Fixed(p.results[35], "%7.2f") : Value7Cell(p.results[35]);
        });
    if (!Builder::Hidden(35))
        b.Row("Calc. Conductivity", [pressure](const ProfilePoint& p) {
            return pressure ? Fixed(p.values[E::kConductivity], "%7.2f")
                            : Value7Cell(p.values[E::kConductivity]);
        });
    if (!Builder::Hidden(45)) {
        const bool fixed = pressure || page == Page::kPh;
        b.Row("Calc. Resistivity", [fixed](const ProfilePoint& p) {
            const float r = ResistivityOf(p.values[E::kConductivity]);
            if (IsUndefinedValue(r)) return std::string(kNotApplicable);
            return fixed ? Fixed(r, "%7.2f") : Value7Cell(r);
        });
    }
    const unsigned method = phControlSettings.phControlMethod;
    // The pages head the acid and alkali rows as the pH control block.
    if (method >= 1 && method <= 3) b.Heading("pH CONTROL");
    if (method == 1 || method == 3)
        b.Row(AcidFeedName(phControlSettings.acidChemical),
              [](const ProfilePoint& p) { return Fixed(p.acidDose, "%7.2f"); });
    if (method == 2 || method == 3)
        b.Row(AlkaliName(static_cast<int>(phControlSettings.alkaliChemical), false),
              [](const ProfilePoint& p) { return Fixed(p.alkaliDose, "%7.2f"); });
    // The dosage rows.
    if (!ProductRows()) {
        if (!ratio) ++b.line;  // the what-if page keeps an empty row
        return;
    }
    const char* heading = DosageHeading();
    if (heading == nullptr) return;
    b.Heading(heading);
    // The product's row of doses, as the pages show it under the heading.
    const ProductRecord& product = productTable.records[0];
    const std::string name(product.name, strnlen(product.name, sizeof product.name));
    const bool values = ratio ? dosesCurrent && mixDosesDone != 0 : true;
    b.rows.AddTyped(b.line, 1, name);
    for (int k = 0; values && k < b.points; ++k) {
        const ProfilePoint& p = b.profile.points[k];
        b.rows.AddValueEnd(b.line, 27 + 8 * k, RatioDoseCell(p.inhibitorDose, p.doseStatus != 0));
    }
    ++b.line;
}

// The axis heading line ending at column 75 and the "CATIONS" line with the
// axis values of the points.
void Head(Page page, const ProfileViewRecord& profile, int points, ReportLayout& head) {
    const bool pco2 = page == Page::kPh && whatIfOptions.varyPco2 != 0;
    if (page == Page::kRatio) {
        head.AddAnchored(0, 75, "_________________% INJECTION WATER_________________",
                         ItemKind::kRule, FontRole::kBold, Anchor::kEnd);
    } else {
        std::string right, label, left;
        if (page == Page::kTemperature) {
            static const char* const kUnits[] = {" (^oF)", " (^oC)", " (^oK)"};
            const unsigned u = unitCodes.code[U::kTemperature];
            right = "___________________ ";
            label = std::string("Temperature") + (u < 3 ? kUnits[u] : "");
            left = " ___________________";
        } else if (page == Page::kPressure) {
            static const char* const kUnits[] = {" (atm)", " (bars)", " (psi)", " (KPa)"};
            const unsigned u = unitCodes.code[U::kPressure];
            right = "_____________________ ";
            label = std::string("Pressure") + (u < 4 ? kUnits[u] : "");
            left = " ____________________";
        } else {
            right = "________________________ ";
            label = pco2 ? "pCO_2" : " pH ";
            left = " __________________________";
        }
        head.AddAnchored(0, 75, right, ItemKind::kRule, FontRole::kBold, Anchor::kEnd);
        head.AddAnchored(0, 75, label, ItemKind::kText, FontRole::kBold, Anchor::kBeforePrevious);
        head.AddAnchored(0, 75, left, ItemKind::kRule, FontRole::kBold, Anchor::kBeforePrevious);
    }
    head.AddText(1, 0, "CATIONS", FontRole::kBold);
    for (int k = 0; k < points; ++k) {
        const ProfilePoint& p = profile.points[k];
        std::string value;
        switch (page) {
            case Page::kTemperature:
                value = Fixed(p.values[E::kTemperature], "%7.2f");
                break;
            case Page::kPressure:
                value = Value7Cell(p.values[E::kPressure]);
                break;
            case Page::kPh:
                value = pco2 ? Pco2Headings(profile)[static_cast<size_t>(k)]
                             : Fixed(p.values[E::kPh], "%7.2f");
                break;
            case Page::kRatio:
                value = Fixed(p.injectionPercent, "%7.2f");
                break;
        }
        head.AddValueEnd(1, 27 + 8 * k, value, FontRole::kBold);
    }
    head.endLine = 2;
}

Page PageOfKind(int kind) {
    if (kind == kTemperatureKind) return Page::kTemperature;
    if (kind == kPressureKind) return Page::kPressure;
    return Page::kPh;
}

void LayOut(Page page, const ProfileViewRecord& profile, int points, bool dosesCurrent,
            ProfileChemistryLayout& layout) {
    layout = ProfileChemistryLayout{};
    Head(page, profile, points, layout.head);
    Builder b{page, profile, points, layout.rows};
    Rows(b, dosesCurrent);
    layout.rows.endLine = b.line;
}

}  // namespace

const char* WhatIfChemistryTitle(int kind) {
    if (kind == kTemperatureKind) return "WATER CHEMISTRY VERSUS TEMPERATURE";
    if (kind == kPressureKind) return "WATER CHEMISTRY VERSUS PRESSURE";
    return whatIfOptions.varyPco2 != 0 ? "WATER CHEMISTRY VERSUS pCO_2"
                                       : "WATER CHEMISTRY VERSUS pH";
}

std::string RatioDoseCell(float dose, bool marked) {
    if (!marked) return Value7Cell(dose);
    const char* format = dose < 0.1f    ? "%5.3f"
                         : dose < 1.0f  ? "%5.2f"
                         : dose < 10.0f ? "%5.1f"
                                        : "%5.0f";
    char text[kValueTextChars];
    std::snprintf(text, sizeof text, format, static_cast<double>(dose));
    return "[" + std::string(text).substr(0, 5) + "]";
}

void LayOutWhatIfChemistry(int kind, const ProfileViewRecord& profile,
                           ProfileChemistryLayout& layout) {
    LayOut(PageOfKind(kind), profile, kWhatIfPoints, true, layout);
    layout.head.title = WhatIfChemistryTitle(kind);
}

void LayOutRatioChemistry(const ProfileViewRecord& profile, int points, bool dosesCurrent,
                          ProfileChemistryLayout& layout) {
    if (points > kWhatIfPoints) points = kWhatIfPoints;
    if (points < 0) points = 0;
    LayOut(Page::kRatio, profile, points, dosesCurrent, layout);
    layout.head.title = kRatioChemistryTitle;
}
