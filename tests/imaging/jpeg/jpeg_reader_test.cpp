// The JPEG reader: pictures of each writer mode read back, colour choices,
// damaged and cut files, restarts, thumbnails of every kind, the reduced
// picture and abbreviated streams with a separate table set.
#include <fstream>
#include <sstream>

#include "imaging/jpeg/jpeg.h"
#include "imaging/jpeg/jpeg_internal.h"
#include "imaging/jpeg/jpeg_records.h"
#include "platform/system/clipboard.h"
#include "tests/imaging/imaging_fixture.h"
#include "tests/imaging/jpeg/jpeg_bytes.h"

namespace imagingtest {
namespace {

using jpegtest::Find;
using jpegtest::Inserted;
using jpegtest::MakeSegment;
using jpegtest::Segments;

Bytes SourceFile(const std::string& name) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/tests/imaging/jpeg/files/" + name,
                     std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    return Bytes(text.begin(), text.end());
}

// A binary PPM's pixels as 0xRRGGBB, row by row.
std::vector<uint32_t> PpmPixels(const Bytes& f, int* w, int* h) {
    std::string header(f.begin(), f.begin() + std::min<std::size_t>(f.size(), 64));
    std::istringstream in(header);
    std::string magic;
    int max = 0;
    in >> magic >> *w >> *h >> max;
    std::size_t at = static_cast<std::size_t>(in.tellg()) + 1;
    std::vector<uint32_t> out;
    for (int i = 0; i < *w * *h; ++i, at += 3)
        out.push_back(uint32_t{f[at]} << 16 | uint32_t{f[at + 1]} << 8 | f[at + 2]);
    return out;
}

class JpegReaderTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetJpegRecords();
    }
    void TearDown() override {
        ResetJpegRecords();
        ImagingTest::TearDown();
    }
    // A smooth picture: JPEG keeps it closely.
    ImageDesc& Smooth(int w, int h, int bits) {
        ImageDesc& image = Image(w, h, bits);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint32_t r = static_cast<uint32_t>(40 + 3 * x % 180);
                const uint32_t g = static_cast<uint32_t>(200 - 2 * y % 150);
                const uint32_t b = static_cast<uint32_t>(90 + (x + y) % 100);
                SetPixel(image, x, y, bits == 24 ? r << 16 | g << 8 | b : (r + g) / 2);
            }
        }
        if (bits == 8) {
            InitImagePalette(&image);
            image.flags = IMG_FLAG_GREY;
        }
        return image;
    }
    Bytes Encoded(ImageDesc& image, int quality, uint32_t flags) {
        void* block = nullptr;
        EXPECT_EQ(SaveJpgToMemory(&block, &image, quality, flags), IMG_OK);
        return Adopt(block);
    }
    // Loads into a new image of the file's size (8 bits for one component).
    int32_t Load(const Bytes& f, ImageDesc** out, int mode = -1) {
        JpegInfo info;
        int32_t status = GetJpegInfoMemory(Block(f), &info);
        if (status != IMG_OK) return status;
        if (info.width <= 0 || info.height <= 0) return IMG_BAD_ARGUMENT;
        *out = &Image(info.width, info.height, info.bitsPerPixel == 8 ? 8 : 24);
        return mode < 0 ? LoadJpgFromMemory(Block(f), *out)
                        : LoadJpgFromMemoryEx(Block(f), *out, mode);
    }
    // Largest channel difference over the common area.
    static int MaxDifference(const ImageDesc& a, const ImageDesc& b) {
        int worst = 0;
        for (int y = 0; y < std::min(a.header->biHeight, b.header->biHeight); ++y) {
            for (int x = 0; x < std::min(a.header->biWidth, b.header->biWidth); ++x) {
                const uint32_t p = Pixel(a, x, y);
                const uint32_t q = Pixel(b, x, y);
                for (int s = 0; s < 24; s += 8)
                    worst = std::max(worst, std::abs(static_cast<int>((p >> s) & 255) -
                                                     static_cast<int>((q >> s) & 255)));
            }
        }
        return worst;
    }
    int32_t Status(const Bytes& f) {
        ImageDesc* image = nullptr;
        return Load(f, &image);
    }
};

