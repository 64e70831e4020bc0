// Writing TIFF pages: the compression argument, the kinds, the strips of
// every coding, the IFD with its out-of-line values, appending to a file
// (with a backup of its bytes) and linking the new page into the chain.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "imaging/frame/packed_rows.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/tiff/tiff.h"
#include "imaging/tiff/tiff_ccitt.h"
#include "imaging/tiff/tiff_codecs.h"
#include "imaging/tiff/tiff_internal.h"
#include "imaging/tiff/tiff_records.h"
#include "platform/files/file_io.h"
#include "platform/system/clipboard.h"

namespace {

constexpr uint32_t kStripLimit = 16384;
constexpr int kCompressionOf[8] = {1, 5, 32773, 2, 4, 3, 6, 7};

// ---- A stream over a file handle opened for update --------------------------------------
win::HANDLE AsHandle(std::intptr_t h) {
    return reinterpret_cast<win::HANDLE>(h);
}
int32_t HandleWrite(std::intptr_t h, const void* data, uint32_t count, uint32_t* done) {
    win::DWORD n = 0;
    const win::BOOL ok = win::WriteFile(AsHandle(h), data, count, &n, nullptr);
    *done = n;
    return ok ? 1 : 0;
}
int32_t HandleRead(std::intptr_t h, void* data, uint32_t count, uint32_t* done) {
    win::DWORD n = 0;
    const win::BOOL ok = win::ReadFile(AsHandle(h), data, count, &n, nullptr);
    *done = n;
    return ok ? 1 : 0;
}
int64_t HandleSeek(std::intptr_t h, int32_t distance, uint32_t method) {
    const win::DWORD pos = win::SetFilePointer(AsHandle(h), distance, nullptr, method);
    return pos == win::INVALID_SET_FILE_POINTER ? -1 : static_cast<int64_t>(pos);
}
int32_t HandleClose(std::intptr_t h) {
    return win::CloseHandle(AsHandle(h)) ? 1 : 0;
}

void Put16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    Put16(p, v & 0xFFFF);
    Put16(p + 2, v >> 16);
}

struct Page {
    ImageDesc* image = nullptr;
    TiffKind kind;
    int compression = 1;
    bool oneStrip = false;
    bool fillLsb = false;
    bool invert = false;
    bool grey = false;
    int width = 0, height = 0;
    int writtenDepth = 0;
    std::size_t rowBytes = 0;
    int rowsPerStrip = 0;
    int strips = 0;
    int colourMapValues = 0;
    int32_t pageNumber = -1;
    int32_t pageTotal = 0;
    std::vector<uint32_t> offsets;  // strips + 1
    std::vector<uint8_t> jpegTables;
};

// The raw bytes of picture rows [first, first + count) as the file holds them.
void RawRows(const Page& p, int first, int count, std::vector<uint8_t>* out) {
    const ImageDesc& image = *p.image;
    out->assign(p.rowBytes * static_cast<std::size_t>(count), 0);
    const int bits = image.header->biBitCount;
    for (int r = 0; r < count; ++r) {
        const uint8_t* src = ImageRow(image, image.startY + first + r);
        uint8_t* dst = out->data() + p.rowBytes * static_cast<std::size_t>(r);
        if (bits == 1) {
            GetPackedRun(dst, src, static_cast<uint32_t>(image.startX),
                         static_cast<uint32_t>(p.width));
            if (p.invert) InvertBytes(dst, static_cast<uint32_t>(p.rowBytes));
            // Bits behind the last pixel stay 0 (black) as written.
            if (p.invert && p.width % 8 != 0)
                dst[p.rowBytes - 1] &= static_cast<uint8_t>(0xFF << (8 - p.width % 8));
        } else {
            const std::size_t bytesPerPixel = static_cast<std::size_t>(bits) / 8;
            std::memcpy(dst, src + bytesPerPixel * static_cast<std::size_t>(image.startX),
                        p.rowBytes);
            if (bits == 24) SwapRgbBytes(dst, static_cast<uint32_t>(p.width));
        }
    }
}

