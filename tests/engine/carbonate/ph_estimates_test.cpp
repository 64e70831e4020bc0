// pH estimates: the prediction curves, waters without carbonate, the carbonic
// acid pairs, the carbonate charge balance and the alkalinity search, with hand
// calculations; no estimate may come out infinite.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/carbonate/carbonate_species.h"
#include "tests/engine/carbonate/carbonate_fixture.h"

namespace {

using namespace carbonate_test;
namespace AE = AnalysisElement;

// A water whose total carbonate is set, so that the curves apply.
CarbonateWorld CurveWater(uint16_t method, float alkalinity) {
    CarbonateWorld w;
    w.control.phPredictionMethod = method;
    w.Value(AE::kAlkalinity) = alkalinity;
    w.Value(AE::kTotalCarbonate) = 2e-3f;
    return w;
}

TEST(EstimatepH, PredictionCurves) {
    // A = 100 mg/L as CaCO3 (log10 = 2); 100 ppm as CaCO3 or 2 epm (x 50.05), per
    // kilogram, which the specific gravity 1.1 makes 110 and 110.11 mg/L. The
    // extrapolated curve is read where it was drawn, in the analysis unit.
    const double ppm = 110.0, epm = 2.0 * 50.05 * 1.1;
    const struct {
        uint16_t method;
        uint16_t reporting;
        float alkalinity;
        double pH;
    } cases[] = {
        {0, ReportingMode::kMgPerL, 100.0f, 1.43 * 2 + 4.5},
        {0, ReportingMode::kEpm, 2.0f, 1.43 * std::log10(epm) + 4.5},
        {1, ReportingMode::kMgPerL, 100.0f, 5.0 + 0.01 * 100 + 10.0 / 100 + 1.0 * 2},
        {1, ReportingMode::kEpm, 2.0f, 5.0 + 0.01 * epm + 10.0 / epm + std::log10(epm)},
        {1, ReportingMode::kPpm, 100.0f, 5.0 + 0.01 * ppm + 10.0 / ppm + std::log10(ppm)},
        {2, ReportingMode::kMgPerL, 100.0f, 1.7177 * 2 + 4.1333},
        {2, ReportingMode::kPpm, 100.0f, 1.7177 * std::log10(ppm) + 4.1333},
        {3, ReportingMode::kMgPerL, 100.0f, 3.0 + 1.43 * 2},
        {3, ReportingMode::kPpm, 100.0f, 3.0 + 1.43 * 2},
        {3, ReportingMode::kEpm, 2.0f, 3.0 + 1.43 * std::log10(100.1)},
        {6, ReportingMode::kMgPerL, 100.0f, 1.477551 * 2 + 5.0994143},
    };
    for (const auto& c : cases) {
        CarbonateWorld w = CurveWater(c.method, c.alkalinity);
        w.Value(AE::kResultScale) = 1.1f;
        w.reportingMode = c.reporting;
        w.userCurve = {5.0f, 0.01f, 10.0f, 1.0f};
        w.extrapolatedCurve = {3.0f, 0.0f, 0.0f, 1.43f};
        float pH = -9.0f;
        auto ctx = w.Species();
        EstimatepH(ctx, pH);
        EXPECT_NEAR(pH, c.pH, 1e-5) << "method " << c.method << ", basis " << c.reporting;
        float fromAlk = -9.0f;
        EXPECT_EQ(pHFromAlk(ctx, fromAlk, c.alkalinity), 0);
        EXPECT_NEAR(fromAlk, c.pH, 1e-5) << "method " << c.method << ", basis " << c.reporting;
    }
}

TEST(EstimatepH, NoEstimateLeavesTheOutput) {
    for (uint16_t method : {5, 7, 200}) {
        CarbonateWorld w = CurveWater(method, 100.0f);
        float pH = 6.5f;
        auto ctx = w.Species();
        EstimatepH(ctx, pH);
        EXPECT_EQ(pH, 6.5f);
        EXPECT_EQ(pHFromAlk(ctx, pH, 100.0f), 0);
        EXPECT_EQ(pH, 6.5f);
    }
}

TEST(EstimatepH, WaterWithoutCarbonate) {
    CarbonateWorld w = CurveWater(0, 100.0f);
    w.Value(AE::kTotalCarbonate) = 0.0f;
    w.Value(AE::kPh) = 8.8f;
    float pH = 0.0f;
    auto ctx = w.Species();
    EstimatepH(ctx, pH);
    EXPECT_FLOAT_EQ(pH, 4.3f);
    w.constants.k1 = 0.0f;  // no constants: the water's own pH
    EstimatepH(ctx, pH);
    EXPECT_FLOAT_EQ(pH, 8.8f);
}

TEST(EstimatepH, DissolvedCO2AloneInEitherTemperatureUnit) {
    // 25 C and 77 F must give the same estimate; total carbonate and the CO2
    // copy take the dissolved CO2.
    const struct {
        uint16_t unit;
        float t;
    } cases[] = {{TemperatureUnit::kCelsius, 25.0f},
                 {TemperatureUnit::kFahrenheit, 77.0f},
                 {TemperatureUnit::kKelvin, 298.16f}};
    const double expected = (0.0138 * 25.0 + 1.12 - std::log10(50.0)) * 0.5;
    for (const auto& c : cases) {
        CarbonateWorld w = CurveWater(0, 0.0f);
        w.Value(AE::kTotalCarbonate) = 0.0f;
        w.Value(AE::kAcidity) = 50.0f;
        w.Value(AE::kTemperature) = c.t;
        w.units.code[UnitItem::kTemperature] = c.unit;
        float pH = 0.0f;
        auto ctx = w.Species();
        EstimatepH(ctx, pH);
        EXPECT_NEAR(pH, expected, 1e-4) << c.unit;
        EXPECT_EQ(w.Value(AE::kTotalCarbonate), 50.0f);
        EXPECT_EQ(w.dissolvedCO2, 50.0f);
    }
}

TEST(EstimatepH, AcidWaterTakesThePhOfItsStrongAcid) {
    // -50 mg/L as CaCO3 is 1 meq/L of strong acid: pH about 3 (plus the
    // 10^-4.3 of a water without carbonate).
    CarbonateWorld w = CurveWater(0, -50.0f);
    w.Value(AE::kTotalCarbonate) = 0.0f;
    float pH = 0.0f;
    auto ctx = w.Species();
    EstimatepH(ctx, pH);
    EXPECT_NEAR(pH, -std::log10(50.0 / 50044.7 + std::pow(10.0, -4.3)), 1e-4);
}

TEST(EstimatepH, ZeroAlkalinityTakesPk1) {
    CarbonateWorld w = CurveWater(2, 0.0f);
    float pH = 0.0f;
    auto ctx = w.Species();
    EstimatepH(ctx, pH);
    EXPECT_NEAR(pH, 6.35, 1e-5);
    float untouched = 3.0f;
    EXPECT_EQ(pHFromAlk(ctx, untouched, 0.0f), -1);
    EXPECT_EQ(untouched, 3.0f);
}

TEST(SolvepHStep, CarbonicAcidPairs) {
    const CarbonateState k = TextbookConstants();
    float pH = -1.0f;
    // 1 mmol/L H2CO3 and HCO3-: pH = pK1.
    EXPECT_EQ(SolvepHStep(k, kMmolH2co3, kMmolHco3, 0.0f, pH), 0);
    EXPECT_NEAR(pH, 6.35, 1e-5);
    // Ten times more CO3-- than HCO3-: pH = pK2 + 1.
    EXPECT_EQ(SolvepHStep(k, 0.0f, kMmolHco3, 10 * kMmolCo3, pH), 0);
    EXPECT_NEAR(pH, 11.33, 1e-5);
    // No bicarbonate, or no carbonic acid beside it: no pH (never +infinity).
    EXPECT_EQ(SolvepHStep(k, kMmolH2co3, 0.0f, 5.0f, pH), 1);
    EXPECT_EQ(pH, 0.0f);
    pH = 7.0f;
    EXPECT_EQ(SolvepHStep(k, 0.0f, kMmolHco3, 0.0f, pH), 1);
    EXPECT_EQ(pH, 0.0f);
}

TEST(PhEstimates, NeverInfiniteOnAnyInput) {
    std::mt19937 rng(4242);
    std::uniform_real_distribution<double> exponent(-40.0, 38.0);
    std::uniform_int_distribution<int> pick(0, 7);
    auto wide = [&] {
        const int kind = pick(rng);
        if (kind == 0) return 0.0f;
        const float v = static_cast<float>(std::pow(10.0, exponent(rng)));
        return kind < 4 ? v : -v;
    };
    for (int i = 0; i < 5000; ++i) {
        CarbonateWorld w;
        w.control.phPredictionMethod = static_cast<uint16_t>(pick(rng));
        w.constants.k1 = std::fabs(wide());
        w.constants.k2 = std::fabs(wide());
        w.constants.gammaH = std::fabs(wide());
        w.userCurve = {wide(), wide(), wide(), wide()};
        w.extrapolatedCurve = {wide(), wide(), wide(), wide()};
        for (int e : {AE::kAlkalinity, AE::kTotalCarbonate, AE::kAcidity, AE::kBicarbonate,
                      AE::kCarbonate}) {
            w.Value(e) = wide();
        }
        auto ctx = w.Species();
        float pH = 7.0f;
        EstimatepH(ctx, pH);
        EXPECT_FALSE(std::isinf(pH)) << i;
        float fromAlk = 7.0f;
        (void)pHFromAlk(ctx, fromAlk, wide());
        EXPECT_FALSE(std::isinf(fromAlk)) << i;
        float step = 7.0f;
        (void)SolvepHStep(w.constants, wide(), wide(), wide(), step);
        EXPECT_FALSE(std::isinf(step)) << i;
    }
}

TEST(SolvepHFromCarbonate, BalancesAcidityAndAlkalinity) {
    const CarbonateState k = TextbookConstants();
    float pH = 3.0f;
    EXPECT_EQ(SolvepHFromCarbonate(k, 0, 0.0f, 0.0f, pH), 0);
    EXPECT_EQ(pH, 7.0f);

    // A water of 3 mmol/L carbon at a pH where CO3-- is negligible, described by
    // its acidity (H2CO3 + HCO3- + H+ - OH-) and alkalinity (HCO3- + 2 CO3-- +
    // OH- - H+): the solver gives the pH back.
    for (double truePh : {5.5, 6.35, 7.0}) {
        const Molar m = SpeciateMolar(3e-3, truePh, k);
        const double h = std::pow(10.0, -truePh);
        const double acidity = m.h2co3 + m.hco3 + h - kKw / h;
        const double alkalinity = AlkalinityEq(m, truePh, k);
        (void)SolvepHFromCarbonate(k, 0, static_cast<float>(acidity),
                                   static_cast<float>(alkalinity), pH);
        EXPECT_NEAR(pH, truePh, 0.01) << truePh;
    }
}

TEST(SolvepHFromCarbonate, StaysWithinTheWaterRange) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> exponent(-12.0, 2.0);
    std::uniform_int_distribution<int> sign(0, 1);
    for (int i = 0; i < 2000; ++i) {
        CarbonateState k = TextbookConstants();
        k.k1 = static_cast<float>(std::pow(10.0, exponent(rng) - 4));
        k.k2 = static_cast<float>(std::pow(10.0, exponent(rng) - 8));
        const float acidity =
            static_cast<float>((sign(rng) ? 1 : -1) * std::pow(10.0, exponent(rng)));
        const float alkalinity =
            static_cast<float>((sign(rng) ? 1 : -1) * std::pow(10.0, exponent(rng)));
        float pH = 0.0f;
        (void)SolvepHFromCarbonate(k, 0, acidity, alkalinity, pH);
        // The search folds back inside 0..14 with at most three quarters of a
        // half step outside.
        EXPECT_TRUE(std::isfinite(pH));
        EXPECT_GE(pH, -0.375f);
        EXPECT_LE(pH, 14.375f);
    }
}

