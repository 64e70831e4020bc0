// The TIFF strip codecs: LZW code widths, clearing and damaged streams,
// PackBits runs and literals, and CCITT rows of every kind round trip.
#include "imaging/tiff/tiff_codecs.h"

#include <random>

#include "imaging/frame/image_desc.h"
#include "imaging/tiff/tiff.h"
#include "imaging/tiff/tiff_ccitt.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

// Codes of a stream read back with TIFF's widths (for checking the packing).
std::vector<int> Codes(const Bytes& s) {
    std::vector<int> out;
    std::size_t bit = 0;
    int width = 9, count = 258, limit = 512;
    while (bit + static_cast<std::size_t>(width) <= 8 * s.size()) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit)
            code = code << 1 | ((s[bit / 8] >> (7 - bit % 8)) & 1);
        out.push_back(code);
        if (code == 257) break;
        if (code == 256) {
            width = 9;
            count = 258;
            limit = 512;
        } else if (++count == limit && width < 12) {
            ++width;
            limit *= 2;
        }
    }
    return out;
}

int CodeWidthAt(const Bytes& s, std::size_t index) {
    // The width of code `index` as the packer chose it.
    int width = 9, count = 258, limit = 512;
    const std::vector<int> codes = Codes(s);
    for (std::size_t i = 0; i < index; ++i) {
        if (codes[i] == 256) {
            width = 9;
            count = 258;
            limit = 512;
        } else if (++count == limit && width < 12) {
            ++width;
            limit *= 2;
        }
    }
    return width;
}

TEST(TiffLzw, CodesAndWidths) {
    Bytes out;
    const uint8_t a = 'A';
    LzwEncodeStrip(&a, 1, &out);
    EXPECT_EQ(out, (Bytes{0x80, 0x10, 0x60, 0x20}));
    // Distinct pairs make a new entry per code: the 255th code after Clear is the first of 10 bits.
    Bytes data;
    std::mt19937 random(3);
    for (int i = 0; i < 5000; ++i) data.push_back(static_cast<uint8_t>(random()));
    out.clear();
    LzwEncodeStrip(data.data(), data.size(), &out);
    const std::vector<int> codes = Codes(out);
    ASSERT_GT(codes.size(), 600u);
    EXPECT_EQ(codes[0], 256);
    EXPECT_EQ(CodeWidthAt(out, 254), 9);
    EXPECT_EQ(CodeWidthAt(out, 255), 10);
    // The table is cleared once entry 4094 is made: Clear comes at 12 bits.
    Bytes big;
    for (int i = 0; i < 60000; ++i) big.push_back(static_cast<uint8_t>(random() % 7 * 37));
    out.clear();
    LzwEncodeStrip(big.data(), big.size(), &out);
    const std::vector<int> all = Codes(out);
    std::size_t clear = 0;
    for (std::size_t i = 1; i < all.size(); ++i)
        if (all[i] == 256) {
            clear = i;
            break;
        }
    ASSERT_GT(clear, 0u);
    EXPECT_EQ(clear,
              4094u - 258u + 2u);  // Clear, then one code per entry 258..4094, then the Clear
    EXPECT_EQ(CodeWidthAt(out, clear), 12);
    EXPECT_EQ(CodeWidthAt(out, clear + 1), 9);
    // Both round trip; so does a zero strip of 16,384 bytes.
    for (const Bytes& d : {data, big, Bytes(16384, 0)}) {
        out.clear();
        LzwEncodeStrip(d.data(), d.size(), &out);
        Bytes back(d.size());
        std::size_t produced = 0;
        ASSERT_EQ(LzwDecodeStrip(out.data(), out.size(), back.data(), back.size(), &produced),
                  IMG_OK);
        EXPECT_EQ(back, d);
    }
}

TEST(TiffLzw, DamagedStreams) {
    const auto decode = [](const Bytes& s, std::size_t want, std::size_t* produced) {
        Bytes out(want);
        return LzwDecodeStrip(s.data(), s.size(), out.data(), want, produced);
    };
    std::size_t produced = 0;
    // Without a leading ClearCode: 'A' then EOI, read as if Clear came first.
    // 'A' (9 bits 001000001), 257 (100000001): 00100000 11000000 01(000000)
    EXPECT_EQ(decode({0x20, 0xC0, 0x40}, 1, &produced), IMG_OK);
    EXPECT_EQ(produced, 1u);
    // After ClearCode a code of 258 or more has no string to build on.
    // 256, 258: 10000000 01000000 10(000000)
    EXPECT_EQ(decode({0x80, 0x40, 0x80}, 4, &produced), IMG_CODED_DATA_ERROR);
    EXPECT_EQ(produced, 0u);
    // A code past the next free one.
    // 256, 'A', 300: 100000000 001000001 100101100
    EXPECT_EQ(decode({0x80, 0x10, 0x72, 0xC0}, 4, &produced), IMG_CODED_DATA_ERROR);
    EXPECT_EQ(produced, 1u);
    // Data ending before the bytes wanted keeps what was made.
    Bytes s;
    const Bytes d(100, 9);
    LzwEncodeStrip(d.data(), d.size(), &s);
    EXPECT_EQ(decode(Bytes(s.begin(), s.end() - 2), 100, &produced), IMG_CODED_DATA_ERROR);
    EXPECT_GT(produced, 50u);
    // An odd last byte is used: 'A' 'B' in 9-bit codes end inside the fourth byte.
    const uint8_t ab[2] = {'A', 'B'};
    s.clear();
    LzwEncodeStrip(ab, 2, &s);
    EXPECT_EQ(s.size() % 2, 1u);
    EXPECT_EQ(decode(s, 2, &produced), IMG_OK);
    // A stream that never clears cannot pass 4096 entries.
    Bytes endless;
    {
        // 256, then 0 and then the newest code again and again, all at 12 bits once wide.
        std::vector<int> codes = {256, 0};
        for (int next = 258; next < 4200; ++next) codes.push_back(next);
        uint64_t acc = 0;
        int bits = 0, width = 9, count = 258, limit = 512;
        for (int c : codes) {
            acc = (acc << width) | static_cast<uint64_t>(c);
            bits += width;
            while (bits >= 8) {
                bits -= 8;
                endless.push_back(static_cast<uint8_t>(acc >> bits));
            }
            if (c != 256 && ++count == limit && width < 12) {
                ++width;
                limit *= 2;
            }
        }
    }
    EXPECT_EQ(decode(endless, 10000000, &produced), IMG_CODED_DATA_ERROR);
}

TEST(TiffPackBits, RunsAndLiterals) {
    const auto encode = [](const Bytes& d) {
        Bytes out;
        PackBitsEncode(d.data(), d.size(), &out);
        return out;
    };
    EXPECT_EQ(encode({65, 66, 66, 67}), (Bytes{0x03, 65, 66, 66, 67}));
    EXPECT_EQ(encode({65, 66, 66}), (Bytes{0x00, 65, 0xFF, 66}));
    EXPECT_EQ(encode(Bytes(200, 7)), (Bytes{0x82, 7, 0xB8, 7}));  // 127 and 73
    std::mt19937 random(9);
    for (int trial = 0; trial < 50; ++trial) {
        Bytes d;
        const std::size_t n = random() % 600;
        for (std::size_t i = 0; i < n; ++i) d.push_back(static_cast<uint8_t>(random() % 3));
        const Bytes e = encode(d);
        // A single byte between runs of two costs two bytes: at most 6 for every 5.
        EXPECT_LE(e.size(), d.size() * 6 / 5 + 2);
        Bytes back(d.size());
        std::size_t produced = 0;
        EXPECT_EQ(PackBitsDecode(back.data(), back.size(), e.data(), e.size(), &produced),
                  e.size());
        EXPECT_EQ(back, d);
    }
    // A header of 128 is skipped; decoding stops at the input's end.
    Bytes out(4, 0xEE);
    std::size_t produced = 0;
    EXPECT_EQ(PackBitsDecode(out.data(), 4, Bytes{128, 1, 5, 6}.data(), 4, &produced), 4u);
    EXPECT_EQ(produced, 2u);
    EXPECT_EQ(out, (Bytes{5, 6, 0xEE, 0xEE}));
    const Bytes shortLiteral = {10, 1, 2};  // announces 11 bytes, holds 2
    EXPECT_EQ(PackBitsDecode(out.data(), 4, shortLiteral.data(), shortLiteral.size(), &produced),
              3u);
    EXPECT_EQ(produced, 2u);
}

