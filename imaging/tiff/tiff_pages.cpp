// The TIFF kind table and the walk over a file's IFD chain.
#include <set>

#include "imaging/tiff/tiff_internal.h"

namespace {

uint16_t U16(const uint8_t* p, bool motorola) {
    return static_cast<uint16_t>(motorola ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]));
}
uint32_t U32(const uint8_t* p, bool motorola) {
    return motorola ? (uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3])
                    : (uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0]);
}

}  // namespace

TiffKind SelectTiffKind(int depth, int compression) {
    struct Row {
        int depth, compression, kind, cls;
    };
    static constexpr Row kTable[] = {
        {1, 1, 1, kTiffRaw},    {1, 32773, 5, kTiffPackBits}, {1, 2, 8, kTiffCcitt},
        {1, 4, 9, kTiffCcitt},  {1, 5, 14, kTiffLzw},         {1, 3, 13, kTiffCcitt},
        {8, 1, 3, kTiffRaw},    {8, 5, 7, kTiffLzw},          {8, 32773, 6, kTiffPackBits},
        {8, 6, 16, kTiffJpeg},  {8, 7, 18, kTiffJpeg},        {16, 1, 10, kTiffRaw},
        {24, 1, 4, kTiffRaw},   {24, 5, 11, kTiffLzw},        {24, 6, 17, kTiffJpeg},
        {24, 7, 19, kTiffJpeg}, {32, 1, 23, kTiffRaw}};
    const int row = depth == 4 ? 1 : depth;
    for (const Row& r : kTable) {
        if (r.depth == row && r.compression == compression) return TiffKind{r.kind, r.cls};
    }
    return TiffKind{};
}

int64_t TiffStreamSize(ImageStream& in) {
    const int64_t here = in.seek(in.handle, 0, 1);
    const int64_t size = in.seek(in.handle, 0, 2);
    (void)in.seek(in.handle, static_cast<int32_t>(here < 0 ? 0 : here), 0);
    return size < 0 ? 0 : size;
}

bool ReadTiffAt(ImageStream& in, uint32_t offset, void* to, std::size_t count) {
    if (offset > 0x7FFFFFFFu || in.seek(in.handle, static_cast<int32_t>(offset), 0) != offset)
        return false;
    return ReadBytes(in, to, count) == count;
}

int32_t WalkTiffPages(ImageStream& in, bool intelOnly, std::vector<TiffPageEntry>* pages,
                      bool* motorola) {
    pages->clear();
    const int64_t size = TiffStreamSize(in);
    uint8_t header[8];
    if (!ReadTiffAt(in, 0, header, 8)) return IMG_BAD_TIFF;
    if (header[0] == 'I' && header[1] == 'I') {
        *motorola = false;
    } else if (header[0] == 'M' && header[1] == 'M') {
        *motorola = true;
        if (intelOnly) return IMG_TIFF_BIG_ENDIAN;
    } else {
        return IMG_BAD_TIFF;
    }
    if (U16(header + 2, *motorola) != 42) return IMG_BAD_TIFF;
    uint32_t offset = U32(header + 4, *motorola);
    std::set<uint32_t> seen;
    int32_t running = 0;
    while (offset != 0) {
        if (pages->size() >= 65536 || !seen.insert(offset).second) return IMG_BAD_TIFF;
        uint8_t countBytes[2];
        if (offset < 8 || !ReadTiffAt(in, offset, countBytes, 2)) return IMG_BAD_TIFF;
        const uint32_t count = U16(countBytes, *motorola);
        const uint64_t end = uint64_t{offset} + 2 + 12 * uint64_t{count};
        if (end + 4 > static_cast<uint64_t>(size)) return IMG_BAD_TIFF;
        std::vector<uint8_t> ifd(12 * static_cast<std::size_t>(count) + 4);
        if (!ReadTiffAt(in, offset + 2, ifd.data(), ifd.size())) return IMG_BAD_TIFF;
        TiffPageEntry page;
        page.offset = offset;
        page.pageNumber = running;
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* e = ifd.data() + 12 * static_cast<std::size_t>(i);
            if (U16(e, *motorola) == 297 && U16(e + 2, *motorola) == 3 &&
                U32(e + 4, *motorola) >= 1) {
                page.pageNumberAt = offset + 2 + 12 * i + 8;
                page.pageNumber = U16(e + 8, *motorola);
            }
        }
        running = page.pageNumber + 1;
        pages->push_back(page);
        offset = U32(ifd.data() + 12 * static_cast<std::size_t>(count), *motorola);
    }
    return IMG_OK;
}
