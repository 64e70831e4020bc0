// Reading PNG files: the chunk scan, the loader and the small queries.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>

#include "imaging/deflate/checksums.h"
#include "imaging/deflate/inflate.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"
#include "imaging/image_records.h"
#include "imaging/png/png.h"
#include "imaging/png/png_internal.h"
#include "imaging/png/png_records.h"

namespace {

constexpr uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

uint32_t GetU32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Colour type and depth -> format number, or -1.
int FormatOf(uint32_t colourType, uint32_t depth) {
    switch (colourType) {
        case 0:
            return depth == 1    ? 0
                   : depth == 2  ? 1
                   : depth == 4  ? 2
                   : depth == 8  ? 3
                   : depth == 16 ? 4
                                 : -1;
        case 2:
            return depth == 8 ? 5 : depth == 16 ? 6 : -1;
        case 3:
            return depth == 1 ? 7 : depth == 2 ? 8 : depth == 4 ? 9 : depth == 8 ? 10 : -1;
        case 4:
            return depth == 8 ? 11 : depth == 16 ? 12 : -1;
        case 6:
            return depth == 8 ? 13 : depth == 16 ? 14 : -1;
        default:
            return -1;
    }
}

struct ScanResult {
    bool haveHeader = false;
    int64_t plteAt = -1;
    uint32_t plteLength = 0;
    int64_t idatAt = -1;
    uint32_t idatLength = 0;
    const char* keyword = nullptr;
    int64_t textAt = -1;
    uint32_t textLength = 0;
};

struct Scanner {
    ImageStream& in;
    uint32_t crcTable[256];
    uint32_t crc = 0;
    int64_t position = 0;
    bool Read(void* to, std::size_t n) {
        const std::size_t got = ReadBytes(in, to, n);
        position += static_cast<int64_t>(got);
        crc = UpdateCrc(crcTable, crc, static_cast<uint8_t*>(to), got);
        return got == n;
    }
};

int32_t Detail(int32_t detail) {
    PngErrorDetail = detail;
    return IMG_PNG_ERROR;
}

int32_t ScanPngChunks(ImageStream& in, PngInfo* info, ScanResult* r) {
    std::memset(info, 0, sizeof *info);
    PngErrorDetail = 0;
    Scanner s{in, {}, 0, 0};
    BuildCrcTable(s.crcTable);
    uint8_t sig[8];
    if (!s.Read(sig, 8) || std::memcmp(sig, kSignature, 8) != 0) return Detail(-110);
    bool trnsSeen = false;
    bool bkgdSeen = false;
    std::vector<uint8_t> data;
    for (;;) {
        uint8_t head[8];
        if (!s.Read(head, 8)) return Detail(-113);
        const uint32_t length = GetU32(head);
        if (length > 0x7FFFFFFFu) return Detail(-113);
        char type[5] = {static_cast<char>(head[4]), static_cast<char>(head[5]),
                        static_cast<char>(head[6]), static_cast<char>(head[7]), 0};
        s.crc = UpdateCrc(s.crcTable, 0xFFFFFFFFu, head + 4, 4);
        const std::string t = type;
        if (t == "IEND") return IMG_OK;
        const bool known = t == "IHDR" || t == "PLTE" || t == "tRNS" || t == "bKGD" ||
                           t == "gAMA" || t == "tEXt" || t == "oFFs" || t == "pHYs" ||
                           t == "sBIT" || t == "IDAT";
        if (!known && (head[4] & 0x20) == 0) return Detail(-100);
        if (t == "IDAT") {
            if (r->idatAt < 0) {
                r->idatAt = s.position;
                r->idatLength = length;
            }
            if (SeekStream(in, static_cast<int32_t>(length), 1) < 0) return Detail(-113);
            s.position += length;
            uint8_t crc[4];
            if (!s.Read(crc, 4)) return Detail(-113);
            continue;
        }
        const int64_t dataAt = s.position;
        // Ancillary data is read in pieces, kept only while it is small.
        data.clear();
        uint32_t left = length;
        uint8_t piece[8192];
        while (left > 0) {
            const uint32_t n = std::min<uint32_t>(left, sizeof piece);
            if (!s.Read(piece, n)) return Detail(-113);
            if (data.size() < 65536 || t == "tEXt") data.insert(data.end(), piece, piece + n);
            left -= n;
            if (data.size() > (1u << 24)) data.resize(1u << 24);
        }
        const uint32_t dataCrc = ~s.crc;
        uint8_t crcBytes[4];
        if (!s.Read(crcBytes, 4)) return Detail(-113);
        if (GetU32(crcBytes) != dataCrc) return Detail(-111);
        const uint8_t* d = data.data();
        if (t == "IHDR") {
            if (length != 13) return Detail(-102);
            info->width = GetU32(d);
            info->height = GetU32(d + 4);
            if (info->width == 0 || info->height == 0 || info->width > 0x7FFFFFFFu ||
                info->height > 0x7FFFFFFFu) {
                return Detail(-109);
            }
            const uint32_t depth = d[8];
            if (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16)
                return Detail(-103);
            if (d[9] > 6 || d[9] == 1 || d[9] == 5) return Detail(-104);
            const int format = FormatOf(d[9], depth);
            if (format < 0) return Detail(-105);
            if (d[12] > 1) return Detail(-106);
            if (d[10] != 0) return Detail(-107);
            if (d[11] != 0) return Detail(-108);
            static constexpr uint32_t kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
            info->bitDepth = depth;
            info->colorType = d[9];
            info->interlaced = d[12];
            info->format = static_cast<uint32_t>(format);
            info->channels = kChannels[d[9]];
            info->bitsPerPixel = depth * info->channels;
            info->imageDepth = (format == 0 || format == 7)                                   ? 1
                               : (format == 5 || format == 6 || format == 13 || format == 14) ? 24
                                                                                              : 8;
            info->rowBytes =
                static_cast<uint32_t>((uint64_t{info->width} * info->bitsPerPixel + 7) / 8);
            r->haveHeader = true;
        } else if (t == "PLTE") {
            if (r->plteAt < 0) {
                r->plteAt = dataAt;
                r->plteLength = length;
            }
        } else if (t == "tRNS") {
            if (!trnsSeen && length <= 256) {
                trnsSeen = true;
                info->hasTransparency = 1;
                if (info->colorType == 3) {
                    // The entry with the lowest alpha, the first on a tie.
                    uint32_t index = 0;
                    for (uint32_t i = 1; i < length; ++i) {
                        if (d[i] < d[index]) index = i;
                    }
                    if (length == 0) info->hasTransparency = 0;
                    std::memcpy(info->transparency, &index, 4);
                    info->transparencyBytes = 1;
                } else {
                    const uint32_t n = std::min<uint32_t>(length, 6);
                    for (uint32_t i = 0; i + 1 < n + 1 && i < n; i += 2) {
                        info->transparency[i] = i + 1 < n ? d[i + 1] : 0;
                        info->transparency[i + 1] = d[i];
                    }
                    info->transparencyBytes = n;
                }
            }
        } else if (t == "bKGD") {
            if (!bkgdSeen && length <= 6) {
                bkgdSeen = true;
                info->hasBackground = 1;
                for (uint32_t i = 0; i < length; ++i) info->background[i] = d[i];
                if (info->colorType != 3) {
                    for (uint32_t i = 0; i + 1 < length; i += 2)
                        std::swap(info->background[i], info->background[i + 1]);
                }
                info->backgroundBytes = length;
            }
        } else if (t == "gAMA") {
            if (length == 4) info->gamma = GetU32(d);
        } else if (t == "pHYs") {
            if (length == 9) {
                info->xPerUnit = GetU32(d);
                info->yPerUnit = GetU32(d + 4);
                info->unit = d[8];
            }
        } else if (t == "oFFs") {
            if (length == 9) {
                info->xOffset = GetU32(d);
                info->yOffset = GetU32(d + 4);
                info->offsetUnit = d[8];
            }
        } else if (t == "sBIT") {
            const uint32_t want = info->colorType == 3 ? 3 : info->channels;
            if (length == want && want <= 4) std::memcpy(info->significantBits, d, want);
        } else if (t == "tEXt") {
            if (r->keyword != nullptr) {
                const std::size_t k = std::strlen(r->keyword);
                if (k < length && std::memcmp(d, r->keyword, k) == 0 && d[k] == 0) {
                    r->textAt = dataAt + static_cast<int64_t>(k) + 1;
                    r->textLength = length - static_cast<uint32_t>(k) - 1;
                }
            }
        }
    }
}

// The IDAT chain as inflate input.
struct IdatInput {
    ImageStream* in;
    uint32_t left;  // bytes of the current IDAT not yet read
    bool ended = false;
    uint32_t crcTable[256];
    uint32_t crc;
    bool crcBad = false;
    bool readFailed = false;
};

std::size_t ReadIdat(void* context, uint8_t* buffer, std::size_t capacity) {
    auto* c = static_cast<IdatInput*>(context);
    while (!c->ended) {
        if (c->left > 0) {
            const std::size_t n = std::min<std::size_t>(capacity, c->left);
            const std::size_t got = ReadBytes(*c->in, buffer, n);
            c->crc = UpdateCrc(c->crcTable, c->crc, buffer, got);
            c->left -= static_cast<uint32_t>(got);
            if (got < n) {
                c->readFailed = true;
                c->ended = true;
            }
            return got;
        }
        uint8_t b[12];
        if (ReadBytes(*c->in, b, 12) < 12) {
            c->readFailed = true;
            c->ended = true;
            return 0;
        }
        if (GetU32(b) != ~c->crc) {
            c->crcBad = true;
            c->ended = true;
            return 0;
        }
        if (std::memcmp(b + 8, "IDAT", 4) != 0) {
            c->ended = true;
            return 0;
        }
        c->left = GetU32(b + 4);
        c->crc = UpdateCrc(c->crcTable, 0xFFFFFFFFu, b + 8, 4);
    }
    return 0;
}

void ConvertRow(uint32_t format, uint8_t* row, int64_t width) {
    switch (format) {
        case 1:
        case 2:
        case 8:
        case 9: {
            const int bits = (format == 1 || format == 8) ? 2 : 4;
            const int per = 8 / bits;
            for (int64_t i = width - 1; i >= 0; --i) {
                const int shift = 8 - bits * (1 + static_cast<int>(i % per));
                int v = (row[i / per] >> shift) & ((1 << bits) - 1);
                if (format == 1) v *= 85;
                if (format == 2) v *= 17;
                row[i] = static_cast<uint8_t>(v);
            }
            break;
        }
        case 4:
        case 11:
        case 12: {
            const int step = format == 4 ? 2 : format == 11 ? 2 : 4;
            for (int64_t i = 0; i < width; ++i) row[i] = row[i * step];
            break;
        }
        case 6:
        case 13:
        case 14: {
            const int step = format == 13 ? 1 : 2;
            const int pixel = format == 6 ? 6 : format == 13 ? 4 : 8;
            for (int64_t i = 0; i < width; ++i) {
                for (int k = 0; k < 3; ++k) row[3 * i + k] = row[i * pixel + k * step];
            }
            break;
        }
        default:
            break;
    }
}

int32_t LoadRows(ImageStream& in, const PngInfo& info, const ScanResult& scan, ImageDesc* image) {
    if (!scan.haveHeader || scan.idatAt < 0) return Detail(-109);
    if (info.width > 65535 || info.height > 65535) return Detail(-109);
    if (static_cast<int32_t>(info.imageDepth) != image->header->biBitCount)
        return IMG_BAD_BIT_DEPTH;
    const int64_t width = info.width;
    const int64_t height = info.height;
    const int bpp = static_cast<int>((info.bitsPerPixel + 7) / 8);
    // Room for the file's row and for the row converted to the image's depth
    // (1-, 2- and 4-bit samples widen to a byte each).
    const int64_t roundedWidth = (width + 7) / 8 * 8;
    const auto roomBytes = static_cast<std::size_t>(
        std::max<int64_t>(roundedWidth * info.bitsPerPixel, roundedWidth * info.imageDepth) / 8 +
        8);
    ImageBuffer row(roomBytes + 1);
    ImageBuffer previous(roomBytes + 1);
    if (row.data() == nullptr || previous.data() == nullptr) return IMG_NO_MEMORY;
    if (SeekStream(in, static_cast<int32_t>(scan.idatAt), 0) != scan.idatAt) return Detail(-113);
    IdatInput src{&in, scan.idatLength, false, {}, 0, false, false};
    BuildCrcTable(src.crcTable);
    src.crc = UpdateCrc(src.crcTable, 0xFFFFFFFFu, reinterpret_cast<const uint8_t*>("IDAT"), 4);
    Inflater inflater;
    if (!inflater.Init(&ReadIdat, &src)) return Detail(-114);
    const int64_t rows = std::min<int64_t>(RectHeight(*image), height);
    const int64_t columns = std::min<int64_t>(RectWidth(*image), width);
    const int depth = image->header->biBitCount;
    const int passes = info.interlaced != 0 ? 7 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const Adam7Pass& p = info.interlaced != 0 ? kAdam7[pass] : kNoInterlace;
        const int64_t passWidth = PassWidth(p, width);
        if (passWidth == 0) continue;
        const auto rowBytes = static_cast<std::size_t>((passWidth * info.bitsPerPixel + 7) / 8);
        std::memset(previous.data(), 0, rowBytes + 1);
        for (int64_t y = 0; y < height; ++y) {
            if (!RowInPass(p, y, width)) continue;
            std::size_t got = 0;
            const InflateResult res = inflater.Read(row.data(), rowBytes + 1, &got);
            if (src.crcBad) return Detail(-111);
            if (res == InflateResult::kEnd) return Detail(-112);
            if (res != InflateResult::kOk) return Detail(src.readFailed ? -113 : -115);
            if (y >= rows) continue;
            uint8_t* data = row.data() + 1;
            UnfilterRow(row.data()[0], data, previous.data() + 1, rowBytes, bpp);
            std::memcpy(previous.data() + 1, data, rowBytes);
            ConvertRow(info.format, data, passWidth);
            uint8_t* dst = ImageRow(*image, image->startY + static_cast<int32_t>(y));
            for (int64_t i = 0; i < passWidth; ++i) {
                const int64_t c = p.firstColumn + i * p.columnStep;
                if (c >= columns) break;
                const int64_t x = image->startX + c;
                if (depth == 8) {
                    dst[x] = data[i];
                } else if (depth == 24) {
                    dst[3 * x] = data[3 * i + 2];
                    dst[3 * x + 1] = data[3 * i + 1];
                    dst[3 * x + 2] = data[3 * i];
                } else {
                    const int bit = (data[i / 8] >> (7 - i % 8)) & 1;
                    const auto mask = static_cast<uint8_t>(0x80 >> (x % 8));
                    dst[x / 8] = static_cast<uint8_t>(bit ? dst[x / 8] | mask : dst[x / 8] & ~mask);
                }
            }
        }
    }
    std::size_t extra = 0;
    const InflateResult end = inflater.Finish(&extra);
    if (src.crcBad) return Detail(-111);
    if (end != InflateResult::kEnd) return Detail(src.readFailed ? -113 : -115);
    if (inflater.UnusedInput() > 0 || src.left > 0) return Detail(-112);
    return IMG_OK;
}

