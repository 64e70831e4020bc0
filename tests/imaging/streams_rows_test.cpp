// Memory streams (seeking back over written bytes, slot exhaustion, reads
// bounded by their block), packed 1-bit runs against a naive bit loop, and the
// vertical flip of a working rectangle.
#include <cstring>
#include <random>

#include "imaging/bmp/bmp.h"
#include "imaging/frame/memory_streams.h"
#include "imaging/frame/packed_rows.h"
#include "platform/files/file_io.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class StreamTest : public ImagingTest {};

TEST_F(StreamTest, AHeaderWrittenLastLandsInFront) {
    const int32_t slot = OpenStreamWrite();
    ASSERT_GE(slot, 1);
    uint32_t written = 0;
    uint8_t placeholder[14] = {};
    uint8_t body[100];
    for (int i = 0; i < 100; ++i) body[i] = static_cast<uint8_t>(i + 1);
    uint8_t real[14];
    std::memset(real, 0xAB, sizeof real);
    EXPECT_EQ(StreamWriteCallbackB(slot, placeholder, 14, &written, nullptr), 1);
    EXPECT_EQ(written, 14u);
    EXPECT_EQ(StreamWriteCallbackB(slot, body, 100, &written, nullptr), 1);
    EXPECT_EQ(StreamWriteCallbackA(slot, 0, nullptr, 1), 114);
    EXPECT_EQ(StreamWriteCallbackA(slot, 0, nullptr, 0), 0);
    EXPECT_EQ(StreamWriteCallbackB(slot, real, 14, &written, nullptr), 1);
    EXPECT_EQ(GetStreamSize(slot), 114u);
    EXPECT_EQ(StreamWriteCallbackA(slot, -1, nullptr, 0), -1);  // before the start
    EXPECT_EQ(StreamWriteCallbackA(slot, 7, nullptr, 5), 14);   // unknown method: stays
    void* out = nullptr;
    ASSERT_EQ(AllocOutputBuffer(slot, &out), IMG_OK);
    Bytes block = Adopt(out);
    ASSERT_EQ(block.size(), 114u);
    EXPECT_EQ(std::memcmp(block.data(), real, 14), 0);
    EXPECT_EQ(std::memcmp(block.data() + 14, body, 100), 0);
    EXPECT_EQ(StreamWriteCallbackC(slot), 1);
    // A closed or foreign slot is refused everywhere.
    for (int32_t bad : {slot, 0, 5}) {
        EXPECT_EQ(StreamWriteCallbackB(bad, body, 1, &written, nullptr), 0);
        EXPECT_EQ(written, 0u);
        EXPECT_EQ(StreamWriteCallbackA(bad, 0, nullptr, 0), -1);
        EXPECT_EQ(StreamWriteCallbackC(bad), 0);
        EXPECT_EQ(GetStreamSize(bad), 0u);
        EXPECT_EQ(AllocOutputBuffer(bad, &out), IMG_NO_MEMORY);
    }
}

TEST_F(StreamTest, AFifthWriterFindsNoSlot) {
    int32_t slots[4];
    for (int32_t& s : slots) {
        s = OpenStreamWrite();
        ASSERT_GE(s, 1);
    }
    EXPECT_EQ(OpenStreamWrite(), -1);
    ImageDesc& image = Image(4, 4, 8);
    void* out = nullptr;
    EXPECT_EQ(SaveBmpToMemory(&out, &image, 0), IMG_CANNOT_CREATE);
    EXPECT_EQ(out, nullptr);
    for (int32_t s : slots) EXPECT_EQ(StreamWriteCallbackC(s), 1);
    // An empty stream assembles no block.
    const int32_t slot = OpenStreamWrite();
    EXPECT_EQ(AllocOutputBuffer(slot, &out), IMG_NO_MEMORY);
    EXPECT_EQ(StreamWriteCallbackC(slot), 1);
}

TEST_F(StreamTest, ReadsStayInsideTheirBlock) {
    Bytes source(600);
    for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint8_t>(i * 3);
    const void* block = Block(source);
    EXPECT_EQ(OpenStreamRead(block, win::GENERIC_WRITE), -1);
    const int32_t slot = OpenStreamRead(block, win::GENERIC_READ);
    ASSERT_GE(slot, 1);
    Bytes out(1000, 0xEE);
    uint32_t read = 0;
    EXPECT_EQ(StreamReadCallbackB(slot, out.data(), 1000, &read, nullptr), 1);
    EXPECT_EQ(read, 600u);
    EXPECT_TRUE(std::equal(source.begin(), source.end(), out.begin()));
    EXPECT_EQ(out[600], 0xEE);
    EXPECT_EQ(StreamReadCallbackA(slot, 0, nullptr, 1), 600);
    EXPECT_EQ(StreamReadCallbackB(slot, out.data(), 10, &read, nullptr), 1);
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(StreamReadCallbackA(slot, -10, nullptr, 2), 590);
    EXPECT_EQ(StreamReadCallbackB(slot, out.data(), 100, &read, nullptr), 1);
    EXPECT_EQ(read, 10u);
    EXPECT_EQ(out[0], source[590]);
    EXPECT_EQ(StreamReadCallbackA(slot, -1, nullptr, 0), -1);
    EXPECT_EQ(StreamReadCallbackC(slot), 1);
    EXPECT_EQ(StreamReadCallbackB(slot, out.data(), 1, &read, nullptr), 0);
    // A reader given anything but the start of a live block refuses it.
    win::BITMAPINFOHEADER header;
    EXPECT_EQ(GetBmpHeaderFromMemory(static_cast<const uint8_t*>(block) + 1, &header),
              IMG_BAD_SOURCE);
    uint8_t local[200] = {'B', 'M'};
    EXPECT_EQ(GetBmpHeaderFromMemory(local, &header), IMG_BAD_SOURCE);
}

