// The New command's workspace reset: defaults in the user's units, what it keeps,
// and that a second New changes nothing the first left.
#include "engine/workspace/workspace_reset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/records.h"
#include "graphs/records.h"
#include "pages/records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/well_log_records.h"

namespace {

namespace AE = AnalysisElement;

// A record of the running program as raw bytes.
struct RecordBytes {
    const char* name;
    void* data;
    size_t size;
};

template <typename T>
RecordBytes Record(const char* name, T& r) {
    return {name, &r, sizeof r};
}

// Every record the reset writes or must keep.
std::vector<RecordBytes> AllRecords() {
    return {
        Record("alkCurvePoints", alkCurvePoints),
        Record("userAlkCurve", userAlkCurve),
        Record("mixPercent", mixPercent),
        Record("mixPointTable", mixPointTable),
        Record("mixPointCount", mixPointCount),
        Record("wellLogSpecsEntered", wellLogSpecsEntered),
        Record("productTable", productTable),
        Record("productLoaded", productLoaded),
        Record("doseTestConditions", doseTestConditions),
        Record("residenceTimeAtSelect", residenceTimeAtSelect),
        Record("waterResidenceSeconds", waterResidenceSeconds),
        Record("currentHCO3", currentHCO3),
        Record("currentCO3", currentCO3),
        Record("currentH2CO3", currentH2CO3),
        Record("currentCO2", currentCO2),
        Record("whatIfSettings", whatIfSettings),
        Record("whatIfOptions", whatIfOptions),
        Record("graphRangeSettings", graphRangeSettings),
        Record("phControlSettings", phControlSettings),
        Record("resultStatus", resultStatus),
        Record("graphChoice", graphChoice),
        Record("graphIndexCodes", graphIndexCodes),
        Record("gridCellWords", gridCellWords),
        Record("mixingZoneSettings", mixingZoneSettings),
        Record("mixGridDosesDone", mixGridDosesDone),
        Record("constantConcentrations", constantConcentrations),
        Record("multiMixState", multiMixState),
        Record("multiMixBlend", multiMixBlend),
        Record("doseState", doseState),
        Record("wellProfiles", wellProfiles),
        Record("profileGraphIndices", profileGraphIndices),
        Record("waterPco2Copies", waterPco2Copies),
        Record("waterPh2sCopies", waterPh2sCopies),
        Record("whatIfSwitches", whatIfSwitches),
        Record("waterTemperatures", waterTemperatures),
        Record("surfaceWater", surfaceWater),
        Record("injectionWater", injectionWater),
        Record("formationWater", formationWater),
        Record("mixedWater", mixedWater),
        Record("unitCodes", unitCodes),
    };
}

std::vector<std::vector<uint8_t>> Snapshot() {
    std::vector<std::vector<uint8_t>> s;
    for (const RecordBytes& r : AllRecords()) {
        const auto* p = static_cast<const uint8_t*>(r.data);
        s.emplace_back(p, p + r.size);
    }
    return s;
}

// Fills every record with a byte pattern, as a workspace in use would leave
// them, then gives the unit choices and the product texts sensible values.
void FillWorkspace(uint16_t temperatureUnit, uint16_t co2Unit) {
    uint8_t pattern = 0x31;
    for (const RecordBytes& r : AllRecords()) std::memset(r.data, pattern++, r.size);
    unitCodes = UnitCodes{};
    unitCodes.code[UnitItem::kTemperature] = temperatureUnit;
    unitCodes.code[UnitItem::kGasCo2] = co2Unit;
    std::strcpy(productTable.records[0].name, "Scalebuster 7");
    std::strcpy(productTable.records[0].fileName, "SCALEBUSTER-LONG-NAME.INH");
}

class WorkspaceResetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetPipelineRecords();
        ResetCarbonateRecords();
        ResetInputRecords();
        ResetTreatmentRecords();
        ResetPagesRecords();
        ResetGraphsRecords();
        ResetGraphIndexRecords();
        ResetWellLogRecords();
        ResetMultiMixRecords();
        ResetMixingProfileRecords();
        ResetResidenceRecords();
        ResetWaterResultsRecords();
        ResetDoseTestRecords();
        ResetWaterGasRecords();
        ResetWhatIfSwitchRecords();
        ResetGridCellRecords();
        ResetProfileGraphRecords();
        ResetWaterTemperatureRecords();
        ResetMixingRecords();
    }
};

struct UnitDefaults {
    uint16_t unit;
    float whatIf[3];  // low, high, evaluation
    float graph[3];   // low, high, at
};

// Three consecutive floats of a range record: low, high and evaluation value.
void ExpectRange(const float* got, const float (&want)[3]) {
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(got[i], want[i]) << "value " << i;
}

