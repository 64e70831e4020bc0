// Reading TIFF pages: finding a page, its IFD (both byte orders, every
// count and offset checked against the file), the strips of every coding,
// the rows into the image, the palette and the orientation; the queries.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "imaging/frame/packed_rows.h"
#include "imaging/geometry/geometry.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/tiff/tiff.h"
#include "imaging/tiff/tiff_ccitt.h"
#include "imaging/tiff/tiff_codecs.h"
#include "imaging/tiff/tiff_internal.h"
#include "platform/system/clipboard.h"

namespace {

struct PageFields {
    bool motorola = false;
    int64_t fileSize = 0;
    int32_t width = 0, height = 0;
    int32_t bitsPerSample = 1;
    int32_t samples = 1;
    int32_t compression = 1;
    int32_t photometric = -1;
    int32_t planar = 1;
    int32_t predictor = 1;
    int32_t fillOrder = 1;
    uint32_t t4Options = 0;
    int32_t orientation = 1;
    int64_t rowsPerStrip = -1;  // -1: none given
    int32_t xResolution = 0, yResolution = 0, resolutionUnit = 2;
    std::vector<uint32_t> offsets;
    std::vector<uint32_t> counts;
    std::vector<uint16_t> colourMap;
    uint32_t jpegTablesAt = 0, jpegTablesLength = 0;
    uint32_t jpegInterchange = 0;
    uint8_t captured[12] = {};
    bool haveCaptured = false;
    [[nodiscard]] int32_t BitsPerPixel() const { return samples >= 3 ? 24 : bitsPerSample; }
};

uint16_t U16(const uint8_t* p, bool m) {
    return static_cast<uint16_t>(m ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]));
}
uint32_t U32(const uint8_t* p, bool m) {
    return m ? (uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3])
             : (uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0]);
}

// The values of an entry (SHORT or LONG, or BYTE), read whole or not at all.
int32_t EntryValues(ImageStream& in, const PageFields& f, const uint8_t* e, uint32_t limit,
                    std::vector<uint32_t>* values) {
    const uint16_t type = U16(e + 2, f.motorola);
    const uint32_t count = U32(e + 4, f.motorola);
    const uint32_t size = type == 3 ? 2 : type == 4 ? 4 : type == 1 ? 1 : 0;
    if (size == 0) return IMG_BAD_TIFF;
    if (count > limit || uint64_t{count} * size > static_cast<uint64_t>(f.fileSize))
        return IMG_BAD_TIFF;
    std::vector<uint8_t> bytes(uint64_t{count} * size);
    if (bytes.empty()) {
        values->clear();
        return IMG_OK;
    }
    if (bytes.size() <= 4) {
        std::memcpy(bytes.data(), e + 8, bytes.size());
    } else if (!ReadTiffAt(in, U32(e + 8, f.motorola), bytes.data(), bytes.size())) {
        return IMG_CODED_DATA_ERROR;
    }
    values->resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* v = bytes.data() + static_cast<std::size_t>(i) * size;
        (*values)[i] = size == 1 ? v[0] : size == 2 ? U16(v, f.motorola) : U32(v, f.motorola);
    }
    return IMG_OK;
}

