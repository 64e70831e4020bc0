// The member table of the Change Range dialogs.
#include "graphs/range/range_members.h"

#include "graphs/range/range_dialog.h"
#include "resources/range_dialog_ids.h"

namespace {

namespace C = RangeControl;
namespace D = RangeDialogId;
using S = RangeSlot;
using P = RangePair;

// Rows in order (boxes in reading order, warnings in showing order),
// joined with +.
template <typename Row, int Most>
struct Rows {
    int count;
    Row rows[Most];
};
template <typename Row, int Most>
constexpr Rows<Row, Most> operator+(Rows<Row, Most> a, const Rows<Row, Most>& b) {
    for (int i = 0; i < b.count; ++i) a.rows[a.count++] = b.rows[i];
    return a;
}
using Boxes = Rows<RangeField, kRangeMaxFields>;
using Warnings = Rows<RangeWarning, kRangeMaxWarnings>;

// A range's low and high boxes, and a single value's box.
constexpr Boxes Range(int low, S lowSlot, int high, S highSlot) {
    return Boxes{2, {{low, lowSlot}, {high, highSlot}}};
}
constexpr Boxes kPh = Range(C::kLow, S::kPhLow, C::kHigh, S::kPhHigh);
constexpr Boxes kPco2 = Range(C::kLow, S::kPco2Low, C::kHigh, S::kPco2High);
constexpr Boxes kGridPh = Range(C::kLow, S::kGridPhLow, C::kHigh, S::kGridPhHigh);
constexpr Boxes kGridPco2 = Range(C::kLow, S::kGridPco2Low, C::kHigh, S::kGridPco2High);
constexpr Boxes kPressure =
    Range(C::kPressureLow, S::kPressureLow, C::kPressureHigh, S::kPressureHigh);
constexpr Boxes kTemperature =
    Range(C::kTemperatureLow, S::kTemperatureLow, C::kTemperatureHigh, S::kTemperatureHigh);
constexpr Boxes kGridTemperature =
    Range(C::kTemperatureLow, S::kGridTemperatureLow, C::kTemperatureHigh, S::kGridTemperatureHigh);
constexpr Boxes kGridPercent =
    Range(C::kGridPercentLow, S::kGridMixLow, C::kGridPercentHigh, S::kGridMixHigh);
constexpr Boxes kProfilePercent =
    Range(C::kProfilePercentLow, S::kMixLowPercent, C::kProfilePercentHigh, S::kMixHighPercent);
constexpr Boxes kAtPercent{1, {{C::kAtPercent, S::kMixTypicalPercent}}};
constexpr Boxes kAtTemperature{1, {{C::kAtTemperature, S::kTemperatureEval}}};
constexpr Boxes kAtPh{1, {{C::kAtPh, S::kPhEval}}};

// The warning of a pair whose ends are the same, naming the quantity.
constexpr Warnings Same(P pair, const char* quantity) {
    return Warnings{1, {{pair, quantity}}};
}
constexpr Warnings kTemperatures = Same(P::kTemperature, " Temperature");
constexpr Warnings kGridTemperatures = Same(P::kGridTemperature, " Temperature");
constexpr Warnings kPhs = Same(P::kPh, " pH");
constexpr Warnings kGridPhs = Same(P::kGridPh, " pH");
constexpr Warnings kMixPercents = Same(P::kMixPercents, " Percent");
constexpr Warnings kMixInjection = Same(P::kMixPercents, " Percent Injection");
constexpr Warnings kMixGrid = kGridTemperatures + kGridPhs + kMixPercents;

struct Flags {
    bool threeD;
    RangeStale stale;
    bool unitLabel = false;
    bool profilePercent = false;
};
constexpr Flags kGrid{true, RangeStale::kNone};

constexpr RangeMember Member(int templateId, win::DLGPROC procedure, const Boxes& boxes,
                             const Warnings& warnings, const Flags& flags) {
    RangeMember m{templateId, procedure, flags.threeD, boxes.count,     {},
                  0,          {},        flags.stale,  flags.unitLabel, flags.profilePercent};
    for (int i = 0; i < boxes.count; ++i) m.fields[i] = boxes.rows[i];
    m.warningCount = warnings.count;
    for (int i = 0; i < warnings.count; ++i) m.warnings[i] = warnings.rows[i];
    return m;
}

constexpr RangeMember kMembers[] = {
    Member(D::kTempPh, RangeTempPHDlgProc, kPh + kTemperature, kTemperatures + kPhs,
           {true, RangeStale::kTemperatureGrid}),
    Member(D::kTempPco2, RangeTempPCO2DlgProc, kPco2 + kTemperature,
           kTemperatures + Same(P::kPco2, " pCO2"), {true, RangeStale::kTemperatureGrid}),
    Member(D::kTempPhPercent, RangeTempPHPctDlgProc, kGridPh + kGridTemperature + kAtPercent,
           kMixGrid, kGrid),
    Member(D::kTempPco2Percent, RangeTempPCO2PctDlgProc, kGridPco2 + kGridTemperature + kAtPercent,
           kMixGrid, kGrid),
    Member(D::kTempPercent, RangeTempPctDlgProc, kGridTemperature + kGridPercent,
           kGridTemperatures + kGridPhs + kMixInjection, kGrid),
    Member(D::kPhPercent, RangePHPctDlgProc, kGridPh + kGridPercent, kMixGrid, kGrid),
    Member(D::kPco2Percent, RangePCO2PctDlgProc, kGridPco2 + kGridPercent, kMixGrid, kGrid),
    Member(D::kTempPress, RangeTempPressDlgProc, kPressure + kTemperature,
           kTemperatures + Same(P::kPressure, " Pressure"), {true, RangeStale::kPressureGrid}),
    Member(D::kPhAtTemp, RangePHAtTempDlgProc, kPh + kAtTemperature,
           kTemperatures + kPhs + kMixInjection, {false, RangeStale::kProfile, true}),
    Member(D::kTempAtPh, RangeTempAtPHDlgProc, kAtPh + kTemperature,
           kTemperatures + kPhs + kMixInjection, {false, RangeStale::kProfile}),
    Member(D::kPercent, RangePercentDlgProc, kProfilePercent, Same(P::kProfilePercents, " Percent"),
           {false, RangeStale::kNone, false, true}),
    Member(D::kPressAtTemp, RangePressAtTempDlgProc, kPressure + kAtTemperature,
           kTemperatures + Same(P::kPressure, ".press") + kMixPercents,
           {false, RangeStale::kPressureProfile, true}),
};

}  // namespace

const RangeMember* FindRangeMember(int templateId) {
    for (const RangeMember& m : kMembers)
        if (m.templateId == templateId) return &m;
    return nullptr;
}
