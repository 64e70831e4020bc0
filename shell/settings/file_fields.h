// Reading settings files field by field the way their readers always have: each
// field gets what one read call delivers, so a file that ends inside a field
// changes only that field's leading bytes (the words are little-endian).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/window/win_types.h"

// Reads `count` u16 words; returns the bytes delivered, or -1 when the read
// reported an error (the words are then unchanged).
int ReadWords(win::HFILE file, uint16_t* words, int count);
// The same for one u32.
int ReadU32(win::HFILE file, uint32_t& value);
// Raw bytes; returns the bytes delivered or -1.
int ReadBytes(win::HFILE file, void* bytes, size_t count);
