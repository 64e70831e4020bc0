// fuzz-link: tarvex_imaging
//
// ImageFromDib over any bytes standing in a global block of exactly their
// size, as a clipboard's CF_DIB block would; a picture it makes is packed back
// into a DIB.
#include <cstddef>
#include <cstdint>

#include "fuzz/global_copy.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"

namespace {

void ReadBlock(const void* block) {
    ImageDesc image;
    if (ImageFromDib(block, &image) == IMG_OK) {
        void* packed = nullptr;
        if (image.header->biWidth <= 2048 && image.header->biHeight <= 2048 &&
            PackImageAsDib(&image, &packed) == IMG_OK) {
            fuzzing::FreeLockedBlock(packed);
        }
        FreeImage(&image);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetImageRecords();
    fuzzing::WithGlobalCopy(data, size, ReadBlock);
    return 0;
}
