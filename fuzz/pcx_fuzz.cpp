// fuzz-link: tarvex_imaging
//
// The PCX reader over any bytes, through a temporary file (PCX has no memory
// form): the header and palette queries run, then the picture loads into an
// image of the depth the header query gives (sides cut to 2048) and into
// 17 x 13 images of 1, 8 and 24 bits, and the 8-bit one is written back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/global_copy.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/image_records.h"
#include "imaging/pcx/pcx.h"

namespace {

const std::string& TempName(const char* ending) {
    static const std::string input = fuzzing::TempPath("pcx", ".pcx");
    static const std::string output = fuzzing::TempPath("pcx", "_out.pcx");
    return ending[0] == 'i' ? input : output;
}

void LoadInto(const char* name, int32_t width, int32_t height, int32_t bits, bool writeBack) {
    ImageDesc image;
    if (AllocImage(&image, width, height, bits) != IMG_OK) return;
    (void)LoadPcx(name, &image);
    if (writeBack) (void)SavePcx(TempName("out").c_str(), &image);
    FreeImage(&image);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::StartImageInput();
    const char* name = TempName("in").c_str();
    if (!fuzzing::WriteTempFile(name, data, size)) return 0;

    PcxInfo info;
    win::RGBQUAD table[256];
    (void)GetPcxPalette(name, table);
    if (GetPcxInfo(name, &info) == IMG_OK &&
        (info.imageDepth == 1 || info.imageDepth == 8 || info.imageDepth == 24)) {
        LoadInto(name, std::clamp(info.width, 1, 2048), std::clamp(info.height, 1, 2048),
                 info.imageDepth, false);
    }
    for (int32_t bits : {1, 8, 24}) LoadInto(name, 17, 13, bits, bits == 8);
    std::remove(name);
    std::remove(TempName("out").c_str());
    return 0;
}