TEST_F(WorkspaceResetTest, TemperatureRangesFollowTheTemperatureUnit) {
    const UnitDefaults cases[] = {
        {TemperatureUnit::kFahrenheit, {70, 130, 110}, {70, 130, 122}},
        {TemperatureUnit::kCelsius, {21, 54, 43}, {21, 54, 50}},
        {TemperatureUnit::kKelvin, {294, 327, 320}, {294, 327, 323}},
    };
    // The dose test conditions of each unit: three test temperatures, then the
    // four further conditions.
    const float doseTests[3][7] = {
        {70, 90, 140, 100000, 10000, 0.005f, 5},
        {20, 30, 35, 1000, 10000, 0.005f, 0.01f},
        {293, 303, 308, 1000, 10000, 0.005f, 0.01f},
    };
    for (int u = 0; u < 3; ++u) {
        const UnitDefaults& c = cases[u];
        SCOPED_TRACE(c.unit);
        FillWorkspace(c.unit, 0);
        ResetWorkspace();
        ExpectRange(&whatIfSettings.temperatureLow, c.whatIf);
        ExpectRange(&graphRangeSettings.gridTemperatureLow, c.graph);
        for (int i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(doseTestConditions.temperature[i], doseTests[u][i]) << i;
        for (int i = 0; i < 4; ++i)
            EXPECT_FLOAT_EQ(doseTestConditions.further[i], doseTests[u][3 + i]) << i;
        EXPECT_FLOAT_EQ(residenceTimeAtSelect, 180.0f);
    }
}

TEST_F(WorkspaceResetTest, Pco2RangesFollowTheGasCo2Unit) {
    const UnitDefaults cases[] = {
        {0, {0.0034f, 1.0f, 0.0034f}, {0.0034f, 1.0f, 0.0034f}},
        {1, {1, 5, 1}, {1, 5, 1}},
        {2, {1, 5, 1}, {1, 5, 1}},
    };
    for (const UnitDefaults& c : cases) {
        SCOPED_TRACE(c.unit);
        FillWorkspace(TemperatureUnit::kCelsius, c.unit);
        ResetWorkspace();
        ExpectRange(&whatIfSettings.pco2Low, c.whatIf);
        ExpectRange(&graphRangeSettings.gridPco2Low, c.graph);
    }
}

TEST_F(WorkspaceResetTest, UnitsWithoutDefaultsKeepTheirRanges) {
    FillWorkspace(7, 4);  // no temperature or pCO2 defaults for these codes
    const WhatIfSettings whatIf = whatIfSettings;
    const GraphRangeSettings graph = graphRangeSettings;
    const float residence = residenceTimeAtSelect;
    const DoseTestConditions doseTest = doseTestConditions;
    ResetWorkspace();
    EXPECT_EQ(std::memcmp(&doseTest, &doseTestConditions, sizeof doseTest), 0);
    EXPECT_EQ(std::memcmp(&whatIf.pco2Low, &whatIfSettings.pco2Low, 3 * sizeof(float)), 0);
    EXPECT_EQ(
        std::memcmp(&whatIf.temperatureLow, &whatIfSettings.temperatureLow, 3 * sizeof(float)), 0);
    EXPECT_EQ(std::memcmp(&graph.gridTemperatureLow, &graphRangeSettings.gridTemperatureLow,
                          6 * sizeof(float)),
              0);  // temperature, then pressure
    EXPECT_EQ(std::memcmp(&graph.gridPco2Low, &graphRangeSettings.gridPco2Low, 3 * sizeof(float)),
              0);
    EXPECT_EQ(std::memcmp(&residence, &residenceTimeAtSelect, sizeof residence), 0);
}

TEST_F(WorkspaceResetTest, RangesAxisAndTargetAreTheFreshDefaults) {
    FillWorkspace(TemperatureUnit::kFahrenheit, 0);
    ResetWorkspace();
    // The mixing axis reads 0, 16.67, 33.33, 50, 66.67, 83.33, 100 percent.
    const float axis[] = {0.0f, 16.67f, 33.33f, 50.0f, 66.67f, 83.33f, 100.0f};
    for (int k = 0; k < 7; ++k) {
        EXPECT_NEAR(mixPercent[k], axis[k], 0.005f) << k;
        EXPECT_NEAR(mixPointTable[0][k], axis[k], 0.005f) << k;
    }
    EXPECT_FLOAT_EQ(mixingZoneSettings.mixLowPercent, 0.0f);
    EXPECT_FLOAT_EQ(mixingZoneSettings.mixHighPercent, 100.0f);
    EXPECT_NEAR(mixingZoneSettings.mixStepPercent, 100.0f / 6.0f, 1e-4f);
    // The mixing grids read the mixing-zone copy of the grid range and typical
    // percent, the 3D graphs the graph-range copy: both are fresh and equal.
    EXPECT_FLOAT_EQ(graphRangeSettings.gridMixLow, 0.0f);
    EXPECT_FLOAT_EQ(graphRangeSettings.gridMixHigh, 100.0f);
    EXPECT_NEAR(graphRangeSettings.mixTypicalPercent, 100.0f / 6.0f, 1e-4f);
    EXPECT_EQ(mixingZoneSettings.gridMixLow, graphRangeSettings.gridMixLow);
    EXPECT_EQ(mixingZoneSettings.gridMixHigh, graphRangeSettings.gridMixHigh);
    EXPECT_EQ(mixingZoneSettings.mixTypicalPercent, graphRangeSettings.mixTypicalPercent);
    ExpectRange(&whatIfSettings.phLow, {5.6f, 8.0f, 6.5f});
    ExpectRange(&graphRangeSettings.gridPhLow, {5.6f, 8.0f, 6.5f});
    EXPECT_FLOAT_EQ(phControlSettings.targetPh, 7.0f);
    EXPECT_EQ(phControlSettings.phPredictionMethod, 4);
    // Calcite alone is graphed.
    EXPECT_EQ(graphChoice.leadingWord, 0);
    EXPECT_EQ(graphChoice.count, 1);
    EXPECT_EQ(graphIndexCodes[0], 0);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(graphIndexCodes[i], 0xFFFF);
    EXPECT_EQ(wellLogSpecsEntered, 0u);
    // Every stored water's residence time is the default 180 s, and no carbonate
    // set is current.
    for (float t : waterResidenceSeconds) EXPECT_FLOAT_EQ(t, 180.0f);
    for (float c : {currentHCO3, currentCO3, currentH2CO3, currentCO2}) EXPECT_EQ(c, 0.0f);
    // No curve pairs, no fitted curve.
    EXPECT_EQ(alkCurvePoints.count, 0);
    EXPECT_EQ(alkCurvePoints.pair[9][2], 0.0f);
    EXPECT_EQ(userAlkCurve.logSlope, 0.0f);
    // No constant concentrations in force.
    EXPECT_EQ(constantConcentrations.constantValuesOn, 0);
    EXPECT_EQ(constantConcentrations.switches[0], 0);
    EXPECT_EQ(constantConcentrations.values[0], 0.0f);
}

TEST_F(WorkspaceResetTest, ProductReadsNoneWhateverWasLoaded) {
    FillWorkspace(TemperatureUnit::kCelsius, 0);
    resultStatus.productSelected = 1;
    ResetWorkspace();
    const ProductRecord& first = productTable.records[0];
    EXPECT_STREQ(first.name, "None");
    EXPECT_STREQ(first.fileName, "No File");
    EXPECT_STREQ(first.functionText, "No Function");
    EXPECT_EQ(productTable.selection, 0xFFFF);
    EXPECT_EQ(resultStatus.productSelected, 0);
    // Nothing of the old, longer file name survives behind the terminator.
    EXPECT_EQ(std::string(first.fileName, sizeof first.fileName).find("BUSTER"), std::string::npos);
}

TEST_F(WorkspaceResetTest, ResultFlagsClearAndTheUsersChoicesStay) {
    FillWorkspace(TemperatureUnit::kCelsius, 0);
    resultStatus.runTargetSolvers = 1;
    surfaceWater.values[AE::kCalcium] = 400.0f;
    const WaterAnalysis surface = surfaceWater, injection = injectionWater,
                        formation = formationWater;
    const UnitCodes units = unitCodes;
    const WhatIfSettings whatIf = whatIfSettings;
    ResetWorkspace();
    const ResultStatus& s = resultStatus;
    for (uint16_t flag :
         {s.surfaceEntered, s.injectionEntered, s.formationEntered, s.tempProfileDone,
          s.phProfileDone, s.pressureProfileDone, s.gridDone, s.gridDone2, s.mixProfileDone,
          s.mixGridDone[0], s.mixGridDone[1], s.mixGridDone[2], s.alkCurveEntered,
          s.wellProfileDone[0], s.wellProfileDone[1], s.wellProfileDone[2]})
        EXPECT_EQ(flag, 0);
    EXPECT_EQ(s.runTargetSolvers, 1);
    EXPECT_EQ(std::memcmp(&surface, &surfaceWater, sizeof surface), 0);
    EXPECT_EQ(std::memcmp(&injection, &injectionWater, sizeof injection), 0);
    EXPECT_EQ(std::memcmp(&formation, &formationWater, sizeof formation), 0);
    EXPECT_EQ(std::memcmp(&units, &unitCodes, sizeof units), 0);
    // Pressure ranges are not New's business.
    EXPECT_EQ(std::memcmp(&whatIf.pressureLow, &whatIfSettings.pressureLow, 3 * sizeof(float)), 0);
}

TEST_F(WorkspaceResetTest, MultiMixWatersAreEmptied) {
    FillWorkspace(TemperatureUnit::kCelsius, 0);
    ResetWorkspace();
    const MultiMixState& m = multiMixState;
    EXPECT_EQ(m.lastWaterIndex, 0);
    EXPECT_EQ(m.editIndex, 0);
    EXPECT_EQ(m.multiMixDone, 0u);
    for (int j = 0; j < kMultiMixWaterCount; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(m.weightPercent[j], 0.0f);
        EXPECT_EQ(m.multiMixEntered[j], 0u);
        EXPECT_EQ(doseState.multiMix[j].doseDone, 0u);
        EXPECT_EQ(doseState.multiMix[j].limitStatus, 0);
        EXPECT_FLOAT_EQ(m.residenceTime[j][ResidenceForm::kDisplayUnit], 180.0f);
        EXPECT_EQ(m.residenceTime[j][ResidenceForm::kSeconds], 0.0f);
        for (float v : m.sourceWaters[j].values) EXPECT_EQ(v, 0.0f);
        EXPECT_EQ(m.sourceWaters[j].sampleDate, 0);
        EXPECT_EQ(m.sourceWaters[j].sampleTime, 0);
        for (int t = 0; t < 7; ++t) EXPECT_EQ(m.descriptions[j].text[t][0], '\0');
    }
    for (int t = 0; t < 7; ++t) EXPECT_EQ(multiMixBlend.mixedDescription.text[t][0], '\0');
}

TEST_F(WorkspaceResetTest, PerWaterAndPerProfileTablesAreFresh) {
    FillWorkspace(TemperatureUnit::kCelsius, 0);
    ResetWorkspace();
    for (uint32_t w : gridCellWords.cell) EXPECT_EQ(w, 0u);
    for (uint32_t w : gridCellWords.side) EXPECT_EQ(w, 0u);
    EXPECT_EQ(gridCellWords.sideEnd, 0);
    for (const auto& profile : profileGraphIndices)
        for (uint16_t index : profile) EXPECT_EQ(index, 0);
    for (int j = 0; j < kGasCopyWaters; ++j) {
        EXPECT_EQ(waterPco2Copies[j], 0.0f) << j;
        EXPECT_EQ(waterPh2sCopies[j], 0.0f) << j;
    }
    for (uint32_t s : whatIfSwitches) EXPECT_EQ(s, 1u);
    // Every stored water's reference temperatures: 25 degrees C as 298.16 K.
    for (const auto& pair : waterTemperatures) {
        EXPECT_FLOAT_EQ(pair[0], 298.16f);
        EXPECT_FLOAT_EQ(pair[1], 298.16f);
    }
    // The mixing grids' doses must be computed again.
    EXPECT_EQ(mixGridDosesDone, 0);
}

TEST_F(WorkspaceResetTest, AfterFlashWellDoseStatusIsCleared) {
    for (int32_t& s : wellProfiles.flash11.doseStatus) s = 2;
    for (int32_t& s : wellProfiles.flash48.doseStatus) s = 1;
    wellProfiles.flash48.dose[3] = 5.0f;
    ResetWorkspace();
    for (int32_t s : wellProfiles.flash11.doseStatus) EXPECT_EQ(s, 0);
    for (int32_t s : wellProfiles.flash48.doseStatus) EXPECT_EQ(s, 0);
    // The computed tables themselves stay: a reloaded workspace still shows them.
    EXPECT_EQ(wellProfiles.flash48.dose[3], 5.0f);
}

TEST_F(WorkspaceResetTest, NewTwiceEqualsNewOnce) {
    const uint16_t units[] = {TemperatureUnit::kFahrenheit, TemperatureUnit::kCelsius,
                              TemperatureUnit::kKelvin, 9};
    for (uint16_t unit : units) {
        SCOPED_TRACE(unit);
        FillWorkspace(unit, unit);
        ResetWorkspace();
        const auto once = Snapshot();
        ResetWorkspace();
        const auto twice = Snapshot();
        const auto records = AllRecords();
        for (size_t i = 0; i < records.size(); ++i)
            EXPECT_TRUE(once[i] == twice[i]) << records[i].name;
    }
}

}  // namespace
