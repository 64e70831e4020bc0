// thumbnail [--mode 1] IN.jpg WxH OUT.ppm: a JPEG file's embedded thumbnail
// (or, without one or with mode 1, the whole picture reduced) fitted into a
// W x H image; the part the picture covers is written.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/frame/image_alloc.h"
#include "imaging/jpeg/jpeg.h"
#include "tools/image_harness/harness.h"

int CmdThumbnail(int argc, char** argv) {
    int mode = 0;
    int first = 0;
    if (argc >= 2 && std::string(argv[0]) == "--mode") {
        mode = std::atoi(argv[1]);
        first = 2;
    }
    if (argc - first != 3) return Fail(kExitUsage, "thumbnail wants [--mode 1] IN WxH OUT");
    const std::string in = argv[first];
    int width = 0;
    int height = 0;
    if (std::sscanf(argv[first + 1], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0)
        return Fail(kExitUsage, "thumbnail wants WxH");
    JpegInfo info;
    int32_t status = GetJpegInfoFile(in.c_str(), &info);
    if (status != IMG_OK) return Fail(kExitFailed, in + ": " + StatusText(status));
    ImageDesc image;
    status = AllocImage(&image, width, height, info.bitsPerPixel == 8 ? 8 : 24);
    if (status != IMG_OK) return Fail(kExitFailed, "AllocImage: " + StatusText(status));
    // A background the picture does not have, so the covered part shows.
    for (int y = 0; y < height; ++y) {
        uint8_t* row = ImageRow(image, y);
        for (uint32_t i = 0; i < image.stride; ++i) row[i] = 0;
    }
    status = LoadJpgThumbnailFile(in.c_str(), &image, mode);
    int code = kExitOk;
    if (status != IMG_OK) {
        code = Fail(kExitFailed, in + ": " + StatusText(status));
    } else {
        std::string error;
        if (!WritePpm(argv[first + 2], PictureOf(image), &error)) code = Fail(kExitFailed, error);
    }
    FreeImage(&image);
    return code;
}
