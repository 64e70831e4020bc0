// The well-profile drivers run against a scripted engine that records how each
// engine run was set up: the runs per station with and without the dose's
// phosphate, the gases scaled to each station's pressure, the pH from pCO2, the
// skip rule and the dose pass after a change of product, the refusal of an
// empty water, and what a run gives back at its end.
#include "scenarios/wells/well_profiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/unit_codes.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciation_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "input/unit_factor_table.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/point_marks.h"
#include "treatment/records.h"

namespace AE = AnalysisElement;

namespace {

// What the engine saw on entry to one run.
struct SeenRun {
    float ph, temperature, pressure, pco2, ph2s, h2s, phosphate;
    uint16_t passMode, stepFlag;
    bool answersReplaced;  // through runCalculationsAnswersReplaced
};
std::vector<SeenRun> runs;
int doseCalls = 0;
float phosphateDose = 0.0f;  // what the scripted dose returns as its first ingredient
std::vector<std::string> boxes;
// A run hotter than this does not settle: its T.D.S. comes to 1.0e+16.
float unsettledAbove = 1.0e30f;

void ScriptedRun() {
    const float* v = currentAnalysis.values;
    runs.push_back({v[AE::kPh], v[AE::kTemperature], v[AE::kPressure], v[AE::kPco2], v[AE::kPH2S],
                    v[AE::kH2S], v[AE::kPhosphate], calcPassMode, profileStepFlag, false});
    if (currentAnalysis.values[AE::kPh] < 0.0f) currentAnalysis.values[AE::kPh] = 6.1f;
    SaturationResults[0] = v[AE::kTemperature];  // calcite follows the station
    SaturationResults[27] = 300.0f;
    SaturationResults[29] = 4.0f;
    MomentaryExcess[0] = static_cast<float>(runs.size());
    dissolvedCO2Copy = 55.0f;
    SaturationResults[35] = v[AE::kTemperature] > unsettledAbove ? 1.0e16f : 0.0f;
}

void ScriptedRunAnswersReplaced() {
    ScriptedRun();
    runs.back().answersReplaced = true;
}

// Doses the temperature it is given, so a test sees which temperature was used.
int16_t ScriptedDose(DoseContext* inputs, float temperature, const float*, float, float* dose) {
    ++doseCalls;
    inputs->value[DoseInput::kIngredient1] = phosphateDose;
    *dose = temperature;
    return 1;
}

int ScriptedBox(win::HWND, const char* text, const char*, win::UINT) {
    boxes.emplace_back(text);
    return win::IDOK;
}

uint32_t FixedClock() {
    return 1000;
}

class WellProfileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetScenarioRecords();
        ResetWellRecords();
        ResetInputRecords();
        ResetInputsRecords();
        ResetResultsRecords();
        ResetPipelineRecords();
        ResetWaterResultsRecords();
        ResetCarbonateRecords();
        ResetDoseRecords();
        ResetTreatmentRecords();
        ResetGraphsRecords();
        InitUnitFactors();
        InstallScenarioEngine({ScriptedRun, nullptr, ScriptedDose, ScriptedRunAnswersReplaced, nullptr});
        InstallDriverServices({ScriptedBox, FixedClock, nullptr});
        runs.clear();
        boxes.clear();
        doseCalls = 0;
        phosphateDose = 0.0f;
        unsettledAbove = 1.0e30f;

        unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kFahrenheit;
        unitCodes.code[UnitItem::kPressure] = PressureUnit::kPsia;
        unitCodes.code[UnitItem::kGasCo2] = 0;  // atm
        unitCodes.code[UnitItem::kGasH2S] = 0;
        reportingMode = ReportingMode::kMgPerL;
        alkalinityMode = 2;
        float* s = surfaceWater.values;
        s[AE::kPh] = 7.2f;
        s[AE::kChloride] = 20000.0f;
        s[AE::kCalcium] = 800.0f;
        s[AE::kPhosphate] = 1.0f;
        s[AE::kTemperature] = 77.0f;
        s[AE::kPressure] = 100.0f;  // psia
        s[AE::kPco2] = 0.2f;        // atm
        s[AE::kPH2S] = 0.01f;       // atm
        s[AE::kH2S] = 5.0f;
        currentAnalysis = surfaceWater;
        CarbonateSnapshot.surface.hco3 = 250.0f;
        CarbonateSnapshot.surface.co3 = 3.0f;
        CarbonateSnapshot.surface.dissolvedCo2 = 40.0f;
        currentHCO3 = 111.0f;
        currentCO3 = 2.0f;
        currentH2CO3 = 33.0f;
        currentCO2 = 22.0f;
        carbonateState.k1 = 4.5e-7f;

