// The four corrosion models on synthetic saturation and analysis records.
// Expected rates are hand calculations of the correlations, written out beside
// each case (T in K = degrees C + 273.16).
#include "engine/corrosion/corrosion_models.h"

#include <gtest/gtest.h>

#include <cmath>

#include "input/unit_factor_table.h"

namespace {

using namespace corrosion;

class CorrosionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillUnitFactors(factors);
        units.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
        units.code[UnitItem::kPressure] = PressureUnit::kBar;
        units.code[UnitItem::kGasCo2] = 1;         // bar
        units.code[UnitItem::kGasH2S] = 1;         // bar
        units.code[UnitItem::kCorrosionRate] = 1;  // mm/yr
    }
    CorrosionInputs In() {
        return CorrosionInputs{saturation, analysis,
                               UnitContext{units, ReportingMode::kMgPerL, 2, factors}};
    }
    float factors[kUnitFactorRows][kUnitFactorColumns]{};
    UnitCodes units{};
    float saturation[kSaturationResultCount]{};
    float analysis[AnalysisElement::kCount]{};
};

TEST(CorrosionConversions, TemperaturePressureAndPartialPressure) {
    EXPECT_NEAR(TemperatureCelsius(212.0, TemperatureUnit::kFahrenheit), 100.0, 1e-12);
    EXPECT_NEAR(TemperatureCelsius(298.16, TemperatureUnit::kKelvin), 25.0, 1e-12);
    EXPECT_NEAR(PressureBar(1.0, PressureUnit::kAtm), 1.0132557, 1e-6);  // 0.068948 / 0.068046
    EXPECT_NEAR(PressureBar(100.0, PressureUnit::kPsia), 6.8948, 1e-12);
    EXPECT_NEAR(PressureBar(250.0, PressureUnit::kKPa), 2.5, 1e-12);
    // 100 ppm of CO2 in a gas at 10 bar is 0.001 bar; 5 percent of it 0.5 bar.
    EXPECT_NEAR(PartialPressureBar(100.0, 4, 10.0), 0.001, 1e-15);
    EXPECT_NEAR(PartialPressureBar(5.0, 5, 10.0), 0.5, 1e-15);
    EXPECT_NEAR(PartialPressureBar(14.5, 2, 99.0), 14.5 * 0.068948, 1e-12);
}

TEST(CorrosionConversions, FugacityCoefficientStopsAt250Bar) {
    // 10^(250 x (0.0031 - 1.4 / 373.16)) = 10^(-0.162935) = 0.687171
    EXPECT_NEAR(FugacityCoefficient(250.0, 373.16), 0.687171, 1e-5);
    EXPECT_DOUBLE_EQ(FugacityCoefficient(400.0, 373.16), FugacityCoefficient(250.0, 373.16));
}

TEST(CorrosionFactors, ProtectionFactorKeepsItsStepAt2_5) {
    EXPECT_EQ(ProtectionFactor(0.3), 1.0);
    EXPECT_EQ(ProtectionFactor(1.0), 1.0);
    EXPECT_NEAR(ProtectionFactor(1.5), 0.7, 1e-12);
    EXPECT_NEAR(ProtectionFactor(2.4999), 0.10006, 1e-9);
    EXPECT_EQ(ProtectionFactor(2.5), 0.6);
    EXPECT_EQ(ProtectionFactor(40.0), 0.6);
}

