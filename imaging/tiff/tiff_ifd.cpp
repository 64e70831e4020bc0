// The bounded IFD reader.
#include "imaging/tiff/tiff_ifd.h"

bool ReadTiffHeader(const uint8_t* data, std::size_t size, TiffBytes* bytes, uint32_t* firstIfd) {
    if (size < 8) return false;
    if (data[0] == 'I' && data[1] == 'I') {
        bytes->motorola = false;
    } else if (data[0] == 'M' && data[1] == 'M') {
        bytes->motorola = true;
    } else {
        return false;
    }
    bytes->data = data;
    bytes->size = size;
    if (TiffU16(*bytes, 2) != 42) return false;
    *firstIfd = TiffU32(*bytes, 4);
    return true;
}

uint16_t TiffU16(const TiffBytes& b, std::size_t at) {
    if (at + 2 > b.size) return 0;
    const uint8_t* p = b.data + at;
    return static_cast<uint16_t>(b.motorola ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]));
}

uint32_t TiffU32(const TiffBytes& b, std::size_t at) {
    if (at + 4 > b.size) return 0;
    const uint8_t* p = b.data + at;
    return b.motorola ? (uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3])
                      : (uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0]);
}

uint32_t TiffTypeSize(uint16_t type) {
    switch (type) {
        case 1:
        case 2:
        case 6:
        case 7:
            return 1;
        case 3:
        case 8:
            return 2;
        case 4:
        case 9:
        case 11:
            return 4;
        case 5:
        case 10:
        case 12:
            return 8;
        default:
            return 0;
    }
}

bool ReadTiffIfd(const TiffBytes& b, uint32_t offset, std::vector<TiffEntry>* entries,
                 uint32_t* next) {
    entries->clear();
    *next = 0;
    if (offset < 8 || static_cast<uint64_t>(offset) + 2 > b.size) return false;
    const uint32_t count = TiffU16(b, offset);
    const uint64_t end = uint64_t{offset} + 2 + uint64_t{count} * 12;
    if (end + 4 > b.size) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const std::size_t at = offset + 2 + static_cast<std::size_t>(i) * 12;
        TiffEntry e;
        e.tag = TiffU16(b, at);
        e.type = TiffU16(b, at + 2);
        e.count = TiffU32(b, at + 4);
        const uint64_t bytes = uint64_t{TiffTypeSize(e.type)} * e.count;
        if (bytes == 0) continue;
        if (bytes <= 4) {
            e.valueAt = at + 8;
        } else {
            const uint32_t where = TiffU32(b, at + 8);
            if (uint64_t{where} + bytes > b.size) continue;
            e.valueAt = where;
        }
        entries->push_back(e);
    }
    *next = TiffU32(b, static_cast<std::size_t>(end));
    return true;
}

const TiffEntry* FindTiffEntry(const std::vector<TiffEntry>& entries, uint16_t tag) {
    for (const TiffEntry& e : entries) {
        if (e.tag == tag) return &e;
    }
    return nullptr;
}

bool TiffEntryValue(const TiffBytes& b, const TiffEntry& e, uint32_t index, uint32_t* value) {
    if (index >= e.count) return false;
    const std::size_t size = TiffTypeSize(e.type);
    const std::size_t at = e.valueAt + index * size;
    switch (e.type) {
        case 1:
        case 7:
            if (at >= b.size) return false;
            *value = b.data[at];
            return true;
        case 3:
            *value = TiffU16(b, at);
            return true;
        case 4:
            *value = TiffU32(b, at);
            return true;
        case 5: {
            const uint32_t den = TiffU32(b, at + 4);
            *value = den == 0 ? 0 : TiffU32(b, at) / den;
            return true;
        }
        default:
            return false;
    }
}
