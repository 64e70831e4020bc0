// Activity coefficients and the sums of a speciation pass, against published
// coefficients and hand calculations.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/speciation/speciation_steps.h"
#include "engine/tables/thermo_tables.h"

namespace {

// Debye-Hückel parameters of water at 25 C (Truesdell and Jones 1974).
constexpr double kA = 0.5092;
constexpr double kB = 0.3283;

class ActivityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillThermoTables(tables);
        BuildActivityClasses(tables.species, classes);
    }
    // Coefficients of every species at ionic strength I.
    void Apply(double ionicStrength) {
        ApplyActivityCoefficients(kA, kB, ionicStrength, std::sqrt(ionicStrength), tables.species,
                                  classes, species, neutral);
    }
    ThermoTables tables{};
    ActivityClasses classes{};
    NeutralCoefficient neutral;
    SpeciesRecord species[kSpeciesCount]{};
};

TEST_F(ActivityTest, NeutralSpeciesHaveCoefficientOneAtAnyIonicStrength) {
    for (double strength : {0.0, 1e-3, 0.7, 6.0}) {
        Apply(strength);
        for (int i = 6; i < kSpeciesCount; ++i) {
            if (tables.species.charge[i] != 0.0) continue;
            ASSERT_EQ(species[i].gamma, 1.0) << "species " << i << " at I " << strength;
        }
    }
}

TEST_F(ActivityTest, NeutralCoefficientFollowsANegativeIonicStrengthAndReturns) {
    // A negative strength gives 10^(0.1 I): 10^-0.05 = 0.891251 at I = -0.5; the
    // next pass at a positive strength must put every neutral species back to 1.0.
    Apply(-0.5);
    EXPECT_NEAR(species[85].gamma, 0.891251, 1e-6);  // CO2(aq)
    Apply(0.1);
    for (int i = 6; i < kSpeciesCount; ++i) {
        if (tables.species.charge[i] != 0.0) continue;
        ASSERT_EQ(species[i].gamma, 1.0) << "species " << i;
    }
}

TEST(ActivityClassesKept, FollowAChangeOfTheTable) {
    ThermoTables tables{};
    FillThermoTables(tables);
    const ActivityClasses& first = ActivityClassesOf(tables.species);
    const uint8_t hco3Class = first.classOf[6];
    EXPECT_EQ(first.classOf[47], hco3Class);  // H2PO4- shares HCO3-'s charge and size
    // H2PO4- given another ion size leaves the class of HCO3-.
    tables.species.ionSize[47] = 7.25;
    const ActivityClasses& second = ActivityClassesOf(tables.species);
    EXPECT_NE(second.classOf[47], second.classOf[6]);
    // A species made neutral joins the neutral list.
    tables.species.charge[47] = 0.0;
    const ActivityClasses& third = ActivityClassesOf(tables.species);
    EXPECT_EQ(third.classOf[47], ActivityClasses::kNeutral);
    bool listed = false;
    for (int k = 0; k < third.neutralCount; ++k) listed = listed || third.neutral[k] == 47;
    EXPECT_TRUE(listed);
    // Back to the filled table: the classes are those built first.
    FillThermoTables(tables);
    EXPECT_EQ(ActivityClassesOf(tables.species).classOf[47], hco3Class);
}

TEST_F(ActivityTest, ExtendedTermWithIonSizeMatchesKielland) {
    // Kielland's (1937) coefficients at I = 0.1: 0.83 for H+ (a = 9), 0.755 for
    // OH- (a = 3.5 gives 0.76; Kielland's a = 3 column reads 0.755).
    Apply(0.1);
    EXPECT_NEAR(species[63].gamma, 0.83, 0.006);  // H+
    EXPECT_NEAR(species[26].gamma, 0.76, 0.006);  // OH-, a = 3.5
    // HCO3- (a = 5.4) by hand: sqrt(0.1) = 0.316228; 0.5092 x 0.316228 = 0.161024;
    // 1 + 5.4 x 0.3283 x 0.316228 = 1.560604; 10^(-0.103181) = 0.78853.
    EXPECT_NEAR(species[6].gamma, 0.78853, 1e-4);
    // Species of one charge and one size share one coefficient.
    EXPECT_EQ(species[6].gamma, species[47].gamma);  // HCO3- and H2PO4-, both 5.4
}

TEST_F(ActivityTest, WithoutIonSizeTheLimitingLawApplies) {
    // Pb2+ has ion size 0: log g = -A z^2 sqrt(I). At I = 0.001:
    // -0.5092 x 4 x 0.0316228 = -0.064409, g = 0.86224.
    Apply(0.001);
    EXPECT_NEAR(species[182].gamma, 0.86224, 1e-4);
    // P2O7 4- (ion size 0) at sea-water strength falls to the floor of 0.01.
    Apply(0.7);
    EXPECT_EQ(species[379].gamma, 0.01);
}

