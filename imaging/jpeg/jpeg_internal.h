// What the JPEG writer and reader share: Huffman table derivation, the
// optimal table builder, the integer DCT pair and the range-limit table.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/jpeg/jpeg_records.h"
#include "imaging/jpeg/jpeg_tables.h"

// Functions whose loops the compiler turns into vector arithmetic get a second
// build for processors with 256-bit integer vectors, chosen when the program
// loads (GCC on x86-64; elsewhere the one plain build).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define JPEG_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define JPEG_VECTOR_CLONES
#endif

// Code word and length per symbol, for coding.
struct JpegEncodeTable {
    uint16_t code[256];
    uint8_t size[256];
};
// Decoding tables of Annex C and F.2.2.3 with an 8-bit lookahead.
struct JpegDecodeTable {
    int32_t maxCode[18];      // largest code of each length, -1 when none
    int32_t valueOffset[17];  // symbol index minus code, per length
    uint8_t lookLength[256];  // 0: longer than 8 bits
    uint8_t lookSymbol[256];
    uint8_t values[256];
};

void LoadHuffmanCounts(const JpegHuffmanCounts& counts, JpegHuffmanTable* table);
// False when the lengths are over-subscribed or name more than 256 codes.
[[nodiscard]] bool CheckHuffmanLengths(const uint8_t bits[17]);
void DeriveEncodeTable(const JpegHuffmanTable& table, JpegEncodeTable* out);
[[nodiscard]] bool DeriveDecodeTable(const JpegHuffmanTable& table, JpegDecodeTable* out);
// Builds the length-limited optimal table for the counts of symbols 0..255
// (`frequency` has 257 entries and is used up).
void BuildOptimalTable(uint32_t frequency[257], JpegHuffmanTable* table);

// In: 64 samples 0..255 (natural order). Out: 8 x the 2-D DCT, rounded.
void ForwardDct(const uint8_t* samples, std::size_t stride, int32_t out[64]);
// In: 64 dequantised coefficients (natural order). Out: 8 x 8 samples.
void InverseDct(const int16_t coefficients[64], const uint16_t quant[64], uint8_t* out,
                std::size_t stride);
// The clamp of an inverse DCT output (before the +128 level shift).
[[nodiscard]] uint8_t RangeLimit(int32_t value);

[[nodiscard]] inline int BitLength(uint32_t v) {
    int n = 0;
    while (v != 0) {
        ++n;
        v >>= 1;
    }
    return n;
}
