// The image frame: allocation in both kinds of memory, colour tables,
// validation, release, packed DIBs, the system probe and the build stamp.
#include <cstring>

#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "platform/gdi/gdi.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class FrameTest : public ImagingTest {};

TEST_F(FrameTest, AllocationLaysOutHeaderTableAndRows) {
    // Stride = ((width x bits + 31) / 32) x 4, checked by a naive count of bytes.
    for (int bits : {1, 8, 16, 24, 32}) {
        for (int width = 1; width <= 33; ++width) {
            ImageDesc image;
            ASSERT_EQ(AllocImageGlobal(&image, width, 3, bits), IMG_OK);
            uint32_t rowBytes = (static_cast<uint32_t>(width * bits) + 7) / 8;
            while (rowBytes % 4 != 0) ++rowBytes;
            EXPECT_EQ(image.stride, rowBytes) << bits << " bits, width " << width;
            const win::BITMAPINFOHEADER& h = *image.header;
            EXPECT_EQ(h.biSize, 40u);
            EXPECT_EQ(h.biWidth, width);
            EXPECT_EQ(h.biHeight, 3);
            EXPECT_EQ(h.biPlanes, 1);
            EXPECT_EQ(h.biBitCount, bits);
            EXPECT_EQ(h.biSizeImage, rowBytes * 3);
            const uint32_t colours = bits < 16 ? 1u << bits : 0u;
            EXPECT_EQ(h.biClrUsed, colours);
            EXPECT_EQ(h.biClrImportant, colours);
            EXPECT_EQ(image.colorCount, static_cast<int32_t>(colours));
            // Table right behind the header, rows right behind the table, in one block.
            auto* block = reinterpret_cast<uint8_t*>(image.header);
            EXPECT_EQ(reinterpret_cast<uint8_t*>(image.palette), block + 40);
            EXPECT_EQ(image.bits, block + 40 + 4 * colours);
            EXPECT_EQ(win::GlobalSize(win::GlobalHandle(block)), 40 + 4 * colours + rowBytes * 3);
            EXPECT_EQ(image.startX, 0);
            EXPECT_EQ(image.endX, width - 1);
            EXPECT_EQ(image.endY, 2);
            FreeImage(&image);
            EXPECT_EQ(image.header, nullptr);
        }
    }
}

TEST_F(FrameTest, DepthsAndSidesThatCannotBeAllocated) {
    ImageDesc image;
    // A 4-bit request becomes an 8-bit image with a 256-entry grey ramp.
    ASSERT_EQ(AllocImageGlobal(&image, 5, 5, 4), IMG_OK);
    EXPECT_EQ(image.header->biBitCount, 8);
    EXPECT_EQ(image.colorCount, 256);
    EXPECT_EQ(image.palette[200].rgbRed, 200);
    FreeImage(&image);
    for (int bits : {0, 2, 3, 12, 48})
        EXPECT_EQ(AllocImageGlobal(&image, 5, 5, bits), IMG_BAD_BIT_DEPTH);
    EXPECT_EQ(AllocImageGlobal(&image, 0, 5, 8), IMG_BAD_ARGUMENT);
    EXPECT_EQ(AllocImageGlobal(&image, 5, 0, 8), IMG_BAD_ARGUMENT);
    EXPECT_EQ(image.bits, nullptr);
    // Sides whose rows no block can hold end in a status, never an abort.
    EXPECT_EQ(AllocImageGlobal(&image, 0x7FFFFFFF, 0x7FFFFFFF, 32), IMG_NO_MEMORY);
    EXPECT_EQ(AllocImage(&image, 70000, 70000, 24), IMG_NO_MEMORY);
}

TEST_F(FrameTest, GreyRampsFollowTheStepOfEachDepth) {
    // 2^bits entries from 0 upward by 255 / (2^bits - 1), truncated.
    for (int bits : {1, 8}) {
        ImageDesc& image = Image(2, 2, bits);
        const int step = bits == 1 ? 255 : 1;
        for (int i = 0; i < (1 << bits); ++i) {
            const win::RGBQUAD& e = image.palette[i];
            EXPECT_EQ(e.rgbRed, i * step);
            EXPECT_EQ(e.rgbGreen, i * step);
            EXPECT_EQ(e.rgbBlue, i * step);
            EXPECT_EQ(e.rgbReserved, 0);
        }
        EXPECT_EQ(image.flags, IMG_FLAG_GREY);
        EXPECT_EQ(IsGreyPalette(&image), 1);
        image.palette[1].rgbBlue ^= 1;
        EXPECT_EQ(IsGreyPalette(&image), 0);
    }
    EXPECT_EQ(GreyStep(2), 85);
    EXPECT_EQ(GreyStep(3), 36);
    EXPECT_EQ(GreyStep(5), 8);
    EXPECT_EQ(GreyStep(7), 2);
    // Deep pictures: 16 and 32 bits are flagged grey, 24 bits not; only 16 bits counts.
    EXPECT_EQ(Image(2, 2, 16).flags, IMG_FLAG_GREY);
    EXPECT_EQ(IsGreyPalette(&images.back()), 1);
    EXPECT_EQ(Image(2, 2, 32).flags, IMG_FLAG_GREY);
    EXPECT_EQ(IsGreyPalette(&images.back()), 0);
    EXPECT_EQ(Image(2, 2, 24).flags, 0u);
}

