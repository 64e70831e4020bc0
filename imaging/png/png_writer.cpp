// Writing PNG files: header chunks, packed and filtered rows (optionally in
// Adam7 passes) deflated into IDAT chunks of 8192 bytes, IEND.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "imaging/deflate/checksums.h"
#include "imaging/deflate/deflate.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"
#include "imaging/image_records.h"
#include "imaging/png/png.h"
#include "imaging/png/png_internal.h"
#include "imaging/png/png_records.h"

namespace {

constexpr std::size_t kIdatBytes = 8192;
constexpr uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

void PutU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v >> 24);
    p[1] = static_cast<uint8_t>(v >> 16);
    p[2] = static_cast<uint8_t>(v >> 8);
    p[3] = static_cast<uint8_t>(v);
}

struct Writer {
    ImageStream out;
    uint32_t crcTable[256];
};

int32_t WriteChunk(Writer& w, const char* type, const uint8_t* data, std::size_t count) {
    uint8_t head[8];
    PutU32(head, static_cast<uint32_t>(count));
    std::memcpy(head + 4, type, 4);
    uint32_t crc = UpdateCrc(w.crcTable, 0xFFFFFFFFu, head + 4, 4);
    crc = ~UpdateCrc(w.crcTable, crc, data, count);
    uint8_t tail[4];
    PutU32(tail, crc);
    if (WriteBytes(w.out, head, 8) != IMG_OK) return IMG_IO_ERROR;
    if (count > 0 && WriteBytes(w.out, data, count) != IMG_OK) return IMG_IO_ERROR;
    return WriteBytes(w.out, tail, 4);
}

// Writes whole 8192-byte IDATs (all that is there when `all`).
int32_t DrainIdat(Writer& w, Deflater& d, bool all) {
    while (d.OutputSize() >= kIdatBytes || (all && d.OutputSize() > 0)) {
        const std::size_t n = std::min(kIdatBytes, d.OutputSize());
        if (WriteChunk(w, "IDAT", d.Output(), n) != IMG_OK) {
            PngErrorDetail = -117;
            return IMG_IO_ERROR;
        }
        d.Drop(n);
    }
    return IMG_OK;
}

int32_t WriteHeaders(Writer& w, const ImageDesc& image, int bits, int colourType, bool adam7,
                     uint32_t transparent, const void* value) {
    const auto width = static_cast<uint32_t>(RectWidth(image));
    const auto height = static_cast<uint32_t>(RectHeight(image));
    int32_t status = WriteBytes(w.out, kSignature, 8);
    uint8_t ihdr[13];
    PutU32(ihdr, width);
    PutU32(ihdr + 4, height);
    ihdr[8] = bits == 1 ? 1 : 8;
    ihdr[9] = static_cast<uint8_t>(colourType);
    ihdr[10] = 0;
    ihdr[11] = 0;
    ihdr[12] = adam7 ? 1 : 0;
    if (status == IMG_OK) status = WriteChunk(w, "IHDR", ihdr, 13);
    // The transparent palette index, when a tRNS of an indexed image is asked for.
    int64_t transparentIndex = -1;
    if (colourType == 3 && transparent == 1 && value != nullptr) {
        uint32_t index;
        std::memcpy(&index, value, 4);
        if (index < 256) transparentIndex = index;
    }
    int32_t entries = 0;
    if (status == IMG_OK && colourType == 3) {
        // Enough entries for every index in the rectangle and for the
        // transparent one, at least one, at most 2^depth: a table shorter than
        // the pixels or the tRNS would make the file invalid (PNG 11.2.3, 11.3.2.1).
        int32_t largest = static_cast<int32_t>(transparentIndex);
        for (int32_t y = image.startY; y <= image.endY; ++y) {
            const uint8_t* row = ImageRow(image, y);
            for (int32_t x = image.startX; x <= image.endX; ++x) {
                const int v = bits == 1 ? (row[x / 8] >> (7 - x % 8)) & 1 : row[x];
                largest = std::max(largest, v);
            }
        }
        entries = std::max(image.colorCount, largest + 1);
        entries = std::clamp(entries, 1, 1 << bits);
        std::vector<uint8_t> plte(static_cast<std::size_t>(3 * entries), 0);
        for (int32_t e = 0; e < entries; ++e) {
            if (image.palette == nullptr || e >= image.colorCount) continue;
            plte[static_cast<std::size_t>(3 * e)] = image.palette[e].rgbRed;
            plte[static_cast<std::size_t>(3 * e + 1)] = image.palette[e].rgbGreen;
            plte[static_cast<std::size_t>(3 * e + 2)] = image.palette[e].rgbBlue;
        }
        status = WriteChunk(w, "PLTE", plte.data(), plte.size());
    }
    if (status == IMG_OK && transparent == 1 && value != nullptr) {
        const auto* v = static_cast<const uint8_t*>(value);
        uint8_t trns[256];
        std::size_t n = 0;
        if (colourType == 0) {
            uint16_t word;
            std::memcpy(&word, v, 2);
            // A grey value beyond the 8-bit range is not valid: no tRNS then.
            if (word <= 255) {
                trns[0] = static_cast<uint8_t>(word >> 8);
                trns[1] = static_cast<uint8_t>(word);
                n = 2;
            }
        } else if (colourType == 2) {
            for (int i = 0; i < 3; ++i) {
                trns[2 * i] = 0;
                trns[2 * i + 1] = v[i];
            }
            n = 6;
        } else if (transparentIndex >= 0 && transparentIndex < entries) {
            // An index the palette cannot hold (past 2^depth) gets no tRNS.
            n = static_cast<std::size_t>(transparentIndex) + 1;
            std::memset(trns, 255, n);
            trns[n - 1] = 0;
        }
        if (n > 0) status = WriteChunk(w, "tRNS", trns, n);
    }
    if (status == IMG_OK) {
        uint8_t phys[9];
        PutU32(phys, PngResolution.xPerUnit);
        PutU32(phys + 4, PngResolution.yPerUnit);
        phys[8] = PngResolution.unit;
        status = WriteChunk(w, "pHYs", phys, 9);
    }
    return status;
}

