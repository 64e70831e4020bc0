// The input stage: temperatures and pressures in their units, the pressure floor,
// the carbonate inputs of each alkalinity mode, epm and unit-factor conversion, the
// molal sums, and the relations of H2S with pH2S and of CO2 with pCO2.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/tables/constants_records.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"

namespace {

namespace E = AnalysisElement;

class EngineInputsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetInputsRecords();
        ResetConstantsRecords();
        InitSpeciesTable();
        units.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
        units.code[UnitItem::kPressure] = PressureUnit::kAtm;
        switches.alkalinityMode = 2;  // bicarbonate and carbonate as the ions
        Set(E::kTemperature, 25.0);
        Set(E::kPressure, 1.0);
        Set(E::kPh, 7.0);
    }
    void TearDown() override { ResetEngineRecords(); }

    void Set(int element, double value) { analysis.values[element] = static_cast<float>(value); }
    float Get(int element) const { return analysis.values[element]; }

    InputStageContext Context() {
        return {units,    switches, reference,   surface, surface.values, entryTemperature,
                blendCo2, acids,    speciesTable};
    }
    // The first part only: amounts, temperature, carbonate, sums.
    void Load() { LoadEngineInputs(Context(), analysis, SpeciesState, in); }
    // The whole stage.
    void Run() {
        InputStageOutputs out{reactionTable, reactionLogK, reactionK, SpeciesState, in, flows,
                              waterConstants, kwResult, waterActivityResult};
        RunInputStage(Context(), analysis, out);
    }
    static double Amount(int species) { return SpeciesState[species].amount; }
    static double Molality(int species) { return SpeciesState[species].molality; }

    WaterAnalysis analysis{};
    UnitCodes units{};
    InputSwitches switches{1, 0, 0, 0, 2, 0, 2, 0, 0};
    ReferenceValues reference{};
    WaterAnalysis surface{};
    float entryTemperature = 25.0f;
    float blendCo2 = 0.0f;
    float acids[4] = {};
    EngineInputs in{};
    GasFlowTotals flows{};
};

TEST_F(EngineInputsTest, ReferencePassRunsAt25CWhateverTheTemperatureSays) {
    Set(E::kTemperature, 150.0);
    switches.calcPassMode = 0;
    Load();
    EXPECT_NEAR(in.temperatureC, 25.0, 1e-12);
    EXPECT_NEAR(in.temperatureK, 298.16, 1e-12);
    EXPECT_NEAR(in.temperatureF, 77.0, 1e-12);
    switches.calcPassMode = 1;
    Load();
    EXPECT_NEAR(in.temperatureC, 150.0, 1e-12);
    EXPECT_NEAR(in.temperatureK, 423.16, 1e-12);
    EXPECT_NEAR(in.temperatureF, 302.0, 1e-12);
}

TEST_F(EngineInputsTest, TemperatureUnits) {
    struct Case {
        unsigned code;
        double entered;
        double celsius;
    } cases[] = {{TemperatureUnit::kFahrenheit, 212.0, 100.0},
                 {TemperatureUnit::kFahrenheit, -40.0, -40.0},
                 {TemperatureUnit::kCelsius, 40.0, 40.0},
                 {TemperatureUnit::kKelvin, 373.16, 100.0},
                 {7, 80.0, 25.0}};  // an unknown unit runs at 25 C
    for (const Case& c : cases) {
        EngineTemperature(c.entered, c.code, 1, in);
        EXPECT_NEAR(in.temperatureC, c.celsius, 1e-9) << c.code << " " << c.entered;
        EXPECT_NEAR(in.temperatureK, c.celsius + 273.16, 1e-9);
    }
}

