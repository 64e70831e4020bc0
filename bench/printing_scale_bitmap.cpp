// The report backdrop's resampling: a 1920 x 1200 screen-compatible bitmap of a
// smooth picture with fine noise scaled to 800 x 600 by ScaleBitmap, the bitmap
// calls of the platform included.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/gdi/gdi.h"
#include "printing/pictures/scale_bitmap.h"

namespace {

std::vector<uint32_t> Plasma(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = static_cast<int>((noise >> 16) & 15) - 8;
            auto channel = [n](double s) {
                const int c = static_cast<int>(128 + 100 * s) + n;
                return static_cast<uint32_t>(c < 0 ? 0 : c > 255 ? 255 : c);
            };
            const double u = x / 240.0;
            const double v = y / 135.0;
            pixels[static_cast<std::size_t>(y) * width + x] =
                channel(std::sin(u + 0.7 * v)) << 16 |
                channel(std::sin(1.3 * v - 0.4 * u + 2.0)) << 8 |
                channel(std::cos(0.8 * u * v + 1.0));
        }
    }
    return pixels;
}

void BM_ScaleBitmapBackdrop(benchmark::State& state) {
    std::vector<uint32_t> pixels = Plasma(1920, 1200);
    win::HBITMAP source = win::CreateBitmap(1920, 1200, 1, 32, pixels.data());
    for (auto _ : state) {
        win::HBITMAP scaled = ScaleBitmap(source, 800, 600);
        if (scaled == nullptr) {
            state.SkipWithError("ScaleBitmap gave no bitmap");
            break;
        }
        win::DeleteObject(scaled);
    }
    win::DeleteObject(source);
}
BENCHMARK(BM_ScaleBitmapBackdrop)->Unit(benchmark::kMillisecond);

}  // namespace
