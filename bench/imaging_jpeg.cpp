// The JPEG codec on a 1920 x 1080 plasma picture, with libjpeg-turbo's
// library in the same run as the reference: baseline quality 75 4:2:0 encode
// (integer DCT), progressive optimised quality 100 encode, and the decode of
// the baseline file (integer DCT, no smoothing).
//
// Counters: MB/s through bytes processed (of the 24-bit picture); "bytes" the
// file size. BM_SpeedAgainstReference reports encode_vs_turbo,
// progressive_vs_turbo and decode_vs_turbo (our throughput over the reference's).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "imaging/frame/image_alloc.h"
#include "imaging/jpeg/jpeg.h"
#include "platform/system/clipboard.h"

// The reference's header defines TRUE and FALSE, which the platform's
// header names too: it comes last.
extern "C" {
#include <jpeglib.h>
}

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Picture {
    ImageDesc image;
    std::vector<uint8_t> rgb;  // top row first, for the reference
    Picture() {
        (void)AllocImageGlobal(&image, kWidth, kHeight, 24);
        rgb.resize(static_cast<std::size_t>(kWidth) * kHeight * 3);
        uint32_t noise = 12345;
        for (int y = 0; y < kHeight; ++y) {
            uint8_t* row = ImageRow(image, y);
            for (int x = 0; x < kWidth; ++x) {
                noise = noise * 1103515245u + 12345u;
                const int n = static_cast<int>((noise >> 16) & 7) - 4;
                const double u = x / 240.0;
                const double v = y / 135.0;
                const int r =
                    std::clamp(static_cast<int>(128 + 100 * std::sin(u + 0.7 * v)) + n, 0, 255);
                const int g = std::clamp(
                    static_cast<int>(128 + 100 * std::sin(1.3 * v - 0.4 * u + 2.0)) + n, 0, 255);
                const int b = std::clamp(
                    static_cast<int>(128 + 100 * std::cos(0.8 * u * v + 1.0)) + n, 0, 255);
                row[3 * x] = static_cast<uint8_t>(b);
                row[3 * x + 1] = static_cast<uint8_t>(g);
                row[3 * x + 2] = static_cast<uint8_t>(r);
                uint8_t* p = &rgb[(static_cast<std::size_t>(y) * kWidth + x) * 3];
                p[0] = static_cast<uint8_t>(r);
                p[1] = static_cast<uint8_t>(g);
                p[2] = static_cast<uint8_t>(b);
            }
        }
    }
};
Picture& Source() {
    static Picture p;
    return p;
}

Bytes Ours(int quality, uint32_t flags) {
    void* block = nullptr;
    if (SaveJpgToMemory(&block, &Source().image, quality, flags) != IMG_OK) return {};
    win::HGLOBAL h = win::GlobalHandle(block);
    const auto* p = static_cast<const uint8_t*>(block);
    Bytes out(p, p + win::GlobalSize(h));
    win::GlobalUnlock(h);
    win::GlobalFree(h);
    return out;
}

Bytes Reference(int quality, bool progressive) {
    jpeg_compress_struct c;
    jpeg_error_mgr e;
    c.err = jpeg_std_error(&e);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = kWidth;
    c.image_height = kHeight;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    c.dct_method = JDCT_ISLOW;
    jpeg_set_quality(&c, quality, TRUE);
    if (progressive) {
        c.optimize_coding = TRUE;
        jpeg_simple_progression(&c);
    }
    jpeg_start_compress(&c, TRUE);
    const std::vector<uint8_t>& rgb = Source().rgb;
    while (c.next_scanline < c.image_height) {
        JSAMPROW row =
            const_cast<uint8_t*>(&rgb[static_cast<std::size_t>(c.next_scanline) * kWidth * 3]);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes bytes(out, out + size);
    free(out);
    return bytes;
}

void ReferenceDecode(const Bytes& file, std::vector<uint8_t>* rgb) {
    jpeg_decompress_struct d;
    jpeg_error_mgr e;
    d.err = jpeg_std_error(&e);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, file.data(), file.size());
    jpeg_read_header(&d, TRUE);
    d.dct_method = JDCT_ISLOW;
    d.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&d);
    rgb->resize(static_cast<std::size_t>(d.output_width) * d.output_height * 3);
    while (d.output_scanline < d.output_height) {
        JSAMPROW row = &(*rgb)[static_cast<std::size_t>(d.output_scanline) * d.output_width * 3];
        jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
}

bool OurDecode(const Bytes& file, ImageDesc* target) {
    win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, file.size());
    void* block = win::GlobalLock(h);
    std::memcpy(block, file.data(), file.size());
    const bool ok = LoadJpgFromMemory(block, target) == IMG_OK;
    win::GlobalUnlock(h);
    win::GlobalFree(h);
    return ok;
}

constexpr int64_t kPictureBytes = int64_t{kWidth} * kHeight * 3;

void BM_EncodeBaseline(benchmark::State& state) {
    const bool reference = state.range(0) != 0;
    std::size_t size = 0;
    for (auto _ : state) size = (reference ? Reference(75, false) : Ours(75, 0)).size();
    state.SetBytesProcessed(state.iterations() * kPictureBytes);
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_EncodeBaseline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_EncodeProgressive(benchmark::State& state) {
    const bool reference = state.range(0) != 0;
    std::size_t size = 0;
    for (auto _ : state) size = (reference ? Reference(100, true) : Ours(100, 1)).size();
    state.SetBytesProcessed(state.iterations() * kPictureBytes);
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_EncodeProgressive)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Decode(benchmark::State& state) {
    const bool reference = state.range(0) != 0;
    const Bytes file = Reference(75, false);
    ImageDesc target;
    (void)AllocImageGlobal(&target, kWidth, kHeight, 24);
    std::vector<uint8_t> rgb;
    for (auto _ : state) {
        if (reference) {
            ReferenceDecode(file, &rgb);
        } else {
            benchmark::DoNotOptimize(OurDecode(file, &target));
        }
    }
    FreeImage(&target);
    state.SetBytesProcessed(state.iterations() * kPictureBytes);
}
BENCHMARK(BM_Decode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

template <typename F>
double Seconds(F f, int runs) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

void BM_SpeedAgainstReference(benchmark::State& state) {
    const Bytes file = Reference(75, false);
    ImageDesc target;
    (void)AllocImageGlobal(&target, kWidth, kHeight, 24);
    std::vector<uint8_t> rgb;
    double encode = 0, progressive = 0, decode = 0;
    for (auto _ : state) {
        encode =
            Seconds([] { (void)Reference(75, false); }, 3) / Seconds([] { (void)Ours(75, 0); }, 3);
        progressive =
            Seconds([] { (void)Reference(100, true); }, 2) / Seconds([] { (void)Ours(100, 1); }, 2);
        decode = Seconds([&] { ReferenceDecode(file, &rgb); }, 3) /
                 Seconds([&] { (void)OurDecode(file, &target); }, 3);
    }
    FreeImage(&target);
    state.counters["encode_vs_turbo"] = encode;
    state.counters["progressive_vs_turbo"] = progressive;
    state.counters["decode_vs_turbo"] = decode;
}
BENCHMARK(BM_SpeedAgainstReference)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
