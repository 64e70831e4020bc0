// The identification line and the weight axis of the source-water pages.
#include <cstring>
#include <string>

#include "engine/records.h"
#include "reporttext/sourcepages/source_pages.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

void AddSourceIdentification(ReportLayout& layout) {
    const int32_t date = multiMixDate != 0 ? multiMixDate : mainWindowState.reportDate;
    AddIdentification(layout, SourceLine(1), {2, 13, 26, 38, 50, 58, 69, 72},
                      mixedWater.sampleNumber, date, date, mixedWater.sampleTime, {},
                      ZeroNumber::kNone);
}

void AddWeightAxis(ReportLayout& layout, const SourceViewRecord& view) {
    const int line3 = SourceLine(3);
    if (view.count == 7) {
        layout.AddRule(line3, SourceColumnCell(0), std::string(56, '_'));
    } else {
        for (int k = 0; k < view.count; ++k)
            layout.AddRule(line3, SourceColumnCell(k), std::string(8, '_'));
    }
    layout.AddText(line3, WeightHeadingCell(view.count), " WEIGHT % ", kWeightBlue);
    for (int k = 0; k < view.count; ++k)
        layout.AddValue(SourceLine(4), SourceColumnCell(k),
                        FixedCell(view.columns[k].weightPercent, 2), kWeightBlue);
}

void AddSourceIds(ReportLayout& layout, const SourceViewRecord& view) {
    constexpr int kIdText = 7;  // the "ID" line of the water's description
    for (int k = 0; k < view.count && k < kMultiMixWaterCount; ++k) {
        const char* id = multiMixState.descriptions[k].text[kIdText];
        const std::string text(id, strnlen(id, sizeof multiMixState.descriptions[k].text[0]));
        if (!text.empty()) layout.AddTyped(SourceLine(2), SourceColumnCell(k), text.substr(0, 7));
    }
}
