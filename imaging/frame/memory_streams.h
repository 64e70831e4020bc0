// Memory streams: what a format core writes or reads when its medium is a
// global-memory block instead of a file. Each call has the shape of the file
// call it stands in for (write or read, seek, close), with the slot number in
// place of the file handle. Four write slots and four read slots, numbered 1
// to 4; the tables are shared by all formats and take no lock.
#pragma once

#include <cstdint>

// ---- Writing ------------------------------------------------------------------------
// A free write slot (1..4), or -1.
[[nodiscard]] int32_t OpenStreamWrite();
// Stores one chunk at the current position; 1, or 0 for a bad slot. `written`
// gets the full length, or 0 when memory could not be had.
int32_t StreamWriteCallbackB(int32_t slot, const void* data, uint32_t length, uint32_t* written,
                             void* ignored);
// Moves the position (method 0 from the start, 1 from the current position,
// any other leaves it); returns it, -1 for a bad slot or a position before 0.
int32_t StreamWriteCallbackA(int32_t slot, int32_t distance, int32_t* ignored, uint32_t method);
// Frees every chunk and the slot; 1, or 0 for a bad slot.
int32_t StreamWriteCallbackC(int32_t slot);
// The largest extent written so far (0 for a bad slot).
[[nodiscard]] uint32_t GetStreamSize(int32_t slot);
// Assembles the stream into a new locked global block (later writes to the
// same offsets win). IMG_OK, or IMG_NO_MEMORY for an empty stream, a bad slot
// or a block that cannot be had.
[[nodiscard]] int32_t AllocOutputBuffer(int32_t slot, void** block);

// ---- Reading ------------------------------------------------------------------------
// A read slot over the caller's block (GENERIC_READ only), or -1.
[[nodiscard]] int32_t OpenStreamRead(const void* block, uint32_t access);
// Copies up to `length` bytes; reads never pass the end of the global block
// the stream was opened on. 1, or 0 for a bad slot.
int32_t StreamReadCallbackB(int32_t slot, void* destination, uint32_t length, uint32_t* read,
                            void* ignored);
// Seeks (0 from the start, 1 from the current position, 2 from the end of the
// block); returns the new position, -1 for a bad slot or a position before 0.
int32_t StreamReadCallbackA(int32_t slot, int32_t distance, int32_t* ignored, uint32_t method);
// Frees the slot; 1 (0 for a bad slot).
int32_t StreamReadCallbackC(int32_t slot);
