// The checks a work-file image passes before anything of it reaches memory:
// its length for its version, and every count or index that later code uses to
// index a table.
#pragma once

#include <cstddef>
#include <cstdint>

namespace workfile {

// How many records of the layout an image of `size` bytes with version word
// `version` holds (403, 405 or 406), or 0 when the image is refused for its
// version or length. Versions above 558 read as 558.
[[nodiscard]] int RecordsHeld(int16_t version, size_t size);

// True when every checked count and index of the first `recordCount` records
// lies in its range.
[[nodiscard]] bool IndicesInRange(const uint8_t* image, size_t size, int recordCount);

}  // namespace workfile
