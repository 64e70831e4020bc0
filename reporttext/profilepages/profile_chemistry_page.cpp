// The chemistry at the seven points of the pH (or pCO2), pressure and
// mixing-ratio profiles: cations, anions with the alkalinity block,
// parameters, the pH control, the product doses and the CO2-H2S rate.
#include <cstring>
#include <string>

#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/profilepages/chemistry_rows.h"
#include "reporttext/profilepages/profile_header.h"
#include "reporttext/profilepages/profile_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr int kMaxSuffixes = kIonSuffixCount;
// The pressure page's own polyphosphate suffixes, each with a leading blank.
const char* const kPressurePolyphosphate[kMaxSuffixes] = {
    " (as PO_4)", " (as CaCO_3)", " (as P_2O_5)", " (as P)",
    " (Fr Deg)",  " (Ger Deg)",   " (epm)",       " (moles/L)"};

const char* const kPressureSuffixes[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};

// The pressure page draws its labels without subscript marks.
std::string Unmarked(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '_') out += c;
    return out;
}

struct Page {
    const ProfileViewRecord& view;
    ReportLayout& layout;
    bool pressure() const { return view.profile == ProfileKind::kPressure; }
    bool mixing() const { return view.profile == ProfileKind::kMixing; }
    bool temperature() const { return view.profile == ProfileKind::kTemperature; }
};

void IonRows(const Page& p, const IonRow* rows, int count, int& line, bool anionsAfter) {
    // The temperature page shows every cation, manganese, zinc and lead too, with
    // two decimals.
    const bool cationsF2 = p.temperature() && rows == kCationRows;
    for (int i = 0; i < count; ++i) {
        const IonRow& r = rows[i];
        const IonFormat format = cationsF2 ? IonFormat::kF2 : r.format;
        const int code = unitCodes.code[r.unitItem];
        std::string suffix;
        if (anionsAfter && i == kPolyphosphateAfterRow && (p.pressure() || p.temperature()))
            suffix = code >= 0 && code < kMaxSuffixes ? kPressurePolyphosphate[code] : "";
        else if (p.mixing() && r.unitItem == U::kSulfate && code == 4)
            suffix = "";
        else
            suffix = IonSuffix(r, code, p.pressure());
        AddPointRow(p.layout, line++, std::string(r.label) + suffix,
                    [&](int k) { return IonCell(format, p.view.points[k].values[r.element]); });
    }
}

// pCO2 and pH2S on the pH and pressure pages: the pCO2 to three significant
// figures; the pH2S a zero "    0.00", else the short form, cut to a cell and
// ending at column 31 + 8k.
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
        if (co2) {
            p.layout.AddValue(ProfileLine(line), PointColumn(k), Pco2Cell(v));
            continue;
        }
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
        return Value7Cell(ResistivityOf(p.view.points[k].values[E::kConductivity]));
    });
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
    if (!AddProductHeading(p.layout, ProfileLine(line), ProfileLine(line + 1))) return;
    ++line;
    for (int k = 0; k < kProfileViewPoints; ++k) {
        const ProfilePoint& point = p.view.points[k];
        const DoseCellText cell = DoseCell(point.inhibitorDose, point.doseStatus);
        p.layout.AddValue(ProfileLine(line), PointColumn(k), cell.text, cell.colour);
    }
    line += 2;
}

void Corrosion(const Page& p, int line) {
    p.layout.AddText(ProfileLine(line), 2, "CORROSION RATE PREDICTION");
    const std::string label = CorrosionRateLabel(p.mixing() ? "CO_2 - H_2S Rate" : "CO_2-H_2S Rate");
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
    IonRows(p, kCationRows, kCationRowCount, line, false);
    layout.AddText(ProfileLine(++line), 2, "ANIONS");
    ++line;
    IonRows(p, kAnionRowsBefore, kAnionRowsBeforeCount, line, false);
    AlkalinityRow rows[kAlkalinityRowsMax];
    const int alkRows = AlkalinityBlock(view.profile, AlkalinityFormOf(view.profile), rows);
    layout.NameLine(LayoutLine::kAlkalinityRows, ProfileLine(line));
    for (int r = 0; r < alkRows; ++r) {
        layout.AddText(ProfileLine(line), 4, rows[r].label);
        for (int k = 0; k < kProfileViewPoints; ++k) {
            layout.AddValue(ProfileLine(line), PointColumn(k), "       ");
            layout.AddValue(ProfileLine(line), PointColumn(k),
                            FixedCell(rows[r].values[k], AlkalinityDecimals()));
        }
        ++line;
    }
    IonRows(p, kAnionRowsAfter, kAnionRowsAfterCount, line, true);
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
            // The pH profile runs over pCO2 while that option is set; the title
            // says so, as the printed page's does.
            return whatIfOptions.varyPco2 != 0 ? "WATER CHEMISTRY VERSUS pCO2"
                                               : "WATER CHEMISTRY VERSUS pH";
    }
}
