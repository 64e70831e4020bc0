// The point hit test and the texts of the value box and the analysis copy.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/twod/bar_marks.h"
#include "graphs/welllog/well_log_clicks.h"
#include "graphs/window/two_d_window.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "reporttext/format/format_value.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/wells/well_records.h"

namespace {

constexpr int kCopyLabelField = 6;

constexpr int kNumberChars = 64;

std::string Number(const char* format, double v) {
    char text[kNumberChars];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

std::string Fixed(double v) {
    return Number("%-.2f", v);
}

const char* PhWord(bool value) {
    if (whatIfOptions.varyPco2 != 0) return value ? "at a pCO2 of " : "at pCO2 ";
    return value ? "at a pH of " : "at pH ";
}

std::string WellText(int k) {
    const Flash11Table& w = wellProfiles.flash11;
    if (k < 0 || k >= kFlash11Stations) return "";
    return WellPlaceText(w.depth[k], w.pressure[k], w.temperature[k], kNumberChars);
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

// What the temperature profile's points name as their pH (or pCO2): what the
// profile used.
double TemperatureProfileClickPh() {
    const float* v = surfaceWater.values;
    if (whatIfOptions.varyPco2 != 0)
        return TemperatureProfilePco2(whatIfOptions, whatIfSettings, v[AnalysisElement::kPco2]);
    return TemperatureProfilePh(whatIfOptions, whatIfSettings, v[AnalysisElement::kPh]);
}

// The wording of a point's conditions in the value box and in the copy.
struct ConditionWords {
    const char* mixPh;           // before the mixed water's pH
    const char* mixTemperature;  // before the grid temperature
    bool phArticle;              // "at a pH of " rather than "at pH "
    const char* andTemperature;  // before the profile's temperature
    const char* pressureAt;      // before the pressure
};
constexpr ConditionWords kValueWords{"at a pH of ", ", a temperature of ", true,
                                     ", and temperature of ", "at a pressure of "};
constexpr ConditionWords kCopyWords{"at pH  ", ", and ", false, ", and ", "at "};

// Where point k of a kind stands; `ph` is the pH of a temperature profile.
std::string Condition(int kind, int k, const ConditionWords& w, double ph) {
    const double x = k >= 0 && k < kGraphPoints ? graphAxisData.xValues[k] : 0.0;
    const std::string atTemperatureEval =
        w.andTemperature + Number("%-.1f", whatIfSettings.temperatureEval) + ClickTemperatureEnd();
    switch (kind) {
        case 3:
            if (resultStatus.mixProfileDone == 0 || k >= kMixPoints) return "";
            return w.mixPh + Fixed(mixProfileTables.mixChemistry[k][0]) + w.mixTemperature +
                   Number("%-.0f", graphRangeSettings.gridTemperatureEval) + ClickTemperatureEnd() +
                   ", and " + Fixed(x) + " percent injection water";
        case 1:
            return PhWord(w.phArticle) + Fixed(ph) + w.andTemperature +
                   Number("%-.1f", twoDGraphState.pointTemperatures[0][k]) + ClickTemperatureEnd();
        case 2:
            return PhWord(w.phArticle) + Fixed(x) + atTemperatureEval;
        case 4:
        case 5:
            return w.pressureAt + Fixed(x) + ClickPressureEnd() + atTemperatureEval;
        case 6:
            return WellText(k);
        default:
            return "";
    }
}

}  // namespace

int HitPoints(int x, int y, int (&points)[12]) {
    int hits = 0;
    const int count = std::min(graphAxisData.pointCount, kGraphPoints);
    for (int k = 0; k < count; ++k) {
        if (BarHoldsPoint(twoDGraphState.barRects[0][k], x, y)) points[hits++] = k;
    }
    return hits;
}

ClickText ValueClickText(int kind, int k) {
    ClickText t;
    char value[kValueTextChars] = {};
    const double shown = k >= 0 && k < kGraphPoints ? twoDGraphState.barValues[0][k] : 0.0;
    FormatValueAdaptive(shown, 5, value);
    t.caption = std::string("YOU CLICKED ON THE VALUE ") + value;
    const float* record = PointRecord(1, k);
    const double ph = whatIfOptions.correctPhForTemperature != 0 && record != nullptr
                          ? record[0]
                          : TemperatureProfileClickPh();
    const std::string condition = Condition(kind, k, kValueWords, ph);
    t.message = t.caption + " " + condition;
    if (resultStatus.productSelected != 0) t.message += " DISPLAY LIMITS?";
    return t;
}

ClickText CopyPointAnalysis(int kind, int k) {
    ClickText t;
    t.caption = "ANALYSIS COPIED ";
    const std::string condition = Condition(kind, k, kCopyWords, TemperatureProfileClickPh());
    t.message = t.caption + " " + condition;
    const float* record = PointRecord(kind, k);
    if (record != nullptr) {
        std::memcpy(currentAnalysis.values, record, sizeof currentAnalysis.values);
        // The message labels the copy (the description's copy label, text 6).
        (void)CopyLabelledAnalysis(t.message.c_str(), kCopyLabelField);
    }
    return t;
}
