// The member table of the Change Range dialogs.
#include "graphs/range/range_members.h"

#include "graphs/range/range_dialog.h"
#include "resources/range_dialog_ids.h"

namespace {

namespace C = RangeControl;
namespace D = RangeDialogId;
using S = RangeSlot;
using P = RangePair;

constexpr const char* kSameTemperature =
    "Minimum and Maximum Temperature cannot be the same! Please change to a valid range!";
constexpr const char* kSamePh =
    "Minimum and Maximum pH cannot be the same! Please change to a valid range!";
constexpr const char* kSamePco2 =
    "Minimum and Maximum pCO2 cannot be the same! Please change to a valid range!";
constexpr const char* kSamePressure =
    "Minimum and Maximum Pressure cannot be the same! Please change to a valid range!";
constexpr const char* kSamePress =
    "Minimum and Maximum.press cannot be the same! Please change to a valid range!";
constexpr const char* kSamePercent =
    "Minimum and Maximum Percent cannot be the same! Please change to a valid range!";
constexpr const char* kSamePercentInjection =
    "Minimum and Maximum Percent Injection cannot be the same! Please change to a valid range!";

constexpr RangeMember kMembers[] = {
    {D::kTempPh,
     RangeTempPHDlgProc,
     true,
     4,
     {{C::kLow, S::kPhLow},
      {C::kHigh, S::kPhHigh},
      {C::kTemperatureLow, S::kTemperatureLow},
      {C::kTemperatureHigh, S::kTemperatureHigh}},
     2,
     {{P::kTemperature, kSameTemperature}, {P::kPh, kSamePh}},
     RangeStale::kTemperatureGrid,
     false,
     false},
    {D::kTempPco2,
     RangeTempPCO2DlgProc,
     true,
     4,
     {{C::kLow, S::kPco2Low},
      {C::kHigh, S::kPco2High},
      {C::kTemperatureLow, S::kTemperatureLow},
      {C::kTemperatureHigh, S::kTemperatureHigh}},
     2,
     {{P::kTemperature, kSameTemperature}, {P::kPco2, kSamePco2}},
     RangeStale::kTemperatureGrid,
     false,
     false},
    {D::kTempPhPercent,
     RangeTempPHPctDlgProc,
     true,
     5,
     {{C::kLow, S::kGridPhLow},
      {C::kHigh, S::kGridPhHigh},
      {C::kTemperatureLow, S::kGridTemperatureLow},
      {C::kTemperatureHigh, S::kGridTemperatureHigh},
      {C::kAtPercent, S::kMixTypicalPercent}},
     3,
     {{P::kGridTemperature, kSameTemperature},
      {P::kGridPh, kSamePh},
      {P::kMixPercents, kSamePercent}},
     RangeStale::kNone,
     false,
     false},
    {D::kTempPco2Percent,
     RangeTempPCO2PctDlgProc,
     true,
     5,
     {{C::kLow, S::kGridPco2Low},
      {C::kHigh, S::kGridPco2High},
      {C::kTemperatureLow, S::kGridTemperatureLow},
      {C::kTemperatureHigh, S::kGridTemperatureHigh},
      {C::kAtPercent, S::kMixTypicalPercent}},
     3,
     {{P::kGridTemperature, kSameTemperature},
      {P::kGridPh, kSamePh},
      {P::kMixPercents, kSamePercent}},
     RangeStale::kNone,
     false,
     false},
    {D::kTempPercent,
     RangeTempPctDlgProc,
     true,
     4,
     {{C::kTemperatureLow, S::kGridTemperatureLow},
      {C::kTemperatureHigh, S::kGridTemperatureHigh},
      {C::kGridPercentLow, S::kGridMixLow},
      {C::kGridPercentHigh, S::kGridMixHigh}},
     3,
     {{P::kGridTemperature, kSameTemperature},
      {P::kGridPh, kSamePh},
      {P::kMixPercents, kSamePercentInjection}},
     RangeStale::kNone,
     false,
     false},
    {D::kPhPercent,
     RangePHPctDlgProc,
     true,
     4,
     {{C::kLow, S::kGridPhLow},
      {C::kHigh, S::kGridPhHigh},
      {C::kGridPercentLow, S::kGridMixLow},
      {C::kGridPercentHigh, S::kGridMixHigh}},
     3,
     {{P::kGridTemperature, kSameTemperature},
      {P::kGridPh, kSamePh},
      {P::kMixPercents, kSamePercent}},
     RangeStale::kNone,
     false,
     false},
    {D::kPco2Percent,
     RangePCO2PctDlgProc,
     true,
     4,
     {{C::kLow, S::kGridPco2Low},
      {C::kHigh, S::kGridPco2High},
      {C::kGridPercentLow, S::kGridMixLow},
      {C::kGridPercentHigh, S::kGridMixHigh}},
     3,
     {{P::kGridTemperature, kSameTemperature},
      {P::kGridPh, kSamePh},
      {P::kMixPercents, kSamePercent}},
     RangeStale::kNone,
     false,
     false},
    {D::kTempPress,
     RangeTempPressDlgProc,
     true,
     4,
     {{C::kPressureLow, S::kPressureLow},
      {C::kPressureHigh, S::kPressureHigh},
      {C::kTemperatureLow, S::kTemperatureLow},
      {C::kTemperatureHigh, S::kTemperatureHigh}},
     2,
     {{P::kTemperature, kSameTemperature}, {P::kPressure, kSamePressure}},
     RangeStale::kPressureGrid,
     false,
     false},
    {D::kPhAtTemp,
     RangePHAtTempDlgProc,
     false,
     3,
     {{C::kLow, S::kPhLow}, {C::kHigh, S::kPhHigh}, {C::kAtTemperature, S::kTemperatureEval}},
     3,
     {{P::kTemperature, kSameTemperature},
      {P::kPh, kSamePh},
      {P::kMixPercents, kSamePercentInjection}},
     RangeStale::kProfile,
     true,
     false},
    {D::kTempAtPh,
     RangeTempAtPHDlgProc,
     false,
     3,
     {{C::kAtPh, S::kPhEval},
      {C::kTemperatureLow, S::kTemperatureLow},
      {C::kTemperatureHigh, S::kTemperatureHigh}},
     3,
     {{P::kTemperature, kSameTemperature},
      {P::kPh, kSamePh},
      {P::kMixPercents, kSamePercentInjection}},
     RangeStale::kProfile,
     false,
     false},
    {D::kPercent,
     RangePercentDlgProc,
     false,
     2,
     {{C::kProfilePercentLow, S::kMixLowPercent}, {C::kProfilePercentHigh, S::kMixHighPercent}},
     1,
     {{P::kProfilePercents, kSamePercent}},
     RangeStale::kNone,
     false,
     true},
    {D::kPressAtTemp,
     RangePressAtTempDlgProc,
     false,
     3,
     {{C::kPressureLow, S::kPressureLow},
      {C::kPressureHigh, S::kPressureHigh},
      {C::kAtTemperature, S::kTemperatureEval}},
     3,
     {{P::kTemperature, kSameTemperature},
      {P::kPressure, kSamePress},
      {P::kMixPercents, kSamePercent}},
     RangeStale::kPressureProfile,
     true,
     false},
};

}  // namespace

const RangeMember* FindRangeMember(int templateId) {
    for (const RangeMember& m : kMembers)
        if (m.templateId == templateId) return &m;
    return nullptr;
}

int ThreeDRangeTemplate(int gridSource, int gridKind, bool varyPco2) {
    if (gridSource == 0 && gridKind == -1) return varyPco2 ? D::kTempPco2 : D::kTempPh;
    if (gridSource == 1 && gridKind == 0) return varyPco2 ? D::kTempPco2Percent : D::kTempPhPercent;
    if (gridSource == 1 && gridKind == 1) return D::kTempPercent;
    if (gridSource == 1 && gridKind == 2) return varyPco2 ? D::kPco2Percent : D::kPhPercent;
    if (gridSource == 2 && gridKind == 3) return D::kTempPress;
    return 0;
}