std::recursive_mutex& PngLock() {
    ImageLibLock[kPngLock].initialised = 1;
    return ImageLibLock[kPngLock].mutex;
}

int32_t InfoCore(const ImageSource& source, PngInfo* info, ScanResult* scan) {
    ImageStream in;
    if (OpenImageSource(source, &in) != IMG_OK) return IMG_NOT_THIS_FORMAT;
    const int32_t status = ScanPngChunks(in, info, scan);
    CloseImageStream(&in);
    return status;
}

int32_t PaletteCore(const ImageSource& source, win::RGBQUAD* table, int32_t limit) {
    std::lock_guard<std::recursive_mutex> guard(PngLock());
    PngInfo info;
    ScanResult scan;
    int32_t status = InfoCore(source, &info, &scan);
    if (status != IMG_OK) return status;
    if (info.colorType != 3 || scan.plteAt < 0) return 0;
    const int32_t entries =
        std::min<int32_t>({static_cast<int32_t>(scan.plteLength / 3), 256, limit});
    ImageStream in;
    if (OpenImageSource(source, &in) != IMG_OK) return IMG_NOT_THIS_FORMAT;
    uint8_t rgb[768];
    const bool ok = SeekStream(in, static_cast<int32_t>(scan.plteAt), 0) == scan.plteAt &&
                    ReadBytes(in, rgb, static_cast<std::size_t>(3 * entries)) ==
                        static_cast<std::size_t>(3 * entries);
    CloseImageStream(&in);
    if (!ok) return Detail(-113);
    for (int32_t e = 0; e < entries; ++e) {
        table[e] = win::RGBQUAD{rgb[3 * e + 2], rgb[3 * e + 1], rgb[3 * e], 0};
    }
    return entries;
}

