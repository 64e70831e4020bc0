// "DisplayMixedWater": each source water's cations and anions as stored, the
// alkalinity block, the parameters with the residence time, the pH-control
// rows, the product dose and the CO2-H2S rate. The ion rows, chemical names
// and dose cells are those of the profile chemistry pages.
#include <cstring>
#include <string>

#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/profilepages/chemistry_rows.h"
#include "reporttext/sourcepages/source_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr int kTdsSlot = 35;

struct Page {
    const SourceViewRecord& view;
    ReportLayout& layout;
};

// Every cation in "%7.2f"; the anions in their rows' own formats.
void IonRows(const Page& p, const IonRow* rows, int count, int& line, bool cations) {
    for (int i = 0; i < count; ++i) {
        const IonRow& r = rows[i];
        const IonFormat format = cations ? IonFormat::kF2 : r.format;
        AddSourceRow(p.layout, p.view, line++,
                     std::string(r.label) + IonSuffix(r, unitCodes.code[r.unitItem], false),
                     [&](const SourceColumn& c) { return IonCell(format, c.values[r.element]); });
    }
}

// The four alkalinity rows. No calculation keeps an acidity per source water,
// so that row shows "    N/A" in the acidity form.
float AlkalinityValue(const SourceColumn& c, bool species, int row) {
    if (species) {
        switch (row) {
            case 0:
                return c.dissolvedCo2;
            case 1:
                return c.values[E::kMAlkalinity];
            case 2:
                return c.values[E::kPAlkalinity];
            default:
                return c.results[kHydroxideSlot];
        }
    }
    switch (row) {
        case 1:
            return c.results[kMAlkalinitySlot];
        case 2:
            return c.results[kPAlkalinitySlot];
        default:
            return OhAlkalinity(c.results);
    }
}

void AlkalinityRows(const Page& p, int& line) {
    const bool species = SpeciesForm(mixAlkalinityLabels);
    p.layout.NameLine(LayoutLine::kAlkalinityRows, SourceLine(line));
    for (int row = 0; row < kAlkalinityRowsMax; ++row, ++line) {
        p.layout.AddText(SourceLine(line), 4, AlkalinityLabel(species, row));
        for (int k = 0; k < p.view.count; ++k) {
            const SourceColumn& c = p.view.columns[k];
            p.layout.AddValue(SourceLine(line), SourceColumnCell(k), "       ");
            p.layout.AddValue(SourceLine(line), SourceColumnCell(k),
                              !species && row == 0
                                  ? std::string(kNotApplicable)
                                  : FixedCell(AlkalinityRowInBasis(
                                                  species, row, AlkalinityValue(c, species, row)),
                                              AlkalinityDecimals()));
        }
    }
}

// pCO2 to three significant figures; pH2S a zero "    0.00", else the short
// form; right-aligned in the column's seven cells. A unit code outside 0 to 5 leaves the bare name.
void GasRow(const Page& p, int line, bool co2) {
    static const char* const units[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};
    const int code = unitCodes.code[co2 ? U::kGasCo2 : U::kGasH2S];
    std::string label = co2 ? "pCO_2" : "pH_2S";
    if (code >= 0 && code <= 3)
        label += units[code];
    else if (code == 4)
        label = std::string(co2 ? "CO_2" : "H_2S") + "(ppm in gas)";
    else if (code == 5)
        label = std::string(co2 ? "CO_2" : "H_2S") + "(mole %)";
    const int element = co2 ? E::kPco2 : E::kPH2S;
    p.layout.AddText(SourceLine(line), 4, label);
    for (int k = 0; k < p.view.count; ++k) {
        const float v = p.view.columns[k].values[element];
        std::string text;
        if (co2) {
            text = Pco2Cell(v);
        } else if (v == 0.0f) {
            text = Cell("    0.00");
        } else {
            char shortText[kValueTextChars];
            FormatValueShort(v, shortText);
            text = Cell(shortText);
        }
        p.layout.AddValue(SourceLine(line), SourceColumnCell(k) + 7 - static_cast<int>(text.size()),
                          text);
    }
}

