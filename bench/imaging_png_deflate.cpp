// Deflate and inflate of the filtered rows that the PNG writer compresses, for
// two 1920 x 1080 pictures: a plasma photo and a graph-like drawing (filled
// rectangles, hatching and text drawn through the platform). The system zlib
// runs beside them as the reference: level 6, the writer's strategy.
//
// Counters: MB/s through bytes processed; "bytes" the compressed size;
// "size_vs_zlib" that size over zlib's. BM_SpeedAgainstZlib times both in
// turn and reports deflate_speed_vs_zlib and inflate_speed_vs_zlib (ours
// over zlib's throughput).
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "imaging/deflate/deflate.h"
#include "imaging/deflate/inflate.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/png/png.h"
#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void FillPlasma(ImageDesc& image) {
    uint32_t noise = 12345;
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* row = image.bits + static_cast<std::size_t>(y) * image.stride;
        for (int x = 0; x < kWidth; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = static_cast<int>((noise >> 16) & 7) - 4;
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

// Bars, hatched areas, grid lines and labels on white, drawn into a DIB section.
bool FillDrawing(ImageDesc& image) {
    win::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HBITMAP bitmap = win::CreateDIBSection(dc, &info, win::DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc == nullptr || bitmap == nullptr || bits == nullptr) return false;
    win::HGDIOBJ old = win::SelectObject(dc, bitmap);
    const win::RECT all{0, 0, kWidth, kHeight};
    win::HBRUSH white = win::CreateSolidBrush(win::RGB(255, 255, 255));
    win::FillRect(dc, &all, white);
    win::HFONT font = win::CreateFontA(-14, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    win::HGDIOBJ oldFont = win::SelectObject(dc, font);
    for (int i = 0; i <= 20; ++i) {
        win::MoveToEx(dc, 100, 60 + i * 48, nullptr);
        win::LineTo(dc, 1850, 60 + i * 48);
        char label[16];
        const int n = std::snprintf(label, sizeof label, "%d.%d", 20 - i, i % 10);
        win::TextOutA(dc, 40, 52 + i * 48, label, n);
    }
    for (int bar = 0; bar < 24; ++bar) {
        const int left = 130 + bar * 72;
        const int top = 1020 - ((bar * 397) % 900);
        const win::RECT r{left, top, left + 50, 1020};
        win::HBRUSH brush =
            bar % 3 == 0 ? win::CreateHatchBrush(bar % 6, win::RGB(200, 30 * (bar % 8), 40))
                         : win::CreateSolidBrush(win::RGB(40 * (bar % 6), 90, 255 - 9 * bar));
        win::FillRect(dc, &r, brush);
        win::DeleteObject(brush);
        char label[24];
        const int n = std::snprintf(label, sizeof label, "Well %c-%d", 'A' + bar % 7, bar);
        win::TextOutA(dc, left - 6, 1030, label, n);
    }
    win::TextOutA(dc, 700, 20, "Calcite saturation index against temperature", 44);
    const int stride = (kWidth * 3 + 3) & ~3;
    for (int y = 0; y < kHeight; ++y) {
        std::memcpy(image.bits + static_cast<std::size_t>(y) * image.stride,
                    static_cast<uint8_t*>(bits) + static_cast<std::size_t>(y) * stride,
                    static_cast<std::size_t>(kWidth) * 3);
    }
    win::SelectObject(dc, oldFont);
    win::SelectObject(dc, old);
    win::DeleteObject(font);
    win::DeleteObject(white);
    win::DeleteObject(bitmap);
    win::DeleteDC(dc);
    return true;
}

// The filter bytes and filtered rows of the picture saved with adaptive filtering.
Bytes FilteredRows(bool drawing) {
    ImageDesc image;
    if (AllocImageGlobal(&image, kWidth, kHeight, 24) != IMG_OK) return {};
    if (drawing) {
        if (!FillDrawing(image)) return {};
    } else {
        FillPlasma(image);
    }
    void* block = nullptr;
    Bytes rows;
    if (SavePngToMemory(&block, &image, 0) == IMG_OK) {
        const auto* file = static_cast<const uint8_t*>(block);
        const std::size_t size = win::GlobalSize(win::GlobalHandle(block));
        Bytes z;
        for (std::size_t at = 8; at + 12 <= size;) {
            const uint32_t n = uint32_t{file[at]} << 24 | uint32_t{file[at + 1]} << 16 |
                               uint32_t{file[at + 2]} << 8 | file[at + 3];
            if (std::memcmp(file + at + 4, "IDAT", 4) == 0)
                z.insert(z.end(), file + at + 8, file + at + 8 + n);
            at += 12 + n;
        }
        (void)InflateZlib(z.data(), z.size(), &rows, std::size_t{1} << 26);
        win::GlobalUnlock(win::GlobalHandle(block));
        win::GlobalFree(win::GlobalHandle(block));
    }
    FreeImage(&image);
    return rows;
}

const Bytes& Picture(int which) {
    static const Bytes photo = FilteredRows(false);
    static const Bytes drawing = FilteredRows(true);
    return which == 0 ? photo : drawing;
}

Bytes ZlibDeflate(const Bytes& in) {
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, 15, 8, Z_FILTERED);
    Bytes out(deflateBound(&z, in.size()));
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

Bytes ZlibInflate(const Bytes& in, std::size_t size) {
    Bytes out(size);
    uLongf n = size;
    if (uncompress(out.data(), &n, in.data(), in.size()) != Z_OK) out.clear();
    return out;
}

void Label(benchmark::State& state) {
    state.SetLabel(state.range(0) == 0 ? "photo" : "drawing");
}

void BM_DeflateOurs(benchmark::State& state) {
    const Bytes& in = Picture(static_cast<int>(state.range(0)));
    Bytes out;
    for (auto _ : state) {
        out = DeflateZlib(in.data(), in.size(), DeflateStrategy::kFiltered);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
    state.counters["bytes"] = static_cast<double>(out.size());
    state.counters["size_vs_zlib"] =
        static_cast<double>(out.size()) / static_cast<double>(ZlibDeflate(in).size());
    Label(state);
}
BENCHMARK(BM_DeflateOurs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DeflateZlib(benchmark::State& state) {
    const Bytes& in = Picture(static_cast<int>(state.range(0)));
    Bytes out;
    for (auto _ : state) {
        out = ZlibDeflate(in);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
    state.counters["bytes"] = static_cast<double>(out.size());
    Label(state);
}
BENCHMARK(BM_DeflateZlib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_InflateOurs(benchmark::State& state) {
    const Bytes& raw = Picture(static_cast<int>(state.range(0)));
    const Bytes z = ZlibDeflate(raw);
    Bytes out;
    for (auto _ : state) {
        if (InflateZlib(z.data(), z.size(), &out, raw.size()) != InflateResult::kEnd) {
            state.SkipWithError("inflate failed");
            return;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * raw.size()));
    Label(state);
}
BENCHMARK(BM_InflateOurs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_InflateZlib(benchmark::State& state) {
    const Bytes& raw = Picture(static_cast<int>(state.range(0)));
    const Bytes z = ZlibDeflate(raw);
    for (auto _ : state) benchmark::DoNotOptimize(ZlibInflate(z, raw.size()).data());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * raw.size()));
    Label(state);
}
BENCHMARK(BM_InflateZlib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Ours and zlib's, alternated in the same run so that both see the same machine.
void BM_SpeedAgainstZlib(benchmark::State& state) {
    const Bytes& raw = Picture(static_cast<int>(state.range(0)));
    const Bytes z = ZlibDeflate(raw);
    using Clock = std::chrono::steady_clock;
    double ours[2] = {0, 0};
    double theirs[2] = {0, 0};
    Bytes out;
    for (auto _ : state) {
        auto t0 = Clock::now();
        benchmark::DoNotOptimize(DeflateZlib(raw.data(), raw.size(), DeflateStrategy::kFiltered));
        auto t1 = Clock::now();
        benchmark::DoNotOptimize(ZlibDeflate(raw));
        auto t2 = Clock::now();
        (void)InflateZlib(z.data(), z.size(), &out, raw.size());
        auto t3 = Clock::now();
        benchmark::DoNotOptimize(ZlibInflate(z, raw.size()));
        auto t4 = Clock::now();
        ours[0] += std::chrono::duration<double>(t1 - t0).count();
        theirs[0] += std::chrono::duration<double>(t2 - t1).count();
        ours[1] += std::chrono::duration<double>(t3 - t2).count();
        theirs[1] += std::chrono::duration<double>(t4 - t3).count();
    }
    state.counters["deflate_speed_vs_zlib"] = theirs[0] / ours[0];
    state.counters["inflate_speed_vs_zlib"] = theirs[1] / ours[1];
    Label(state);
}
BENCHMARK(BM_SpeedAgainstZlib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace
