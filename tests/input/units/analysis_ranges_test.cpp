// The ranges of the analysis values that the water form and the work-file
// readers share: the edges of each kind, in the user's units.
#include "input/units/analysis_ranges.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "common/water_analysis.h"
#include "input/unit_factor_records.h"
#include "input/unit_factor_table.h"

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
    // The temperature span of the engine's constants is the what-if ranges' one:
    // 30 to 572 degrees F; the pressure 0 to their highest, 1,000 atm.
    const Case cases[] = {
        {E::kPh, 14.0f, true},
        {E::kPh, 14.01f, false},
        {E::kPh, 0.0f, true},
        {E::kPh, -1.0f, true},  // to be predicted
        {E::kCompanionPh, -1.0f, true},
        {E::kCompanionPh, 15.0f, false},
        {E::kCalcium, 0.0f, true},
        {E::kCalcium, -5.0f, false},
        {E::kCalcium, 1.0e6f, true},
        {E::kCalcium, 2.0e6f, false},  // no more stored than the form takes
        {E::kMAlkalinity, -2.0e6f, false},
        {E::kDensity, -1.0f, false},
        {E::kPco2, -0.1f, false},
        {E::kAlkalinity, -50.0f, true},
        {E::kMAlkalinity, -5.0f, true},
        {E::kAcidity, -5.0f, true},
        {E::kBrineFlow, 1.0e9f, true},
        // A liquid flow's ceiling is 1e30 L a day, in barrels here; a gas
        // flow's 1e30 MMCF/D.
        {E::kBrineFlow, 6.2e27f, true},
        {E::kOilFlow, 6.4e27f, false},
        {E::kGasFlow, 1.0e30f, true},
        // A stored temperature is one the form takes in the file's unit (a
        // change of units that would carry it past is refused): 270 K would
        // be 26.33 F, 578 K 580.73 F, and neither is held.
        {E::kTemperature, 30.0f, true},
        {E::kTemperature, 572.0f, true},
        {E::kTemperature, 29.9f, false},
        {E::kTemperature, 26.4f, false},
        {E::kTemperature, 572.572f, false},
        {E::kTemperature, 580.7f, false},
        {E::kPressure, 0.0f, true},
        {E::kPressure, 1000.0f, true},
        {E::kPressure, 1000.5f, false},
        {E::kSpeciesGiven, 2.0f, false},
        {E::kAlkalinityMode, 8.0f, false},
        {E::kIonicStrength, -3.0f, true},  // the engine's own
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
        uint16_t pressureUnit;
        double low, high, highestPressure;
    };
    // What the form types, and what a stored water may hold: the temperature
    // the form takes; a pressure that, or what a value typed in another
    // unit's range becomes in this one (1,000 atm 1,013.25 bar, 14,700 psia
    // 101,352 kPa).
    struct Stored {
        double low, high, highestPressure;
    };
    const std::pair<Case, Stored> cases[] = {
        {{TemperatureUnit::kCelsius, PressureUnit::kBar, -2.0, 300.0, 1000.0},
         {-2.0, 300.0, 1013.5}},
        {{TemperatureUnit::kKelvin, PressureUnit::kPsia, 270.0, 578.0, 14700.0},
         {270.0, 578.0, 14700.0}},
        {{TemperatureUnit::kFahrenheit, PressureUnit::kKPa, 30.0, 572.0, 100000.0},
         {30.0, 572.0, 101352.0}}};
    for (const auto& [c, s] : cases) {
        const UnitCodes u = Units(c.temperatureUnit, c.pressureUnit);
        const AnalysisValueRange typed = RangeOfKind(FieldKind::kTemperature, u);
        EXPECT_DOUBLE_EQ(typed.low, c.low);
        EXPECT_DOUBLE_EQ(typed.high, c.high);
        EXPECT_DOUBLE_EQ(RangeOfKind(FieldKind::kPressure, u).high, c.highestPressure);
        const AnalysisValueRange t = RangeOfAnalysisValue(E::kTemperature, u);
        EXPECT_NEAR(t.low, s.low, 0.02) << c.temperatureUnit;
        EXPECT_NEAR(t.high, s.high, 0.02) << c.temperatureUnit;
        EXPECT_NEAR(RangeOfAnalysisValue(E::kPressure, u).high, s.highestPressure,
                    1e-4 * s.highestPressure)
            << c.pressureUnit;
    }
}

// The most a water holds, 1,000,000 mg/L, in the unit the user reads the
// element in: as CaCO3 it is 2.5 times as much, in meq/l a twentieth; values
// that may be in either are held to the larger.
TEST(AnalysisRanges, TheConcentrationCeilingFollowsTheUnit) {
    InitUnitFactors();
    UnitCodes u{};
    u.code[UnitItem::kCalcium] = 1;  // as CaCO3
    // 100.09 mg of CaCO3 hold 40.08 mg of calcium; a meq of calcium is 20.04 mg.
    EXPECT_NEAR(HighestConcentration(E::kCalcium, u, ReportingMode::kMgPerL), 2.497e6, 2.0e3);
    EXPECT_NEAR(HighestConcentration(E::kCalcium, u, ReportingMode::kEpm), 49900.0, 50.0);
    EXPECT_NEAR(HighestConcentration(E::kCalcium, u, -1), 2.497e6, 2.0e3);
    EXPECT_DOUBLE_EQ(HighestConcentration(-1, u, ReportingMode::kEpm), 1.0e6);
    // Manganese, zinc and oxalate as CaCO3 likewise (seen failing: a flat
    // 1,000,000, which a change of units carried past): 100.09 mg of CaCO3 per
    // 54.94 mg of manganese, 65.38 of zinc, 88.02 of oxalate.
    const struct {
        int element;
        int item;
        double molarMass;
    } asCaCO3[] = {{E::kManganese, UnitItem::kManganese, 54.94},
                   {E::kZinc, UnitItem::kZinc, 65.38},
                   {E::kOxalate, UnitItem::kOxalate, 88.02}};
    for (const auto& c : asCaCO3) {
        u.code[c.item] = 1;
        const double want = 1.0e6 * 100.09 / c.molarMass;
        EXPECT_NEAR(HighestConcentration(c.element, u, ReportingMode::kMgPerL), want, 1e-3 * want)
            << c.element;
    }
    ResetUnitFactorRecords();
}

}  // namespace
