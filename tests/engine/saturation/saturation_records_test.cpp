// The records of the last engine stage: the balancing decision of the reference
// pass, the charge and mass sums, how the results pass stores its values, and that
// no infinity or NaN reaches a record whatever the speciated water holds.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/index_code.h"
#include "engine/inputs/ion_sums.h"
#include "engine/speciation/reference_pass.h"
#include "engine/saturation/results_pass.h"
#include "saturation_fixture.h"

namespace {

struct ResultsHarness {
    WaterAnalysis analysis{};
    float saturation[64] = {};
    float excess[38] = {};
    ZincPhosphateResults zinc{};
    float silicate = 0, silicateCopy = 0;
    OxalateResults oxalate{};
    float waterActivity = 0;
    ResultsCarbonate carbonate{};

    void Run(const SpeciatedWater& w, const CarbonateSolverValues& solvers = {}) {
        ResultsPassRecords out{analysis,     saturation, excess,        zinc,     silicate,
                               silicateCopy, oxalate,    waterActivity, carbonate};
        RunResultsPass(w, solvers, CalcIonSums(w), out);
    }
};

struct BalanceCase {
    double cations, anions;
    uint16_t anionAdded, cationAdded;
};

}  // namespace

TEST(ReferenceBalancing, DecisionOnBothSidesOfTheThreshold) {
    const BalanceCase cases[] = {
        {1.06, 1.00, 1, 0},                      // cations 6 % over: an anion is added
        {1.04, 1.00, 0, 0},                      // within 5 %: nothing
        {1.00, 1.04, 0, 0}, {1.00, 1.06, 0, 1},  // anions 6 % over: a cation is added
        {1.00, 0.00, 1, 0},                      // no anions at all
        {0.00, 0.00, 1, 1},                      // nothing at all: both, with an amount of 0
    };
    for (const BalanceCase& c : cases) {
        TestWater t;
        t.table.molarMass[Ion::kCl] = 35.453;
        t.table.molarMass[Ion::kNa] = 22.9898;
        const IonSums sums{c.cations * 1e-2, c.anions * 1e-2, 0.0};
        const BalanceDecision d =
            DecideBalance(sums, BalanceChoice{0, 1}, UnitCodes{}, 2, 1000.0, t.table, t.species);
        EXPECT_EQ(d.anionAdded, c.anionAdded) << c.cations << " " << c.anions;
        EXPECT_EQ(d.cationAdded, c.cationAdded) << c.cations << " " << c.anions;
        if (!d.anionAdded && !d.cationAdded) {
            EXPECT_EQ(t.species[Ion::kCl].amount, 0.0);
        }
    }
}

TEST(ReferenceBalancing, AmountInTheIonsUnit) {
    // 6e-4 eq/kg of chloride short at F = 1000: 6e-4 x 35.453 x 1000 = 21.2718 mg/L.
    const IonSums sums{1.06e-2, 1.0e-2, 0.0};
    {
        TestWater t;
        t.table.molarMass[Ion::kCl] = 35.453;
        const BalanceDecision d =
            DecideBalance(sums, BalanceChoice{0, 1}, UnitCodes{}, 2, 1000.0, t.table, t.species);
        EXPECT_NEAR(d.amount, 21.2718, 1e-4);
        EXPECT_NEAR(t.species[Ion::kCl].amount, 21.2718, 1e-9);
        EXPECT_NEAR(t.species[Ion::kCl].molality, 6e-4, 1e-12);
    }
    {
        // Sulfate is divalent: half the moles, 6e-4 / 2 x 96.0616 x 1000 = 28.81848 mg/L,
        // entered with unit code 1 (as CaCO3: 48.0308 / 50.0445 mg/L of sulfate each).
        TestWater t;
        t.table.molarMass[Ion::kSO4] = 96.0616;
        UnitCodes units{};
        units.code[UnitItem::kSulfate] = 1;
        const BalanceDecision d =
            DecideBalance(sums, BalanceChoice{0, 0}, units, 2, 1000.0, t.table, t.species);
        EXPECT_NEAR(d.amount, 28.81848 * 50.0445 / 48.0308, 1e-3);
    }
    {
        // epm reporting: the equivalents, 6e-4 x 1000 = 0.6.
        TestWater t;
        t.table.molarMass[Ion::kNO3] = 62.0049;
        const BalanceDecision d =
            DecideBalance(sums, BalanceChoice{0, 2}, UnitCodes{}, 3, 1000.0, t.table, t.species);
        EXPECT_NEAR(d.amount, 0.6, 1e-6);
    }
    {
        // Anions over: potassium; a cation choice of 0xFFFF adds nothing and sets no flag.
        const IonSums over{1.0e-2, 1.1e-2, 0.0};
        TestWater t;
        t.table.molarMass[Ion::kK] = 39.102;
        BalanceDecision d =
            DecideBalance(over, BalanceChoice{1, 0}, UnitCodes{}, 2, 1000.0, t.table, t.species);
        EXPECT_EQ(d.cationAdded, 1);
        EXPECT_NEAR(d.amount, 1e-3 * 39.102 * 1000.0, 1e-3);
        d = DecideBalance(over, BalanceChoice{0xFFFF, 0}, UnitCodes{}, 2, 1000.0, t.table,
                          t.species);
        EXPECT_EQ(d.cationAdded, 0);
        EXPECT_FALSE(d.amountSet);
    }
}

