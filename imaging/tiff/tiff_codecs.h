// The TIFF strip codecs: LZW as TIFF 6.0 defines it (codes most significant
// bit first, ClearCode 256, EndOfInformation 257, 9 to 12 bits with the early
// change) and PackBits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int kLzwClear = 256;
inline constexpr int kLzwEnd = 257;
inline constexpr int kLzwFirst = 258;

// Codes one strip: ClearCode, the codes, EndOfInformation, padded to a byte.
// The table is cleared again after entry 4094 has been added.
void LzwEncodeStrip(const uint8_t* data, std::size_t size, std::vector<uint8_t>* out);
// Decodes one strip into `want` bytes at `out`. IMG_OK when they are all
// there, else IMG_CODED_DATA_ERROR (a code past the table, a full table, or
// data that ends first); `*produced` says how many bytes were made.
[[nodiscard]] int32_t LzwDecodeStrip(const uint8_t* in, std::size_t size, uint8_t* out,
                                     std::size_t want, std::size_t* produced);

// Codes one row; appends at most size + ceil(size / 127) bytes.
void PackBitsEncode(const uint8_t* data, std::size_t size, std::vector<uint8_t>* out);
// Lengths of the runs of equal bytes (at most 127 bytes are looked at), each
// one byte, then a 0; the number of runs.
int PackBitsRunLengths(std::size_t size, const uint8_t* data, uint8_t* runs);
// Decodes until `want` bytes are made or the input ends (a header of 128 is
// skipped). Returns the input bytes consumed; `*produced` the bytes made.
std::size_t PackBitsDecode(uint8_t* out, std::size_t want, const uint8_t* in, std::size_t size,
                           std::size_t* produced);
