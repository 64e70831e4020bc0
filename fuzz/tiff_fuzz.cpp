// fuzz-link: tarvex_imaging
//
// The TIFF reader over any bytes in a global block of their exact size: the
// page count and numbers, the information of pages 0 to 2, loads by index
// into images of the page's depth (sides cut to 2048) with an alpha image,
// into small 1-, 8- and 24-bit images, and the tag entry query.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/global_copy.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"
#include "imaging/jpeg/jpeg_records.h"
#include "imaging/tiff/tiff.h"
#include "imaging/tiff/tiff_records.h"

namespace {

void LoadInto(const void* block, int32_t index, int32_t width, int32_t height, int32_t bits,
              bool alpha) {
    ImageDesc image;
    ImageDesc mask;
    if (AllocImage(&image, width, height, bits) != IMG_OK) return;
    const bool withMask = alpha && AllocImage(&mask, 5, 3, 8) == IMG_OK;
    (void)LoadTifFromMemoryAlpha(block, &image, index, withMask ? &mask : nullptr);
    if (withMask) FreeImage(&mask);
    FreeImage(&image);
}

void ReadBlock(const void* block) {
    int32_t count = 0;
    int32_t numbers[4] = {};
    (void)GetTiffPageCountMemory(block, &count, numbers, 4);
    for (int32_t index = 0; index < 3; ++index) {
        TiffInfo info;
        if (GetTiffInfoMemoryIndex(block, &info, index) != IMG_OK) continue;
        if (info.width > 0 && info.height > 0) {
            const int32_t bits =
                info.bitsPerPixel >= 2 && info.bitsPerPixel <= 7 ? 8 : info.bitsPerPixel;
            LoadInto(block, index, std::min(info.width, 2048), std::min(info.height, 2048), bits,
                     true);
        }
    }
    for (int32_t bits : {1, 8, 24}) LoadInto(block, 0, 17, 13, bits, false);
    uint8_t entry[12];
    (void)GetTiffTagEntryMemory(block, 273, 0, entry);
    (void)GetTiffTagEntryMemory(block, 320, 1, entry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::StartImageInput();
    ResetTiffRecords();
    ResetJpegRecords();
    if (size == 0) return 0;
    fuzzing::WithGlobalCopy(data, size, ReadBlock);
    return 0;
}