int32_t WriteAll(ImageStream& out, const std::vector<uint8_t>& bytes) {
    return bytes.empty() ? IMG_OK : WriteBytes(out, bytes.data(), bytes.size());
}

int32_t Position(ImageStream& out, uint32_t* at) {
    const int64_t p = out.seek(out.handle, 0, 1);
    if (p < 0) return IMG_IO_ERROR;
    *at = static_cast<uint32_t>(p);
    return IMG_OK;
}

// The strips of the raw, PackBits, LZW and CCITT classes.
int32_t EncodeStrips(Page& p, ImageStream& out) {
    std::vector<uint8_t> raw;
    std::vector<uint8_t> coded;
    const bool ccitt = p.kind.cls == kTiffCcitt;
    if (ccitt && p.kind.kind == 9 && (p.width > 65535 || p.height > 65535)) return IMG_TOO_LARGE;
    for (int s = 0; s < p.strips; ++s) {
        const int first = s * p.rowsPerStrip;
        const int count = std::min(p.rowsPerStrip, p.height - first);
        int32_t status = Position(out, &p.offsets[static_cast<std::size_t>(s)]);
        if (status != IMG_OK) return status;
        RawRows(p, first, count, &raw);
        coded.clear();
        if (p.kind.cls == kTiffRaw) {
            coded.swap(raw);
        } else if (p.kind.cls == kTiffLzw) {
            LzwEncodeStrip(raw.data(), raw.size(), &coded);
        } else if (p.kind.cls == kTiffPackBits) {
            for (int r = 0; r < count; ++r)
                PackBitsEncode(raw.data() + p.rowBytes * static_cast<std::size_t>(r), p.rowBytes,
                               &coded);
        } else {
            CcittEncoder e(p.width);
            for (int r = 0; r < count; ++r) {
                const uint8_t* row = raw.data() + p.rowBytes * static_cast<std::size_t>(r);
                if (p.kind.kind == 8) {
                    e.MhRow(row);
                } else if (p.kind.kind == 13) {
                    e.T4Row(row);
                } else if ((status = e.G4Row(row)) != IMG_OK) {
                    return status;
                }
            }
            if (p.kind.kind == 9) e.EndG4Strip();
            coded.swap(e.bytes());
        }
        if (p.fillLsb && p.image->header->biBitCount == 1)
            ReverseBitsInBytes(coded.data(), static_cast<uint32_t>(coded.size()));
        status = WriteAll(out, coded);
        if (status != IMG_OK) return status;
    }
    return Position(out, &p.offsets.back());
}

// The JPEG strips: one baseline stream per strip (Compression 7 without its
// tables, which go to JPEGTables), or one stream for the page (6).
int32_t EncodeJpegStrips(Page& p, ImageStream& out) {
    const bool tables = p.compression == 7;
    SetJpegTableCapture(tables ? 1 : 0);
    int32_t status = IMG_OK;
    for (int s = 0; s < p.strips && status == IMG_OK; ++s) {
        const int first = s * p.rowsPerStrip;
        const int count = std::min(p.rowsPerStrip, p.height - first);
        status = Position(out, &p.offsets[static_cast<std::size_t>(s)]);
        if (status != IMG_OK) break;
        ImageDesc strip = *p.image;
        strip.startY = p.image->startY + first;
        strip.endY = strip.startY + count - 1;
        void* block = nullptr;
        status = SaveJpgToMemoryQuality(&block, &strip, 75);
        if (status != IMG_OK) break;
        const std::size_t size = win::GlobalSize(win::GlobalHandle(block));
        status = WriteBytes(out, block, size);
        win::HGLOBAL h = win::GlobalHandle(block);
        win::GlobalUnlock(h);
        win::GlobalFree(h);
    }
    SetJpegTableCapture(0);
    if (status != IMG_OK) return status;
    if (tables) {
        const JpegCapturedTables& c = GetJpegCapturedTables();
        p.jpegTables = {0xFF, 0xD8};
        p.jpegTables.insert(p.jpegTables.end(), c.dqt, c.dqt + c.dqtSize);
        p.jpegTables.insert(p.jpegTables.end(), c.dht, c.dht + c.dhtSize);
        p.jpegTables.insert(p.jpegTables.end(), {0xFF, 0xD9});
    }
    return Position(out, &p.offsets.back());
}

