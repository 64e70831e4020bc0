// Scaling indices: the saturation pH against Langelier's closed form, the
// Stiff-Davis table at its points and between and beyond them, the Oddo-Tomson and
// Stiff-Davis indices by hand, and the values of waters without calcium.
#include <gtest/gtest.h>

#include <cmath>

#include "common/index_code.h"
#include "engine/saturation/saturation_ratios.h"
#include "engine/saturation/scaling_indices.h"
#include "saturation_fixture.h"

TEST(SaturationPh, AgreesWithLangeliersClosedForm) {
    // Langelier: pHs = pK2 - pKs + pCa + pAlk where hydrogen and hydroxide are small
    // beside the alkalinity and K2 small beside H+; with coefficients of 1:
    // 10.33 - 8.48 + 3 + 2.69897 = 7.54897.
    double ryznar, langelier, pHs;
    CalcSaturationPh(1e-3, 2e-3, 1e-7, 1e-7, 1.0, 1.0, 8.0, std::pow(10.0, -10.33), 1e-14, -8.48,
                     ryznar, langelier, pHs);
    EXPECT_NEAR(pHs, 7.54897, 0.005);
    EXPECT_NEAR(langelier, 8.0 - pHs, 1e-12);
    EXPECT_NEAR(ryznar, 2.0 * pHs - 8.0, 1e-12);
}

TEST(SaturationPh, WithoutCalciumOrAlkalinity) {
    for (double caT : {0.0, -1e-3}) {
        double ryznar = 0, langelier = 0, pHs = 9;
        CalcSaturationPh(caT, 2e-3, 1e-7, 1e-7, 1, 1, 8, 1e-10, 1e-14, -8.48, ryznar, langelier,
                         pHs);
        EXPECT_EQ(pHs, 0.0);
        EXPECT_EQ(langelier, -14.0);
        EXPECT_EQ(ryznar, 14.0);
    }
    double ryznar, langelier, pHs;
    // Alkalinity entirely hydrogen-ion deficit: no carbonate alkalinity.
    CalcSaturationPh(1e-3, 1e-5, 0.0, 2e-5, 1, 1, 4.7, 1e-10, 1e-14, -8.48, ryznar, langelier, pHs);
    EXPECT_EQ(langelier, -14.0);
    EXPECT_EQ(ryznar, 14.0);
}

TEST(StiffDavisK, TablePointsBetweenAndBeyond) {
    struct Case {
        double i, t, k;
    };
    const Case cases[] = {
        {2.0, 0.0, 3.25},  // the entry that breaks the row's trend
        {0.0, 25.0, 2.43},
        {3.6, 90.0, 0.44},
        {1.2, 50.0, 2.83},
        {0.8, 10.0, 3.58},
        // Halfway in a 5-degree band and an ionic-strength band:
        // ((2.55 + 2.43) / 2 + (3.17 + 3.04) / 2) / 2.
        {0.2, 22.5, 2.7975},
        // Extrapolated from the last bands: t fraction 1.5 in 80..90 gives 0.52 at
        // I = 3.2 and 0.21 at 3.6; I fraction 2 gives 0.52 + 2 (0.21 - 0.52).
        {4.0, 95.0, -0.10},
        // Below both first bands: t fraction 0.5 gives 2.8 and 3.335; I fraction -0.5.
        {-0.2, 5.0, 2.5325},
    };
    for (const Case& c : cases) {
        double k = 0;
        InterpolateStiffDavisK(c.i, c.t, k);
        EXPECT_NEAR(k, c.k, 1e-9) << "I " << c.i << " t " << c.t;
    }
}

