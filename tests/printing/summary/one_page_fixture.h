// A started program with a surface water, its stored results and a 12-station
// well profile behind the one-page summary, a summary window of 1280 x 990
// and the page drawn into a recorded metafile.
#pragma once

#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "engine/saturation/water_results_records.h"
#include "input/description_records.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/records.h"
#include "input/waterform/water_form_records.h"
#include "printing/summary/one_page_report.h"
#include "printing/summary/screen_page_setup.h"
#include "printing/summary/summary_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/whatif/scenario_views.h"
#include "shell/workfile/work_file_records.h"
#include "tests/printing/print_fixture.h"

namespace printtest {

constexpr int16_t kColumnTable[kOnePageRowCount] = {-1, -1, 17, 44, 3, 24, 8, 37,
                                                    7,  21, 6,  5,  5, 4,  0, 0};

class OnePageTest : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        ResetSummaryRecords();
        std::memcpy(onePageRowCodes, kColumnTable, sizeof kColumnTable);
        FillSurfaceWater();
        FillWellProfile();
        onePageDataFlag = 1;
    }
    void TearDown() override {
        if (window != nullptr) win::DestroyWindow(window);
        DeleteScreenReportFonts();
        ResetSummaryRecords();
        ResetScenarioViews();
        PrintTest::TearDown();
    }

    static void FillSurfaceWater() {
        namespace E = AnalysisElement;
        resultStatus.surfaceEntered = 1;
        float* v = surfaceWater.values;
        v[E::kPh] = 7.25f;
        v[E::kTemperature] = 77.0f;
        v[E::kChloride] = 19350.0f;
        v[E::kSulfate] = 2710.0f;
        v[E::kCalcium] = 412.0f;
        v[E::kSodium] = 10760.0f;
        v[E::kMAlkalinity] = 140.0f;
        v[E::kConductivity] = 43322.0f;
        v[E::kDensity] = 1.025f;
        surfaceWater.sampleNumber = 17;
        surfaceWater.reportDate = 1231205;  // 5 December 2023
        surfaceWater.sampleDate = 1231204;
        surfaceWater.sampleTime = 5;
        WaterResults.surface.saturation[35] = 34963.0f;
        std::memcpy(enteredValues[0], v, sizeof surfaceWater.values);
        Describe(waterDescriptions[0], "North Well 7", "Separator outlet");
        std::snprintf(waterDescriptions[0].text[7], 128, "%s", "NW-7");
    }
    static void FillWellProfile() {
        WellLogTable& w = wellProfiles.wellLog;
        for (int i = 0; i < kWellLogStations; ++i) {
            w.temperature[i] = 130.0f + 15.0f * static_cast<float>(i);
            w.analysis[i][AnalysisElement::kTemperature] = w.temperature[i];
            w.pressure[i] = 150.0f + 30.0f * static_cast<float>(i);
            w.gaugePressure[i] = w.pressure[i] - 1.0f;
            w.results[i][0] = 1.5f + 0.1f * static_cast<float>(i);  // calcite
            w.results[i][21] = 3.0f;                                // barite
            w.results[i][60] = 42.0f;                               // calcite potential
            w.excess[i][0] = 12.5f;
        }
        for (int i = 0; i < kChartSlotsForTests; ++i) displaySettings.graphParams[i] = kGraphs[i];
    }
    static constexpr int kChartSlotsForTests = 6;
    static constexpr uint16_t kGraphs[6] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};

    // The precipitation dialog's display choice as the work file keeps it.
    static void SetPrecipitationShow(uint32_t show) { precipitationQuantity = show; }

    // The summary window: a plain popup of the given size (with a caption,
    // as the program makes it, when `caption`).
    win::HWND MakeWindow(int w, int h, bool caption = false) {
        win::WNDCLASS wc{};
        wc.lpfnWndProc = win::DefWindowProc;
        wc.lpszClassName = "OnePageTestWindow";
        (void)win::RegisterClass(&wc);
        const win::DWORD style = win::WS_POPUP | win::WS_VISIBLE | (caption ? win::WS_CAPTION : 0);
        window = win::CreateWindow("OnePageTestWindow", "", style, 0, 0, w, h, nullptr, nullptr,
                                   nullptr, nullptr);
        summaryPageState.onePageWindow = window;
        return window;
    }

    // The texts of a window-mode render into a metafile, in drawing order.
    std::vector<DrawnText> RenderTexts(int w = 1280, int h = 990) {
        if (window == nullptr) MakeWindow(w, h);
        win::HDC screen = win::GetDC(nullptr);
        const win::RECT frame{0, 0, 33867, 26194};
        win::HDC meta = win::CreateEnhMetaFileA(screen, nullptr, &frame, "test\0\0");
        DrawOnePageReport(meta, OnePageMode::kWindow);
        std::vector<DrawnText> texts;
        colours.clear();
        win::DeviceContext* dc = win::AsDc(meta);
        if (dc != nullptr && dc->recording != nullptr) {
            for (const win::MetaRecord& r : dc->recording->records) {
                if (const auto* t = std::get_if<win::ops::Text>(&r))
                    texts.push_back(DrawnText{t->text, t->p.x, t->p.y});
                if (const auto* a = std::get_if<win::ops::SetAttr>(&r))
                    if (a->which == win::ops::Attr::TextColor)
                        colours.push_back({static_cast<int>(texts.size()), a->value});
            }
        }
        win::DeleteEnhMetaFile(win::CloseEnhMetaFile(meta));
        win::ReleaseDC(nullptr, screen);
        return texts;
    }
    // Text colours set in the last render: (texts drawn before, colour).
    struct ColourChange {
        int before;
        uint32_t colour;
    };
    std::vector<ColourChange> colours;

    static std::string All(const std::vector<DrawnText>& texts) {
        std::string all;
        for (const DrawnText& t : texts) all += t.text + "\n";
        return all;
    }

    win::HWND window = nullptr;
};

}  // namespace printtest