int32_t ReadIfd(ImageStream& in, uint32_t offset, bool first, int requestTag, PageFields* f) {
    uint8_t countBytes[2];
    if (!ReadTiffAt(in, offset, countBytes, 2)) return IMG_BAD_TIFF;
    const uint32_t count = U16(countBytes, f->motorola);
    if (count > 512) return first ? IMG_BAD_TIFF : IMG_CODED_DATA_ERROR;
    std::vector<uint8_t> entries(12 * static_cast<std::size_t>(count));
    if (!ReadTiffAt(in, offset + 2, entries.data(), entries.size())) return IMG_BAD_TIFF;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = entries.data() + 12 * static_cast<std::size_t>(i);
        const uint16_t tag = U16(e, f->motorola);
        const uint16_t type = U16(e + 2, f->motorola);
        const uint32_t n = U32(e + 4, f->motorola);
        if (tag == requestTag) {
            f->haveCaptured = true;
            uint32_t words[3] = {uint32_t{tag} | uint32_t{type} << 16, n, U32(e + 8, f->motorola)};
            if ((type == 3 || type == 1) && n <= 2) words[2] = U16(e + 8, f->motorola);
            std::memcpy(f->captured, words, 12);
        }
        std::vector<uint32_t> v;
        int32_t status = IMG_OK;
        const auto single = [&](int32_t* field) {
            if (n != 1 || (type != 3 && type != 4)) {
                status = IMG_BAD_TIFF;
                return;
            }
            *field =
                static_cast<int32_t>(type == 3 ? U16(e + 8, f->motorola) : U32(e + 8, f->motorola));
        };
        int32_t scratch = 0;
        switch (tag) {
            case 256:
                single(&f->width);
                break;
            case 257:
                single(&f->height);
                break;
            case 258:
                if (type != 3 || n > 4 || n == 0) return IMG_BAD_TIFF;
                status = EntryValues(in, *f, e, 4, &v);
                if (status == IMG_OK) f->bitsPerSample = static_cast<int32_t>(v[0]);
                break;
            case 259:
                single(&f->compression);
                break;
            case 262:
                single(&f->photometric);
                break;
            case 266:
                single(&scratch);
                f->fillOrder = scratch == 1 ? 1 : 2;
                break;
            case 273:
            case 279:
                if (type != 3 && type != 4) return IMG_BAD_TIFF;
                status = EntryValues(in, *f, e, 0x7FFFFFFF, tag == 273 ? &f->offsets : &f->counts);
                break;
            case 274:
                single(&f->orientation);
                break;
            case 277:
                single(&f->samples);
                if (f->samples == 0) f->samples = f->bitsPerSample == 24 ? 3 : 1;
                break;
            case 278:
                if (n != 1 || (type != 3 && type != 4)) return IMG_BAD_TIFF;
                f->rowsPerStrip = type == 3 ? U16(e + 8, f->motorola) : U32(e + 8, f->motorola);
                break;
            case 282:
            case 283: {
                if (type != 5 || n != 1) break;
                uint8_t r[8];
                if (!ReadTiffAt(in, U32(e + 8, f->motorola), r, 8)) return IMG_CODED_DATA_ERROR;
                const uint32_t num = U32(r, f->motorola);
                const uint32_t den = U32(r + 4, f->motorola);
                (tag == 282 ? f->xResolution : f->yResolution) =
                    static_cast<int32_t>(den == 0 ? num : num / den);
                break;
            }
            case 284:
                single(&f->planar);
                break;
            case 292:
                single(&scratch);
                f->t4Options = static_cast<uint32_t>(scratch);
                break;
            case 296:
                single(&f->resolutionUnit);
                break;
            case 317:
                single(&f->predictor);
                break;
            case 320:
                if (type != 3) break;
                status = EntryValues(in, *f, e, 0x7FFFFFFF, &v);
                if (status == IMG_OK) {
                    f->colourMap.clear();
                    for (std::size_t k = 0; k < v.size() && k < 768; ++k)
                        f->colourMap.push_back(static_cast<uint16_t>(v[k]));
                }
                break;
            case 347:
                f->jpegTablesLength = n;
                f->jpegTablesAt = n <= 4 ? offset + 2 + 12 * i + 8 : U32(e + 8, f->motorola);
                break;
            case 513:
                single(reinterpret_cast<int32_t*>(&f->jpegInterchange));
                break;
            default:
                break;
        }
        if (status != IMG_OK) return status;
    }
    if (f->photometric < 0) {
        // What the writer would have written.
        const int bpp = f->BitsPerPixel();
        f->photometric = f->compression == 6 || f->compression == 7 ? (bpp == 24 ? 6 : 1)
                         : bpp == 24                                ? 2
                         : bpp == 8 && !f->colourMap.empty()        ? 3
                         : bpp == 1 && (f->compression >= 2 && f->compression <= 4) ? 0
                                                                                    : 1;
    }
    return IMG_OK;
}

// Finds the page (by PageNumber value, by index, or the first) and reads its IFD.
int32_t FindPage(ImageStream& in, int32_t page, bool byIndex, int requestTag, PageFields* f) {
    std::vector<TiffPageEntry> pages;
    bool motorola = false;
    f->fileSize = TiffStreamSize(in);
    int32_t status = WalkTiffPages(in, false, &pages, &motorola);
    if (status != IMG_OK) return status;
    f->motorola = motorola;
    std::size_t chosen = pages.size();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (page < 0 || (byIndex && static_cast<int32_t>(i) == page) ||
            (!byIndex && pages[i].pageNumber == page)) {
            chosen = i;
            break;
        }
    }
    if (chosen == pages.size()) return IMG_NO_SUCH_PAGE;
    return ReadIfd(in, pages[chosen].offset, chosen == 0, requestTag, f);
}

ImageSource SourceOf(const char* ansi, const char16_t* wide, const void* block) {
    return block != nullptr  ? MemorySource(block)
           : wide != nullptr ? WideSource(wide)
                             : AnsiSource(ansi);
}

