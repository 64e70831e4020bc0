// A fixture water for the one-water page layouts: the surface water of a sea
// water with stored results, excess, dose, rate and residence time, every
// unit code 0 and date order 0; and the page's lines as text.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "input/description_records.h"
#include "input/residence_records.h"
#include "input/waterform/water_form_records.h"
#include "reporttext/layout/report_layout.h"
#include "reporttext/waterpages/water_pages.h"
#include "reporttext/writers/composed_text.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"
#include "shell/settings/heading_records.h"
#include "tests/reporttext/column_page_text.h"
#include "treatment/records.h"

namespace waterpages {

namespace E = AnalysisElement;

inline constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
inline constexpr float kLbsFactor = 0.34845498f;

inline void FillWater(WaterAnalysis& w) {
    w = WaterAnalysis{};
    w.sampleNumber = 42;
    w.reportDate = 1120315;  // 15 March 2012
    w.sampleDate = 1120307;  // 7 March 2012
    w.sampleTime = 930;
    float* v = w.values;
    v[E::kPh] = 8.1f;
    v[E::kChloride] = 19350.0f;
    v[E::kSulfate] = 2710.0f;
    v[E::kSilica] = 2.0f;
    v[E::kFluoride] = 1.3f;
    v[E::kCalcium] = 412.0f;
    v[E::kMagnesium] = 1290.0f;
    v[E::kSodium] = 10760.0f;
    v[E::kMAlkalinity] = 140.0f;
    v[E::kPAlkalinity] = 11.08f;
    v[E::kTemperature] = 77.0f;
    v[E::kPotassium] = 399.0f;
    v[E::kBoron] = 4.5f;
    v[E::kBromine] = 67.0f;
    v[E::kConductivity] = 43322.37f;
    v[E::kStrontium] = 7.9f;
    v[E::kBarium] = 0.01f;
    v[E::kLithium] = 0.18f;
    v[E::kPressure] = 1.0f;
    v[E::kPco2] = 0.000851666f;
    v[E::kDensity] = 1.025f;
    v[E::kAcidity] = 1.7578f;
}

inline void FillResults(StoredResults& r) {
    r = StoredResults{};
    float* s = r.saturation;
    for (int i = 0; i < kSaturationResultCount; ++i) s[i] = 0.5f + 0.25f * static_cast<float>(i);
    s[0] = 4.19289064f;
    s[1] = 3.01049018f;
    s[6] = 412.0f;
    s[7] = 363.39f;
    s[10] = 0.2434f;
    s[11] = 7.6132f;
    s[27] = 114.46f;
    s[29] = 11.08f;
    s[35] = 35046.2f;
    s[51] = 0.0f;
    s[53] = 12.5f;
    s[55] = kSolverNotReachable;
    s[57] = 0.25f;
    s[58] = 30.75f;
    s[60] = 40.5f;
    for (int i = 0; i < 22; ++i) r.excess[i] = 1.5f * static_cast<float>(i);
    r.excess[0] = 100.0f;
}

// Fresh records with the fixture water stored as the surface water.
class WaterPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetWaterResultsRecords();
        ResetPipelineRecords();
        ResetMultiMixRecords();
        ResetShellRecords();
        ResetDisplaySettingsRecords();
        ResetDescriptionRecords();
        ResetResidenceRecords();
        ResetWaterFormRecords();
        ResetHeadingRecords();
        productTable = ProductTable{};
        precipitationFactor = kLbsFactor;
        alkalinityMode = 2;
        FillWater(surfaceWater);
        FillResults(WaterResults.surface);
        std::memcpy(enteredValues[0], surfaceWater.values, sizeof enteredValues[0]);
        resultStatus.surfaceEntered = 1;
        doseState.surface.dose = 3.25f;
        corrosionRates.surface[0] = 2.75f;  // the rate shown
        corrosionRates.surface[3] = 99.0f;
        waterResidenceSeconds[0] = 180.0f;
        std::snprintf(waterDescriptions[0].text[4], 128, "Open sea, %s", "North Atlantic");
    }

    static ReportLayout Chemistry(int water) {
        WaterView view;
        EXPECT_TRUE(ViewOfWater(water, view));
        ReportLayout layout;
        LayOutWaterChemistry(view, layout);
        return layout;
    }
    static ReportLayout Indicators(int water) {
        WaterView view;
        EXPECT_TRUE(ViewOfWater(water, view));
        ReportLayout layout;
        LayOutWaterIndicators(view, layout);
        return layout;
    }

    // The layout's lines as the text copies write them (markers gone).
    static std::vector<std::string> Lines(const ReportLayout& layout) {
        return pagetext::Lines(layout);
    }
    // The text at a page line (the page's own numbering) and column.
    static std::string At(const ReportLayout& layout, int firstLine, int pageLine, int column,
                          std::size_t count) {
        const std::vector<std::string> lines = Lines(layout);
        const int i = pageLine - firstLine;
        if (i < 0 || i >= static_cast<int>(lines.size())) return "<no line>";
        const std::string& l = lines[i];
        if (static_cast<std::size_t>(column) >= l.size()) return "";
        return l.substr(column, count);
    }
    // The marked text of the item that starts at a page line and column.
    static std::string TextAt(const ReportLayout& layout, int firstLine, int pageLine, int column) {
        for (const LayoutItem& item : layout.items)
            if (item.line == pageLine - firstLine && item.column == column) return item.text;
        return "<no item>";
    }
    // The colour of the item that starts at a page line and column.
    static win::COLORREF ColourAt(const ReportLayout& layout, int firstLine, int pageLine,
                                  int column) {
        for (const LayoutItem& item : layout.items)
            if (item.line == pageLine - firstLine && item.column == column) return item.colour;
        ADD_FAILURE() << "no item at line " << pageLine << " column " << column;
        return 0;
    }

    // The page's lines compared with a golden text in tests/reporttext/golden/
    // (TARVEX_REGEN_GOLDEN=1 writes it).
    static ::testing::AssertionResult MatchesGolden(const ReportLayout& layout,
                                                    const std::string& name) {
        return pagetext::MatchesGolden(layout, name);
    }
};

}  // namespace waterpages
