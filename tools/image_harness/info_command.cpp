// info FILE: the header query of a BMP, PCX or PNG file as "name value" lines;
// text FILE KEYWORD: a PNG file's tEXt text.
#include <cstdio>
#include <string>

#include "imaging/bmp/bmp.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/pcx/pcx.h"
#include "imaging/png/png.h"
#include "imaging/tiff/tiff.h"
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
    if (ending == "png") {
        PngInfo i;
        const int32_t status = GetPngInfo(path.c_str(), &i);
        if (status != IMG_OK) {
            return Fail(kExitFailed, path + ": " + StatusText(status) + " detail " +
                                         std::to_string(GetPngErrorDetail()));
        }
        std::printf(
            "width %u\nheight %u\nbitDepth %u\nimageDepth %u\ncolorType %u\ninterlaced %u\n"
            "format %u\nchannels %u\nbitsPerPixel %u\nrowBytes %u\n",
            i.width, i.height, i.bitDepth, i.imageDepth, i.colorType, i.interlaced, i.format,
            i.channels, i.bitsPerPixel, i.rowBytes);
        const auto bytes = [](const uint8_t* b, uint32_t n) {
            std::string s;
            for (uint32_t k = 0; k < n && k < 8; ++k) s += (k ? " " : "") + std::to_string(b[k]);
            return s;
        };
        std::printf("hasTransparency %u\ntransparency %s\ntransparencyBytes %u\n",
                    i.hasTransparency, bytes(i.transparency, i.transparencyBytes).c_str(),
                    i.transparencyBytes);
        std::printf("hasBackground %u\nbackground %s\nbackgroundBytes %u\n", i.hasBackground,
                    bytes(i.background, i.backgroundBytes).c_str(), i.backgroundBytes);
        std::printf(
            "gamma %u\nxPerUnit %u\nyPerUnit %u\nunit %u\nsignificantBits %s\n"
            "xOffset %u\nyOffset %u\noffsetUnit %u\n",
            i.gamma, i.xPerUnit, i.yPerUnit, i.unit, bytes(i.significantBits, 4).c_str(), i.xOffset,
            i.yOffset, i.offsetUnit);
        return kExitOk;
    }
    if (ending == "jpg" || ending == "jpeg") {
        JpegInfoEx i;
        const int32_t status = GetJpegInfoEx(path.c_str(), &i);
        if (status != IMG_OK) {
            return Fail(kExitFailed, path + ": " + StatusText(status) + " detail " +
                                         std::to_string(GetJpegErrorDetail()));
        }
        std::printf(
            "process %d\nwidth %d\nheight %d\ncomponents %d\nprecision %d\n"
            "sampling %d %d %d %d\nbitsPerPixel %d\nxDensity %d\nyDensity %d\nunits %d\n"
            "thumbnailPresent %d\nthumbnailWidth %u\nthumbnailHeight %u\nthumbnailBits %u\n"
            "thumbnailKind %u\n",
            i.process, i.width, i.height, i.components, i.precision, i.sampling[0], i.sampling[1],
            i.sampling[2], i.sampling[3], i.bitsPerPixel, i.xDensity, i.yDensity, i.units,
            i.thumbnailPresent, i.thumbnail & 0xFF, (i.thumbnail >> 8) & 0xFF,
            (i.thumbnail >> 16) & 0xFF, i.thumbnail >> 24);
        return kExitOk;
    }
    if (ending == "tif" || ending == "tiff") {
        TiffInfo i;
        const int32_t status = GetTiffInfo(path.c_str(), &i);
        if (status != IMG_OK) return Fail(kExitFailed, path + ": " + StatusText(status));
        std::printf(
            "byteOrder 0x%X\nwidth %d\nheight %d\nbitsPerSample %d\ncompression %d\n"
            "samplesPerPixel %d\nphotometric %d\nplanar %d\nbitsPerPixel %d\nxResolution %d\n"
            "yResolution %d\nresolutionUnit %d\nfillOrder %d\nrowsPerStrip %d\norientation %d\n",
            i.byteOrder, i.width, i.height, i.bitsPerSample, i.compression, i.samplesPerPixel,
            i.photometric, i.planar, i.bitsPerPixel, i.xResolution, i.yResolution, i.resolutionUnit,
            i.fillOrder, i.rowsPerStrip, i.orientation);
        return kExitOk;
    }
    return Fail(kExitUsage, "info reads .bmp, .pcx, .png, .jpg and .tif files");
}

int CmdText(int argc, char** argv) {
    if (argc != 2) return Fail(kExitUsage, "text wants FILE KEYWORD");
    const std::string path = argv[0];
    const int32_t length = GetPngText(path.c_str(), argv[1], nullptr, 0);
    if (length < 0) {
        return Fail(kExitFailed, path + ": " + StatusText(length) + " detail " +
                                     std::to_string(GetPngErrorDetail()));
    }
    if (length == 0) return Fail(kExitFailed, path + ": no text \"" + std::string(argv[1]) + "\"");
    std::string text(static_cast<std::size_t>(length), '\0');
    const int32_t status =
        GetPngText(path.c_str(), argv[1], text.data(), static_cast<uint32_t>(length));
    if (status != IMG_OK) return Fail(kExitFailed, path + ": " + StatusText(status));
    std::printf("%s\n", text.c_str());
    return kExitOk;
}

int CmdPages(int argc, char** argv) {
    if (argc != 1) return Fail(kExitUsage, "pages wants FILE");
    int32_t count = 0;
    int32_t numbers[256] = {};
    const int32_t status = GetTiffPageCount(argv[0], &count, numbers, 256);
    if (status != IMG_OK)
        return Fail(kExitFailed, std::string(argv[0]) + ": " + StatusText(status));
    std::printf("pages %d\n", count);
    for (int32_t i = 0; i < count && i < 256; ++i)
        std::printf("page %d number %d\n", i, numbers[i]);
    return kExitOk;
}
