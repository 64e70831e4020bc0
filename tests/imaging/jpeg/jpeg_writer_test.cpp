// The JPEG writer's files taken apart: quantisation tables per quality, the
// marker order of each mode, the JFIF and JFXX segments, the density setting,
// the table capture, the forward DCT, the optimal Huffman tables and write
// failures.
#include <cmath>
#include <random>

#include "imaging/jpeg/jpeg.h"
#include "imaging/jpeg/jpeg_internal.h"
#include "imaging/jpeg/jpeg_records.h"
#include "platform/files/file_io.h"
#include "platform/system/clipboard.h"
#include "tests/imaging/imaging_fixture.h"
#include "tests/imaging/jpeg/jpeg_bytes.h"

namespace imagingtest {
namespace {

using jpegtest::Find;
using jpegtest::Markers;
using jpegtest::Segments;

class JpegWriterTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetJpegRecords();
    }
    void TearDown() override {
        ResetJpegRecords();
        ImagingTest::TearDown();
    }
    ImageDesc& Picture(int w, int h, int bits, bool grey = false) {
        ImageDesc& image = Image(w, h, bits);
        FillPattern(image);
        if (grey) {
            InitImagePalette(&image);
            image.flags = IMG_FLAG_GREY;
        }
        return image;
    }
    Bytes Saved(ImageDesc& image, int quality, uint32_t flags) {
        EXPECT_EQ(SaveJpg("\\w.jpg", &image, quality, flags), IMG_OK);
        return ReadFile("w.jpg");
    }
    // The DQT tables of a file: precision and entries in zig-zag order.
    static std::vector<std::pair<int, std::vector<int>>> Tables(const Bytes& f) {
        std::vector<std::pair<int, std::vector<int>>> out;
        const auto s = Find(Segments(f), 0xDB);
        if (!s) return out;
        std::size_t at = s->at + 4;
        while (at < s->at + 2 + s->length) {
            const int precision = f[at] >> 4;
            ++at;
            std::vector<int> v;
            for (int k = 0; k < 64; ++k) {
                v.push_back(precision != 0 ? f[at] << 8 | f[at + 1] : f[at]);
                at += precision != 0 ? 2 : 1;
            }
            out.emplace_back(precision, v);
        }
        return out;
    }
};

TEST_F(JpegWriterTest, QualityToQuantisationTables) {
    ImageDesc& image = Picture(16, 16, 24);
    // 100: every entry 1; above 100 acts as 100, below 1 as 1.
    const Bytes q100 = Saved(image, 100, 0);
    for (const auto& t : Tables(q100)) {
        EXPECT_EQ(t.first, 0);
        for (int v : t.second) EXPECT_EQ(v, 1);
    }
    EXPECT_EQ(Saved(image, 250, 0), q100);
    const Bytes q1 = Saved(image, 1, 0);
    EXPECT_EQ(Saved(image, 0, 0), q1);
    EXPECT_EQ(Saved(image, -40, 0), q1);
    // 1: fifty times each base, capped at 4095, 16-bit entries, SOF1 (SOF2 when progressive).
    const auto tables = Tables(q1);
    ASSERT_EQ(tables.size(), 2u);
    int capped = 0;
    for (int k = 0; k < 64; ++k) {
        const int base = kJpegLumaQuant[kJpegZigZag[k]];
        EXPECT_EQ(tables[0].second[static_cast<std::size_t>(k)], std::min(50 * base, 4095));
        if (base >= 82) ++capped;
    }
    EXPECT_GT(capped, 0);
    EXPECT_EQ(tables[0].first, 1);
    EXPECT_EQ(tables[1].first, 1);
    EXPECT_EQ(Find(Segments(q1), 0xDB)->length, 2u + 2 * 129);
    EXPECT_NE(Find(Segments(q1), 0xC1), std::nullopt);
    EXPECT_NE(Find(Segments(Saved(image, 1, 1)), 0xC2), std::nullopt);
    // 75 gives the scaled bases (the familiar first entries 8, 6, 6).
    const auto t75 = Tables(Saved(image, 75, 0));
    EXPECT_EQ(t75[0].second[0], 8);
    EXPECT_EQ(t75[0].second[1], 6);
    EXPECT_EQ(t75[1].second[0], 9);
    EXPECT_NE(Find(Segments(Saved(image, 75, 0)), 0xC0), std::nullopt);
}