TEST_F(JpegReaderTest, EachWriterModeReadsBack) {
    for (int bits : {24, 8}) {
        ImageDesc& source = Smooth(37, 21, bits);
        ImageDesc* decoded[3] = {nullptr, nullptr, nullptr};
        for (uint32_t flags : {0u, 1u, 2u}) {
            ASSERT_EQ(Load(Encoded(source, 100, flags), &decoded[flags]), IMG_OK);
            EXPECT_LE(MaxDifference(source, *decoded[flags]), bits == 8 ? 2 : 12) << flags;
        }
        // Progressive and optimised sequential carry the same coefficients.
        EXPECT_EQ(MaxDifference(*decoded[1], *decoded[2]), 0);
        if (bits == 8) {
            EXPECT_EQ(decoded[0]->palette[200].rgbGreen, 200);  // the grey ramp
        }
    }
    // 1 x 1: one MCU of the single pixel.
    ImageDesc& one = Image(1, 1, 24);
    SetPixel(one, 0, 0, 0x3080C0);
    ImageDesc* back = nullptr;
    ASSERT_EQ(Load(Encoded(one, 100, 1), &back), IMG_OK);
    EXPECT_LE(MaxDifference(one, *back), 3);
}

TEST_F(JpegReaderTest, InformationAndTargets) {
    ImageDesc& source = Smooth(37, 21, 24);
    SetJpegDensity(300, 150, 1);
    const Bytes f = Encoded(source, 80, 1);
    JpegInfoEx info;
    ASSERT_EQ(GetJpegInfoExMemory(Block(f), &info), IMG_OK);
    EXPECT_EQ(info.process, 2);
    EXPECT_EQ(info.width, 37);
    EXPECT_EQ(info.height, 21);
    EXPECT_EQ(info.components, 3);
    EXPECT_EQ(info.precision, 8);
    EXPECT_EQ(info.sampling[0], 0x22);
    EXPECT_EQ(info.sampling[1], 0x11);
    EXPECT_EQ(info.bitsPerPixel, 24);
    EXPECT_EQ(info.xDensity, 300);
    EXPECT_EQ(info.yDensity, 150);
    EXPECT_EQ(info.units, 1);
    EXPECT_EQ(info.thumbnailPresent, 0);
    // Leading bytes before the SOI are skipped; a first marker other than SOI is refused.
    EXPECT_EQ(Status(Inserted(f, 0, Bytes(40, 0x37))), IMG_OK);
    Bytes noSoi = f;
    noSoi[1] = 0xD9;
    EXPECT_EQ(Status(noSoi), IMG_JPEG_ERROR);
    // Depth must match the components; a smaller target gets the top-left part.
    EXPECT_EQ(LoadJpgFromMemory(Block(f), &Image(37, 21, 8)), IMG_BAD_BIT_DEPTH);
    ImageDesc& small = Image(10, 6, 24);
    ASSERT_EQ(LoadJpgFromMemory(Block(f), &small), IMG_OK);
    ImageDesc* whole = nullptr;
    ASSERT_EQ(Load(f, &whole), IMG_OK);
    EXPECT_EQ(MaxDifference(small, *whole), 0);
    // A memory source shorter than 100 bytes.
    EXPECT_EQ(LoadJpgFromMemory(Block(Bytes(f.begin(), f.begin() + 90)), &small), IMG_BAD_SOURCE);
    EXPECT_EQ(LoadJpg("\\missing.jpg", &small), IMG_NOT_THIS_FORMAT);
}

