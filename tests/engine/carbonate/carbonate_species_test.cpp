// Given carbonate species: total carbonate, alkalinities and the split at a pH,
// against hand-worked carbonic acid equilibria.
#include "engine/carbonate/carbonate_species.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/carbonate/carbonate_fixture.h"

namespace {

using namespace carbonate_test;
namespace AE = AnalysisElement;

double MolesOfCarbon(CarbonateWorld& w) {
    return w.Value(AE::kAcidity) / 62025.3 + w.Value(AE::kBicarbonate) / 61017.3 +
           w.Value(AE::kCarbonate) / 60009.4;
}

TEST(SetCarbonateSpecies, TotalsAndRespeciationAtTheGivenPh) {
    CarbonateWorld w;
    w.Value(AE::kPh) = 6.35f;  // pH = pK1: as much H2CO3 as HCO3-
    // 2 mmol/L HCO3- and 1 mmol/L H2CO3, no carbonate.
    const float bicarbonate = static_cast<float>(2 * kMmolHco3);
    const float carbonicAcid = static_cast<float>(kMmolH2co3);
    auto ctx = w.Species();
    EXPECT_EQ(SetCarbonateSpecies(ctx, 0.0f, bicarbonate, carbonicAcid), 0);

    EXPECT_NEAR(w.Value(AE::kTotalCarbonate), 3e-3, 3e-9);
    EXPECT_NEAR(MolesOfCarbon(w), 3e-3, 3e-9);  // respeciation keeps the carbon
    EXPECT_NEAR(w.Value(AE::kAcidity) / 62025.3, 1.5e-3, 1e-6);
    EXPECT_NEAR(w.Value(AE::kBicarbonate) / 61017.3, 1.5e-3, 1e-6);
    // M alkalinity of 2 mmol/L HCO3- is 2 meq/L, 100.09 mg/L as CaCO3 (the
    // displayed value's 50044.7 mg per equivalent), less 10^-6.35 eq/L of H+.
    const double waterIons = (kKw / std::pow(10.0, -6.35) - std::pow(10.0, -6.35)) * 50050.0;
    EXPECT_NEAR(w.Value(AE::kAlkalinity), 2e-3 * 50044.7 + waterIons, 1e-3);
    EXPECT_NEAR(w.Value(AE::kMAlkalinity), 2e-3 * 50044.7 + waterIons, 1e-3);
    EXPECT_NEAR(w.Value(AE::kPAlkalinity), waterIons, 1e-4);
    EXPECT_FLOAT_EQ(w.Value(AE::kPh), 6.35f);
}

TEST(SetCarbonateSpecies, DisplayedPairFollowsTheAlkalinityMode) {
    const double m = 2e-3 * 50044.7;  // pH 7: OH- and H+ cancel
    const struct {
        uint16_t mode;
        double m13;
    } cases[] = {{1, m}, {4, m / 33.336666}, {5, m / 50.05}, {6, m / 10.1}, {7, m / 17.9}};
    for (const auto& c : cases) {
        CarbonateWorld w;
        w.alkalinityMode = c.mode;
        w.Value(AE::kPh) = 7.0f;
        auto ctx = w.Species();
        (void)SetCarbonateSpecies(ctx, 0.0f, static_cast<float>(2 * kMmolHco3), 0.0f);
        EXPECT_NEAR(w.Value(AE::kMAlkalinity), c.m13, 1e-4 * c.m13) << c.mode;
    }
    // Modes 2 and 3 show the species, never negative.
    CarbonateWorld w;
    w.alkalinityMode = 2;
    w.Value(AE::kPh) = 7.0f;
    auto ctx = w.Species();
    (void)SetCarbonateSpecies(ctx, 12.0f, -5.0f, 0.0f);
    EXPECT_EQ(w.Value(AE::kMAlkalinity), 0.0f);
    EXPECT_EQ(w.Value(AE::kPAlkalinity), 12.0f);
}

TEST(SetCarbonateSpecies, EpmReportingStoresAlkalinityInMilliequivalents) {
    CarbonateWorld w;
    w.reportingMode = ReportingMode::kEpm;
    w.Value(AE::kPh) = 7.0f;
    auto ctx = w.Species();
    (void)SetCarbonateSpecies(ctx, 0.0f, static_cast<float>(2 * kMmolHco3), 0.0f);
    EXPECT_NEAR(w.Value(AE::kAlkalinity), 2.0, 1e-3);
}

TEST(SetCarbonateSpecies, UnknownPhIsEstimatedFromTheCarbonateAlone) {
    // Element 0 negative: the pH comes from the prediction method (1.43 log10 A
    // + 4.5) on the carbonate alkalinity. The H2CO3 + HCO3- + 2 CO3--
    // of 2 mmol/L HCO3- is 100.089 mg/L as CaCO3, so the pH is about 7.36; the
    // negative pH must not count as hydrogen ion.
    CarbonateWorld w;
    w.Value(AE::kPh) = -1.0f;
    auto ctx = w.Species();
    (void)SetCarbonateSpecies(ctx, 0.0f, static_cast<float>(2 * kMmolHco3), 0.0f);
    EXPECT_NEAR(w.Value(AE::kPh), 1.43 * std::log10(2e-3 * 50044.5) + 4.5, 1e-4);
}

TEST(CalcAlkFromSpecies, CarbonateAlkalinityWithoutRespeciation) {
    CarbonateWorld w;
    w.Value(AE::kPh) = 8.0f;
    w.Value(AE::kAcidity) = 7.0f;
    auto ctx = w.Species();
    // 1 mmol/L CO3-- and 1 mmol/L HCO3-: 3 meq/L.
    EXPECT_EQ(CalcAlkFromSpecies(ctx, static_cast<float>(kMmolCo3), static_cast<float>(kMmolHco3)),
              0);
    EXPECT_NEAR(w.Value(AE::kAlkalinityEq), 3e-3, 1e-8);
    EXPECT_NEAR(w.Value(AE::kTotalCarbonate), 2e-3 + 7.0 / 62025.3, 1e-8);
    EXPECT_EQ(w.Value(AE::kAcidity), 7.0f);
    EXPECT_FLOAT_EQ(w.Value(AE::kCarbonate), static_cast<float>(kMmolCo3));
}

TEST(CalcAlkAtpH, BicarbonateLostToTheOtherSpecies) {
    // 1 mmol/L HCO3- alone, split at pH = pK1: half becomes H2CO3, 0.5 meq/L,
    // 25.02 mg/L as CaCO3. Element 0 is put back.
    CarbonateWorld w;
    w.Value(AE::kPh) = 9.0f;
    float result = 0.0f;
    auto ctx = w.Species();
    EXPECT_EQ(CalcAlkAtpH(ctx, 0.0f, 6.35f, 0.0f, static_cast<float>(kMmolHco3), 0.0f, 0.0f, 0.0f,
                          0.0f, result),
              0);
    EXPECT_NEAR(result, 0.5e-3 * 50044.5, 0.01);
    EXPECT_EQ(w.Value(AE::kPh), 9.0f);
}

TEST(SplitCarbonate, ConstantsOfTheChosenWater) {
    // Each stored water keeps its own K1; at pH = its pK1 that water splits its
    // carbon half and half between H2CO3 and HCO3-.
    CarbonateWorld w;
    const double pK1[SavedWater::kCount] = {6.35, 6.0, 5.8};
    for (int i = 0; i < SavedWater::kCount; ++i) {
        w.saved[i] = {static_cast<float>(std::pow(10.0, -pK1[i])), static_cast<float>(kK2), 1e-14f,
                      1.0f};
    }
    w.constants.k1 = static_cast<float>(std::pow(10.0, -6.6));  // the last reference pass
    const struct {
        int32_t water;
        double pK1;
    } cases[] = {{0, 6.35},  {1, 6.0},  {2, 5.8}, {4, 6.35},
                 {-1, 6.35}, {6, 6.35}, {3, 6.6}, {5, 6.6}};
    for (const auto& c : cases) {
        float co3 = 0, hco3 = 0, h2co3 = 0;
        auto ctx = w.Species();
        (void)SplitCarbonate(ctx, c.water, static_cast<float>(c.pK1), 0.0f,
                             static_cast<float>(2 * kMmolHco3), 0.0f, co3, hco3, h2co3);
        EXPECT_NEAR(h2co3 / 62025.3, 1e-3, 1e-6) << c.water;
        EXPECT_NEAR(hco3 / 61017.3, 1e-3, 1e-6) << c.water;
        EXPECT_FLOAT_EQ(w.Value(AE::kBicarbonate), hco3);
        EXPECT_FLOAT_EQ(w.Value(AE::kPh), static_cast<float>(c.pK1));
    }
}

}  // namespace