TEST_F(JpegWriterTest, MarkerOrderAndJfifSegment) {
    ImageDesc& image = Picture(40, 24, 24);
    const Bytes base = Saved(image, 75, 0);
    EXPECT_EQ(Markers(base), (std::vector<int>{0xD8, 0xE0, 0xDB, 0xC0, 0xC4, 0xDA, 0xD9}));
    const Bytes app0 = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46,
                        0x00, 0x01, 0x02, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00};
    EXPECT_EQ(Bytes(base.begin(), base.begin() + 20), app0);
    // One DHT of four tables, one DQT of two.
    EXPECT_EQ(Find(Segments(base), 0xC4)->length, 2u + 4 * 17 + 12 + 162 + 12 + 162);
    std::vector<int> progressive = {0xD8, 0xE0, 0xDB, 0xC2};
    const std::vector<int> perScan = {2, 1, 1, 1, 1, 1, 0, 1, 1, 1};  // DHT segments
    for (int dhts : perScan) {
        for (int i = 0; i < dhts; ++i) progressive.push_back(0xC4);
        progressive.push_back(0xDA);
    }
    progressive.push_back(0xD9);
    EXPECT_EQ(Markers(Saved(image, 100, 1)), progressive);
    // Optimised sequential: four DHT segments before the single scan.
    EXPECT_EQ(Markers(Saved(image, 90, 2)),
              (std::vector<int>{0xD8, 0xE0, 0xDB, 0xC0, 0xC4, 0xC4, 0xC4, 0xC4, 0xDA, 0xD9}));
    // Grey: one component, one table, six progressive scans.
    ImageDesc& grey = Picture(17, 9, 8, true);
    const Bytes g = Saved(grey, 100, 1);
    const auto segments = Segments(g);
    EXPECT_EQ(Find(segments, 0xDB)->length, 67u);
    EXPECT_EQ(g[Find(segments, 0xC2)->at + 9], 1);  // components
    const std::vector<int> markers = Markers(g);
    EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xDA), 6);
    EXPECT_EQ(Find(Segments(Saved(grey, 75, 0)), 0xC4)->length, 2u + 2 * 17 + 12 + 162);
}

TEST_F(JpegWriterTest, DensityAppliesToTheNextSaveOnly) {
    ImageDesc& image = Picture(8, 8, 24);
    SetJpegDensity(300, 200, 1);
    const Bytes first = Saved(image, 75, 0);
    EXPECT_EQ(Bytes(first.begin() + 13, first.begin() + 18), (Bytes{1, 0x01, 0x2C, 0x00, 0xC8}));
    const Bytes second = Saved(image, 75, 0);
    EXPECT_EQ(Bytes(second.begin() + 13, second.begin() + 18), (Bytes{0, 0, 1, 0, 1}));
    // Out-of-range values leave their field as it was.
    SetJpegDensity(65536, 72, 3);
    const Bytes third = Saved(image, 75, 0);
    EXPECT_EQ(Bytes(third.begin() + 13, third.begin() + 18), (Bytes{0, 0, 1, 0, 72}));
}

