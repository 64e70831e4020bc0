// RecalcCarbonateFromAlk in a closed carbonate system with a prediction method
// that gives no pH of its own: the species keep their total carbonate and end
// split at the water's pH.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/scenarios/driver_fixture.h"

namespace driver_test {
namespace {

TEST(RecalcCarbonateFromAlk, KeepsTotalCarbonateAndSplitsAtTheCurvePh) {
    ResetWorld();
    // Textbook 25 C constants in concentration terms, activity coefficients 1.
    carbonateState.k1 = 4.4668e-7f;   // 10^-6.35
    carbonateState.k2 = 4.6774e-11f;  // 10^-10.33
    carbonateState.kw = 1e-14f;
    carbonateState.gammaH = 1.0f;
    carbonateState.gammaOH = 1.0f;
    whatIfOptions.carbonateModel = 0;          // closed: total carbonate is kept
    phControlSettings.phPredictionMethod = 5;  // no estimate: the pH stays 7.0
    reportingMode = ReportingMode::kMgPerL;
    alkalinityMode = 1;
    currentAnalysis.values[AE::kPh] = 7.0f;
    currentAnalysis.values[AE::kAlkalinity] = 100.0f;
    currentAnalysis.values[AE::kTotalCarbonate] = 0.002f;  // mol/L
    driverSettingsBackup.phBalanceSwitch = 1;
    pco2ProfileFlagCopy = 1;

    EXPECT_EQ(RecalcCarbonateFromAlk(), 0);

    const float* v = currentAnalysis.values;
    // The three species hold the 0.002 of total carbonate (in the units the
    // routine keeps them: mol/L x g/mol).
    const double total =
        v[AE::kH2CO3] / 62.0253 + v[AE::kBicarbonate] / 61.0173 + v[AE::kCarbonate] / 60.0094;
    EXPECT_NEAR(total, 0.002, 0.002 * 1e-5);
    // [H][HCO3]/[H2CO3] = K1' and [H][CO3]/[HCO3] = K2': both pairs give back
    // the pH the species were split at.
    const double h2co3 = v[AE::kH2CO3] / 62.0253;
    const double hco3 = v[AE::kBicarbonate] / 61.0173;
    const double co3 = v[AE::kCarbonate] / 60.0094;
    EXPECT_NEAR(-std::log10(carbonateState.k1 * h2co3 / hco3), 7.0, 1e-4);
    EXPECT_NEAR(-std::log10(carbonateState.k2 * hco3 / co3), 7.0, 1e-4);
    EXPECT_NEAR(dissolvedCO2Copy, v[AE::kH2CO3] / 62.0253, 1e-9);
    // The switches the drivers keep copies of are put back from those copies.
    EXPECT_EQ(phBalanceSwitch, 1u);
    EXPECT_EQ(pco2ProfileFlag, 1u);
    ResetWorld();
}

}  // namespace
}  // namespace driver_test