TEST(SolveAlkForpH, FindsTheAlkalinityOfTheTarget) {
    // Method 0: pH = 1.43 log10(A) + 4.5, so pH 7.36 needs A = 100.
    CarbonateWorld w = CurveWater(0, 0.0f);
    auto ctx = w.Species();
    float alkalinity = 0.0f;
    EXPECT_EQ(SolveAlkForpH(ctx, 6.93f, 7.36f, 50.0f, alkalinity), 0);
    EXPECT_NEAR(alkalinity, 100.0, 100.0 * 0.001 / 1.43 * std::log(10.0) * 1.01);
    EXPECT_EQ(SolveAlkForpH(ctx, 8.5f, 7.36f, 400.0f, alkalinity), 0);
    EXPECT_NEAR(alkalinity, 100.0, 100.0 * 0.001 / 1.43 * std::log(10.0) * 1.01);

    // Start within 0.001 of the target: the start alkalinity.
    EXPECT_EQ(SolveAlkForpH(ctx, 7.0f, 7.0005f, 123.0f, alkalinity), 0);
    EXPECT_EQ(alkalinity, 123.0f);

    // Below the pH of the least alkalinity (1e-5 gives pH -2.65): unreachable.
    EXPECT_EQ(SolveAlkForpH(ctx, 7.0f, -5.0f, 100.0f, alkalinity), -1);
    EXPECT_EQ(alkalinity, 0.0f);
}

}  // namespace