// Rows of a picture as CCITT codes it: 1 bits white.
struct Bilevel {
    int width;
    std::vector<Bytes> rows;
};
Bilevel Pattern(int width, int kind) {
    Bilevel b{width, {}};
    const std::size_t bytes = (static_cast<std::size_t>(width) + 7) / 8;
    std::mt19937 random(static_cast<uint32_t>(width + kind));
    for (int y = 0; y < 9; ++y) {
        Bytes row(bytes, 0);
        for (int x = 0; x < width; ++x) {
            bool white = true;
            if (kind == 1) white = false;
            if (kind == 2) white = (x + y) % 2 == 0;
            if (kind == 3) white = x < 2600 + y || x > 5300;
            if (kind == 4) white = ((x / (1 + y)) + (random() % 9 == 0)) % 2 == 0;
            if (white)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        b.rows.push_back(row);
    }
    return b;
}

TEST(TiffCcitt, RowsRoundTripInEveryCoding) {
    for (int kind = 0; kind <= 4; ++kind) {
        for (int width : {1, 7, 64, 1728, 5400}) {
            if (kind == 3 && width < 5400) continue;
            const Bilevel b = Pattern(width, kind);
            for (int compression : {2, 3, 4}) {
                CcittEncoder e(width);
                for (const Bytes& row : b.rows) {
                    if (compression == 2) e.MhRow(row.data());
                    if (compression == 3) e.T4Row(row.data());
                    if (compression == 4) {
                        ASSERT_EQ(e.G4Row(row.data()), IMG_OK);
                    }
                }
                if (compression == 4) e.EndG4Strip();
                Bytes coded = e.bytes();
                {
                    const Bytes& input = coded;
                    CcittDecodeSetup setup;
                    setup.compression = compression;
                    setup.width = width;
                    const std::size_t bytes = (static_cast<std::size_t>(width) + 7) / 8;
                    Bytes out(bytes * b.rows.size(), 0x5A);
                    int done = 0;
                    ASSERT_EQ(CcittDecodeStrip(setup, input.data(), input.size(), out.data(),
                                               static_cast<int>(b.rows.size()), &done),
                              IMG_OK)
                        << kind << " " << width << " " << compression;
                    for (std::size_t y = 0; y < b.rows.size(); ++y) {
                        Bytes row(out.begin() + static_cast<std::ptrdiff_t>(y * bytes),
                                  out.begin() + static_cast<std::ptrdiff_t>((y + 1) * bytes));
                        // Bits behind the last pixel do not count.
                        if (width % 8 != 0)
                            row.back() &= static_cast<uint8_t>(0xFF << (8 - width % 8));
                        EXPECT_EQ(row, b.rows[y])
                            << kind << " " << width << " " << compression << " row " << y;
                    }
                }
            }
        }
    }
}

TEST(TiffCcitt, TablesAreFreeOfPrefixes) {
    std::vector<std::pair<uint32_t, int>> white, black;
    for (const CcittCode& c : kCcittWhiteTerminating) white.emplace_back(c.code, c.length);
    for (const CcittCode& c : kCcittWhiteMakeUp) white.emplace_back(c.code, c.length);
    for (const CcittCode& c : kCcittBlackTerminating) black.emplace_back(c.code, c.length);
    for (const CcittCode& c : kCcittBlackMakeUp) black.emplace_back(c.code, c.length);
    for (const CcittCode& c : kCcittExtendedMakeUp) {
        white.emplace_back(c.code, c.length);
        black.emplace_back(c.code, c.length);
    }
    for (auto* set : {&white, &black}) {
        set->emplace_back(1, 12);  // EOL
        for (std::size_t i = 0; i < set->size(); ++i) {
            for (std::size_t j = 0; j < set->size(); ++j) {
                if (i == j) continue;
                const auto [ci, li] = (*set)[i];
                const auto [cj, lj] = (*set)[j];
                if (li > lj) continue;
                EXPECT_NE(cj >> (lj - li), ci) << "code " << i << " is a prefix of " << j;
            }
        }
    }
}

TEST(TiffCcitt, ChangeListOverflow) {
    // 20,000 alternating pixels change colour at every one.
    const int width = 20000;
    Bytes row(static_cast<std::size_t>(width / 8), 0x55);
    CcittEncoder e(width);
    EXPECT_EQ(e.G4Row(row.data()), IMG_TIFF_CODING_OVERFLOW);
}

}  // namespace
}  // namespace imagingtest
