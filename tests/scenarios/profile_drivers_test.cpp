// The three profile drivers on a scripted engine: the points they compute, how
// each pass is set up, when they compute nothing or only the doses, their
// questions, the progress they report and what they put back.
#include <gtest/gtest.h>

#include "engine/inputs/unit_conversions.h"
#include "scenarios/frame/point_marks.h"
#include "tests/scenarios/mixing_fixture.h"

namespace driver_test {
namespace {

using ProfileTest = DriverTest;

TEST_F(ProfileTest, TemperatureProfileRunsTwoPassesPerPointAtTheAxisTemperatures) {
    CalcTempProfile(nullptr);

    ASSERT_EQ(EnginePasses(), 14);
    const ProfileTable& t = whatIfResults.tempProfile;
    // 60 to 200 in sixths: the last point is the sum of the steps, 199.999985.
    const float expected[kProfilePoints] = {60.0f,      83.333336f, 106.66667f, 130.0f,
                                            153.33333f, 176.66666f, 199.99998f};
    for (int k = 0; k < kProfilePoints; ++k) {
        EXPECT_NEAR(t.axis[k], expected[k], 1e-4f) << k;
        EXPECT_EQ(t.analysis[k][AE::kTemperature], t.axis[k]) << k;
        EXPECT_EQ(script.passes[2 * k].values[AE::kTemperature], t.axis[k]);      // first
        EXPECT_EQ(script.passes[2 * k + 1].values[AE::kTemperature], t.axis[k]);  // main
        EXPECT_EQ(script.passes[2 * k].profileStepFlag, 1);
        EXPECT_EQ(script.passes[2 * k + 1].profileStepFlag, 0);
        EXPECT_EQ(script.passes[2 * k + 1].calcPassMode, 2);
        // The stored results are the main pass's: bicarbonate is its pass number.
        EXPECT_EQ(t.bicarbonate[k], 100.0f + 2 * k + 2);
        EXPECT_EQ(t.results[k][27], 100.0f + 2 * k + 2);
        EXPECT_EQ(t.excess[k][0], 2 * k + 2.0f);
        // Dissolved CO2 and pCO2 are the main pass's own (the pH is given here).
        EXPECT_EQ(t.dissolvedCO2[k], 200.0f + 2 * k + 2);
        EXPECT_EQ(t.analysis[k][AE::kAcidity], 200.0f + 2 * k + 2);
        EXPECT_FLOAT_EQ(t.analysis[k][AE::kPco2], 0.01f * (2 * k + 2));
        EXPECT_EQ(t.carbonateFigure[k], 40.0f);
        // The main pass starts from the first pass's bicarbonate.
        EXPECT_EQ(script.passes[2 * k + 1].values[AE::kMAlkalinity], 100.0f + 2 * k + 1);
    }
    EXPECT_NE(t.axis[6], whatIfSettings.temperatureHigh);
    EXPECT_EQ(resultStatus.tempProfileDone, 1);
    EXPECT_EQ(graphProfileKind, GraphProfileKind::kTemperature);
}

TEST_F(ProfileTest, PressureProfileScalesThePartialPressuresWithThePoint) {
    unitCodes.code[UnitItem::kGasCo2] = 0;  // atm: scales
    unitCodes.code[UnitItem::kGasH2S] = 3;  // kPa: scales
    surfaceWater.values[AE::kPH2S] = 0.5f;
    surfaceWater.values[AE::kTemperature] = 40.0f;
    whatIfOptions.useInputTemperature = 1;
    CalcPressProfile(nullptr);

    // Three passes per point: the pH from pCO2, the first and the main pass.
    ASSERT_EQ(EnginePasses(), 21);
    const ProfileTable& t = whatIfResults.pressureProfile;
    for (int k = 0; k < kProfilePoints; ++k) {
        const float p = 1.0f + 2.0f * k;  // 1 to 13 atm in steps of 2
        EXPECT_FLOAT_EQ(t.axis[k], p);
        const Pass& main = script.passes[3 * k + 2];
        EXPECT_FLOAT_EQ(main.values[AE::kPressure], p);
        EXPECT_FLOAT_EQ(main.values[AE::kPco2], 0.1f * p / 2.0f);  // surface 0.1 atm at 2 atm
        EXPECT_FLOAT_EQ(main.values[AE::kPH2S], p * 0.5f / 2.0f);
        // Every pass starts at the water's own pH and balances by pH against
        // the water's own calculation: no pass predicts it.
        for (int pass = 0; pass < 3; ++pass) {
            EXPECT_EQ(script.passes[3 * k + pass].values[AE::kPh], 7.4f) << k << " " << pass;
            EXPECT_EQ(script.passes[3 * k + pass].phBalanceSwitch, 1u);
            EXPECT_EQ(script.passes[3 * k + pass].calcPassMode, 2);
        }
        EXPECT_EQ(main.values[AE::kTemperature], 40.0f);
        EXPECT_EQ(t.analysis[k][AE::kPh], 7.4f);
        EXPECT_EQ(t.acidDose[k], 0.0f);
    }

    // A partial pressure given as a part of the gas does not scale; nor does any
    // value when the surface pressure is 0 (no ratio to scale by).
    ResetScenarioRecords();
    resultStatus.pressureProfileDone = 0;
    ClearScript();
    unitCodes.code[UnitItem::kGasCo2] = 4;
    surfaceWater.values[AE::kPressure] = 0.0f;
    CalcPressProfile(nullptr);
    for (int k = 0; k < kProfilePoints; ++k) {
        EXPECT_EQ(script.passes[3 * k + 2].values[AE::kPco2], 0.1f);
        EXPECT_EQ(script.passes[3 * k + 2].values[AE::kPH2S], 0.5f);
    }
}

// With pCO2 as the variable the pH axis is the pCO2 range, every point's pH
// comes from its pCO2 (element 0 = -1.0), and no pH-control question is asked.
TEST_F(ProfileTest, PhProfileVariesPco2WhenAsked) {
    whatIfOptions.varyPco2 = 1;
    phControlSettings.phControlMethod = PhControlMethod::kAcid;
    phControlSettings.acidChemical = AcidChemical::kCarbonDioxide;
    phControlSettings.targetPh = 5.0f;  // below the pH every pCO2 gives: in reach
    whatIfSettings.phLow = 4.0f;        // would ask the CO2 question on a pH axis
    CalcpHProfile(nullptr);

    EXPECT_TRUE(script.boxes.empty());
    ASSERT_EQ(EnginePasses(), 21);
    const ProfileTable& t = whatIfResults.phProfile;
    for (int k = 0; k < kProfilePoints; ++k) {
        EXPECT_NEAR(t.axis[k], 0.1f + 0.1f * k, 1e-5f);
        const Pass& phPass = script.passes[3 * k];
        EXPECT_EQ(phPass.values[AE::kPh], -1.0f);
        EXPECT_EQ(phPass.values[AE::kPco2], t.axis[k]);
        EXPECT_EQ(phPass.phPredictionMethod, 0);
        EXPECT_EQ(script.passes[3 * k + 2].values[AE::kPco2], t.axis[k]);
        // pH control brings the pH the pCO2 gives to the target.
        EXPECT_EQ(script.phTargets[k], 5.0f);
        EXPECT_EQ(t.acidDose[k], 2.0f * 5.0f);
        EXPECT_EQ(t.analysis[k][AE::kPh], 5.0f);
    }
    // A target above the pH every pCO2 gives is beyond an acid: each point
    // keeps that pH and takes no dose.
    SetUp();
    whatIfOptions.varyPco2 = 1;
    phControlSettings.phControlMethod = PhControlMethod::kAcid;
    phControlSettings.acidChemical = AcidChemical::kCarbonDioxide;
    phControlSettings.targetPh = 8.0f;
    CalcpHProfile(nullptr);
    EXPECT_TRUE(script.phTargets.empty());
    for (int k = 0; k < kProfilePoints; ++k) {
        EXPECT_EQ(whatIfResults.phProfile.acidDose[k], 0.0f) << k;
        EXPECT_EQ(script.passes[3 * k + 2].values[AE::kPh], script.phFromPco2) << k;
    }
    EXPECT_EQ(graphProfileKind, GraphProfileKind::kPhOrPco2);
}

TEST_F(ProfileTest, PhProfileAsksForEachPointAndAYesChangesNothing) {
    phControlSettings.phControlMethod = PhControlMethod::kBoth;
    phControlSettings.acidChemical = AcidChemical::kCarbonDioxide;
    phControlSettings.alkaliChemical = AlkaliChemical::kSodiumBicarbonate;
    // pH 6.0 to 9.0: points 6.0 and 6.5 are below 6.8, 8.5 and 9.0 above 8.3.
    CalcpHProfile(nullptr);
    EXPECT_EQ(script.boxes.size(), 4u);
    EXPECT_EQ(EnginePasses(), 14);

    ResetScenarioRecords();
    resultStatus.phProfileDone = 0;
    ClearScript();
    script.answer = win::IDYES;
    const WorldBytes before = TakeWorldBytes();
    CalcpHProfile(nullptr);
    EXPECT_EQ(script.boxes.size(), 1u);  // stops at the first Yes
    EXPECT_EQ(EnginePasses(), 0);
    EXPECT_EQ(script.shows, 0);
    EXPECT_TRUE(before == TakeWorldBytes());
}

// The temperature profile in kelvin: 100 degrees C is 373.16 K (not 373.15), and
// only a surface water above it loses its hydrogen sulfide.
TEST_F(ProfileTest, HotSurfaceWaterLosesItsHydrogenSulfide) {
    unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kKelvin;
    whatIfSettings.temperatureLow = 300.0f;
    whatIfSettings.temperatureHigh = 420.0f;
    surfaceWater.values[AE::kH2S] = 5.0f;
    surfaceWater.values[AE::kPH2S] = 0.2f;
    surfaceWater.values[AE::kTemperature] = 373.155f;
    CalcTempProfile(nullptr);
    EXPECT_EQ(script.passes[0].values[AE::kH2S], 5.0f);

    ResetScenarioRecords();
    resultStatus.tempProfileDone = 0;
    ClearScript();
    surfaceWater.values[AE::kTemperature] = 373.17f;
    CalcTempProfile(nullptr);
    EXPECT_EQ(script.passes[0].values[AE::kH2S], 0.0f);
}

// The pressure profile also drops H2S from a surface water held above 1.02 bar.
TEST_F(ProfileTest, PressuredSurfaceWaterLosesItsHydrogenSulfide) {
    surfaceWater.values[AE::kH2S] = 5.0f;
    surfaceWater.values[AE::kPH2S] = 0.2f;
    struct Case {
        uint16_t unit;
        float pressure;
        bool drops;
    };
    const Case cases[] = {
        {PressureUnit::kAtm, 1.006f, false},  // 1.02 bar is 1.00666 atm
        {PressureUnit::kAtm, 1.007f, true},  {PressureUnit::kKPa, 102.0f, false},
        {PressureUnit::kKPa, 102.1f, true},  {PressureUnit::kPsia, 14.7f, false},  // 1.0135 bar
        {PressureUnit::kBar, 1.03f, true},
    };
    for (const Case& c : cases) {
        ResetScenarioRecords();
        resultStatus.pressureProfileDone = 0;
        ClearScript();
        unitCodes.code[UnitItem::kPressure] = c.unit;
        surfaceWater.values[AE::kPressure] = c.pressure;
        CalcPressProfile(nullptr);
        EXPECT_EQ(script.passes[0].values[AE::kH2S] == 0.0f, c.drops)
            << c.unit << " " << c.pressure;
    }
}

TEST_F(ProfileTest, ReportsProgressAfterEveryPass) {
    script.secondsPerPass = 1;
    CalcTempProfile(nullptr);
    EXPECT_EQ(script.shows, 1);
    EXPECT_EQ(script.closes, 1);
    // Percent after the first and the main pass of each point.
    const int percents[] = {7, 14, 21, 28, 35, 42, 50, 57, 64, 71, 78, 85, 92, 100};
    ASSERT_EQ(script.progress.size(), 14u);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(script.progress[i].first, percents[i]) << i;
    // One second per pass: after the first pass of point 0, 1 s for 350 of 4900
    // units projects 14 s, 13 to go; after point 3's main pass, 8 s for 2800
    // units project 14 s, 6 to go.
    EXPECT_EQ(script.progress[0].second, 13);
    EXPECT_EQ(script.progress[7].second, 6);
    EXPECT_EQ(script.progress[13].second, 0);
}

TEST_F(ProfileTest, RunsAgainOnlyWhatChanged) {
    SelectProduct("SCALE1.INH");
    CalcTempProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 14);
    EXPECT_EQ(Doses(), 7);
    EXPECT_STREQ(whatIfResults.tempProfile.lastProductName, "SCALE1.INH");
    EXPECT_EQ(residenceTimeAtLastRun, 180.0f);