int32_t WriteImageData(Writer& w, const ImageDesc& image, int bits, int filterMode, bool adam7,
                       bool filtered) {
    const int64_t width = RectWidth(image);
    const int64_t height = RectHeight(image);
    const int bpp = (bits + 7) / 8;
    const std::size_t rowRoom = static_cast<std::size_t>(((width + 7) / 8 * 8 * bits + 7) / 8 + 8);
    ImageBuffer current(rowRoom + 1);
    ImageBuffer previous(rowRoom + 1);
    ImageBuffer trial(rowRoom + 1);
    ImageBuffer best(rowRoom + 1);
    if (current.data() == nullptr || previous.data() == nullptr || trial.data() == nullptr ||
        best.data() == nullptr) {
        return IMG_NO_MEMORY;
    }
    Deflater d;
    if (!d.Init(filtered ? DeflateStrategy::kFiltered : DeflateStrategy::kDefault)) {
        PngErrorDetail = -114;
        return IMG_NO_MEMORY;
    }
    const int passes = adam7 ? 7 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const Adam7Pass& p = adam7 ? kAdam7[pass] : kNoInterlace;
        const int64_t passWidth = PassWidth(p, width);
        const std::size_t rowBytes = static_cast<std::size_t>((passWidth * bits + 7) / 8);
        std::memset(previous.data(), 0, rowBytes + 1);
        for (int64_t y = 0; y < height; ++y) {
            if (!RowInPass(p, y, width) || passWidth == 0) continue;
            const uint8_t* src = ImageRow(image, image.startY + static_cast<int32_t>(y));
            uint8_t* row = current.data() + 1;
            std::memset(row, 0, rowBytes);
            for (int64_t i = 0; i < passWidth; ++i) {
                const int64_t x = image.startX + p.firstColumn + i * p.columnStep;
                if (bits == 1) {
                    if ((src[x / 8] >> (7 - x % 8)) & 1)
                        row[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
                } else if (bits == 8) {
                    row[i] = src[x];
                } else {
                    row[3 * i] = src[3 * x + 2];
                    row[3 * i + 1] = src[3 * x + 1];
                    row[3 * i + 2] = src[3 * x];
                }
            }
            const uint8_t* prior = previous.data() + 1;
            int type = filterMode;
            if (filterMode < 0) {
                uint32_t bestCost = 0xFFFFFFFFu;
                for (int t = 0; t <= 4; ++t) {
                    FilterRow(t, row, prior, rowBytes, bpp, trial.data() + 1);
                    uint32_t cost = 0;
                    for (std::size_t i = 0; i < rowBytes; ++i) {
                        const uint32_t v = trial.data()[1 + i];
                        cost += std::min(v, 256 - v);
                    }
                    if (cost < bestCost) {
                        bestCost = cost;
                        type = t;
                    }
                }
            }
            uint8_t* outRow = best.data();
            outRow[0] = static_cast<uint8_t>(type);
            FilterRow(type, row, prior, rowBytes, bpp, outRow + 1);
            std::memcpy(previous.data() + 1, row, rowBytes);
            if (!d.Write(outRow, rowBytes + 1)) {
                PngErrorDetail = -116;
                return IMG_DEFLATE_ERROR;
            }
            const int32_t status = DrainIdat(w, d, false);
            if (status != IMG_OK) return status;
        }
    }
    if (!d.Finish()) {
        PngErrorDetail = -116;
        return IMG_DEFLATE_ERROR;
    }
    return DrainIdat(w, d, true);
}

