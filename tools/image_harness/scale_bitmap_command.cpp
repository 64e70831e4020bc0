// scale-bitmap IN WxH OUT.ppm: IN as a screen-compatible bitmap, resampled
// with ScaleBitmap; the new bitmap's pixels are written to OUT.
#include <cstdio>
#include <vector>

#include "imaging/frame/image_alloc.h"
#include "platform/gdi/gdi.h"
#include "printing/pictures/scale_bitmap.h"
#include "tools/image_harness/harness.h"

int CmdScaleBitmap(int argc, char** argv) {
    int width = 0;
    int height = 0;
    if (argc != 3 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        return Fail(kExitUsage, "scale-bitmap wants IN WxH OUT.ppm");
    }
    if (Ending(argv[2]) != "ppm") return Fail(kExitUsage, "scale-bitmap writes a .ppm");
    InputOptions in;
    in.in = argv[0];
    in.depth = Ending(in.in) == "ppm" || Ending(in.in) == "pgm" || Ending(in.in) == "pbm" ? 24 : 0;
    ImageDesc image;
    int code = ReadPicture(in, &image);
    if (code != kExitOk) return code;
    const PnmPicture source = PictureOf(image);
    FreeImage(&image);
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
    for (uint32_t rgb : source.rgb) pixels.push_back(rgb);
    win::HBITMAP bitmap = win::CreateBitmap(source.width, source.height, 1, 32, pixels.data());
    win::HBITMAP scaled =
        ScaleBitmap(bitmap, static_cast<uint16_t>(width), static_cast<uint16_t>(height));
    win::DeleteObject(bitmap);
    if (scaled == nullptr) return Fail(kExitFailed, "ScaleBitmap gave no bitmap");
    win::BITMAP info{};
    win::GetObjectA(scaled, sizeof info, &info);
    std::vector<uint32_t> out(static_cast<std::size_t>(info.bmWidth) *
                              static_cast<std::size_t>(info.bmHeight));
    win::GetBitmapBits(scaled, static_cast<win::LONG>(out.size() * 4), out.data());
    win::DeleteObject(scaled);
    PnmPicture picture;
    picture.width = info.bmWidth;
    picture.height = info.bmHeight;
    for (uint32_t p : out) picture.rgb.push_back(p & 0xFFFFFF);
    std::string error;
    if (!WritePpm(argv[2], picture, &error)) code = Fail(kExitFailed, error);
    return code;
}
