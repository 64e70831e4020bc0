// Titles and colour bands of the well-log graphs. The thresholds 0.2, 0.4,
// 0.6, 0.8 and 1.2 are single-precision constants compared as doubles, so a
// stored 0.2 of momentary excess is in the band that includes 0.2 and a
// stored 1.2 of calcite in the band from 1.2.
#include "graphs/welllog/well_log_rules.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "reporttext/format/sub_sup_text.h"
#include "shell/mainwindow/display_settings_records.h"
#include "treatment/records.h"

namespace {

constexpr double F(float v) {
    return static_cast<double>(v);
}

bool IsExcessCode(int code, WellLogGraph graph) {
    return (code >= 100 && code <= 121) ||
           (graph == WellLogGraph::kPage && code >= 51 && code <= 61);
}

// The colour of one station and whether its family takes the treated
// status instead; 0 when the code has no bands.
int BandOf(int code, double v, bool logIndex, int32_t status, WellLogGraph graph,
           bool& treatedFamily) {
    treatedFamily = false;
    const bool page = graph == WellLogGraph::kPage;
    const double t = CorrosionFactor();
    if (IsMineralCode(code)) {
        treatedFamily = true;
        const bool logged = logIndex && IsWellLogLogCode(code);
        auto at = [logged](double x) { return logged ? std::log10(x) : x; };
        if (code == 2) return RisingBand(v, at(0.95), at(1.05), at(1.15), at(1.25));
        return RisingBand(v, at(1.0), at(F(1.2f)), at(2.0), at(5.0));
    }
    if (IsExcessCode(code, graph)) {
        treatedFamily = true;
        // Momentary excess and precipitation potential: bands that include
        // their upper bounds.
        return RisingBandUpTo(v, 0.0, F(0.2f), F(0.8f), 2.0);
    }
    switch (code) {
        case 10:
        case 42:
        case 43:
            treatedFamily = true;
            return RisingBand(v, 0.0, F(0.2f), F(0.8f), F(1.2f));
        case 11:
        case 31:
            treatedFamily = true;
            return FallingIndexBand(v);
        case 18:
            treatedFamily = true;
            return RisingBand(v, F(0.2f), F(0.4f), F(0.6f), F(0.8f));
        case 40:
        case 41:
            return 1;
        case 89: {
            if (!page && ProductMode() == 2) return CorrosionRateBand(v, t, 14);
            const int c = StatusColour(status);
            return c == 0 ? 5 : c;
        }
        case 90:
        case 91:
        case 92:
        case 93:
            if (page) return 1;
            return status == 0 ? 1 : 4;
        case 94:
        case 95:
        case 96:
            if (page) return status == 0 ? 1 : 4;
            return CorrosionRateBand(v, t, 2);
        default:
            return 0;
    }
}

}  // namespace

bool IsWellLogLogCode(int code) {
    return IsLogCode(code) || code == 44;
}

const char* WellPagePrecipitationCaption() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return "   mg/L";
        case 1:
            return "lbs per 1000 Barrels";
        default:
            return "Kg per 1000 Barrels";
    }
}

ChartTexts WellLogTitles(int code, WellLogGraph graph) {
    ChartTexts x = ChartTitles(code, false, false);
    if (graph == WellLogGraph::kPage) {
        if (code == 50) AppendChartText(x.title, " Precipitation Potential");
        if ((code >= 50 && code <= 61) || code >= 100)
            SetChartText(x.caption, WellPagePrecipitationCaption());
        return x;
    }
    // The summary names minerals without an ending and carries their depth
    // axis's title; codes without a row of their own show the product's name.
    if (IsMineralCode(code)) {
        x = ChartNamedTitle(code, false);
        SetChartText(x.caption, "Depth");
    } else if ((code >= 50 && code <= 61) || code > 121) {
        const char* name = productTable.records[0].name;
        SetChartText(x.title,
                     TypedTextInLabel(std::string_view(name, strnlen(name, sizeof productTable.records[0].name)))
                         .c_str());
        x.caption[0] = '\0';
    }
    return x;
}

void WellLogColours(int code, const double* values, int count, bool logIndex, bool treated,
                    const int32_t* status, WellLogGraph graph, int* colours, int32_t* flags) {
    for (int i = 0; i < count; ++i) {
        bool treatedFamily = false;
        int c = BandOf(code, values[i], logIndex, status[i], graph, treatedFamily);
        if (treated && treatedFamily) {
            const int s = StatusColour(status[i]);
            if (s != 0) c = s;
        }
        colours[i] = c == 0 ? 1 : c;
        if (c != 0 && flags != nullptr) flags[i] = 1;
    }
}
