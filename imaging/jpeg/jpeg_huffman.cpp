// Huffman tables of the JPEG codec: canonical codes from BITS and HUFFVAL,
// the decoder's lookahead tables and the length-limited optimal table.
#include <cstring>

#include "imaging/jpeg/jpeg_internal.h"

void LoadHuffmanCounts(const JpegHuffmanCounts& counts, JpegHuffmanTable* table) {
    *table = JpegHuffmanTable{};
    table->defined = 1;
    std::memcpy(table->bits, counts.bits, 17);
    std::memcpy(table->values, counts.values, static_cast<std::size_t>(counts.count));
    table->count = counts.count;
}

bool CheckHuffmanLengths(const uint8_t bits[17]) {
    int32_t code = 0;
    int total = 0;
    for (int length = 1; length <= 16; ++length) {
        total += bits[length];
        code += bits[length];
        // Every code of this length must fit in `length` bits.
        if (code > (1 << length)) return false;
        code <<= 1;
    }
    return total <= 256;
}

void DeriveEncodeTable(const JpegHuffmanTable& table, JpegEncodeTable* out) {
    std::memset(out, 0, sizeof *out);
    uint32_t code = 0;
    int k = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < table.bits[length] && k < table.count; ++i, ++k) {
            out->code[table.values[k]] = static_cast<uint16_t>(code);
            out->size[table.values[k]] = static_cast<uint8_t>(length);
            ++code;
        }
        code <<= 1;
    }
}

bool DeriveDecodeTable(const JpegHuffmanTable& table, JpegDecodeTable* out) {
    if (!CheckHuffmanLengths(table.bits)) return false;
    std::memset(out, 0, sizeof *out);
    std::memcpy(out->values, table.values, 256);
    int32_t code = 0;
    int k = 0;
    for (int length = 1; length <= 16; ++length) {
        const int n = table.bits[length];
        if (n > 0) {
            out->valueOffset[length] = k - code;
            for (int i = 0; i < n; ++i, ++k, ++code) {
                if (length <= 8) {
                    // Every 8-bit lookahead that starts with this code.
                    const int shift = 8 - length;
                    for (int fill = 0; fill < (1 << shift); ++fill) {
                        const int at = (code << shift) | fill;
                        out->lookLength[at] = static_cast<uint8_t>(length);
                        out->lookSymbol[at] = table.values[k & 255];
                    }
                }
            }
            out->maxCode[length] = code - 1;
        } else {
            out->maxCode[length] = -1;
        }
        code <<= 1;
    }
    out->maxCode[17] = 0x7FFFFFFF;  // ends the search
    return true;
}

void BuildOptimalTable(uint32_t frequency[257], JpegHuffmanTable* table) {
    constexpr int kMaxLength = 260;
    int bits[kMaxLength + 1] = {};
    int codeSize[257] = {};
    int others[257];
    for (int& o : others) o = -1;
    uint64_t freq[257];
    for (int i = 0; i < 257; ++i) freq[i] = frequency[i];
    freq[256] = 1;  // reserves the all-ones code
    for (;;) {
        // The two least frequent entries; ties go to the larger symbol.
        int c1 = -1;
        uint64_t v = UINT64_MAX;
        for (int i = 0; i <= 256; ++i) {
            if (freq[i] != 0 && freq[i] <= v) {
                v = freq[i];
                c1 = i;
            }
        }
        int c2 = -1;
        v = UINT64_MAX;
        for (int i = 0; i <= 256; ++i) {
            if (freq[i] != 0 && freq[i] <= v && i != c1) {
                v = freq[i];
                c2 = i;
            }
        }
        if (c2 < 0) break;
        freq[c1] += freq[c2];
        freq[c2] = 0;
        ++codeSize[c1];
        while (others[c1] >= 0) {
            c1 = others[c1];
            ++codeSize[c1];
        }
        others[c1] = c2;
        ++codeSize[c2];
        while (others[c2] >= 0) {
            c2 = others[c2];
            ++codeSize[c2];
        }
    }
    for (int i = 0; i <= 256; ++i) {
        if (codeSize[i] != 0) ++bits[codeSize[i]];
    }
    // Lengths above 16 folded into shorter ones.
    int i = kMaxLength;
    for (; i > 16; --i) {
        while (bits[i] > 0) {
            int j = i - 2;
            while (bits[j] == 0) --j;
            bits[i] -= 2;
            ++bits[i - 1];
            bits[j + 1] += 2;
            --bits[j];
        }
    }
    while (bits[i] == 0) --i;
    --bits[i];  // the reserved symbol leaves the longest length
    *table = JpegHuffmanTable{};
    table->defined = 1;
    for (int length = 1; length <= 16; ++length)
        table->bits[length] = static_cast<uint8_t>(bits[length]);
    int p = 0;
    for (int length = 1; length <= kMaxLength; ++length) {
        for (int s = 0; s <= 255; ++s) {
            if (codeSize[s] == length) table->values[p++] = static_cast<uint8_t>(s);
        }
    }
    table->count = p;
    for (int f = 0; f < 257; ++f) frequency[f] = 0;
}
