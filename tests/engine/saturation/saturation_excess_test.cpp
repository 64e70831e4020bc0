// Momentary excess: the three solvers at their edge inputs, the equilibrium they
// must reach, and every mineral of a water at saturation having no excess.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "common/index_code.h"
#include "engine/saturation/mineral_excess.h"
#include "engine/saturation/momentary_excess.h"
#include "engine/saturation/saturation_ratios.h"
#include "engine/saturation/zinc_minerals.h"
#include "saturation_fixture.h"

namespace {

constexpr double kMass = 100.0;  // g/mol
constexpr double kF = 1000.0;    // mass factor
constexpr double kMgPerMol = kMass * kF;

// log10 of the ion product left after x mol/kg of mineral precipitated.
double RemainingLogProduct(const double* amount, const double* count, int n, double x) {
    double g = 0.0;
    for (int i = 0; i < n; ++i) g += count[i] * std::log10(amount[i] - count[i] * x);
    return g;
}

// The walk the two- and three-ion solvers were first written as: x moves by a step
// that halves at every change of direction until the remaining ion product is
// within 1e-4 log units of the solubility product, or 100 passes are spent.
// Returns x, and whether it met its tolerance.
double HalvingWalk(const double* a, const double* n, int k, double logKc, bool& met) {
    double countSum = 0.0;
    bool allPresent = true, anyPresent = false;
    for (int i = 0; i < k; ++i) {
        countSum += n[i];
        allPresent = allPresent && a[i] > 0.0;
        anyPresent = anyPresent || a[i] > 0.0;
    }
    met = false;
    if (!anyPresent) return -std::pow(10.0, logKc / countSum);
    double d0 = -logKc;
    for (int i = 0; i < k; ++i) d0 += allPresent ? n[i] * std::log10(a[i]) : 0.0;
    double x, smallest = a[0];
    for (int i = 1; i < k; ++i) smallest = std::min(smallest, a[i]);
    int d;
    if (allPresent && d0 > 0.0) {
        x = (k == 2 ? 0.9 : 0.99) * smallest;
        d = 1;
    } else {
        x = -0.9999 * std::pow(10.0, logKc / countSum);
        d = -1;
    }
    double h = std::fabs(0.49 * x), previous = x;
    int s = 1;
    auto cap = [&] {
        for (int i = 0; i < k; ++i)
            if (a[i] > 0.0 && x * n[i] > a[i]) x = 0.95 * a[i] / n[i];
    };
    for (int pass = 0; pass < 100; ++pass) {
        if (std::fabs(x) < 1e-30 || h < 1e-30) break;
        if (d > 0) {
            cap();
            if (x == 0.0) x = 0.95 * previous;
        }
        bool exhausted = false;
        for (int i = 0; i < k; ++i) exhausted = exhausted || !(a[i] - x * n[i] > 0.0);
        if (exhausted) {
            d = -d;
            x = -0.9 * x;
        }
        const double g = RemainingLogProduct(a, n, k, x);
        if (std::fabs(g - logKc) < 1e-4) {
            met = true;
            break;
        }
        if (g < logKc) {
            if (s > 0) {
                s = -1;
                d = -1;
                h /= 2.0;
            } else {
                s = d;
            }
        } else {
            if (s < 0) {
                s = 1;
                d = 1;
                h /= 2.0;
            } else {
                s = d;
            }
        }
        x += s * h;
        previous = x;
    }
    return x;
}

// The counts of the minerals the two- and three-ion searches serve.
constexpr double kMineralCounts[][3] = {{3, 2, 0}, {1, 2, 0}, {1, 3, 0},
                                        {2, 1, 0}, {5, 3, 4}, {1, 1, 2}};

int IonCount(const double* n) {
    return n[2] > 0.0 ? 3 : 2;
}

// x (mol/kg) that the search of k ions answers.
double SearchedExcess(const double* a, const double* n, int k, double logKc) {
    double r;
    if (k == 2)
        CalcExcess21(a[0], a[1], n[0], n[1], logKc, kMass, kF, r);
    else
        CalcExcess3(a[0], a[1], a[2], n[0], n[1], n[2], logKc, kMass, kF, r);
    return r / kMgPerMol;
}

// True where x is the 95 % hold of an ion present.
bool HeldAtCap(const double* a, const double* n, int k, double x) {
    for (int i = 0; i < k; ++i)
        if (a[i] > 0.0 && std::fabs(x * n[i] - 0.95 * a[i]) <= 1e-12 * a[i]) return true;
    return false;
}

}  // namespace

