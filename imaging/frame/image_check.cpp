// Validation of a descriptor before any operation reads or writes through it.
//
// Linux cannot probe whether memory is readable, so the pixels must lie in a
// block this program knows: a live global block or a DIB section, holding
// every row. The header must lie in a live global block.
#include "imaging/frame/image_check.h"

#include <utility>

#include "platform/system/clipboard.h"

std::size_t ReadableBytesAt(const void* pointer) {
    const std::size_t global = win::GlobalBytesFrom(pointer);
    return global != 0 ? global : win::DibSectionBytesFrom(pointer);
}

int32_t CheckImageCore(ImageDesc* image, uint64_t acceptedDepths) {
    if (image == nullptr || image->bits == nullptr) return IMG_BAD_ARGUMENT;
    const std::size_t pixelBytes = ReadableBytesAt(image->bits);
    if (pixelBytes == 0) return IMG_UNREADABLE;
    if (image->header == nullptr || win::GlobalBytesFrom(image->header) < 40) {
        return IMG_BAD_ARGUMENT;
    }
    const win::BITMAPINFOHEADER& h = *image->header;

    if (image->startX > image->endX) std::swap(image->startX, image->endX);
    if (image->startY > image->endY) std::swap(image->startY, image->endY);

    // A rectangle starting left of or above the picture would make writers
    // read before the row.
    if (image->startX < 0 || image->startY < 0) return IMG_BAD_ARGUMENT;
    const int32_t maxColumn = h.biBitCount == 1 ? 65535 : 32768;
    if (image->endX >= h.biWidth || image->endX >= maxColumn) return IMG_BAD_ARGUMENT;
    if (image->endY >= 32768 || image->endY >= h.biHeight) return IMG_BAD_ARGUMENT;
    if (static_cast<int64_t>(h.biBitCount) * h.biWidth / 8 > static_cast<int64_t>(image->stride)) {
        return IMG_BAD_ARGUMENT;
    }
    if (static_cast<uint64_t>(image->stride) * static_cast<uint64_t>(h.biHeight) > pixelBytes) {
        return IMG_UNREADABLE;
    }
    if (h.biCompression != win::BI_RGB) return IMG_COMPRESSED_DIB;
    if (h.biBitCount > 63 || (acceptedDepths & DepthBit(h.biBitCount)) == 0) {
        return IMG_BAD_BIT_DEPTH;
    }
    return IMG_OK;
}

int32_t CheckImage(ImageDesc* image) {
    return CheckImageCore(image, DepthBit(8) | DepthBit(24));
}

int32_t CheckImagePair(ImageDesc* image) {
    return CheckImageCore(image, DepthBit(1) | DepthBit(8) | DepthBit(24));
}

int32_t CheckImageTriple(ImageDesc* image) {
    return CheckImageCore(image, DepthBit(1) | DepthBit(8) | DepthBit(16) | DepthBit(24));
}

int32_t CheckImagePairSameSize(ImageDesc* image) {
    return CheckImageCore(image,
                          DepthBit(1) | DepthBit(8) | DepthBit(16) | DepthBit(24) | DepthBit(32));
}