TEST(CorrosionFactors, FilmTermIsFiniteAndNeverRaisesTheRate) {
    const double ln15 = std::log(1.5);
    EXPECT_EQ(FilmTerm(0.99), 0.0);
    EXPECT_NEAR(FilmTerm(1.0), -ln15, 1e-12);
    // Just past saturation the unbounded -ln(r - 1) (about +16 here) is capped at 0.
    EXPECT_EQ(FilmTerm(1.0 + 1e-7), 0.0);
    EXPECT_EQ(FilmTerm(1.5), 0.0);
    EXPECT_EQ(FilmTerm(2.0), 0.0);
    EXPECT_NEAR(FilmTerm(2.2), -std::log(1.2), 1e-12);
    EXPECT_NEAR(FilmTerm(2.5), -ln15, 1e-12);
    EXPECT_NEAR(FilmTerm(1e30), -ln15, 1e-12);
    for (double r = 0.5; r < 4.0; r += 0.001) {
        const double g = FilmTerm(r);
        EXPECT_TRUE(std::isfinite(g)) << r;
        EXPECT_LE(g, 0.0) << r;
    }
}

TEST(CorrosionFactors, PhFunctionAtItsNodesAndBands) {
    // 5 C: flat 1.25945 below pH 3.5, the line from 3.5, the quadratic from 4.6,
    // 0.5018 from 6.5.
    EXPECT_NEAR(PhFunction(3.0, 5.0), 1.25945, 1e-12);
    EXPECT_NEAR(PhFunction(4.0, 5.0), 2.0676 - 0.2309 * 4.0, 1e-12);
    EXPECT_NEAR(PhFunction(5.0, 5.0), 4.342 - 1.051 * 5 + 0.0708 * 25, 1e-12);
    EXPECT_NEAR(PhFunction(7.0, 5.0), 0.5018, 1e-12);
    // 15 C continues its line below 3.5: 2.0676 - 0.2309 x 3 = 1.3749.
    EXPECT_NEAR(PhFunction(3.0, 15.0), 1.3749, 1e-12);
    // Below 5 C the 5 C function holds.
    EXPECT_NEAR(PhFunction(7.0, -10.0), 0.5018, 1e-12);
    // 90 C: the last band includes pH 6.5 (0.4014 - 0.0538 x 6.5 = 0.0517), the
    // exponential band starts at 4.57.
    EXPECT_NEAR(PhFunction(6.5, 90.0), 0.0517, 1e-12);
    EXPECT_NEAR(PhFunction(4.57, 90.0), 21254.0 * std::exp(-2.1811 * 4.57), 1e-9);
    EXPECT_NEAR(PhFunction(5.62, 120.0), 0.546125 - 0.071225 * 5.62, 1e-12);
    // 150 C and above: 1.0 below pH 3.8, 0.037 from 5.0.
    EXPECT_NEAR(PhFunction(3.7, 150.0), 1.0, 1e-12);
    EXPECT_NEAR(PhFunction(5.0, 200.0), 0.037, 1e-12);
    // Halfway between 80 C and 90 C at pH 7: (331.68 e^-8.2017 + 0.0517) / 2.
    EXPECT_NEAR(PhFunction(7.0, 85.0), (331.68 * std::exp(-8.2017) + 0.0517) / 2, 1e-12);
}

TEST(CorrosionFactors, RateConstantBetweenAndBeyondNodes) {
    EXPECT_NEAR(RateConstant(0.0), 0.42, 1e-12);
    EXPECT_NEAR(RateConstant(150.0), 5.203, 1e-12);
    EXPECT_NEAR(RateConstant(300.0), 5.203, 1e-12);
    EXPECT_NEAR(RateConstant(135.0), (7.77 + 5.203) / 2, 1e-12);
    EXPECT_NEAR(RateConstant(30.0), (4.762 + 8.927) / 2, 1e-12);
}