TEST(ExcessSearch, ReachesWhatTheHalvingWalkReachesOnManyWaters) {
    // Random amounts from 1e-9 to 1 mol/kg (some absent), the stoichiometries of
    // the minerals, and solubility products from far under- to far
    // supersaturation. Wherever the walk met its tolerance and the answer keeps
    // under the 95 % hold, the two answers leave remaining products within that
    // tolerance of each other; everywhere the Newton answer is the equilibrium
    // itself or the hold.
    std::mt19937 random(18);
    std::uniform_real_distribution<double> logAmount(-9.0, 0.0), logK(-60.0, 5.0);
    int met = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const double* n = kMineralCounts[trial % 6];
        const int k = IonCount(n);
        double a[3];
        for (int i = 0; i < k; ++i)
            a[i] = random() % 10 == 0 ? 0.0 : std::pow(10.0, logAmount(random));
        const double logKc = logK(random);
        const double x = SearchedExcess(a, n, k, logKc);
        const bool held = HeldAtCap(a, n, k, x);
        bool anyPresent = false;
        for (int i = 0; i < k; ++i) anyPresent = anyPresent || a[i] > 0.0;
        // Water free of every ion takes its stated share of the product at once.
        if (!anyPresent) continue;
        // Where the answer takes all but a few units in the last place of an ion,
        // no double comes closer to the product than the one found.
        bool atPrecision = false;
        for (int i = 0; i < k; ++i)
            if (a[i] > 0.0 && a[i] - n[i] * x < 1e-9 * a[i]) atPrecision = true;
        if (atPrecision) continue;
        if (!held) {
            ASSERT_NEAR(RemainingLogProduct(a, n, k, x), logKc,
                        1e-6 * std::max(1.0, std::fabs(logKc)))
                << trial;
        }
        bool walkMet;
        const double w = HalvingWalk(a, n, k, logKc, walkMet);
        bool walkOverHold = false;
        for (int i = 0; i < k; ++i)
            if (a[i] > 0.0 && w * n[i] > 0.95 * a[i]) walkOverHold = true;
        if (!walkMet || walkOverHold || held) continue;
        ++met;
        EXPECT_NEAR(RemainingLogProduct(a, n, k, x), RemainingLogProduct(a, n, k, w), 2e-4)
            << trial;
    }
    EXPECT_GT(met, 1000);
}

TEST(ExcessSearch, MeetsTheProductToRoundingWhereOneIonIsScarce) {
    // The usual water: one ion scarce beside plentiful others, which the answer
    // moves by a small share, and waters where it moves them by a large one. Away
    // from the 95 % hold the remaining product must meet the constant to the
    // rounding of its logarithms (worked out here in long double), on both sides.
    std::mt19937 random(1131);
    std::uniform_real_distribution<double> logScarce(-9.0, -4.0), logPlenty(-3.0, 0.0),
        offset(-3.0, 3.0);
    int checked = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        const double* n = kMineralCounts[trial % 6];
        const int k = IonCount(n);
        double a[3] = {};
        const int scarce = trial % k;
        for (int i = 0; i < k; ++i)
            a[i] = std::pow(10.0, i == scarce ? logScarce(random) : logPlenty(random));
        // A constant near the water's own product, so that x is of the scarce ion's size.
        long double logProduct = 0.0L;
        for (int i = 0; i < k; ++i) logProduct += n[i] * std::log10(static_cast<long double>(a[i]));
        const double logKc = static_cast<double>(logProduct) + offset(random);
        const double x = SearchedExcess(a, n, k, logKc);
        if (HeldAtCap(a, n, k, x)) continue;
        long double g = 0.0L;
        for (int i = 0; i < k; ++i)
            g += n[i] * std::log(static_cast<long double>(a[i]) - n[i] * static_cast<long double>(x));
        ++checked;
        ASSERT_NEAR(static_cast<double>(g), logKc * std::log(10.0), 1e-11 * std::fabs(logKc) + 1e-12)
            << trial;
    }
    EXPECT_GT(checked, 1000);
}

