// The one-page summary drawn into its window, 1280 x 990, as a paint draws it:
// the screen set-up's fonts, the backdrop scaled to the window, the three
// blocks and the page graph of four charts.
#include <benchmark/benchmark.h>

#include <cstring>

#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "platform/win.h"
#include "printing/summary/one_page_report.h"
#include "printing/summary/screen_page_setup.h"
#include "printing/summary/summary_records.h"
#include "resources/program_resources.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

constexpr int16_t kColumnTable[kOnePageRowCount] = {-1, -1, 17, 44, 3, 24, 8, 37,
                                                    7,  21, 6,  5,  5, 4,  0, 0};

void FillRecords() {
    resultStatus.surfaceEntered = 1;
    float* v = surfaceWater.values;
    v[AnalysisElement::kPh] = 8.1f;
    v[AnalysisElement::kTemperature] = 77.0f;
    v[AnalysisElement::kChloride] = 19350.0f;
    v[AnalysisElement::kSodium] = 10760.0f;
    v[AnalysisElement::kCalcium] = 412.0f;
    v[AnalysisElement::kConductivity] = 43322.0f;
    v[AnalysisElement::kDensity] = 1.025f;
    WaterResults.surface.saturation[35] = 34963.0f;
    WellLogTable& w = wellProfiles.wellLog;
    for (int i = 0; i < kWellLogStations; ++i) {
        w.temperature[i] = 130.0f + 15.0f * static_cast<float>(i);
        w.analysis[i][AnalysisElement::kTemperature] = w.temperature[i];
        w.pressure[i] = 150.0f + 30.0f * static_cast<float>(i);
        for (int code : {0, 4, 5, 21, 37, 24, 44}) w.results[i][code] = 0.5f + 0.1f * i;
        for (int k = 0; k < 20; ++k) w.excess[i][k] = -20.0f + 3.0f * k;
    }
    std::memcpy(onePageRowCodes, kColumnTable, sizeof kColumnTable);
    const uint16_t graphs[6] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};
    std::memcpy(displaySettings.graphParams, graphs, sizeof graphs);
}

void BM_OnePageWindowPaint(benchmark::State& state) {
    win::SetDesktopSize(1280, 1024);
    RegisterProgramResources();
    FillRecords();
    win::WNDCLASS wc{};
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "BenchOnePageWindow";
    (void)win::RegisterClass(&wc);
    win::HWND hwnd = win::CreateWindow("BenchOnePageWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0,
                                       0, 1280, 990, nullptr, nullptr, nullptr, nullptr);
    summaryPageState.onePageWindow = hwnd;
    win::HDC dc = win::GetDC(hwnd);
    for (auto _ : state) DrawOnePageReport(dc, OnePageMode::kWindow);
    win::ReleaseDC(hwnd, dc);
    win::DestroyWindow(hwnd);
    DeleteScreenReportFonts();
}
BENCHMARK(BM_OnePageWindowPaint)->Unit(benchmark::kMillisecond);

}  // namespace
