// Damaged input and failing output: every truncation of valid files ends in a
// status without reading past the block (ASan watches), and a write that
// cannot finish leaves no file or block behind.
#include <cstring>
#include <string>

#include "imaging/bmp/bmp.h"
#include "imaging/pcx/pcx.h"
#include "imaging/png/png.h"
#include "platform/files/file_io.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class TruncationTest : public ImagingTest {
  protected:
    Bytes BmpOf(int bits, int runLength) {
        ImageDesc& image = Image(23, 7, bits);
        FillPattern(image);
        void* block = nullptr;
        EXPECT_EQ(SaveBmpToMemory(&block, &image, runLength), IMG_OK);
        return Adopt(block);
    }
};

TEST_F(TruncationTest, EveryCutOfABitmapGivesAStatus) {
    BmpLayout masked;  // 16-bit bitfields, 3 x 2
    masked.width = 3;
    masked.height = 2;
    masked.bits = 16;
    masked.compression = win::BI_BITFIELDS;
    for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(masked.masks, m);
    masked.pixels = Bytes(16, 0x5A);
    BmpLayout rle4;
    rle4.width = 5;
    rle4.height = 2;
    rle4.bits = 4;
    rle4.compression = win::BI_RLE4;
    for (int i = 0; i < 16; ++i) rle4.table.insert(rle4.table.end(), {uint8_t(i), 0, 0, 0});
    rle4.pixels = {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 5, 0x77, 0, 0, 0, 1};
    const Bytes files[] = {BmpOf(1, 0),  BmpOf(8, 0),     BmpOf(8, 1),
                           BmpOf(24, 0), MakeBmp(masked), MakeBmp(rle4)};
    const int depths[] = {1, 8, 8, 24, 24, 8};
    const bool runLength[] = {false, false, true, false, false, true};
    for (std::size_t f = 0; f < std::size(files); ++f) {
        const Bytes& file = files[f];
        for (std::size_t length = 0; length <= file.size(); ++length) {
            const void* block =
                Block(Bytes(file.begin(), file.begin() + static_cast<long>(length)));
            ImageDesc& image = Image(23, 7, depths[f]);
            const int32_t status = LoadBmpFromMemory(block, &image);
            win::BITMAPINFOHEADER header;
            win::RGBQUAD table[256];
            (void)GetBmpHeaderFromMemory(block, &header);
            (void)GetBmpPaletteFromMemory(block, table);
            // Run-length rows are whole without the end-of-bitmap pair behind them.
            if (length == file.size() || (runLength[f] && length >= file.size() - 2)) {
                EXPECT_EQ(status, IMG_OK) << "file " << f;
            } else {
                EXPECT_LT(status, 0) << "file " << f << " cut to " << length;
            }
            FreeImage(&image);
            images.pop_back();
            FreeBlock(const_cast<void*>(block));
            blocks.pop_back();
        }
    }
}

TEST_F(TruncationTest, EveryCutOfAPcxFileGivesAStatus) {
    ImageDesc& picture = Image(19, 5, 8);
    FillPattern(picture);
    ASSERT_EQ(SavePcx("\\whole.pcx", &picture), IMG_OK);
    const Bytes file = ReadFile("whole.pcx");
    ImageDesc& image = Image(19, 5, 8);
    for (std::size_t length = 0; length < file.size(); ++length) {
        WriteFile("cut.pcx", Bytes(file.begin(), file.begin() + static_cast<long>(length)));
        const int32_t status = LoadPcx("\\cut.pcx", &image);
        win::RGBQUAD table[256];
        (void)GetPcxPalette("\\cut.pcx", table);
        if (length < 128) {
            EXPECT_EQ(status, IMG_NOT_PCX) << length;
        }
        // Without all its lines the picture is incomplete; a lost trailer costs only colours.
        if (length >= 128 && length < file.size() - 769) {
            EXPECT_EQ(status, IMG_IO_ERROR) << length;
        }
    }
}

class WriteFailureTest : public ImagingTest {};

TEST_F(WriteFailureTest, AMissingFolderGivesCannotCreate) {
    ImageDesc& image = Image(4, 4, 8);
    EXPECT_EQ(SaveBmp("\\nowhere\\x.bmp", &image, 0), IMG_CANNOT_CREATE);
    EXPECT_EQ(SaveBmpW(u"\\nowhere\\x.bmp", &image, 0), IMG_CANNOT_CREATE);
    EXPECT_EQ(SavePcx("\\nowhere\\x.pcx", &image), IMG_CANNOT_CREATE);
    EXPECT_FALSE(Exists("nowhere"));
}

TEST_F(WriteFailureTest, AFailingWriteDeletesTheHalfWrittenFile) {
    ImageDesc& image = Image(300, 300, 8);
    FillPattern(image);
    // The first write fails: the colour table of a bitmap, the header of a PCX file.
    win::FailNextFileWrites(1);
    EXPECT_EQ(SaveBmp("\\a.bmp", &image, 0), IMG_IO_ERROR);
    EXPECT_FALSE(Exists("a.bmp"));
    win::FailNextFileWrites(1);
    EXPECT_EQ(SavePcx("\\a.pcx", &image), IMG_IO_ERROR);
    EXPECT_FALSE(Exists("a.pcx"));
    // The switch spent, the same saves succeed.
    EXPECT_EQ(SaveBmp("\\a.bmp", &image, 1), IMG_OK);
    EXPECT_EQ(SavePcx("\\a.pcx", &image), IMG_OK);
}

TEST_F(WriteFailureTest, AFailedSaveLeavesTheOldFileAsItWas) {
    ImageDesc& image = Image(300, 300, 8);
    FillPattern(image);
    const Bytes old = {1, 2, 3, 4, 5};
    for (const char* name : {"old.bmp", "old.pcx", "old.png"}) {
        WriteFile(name, old);
        const std::string path = std::string("\\") + name;
        // The first write fails, then one deep inside the file.
        for (int after : {0, 1}) {
            win::FailNextFileWrites(1, after);
            int32_t status = IMG_OK;
            if (std::string(name).ends_with("bmp")) status = SaveBmp(path.c_str(), &image, 0);
            if (std::string(name).ends_with("pcx")) status = SavePcx(path.c_str(), &image);
            if (std::string(name).ends_with("png")) status = SavePng(path.c_str(), &image, 1);
            EXPECT_EQ(status, IMG_IO_ERROR) << name << " " << after;
            EXPECT_EQ(ReadFile(name), old) << name << " " << after;
            EXPECT_EQ(LeftOverFiles(), 0u) << name;
        }
    }
    // A good save replaces it.
    ASSERT_EQ(SaveBmp("\\old.bmp", &image, 0), IMG_OK);
    EXPECT_NE(ReadFile("old.bmp"), old);
    EXPECT_EQ(LeftOverFiles(), 0u);
}

TEST_F(WriteFailureTest, MemoryOutputWithoutMemoryLeavesNoBlock) {
    ImageDesc& image = Image(8, 8, 24);
    const int before = win::LiveGlobalBlocks();
    void* block = nullptr;
    win::FailNextGlobalAllocs(1);  // the row buffer
    EXPECT_EQ(SaveBmpToMemory(&block, &image, 0), IMG_NO_MEMORY);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(win::LiveGlobalBlocks(), before);
}

}  // namespace
}  // namespace imagingtest
