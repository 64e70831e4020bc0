// TIFF pages written and read: the IFD the writer lays out, strips and
// their limits, every coding read back, appending pages, the page queries,
// orientations, damaged and cut files and the mended faults.
#include "imaging/tiff/tiff.h"

#include "imaging/frame/image_alloc.h"
#include "imaging/jpeg/jpeg_records.h"
#include "imaging/tiff/tiff_records.h"
#include "platform/files/file_io.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

uint16_t Get16(const Bytes& f, std::size_t at) {
    return static_cast<uint16_t>(f[at] | f[at + 1] << 8);
}
uint32_t Get32(const Bytes& f, std::size_t at) {
    return Get16(f, at) | uint32_t{Get16(f, at + 2)} << 16;
}

struct Entry {
    uint16_t tag, type;
    uint32_t count, value;
};
// The entries of the IFD at `at` (Intel order).
std::vector<Entry> Entries(const Bytes& f, std::size_t at) {
    std::vector<Entry> out;
    const int n = Get16(f, at);
    for (int i = 0; i < n; ++i) {
        const std::size_t e = at + 2 + 12 * static_cast<std::size_t>(i);
        out.push_back({Get16(f, e), Get16(f, e + 2), Get32(f, e + 4), Get32(f, e + 8)});
    }
    return out;
}
const Entry* FindEntry(const std::vector<Entry>& entries, uint16_t tag) {
    for (const Entry& e : entries)
        if (e.tag == tag) return &e;
    return nullptr;
}

class TiffTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetTiffRecords();
        ResetJpegRecords();
    }
    void TearDown() override {
        ResetTiffRecords();
        ImagingTest::TearDown();
    }
    ImageDesc& Picture(int w, int h, int bits, bool grey = false) {
        ImageDesc& image = Image(w, h, bits);
        if (bits == 16) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < 2 * w; ++x)
                    RowOf(image, y)[x] = static_cast<uint8_t>(x * 7 + y * 13);
        } else {
            FillPattern(image);
        }
        if (bits <= 8) InitImagePalette(&image);
        image.flags = grey ? IMG_FLAG_GREY : 0;
        if (bits == 8 && !grey) {
            for (int i = 0; i < 256; ++i)
                image.palette[i] =
                    win::RGBQUAD{static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                                 static_cast<uint8_t>(i * 7), 0};
            image.colorCount = 256;
        }
        return image;
    }
    Bytes Saved(ImageDesc& image, uint32_t compression) {
        EXPECT_EQ(SaveTif("\\w.tif", &image, compression), IMG_OK);
        return ReadFile("w.tif");
    }
    // Loads page `index` of the bytes into an image of the file's depth.
    ImageDesc* Loaded(const Bytes& f, int32_t* status, int index = 0) {
        TiffInfo info;
        *status = GetTiffInfoMemoryIndex(Block(f), &info, index);
        if (*status != IMG_OK) return nullptr;
        ImageDesc& image =
            Image(info.width, info.height,
                  info.bitsPerPixel >= 4 && info.bitsPerPixel <= 6 ? 8 : info.bitsPerPixel);
        *status = LoadTifFromMemoryIndex(Block(f), &image, index);
        return &image;
    }
    static int Differences(const ImageDesc& a, const ImageDesc& b) {
        int n = 0;
        if (a.header->biBitCount == 16) {
            for (int y = 0; y < RectHeight(a); ++y)
                for (int x = 0; x < 2 * RectWidth(a); ++x)
                    if (RowOf(a, y)[x] != RowOf(b, y)[x]) ++n;
            return n;
        }
        for (int y = 0; y < RectHeight(a); ++y)
            for (int x = 0; x < RectWidth(a); ++x)
                if (Pixel(a, a.startX + x, a.startY + y) != Pixel(b, b.startX + x, b.startY + y))
                    ++n;
        return n;
    }
};