int32_t LoadCore(const ImageSource& source, ImageDesc* image) {
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    {
        std::lock_guard<std::recursive_mutex> guard(PngLock());
        ImageStream in;
        if (OpenImageSource(source, &in) != IMG_OK) return IMG_NOT_THIS_FORMAT;
        PngInfo info;
        ScanResult scan;
        status = ScanPngChunks(in, &info, &scan);
        if (status == IMG_OK) status = LoadRows(in, info, scan, image);
        CloseImageStream(&in);
    }
    if (image->palette != nullptr && image->header->biBitCount <= 8) {
        win::RGBQUAD table[256];
        const int32_t loadDetail = PngErrorDetail;
        const int32_t entries = PaletteCore(source, table, 1 << image->header->biBitCount);
        image->flags &= ~IMG_FLAG_GREY;
        if (entries > 0) {
            std::copy(table, table + entries, image->palette);
            image->colorCount = entries;
            if (IsGreyPalette(image) != 0) image->flags |= IMG_FLAG_GREY;
        } else {
            InitImagePalette(image);
        }
        if (image->dibSection != nullptr) (void)SetDibSectionPalette(image);
        // The load's own failure detail outlives the palette query.
        if (status != IMG_OK) PngErrorDetail = loadDetail;
    }
    return status;
}

