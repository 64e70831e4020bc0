// Station hits, value texts and analysis copies of the well-log summary graph.
#include "graphs/welllog/well_log_clicks.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/records.h"
#include "graphs/twod/bar_marks.h"
#include "graphs/welllog/well_log_graph_records.h"
#include "input/clipboard/clipboard_analysis.h"
#include "platform/gdi/gdi.h"
#include "reporttext/format/format_value.h"
#include "scenarios/wells/well_records.h"
#include "shell/commands/analysis_backup.h"

namespace {

constexpr int kCopyLabelField = 6;  // the description text that names a copy

// Each number of the station text is formatted into a 14-character buffer.
constexpr int kStationNumberChars = 14;

std::string Number(const char* format, double v, int chars) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return std::string(text).substr(0, static_cast<size_t>(chars - 1));
}

bool IsStation(int station) {
    return station >= 0 && station < kWellSummaryStations;
}

}  // namespace

const char* ClickPressureEnd() {
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

const char* ClickTemperatureEnd() {
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

std::string WellPlaceText(double depth, double pressure, double temperature, int numberChars) {
    return "at Depth " + Number("%-.2f", depth, numberChars) + ", " +
           Number("%-.1f", pressure, numberChars) + ClickPressureEnd() + ", " +
           Number("%-.1f", temperature, numberChars) + ClickTemperatureEnd();
}

int HitStations(int x, int y, StationHit* hits, int most) {
    int count = 0;
    const int panels =
        wellSummaryPanelCount < kWellSummaryPanels ? wellSummaryPanelCount : kWellSummaryPanels;
    for (int p = 0; p < panels; ++p) {
        for (int k = 0; k < kWellSummaryStations && count < most; ++k) {
            const BarRect& b = wellSummaryBarRects[p * kWellSummaryStations + k];
            if (b.left == b.right) continue;  // no bar drawn there
            if (BarHoldsPoint(b, x, y)) hits[count++] = StationHit{p, kWellSummaryStations - 1 - k};
        }
    }
    return count;
}

std::string StationText(int station) {
    if (graphProfileKind != GraphProfileKind::kWellLog48 || !IsStation(station)) return "";
    const Flash48Table& w = wellProfiles.flash48;
    return WellPlaceText(w.depth[station], w.pressure[station], w.temperature[station],
                         kStationNumberChars);
}

StationClickText StationValueText(const StationHit& hit) {
    StationClickText t;
    const bool inRange = hit.panel >= 0 && hit.panel < kWellSummaryPanels && IsStation(hit.station);
    char value[kValueTextChars] = "N/A";  // a station not calculated
    const float shown = inRange ? wellSummaryValueCopies[hit.panel][hit.station] : 0.0f;
    if (!std::isnan(shown)) FormatValueAdaptive(shown, 5, value);
    t.caption = std::string("YOU CLICKED ON THE VALUE ") + value;
    t.message = t.caption + " " + StationText(hit.station);
    if (resultStatus.productSelected != 0) t.message += " DISPLAY LIMITS?";
    return t;
}

StationClickText CopyStationAnalysis(int station) {
    StationClickText t;
    t.caption = "ANALYSIS COPIED ";
    t.message = t.caption + " " + StationText(station);
    if (graphProfileKind == GraphProfileKind::kWellLog48 && IsStation(station)) {
        (void)BackupCurrentAnalysis();
        std::memcpy(currentAnalysis.values, wellProfiles.flash48.analysis[station],
                    sizeof currentAnalysis.values);
        (void)CopyLabelledAnalysis(t.message.c_str(), kCopyLabelField);
        (void)RestoreCurrentAnalysis();
    }
    return t;
}