TEST_F(TiffTest, IfdOfAColourLzwPage) {
    ImageDesc& image = Picture(47, 33, 24);
    const Bytes f = Saved(image, 1);
    EXPECT_EQ(Bytes(f.begin(), f.begin() + 8), (Bytes{'I', 'I', 42, 0, 8, 0, 0, 0}));
    const std::vector<Entry> e = Entries(f, 8);
    std::vector<int> tags;
    for (const Entry& x : e) tags.push_back(x.tag);
    EXPECT_EQ(tags, (std::vector<int>{254, 255, 256, 257, 258, 259, 262, 269, 270, 273, 277, 278,
                                      279, 282, 283, 284, 296, 317}));
    // Out-of-line values from page start + 270: BitsPerSample, the two names, the resolutions.
    EXPECT_EQ(FindEntry(e, 258)->value, 8u + 270);
    EXPECT_EQ(Get16(f, 8 + 270), 8);
    EXPECT_EQ(FindEntry(e, 269)->value, 8u + 276);
    // The names keep their 16-byte slots; each count ends at the name's one NUL.
    EXPECT_EQ(FindEntry(e, 270)->value, 8u + 292);
    EXPECT_EQ(FindEntry(e, 269)->count, 7u);
    EXPECT_EQ(FindEntry(e, 270)->count, 13u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[8 + 276]), 7), std::string("Pardel", 7));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[8 + 292]), 13),
              std::string("Mosswick Sys", 13));
    EXPECT_EQ(FindEntry(e, 282)->value, 8u + 308);
    EXPECT_EQ(Get32(f, 8 + 308), 300u);
    EXPECT_EQ(FindEntry(e, 259)->value, 5u);
    EXPECT_EQ(FindEntry(e, 262)->value, 2u);
    EXPECT_EQ(FindEntry(e, 273)->value, 8u + 324 + 8 + 16);  // behind the reserve
    // The resolution applies once.
    SetTiffResolution(150, 120, 3);
    const std::vector<Entry> e2 = Entries(Saved(image, 1), 8);
    const Bytes f2 = ReadFile("w.tif");
    EXPECT_EQ(Get32(f2, FindEntry(e2, 282)->value), 150u);
    EXPECT_EQ(Get32(f2, FindEntry(e2, 283)->value), 120u);
    EXPECT_EQ(FindEntry(e2, 296)->value, 3u);
    const Bytes f3 = Saved(image, 1);
    EXPECT_EQ(Get32(f3, FindEntry(Entries(f3, 8), 282)->value), 300u);
}

TEST_F(TiffTest, StripsAndKinds) {
    // Exactly 16,384 raw bytes: one strip; one more row: two.
    ImageDesc& exact = Picture(128, 128, 8, true);
    EXPECT_EQ(FindEntry(Entries(Saved(exact, 0), 8), 273)->count, 1u);
    ImageDesc& more = Picture(128, 129, 8, true);
    const Bytes two = Saved(more, 0);
    EXPECT_EQ(FindEntry(Entries(two, 8), 273)->count, 2u);
    EXPECT_EQ(FindEntry(Entries(two, 8), 278)->value, 128u);
    EXPECT_EQ(FindEntry(Entries(Saved(more, 0x10), 8), 273)->count, 1u);
    // JPEG rows per strip: multiples of 16 (8 for grey).
    ImageDesc& wide = Picture(1000, 40, 24);
    EXPECT_EQ(FindEntry(Entries(Saved(wide, 7), 8), 278)->value, 16u);
    ImageDesc& wideGrey = Picture(3000, 40, 8, true);
    EXPECT_EQ(FindEntry(Entries(Saved(wideGrey, 7), 8), 278)->value, 8u);
    // Pairs the kind table lacks; selectors out of range.
    ImageDesc& colour = Picture(10, 10, 24);
    EXPECT_EQ(SaveTif("\\x.tif", &colour, 2), IMG_BAD_RLE);
    EXPECT_EQ(SaveTif("\\x.tif", &colour, 3), IMG_BAD_RLE);
    EXPECT_EQ(SaveTif("\\x.tif", &colour, 8), IMG_BAD_RLE);
    EXPECT_FALSE(Exists("x.tif"));
    // A palette page: 768 ColorMap values, photometric 3; without colours none and photometric 1.
    ImageDesc& palette = Picture(9, 9, 8);
    palette.colorCount = 5;
    const std::vector<Entry> pe = Entries(Saved(palette, 2), 8);
    EXPECT_EQ(FindEntry(pe, 320)->count, 768u);
    EXPECT_EQ(FindEntry(pe, 262)->value, 3u);
    palette.colorCount = 0;
    const std::vector<Entry> none = Entries(Saved(palette, 2), 8);
    EXPECT_EQ(FindEntry(none, 320), nullptr);
    EXPECT_EQ(FindEntry(none, 262)->value, 1u);
    // Selector 6 alone gives one strip and photometric 6 (1 for grey).
    EXPECT_EQ(FindEntry(Entries(Saved(wide, 6), 8), 262)->value, 6u);
    EXPECT_EQ(FindEntry(Entries(Saved(wide, 6), 8), 273)->count, 1u);
    EXPECT_EQ(FindEntry(Entries(Saved(wideGrey, 6), 8), 262)->value, 1u);
    // 1 bit: CCITT pages are WhiteIsZero; the fill option reverses the bits.
    ImageDesc& bits = Picture(40, 12, 1);
    const std::vector<Entry> mh = Entries(Saved(bits, 3), 8);
    EXPECT_EQ(FindEntry(mh, 262)->value, 0u);
    EXPECT_EQ(FindEntry(mh, 266)->value, 1u);
    EXPECT_EQ(FindEntry(Entries(Saved(bits, 0x23), 8), 266)->value, 2u);
}

