// The JPEG codec's settings and shared records: the next save's density, the
// thumbnail size, the failure detail, the table capture and the second table
// set that JPEG-in-TIFF streams draw on.
#pragma once

#include <cstdint>

#include "imaging/jpeg/jpeg.h"

// A Huffman table as a file defines it.
struct JpegHuffmanTable {
    int32_t defined = 0;
    uint8_t bits[17] = {};  // bits[l]: codes of length l
    uint8_t values[256] = {};
    int32_t count = 0;
};
// A quantisation table in natural order.
struct JpegQuantTable {
    int32_t defined = 0;
    uint16_t values[64] = {};
};

struct JpegSettingsRecord {
    uint32_t xDensity = 1;
    uint32_t yDensity = 1;
    uint32_t units = 0;
    int32_t thumbnailSize = 64;
    int32_t stripRows = 0;        // next load only
    int32_t oldStyleMarkers = 0;  // next load only
    int32_t captureTables = 0;
};
struct JpegTableSet {
    int32_t present = 0;
    JpegQuantTable quant[4];
    JpegHuffmanTable huffman[2][4];  // class (0 DC, 1 AC), index
};

extern JpegSettingsRecord JpegSettings;
extern int32_t JpegErrorDetail;
extern JpegCapturedTables JpegCapture;
extern JpegTableSet JpegSecondTables;

void ResetJpegRecords();
