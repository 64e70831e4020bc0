// Reading bitmap files into an image the caller allocated.
//
// Stored rows are read in file order. Of a picture taller than the working
// rectangle only the top rows are kept (the last stored rows of a bottom-up
// file, the first of a top-down one), so either order yields the picture's
// top-left corner; the rows fill the rectangle from its bottom row upward.
#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "imaging/bmp/bmp.h"
#include "imaging/bmp/bmp_internal.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "imaging/frame/packed_rows.h"

namespace {

constexpr int32_t kMaxSide = 65535;

bool DepthsMatch(int32_t imageBits, int32_t fileBits) {
    return imageBits == fileBits || (imageBits == 8 && fileBits == 4) ||
           (imageBits == 24 && (fileBits == 16 || fileBits == 32));
}

int32_t ReadRows(ImageStream& in, ImageDesc& image, BmpRowKind kind) {
    const BmpReadState& state = bmpReadState;
    const win::BITMAPINFOHEADER& file = state.header;
    const int32_t fileRows = file.biHeight;
    const int32_t rows = std::min(RectHeight(image), fileRows);
    const int32_t columns = std::min(RectWidth(image), static_cast<int32_t>(file.biWidth));
    const bool rle = kind == kBmpRowRle4 || kind == kBmpRowRle8;
    const std::size_t padded =
        (static_cast<std::size_t>(file.biBitCount) * static_cast<std::size_t>(file.biWidth) + 31) /
        32 * 4;
    StreamReader reader(in, std::max(kBmpBufferBytes, rle ? 2 * padded : padded));
    // Some writers encode a row's padding too: run-length rows may reach the
    // padded width, and what lies behind the picture's width is dropped.
    const std::size_t rlePixels = kind == kBmpRowRle4 ? 2 * padded : padded;
    ImageBuffer rleRow(rle ? rlePixels : 0);
    if (!reader.ok() || (rle && rleRow.data() == nullptr)) return IMG_NO_MEMORY;

    // Stored row r goes to picture line `line` of the rectangle, or nowhere.
    const int32_t firstKept = state.topDown ? 0 : fileRows - rows;
    const int32_t lastRow = state.topDown ? rows : fileRows;  // rows past it are not needed
    for (int32_t r = 0; r < lastRow; ++r) {
        const bool kept = r >= firstKept;
        const int32_t line =
            state.topDown ? image.endY - rows + 1 + r : image.endY - (r - firstKept);
        uint8_t* out = kept ? ImageRow(image, line) : nullptr;
        if (rle) {
            uint8_t* row = rleRow.data();
            // Pixels a delta skips keep the image's values.
            std::memset(row, 0, rleRow.size());
            if (kept) std::memcpy(row, out + image.startX, static_cast<std::size_t>(columns));
            bool endOfBitmap = false;
            const int32_t status = DecodeRleRow(reader, kind == kBmpRowRle4, row,
                                                static_cast<uint32_t>(rlePixels), &endOfBitmap);
            if (kept) std::memcpy(out + image.startX, row, static_cast<std::size_t>(columns));
            if (status != IMG_OK) return status;
            if (endOfBitmap) return IMG_OK;  // rows not reached keep their values
            continue;
        }
        if (!reader.Need(padded)) return IMG_IO_ERROR;  // the rows already stored stay
        if (kept) {
            StoreBmpRow(kind, file.biBitCount, reader.Data(), out, image.startX, columns,
                        state.masks);
        }
        reader.Consume(padded);
    }
    return IMG_OK;
}

void TakePalette(const ImageSource& source, ImageDesc& image) {
    const int32_t bits = image.header->biBitCount;
    if (bits > 8 || image.palette == nullptr) return;
    win::RGBQUAD table[256];
    const int32_t count = ReadBmpPalette(source, table);
    if (count <= 0) return;
    const int32_t kept = std::min(count, 1 << bits);
    std::copy(table, table + kept, image.palette);
    image.colorCount = kept;
    image.flags =
        IsGreyPalette(&image) ? (image.flags | IMG_FLAG_GREY) : (image.flags & ~IMG_FLAG_GREY);
    if (image.dibSection != nullptr) (void)SetDibSectionPalette(&image);
}

int32_t LoadBmpCore(const ImageSource& source, ImageDesc* image) {
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    ImageLock lock(kBmpLock);
    status = ReadBmpHeader(source);
    if (status != IMG_OK) return status;
    const win::BITMAPINFOHEADER& file = bmpReadState.header;
    if (file.biWidth <= 0 || file.biHeight <= 0) return IMG_NO_BITMAP_DATA;
    if (file.biWidth > kMaxSide || file.biHeight > kMaxSide) return IMG_TOO_LARGE;
    if (!DepthsMatch(image->header->biBitCount, file.biBitCount)) return IMG_BAD_BIT_DEPTH;
    const BmpRowKind kind = BmpRowKindFor(file.biBitCount, file.biCompression);
    if (kind == kBmpRowNone) return IMG_BAD_RLE;

    ImageStream in;
    status = OpenImageSource(source, &in);
    if (status != IMG_OK) return IMG_NOT_THIS_FORMAT;
    if (bmpReadState.pixelOffset > INT32_MAX ||
        SeekStream(in, static_cast<int32_t>(bmpReadState.pixelOffset), 0) < 0) {
        status = IMG_IO_ERROR;
    } else {
        status = ReadRows(in, *image, kind);
    }
    CloseImageStream(&in);
    // The colour table goes with whatever rows arrived.
    TakePalette(source, *image);
    return status;
}

}  // namespace

int32_t LoadBmp(const char* fileName, ImageDesc* image) {
    return LoadBmpCore(AnsiSource(fileName), image);
}

int32_t LoadBmpW(const char16_t* fileName, ImageDesc* image) {
    return LoadBmpCore(WideSource(fileName), image);
}

int32_t LoadBmpFromMemory(const void* block, ImageDesc* image) {
    return LoadBmpCore(MemorySource(block), image);
}
