// Rows of bitmap data: BI_RLE8 and BI_RLE4 run-length rows, uncompressed rows
// of every depth, and 16- and 32-bit pixels widened through their channel masks.
//
// Run-length data is a sequence of byte pairs: (count > 0, value) repeats the
// value (for BI_RLE4 its high and low nibble alternate); (0, 0) ends the row,
// (0, 1) the bitmap, (0, 2, dx, dy) skips pixels; (0, n >= 3) copies n literal
// pixels, padded to an even number of bytes.
#include <algorithm>
#include <bit>
#include <cstring>

#include "common/byte_io.h"
#include "imaging/bmp/bmp_internal.h"
#include "imaging/frame/packed_rows.h"

namespace {

constexpr uint32_t kPieceMax = 255;

// Writes the gathered single pixels: absolute mode for 3 or more, else one
// pair (1, value) each.
std::size_t PutLiteral(const uint8_t* pixels, uint32_t count, uint8_t* out) {
    std::size_t n = 0;
    if (count >= 3) {
        out[n++] = 0;
        out[n++] = static_cast<uint8_t>(count);
        std::memcpy(out + n, pixels, count);
        n += count;
        if (count % 2 != 0) out[n++] = 0;
    } else {
        for (uint32_t i = 0; i < count; ++i) {
            out[n++] = 1;
            out[n++] = pixels[i];
        }
    }
    return n;
}

// One piece of at most 255 pixels, encoded alone.
std::size_t EncodePiece(const uint8_t* pixels, uint32_t count, uint8_t* out) {
    std::size_t n = 0;
    uint32_t literalStart = 0;
    uint32_t literalCount = 0;
    uint32_t i = 0;
    while (i < count) {
        uint32_t run = 1;
        while (i + run < count && pixels[i + run] == pixels[i]) ++run;
        if (run == 1) {
            if (literalCount == 0) literalStart = i;
            ++literalCount;
        } else {
            n += PutLiteral(pixels + literalStart, literalCount, out + n);
            literalCount = 0;
            out[n++] = static_cast<uint8_t>(run);
            out[n++] = pixels[i];
        }
        i += run;
    }
    n += PutLiteral(pixels + literalStart, literalCount, out + n);
    return n;
}

uint32_t WidenChannel(uint32_t value, int width) {
    // Repeat the channel's bits until 8 are filled: a 5-bit v becomes v x 8 + v / 4.
    uint32_t acc = 0;
    int have = 0;
    while (have < 8) {
        acc = (acc << width) | value;
        have += width;
    }
    return (acc >> (have - 8)) & 0xFF;
}

uint8_t MaskedChannel(uint32_t pixel, uint32_t mask, int32_t bits) {
    if (mask == 0) return 0;
    const int low = std::countr_zero(mask);
    const int high = 31 - std::countl_zero(mask);
    const uint32_t value = pixel & mask;
    if (bits == 32) {
        // The mask's top 8 bits remain.
        return static_cast<uint8_t>(high >= 7 ? value >> (high - 7) : value << (7 - high));
    }
    const int width = high - low + 1;
    const uint32_t v = value >> low;
    if (width > 8) return static_cast<uint8_t>(v >> (width - 8));  // keeps the top 8 bits
    return static_cast<uint8_t>(WidenChannel(v, width));
}

}  // namespace

std::size_t EncodeRle8Row(const uint8_t* pixels, uint32_t count, uint8_t* out) {
    std::size_t n = 0;
    for (uint32_t start = 0; start < count; start += kPieceMax) {
        n += EncodePiece(pixels + start, std::min(kPieceMax, count - start), out + n);
    }
    out[n++] = 0;  // end of line
    out[n++] = 0;
    return n;
}

int32_t DecodeRleRow(StreamReader& in, bool fourBit, uint8_t* row, uint32_t width,
                     bool* endOfBitmap) {
    *endOfBitmap = false;
    uint32_t x = 0;
    for (;;) {
        if (!in.Need(2)) return IMG_IO_ERROR;
        const uint8_t count = in.Data()[0];
        const uint8_t value = in.Data()[1];
        in.Consume(2);
        if (count > 0) {
            for (uint32_t k = 0; k < count; ++k) {
                if (x >= width) return IMG_BAD_RLE;  // the rest of the run is dropped
                row[x++] = !fourBit ? value : (k % 2 == 0 ? value >> 4 : value & 0x0F);
            }
            continue;
        }
        if (value == 0) return IMG_OK;
        if (value == 1) {
            *endOfBitmap = true;
            return IMG_OK;
        }
        if (value == 2) {
            if (fourBit || !in.Need(2)) return IMG_BAD_RLE;
            const uint8_t dx = in.Data()[0];
            const uint8_t dy = in.Data()[1];
            in.Consume(2);
            if (dy != 0 || x + dx > width) return IMG_BAD_RLE;  // no row change; stay in the row
            x += dx;
            continue;
        }
        // A literal of `value` pixels.
        const uint32_t bytes = fourBit ? (value + 1u) / 2 : value;
        const uint32_t padded = (bytes + 1) & ~1u;
        if (!in.Need(padded)) return IMG_BAD_RLE;
        const uint8_t* data = in.Data();
        for (uint32_t k = 0; k < value; ++k) {
            if (x >= width) {
                in.Consume(padded);
                return IMG_BAD_RLE;
            }
            row[x++] = !fourBit ? data[k] : (k % 2 == 0 ? data[k / 2] >> 4 : data[k / 2] & 0x0F);
        }
        in.Consume(padded);
    }
}

void StoreBmpRow(BmpRowKind kind, int32_t fileBits, const uint8_t* data, uint8_t* out,
                 int32_t startX, int32_t columns, const uint32_t masks[3]) {
    const auto x0 = static_cast<std::size_t>(startX);
    const auto n = static_cast<std::size_t>(columns);
    switch (kind) {
        case kBmpRowPackedBits:
            PutPackedRun(out, data, static_cast<uint32_t>(startX), static_cast<uint32_t>(columns));
            break;
        case kBmpRowNibbles:
            for (std::size_t x = 0; x < n; ++x) {
                out[x0 + x] = x % 2 == 0 ? data[x / 2] >> 4 : data[x / 2] & 0x0F;
            }
            break;
        case kBmpRowBytes:
            std::memcpy(out + x0 * static_cast<std::size_t>(fileBits / 8), data,
                        n * static_cast<std::size_t>(fileBits / 8));
            break;
        case kBmpRowMasked16:
            for (std::size_t x = 0; x < n; ++x) {
                MaskedPixelToBgr(bytes::GetU16(data + 2 * x), 16, masks, out + 3 * (x0 + x));
            }
            break;
        case kBmpRowMasked32:
            for (std::size_t x = 0; x < n; ++x) {
                MaskedPixelToBgr(bytes::GetU32(data + 4 * x), 32, masks, out + 3 * (x0 + x));
            }
            break;
        default:
            break;
    }
}

void MaskedPixelToBgr(uint32_t pixel, int32_t bits, const uint32_t masks[3], uint8_t* bgr) {
    bgr[0] = MaskedChannel(pixel, masks[2], bits);
    bgr[1] = MaskedChannel(pixel, masks[1], bits);
    bgr[2] = MaskedChannel(pixel, masks[0], bits);
}
