// fuzz-link: tarvex_imaging
//
// ImageFromDib over any bytes standing in a global block of exactly their
// size, as a clipboard's CF_DIB block would; a picture it makes is packed back
// into a DIB.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "imaging/bridges/dib_bridges.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"
#include "platform/system/clipboard.h"

namespace {

void Free(void* pointer) {
    win::HGLOBAL block = win::GlobalHandle(pointer);
    win::GlobalUnlock(block);
    win::GlobalFree(block);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetImageRecords();
    win::HGLOBAL handle = win::GlobalAlloc(win::GMEM_MOVEABLE, size);
    if (handle == nullptr) return 0;
    auto* block = static_cast<uint8_t*>(win::GlobalLock(handle));
    if (size > 0) std::memcpy(block, data, size);
    ImageDesc image;
    if (ImageFromDib(block, &image) == IMG_OK) {
        void* packed = nullptr;
        if (image.header->biWidth <= 2048 && image.header->biHeight <= 2048 &&
            PackImageAsDib(&image, &packed) == IMG_OK) {
            Free(packed);
        }
        FreeImage(&image);
    }
    Free(block);
    return 0;
}
