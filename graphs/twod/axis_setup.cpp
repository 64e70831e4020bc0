// The seven-point axes (a step of (high - low) / 6 in single precision, the
// last point exactly high), the mixing percents and the well depths.
#include "graphs/twod/axis_setup.h"

#include <algorithm>
#include <cstdio>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/twod/chart_rules.h"
#include "input/records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/wells/well_records.h"

namespace {

constexpr float kMixAxisEnd = 0.0001f;

void SevenPoints(float low, float high) {
    GraphAxisData& a = graphAxisData;
    a.pointCount = 7;
    const float step = (high - low) / 6.0f;
    a.xStep = step;
    a.xValues[0] = low;
    for (int k = 1; k < 7; ++k) a.xValues[k] = a.xValues[k - 1] + step;
    a.xValues[6] = high;
}

void Title(int slot, const char* text) {
    std::snprintf(graphAxisData.axisTitles[slot], kAxisTitleChars, "%s", text);
}

void PressureTitle() {
    static const char* const kTitles[4] = {"Pressure(atm)", "Pressure(bars)", "Pressure(p.s.i.)",
                                           "Pressure(KPa)"};
    const uint16_t unit = unitCodes.code[UnitItem::kPressure];
    if (unit < 4) Title(AxisTitle::kX, kTitles[unit]);
}

}  // namespace

void LayTwoDGraphAxis(int kind, bool rangeChange) {
    GraphAxisData& a = graphAxisData;
    TwoDGraphState& s = twoDGraphState;
    char* subtitle = a.axisTitles[AxisTitle::kXSubtitle];
    switch (kind) {
        case 3: {
            if (!rangeChange && resultStatus.mixProfileDone == 0) return;
            int taken = 0;
            for (int k = 0; k < kMixProfilePoints; ++k) {
                if (k > 0 && mixPercent[k] < kMixAxisEnd) break;
                a.xValues[k] = mixPercent[k];
                s.pointFlags[k] = 1;
                ++taken;
            }
            a.pointCount = taken;
            Title(AxisTitle::kX, "% Injection");
            subtitle[0] = '\0';
            return;
        }
        case 1: {
            if (whatIfOptions.correctPhForTemperature != 0) {
                subtitle[0] = '\0';
            } else if (whatIfOptions.varyPco2 != 0) {
                // Each point's pH is computed from this pCO2.
                const float pco2 = TemperatureProfilePco2(whatIfOptions, whatIfSettings,
                                                          surfaceWater.values[AnalysisElement::kPco2]);
                std::snprintf(subtitle, kAxisTitleChars, "at pCO2 %.3g", pco2);
            } else {
                // The pH the profile holds its points at.
                const float ph = TemperatureProfilePh(whatIfOptions, whatIfSettings,
                                                      surfaceWater.values[AnalysisElement::kPh]);
                std::snprintf(subtitle, kAxisTitleChars, "at pH %7.2f", ph);
            }
            SevenPoints(whatIfSettings.temperatureLow, whatIfSettings.temperatureHigh);
            std::snprintf(a.axisTitles[AxisTitle::kX], kAxisTitleChars, "Temperature%s",
                          GraphTemperatureUnit());
            return;
        }
        case 2: {
            const float t = whatIfOptions.useInputTemperature != 0 && !rangeChange
                                ? surfaceWater.values[15]
                                : whatIfSettings.temperatureEval;
            std::snprintf(subtitle, kAxisTitleChars, "at %7.1f%s", t, GraphTemperatureUnit());
            if (whatIfOptions.varyPco2 != 0) {
                SevenPoints(whatIfSettings.pco2Low, whatIfSettings.pco2High);
                Title(AxisTitle::kX, "pCO2");
            } else {
                SevenPoints(whatIfSettings.phLow, whatIfSettings.phHigh);
                Title(AxisTitle::kX, "pH");
            }
            return;
        }
        case 4:
        case 5:
            s.pointFlags[0] = 1;
            if (kind == 4)
                SevenPoints(whatIfSettings.pressureLow, whatIfSettings.pressureHigh);
            else
                SevenPoints(graphRangeSettings.gridPressureLow,
                            graphRangeSettings.gridPressureHigh);
            PressureTitle();
            subtitle[0] = '\0';
            return;
        case 6: {
            const Flash11Table& w = wellProfiles.flash11;
            a.pointCount = kGraphPoints;
            s.pointFlags[0] = 1;
            a.xValues[0] = a.xValues[1] = w.depth[0];
            const float step = (w.depth[11] - w.depth[1]) / 10.0f;
            a.xStep = step;
            for (int k = 2; k < kGraphPoints; ++k) a.xValues[k] = a.xValues[k - 1] + step;
            a.xValues[11] = w.depth[11];
            Title(AxisTitle::kX, "Depth");
            subtitle[0] = '\0';
            return;
        }
        default:
            return;
    }
}

void RebuildMixingAxis() {
    float* first = mixPercent;
    float* second = mixPointTable[MixPointRow::kPercent];
    std::fill(first, first + kMixProfileSlots, 0.0f);
    std::fill(second, second + kMixProfileSlots, 0.0f);
    MixingZoneSettings& z = mixingZoneSettings;
    first[0] = z.mixLowPercent;
    if (z.mixStepPercent == 0.0f) z.mixStepPercent = (z.mixHighPercent - z.mixLowPercent) / 6.0f;
    for (int i = 1; i <= 6; ++i) {
        const float v = first[i - 1] + z.mixStepPercent;
        if (v > z.mixHighPercent || v > 100.0f || v < 0.0f) {
            first[i] = second[i] = 0.0f;
            break;
        }
        first[i] = second[i] = v;
    }
}