TEST_F(FrameTest, TheProbeChoosesDibSectionsAndBothKindsWork) {
    // The platform reports NT 6.1.
    EXPECT_EQ(imageLibSystem.probed, 0);
    ImageDesc image;
    ASSERT_EQ(AllocImage(&image, 9, 4, 8), IMG_OK);
    EXPECT_EQ(imageLibSystem.probed, 1);
    EXPECT_EQ(imageLibSystem.versionNumber, 601);
    EXPECT_EQ(imageLibSystem.platformClass, 2);
    EXPECT_EQ(ProbeOsVersion(), 2);
    ASSERT_NE(image.dibSection, nullptr);
    // The pixels live in the section; the header block holds header and table only.
    EXPECT_EQ(win::GlobalSize(win::GlobalHandle(image.header)), 40u + 4 * 256);
    EXPECT_EQ(win::DibSectionBytesFrom(image.bits), image.stride * 4u);
    SetPixel(image, 8, 3, 77);
    EXPECT_EQ(CheckImage(&image), IMG_OK);
    win::DIBSECTION ds;
    ASSERT_EQ(win::GetObjectA(image.dibSection, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBits, image.bits);
    FreeImage(&image);
    EXPECT_EQ(win::DibSectionBytesFrom(ds.dsBm.bmBits), 0u);

    imageLibSystem.useDibSections = 0;
    ASSERT_EQ(AllocImage(&image, 9, 4, 8), IMG_OK);
    EXPECT_EQ(image.dibSection, nullptr);
    FreeImage(&image);
}

TEST_F(FrameTest, ValidationOrdersTheRectangleAndRefusesWhatIsOutside) {
    ImageDesc& image = Image(20, 10, 8);
    SetImageRect(&image, 15, 7, 2, 1);
    EXPECT_EQ(CheckImage(&image), IMG_OK);
    int32_t rect[4];
    GetImageRect(&image, rect);
    EXPECT_EQ(rect[0], 2);
    EXPECT_EQ(rect[1], 1);
    EXPECT_EQ(rect[2], 15);
    EXPECT_EQ(rect[3], 7);

    struct Case {
        int32_t x0, y0, x1, y1;
        int32_t status;
    } cases[] = {
        {0, 0, 19, 9, IMG_OK},
        {0, 0, 20, 9, IMG_BAD_ARGUMENT},   // right of the picture
        {0, 0, 19, 10, IMG_BAD_ARGUMENT},  // below it
        {-1, 0, 5, 5, IMG_BAD_ARGUMENT},   // a negative start reads before the row
        {0, -3, 5, 5, IMG_BAD_ARGUMENT},
        {5, 5, -2, 5, IMG_BAD_ARGUMENT},  // negative once put in order
    };
    for (const Case& c : cases) {
        SetImageRect(&image, c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(CheckImage(&image), c.status)
            << c.x0 << "," << c.y0 << "," << c.x1 << "," << c.y1;
    }
    SetImageRect(&image, 0, 0, 19, 9);
    EXPECT_EQ(CheckImagePair(&Image(3, 3, 1)), IMG_OK);
    EXPECT_EQ(CheckImage(&images.back()), IMG_BAD_BIT_DEPTH);
    EXPECT_EQ(CheckImageTriple(&Image(3, 3, 16)), IMG_OK);
    EXPECT_EQ(CheckImagePair(&images.back()), IMG_BAD_BIT_DEPTH);
    EXPECT_EQ(CheckImagePairSameSize(&Image(3, 3, 32)), IMG_OK);
    image.header->biCompression = win::BI_RLE8;
    EXPECT_EQ(CheckImage(&image), IMG_COMPRESSED_DIB);
    image.header->biCompression = win::BI_RGB;
    image.stride = 16;  // shorter than a row
    EXPECT_EQ(CheckImage(&image), IMG_BAD_ARGUMENT);
}

TEST_F(FrameTest, ValidationWantsPixelsTheProgramAllocated) {
    ImageDesc& image = Image(4, 4, 24);
    ImageDesc copy;
    CopyImageDesc(&image, &copy);
    uint8_t stack[64] = {};
    copy.bits = stack;
    EXPECT_EQ(CheckImage(&copy), IMG_UNREADABLE);
    copy.bits = nullptr;
    EXPECT_EQ(CheckImage(&copy), IMG_BAD_ARGUMENT);
    copy.bits = image.bits;
    copy.header = nullptr;
    EXPECT_EQ(CheckImage(&copy), IMG_BAD_ARGUMENT);
    // Rows running past the block are as unreadable as a foreign pointer.
    CopyImageDesc(&image, &copy);
    copy.bits += 4;
    EXPECT_EQ(CheckImage(&copy), IMG_UNREADABLE);
}

TEST_F(FrameTest, WideOneBitPicturesPassWhereEightBitOnesFail) {
    EXPECT_EQ(CheckImagePair(&Image(40000, 1, 1)), IMG_OK);
    EXPECT_EQ(CheckImagePair(&Image(40000, 1, 8)), IMG_BAD_ARGUMENT);
    EXPECT_EQ(CheckImagePair(&Image(8, 32769, 1)), IMG_BAD_ARGUMENT);
}

TEST_F(FrameTest, FreeImageLeavesForeignHeadersAlone) {
    ImageDesc& image = Image(6, 6, 8);
    ImageDesc before = image;
    // A header that does not start a block, or a block too small for the image.
    ImageDesc shifted = image;
    shifted.header =
        reinterpret_cast<win::BITMAPINFOHEADER*>(reinterpret_cast<uint8_t*>(image.header) + 4);
    FreeImage(&shifted);
    EXPECT_NE(shifted.header, nullptr);
    image.header->biSizeImage = 1 << 20;
    FreeImage(&image);
    EXPECT_EQ(std::memcmp(&image, &before, sizeof image), 0);
    image.header->biSizeImage = image.stride * 6;
    FreeImage(&image);
    EXPECT_EQ(image.bits, nullptr);
    EXPECT_EQ(image.header, nullptr);
}

TEST_F(FrameTest, PackedDibsAreDescribedInPlace) {
    // A 3 x 2 8-bit DIB claiming 300 colours: the count is capped at 256.
    Bytes dib(40 + 4 * 256 + 8 * 2);
    win::BITMAPINFOHEADER h;
    h.biWidth = 3;
    h.biHeight = 2;
    h.biBitCount = 8;
    h.biClrUsed = 300;
    std::memcpy(dib.data(), &h, 40);
    auto* block = const_cast<void*>(Block(dib));
    ImageDesc image;
    ASSERT_EQ(ImageFromPackedDib(block, &image), IMG_OK);
    EXPECT_EQ(image.colorCount, 256);
    EXPECT_EQ(image.bits, static_cast<uint8_t*>(block) + 40 + 1024);
    EXPECT_EQ(image.stride, 4u);
    EXPECT_EQ(image.endX, 2);
    EXPECT_EQ(image.endY, 1);
    EXPECT_EQ(CheckImage(&image), IMG_OK);

    auto* header = static_cast<win::BITMAPINFOHEADER*>(block);
    header->biHeight = -2;  // top-down cannot be described bottom-up
    EXPECT_EQ(ImageFromPackedDib(block, &image), IMG_BAD_ARGUMENT);
    header->biHeight = 40;  // rows past the block
    EXPECT_EQ(ImageFromPackedDib(block, &image), IMG_BAD_ARGUMENT);
    header->biHeight = 2;
    header->biBitCount = 4;
    EXPECT_EQ(ImageFromPackedDib(block, &image), IMG_BAD_BIT_DEPTH);
    header->biBitCount = 8;
    header->biCompression = win::BI_RLE8;
    EXPECT_EQ(ImageFromPackedDib(block, &image), IMG_COMPRESSED_DIB);
}

TEST_F(FrameTest, BuildStampAndVersion) {
    char narrow[40];
    std::memset(narrow, '#', sizeof narrow);
    EXPECT_EQ(GetBuildStamp(narrow, 10), 1340);
    EXPECT_EQ(std::string(narrow, 11), "Jan 16 201#");  // ten characters, no terminating zero
    EXPECT_EQ(GetBuildStamp(narrow, 40), 1340);
    EXPECT_STREQ(narrow, "Jan 16 2013, 15:49:18");
    EXPECT_EQ(narrow[22], '#');
    char16_t wide[40];
    std::fill(std::begin(wide), std::end(wide), u'#');
    EXPECT_EQ(GetBuildStampW(wide, 40), 1340);
    EXPECT_EQ(std::u16string(wide), u"Jan 16 2013, 15:49:18");
    EXPECT_EQ(GetLibraryVersion(), 1340);
}

TEST_F(FrameTest, LocksAreSetUpOnFirstUseAndReleasedLastToFirst) {
    EXPECT_EQ(ImageLibLock[kBmpLock].initialised, 0);
    {
        ImageLock outer(kBmpLock);
        ImageLock inner(kBmpLock);  // the same thread may enter again
        EXPECT_EQ(ImageLibLock[kBmpLock].initialised, 1);
    }
    ReleaseImageLibLocks();
    EXPECT_EQ(ImageLibLock[kBmpLock].initialised, 0);
}

}  // namespace
}  // namespace imagingtest
