// Header arithmetic of packed DIBs and the error texts.
#include "printing/pictures/dib_routines.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win.h"

namespace {

TEST(DibRoutinesTest, HeaderSizesColoursAndPixels) {
    win::BITMAPINFOHEADER h;
    InitBitmapInfoHeader(&h, 1, 10, 1);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biBitCount, 1);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biSizeImage, 40u);  // 4 bytes a row
    EXPECT_EQ(DIBNumColors(&h), 2);
    EXPECT_EQ(PaletteSize(&h), 8);
    for (int bits : {16, 32}) {
        InitBitmapInfoHeader(&h, 3, 2, bits);
        EXPECT_EQ(h.biBitCount, 24) << bits;
        EXPECT_EQ(h.biSizeImage, 24u) << bits;  // 9 bytes padded to 12, two rows
    }
    InitBitmapInfoHeader(&h, 5, 1, 3);
    EXPECT_EQ(h.biBitCount, 4);
    EXPECT_EQ(DIBNumColors(&h), 16);
    h.biClrUsed = 5;
    EXPECT_EQ(DIBNumColors(&h), 5);
    EXPECT_EQ(PaletteSize(&h), 20);

    // A 24-bit info header has no colour table: the pixels follow the header.
    std::vector<uint8_t> dib(40 + 12, 0);
    InitBitmapInfoHeader(&h, 2, 2, 24);
    std::memcpy(dib.data(), &h, sizeof h);
    EXPECT_EQ(PaletteSize(dib.data()), 0);
    EXPECT_EQ(FindDIBBits(dib.data()), dib.data() + 40);

    // An 8-bit core header: 256 three-byte entries.
    win::BITMAPCOREHEADER core;
    core.bcWidth = 4;
    core.bcHeight = 4;
    core.bcBitCount = 8;
    std::vector<uint8_t> coreDib(12 + 768 + 16, 0);
    std::memcpy(coreDib.data(), &core, sizeof core);
    EXPECT_EQ(DIBNumColors(coreDib.data()), 256);
    EXPECT_EQ(PaletteSize(coreDib.data()), 768);
    EXPECT_EQ(FindDIBBits(coreDib.data()), coreDib.data() + 12 + 768);
}

TEST(DibRoutinesTest, ErrorTextsAndTheStopIcon) {
    EXPECT_STREQ(DIBErrorText(0), "Not a DIB file!");
    EXPECT_STREQ(DIBErrorText(13), "Printer: StartDoc failed!");
    EXPECT_STREQ(DIBErrorText(19), "Printer: EndDoc failed!");
    EXPECT_STREQ(DIBErrorText(27), "Error writing DIB file!");
    EXPECT_STREQ(DIBErrorText(28), "Undefined Error!");
    EXPECT_STREQ(DIBErrorText(-1), "Undefined Error!");
    win::ResetPlatform();
    DIBError(16);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].text, "Printer: StartPage failed!");
    EXPECT_EQ(win::MessageBoxLog()[0].type & 0xF0u, win::MB_ICONHAND);
    win::ResetPlatform();
}

}  // namespace