TEST_F(EngineInputsTest, PressureUnitsAgree) {
    struct Case {
        unsigned code;
        double entered;
        double psia, atm, bar;
    } cases[] = {
        {PressureUnit::kPsia, 14.696, 14.696, 1.0, 1.01326},
        {PressureUnit::kBar, 1.0, 14.5037, 0.98692, 1.0},
        {PressureUnit::kAtm, 1.0, 14.6959, 1.0, 1.01326},
        {PressureUnit::kKPa, 100.0, 14.5037, 0.98692, 1.0},
    };
    for (const Case& c : cases) {
        units.code[UnitItem::kPressure] = static_cast<uint16_t>(c.code);
        Set(E::kPressure, c.entered);
        Run();
        EXPECT_NEAR(in.pressurePsia, c.psia, 1e-4) << c.code;
        EXPECT_NEAR(in.pressureAtm, c.atm, 1e-5) << c.code;
        EXPECT_NEAR(in.pressureBar, c.bar, 1e-5) << c.code;
        EXPECT_EQ(in.pressureRaised, 0u);
        EXPECT_FLOAT_EQ(Get(E::kPressure), static_cast<float>(c.entered));
    }
}

TEST_F(EngineInputsTest, PressureBelowSaturationIsRaisedToIt) {
    // 1 atm at 150 C: water boils unless held at 69.07 psia (4.700 atm).
    Set(E::kTemperature, 150.0);
    Run();
    EXPECT_NEAR(in.pressurePsia, 69.07, 0.01);
    EXPECT_EQ(in.pressureRaised, 1u);
    EXPECT_NEAR(Get(E::kPressure), 69.07 * 0.068046, 0.001);  // rewritten in atm

    units.code[UnitItem::kPressure] = PressureUnit::kKPa;
    Set(E::kPressure, 100.0);
    Run();
    EXPECT_NEAR(Get(E::kPressure), 69.07 * 0.068948 * 100.0, 0.1);

    // The reference pass runs at 25 C: a pressure of 0 becomes 0.46 psia.
    switches.calcPassMode = 0;
    units.code[UnitItem::kPressure] = PressureUnit::kPsia;
    Set(E::kPressure, 0.0);
    Run();
    EXPECT_NEAR(in.pressurePsia, 0.46, 0.005);
    EXPECT_EQ(in.pressureRaised, 1u);
    EXPECT_NEAR(Get(E::kPressure), 0.46, 0.005);
}

TEST_F(EngineInputsTest, AlkalinityModesGiveBicarbonateAndCarbonate) {
    struct Case {
        int mode;
        double total, m, p;
        double bicarbonate, carbonate;
    } cases[] = {
        // As CaCO3: CO3 = 2P x 60.0094 / 100.0894, HCO3 = (M - 2P) x 61.0173 / 50.0445.
        {1, 0, 200, 20, 195.0817, 23.9823},
        {1, 0, 100, 60, 0.0, 71.9470},  // P above M/2: no bicarbonate, not a negative one
        {2, 0, 150, 5, 150.0, 5.0},
        // ml of N/30 acid and epm: the total alkalinity, which the water form has
        // made mg/L as CaCO3 (19.67 ml, 6.557 meq/L), is read once, not as ml again.
        {4, 327.866, 19.67, 0, 399.7542, 0.0},
        {5, 2, 0, 0, 2.43852, 0.0},  // 2 mg/L as CaCO3: 61.0173 x 2 / 50.0445
        // French degrees, 10 mg/L as CaCO3 each.
        {6, 0, 20, 2, 195.0817, 23.9823},
        // German degrees (17.9 mg/L as CaCO3 each).
        {7, 0, 10, 1, 174.5982, 21.4642},
    };
    for (const Case& c : cases) {
        switches.alkalinityMode = c.mode;
        Set(E::kAlkalinity, c.total);
        Set(E::kMAlkalinity, c.m);
        Set(E::kPAlkalinity, c.p);
        Load();
        EXPECT_NEAR(Amount(6), c.bicarbonate, 1e-3) << "mode " << c.mode;
        EXPECT_NEAR(Amount(17), c.carbonate, 1e-3) << "mode " << c.mode;
        EXPECT_EQ(Amount(85), 0.0);
    }
}

