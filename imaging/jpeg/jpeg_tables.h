// The fixed tables of the JPEG codec: the example quantisation and Huffman
// tables, the zig-zag order and the progressive scan scripts.
#pragma once

#include <cstdint>

// Quantisation bases in natural (row-major) order: luminance, chrominance.
extern const uint8_t kJpegLumaQuant[64];
extern const uint8_t kJpegChromaQuant[64];
// Position k of the zig-zag order names the natural index of coefficient k;
// 16 extra entries of 63 let a decoder run past the end safely.
extern const uint8_t kJpegZigZag[64 + 16];

struct JpegHuffmanCounts {
    uint8_t bits[17];  // bits[l]: codes of length l (1..16); bits[0] unused
    const uint8_t* values;
    int count;
};
extern const JpegHuffmanCounts kJpegDcLuma;
extern const JpegHuffmanCounts kJpegDcChroma;
extern const JpegHuffmanCounts kJpegAcLuma;
extern const JpegHuffmanCounts kJpegAcChroma;

// One scan of a progressive script: components, their identifiers (unused
// slots hold 1), spectral selection and successive approximation.
struct JpegScanScriptEntry {
    uint8_t count;
    uint8_t ids[3];
    uint8_t ss, se, ah, al;
};
extern const JpegScanScriptEntry kJpegColourScript[10];
extern const JpegScanScriptEntry kJpegGreyScript[6];