        float* w = wellLogSpecs.value;
        w[WellLogField::kBottomHoleTemperature] = 250.0f;
        w[WellLogField::kSeparatorTemperature] = 90.0f;
        w[WellLogField::kFlashedTemperature] = 80.0f;
        w[WellLogField::kBottomHolePressure] = 2300.0f;
        w[WellLogField::kSeparatorPressure] = 100.0f;
        w[WellLogField::kDepth] = 6000.0f;
        currentResidenceTime = 180.0f;
    }
    void TearDown() override {
        ResetScenarioEngine();
        ResetDriverServices();
    }

    static void SelectProduct(const char* fileName, float ingredient1) {
        productTable.componentCount = 1;
        std::strncpy(productTable.records[0].fileName, fileName,
                     sizeof productTable.records[0].fileName - 1);
        productTable.records[0].ingredient1 = ingredient1;
        productTable.records[0].limitCode = 0;
        resultStatus.productSelected = 1;
    }
};

TEST_F(WellProfileTest, ThreeEngineRunsPerStationAndAFourthWhenTheDoseAddsPhosphate) {
    CalcWellLogProfile(nullptr);
    EXPECT_EQ(runs.size(), 3u * kWellLogStations);
    EXPECT_EQ(doseCalls, 0);
    for (int k = 0; k < kWellLogStations; ++k) EXPECT_EQ(wellProfiles.wellLog.doseStatus[k], 0);
    EXPECT_EQ(resultStatus.wellProfileDone[0], 1);

    runs.clear();
    CalcWellLogProfile48(nullptr);
    EXPECT_EQ(runs.size(), 3u * kFlash48Stations);

    // A product whose dose brings no phosphate: still three runs and one dose
    // per station, then, the product being new to this profile, the dose pass.
    SetUp();
    SelectProduct("NOPHOS.PRD", 0.0f);
    CalcWellLogProfile11(nullptr);
    EXPECT_EQ(runs.size(), 3u * kFlash11Stations);
    EXPECT_EQ(doseCalls, 2 * kFlash11Stations);

    // 2 mg/L of phosphate from the dose: run 3 repeats once with it added to the
    // surface water's 1 mg/L, and the station keeps the repeated run.
    SetUp();
    SelectProduct("PHOS.PRD", 0.0f);
    phosphateDose = 2.0f;
    CalcWellLogProfile11(nullptr);
    ASSERT_EQ(runs.size(), 4u * kFlash11Stations);
    EXPECT_EQ(doseCalls, 3 * kFlash11Stations);
    for (int k = 0; k < kFlash11Stations; ++k) {
        // Only the runs whose results the station keeps search for solver answers.
        for (int r = 0; r < 4; ++r) EXPECT_EQ(runs[4 * k + r].answersReplaced, r < 2) << k;
        EXPECT_FLOAT_EQ(runs[4 * k + 2].phosphate, 1.0f) << k;
        EXPECT_FLOAT_EQ(runs[4 * k + 3].phosphate, 3.0f) << k;
        EXPECT_FLOAT_EQ(wellProfiles.flash11.analysis[k][AE::kPhosphate], 3.0f) << k;
        EXPECT_EQ(wellProfiles.flash11.excess[k][0], static_cast<float>(4 * k + 4)) << k;
        EXPECT_EQ(wellProfiles.flash11.doseStatus[k], 1);
    }
    EXPECT_STREQ(wellRunState.flashProductAtLastRun, "PHOS.PRD");
    EXPECT_EQ(wellRunState.flashRanWithProduct, 1u);
}

