// The JPEG marker parser: frame, table, restart, JFIF, JFXX, Exif and Adobe
// segments, each checked against its own length.
#include <cstring>
#include <vector>

#include "imaging/jpeg/jpeg_decoder.h"
#include "imaging/tiff/tiff_ifd.h"

namespace {

int32_t Fail(int32_t status, int32_t detail) {
    JpegErrorDetail = detail;
    return status;
}

int U16(const uint8_t* p) {
    return p[0] << 8 | p[1];
}

int32_t ParseFrame(JpegDecoder& d, int code, const std::vector<uint8_t>& s) {
    if (s.size() < 6) return Fail(IMG_JPEG_ERROR, -106);
    const int n = s[5];
    if (n > 4) return Fail(IMG_JPEG_ERROR, -106);
    if (s.size() < 6 + 3 * static_cast<std::size_t>(n)) return Fail(IMG_JPEG_ERROR, -106);
    d.process = code & 15;
    d.precision = s[0];
    d.height = U16(&s[1]);
    d.width = U16(&s[3]);
    d.components = n;
    for (int i = 0; i < n; ++i) {
        JpegDecodeComponent& c = d.comp[i];
        c = JpegDecodeComponent{};
        c.id = s[6 + 3 * i];
        c.h = s[7 + 3 * i] >> 4;
        c.v = s[7 + 3 * i] & 15;
        c.quant = s[8 + 3 * i];
    }
    d.progressive = code == 0xC2;
    return IMG_OK;
}

int32_t ParseDqt(const uint8_t* s, std::size_t size, JpegQuantTable quant[4]) {
    std::size_t at = 0;
    while (at < size) {
        const int precision = s[at] >> 4;
        const int index = s[at] & 15;
        if (index > 3 || precision > 1) return Fail(IMG_JPEG_ERROR, -106);
        const std::size_t need = precision != 0 ? 128 : 64;
        if (at + 1 + need > size) return Fail(IMG_JPEG_ERROR, -106);
        ++at;
        JpegQuantTable& q = quant[index];
        q.defined = 1;
        for (int k = 0; k < 64; ++k) {
            int v = precision != 0 ? U16(&s[at + 2 * static_cast<std::size_t>(k)])
                                   : s[at + static_cast<std::size_t>(k)];
            q.values[kJpegZigZag[k]] = static_cast<uint16_t>(v == 0 ? 1 : v);
        }
        at += need;
    }
    return IMG_OK;
}

int32_t ParseDht(const uint8_t* s, std::size_t size, JpegHuffmanTable tables[2][4]) {
    std::size_t at = 0;
    while (at < size) {
        const int cls = s[at] >> 4;
        const int index = s[at] & 15;
        if (cls > 1 || index > 3 || at + 17 > size) return Fail(IMG_JPEG_ERROR, -105);
        JpegHuffmanTable t;
        int count = 0;
        for (int l = 1; l <= 16; ++l) {
            t.bits[l] = s[at + static_cast<std::size_t>(l)];
            count += t.bits[l];
        }
        at += 17;
        if (count > 256 || at + static_cast<std::size_t>(count) > size ||
            !CheckHuffmanLengths(t.bits))
            return Fail(IMG_JPEG_ERROR, -105);
        std::memcpy(t.values, s + at, static_cast<std::size_t>(count));
        t.count = count;
        t.defined = 1;
        tables[cls][index] = t;
        at += static_cast<std::size_t>(count);
    }
    return IMG_OK;
}

void ParseApp0(JpegDecoder& d, const std::vector<uint8_t>& s, int64_t segment, int32_t* status) {
    if (s.size() >= 14 && std::memcmp(s.data(), "JFIF", 5) == 0) {
        if (s[7] < 3) {
            d.units = s[7];
            d.xDensity = U16(&s[8]);
            d.yDensity = U16(&s[10]);
        }
        const std::size_t bytes = std::size_t{s[12]} * s[13] * 3;
        if (bytes >= 1 && 14 + bytes <= s.size() && d.thumb.present == 0) {
            d.thumb = JpegThumbRecord{
                1, s[12], s[13], 24, kJpegThumbRgb, segment + 18, static_cast<uint32_t>(bytes)};
        }
        return;
    }
    if (s.size() < 6 || std::memcmp(s.data(), "JFXX", 5) != 0) return;
    const int code = s[5];
    if (code == 0x10) {
        if (s.size() > 6)
            d.thumb = JpegThumbRecord{
                1, 0, 0, 24, kJpegThumbJpeg, segment + 10, static_cast<uint32_t>(s.size() - 6)};
        return;
    }
    if (code != 0x11 && code != 0x13) return;
    if (s.size() < 8) {
        *status = Fail(IMG_JPEG_ERROR, -106);
        return;
    }
    const int w = s[6];
    const int h = s[7];
    const std::size_t bytes =
        code == 0x11 ? 768 + std::size_t{s[6]} * s[7] : std::size_t{s[6]} * s[7] * 3;
    if (8 + bytes > s.size()) {
        *status = Fail(IMG_JPEG_ERROR, -106);
        return;
    }
    if (w == 0 || h == 0) return;
    d.thumb = JpegThumbRecord{1,
                              w,
                              h,
                              code == 0x11 ? 8 : 24,
                              code == 0x11 ? kJpegThumbPalette : kJpegThumbRgb,
                              segment + 12,
                              static_cast<uint32_t>(bytes)};
}

// The Exif block's resolution (first IFD) and thumbnail (second IFD).
void ParseExif(JpegDecoder& d, const std::vector<uint8_t>& s, int64_t segment) {
    if (s.size() < 4 || std::memcmp(s.data(), "Exif", 4) != 0) return;
    for (std::size_t offset = 9; offset <= 13; ++offset) {
        const std::size_t at = offset - 4;  // segment offset to body offset
        if (at >= s.size()) return;
        TiffBytes b;
        uint32_t first = 0;
        if (!ReadTiffHeader(s.data() + at, s.size() - at, &b, &first)) continue;
        std::vector<TiffEntry> entries;
        uint32_t next = 0;
        if (!ReadTiffIfd(b, first, &entries, &next)) return;
        uint32_t v = 0;
        const TiffEntry* e = FindTiffEntry(entries, 296);
        if (e != nullptr && TiffEntryValue(b, *e, 0, &v) && v >= 1 && v <= 3)
            d.units = static_cast<int>(v - 1);
        if ((e = FindTiffEntry(entries, 282)) != nullptr && TiffEntryValue(b, *e, 0, &v))
            d.xDensity = static_cast<int>(v & 0xFFFF);
        if ((e = FindTiffEntry(entries, 283)) != nullptr && TiffEntryValue(b, *e, 0, &v))
            d.yDensity = static_cast<int>(v & 0xFFFF);
        if (d.thumb.present != 0 || next == 0 || next == first) return;
        if (!ReadTiffIfd(b, next, &entries, &next)) return;
        uint32_t compression = 0;
        if ((e = FindTiffEntry(entries, 259)) == nullptr || !TiffEntryValue(b, *e, 0, &compression))
            return;
        JpegThumbRecord t;
        t.present = 1;
        uint32_t w = 0, h = 0;
        if ((e = FindTiffEntry(entries, 256)) != nullptr) (void)TiffEntryValue(b, *e, 0, &w);
        if ((e = FindTiffEntry(entries, 257)) != nullptr) (void)TiffEntryValue(b, *e, 0, &h);
        t.width = static_cast<int>(w & 0xFF);
        t.height = static_cast<int>(h & 0xFF);
        if (compression == 1) {
            uint32_t bits = 0;
            if ((e = FindTiffEntry(entries, 258)) != nullptr) {
                for (uint32_t i = 0; i < e->count && i < 4; ++i) {
                    uint32_t one = 0;
                    if (TiffEntryValue(b, *e, i, &one)) bits += one;
                }
            }
            t.bits = static_cast<int>(bits);
            t.kind = kJpegThumbExifStrip;
            t.position = segment + static_cast<int64_t>(offset);
            t.length = static_cast<uint32_t>(b.size);
        } else if (compression == 6) {
            uint32_t where = 0, length = 0;
            if ((e = FindTiffEntry(entries, 513)) == nullptr || !TiffEntryValue(b, *e, 0, &where))
                return;
            if ((e = FindTiffEntry(entries, 514)) == nullptr || !TiffEntryValue(b, *e, 0, &length))
                return;
            if (where == 0 || length == 0 || uint64_t{where} + length > b.size) return;
            t.bits = 24;
            t.kind = kJpegThumbExifJpeg;
            t.position = segment + static_cast<int64_t>(offset) + where;
            t.length = length;
        } else {
            return;
        }
        d.thumb = t;
        return;
    }
}

void ParseAdobe(JpegDecoder& d, const std::vector<uint8_t>& s) {
    if (s.size() < 12) return;
    const char* name = "adobe";
    for (int i = 0; i < 5; ++i) {
        if ((s[static_cast<std::size_t>(i)] | 0x20) != name[i]) return;
    }
    const int version = s[5] | s[6] << 8;
    if (version >= 25600 && version <= 32768) d.adobeTransform = s[11];
}

int32_t ParseScan(JpegDecoder& d, const std::vector<uint8_t>& s) {
    if (s.empty()) return Fail(IMG_JPEG_ERROR, -113);
    const int listed = s[0];
    const int n = listed > 4 ? 4 : listed;
    if (n == 0 || s.size() < 1 + 2 * static_cast<std::size_t>(n) + 3)
        return Fail(IMG_JPEG_ERROR, -113);
    d.scanCount = n;
    for (int i = 0; i < n; ++i) {
        const int id = s[1 + 2 * static_cast<std::size_t>(i)];
        int found = -1;
        for (int c = 0; c < d.components; ++c) {
            if (d.comp[c].id == id) {
                found = c;
                break;
            }
        }
        if (found < 0) return Fail(IMG_JPEG_ERROR, -113);
        d.scanComp[i] = found;
        d.comp[found].dcTable = s[2 + 2 * static_cast<std::size_t>(i)] >> 4;
        d.comp[found].acTable = s[2 + 2 * static_cast<std::size_t>(i)] & 15;
    }
    const std::size_t last = s.size() - 3;
    d.ss = s[last];
    d.se = s[last + 1];
    d.ah = s[last + 2] >> 4;
    d.al = s[last + 2] & 15;
    if (d.progressive) {
        const bool bad = d.ss > d.se || d.se > 63 || (d.ss == 0 && d.se != 0) ||
                         (d.ah != 0 && d.al != d.ah - 1) || d.al >= 14 || (d.ss > 0 && n > 1);
        if (bad) return Fail(IMG_JPEG_ERROR, -113);
    }
    d.bufferedSequential = !d.progressive && n < d.components;
    return IMG_OK;
}

}  // namespace