// ---- Rows ---------------------------------------------------------------------------
struct RowSink {
    ImageDesc* image = nullptr;
    ImageDesc* alpha = nullptr;
    const PageFields* f = nullptr;
    int rows = 0, columns = 0;
    bool cmyk = false;
    bool extra = false;
    bool invert1 = false;
    std::size_t rowBytes = 0;
    int bytesPerPixel = 1;  // for the predictor

    void Store(int y, uint8_t* src) {
        if (y >= rows) return;
        ImageDesc& image = *this->image;
        uint8_t* dst = ImageRow(image, image.startY + y);
        const int bpp = f->BitsPerPixel();
        const int dstBits = image.header->biBitCount;
        if (f->predictor == 2 && f->compression == 5 && f->bitsPerSample == 8) {
            for (std::size_t i = static_cast<std::size_t>(bytesPerPixel); i < rowBytes; ++i)
                src[i] =
                    static_cast<uint8_t>(src[i] + src[i - static_cast<std::size_t>(bytesPerPixel)]);
        }
        if (bpp == 1) {
            if (invert1) InvertBytes(src, static_cast<uint32_t>(rowBytes));
            PutPackedRun(dst, src, static_cast<uint32_t>(image.startX),
                         static_cast<uint32_t>(columns));
            return;
        }
        if (bpp >= 4 && bpp <= 6) {
            for (int x = 0; x < columns; ++x) {
                const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bpp);
                const uint32_t two =
                    uint32_t{src[bit / 8]} << 8 | (bit / 8 + 1 < rowBytes ? src[bit / 8 + 1] : 0);
                dst[image.startX + x] =
                    static_cast<uint8_t>((two >> (16 - bpp - bit % 8)) & ((1u << bpp) - 1));
            }
            return;
        }
        uint8_t* alphaRow = nullptr;
        if (alpha != nullptr && y <= alpha->endY - alpha->startY)
            alphaRow = ImageRow(*alpha, alpha->startY + y);
        const int alphaColumns = alpha != nullptr ? alpha->endX - alpha->startX + 1 : 0;
        if (bpp == 8) {
            for (int x = 0; x < columns; ++x) {
                dst[image.startX + x] = src[static_cast<std::size_t>(x * f->samples)];
                if (extra && alphaRow != nullptr && x < alphaColumns)
                    alphaRow[alpha->startX + x] = src[static_cast<std::size_t>(x * f->samples + 1)];
            }
            return;
        }
        if (bpp == 24) {
            const int s = f->samples;
            for (int x = 0; x < columns; ++x) {
                const uint8_t* p = src + static_cast<std::size_t>(x) * static_cast<std::size_t>(s);
                uint8_t* q = dst + 3 * static_cast<std::size_t>(image.startX + x);
                if (cmyk) {
                    const int k = p[3] * 75 / 100;
                    q[2] = static_cast<uint8_t>(255 - std::min(255, p[0] + k));
                    q[1] = static_cast<uint8_t>(255 - std::min(255, p[1] + k));
                    q[0] = static_cast<uint8_t>(255 - std::min(255, p[2] + k));
                } else {
                    q[0] = p[2];
                    q[1] = p[1];
                    q[2] = p[0];
                    if (extra && alphaRow != nullptr && x < alphaColumns)
                        alphaRow[alpha->startX + x] = p[3];
                }
            }
            return;
        }
        // 16 and 32 bits.
        const std::size_t bytes =
            static_cast<std::size_t>(dstBits / 8) * static_cast<std::size_t>(columns);
        uint8_t* to =
            dst + static_cast<std::size_t>(dstBits / 8) * static_cast<std::size_t>(image.startX);
        std::memcpy(to, src, bytes);
        if (f->motorola) (bpp == 16 ? SwapBytes16 : SwapBytes32)(to, static_cast<uint32_t>(bytes));
        if (f->photometric == 0) InvertBytes(to, static_cast<uint32_t>(bytes));
    }
};

int32_t ReadStrip(ImageStream& in, const PageFields& f, std::size_t s,
                  std::vector<uint8_t>* bytes) {
    uint32_t at = f.offsets[s];
    uint64_t count = f.counts.empty() ? 0 : f.counts[s];
    if (at >= f.fileSize) return IMG_CODED_DATA_ERROR;
    count = std::min<uint64_t>(count, static_cast<uint64_t>(f.fileSize) - at);
    bytes->resize(static_cast<std::size_t>(count));
    if (!ReadTiffAt(in, at, bytes->data(), bytes->size())) return IMG_BAD_TIFF;
    if (f.fillOrder == 2) ReverseBitsInBytes(bytes->data(), static_cast<uint32_t>(bytes->size()));
    return IMG_OK;
}