    // Nothing changed: no engine pass and no dose.
    ClearScript();
    CalcTempProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 0);
    EXPECT_EQ(Doses(), 0);
    EXPECT_EQ(script.shows, 0);

    // A new residence time: the stored points are dosed again, with no engine
    // pass and no progress window.
    residenceTimeAtSelect = 600.0f;
    CalcTempProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 0);
    ASSERT_EQ(Doses(), 7);
    EXPECT_EQ(script.shows, 0);
    for (int k = 0; k < kProfilePoints; ++k) {
        EXPECT_EQ(script.doses[k].time, 600.0f);
        EXPECT_EQ(script.doses[k].temperature, whatIfResults.tempProfile.axis[k]);
        EXPECT_EQ(script.doses[k].inputs.value[DoseInput::kPh], 7.4f);  // the surface pH
    }
    EXPECT_EQ(residenceTimeAtLastRun, 600.0f);

    // Another product with an active ingredient changes the water: a whole run.
    ClearScript();
    SelectProduct("PHOS2.INH");
    productTable.records[3].ingredient1 = 0.2f;
    CalcTempProfile(nullptr);
    EXPECT_EQ(productActive, 1);
    EXPECT_EQ(EnginePasses(), 14);
}

TEST_F(ProfileTest, DoseThatAddsPhosphateRepeatsTheMainPass) {
    SelectProduct("PHOS.INH");
    unitCodes.code[UnitItem::kPhosphate] = 1;  // as CaCO3: 0.632578 mg of PO4 per unit
    script.phosphateAdded = 2.0f;
    CalcTempProfile(nullptr);

    // First, main, and the main pass again with the phosphate added:
    // 2 mg/L of PO4 is 2 / 0.632578 = 3.16166 units as CaCO3.
    ASSERT_EQ(EnginePasses(), 21);
    ASSERT_EQ(Doses(), 14);
    const ProfileTable& t = whatIfResults.tempProfile;
    for (int k = 0; k < kProfilePoints; ++k) {
        EXPECT_EQ(script.passes[3 * k + 1].values[AE::kPhosphate], 1.0f);
        EXPECT_NEAR(script.passes[3 * k + 2].values[AE::kPhosphate], 1.0f + 3.16166f, 1e-4f);
        EXPECT_EQ(t.bicarbonate[k], 100.0f + 3 * k + 3);  // the repeat's results are kept
        EXPECT_NEAR(t.results[k][21], 1.0f + 3.16166f, 1e-4f);
        EXPECT_EQ(t.dose[k], 12.5f);
        EXPECT_EQ(t.doseStatus[k], 1);
    }
    EXPECT_EQ(doseLimitState.keepLimitDoses, 1);
}