int32_t TextCore(const ImageSource& source, const char* keyword, char* buffer, uint32_t size) {
    std::lock_guard<std::recursive_mutex> guard(PngLock());
    PngInfo info;
    ScanResult scan;
    scan.keyword = keyword;
    const int32_t status = InfoCore(source, &info, &scan);
    if (status != IMG_OK) return status;
    if (scan.textAt < 0 || scan.textLength == 0) return 0;
    if (buffer == nullptr) return static_cast<int32_t>(scan.textLength + 1);
    const uint32_t n = std::min(scan.textLength + 1, size);
    if (n < 2) return IMG_OK;
    ImageBuffer text(scan.textLength);
    if (text.data() == nullptr) return IMG_NO_MEMORY;
    ImageStream in;
    if (OpenImageSource(source, &in) != IMG_OK) return IMG_NOT_THIS_FORMAT;
    std::size_t got = 0;
    if (SeekStream(in, static_cast<int32_t>(scan.textAt), 0) == scan.textAt) {
        got = ReadBytes(in, text.data(), scan.textLength);
    }
    CloseImageStream(&in);
    if (got == 0) return IMG_OK;
    const uint32_t copy = std::min<uint32_t>(n - 1, static_cast<uint32_t>(got));
    std::memcpy(buffer, text.data(), copy);
    buffer[copy] = 0;
    return IMG_OK;
}

