// The descriptors of the fourteen result pages. The page-specific hooks
// (recompute, creation and focus work) are entered here as the pages are
// built; a page without them paints what its builder lays out.
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_state_records.h"
#include "pages/onewater/one_water_pages.h"
#include "pages/profiles/profile_recompute.h"
#include "pages/sources/source_pages.h"
#include "platform/system/system.h"
#include "reporttext/waterpages/water_pages.h"
#include "scenarios/multimix/multimix_records.h"

namespace {

using C = PageClass;
using P = ReportPage;
using S = CopySource;
using L = CopyLabel;
constexpr PageStep kRow = PageStep::kRowHeight;
constexpr PageStep kLine = PageStep::kLineHeight;
constexpr PagePitch kStd = PagePitch::kStandard;

// The captions of the waterflood's mixing-ratio pages and of the multi-mix
// blend's pages name their mix: both may be open at once.
// page, menu, title, step, reach, moves show, pitch, F, layout, profile, one water,
// copy, label, label field, width cells, recompute, create, set focus
const PageDescriptor kDescriptors[kPageClassCount] = {
    {C::kMuWater, 11, nullptr, kRow, 32, false, PagePitch::kRowHeight, 2, P::kWaterChemistry, 0,
     true, S::kNone, L::kNone, 6, 80, LoadAndRecomputeChemistry, LoadAndRecomputeChemistry,
     nullptr},
    {C::kMuValues, 11, nullptr, kRow, 32, false, kStd, 1, P::kWaterIndicators, 0, true, S::kNone,
     L::kNone, 6, 80, LoadAndRecomputeIndicators, LoadAndRecomputeIndicators,
     RecomputeIndicatorsOnFocus},
    {C::kTempWater, 12, "WATER CHEMISTRY VERSUS TEMPERATURE", kRow, 40, false,
     PagePitch::kNoInternalLeading, 2, P::kTempChemistry, ProfileKind::kTemperature, false,
     S::kTemperaturePoint, L::kTemperature, 4, 85, RecomputeTempProfile, nullptr, nullptr},
    {C::kTempValues, 17, "DEPOSITION POTENTIAL INDICATORS VERSUS TEMPERATURE", kRow, 54, false,
     PagePitch::kNoInternalLeading, 2, P::kTempIndicators, ProfileKind::kTemperature, false,
     S::kTemperaturePoint, L::kTemperature, 4, 85, nullptr, nullptr, nullptr},
    {C::kPhWater, 12, "WATER CHEMISTRY VERSUS pH", kRow, 40, false, kStd, 1, P::kProfileChemistry,
     ProfileKind::kPh, false, S::kPhPoint, L::kPh, 6, 85, RecomputePhProfile, nullptr, nullptr},
    {C::kPhValues, 17, "DEPOSITION POTENTIAL INDICATORS VERSUS pH", kRow, 54, false, kStd, 1,
     P::kProfileIndicators, ProfileKind::kPh, false, S::kPhPoint, L::kPh, 6, 85, nullptr, nullptr,
     nullptr},
    {C::kCycledWater, 12, "MIXED WATER CHEMISTRY (WATERFLOOD)", kLine, 40, true, kStd, 1,
     P::kProfileChemistry, ProfileKind::kMixing, false, S::kMixingPoint, L::kMixingPercent, 6, 85,
     RecomputeMixingProfile, nullptr, nullptr},
    {C::kCycledValues, 17, "MIXED WATER DEPOSITION POTENTIAL INDICATORS (WATERFLOOD)", kRow, 54,
     false, kStd, 1, P::kMixingIndicators, ProfileKind::kMixing, false, S::kMixingPoint,
     L::kMixingPercent, 6, 85, nullptr, nullptr, nullptr},
    {C::kMixedWater, 11, "CHEMISTRY OF WATER SOURCES MIXED", kLine, 40, true, kStd, 2,
     P::kSourceChemistry, 0, false, S::kSourceWater, L::kMixWaterPercent, 6, 0,
     StampBlendSampleTime, CreateSourceChemistry, nullptr},
    {C::kMixedValues, 11, "DEPOSITION POTENTIAL INDICATORS OF SOURCE WATERS", kRow, 54, false, kStd,
     2, P::kSourceIndicators, 0, false, S::kSourceWater, L::kMixWater, 6, 0, StampBlendSampleTime,
     nullptr, nullptr},
    {C::kMixedWaterOut, 11, "MIXED WATER CHEMISTRY (MULTI-MIX)", kRow, 32, false, kStd, 1,
     P::kWaterChemistry, 0, true, S::kBlend, L::kMultiMixed, 6, 80, LoadAndRecomputeBlendChemistry,
     nullptr, nullptr},
    {C::kMixedValuesOut, 11, "MIXED WATER DEPOSITION POTENTIAL INDICATORS (MULTI-MIX)", kRow, 32,
     false, kStd, 2, P::kWaterIndicators, 0, true, S::kBlend, L::kMultiMixed, 6, 80,
     LoadAndRecomputeBlendIndicators, CreateBlendIndicators, nullptr},
    {C::kPressWater, 12, "WATER CHEMISTRY VERSUS PRESSURE", kRow, 40, false, kStd, 1,
     P::kProfileChemistry, ProfileKind::kPressure, false, S::kPressurePoint, L::kPressure, 6, 85,
     RecomputePressureProfile, nullptr, nullptr},
    {C::kPressValues, 17, "DEPOSITION POTENTIAL INDICATORS VERSUS PRESSURE", kRow, 54, false, kStd,
     1, P::kProfileIndicators, ProfileKind::kPressure, false, S::kPressurePoint, L::kPressure, 6,
     85, nullptr, nullptr, nullptr},
};

}  // namespace

const PageDescriptor& DescriptorOf(PageClass page) {
    return kDescriptors[PageIndex(page)];
}

const char* PageTitle(PageClass page, int water) {
    if (page == PageClass::kMuWater) return WaterChemistryTitle(water);
    if (page == PageClass::kMuValues) return WaterIndicatorsTitle(water);
    return DescriptorOf(page).title;
}

ReportSource PageReportSource(PageClass page) {
    const PageDescriptor& d = DescriptorOf(page);
    ReportSource source;
    source.profile = d.profile;
    if (d.copy == CopySource::kBlend)
        source.water = WaterSelector::kMixed;
    else if (d.oneWater)
        source.water = pageStates[PageIndex(page)].shownWater;
    else
        source.water = WaterSelector::kMultiMixSource;
    return source;
}

int ResultPageWidthCells(PageClass page) {
    const int cells = DescriptorOf(page).widthCells;
    if (cells != 0) return cells;
    const int last = multiMixState.lastWaterIndex;
    return last < 7 ? 82 : 11 * last + 16;
}

int ResultPageWidth(PageClass page, int cellWidth) {
    return ResultPageWidthCells(page) * cellWidth + 2 * win::GetSystemMetrics(win::SM_CXFRAME) +
           win::GetSystemMetrics(win::SM_CXVSCROLL);
}
