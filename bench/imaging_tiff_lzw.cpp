// The TIFF LZW strip codec on 1920 x 1080 24-bit rows, in strips of 16,384
// bytes as the TIFF writer cuts them: a plasma photo and a graph-like drawing
// (flat areas, bars and grid lines). Counters: MB/s of raw bytes; "ratio" the
// coded size over the raw size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "imaging/tiff/tiff_codecs.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::size_t kStrip = 16384 / (3 * kWidth) * (3 * kWidth);

const Bytes& Picture(bool photo) {
    static const std::array<Bytes, 2> pictures = [] {
        Bytes p, d;
        uint32_t noise = 12345;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                noise = noise * 1103515245u + 12345u;
                const int n = static_cast<int>((noise >> 16) & 7) - 4;
                const double u = x / 240.0, v = y / 135.0;
                p.push_back(static_cast<uint8_t>(
                    std::clamp(static_cast<int>(128 + 100 * std::sin(u + 0.7 * v)) + n, 0, 255)));
                p.push_back(static_cast<uint8_t>(std::clamp(
                    static_cast<int>(128 + 100 * std::sin(1.3 * v - 0.4 * u + 2)) + n, 0, 255)));
                p.push_back(static_cast<uint8_t>(std::clamp(
                    static_cast<int>(128 + 100 * std::cos(0.8 * u * v + 1)) + n, 0, 255)));
                uint8_t r = 255, g = 255, b = 255;
                if (x % 160 == 0 || y % 90 == 0) r = g = b = 128;
                const int bar = x / 120;
                if (x % 120 > 20 && x % 120 < 100 && y > kHeight - 100 - (bar * 53) % 800) {
                    r = static_cast<uint8_t>(bar * 40);
                    g = static_cast<uint8_t>(200 - bar * 10);
                    b = 60;
                }
                d.insert(d.end(), {r, g, b});
            }
        }
        return std::array<Bytes, 2>{d, p};
    }();
    return pictures[photo ? 1 : 0];
}

std::vector<Bytes> Encode(const Bytes& raw) {
    std::vector<Bytes> strips;
    for (std::size_t at = 0; at < raw.size(); at += kStrip) {
        strips.emplace_back();
        LzwEncodeStrip(raw.data() + at, std::min(kStrip, raw.size() - at), &strips.back());
    }
    return strips;
}

void BM_LzwEncode(benchmark::State& state) {
    const Bytes& raw = Picture(state.range(0) != 0);
    std::size_t coded = 0;
    for (auto _ : state) {
        coded = 0;
        for (const Bytes& s : Encode(raw)) coded += s.size();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(raw.size()));
    state.counters["ratio"] = static_cast<double>(coded) / static_cast<double>(raw.size());
}
BENCHMARK(BM_LzwEncode)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_LzwDecode(benchmark::State& state) {
    const Bytes& raw = Picture(state.range(0) != 0);
    const std::vector<Bytes> strips = Encode(raw);
    Bytes out(raw.size());
    for (auto _ : state) {
        std::size_t at = 0;
        for (const Bytes& s : strips) {
            std::size_t produced = 0;
            const std::size_t want = std::min(kStrip, raw.size() - at);
            (void)LzwDecodeStrip(s.data(), s.size(), out.data() + at, want, &produced);
            at += want;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(raw.size()));
}
BENCHMARK(BM_LzwDecode)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