TEST_F(ActivityTest, MajorIonsTakeTruesdellJonesCoefficients) {
    Apply(0.1);
    // Na+: -0.161024 / (1 + 4.0 x 0.103817) + 0.075 x 0.1 = -0.106299; g = 0.78293.
    EXPECT_NEAR(species[2].gamma, 0.78293, 1e-4);
    // K+ and Cl-: -0.161024 / (1 + 3.5 x 0.103817) + 0.0015 = -0.116660; g = 0.76453.
    EXPECT_NEAR(species[3].gamma, 0.76453, 1e-4);
    EXPECT_EQ(species[4].gamma, species[3].gamma);
    // SO4 2-: -0.644096 / (1 + 5.0 x 0.103817) - 0.004 = -0.428003; g = 0.37325.
    EXPECT_NEAR(species[5].gamma, 0.37325, 1e-4);
    // The linear term lifts Mg2+ above Ca2+ of nearly the same size at high I.
    Apply(3.0);
    EXPECT_GT(species[1].gamma, species[0].gamma);
}

TEST(ActivityCoefficient, ExponentAndFloorLimits) {
    EXPECT_EQ(CoefficientFromLog(-5.0), 0.01);
    EXPECT_DOUBLE_EQ(CoefficientFromLog(400.0), 1e300);
    EXPECT_DOUBLE_EQ(CoefficientFromLog(-0.5), std::pow(10.0, -0.5));
}

TEST(SpeciesSums, NegativesResetTotalsAndHydrogenIonLeftOut) {
    ThermoTables tables{};
    FillThermoTables(tables);
    SpeciesRecord species[kSpeciesCount]{};
    for (int i : {16, 34, 63, 64, 86}) species[i].molality = 1.0;
    species[2].molality = 1.0;   // Na+
    species[5].molality = 1.0;   // SO4 2-
    species[85].molality = 0.5;  // CO2, neutral: counts in the molality sum only
    species[1].molality = -0.3;  // a negative molality is reset, not counted
    PassSpecies list;
    const bool summed[kSpeciesCount]{};
    ListPassSpecies(species, summed, tables.species, list);
    double sum = 0.0;
    double strength = 0.0;
    SumSpecies(species, list, sum, strength);
    EXPECT_DOUBLE_EQ(sum, 2.5);
    EXPECT_DOUBLE_EQ(strength, 0.5 * (1.0 + 4.0));
    EXPECT_EQ(species[1].molality, 0.0);
}

// Species that a block forms after the list was made join it where a list made anew
// would have them, so the sums add in the same order; a listed species is not added
// twice.
TEST(SpeciesSums, AddedSpeciesTakeTheirPlaceInTableOrder) {
    ThermoTables tables{};
    FillThermoTables(tables);
    SpeciesRecord species[kSpeciesCount]{};
    for (int i : {0, 2, 4, 5, 6, 17, 26, 63, 85}) species[i].molality = 0.01 * (i + 1);
    const bool summed[kSpeciesCount]{};
    PassSpecies grown;
    ListPassSpecies(species, summed, tables.species, grown);
    // Species 29 and 41 fall between listed ones of their column, 30 and 388 go past
    // the ends, 30 and 41 each make the list a row longer; 6 is listed already.
    for (int i : {30, 388, 29, 41, 6}) {
        species[i].molality = 0.001 * (i + 1);
        AddPassSpecies(grown, tables.species, i);
    }
    PassSpecies fresh;
    ListPassSpecies(species, summed, tables.species, fresh);
    ASSERT_EQ(grown.length, fresh.length);
    for (int row = 0; row < fresh.length; ++row)
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(grown.index[row][column], fresh.index[row][column])
                << "row " << row << " column " << column;
            // Each entry moves with its charge and sums mask.
            EXPECT_EQ(grown.charge[row][column], fresh.charge[row][column]) << "row " << row;
            EXPECT_EQ(grown.sumMask[row][column], fresh.sumMask[row][column]) << "row " << row;
        }
    double sum[2], strength[2];
    SumSpecies(species, grown, sum[0], strength[0]);
    SumSpecies(species, fresh, sum[1], strength[1]);
    EXPECT_EQ(sum[0], sum[1]);
    EXPECT_EQ(strength[0], strength[1]);
}

// The classes' coefficients taken as powers of one coefficient per ion size agree
// with a power of ten per class.
TEST_F(ActivityTest, CoefficientsByIonSizeAgreeWithOnePowerPerClass) {
    ASSERT_GT(classes.sizeCount, 0);
    for (double strength : {1e-4, 0.01, 0.7, 3.0, 6.0}) {
        Apply(strength);
        const double sqrtI = std::sqrt(strength);
        for (int k = 0; k < classes.groupedCount; ++k) {
            const int i = classes.grouped[k];
            const double expected = CoefficientFromLog(
                DebyeHuckelLog(kA, kB, tables.species.charge[i], tables.species.ionSize[i], sqrtI));
            EXPECT_NEAR(species[i].gamma, expected, 1e-13 * expected) << "species " << i;
        }
    }
}

}  // namespace
