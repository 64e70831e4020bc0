// The JPEG writer's per-save state: the bit writer over the output, the frame,
// the tables and the coefficient stores of the optimised modes.
#pragma once

#include <cstdint>
#include <memory>

#include "imaging/frame/image_io.h"
#include "imaging/jpeg/jpeg_internal.h"

// Bits leave through a 65,536-byte buffer, which is written out once it holds
// 65,520 bytes; a byte 0xFF is followed by 0x00. A short write sets `failed`,
// after which nothing more is written.
struct JpegBitWriter {
    static constexpr std::size_t kFlushAt = 65520;
    ImageStream* out = nullptr;
    uint8_t* buffer = nullptr;  // 65,536 bytes
    std::size_t fill = 0;
    uint64_t accumulator = 0;
    int count = 0;  // bits held in the low end of the accumulator, below 32 between calls
    bool failed = false;
    bool failedInScan = false;  // a buffer write of the scan data failed

    void Byte(uint8_t b);
    // `size` from 1 to 31.
    void Put(uint32_t bits, int size) {
        accumulator = (accumulator << size) | (bits & ((uint32_t{1} << size) - 1));
        count += size;
        if (count >= 32) Word();
    }
    // Pads with 1-bits to a byte boundary and writes the buffer out.
    void Finish();

  private:
    // The oldest 32 bits: straight into the buffer when none is 0xFF and the
    // buffer has room, else byte by byte with stuffing and flushes.
    void Word() {
        count -= 32;
        const auto w = static_cast<uint32_t>(accumulator >> count);
        const uint32_t inverted = ~w;
        const bool hasFF = ((inverted - 0x01010101u) & ~inverted & 0x80808080u) != 0;
        if (!hasFF && !failed && fill + 4 <= kFlushAt) {
            buffer[fill] = static_cast<uint8_t>(w >> 24);
            buffer[fill + 1] = static_cast<uint8_t>(w >> 16);
            buffer[fill + 2] = static_cast<uint8_t>(w >> 8);
            buffer[fill + 3] = static_cast<uint8_t>(w);
            fill += 4;
            return;
        }
        for (int shift = 24; shift >= 0; shift -= 8) {
            const auto b = static_cast<uint8_t>(w >> shift);
            Byte(b);
            if (b == 0xFF) Byte(0);
        }
    }
};

struct JpegEncodeComponent {
    int h = 1, v = 1;
    int quant = 0, dcTable = 0, acTable = 0;
    int id = 1;
    int previousDc = 0;
    int blocksAcross = 0, blocksDown = 0;  // the component's own blocks
    int storeAcross = 0;                   // blocks per row of the store (MCU grid)
    ImageBuffer* store = nullptr;          // 64 int16 per block, optimised modes
};

struct JpegEncoder {
    JpegBitWriter bits;
    uint32_t mode = JPEG_MODE_BASELINE;
    int kind = 0;  // 0 BGR, 1 palette, 2 grey ramp
    int components = 3;
    int width = 0, height = 0;
    int hmax = 1, vmax = 1;
    int mcuWidth = 8, mcuHeight = 8;
    int mcusAcross = 0, mcusDown = 0;
    int blocksInMcu = 0;
    int mcuBlock[10] = {};  // component of each block of an MCU
    JpegEncodeComponent comp[3];
    uint16_t quant[2][64] = {};  // 8 x the quantiser step, natural order
    bool quant16[2] = {false, false};
    JpegHuffmanTable huffman[2][2];  // class, index
    JpegEncodeTable encode[2][2];
    // Progressive and optimised coding.
    int eobRun = 0;
    uint8_t correction[1000] = {};
    int correctionCount = 0;
    uint32_t frequency[2][2][257] = {};
    bool gather = false;
};

// The optimised modes: every scan of the script (or the single sequential
// scan) with its own optimal tables. IMG_OK or IMG_IO_ERROR.
[[nodiscard]] int32_t WriteOptimisedScans(JpegEncoder& e);
// The baseline coding of one block (DC difference, then AC run lengths).
void EncodeSequentialBlock(JpegEncoder& e, const int16_t* block, JpegEncodeComponent& c);
// Writes a whole segment through the stream (outside the bit writer).
[[nodiscard]] int32_t WriteSegment(JpegEncoder& e, const uint8_t* data, std::size_t size);