int32_t SavePngCore(const ImageTarget& target, ImageDesc* image, uint32_t option,
                    uint32_t transparent, const void* value) {
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    ImageLibLockEntry& lock = ImageLibLock[kPngLock];
    std::lock_guard<std::recursive_mutex> guard(lock.mutex);
    lock.initialised = 1;
    Writer w;
    status = OpenImageTarget(target, &w.out);
    if (status != IMG_OK) return status;
    PngErrorDetail = 0;
    BuildCrcTable(w.crcTable);
    const int bits = image->header->biBitCount;
    const int colourType = bits == 24                                           ? 2
                           : (bits == 8 && (image->flags & IMG_FLAG_GREY) != 0) ? 0
                                                                                : 3;
    const bool adam7 = (option & 1) != 0;
    int filterMode = 0;  // -1 adaptive, else the type
    if (colourType != 3 && option <= 11) {
        static constexpr int kModes[6] = {-1, 0, 1, 2, 3, 4};
        filterMode = kModes[(option & 14) / 2];
    }
    const bool fixedNone = colourType == 3 || option > 11 || (option & 14) == 2;
    status = WriteHeaders(w, *image, bits, colourType, adam7, transparent, value);
    if (status == IMG_OK) status = WriteImageData(w, *image, bits, filterMode, adam7, !fixedNone);
    if (status == IMG_OK) status = WriteChunk(w, "IEND", nullptr, 0);
    if (target.medium == ImageMedium::kMemory) {
        if (status == IMG_IO_ERROR) status = IMG_NO_MEMORY;
        if (PngErrorDetail == -117) PngErrorDetail = -114;
    }
    status = FinishImageTarget(target, &w.out, status);
    if (status == IMG_OK) PngResolution = PngResolutionRecord{};
    return status;
}

}  // namespace

void FilterRow(int type, const uint8_t* row, const uint8_t* prior, std::size_t n, int bpp,
               uint8_t* out) {
    const auto b = static_cast<std::size_t>(bpp);
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= b ? row[i - b] : 0;
        const int up = prior[i];
        const int c = i >= b ? prior[i - b] : 0;
        int pred = 0;
        if (type == 1) pred = a;
        if (type == 2) pred = up;
        if (type == 3) pred = (a + up) / 2;
        if (type == 4) pred = Paeth(a, up, c);
        out[i] = static_cast<uint8_t>(row[i] - pred);
    }
}

void UnfilterRow(int type, uint8_t* row, const uint8_t* prior, std::size_t n, int bpp) {
    if (type < 1 || type > 4) return;
    const auto b = static_cast<std::size_t>(bpp);
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= b ? row[i - b] : 0;
        const int up = prior[i];
        const int c = i >= b ? prior[i - b] : 0;
        int pred = 0;
        if (type == 1) pred = a;
        if (type == 2) pred = up;
        if (type == 3) pred = (a + up) / 2;
        if (type == 4) pred = Paeth(a, up, c);
        row[i] = static_cast<uint8_t>(row[i] + pred);
    }
}

int32_t SavePng(const char* fileName, ImageDesc* image, uint32_t option) {
    return SavePngCore(AnsiTarget(fileName), image, option, 0, nullptr);
}
int32_t SavePngW(const char16_t* fileName, ImageDesc* image, uint32_t option) {
    return SavePngCore(WideTarget(fileName), image, option, 0, nullptr);
}
int32_t SavePngToMemory(void** block, ImageDesc* image, uint32_t option) {
    return SavePngCore(MemoryTarget(block), image, option, 0, nullptr);
}
int32_t SavePngEx(const char* fileName, ImageDesc* image, uint32_t option, uint32_t transparent,
                  const void* value) {
    return SavePngCore(AnsiTarget(fileName), image, option, transparent, value);
}
int32_t SavePngExW(const char16_t* fileName, ImageDesc* image, uint32_t option,
                   uint32_t transparent, const void* value) {
    return SavePngCore(WideTarget(fileName), image, option, transparent, value);
}
int32_t SavePngExToMemory(void** block, ImageDesc* image, uint32_t option, uint32_t transparent,
                          const void* value) {
    return SavePngCore(MemoryTarget(block), image, option, transparent, value);
}

void SetPngResolution(uint32_t xPerUnit, uint32_t yPerUnit, uint32_t unit) {
    PngResolution.xPerUnit = xPerUnit;
    PngResolution.yPerUnit = yPerUnit;
    if (unit <= 1) PngResolution.unit = static_cast<uint8_t>(unit);
}

int32_t GetPngErrorDetail() {
    return PngErrorDetail;
}
