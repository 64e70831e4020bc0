// The precipitation potential search over waters from far under to far over
// saturation, with the metal or the carbonate the scarcer: the amount has the
// sign of the ratio, never takes more metal or carbonate than the water holds,
// and leaves the water saturated; no metal forms nothing, no ratio has no answer.
#include "engine/carbonate/carbonate_potential.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/engine/carbonate/carbonate_fixture.h"

namespace {

using namespace carbonate_test;

const CarbonateConstants kTextbook{kK1, kK2, kKw, 1.0};

// The acidity of a water of total carbonate `ct` at pH `ph`.
double AcidityOf(double ct, double ph) {
    const Molar m = SpeciateMolar(ct, ph, TextbookConstants());
    const double h = std::pow(10.0, -ph);
    return 2.0 * m.h2co3 + m.hco3 + h - kKw / h;
}

TEST(CarbonatePotential, StaysInsideTheWaterAndEndsSaturated) {
    struct Case {
        double ct, ph, metal, ratio;
    };
    int checked = 0;
    for (const Case& c :
         {Case{5e-3, 7.0, 2e-3, 10.0}, Case{5e-3, 7.0, 2e-3, 0.1}, Case{2.3e-3, 9.0, 1e-2, 15.0},
          Case{2.3e-3, 9.0, 7e-8, 1e-5}, Case{2.3e-3, 9.0, 9e-5, 0.4}, Case{2.3e-3, 9.0, 5e-2, 1e6},
          Case{2.3e-3, 9.0, 1e-6, 1e6}, Case{1e-3, 6.0, 1e-3, 3.0}}) {
        SCOPED_TRACE(testing::Message() << "ct " << c.ct << " pH " << c.ph << " metal " << c.metal
                                        << " ratio " << c.ratio);
        const double acidity = AcidityOf(c.ct, c.ph);
        const CarbonatePotential p =
            SearchCarbonatePotential(kTextbook, c.ph, acidity, c.metal, c.ratio);
        ASSERT_TRUE(p.found);
        if (c.ratio > 1.0) {
            EXPECT_GT(p.amount, 0.0);
            EXPECT_LE(p.amount, std::min(c.metal, c.ct) * (1.0 + 1e-9));
        } else {
            EXPECT_LT(p.amount, 0.0);
        }
        // At the end the product of what is left is the saturated one.
        const CarbonateStateAt start = CarbonateStateAtPh(kTextbook, acidity, c.ph);
        EXPECT_NEAR(start.carbonate, c.ct, 1e-9);
        const double saturated = c.metal * start.carbonateIon / c.ratio;
        // The end state: the carbonate less the amount, at the pH whose state
        // holds it (found here by bisection on the carbonate, which rises with pH).
        double low = 1.0, high = 14.0;
        for (int i = 0; i < 200; ++i) {
            const double mid = 0.5 * (low + high);
            const double ct = CarbonateStateAtPh(kTextbook, acidity, mid).carbonate;
            (ct < c.ct - p.amount ? low : high) = mid;
        }
        const CarbonateStateAt end = CarbonateStateAtPh(kTextbook, acidity, low);
        EXPECT_NEAR((c.metal - p.amount) * end.carbonateIon / saturated, 1.0, 1e-4);
        ++checked;
    }
    EXPECT_EQ(checked, 8);

    // No metal forms nothing; a saturated water neither forms nor takes any.
    const double acidity = AcidityOf(2e-3, 8.0);
    for (double ratio : {0.0, 5.0}) {
        const CarbonatePotential p = SearchCarbonatePotential(kTextbook, 8.0, acidity, 0.0, ratio);
        EXPECT_TRUE(p.found);
        EXPECT_EQ(p.amount, 0.0);
    }
    EXPECT_EQ(SearchCarbonatePotential(kTextbook, 8.0, acidity, 1e-3, 1.0).amount, 0.0);
    // Metal without a ratio, or a ratio that is not a number: no answer.
    EXPECT_FALSE(SearchCarbonatePotential(kTextbook, 8.0, acidity, 1e-3, 0.0).found);
    EXPECT_FALSE(SearchCarbonatePotential(kTextbook, 8.0, acidity, 1e-3, NAN).found);
}

}  // namespace