TEST_F(CorrosionTest, Co2KtAtHandCalculatedPoints) {
    // 60 C, 10 bar, pCO2 1 bar, pH 5: a = 10^(10 (0.0031 - 1.4 / 333.16)) = 0.974941;
    // f = 15.444 - 6.1291 x 5 + 0.8204 x 25 - 0.0371 x 125 = 0.671;
    // rate = 10.695 a^0.62 (80/19)^(0.146 + 0.0324 log10 a) f = 8.70963 mm/yr.
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 1.0), 8.70963, 1e-4);
    // 10 C (halfway 5..15), 1 bar, pCO2 0.5, pH 4: u = 0.497881, Kt = 1.005,
    // f = 1.1444, exponent 0.36 with the fugacity correction: 1.08789 mm/yr.
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 10.0, 4.0, 1.0, 0.5), 1.08789, 1e-4);
    // 5 C: no fugacity correction: 0.42 x 0.4983^0.36 ... = 0.373774 mm/yr.
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 5.0, 4.0, 1.0, 0.5), 0.373774, 1e-5);
    // 150 C, pH 4: Kt 5.203 and f = 17.634 - 7.0945 x 4 + 0.715 x 16 = 0.696: 4.46563.
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 150.0, 4.0, 1.0, 1.0), 4.46563, 1e-4);
    // The same water in mils per year.
    units.code[UnitItem::kCorrosionRate] = 0;
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 1.0), 8.70963 / 0.0254, 4e-3);
}

TEST_F(CorrosionTest, Co2KtWithoutCo2IsZeroAndProtectedByScales) {
    EXPECT_EQ(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 0.0), 0.0);
    EXPECT_EQ(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, -1.0), 0.0);
    const double bare = CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 1.0);
    saturation[IndexCode::kCalcite] = 0.9;  // undersaturated: factor 1
    EXPECT_DOUBLE_EQ(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 1.0), bare);
    saturation[IndexCode::kSiderite] = 3.0;  // 0.6
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 1.0), 0.6 * bare, 1e-12);
    saturation[IndexCode::kCalcite] = 1.5;  // 0.7 on top
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 1.0), 0.42 * bare, 1e-12);
    saturation[IndexCode::kMackinawite] = 2.5;  // 0.6 on top
    EXPECT_NEAR(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 10.0, 1.0), 0.252 * bare, 1e-12);
}

TEST_F(CorrosionTest, Co2KtPressureAboveTheCorrelationsEnd) {
    EXPECT_DOUBLE_EQ(CalcCorrRateCO2Kt(In(), 60.0, 5.0, 300.0, 1.0),
                     CalcCorrRateCO2Kt(In(), 60.0, 5.0, 250.0, 1.0));
}

TEST_F(CorrosionTest, Co2KtRateIsClampedTo10000) {
    units.code[UnitItem::kCorrosionRate] = 0;  // mpy, after the second clamp
    EXPECT_EQ(CalcCorrRateCO2Kt(In(), 60.0, 3.0, 1.0, 1.0e6), 10000.0);
}

TEST_F(CorrosionTest, Co2FugNeedsH2SInTheWater) {
    // 60 C, 10 bar, pH2S 0.1 bar, pH 5: s = 0.3993 ln 60 + 3477/60 - 24.912 + 0.0157 x 60
    // = 35.6149, E = e^(0.00198719 s) = 1.07334; (0.974941 x 0.1)^0.36 E x 0.671 = 0.311524.
    analysis[AnalysisElement::kPH2S] = 0.1f;
    EXPECT_NEAR(CalcCorrRateCO2Fug(In(), 60.0, 5.0, 10.0, 0.1), 0.311524, 1e-5);
    saturation[IndexCode::kMackinawite] = 3.0;
    EXPECT_NEAR(CalcCorrRateCO2Fug(In(), 60.0, 5.0, 10.0, 0.1), 0.6 * 0.311524, 1e-5);
    EXPECT_EQ(CalcCorrRateCO2Fug(In(), 60.0, 5.0, 10.0, 0.0), 0.0);
    analysis[AnalysisElement::kPH2S] = 0.0f;
    EXPECT_EQ(CalcCorrRateCO2Fug(In(), 60.0, 5.0, 10.0, 0.1), 0.0);
}

