// CRC-32 (reflected polynomial 0xEDB88320, as in PNG chunks and gzip) and
// Adler-32 (the zlib stream trailer).
#pragma once

#include <cstddef>
#include <cstdint>

// The 256-entry table of the byte-wise CRC-32.
void BuildCrcTable(uint32_t table[256]);
// Continues a CRC register (start with 0xFFFFFFFF, complement at the end).
[[nodiscard]] uint32_t UpdateCrc(const uint32_t table[256], uint32_t crc, const uint8_t* data,
                                 std::size_t count);
// The finished CRC-32 of a byte run.
[[nodiscard]] uint32_t Crc32(const uint8_t* data, std::size_t count);
// Continues an Adler-32 sum (start with 1).
[[nodiscard]] uint32_t UpdateAdler32(uint32_t adler, const uint8_t* data, std::size_t count);
