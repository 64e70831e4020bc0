// fuzz-link: tarvex_imaging
//
// The JPEG reader over any bytes, all through a global block of the input's
// exact size: the header and density query, the load into an image of the
// header's size (sides cut to 2048) and into small 8- and 24-bit images with
// each forced colour mode, the thumbnail query with and without embedded
// thumbnails, and the table parser of the second table set.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/global_copy.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/jpeg/jpeg_records.h"

namespace {

void LoadInto(const void* block, int32_t width, int32_t height, int32_t bits, int32_t mode) {
    ImageDesc image;
    if (AllocImage(&image, width, height, bits) != IMG_OK) return;
    (void)(mode < 0 ? LoadJpgFromMemory(block, &image) : LoadJpgFromMemoryEx(block, &image, mode));
    FreeImage(&image);
}

void ThumbnailInto(const void* block, int32_t bits, int32_t mode) {
    ImageDesc image;
    if (AllocImage(&image, 23, 11, bits) != IMG_OK) return;
    (void)LoadJpgThumbnailMemory(block, &image, mode);
    FreeImage(&image);
}

// Every query and load over the block; the tables parser reads the input itself.
void ReadAll(const void* block, const uint8_t* data, size_t size) {
    JpegInfoEx info;
    if (GetJpegInfoExMemory(block, &info) == IMG_OK && info.width > 0 && info.height > 0) {
        LoadInto(block, std::min(info.width, 2048), std::min(info.height, 2048),
                 info.components == 1 ? 8 : 24, -1);
    }
    LoadInto(block, 17, 13, 8, -1);
    for (int32_t mode = 0; mode <= 5; ++mode) LoadInto(block, 17, 13, 24, mode);
    for (int32_t bits : {8, 24}) {
        ThumbnailInto(block, bits, 0);
        ThumbnailInto(block, bits, 1);
    }
    // The same bytes as a tables-only stream, then a load that may draw on it.
    if (SetJpegTables(data, static_cast<uint32_t>(size)) == IMG_OK) LoadInto(block, 9, 9, 24, -1);
    ClearJpegTables();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::StartImageInput();
    ResetJpegRecords();
    if (size == 0) return 0;
    fuzzing::WithGlobalCopy(data, size, [&](const void* block) { ReadAll(block, data, size); });
    return 0;
}
