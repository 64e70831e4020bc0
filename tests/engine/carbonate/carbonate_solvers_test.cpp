// The metal-carbonate alkalinity search: unusable input, a water already at
// equilibrium, a supersaturated water, the pH bounds 1 and 14, and a randomized
// sweep over wide inputs that must always end finite and inside the bounds.
#include "engine/carbonate/carbonate_solvers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/records.h"
#include "tests/engine/carbonate/carbonate_fixture.h"

namespace {

using namespace carbonate_test;

// A water of total carbonate ct at pH 7 (where OH- and H+ cancel): its carbonate
// acidity 2[H2CO3] + [HCO3-] and alkalinity 2[CO3--] + [HCO3-] (eq/L), and the
// carbonate ion.
struct Water {
    double acidity, alkalinity, co3;
};
Water WaterAtPh7(double ct) {
    const Molar m = SpeciateMolar(ct, 7.0, TextbookConstants());
    return {2.0 * m.h2co3 + m.hco3, 2.0 * m.co3 + m.hco3, m.co3};
}

TEST(SolveCarbonateAlk, UnusableInputGivesZeroAndFailure) {
    double excess = 5.0;
    const CarbonateState k = TextbookConstants();
    for (auto [metal, alkalinity] :
         {std::pair{0.0, 1e-3}, {1e-3, 0.0}, {-1.0, 1e-3}, {1e-3, double{NAN}}}) {
        const CarbonateAlkSearch s = SearchCarbonateAlk(k, 7.0, 1e-8, metal, alkalinity, 1e-3);
        EXPECT_EQ(s.status, -1);
        EXPECT_EQ(s.excess, 0.0);
        EXPECT_EQ(s.passes, 0);
    }
    EXPECT_EQ(SolveCarbonateAlkWrap(0.0, 1e-8, 1e-3, 1e-3, 1e-3, excess), -1);
    EXPECT_EQ(excess, 0.0);
    excess = 5.0;
    EXPECT_EQ(SolveCarbonateAlkWrap(-2.0, 1e-8, 1e-3, 1e-3, 1e-3, excess), -1);
    EXPECT_EQ(excess, 0.0);
}

TEST(SolveCarbonateAlk, WaterAtEquilibriumLosesNothing) {
    // Calcium of 1 mmol/L with the solubility product set to [Ca][CO3] of the
    // water: saturated as it stands, found on the first pass.
    const Water w = WaterAtPh7(3e-3);
    const double calcium = 1e-3;
    const CarbonateAlkSearch s = SearchCarbonateAlk(TextbookConstants(), 7.0, calcium * w.co3,
                                                    calcium, w.alkalinity, w.acidity);
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.passes, 1);
    EXPECT_NEAR(s.excess, 0.0, 1e-6 * w.alkalinity * 50000.0);
}

TEST(SolveCarbonateAlk, SupersaturatedWaterLosesAlkalinityToEquilibrium) {
    // Ten times supersaturated: the water must precipitate carbonate, losing
    // alkalinity. At the state found, metal x carbonate equals the product.
    const Water w = WaterAtPh7(5e-3);
    const double calcium = 2e-3;
    const double ksp = calcium * w.co3 / 10.0;
    const CarbonateState k = TextbookConstants();
    const CarbonateAlkSearch s = SearchCarbonateAlk(k, 7.0, ksp, calcium, w.alkalinity, w.acidity);
    ASSERT_EQ(s.status, 0);
    EXPECT_GT(s.excess, 0.0);

    // Rebuild the end state: the acidity is kept, so [HCO3-] and [CO3--] follow
    // from the pH found; the metal keeps 2 M - alkalinity.
    const double h = std::pow(10.0, -s.pH);
    const double hco3 = (w.acidity - (h - kKw / h)) / (2.0 * h / k.k1 + 1.0);
    const double co3 = hco3 * k.k2 / h;
    const double alkalinity = 2.0 * co3 + hco3 + kKw / h - h;
    const double metal = (2.0 * calcium - w.alkalinity + alkalinity) / 2.0;
    EXPECT_NEAR(metal * co3 / ksp, 1.0, 0.01);
    EXPECT_NEAR(s.excess, (w.alkalinity - alkalinity) * 50000.0, 0.01 * s.excess);
}

