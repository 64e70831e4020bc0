// Shared set-up of the image library tests: a fresh platform and library per
// test, a scratch folder as the path root, pixel access that does not go
// through the code under test, and hand-made file bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"
#include "platform/drivers/script.h"
#include "platform/files/file_io.h"
#include "platform/system/clipboard.h"

namespace imagingtest {

using Bytes = std::vector<uint8_t>;

class ImagingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        ResetImageRecords();
        char tmpl[] = "/tmp/tarvex_imaging_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        root = tmpl;
        win::SetPathRoot(root);
        blocksAtStart = win::LiveGlobalBlocks();
    }
    void TearDown() override {
        for (ImageDesc& image : images) FreeImage(&image);
        for (void* block : blocks) FreeBlock(block);
        // Every image and buffer the library made is gone again.
        EXPECT_EQ(win::LiveGlobalBlocks(), blocksAtStart);
        ResetImageRecords();
        win::ResetPlatform();
        std::string cmd = "rm -rf '" + root + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }

    // A global-memory image freed at the end of the test.
    ImageDesc& Image(int32_t width, int32_t height, int32_t bits) {
        images.emplace_back();
        EXPECT_EQ(AllocImageGlobal(&images.back(), width, height, bits), 0);
        return images.back();
    }
    // The bytes in a locked global block of exactly their size, freed at the end.
    const void* Block(const Bytes& bytes) {
        win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, bytes.size());
        auto* p = static_cast<uint8_t*>(win::GlobalLock(h));
        std::copy(bytes.begin(), bytes.end(), p);
        blocks.push_back(p);
        return p;
    }
    // Takes a block the library handed out, to be freed at the end.
    Bytes Adopt(void* block) {
        blocks.push_back(block);
        auto* p = static_cast<uint8_t*>(block);
        return Bytes(p, p + win::GlobalSize(win::GlobalHandle(block)));
    }
    static void FreeBlock(void* block) {
        win::HGLOBAL h = win::GlobalHandle(block);
        win::GlobalUnlock(h);
        win::GlobalFree(h);
    }

    std::string Path(const std::string& name) const { return root + "/" + name; }
    Bytes ReadFile(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        std::string text = s.str();
        return Bytes(text.begin(), text.end());
    }
    void WriteFile(const std::string& name, const Bytes& bytes) const {
        std::ofstream(Path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    bool Exists(const std::string& name) const { return std::ifstream(Path(name)).good(); }
    // New files a writer left in the folder (their names hold ".~").
    size_t LeftOverFiles() const {
        size_t n = 0;
        for (const auto& e : std::filesystem::directory_iterator(root))
            n += e.path().filename().string().find(".~") != std::string::npos ? 1 : 0;
        return n;
    }

    std::string root;
    std::deque<ImageDesc> images;  // references stay valid as images are added
    std::vector<void*> blocks;
    int blocksAtStart = 0;
};

// ---- Pixels, read and written without the library ------------------------------------------
inline uint8_t* RowOf(const ImageDesc& image, int y) {
    return image.bits + static_cast<std::size_t>(image.header->biHeight - 1 - y) * image.stride;
}
// 1 and 8 bits: the index; 24 bits: 0xRRGGBB.
inline uint32_t Pixel(const ImageDesc& image, int x, int y) {
    const uint8_t* row = RowOf(image, y);
    switch (image.header->biBitCount) {
        case 1:
            return (row[x / 8] >> (7 - x % 8)) & 1;
        case 8:
            return row[x];
        default:
            return uint32_t{row[3 * x + 2]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x];
    }
}
inline void SetPixel(const ImageDesc& image, int x, int y, uint32_t value) {
    uint8_t* row = RowOf(image, y);
    switch (image.header->biBitCount) {
        case 1:
            row[x / 8] = static_cast<uint8_t>((row[x / 8] & ~(0x80 >> (x % 8))) |
                                              ((value & 1) << (7 - x % 8)));
            break;
        case 8:
            row[x] = static_cast<uint8_t>(value);
            break;
        default:
            row[3 * x] = static_cast<uint8_t>(value);
            row[3 * x + 1] = static_cast<uint8_t>(value >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(value >> 16);
    }
}
// A pattern every pixel of which differs from its neighbours in most places.
inline uint32_t PatternValue(int x, int y, int bits) {
    const uint32_t v = static_cast<uint32_t>(x * 7 + y * 13 + (x * y) % 5);
    if (bits == 1) return (x + y / 2) % 3 == 0 ? 1 : 0;
    if (bits == 8) return v & 0xFF;
    return (v * 2654435761u) & 0xFFFFFF;
}
inline void FillPattern(const ImageDesc& image) {
    const int w = image.header->biWidth;
    const int h = image.header->biHeight;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            SetPixel(image, x, y, PatternValue(x, y, image.header->biBitCount));
}

// ---- Hand-made bitmap files ------------------------------------------------------------------
inline void Put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
struct BmpLayout {
    int32_t width = 1;
    int32_t height = 1;  // negative: top-down
    int bits = 24;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    Bytes table;  // colour table bytes as stored
    Bytes masks;  // bitfield masks behind the header
    Bytes pixels;
};
// File header and 40-byte info header, then masks, table and pixels.
inline Bytes MakeBmp(const BmpLayout& s) {
    Bytes b;
    const uint32_t offBits = static_cast<uint32_t>(54 + s.masks.size() + s.table.size());
    b.push_back('B');
    b.push_back('M');
    Put32(b, static_cast<uint32_t>(offBits + s.pixels.size()));
    Put32(b, 0);
    Put32(b, offBits);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(s.width));
    Put32(b, static_cast<uint32_t>(s.height));
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(s.bits));
    Put32(b, s.compression);
    Put32(b, static_cast<uint32_t>(s.pixels.size()));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, s.clrUsed);
    Put32(b, 0);
    b.insert(b.end(), s.masks.begin(), s.masks.end());
    b.insert(b.end(), s.table.begin(), s.table.end());
    b.insert(b.end(), s.pixels.begin(), s.pixels.end());
    return b;
}

}  // namespace imagingtest