// Stations whose calculation came to figures no water holds (here the three
// hottest, from 220.9 F, at T.D.S. 1.0e+16) are marked not calculated, their
// doses none, on the run and on the dose pass after a change of product; the
// others keep theirs, and the run tells the user once.
TEST_F(WellProfileTest, StationsNoWaterCanBeAreMarkedAndToldOnce) {
    unsettledAbove = 220.0f;
    SelectProduct("A.PRD", 0.0f);
    CalcWellLogProfile(nullptr);
    const WellLogTable& t = wellProfiles.wellLog;
    auto expectMarks = [&t] {
        for (int k = 0; k < kWellLogStations; ++k) {
            const bool hot = k >= 9;
            EXPECT_EQ(t.results[k][35], hot ? kNotCalculated : 0.0f) << k;
            EXPECT_EQ(t.results[k][0] == kNotCalculated, hot) << k;
            EXPECT_EQ(t.dose[k] == kNotCalculated, hot) << k;
            EXPECT_EQ(t.analysis[k][AE::kPh] == kNotCalculated, hot) << k;
            EXPECT_EQ(t.temperature[k] == kNotCalculated, false) << k;
        }
    };
    expectMarks();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("3 of the 12 points could not be calculated"), std::string::npos)
        << boxes[0];
    // Another product without an active ingredient: the stations stand and
    // the dose pass doses those that were calculated, telling nothing new.
    boxes.clear();
    SelectProduct("B.PRD", 0.0f);
    const int dosesBefore = doseCalls;
    CalcWellLogProfile(nullptr);
    expectMarks();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(doseCalls - dosesBefore, kWellLogStations - 3);
}

TEST_F(WellProfileTest, EachStationRunsAtItsTemperatureAndPressureWithItsGasesScaled) {
    CalcWellLogProfile(nullptr);
    ASSERT_EQ(runs.size(), 3u * kWellLogStations);
    for (int k = 0; k < kWellLogStations; ++k) {
        const SeenRun& first = runs[3 * k];
        const float p = 100.0f + 200.0f * k;  // separator 100 psia to bottom hole 2300 psia
        EXPECT_NEAR(first.pressure, p, 1e-2) << k;
        EXPECT_NEAR(first.temperature, 90.0f + 160.0f * k / 11.0f, 1e-3) << k;
        // pCO2 and pH2S in atm scale with the pressure: 0.2 atm at 100 psia.
        EXPECT_NEAR(first.pco2, 0.2 * p / 100.0, 1e-4) << k;
        EXPECT_NEAR(first.ph2s, 0.01 * p / 100.0, 1e-5) << k;
        // A water typed at 100 psia: each station's pH comes from its pCO2,
        // whatever the plot variable, in a pass of its own.
        EXPECT_EQ(first.ph, -1.0f) << k;
        EXPECT_EQ(first.stepFlag, 0);
        EXPECT_EQ(runs[3 * k + 2].passMode, 2);
        // The station's table row is the station: calcite followed its temperature.
        EXPECT_EQ(wellProfiles.wellLog.results[k][0], first.temperature);
        EXPECT_NEAR(wellProfiles.wellLog.gaugePressure[k], p - 14.696, 1e-2);
    }
    // Hydrogen sulfide leaves with the gas above 100 C (212 F): stations from 220.9 F.
    EXPECT_EQ(runs[3 * 8].h2s, 5.0f);  // 206.4 F
    EXPECT_EQ(runs[3 * 9].h2s, 0.0f);  // 220.9 F
    EXPECT_EQ(wellProfiles.wellLog.analysis[11][AE::kH2S], 0.0f);

    // As a share of the gas (mole %, ppm) the partial pressures stay.
    SetUp();
    unitCodes.code[UnitItem::kGasCo2] = 5;
    unitCodes.code[UnitItem::kGasH2S] = 4;
    CalcWellLogProfile(nullptr);
    for (int k = 0; k < kWellLogStations; ++k) {
        EXPECT_EQ(runs[3 * k].pco2, 0.2f) << k;
        EXPECT_EQ(runs[3 * k].ph2s, 0.01f) << k;
    }

    // A surface water without a pressure gives no ratio to scale by: the
    // stations keep the surface partial pressures rather than infinities.
    SetUp();
    surfaceWater.values[AE::kPressure] = 0.0f;
    CalcWellLogProfile48(nullptr);
    for (int k = 0; k < kFlash48Stations; ++k) {
        EXPECT_EQ(runs[3 * k].pco2, 0.2f) << k;
        EXPECT_EQ(runs[3 * k].ph2s, 0.01f) << k;
    }
}