bool JpegInput::Refill() {
    if (readFailed) return false;
    base += static_cast<int64_t>(end);
    position = 0;
    end = 0;
    uint32_t got = 0;
    if (stream->read(stream->handle, buffer, 65536, &got) == 0) {
        readFailed = true;
        return false;
    }
    end = got;
    return end > 0;
}

std::size_t JpegInput::Read(uint8_t* to, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        if (position == end && !Refill()) break;
        const std::size_t n = std::min(count - done, end - position);
        std::memcpy(to + done, buffer + position, n);
        position += n;
        done += n;
    }
    return done;
}

bool JpegInput::Seek(int64_t at) {
    if (at < 0 || at > 0x7FFFFFFF ||
        stream->seek(stream->handle, static_cast<int32_t>(at), 0) != at)
        return false;
    base = at;
    position = 0;
    end = 0;
    readFailed = false;
    return true;
}

int32_t ParseJpegMarkers(JpegDecoder& d, bool headerMode) {
    bool first = headerMode;
    const auto ended = [&]() {
        if (!headerMode) return kJpegParsedEnd;
        return Fail(IMG_JPEG_ERROR, d.in.readFailed ? -104 : -101);
    };
    for (;;) {
        int code;
        if (d.pendingMarker >= 0) {
            code = d.pendingMarker;
            d.pendingMarker = -1;
        } else if (d.sosPending && !headerMode) {
            code = 0xDA;
            d.sosPending = false;
            // The marker is read; its length follows.
        } else {
            const int b = d.in.Byte();
            if (b < 0) return ended();
            if (b != 0xFF) continue;
            const int c = d.in.Peek();
            if (c < 0) return ended();
            if (c == 0xFF) continue;  // fill byte
            code = d.in.Byte();
        }
        const int64_t segment = d.in.Tell() - 2;
        if (first) {
            if (code != 0xD8) return Fail(IMG_JPEG_ERROR, JpegErrorDetail);
            first = false;
            continue;
        }
        if (code == 0xD8 || (code >= 0xD0 && code <= 0xD7) || code == 0x00 || code == 0x01)
            continue;
        if (d.oldStyleMarkers && code >= 0x02 && code <= 0xBF) continue;
        if (code == 0xD9) {
            if (headerMode) return Fail(IMG_JPEG_ERROR, JpegErrorDetail);
            return IMG_PRINT_ABORTED;
        }
        if (code == 0xDA && headerMode) {
            d.sosPending = true;
            return IMG_OK;
        }
        uint8_t lengthBytes[2];
        if (d.in.Read(lengthBytes, 2) != 2) return ended();
        const int length = U16(lengthBytes);
        if (length < 2) return Fail(IMG_JPEG_ERROR, -106);
        std::vector<uint8_t> s(static_cast<std::size_t>(length - 2));
        if (d.in.Read(s.data(), s.size()) != s.size()) return ended();
        int32_t status = IMG_OK;
        switch (code) {
            case 0xC0:
            case 0xC1:
            case 0xC2:
            case 0xC3:
            case 0xC9:
            case 0xCA:
            case 0xCB:
                // One frame per picture: a second one after the first scan is refused.
                status = headerMode ? ParseFrame(d, code, s) : Fail(IMG_JPEG_ERROR, -106);
                break;
            case 0xDB:
                status = ParseDqt(s.data(), s.size(), d.quant);
                break;
            case 0xC4:
                status = ParseDht(s.data(), s.size(), d.huffman);
                break;
            case 0xDD:
                if (length == 4) d.restartInterval = d.restartsToGo = U16(s.data());
                break;
            case 0xE0:
                if (headerMode) ParseApp0(d, s, segment, &status);
                break;
            case 0xE1:
                if (headerMode) ParseExif(d, s, segment);
                break;
            case 0xEE:
                ParseAdobe(d, s);
                break;
            case 0xDA:
                status = ParseScan(d, s);
                if (status == IMG_OK) return IMG_OK;
                break;
            default:
                break;
        }
        if (status != IMG_OK) return status;
    }
}

int32_t ParseJpegTableSegments(const uint8_t* data, std::size_t size, JpegTableSet* set) {
    std::size_t at = 0;
    while (at + 1 < size) {
        if (data[at] != 0xFF) {
            ++at;
            continue;
        }
        const int code = data[at + 1];
        at += 2;
        if (code == 0xD8 || code == 0xFF || code == 0x00 || (code >= 0xD0 && code <= 0xD7)) {
            if (code == 0xFF) --at;
            continue;
        }
        if (code == 0xD9) break;
        if (at + 2 > size) return Fail(IMG_JPEG_ERROR, -106);
        const std::size_t length = static_cast<std::size_t>(U16(data + at));
        if (length < 2 || at + length > size) return Fail(IMG_JPEG_ERROR, -106);
        int32_t status = IMG_OK;
        if (code == 0xDB) status = ParseDqt(data + at + 2, length - 2, set->quant);
        if (code == 0xC4) status = ParseDht(data + at + 2, length - 2, set->huffman);
        if (status != IMG_OK) return status;
        at += length;
    }
    set->present = 1;
    return IMG_OK;
}
