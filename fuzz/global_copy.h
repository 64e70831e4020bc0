// What the picture targets share: the start of each input, the input lent in
// a locked global block of exactly its size (as a clipboard or memory reader
// finds it), and the input written to a temporary file of this process's own
// for the file readers.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "imaging/image_records.h"
#include "platform/files/file_io.h"
#include "platform/system/clipboard.h"

namespace fuzzing {

// The start of every input to a picture reader: paths map from the file
// system's root (set on the first input) and the image records are reset.
inline void StartImageInput() {
    static const bool once = [] {
        win::SetPathRoot("/");
        return true;
    }();
    (void)once;
    ResetImageRecords();
}

// Unlocks and frees the global block behind a locked pointer.
inline void FreeLockedBlock(void* pointer) {
    win::HGLOBAL block = win::GlobalHandle(pointer);
    win::GlobalUnlock(block);
    win::GlobalFree(block);
}

// Calls use(block) with the input copied into a locked global block of exactly
// its size, then frees the block; nothing when no block can be had.
template <class Use>
void WithGlobalCopy(const uint8_t* data, size_t size, Use use) {
    win::HGLOBAL handle = win::GlobalAlloc(win::GMEM_MOVEABLE, size);
    if (handle == nullptr) return;
    void* block = win::GlobalLock(handle);
    if (size > 0) std::memcpy(block, data, size);
    use(block);
    win::GlobalUnlock(handle);
    win::GlobalFree(handle);
}

// "/tmp/tarvex_fuzz_<name>_<process id><ending>": parallel runs never meet.
inline std::string TempPath(const char* name, const char* ending) {
    return std::string("/tmp/tarvex_fuzz_") + name + "_" + std::to_string(::getpid()) + ending;
}

// Writes the input to `path`; false when the file cannot be made.
inline bool WriteTempFile(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    return true;
}

}  // namespace fuzzing