TEST(Excess11, EdgeInputs) {
    double r = 1.0;
    // Water free of both ions can dissolve sqrt(K) mol/kg.
    CalcExcess11(0.0, 0.0, 1e-8, kMass, kF, r);
    EXPECT_NEAR(r, -1e-4 * kMgPerMol, 1e-12);
    // (1e-3)^2 = 1e-6: exactly saturated, nothing leaves.
    CalcExcess11(1e-3, 1e-3, 1e-6, kMass, kF, r);
    EXPECT_NEAR(r, 0.0, 1e-9);
}

TEST(Excess11, LeavesTheSolubilityProduct) {
    struct Case {
        double a, b, logKc;
    };
    for (const Case& c : {Case{1e-2, 3e-4, -8.0}, Case{1e-5, 2e-5, -6.0}, Case{0.0, 1e-3, -7.0},
                          Case{0.3, 0.45, -1.2}}) {
        double r;
        CalcExcess11(c.a, c.b, std::pow(10.0, c.logKc), kMass, kF, r);
        const double x = r / kMgPerMol;
        EXPECT_NEAR(std::log10((c.a - x) * (c.b - x)), c.logKc, 1e-9) << c.a << " " << c.b;
        // Supersaturated waters lose mineral, undersaturated ones could dissolve it.
        EXPECT_EQ(x > 0.0, std::log10(c.a * c.b) > c.logKc);
    }
}

TEST(Excess21, EdgeInputs) {
    double r = 1.0;
    // D exactly 0: no search, no change.
    const double a = 2e-2, b = 3e-3;
    CalcExcess21(a, b, 1, 2, 1.0 * std::log10(a) + 2.0 * std::log10(b), kMass, kF, r);
    EXPECT_EQ(r, 0.0);
    // Water free of both ions dissolves the formula unit's share of K.
    CalcExcess21(0.0, 0.0, 1, 2, -9.0, kMass, kF, r);
    EXPECT_NEAR(r, -1e-3 * kMgPerMol, 1e-9);
}

TEST(Excess21, ReachesEquilibriumFromEitherSide) {
    struct Case {
        double a, b, na, nb, logKc;
    };
    for (const Case& c : {Case{1e-2, 3e-3, 1, 2, -9.0}, Case{1e-2, 3e-3, 1, 2, -6.0},
                          Case{5e-3, 1e-6, 3, 2, -20.0}, Case{0.0, 1e-3, 1, 2, -10.0}}) {
        double r;
        CalcExcess21(c.a, c.b, c.na, c.nb, c.logKc, kMass, kF, r);
        const double amount[] = {c.a, c.b};
        const double count[] = {c.na, c.nb};
        EXPECT_NEAR(RemainingLogProduct(amount, count, 2, r / kMgPerMol), c.logKc, 1e-4)
            << c.a << " " << c.b << " " << c.logKc;
    }
}

TEST(Excess21, NeverRemovesMoreThanNinetyFivePercent) {
    // So supersaturated that no removal below the cap reaches the product.
    const double a = 1e-2, b = 1e-2;
    double r;
    CalcExcess21(a, b, 1, 2, -40.0, kMass, kF, r);
    const double x = r / kMgPerMol;
    EXPECT_GT(x, 0.0);
    EXPECT_LE(x * 1, 0.95 * a + 1e-15);
    EXPECT_LE(x * 2, 0.95 * b + 1e-15);
}

TEST(Excess3, EdgeInputs) {
    double r = 1.0;
    CalcExcess3(0.0, 0.0, 0.0, 1, 1, 2, -16.0, kMass, kF, r);
    EXPECT_NEAR(r, -1e-4 * kMgPerMol, 1e-9);

    // D exactly 0 starts a dissolution search, which comes back to the saturated
    // water: practically no change.
    const double a = 5e-2, b = 1e-4, c = 2e-6;
    const double logKc = std::log10(a) + std::log10(b) + 2.0 * std::log10(c);
    CalcExcess3(a, b, c, 1, 1, 2, logKc, kMass, kF, r);
    const double x = r / kMgPerMol;
    const double amount[] = {a, b, c};
    const double count[] = {1, 1, 2};
    EXPECT_NEAR(RemainingLogProduct(amount, count, 3, x), logKc, 1e-4);
    EXPECT_LT(std::fabs(x), 1e-4 * c);
}