TEST_F(CorrosionTest, ArrheniusAtAHandCalculatedPoint) {
    // 80 C, total calcium 400, chloride 20000, sulfate 1000, carbonate 50 mg/L, pH 6.5:
    // x = 20.472628 - 14367.757 / (1.987 x 353.16) - 0.31226346 ln 400
    //     + 0.31150988 ln 20000 + 0.65435112 ln 1000 - 0.7968486 ln 50 + 0.41999707 x 6.5
    //   = 5.344738, rate e^x = 209.503 mm/yr.
    saturation[6] = 400.0f;
    saturation[29] = 50.0f;
    analysis[AnalysisElement::kChloride] = 20000.0f;
    analysis[AnalysisElement::kSulfate] = 1000.0f;
    analysis[AnalysisElement::kPh] = 6.5f;
    EXPECT_NEAR(CalcCorrRateArrhenius(In(), 80.0, 0.0, 0.0, 0.0), 209.503, 1e-2);
    // Chloride entered as NaCl (factor 0.60661) enters as its chloride content.
    units.code[UnitItem::kChloride] = 2;
    analysis[AnalysisElement::kChloride] = 20000.0f / 0.60661f;
    EXPECT_NEAR(CalcCorrRateArrhenius(In(), 80.0, 0.0, 0.0, 0.0), 209.503, 1e-2);
    // Absolute zero has no rate.
    EXPECT_EQ(CalcCorrRateArrhenius(In(), -273.16, 6.5, 1.0, 1.0), -1.0);
}

TEST_F(CorrosionTest, ArrheniusExponentIsBoundedNotReturnedBare) {
    // A huge sulfate drives the exponent far past 32: the rate is held at 10,000
    // mm/yr, not the exponent itself, and rates rise to it without a jump.
    analysis[AnalysisElement::kSulfate] = 1e30f;
    EXPECT_EQ(CalcCorrRateArrhenius(In(), 80.0, 0.0, 0.0, 0.0), kMaxRateMmPerYear);
    // The sulfate at which the rate reaches 10,000: 0.65435112 ln S = ln 10000 - x0,
    // with x0 the exponent of this water without sulfate; probe around it.
    const double xWithout = 20.472628 - 14367.757 / (1.987 * 353.16);
    const double sAtHold = std::exp((std::log(kMaxRateMmPerYear) - xWithout) / 0.65435112);
    analysis[AnalysisElement::kSulfate] = static_cast<float>(sAtHold * 0.999);
    const double below = CalcCorrRateArrhenius(In(), 80.0, 0.0, 0.0, 0.0);
    analysis[AnalysisElement::kSulfate] = static_cast<float>(sAtHold * 1.001);
    EXPECT_GT(below, 0.99 * kMaxRateMmPerYear);
    EXPECT_LT(below, kMaxRateMmPerYear);
    EXPECT_EQ(CalcCorrRateArrhenius(In(), 80.0, 0.0, 0.0, 0.0), kMaxRateMmPerYear);
    // In mils per year the held rate is 10,000 mm/yr converted.
    units.code[UnitItem::kCorrosionRate] = 0;
    EXPECT_DOUBLE_EQ(CalcCorrRateArrhenius(In(), 80.0, 0.0, 0.0, 0.0), kMaxRateMmPerYear / 0.0254);
    // Very low exponents give a tiny positive rate, not 0 or the exponent.
    units.code[UnitItem::kCorrosionRate] = 1;
    const double cold = CalcCorrRateArrhenius(In(), -250.0, 0.0, 0.0, 0.0);
    EXPECT_NEAR(cold, std::exp(-32.0), 1e-20);
}

