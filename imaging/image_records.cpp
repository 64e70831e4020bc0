// Definitions of the image library's fixed global records.
#include "imaging/image_records.h"

ImageLibLockEntry ImageLibLock[kImageLockCount];
MemoryWriteStream memoryWriteStreams[kStreamSlots];
MemoryReadStream memoryReadStreams[kStreamSlots];
ImageLibSystem imageLibSystem;
BmpReadState bmpReadState;

void ResetImageRecords() {
    for (MemoryWriteStream& s : memoryWriteStreams) {
        StreamChunk* chunk = s.firstChunk;
        for (int32_t i = 0; i < s.chunkCount && chunk != nullptr; ++i) {
            StreamChunk* next = chunk->next;
            delete[] chunk->data;
            delete chunk;
            chunk = next;
        }
        s = MemoryWriteStream{};
    }
    for (MemoryReadStream& s : memoryReadStreams) s = MemoryReadStream{};
    for (ImageLibLockEntry& lock : ImageLibLock) lock.initialised = 0;
    imageLibSystem = ImageLibSystem{};
    bmpReadState = BmpReadState{};
}
