// Reading TIFF structures held in memory: the header, an IFD's entries and
// its next link, in either byte order. Every offset and count is checked
// against the bytes given, so a walk never leaves them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TiffBytes {
    const uint8_t* data = nullptr;
    std::size_t size = 0;
    bool motorola = false;  // big-endian ("MM")
};

struct TiffEntry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    std::size_t valueAt = 0;  // where the value bytes start (inline or out of line)
};

// "II" or "MM", then 42: the byte order and the first IFD's offset.
[[nodiscard]] bool ReadTiffHeader(const uint8_t* data, std::size_t size, TiffBytes* bytes,
                                  uint32_t* firstIfd);
[[nodiscard]] uint16_t TiffU16(const TiffBytes& b, std::size_t at);
[[nodiscard]] uint32_t TiffU32(const TiffBytes& b, std::size_t at);
// Bytes of one value of a field type (1, 2, 4 or 8; 0 for an unknown type).
[[nodiscard]] uint32_t TiffTypeSize(uint16_t type);
// The IFD at `offset`: its entries (those whose values lie inside the bytes)
// and the next IFD's offset. False when the IFD itself does not fit.
[[nodiscard]] bool ReadTiffIfd(const TiffBytes& b, uint32_t offset, std::vector<TiffEntry>* entries,
                               uint32_t* next);
[[nodiscard]] const TiffEntry* FindTiffEntry(const std::vector<TiffEntry>& entries, uint16_t tag);
// Value `index` of a BYTE, SHORT or LONG entry (a RATIONAL gives its integer
// quotient); false when there is no such value.
[[nodiscard]] bool TiffEntryValue(const TiffBytes& b, const TiffEntry& e, uint32_t index,
                                  uint32_t* value);
