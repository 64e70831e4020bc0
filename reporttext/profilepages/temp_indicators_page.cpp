// The indicators at the seven temperatures of the temperature profile
// ("DisplayTempValues"): saturation of 23 minerals, the carbonates'
// precipitation potential, simple indices, total and free ions and the
// momentary excess. The page draws from its second line, so page line L is
// layout line L - 2. No calcium silicate value is kept per point: its two
// rows show "    N/A".
#include <string>

#include "engine/records.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/profilepages/indicator_rows.h"
#include "reporttext/profilepages/profile_header.h"
#include "reporttext/profilepages/profile_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

// No calcium silicate value is kept per point: its row after magnesium
// silicate shows "    N/A".
constexpr const char* kCalciumSilicate = "Calcium silicate";

// The temperature page's line L on the layout.
int Line(int pageLine) {
    return pageLine - 2;
}

std::string ExcessHeading() {
    return PaddedTo(std::string("FREE ION MOMENTARY EXCESS ") + PrecipitationUnitText(),
                    displaySettings.precipitationUnit > 1 ? 72 : 73);
}

// The carbonates' block holds their precipitation potential, not their
// momentary excess: headed as on the pH and mixing pages.
std::string PotentialHeading() {
    return PaddedTo(std::string("FREE ION PRECIPITATION POTENTIAL ") + PrecipitationUnitText(),
                    displaySettings.precipitationUnit > 1 ? 79 : 80);
}

}  // namespace

void BuildTempIndicatorsPage(const ReportSource&, ReportLayout& layout) {
    layout.title = "DEPOSITION POTENTIAL INDICATORS VERSUS TEMPERATURE";
    const ProfileViewRecord view = ViewOfProfile(ProfileKind::kTemperature);
    AddProfileIdentification(layout, ProfileKind::kTemperature);  // line 2
    AddProfileAxis(layout, view);                                 // lines 4 and 5
    layout.AddText(Line(4), 2,
                   displaySettings.indexFormat != 0 ? "SATURATION INDEX" : "SATURATION RATIO");
    layout.AddText(Line(5), 2,
                   displaySettings.indexFormat != 0 ? "as LOG10(IAP/Ksp)" : "as IAP/Ksp");
    const auto& pts = view.points;
    int line = 6;
    layout.NameLine(LayoutLine::kBandTop, Line(line));
    for (const MineralRow& r : kMineralRows) {
        AddPointRow(layout, line++ - 1, r.label,
                    [&](int k) { return SaturationCell(pts[k].results[r.slot]); });
        if (r.slot == kMagnesiumSilicateSlot)
            AddPointRow(layout, line++ - 1, kCalciumSilicate,
                        [](int) { return std::string(kNotApplicable); });
    }
    layout.AddText(Line(30), 2, PotentialHeading());
    line = 31;
    for (const SlotRow& r : kPotentialRows)
        AddPointRow(layout, line++ - 1, r.label,
                    [&](int k) { return PotentialCell(pts[k].results[r.slot]); });
    layout.AddText(Line(38), 2, "SIMPLE INDICES");
    line = 39;
    for (const SlotRow& r : kSimpleIndexRows)
        AddPointRow(layout, line++ - 1, r.label,
                    [&](int k) { return SimpleIndexCell(pts[k].results, pts[k].values, r.slot); });
    layout.AddText(Line(46), 2, "TOTAL VERSUS FREE IONS");
    line = 47;
    for (const SlotRow& r : kIonRows)
        AddPointRow(layout, line++ - 1, r.label,
                    [&](int k) { return FixedCell(pts[k].results[r.slot], 1); });
    layout.AddText(Line(58), 2, ExcessHeading());
    line = 59;
    for (const MineralRow& r : kMineralRows) {
        AddPointRow(layout, line++ - 1, r.label, [&](int k) {
            return FixedCell(PrecipitationInDisplayUnit(pts[k].excess[r.excessEntry]), 2);
        });
        if (r.slot == kMagnesiumSilicateSlot)
            AddPointRow(layout, line++ - 1, kCalciumSilicate,
                        [](int) { return std::string(kNotApplicable); });
    }
    layout.NameLine(LayoutLine::kBandBottom, Line(82));
}
