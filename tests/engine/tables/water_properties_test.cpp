// Properties of water against published values: the saturation pressure against
// steam tables, density, dielectric constant, Debye-Hückel parameters and Kw at 25 C.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/tables/water_properties.h"

namespace {

struct SaturationPoint {
    double temperatureK;
    double pressureMPa;
};

// Saturation pressures of water: the three check values of IAPWS-IF97 (Table 35 of
// the release: 300, 500 and 600 K) and steam-table values (IAPWS-95, Wagner and
// Pruss 2002) from the triple point to 300 C.
constexpr SaturationPoint kSteamTable[] = {
    {273.16, 0.000611655},  // triple point
    {283.15, 0.0012282},    // 10 C
    {298.15, 0.0031699},    // 25 C
    {300.0, 0.353658941e-2},
    {323.15, 0.012352},     // 50 C
    {373.15, 0.101418},     // 100 C
    {423.15, 0.47616},      // 150 C
    {473.15, 1.5549},       // 200 C
    {500.0, 0.263889776e1},
    {523.15, 3.9762},       // 250 C
    {573.15, 8.5879},       // 300 C
    {600.0, 0.123443146e2},
};

TEST(WaterSaturationPressure, AgreesWithSteamTablesFrom0To300C) {
    for (const SaturationPoint& p : kSteamTable) {
        const double computed = CalcWaterSatPressure(static_cast<float>(p.temperatureK));
        EXPECT_NEAR(computed, p.pressureMPa, 0.001 * p.pressureMPa) << p.temperatureK << " K";
    }
}

TEST(WaterSaturationPressure, EngineTemperaturesGiveThePsiaTheEngineRaisesTo) {
    // 25 C and 150 C with the engine's kelvin (C + 273.16).
    EXPECT_NEAR(CalcWaterSatPressure(298.16f), 0.0031716, 0.0000005);
    EXPECT_NEAR(CalcWaterSatPressure(298.16f) * kPsiaPerMPa, 0.46, 0.005);
    EXPECT_NEAR(CalcWaterSatPressure(423.16f), 0.47623, 0.00005);
    EXPECT_NEAR(CalcWaterSatPressure(423.16f) * kPsiaPerMPa, 69.07, 0.01);
}

TEST(WaterSaturationPressure, StaysFiniteOutsideTheSaturationCurve) {
    // No saturation above the critical point: the critical pressure holds.
    EXPECT_FLOAT_EQ(CalcWaterSatPressure(700.0f), 22.064f);
    EXPECT_FLOAT_EQ(CalcWaterSatPressure(647.096f), 22.064f);
    EXPECT_NEAR(CalcWaterSatPressure(647.0f), 22.05, 0.05);
    EXPECT_EQ(CalcWaterSatPressure(0.0f), 0.0f);
    EXPECT_EQ(CalcWaterSatPressure(-10.0f), 0.0f);
    EXPECT_EQ(CalcWaterSatPressure(NAN), 0.0f);
    const float cold = CalcWaterSatPressure(250.0f);  // supercooled: tiny but finite
    EXPECT_TRUE(std::isfinite(cold));
    EXPECT_GT(cold, 0.0f);
    EXPECT_LT(cold, 0.000611f);
}

TEST(WaterProperties, DensityAt25CAndMaximumNear4C) {
    // The fit gives density relative to the maximum, 0.999972 g/cm3 at 3.98 C (Kell
    // 1975); at 25 C Kell's 0.997047 g/cm3 is 0.997075 of it.
    EXPECT_NEAR(WaterDensityForKw(25.0), 0.997047 / 0.999972, 0.000005);
    EXPECT_NEAR(WaterDensityForKw(3.98), 1.0, 0.000001);
    EXPECT_LT(WaterDensityForKw(0.0), WaterDensityForKw(3.98));
    EXPECT_LT(WaterDensityForKw(10.0), WaterDensityForKw(3.98));
    EXPECT_NEAR(WaterDensityForActivity(25.0), 0.99705, 0.0005);
}

TEST(WaterProperties, DensityForActivityHoldsAtTheCriticalDensityAboveTheCriticalPoint) {
    const double critical = 1.0 / 3.1975;
    EXPECT_NEAR(WaterDensityForActivity(374.11), critical, 1e-12);
    EXPECT_NEAR(WaterDensityForActivity(450.0), critical, 1e-12);
    EXPECT_TRUE(std::isfinite(WaterDensityForActivity(374.10)));
}

TEST(WaterProperties, DielectricConstantChangesFormulaAt100C) {
    // 78.36 at 25 C (Malmberg and Maryott 1956).
    EXPECT_NEAR(DielectricConstant(25.0, 298.16), 78.36, 0.1);
    EXPECT_NEAR(DielectricConstant(99.999, 373.159), 55.648, 0.001);
    EXPECT_NEAR(DielectricConstant(100.0, 373.16), 55.321, 0.001);
}

TEST(WaterProperties, DebyeHuckelParametersAt25C) {
    // A = 0.5091 and B = 0.3283 (kg/mol)^0.5 at 25 C (Truesdell and Jones 1974).
    double a = 0.0, b = 0.0;
    EXPECT_EQ(CalcDebyeHuckelAB(298.16, 12345.0, a, b), 0);
    EXPECT_NEAR(a, 0.5091, 0.005 * 0.5091);
    EXPECT_NEAR(b, 0.3283, 0.003 * 0.3283);
    // A grows with temperature: 0.5998 near 100 C in the same tables.
    double a100 = 0.0, b100 = 0.0;
    EXPECT_EQ(CalcDebyeHuckelAB(373.16, 0.0, a100, b100), 0);
    EXPECT_NEAR(a100, 0.5998, 0.01 * 0.5998);
}

TEST(WaterProperties, IonProductOfWaterAt25C) {
    // pKw = 13.995 at 25 C (Marshall and Franck 1981, Table 2).
    const double logKw = LogKwMarshallFranck(298.16, WaterDensityForKw(25.0));
    EXPECT_NEAR(logKw, -13.995, 0.003);
}

}  // namespace
