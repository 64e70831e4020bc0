// CRC-32 and Adler-32.
#include "imaging/deflate/checksums.h"

void BuildCrcTable(uint32_t table[256]) {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
}

uint32_t UpdateCrc(const uint32_t table[256], uint32_t crc, const uint8_t* data,
                   std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

uint32_t Crc32(const uint8_t* data, std::size_t count) {
    uint32_t table[256];
    BuildCrcTable(table);
    return ~UpdateCrc(table, 0xFFFFFFFFu, data, count);
}

uint32_t UpdateAdler32(uint32_t adler, const uint8_t* data, std::size_t count) {
    constexpr uint32_t kBase = 65521;
    uint32_t a = adler & 0xFFFF;
    uint32_t b = adler >> 16;
    while (count > 0) {
        // 5552 bytes is the longest run whose sums cannot overflow 32 bits.
        const std::size_t run = count < 5552 ? count : 5552;
        for (std::size_t i = 0; i < run; ++i) {
            a += data[i];
            b += a;
        }
        a %= kBase;
        b %= kBase;
        data += run;
        count -= run;
    }
    return (b << 16) | a;
}
