// A change of units and back again gives the very numbers it started from, for
// every unit of every item; the calcium and temperature of a sea water read as the
// new units write them.
#include "input/units/unit_change.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "input/units/unit_choices.h"

namespace {

namespace E = AnalysisElement;

constexpr uint16_t kMgPerL = ReportingMode::kMgPerL;

WaterAnalysis SeaWater() {
    WaterAnalysis w{};
    float* v = w.values;
    v[E::kPh] = 8.1f;
    v[E::kCalcium] = 412.0f;
    v[E::kMagnesium] = 1290.0f;
    v[E::kSodium] = 10760.0f;
    v[E::kPotassium] = 399.0f;
    v[E::kChloride] = 19350.0f;
    v[E::kSulfate] = 2710.0f;
    v[E::kMAlkalinity] = 140.0f;
    v[E::kTemperature] = 77.0f;
    v[E::kPressure] = 1.5f;
    v[E::kDensity] = 1.025f;
    v[E::kPco2] = 0.002f;
    v[E::kPH2S] = 0.001f;
    const int others[] = {
        E::kIron,      E::kAmmonia,  E::kAluminum, E::kBoron,     E::kH2S,           E::kSilica,
        E::kPhosphate, E::kFluoride, E::kNitrate,  E::kStrontium, E::kBarium,        E::kLithium,
        E::kManganese, E::kLead,     E::kBromine,  E::kZinc,      E::kPolyphosphate, E::kOxalate,
        E::kBrineFlow, E::kOilFlow,  E::kGasFlow};
    for (int e : others) v[e] = 7.5f;
    return w;
}

TEST(UnitChange, EveryUnitAndBackGivesTheSameWater) {
    const WaterAnalysis sea = SeaWater();
    const UnitCodes base{};
    for (int item = 0; item < UnitItem::kCount; ++item) {
        for (int code = 1; code <= MaxUnitChoice(item); ++code) {
            UnitCodes other = base;
            other.code[item] = static_cast<uint16_t>(code);
            WaterAnalysis w = sea;
            ConvertAnalysisUnits(w.values, UnitBasis{base, kMgPerL, 2},
                                 UnitBasis{other, kMgPerL, 2});
            ConvertAnalysisUnits(w.values, UnitBasis{other, kMgPerL, 2},
                                 UnitBasis{base, kMgPerL, 2});
            for (int e = 0; e < E::kCount; ++e)
                EXPECT_EQ(w.values[e], sea.values[e])
                    << "item " << item << " code " << code << " element " << e;
        }
    }
}

TEST(UnitChange, CalciumAsCaCO3AndDegreesCelsius) {
    WaterAnalysis w = SeaWater();
    UnitCodes after{};
    after.code[UnitItem::kCalcium] = 1;
    after.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
    after.code[UnitItem::kDensity] = 1;
    const UnitCodes before{};
    ConvertAnalysisUnits(w.values, UnitBasis{before, kMgPerL, 2}, UnitBasis{after, kMgPerL, 2});
    const double asCaCO3 = 412.0 * 100.09 / 40.08;
    EXPECT_NEAR(w.values[E::kCalcium], asCaCO3, 0.002 * asCaCO3);
    EXPECT_NEAR(w.values[E::kTemperature], 25.0, 1e-4);
    EXPECT_NEAR(w.values[E::kDensity], 1.025 * 8.34, 1e-4);
    // What did not change unit stays exactly as typed.
    EXPECT_EQ(w.values[E::kSodium], 10760.0f);
    EXPECT_EQ(w.values[E::kPh], 8.1f);
    EXPECT_EQ(w.values[E::kMAlkalinity], 140.0f);
}

// Into epm and back: the water's mg/L over each ion's equivalent weight, so
// calcium is 412 / 20.04 meq/L, and back in mg/L exactly as typed.
TEST(UnitChange, MilliequivalentsAndBack) {
    const WaterAnalysis sea = SeaWater();
    const UnitCodes codes{};
    const UnitBasis mg{codes, kMgPerL, 2};
    const UnitBasis epm{codes, ReportingMode::kEpm, 2};
    WaterAnalysis w = sea;
    ConvertAnalysisUnits(w.values, mg, epm);
    EXPECT_NEAR(w.values[E::kCalcium], 412.0 / (40.08 / 2.0), 0.01);
    EXPECT_NEAR(w.values[E::kChloride], 19350.0 / 35.453, 0.05);
    EXPECT_EQ(w.values[E::kTemperature], 77.0f);
    ConvertAnalysisUnits(w.values, epm, mg);
    for (int e = 0; e < E::kCount; ++e) EXPECT_EQ(w.values[e], sea.values[e]) << e;
}

TEST(UnitChange, CorrosionRateBetweenMpyAndMmPerYear) {
    UnitCodes mm{};
    mm.code[UnitItem::kCorrosionRate] = 1;
    EXPECT_NEAR(ConvertCorrosionRate(10.0f, UnitCodes{}, mm), 0.254, 1e-6);
    EXPECT_NEAR(ConvertCorrosionRate(0.254f, mm, UnitCodes{}), 10.0, 1e-4);
    EXPECT_EQ(ConvertCorrosionRate(3.0f, mm, mm), 3.0f);
}

}  // namespace