// Whatever unit the user keeps phosphate in, the engine reads exactly the dose
// more: the added amount converted back to mg/L gives the dose.
TEST_F(ProfileTest, AddedPhosphateReadsBackAsTheDoseInEveryUnit) {
    SelectProduct("PHOS.INH");
    script.phosphateAdded = 2.0f;
    ForEachPhosphateUnit([] {
        ResetScenarioRecords();
        resultStatus.tempProfileDone = 0;
        ClearScript();
        CalcTempProfile(nullptr);
        ASSERT_EQ(EnginePasses(), 21);
        const float added = script.passes[2].values[AE::kPhosphate] - 1.0f;
        EXPECT_NEAR(ConvPO4Units(added), 2.0, 1e-5);
    });
}

TEST_F(ProfileTest, WithoutAProductNoDoseIsComputed) {
    whatIfResults.tempProfile.doseStatus[3] = 2;
    whatIfResults.phProfile.doseStatus[3] = 2;
    std::strcpy(whatIfResults.phProfile.lastProductName, "OLD.INH");
    CalcTempProfile(nullptr);
    CalcpHProfile(nullptr);
    EXPECT_EQ(Doses(), 0);
    EXPECT_EQ(whatIfResults.tempProfile.doseStatus[3], 2);  // left as it was
    EXPECT_EQ(whatIfResults.phProfile.doseStatus[3], 0);    // cleared
    EXPECT_EQ(whatIfResults.phProfile.doseDone, 0);
    EXPECT_STREQ(whatIfResults.phProfile.lastProductName, "OLD.INH");
}