TEST(SolveCarbonateAlk, PhStaysBetweenOneAndFourteen) {
    const CarbonateState k = TextbookConstants();
    const Water w = WaterAtPh7(3e-3);
    // 0.1 mol/kg of a metal whose carbonate does not dissolve at all: only a
    // pH below 1 would hold it. The search stops at 1 and reports failure with
    // a finite estimate.
    CarbonateAlkSearch s = SearchCarbonateAlk(k, 7.0, 0.0, 0.1, w.alkalinity, w.acidity);
    EXPECT_EQ(s.status, -1);
    EXPECT_EQ(s.pH, 1.0);
    EXPECT_TRUE(std::isfinite(s.excess));
    // An alkalinity of 1e5 eq/kg with hardly any metal would need a pH above
    // 14: it stops at 14, never beyond.
    s = SearchCarbonateAlk(k, 7.0, 1e-9, 1e-9, 1e5, w.acidity);
    EXPECT_EQ(s.status, -1);
    EXPECT_EQ(s.pH, 14.0);
    EXPECT_TRUE(std::isfinite(s.excess));
    // Starts outside the range, or not a number, begin inside it.
    for (double start : {-3.0, 0.5, 20.0, double{NAN}, double{INFINITY}}) {
        s = SearchCarbonateAlk(k, start, 1e-9, 1e-3, w.alkalinity, w.acidity);
        EXPECT_GE(s.pH, 1.0) << start;
        EXPECT_LE(s.pH, 14.0) << start;
    }
}

TEST(SolveCarbonateAlk, TurnsUpwardFromTheLowerBound) {
    // With an insoluble carbonate the state keeps no carbonate alkalinity, so
    // twice the metal less the alkalinity is the hydrogen ion itself:
    // 2 M - Alk = 10^-1.2 puts the root at pH 1.2. A start at 1.4 steps down
    // past 1, stops there and climbs back to the root.
    const CarbonateState k = TextbookConstants();
    const Water w = WaterAtPh7(3e-3);
    const double metal = (std::pow(10.0, -1.2) + w.alkalinity) / 2.0;
    const CarbonateAlkSearch s = SearchCarbonateAlk(k, 1.4, 0.0, metal, w.alkalinity, w.acidity);
    EXPECT_EQ(s.status, 0);
    EXPECT_NEAR(s.pH, 1.2, 0.005);
}

TEST(SolveCarbonateAlk, AThousandPassesWithoutConvergence) {
    // With twice the metal equal to the alkalinity the relative test has no
    // room (|F - 0| < 0): the search runs out and keeps its last estimate.
    const Water w = WaterAtPh7(3e-3);
    const CarbonateAlkSearch s = SearchCarbonateAlk(TextbookConstants(), 7.0, 1e-9,
                                                    w.alkalinity / 2.0, w.alkalinity, w.acidity);
    EXPECT_EQ(s.status, -1);
    EXPECT_EQ(s.passes, 1000);
    EXPECT_TRUE(std::isfinite(s.excess));
    EXPECT_NE(s.excess, 0.0);
}

TEST(SolveCarbonateAlk, EntriesStartAtTheWorkingPh) {
    ResetEngineRecords();
    carbonateState = TextbookConstants();
    currentAnalysis.values[AnalysisElement::kPh] = 7.0f;
    const Water w = WaterAtPh7(3e-3);
    using Entry = int32_t (*)(double, double, double, double, double&);
    for (Entry entry : {SolveCarbonateAlk, SolveCarbonateAlkA, SolveCarbonateAlkB,
                        SolveCarbonateAlkC, SolveCarbonateAlkD}) {
        double excess = 1.0;
        EXPECT_EQ(entry(1e-3 * w.co3, 1e-3, w.alkalinity, w.acidity, excess), 0);
        EXPECT_NEAR(excess, 0.0, 1e-6 * w.alkalinity * 50000.0);
    }
    double excess = 1.0;
    EXPECT_EQ(
        SolveCarbonateAlkWrap(w.alkalinity, 1e-3 * w.co3, 1e-3, w.alkalinity, w.acidity, excess),
        0);
    EXPECT_NEAR(excess, 0.0, 1e-6 * w.alkalinity * 50000.0);

    double pH = 99.0;
    EXPECT_EQ(SolvepHFromCarbonateD(0.0, 0.0, NAN, INFINITY, -1.0, 0.0, 1e300, -1e300, pH), 0);
    EXPECT_EQ(pH, 7.0);
    ResetEngineRecords();
}

