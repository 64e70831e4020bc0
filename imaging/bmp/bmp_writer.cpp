// Writing bitmap files: headers, colour table, and the working rectangle's
// rows from its bottom row up, plain or BI_RLE8.
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

constexpr uint32_t kHeadersBytes = 54;

// The colour-table entries written: the smaller of the header's count and the
// descriptor's, never more than the table holds; none for 24 bits.
uint32_t TableEntries(const ImageDesc& image) {
    const int32_t bits = image.header->biBitCount;
    if (bits > 8) return 0;
    const int32_t n = std::min(PaletteColorCount(image.header), image.colorCount);
    return static_cast<uint32_t>(std::clamp(n, 0, 1 << bits));
}

void PutHeaders(const ImageDesc& image, int32_t width, int32_t height, uint32_t entries,
                bool runLength, uint32_t fileSize, uint8_t* out) {
    const uint32_t offBits = kHeadersBytes + 4 * entries;
    bytes::Writer w(out, kHeadersBytes);
    w.U16(0x4D42);  // "BM"
    w.U32(fileSize);
    w.U16(0);
    w.U16(0);
    w.U32(offBits);
    w.U32(40);
    w.I32(width);
    w.I32(height);  // positive: rows bottom-up
    w.U16(1);
    w.U16(image.header->biBitCount);
    w.U32(runLength ? win::BI_RLE8 : win::BI_RGB);
    w.U32(fileSize - offBits);
    w.I32(image.header->biXPelsPerMeter);
    w.I32(image.header->biYPelsPerMeter);
    w.U32(entries);
    w.U32(entries);
}

int32_t WriteRows(ImageStream& out, const ImageDesc& image, bool runLength) {
    const int32_t bits = image.header->biBitCount;
    const auto width = static_cast<uint32_t>(RectWidth(image));
    const uint32_t rowBytes = bits == 1 ? (width + 7) / 8 : width * static_cast<uint32_t>(bits / 8);
    const uint32_t padded = (width * static_cast<uint32_t>(bits) + 31) / 32 * 4;
    const std::size_t slot = runLength ? 2 * std::size_t{padded} + 2 : padded;
    const std::size_t flushAt = std::max(kBmpBufferBytes, slot);
    ImageBuffer buffer(flushAt + slot + 2);
    if (buffer.data() == nullptr) return IMG_NO_MEMORY;
    std::size_t collected = 0;
    for (int32_t y = image.endY; y >= image.startY; --y) {
        const uint8_t* row = ImageRow(image, y);
        uint8_t* at = buffer.data() + collected;
        if (runLength) {
            collected += EncodeRle8Row(row + image.startX, width, at);
        } else {
            if (bits == 1) {
                GetPackedRun(at, row, static_cast<uint32_t>(image.startX), width);
            } else {
                std::memcpy(at, row + static_cast<std::size_t>(image.startX) * (bits / 8),
                            rowBytes);
            }
            std::memset(at + rowBytes, 0, padded - rowBytes);
            collected += padded;
        }
        if (collected >= flushAt - slot) {
            if (WriteBytes(out, buffer.data(), collected) != IMG_OK) return IMG_IO_ERROR;
            collected = 0;
        }
    }
    if (runLength) {
        buffer.data()[collected++] = 0;  // end of bitmap
        buffer.data()[collected++] = 1;
    }
    return WriteBytes(out, buffer.data(), collected);
}

int32_t SaveBmpCore(const ImageTarget& target, ImageDesc* image, int32_t runLength) {
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    ImageLock lock(kBmpLock);
    ImageStream out;
    status = OpenImageTarget(target, &out);
    if (status != IMG_OK) return status;
    const bool rle = runLength != 0;
    if (rle && image->header->biBitCount != 8) return FinishImageTarget(target, &out, IMG_BAD_RLE);

    const uint32_t entries = TableEntries(*image);
    if (SeekStream(out, kHeadersBytes, 0) < 0) return FinishImageTarget(target, &out, IMG_IO_ERROR);
    status = WriteBytes(out, image->palette, 4 * std::size_t{entries});
    if (status == IMG_OK) status = WriteRows(out, *image, rle);
    if (status == IMG_OK) {
        const int64_t fileSize = SeekStream(out, 0, 1);
        uint8_t headers[kHeadersBytes];
        PutHeaders(*image, RectWidth(*image), RectHeight(*image), entries, rle,
                   static_cast<uint32_t>(fileSize), headers);
        if (fileSize < 0 || SeekStream(out, 0, 0) != 0) {
            status = IMG_IO_ERROR;
        } else {
            status = WriteBytes(out, headers, sizeof headers);
        }
    }
    return FinishImageTarget(target, &out, status);
}

}  // namespace

int32_t SaveBmp(const char* fileName, ImageDesc* image, int32_t runLength) {
    return SaveBmpCore(AnsiTarget(fileName), image, runLength);
}

int32_t SaveBmpW(const char16_t* fileName, ImageDesc* image, int32_t runLength) {
    return SaveBmpCore(WideTarget(fileName), image, runLength);
}

int32_t SaveBmpToMemory(void** block, ImageDesc* image, int32_t runLength) {
    return SaveBmpCore(MemoryTarget(block), image, runLength);
}
