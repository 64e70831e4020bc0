// The chemistry at the seven points of the pH (or pCO2), pressure and
// mixing-ratio profiles: cations, anions with the alkalinity block,
// parameters, the pH control, the product doses and the CO2-H2S rate.
#include <cstring>
#include <string>

#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/profilepages/profile_header.h"
#include "reporttext/profilepages/profile_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr int kMaxSuffixes = 8;
// Where a suffix table's marked texts stand: "C" as CaCO3, "Fr" and "Ger" the
// French and German degrees, written per page by Suffix().
constexpr const char* kC = "\x01";
constexpr const char* kFr = "\x02";
constexpr const char* kGer = "\x03";

enum class Format { kF1, kF2 };
struct IonRow {
    const char* label;
    int unitItem;
    const char* suffixes[kMaxSuffixes];
    int element;
    Format format;
};

const IonRow kCations[] = {
    {"Calcium", U::kCalcium, {"(as Ca)", kC, kFr, kGer}, E::kCalcium, Format::kF2},
    {"Magnesium", U::kMagnesium, {"(as Mg)", kC, kFr, kGer}, E::kMagnesium, Format::kF2},
    {"Barium", U::kBarium, {"(as Ba)", kC, kFr, kGer}, E::kBarium, Format::kF2},
    {"Strontium", U::kStrontium, {"(as Sr)", kC, kFr, kGer}, E::kStrontium, Format::kF2},
    {"Sodium", U::kSodium, {"(as Na)", kC, "(as NaCl)", kFr, kGer}, E::kSodium, Format::kF2},
    {"Potassium", U::kPotassium, {"(as K)", kC, kFr, kGer}, E::kPotassium, Format::kF2},
    {"Lithium", U::kLithium, {"(as Li)", kC, kFr, kGer}, E::kLithium, Format::kF2},
    {"Iron", U::kIron, {"(as Fe)", kC, "(as Fe_2O_3)", kFr, kGer}, E::kIron, Format::kF2},
    {"Ammonia", U::kAmmonia, {"(as NH_3)", kC, "(as N)", kFr, kGer}, E::kAmmonia, Format::kF2},
    {"Aluminum",
     U::kAluminum,
     {"(as Al)", kC, "(as Al_2O_3)", kFr, kGer},
     E::kAluminum,
     Format::kF2},
    {"Manganese", U::kManganese, {"(as Mn)", kC, kFr, kGer}, E::kManganese, Format::kF1},
    {"Zinc", U::kZinc, {"(as Zn)", kC, kFr, kGer}, E::kZinc, Format::kF1},
    {"Lead", U::kLead, {"(as Pb)", kC, kFr, kGer}, E::kLead, Format::kF1},
};
const IonRow kAnionsBefore[] = {
    {"Chloride", U::kChloride, {"(as Cl)", kC, "(as NaCl)", kFr, kGer}, E::kChloride, Format::kF1},
    {"Sulfate",
     U::kSulfate,
     {"(as SO_4)", kC, kFr, kGer, "(as Na_2SO_4)"},
     E::kSulfate,
     Format::kF1},
    {"Bromine", U::kBromine, {"(as Br)", kC, kFr, kGer}, E::kBromine, Format::kF1},
};
constexpr int kPolyphosphateRow = 3;
const IonRow kAnionsAfter[] = {
    {"Oxalate", U::kOxalate, {"(as C_2O_4)", kC, "(as epm)", "(moles/L)"}, 49, Format::kF1},
    {"Silica", U::kSilica, {"(as SiO_2)", kC, "(as Si)", kFr, kGer}, E::kSilica, Format::kF1},
    {"Phosphate",
     U::kPhosphate,
     {"(as PO_4)", kC, "(as P_2O_5)", "(as P)", kFr, kGer},
     E::kPhosphate,
     Format::kF1},
    {"Polyphosphate",
     U::kPolyphosphate,
     {"(as PO_4)", kC, "(as P_2O_5)", "(as P)", kFr, kGer},
     48,
     Format::kF1},
    {"H_2S ", U::kH2S, {"(as H_2S)", kC, "(as S)", kFr, kGer}, E::kH2S, Format::kF1},
    {"Fluoride", U::kFluoride, {"(as F)", kC, kFr, kGer}, E::kFluoride, Format::kF2},
    {"Nitrate", U::kNitrate, {"(as NO_3)", kC, kFr, kGer}, E::kNitrate, Format::kF2},
    {"Boron", U::kBoron, {"(as B)", kC, "(as B_2O_5)", kFr, kGer}, E::kBoron, Format::kF2},
};
// The pressure page's own polyphosphate suffixes, each with a leading blank.
const char* const kPressurePolyphosphate[kMaxSuffixes] = {
    " (as PO_4)", " (as CaCO_3)", " (as P_2O_5)", " (as P)",
    " (Fr Deg)",  " (Ger Deg)",   " (epm)",       " (moles/L)"};

