// Colour conversions of a 1920 x 1080 photo-like picture (smooth gradients with
// fine noise, the kind of picture a screen capture of a shaded graph gives): the
// 256-colour reduction of the PCX export, the colour cube by error diffusion, and
// Stucki diffusion of its grey copy to 1 bit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "imaging/colour/bilevel_grey.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"

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
            const int r = static_cast<int>(128 + 100 * std::sin(u + 0.7 * v)) + n;
            const int g = static_cast<int>(128 + 100 * std::sin(1.3 * v - 0.4 * u + 2.0)) + n;
            const int b = static_cast<int>(128 + 100 * std::cos(0.8 * u * v + 1.0)) + n;
            row[3 * x] = static_cast<uint8_t>(std::clamp(b, 0, 255));
            row[3 * x + 1] = static_cast<uint8_t>(std::clamp(g, 0, 255));
            row[3 * x + 2] = static_cast<uint8_t>(std::clamp(r, 0, 255));
        }
    }
}

void BM_ReduceColors256(benchmark::State& state) {
    ImageDesc source;
    ImageDesc target;
    if (AllocImageGlobal(&source, 1920, 1080, 24) != IMG_OK ||
        AllocImageGlobal(&target, 1920, 1080, 8) != IMG_OK) {
        state.SkipWithError("no memory");
        return;
    }
    FillPlasma(source);
    for (auto _ : state) benchmark::DoNotOptimize(ReduceColors(256, &source, &target));
    FreeImage(&source);
    FreeImage(&target);
}
BENCHMARK(BM_ReduceColors256)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

void BM_ConvertDepthBToCube(benchmark::State& state) {
    ImageDesc source;
    ImageDesc target;
    if (AllocImageGlobal(&source, 1920, 1080, 24) != IMG_OK ||
        AllocImageGlobal(&target, 1920, 1080, 8) != IMG_OK) {
        state.SkipWithError("no memory");
        return;
    }
    FillPlasma(source);
    for (auto _ : state) benchmark::DoNotOptimize(ConvertDepthB(&source, &target, 1));
    FreeImage(&source);
    FreeImage(&target);
}
BENCHMARK(BM_ConvertDepthBToCube)->Unit(benchmark::kMillisecond);

void BM_StuckiBilevel(benchmark::State& state) {
    ImageDesc source;
    ImageDesc grey;
    ImageDesc target;
    if (AllocImageGlobal(&source, 1920, 1080, 24) != IMG_OK ||
        AllocImageGlobal(&grey, 1920, 1080, 8) != IMG_OK ||
        AllocImageGlobal(&target, 1920, 1080, 1) != IMG_OK) {
        state.SkipWithError("no memory");
        return;
    }
    FillPlasma(source);
    (void)ConvertToGrey(&source, &grey);
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertToBilevel(kBilevelDiffused, &grey, &target, nullptr));
    FreeImage(&source);
    FreeImage(&grey);
    FreeImage(&target);
}
BENCHMARK(BM_StuckiBilevel)->Unit(benchmark::kMillisecond);

}  // namespace