TEST_F(TiffTest, EveryCodingReadsBack) {
    struct Case {
        int bits;
        bool grey;
        std::vector<uint32_t> codings;
    };
    for (const Case& c :
         {Case{24, false, {0, 1, 0x10, 0x11}}, Case{8, false, {0, 1, 2}}, Case{8, true, {0, 1, 2}},
          Case{1, false, {0, 1, 2, 3, 4, 5, 0x20, 0x23, 0x24, 0x25}}, Case{16, false, {0}}}) {
        ImageDesc& image = Picture(53, 41, c.bits, c.grey);
        for (uint32_t coding : c.codings) {
            int32_t status = 0;
            void* block = nullptr;
            ASSERT_EQ(SaveTifToMemory(&block, &image, coding), IMG_OK);
            const Bytes f = Adopt(block);
            ImageDesc* back = Loaded(f, &status);
            ASSERT_EQ(status, IMG_OK) << c.bits << " coding " << coding;
            EXPECT_EQ(Differences(image, *back), 0) << c.bits << " coding " << coding;
            if (c.bits == 8 && !c.grey) {
                EXPECT_EQ(back->palette[3].rgbGreen, 252);
            }
        }
    }
    // JPEG pages: close, not exact (a smooth picture).
    ImageDesc& colour = Image(40, 40, 24);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            SetPixel(colour, x, y,
                     static_cast<uint32_t>(x * 5) << 16 | static_cast<uint32_t>(y * 6) << 8 | 90);
    for (uint32_t coding : {6u, 7u}) {
        int32_t status = 0;
        ImageDesc* back = Loaded(Saved(colour, coding), &status);
        ASSERT_EQ(status, IMG_OK) << coding;
        int far = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const uint32_t p = Pixel(colour, x, y), q = Pixel(*back, x, y);
                for (int s = 0; s < 24; s += 8)
                    if (std::abs(static_cast<int>((p >> s) & 255) -
                                 static_cast<int>((q >> s) & 255)) > 12)
                        ++far;
            }
        }
        EXPECT_EQ(far, 0) << coding;
    }
}