const char* const kPressureSuffixes[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};

// The pressure page draws its suffixes without subscript marks and with the
// font's degree byte.
std::string Unmarked(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '_') out += c;
    return out;
}

std::string Suffix(const char* const* list, int count, int code, int profile) {
    if (code < 0 || code >= count || list[code] == nullptr) return "";
    const bool pressure = profile == ProfileKind::kPressure;
    const std::string s = list[code];
    if (s == kC) return "(as CaCO_3)";
    if (s == kFr)
        return pressure ? "(\xF8"
                          "Fr)"
                        : "(^oFr)";
    if (s == kGer)
        return pressure ? "(\xF8"
                          "Ger)"
                        : "(^oGer)";
    return pressure ? Unmarked(s) : s;
}

std::string Format7(Format f, float v) {
    return FixedCell(v, f == Format::kF1 ? 1 : 2);
}

struct Page {
    const ProfileViewRecord& view;
    ReportLayout& layout;
    bool pressure() const { return view.profile == ProfileKind::kPressure; }
    bool mixing() const { return view.profile == ProfileKind::kMixing; }
    bool temperature() const { return view.profile == ProfileKind::kTemperature; }
};

void IonRows(const Page& p, const IonRow* rows, int count, int& line, bool anionsAfter) {
    for (int i = 0; i < count; ++i) {
        const IonRow& r = rows[i];
        const int code = unitCodes.code[r.unitItem];
        std::string suffix;
        if (anionsAfter && i == kPolyphosphateRow && (p.pressure() || p.temperature()))
            suffix = code >= 0 && code < kMaxSuffixes ? kPressurePolyphosphate[code] : "";
        else if (p.mixing() && r.unitItem == U::kSulfate && code == 4)
            suffix = "";
        else
            suffix = Suffix(r.suffixes, kMaxSuffixes, code, p.view.profile);
        AddPointRow(p.layout, line++, std::string(r.label) + suffix,
                    [&](int k) { return Format7(r.format, p.view.points[k].values[r.element]); });
    }
}

// pCO2 and pH2S on the pH and pressure pages: a zero "    0.00", else the
// short form, cut to a cell and ending at column 31 + 8k.
void GasRow(const Page& p, int line, bool co2) {
    const int code = unitCodes.code[co2 ? U::kGasCo2 : U::kGasH2S];
    std::string label;
    if (code >= 0 && code <= 3)
        label = std::string(co2 ? "pCO_2" : "pH_2S") + kPressureSuffixes[code];
    else if (code == 4)
        label = std::string(co2 ? "CO_2" : "H_2S") + "(ppm in gas)";
    else if (co2 || code == 5)
        label = std::string(co2 ? "CO_2" : "H_2S") + "(mole %)";
    else
        label = "pH_2S";
    if (p.pressure()) label = Unmarked(label);
    const int element = co2 ? E::kPco2 : E::kPH2S;
    p.layout.AddText(ProfileLine(line), 4, label);
    for (int k = 0; k < kProfileViewPoints; ++k) {
        const float v = p.view.points[k].values[element];
        std::string text;
        if (p.mixing()) {
            p.layout.AddValue(ProfileLine(line), PointColumn(k), FixedCell(v, 2));
            continue;
        }
        if (v == 0.0f) {
            text = Cell("    0.00");
        } else {
            char shortText[kValueTextChars];
            FormatValueShort(v, shortText);
            text = Cell(shortText);
        }
        p.layout.AddValue(ProfileLine(line), 31 + 8 * k - static_cast<int>(text.size()), text);
    }
}

