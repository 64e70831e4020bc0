// Bilevel and deep-grey conversions.
#include "imaging/colour/bilevel_grey.h"

#include <algorithm>
#include <cstring>

#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"
#include "imaging/frame/packed_rows.h"

namespace {

constexpr uint8_t kOrderedDitherMatrix[8][8] = {
    {0, 38, 9, 47, 2, 40, 11, 50},  {25, 12, 35, 22, 27, 15, 37, 24},
    {6, 44, 3, 41, 8, 47, 5, 43},   {31, 19, 28, 15, 34, 21, 31, 18},
    {1, 39, 11, 49, 0, 39, 10, 48}, {27, 14, 36, 23, 26, 13, 35, 23},
    {7, 46, 4, 43, 7, 45, 3, 42},   {33, 20, 30, 17, 32, 19, 29, 16},
};
// Indexed by left x 4 + own x 2 + right, each 1 for white.
constexpr uint8_t kBilevelSmoothTable[8] = {0, 42, 170, 212, 42, 85, 212, 255};

uint8_t Clamp(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

bool HasGreyFlag(const ImageDesc& image) {
    return (image.flags & IMG_FLAG_GREY) != 0;
}

// Stucki: a share of the error to each of twelve neighbours, (error x 2^shift) / 42.
void Diffuse(uint8_t* row0, uint8_t* row1, uint8_t* row2, int32_t x, int error) {
    static constexpr int kNext[2] = {3, 2};            // x + 1, x + 2
    static constexpr int kBelow[5] = {1, 2, 3, 2, 1};  // x - 2 .. x + 2
    static constexpr int kTwoBelow[5] = {0, 1, 2, 1, 0};
    for (int k = 0; k < 2; ++k)
        row0[x + 3 + k] = Clamp(row0[x + 3 + k] + error * (1 << kNext[k]) / 42);
    for (int k = 0; k < 5; ++k) {
        row1[x + k] = Clamp(row1[x + k] + error * (1 << kBelow[k]) / 42);
        row2[x + k] = Clamp(row2[x + k] + error * (1 << kTwoBelow[k]) / 42);
    }
}

int32_t Window(uint32_t bound1, uint32_t bound2, const ImageDesc& source, ImageDesc& destination,
               int sourceBytes) {
    const uint64_t low = std::min(bound1, bound2);
    const uint64_t high = std::max(bound1, bound2);
    if (low == high) return IMG_OUT_OF_RANGE;
    const int outBytes = destination.header->biBitCount / 8;
    const uint64_t max = outBytes == 1 ? 255 : 65535;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(&source, &destination, &rows, &columns);
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* from = ImageRow(source, source.startY + y) +
                              sourceBytes * static_cast<std::size_t>(source.startX);
        uint8_t* to = ImageRow(destination, destination.startY + y) +
                      outBytes * static_cast<std::size_t>(destination.startX);
        for (int32_t x = 0; x < columns; ++x) {
            uint64_t v = 0;
            for (int b = sourceBytes - 1; b >= 0; --b) v = v << 8 | from[sourceBytes * x + b];
            const uint64_t out = v <= low    ? 0
                                 : v >= high ? max
                                             : ((v - low) * max + (high - low) / 2) / (high - low);
            to[outBytes * x] = static_cast<uint8_t>(out);
            if (outBytes == 2) to[2 * x + 1] = static_cast<uint8_t>(out >> 8);
        }
    }
    return IMG_OK;
}

}  // namespace

