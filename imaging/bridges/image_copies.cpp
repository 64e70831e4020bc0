// Rectangle copies between images and of colour tables.
#include "imaging/bridges/image_copies.h"

#include <algorithm>
#include <cstring>

#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"
#include "imaging/frame/packed_rows.h"

namespace {

int32_t CopyImageRectCore(ImageDesc* source, ImageDesc* result) {
    int32_t status = CheckImagePair(source);
    if (status == IMG_OK) status = CheckImagePair(result);
    if (status != IMG_OK) return status;
    const int32_t bits = source->header->biBitCount;
    if (bits != result->header->biBitCount) return IMG_BAD_BIT_DEPTH;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, result, &rows, &columns);
    const auto n = static_cast<uint32_t>(columns);
    ImageBuffer line(bits == 1 ? (n + 7) / 8 : 0);
    if (bits == 1 && line.data() == nullptr) return IMG_NO_MEMORY;
    // Copy away from the overlap: top down when the source lies at or below
    // the result, else bottom up.
    const bool downward = source->startY >= result->startY;
    for (int32_t k = 0; k < rows; ++k) {
        const int32_t r = downward ? k : rows - 1 - k;
        const uint8_t* from = ImageRow(*source, source->startY + r);
        uint8_t* to = ImageRow(*result, result->startY + r);
        if (bits == 1) {
            GetPackedRun(line.data(), from, static_cast<uint32_t>(source->startX), n);
            PutPackedRun(to, line.data(), static_cast<uint32_t>(result->startX), n);
        } else {
            const std::size_t pixel = static_cast<std::size_t>(bits / 8);
            std::memmove(to + pixel * static_cast<std::size_t>(result->startX),
                         from + pixel * static_cast<std::size_t>(source->startX), pixel * n);
        }
    }
    return IMG_OK;
}

}  // namespace

void CopyImageAttributes(const ImageDesc* source, ImageDesc* result) {
    const int32_t fromBits = source->header->biBitCount;
    const int32_t toBits = result->header->biBitCount;
    if (source->palette == nullptr || result->palette == nullptr || fromBits > 8 || toBits > 8) {
        return;
    }
    const int32_t n = std::clamp(source->colorCount, 0, 1 << toBits);
    std::memmove(result->palette, source->palette, static_cast<std::size_t>(n) * 4);
    result->colorCount = n;
    result->flags = (result->flags & ~IMG_FLAG_GREY) | (source->flags & IMG_FLAG_GREY);
    if (result->dibSection != nullptr) (void)SetDibSectionPalette(result);
}

int32_t CopyImageRect(ImageDesc* source, ImageDesc* result) {
    const int32_t status = CopyImageRectCore(source, result);
    if (status == IMG_OK) CopyImageAttributes(source, result);
    return status;
}

int32_t CopyImageRectOnly(ImageDesc* source, ImageDesc* result) {
    return CopyImageRectCore(source, result);
}

int32_t CopyImagePaletteOnly(ImageDesc* source, ImageDesc* result) {
    int32_t status = CheckImagePair(source);
    if (status == IMG_OK) status = CheckImagePair(result);
    if (status == IMG_OK) CopyImageAttributes(source, result);
    return status;
}