int32_t DecodeStrips(ImageStream& in, const PageFields& f, RowSink& sink) {
    const int64_t rps =
        f.rowsPerStrip <= 0 || f.rowsPerStrip > f.height ? f.height : f.rowsPerStrip;
    const std::size_t strips = static_cast<std::size_t>((f.height + rps - 1) / rps);
    if (f.offsets.size() < strips || (f.counts.size() < strips && f.compression != 1))
        return IMG_BAD_TIFF;
    std::vector<uint8_t> coded;
    std::vector<uint8_t> raw;
    for (std::size_t s = 0; s < strips; ++s) {
        const int first = static_cast<int>(static_cast<int64_t>(s) * rps);
        if (first >= sink.rows) break;
        // Only the rows the destination takes are decoded.
        int count = static_cast<int>(std::min<int64_t>({rps, f.height - first, sink.rows - first}));
        PageFields local = f;
        if (f.counts.size() < strips) {
            // An uncoded page without byte counts: the rows themselves.
            const uint64_t rows = sink.rowBytes * static_cast<uint64_t>(count);
            local.counts.assign(strips,
                                static_cast<uint32_t>(std::min<uint64_t>(rows, 0xFFFFFFFFu)));
        }
        int32_t status = ReadStrip(in, local, s, &coded);
        if (status != IMG_OK) return status;
        // No more rows than the strip's bytes could make (LZW: 4096 bytes a
        // code; PackBits: 128 a header pair; CCITT: a row a bit), so a page
        // that claims more costs no memory for it.
        const uint64_t n = coded.size();
        const uint64_t canMake = f.compression == 1       ? n
                                 : f.compression == 5     ? n * 8 / 9 * 4096 + 4096
                                 : f.compression == 32773 ? n * 64 + 128
                                                          : (n * 8 + 1) * sink.rowBytes;
        // Nor more than 256 MB at once (a row above that is refused).
        constexpr uint64_t kLimit = uint64_t{256} << 20;
        if (sink.rowBytes > kLimit) return IMG_TOO_LARGE;
        const uint64_t most = std::min(canMake, kLimit) / sink.rowBytes;
        const bool cut = most < static_cast<uint64_t>(count);
        if (cut) count = static_cast<int>(most);
        if (count == 0) return IMG_CODED_DATA_ERROR;
        const std::size_t want = sink.rowBytes * static_cast<std::size_t>(count);
        raw.assign(want, 0);
        int done = 0;
        if (f.compression == 1) {
            const std::size_t n = std::min(want, coded.size());
            std::memcpy(raw.data(), coded.data(), n);
            done = static_cast<int>(n / sink.rowBytes);
            if (n < want) status = IMG_CODED_DATA_ERROR;
        } else if (f.compression == 5) {
            std::size_t produced = 0;
            status = LzwDecodeStrip(coded.data(), coded.size(), raw.data(), want, &produced);
            done = static_cast<int>(produced / sink.rowBytes);
        } else if (f.compression == 32773) {
            std::size_t produced = 0;
            std::size_t used = 0;
            for (int r = 0; r < count; ++r) {
                std::size_t made = 0;
                used += PackBitsDecode(raw.data() + produced, sink.rowBytes, coded.data() + used,
                                       coded.size() - used, &made);
                produced += made;
                if (made < sink.rowBytes) break;
            }
            done = static_cast<int>(produced / sink.rowBytes);
            if (produced < want) status = IMG_CODED_DATA_ERROR;
        } else {
            CcittDecodeSetup setup;
            setup.compression = f.compression;
            setup.t4Options = f.t4Options;
            setup.width = f.width;
            status = CcittDecodeStrip(setup, coded.data(), coded.size(), raw.data(), count, &done);
        }
        for (int r = 0; r < done; ++r)
            sink.Store(first + r, raw.data() + sink.rowBytes * static_cast<std::size_t>(r));
        if (status != IMG_OK) return status;
        if (cut) return IMG_CODED_DATA_ERROR;
    }
    return IMG_OK;
}

