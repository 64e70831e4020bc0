// The 2D bar graph painted into a 1920 x 1080 window: four charts of a
// seven-point profile, in colour and in grey with hatching.
#include <benchmark/benchmark.h>

#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/twod/bar_graph.h"
#include "platform/win.h"
#include "scenarios/frame/whatif_records.h"

namespace {

win::HWND MakeWindow() {
    win::SetDesktopSize(1920, 1200);
    win::WNDCLASS wc{};
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "BenchGraphWindow";
    (void)win::RegisterClass(&wc);
    return win::CreateWindow("BenchGraphWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, 1920,
                             1080, nullptr, nullptr, nullptr, nullptr);
}

void SetUpGraph(bool grey) {
    graphProfileKind = 1;
    const uint16_t codes[4] = {0, 21, 10, 11};
    for (int s = 0; s < 4; ++s) graphIndexCodes[s] = codes[s];
    for (int i = 0; i < 7; ++i) {
        graphAxisData.xValues[i] = 70.0 + 10.0 * i;
        for (uint16_t c : codes)
            whatIfResults.tempProfile.results[i][c] = 0.5f + 0.7f * static_cast<float>(i);
    }
    graphOutputFlags.colorNow = grey ? 0 : 1;
    graphOutputFlags.hatchPatterns = grey ? 1 : 0;
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
}

void BM_FourChartPaint(benchmark::State& state) {
    win::HWND hwnd = MakeWindow();
    SetUpGraph(state.range(0) != 0);
    win::HDC dc = win::GetDC(hwnd);
    for (auto _ : state) DrawTwoDGraph(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
    win::DestroyWindow(hwnd);
}
BENCHMARK(BM_FourChartPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