void Parameters(const Page& p, int& line) {
    AddSourceRow(p.layout, p.view, line++, "pH",
                 [](const SourceColumn& c) { return FixedCell(c.values[E::kPh], 2); });
    static const char* const degrees[] = {"(^oF)", "(^oC)", "(^oK)"};
    const int t = unitCodes.code[U::kTemperature];
    AddSourceRow(p.layout, p.view, line++,
                 std::string("Temperature") + (t >= 0 && t < 3 ? degrees[t] : ""),
                 [](const SourceColumn& c) { return FixedCell(c.values[E::kTemperature], 2); });
    static const char* const pressures[] = {"(atm)", "(bars)", "(psia)", "(KPa)"};
    const int pc = unitCodes.code[U::kPressure];
    AddSourceRow(p.layout, p.view, line++,
                 std::string("Pressure") + (pc >= 0 && pc < 4 ? pressures[pc] : ""),
                 [](const SourceColumn& c) { return FixedCell(c.values[E::kPressure], 2); });
    GasRow(p, line++, true);
    GasRow(p, line++, false);
    AddSourceRow(p.layout, p.view, line++,
                 unitCodes.code[U::kDensity] == 1 ? "Density(lbs/gal)" : "Sp.Gr.(g/mL)",
                 [](const SourceColumn& c) { return FixedCell(c.values[E::kDensity], 3); });
    AddSourceRow(p.layout, p.view, line++, "Calculated T.D.S.",
                 [](const SourceColumn& c) { return FixedCell(c.results[kTdsSlot], 2); });
    AddSourceRow(p.layout, p.view, line++, "Calc. Conductivity",
                 [](const SourceColumn& c) { return FixedCell(c.values[E::kConductivity], 2); });
    AddSourceRow(p.layout, p.view, line++, "Calc. Resistivity", [](const SourceColumn& c) {
        return Value7Cell(ResistivityOf(c.values[E::kConductivity]));
    });
    AddSourceRow(p.layout, p.view, line++, "Residence time",
                 [](const SourceColumn& c) { return FixedCell(c.residence, 2); });
}

// The multi-mix keeps no pH-control dose per source water: its rows show
// "    N/A".
void PhControl(const Page& p, int& line) {
    const int method = phControlSettings.phControlMethod;
    if (method == 0) return;
    p.layout.AddText(SourceLine(line++), 2, "pH CONTROL");
    const auto none = [](const SourceColumn&) { return std::string(kNotApplicable); };
    if (method == 1 || method == 3)
        AddSourceRow(p.layout, p.view, line++, AcidName(phControlSettings.acidChemical), none);
    if (method == 2 || method == 3)
        AddSourceRow(p.layout, p.view, line++, AlkaliName(phControlSettings.alkaliChemical, false),
                     none);
    if (method >= 1 && method <= 3) ++line;
}

void Dosage(const Page& p, int& line) {
    if (!AddProductHeading(p.layout, SourceLine(line), SourceLine(line + 1))) return;
    ++line;
    for (int k = 0; k < p.view.count; ++k) {
        const SourceColumn& c = p.view.columns[k];
        const DoseCellText cell = DoseCell(c.dose, c.doseStatus);
        p.layout.AddValue(SourceLine(line), SourceColumnCell(k), cell.text, cell.colour);
    }
    line += 2;
}

void Corrosion(const Page& p, int line) {
    p.layout.AddText(SourceLine(line), 2, "CORROSION RATE PREDICTION");
    const std::string label = CorrosionRateLabel("CO_2-H_2S Rate");
    AddSourceRow(p.layout, p.view, line + 1, label,
                 [](const SourceColumn& c) { return FixedCell(c.corrosionRate, 2); });
    p.layout.NameLine(LayoutLine::kBandBottom, SourceLine(line + 2));
}

}  // namespace

void BuildSourceChemistryPage(const ReportSource&, ReportLayout& layout) {
    layout.title = kSourceChemistryTitle;
    const SourceViewRecord view = ViewOfSources();
    const Page p{view, layout};
    AddSourceIdentification(layout);
    AddSourceIds(layout, view);
    AddWeightAxis(layout, view);
    layout.AddText(SourceLine(4), 2, "CATIONS");
    int line = 5;
    layout.NameLine(LayoutLine::kBandTop, SourceLine(line));
    IonRows(p, kCationRows, kCationRowCount, line, true);
    layout.AddText(SourceLine(++line), 2, "ANIONS");
    ++line;
    IonRows(p, kAnionRowsBefore, kAnionRowsBeforeCount, line, false);
    AlkalinityRows(p, line);
    IonRows(p, kAnionRowsAfter, kAnionRowsAfterCount, line, false);
    layout.AddText(SourceLine(++line), 2, "PARAMETERS");
    ++line;
    Parameters(p, line);
    ++line;  // line 47 is blank
    PhControl(p, line);
    Dosage(p, line);
    Corrosion(p, line);
}