int32_t ConvertToBilevel(int32_t mode, ImageDesc* source, ImageDesc* destination,
                         const uint8_t* matrix) {
    int32_t status = CheckImage(source);
    if (status == IMG_OK) status = CheckImagePair(destination);
    if (status != IMG_OK) return status;
    if (source->header->biBitCount != 8 || destination->header->biBitCount != 1)
        return IMG_BAD_BIT_DEPTH;
    if (mode == kBilevelMatrix && matrix == nullptr) return IMG_BAD_ARGUMENT;
    uint8_t thresholds[8][8];
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            thresholds[r][c] =
                mode == kBilevelMatrix ? matrix[8 * r + c] : kOrderedDitherMatrix[r][c] * 5;
    const bool ordered = mode == kBilevelOrdered || mode == kBilevelMatrix;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);

    // A colour picture is read through its grey values.
    ImageDesc grey;
    ImageDesc* from = source;
    if (!HasGreyFlag(*source) && !IsGreyPalette(source)) {
        status = AllocImageGlobal(&grey, columns, rows, 8);
        if (status == IMG_OK) status = ConvertToGrey(source, &grey);
        if (status != IMG_OK) {
            FreeImage(&grey);
            return status;
        }
        from = &grey;
    }
    const std::size_t width = static_cast<std::size_t>(columns);
    ImageBuffer work(width + (width + 7) / 8 + 3 * (width + 4));
    if (work.data() == nullptr) {
        if (from == &grey) FreeImage(&grey);
        return IMG_NO_MEMORY;
    }
    uint8_t* row = work.data();
    uint8_t* bits = row + width;
    uint8_t* lines[3] = {bits + (width + 7) / 8, bits + (width + 7) / 8 + width + 4,
                         bits + (width + 7) / 8 + 2 * (width + 4)};
    const int32_t bottom = from->header->biHeight - 1;
    auto sourceRow = [&](int32_t pass) {
        return ImageRow(*from, std::min(from->startY + pass, bottom)) + from->startX;
    };
    auto emit = [&](int32_t line) {
        PutPackedRun(ImageRow(*destination, destination->startY + line), bits,
                     static_cast<uint32_t>(destination->startX), static_cast<uint32_t>(columns));
    };
    if (mode == kBilevelDiffused) {
        // Output lags two rows behind the rows taken, whose values the error reaches.
        for (int32_t pass = 0; pass < rows + 2; ++pass) {
            std::memset(lines[2], 0, width + 4);
            std::memcpy(lines[2] + 2, sourceRow(pass), width);
            if (pass >= 2) {
                std::memset(bits, 0, (width + 7) / 8);
                for (int32_t x = 0; x < columns; ++x) {
                    const int v = lines[0][x + 2];
                    const bool white = v >= 128;
                    if (white) bits[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                    Diffuse(lines[0], lines[1], lines[2], x, white ? v - 255 : v);
                }
                emit(pass - 2);
            }
            std::rotate(lines, lines + 1, lines + 3);
        }
    } else {
        for (int32_t y = 0; y < rows; ++y) {
            std::memcpy(row, sourceRow(y), width);
            std::memset(bits, 0, (width + 7) / 8);
            for (int32_t x = 0; x < columns; ++x) {
                const bool white = ordered ? row[x] > thresholds[y & 7][x & 7] : row[x] >= 128;
                if (white) bits[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
            emit(y);
        }
    }
    if (from == &grey) FreeImage(&grey);
    InitImagePalette(destination);
    return IMG_OK;
}

int32_t ConvertToBilevelDiffused(int32_t mode, ImageDesc* source, ImageDesc* destination) {
    return ConvertToBilevel(mode, source, destination, nullptr);
}

int32_t ConvertFromBilevel(ImageDesc* source, int32_t smoothing, ImageDesc* destination) {
    int32_t status = CheckImagePair(source);
    if (status == IMG_OK) status = CheckImage(destination);
    if (status != IMG_OK) return status;
    if (source->header->biBitCount != 1 || destination->header->biBitCount != 8)
        return IMG_BAD_BIT_DEPTH;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);
    if (smoothing != 0 && columns < 3) return IMG_BAD_ARGUMENT;
    ImageBuffer bits((static_cast<std::size_t>(columns) + 7) / 8);
    if (bits.data() == nullptr) return IMG_NO_MEMORY;
    for (int32_t y = 0; y < rows; ++y) {
        GetPackedRun(bits.data(), ImageRow(*source, source->startY + y),
                     static_cast<uint32_t>(source->startX), static_cast<uint32_t>(columns));
        uint8_t* out = ImageRow(*destination, destination->startY + y) + destination->startX;
        auto white = [&](int32_t x) { return (bits.data()[x / 8] >> (7 - x % 8)) & 1; };
        for (int32_t x = 0; x < columns; ++x) {
            const bool smoothed = smoothing != 0 && x > 0 && x < columns - 1;
            out[x] = smoothed ? kBilevelSmoothTable[white(x - 1) * 4 + white(x) * 2 + white(x + 1)]
                              : static_cast<uint8_t>(white(x) ? 255 : 0);
        }
    }
    InitImagePalette(destination);
    return IMG_OK;
}

int32_t ConvertFromBilevelPlain(ImageDesc* source, ImageDesc* destination) {
    return ConvertFromBilevel(source, 0, destination);
}

int32_t ConvertFromBilevelSmooth(ImageDesc* source, ImageDesc* destination) {
    return ConvertFromBilevel(source, 1, destination);
}

int32_t WindowGrey32(uint32_t bound1, uint32_t bound2, ImageDesc* source, ImageDesc* destination) {
    int32_t status = CheckImagePairSameSize(source);
    if (status == IMG_OK) status = CheckImagePairSameSize(destination);
    if (status != IMG_OK) return status;
    const int outBits = destination->header->biBitCount;
    if (source->header->biBitCount != 32 || (outBits != 8 && outBits != 16) ||
        !HasGreyFlag(*source) || !HasGreyFlag(*destination)) {
        return IMG_BAD_BIT_DEPTH;
    }
    return Window(bound1, bound2, *source, *destination, 4);
}

int32_t WindowGrey32Entry(uint32_t bound1, uint32_t bound2, ImageDesc* source,
                          ImageDesc* destination) {
    return WindowGrey32(bound1, bound2, source, destination);
}

int32_t Grey16ToGrey8(uint32_t bound1, uint32_t bound2, ImageDesc* source, ImageDesc* destination,
                      int32_t mode) {
    int32_t status = CheckImageTriple(source);
    if (status == IMG_OK) status = CheckImageTriple(destination);
    if (status != IMG_OK) return status;
    if (source->header->biBitCount != 16 || destination->header->biBitCount != 8 ||
        !HasGreyFlag(*source) || !HasGreyFlag(*destination)) {
        return IMG_BAD_BIT_DEPTH;
    }
    if (mode != 1)
        return Window(std::min(bound1, 65535u), std::min(bound2, 65535u), *source, *destination, 2);
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* from =
            ImageRow(*source, source->startY + y) + 2 * static_cast<std::size_t>(source->startX);
        uint8_t* to = ImageRow(*destination, destination->startY + y) + destination->startX;
        for (int32_t x = 0; x < columns; ++x) to[x] = from[2 * x + 1];  // the high byte
    }
    return IMG_OK;
}

int32_t Grey16HighByte(ImageDesc* source, ImageDesc* destination) {
    return Grey16ToGrey8(256, 65535, source, destination, 1);
}

int32_t Grey16Window(uint32_t bound1, uint32_t bound2, ImageDesc* source, ImageDesc* destination) {
    return Grey16ToGrey8(bound1, bound2, source, destination, 2);
}

int32_t Grey8ToGrey16(ImageDesc* source, ImageDesc* destination) {
    int32_t status = CheckImageTriple(source);
    if (status == IMG_OK) status = CheckImageTriple(destination);
    if (status != IMG_OK) return status;
    if (source->header->biBitCount != 8 || destination->header->biBitCount != 16)
        return IMG_BAD_BIT_DEPTH;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* from = ImageRow(*source, source->startY + y) + source->startX;
        uint8_t* to = ImageRow(*destination, destination->startY + y) +
                      2 * static_cast<std::size_t>(destination->startX);
        for (int32_t x = 0; x < columns; ++x) to[2 * x] = to[2 * x + 1] = from[x];  // value x 257
    }
    return IMG_OK;
}