TEST_F(EngineInputsTest, GivenCarbonateSpeciesAndWhatIfPasses) {
    switches.alkalinityMode = 3;
    reference = {7.5, 11.0f, 222.0f, 3.0f, 9.0f};
    Set(E::kBicarbonate, 120.0);
    Set(E::kCarbonate, 99.0);
    Set(E::kPAlkalinity, 6.0);
    switches.calcPassMode = 0;  // the reference pass reads the entered carbonate
    Load();
    EXPECT_NEAR(Amount(6), 120.0, 1e-4);
    EXPECT_NEAR(Amount(17), 6.0, 1e-6);
    EXPECT_FLOAT_EQ(Get(E::kCarbonate), 6.0f);
    EXPECT_EQ(Amount(85), 0.0);

    switches.calcPassMode = 1;  // later passes add the reference pass's dissolved CO2
    Set(E::kCarbonate, 7.0);
    Load();
    EXPECT_NEAR(Amount(17), 7.0, 1e-6);
    EXPECT_NEAR(Amount(85), 9.0, 1e-6);

    switches.calcPassMode = 2;  // what-if passes start from the reference carbonate
    Load();
    EXPECT_NEAR(Amount(6), 222.0, 1e-4);
    EXPECT_NEAR(Amount(17), 3.0, 1e-6);
    EXPECT_FLOAT_EQ(Get(E::kH2CO3), 11.0f);
}

TEST_F(EngineInputsTest, UnitCodesZeroTakeEveryValueAsEntered) {
    const int elements[] = {E::kChloride, E::kSulfate, E::kCalcium, E::kSodium, E::kPotassium,
                            E::kStrontium, E::kBarium, E::kLithium, E::kManganese, E::kLead};
    const int species[] = {4, 5, 0, 2, 3, 87, 89, 80, 109, 182};
    for (int i = 0; i < 10; ++i) Set(elements[i], 10.0 * (i + 1));
    Load();
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(Amount(species[i]), 10.0 * (i + 1), 1e-4) << species[i];
    // A unit code applies its factor: 250 mg/L as CaCO3 is 250 x 20.04 / 50.0445 =
    // 100.111 mg/L of calcium.
    units.code[UnitItem::kCalcium] = 1;
    Set(E::kCalcium, 250.0);
    Load();
    EXPECT_NEAR(Amount(0), 100.111, 1e-3);
}

TEST_F(EngineInputsTest, EpmInputsBecomeMgPerLitreOfTheSpecies) {
    switches.reportingMode = ReportingMode::kEpm;
    Set(E::kChloride, 1.0);
    Set(E::kCalcium, 1.0);
    Set(E::kSulfate, 2.0);
    Set(E::kSilica, 1.0);
    Set(E::kAmmonia, 1.0);
    Load();
    EXPECT_NEAR(Amount(4), 35.453, 1e-4);
    EXPECT_NEAR(Amount(0), 40.08 / 2, 1e-4);
    EXPECT_NEAR(Amount(5), 96.0616, 1e-4);
    EXPECT_NEAR(Amount(34), 60.0848, 1e-4);  // neutral: one mole per "equivalent"
    EXPECT_NEAR(Amount(38), 18.0386, 1e-4);  // 1 meq of ammonia is 1 mmol of ammonium
}

TEST_F(EngineInputsTest, MolalFactorIonicStrengthAndSums) {
    // Sodium chloride brine: TDS 25420 mg/L, f = 1 / (1 - 0.02542) / 1000 = 1.0260830e-3;
    // m(Na) = 10000 f / 22.9898 = 0.446321, m(Cl) = 15420 f / 35.453 = 0.446287.
    Set(E::kSodium, 10000.0);
    Set(E::kChloride, 15420.0);
    Load();
    EXPECT_NEAR(in.tds, 25420.0, 1e-6);
    EXPECT_NEAR(in.molalFactor, 1.0260830e-3, 1e-9);
    EXPECT_NEAR(in.molalDiv * in.molalFactor, 1.0, 1e-12);
    EXPECT_NEAR(Molality(2), 0.446321, 1e-6);
    EXPECT_NEAR(Molality(4), 0.446287, 1e-6);
    EXPECT_NEAR(in.ionicStrength, 0.446304, 1e-6);
    EXPECT_NEAR(in.sqrtIonicStrength, std::sqrt(0.446304), 1e-6);
    EXPECT_NEAR(in.cationSum, 0.446321, 1e-6);
    EXPECT_NEAR(in.anionSum, 0.446287, 1e-6);
    EXPECT_NEAR(in.waterActivity, 1.0 - 0.017 * 0.892608, 1e-6);

    // Potassium counts once (0.01 mol/kg-ish of K+ adds its mass once to TDS) and
    // ammonia as ammonium; iron and aluminum are left out of the equivalent sums.
    Set(E::kSodium, 0.0);
    Set(E::kChloride, 0.0);
    Set(E::kPotassium, 391.02);
    Set(E::kAmmonia, 17.0306);
    Set(E::kIron, 55.847);
    Load();
    EXPECT_NEAR(in.tds, 391.02 + 18.0386 + 55.847, 1e-4);
    const double f = 1.0 / (1.0 - in.tds * 1e-6) / 1000.0;
    EXPECT_NEAR(in.cationSum, 10.0 * f + 1.0 * f, 1e-9);
    EXPECT_NEAR(in.ionicStrength, 0.5 * (10.0 + 1.0 + 4.0) * f, 1e-9);

    // No ions: the square root of I is held at 1e-5.
    Set(E::kPotassium, 0.0);
    Set(E::kAmmonia, 0.0);
    Set(E::kIron, 0.0);
    Load();
    EXPECT_EQ(in.ionicStrength, 0.0);
    EXPECT_EQ(in.sqrtIonicStrength, 1e-5);
    EXPECT_EQ(in.waterActivity, 1.0);
}

