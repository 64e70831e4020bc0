// EXPORT IMAGE of the 2D graph window at 1920 x 1080 with four charts: the
// graph painted twice, captured and written as PNG and as JPEG (aim: under
// 0.5 s each).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/window/two_d_window.h"
#include "platform/win.h"
#include "scenarios/frame/whatif_records.h"

namespace {

namespace fs = std::filesystem;

win::HWND MakeWindow() {
    win::SetDesktopSize(1920, 1200);
    win::WNDCLASS wc{};
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "BenchExportWindow";
    (void)win::RegisterClass(&wc);
    return win::CreateWindow("BenchExportWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, 1920,
                             1080, nullptr, nullptr, nullptr, nullptr);
}

void SetUpGraph() {
    graphProfileKind = 1;
    const uint16_t codes[4] = {0, 21, 10, 11};
    for (int s = 0; s < 4; ++s) graphIndexCodes[s] = codes[s];
    graphAxisData.pointCount = 7;
    for (int i = 0; i < 7; ++i) {
        graphAxisData.xValues[i] = 70.0 + 10.0 * i;
        for (uint16_t c : codes)
            whatIfResults.tempProfile.results[i][c] = 0.5f + 0.7f * static_cast<float>(i);
    }
    GraphOutputFlags& f = graphOutputFlags;
    f.colorNow = f.displayColor = f.exportColor = 1;
    f.renderTarget = RenderTarget::kScreen;
}

void BM_FourChartExport(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "tarvex-bench-export";
    fs::create_directories(folder);
    win::SetPathRoot(folder.string());
    win::HWND hwnd = MakeWindow();
    SetUpGraph();
    const std::string name = state.range(0) == 0 ? "\\bench.png" : "\\bench.jpg";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(folder / name.substr(1));
        state.ResumeTiming();
        win::AnswerFileDialog(name);
        benchmark::DoNotOptimize(ExportTwoDGraph(hwnd));
    }
    win::DestroyWindow(hwnd);
    fs::remove_all(folder);
}
BENCHMARK(BM_FourChartExport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
