// The precipitation potential search over waters from far under to far over
// saturation, with the metal or the carbonate the scarcer: the amount has the
// sign of the ratio, never takes more metal or carbonate than the water holds,
// and leaves the water saturated; no metal forms nothing, no ratio has no answer.
#include "engine/carbonate/carbonate_potential.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

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

// The halving as plainly written: every middle decided by the water's own
// state at it, 1e-12 pH apart at the end. The search skips most of those
// decisions and must end on the same interval, so on the same amount to the
// last bit, for waters of every kind: carbonate from 1e-5 to 0.3 mol/kg, pH 4
// to 11.5, brine-like activity coefficients and constants, the metal from a
// trace to more than the carbonate, ratios from 1e-6 to 1e6.
CarbonatePotential PlainHalving(const CarbonateConstants& k, double pH, double acidity,
                                double metal, double saturation) {
    const CarbonateStateAt start = CarbonateStateAtPh(k, acidity, pH);
    const double saturated = metal * start.carbonateIon / saturation;
    auto below = [&](double p) {
        const CarbonateStateAt s = CarbonateStateAtPh(k, acidity, p);
        const double left = metal - (start.alkalinity - s.alkalinity) / 2.0;
        if (!(s.carbonate >= 0.0) || !(left >= 0.0) || !(s.carbonateIon >= 0.0)) return true;
        return left * s.carbonateIon < saturated;
    };
    double low = saturation > 1.0 ? 1.0 : pH;
    double high = saturation > 1.0 ? pH : 14.0;
    if (saturation < 1.0 && below(high)) return {false, 0.0};
    for (int i = 0; i < 200 && high - low > 1e-12; ++i) {
        const double middle = 0.5 * (low + high);
        (below(middle) ? low : high) = middle;
    }
    const double amount =
        (start.alkalinity - CarbonateStateAtPh(k, acidity, 0.5 * (low + high)).alkalinity) / 2.0;
    if (saturation > 1.0 ? !(amount >= 0.0) : !(amount <= 0.0)) return {true, 0.0};
    return {true, amount};
}

// The carbonates of one water are searched side by side: each water's six
// metals and ratios (now and then a carbonate without its metal or exactly
// saturated among them) end where each alone ends. The everyday waters, then
// waters from pH 1.5 to 13.5 with traces to floods of metal and ratios from
// 1e-12 to 1e12, where the search's first estimate often misses.
TEST(CarbonatePotential, EndsWhereThePlainHalvingEnds) {
    struct Kind {
        double gammaH[2], logCt[2], ph[2], logMetalShare[2], logRatio[2];
        int waters, over, under, found;  // waters searched, and at least so many answers
    };
    const Kind kinds[] = {
        {{0.55, 1}, {-5, -0.5}, {4, 11.5}, {-4, 1.5}, {-6, 6}, 20000, 8000, 8000, 19000},
        {{0.1, 1.2}, {-8, 0.3}, {1.5, 13.5}, {-9, 3}, {-12, 12}, 6000, 2000, 2000, 5000},
    };
    std::mt19937_64 random(20261209);
    auto uniform = [&](const double(&range)[2]) {
        return std::uniform_real_distribution<double>(range[0], range[1])(random);
    };
    constexpr int kSix = 6;
    for (const Kind& kind : kinds) {
        int found = 0, over = 0, under = 0;
        for (int n = 0; n < kind.waters; n += kSix) {
            const double gammaH = uniform(kind.gammaH);
            const CarbonateConstants k{kK1 * std::pow(10.0, uniform({-0.3, 0.9})),
                                       kK2 * std::pow(10.0, uniform({-0.3, 1.6})),
                                       kKw * std::pow(10.0, uniform({-0.5, 1.5})), gammaH};
            const double ct = std::pow(10.0, uniform(kind.logCt));
            const double ph = uniform(kind.ph);
            const double h = std::pow(10.0, -ph) / gammaH;
            const double d = h * h + k.k1 * h + k.k1 * k.k2;
            const double acidity = ct * (2.0 * h * h + k.k1 * h) / d + h - k.kw / h;
            double metal[kSix], ratio[kSix];
            for (int i = 0; i < kSix; ++i) {
                metal[i] = uniform({0.0, 1.0}) < 0.05
                               ? 0.0
                               : ct * std::pow(10.0, uniform(kind.logMetalShare));
                ratio[i] =
                    uniform({0.0, 1.0}) < 0.02 ? 1.0 : std::pow(10.0, uniform(kind.logRatio));
            }
            CarbonatePotential side[kSix];
            SearchCarbonatePotentials(k, ph, acidity, metal, ratio, side);
            for (int i = 0; i < kSix; ++i) {
                const CarbonatePotential fast =
                    SearchCarbonatePotential(k, ph, acidity, metal[i], ratio[i]);
                const CarbonatePotential plain =
                    metal[i] > 0.0 && ratio[i] != 1.0
                        ? PlainHalving(k, ph, acidity, metal[i], ratio[i])
                        : CarbonatePotential{true, 0.0};
                ASSERT_EQ(fast.found, plain.found) << n + i;
                ASSERT_EQ(fast.amount, plain.amount)
                    << n + i << ": ct " << ct << " pH " << ph << " metal " << metal[i] << " ratio "
                    << ratio[i];
                ASSERT_EQ(side[i].found, fast.found) << n + i;
                ASSERT_EQ(side[i].amount, fast.amount) << n + i;
                if (fast.found) {
                    ++found;
                    (ratio[i] > 1.0 ? over : under) += fast.amount != 0.0;
                }
            }
        }
        // Both sides of saturation were searched, nearly every water found its answer.
        EXPECT_GT(over, kind.over);
        EXPECT_GT(under, kind.under);
        EXPECT_GT(found, kind.found);
    }
}

}  // namespace