class IfdBuilder {
  public:
    IfdBuilder(uint32_t pageStart, std::size_t reserve) : start_(pageStart), bytes_(reserve, 0) {
        extraAt_ = 270;
    }
    // An entry with its value inline (up to 4 bytes) or out of line.
    void Entry(uint16_t tag, uint16_t type, uint32_t count, const std::vector<uint8_t>& value) {
        uint8_t* e = bytes_.data() + 2 + 12 * static_cast<std::size_t>(count_);
        Put16(e, tag);
        Put16(e + 2, type);
        Put32(e + 4, count);
        if (value.size() <= 4) {
            std::memcpy(e + 8, value.data(), value.size());
        } else {
            Put32(e + 8, start_ + static_cast<uint32_t>(extraAt_));
            if (bytes_.size() < extraAt_ + value.size()) bytes_.resize(extraAt_ + value.size(), 0);
            std::memcpy(bytes_.data() + extraAt_, value.data(), value.size());
            extraAt_ += value.size();
        }
        ++count_;
    }
    void Short(uint16_t tag, uint32_t v) {
        Entry(tag, 3, 1, {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
    }
    void Long(uint16_t tag, uint32_t v) {
        Entry(tag, 4, 1,
              {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
               static_cast<uint8_t>(v >> 24)});
    }
    // The IFD and its values, up to the end of the last value.
    std::vector<uint8_t> Finish() {
        Put16(bytes_.data(), static_cast<uint32_t>(count_));
        Put32(bytes_.data() + 2 + 12 * static_cast<std::size_t>(count_), 0);
        bytes_.resize(extraAt_);
        return bytes_;
    }

  private:
    uint32_t start_;
    std::vector<uint8_t> bytes_;
    std::size_t extraAt_;
    int count_ = 0;
};

// A name in a 16-byte slot, zero-padded; the count covers the text and its one
// terminating NUL, so readers see a single string rather than trailing empty ones.
void NameEntry(IfdBuilder& b, uint16_t tag, const char* text) {
    const std::size_t length = std::strlen(text);
    std::vector<uint8_t> slot(16, 0);
    std::memcpy(slot.data(), text, length);
    b.Entry(tag, 2, static_cast<uint32_t>(length + 1), slot);
}

std::vector<uint8_t> Longs(const std::vector<uint32_t>& v) {
    std::vector<uint8_t> out(4 * v.size());
    for (std::size_t i = 0; i < v.size(); ++i) Put32(out.data() + 4 * i, v[i]);
    return out;
}

int32_t WriteIfd(Page& p, ImageStream& out, uint32_t pageStart, std::size_t reserve) {
    IfdBuilder b(pageStart, reserve);
    const bool many = p.strips > 1;
    const bool jpeg = p.kind.cls == kTiffJpeg;
    b.Long(254, p.pageTotal >= 1 ? 2 : 0);
    b.Short(255, p.pageTotal >= 1 ? 3 : 1);
    b.Long(256, static_cast<uint32_t>(p.width));
    b.Long(257, static_cast<uint32_t>(p.height));
    if (p.writtenDepth == 24) {
        b.Entry(258, 3, 3, {8, 0, 8, 0, 8, 0});
    } else {
        b.Short(258, static_cast<uint32_t>(p.writtenDepth));
    }
    b.Short(259, static_cast<uint32_t>(p.compression));
    int photometric = 1;
    if (jpeg) {
        photometric = p.grey ? 1 : 6;
    } else if (p.writtenDepth == 24) {
        photometric = 2;
    } else if (p.writtenDepth == 8) {
        photometric = p.colourMapValues > 0 ? 3 : 1;
    } else if (p.writtenDepth == 1) {
        photometric = p.compression == 2 || p.compression == 3 || p.compression == 4 ? 0 : 1;
    }
    b.Short(262, static_cast<uint32_t>(photometric));
    if (p.writtenDepth == 1) b.Short(266, p.fillLsb ? 2 : 1);
    NameEntry(b, 269, "Pardel");
    NameEntry(b, 270, "Mosswick Sys");
    std::vector<uint32_t> offsets(p.offsets.begin(), p.offsets.end() - 1);
    std::vector<uint32_t> counts;
    for (int s = 0; s < p.strips; ++s)
        counts.push_back(p.offsets[static_cast<std::size_t>(s) + 1] -
                         p.offsets[static_cast<std::size_t>(s)]);
    b.Entry(273, 4, static_cast<uint32_t>(p.strips), Longs(offsets));
    b.Short(277, p.writtenDepth == 24 ? 3 : 1);
    b.Long(278, static_cast<uint32_t>(p.rowsPerStrip));
    b.Entry(279, 4, static_cast<uint32_t>(p.strips), Longs(counts));
    (void)many;
    std::vector<uint8_t> x(8), y(8);
    Put32(x.data(), TiffSettings.xResolution);
    Put32(x.data() + 4, 1);
    Put32(y.data(), TiffSettings.yResolution);
    Put32(y.data() + 4, 1);
    b.Entry(282, 5, 1, x);
    b.Entry(283, 5, 1, y);
    if (p.writtenDepth == 24) b.Short(284, 1);
    if (p.compression == 3) b.Long(292, 0);
    b.Short(296, TiffSettings.resolutionUnit);
    if (p.pageTotal >= 1) {
        const uint32_t total = p.pageTotal > 65535 ? 0 : static_cast<uint32_t>(p.pageTotal);
        b.Entry(297, 3, 2,
                {static_cast<uint8_t>(p.pageNumber), static_cast<uint8_t>(p.pageNumber >> 8),
                 static_cast<uint8_t>(total), static_cast<uint8_t>(total >> 8)});
    }
    if (p.compression == 5) b.Short(317, 1);
    if (p.colourMapValues > 0) {
        // 3 x 256 values (TIFF wants 2^BitsPerSample per channel); unused entries 0.
        std::vector<uint8_t> map(2 * 768, 0);
        const ImageDesc& image = *p.image;
        for (int i = 0; i < image.colorCount && i < 256; ++i) {
            const win::RGBQUAD& q = image.palette[i];
            // The byte in both halves: its high byte for readers that take it, and
            // 255 as 65535 for readers that scale (x 256 alone read back one lower).
            Put16(map.data() + 2 * static_cast<std::size_t>(i), uint32_t{q.rgbRed} * 257);
            Put16(map.data() + 2 * static_cast<std::size_t>(256 + i), uint32_t{q.rgbGreen} * 257);
            Put16(map.data() + 2 * static_cast<std::size_t>(512 + i), uint32_t{q.rgbBlue} * 257);
        }
        b.Entry(320, 3, 768, map);
    }
    if (p.compression == 7) {
        b.Entry(347, 7, static_cast<uint32_t>(p.jpegTables.size()), p.jpegTables);
        if (p.writtenDepth == 24) b.Entry(530, 3, 2, {2, 0, 2, 0});
    } else if (p.compression == 6) {
        b.Long(513, p.offsets[0]);
        b.Long(514, p.offsets[1] - p.offsets[0]);
    }
    const std::vector<uint8_t> ifd = b.Finish();
    if (out.seek(out.handle, static_cast<int32_t>(pageStart), 0) != pageStart) return IMG_IO_ERROR;
    return WriteAll(out, ifd);
}

int32_t WriteTiffImage(Page& p, ImageStream& out) {
    uint32_t pageStart = 0;
    int32_t status = Position(out, &pageStart);
    if (status != IMG_OK) return status;
    ImageDesc& image = *p.image;
    p.width = RectWidth(image);
    p.height = RectHeight(image);
    const int bits = image.header->biBitCount;
    p.rowBytes = bits == 1 ? (static_cast<std::size_t>(p.width) + 7) / 8
                           : static_cast<std::size_t>(bits / 8) * static_cast<std::size_t>(p.width);
    const uint64_t rawSize = p.rowBytes * static_cast<uint64_t>(p.height);
    const uint64_t limit = p.oneStrip ? 0x7FFFFFFFu : kStripLimit;
    if (rawSize <= limit) {
        p.rowsPerStrip = p.height;
    } else {
        p.rowsPerStrip = static_cast<int>(limit / p.rowBytes);
        if (p.kind.cls == kTiffJpeg) {
            const int unit = p.grey ? 8 : 16;
            p.rowsPerStrip = (p.rowsPerStrip + unit - 1) / unit * unit;
        }
        p.rowsPerStrip = std::max(p.rowsPerStrip, 1);
    }
    p.rowsPerStrip = std::min(p.rowsPerStrip, p.height);
    p.strips = (p.height + p.rowsPerStrip - 1) / p.rowsPerStrip;
    p.offsets.assign(static_cast<std::size_t>(p.strips) + 1, 0);
    p.writtenDepth = p.kind.cls == kTiffJpeg ? (p.grey ? 8 : 24) : bits;
    const bool palette = bits == 8 && !p.grey && p.kind.cls != kTiffJpeg &&
                         image.palette != nullptr && image.colorCount > 0;
    p.colourMapValues = palette ? 768 : 0;
    const std::size_t jpegTablesLength = p.compression == 7 ? (p.grey ? 285 : 558) : 0;
    std::size_t extra = TiffSettings.extra[0].size() + TiffSettings.extra[1].size();
    if (extra == 0) extra = 16;
    const std::size_t reserve = 324 + 2 * static_cast<std::size_t>(p.colourMapValues) +
                                8 * static_cast<std::size_t>(p.strips) + jpegTablesLength + extra;
    static const uint8_t kZeros[1024] = {};
    for (std::size_t left = reserve; left > 0 && status == IMG_OK;) {
        const std::size_t n = std::min(left, sizeof kZeros);
        status = WriteBytes(out, kZeros, n);
        left -= n;
    }
    if (status != IMG_OK) return status;
    status = p.kind.cls == kTiffJpeg ? EncodeJpegStrips(p, out) : EncodeStrips(p, out);
    if (status != IMG_OK) return status;
    const uint32_t end = p.offsets.back();
    status = WriteIfd(p, out, pageStart, reserve);
    if (status == IMG_OK && out.seek(out.handle, static_cast<int32_t>(end), 0) != end)
        status = IMG_IO_ERROR;
    if (status == IMG_OK) {
        TiffSettings.xResolution = 300;
        TiffSettings.yResolution = 300;
        TiffSettings.resolutionUnit = 2;
    }
    return status;
}

// Rewrites the older pages' totals and links the new page at `pageStart`.
int32_t LinkTiffPage(ImageStream& io, const std::vector<TiffPageEntry>& pages, uint32_t pageStart,
                     int32_t total) {
    uint8_t v[4];
    Put16(v, total > 65535 ? 0 : static_cast<uint32_t>(total));
    for (const TiffPageEntry& page : pages) {
        if (page.pageNumberAt == 0) continue;
        if (io.seek(io.handle, static_cast<int32_t>(page.pageNumberAt + 2), 0) !=
                page.pageNumberAt + 2 ||
            WriteBytes(io, v, 2) != IMG_OK)
            return IMG_IO_ERROR;
    }
    const TiffPageEntry& last = pages.back();
    uint8_t countBytes[2];
    if (!ReadTiffAt(io, last.offset, countBytes, 2)) return IMG_IO_ERROR;
    const uint32_t nextAt =
        last.offset + 2 + 12 * (uint32_t{countBytes[0]} | uint32_t{countBytes[1]} << 8);
    Put32(v, pageStart);
    if (io.seek(io.handle, static_cast<int32_t>(nextAt), 0) != nextAt ||
        WriteBytes(io, v, 4) != IMG_OK)
        return IMG_IO_ERROR;
    return IMG_OK;
}

int32_t SaveCore(void** block, uint32_t compression, const char16_t* wideName, const char* ansiName,
                 ImageDesc* image, int32_t pageNumber) {
    int32_t status = CheckImageTriple(image);
    if (status != IMG_OK) return status;
    Page p;
    p.image = image;
    if (image->header->biBitCount == 1 && image->palette != nullptr) {
        const win::RGBQUAD& first = image->palette[0];
        p.invert = first.rgbRed != 0 || first.rgbGreen != 0 || first.rgbBlue != 0;
    }
    const uint32_t selector =
        compression & ~(TIFF_OPT_ONE_STRIP | TIFF_OPT_FILL_LSB | TIFF_OPT_NO_BACKUP);
    if (selector > 7) return IMG_BAD_RLE;
    p.oneStrip = (compression & TIFF_OPT_ONE_STRIP) != 0 || compression == 6;
    p.fillLsb = (compression & TIFF_OPT_FILL_LSB) != 0;
    p.compression = kCompressionOf[selector];
    ImageLock lock(kTiffLock);
    p.kind = SelectTiffKind(image->header->biBitCount, p.compression);
    if (p.kind.kind == 0) return IMG_BAD_RLE;
    p.grey = (image->flags & IMG_FLAG_GREY) != 0 && image->header->biBitCount == 8;
    p.pageNumber = pageNumber;

    const ImageTarget target = wideName != nullptr   ? WideTarget(wideName)
                               : ansiName != nullptr ? AnsiTarget(ansiName)
                                                     : MemoryTarget(block);
    if (pageNumber >= 0 && target.medium != ImageMedium::kMemory) {
        win::HANDLE file =
            wideName != nullptr
                ? win::CreateFileW(wideName, win::GENERIC_READ | win::GENERIC_WRITE, 0, nullptr,
                                   win::OPEN_EXISTING, win::FILE_ATTRIBUTE_NORMAL, nullptr)
                : win::CreateFileA(ansiName, win::GENERIC_READ | win::GENERIC_WRITE, 0, nullptr,
                                   win::OPEN_EXISTING, win::FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != win::INVALID_HANDLE_VALUE) {
            ImageStream io;
            io.handle = reinterpret_cast<std::intptr_t>(file);
            io.write = HandleWrite;
            io.read = HandleRead;
            io.seek = HandleSeek;
            io.close = HandleClose;
            // The file's bytes as they were, put back when the page fails.
            std::vector<uint8_t> backup;
            const int64_t size = TiffStreamSize(io);
            const bool keepBackup = (compression & TIFF_OPT_NO_BACKUP) == 0;
            if (keepBackup) {
                backup.resize(static_cast<std::size_t>(size));
                if (!ReadTiffAt(io, 0, backup.data(), backup.size())) status = IMG_IO_ERROR;
            }
            std::vector<TiffPageEntry> pages;
            bool motorola = false;
            if (status == IMG_OK) status = WalkTiffPages(io, true, &pages, &motorola);
            if (status == IMG_OK && pages.empty()) status = IMG_BAD_TIFF;
            if (status == IMG_OK) {
                p.pageTotal = static_cast<int32_t>(pages.size()) + 1;
                if (io.seek(io.handle, 0, 2) != size) status = IMG_IO_ERROR;
            }
            if (status == IMG_OK) {
                const uint32_t pageStart = static_cast<uint32_t>(size);
                const bool wrote = (status = WriteTiffImage(p, io)) == IMG_OK;
                if (wrote) status = LinkTiffPage(io, pages, pageStart, p.pageTotal);
                if (status != IMG_OK) {
                    // The part of the page that was written goes first (on a
                    // full disk that frees the room the old bytes need); the
                    // older pages change only once the page is whole, when
                    // their links are rewritten, and then get their old bytes.
                    if (io.seek(io.handle, static_cast<int32_t>(size), 0) == size)
                        (void)win::SetEndOfFile(AsHandle(io.handle));
                    if (wrote && keepBackup && io.seek(io.handle, 0, 0) == 0)
                        (void)WriteBytes(io, backup.data(), backup.size());
                }
            }
            CloseImageStream(&io);
            return status;
        }
    }
    ImageStream out;
    status = OpenImageTarget(target, &out);
    if (status != IMG_OK) return status;
    p.pageTotal = pageNumber >= 0 ? 1 : 0;
    uint8_t header[8] = {'I', 'I', 42, 0, 8, 0, 0, 0};
    status = WriteBytes(out, header, 8);
    if (status == IMG_OK) status = WriteTiffImage(p, out);
    return FinishImageTarget(target, &out, status);
}

}  // namespace

int32_t SaveTifCore(void** block, uint32_t compression, const char16_t* wideName,
                    const char* ansiName, ImageDesc* image, int32_t page) {
    return SaveCore(block, compression, wideName, ansiName, image, page);
}
int32_t SaveTif(const char* fileName, ImageDesc* image, uint32_t compression) {
    return SaveCore(nullptr, compression, nullptr, fileName, image, -1);
}
int32_t SaveTifW(const char16_t* fileName, ImageDesc* image, uint32_t compression) {
    return SaveCore(nullptr, compression, fileName, nullptr, image, -1);
}
int32_t SaveTifPage(const char* fileName, ImageDesc* image, uint32_t compression, int32_t page) {
    return SaveCore(nullptr, compression, nullptr, fileName, image, page);
}
int32_t SaveTifPageW(const char16_t* fileName, ImageDesc* image, uint32_t compression,
                     int32_t page) {
    return SaveCore(nullptr, compression, fileName, nullptr, image, page);
}
int32_t SaveTifToMemory(void** block, ImageDesc* image, uint32_t compression) {
    if (block == nullptr) return IMG_BAD_ARGUMENT;
    return SaveCore(block, compression, nullptr, nullptr, image, -1);
}

void SetTiffResolution(uint32_t x, uint32_t y, uint32_t unit) {
    if (unit >= 1 && unit <= 3) TiffSettings.resolutionUnit = unit;
    if (x < 32768) TiffSettings.xResolution = x & 0xFFFF;
    if (y < 32768) TiffSettings.yResolution = y & 0xFFFF;
}

int32_t SetTiffExtraBlocks(const void* first, int32_t firstLength, const void* second,
                           int32_t secondLength) {
    ImageLock lock(kTiffLock);
    const void* blocks[2] = {first, second};
    const int32_t lengths[2] = {firstLength, secondLength};
    for (int i = 0; i < 2; ++i) {
        if (blocks[i] == nullptr) continue;
        if (lengths[i] < 1 || lengths[i] > 32767) return IMG_OUT_OF_RANGE;
        const auto* b = static_cast<const uint8_t*>(blocks[i]);
        TiffSettings.extra[i].assign(b, b + lengths[i]);
    }
    return IMG_OK;
}

void SwapRgbBytes(uint8_t* pixels, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) std::swap(pixels[3 * i], pixels[3 * i + 2]);
}
void SwapBytes16(uint8_t* data, uint32_t bytes) {
    for (uint32_t i = 0; i + 1 < bytes; i += 2) std::swap(data[i], data[i + 1]);
}
void SwapBytes32(uint8_t* data, uint32_t bytes) {
    for (uint32_t i = 0; i + 3 < bytes; i += 4) {
        std::swap(data[i], data[i + 3]);
        std::swap(data[i + 1], data[i + 2]);
    }
}
void InvertBytes(uint8_t* data, uint32_t bytes) {
    for (uint32_t i = 0; i < bytes; ++i) data[i] = static_cast<uint8_t>(~data[i]);
}
void ReverseBitsInBytes(uint8_t* data, uint32_t bytes) {
    static const auto table = [] {
        std::array<uint8_t, 256> t{};
        for (int i = 0; i < 256; ++i) {
            int r = 0;
            for (int b = 0; b < 8; ++b)
                if ((i >> b) & 1) r |= 0x80 >> b;
            t[static_cast<std::size_t>(i)] = static_cast<uint8_t>(r);
        }
        return t;
    }();
    for (uint32_t i = 0; i < bytes; ++i) data[i] = table[data[i]];
}