// Every setting a profile changes for its run is put back, and the working
// analysis holds the surface water again.
TEST_F(ProfileTest, PutsBackWhatItChanged) {
    carbonateState.k1 = 4.2e-7f;
    carbonateState.alkalinity = 0.0023f;
    currentHCO3 = 150.0f;
    currentCO3 = 2.0f;
    currentCO2 = 8.0f;
    phBalanceSwitch = 0;
    phControlSettings.phPredictionMethod = 1;
    whatIfOptions.correctPhForTemperature = 1;  // the temperature run sets the switch to 1
    whatIfOptions.carbonateModel = 2;
    const CarbonateState carbonateBefore = carbonateState;

    CalcTempProfile(nullptr);
    EXPECT_EQ(script.passes[0].phBalanceSwitch, 1u);
    CalcPressProfile(nullptr);
    EXPECT_EQ(script.passes[14].phPredictionMethod, 2);

    EXPECT_EQ(phBalanceSwitch, 0u);
    EXPECT_EQ(phControlSettings.phPredictionMethod, 1);
    EXPECT_EQ(whatIfOptions.varyPco2, 0);
    EXPECT_EQ(whatIfOptions.carbonateModel, 2);
    EXPECT_EQ(std::memcmp(&carbonateBefore, &carbonateState, sizeof carbonateBefore), 0);
    EXPECT_EQ(currentHCO3, 150.0f);
    EXPECT_EQ(currentCO3, 2.0f);
    EXPECT_EQ(currentCO2, 8.0f);
    WaterAnalysis expected = surfaceWater;
    expected.values[AE::kReportingMode] = ReportingMode::kMgPerL;
    expected.values[AE::kSpeciesGiven] = 1.0f;
    expected.values[AE::kAlkalinityMode] = 2.0f;
    EXPECT_EQ(std::memcmp(&expected, &currentAnalysis, sizeof expected), 0);

    // The pH profile leaves the switch as correctPhForTemperature says.
    CalcpHProfile(nullptr);
    EXPECT_EQ(script.passes[35].phBalanceSwitch, 0u);
    EXPECT_EQ(phBalanceSwitch, 1u);
}

