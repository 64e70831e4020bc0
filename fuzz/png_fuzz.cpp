// fuzz-link: tarvex_imaging
//
// The PNG reader over any bytes: the memory forms of the header, palette and
// load queries (input in a global block of its exact size), then, through a
// temporary file, the text and resolution queries. The picture loads into an
// image of the depth the header query gives (sides cut to 2048) and into
// 17 x 13 images of 1, 8 and 24 bits.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"
#include "imaging/png/png.h"
#include "imaging/png/png_records.h"
#include "platform/files/file_io.h"
#include "platform/system/clipboard.h"

namespace {

void LoadInto(const void* block, int32_t width, int32_t height, int32_t bits) {
    ImageDesc image;
    if (AllocImage(&image, width, height, bits) != IMG_OK) return;
    (void)LoadPngFromMemory(block, &image);
    FreeImage(&image);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool once = [] {
        win::SetPathRoot("/");
        return true;
    }();
    (void)once;
    ResetImageRecords();
    ResetPngRecords();
    if (size == 0) return 0;
    win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, size);
    if (h == nullptr) return 0;
    void* block = win::GlobalLock(h);
    std::memcpy(block, data, size);

    PngInfo info;
    win::RGBQUAD table[256];
    (void)GetPngPaletteFromMemory(block, table);
    if (GetPngInfoFromMemory(block, &info) == IMG_OK && info.width > 0 && info.height > 0) {
        LoadInto(block, static_cast<int32_t>(std::min<uint32_t>(info.width, 2048)),
                 static_cast<int32_t>(std::min<uint32_t>(info.height, 2048)),
                 static_cast<int32_t>(info.imageDepth));
    }
    for (int32_t bits : {1, 8, 24}) LoadInto(block, 17, 13, bits);
    win::GlobalUnlock(h);
    win::GlobalFree(h);

    static const std::string name = "/tmp/tarvex_fuzz_png_" + std::to_string(::getpid()) + ".png";
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    char text[8];
    (void)GetPngText(name.c_str(), "Title", nullptr, 0);
    (void)GetPngText(name.c_str(), "Title", text, sizeof text);
    uint32_t x = 0, y = 0, unit = 0;
    (void)GetPngResolution(name.c_str(), &x, &y, &unit);
    std::remove(name.c_str());
    return 0;
}