TEST(Excess3, ReachesEquilibriumAndKeepsTheCap) {
    const double amount[] = {1e-2, 1e-4, 1e-6};
    const double count[] = {5, 3, 4};
    for (double logKc : {-40.0, -47.0, -50.0}) {
        double r;
        CalcExcess3(amount[0], amount[1], amount[2], 5, 3, 4, logKc, kMass, kF, r);
        EXPECT_NEAR(RemainingLogProduct(amount, count, 3, r / kMgPerMol), logKc, 1e-4) << logKc;
    }
    double r;
    CalcExcess3(amount[0], amount[1], amount[2], 5, 3, 4, -120.0, kMass, kF, r);
    const double x = r / kMgPerMol;
    for (int i = 0; i < 3; ++i) EXPECT_LE(x * count[i], 0.95 * amount[i] * (1 + 1e-12));
}

// Each mineral whose saturation ratio is 1 must have no momentary excess: the
// ratio and the excess describe the same equilibrium.
TEST(MineralExcess, SaturatedMineralsHaveNoExcess) {
    struct Case {
        const char* name;
        int slot;   // IndexCode
        int entry;  // MomentaryExcess entry
        int ion;    // species scaled to reach saturation
        double count;
        double molarMass;
    };
    const Case cases[] = {
        {"calcite", IndexCode::kCalcite, ExcessEntry::kCalcite, Ion::kCO3, 1, 100.0892},
        {"aragonite", IndexCode::kAragonite, ExcessEntry::kAragonite, Ion::kCO3, 1, 100.0892},
        {"witherite", IndexCode::kWitherite, ExcessEntry::kWitherite, Ion::kBa, 1, 197.3492},
        {"siderite", IndexCode::kSiderite, ExcessEntry::kSiderite, Ion::kFe, 1, 115.8562},
        {"magnesite", IndexCode::kMagnesite, ExcessEntry::kMagnesite, Ion::kCO3, 1, 84.3142},
        {"anhydrite", IndexCode::kAnhydrite, ExcessEntry::kAnhydrite, Ion::kSO4, 1, 136.14},
        {"gypsum", IndexCode::kGypsum, ExcessEntry::kGypsum, Ion::kSO4, 1, 154.16},
        {"barite", IndexCode::kBarite, ExcessEntry::kBarite, Ion::kBa, 1, 233.4},
        {"celestite", IndexCode::kCelestite, ExcessEntry::kCelestite, Ion::kSr, 1, 183.68},
        {"calcium phosphate", IndexCode::kCalciumPhosphate, ExcessEntry::kCalciumPhosphate,
         Ion::kPO4, 2, 310.183},
        {"hydroxyapatite", IndexCode::kHydroxyapatite, ExcessEntry::kHydroxyapatite, Ion::kHPO4, 3,
         310.183},
        {"strengite", IndexCode::kStrengite, ExcessEntry::kStrengite, Ion::kPO4, 1, 150.81836},
        {"brucite", IndexCode::kBrucite, ExcessEntry::kBrucite, Ion::kMg, 1, 58.32674},
        {"iron hydroxide", IndexCode::kIronHydroxide, ExcessEntry::kIronHydroxide, Ion::kFe3, 1,
         106.86911},
        {"silica", IndexCode::kAmorphousSilica, ExcessEntry::kAmorphousSilica, Ion::kH4SiO4, 1,
         61.8331},
        {"fluorite", IndexCode::kFluorite, ExcessEntry::kFluorite, Ion::kCa, 1, 78.0796},
        {"strontianite", IndexCode::kStrontianite, ExcessEntry::kStrontianite, Ion::kSr, 1,
         147.6292},
        {"mackinawite", IndexCode::kMackinawite, ExcessEntry::kMackinawite, Ion::kHS, 1, 87.911},
        {"halite", IndexCode::kHalite, ExcessEntry::kHalite, Ion::kNa, 1, 58.4428},
        {"magnesium silicate", IndexCode::kMagnesiumSilicate, ExcessEntry::kMagnesiumSilicate,
         Ion::kH4SiO4, 1, 100.3962},
    };
    for (const Case& c : cases) {
        TestWater t;
        t.FillBrackish();
        if (c.entry == ExcessEntry::kIronHydroxide) t.SetPh(3.0, 0.75);  // soluble iron(III)
        if (c.entry == ExcessEntry::kHalite) t.Set(Ion::kCl, 5.0, 0.65);
        double slots[64] = {};
        CalcMineralRatios(t.w, slots);
        t.Scale(c.ion, std::pow(slots[c.slot], -1.0 / c.count));
        CalcMineralRatios(t.w, slots);
        ASSERT_NEAR(slots[c.slot], 1.0, 1e-9) << c.name;
        double excess[kMineralExcessCount];
        CalcMineralExcesses(t.w, slots[IndexCode::kFluorite], excess);
        const double ionMgL = t.species[c.ion].molality * c.molarMass * t.w.massFactor;
        EXPECT_LT(std::fabs(excess[c.entry]), 1e-3 * ionMgL) << c.name;
    }
}

