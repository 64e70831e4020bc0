// The image library's fixed global records: its table of locks, the memory
// stream slots, what the system probe found, and the BMP reader's state.
#pragma once

#include <cstdint>
#include <mutex>

#include "platform/gdi/gdi.h"

// ---- Locks ------------------------------------------------------------------------
// One lock per format family; each is set up on its first use.
enum ImageLockFamily : int {
    kBmpLock = 0,
    kJpegLock,
    kColorReductionLock,
    kPngLock,
    kPrintLock,
    kTiffLock,
    kImageLockCount
};
struct ImageLibLockEntry {
    std::recursive_mutex mutex;
    int32_t initialised = 0;
};
extern ImageLibLockEntry ImageLibLock[kImageLockCount];

// ---- Memory streams ---------------------------------------------------------------
constexpr int kStreamSlots = 4;  // slots 1..4 in each table

// One write of a memory write stream: `length` bytes placed at stream offset
// `offset`. The chunks of a stream form a ring in the order written.
struct StreamChunk {
    uint8_t* data = nullptr;
    uint32_t length = 0;
    uint32_t offset = 0;
    StreamChunk* next = nullptr;
    StreamChunk* previous = nullptr;
};

struct MemoryWriteStream {
    int32_t state = 0;  // the slot number while open, 0 when free
    uint32_t size = 0;  // largest extent written so far, bytes
    int32_t chunkCount = 0;
    StreamChunk* firstChunk = nullptr;
    StreamChunk* lastChunk = nullptr;
    uint32_t position = 0;  // bytes from the start
};

struct MemoryReadStream {
    int32_t state = 0;              // the slot number while open, 0 when free
    const uint8_t* base = nullptr;  // the caller's block
    uint32_t position = 0;
};

extern MemoryWriteStream memoryWriteStreams[kStreamSlots];
extern MemoryReadStream memoryReadStreams[kStreamSlots];

// ---- System probe -----------------------------------------------------------------
struct ImageLibSystem {
    int32_t probed = 0;          // ProbeOsVersion has run
    int32_t versionNumber = 0;   // major x 100 + minor
    int32_t platformClass = 0;   // 2 NT, 1 Windows 95 family, 0 older
    int32_t useDibSections = 0;  // AllocImage makes DIB sections
};
extern ImageLibSystem imageLibSystem;

// ---- BMP reading state (valid only under the BMP lock) ----------------------------
struct BmpReadState {
    win::BITMAPINFOHEADER header;   // normalised: positive height, counts filled in
    uint32_t headerSize = 0;        // biSize as stored
    int32_t tripleEntries = 0;      // colour-table entries of 3 bytes (core header)
    uint64_t colorTableOffset = 0;  // header size + 14
    uint32_t colorCount = 0;
    uint32_t masks[3] = {0, 0, 0};  // red, green, blue
    uint32_t pixelOffset = 0;       // bfOffBits
    int32_t topDown = 0;
    int32_t rowKind = 0;
};
extern BmpReadState bmpReadState;

// Frees every memory stream chunk and puts every record of the image library
// back to its start-of-run state; tests call it between cases.
void ResetImageRecords();
