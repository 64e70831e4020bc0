// The JPEG reader's per-call state: the buffered input, the marker parser's
// findings (frame, tables, restart interval, density, thumbnail), the bit
// reader and the coefficient stores.
#pragma once

#include <cstdint>
#include <memory>

#include "imaging/frame/image_io.h"
#include "imaging/jpeg/jpeg_internal.h"

// The source through a 65,536-byte buffer.
struct JpegInput {
    ImageStream* stream = nullptr;
    uint8_t* buffer = nullptr;
    std::size_t position = 0;
    std::size_t end = 0;
    int64_t base = 0;  // stream offset of buffer[0]
    bool readFailed = false;

    [[nodiscard]] int Byte() {
        if (position == end && !Refill()) return -1;
        return buffer[position++];
    }
    [[nodiscard]] int Peek() {
        if (position == end && !Refill()) return -1;
        return buffer[position];
    }
    [[nodiscard]] bool Refill();
    // Copies up to `count` bytes; returns how many there were.
    std::size_t Read(uint8_t* to, std::size_t count);
    [[nodiscard]] int64_t Tell() const { return base + static_cast<int64_t>(position); }
    [[nodiscard]] bool Seek(int64_t at);
};

struct JpegDecodeComponent {
    int id = 0, h = 1, v = 1, quant = 0;
    int dcTable = 0, acTable = 0;
    int previousDc = 0;
    int blocksAcross = 0, blocksDown = 0;
    int storeAcross = 0, storeDown = 0;
    int16_t* store = nullptr;  // progressive and buffered files
};

struct JpegThumbRecord {
    int present = 0;
    int width = 0, height = 0, bits = 0, kind = 0;
    int64_t position = 0;
    uint32_t length = 0;
};

struct JpegDecoder {
    JpegInput in;
    // Frame.
    int process = -1;
    int precision = 0;
    int width = 0, height = 0;
    int components = 0;
    JpegDecodeComponent comp[4];
    bool progressive = false;
    int hmax = 1, vmax = 1;
    int mcuWidth = 8, mcuHeight = 8;
    int mcusAcross = 0, mcusDown = 0;
    // Tables.
    JpegQuantTable quant[4];
    JpegHuffmanTable huffman[2][4];
    JpegDecodeTable decode[2][4];
    // Markers.
    int restartInterval = 0;
    int restartsToGo = 0;
    int adobeTransform = 1;
    int xDensity = 0, yDensity = 0, units = 0;
    JpegThumbRecord thumb;
    bool oldStyleMarkers = false;
    int pendingMarker = -1;   // a marker the bit reader ran into (its FF consumed)
    bool sosPending = false;  // the header pass stopped at this SOS's marker
    // Scan.
    int scanCount = 0;
    int scanComp[4] = {0, 0, 0, 0};
    int ss = 0, se = 63, ah = 0, al = 0;
    bool bufferedSequential = false;
    // Bit reader.
    uint64_t accumulator = 0;
    int bitCount = 0;
    int phantom = 0;  // zero bits supplied past the data, at the low end
    bool starved = false;
    bool markerHit = false;
    bool dataEnded = false;
    int eobRun = 0;
    int64_t sourceSize = 0;
};

inline constexpr int32_t kJpegParsedEnd = 1;  // the data ended while looking for a marker

// Parses markers up to the next SOS (header mode: stops at the first SOS and
// reads the JFIF, JFXX, Exif and Adobe segments). IMG_OK at an SOS (scan
// mode: its parameters taken), IMG_PRINT_ABORTED at EOI in scan mode,
// kJpegParsedEnd when the data ends in scan mode, or a failure (detail set).
[[nodiscard]] int32_t ParseJpegMarkers(JpegDecoder& d, bool headerMode);
// Parses DQT and DHT segments of a tables-only stream into a table set.
[[nodiscard]] int32_t ParseJpegTableSegments(const uint8_t* data, std::size_t size,
                                             JpegTableSet* set);
// Decodes the picture after the header pass into the image (see LoadJpgCore).
[[nodiscard]] int32_t DecodeJpegPicture(JpegDecoder& d, ImageDesc* image, bool reduced,
                                        int32_t flags);