// A global block holding `bytes`, at least 100 bytes long.
void* BlockOf(const std::vector<uint8_t>& bytes) {
    win::HGLOBAL h = win::GlobalAlloc(win::GHND, std::max<std::size_t>(bytes.size(), 100));
    void* p = h != nullptr ? win::GlobalLock(h) : nullptr;
    if (p != nullptr && !bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
    return p;
}
void FreeBlock(void* p) {
    win::HGLOBAL h = win::GlobalHandle(p);
    win::GlobalUnlock(h);
    win::GlobalFree(h);
}

int32_t DecodeJpeg(ImageStream& in, const PageFields& f, ImageDesc* image, int rows) {
    const int mode = f.photometric == 2 ? 1 : 0;
    const int64_t rps =
        f.rowsPerStrip <= 0 || f.rowsPerStrip > f.height ? f.height : f.rowsPerStrip;
    if (f.compression == 6) {
        const uint32_t from =
            f.jpegInterchange != 0 ? f.jpegInterchange : (f.offsets.empty() ? 0 : f.offsets[0]);
        uint64_t end = 0;
        for (std::size_t s = 0; s < f.offsets.size() && s < f.counts.size(); ++s)
            end = std::max<uint64_t>(end, uint64_t{f.offsets[s]} + f.counts[s]);
        end = std::min<uint64_t>(end, static_cast<uint64_t>(f.fileSize));
        if (end <= from) return IMG_CODED_DATA_ERROR;
        std::vector<uint8_t> bytes(static_cast<std::size_t>(end - from));
        if (!ReadTiffAt(in, from, bytes.data(), bytes.size())) return IMG_BAD_TIFF;
        void* block = BlockOf(bytes);
        if (block == nullptr) return IMG_NO_MEMORY;
        SetJpegOldStyleMarkers(1);
        const int32_t status = LoadJpgFromMemoryEx(block, image, mode);
        FreeBlock(block);
        return status;
    }
    if (f.jpegTablesLength > 0) {
        if (f.jpegTablesLength > f.fileSize) return IMG_BAD_TIFF;
        std::vector<uint8_t> tables(f.jpegTablesLength);
        if (!ReadTiffAt(in, f.jpegTablesAt, tables.data(), tables.size())) return IMG_BAD_TIFF;
        const int32_t status = SetJpegTables(tables.data(), static_cast<uint32_t>(tables.size()));
        if (status != IMG_OK) return status;
    }
    const std::size_t strips = static_cast<std::size_t>((f.height + rps - 1) / rps);
    int32_t status = f.offsets.size() < strips || f.counts.size() < strips ? IMG_BAD_TIFF : IMG_OK;
    std::vector<uint8_t> bytes;
    for (std::size_t s = 0; s < strips && status == IMG_OK; ++s) {
        const int first = static_cast<int>(static_cast<int64_t>(s) * rps);
        if (first >= rows) break;
        status = ReadStrip(in, f, s, &bytes);
        if (status != IMG_OK) break;
        ImageDesc part = *image;
        part.startY = image->startY + first;
        part.endY = std::min(image->endY, part.startY + static_cast<int>(rps) - 1);
        void* block = BlockOf(bytes);
        if (block == nullptr) {
            status = IMG_NO_MEMORY;
            break;
        }
        status = LoadJpgFromMemoryEx(block, &part, mode);
        FreeBlock(block);
    }
    ClearJpegTables();
    return status;
}

int32_t ApplyOrientation(ImageDesc* image, int orientation) {
    const bool square = RectWidth(*image) == RectHeight(*image);
    int32_t status = IMG_OK;
    switch (orientation) {
        case 2:
            return MirrorImage(image, image);
        case 3:
            status = MirrorImage(image, image);
            return status == IMG_OK ? FlipRectVertical(image, image) : status;
        case 4:
            return FlipRectVertical(image, image);
        default:
            break;
    }
    if (!square || orientation < 5 || orientation > 8) return IMG_OK;
    ImageDesc turned;
    status = AllocImage(&turned, RectWidth(*image), RectHeight(*image), image->header->biBitCount);
    if (status != IMG_OK) return IMG_NO_MEMORY;
    const int depth = image->header->biBitCount;
    if (depth <= 8 && image->palette != nullptr && turned.palette != nullptr)
        std::memcpy(turned.palette, image->palette,
                    sizeof(win::RGBQUAD) * (std::size_t{1} << depth));
    if (orientation == 5 || orientation == 7) status = FlipRectVertical(image, image);
    if (status == IMG_OK)
        status = RotateQuarterTurn(orientation == 5 || orientation == 6 ? 0 : 1, image, &turned);
    if (status == IMG_OK) {
        // Back into the image's rectangle.
        for (int y = 0; y < RectHeight(*image); ++y) {
            const int bits = image->header->biBitCount;
            const uint8_t* src = ImageRow(turned, y);
            uint8_t* dst = ImageRow(*image, image->startY + y);
            if (bits == 1) {
                PutPackedRun(dst, src, static_cast<uint32_t>(image->startX),
                             static_cast<uint32_t>(RectWidth(*image)));
            } else {
                const std::size_t b = static_cast<std::size_t>(bits / 8);
                std::memcpy(dst + b * static_cast<std::size_t>(image->startX), src,
                            b * static_cast<std::size_t>(RectWidth(*image)));
            }
        }
    }
    FreeImage(&turned);
    return status;
}

int32_t LoadPalette(const PageFields& f, ImageDesc* image) {
    const int bits = image->header->biBitCount;
    if (bits > 8 || image->palette == nullptr) return 0;
    const std::size_t n = f.colourMap.size() / 3;
    if (f.photometric == 3 && f.samples <= 2 && n >= 1 && f.colourMap.size() <= 768) {
        const int entries = static_cast<int>(std::min<std::size_t>(n, std::size_t{1} << bits));
        for (int i = 0; i < entries; ++i) {
            image->palette[i] = win::RGBQUAD{
                static_cast<uint8_t>(f.colourMap[2 * n + static_cast<std::size_t>(i)] >> 8),
                static_cast<uint8_t>(f.colourMap[n + static_cast<std::size_t>(i)] >> 8),
                static_cast<uint8_t>(f.colourMap[static_cast<std::size_t>(i)] >> 8), 0};
        }
        image->colorCount = entries;
    } else {
        InitImagePalette(image);
        image->colorCount = 1 << bits;
    }
    image->flags = IsGreyPalette(image) != 0 ? IMG_FLAG_GREY : 0;
    if (image->dibSection != nullptr) (void)SetDibSectionPalette(image);
    return 0;
}

int32_t LoadCore(ImageDesc* alpha, const ImageSource& source, ImageDesc* image, int32_t page,
                 bool byIndex) {
    int32_t status = CheckImagePairSameSize(image);
    if (status != IMG_OK) return status;
    if (alpha != nullptr) {
        status = CheckImage(alpha);
        if (status != IMG_OK) return status;
        if (alpha->header->biBitCount != 8) return IMG_BAD_BIT_DEPTH;
    }
    ImageLock lock(kTiffLock);
    ImageStream in;
    status = OpenImageSource(source, &in);
    if (status != IMG_OK) return status;
    PageFields f;
    status = FindPage(in, page, byIndex, -1, &f);
    RowSink sink;
    if (status == IMG_OK) {
        if (f.width <= 0 || f.height <= 0) status = IMG_BAD_TIFF;
    }
    const int bpp = f.BitsPerPixel();
    const int dstBits = image->header->biBitCount;
    if (status == IMG_OK) {
        const int depthRow = bpp >= 4 && bpp <= 6 ? 4 : bpp;
        const bool jpeg = f.compression == 6 || f.compression == 7;
        if (bpp == 2 || bpp == 3 || bpp == 7 || bpp > 32) {
            status = IMG_BAD_RLE;
        } else if (!jpeg && SelectTiffKind(depthRow, f.compression).kind == 0) {
            status = IMG_BAD_RLE;
        } else if (jpeg && bpp != 8 && bpp != 24) {
            status = IMG_BAD_RLE;
        } else if (f.compression == 5 && f.predictor != 1 && f.predictor != 2) {
            status = IMG_BAD_RLE;
        } else if (bpp == 24 && !jpeg) {
            if (f.planar != 1 || f.bitsPerSample != 8)
                status = IMG_BAD_RLE;
            else if (f.photometric == 2 && (f.samples == 3 || f.samples == 4))
                sink.extra = f.samples == 4;
            else if (f.photometric == 5 && f.samples == 4)
                sink.cmyk = true;
            else
                status = IMG_BAD_RLE;
        } else if ((bpp == 16 || bpp == 32) && f.samples != 1) {
            status = IMG_BAD_RLE;
        } else if (bpp == 8 && f.samples == 2) {
            sink.extra = true;
        } else if (bpp <= 8 && f.samples != 1 && !jpeg) {
            status = IMG_BAD_RLE;
        }
    }
    if (status == IMG_OK) {
        const bool fits = dstBits == 8 ? (bpp == 8 || (bpp >= 4 && bpp <= 6)) : dstBits == bpp;
        if (!fits) status = IMG_BAD_BIT_DEPTH;
    }
    if (status == IMG_OK) {
        sink.image = image;
        sink.alpha = sink.extra ? alpha : nullptr;
        sink.f = &f;
        sink.rows = std::min(RectHeight(*image), f.height);
        sink.columns = std::min(RectWidth(*image), f.width);
        const uint64_t rowBits = static_cast<uint64_t>(f.width) *
                                 static_cast<uint64_t>(f.bitsPerSample) *
                                 static_cast<uint64_t>(f.samples);
        sink.rowBytes = static_cast<std::size_t>((rowBits + 7) / 8);
        const int64_t pixelBytes =
            static_cast<int64_t>(f.samples) * static_cast<int64_t>(f.bitsPerSample) / 8;
        sink.bytesPerPixel = static_cast<int>(std::clamp<int64_t>(pixelBytes, 1, 1 << 20));
        const bool ccitt = f.compression >= 2 && f.compression <= 4;
        sink.invert1 = bpp == 1 && (f.photometric == 0) != ccitt;
        // A CCITT row takes as little as a bit of the strip however wide it is, so
        // the coded pages are held to the sides a fax coder can give.
        if (ccitt && (f.width > 65535 || f.height > 65535)) status = IMG_TOO_LARGE;
        // Nothing is decoded for more than the file could hold.
        if (status == IMG_OK && f.compression == 1 &&
            sink.rowBytes * static_cast<uint64_t>(f.height) >
                16 * static_cast<uint64_t>(f.fileSize) + (1u << 20))
            status = IMG_BAD_TIFF;
    }
    if (status == IMG_OK) {
        status = f.compression == 6 || f.compression == 7 ? DecodeJpeg(in, f, image, sink.rows)
                                                          : DecodeStrips(in, f, sink);
    }
    CloseImageStream(&in);
    if (status != IMG_OK && status != IMG_CODED_DATA_ERROR) return status;
    LoadPalette(f, image);
    const int32_t turned = ApplyOrientation(image, f.orientation);
    return status != IMG_OK ? status : turned;
}

int32_t InfoCore(const ImageSource& source, int32_t page, bool byIndex, int requestTag,
                 PageFields* f) {
    ImageLock lock(kTiffLock);
    ImageStream in;
    int32_t status = OpenImageSource(source, &in);
    if (status != IMG_OK) return status;
    status = FindPage(in, page, byIndex, requestTag, f);
    CloseImageStream(&in);
    return status;
}

int32_t InfoOf(const ImageSource& source, TiffInfo* info, int32_t page, bool byIndex) {
    PageFields f;
    *info = TiffInfo{};
    const int32_t status = InfoCore(source, page, byIndex, -1, &f);
    if (status != IMG_OK) return status;
    *info = TiffInfo{
        f.motorola ? 0x4D4D : 0x4949,
        f.width,
        f.height,
        f.bitsPerSample,
        f.compression,
        f.samples,
        f.photometric,
        f.planar,
        f.BitsPerPixel(),
        f.xResolution,
        f.yResolution,
        f.resolutionUnit,
        f.fillOrder,
        static_cast<int32_t>(std::max<int64_t>(0, std::min<int64_t>(f.rowsPerStrip, 0x7FFFFFFF))),
        f.orientation};
    return IMG_OK;
}

int32_t PageCountOf(const ImageSource& source, int32_t* count, int32_t* list, int32_t length) {
    ImageLock lock(kTiffLock);
    *count = 0;
    ImageStream in;
    int32_t status = OpenImageSource(source, &in);
    if (status != IMG_OK) return status;
    std::vector<TiffPageEntry> pages;
    bool motorola = false;
    status = WalkTiffPages(in, false, &pages, &motorola);
    CloseImageStream(&in);
    if (status != IMG_OK) return status;
    *count = static_cast<int32_t>(pages.size());
    for (int32_t i = 0; list != nullptr && i < length && i < *count; ++i)
        list[i] = pages[static_cast<std::size_t>(i)].pageNumber;
    return IMG_OK;
}

int32_t TagEntryOf(const ImageSource& source, uint16_t tag, int32_t index, uint8_t entry[12]) {
    std::memset(entry, 0, 12);
    PageFields f;
    const int32_t status = InfoCore(source, index, true, tag, &f);
    if (status != IMG_OK) return status;
    if (f.haveCaptured) std::memcpy(entry, f.captured, 12);
    return f.haveCaptured ? IMG_OK : IMG_BAD_TIFF;
}

}  // namespace