void Parameters(const Page& p, int& line) {
    AddPointRow(p.layout, line++, "pH",
                [&](int k) { return FixedCell(p.view.points[k].values[E::kPh], 2); });
    static const char* const degrees[] = {"(^oF)", "(^oC)", "(^oK)"};
    static const char* const oemDegrees[] = {
        "(\xF8"
        "F)",
        "(\xF8"
        "C)",
        "(\xF8"
        "K)"};
    const int t = unitCodes.code[U::kTemperature];
    const char* degree = t >= 0 && t < 3 ? (p.pressure() ? oemDegrees[t] : degrees[t]) : "";
    AddPointRow(p.layout, line++, std::string("Temperature") + degree,
                [&](int k) { return FixedCell(p.view.points[k].values[E::kTemperature], 2); });
    static const char* const pressureRow[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};
    static const char* const pressurePageRow[] = {"(atm)", "(bars)", "(psia) ", "(KPa) "};
    const int pc = unitCodes.code[U::kPressure];
    const char* unit =
        pc >= 0 && pc < 4 ? (p.pressure() ? pressurePageRow[pc] : pressureRow[pc]) : "";
    AddPointRow(p.layout, line++, std::string("Pressure") + unit, [&](int k) {
        const float v = p.view.points[k].values[E::kPressure];
        return p.pressure() ? Value7Cell(v) : FixedCell(v, 2);
    });
    GasRow(p, line++, true);
    GasRow(p, line++, false);
    AddPointRow(p.layout, line++,
                unitCodes.code[U::kDensity] == 1 ? "Density(lbs/gal)" : "Sp.Gr.(g/mL)",
                [&](int k) { return FixedCell(p.view.points[k].values[E::kDensity], 3); });
    AddPointRow(p.layout, line++, "Calculated T.D.S.",
                [&](int k) { return FixedCell(p.view.points[k].results[35], 2); });
    AddPointRow(p.layout, line++, "Calc. Conductivity",
                [&](int k) { return FixedCell(p.view.points[k].values[E::kConductivity], 2); });
    AddPointRow(p.layout, line++, "Calc. Resistivity", [&](int k) {
        const float c = p.view.points[k].values[E::kConductivity];
        return c > 0.0f ? Value7Cell(static_cast<float>(1000000.0 / c))
                        : std::string(kNotApplicable);
    });
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
const char* AlkaliName(int chemical, bool temperaturePage) {
    switch (chemical) {
        case 0:
            return "Lime";
        case 1:
            return "Soda Ash";
        case 2:
            return "Sodium Bicarbonate";
        case 3:
            return temperaturePage ? "OH Soda" : "Caustic Soda";
        case 4:
            return temperaturePage ? "OH Potash" : "Caustic Potash";
        default:
            return "None Selected";
    }
}

void PhControl(const Page& p, int& line) {
    const int method = phControlSettings.phControlMethod;
    if (p.pressure() || method == 0) return;
    p.layout.AddText(ProfileLine(line++), 2, "pH CONTROL");
    if (method == 1 || method == 3)
        AddPointRow(p.layout, line++, AcidName(phControlSettings.acidChemical),
                    [&](int k) { return FixedCell(p.view.points[k].acidDose, 2); });
    if (method == 2 || method == 3)
        AddPointRow(p.layout, line++, AlkaliName(phControlSettings.alkaliChemical, p.temperature()),
                    [&](int k) { return FixedCell(p.view.points[k].alkaliDose, 2); });
    ++line;
    // The temperature page leaves a second blank line after both rows.
    if (p.temperature() && method == 3) ++line;
}

void Dosage(const Page& p, int& line) {
    if (resultStatus.productSelected == 0 || mainWindowState.dataVersion <= 199) return;
    const ProductRecord& product = productTable.records[0];
    if (product.productMode < 2)
        p.layout.AddText(ProfileLine(line), 2, "DOSAGE");
    else if (product.productMode == 2)
        p.layout.AddText(ProfileLine(line), 2, "CORROSION RATE PREDICTION");
    ++line;
    p.layout.AddText(ProfileLine(line), 4,
                     std::string(product.name, strnlen(product.name, sizeof product.name)));
    for (int k = 0; k < kProfileViewPoints; ++k) {
        const ProfilePoint& point = p.view.points[k];
        if (point.doseStatus == 0) {
            p.layout.AddValue(ProfileLine(line), PointColumn(k), FixedCell(point.inhibitorDose, 2));
            continue;
        }
        char five[kValueTextChars];
        FormatValue5(five, point.inhibitorDose);
        const win::COLORREF colour = point.doseStatus == 1 || point.doseStatus == 3
                                         ? win::RGB(42, 0, 42)
                                     : point.doseStatus == 2 ? win::RGB(42, 0, 0)
                                                             : kLayoutBlack;
        p.layout.AddValue(ProfileLine(line), PointColumn(k), std::string("[") + five + "]", colour);
    }
    line += 2;
}

void Corrosion(const Page& p, int line) {
    p.layout.AddText(ProfileLine(line), 2, "CORROSION RATE PREDICTION");
    const std::string label = std::string(p.mixing() ? "CO_2 - H_2S Rate" : "CO_2-H_2S Rate") +
                              (unitCodes.code[U::kCorrosionRate] == 0 ? "(mpy)" : "(mm/yr)");
    AddPointRow(p.layout, line + 1, label,
                [&](int k) { return FixedCell(p.view.points[k].corrosionRate, 2); });
}

void LayOut(const ProfileViewRecord& view, ReportLayout& layout) {
    const Page p{view, layout};
    AddProfileIdentification(layout, view.profile);
    AddProfileAxis(layout, view);
    int line = p.mixing() ? 5 : 4;
    layout.AddText(ProfileLine(line++), 2, "CATIONS");
    layout.NameLine(LayoutLine::kBandTop, ProfileLine(line));
    IonRows(p, kCations, sizeof kCations / sizeof kCations[0], line, false);
    layout.AddText(ProfileLine(++line), 2, "ANIONS");
    ++line;
    IonRows(p, kAnionsBefore, 3, line, false);
    AlkalinityRow rows[kAlkalinityRowsMax];
    const int alkRows = AlkalinityBlock(view.profile, mixAlkalinityLabels, rows);
    layout.NameLine(LayoutLine::kAlkalinityRows, ProfileLine(line));
    for (int r = 0; r < alkRows; ++r) {
        layout.AddText(ProfileLine(line), 4, rows[r].label);
        for (int k = 0; k < kProfileViewPoints; ++k) {
            layout.AddValue(ProfileLine(line), PointColumn(k), "       ");
            layout.AddValue(ProfileLine(line), PointColumn(k), FixedCell(rows[r].values[k], 1));
        }
        ++line;
    }
    IonRows(p, kAnionsAfter, sizeof kAnionsAfter / sizeof kAnionsAfter[0], line, true);
    layout.AddText(ProfileLine(++line), 2, "PARAMETERS");
    ++line;
    Parameters(p, line);
    layout.NameLine(LayoutLine::kBandBottom, ProfileLine(line));
    ++line;  // one blank line after the resistivity
    PhControl(p, line);
    Dosage(p, line);
    Corrosion(p, line);
}

}  // namespace

void BuildProfileChemistryPage(const ReportSource& source, ReportLayout& layout) {
    layout.title = ProfileChemistryTitle(source.profile);
    LayOut(ViewOfProfile(source.profile), layout);
}

void BuildTempChemistryPage(const ReportSource&, ReportLayout& layout) {
    layout.title = ProfileChemistryTitle(ProfileKind::kTemperature);
    LayOut(ViewOfProfile(ProfileKind::kTemperature), layout);
}

const char* ProfileChemistryTitle(int profile) {
    switch (profile) {
        case ProfileKind::kPressure:
            return "WATER CHEMISTRY VERSUS PRESSURE";
        case ProfileKind::kMixing:
            return "MIXED WATER CHEMISTRY";
        case ProfileKind::kTemperature:
            return "WATER CHEMISTRY VERSUS TEMPERATURE";
        default:
            return "WATER CHEMISTRY VERSUS pH";
    }
}
