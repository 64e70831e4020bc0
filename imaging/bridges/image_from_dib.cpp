// A new image from a packed DIB: BITMAPINFOHEADER, colour table (or, for
// BI_BITFIELDS, three masks), rows. Every offset and row is checked against
// the block that holds the DIB before it is read.
#include <algorithm>
#include <cstdlib>

#include "common/byte_io.h"
#include "imaging/bmp/bmp_internal.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"

namespace {

struct DibLayout {
    int32_t width = 0;
    int32_t height = 0;  // positive
    bool topDown = false;
    int32_t bits = 0;
    BmpRowKind kind = kBmpRowNone;
    uint64_t tableEntries = 0;
    uint64_t pixelOffset = 0;
    uint32_t masks[3] = {0, 0, 0};
};

BmpRowKind KindOf(int32_t bits, uint32_t compression) {
    switch (bits) {
        case 1:
            return kBmpRowPackedBits;
        case 4:
            return compression == win::BI_RGB ? kBmpRowNibbles : kBmpRowRle4;
        case 8:
            return compression == win::BI_RGB ? kBmpRowBytes : kBmpRowRle8;
        case 16:
            return kBmpRowMasked16;
        case 24:
            return kBmpRowBytes;
        case 32:
            return kBmpRowMasked32;
        default:
            return kBmpRowNone;
    }
}

int32_t ReadLayout(const uint8_t* dib, std::size_t available, DibLayout* l) {
    if (available < 40) return IMG_NO_BITMAP_DATA;
    const uint32_t size = bytes::GetU32(dib);
    const int32_t width = bytes::GetI32(dib + 4);
    const int32_t height = bytes::GetI32(dib + 8);
    l->bits = bytes::GetU16(dib + 14);
    const uint32_t compression = bytes::GetU32(dib + 16);
    const uint32_t used = bytes::GetU32(dib + 32);
    l->kind = KindOf(l->bits, compression);
    if (l->kind == kBmpRowNone) return IMG_BAD_BIT_DEPTH;
    if (size < 40 || width <= 0 || height == 0 || height == INT32_MIN) return IMG_BAD_ARGUMENT;
    l->width = width;
    l->topDown = height < 0;
    l->height = std::abs(height);
    if (l->width > 65535 || l->height > 65535) return IMG_TOO_LARGE;
    l->tableEntries = used != 0 ? used : l->bits < 16 ? uint64_t{1} << l->bits : 0;
    const bool bitfields = (l->bits == 16 || l->bits == 32) && compression == win::BI_BITFIELDS;
    l->pixelOffset = uint64_t{size} + (bitfields ? 12 : 4 * l->tableEntries);
    if (l->pixelOffset > available) return IMG_NO_BITMAP_DATA;
    if (bitfields) {
        for (int i = 0; i < 3; ++i) l->masks[i] = bytes::GetU32(dib + size + 4 * i);
    } else if (l->bits == 16) {
        l->masks[0] = 0x7C00;
        l->masks[1] = 0x03E0;
        l->masks[2] = 0x001F;
    } else if (l->bits == 32) {
        l->masks[0] = 0xFF0000;
        l->masks[1] = 0x00FF00;
        l->masks[2] = 0x0000FF;
    }
    return IMG_OK;
}

int32_t ConvertRows(const uint8_t* dib, std::size_t available, const DibLayout& l,
                    ImageDesc& image) {
    SpanCursor cursor{dib + l.pixelOffset, available - static_cast<std::size_t>(l.pixelOffset), 0};
    ImageStream stream;
    OpenSpanSource(&cursor, &stream);
    const bool rle = l.kind == kBmpRowRle4 || l.kind == kBmpRowRle8;
    const std::size_t padded =
        (static_cast<std::size_t>(l.bits) * static_cast<std::size_t>(l.width) + 31) / 32 * 4;
    const std::size_t rlePixels = l.kind == kBmpRowRle4 ? 2 * padded : padded;
    StreamReader reader(stream, std::max(kBmpBufferBytes, 2 * padded));
    ImageBuffer rleRow(rle ? rlePixels : 0);
    if (!reader.ok() || (rle && rleRow.data() == nullptr)) return IMG_NO_MEMORY;
    for (int32_t r = 0; r < l.height; ++r) {
        uint8_t* out = ImageRow(image, l.topDown ? r : l.height - 1 - r);
        if (rle) {
            bool endOfBitmap = false;
            const int32_t status = DecodeRleRow(reader, l.kind == kBmpRowRle4, rleRow.data(),
                                                static_cast<uint32_t>(rlePixels), &endOfBitmap);
            std::copy(rleRow.data(), rleRow.data() + l.width, out);
            // Data that ends before its rows is as faulty as data past them.
            if (status != IMG_OK) return IMG_BAD_RLE;
            if (endOfBitmap) return IMG_OK;
            continue;
        }
        if (!reader.Need(padded)) return IMG_NO_BITMAP_DATA;
        StoreBmpRow(l.kind, l.bits, reader.Data(), out, 0, l.width, l.masks);
        reader.Consume(padded);
    }
    return IMG_OK;
}

}  // namespace

int32_t ImageFromDib(const void* packedDib, ImageDesc* image) {
    if (image == nullptr) return IMG_BAD_ARGUMENT;
    const std::size_t available = ReadableBytesAt(packedDib);
    if (available == 0) return IMG_BAD_SOURCE;
    const auto* dib = static_cast<const uint8_t*>(packedDib);
    DibLayout layout;
    int32_t status = ReadLayout(dib, available, &layout);
    if (status != IMG_OK) return status;
    const int32_t depth = layout.bits == 4 ? 8 : layout.bits >= 16 ? 24 : layout.bits;
    status = AllocImage(image, layout.width, layout.height, depth);
    if (status != IMG_OK) return status;
    status = ConvertRows(dib, available, layout, *image);
    if (status == IMG_OK && depth < 24) {
        // The table holds no more than the result's depth can index.
        const auto n =
            static_cast<int32_t>(std::min<uint64_t>(layout.tableEntries, uint64_t{1} << depth));
        const auto* table = reinterpret_cast<const win::RGBQUAD*>(dib + bytes::GetU32(dib));
        std::copy(table, table + n, image->palette);
        image->colorCount = n;
        image->flags = IsGreyPalette(image) ? IMG_FLAG_GREY : 0;
        if (image->dibSection != nullptr) (void)SetDibSectionPalette(image);
    }
    if (status != IMG_OK) FreeImage(image);
    return status;
}
