// Step masks, nearest-neighbour scaling, mirroring and the row walk.
#include "imaging/geometry/geometry.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "imaging/bridges/image_copies.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/packed_rows.h"

namespace {

int32_t Bits(const ImageDesc& image) {
    return image.header->biBitCount;
}

bool BitAt(const uint8_t* row, int32_t x) {
    return ((row[x / 8] >> (7 - x % 8)) & 1) != 0;
}

void SetBitAt(uint8_t* row, int32_t x, bool on) {
    const auto mask = static_cast<uint8_t>(0x80 >> (x % 8));
    row[x / 8] = static_cast<uint8_t>(on ? row[x / 8] | mask : row[x / 8] & ~mask);
}

// One destination row from one source row by the column mask.
void ScaleRow(const StepMask& columns, int32_t bits, const uint8_t* src, int32_t srcX, uint8_t* dst,
              int32_t dstX, int32_t dstWidth) {
    const int32_t bytes = bits / 8;
    int32_t s = 0;  // source pixel
    int32_t d = 0;  // destination pixel
    int32_t last = 0;
    if (bits == 1) ClearBitRun(dst, static_cast<uint32_t>(dstX), static_cast<uint32_t>(dstWidth));
    for (int32_t i = 0; i < columns.length && d < dstWidth; ++i) {
        const bool set = columns.Bit(i);
        int32_t from = -1;
        if (columns.enlarging) {
            if (set) last = s++;
            from = last;
        } else {
            if (set) from = i;
            s = i + 1;
        }
        if (from < 0) continue;
        if (bits == 1) {
            if (BitAt(src, srcX + from)) SetBitAt(dst, dstX + d, true);
        } else {
            std::memcpy(dst + static_cast<std::size_t>((dstX + d) * bytes),
                        src + static_cast<std::size_t>((srcX + from) * bytes),
                        static_cast<std::size_t>(bytes));
        }
        ++d;
    }
}

int32_t ScaleInto(ImageDesc& source, ImageDesc& target, const StepMask& columns,
                  const StepMask& rows) {
    const int32_t bits = Bits(source);
    const int32_t width = RectWidth(target);
    const int32_t height = RectHeight(target);
    int32_t sy = 0;
    int32_t dy = 0;
    for (int32_t i = 0; i < rows.length && dy < height; ++i) {
        const bool set = rows.Bit(i);
        uint8_t* dst = ImageRow(target, target.startY + dy);
        if (set) {
            ScaleRow(columns, bits, ImageRow(source, source.startY + sy), source.startX, dst,
                     target.startX, width);
            ++sy;
            ++dy;
        } else if (rows.enlarging) {
            const uint8_t* above = ImageRow(target, target.startY + dy - 1);
            if (bits == 1) {
                const int32_t first = target.startX / 8;
                const int32_t last = (target.startX + width - 1) / 8;
                std::memcpy(dst + first, above + first, static_cast<std::size_t>(last - first + 1));
            } else {
                const std::size_t bytes = static_cast<std::size_t>(bits / 8);
                std::memcpy(dst + static_cast<std::size_t>(target.startX) * bytes,
                            above + static_cast<std::size_t>(target.startX) * bytes,
                            static_cast<std::size_t>(width) * bytes);
            }
            ++dy;
        } else {
            ++sy;
        }
    }
    return IMG_OK;
}

}  // namespace

