// Memory write streams keep each write as a chunk at the position current at
// the time, so a writer may seek back and overwrite a header after writing
// what follows it; the block is assembled once at the end. Memory read
// streams read the caller's block, never past its end.
#include "imaging/frame/memory_streams.h"

#include <cstring>
#include <new>

#include "imaging/frame/image_desc.h"
#include "imaging/image_records.h"
#include "platform/files/file_io.h"
#include "platform/system/clipboard.h"

namespace {

MemoryWriteStream* WriteSlot(int32_t slot) {
    if (slot < 1 || slot > kStreamSlots) return nullptr;
    MemoryWriteStream& s = memoryWriteStreams[slot - 1];
    return s.state == slot ? &s : nullptr;
}

MemoryReadStream* ReadSlot(int32_t slot) {
    if (slot < 1 || slot > kStreamSlots) return nullptr;
    MemoryReadStream& s = memoryReadStreams[slot - 1];
    return s.state == slot ? &s : nullptr;
}

// A new position from a seek, or -1 when it would fall before the start or
// past what 32 bits hold.
int64_t Seek(int64_t from, int32_t distance) {
    const int64_t to = from + distance;
    return to < 0 || to > INT32_MAX ? -1 : to;
}

}  // namespace

int32_t OpenStreamWrite() {
    for (int32_t slot = 1; slot <= kStreamSlots; ++slot) {
        MemoryWriteStream& s = memoryWriteStreams[slot - 1];
        if (s.state == 0) {
            s = MemoryWriteStream{};
            s.state = slot;
            return slot;
        }
    }
    return -1;
}

int32_t StreamWriteCallbackB(int32_t slot, const void* data, uint32_t length, uint32_t* written,
                             void*) {
    if (written != nullptr) *written = 0;
    MemoryWriteStream* s = WriteSlot(slot);
    if (s == nullptr) return 0;
    if (static_cast<uint64_t>(s->position) + length > INT32_MAX) return 1;  // nothing stored
    auto* chunk = new (std::nothrow) StreamChunk;
    if (chunk == nullptr) return 1;
    chunk->data = new (std::nothrow) uint8_t[length > 0 ? length : 1];
    if (chunk->data == nullptr) {
        delete chunk;
        return 1;
    }
    if (length > 0) std::memcpy(chunk->data, data, length);
    chunk->length = length;
    chunk->offset = s->position;
    if (s->firstChunk == nullptr) {
        chunk->next = chunk->previous = chunk;  // a ring of one points to itself
        s->firstChunk = chunk;
    } else {
        chunk->previous = s->lastChunk;
        chunk->next = s->firstChunk;
        s->lastChunk->next = chunk;
        s->firstChunk->previous = chunk;
    }
    s->lastChunk = chunk;
    ++s->chunkCount;
    s->position += length;
    if (s->position > s->size) s->size = s->position;
    if (written != nullptr) *written = length;
    return 1;
}

int32_t StreamWriteCallbackA(int32_t slot, int32_t distance, int32_t*, uint32_t method) {
    MemoryWriteStream* s = WriteSlot(slot);
    if (s == nullptr) return -1;
    int64_t to = s->position;
    if (method == 0) to = Seek(0, distance);
    if (method == 1) to = Seek(s->position, distance);
    if (to < 0) return -1;
    s->position = static_cast<uint32_t>(to);
    return static_cast<int32_t>(to);
}

int32_t StreamWriteCallbackC(int32_t slot) {
    MemoryWriteStream* s = WriteSlot(slot);
    if (s == nullptr) return 0;
    StreamChunk* chunk = s->firstChunk;
    for (int32_t i = 0; i < s->chunkCount; ++i) {
        StreamChunk* next = chunk->next;
        delete[] chunk->data;
        delete chunk;
        chunk = next;
    }
    *s = MemoryWriteStream{};
    return 1;
}

uint32_t GetStreamSize(int32_t slot) {
    MemoryWriteStream* s = WriteSlot(slot);
    return s != nullptr ? s->size : 0;
}

int32_t AllocOutputBuffer(int32_t slot, void** block) {
    MemoryWriteStream* s = WriteSlot(slot);
    if (s == nullptr || s->size == 0 || block == nullptr) return IMG_NO_MEMORY;
    win::HGLOBAL handle = win::GlobalAlloc(win::GHND, s->size);
    if (handle == nullptr) return IMG_NO_MEMORY;
    auto* bytes = static_cast<uint8_t*>(win::GlobalLock(handle));
    if (bytes == nullptr) {
        win::GlobalFree(handle);
        return IMG_NO_MEMORY;
    }
    StreamChunk* chunk = s->firstChunk;
    for (int32_t i = 0; i < s->chunkCount; ++i) {
        if (chunk->length > 0) std::memcpy(bytes + chunk->offset, chunk->data, chunk->length);
        chunk = chunk->next;
    }
    *block = bytes;
    return IMG_OK;
}

int32_t OpenStreamRead(const void* block, uint32_t access) {
    if (access != win::GENERIC_READ) return -1;
    for (int32_t slot = 1; slot <= kStreamSlots; ++slot) {
        MemoryReadStream& s = memoryReadStreams[slot - 1];
        if (s.state == 0) {
            s.state = slot;
            s.base = static_cast<const uint8_t*>(block);
            s.position = 0;
            return slot;
        }
    }
    return -1;
}

int32_t StreamReadCallbackB(int32_t slot, void* destination, uint32_t length, uint32_t* read,
                            void*) {
    if (read != nullptr) *read = 0;
    MemoryReadStream* s = ReadSlot(slot);
    if (s == nullptr) return 0;
    // The block's own size bounds every read (the block may have been freed).
    const std::size_t size = win::GlobalBytesFrom(s->base);
    const std::size_t left = s->position < size ? size - s->position : 0;
    const uint32_t count = length < left ? length : static_cast<uint32_t>(left);
    if (count > 0) std::memcpy(destination, s->base + s->position, count);
    s->position += count;
    if (read != nullptr) *read = count;
    return 1;
}

int32_t StreamReadCallbackA(int32_t slot, int32_t distance, int32_t*, uint32_t method) {
    MemoryReadStream* s = ReadSlot(slot);
    if (s == nullptr) return -1;
    int64_t to = s->position;
    if (method == 0) to = Seek(0, distance);
    if (method == 1) to = Seek(s->position, distance);
    if (method == 2) to = Seek(static_cast<int64_t>(win::GlobalBytesFrom(s->base)), distance);
    if (to < 0) return -1;
    s->position = static_cast<uint32_t>(to);
    return static_cast<int32_t>(to);
}

int32_t StreamReadCallbackC(int32_t slot) {
    MemoryReadStream* s = ReadSlot(slot);
    if (s == nullptr) return 0;
    *s = MemoryReadStream{};
    return 1;
}
