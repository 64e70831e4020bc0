// The ranges of the analysis values that the water form and the work-file
// readers share: the edges of each kind, in the user's units.
#include "engine/inputs/analysis_ranges.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/water_analysis.h"

namespace {

namespace E = AnalysisElement;

UnitCodes Units(uint16_t temperature, uint16_t pressure) {
    UnitCodes u{};
    u.code[UnitItem::kTemperature] = temperature;
    u.code[UnitItem::kPressure] = pressure;
    return u;
}

TEST(AnalysisRanges, EachKindOfValueHasItsEdges) {
    const UnitCodes f = Units(TemperatureUnit::kFahrenheit, PressureUnit::kAtm);
    struct Case {
        int element;
        float value;
        bool allowed;
    };
    // 0 to 300 degrees C is 32 to 572 degrees F; 20,000 psia is 1,360.92 atm
    // (psia x 0.068046).
    const Case cases[] = {
        {E::kPh, 14.0f, true},           {E::kPh, 14.01f, false},
        {E::kPh, 0.0f, true},            {E::kPh, -1.0f, true},  // to be predicted
        {E::kPh, -0.5f, false},          {E::kCompanionPh, -1.0f, true},
        {E::kCalcium, 0.0f, true},       {E::kCalcium, -5.0f, false},
        {E::kCalcium, 2.0e6f, true},     {E::kCalcium, 1.0e20f, false},
        {E::kDensity, -1.0f, false},     {E::kPco2, -0.1f, false},
        {E::kAlkalinity, -50.0f, true},  {E::kMAlkalinity, -5.0f, true},
        {E::kAcidity, -5.0f, true},      {E::kBrineFlow, 1.0e9f, true},
        {E::kTemperature, 32.0f, true},  {E::kTemperature, 31.9f, false},
        {E::kTemperature, 572.0f, true}, {E::kTemperature, 572.1f, false},
        {E::kPressure, 0.0f, true},      {E::kPressure, 1360.0f, true},
        {E::kPressure, 1362.0f, false},  {E::kSpeciesGiven, 2.0f, false},
        {E::kAlkalinityMode, 8.0f, false}, {E::kIonicStrength, -3.0f, true},  // engine's own
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnalysisValueAllowed(c.element, c.value, f), c.allowed)
            << c.element << " " << c.value;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (int e : {E::kPh, E::kCalcium, E::kAlkalinity, E::kIonicStrength})
        EXPECT_FALSE(AnalysisValueAllowed(e, nan, f)) << e;
}

TEST(AnalysisRanges, TemperatureAndPressureFollowTheUnits) {
    struct Case {
        uint16_t temperatureUnit;
        double low;
        double high;
    };
    for (const Case& c : {Case{TemperatureUnit::kCelsius, 0.0, 300.0},
                          Case{TemperatureUnit::kKelvin, 273.16, 573.16}}) {
        const AnalysisValueRange r = RangeOfAnalysisValue(E::kTemperature, Units(c.temperatureUnit, 0));
        EXPECT_DOUBLE_EQ(r.low, c.low);
        EXPECT_DOUBLE_EQ(r.high, c.high);
    }
    // 20,000 psia: 1,378.96 bar (x 0.068948), 137,896 kPa.
    EXPECT_NEAR(RangeOfAnalysisValue(E::kPressure, Units(0, PressureUnit::kBar)).high, 1378.96, 0.01);
    EXPECT_DOUBLE_EQ(RangeOfAnalysisValue(E::kPressure, Units(0, PressureUnit::kPsia)).high, 20000.0);
    EXPECT_NEAR(RangeOfAnalysisValue(E::kPressure, Units(0, PressureUnit::kKPa)).high, 137896.0, 0.1);
}

}  // namespace