int32_t BuildStepMask(int32_t destination, int32_t source, StepMask* mask) {
    if (mask == nullptr || destination <= 0 || source <= 0) return IMG_BAD_ARGUMENT;
    const int32_t n = std::max(destination, source);
    const int64_t small = std::min(destination, source);
    const int64_t big = n;
    mask->bits.assign(static_cast<std::size_t>(n), 0);
    mask->length = n;
    mask->enlarging = destination >= source;
    mask->bits[0] = 0x80;
    int64_t sum = small;
    int64_t limit = big;
    for (int32_t i = 1; i < n; ++i) {
        sum += small;
        if (sum > limit) {
            mask->bits[static_cast<std::size_t>(i) / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
            limit += big;
        }
    }
    return IMG_OK;
}

int32_t ScaleNearest(ImageDesc* source, ImageDesc* destination) {
    int32_t status = CheckImagePair(source);
    if (status == IMG_OK) status = CheckImagePair(destination);
    if (status != IMG_OK) return status;
    if (Bits(*source) != Bits(*destination)) return IMG_BAD_BIT_DEPTH;
    if (RectWidth(*destination) <= 0 || RectHeight(*destination) <= 0) return IMG_BAD_ARGUMENT;
    StepMask columns;
    StepMask rows;
    if (BuildStepMask(RectWidth(*destination), RectWidth(*source), &columns) != IMG_OK ||
        BuildStepMask(RectHeight(*destination), RectHeight(*source), &rows) != IMG_OK) {
        return IMG_NO_MEMORY;
    }
    if (ImagesOverlap(source, destination) != 0) {
        ImageDesc temporary;
        status = AllocImage(&temporary, RectWidth(*destination), RectHeight(*destination),
                            Bits(*destination));
        if (status != IMG_OK) return status;
        (void)ScaleInto(*source, temporary, columns, rows);
        status = CopyImageRectOnly(&temporary, destination);
        FreeImage(&temporary);
    } else {
        status = ScaleInto(*source, *destination, columns, rows);
    }
    const int32_t palette = CopyImagePaletteOnly(source, destination);
    return status != IMG_OK ? status : palette;
}

void GeometryRowCallback(uint8_t* destination, const uint8_t* source, int32_t width,
                         int32_t argument) {
    if (argument == 0) {
        // 1-bit rows, aligned: rebuilt from the last bit to the first.
        std::memset(destination, 0, static_cast<std::size_t>((width + 7) / 8));
        for (int32_t x = 0; x < width; ++x) {
            if (BitAt(source, width - 1 - x)) SetBitAt(destination, x, true);
        }
        return;
    }
    const auto bytes = static_cast<std::size_t>(argument);
    const std::size_t count = static_cast<std::size_t>(width) * bytes;
    std::memmove(destination, source, count);
    for (std::size_t left = 0, right = count - bytes; left < right; left += bytes, right -= bytes) {
        for (std::size_t k = 0; k < bytes; ++k)
            std::swap(destination[left + k], destination[right + k]);
    }
}

int32_t TransformRows(int32_t checkKind, ImageDesc* source, ImageDesc* destination, RowRoutine row,
                      int32_t argument) {
    int32_t status = checkKind == 1 ? CheckImagePair(source) : CheckImage(source);
    if (status == IMG_OK)
        status = checkKind == 1 ? CheckImagePair(destination) : CheckImage(destination);
    if (status != IMG_OK) return status;
    if (Bits(*source) != Bits(*destination)) return IMG_BAD_BIT_DEPTH;
    const int32_t width = std::min(RectWidth(*source), RectWidth(*destination));
    const int32_t height = std::min(RectHeight(*source), RectHeight(*destination));
    const int32_t bits = Bits(*source);
    std::vector<uint8_t> buffer;
    if (bits == 1) {
        const std::size_t rowBytes = static_cast<std::size_t>((width + 7) / 8);
        buffer.resize(2 * rowBytes + 16);
        for (int32_t y = 0; y < height; ++y) {
            uint8_t* in = buffer.data();
            uint8_t* out = buffer.data() + rowBytes + 8;
            GetPackedRun(in, ImageRow(*source, source->startY + y),
                         static_cast<uint32_t>(source->startX), static_cast<uint32_t>(width));
            row(out, in, width, argument);
            PutPackedRun(ImageRow(*destination, destination->startY + y), out,
                         static_cast<uint32_t>(destination->startX), static_cast<uint32_t>(width));
        }
        return IMG_OK;
    }
    const std::size_t bytes = static_cast<std::size_t>(bits / 8);
    for (int32_t y = 0; y < height; ++y) {
        row(ImageRow(*destination, destination->startY + y) +
                static_cast<std::size_t>(destination->startX) * bytes,
            ImageRow(*source, source->startY + y) +
                static_cast<std::size_t>(source->startX) * bytes,
            width, argument);
    }
    return IMG_OK;
}

int32_t MirrorImage(ImageDesc* source, ImageDesc* destination) {
    const int32_t bits = source != nullptr && source->header != nullptr ? Bits(*source) : 0;
    return TransformRows(1, source, destination, &GeometryRowCallback, bits / 8);
}

int32_t ImagesOverlap(const ImageDesc* a, const ImageDesc* b) {
    if (a == nullptr || b == nullptr || a->bits == nullptr || b->bits == nullptr) return 0;
    if (a->stride != b->stride) return 0;
    if (a->endX < b->startX || b->endX < a->startX) return 0;
    const auto span = [](const ImageDesc* i, int32_t y) {
        return reinterpret_cast<uintptr_t>(i->bits) +
               static_cast<uintptr_t>(static_cast<int64_t>(y) * i->stride);
    };
    const uintptr_t a0 = span(a, a->startY), a1 = span(a, a->endY);
    const uintptr_t b0 = span(b, b->startY), b1 = span(b, b->endY);
    return a0 <= b1 && b0 <= a1 ? 1 : 0;
}
