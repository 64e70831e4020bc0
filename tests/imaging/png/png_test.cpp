// PNG and its codecs: checksums, deflate and inflate round trips and hostile
// streams, writer layout, and writer/reader round trips.
#include "imaging/png/png.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "imaging/deflate/checksums.h"
#include "imaging/deflate/deflate.h"
#include "imaging/deflate/inflate.h"
#include "imaging/png/png_records.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

TEST(DeflateTest, ChecksumsAndRoundTrips) {
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xCBF43926u);
    EXPECT_EQ(UpdateAdler32(1, reinterpret_cast<const uint8_t*>("Wikipedia"), 9), 0x11E60398u);
    std::mt19937 g(5);
    std::vector<Bytes> inputs = {Bytes{}, Bytes{42}, Bytes(1 << 20, 0), Bytes(70000)};
    for (auto& b : inputs.back()) b = static_cast<uint8_t>(g());
    Bytes text;
    for (int i = 0; i < 200000; ++i) text.push_back(static_cast<uint8_t>("abcabd xyz"[g() % 10]));
    inputs.push_back(text);
    for (const Bytes& in : inputs) {
        for (auto strategy : {DeflateStrategy::kDefault, DeflateStrategy::kFiltered}) {
            const Bytes z = DeflateZlib(in.data(), in.size(), strategy);
            ASSERT_GE(z.size(), 6u);
            EXPECT_EQ(z[0], 0x78);
            EXPECT_EQ(z[1], 0x9C);
            Bytes out;
            EXPECT_EQ(InflateZlib(z.data(), z.size(), &out, in.size()), InflateResult::kEnd);
            EXPECT_EQ(out, in);
        }
    }
}

TEST(InflateTest, HostileStreams) {
    Bytes out;
    // Bad header, bad Adler-32, block type 3, distance before the start.
    EXPECT_EQ(InflateZlib(Bytes{0x78, 0x9D, 3, 0}.data(), 4, &out, 100), InflateResult::kDataError);
    Bytes good = DeflateZlib(reinterpret_cast<const uint8_t*>("hello hello"), 11);
    Bytes bad = good;
    bad.back() ^= 1;
    EXPECT_EQ(InflateZlib(bad.data(), bad.size(), &out, 100), InflateResult::kDataError);
    EXPECT_EQ(InflateZlib(Bytes{0x78, 0x9C, 0x07}.data(), 3, &out, 100), InflateResult::kDataError);
    // Fixed block: a match of length 3 at distance 1 before any output.
    EXPECT_EQ(InflateZlib(Bytes{0x78, 0x9C, 0x03, 0x02, 0x00}.data(), 5, &out, 100),
              InflateResult::kDataError);
    // Output beyond the cap, and every truncation.
    EXPECT_EQ(InflateZlib(good.data(), good.size(), &out, 5), InflateResult::kDataError);
    for (std::size_t n = 0; n < good.size(); ++n) {
        EXPECT_NE(InflateZlib(good.data(), n, &out, 100), InflateResult::kEnd) << n;
    }
}

class PngTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetPngRecords();
    }
};

TEST_F(PngTest, RoundTripsEveryDepthAndOption) {
    for (int bits : {1, 8, 24}) {
        for (uint32_t option : {0u, 1u, 2u, 4u, 6u, 8u, 10u, 12u}) {
            for (int w : {1, 3, 9, 40}) {
                ImageDesc& image = Image(w, 7, bits);
                std::mt19937 g(static_cast<unsigned>(bits * 100 + option + w));
                for (uint32_t i = 0; i < image.stride * 7; ++i)
                    image.bits[i] = static_cast<uint8_t>(g() % 5);
                if (bits == 8) image.flags |= IMG_FLAG_GREY;
                ASSERT_EQ(SavePng("\\a.png", &image, option), IMG_OK);
                PngInfo info;
                ASSERT_EQ(GetPngInfo("\\a.png", &info), IMG_OK);
                EXPECT_EQ(info.width, static_cast<uint32_t>(w));
                EXPECT_EQ(info.imageDepth, static_cast<uint32_t>(bits));
                EXPECT_EQ(info.interlaced, option & 1);
                ImageDesc& back = Image(w, 7, bits);
                ASSERT_EQ(LoadPng("\\a.png", &back), IMG_OK) << GetPngErrorDetail();
                for (int y = 0; y < 7; ++y) {
                    const int bytes = bits == 1 ? 0 : w * bits / 8;
                    for (int x = 0; x < bytes; ++x) {
                        ASSERT_EQ(ImageRow(back, y)[x], ImageRow(image, y)[x])
                            << bits << " " << option;
                    }
                    for (int x = 0; bits == 1 && x < w; ++x) {
                        ASSERT_EQ((ImageRow(back, y)[x / 8] >> (7 - x % 8)) & 1,
                                  (ImageRow(image, y)[x / 8] >> (7 - x % 8)) & 1);
                    }
                }
                void* block = nullptr;
                ASSERT_EQ(SavePngToMemory(&block, &image, option), IMG_OK);
                EXPECT_EQ(Adopt(block), ReadFile("a.png"));
            }
        }
    }
}

TEST_F(PngTest, TailTruncationsAndFailures) {
    ImageDesc& image = Image(30, 20, 24);
    for (uint32_t i = 0; i < image.stride * 20; ++i) image.bits[i] = static_cast<uint8_t>(i * 7);
    ASSERT_EQ(SavePng("\\a.png", &image, 1), IMG_OK);
    const Bytes file = ReadFile("a.png");
    const Bytes tail(file.end() - 8, file.end());
    EXPECT_EQ(tail, (Bytes{'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
    // The IEND CRC is never read, so cuts inside it still load.
    for (std::size_t n = 0; n + 4 < file.size(); n += 3) {
        ImageDesc& back = Image(30, 20, 24);
        EXPECT_NE(
            LoadPngFromMemory(
                Block(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n))), &back),
            IMG_OK)
            << n;
    }
    EXPECT_EQ(SavePng("\\no\\such\\a.png", &image, 0), IMG_CANNOT_CREATE);
}

TEST_F(PngTest, OutsideFilesOfEveryFormatLoad) {
    // python-made files of all 15 colour type and depth pairs, plain and
    // Adam7, with ancillary and private chunks (tools/make_png_seeds.py).
    int files = 0;
    const std::string folder = std::string(TARVEX_SOURCE_DIR) + "/fuzz/corpus/png";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const void* block = Block(bytes);
        PngInfo info;
        ASSERT_EQ(GetPngInfoFromMemory(block, &info), IMG_OK) << entry.path();
        EXPECT_EQ(info.gamma, 45455u);
        EXPECT_EQ(info.xPerUnit, 2835u);
        ImageDesc& image =
            Image(static_cast<int32_t>(info.width), static_cast<int32_t>(info.height),
                  static_cast<int32_t>(info.imageDepth));
        EXPECT_EQ(LoadPngFromMemory(block, &image), IMG_OK)
            << entry.path() << " " << GetPngErrorDetail();
        ++files;
    }
    EXPECT_EQ(files, 30);
}

}  // namespace
}  // namespace imagingtest