// In mg/L reporting a water of specific gravity 1.12 (element 44) enters per
// kilogram: mg/kg = mg/L / 1.12 for the ions, the alkalinity and H2S alike, so
// that the results, scaled back by 1.12, show what was entered. Other reporting
// modes take no specific gravity.
TEST_F(EngineInputsTest, MgPerLitreAtASpecificGravityEnterPerKilogram) {
    Set(E::kResultScale, 1.12);
    Set(E::kCalcium, 12000.0);
    Set(E::kZinc, 11.2);
    Set(E::kMAlkalinity, 112.0);
    Load();
    EXPECT_NEAR(in.resultScaleFactor, 1.12, 1e-6);
    EXPECT_NEAR(Amount(0), 12000.0 / 1.12, 1e-3);
    EXPECT_NEAR(Amount(145), 10.0, 1e-5);
    EXPECT_NEAR(Amount(6), 100.0, 1e-4);
    EXPECT_NEAR(in.tds, (12000.0 + 112.0) / 1.12, 1e-2);  // zinc is not summed
    EXPECT_NEAR(Molality(0), Amount(0) * in.molalFactor / 40.08, 1e-12);

    // H2S from pH2S comes back in mg/L: the molality's mg/kg times 1.12.
    Set(E::kPH2S, 0.1);
    Run();
    EXPECT_NEAR(Get(E::kH2S), Molality(16) * 34.08 * in.molalDiv * 1.12, 1e-3);

    switches.reportingMode = ReportingMode::kPpm;
    Load();
    EXPECT_EQ(in.resultScaleFactor, 1.0);
    EXPECT_NEAR(Amount(0), 12000.0, 1e-3);
}

TEST_F(EngineInputsTest, HydrogenSulfideAndItsPartialPressure) {
    // pH2S 0.1 atm at 25 C: H2S dissolves at about 0.1 mol/(kg atm) (Henry constant of
    // H2S, log K = -0.997 for H2S(g) = H2S(aq)), so m is near 0.0101 mol/kg.
    Set(E::kPH2S, 0.1);
    Run();
    const double m = Molality(16);
    EXPECT_NEAR(m, 0.0101, 0.001);
    EXPECT_NEAR(in.ph2sAtm, 0.1, 1e-7);
    // mg/L are reckoned with the molar mass of H2S, 34.08.
    EXPECT_NEAR(Amount(16), m * 34.08 * in.molalDiv, 1e-9);
    const float h2s = Get(E::kH2S);
    EXPECT_NEAR(h2s, Amount(16), 1e-3);

    // The other way round: that H2S without a pH2S gives back 0.1 atm, within the
    // 0.06 % by which the entered H2S (now part of the TDS) changes the molal factor.
    Set(E::kPH2S, 0.0);
    Set(E::kH2S, h2s);
    Run();
    EXPECT_NEAR(Get(E::kPH2S), 0.1, 0.1 * 0.001);
    EXPECT_NEAR(Molality(16), m, m * 0.001);

    // In psia (code 2): 0.1 atm = 1.46959 psia.
    units.code[UnitItem::kGasH2S] = 2;
    Set(E::kPH2S, 0.0);
    Run();
    EXPECT_NEAR(Get(E::kPH2S), 0.1 / 0.068046, 0.1 / 0.068046 * 0.001);
}