TEST(IonSums, SodiumChlorideWaterByHand) {
    TestWater t;
    t.table.charge[Ion::kNa] = 1;
    t.table.molarMass[Ion::kNa] = 22.9898;
    t.table.charge[Ion::kCl] = -1;
    t.table.molarMass[Ion::kCl] = 35.453;
    t.table.molarMass[Ion::kCO2] = 62.0253;
    t.table.charge[16] = 2;  // the sulfide input record is not a species
    t.table.molarMass[16] = 34.08;
    t.Set(Ion::kNa, 0.1);
    t.Set(Ion::kCl, 0.1);
    t.Set(Ion::kCO2, 0.001);
    t.Set(16, 0.5);
    t.w.organicAcidTotal[0] = 0.002;
    t.w.organicAcidDissociated[0] = 0.001;
    t.w.resultScale = 2.0;
    const IonSums s = CalcIonSums(t.w);
    EXPECT_NEAR(s.cationEquivalents, 0.1, 1e-15);
    // The acid's anions are its dissociated share alone: the undissociated acid
    // carries no charge.
    EXPECT_NEAR(s.anionEquivalents, 0.1 + 0.001, 1e-15);
    // (2298.98 + 3545.3 + 62.0253 + 3 x 0.002 - 0.001) x 2
    EXPECT_NEAR(s.tds, 11812.6206, 1e-6);
    EXPECT_NEAR(CationAnionRatio(s), 0.1 / 0.101, 1e-12);
    EXPECT_EQ(CationAnionRatio(IonSums{0.1, 0.0, 0.0}), 0.0);
}

TEST(ResultsPass, RecordRules) {
    TestWater t;
    t.FillBrackish();
    ResultsHarness h;
    h.saturation[46] = 7.0f;  // the silt density index is not the engine's
    h.saturation[48] = 8.0f;
    for (float& e : h.excess) e = 5.0f;
    h.analysis.values[AnalysisElement::kPh] = 8.0f;
    h.analysis.values[AnalysisElement::kCompanionPh] = 7.9f;
    t.w.startPh = 7.995;  // within 0.01 of the final pH
    h.Run(t.w);
    EXPECT_EQ(h.saturation[46], 7.0f);
    EXPECT_EQ(h.saturation[48], 8.0f);
    for (int i = 22; i < 38; ++i) EXPECT_EQ(h.excess[i], 0.0f) << i;
    EXPECT_EQ(h.analysis.values[AnalysisElement::kResultScale], 1.0f);
    EXPECT_EQ(h.analysis.values[AnalysisElement::kPh], 8.0f);
    EXPECT_EQ(h.analysis.values[AnalysisElement::kCompanionPh], 7.9f);
    EXPECT_EQ(h.saturation[62], h.oxalate.ratio);
    EXPECT_EQ(h.saturation[63], h.oxalate.excess);
    EXPECT_EQ(h.excess[20], h.oxalate.excess);
    EXPECT_EQ(h.silicate, h.silicateCopy);
    EXPECT_EQ(h.zinc.dissolvedZinc, h.zinc.dissolvedZincCopy);

    // A result scale factor of 2 doubles every excess; a pH moved by more than 0.01
    // is written back and marks the companion pH as computed.
    ResultsHarness scaled;
    scaled.analysis.values[AnalysisElement::kResultScale] = 2.0f;
    t.w.startPh = 7.98;
    scaled.Run(t.w);
    for (int i = 0; i < 22; ++i) EXPECT_EQ(scaled.excess[i], 2.0f * h.excess[i]) << i;
    EXPECT_EQ(scaled.analysis.values[AnalysisElement::kPh], 8.0f);
    EXPECT_EQ(scaled.analysis.values[AnalysisElement::kCompanionPh], -1.0f);
}

TEST(ResultsPass, SecondCarbonateFamilyIsStoredPlain) {
    TestWater t;
    t.FillBrackish();
    ResultsHarness h;
    CarbonateSolverValues solvers{{1.5, 2.5, 1e-40, -4.5, 5.5, 6.5}};
    h.Run(t.w, solvers);
    EXPECT_EQ(h.saturation[60], 1.5f);
    EXPECT_EQ(h.saturation[58], 2.5f);
    EXPECT_EQ(h.saturation[57], static_cast<float>(1e-40));  // no 1e-37 floor
    EXPECT_EQ(h.saturation[55], -4.5f);
    EXPECT_EQ(h.saturation[53], 5.5f);
    EXPECT_EQ(h.saturation[51], 6.5f);
    // Calcite from totals: CaT 1.1e-2 with CO3T 2e-4 is far above its solubility
    // product, so nearly all the carbonate total leaves.
    EXPECT_GT(h.saturation[61], 0.5f * 2e-4f * 100.0892f * 1000.0f);
    EXPECT_LT(h.saturation[61], 2e-4f * 100.0892f * 1000.0f);
}