TEST_F(JpegReaderTest, ColourChoices) {
    ImageDesc& source = Smooth(24, 16, 24);
    const Bytes f = Encoded(source, 90, 0);
    const std::size_t afterApp0 = 20;
    // An Adobe segment with transform 0 makes the three components RGB (mode 1).
    const Bytes adobe = MakeSegment(0xEE, {'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, 0});
    ImageDesc* plain = nullptr;
    ImageDesc* asRgb = nullptr;
    ImageDesc* forced = nullptr;
    ASSERT_EQ(Load(f, &plain), IMG_OK);
    ASSERT_EQ(Load(Inserted(f, afterApp0, adobe), &asRgb), IMG_OK);
    ASSERT_EQ(Load(f, &forced, 1), IMG_OK);
    EXPECT_EQ(MaxDifference(*asRgb, *forced), 0);
    EXPECT_GT(MaxDifference(*asRgb, *plain), 20);
    // Mode 2 is the file's own choice.
    ImageDesc* own = nullptr;
    ASSERT_EQ(Load(Inserted(f, afterApp0, adobe), &own, 2), IMG_OK);
    EXPECT_EQ(MaxDifference(*own, *asRgb), 0);
    // A mode that needs more components than the file has.
    EXPECT_EQ(LoadJpgFromMemoryEx(Block(f), &Image(24, 16, 24), 4), IMG_JPEG_ERROR);
    // Four components: ImageMagick's file carries Adobe transform 2, so it is YCCK (mode 3).
    const Bytes cmyk = SourceFile("cmyk.jpg");
    ImageDesc* own4 = nullptr;
    ImageDesc* modes[6] = {};
    ASSERT_EQ(Load(cmyk, &own4), IMG_OK);
    for (int mode : {3, 4, 5}) ASSERT_EQ(Load(cmyk, &modes[mode], mode), IMG_OK);
    EXPECT_EQ(MaxDifference(*own4, *modes[3]), 0);
    EXPECT_GT(MaxDifference(*own4, *modes[4]), 0);
    EXPECT_GT(MaxDifference(*modes[4], *modes[5]), 0);
    // A one-component file refuses the colour modes.
    const Bytes grey = Encoded(Smooth(8, 8, 8), 75, 0);
    EXPECT_EQ(LoadJpgFromMemoryEx(Block(grey), &Image(8, 8, 8), 1), IMG_JPEG_ERROR);
}

TEST_F(JpegReaderTest, RangeLimit) {
    EXPECT_EQ(RangeLimit(0), 128);
    EXPECT_EQ(RangeLimit(127), 255);
    EXPECT_EQ(RangeLimit(-128), 0);
    EXPECT_EQ(RangeLimit(-129), 0);
    EXPECT_EQ(RangeLimit(-1), 127);
    EXPECT_EQ(RangeLimit(400), 255);
}

// Chroma just below the middle (Cb = Cr = 127) moves red and blue down: the
// rounded offsets are floored, so -1.402 + 0.5 gives -1, not 0. A flat
// picture at quality 100 carries its samples through the file unchanged.
TEST_F(JpegReaderTest, ChromaBelowTheMiddleRoundsDown) {
    ImageDesc& flat = Image(16, 16, 24);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) SetPixel(flat, x, y, 0x626462);  // 98, 100, 98
    const Bytes f = Encoded(flat, 100, 0);
    ImageDesc* raw = nullptr;
    ASSERT_EQ(Load(f, &raw, 1), IMG_OK);      // the components as stored
    EXPECT_EQ(Pixel(*raw, 5, 5), 0x637F7Fu);  // Y 99, Cb 127, Cr 127
    ImageDesc* rgb = nullptr;
    ASSERT_EQ(Load(f, &rgb), IMG_OK);
    EXPECT_EQ(Pixel(*rgb, 5, 5), 0x626461u);  // 99 - 1, 99 + 1, 99 - 2
}

// Each damage the reader refuses, with its detail.
TEST_F(JpegReaderTest, DamagedSegments) {
    ImageDesc& source = Smooth(16, 16, 24);
    const Bytes f = Encoded(source, 75, 0);
    const auto segments = Segments(f);
    const std::size_t dqt = Find(segments, 0xDB)->at;
    const std::size_t sof = Find(segments, 0xC0)->at;
    const std::size_t dht = Find(segments, 0xC4)->at;
    const std::size_t sos = Find(segments, 0xDA)->at;
    const auto expect = [&](Bytes damaged, int32_t status, int32_t detail, const char* what) {
        EXPECT_EQ(Status(damaged), status) << what;
        if (detail != 0) {
            EXPECT_EQ(GetJpegErrorDetail(), detail | 0x10000000) << what;
        }
    };
    Bytes b = f;
    b[dqt + 4 + 65] = 0x04;  // second table's index 4
    expect(b, IMG_JPEG_ERROR, -106, "DQT index");
    b = f;
    b[dht + 4] = 0x04;
    expect(b, IMG_JPEG_ERROR, -105, "DHT index");
    b = f;
    b[dht + 4] = 0x20;
    expect(b, IMG_JPEG_ERROR, -105, "DHT class");
    b = f;
    b[dht + 5] = 3;  // three codes of one bit
    expect(b, IMG_JPEG_ERROR, -105, "over-subscribed");
    b = f;
    for (int l = 9; l <= 16; ++l) b[dht + 4 + static_cast<std::size_t>(l)] = 40;
    expect(b, IMG_JPEG_ERROR, -105, "over 256 symbols");
    b = f;
    b[4] = 0;
    b[5] = 1;  // APP0 length 1
    expect(b, IMG_JPEG_ERROR, 0, "length below 2");
    b = f;
    b[sof + 9] = 4;  // four components in a segment that holds three
    expect(b, IMG_JPEG_ERROR, -106, "SOF past its segment");
    b = f;
    b[sof + 11] = 0x41;  // 4 x 1 beside 3 x 1
    b[sof + 14] = 0x31;
    expect(b, IMG_JPEG_ERROR, -106, "sampling ratio");
    b = f;
    b[sof + 5] = 0;
    b[sof + 6] = 0;  // height 0
    expect(b, IMG_BAD_ARGUMENT, 0, "height 0");
    b = f;
    b[sof + 7] = 0;
    b[sof + 8] = 0;  // width 0
    expect(b, IMG_BAD_ARGUMENT, 0, "width 0");
    b = f;
    b[sof + 1] = 0xC3;  // lossless
    expect(b, IMG_JPEG_ERROR, -110, "lossless");
    b = f;
    b[sof + 4] = 12;
    expect(b, IMG_JPEG_ERROR, -100, "precision");
    b = f;
    b[sos + 5] = 9;  // a selector no frame component has
    expect(b, IMG_JPEG_ERROR, -113, "scan selector");
    b = f;
    b[sos + 6] = 0x22;  // tables never defined
    expect(b, IMG_JPEG_ERROR, -105, "undefined table");
    b = f;
    b[sof + 1] = 0xC2;  // progressive with an AC scan of three components
    b[sos + 10] = 1;
    expect(b, IMG_JPEG_ERROR, -113, "AC scan of three components");
    b = f;
    for (int i = 0; i < 12; ++i)
        b[dht + 4 + 17 + static_cast<std::size_t>(i)] = 12;  // DC category 12
    expect(b, IMG_CODED_DATA_ERROR, -105, "DC category");
    // A JFXX thumbnail longer than its segment.
    b = Inserted(f, 20, MakeSegment(0xE0, {'J', 'F', 'X', 'X', 0, 0x13, 10, 10, 1, 2, 3}));
    expect(b, IMG_JPEG_ERROR, -106, "JFXX size");
    // EOI before any scan.
    b = Bytes(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(sof));
    b.insert(b.end(), 120, 0);
    b.insert(b.end(), {0xFF, 0xD9});
    expect(b, IMG_JPEG_ERROR, 0, "no scan");
}

TEST_F(JpegReaderTest, CutFiles) {
    ImageDesc& source = Smooth(64, 48, 24);
    // A progressive file cut after its first scan: a coarse picture, status 0, detail -101.
    const Bytes p = Encoded(source, 90, 1);
    const auto segments = Segments(p);
    const std::size_t second = Find(segments, 0xC4, 2)->at;  // the second scan's table
    ImageDesc* coarse = nullptr;
    ASSERT_EQ(Load(Bytes(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(second)), &coarse),
              IMG_OK);
    EXPECT_EQ(GetJpegErrorDetail(), -101 | 0x10000000);
    EXPECT_LE(MaxDifference(source, *coarse), 160);
    ImageDesc* full = nullptr;
    ASSERT_EQ(Load(p, &full), IMG_OK);
    EXPECT_GT(MaxDifference(*full, *coarse), 0);
    // A sequential file cut inside its scan.
    const Bytes s = Encoded(source, 90, 0);
    EXPECT_EQ(Status(Bytes(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(s.size() * 3 / 4))),
              IMG_CODED_DATA_ERROR);
    // Every cut of a small file returns a status.
    ASSERT_EQ(SetJpegThumbnailSize(4), IMG_OK);
    ImageDesc& tiny = Smooth(20, 12, 24);
    for (uint32_t flags : {0u, 1u}) {
        const Bytes t = Encoded(tiny, 80, flags | JPEG_FLAG_THUMBNAIL);
        ImageDesc& target = Image(20, 12, 24);
        for (std::size_t n = 100; n < t.size(); ++n) {
            const Bytes cut(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(n));
            const int32_t status = LoadJpgFromMemory(Block(cut), &target);
            EXPECT_TRUE(status == IMG_OK || status == IMG_JPEG_ERROR ||
                        status == IMG_CODED_DATA_ERROR)
                << n;
            if (n % 16 == 0) (void)LoadJpgThumbnailMemory(Block(cut), &target, 0);
        }
    }
}

TEST_F(JpegReaderTest, RestartIntervals) {
    for (const char* name : {"restart1", "restart7"}) {
        const Bytes f = SourceFile(std::string(name) + ".jpg");
        int w = 0, h = 0;
        const std::vector<uint32_t> expected =
            PpmPixels(SourceFile(std::string(name) + ".ppm"), &w, &h);
        // Garbage in front of the third restart marker is skipped by the resynchronisation.
        std::size_t third = 0;
        int seen = 0;
        for (std::size_t i = Find(Segments(f), 0xDA)->at; i + 1 < f.size(); ++i) {
            if (f[i] == 0xFF && f[i + 1] >= 0xD0 && f[i + 1] <= 0xD7 && ++seen == 3) {
                third = i;
                break;
            }
        }
        ASSERT_GT(third, 0u);
        for (const Bytes& file : {f, Inserted(f, third, {0x12, 0x34, 0x56, 0x00})}) {
            ImageDesc* image = nullptr;
            ASSERT_EQ(Load(file, &image), IMG_OK) << name;
            int wrong = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (Pixel(*image, x, y) != expected[static_cast<std::size_t>(y * w + x)])
                        ++wrong;
            EXPECT_EQ(wrong, 0) << name;
        }
    }
}

TEST_F(JpegReaderTest, ThumbnailsOfEachKind) {
    ImageDesc& colour = Smooth(640, 480, 24);
    // Kind 19 (JFXX 0x13): the thumbnail's own pixels at its own size.
    const Bytes jfxx = Encoded(colour, 75, JPEG_FLAG_THUMBNAIL);
    JpegInfoEx info;
    ASSERT_EQ(GetJpegInfoExMemory(Block(jfxx), &info), IMG_OK);
    EXPECT_EQ(info.thumbnailPresent, 1);
    EXPECT_EQ(info.thumbnail, 64u | 48u << 8 | 24u << 16 | 19u << 24);
    ImageDesc& t19 = Image(64, 48, 24);
    ASSERT_EQ(LoadJpgThumbnailMemory(Block(jfxx), &t19, 0), IMG_OK);
    const std::size_t at = Find(Segments(jfxx), 0xE0, 1)->at + 12;
    EXPECT_EQ(Pixel(t19, 0, 0),
              uint32_t{jfxx[at]} << 16 | uint32_t{jfxx[at + 1]} << 8 | jfxx[at + 2]);
    EXPECT_LE(MaxDifference(t19, Smooth(64, 48, 24)), 255);
    // Kind 17 (JFXX 0x11): a grey picture's palette thumbnail.
    ImageDesc& grey = Smooth(100, 50, 8);
    const Bytes g = Encoded(grey, 75, JPEG_FLAG_THUMBNAIL);
    ASSERT_EQ(GetJpegInfoExMemory(Block(g), &info), IMG_OK);
    EXPECT_EQ(info.thumbnail, 64u | 32u << 8 | 8u << 16 | 17u << 24);
    ImageDesc& t17 = Image(64, 32, 8);
    ASSERT_EQ(LoadJpgThumbnailMemory(Block(g), &t17, 0), IMG_OK);
    const std::size_t gat = Find(Segments(g), 0xE0, 1)->at + 12 + 768;
    EXPECT_EQ(Pixel(t17, 3, 0), g[gat + 3]);
    // Kind 19 from the JFIF segment itself: 2 x 1 pixels, fitted to the picture's
    // aspect inside a rectangle larger than the picture.
    ImageDesc& small = Smooth(16, 16, 24);
    Bytes j = Encoded(small, 75, 0);
    j[5] = 16 + 6;
    j[18] = 2;
    j[19] = 1;
    j = Inserted(j, 20, {255, 0, 0, 0, 0, 255});
    ImageDesc& t = Image(20, 10, 24);
    FillPattern(t);
    const uint32_t untouched = Pixel(t, 19, 9);
    ASSERT_EQ(LoadJpgThumbnailMemory(Block(j), &t, 0), IMG_OK);
    EXPECT_EQ(Pixel(t, 0, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(t, 15, 7), 0x0000FFu);
    EXPECT_EQ(Pixel(t, 19, 9), untouched);
    // Kind 16 (JFXX 0x10): a JPEG stream of its own.
    Bytes inner = Encoded(small, 90, 0);
    Bytes body = {'J', 'F', 'X', 'X', 0, 0x10};
    body.insert(body.end(), inner.begin(), inner.end());
    const Bytes k16 = Inserted(Encoded(colour, 75, 0), 20, MakeSegment(0xE0, body));
    ASSERT_EQ(GetJpegInfoExMemory(Block(k16), &info), IMG_OK);
    EXPECT_EQ(info.thumbnail >> 24, 16u);
    ImageDesc& t16 = Image(16, 16, 24);
    ASSERT_EQ(LoadJpgThumbnailMemory(Block(k16), &t16, 0), IMG_OK);
    ImageDesc* innerPicture = nullptr;
    ASSERT_EQ(Load(inner, &innerPicture), IMG_OK);
    EXPECT_EQ(MaxDifference(t16, *innerPicture), 0);
    // Kind 21: an Exif JPEG thumbnail, and the Exif resolution.
    const Bytes exif = SourceFile("exif_jpeg.jpg");
    ASSERT_EQ(GetJpegInfoExMemory(Block(exif), &info), IMG_OK);
    EXPECT_EQ(info.thumbnail >> 24, 21u);
    EXPECT_EQ(info.xDensity, 300);
    EXPECT_EQ(info.yDensity, 150);
    EXPECT_EQ(info.units, 1);
    ImageDesc& t21 = Image(8, 6, 24);
    EXPECT_EQ(LoadJpgThumbnail(nullptr, nullptr, Block(exif), &t21, 0), IMG_OK);
    // Kind 20 (an uncompressed Exif strip); mode 1 takes the reduced picture.
    const Bytes strip = SourceFile("exif_strip.jpg");
    ASSERT_EQ(GetJpegInfoExMemory(Block(strip), &info), IMG_OK);
    EXPECT_EQ(info.thumbnail, 4u | 3u << 8 | 24u << 16 | 20u << 24);
    // The strip (bytes 0, 1, 2, ... as RGB) comes through the TIFF reader.
    ImageDesc& t20 = Image(8, 6, 24);
    EXPECT_EQ(LoadJpgThumbnail(nullptr, nullptr, Block(strip), &t20, 0), IMG_OK);
    EXPECT_EQ(Pixel(t20, 0, 0), 0x000102u);
    EXPECT_EQ(Pixel(t20, 7, 5), 0x212223u);
    EXPECT_EQ(LoadJpgThumbnail(nullptr, nullptr, Block(jfxx), &t21, 1), IMG_PRINT_ABORTED);
    EXPECT_EQ(LoadJpgThumbnailMemory(Block(strip), &t21, 0), IMG_OK);
}

TEST_F(JpegReaderTest, ReducedPictureKeepsItsAspect) {
    ImageDesc& source = Smooth(64, 32, 24);
    const Bytes f = Encoded(source, 95, 0);
    ImageDesc* full = nullptr;
    ASSERT_EQ(Load(f, &full), IMG_OK);
    ImageDesc& target = Image(20, 20, 24);
    FillPattern(target);
    const uint32_t below = Pixel(target, 5, 15);
    ASSERT_EQ(LoadJpgThumbnailMemory(Block(f), &target, 0), IMG_OK);
    // 20 x 10 written, each pixel the decoded one at the proportional place.
    EXPECT_EQ(Pixel(target, 5, 15), below);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(Pixel(target, x, y), Pixel(*full, x * 64 / 20, y * 32 / 10));
    // A rectangle that rounds to nothing.
    ImageDesc& thin = Image(1, 1, 24);
    ImageDesc& wide = Smooth(300, 2, 24);
    EXPECT_EQ(LoadJpgThumbnailMemory(Block(Encoded(wide, 75, 0)), &thin, 0), IMG_BAD_ARGUMENT);
}

TEST_F(JpegReaderTest, AbbreviatedStreamWithTheSecondTableSet) {
    ImageDesc& source = Smooth(40, 24, 24);
    const Bytes whole = Encoded(source, 85, 0);
    SetJpegTableCapture(1);
    const Bytes abbreviated = Encoded(source, 85, 0);
    SetJpegTableCapture(0);
    const JpegCapturedTables& captured = GetJpegCapturedTables();
    Bytes tables = {0xFF, 0xD8};
    tables.insert(tables.end(), captured.dqt, captured.dqt + captured.dqtSize);
    tables.insert(tables.end(), captured.dht, captured.dht + captured.dhtSize);
    tables.insert(tables.end(), {0xFF, 0xD9});
    ImageDesc* expected = nullptr;
    ASSERT_EQ(Load(whole, &expected), IMG_OK);
    // Without the tables the stream cannot be read; with them it reads as the whole file.
    EXPECT_EQ(Status(abbreviated), IMG_JPEG_ERROR);
    ASSERT_EQ(SetJpegTables(tables.data(), static_cast<uint32_t>(tables.size())), IMG_OK);
    ImageDesc* decoded = nullptr;
    ASSERT_EQ(Load(abbreviated, &decoded), IMG_OK);
    EXPECT_EQ(MaxDifference(*decoded, *expected), 0);
    ClearJpegTables();
    // A damaged table segment is refused and leaves no set.
    tables[6] = 0x07;
    EXPECT_EQ(SetJpegTables(tables.data(), static_cast<uint32_t>(tables.size())), IMG_JPEG_ERROR);
    EXPECT_EQ(Status(abbreviated), IMG_JPEG_ERROR);
}

}  // namespace
}  // namespace imagingtest