TEST(MineralExcess, ThenarditeAndOxalateAtSaturation) {
    // Thenardite's ratio carries the activity coefficients of its ions once more, so
    // its saturation is checked with coefficients of 1; oxalate is kept apart from
    // the species table.
    TestWater t;
    t.FillBrackish();
    t.Set(Ion::kNa, 1.0, 1.0);
    t.Set(Ion::kSO4, 0.5, 1.0);
    double slots[64] = {};
    CalcMineralRatios(t.w, slots);
    t.Scale(Ion::kSO4, 1.0 / slots[IndexCode::kThenardite]);
    t.w.oxalate /= slots[IndexCode::kCalciumOxalate];
    CalcMineralRatios(t.w, slots);
    ASSERT_NEAR(slots[IndexCode::kThenardite], 1.0, 1e-9);
    ASSERT_NEAR(slots[IndexCode::kCalciumOxalate], 1.0, 1e-9);
    double excess[kMineralExcessCount];
    CalcMineralExcesses(t.w, slots[IndexCode::kFluorite], excess);
    EXPECT_LT(std::fabs(excess[ExcessEntry::kThenardite]),
              1e-3 * t.species[Ion::kSO4].molality * 142.0412 * t.w.massFactor);
    EXPECT_LT(std::fabs(excess[ExcessEntry::kCalciumOxalate]),
              1e-6 * t.w.oxalate * 128.0976 * t.w.massFactor);
}

TEST(MineralExcess, ZincAndPyrophosphateMineralsAtSaturation) {
    struct Case {
        const char* name;
        double ZincPhosphateResults::*ratio;
        double ZincPhosphateResults::*excess;
        int ion;  // species scaled, or -1 for the pyrophosphate
        double count;
        double molarMass;
    };
    const Case cases[] = {
        {"zinc hydroxide", &ZincPhosphateResults::zincHydroxideRatio,
         &ZincPhosphateResults::zincHydroxideExcess, Ion::kZn, 1, 99.385},
        {"zinc carbonate", &ZincPhosphateResults::zincCarbonateRatio,
         &ZincPhosphateResults::zincCarbonateExcess, Ion::kZn, 1, 125.38},
        {"zinc phosphate", &ZincPhosphateResults::zincPhosphateRatio,
         &ZincPhosphateResults::zincPhosphateExcess, Ion::kPO4, 2, 485.438},
        {"zinc pyrophosphate", &ZincPhosphateResults::zincPyrophosphateRatio,
         &ZincPhosphateResults::zincPyrophosphateExcess, -1, 1, 239.3236},
        {"calcium pyrophosphate", &ZincPhosphateResults::calciumPyrophosphateRatio,
         &ZincPhosphateResults::calciumPyrophosphateExcess, -1, 1, 254.1034},
    };
    for (const Case& c : cases) {
        TestWater t;
        t.FillBrackish();
        const double factor = std::pow(CalcZincPhosphateMinerals(t.w).*c.ratio, -1.0 / c.count);
        double molality;
        if (c.ion < 0) {
            t.w.pyrophosphate *= factor;
            molality = t.w.pyrophosphate;
        } else {
            t.Scale(c.ion, factor);
            molality = t.species[c.ion].molality;
        }
        const ZincPhosphateResults r = CalcZincPhosphateMinerals(t.w);
        ASSERT_NEAR(r.*c.ratio, 1.0, 1e-9) << c.name;
        EXPECT_LT(std::fabs(r.*c.excess), 1e-3 * molality * c.molarMass * t.w.massFactor) << c.name;
    }
}

TEST(MineralExcess, FluoriteExactlySaturatedIsZero) {
    TestWater t;
    t.FillBrackish();
    double excess[kMineralExcessCount];
    CalcMineralExcesses(t.w, 1.0, excess);
    EXPECT_EQ(excess[ExcessEntry::kFluorite], 0.0);
    CalcMineralExcesses(t.w, 1.5, excess);
    EXPECT_NE(excess[ExcessEntry::kFluorite], 0.0);
}
