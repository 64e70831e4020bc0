// The halftone print of a 1920 x 1080 8-bit grey picture over the printable
// area of a letter page at 600 dpi (4800 x 6300 device pixels), on a page the
// benchmark then aborts, so no PDF is written: ordered screen and error
// diffusion. Aims: 0.5 s and 1.2 s.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "imaging/frame/image_alloc.h"
#include "imaging/print/print_image.h"
#include "platform/gdi/gdi.h"
#include "platform/print/print_setup.h"

namespace {

void PrintOverLetter(benchmark::State& state, int32_t mode) {
    win::UsePrinters(win::ParsePrinterConfig("Bench | letter | 600 | mono | /tmp\n", "/", nullptr));
    ImageDesc image;
    if (AllocImageGlobal(&image, 1920, 1080, 8) != IMG_OK) {
        state.SkipWithError("no memory");
        return;
    }
    InitImagePalette(&image);
    for (int y = 0; y < 1080; ++y) {
        uint8_t* row = image.bits + static_cast<std::size_t>(y) * image.stride;
        for (int x = 0; x < 1920; ++x) row[x] = static_cast<uint8_t>((x / 8 + y / 5) & 0xFF);
    }
    win::HDC printer = win::CreateDCA(nullptr, "Bench", nullptr, nullptr);
    const win::RECT page{0, 0, 7999, 10499};
    win::DOCINFOA doc;
    doc.lpszDocName = "bench";
    for (auto _ : state) {
        win::StartDocA(printer, &doc);
        win::StartPage(printer);
        benchmark::DoNotOptimize(
            PrintImageOnPage(nullptr, printer, mode, &image, &page, 0, nullptr));
        win::AbortDoc(printer);
    }
    win::DeleteDC(printer);
    FreeImage(&image);
}

void BM_PrintLetterOrdered(benchmark::State& state) {
    PrintOverLetter(state, 1);
}
BENCHMARK(BM_PrintLetterOrdered)->Unit(benchmark::kMillisecond);

void BM_PrintLetterStucki(benchmark::State& state) {
    PrintOverLetter(state, 2);
}
BENCHMARK(BM_PrintLetterStucki)->Unit(benchmark::kMillisecond);

}  // namespace