TEST_F(TiffTest, AppendingPages) {
    ImageDesc& image = Picture(20, 10, 8, true);
    ASSERT_EQ(SaveTifPage("\\m.tif", &image, 1, 0), IMG_OK);
    ASSERT_EQ(SaveTifPage("\\m.tif", &image, 2, 1), IMG_OK);
    ASSERT_EQ(SaveTifPage("\\m.tif", &image, 0, 2), IMG_OK);
    int32_t count = 0;
    int32_t numbers[4] = {};
    ASSERT_EQ(GetTiffPageCount("\\m.tif", &count, numbers, 4), IMG_OK);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(numbers[0], 0);
    EXPECT_EQ(numbers[2], 2);
    // Every page's total is 3.
    const Bytes f = ReadFile("m.tif");
    uint32_t at = Get32(f, 4);
    for (int page = 0; page < 3; ++page) {
        const std::vector<Entry> e = Entries(f, at);
        EXPECT_EQ(FindEntry(e, 297)->value, static_cast<uint32_t>(page) | 3u << 16);
        at = Get32(f, at + 2 + 12 * e.size());
    }
    EXPECT_EQ(at, 0u);
    ImageDesc& back = Image(20, 10, 8);
    EXPECT_EQ(LoadTifPageIndex("\\m.tif", &back, 2), IMG_OK);
    EXPECT_EQ(Differences(image, back), 0);
    EXPECT_EQ(LoadTifPageIndex("\\m.tif", &back, 5), IMG_NO_SUCH_PAGE);
    EXPECT_EQ(LoadTifPage("\\m.tif", &back, 1), IMG_OK);
    // A failed append leaves the file's bytes as they were.
    win::FailNextFileWrites(1, 1);
    EXPECT_EQ(SaveTifPage("\\m.tif", &image, 1, 3), IMG_IO_ERROR);
    win::FailNextFileWrites(0);
    const Bytes after = ReadFile("m.tif");
    EXPECT_EQ(Bytes(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(f.size())), f);
    // Not TIFF; Motorola order; a cyclic chain.
    WriteFile("n.tif", Bytes(64, 'x'));
    EXPECT_EQ(SaveTifPage("\\n.tif", &image, 1, 1), IMG_BAD_TIFF);
    Bytes mm = {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0};
    WriteFile("b.tif", mm);
    EXPECT_EQ(SaveTifPage("\\b.tif", &image, 1, 1), IMG_TIFF_BIG_ENDIAN);
    Bytes cyclic = f;
    const uint32_t first = Get32(f, 4);
    const std::size_t next = first + 2 + 12 * static_cast<std::size_t>(Get16(f, first));
    cyclic[next] = static_cast<uint8_t>(first);
    cyclic[next + 1] = static_cast<uint8_t>(first >> 8);
    cyclic[next + 2] = cyclic[next + 3] = 0;
    WriteFile("c.tif", cyclic);
    EXPECT_EQ(SaveTifPage("\\c.tif", &image, 1, 3), IMG_BAD_TIFF);
    EXPECT_EQ(GetTiffPageCount("\\c.tif", &count, nullptr, 0), IMG_BAD_TIFF);
}

