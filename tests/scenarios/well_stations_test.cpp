// Station temperatures, pressures and depths of the well profiles: each of the
// three sources of the well-log profile, the after-flash rows, and the columns
// written no further than their station count.
#include "scenarios/wells/well_stations.h"

#include <gtest/gtest.h>

#include <array>

#include "common/unit_codes.h"

namespace {

constexpr int kStations = 12;

// Twelve-station columns with one sentinel value after each, so that a write
// past the last station shows.
struct Columns {
    std::array<float, kStations + 1> temperature;
    std::array<float, kStations + 1> pressure;
    std::array<float, kStations + 1> gauge;
    std::array<float, kStations + 1> depth;

    explicit Columns(float fill = -5.0f) {
        temperature.fill(fill);
        pressure.fill(fill);
        gauge.fill(fill);
        depth.fill(fill);
    }
    WellStationColumns View(int n = kStations, bool withDepth = true) {
        return {std::span<float>(temperature.data(), n), std::span<float>(pressure.data(), n),
                std::span<float>(gauge.data(), n),
                withDepth ? std::span<float>(depth.data(), n) : std::span<float>()};
    }
    void ExpectSentinels(int n) const {
        EXPECT_EQ(temperature[n], -5.0f);
        EXPECT_EQ(pressure[n], -5.0f);
        EXPECT_EQ(gauge[n], -5.0f);
        EXPECT_EQ(depth[n], -5.0f);
    }
};

WellLogSpecs Specs(float bottomT, float separatorT, float flashedT, float bottomP, float separatorP,
                   float depth) {
    WellLogSpecs s{};
    s.value[WellLogField::kBottomHoleTemperature] = bottomT;
    s.value[WellLogField::kSeparatorTemperature] = separatorT;
    s.value[WellLogField::kFlashedTemperature] = flashedT;
    s.value[WellLogField::kBottomHolePressure] = bottomP;
    s.value[WellLogField::kSeparatorPressure] = separatorP;
    s.value[WellLogField::kDepth] = depth;
    return s;
}

TEST(WellLogStations, RunFromSeparatorToBottomHoleInElevenSteps) {
    // Separator 90 F at 100 psia, bottom hole 200 F at 2300 psia: steps of 10 F
    // and 200 psi; gauge pressures 14.696 psi below.
    const WellLogSpecs specs = Specs(200.0f, 90.0f, 0.0f, 2300.0f, 100.0f, 0.0f);
    Columns col;
    BuildWellLogStations(WellPointSource::kWellLog, specs, WhatIfSettings{},
                         TemperatureUnit::kFahrenheit, PressureUnit::kPsia,
                         col.View(kStations, false));
    for (int k = 0; k < kStations; ++k) {
        EXPECT_NEAR(col.temperature[k], 90.0 + 10.0 * k, 1e-3) << k;
        EXPECT_NEAR(col.pressure[k], 100.0 + 200.0 * k, 1e-2) << k;
        EXPECT_NEAR(col.gauge[k], col.pressure[k] - 14.696, 1e-3) << k;
    }
    EXPECT_EQ(col.depth[0], -5.0f);  // the well-log profile keeps no depth
    col.ExpectSentinels(kStations);
}

// Above the boiling point the stations stand at the saturation pressure of
// water: 476.16 kPa at 150 C and 198.67 kPa at 120 C (IAPWS-IF97 steam
// tables), given as gauge pressure in the user's unit.
TEST(WellLogStations, SteamLineGivesTheSaturationPressureInTheUsersUnit) {
    WhatIfSettings range{};
    range.temperatureLow = 40.0f;  // stations every 10 C up to 150 C
    range.temperatureHigh = 150.0f;
    struct Case {
        uint16_t unit;
        double atmosphere;  // the unit's atmospheric offset
        double psiFactor;   // the unit per psi, by the program's conversions
    };
    const Case cases[] = {
        {PressureUnit::kAtm, 1.0, 0.068046},
        {PressureUnit::kBar, 1.01325, 0.068948},
        {PressureUnit::kPsia, 14.696, 1.0},
        {PressureUnit::kKPa, 101.325, 6.8948},
    };
    const double psiAt150 = 476.16 / 6.8948, psiAt120 = 198.67 / 6.8948;
    for (const Case& c : cases) {
        Columns col;
        BuildWellLogStations(WellPointSource::kSteamLine, Specs(0, 0, 0, 0, 0, 0), range,
                             TemperatureUnit::kCelsius, c.unit, col.View(kStations, false));
        for (int k = 0; k <= 6; ++k) {  // 40 to 100 C: open to the air
            EXPECT_EQ(col.gauge[k], 0.0f) << c.unit << " " << k;
            EXPECT_NEAR(col.pressure[k], c.atmosphere, 1e-5) << c.unit << " " << k;
        }
        EXPECT_NEAR(col.gauge[8], psiAt120 * c.psiFactor, 2e-3 * psiAt120 * c.psiFactor) << c.unit;
        EXPECT_NEAR(col.gauge[11], psiAt150 * c.psiFactor, 2e-3 * psiAt150 * c.psiFactor) << c.unit;
        EXPECT_NEAR(col.pressure[11], col.gauge[11] + c.atmosphere, 1e-3 * col.pressure[11]);
        col.ExpectSentinels(kStations);
    }

    // Fahrenheit and kelvin read the same line: 302 F and 423.16 K are 150 C.
    range.temperatureLow = 302.0f;
    range.temperatureHigh = 302.0f;
    Columns f;
    BuildWellLogStations(WellPointSource::kSteamLine, Specs(0, 0, 0, 0, 0, 0), range,
                         TemperatureUnit::kFahrenheit, PressureUnit::kPsia,
                         f.View(kStations, false));
    EXPECT_NEAR(f.gauge[5], psiAt150, 2e-3 * psiAt150);
    range.temperatureLow = range.temperatureHigh = 423.16f;
    Columns kelvin;
    BuildWellLogStations(WellPointSource::kSteamLine, Specs(0, 0, 0, 0, 0, 0), range,
                         TemperatureUnit::kKelvin, PressureUnit::kPsia,
                         kelvin.View(kStations, false));
    EXPECT_NEAR(kelvin.gauge[5], psiAt150, 2e-3 * psiAt150);
}

TEST(WellLogStations, TypicalPressureHoldsEveryStationAtTheEvaluationPressure) {
    WhatIfSettings range{};
    range.temperatureLow = 25.0f;
    range.temperatureHigh = 80.0f;
    range.pressureEval = 500.0f;
    Columns col;
    BuildWellLogStations(WellPointSource::kTypicalPressure, Specs(0, 0, 0, 0, 0, 0), range,
                         TemperatureUnit::kCelsius, PressureUnit::kKPa, col.View(kStations, false));
    for (int k = 0; k < kStations; ++k) {
        EXPECT_NEAR(col.temperature[k], 25.0 + 5.0 * k, 1e-4) << k;
        EXPECT_EQ(col.pressure[k], 500.0f);
        EXPECT_NEAR(col.gauge[k], 398.675, 1e-3);
    }
    // An unknown pressure unit leaves the gauge column as it was.
    Columns unknown;
    BuildWellLogStations(WellPointSource::kTypicalPressure, Specs(0, 0, 0, 0, 0, 0), range,
                         TemperatureUnit::kCelsius, 9, unknown.View(kStations, false));
    EXPECT_EQ(unknown.pressure[3], 500.0f);
    EXPECT_EQ(unknown.gauge[3], -5.0f);
}

// The after-flash rows: the flashed water at one atmosphere, the separator, then
// even steps to the bottom hole, which the last station holds exactly.
TEST(FlashStations, ElevenStationsBelowTheFlashedWater) {
    const WellLogSpecs specs = Specs(210.0f, 110.0f, 95.0f, 3100.0f, 100.0f, 8000.0f);
    Columns col;
    BuildFlashStations(specs, PressureUnit::kPsia, false, col.View());
    EXPECT_EQ(col.temperature[0], 95.0f);
    EXPECT_EQ(col.pressure[0], 14.7f);
    EXPECT_EQ(col.depth[0], 0.0f);
    EXPECT_EQ(col.gauge[0], -5.0f);  // not written for the flashed water in this profile
    EXPECT_EQ(col.temperature[1], 110.0f);
    EXPECT_EQ(col.pressure[1], 100.0f);
    EXPECT_EQ(col.depth[1], 0.0f);
    for (int k = 2; k < kStations; ++k) {  // ten steps of 10 F, 300 psi and 800 ft
        EXPECT_NEAR(col.temperature[k], 110.0 + 10.0 * (k - 1), 1e-3) << k;
        EXPECT_NEAR(col.pressure[k], 100.0 + 300.0 * (k - 1), 1e-2) << k;
        EXPECT_NEAR(col.depth[k], 800.0 * (k - 1), 1e-2) << k;
    }
    EXPECT_EQ(col.temperature[11], 210.0f);
    EXPECT_EQ(col.pressure[11], 3100.0f);
    EXPECT_EQ(col.depth[11], 8000.0f);
    for (int k = 1; k < kStations; ++k) EXPECT_NEAR(col.gauge[k], col.pressure[k] - 14.696, 1e-3);
    col.ExpectSentinels(kStations);

    // The minimum depth the driver puts in: 100 gives stations 10 apart.
    Columns shallow;
    BuildFlashStations(Specs(210, 110, 95, 3100, 100, 100.0f), PressureUnit::kPsia, false,
                       shallow.View());
    for (int k = 1; k < kStations; ++k) EXPECT_NEAR(shallow.depth[k], 10.0 * (k - 1), 1e-4);
}

TEST(FlashStations, FortyEightStationsWriteEveryGaugePressure) {
    constexpr int n = 49;
    std::array<float, n + 1> t, p, g, d;
    for (auto* a : {&t, &p, &g, &d}) a->fill(-5.0f);
    const WellLogSpecs specs = Specs(100.0f, 30.0f, 20.0f, 20.0f, 5.0f, 4700.0f);
    BuildFlashStations(specs, PressureUnit::kBar, true,
                       {std::span<float>(t.data(), n), std::span<float>(p.data(), n),
                        std::span<float>(g.data(), n), std::span<float>(d.data(), n)});
    EXPECT_EQ(p[0], 1.01325f);
    EXPECT_NEAR(g[0], 0.0, 1e-6);
    EXPECT_NEAR(d[2], 100.0, 1e-3);  // 4700 over 47 steps
    EXPECT_NEAR(t[25], 30.0 + 70.0 * 24 / 47, 1e-3);
    EXPECT_EQ(t[48], 100.0f);
    EXPECT_EQ(p[48], 20.0f);
    EXPECT_EQ(d[48], 4700.0f);
    EXPECT_NEAR(g[48], 20.0 - 1.01325, 1e-5);
    for (auto* a : {&t, &p, &g, &d}) EXPECT_EQ((*a)[n], -5.0f);

    // A depth of 0 leaves every station at depth 0.
    BuildFlashStations(Specs(100, 30, 20, 20, 5, 0.0f), PressureUnit::kBar, true,
                       {std::span<float>(t.data(), n), std::span<float>(p.data(), n),
                        std::span<float>(g.data(), n), std::span<float>(d.data(), n)});
    for (int k = 0; k < n; ++k) EXPECT_EQ(d[k], 0.0f) << k;
}

}  // namespace
