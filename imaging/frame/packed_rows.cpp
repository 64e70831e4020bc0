// Packed 1-bit runs and the vertical flip of a working rectangle.
#include "imaging/frame/packed_rows.h"

#include <algorithm>
#include <cstring>

#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"

namespace {

// Mask of the bits [from, to) of one byte, bit 0 being the most significant.
uint8_t BitsMask(uint32_t from, uint32_t to) {
    return static_cast<uint8_t>((0xFFu >> from) & ~(0xFFu >> to));
}

}  // namespace

void GetPackedRun(uint8_t* destination, const uint8_t* row, uint32_t bitOffset, uint32_t count) {
    if (count == 0) return;
    const uint8_t* src = row + bitOffset / 8;
    const uint32_t shift = bitOffset % 8;
    const uint32_t fullBytes = count / 8;
    const uint32_t tailBits = count % 8;
    const uint32_t outBytes = fullBytes + (tailBits != 0 ? 1 : 0);
    // The last source byte the run touches; nothing past it is read.
    const uint32_t lastSource = (shift + count - 1) / 8;
    for (uint32_t i = 0; i < outBytes; ++i) {
        uint32_t value = static_cast<uint32_t>(src[i]) << shift;
        if (shift != 0 && i + 1 <= lastSource) value |= src[i + 1] >> (8 - shift);
        destination[i] = static_cast<uint8_t>(value);
    }
    if (tailBits != 0) destination[outBytes - 1] &= BitsMask(0, tailBits);
}

void PutPackedRun(uint8_t* row, const uint8_t* source, uint32_t bitOffset, uint32_t count) {
    if (count == 0) return;
    uint8_t* dst = row + bitOffset / 8;
    const uint32_t shift = bitOffset % 8;
    const uint32_t end = shift + count;  // in bits from the first destination byte's top
    const uint32_t lastByte = (end - 1) / 8;
    const uint32_t sourceBytes = (count + 7) / 8;
    for (uint32_t i = 0; i <= lastByte; ++i) {
        // Destination byte i takes the source bits [8i - shift, 8i - shift + 8).
        uint32_t value = 0;
        if (shift != 0 && i > 0) value |= static_cast<uint32_t>(source[i - 1]) << (8 - shift);
        if (i < sourceBytes) value |= source[i] >> shift;
        const uint32_t from = i == 0 ? shift : 0;
        const uint32_t to = i == lastByte ? end - 8 * lastByte : 8;
        const uint8_t mask = BitsMask(from, to);
        dst[i] = static_cast<uint8_t>((dst[i] & ~mask) | (value & mask));
    }
}

void SetBitRun(uint32_t bitOffset, uint8_t* row, uint32_t count, uint32_t rowBits) {
    if (bitOffset >= rowBits) return;
    count = std::min(count, rowBits - bitOffset);
    uint32_t bit = bitOffset;
    const uint32_t end = bitOffset + count;
    while (bit < end) {
        const uint32_t inByte = bit % 8;
        const uint32_t to = std::min<uint32_t>(8, inByte + (end - bit));
        row[bit / 8] |= BitsMask(inByte, to);
        bit += to - inByte;
    }
}

void ClearBitRun(uint8_t* row, uint32_t bitOffset, uint32_t count) {
    uint32_t bit = bitOffset;
    const uint32_t end = bitOffset + count;
    while (bit < end) {
        const uint32_t inByte = bit % 8;
        const uint32_t to = std::min<uint32_t>(8, inByte + (end - bit));
        row[bit / 8] &= static_cast<uint8_t>(~BitsMask(inByte, to));
        bit += to - inByte;
    }
}

int32_t FlipRectVertical(ImageDesc* source, ImageDesc* result) {
    int32_t status = CheckImagePair(source);
    if (status != IMG_OK) return status;
    status = CheckImagePair(result);
    if (status != IMG_OK) return status;
    const int32_t bits = source->header->biBitCount;
    if (bits != result->header->biBitCount) return IMG_BAD_BIT_DEPTH;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, result, &rows, &columns);
    const uint32_t rowBytes = bits == 1 ? (static_cast<uint32_t>(columns) + 7) / 8
                                        : static_cast<uint32_t>(columns) * (bits / 8);
    ImageBuffer kept(rowBytes);
    ImageBuffer moved(rowBytes);
    if (kept.data() == nullptr || moved.data() == nullptr) return IMG_NO_MEMORY;

    auto take = [&](const ImageDesc& image, int32_t y, uint8_t* out) {
        const uint8_t* row = ImageRow(image, y);
        if (bits == 1) {
            GetPackedRun(out, row, static_cast<uint32_t>(image.startX),
                         static_cast<uint32_t>(columns));
        } else {
            std::memcpy(out, row + static_cast<std::size_t>(image.startX) * (bits / 8), rowBytes);
        }
    };
    auto put = [&](const ImageDesc& image, int32_t y, const uint8_t* in) {
        uint8_t* row = ImageRow(image, y);
        if (bits == 1) {
            PutPackedRun(row, in, static_cast<uint32_t>(image.startX),
                         static_cast<uint32_t>(columns));
        } else {
            std::memcpy(row + static_cast<std::size_t>(image.startX) * (bits / 8), in, rowBytes);
        }
    };
    int32_t sourceTop = source->startY;
    int32_t sourceBottom = source->startY + rows - 1;
    int32_t resultTop = result->startY;
    int32_t resultBottom = result->startY + rows - 1;
    for (int32_t step = 0; step < (rows + 1) / 2; ++step) {
        take(*source, sourceTop, kept.data());
        take(*source, sourceBottom, moved.data());
        put(*result, resultTop, moved.data());
        put(*result, resultBottom, kept.data());
        ++sourceTop;
        --sourceBottom;
        ++resultTop;
        --resultBottom;
    }
    return IMG_OK;
}