// Random waters over wide ranges: every stored value is finite, and values stored
// through ClampToFloat lie within 1e-37..1e37 or are 0.
TEST(ResultsPass, NoInfinityOrNaNReachesARecord) {
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto decade = [&](double lo, double hi) {
        return std::pow(10.0, lo + (hi - lo) * unit(rng));
    };
    const auto maybe = [&](double v) { return unit(rng) < 0.15 ? 0.0 : v; };
    for (int trial = 0; trial < 300; ++trial) {
        TestWater t;
        for (int i = 0; i < kSpeciesCount; ++i) {
            t.table.charge[i] = std::floor(unit(rng) * 7.0) - 3.0;
            t.table.molarMass[i] = decade(0, 3);
            t.Set(i, maybe(decade(-60, 3)), maybe(decade(-4, 0.5)));
        }
        for (double& k : t.reactionK) k = maybe(decade(-80, 80));
        SpeciatedWater& w = t.w;
        w.ph = -2.0 + 18.0 * unit(rng);
        w.startPh = w.ph + (unit(rng) - 0.5);
        t.SetWaterActivity(0.2 + 0.8 * unit(rng));
        w.ionicStrength = maybe(decade(-6, 1.5));
        w.sqrtIonicStrength = w.ionicStrength > 0 ? std::sqrt(w.ionicStrength) : 1e-5;
        w.temperatureC = -10.0 + 400.0 * unit(rng);
        w.temperatureK = w.temperatureC + 273.16;
        w.temperatureF = w.temperatureC * 1.8 + 32.0;
        w.pressurePsia = decade(-2, 3);
        w.massFactor = decade(2.9, 3.5);
        w.resultScale = decade(-3, 3);
        for (double* total : {&w.calciumTotal,
                              &w.alkalinityTotal,
                              &w.carbonateTotal,
                              &w.bicarbonateTotal,
                              &w.hydroxideTotal,
                              &w.sulfateTotal,
                              &w.chlorideTotal,
                              &w.phosphateTotal,
                              &w.bariumTotal,
                              &w.ironTotal,
                              &w.magnesiumTotal,
                              &w.strontiumTotal,
                              &w.oxalate,
                              &w.oxalateGamma,
                              &w.hydrogenOxalate,
                              &w.pyrophosphate,
                              &w.pyrophosphateGamma,
                              &w.loopTotalCarbonate,
                              &w.carbonateTarget,
                              &w.startCarbonateAlkalinity,
                              &w.totalCarbonateTarget})
            *total = maybe(decade(-40, 2));
        w.co2SolubilityLog = -3.0 + 6.0 * unit(rng);
        w.ph2sAtm = maybe(decade(-5, 2));

        ResultsHarness h;
        h.analysis.values[AnalysisElement::kResultScale] = static_cast<float>(maybe(decade(-3, 3)));
        h.Run(w);
        for (int i = 0; i < 64; ++i) {
            const float v = h.saturation[i];
            ASSERT_TRUE(std::isfinite(v)) << "slot " << i << " trial " << trial;
            if (i < 50) {  // the clamped slots
                ASSERT_LE(std::fabs(v), 1e37f) << "slot " << i;
                if (v != 0.0f) {
                    ASSERT_GE(std::fabs(v), 1e-37f) << "slot " << i;
                }
            }
        }
        for (float v : h.excess) ASSERT_TRUE(std::isfinite(v));
        for (float v : h.analysis.values) ASSERT_TRUE(std::isfinite(v));
        const double* zinc = &h.zinc.calciumPyrophosphateExcess;
        for (int i = 0; i < 12; ++i) ASSERT_TRUE(std::isfinite(zinc[i])) << "zinc field " << i;
        ASSERT_TRUE(std::isfinite(h.silicate) && std::isfinite(h.waterActivity));
        ASSERT_TRUE(std::isfinite(h.carbonate.acidityAsCaCO3));
        ASSERT_TRUE(std::isfinite(h.carbonate.dissolvedCarbonicAcid));

        // The reference pass of the same water.
        WaterAnalysis analysis{};
        float saturation[64] = {};
        CarbonateState carbonate{};
        ReferenceOutputs outputs{};
        ReferenceCarbonate reference{};
        double referenceAlkalinity = 0, referencePh = 0;
        ReferencePassRecords records{analysis,  saturation,          carbonate,  outputs,
                                     reference, referenceAlkalinity, referencePh};
        WriteReferenceValues(w, trial % 6, decade(-1, 3), records);
        for (float v : analysis.values) ASSERT_TRUE(std::isfinite(v));
        for (float v : saturation) ASSERT_TRUE(std::isfinite(v));
        const float* state = &carbonate.k1;
        for (int i = 0; i < 17; ++i) ASSERT_TRUE(std::isfinite(state[i])) << "state " << i;
        ASSERT_TRUE(std::isfinite(outputs.chargeResidual) && std::isfinite(referenceAlkalinity));
        ASSERT_TRUE(std::isfinite(reference.carbonateSum) && std::isfinite(referencePh));
    }
}
