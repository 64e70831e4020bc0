// "DisplayMixedValues": each source water's saturation of 22 minerals, six
// simple indices, total and free ions, the free-ion precipitation potential of
// six carbonates and the free-ion momentary excess of the 22 minerals. The
// rows and their cells are those of the profile indicator pages.
#include <string>

#include "engine/records.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/profilepages/indicator_rows.h"
#include "reporttext/sourcepages/source_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"

void BuildSourceIndicatorsPage(const ReportSource&, ReportLayout& layout) {
    layout.title = kSourceIndicatorsTitle;
    const SourceViewRecord view = ViewOfSources();
    AddSourceIdentification(layout);
    AddSourceIds(layout, view);
    const bool index = displaySettings.indexFormat != 0;
    layout.AddText(SourceLine(3), 2, index ? "SATURATION INDEX" : "SATURATION RATIO");
    AddWeightAxis(layout, view);
    layout.AddText(SourceLine(4), 2, index ? "as LOG10(IAP/Ksp)" : "as IAP/Ksp");

    int line = 5;
    layout.NameLine(LayoutLine::kBandTop, SourceLine(line));
    for (const MineralRow& r : kMineralRows)
        AddSourceRow(layout, view, line++, r.label,
                     [&](const SourceColumn& c) { return SaturationCell(c.results[r.slot]); });
    layout.AddText(SourceLine(28), 2, "SIMPLE INDICES");
    line = 29;
    for (const SlotRow& r : kSimpleIndexRows)
        AddSourceRow(layout, view, line++, r.label, [&](const SourceColumn& c) {
            return SimpleIndexCell(c.results, c.values, r.slot);
        });
    layout.AddText(SourceLine(36), 2, "TOTAL VERSUS FREE IONS");
    line = 37;
    for (const SlotRow& r : kIonRows)
        AddSourceRow(layout, view, line++, r.label,
                     [&](const SourceColumn& c) { return FixedCell(c.results[r.slot], 1); });
    layout.AddText(
        SourceLine(50), 2,
        PaddedTo(std::string("FREE ION PRECIPITATION POTENTIAL ") + PrecipitationUnitText(), 80));
    line = 51;
    for (const SlotRow& r : kPotentialRows)
        AddSourceRow(layout, view, line++, r.label,
                     [&](const SourceColumn& c) { return PotentialCell(c.results[r.slot]); });
    layout.AddText(
        SourceLine(58), 2,
        PaddedTo(std::string("FREE ION MOMENTARY EXCESS ") + PrecipitationUnitText(), 73));
    line = 59;
    for (const MineralRow& r : kMineralRows)
        AddSourceRow(layout, view, line++, r.label, [&](const SourceColumn& c) {
            return FixedCell(PrecipitationInDisplayUnit(c.excess[r.excessEntry]), 2);
        });
    // The copy band ends at the top of the last row.
    layout.NameLine(LayoutLine::kBandBottom, SourceLine(80));
}
