// What the TIFF writer and reader share: the kind table, the page walk over
// a file's IFD chain, and a stream over a file handle opened for update.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/frame/image_io.h"

inline constexpr int kTiffRaw = 1;
inline constexpr int kTiffPackBits = 2;
inline constexpr int kTiffLzw = 4;
inline constexpr int kTiffCcitt = 8;
inline constexpr int kTiffJpeg = 0x10;

struct TiffKind {
    int kind = 0;
    int cls = 0;
};
// The writing kind of (depth, Compression); kind 0 when the pair is not in the table.
[[nodiscard]] TiffKind SelectTiffKind(int depth, int compression);

// One IFD of a page walk: where it lies and its PageNumber field (if any).
struct TiffPageEntry {
    uint32_t offset = 0;
    uint32_t pageNumberAt = 0;  // file offset of the PageNumber value, 0 when absent
    int32_t pageNumber = 0;     // its first value, or the running number
};
// Reads the chain of IFDs of the stream (at most 65,536; an offset met twice,
// or one outside the file, gives IMG_BAD_TIFF). `intelOnly` refuses Motorola
// files with IMG_TIFF_BIG_ENDIAN.
[[nodiscard]] int32_t WalkTiffPages(ImageStream& in, bool intelOnly,
                                    std::vector<TiffPageEntry>* pages, bool* motorola);

// Reads `count` bytes at `offset`: false when they are not all there.
[[nodiscard]] bool ReadTiffAt(ImageStream& in, uint32_t offset, void* to, std::size_t count);
[[nodiscard]] int64_t TiffStreamSize(ImageStream& in);
