// The values a work-file image must hold before any of it reaches memory. The
// format has no checksum, so damage shows only as values no workspace holds:
// reals that are not finite, analysis values outside what the water form
// takes, unit choices, flags, counts and indexes outside their ranges, and
// texts that do not end within their slots. The first record that fails names
// the refusal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace workfile {

// An empty text when records 1 .. recordCount - 1 of `image` (the current
// layout) may be loaded; otherwise the reason, for example
// "record 18 (surface water analysis): Calcium is not a number". `olderFile`:
// the image was staged from a file of a version below 556, whose reader
// repairs the stored analyses and the unit choices itself; those are checked
// as the repairs leave them, but for a value the repairs would make 0 in an
// entered water, which is refused. The values are named as the dialogs and
// the water form name them. `datesPacked`: the stored waters' dates are
// packed as the current layout packs them (older files of some versions
// store them in the display order, which their reader rewrites): each entered
// one's dates and time must then be a date and a time of day.
[[nodiscard]] std::string ImageFault(const uint8_t* image, size_t size, int recordCount,
                                     bool olderFile, bool datesPacked = true);

// Why an image of the current layout (its version word first, at least two
// bytes) is not read: its version and length, its values, its counts and
// indexes; empty when it is read. `fileBytes` is the length of the file the
// image is the start of (0: the image is the whole file).
[[nodiscard]] std::string CurrentImageFault(const std::vector<uint8_t>& image,
                                            size_t fileBytes = 0);

// The reason a work file whose version word is `version` and whose length is
// `size` is not read, or an empty text for a version of the current layout at a
// length that layout allows (556: 200,163 bytes; 557: 200,163, or 200,171 or
// more; 558: 203,243 or more).
[[nodiscard]] std::string VersionFault(int16_t version, size_t size);

// The reason for a version word and length that the older layouts do not
// allow: `expected` is the length the version's records take (0 when the file
// ends before its last record).
[[nodiscard]] std::string OlderSizeFault(int16_t version, size_t size, size_t expected);

}  // namespace workfile