int32_t ResolutionCore(const ImageSource& source, uint32_t* x, uint32_t* y, uint32_t* unit) {
    std::lock_guard<std::recursive_mutex> guard(PngLock());
    PngInfo info;
    ScanResult scan;
    const int32_t status = InfoCore(source, &info, &scan);
    if (status != IMG_OK) return status;
    if (x != nullptr) *x = info.xPerUnit;
    if (y != nullptr) *y = info.yPerUnit;
    if (unit != nullptr) *unit = info.unit;
    return IMG_OK;
}

int32_t GetInfo(const ImageSource& source, PngInfo* info) {
    std::lock_guard<std::recursive_mutex> guard(PngLock());
    ScanResult scan;
    return InfoCore(source, info, &scan);
}

}  // namespace

int32_t GetPngInfo(const char* f, PngInfo* i) {
    return GetInfo(AnsiSource(f), i);
}
int32_t GetPngInfoW(const char16_t* f, PngInfo* i) {
    return GetInfo(WideSource(f), i);
}
int32_t GetPngInfoFromMemory(const void* b, PngInfo* i) {
    return GetInfo(MemorySource(b), i);
}
int32_t LoadPng(const char* f, ImageDesc* image) {
    return LoadCore(AnsiSource(f), image);
}
int32_t LoadPngW(const char16_t* f, ImageDesc* image) {
    return LoadCore(WideSource(f), image);
}
int32_t LoadPngFromMemory(const void* b, ImageDesc* image) {
    return LoadCore(MemorySource(b), image);
}
int32_t GetPngPalette(const char* f, win::RGBQUAD* t) {
    return PaletteCore(AnsiSource(f), t, 256);
}
int32_t GetPngPaletteW(const char16_t* f, win::RGBQUAD* t) {
    return PaletteCore(WideSource(f), t, 256);
}
int32_t GetPngPaletteFromMemory(const void* b, win::RGBQUAD* t) {
    return PaletteCore(MemorySource(b), t, 256);
}
int32_t GetPngText(const char* f, const char* k, char* b, uint32_t n) {
    return TextCore(AnsiSource(f), k, b, n);
}
int32_t GetPngTextW(const char16_t* f, const char* k, char* b, uint32_t n) {
    return TextCore(WideSource(f), k, b, n);
}
int32_t GetPngResolution(const char* f, uint32_t* x, uint32_t* y, uint32_t* u) {
    return ResolutionCore(AnsiSource(f), x, y, u);
}
int32_t GetPngResolutionW(const char16_t* f, uint32_t* x, uint32_t* y, uint32_t* u) {
    return ResolutionCore(WideSource(f), x, y, u);
}