// ---- Packed runs ---------------------------------------------------------------------------
bool Bit(const uint8_t* row, uint32_t i) {
    return (row[i / 8] >> (7 - i % 8)) & 1;
}
void SetBit(uint8_t* row, uint32_t i, bool v) {
    row[i / 8] =
        static_cast<uint8_t>((row[i / 8] & ~(0x80 >> (i % 8))) | (v ? 0x80 >> (i % 8) : 0));
}

TEST(PackedRunTest, RunsMatchANaiveBitLoop) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 3000; ++trial) {
        const uint32_t offset = random() % 70;
        const uint32_t count = 1 + random() % 90;
        // Exactly the bytes the run touches, so a read or write past them shows under ASan.
        const uint32_t rowBytes = (offset + count + 7) / 8;
        std::vector<uint8_t> row(rowBytes);
        for (uint8_t& b : row) b = static_cast<uint8_t>(random());
        const std::vector<uint8_t> before = row;

        std::vector<uint8_t> got((count + 7) / 8, 0xFF);
        GetPackedRun(got.data(), row.data(), offset, count);
        for (uint32_t i = 0; i < got.size() * 8; ++i) {
            const bool want = i < count ? Bit(row.data(), offset + i) : false;  // tail cleared
            ASSERT_EQ(Bit(got.data(), i), want) << offset << "+" << count << " bit " << i;
        }

        std::vector<uint8_t> source((count + 7) / 8);
        for (uint8_t& b : source) b = static_cast<uint8_t>(random());
        PutPackedRun(row.data(), source.data(), offset, count);
        for (uint32_t i = 0; i < rowBytes * 8; ++i) {
            const bool inRun = i >= offset && i < offset + count;
            const bool want = inRun ? Bit(source.data(), i - offset) : Bit(before.data(), i);
            ASSERT_EQ(Bit(row.data(), i), want) << offset << "+" << count << " bit " << i;
        }

        std::vector<uint8_t> naive = row;
        SetBitRun(offset, row.data(), count + 5, offset + count);  // cut at the row's length
        for (uint32_t i = offset; i < offset + count; ++i) SetBit(naive.data(), i, true);
        ASSERT_EQ(row, naive);
        ClearBitRun(row.data(), offset, count);
        for (uint32_t i = offset; i < offset + count; ++i) SetBit(naive.data(), i, false);
        ASSERT_EQ(row, naive);
    }
}

class FlipTest : public ImagingTest {};

TEST_F(FlipTest, RectanglesTurnUpsideDownInPlaceAndIntoAnother) {
    for (int bits : {1, 8, 24}) {
        ImageDesc& source = Image(13, 9, bits);
        FillPattern(source);
        ImageDesc& result = Image(13, 9, bits);
        SetImageRect(&source, 3, 1, 11, 7);  // 9 x 7
        SetImageRect(&result, 2, 2, 12, 8);  // 11 x 7: the common area is 9 x 7
        ASSERT_EQ(FlipRectVertical(&source, &result), IMG_OK);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 13; ++x) {
                const bool inside = x >= 2 && x < 11 && y >= 2;
                const uint32_t want = inside ? PatternValue(x + 1, 1 + 6 - (y - 2), bits) : 0;
                ASSERT_EQ(Pixel(result, x, y), want) << bits << " bits at " << x << "," << y;
            }
        }
        // In place, twice: the picture comes back.
        SetImageRect(&source, 3, 0, 10, 8);
        ASSERT_EQ(FlipRectVertical(&source, &source), IMG_OK);
        EXPECT_EQ(Pixel(source, 3, 0), PatternValue(3, 8, bits));
        EXPECT_EQ(Pixel(source, 2, 0), PatternValue(2, 0, bits));
        ASSERT_EQ(FlipRectVertical(&source, &source), IMG_OK);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 13; ++x) ASSERT_EQ(Pixel(source, x, y), PatternValue(x, y, bits));
    }
    EXPECT_EQ(FlipRectVertical(&Image(4, 4, 8), &Image(4, 4, 24)), IMG_BAD_BIT_DEPTH);
}

}  // namespace
}  // namespace imagingtest