TEST_F(EngineInputsTest, ProfilePointScalesTheSurfacePh2sWithPressure) {
    surface.values[E::kPH2S] = 0.05f;
    surface.values[E::kPressure] = 2.0f;
    Set(E::kPressure, 10.0);
    Set(E::kPH2S, 0.05);
    switches.profileStepFlag = 1;
    Run();
    EXPECT_NEAR(Get(E::kPH2S), 0.25, 1e-6);
    EXPECT_NEAR(in.ph2sAtm, 0.25, 1e-6);
    // A surface water without pressure leaves the pH2S as it is.
    surface.values[E::kPressure] = 0.0f;
    Set(E::kPH2S, 0.05);
    Run();
    EXPECT_NEAR(Get(E::kPH2S), 0.05, 1e-7);
    // A surface water typed at 150 C and 1 atm was calculated at water's
    // saturation pressure there, as a point at 150 C and 1 atm is: that point
    // keeps its pH2S (seen failing: 0.235 for 0.05), one at twice the raised
    // pressure has twice it.
    surface.values[E::kPressure] = 1.0f;
    surface.values[E::kTemperature] = 150.0f;
    Set(E::kTemperature, 150.0);
    Set(E::kPressure, 1.0);
    Set(E::kPH2S, 0.05);
    Run();
    const double raised = in.pressureAtm;
    EXPECT_GT(raised, 4.0);
    EXPECT_NEAR(Get(E::kPH2S), 0.05, 1e-6);
    Set(E::kPressure, 2.0 * raised);
    Set(E::kPH2S, 0.05);
    Run();
    EXPECT_NEAR(Get(E::kPH2S), 0.1, 1e-6);
}

TEST_F(EngineInputsTest, ReferencePassRelatesH2sAtTheEntryTemperature) {
    // Entered at 60 C, computed in the reference pass at 25 C: H2S is less soluble at
    // 60 C, so the pH2S written from the H2S is higher than at 25 C.
    switches.calcPassMode = 0;
    surface.values[E::kH2S] = 20.0f;
    Set(E::kH2S, 20.0);
    entryTemperature = 25.0f;
    Run();
    const float at25 = Get(E::kPH2S);
    Set(E::kPH2S, 0.0);
    entryTemperature = 60.0f;
    Run();
    EXPECT_GT(Get(E::kPH2S), at25 * 1.3f);
}

TEST_F(EngineInputsTest, CarbonDioxideFromItsPartialPressure) {
    // pCO2 0.1 atm at 25 C: CO2 dissolves at 0.0339 mol/(kg atm) (log Kh = -1.47).
    Set(E::kPco2, 0.1);
    Run();
    EXPECT_NEAR(Molality(85), 0.00339, 0.0001);
    EXPECT_NEAR(Amount(85), Molality(85) * 62.0253 * in.molalDiv, 1e-9);

    // Without pCO2, later passes write the pCO2 of the dissolved CO2 (species 85 given).
    Set(E::kPco2, 0.0);
    switches.alkalinityMode = 3;
    reference.dissolvedCo2 = 100.0f;  // mg/L as H2CO3
    Run();
    const double m = 100.0 / 62.0253 / in.molalDiv;
    EXPECT_NEAR(Get(E::kPco2), m / 0.0339, 0.002);

    // A pH still to be found: the bicarbonate is the total carbonate less the CO2.
    switches.alkalinityMode = 2;
    Set(E::kPh, -1.0);
    Set(E::kPco2, 0.1);
    Set(E::kTotalCarbonate, 0.01);
    Run();
    EXPECT_NEAR(Molality(6), 0.01 - Molality(85) / SpeciesState[6].gamma, 1e-9);
    EXPECT_GT(Molality(6), 0.0);
}

}  // namespace
