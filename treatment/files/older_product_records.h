// The product in the older layout, kept in memory as the byte images the older
// product files and older work files hold: a base record of 3,965 bytes (the
// product header, the first seven components and their three figures each), the
// u32 and 600-byte limits block stored after it, and one 535-byte entry per
// component (three f32 figures, then a 523-byte component record). The field
// offsets are documented in treatment/files/older_product_layout.h, which also
// converts this state into the current product table.
#pragma once

#include <cstdint>

#include "treatment/records.h"

constexpr int kOlderBaseBytes = 3965;
constexpr int kOlderComponentBytes = 523;
constexpr int kOlderEntryBytes = 535;  // three f32, then a component record
constexpr int kOlderLimitsBlockBytes = 600;
constexpr int kOlderLimitSlotBytes = 20;
constexpr int kOlderBaseComponents = 7;  // components the base record holds
static_assert(kOlderEntryBytes == 12 + kOlderComponentBytes);
static_assert(kOlderLimitsBlockBytes == kLimitSlotCount * kOlderLimitSlotBytes);

struct OlderProductState {
    uint8_t baseRecord[kOlderBaseBytes];
    uint32_t limitsWord;  // the u32 stored ahead of the limits block
    uint8_t limitsBlock[kOlderLimitsBlockBytes];
    // Entry k for component k: the first seven built from the base record, the
    // rest as the file holds them.
    uint8_t entries[kProductRecordCount][kOlderEntryBytes];
};

extern OlderProductState olderProduct;

// Every byte zero.
void ResetOlderProductRecords();
