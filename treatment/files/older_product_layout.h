// The older product layout and its conversion to and from the current table.
//
// Base record, 3,965 bytes (little-endian):
//     0  i16  base code (99 for a new product; negative: a product that doses nothing)
//     2  i16  component count, 1 to 28
//     4  u16  selection word
//     6  f32  header value (above 0 for any group dose)
//    10  f32  header limit (-99.0 unset)
//    14  f32  actives percent of component i at 14 + 4i (i < 7)
//    42  f32  active concentration of component i at 42 + 4i
//    70  f32  blend share of component i at 70 + 4i
//    98  char product name [20]
//   118       4 bytes unused
//   122  char product file name [80]
//   202       21 bytes unused
//   223       component record i at 223 + 523i (i < 7)
//  3884  char use text [80]
//  3964       1 byte unused
//
// Component record, 523 bytes:
//     0  i16  mode (below 2 a scale inhibitor, 2 a corrosion inhibitor)
//     2       the dose model, 196 bytes: bytes 743 to 938 of a current component
//             record (treated index, model kind, active concentration, c1..c12 ...)
//   198  i16  limit code (the variable of the component's limit input)
//   200       39 bytes unused
//   239  char file name [80]
//   319  char name [20]
//   339  char function text [80]
//   419       20 bytes unused
//   439  i16  limit code k at 439 + 4k (k < 7), then a u16 flag word at 441 + 4k
//   467  f32  lower bound k at 467 + 8k, upper bound at 471 + 8k (-99.0 unset)
//
// Limits block, 600 bytes after a u32: 30 slots of 20 bytes: i16 code, u16
// enabled, f32 lower, f32 upper, 8 bytes unused.
//
// Component entry, 535 bytes: f32 actives percent, f32 blend share, f32 active
// concentration, then the 523-byte component record. The entry's active
// concentration is the component's; the copy inside the dose model is not read.
//
// The older layout has no place for the kind-99 term list, the result switch or
// the pKa of an active: a table that uses them cannot be written in it (the
// model kind itself, 99 included, is part of the dose model).
#pragma once

#include <cstdint>

#include "treatment/files/older_product_records.h"
#include "treatment/records.h"

namespace OlderBase {
enum : int {
    kCode = 0,
    kCount = 2,
    kSelection = 4,
    kHeaderValue = 6,
    kHeaderLimit = 10,
    kActivesPercent = 14,
    kActiveConc = 42,
    kBlendShare = 70,
    kName = 98,
    kFileName = 122,
    kComponents = 223,
    kUseText = 3884,
};
}

namespace OlderComponent {
enum : int {
    kMode = 0,
    kDoseModel = 2,
    kDoseModelBytes = 196,
    kLimitCode = 198,
    kFileName = 239,
    kName = 319,
    kFunctionText = 339,
    kLimitCodes = 439,
    kLimitBounds = 467,
};
}

// The component count of the base record (the i16 at offset 2).
[[nodiscard]] int16_t OlderComponentCount(const OlderProductState& s);

// Makes the entries of the first seven components (fewer when the count is
// lower) from the base record: the three figures at 14 + 4i, 70 + 4i and
// 42 + 4i, then the component record at 223 + 523i.
void BuildEntriesFromBase(OlderProductState& s);

// The current table from the older state (the entries must be built). The
// table is cleared first; unset term bounds are -99.0; the product's texts are
// those of the base record.
void ConvertOlderProduct(const OlderProductState& s, ProductTable& out);

// The older state of a current table, entries included. False (and `out` left
// as it was) when the count is outside 1 to 28 or a component uses what the
// older layout cannot hold.
[[nodiscard]] bool MakeOlderProduct(const ProductTable& t, OlderProductState& out);
