// Start values of the workspace. The what-if ranges read from the display
// configuration file are replaced here by ranges that suit the user's units:
// a mild surface-water temperature span, atmospheric to moderate pressure and
// CO2 partial pressures from the atmosphere's 0.0034 atm upward.
#include "shell/startup/workspace_defaults.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/water_temperature_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/choosers/chooser_texts.h"
#include "shell/records.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/install_paths.h"
#include "shell/startup/startup_records.h"
#include "treatment/records.h"

const uint16_t kGraphCodeOrder[55] = {
    0,   1,   22,  24,  25,  19,  62,  4,   5,   21,  37,  3,   36,  26,  12,  23,  2,   47,  20,
    32,  45,  44,  10,  11,  31,  43,  42,  100, 101, 102, 103, 104, 116, 120, 105, 106, 107, 108,
    109, 110, 111, 112, 113, 114, 121, 115, 119, 118, 117, 60,  58,  57,  55,  53,  51,
};

namespace {

struct Range {
    float low, high, eval;
};

// Temperature by unit (degrees F, degrees C, K); the 3D graphs evaluate at
// their own temperature.
struct TemperatureStart {
    Range whatIf;
    float graphEval;
};
constexpr TemperatureStart kTemperatureStarts[3] = {
    {{70.0f, 130.0f, 110.0f}, 122.0f},
    {{21.0f, 54.0f, 43.0f}, 50.0f},
    {{294.0f, 327.0f, 320.0f}, 323.0f},
};

// pCO2 by the gas-phase CO2 unit code 0 to 5.
constexpr Range kPco2Starts[6] = {
    {0.0034f, 1.0f, 0.0034f}, {1.0f, 5.0f, 1.0f}, {1.0f, 5.0f, 1.0f},
    {0.3f, 5.0f, 1.0f},       {0.1f, 6.0f, 6.0f}, {0.0f, 20.0f, 6.0f},
};

// Pressure: atm or bar, psia, kPa.
constexpr Range kPressureStarts[3] = {
    {1.0f, 100.0f, 1.0f}, {14.7f, 1470.0f, 14.7f}, {100.0f, 10000.0f, 100.0f}};

constexpr Range kPhStart{5.6f, 8.0f, 6.5f};
constexpr float kSixthOfHundred = 16.66666f;  // as a new workspace sets it
constexpr float kStartResidenceSeconds = 180.0f;

void SetText(char* field, size_t size, const char* text) {
    std::memset(field, 0, size);
    std::strncpy(field, text, size - 1);
}

void BlankDescription(SampleDescription& d) {
    for (auto& text : d.text) text[0] = '\0';
}

void SetTemperatureStarts(uint16_t t, WhatIfSettings& whatIf, GraphRangeSettings& graph) {
    if (t >= 3) return;
    const TemperatureStart& s = kTemperatureStarts[t];
    whatIf.temperatureLow = graph.gridTemperatureLow = s.whatIf.low;
    whatIf.temperatureHigh = graph.gridTemperatureHigh = s.whatIf.high;
    whatIf.temperatureEval = s.whatIf.eval;
    graph.gridTemperatureEval = s.graphEval;
}

void SetPco2Starts(uint16_t c, WhatIfSettings& whatIf, GraphRangeSettings& graph) {
    if (c >= 6) return;
    const Range& r = kPco2Starts[c];
    whatIf.pco2Low = graph.gridPco2Low = r.low;
    whatIf.pco2High = graph.gridPco2High = r.high;
    whatIf.pco2Eval = graph.gridPco2Eval = r.eval;
}

void SetPressureStarts(uint16_t p, WhatIfSettings& whatIf, GraphRangeSettings& graph) {
    const Range& pr = kPressureStarts[p == PressureUnit::kPsia  ? 1
                                      : p == PressureUnit::kKPa ? 2
                                                                : 0];
    whatIf.pressureLow = graph.gridPressureLow = pr.low;
    whatIf.pressureHigh = graph.gridPressureHigh = pr.high;
    whatIf.pressureEval = graph.gridPressureEval = pr.eval;
}

}  // namespace

void SetStartRanges(const UnitCodes& units, WhatIfSettings& whatIf, GraphRangeSettings& graph) {
    SetTemperatureStarts(units.code[UnitItem::kTemperature], whatIf, graph);
    SetPco2Starts(units.code[UnitItem::kGasCo2], whatIf, graph);
    SetPressureStarts(units.code[UnitItem::kPressure], whatIf, graph);
    whatIf.phLow = graph.gridPhLow = kPhStart.low;
    whatIf.phHigh = graph.gridPhHigh = kPhStart.high;
    whatIf.phEval = graph.gridPhEval = kPhStart.eval;
}

void SetWorkspaceStartValues() {
    std::copy(std::begin(kGraphCodeOrder), std::end(kGraphCodeOrder), graphCodeList);
    std::copy(std::begin(kGraphCodeOrder), std::end(kGraphCodeOrder), graphCodeListCopy);
    FillSaturationLevelCodes();

    for (SampleDescription& d : multiMixState.descriptions) BlankDescription(d);
    BlankDescription(multiMixBlend.mixedDescription);

    SetStartRanges(unitCodes, whatIfSettings, graphRangeSettings);

    // The mixing grids read the mixing-zone copy of the percent range, the 3D
    // graphs the graph ranges' copy: both start equal.
    mixingZoneSettings.mixLowPercent = mixingZoneSettings.gridMixLow = 0.0f;
    mixingZoneSettings.mixHighPercent = mixingZoneSettings.gridMixHigh = 100.0f;
    mixingZoneSettings.mixStepPercent = mixingZoneSettings.mixTypicalPercent = kSixthOfHundred;
    graphRangeSettings.gridMixLow = mixingZoneSettings.gridMixLow;
    graphRangeSettings.gridMixHigh = mixingZoneSettings.gridMixHigh;
    graphRangeSettings.mixTypicalPercent = mixingZoneSettings.mixTypicalPercent;
    phControlSettings.targetPh = 7.0f;
    phControlSettings.phPredictionMethod = 4;  // pH from the carbonate species
    resultStatus.productSelected = 0;
    ProductRecord& first = productTable.records[0];
    SetText(first.name, sizeof first.name, "None");
    SetText(first.fileName, sizeof first.fileName, "No File");
    SetText(first.functionText, sizeof first.functionText, "No Function");

    for (float& s : waterResidenceSeconds) s = kStartResidenceSeconds;
    for (auto& pair : waterTemperatures) pair[0] = pair[1] = kStartTemperatureK;
    whatIfOptions.forcePhToEvalForPressure = 0;
    for (float& acid : organicAcids) acid = 0.0f;

    graphChoice.count = 1;
    graphChoice.codes[0] = 0;  // calcite
    graphIndexCodes[0] = 0;
    for (int i = 1; i < kGraphIndexCodeCount; ++i) graphIndexCodes[i] = kNoGraphIndex;

    const std::string workFiles = InstallPath("\\*.KRV");
    SetText(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath, workFiles.c_str());
}