namespace imagingtest {
namespace {

class JpegTiffModesTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetJpegRecords();
    }
    Bytes Encoded(ImageDesc& image) {
        void* block = nullptr;
        EXPECT_EQ(SaveJpgToMemory(&block, &image, 90, 0), IMG_OK);
        return Adopt(block);
    }
};

TEST_F(JpegTiffModesTest, OldStyleMarkersAndStripRows) {
    ImageDesc& source = Image(32, 32, 24);
    FillPattern(source);
    const Bytes f = Encoded(source);
    // A two-byte marker without a length: refused normally, skipped in the old-style mode.
    const Bytes odd = jpegtest::Inserted(f, 20, {0xFF, 0x05});
    ImageDesc& a = Image(32, 32, 24);
    EXPECT_EQ(LoadJpgFromMemory(Block(odd), &a), IMG_JPEG_ERROR);
    SetJpegOldStyleMarkers(1);
    EXPECT_EQ(LoadJpgFromMemory(Block(odd), &a), IMG_OK);
    // The setting lasts one load.
    EXPECT_EQ(LoadJpgFromMemory(Block(odd), &a), IMG_JPEG_ERROR);

    // Two independently coded strips of one MCU row each, one after the other
    // in one scan: with one MCU row per strip they read as the two pictures.
    ImageDesc top = source;
    top.endY = 15;
    ImageDesc bottom = source;
    bottom.startY = 16;
    const Bytes t = Encoded(top);
    const Bytes b = Encoded(bottom);
    const auto scanOf = [](const Bytes& x) {
        const auto sos = jpegtest::Find(jpegtest::Segments(x), 0xDA);
        return Bytes(x.begin() + static_cast<std::ptrdiff_t>(sos->at + 2 + sos->length),
                     x.end() - 2);
    };
    Bytes joined(t.begin(), t.end() - 2);
    const Bytes second = scanOf(b);
    joined.insert(joined.end(), second.begin(), second.end());
    joined.insert(joined.end(), {0xFF, 0xD9});
    const auto sof = jpegtest::Find(jpegtest::Segments(joined), 0xC0);
    joined[sof->at + 5] = 0;
    joined[sof->at + 6] = 32;
    ImageDesc& expectTop = Image(32, 16, 24);
    ImageDesc& expectBottom = Image(32, 16, 24);
    ASSERT_EQ(LoadJpgFromMemory(Block(t), &expectTop), IMG_OK);
    ASSERT_EQ(LoadJpgFromMemory(Block(b), &expectBottom), IMG_OK);
    ImageDesc& both = Image(32, 32, 24);
    SetJpegStripRows(1);
    ASSERT_EQ(LoadJpgFromMemory(Block(joined), &both), IMG_OK);
    int wrong = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (Pixel(both, x, y) != Pixel(y < 16 ? expectTop : expectBottom, x, y % 16)) ++wrong;
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace imagingtest
