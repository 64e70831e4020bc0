// Resampling and rotation of a 1920 x 1080 24-bit plasma picture: area
// averaging to 960 x 540, bilinear enlargement to 2880 x 1620, and a 30-degree
// bilinear turn into a destination of the same size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "imaging/frame/image_alloc.h"
#include "imaging/geometry/geometry.h"

namespace {

void FillPlasma(ImageDesc& image) {
    uint32_t noise = 12345;
    for (int y = 0; y < image.header->biHeight; ++y) {
        uint8_t* row = image.bits + static_cast<std::size_t>(y) * image.stride;
        for (int x = 0; x < image.header->biWidth; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = static_cast<int>((noise >> 16) & 15) - 8;
            const double u = x / 240.0;
            const double v = y / 135.0;
            row[3 * x] = static_cast<uint8_t>(
                std::clamp(static_cast<int>(128 + 100 * std::cos(0.8 * u * v + 1.0)) + n, 0, 255));
            row[3 * x + 1] = static_cast<uint8_t>(std::clamp(
                static_cast<int>(128 + 100 * std::sin(1.3 * v - 0.4 * u + 2.0)) + n, 0, 255));
            row[3 * x + 2] = static_cast<uint8_t>(
                std::clamp(static_cast<int>(128 + 100 * std::sin(u + 0.7 * v)) + n, 0, 255));
        }
    }
}

template <typename Operation>
void Run(benchmark::State& state, int width, int height, Operation operation) {
    ImageDesc source;
    ImageDesc target;
    if (AllocImageGlobal(&source, 1920, 1080, 24) != IMG_OK ||
        AllocImageGlobal(&target, width, height, 24) != IMG_OK) {
        state.SkipWithError("no memory");
        return;
    }
    FillPlasma(source);
    for (auto _ : state) benchmark::DoNotOptimize(operation(&source, &target));
    FreeImage(&source);
    FreeImage(&target);
}

void BM_ResizeAreaAverageHalf(benchmark::State& state) {
    Run(state, 960, 540, [](ImageDesc* s, ImageDesc* t) { return ResizeImage(s, t, 1); });
}
BENCHMARK(BM_ResizeAreaAverageHalf)->Unit(benchmark::kMillisecond);

void BM_ResizeBilinear150(benchmark::State& state) {
    Run(state, 2880, 1620, [](ImageDesc* s, ImageDesc* t) { return ResizeImage(s, t, 1); });
}
BENCHMARK(BM_ResizeBilinear150)->Unit(benchmark::kMillisecond);

void BM_Rotate30Bilinear(benchmark::State& state) {
    Run(state, 1920, 1080, [](ImageDesc* s, ImageDesc* t) { return RotateImage(30, s, t, 0); });
}
BENCHMARK(BM_Rotate30Bilinear)->Unit(benchmark::kMillisecond);

}  // namespace