TEST_F(JpegWriterTest, JfxxThumbnails) {
    ImageDesc& image = Picture(640, 480, 24);
    const Bytes f = Saved(image, 75, JPEG_FLAG_THUMBNAIL);
    const auto segments = Segments(f);
    const auto jfxx = Find(segments, 0xE0, 1);
    ASSERT_NE(jfxx, std::nullopt);
    EXPECT_EQ(jfxx->length, 9226u);
    EXPECT_EQ(f[jfxx->at + 9], 0x13);
    EXPECT_EQ(f[jfxx->at + 10], 64);
    EXPECT_EQ(f[jfxx->at + 11], 48);
    // Portrait, a grey picture (palette and indices), a smaller size.
    ASSERT_EQ(SetJpegThumbnailSize(20), IMG_OK);
    ImageDesc& grey = Picture(30, 60, 8, true);
    const Bytes g = Saved(grey, 75, JPEG_FLAG_THUMBNAIL | JPEG_MODE_PROGRESSIVE);
    const auto t = Find(Segments(g), 0xE0, 1);
    ASSERT_NE(t, std::nullopt);
    EXPECT_EQ(g[t->at + 9], 0x11);
    EXPECT_EQ(g[t->at + 10], 10);
    EXPECT_EQ(g[t->at + 11], 20);
    EXPECT_EQ(t->length, 2u + 8 + 768 + 200);
    EXPECT_EQ(g[t->at + 12 + 3 * 255], 255);  // the grey ramp's last entry
    // Sizes out of range; a side that comes out 0; a segment of 65536 bytes or more.
    EXPECT_EQ(SetJpegThumbnailSize(0), IMG_OUT_OF_RANGE);
    EXPECT_EQ(SetJpegThumbnailSize(256), IMG_OUT_OF_RANGE);
    ImageDesc& strip = Picture(100, 1, 24);
    EXPECT_EQ(SaveJpg("\\s.jpg", &strip, 75, JPEG_FLAG_THUMBNAIL), IMG_JPEG_THUMB_TOO_LARGE);
    EXPECT_FALSE(Exists("s.jpg"));
    ASSERT_EQ(SetJpegThumbnailSize(255), IMG_OK);
    EXPECT_EQ(SaveJpg("\\s.jpg", &image, 75, JPEG_FLAG_THUMBNAIL), IMG_JPEG_THUMB_TOO_LARGE);
}

TEST_F(JpegWriterTest, TableCaptureLeavesTheTablesOut) {
    ImageDesc& colour = Picture(16, 16, 24);
    ImageDesc& grey = Picture(16, 16, 8, true);
    SetJpegTableCapture(1);
    void* block = nullptr;
    ASSERT_EQ(SaveJpgToMemoryQuality(&block, &grey, 75), IMG_OK);
    Bytes g = Adopt(block);
    EXPECT_EQ(GetJpegCapturedTables().dqtSize, 69u);
    EXPECT_EQ(GetJpegCapturedTables().dhtSize, 212u);
    ASSERT_EQ(SaveJpgToMemoryQuality(&block, &colour, 75), IMG_OK);
    Bytes c = Adopt(block);
    EXPECT_EQ(GetJpegCapturedTables().dqtSize, 134u);
    EXPECT_EQ(GetJpegCapturedTables().dhtSize, 420u);
    EXPECT_EQ(Markers(c), (std::vector<int>{0xD8, 0xE0, 0xC0, 0xDA, 0xD9}));
    SetJpegTableCapture(0);
    ASSERT_EQ(SaveJpgToMemoryQuality(&block, &colour, 75), IMG_OK);
    const Bytes whole = Adopt(block);
    EXPECT_EQ(whole.size(), c.size() + 134 + 420);
}

TEST_F(JpegWriterTest, ForwardDctIsEightTimesTheTrueTransform) {
    std::mt19937 random(5);
    for (int trial = 0; trial < 200; ++trial) {
        uint8_t samples[64];
        const int spread = trial % 4 == 0 ? 256 : 40;
        const int centre = static_cast<int>(random() % 256);
        for (uint8_t& s : samples)
            s = static_cast<uint8_t>(
                std::clamp(centre + static_cast<int>(random() % spread) - spread / 2, 0, 255));
        int32_t out[64];
        ForwardDct(samples, 8, out);
        for (int v = 0; v < 8; ++v) {
            for (int u = 0; u < 8; ++u) {
                double sum = 0;
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 8; ++x)
                        sum += (samples[y * 8 + x] - 128.0) *
                               std::cos((2 * x + 1) * u * M_PI / 16) *
                               std::cos((2 * y + 1) * v * M_PI / 16);
                const double cu = u == 0 ? M_SQRT1_2 : 1;
                const double cv = v == 0 ? M_SQRT1_2 : 1;
                const double expected = 8 * 0.25 * cu * cv * sum;
                EXPECT_LE(std::abs(out[v * 8 + u] - std::lround(expected)), 1) << u << "," << v;
            }
        }
    }
}