TEST_F(TiffTest, ReaderFieldsAndMends) {
    ImageDesc& image = Picture(30, 30, 24);
    const Bytes f = Saved(image, 0);
    const uint32_t ifd = 8;
    const std::vector<Entry> e = Entries(f, ifd);
    const auto entryAt = [&](uint16_t tag) {
        for (std::size_t i = 0; i < e.size(); ++i)
            if (e[i].tag == tag) return ifd + 2 + 12 * i;
        return std::size_t{0};
    };
    int32_t status = 0;
    // Without RowsPerStrip: one strip.
    Bytes b = f;
    b[entryAt(278)] = 0xFF;  // an unknown tag now
    b[entryAt(278) + 1] = 0x7F;
    ImageDesc* back = Loaded(b, &status);
    ASSERT_EQ(status, IMG_OK);
    EXPECT_EQ(Differences(image, *back), 0);
    // More than 512 entries in the first IFD.
    b = f;
    b[ifd] = 0x01;
    b[ifd + 1] = 0x02;
    EXPECT_EQ(LoadTifFromMemory(Block(b), &Image(30, 30, 24)), IMG_BAD_TIFF);
    // Fewer strip offsets than strips.
    ImageDesc& tall = Picture(200, 100, 24);
    Bytes t = Saved(tall, 0);
    const std::vector<Entry> te = Entries(t, 8);
    for (std::size_t i = 0; i < te.size(); ++i) {
        if (te[i].tag == 273) t[8 + 2 + 12 * i + 4] = 1;
    }
    EXPECT_EQ(LoadTifFromMemory(Block(t), &Image(200, 100, 24)), IMG_BAD_TIFF);
    // A damaged LZW strip keeps the rows before it.
    Bytes lzw = Saved(tall, 1);
    const std::vector<Entry> le = Entries(lzw, 8);
    const uint32_t offsets = FindEntry(le, 273)->value;
    const uint32_t secondStrip = Get32(lzw, offsets + 4);
    for (std::size_t i = secondStrip + 20; i < secondStrip + 60; ++i) lzw[i] = 0xFF;
    ImageDesc& partial = Image(200, 100, 24);
    EXPECT_EQ(LoadTifFromMemory(Block(lzw), &partial), IMG_CODED_DATA_ERROR);
    const uint32_t rows = FindEntry(le, 278)->value;
    int wrong = 0;
    for (int y = 0; y < static_cast<int>(rows); ++y)
        for (int x = 0; x < 200; ++x)
            if (Pixel(partial, x, y) != Pixel(tall, x, y)) ++wrong;
    EXPECT_EQ(wrong, 0);
    // A CCITT page of any of the three codings wider than 65535 pixels is refused
    // before a row of it is decoded (each row can cost a single bit of the strip).
    ImageDesc& fax = Picture(30, 9, 1);
    for (uint32_t coding : {3u, 4u, 5u}) {
        Bytes wide = Saved(fax, coding);
        const std::vector<Entry> we = Entries(wide, ifd);
        for (std::size_t i = 0; i < we.size(); ++i) {
            if (we[i].tag != 256) continue;
            const std::size_t at = ifd + 2 + 12 * i;
            wide[at + 2] = 4;  // LONG
            wide[at + 3] = 0;
            for (int k = 0; k < 4; ++k) wide[at + 8 + k] = static_cast<uint8_t>(70000 >> (8 * k));
        }
        EXPECT_EQ(LoadTifFromMemory(Block(wide), &Image(30, 9, 1)), IMG_TOO_LARGE) << coding;
    }
    // Page 5 of a one-page file; a destination of the wrong depth.
    EXPECT_EQ(LoadTifFromMemoryIndex(Block(f), &Image(30, 30, 24), 5), IMG_NO_SUCH_PAGE);
    EXPECT_EQ(LoadTifFromMemory(Block(f), &Image(30, 30, 8)), IMG_BAD_BIT_DEPTH);
    // Every cut of a small file returns a status.
    ImageDesc& small = Picture(12, 7, 8);
    for (uint32_t coding : {0u, 1u, 2u}) {
        const Bytes s = Saved(small, coding);
        for (std::size_t n = 0; n < s.size(); n += 7) {
            Bytes cut(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
            cut.resize(std::max<std::size_t>(cut.size(), 1));
            ImageDesc& target = Image(12, 7, 8);
            const int32_t r = LoadTifFromMemory(Block(cut), &target);
            EXPECT_LE(r, 0);
        }
    }
}

TEST_F(TiffTest, OrientationsOnSquarePages) {
    ImageDesc& image = Picture(9, 9, 24);
    const Bytes f = Saved(image, 0);
    const std::vector<Entry> e = Entries(f, 8);
    // Orientation added in place of DocumentName (269 -> 274, a SHORT value).
    std::size_t at = 0;
    for (std::size_t i = 0; i < e.size(); ++i)
        if (e[i].tag == 269) at = 8 + 2 + 12 * i;
    for (uint32_t o = 1; o <= 8; ++o) {
        Bytes b = f;
        b[at] = 18;  // 274
        b[at + 1] = 1;
        b[at + 2] = 3;
        b[at + 3] = 0;
        b[at + 4] = 1;
        b[at + 5] = b[at + 6] = b[at + 7] = 0;
        b[at + 8] = static_cast<uint8_t>(o);
        b[at + 9] = 0;
        int32_t status = 0;
        ImageDesc* back = Loaded(b, &status);
        ASSERT_EQ(status, IMG_OK) << o;
        int wrong = 0;
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 9; ++x) {
                // Where the stored pixel (x, y) is shown.
                int sx = x, sy = y;
                switch (o) {
                    case 2:
                        sx = 8 - x;
                        break;
                    case 3:
                        sx = 8 - x;
                        sy = 8 - y;
                        break;
                    case 4:
                        sy = 8 - y;
                        break;
                    case 5:
                        sx = y;
                        sy = x;
                        break;
                    case 6:
                        sx = y;
                        sy = 8 - x;
                        break;
                    case 7:
                        sx = 8 - y;
                        sy = 8 - x;
                        break;
                    case 8:
                        sx = 8 - y;
                        sy = x;
                        break;
                    default:
                        break;
                }
                if (Pixel(*back, x, y) != Pixel(image, sx, sy)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << "orientation " << o;
    }
}

}  // namespace
}  // namespace imagingtest