TEST_F(WellProfileTest, HighSurfacePressureWithVaryPco2TakesEveryStationsPhFromPco2) {
    whatIfOptions.varyPco2 = 1;
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kBar;
    surfaceWater.values[AE::kPressure] = 1.5f;
    CalcWellLogProfile(nullptr);
    for (int k = 0; k < kWellLogStations; ++k) EXPECT_EQ(runs[3 * k].ph, -1.0f) << k;

    // With the pH the plot variable too: the stations of a pressurised water
    // are the same whatever the plot variable.
    SetUp();
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kBar;
    surfaceWater.values[AE::kPressure] = 1.5f;
    CalcWellLogProfile(nullptr);
    for (int k = 0; k < kWellLogStations; ++k) EXPECT_EQ(runs[3 * k].ph, -1.0f) << k;

    // At 1.0 bar (not above 1.02) too: pCO2 is the plot variable, so every
    // station holds its pCO2 and solves its pH from it.
    SetUp();
    whatIfOptions.varyPco2 = 1;
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kBar;
    surfaceWater.values[AE::kPressure] = 1.0f;
    CalcWellLogProfile(nullptr);
    for (int k = 0; k < kWellLogStations; ++k) EXPECT_EQ(runs[3 * k].ph, -1.0f) << k;

    // With the input pH used, every station at 1.0 bar starts from the surface pH.
    SetUp();
    whatIfOptions.varyPco2 = 1;
    whatIfOptions.useInputPh = 1;
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kBar;
    surfaceWater.values[AE::kPressure] = 1.0f;
    CalcWellLogProfile(nullptr);
    for (int k = 0; k < kWellLogStations; ++k) EXPECT_EQ(runs[3 * k].ph, 7.2f) << k;

    // Without varyPco2 the input pH or the evaluation pH holds at every station.
    SetUp();
    whatIfOptions.forcePhToEvalForPressure = 1;
    whatIfSettings.phEval = 6.5f;
    CalcWellLogProfile(nullptr);
    for (int k = 0; k < kWellLogStations; ++k) EXPECT_EQ(runs[3 * k].ph, 6.5f) << k;

    // With neither, a water at 1.0 bar: the first station starts from the
    // evaluation pH, whatever the working analysis held, and each later one
    // from the pH the station before it left.
    SetUp();
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kBar;
    surfaceWater.values[AE::kPressure] = 1.0f;
    whatIfSettings.phEval = 6.5f;
    currentAnalysis.values[AE::kPh] = 9.0f;
    CalcWellLogProfile(nullptr);
    for (int k = 0; k < kWellLogStations; ++k) EXPECT_EQ(runs[3 * k].ph, 6.5f) << k;
}

TEST_F(WellProfileTest, SkipsUnchangedWorkAndRefreshesOnlyDosesAfterAProductChange) {
    SelectProduct("FIRST.PRD", 0.0f);
    CalcWellLogProfile(nullptr);
    ASSERT_EQ(runs.size(), 3u * kWellLogStations);
    static WellLogTable before;
    before = wellProfiles.wellLog;

    // Same product, same residence time: nothing is computed.
    runs.clear();
    doseCalls = 0;
    CalcWellLogProfile(nullptr);
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(doseCalls, 0);
    EXPECT_EQ(std::memcmp(&before, &wellProfiles.wellLog, sizeof before), 0);

    // Another product without active ingredient: only the doses, each at its
    // station's temperature, and the corrosion rates are refreshed.
    SelectProduct("SECOND.PRD", 0.0f);
    for (int k = 0; k < kWellLogStations; ++k) wellProfiles.wellLog.dose[k] = -1.0f;
    CalcWellLogProfile(nullptr);
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(doseCalls, kWellLogStations);
    for (int k = 0; k < kWellLogStations; ++k)
        EXPECT_EQ(wellProfiles.wellLog.dose[k], wellProfiles.wellLog.temperature[k]) << k;
    EXPECT_EQ(std::memcmp(before.analysis, wellProfiles.wellLog.analysis, sizeof before.analysis),
              0);
    EXPECT_EQ(std::memcmp(before.results, wellProfiles.wellLog.results, sizeof before.results), 0);
    EXPECT_STREQ(wellRunState.wellProductAtLastRun, "SECOND.PRD");

    // A changed residence time alone also refreshes only the doses.
    doseCalls = 0;
    currentResidenceTime = 600.0f;
    CalcWellLogProfile(nullptr);
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(doseCalls, kWellLogStations);
    EXPECT_EQ(residenceTimeAtLastRun, 600.0f);

    // A product with an active ingredient changes the water: a whole run.
    SelectProduct("THIRD.PRD", 0.5f);
    CalcWellLogProfile(nullptr);
    EXPECT_EQ(runs.size(), 3u * kWellLogStations);
    EXPECT_EQ(productActive, 1);
}