TEST(ScalingIndices, StiffDavisAndOddoTomsonByHand) {
    TestWater t;
    t.FillBrackish();
    t.w.ph = 7.5;
    t.w.calciumTotal = 1e-2;
    t.w.alkalinityTotal = 2e-3;
    t.w.ionicStrength = 0.8;
    t.w.sqrtIonicStrength = std::sqrt(0.8);
    t.w.pressurePsia = 1000.0;  // the pressure term takes psia: 3.03e-5 x 1000
    const ScalingIndices r = CalcScalingIndices(t.w, 100.0);
    // 7.5 - 3.3 (table at 25 C, I 0.8) - 2 - 2.698970
    EXPECT_NEAR(r.stiffDavis, -0.498970, 1e-6);
    // 7.5 - 2 - 2.698970 - 2.76 + 0.768460 + 0.003617 - 0.0303 - 2.100115 + 0.616
    EXPECT_NEAR(r.oddoTomson, -0.701308, 1e-5);
    // Puckorius with 100 mg/L alkalinity: equilibrium pH 4.54 + 1.465 x 2 = 7.47.
    EXPECT_NEAR(r.puckorius, 2.0 * r.saturationPh - 7.47, 1e-12);
    // Larson-Skold: (2 x 0.03 + 0.5) / (2 x 2e-4 + 2.1e-3) = 0.56 / 0.0025.
    EXPECT_NEAR(r.larsonSkold, 224.0, 1e-9);
}

TEST(ScalingIndices, WaterWithoutCalcium) {
    TestWater t;
    t.FillBrackish();
    t.Set(Ion::kCa, 0.0, 0.25);
    t.w.calciumTotal = 0.0;
    double slots[64] = {};
    for (double& s : slots) s = -5.0;
    CalcMineralRatios(t.w, slots);
    for (int slot : {IndexCode::kCalcite, IndexCode::kAragonite, IndexCode::kCalciumPhosphate,
                     IndexCode::kAnhydrite, IndexCode::kGypsum, IndexCode::kFluorite,
                     IndexCode::kHydroxyapatite, IndexCode::kCalciumOxalate})
        EXPECT_EQ(slots[slot], 0.0) << slot;
    const ScalingIndices r = CalcScalingIndices(t.w, 100.0);
    EXPECT_EQ(r.langelier, -14.0);
    EXPECT_EQ(r.ryznar, 14.0);
    EXPECT_EQ(r.puckorius, 14.0);
    EXPECT_EQ(r.stiffDavis, -14.0);
    EXPECT_EQ(r.oddoTomson, -14.0);
    EXPECT_EQ(CalcCalciumSilicateRatio(t.w), 0.0);
}

TEST(ScalingIndices, GuardValues) {
    TestWater t;
    t.FillBrackish();
    // A calcium total of exactly 1 mol/kg has a log of exactly 0.
    t.w.calciumTotal = 1.0;
    ScalingIndices r = CalcScalingIndices(t.w, 100.0);
    EXPECT_EQ(r.stiffDavis, -14.0);
    EXPECT_EQ(r.oddoTomson, -14.0);
    // No carbonate or bicarbonate: Larson-Skold 99.
    t.w.carbonateTotal = 0.0;
    t.w.bicarbonateTotal = 0.0;
    r = CalcScalingIndices(t.w, 100.0);
    EXPECT_EQ(r.larsonSkold, 99.0);
    EXPECT_EQ(r.puckorius, 14.0);
}

TEST(SaturationRatios, HydroxyapatiteCeilingAndHandValues) {
    TestWater t;
    t.FillBrackish();
    t.Set(Ion::kHPO4, 1e-2, 1.0);
    t.Set(Ion::kCa, 1e-1, 1.0);
    t.Set(Ion::kOH, 1e-2, 1.0);
    // D = 3 (-2) + 5 (-1) + 4 (-2) + 52.76 = 33.76
    double slots[64] = {};
    CalcMineralRatios(t.w, slots);
    EXPECT_EQ(slots[IndexCode::kHydroxyapatite], 1e30);

    // Calcite: a(Ca) a(CO3) / K = (1e-1)(1e-4 x 0.2) / 10^-8.48 = 2e-6 x 10^8.48.
    EXPECT_NEAR(slots[IndexCode::kCalcite] / (2e-6 * std::pow(10.0, 8.48)), 1.0, 1e-12);
    // Gypsum with a water activity of 0.9 carries aw^2.
    t.SetWaterActivity(0.9);
    double wet[64] = {};
    CalcMineralRatios(t.w, wet);
    EXPECT_NEAR(wet[IndexCode::kGypsum] / slots[IndexCode::kGypsum], 0.81, 1e-12);
    EXPECT_NEAR(wet[IndexCode::kAnhydrite], slots[IndexCode::kAnhydrite], 1e-15);
}
