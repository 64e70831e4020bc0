// The point hit test and the texts of the value box and the analysis copy.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/window/two_d_window.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "reporttext/format/format_value.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/wells/well_records.h"

namespace {

constexpr int kCopyLabelField = 6;

std::string Number(const char* format, double v) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

std::string Fixed(double v) {
    return Number("%-.2f", v);
}

const char* TemperatureEnd() {
    switch (unitCodes.code[UnitItem::kTemperature]) {
        case 0:
            return " \xB0"
                   "F.";
        case 1:
            return " \xB0"
                   "C.";
        case 2:
            return " \xB0"
                   "K.";
        default:
            return "";
    }
}

const char* PressureEnd() {
    switch (unitCodes.code[UnitItem::kPressure]) {
        case 0:
            return " (atm)";
        case 1:
            return " (bars)";
        case 2:
            return " (p.s.i.)";
        case 3:
            return " (KPa)";
        default:
            return "";
    }
}

const char* PhWord(bool value) {
    if (whatIfOptions.varyPco2 != 0) return value ? "at a pCO2 of " : "at pCO2 ";
    return value ? "at a pH of " : "at pH ";
}

std::string WellText(int k) {
    const Flash11Table& w = wellProfiles.flash11;
    if (k < 0 || k >= kFlash11Stations) return "";
    return "at Depth " + Fixed(w.depth[k]) + ", " + Number("%-.1f", w.pressure[k]) + PressureEnd() +
           ", " + Number("%-.1f", w.temperature[k]) + TemperatureEnd();
}

// The analysis record of point k of a kind, or null.
const float* PointRecord(int kind, int k) {
    if (k < 0) return nullptr;
    switch (kind) {
        case 1:
            return k < kProfilePoints ? whatIfResults.tempProfile.analysis[k] : nullptr;
        case 2:
            return k < kProfilePoints ? whatIfResults.phProfile.analysis[k] : nullptr;
        case 3:
            return resultStatus.mixProfileDone != 0 && k < kMixPoints
                       ? mixProfileTables.mixChemistry[k]
                       : nullptr;
        case 4:
        case 5:
            return k < kProfilePoints ? whatIfResults.pressureProfile.analysis[k] : nullptr;
        case 6:
            return k < kFlash11Stations ? wellProfiles.flash11.analysis[k] : nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

int HitPoints(int x, int y, int (&points)[12]) {
    int hits = 0;
    const int count = std::min(graphAxisData.pointCount, kGraphPoints);
    for (int k = 0; k < count; ++k) {
        const BarRect& b = twoDGraphState.barRects[0][k];
        const win::POINT corners[5] = {{b.left, b.top},
                                       {b.left, b.bottom},
                                       {b.right, b.bottom},
                                       {b.right, b.top},
                                       {b.left, b.top}};
        win::HRGN region = win::CreatePolygonRgn(corners, 5, win::WINDING);
        if (region == nullptr) continue;
        if (win::PtInRegion(region, x, y)) points[hits++] = k;
        win::DeleteObject(region);
    }
    return hits;
}

ClickText ValueClickText(int kind, int k) {
    ClickText t;
    char value[kValueTextChars] = {};
    const double shown = k >= 0 && k < kGraphPoints ? twoDGraphState.barValues[0][k] : 0.0;
    FormatValueAdaptive(shown, 5, value);
    t.caption = std::string("YOU CLICKED ON THE VALUE ") + value;
    const double x = k >= 0 && k < kGraphPoints ? graphAxisData.xValues[k] : 0.0;
    std::string condition;
    switch (kind) {
        case 3:
            if (resultStatus.mixProfileDone != 0 && k < kMixPoints)
                condition = "at a pH of " + Fixed(mixProfileTables.mixChemistry[k][0]) +
                            ", a temperature of " +
                            Number("%-.0f", graphRangeSettings.gridTemperatureEval) +
                            TemperatureEnd() + ", and " + Fixed(x) + " percent injection water";
            break;
        case 1: {
            const float* record = PointRecord(1, k);
            const double ph = whatIfOptions.correctPhForTemperature != 0 && record != nullptr
                                  ? record[0]
                                  : whatIfSettings.phEval;
            condition = std::string(PhWord(true)) + Fixed(ph) + ", and temperature of " +
                        Number("%-.1f", twoDGraphState.pointTemperatures[0][k]) + TemperatureEnd();
            break;
        }
        case 2:
            condition = std::string(PhWord(true)) + Fixed(x) + ", and temperature of " +
                        Number("%-.1f", whatIfSettings.temperatureEval) + TemperatureEnd();
            break;
        case 4:
        case 5:
            condition = "at a pressure of " + Fixed(x) + PressureEnd() + ", and temperature of " +
                        Number("%-.1f", whatIfSettings.temperatureEval) + TemperatureEnd();
            break;
        case 6:
            condition = WellText(k);
            break;
        default:
            break;
    }
    t.message = t.caption + " " + condition;
    if (resultStatus.productSelected != 0) t.message += " DISPLAY LIMITS?";
    return t;
}

ClickText CopyPointAnalysis(int kind, int k) {
    ClickText t;
    t.caption = "ANALYSIS COPIED ";
    const double x = k >= 0 && k < kGraphPoints ? graphAxisData.xValues[k] : 0.0;
    std::string condition;
    switch (kind) {
        case 3:
            if (resultStatus.mixProfileDone != 0 && k < kMixPoints)
                condition = "at pH  " + Fixed(mixProfileTables.mixChemistry[k][0]) + ", and " +
                            Number("%-.0f", graphRangeSettings.gridTemperatureEval) +
                            TemperatureEnd() + ", and " + Fixed(x) + " percent injection water";
            break;
        case 1:
            condition = std::string(PhWord(false)) + Fixed(whatIfSettings.phEval) + ", and " +
                        Number("%-.1f", twoDGraphState.pointTemperatures[0][k]) + TemperatureEnd();
            break;
        case 2:
            condition = std::string(PhWord(false)) + Fixed(x) + ", and " +
                        Number("%-.1f", whatIfSettings.temperatureEval) + TemperatureEnd();
            break;
        case 4:
        case 5:
            condition = "at " + Fixed(x) + PressureEnd() + ", and " +
                        Number("%-.1f", whatIfSettings.temperatureEval) + TemperatureEnd();
            break;
        case 6:
            condition = WellText(k);
            break;
        default:
            break;
    }
    t.message = t.caption + " " + condition;
    const float* record = PointRecord(kind, k);
    if (record != nullptr) {
        std::memcpy(currentAnalysis.values, record, sizeof currentAnalysis.values);
        // The message labels the copy (the description's copy label, text 6).
        (void)CopyLabelledAnalysis(t.message.c_str(), kCopyLabelField);
    }
    return t;
}