TEST_F(JpegWriterTest, OptimalHuffmanTablesStayWithinSixteenBits) {
    // Fibonacci counts force a deep tree; a single symbol and an empty count too.
    for (int kind = 0; kind < 3; ++kind) {
        uint32_t frequency[257] = {};
        if (kind == 0) {
            uint32_t a = 1, b = 1;
            for (int s = 0; s < 40; ++s) {
                frequency[s] = a;
                const uint32_t n = a + b;
                a = b;
                b = n;
            }
        } else if (kind == 1) {
            frequency[7] = 1000;
        } else {
            for (int s = 0; s < 256; ++s) frequency[s] = 1 + static_cast<uint32_t>(s % 7);
        }
        JpegHuffmanTable t;
        BuildOptimalTable(frequency, &t);
        ASSERT_TRUE(CheckHuffmanLengths(t.bits));
        // The code space is never full: the all-ones code stays unused.
        double kraft = 0;
        int count = 0;
        for (int l = 1; l <= 16; ++l) {
            kraft += t.bits[l] / std::pow(2.0, l);
            count += t.bits[l];
        }
        EXPECT_LT(kraft, 1.0);
        EXPECT_EQ(count, t.count);
        EXPECT_EQ(count, kind == 0 ? 40 : kind == 1 ? 1 : 256);
        // Within a length, symbols ascend (where no length was folded).
        if (kind == 0) continue;
        int at = 0;
        for (int l = 1; l <= 16; ++l) {
            for (int i = 1; i < t.bits[l]; ++i) EXPECT_LT(t.values[at + i - 1], t.values[at + i]);
            at += t.bits[l];
        }
    }
}

TEST_F(JpegWriterTest, FailuresAndRefusals) {
    ImageDesc& image = Picture(640, 480, 24);
    // A 4-bit or 32-bit image, a rectangle past 32767.
    ImageDesc& deep = Image(8, 8, 32);
    EXPECT_EQ(SaveJpg("\\n.jpg", &deep, 75, 0), IMG_BAD_BIT_DEPTH);
    EXPECT_FALSE(Exists("n.jpg"));
    // A header write fails: -3, no detail; the file is gone.
    win::FailNextFileWrites(1);
    EXPECT_EQ(SaveJpg("\\w.jpg", &image, 100, 0), IMG_IO_ERROR);
    EXPECT_EQ(GetJpegErrorDetail(), 0);
    EXPECT_FALSE(Exists("w.jpg"));
    // A write of the scan's buffer fails: detail -115 with bit 28; an old file stays.
    WriteFile("w.jpg", Bytes{1, 2, 3});
    win::FailNextFileWrites(1, 3);
    EXPECT_EQ(SaveJpg("\\w.jpg", &image, 100, 0), IMG_IO_ERROR);
    EXPECT_EQ(GetJpegErrorDetail(), -115 | 0x10000000);
    EXPECT_EQ(ReadFile("w.jpg"), (Bytes{1, 2, 3}));
    win::FailNextFileWrites(1, 6);
    EXPECT_EQ(SaveJpg("\\w.jpg", &image, 100, JPEG_MODE_PROGRESSIVE), IMG_IO_ERROR);
    EXPECT_EQ(ReadFile("w.jpg"), (Bytes{1, 2, 3}));
    // Memory that cannot be had: -14.
    void* block = nullptr;
    win::FailNextGlobalAllocs(1);
    EXPECT_EQ(SaveJpgToMemory(&block, &image, 75, 0), IMG_NO_MEMORY);
    EXPECT_EQ(block, nullptr);
    win::FailNextGlobalAllocs(0);
    ASSERT_EQ(SaveJpgToMemory(&block, &image, 75, 0), IMG_OK);
    const Bytes memory = Adopt(block);
    EXPECT_EQ(memory, Saved(image, 75, 0));
}

}  // namespace
}  // namespace imagingtest
