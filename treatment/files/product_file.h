// Treatment product files ("\INHIB\*.PRD"), told apart by their size and first
// word:
//   current   u32 layout stamp 557, then the product table (29,359 bytes) in the
//             encoding of treatment/product_table_codec.h: 29,363 bytes;
//   older     the base record, the u32 and limits block, and a 535-byte entry per
//             component past seven (treatment/files/older_product_layout.h):
//             4,569 + 535 x (count - 7) bytes;
//   scrambled u16 9999 and an 8-byte key ahead of either of the above, whose
//             blocks (the current file whole; the base record; the u32 with the
//             limits block; each entry) are each XOR-ed byte i with key[i mod 8]
//             counted from the block's start.
// A file is refused when its size fits no layout, its component count lies
// outside 1 to 28 or does not match its size or the components it holds (the
// component places past the count are empty), its stamp is not 557, any of its
// numbers is not finite, or a text or figure fails the checks of
// treatment/files/product_checks.h. A refused file changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "treatment/records.h"

constexpr uint32_t kProductFileStamp = 557;
constexpr uint16_t kScrambleMarker = 9999;
constexpr int kScrambleKeyBytes = 8;
constexpr size_t kScrambleHeaderBytes = 2 + kScrambleKeyBytes;
constexpr size_t kCurrentProductFileBytes = 4 + kProductTableBytes;
constexpr size_t kOlderProductFileBytes = 3965 + 4 + 600;  // up to seven components
constexpr size_t kLargestProductFileBytes = kScrambleHeaderBytes + kCurrentProductFileBytes;
static_assert(kCurrentProductFileBytes == 29363);

enum class ProductLayout { kCurrent, kOlder };

enum class ProductFileFault {
    kNone,
    kCannotOpen,  // the file cannot be opened or read
    kSize,        // the size fits no layout
    kCount,       // the component count lies outside 1 to 28
    kCountSize,   // the component count does not match the size
    kStamp,       // the layout stamp is not 557
    kNotFinite,   // a number is not finite
    kCountHeld,   // components lie past the component count
    kGaps,        // bytes the older layout leaves unused hold data
    kContent,     // a text or figure fails its check (the detail says which)
};

// The end of the refusal sentence: "its size fits no product file layout" ...
[[nodiscard]] const char* ProductFileFaultText(ProductFileFault fault);

struct ProductFileInfo {
    ProductLayout layout = ProductLayout::kCurrent;
    bool scrambled = false;
};

// Decodes a whole file into `out`, which is left as it was unless the result is
// kNone. `detail`, when given, receives the reason of a refusal as a sentence
// end ("its component count (1) does not match ...", "component 2: ...").
[[nodiscard]] ProductFileFault DecodeProductFile(const uint8_t* data, size_t size,
                                                 ProductTable& out, ProductFileInfo* info = nullptr,
                                                 std::string* detail = nullptr);

// The bytes of a product file in the layout, scrambled with `key` (8 bytes)
// when one is given. Empty when the table cannot be written in that layout
// (the older layout and the kind-99 terms or pKa, or a count outside 1 to 28).
[[nodiscard]] std::vector<uint8_t> EncodeProductFile(const ProductTable& t, ProductLayout layout,
                                                     const uint8_t* key = nullptr);

// Reads the file at a program path through the platform's file calls, opened
// for reading only (a file that vanished is not created), and decodes it. A
// file larger than any layout is refused without being read whole.
[[nodiscard]] ProductFileFault ReadProductFile(const std::string& programPath, ProductTable& out,
                                               ProductFileInfo* info = nullptr,
                                               std::string* detail = nullptr);
