// The indicators at the seven points of the pH (or pCO2), pressure and
// mixing-ratio profiles: saturation of 22 minerals, six simple indices, total
// and free ions, the free-ion precipitation potential of six carbonates and
// the free-ion momentary excess.
#include <cmath>
#include <string>

#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/profilepages/indicator_rows.h"
#include "reporttext/profilepages/profile_header.h"
#include "reporttext/profilepages/profile_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

namespace E = AnalysisElement;

constexpr int kTotalBariumSlot = 38;

// When an index means nothing: below the carbonate test, and on the pH and
// pressure pages each index's own limit.
enum class Limit { kNone, kAtMostMinus14, kAtLeast14, kExactly14, kLarsonSkold };
struct IndexRow {
    const char* label;
    const char* mixingLabel;
    int slot;
    Limit limit;
};
const IndexRow kIndices[] = {
    {"Langelier Saturation", "Langelier Saturation", 10, Limit::kAtMostMinus14},
    {"Ryznar Stability", "Ryznar Stability", 11, Limit::kAtLeast14},
    {"Oddo-Tomson Index", "Oddo-Tomson", 42, Limit::kAtMostMinus14},
    {"Stiff-Davis Index", "Stiff-Davis", 43, Limit::kAtMostMinus14},
    {"Puckorius(Practical)", "Puckorius(Practical)", 31, Limit::kExactly14},
    {"Larson-Skold", "Larson-Skold", kLarsonSkoldSlot, Limit::kLarsonSkold},
};

bool LimitHolds(Limit limit, float v, bool mixing) {
    if (mixing) return false;
    switch (limit) {
        case Limit::kAtMostMinus14:
            return v <= -14.0f;
        case Limit::kAtLeast14:
            return v >= 14.0f;
        case Limit::kExactly14:
            return v == 14.0f;
        default:
            return false;
    }
}

std::string IndexCell(const ProfilePoint& p, const IndexRow& row, bool mixing) {
    const float v = p.results[row.slot];
    const bool carbonate = p.results[27] > 1e-06f || p.results[29] > 1e-06f;
    bool shown = carbonate && !LimitHolds(row.limit, v, mixing);
    if (row.limit == Limit::kLarsonSkold)
        shown = shown && (p.values[E::kChloride] > 0.0f || p.values[E::kSulfate] > 0.0f);
    return shown ? FixedCell(v, 1) : std::string(kNotApplicable);
}

bool KilogramUnit() {
    return displaySettings.precipitationUnit > 1;
}

std::string ExcessHeading(bool mixing) {
    if (mixing) {
        switch (displaySettings.precipitationUnit) {
            case 0:
                return "FREE ION MOMENTARY EXCESS (mg/L)     ";
            case 1:
                return "MOMENTARY EXCESS (Lbs/1000 Barrels)  ";
            default:
                return "MOMENTARY EXCESS (kg/1000 Barrels)  ";
        }
    }
    return PaddedTo(std::string("FREE ION MOMENTARY EXCESS ") + PrecipitationUnitText(),
                    KilogramUnit() ? 72 : 73);
}

void LayOut(const ProfileViewRecord& view, ReportLayout& layout) {
    const bool mixing = view.profile == ProfileKind::kMixing;
    const bool pressure = view.profile == ProfileKind::kPressure;
    const int shift = mixing ? 1 : 0;  // the mixing header has two value rows
    AddProfileIdentification(layout, view.profile);
    AddProfileAxis(layout, view);
    const bool index = displaySettings.indexFormat != 0;
    layout.AddText(ProfileLine(3), 2, index ? "SATURATION INDEX" : "SATURATION RATIO");
    layout.AddText(ProfileLine(4 + shift), 2, index ? "as LOG10(IAP/Ksp)" : "as IAP/Ksp");

    int line = 5 + shift;
    layout.NameLine(LayoutLine::kBandTop, ProfileLine(line));
    // Every profile names calcium oxalate without its formula: with it the
    // label would run into the first point's value.
    for (const MineralRow& r : kMineralRows)
        AddPointRow(layout, line++, r.label,
                    [&](int k) { return SaturationCell(view.points[k].results[r.slot]); });
    layout.AddText(ProfileLine(28 + shift), 2, "SIMPLE INDICES");
    line = 29 + shift;
    for (const IndexRow& r : kIndices)
        AddPointRow(layout, line++, mixing ? r.mixingLabel : r.label,
                    [&](int k) { return IndexCell(view.points[k], r, mixing); });
    layout.AddText(ProfileLine(36 + shift), 2, "TOTAL VERSUS FREE IONS");
    line = 37 + shift;
    for (const SlotRow& r : kIonRows)
        AddPointRow(layout, line++, r.label, [&](int k) {
            const float v = view.points[k].results[r.slot];
            return pressure && r.slot == kTotalBariumSlot ? Value7Cell(v) : FixedCell(v, 1);
        });
    layout.AddText(
        ProfileLine(48 + shift), 2,
        PaddedTo(std::string("FREE ION PRECIPITATION POTENTIAL ") + PrecipitationUnitText(),
                 KilogramUnit() ? 79 : 80));
    line = 49 + shift;
    for (const SlotRow& r : kPotentialRows)
        AddPointRow(layout, line++, r.label,
                    [&](int k) { return PotentialCell(view.points[k].results[r.slot]); });
    const int excessHeading = pressure ? 56 : 57;
    layout.AddText(ProfileLine(excessHeading), 2, ExcessHeading(mixing));
    line = excessHeading + 1;
    for (const MineralRow& r : kMineralRows) {
        if (pressure && r.slot == kMagnesiumSilicateSlot) continue;
        AddPointRow(layout, line++, r.label, [&](int k) {
            return FixedCell(PrecipitationInDisplayUnit(view.points[k].excess[r.excessEntry]), 2);
        });
    }
    layout.NameLine(LayoutLine::kBandBottom, ProfileLine(line - 1));
}

}  // namespace

void BuildProfileIndicatorsPage(const ReportSource& source, ReportLayout& layout) {
    layout.title = ProfileIndicatorsTitle(source.profile);
    LayOut(ViewOfProfile(source.profile), layout);
}

void BuildMixingIndicatorsPage(const ReportSource&, ReportLayout& layout) {
    layout.title = ProfileIndicatorsTitle(ProfileKind::kMixing);
    LayOut(ViewOfProfile(ProfileKind::kMixing), layout);
}

const char* ProfileIndicatorsTitle(int profile) {
    switch (profile) {
        case ProfileKind::kPressure:
            return "DEPOSITION POTENTIAL INDICATORS VERSUS PRESSURE";
        case ProfileKind::kMixing:
            return "MIXED WATER DEPOSITION POTENTIAL INDICATORS";
        default:
            return whatIfOptions.varyPco2 != 0 ? "DEPOSITION POTENTIAL INDICATORS VERSUS pCO2"
                                               : "DEPOSITION POTENTIAL INDICATORS VERSUS pH";
    }
}