TEST(SolveCarbonateAlk, BoundedAndFiniteOverWideInputs) {
    std::mt19937 rng(20240601);
    std::uniform_real_distribution<double> exponent(-30.0, 10.0);
    std::uniform_real_distribution<double> startPh(-50.0, 60.0);
    std::uniform_int_distribution<int> coin(0, 1);
    auto magnitude = [&] { return std::pow(10.0, exponent(rng)); };
    for (int i = 0; i < 3000; ++i) {
        CarbonateState k{};
        k.k1 = static_cast<float>(magnitude() * 1e-5);
        k.k2 = static_cast<float>(magnitude() * 1e-9);
        k.kw = static_cast<float>(magnitude() * 1e-14);
        k.gammaH = static_cast<float>(std::pow(10.0, exponent(rng) / 20.0));
        const double acidity = (coin(rng) ? 1 : -1) * magnitude();
        const CarbonateAlkSearch s =
            SearchCarbonateAlk(k, startPh(rng), magnitude(), magnitude(), magnitude(), acidity);
        ASSERT_TRUE(s.status == 0 || s.status == -1) << i;
        ASSERT_TRUE(std::isfinite(s.excess)) << i;
        ASSERT_GE(s.pH, 1.0) << i;
        ASSERT_LE(s.pH, 14.0) << i;
        ASSERT_LE(s.passes, 1000) << i;
    }
}

TEST(SolveCarbonateAlk, KeptTermsGiveTheAnswersOfSearchesAlone) {
    // One store serves waters in turn, as the results pass uses it: six searches
    // per water (metals and products apart, some failing, some at the thousand-pass
    // cap), then the next water with other constants or only another acidity. Every
    // answer must be the one the search gives alone, but for the last bits of the
    // hydrogen ion that another search reached by another path: terms kept from a
    // water with other constants or acidity would move it, and a full store must go
    // on without keeping.
    std::mt19937 rng(1103);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    CarbonateAlkTerms terms;
    ClearCarbonateAlkTerms(terms);
    CarbonateState k = TextbookConstants();
    for (int water = 0; water < 300; ++water) {
        if (water % 3 != 2) {
            k.k1 = static_cast<float>(kK1 * std::pow(10.0, unit(rng) - 0.5));
            k.k2 = static_cast<float>(kK2 * std::pow(10.0, unit(rng) - 0.5));
            k.gammaH = static_cast<float>(0.6 + 0.4 * unit(rng));
        }
        const Water w = WaterAtPh7(std::pow(10.0, -4.0 + 3.0 * unit(rng)));
        const double acidity = w.acidity * (0.5 + unit(rng));
        // Waters that start alike try the same pHs.
        const double startPh = water % 2 == 0 ? 7.0 : 8.25;
        for (int i = 0; i < 6; ++i) {
            const double metal =
                i == 5 ? w.alkalinity / 2.0 : std::pow(10.0, -7.0 + 5.0 * unit(rng));
            const double ksp = i == 4 ? 0.0 : std::pow(10.0, -11.0 + 4.0 * unit(rng));
            const CarbonateAlkSearch alone =
                SearchCarbonateAlk(k, startPh, ksp, metal, w.alkalinity, acidity);
            const CarbonateAlkSearch kept =
                SearchCarbonateAlk(k, startPh, ksp, metal, w.alkalinity, acidity, &terms);
            ASSERT_EQ(kept.status, alone.status) << water << " " << i;
            // The excess is the alkalinity less the state's: compared on their scale.
            ASSERT_NEAR(kept.excess, alone.excess, 1e-12 * w.alkalinity * 50000.0)
                << water << " " << i;
            // A search that cannot meet its test (twice the metal equal to the
            // alkalinity) wanders in the last bits of the pH.
            ASSERT_NEAR(kept.pH, alone.pH, 1e-12) << water << " " << i;
            ASSERT_EQ(kept.passes, alone.passes) << water << " " << i;
        }
        EXPECT_LE(terms.used, CarbonateAlkTerms::kSlots);
    }
}

}  // namespace
