// Fixture records for the printed report layouts: one water with its own
// results, excess and description set, the settings the layouts read reset,
// and the layout's lines as text (values placed to end at their column).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/result_status.h"
#include "common/unit_codes.h"
#include "engine/records.h"
#include "printing/reports/printed_water.h"
#include "printing/reports/report_time_records.h"
#include "reporttext/layout/report_layout.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace reporttest {

// Line `line` of a layout with every item at its cells: texts from their
// column, values ending at theirs, a chained item before the one drawn last;
// markers stay in the text.
inline std::string LineText(const ReportLayout& layout, int line) {
    std::string s;
    int previous = 0;
    for (const LayoutItem& item : layout.items) {
        if (item.line != line) continue;
        int first = item.column;
        if (item.anchor == Anchor::kEnd) first -= static_cast<int>(item.text.size());
        if (item.anchor == Anchor::kBeforePrevious)
            first = previous - static_cast<int>(item.text.size());
        if (first < 0) first = 0;
        previous = first;
        const std::size_t end = static_cast<std::size_t>(first) + item.text.size();
        if (s.size() < end) s.resize(end, ' ');
        s.replace(static_cast<std::size_t>(first), item.text.size(), item.text);
    }
    return s;
}

inline std::vector<std::string> Lines(const ReportLayout& layout) {
    std::vector<std::string> lines;
    for (int n = 0; n < layout.endLine; ++n) lines.push_back(LineText(layout, n));
    return lines;
}

// The first item whose text is `text`, or null.
inline const LayoutItem* Item(const ReportLayout& layout, const std::string& text) {
    for (const LayoutItem& item : layout.items)
        if (item.text == text) return &item;
    return nullptr;
}

// The items of a line from a column on, in drawing order.
inline std::vector<const LayoutItem*> ItemsAt(const ReportLayout& layout, int column) {
    std::vector<const LayoutItem*> items;
    for (const LayoutItem& item : layout.items)
        if (item.column == column && item.anchor == Anchor::kStart) items.push_back(&item);
    return items;
}

class ReportLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetDisplaySettingsRecords();
        ResetReportTimeRecords();
        unitCodes = UnitCodes{};
        alkalinityMode = 1;
        resultStatus = ResultStatus{};
        mainWindowState.dataVersion = 557;
        productTable.records[0] = ProductRecord{};
        precipitationFactor = 0.34845498f;
        water = WaterAnalysis{};
        for (int k = 0; k < 64; ++k) {
            water.values[k] = 10.0f + static_cast<float>(k);
            results[k] = 1.0f + 0.25f * static_cast<float>(k);
        }
        for (int k = 0; k < 38; ++k) excess[k] = 2.0f * static_cast<float>(k);
        texts = SampleDescription{};
        printed = PrintedWater{};
        printed.view.analysis = &water;
        printed.view.results = results;
        printed.view.excess = excess;
        printed.view.dose = 4.5f;
        printed.view.corrosionRate = 3.25f;
        printed.texts = &texts;
    }
    void TearDown() override {
        ResetDisplaySettingsRecords();
        ResetReportTimeRecords();
        productTable.records[0] = ProductRecord{};
    }
    static void HideChemistry(int from, int to) {
        for (int k = from; k <= to; ++k) displaySettings.chemistryItemsHidden[k] = 1;
    }
    static void HideIndicators(int from, int to) {
        for (int k = from; k <= to; ++k) displaySettings.indicatorItemsHidden[k] = 1;
    }
    static void SelectProduct(const char* name, int mode) {
        resultStatus.productSelected = 1;
        std::snprintf(productTable.records[0].name, sizeof productTable.records[0].name, "%s",
                      name);
        productTable.records[0].productMode = static_cast<int16_t>(mode);
    }

    WaterAnalysis water{};
    float results[64] = {};
    float excess[38] = {};
    SampleDescription texts{};
    PrintedWater printed;
};

}  // namespace reporttest
