// fuzz-link: tarvex_imaging
//
// The BMP reader's memory forms over any bytes: the input stands in a global
// block of exactly its size; the header and palette queries run, then the
// picture loads into an image of the file's depth (sides cut to 2048) and into
// 17 x 13 images of 1, 8 and 24 bits, and the 8-bit one is written back.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/global_copy.h"
#include "imaging/bmp/bmp.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"

namespace {

void LoadInto(const void* block, int32_t width, int32_t height, int32_t bits, bool writeBack) {
    ImageDesc image;
    if (AllocImage(&image, width, height, bits) != IMG_OK) return;
    (void)LoadBmpFromMemory(block, &image);
    if (writeBack) {
        void* out = nullptr;
        if (SaveBmpToMemory(&out, &image, 1) == IMG_OK) fuzzing::FreeLockedBlock(out);
    }
    FreeImage(&image);
}

void ReadBlock(const void* block) {
    win::BITMAPINFOHEADER header;
    win::RGBQUAD table[256];
    (void)GetBmpPaletteFromMemory(block, table);
    if (GetBmpHeaderFromMemory(block, &header) == IMG_OK) {
        const int32_t bits = header.biBitCount <= 1 ? 1 : header.biBitCount <= 8 ? 8 : 24;
        LoadInto(block, std::clamp<int32_t>(header.biWidth, 1, 2048),
                 std::clamp<int32_t>(header.biHeight, 1, 2048), bits, false);
    }
    for (int32_t bits : {1, 8, 24}) LoadInto(block, 17, 13, bits, bits == 8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetImageRecords();
    fuzzing::WithGlobalCopy(data, size, ReadBlock);
    return 0;
}