int32_t LoadTifCore(ImageDesc* alpha, const char* ansiName, const char16_t* wideName,
                    const void* block, ImageDesc* image, int32_t page, int32_t byIndex) {
    return LoadCore(alpha, SourceOf(ansiName, wideName, block), image, page, byIndex != 0);
}
int32_t LoadTif(const char* n, ImageDesc* image) {
    return LoadCore(nullptr, AnsiSource(n), image, -1, false);
}
int32_t LoadTifW(const char16_t* n, ImageDesc* image) {
    return LoadCore(nullptr, WideSource(n), image, -1, false);
}
int32_t LoadTifAlpha(const char* n, ImageDesc* image, ImageDesc* alpha) {
    return LoadCore(alpha, AnsiSource(n), image, -1, false);
}
int32_t LoadTifPage(const char* n, ImageDesc* image, int32_t page) {
    return LoadCore(nullptr, AnsiSource(n), image, page, false);
}
int32_t LoadTifPageIndex(const char* n, ImageDesc* image, int32_t index) {
    return LoadCore(nullptr, AnsiSource(n), image, index, true);
}
int32_t LoadTifFromMemory(const void* block, ImageDesc* image) {
    return LoadCore(nullptr, MemorySource(block), image, -1, false);
}
int32_t LoadTifFromMemoryIndex(const void* block, ImageDesc* image, int32_t index) {
    return LoadCore(nullptr, MemorySource(block), image, index, true);
}
int32_t LoadTifFromMemoryAlpha(const void* block, ImageDesc* image, int32_t index,
                               ImageDesc* alpha) {
    return LoadCore(alpha, MemorySource(block), image, index, true);
}