TEST_F(WellProfileTest, RefusesAnEmptySourceWaterAndChangesNothing) {
    SelectProduct("FIRST.PRD", 0.0f);
    CalcWellLogProfile11(nullptr);
    runs.clear();
    static Flash11Table before;
    before = wellProfiles.flash11;

    for (int i = 1; i < AE::kCount; ++i) surfaceWater.values[i] = 0.0f;
    wellLogSpecs.value[WellLogField::kDepth] = 0.0f;
    phControlSettings.phPredictionMethod = 1;
    pco2ProfileFlag = 0;
    graphProfileKind = 0;
    profileStepFlag = 0;
    const WaterAnalysis working = currentAnalysis;
    productTable.records[0].ingredient1 = 0.5f;

    for (auto driver : {CalcWellLogProfile, CalcWellLogProfile11, CalcWellLogProfile48}) {
        boxes.clear();
        driver(nullptr);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0],
                  "You must input a source water analysis before performing calculations!");
    }
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(doseCalls, 2 * kFlash11Stations);  // only the first run's
    EXPECT_EQ(std::memcmp(&before, &wellProfiles.flash11, sizeof before), 0);
    EXPECT_EQ(resultStatus.wellProfileDone[0], 0);
    EXPECT_EQ(resultStatus.wellProfileDone[2], 0);
    EXPECT_EQ(std::memcmp(&working, &currentAnalysis, sizeof working), 0);
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kDepth], 0.0f);
    EXPECT_EQ(phControlSettings.phPredictionMethod, 1);
    EXPECT_EQ(pco2ProfileFlag, 0u);
    EXPECT_EQ(graphProfileKind, 0u);
    EXPECT_EQ(profileStepFlag, 0);
    EXPECT_EQ(productActive, 0);
}

TEST_F(WellProfileTest, GivesBackTheWorkingAnalysisAndSettingsAtTheEnd) {
    whatIfOptions.correctPhForTemperature = 1;
    whatIfOptions.carbonateModel = 2;
    phBalanceSwitch = 0;
    phControlSettings.phPredictionMethod = 1;
    wellLogSpecs.value[WellLogField::kDepth] = 0.0f;
    CalcWellLogProfile11(nullptr);

    // The run itself balanced the pH: the reference pass for runs 1 and 2.
    EXPECT_EQ(runs[0].passMode, 0);
    EXPECT_EQ(runs[1].passMode, 0);
    // The minimum depth of 100, stations 10 apart below the separator.
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kDepth], 100.0f);
    EXPECT_NEAR(wellProfiles.flash11.depth[6], 50.0f, 1e-4);
    EXPECT_EQ(wellProfiles.flash11.depth[11], 100.0f);
    EXPECT_EQ(wellProfiles.flash11.pressure[0], 14.7f);

    for (int i = 0; i < AE::kCount; ++i) {
        if (i == AE::kReportingMode || i == AE::kSpeciesGiven || i == AE::kAlkalinityMode) continue;
        EXPECT_EQ(currentAnalysis.values[i], surfaceWater.values[i]) << i;
    }
    EXPECT_EQ(currentAnalysis.values[AE::kReportingMode], 2.0f);
    EXPECT_EQ(currentAnalysis.values[AE::kSpeciesGiven], 1.0f);
    EXPECT_EQ(currentAnalysis.values[AE::kAlkalinityMode], 2.0f);
    EXPECT_EQ(phBalanceSwitch, 0u);
    EXPECT_EQ(whatIfOptions.varyPco2, 0);
    EXPECT_EQ(whatIfOptions.carbonateModel, 2);
    EXPECT_EQ(profileStepFlag, 0);
    EXPECT_EQ(carbonateState.k1, 4.5e-7f);
    // The carbonate set a station starts from: the surface water's snapshot.
    EXPECT_EQ(currentHCO3, 250.0f);
    EXPECT_EQ(currentCO3, 3.0f);
    EXPECT_EQ(currentH2CO3, 40.0f);
    // The user's pH method is given back; the flag stays as the run set it.
    EXPECT_EQ(phControlSettings.phPredictionMethod, 1);
    EXPECT_EQ(pco2ProfileFlag, 1u);

    CalcWellLogProfile48(nullptr);
    EXPECT_EQ(graphProfileKind, GraphProfileKind::kWellLog48);
    EXPECT_EQ(resultStatus.wellProfileDone[1], 1);
    EXPECT_EQ(resultStatus.wellProfileDone[2], 1);
    EXPECT_EQ(resultStatus.wellProfileDone[0], 0);
}

}  // namespace