TEST_F(ProfileTest, EmptySurfaceWaterIsRefusedBeforeAnyChange) {
    surfaceWater = WaterAnalysis{};
    surfaceWater.values[AE::kPh] = 7.0f;
    const WorldBytes before = TakeWorldBytes();
    CalcTempProfile(nullptr);
    CalcpHProfile(nullptr);
    CalcPressProfile(nullptr);
    ASSERT_EQ(script.boxes.size(), 3u);
    for (const std::string& text : script.boxes)
        EXPECT_EQ(text, "You must input a make-up water analysis before performing calculations!");
    EXPECT_EQ(EnginePasses(), 0);
    EXPECT_TRUE(before == TakeWorldBytes());
}

// A point whose calculation came to figures no water holds (the fresh water
// whose temperature profile read T.D.S. 1.0e+16 and a conductivity of 1.0e+30
// at its own temperature) is marked not calculated: its figures the engine's
// no-number mark, which the pages show as "    N/A", its dose none; the points
// that settled keep theirs, and each run tells the user once, whatever the
// number of points it marked. A run in which every point settled says nothing.
TEST_F(ProfileTest, PointsNoWaterCanBeAreMarkedAndToldOnceARun) {
    // What the user sees of point k: its T.D.S., conductivity, calcite and
    // dose (the dose graph's for the mixing grids).
    struct Seen {
        float tds, conductivity, calcite, dose;
    };
    using Read = Seen (*)(int);
    const Read profile = [](int k) {
        const ProfileTable& t = whatIfResults.tempProfile;
        return Seen{t.results[k][35], t.analysis[k][AE::kConductivity], t.results[k][0], t.dose[k]};
    };
    const Read ph = [](int k) {
        const ProfileTable& t = whatIfResults.phProfile;
        return Seen{t.results[k][35], t.analysis[k][AE::kConductivity], t.results[k][0], t.dose[k]};
    };
    const Read pressure = [](int k) {
        const ProfileTable& t = whatIfResults.pressureProfile;
        return Seen{t.results[k][35], t.analysis[k][AE::kConductivity], t.results[k][0], t.dose[k]};
    };
    const Read grid = [](int k) {
        const GridTable& g = whatIfResults.grid;
        return Seen{g.results[k][35], g.analysis[k][AE::kConductivity], g.results[k][0], g.dose[k]};
    };
    const Read mix = [](int k) {
        const MixProfileTables& m = mixProfileTables;
        return Seen{m.mixResults[k][35], m.mixChemistry[k][AE::kConductivity], m.mixResults[k][0],
                    m.mixInhibitorDose[k]};
    };
    const Read mixGrid = [](int k) {
        const GridTable& g = whatIfResults.grid;
        return Seen{g.results[k][35], g.analysis[k][AE::kConductivity], g.results[k][0],
                    mixGridTables.gridGraphDose[k]};
    };
    struct Driver {
        const char* name;
        void (*run)();
        Read read;
        float unsettledAbove;
        int points;
        int marked;
        void (*plant)() = nullptr;  // what the driver's water and axes are, after the rest
    };
    // Under the pCO2 plot variable each point dissolves 1,000 mg/L of CO2 an
    // atmosphere of its gas. Up to 1,000 atm the points past 150 atm hold
    // more than any water (150,000 mg/L), whatever their gas: the profiles'
    // points and the grids' rows from 208 atm, each by its own pass's CO2.
    using Plant = void (*)();
    const Plant toAThousandAtm = [] {
        whatIfOptions.varyPco2 = 1;
        script.co2PerPco2Atm = 1000.0f;
        whatIfSettings.pco2Low = graphRangeSettings.gridPco2Low = 50.0f;
        whatIfSettings.pco2High = graphRangeSettings.gridPco2High = 1000.0f;
    };
    const auto pco2Grid = [] { CalcGridpHTemp(0); };
    const auto pco2MixGrid = [] { CalcMixGrid(MixGridCode::kPhByTemperature); };
    // The temperature axes run 60 to 200 (the profile's seven points, the
    // grid's columns); the pressure profile's points are all at 30. The
    // mixes blend waters at 20 and 80 (the profile's points 80 down to 20,
    // the grids' columns 20 to 80, or 80 down to 44 across 0 to 60 %).
    const Driver drivers[] = {
        {"temperature profile", [] { CalcTempProfile(nullptr); }, profile, 150.0f, 7, 3},
        {"pH profile", [] { CalcpHProfile(nullptr); }, ph, 20.0f, 7, 7},
        {"pressure profile", [] { CalcPressProfile(nullptr); }, pressure, 20.0f, 7, 7},
        {"pH grid", [] { CalcGridpHTemp(0); }, grid, 150.0f, kGridCells, 21},
        {"pressure grid", [] { CalcGridPressTemp(0); }, grid, 150.0f, kGridCells, 21},
        {"mixing profile", [] { CalcMixingProfile(nullptr); }, mix, 55.0f, kMixPoints, 3},
        {"pH x temperature mixing grid", [] { CalcMixGrid(MixGridCode::kPhByTemperature); },
         mixGrid, 55.0f, kGridCells, 21},
        {"pH x percent mixing grid", [] { CalcMixGrid(MixGridCode::kPhByPercent); }, mixGrid, 55.0f,
         kGridCells, 35},
        {"ratio mixing grid", [] { CalcMixGrid(MixGridCode::kRatio); }, mixGrid, 55.0f, kGridCells,
         21},
        {"settled temperature profile", [] { CalcTempProfile(nullptr); }, profile, 1.0e30f, 7, 0},
        {"settled mixing profile", [] { CalcMixingProfile(nullptr); }, mix, 1.0e30f, kMixPoints,
         0},
        {"pCO2 profile to 1,000 atm", [] { CalcpHProfile(nullptr); }, ph, 1.0e30f, 7, 6,
         toAThousandAtm},
        {"pCO2 grid to 1,000 atm", pco2Grid, grid, 1.0e30f, kGridCells, 42, toAThousandAtm},
        {"pCO2 mixing grid to 1,000 atm", pco2MixGrid, mixGrid, 1.0e30f, kGridCells, 42,
         toAThousandAtm}};
    for (const Driver& d : drivers) {
        SCOPED_TRACE(d.name);
        ResetScenarioRecords();
        mixing_test::PlantMixingWaters();
        mixing_test::PlantGridRanges();
        ClearScript();
        script.unsettledAbove = d.unsettledAbove;
        script.co2PerPco2Atm = 0.0f;
        if (d.plant != nullptr) d.plant();
        SelectProduct("P.PRD");
        d.run();
        int marked = 0;
        for (int k = 0; k < d.points; ++k) {
            const Seen seen = d.read(k);
            if (seen.tds == 0.0f) {
                EXPECT_EQ(seen.conductivity, 0.0f) << "point " << k;
                EXPECT_NE(seen.calcite, kNotCalculated) << "point " << k;
                continue;
            }
            ++marked;
            EXPECT_EQ(seen.tds, kNotCalculated) << "point " << k;
            EXPECT_EQ(seen.conductivity, kNotCalculated) << "point " << k;
            EXPECT_EQ(seen.calcite, kNotCalculated) << "point " << k;
            EXPECT_EQ(seen.dose, kNotCalculated) << "point " << k;
        }
        EXPECT_EQ(marked, d.marked);
        int told = 0;
        for (const std::string& box : script.boxes)
            told += box.find("points could not be calculated") != std::string::npos;
        EXPECT_EQ(told, d.marked > 0 ? 1 : 0);
        if (d.marked > 0 && told == 1) {
            EXPECT_NE(script.boxes.back().find(std::to_string(d.marked) + " of the " +
                                               std::to_string(d.points) + " points"),
                      std::string::npos)
                << script.boxes.back();
        }
    }
    ResetMixingRecords();
    ResetMixingProfileRecords();
}

}  // namespace
}  // namespace driver_test