TEST_F(CorrosionTest, EveryModelHoldsItsRateTo10000MmPerYear) {
    // The CO2/H2S correlation at 0.01 bar of H2S alone gives e^42.8 (about 4e18)
    // mm/yr; the Kt and fugacity models far from their ranges run away as well.
    EXPECT_EQ(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 0.0, 0.01), kMaxRateMmPerYear);
    EXPECT_EQ(CalcCorrRateCO2Kt(In(), 60.0, 3.0, 1.0, 1.0e8), kMaxRateMmPerYear);
    analysis[AnalysisElement::kPH2S] = 1.0f;
    EXPECT_EQ(CalcCorrRateCO2Fug(In(), 60.0, 5.0, 10.0, 1.0e30), kMaxRateMmPerYear);
    units.code[UnitItem::kCorrosionRate] = 0;  // mpy: the held rate converted
    EXPECT_DOUBLE_EQ(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 0.0, 0.01),
                     kMaxRateMmPerYear / 0.0254);
    EXPECT_DOUBLE_EQ(CalcCorrRateCO2Fug(In(), 60.0, 5.0, 10.0, 1.0e30), kMaxRateMmPerYear / 0.0254);
    EXPECT_EQ(HeldRate(std::nan("")), 0.0);
    EXPECT_EQ(HeldRate(-3.0), 0.0);
}

TEST_F(CorrosionTest, Co2H2SBranches) {
    // CO2 alone, 60 C, pCO2 1 bar (1e5 Pa), pH 6:
    // y = -27548 / (8.31472 x 333.16) - 3.06 x 6 + 0.67 ln 1e5 = -20.59099.
    EXPECT_NEAR(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 1.0, 0.0), std::exp(-20.59099),
                std::exp(-20.59099) * 1e-5);
    // H2S alone, 2e-5 bar (2 Pa): L = ln 2, y = 10.0907 L - 0.5632 L^2 = 6.723749.
    EXPECT_NEAR(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 0.0, 2e-5), std::exp(6.723749),
                std::exp(6.723749) * 1e-5);
    // Both, with calcite at 3 (film -ln 1.5) and siderite at 2.2 (film -ln 1.2):
    // y = 42.82983 - 3.1001 ln 1e5 - ln 1.5 - ln 1.2 = 6.550818, rate 699.816 mm/yr.
    saturation[IndexCode::kCalcite] = 3.0f;
    saturation[IndexCode::kSiderite] = 2.2f;
    EXPECT_NEAR(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 1.0, 0.01), 699.816, 1e-2);
    EXPECT_EQ(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 0.0, 0.0), 0.0);
    EXPECT_EQ(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, -1.0, 0.01), 0.0);
    EXPECT_EQ(CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 1.0, -0.01), 0.0);
}

TEST_F(CorrosionTest, Co2H2SJustPastSaturationIsNoFasterThanWithoutFilm) {
    const double bare = CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 1.0, 0.0);
    for (float r : {1.0000001f, 1.001f, 1.5f, 1.999f}) {
        saturation[IndexCode::kCalcite] = r;
        const double rate = CalcCorrRateCO2H2S(In(), 60.0, 6.0, 10.0, 1.0, 0.0);
        EXPECT_TRUE(std::isfinite(rate)) << r;
        EXPECT_LE(rate, bare) << r;
    }
}

TEST_F(CorrosionTest, NamedEntriesReadTheGlobalRecords) {
    ResetEngineRecords();
    InitUnitFactors();
    unitCodes = units;
    currentAnalysis.values[AnalysisElement::kPH2S] = 0.1f;
    EXPECT_NEAR(CalcCorrRateCO2Kt(60.0, 5.0, 10.0, 1.0), 8.70963, 1e-4);
    EXPECT_NEAR(CalcCorrRateCO2Fug(60.0, 5.0, 10.0, 0.1), 0.311524, 1e-5);
    SaturationResults[IndexCode::kSiderite] = 3.0f;
    EXPECT_NEAR(CalcCorrRateCO2Kt(60.0, 5.0, 10.0, 1.0), 0.6 * 8.70963, 1e-4);
    EXPECT_GT(CalcCorrRateArrhenius(60.0, 5.0, 10.0, 1.0), 0.0);
    EXPECT_GT(CalcCorrRateCO2H2S(60.0, 5.0, 10.0, 1.0, 0.1), 0.0);
    ResetEngineRecords();
    ResetUnitFactorRecords();
}

}  // namespace
