// fuzz-link: tarvex_imaging
//
// The PNG reader over any bytes: the memory forms of the header, palette and
// load queries (input in a global block of its exact size), then, through a
// temporary file, the text and resolution queries. The picture loads into an
// image of the depth the header query gives (sides cut to 2048) and into
// 17 x 13 images of 1, 8 and 24 bits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/global_copy.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"
#include "imaging/png/png.h"
#include "imaging/png/png_records.h"

namespace {

void LoadInto(const void* block, int32_t width, int32_t height, int32_t bits) {
    ImageDesc image;
    if (AllocImage(&image, width, height, bits) != IMG_OK) return;
    (void)LoadPngFromMemory(block, &image);
    FreeImage(&image);
}

void ReadBlock(const void* block) {
    PngInfo info;
    win::RGBQUAD table[256];
    (void)GetPngPaletteFromMemory(block, table);
    if (GetPngInfoFromMemory(block, &info) == IMG_OK && info.width > 0 && info.height > 0) {
        LoadInto(block, static_cast<int32_t>(std::min<uint32_t>(info.width, 2048)),
                 static_cast<int32_t>(std::min<uint32_t>(info.height, 2048)),
                 static_cast<int32_t>(info.imageDepth));
    }
    for (int32_t bits : {1, 8, 24}) LoadInto(block, 17, 13, bits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::StartImageInput();
    ResetPngRecords();
    if (size == 0) return 0;
    fuzzing::WithGlobalCopy(data, size, ReadBlock);

    static const std::string name = fuzzing::TempPath("png", ".png");
    if (!fuzzing::WriteTempFile(name, data, size)) return 0;
    char text[8];
    (void)GetPngText(name.c_str(), "Title", nullptr, 0);
    (void)GetPngText(name.c_str(), "Title", text, sizeof text);
    uint32_t x = 0, y = 0, unit = 0;
    (void)GetPngResolution(name.c_str(), &x, &y, &unit);
    std::remove(name.c_str());
    return 0;
}