int32_t GetTiffInfoCore(const char* ansiName, const char16_t* wideName, const void* block,
                        TiffInfo* info, int32_t page, int32_t byIndex) {
    return InfoOf(SourceOf(ansiName, wideName, block), info, page, byIndex != 0);
}
int32_t GetTiffInfo(const char* n, TiffInfo* info) {
    return InfoOf(AnsiSource(n), info, -1, false);
}
int32_t GetTiffInfoW(const char16_t* n, TiffInfo* info) {
    return InfoOf(WideSource(n), info, -1, false);
}
int32_t GetTiffInfoPage(const char* n, TiffInfo* info, int32_t page) {
    return InfoOf(AnsiSource(n), info, page, false);
}
int32_t GetTiffInfoIndex(const char* n, TiffInfo* info, int32_t index) {
    return InfoOf(AnsiSource(n), info, index, true);
}
int32_t GetTiffInfoMemory(const void* block, TiffInfo* info) {
    return InfoOf(MemorySource(block), info, -1, false);
}
int32_t GetTiffInfoMemoryIndex(const void* block, TiffInfo* info, int32_t index) {
    return InfoOf(MemorySource(block), info, index, true);
}
int32_t GetTiffResolution(const char* n, int32_t* x, int32_t* y, int32_t* unit) {
    TiffInfo info;
    const int32_t status = InfoOf(AnsiSource(n), &info, -1, false);
    *x = info.xResolution;
    *y = info.yResolution;
    *unit = info.resolutionUnit;
    return status;
}
int32_t GetTiffPageCount(const char* n, int32_t* count, int32_t* list, int32_t length) {
    return PageCountOf(AnsiSource(n), count, list, length);
}
int32_t GetTiffPageCountMemory(const void* block, int32_t* count, int32_t* list, int32_t length) {
    return PageCountOf(MemorySource(block), count, list, length);
}
int32_t CheckTiffPage(const char* n, int32_t index) {
    PageFields f;
    return InfoCore(AnsiSource(n), index, true, -1, &f);
}
int32_t GetTiffPalette(const char* n, win::RGBQUAD* palette) {
    PageFields f;
    const int32_t status = InfoCore(AnsiSource(n), -1, false, -1, &f);
    if (status != IMG_OK) return status;
    const std::size_t count = f.colourMap.size() / 3;
    if (f.photometric != 3 || count == 0) return 0;
    for (std::size_t i = 0; i < count && i < 256; ++i)
        palette[i] = win::RGBQUAD{static_cast<uint8_t>(f.colourMap[2 * count + i] >> 8),
                                  static_cast<uint8_t>(f.colourMap[count + i] >> 8),
                                  static_cast<uint8_t>(f.colourMap[i] >> 8), 0};
    return static_cast<int32_t>(std::min<std::size_t>(count, 256));
}
int32_t GetTiffTagEntry(const char* n, uint16_t tag, int32_t index, uint8_t entry[12]) {
    return TagEntryOf(AnsiSource(n), tag, index, entry);
}
int32_t GetTiffTagEntryMemory(const void* block, uint16_t tag, int32_t index, uint8_t entry[12]) {
    return TagEntryOf(MemorySource(block), tag, index, entry);
}
int32_t GetTiffJpegOffset(const char* n, uint32_t* offset, int32_t index) {
    PageFields f;
    const int32_t status = InfoCore(AnsiSource(n), index, true, -1, &f);
    *offset = status == IMG_OK ? f.jpegInterchange : 0;
    return status;
}
