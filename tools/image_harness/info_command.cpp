// info FILE: the header query of a BMP or PCX file as "name value" lines.
#include <cstdio>

#include "imaging/bmp/bmp.h"
#include "imaging/pcx/pcx.h"
#include "tools/image_harness/harness.h"

int CmdInfo(int argc, char** argv) {
    if (argc != 1) return Fail(kExitUsage, "info wants FILE");
    const std::string path = argv[0];
    const std::string ending = Ending(path);
    if (ending == "bmp") {
        win::BITMAPINFOHEADER h;
        const int32_t status = GetBmpHeader(path.c_str(), &h);
        if (status != IMG_OK) return Fail(kExitFailed, path + ": " + StatusText(status));
        std::printf(
            "biSize %u\nbiWidth %d\nbiHeight %d\nbiPlanes %u\nbiBitCount %u\n"
            "biCompression %u\nbiSizeImage %u\nbiXPelsPerMeter %d\nbiYPelsPerMeter %d\n"
            "biClrUsed %u\nbiClrImportant %u\n",
            h.biSize, h.biWidth, h.biHeight, h.biPlanes, h.biBitCount, h.biCompression,
            h.biSizeImage, h.biXPelsPerMeter, h.biYPelsPerMeter, h.biClrUsed, h.biClrImportant);
        return kExitOk;
    }
    if (ending == "pcx") {
        PcxInfo i;
        const int32_t status = GetPcxInfo(path.c_str(), &i);
        if (status != IMG_OK) return Fail(kExitFailed, path + ": " + StatusText(status));
        std::printf(
            "version %d\nwidth %d\nheight %d\nbitsPerPixel %d\nplanes %d\n"
            "bytesPerLine %d\npaletteInfo %d\nimageDepth %d\n",
            i.version, i.width, i.height, i.bitsPerPixel, i.planes, i.bytesPerLine, i.paletteInfo,
            i.imageDepth);
        return kExitOk;
    }
    return Fail(kExitUsage, "info reads .bmp and .pcx files");
}
