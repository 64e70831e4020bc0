// The PCX header, the header query and the palette query.
//
// Header (128 bytes, little-endian): manufacturer 10, version, encoding 1,
// bits per pixel, xmin, ymin, xmax, ymax, resolutions, a 16-colour palette of
// red, green, blue bytes at offset 16, reserved, planes at 65, bytes per line
// at 66, palette info at 68.
#include <algorithm>

#include "common/byte_io.h"
#include "imaging/pcx/pcx_internal.h"

const win::RGBQUAD kPcxDefaultPalette[16] = {
    {0, 0, 0, 0},     {168, 0, 0, 0},    {0, 168, 0, 0},    {168, 168, 0, 0},
    {0, 0, 168, 0},   {168, 0, 168, 0},  {0, 84, 168, 0},   {168, 168, 168, 0},
    {84, 84, 84, 0},  {252, 84, 84, 0},  {84, 252, 84, 0},  {252, 252, 84, 0},
    {84, 84, 252, 0}, {252, 84, 252, 0}, {84, 252, 252, 0}, {252, 252, 252, 0},
};  // RGBQUAD order: blue, green, red

PcxKind PcxKindFor(int32_t planes, int32_t bitsPerPixel) {
    if (planes == 1 && bitsPerPixel == 8) return kPcxBytes;
    if (planes == 1 && bitsPerPixel == 1) return kPcxPackedBits;
    if (planes == 4 && bitsPerPixel == 1) return kPcxFourPlanes;
    if (planes == 1 && bitsPerPixel == 4) return kPcxNibbles;
    if (planes == 3 && bitsPerPixel == 8) return kPcxThreePlanes;
    return kPcxNone;
}

int32_t ReadPcxHeader(const ImageSource& source, PcxInfo* info, uint8_t* headerBytes) {
    ImageStream in;
    int32_t status = OpenImageSource(source, &in);
    if (status != IMG_OK) return IMG_NOT_THIS_FORMAT;
    uint8_t h[kPcxHeaderBytes];
    const std::size_t got = ReadBytes(in, h, sizeof h);
    CloseImageStream(&in);
    if (got < sizeof h || h[0] != 10 || h[2] != 1) return IMG_NOT_PCX;
    const int32_t xmin = bytes::GetU16(h + 4);
    const int32_t ymin = bytes::GetU16(h + 6);
    const int32_t xmax = bytes::GetU16(h + 8);
    const int32_t ymax = bytes::GetU16(h + 10);
    PcxInfo i;
    i.version = h[1];
    i.width = xmax - xmin + 1;
    i.height = ymax - ymin + 1;
    i.bitsPerPixel = h[3];
    i.planes = h[65];
    i.bytesPerLine = bytes::GetU16(h + 66);
    i.paletteInfo = bytes::GetU16(h + 68);
    const bool oneOfEight =
        (i.planes == 1 && i.bitsPerPixel == 4) || (i.planes == 4 && i.bitsPerPixel == 1);
    i.imageDepth = oneOfEight ? 8 : i.bitsPerPixel * i.planes;
    // A line must hold the width, and the window must not be inside out.
    if (xmax < xmin || ymax < ymin || i.bytesPerLine == 0 ||
        int64_t{i.bytesPerLine} * 8 < int64_t{i.width} * i.bitsPerPixel) {
        return IMG_NOT_PCX;
    }
    if (info != nullptr) *info = i;
    if (headerBytes != nullptr) std::copy(h, h + sizeof h, headerBytes);
    return IMG_OK;
}

int32_t ReadPcxPalette(const ImageSource& source, win::RGBQUAD* table) {
    PcxInfo info;
    uint8_t h[kPcxHeaderBytes];
    int32_t status = ReadPcxHeader(source, &info, h);
    if (status != IMG_OK) return status;
    if (info.version != 2 && info.version != 5) return 0;
    if (info.planes == 3 && info.bitsPerPixel == 8) return 0;
    const int32_t depth = info.planes * info.bitsPerPixel;
    int32_t entries = depth >= 9 ? 257 : 1 << depth;  // 257: more than any table
    if (entries == 256) {
        ImageStream in;
        if (OpenImageSource(source, &in) != IMG_OK) return IMG_NOT_THIS_FORMAT;
        uint8_t trailer[kPcxTrailerBytes];
        std::size_t got = 0;
        // A file too short to hold a trailer behind its header has none.
        const int64_t end = SeekStream(in, 0, 2);
        if (end >= static_cast<int64_t>(kPcxHeaderBytes + kPcxTrailerBytes) &&
            SeekStream(in, -static_cast<int32_t>(kPcxTrailerBytes), 2) >= 0) {
            got = ReadBytes(in, trailer, sizeof trailer);
        }
        CloseImageStream(&in);
        if (got == sizeof trailer && trailer[0] == 12) {
            for (int32_t e = 0; e < 256; ++e) {
                const uint8_t* rgb = trailer + 1 + 3 * e;
                table[e] = win::RGBQUAD{rgb[2], rgb[1], rgb[0], 0};
            }
            return 256;
        }
        entries = 16;
    }
    if (entries > 16) entries = 16;
    for (int32_t e = 0; e < entries; ++e) {
        const uint8_t* rgb = h + 16 + 3 * e;
        table[e] = win::RGBQUAD{rgb[2], rgb[1], rgb[0], 0};
    }
    return entries;
}

int32_t GetPcxInfo(const char* fileName, PcxInfo* info) {
    if (info == nullptr) return IMG_BAD_ARGUMENT;
    return ReadPcxHeader(AnsiSource(fileName), info, nullptr);
}

int32_t GetPcxInfoW(const char16_t* fileName, PcxInfo* info) {
    if (info == nullptr) return IMG_BAD_ARGUMENT;
    return ReadPcxHeader(WideSource(fileName), info, nullptr);
}

int32_t GetPcxPalette(const char* fileName, win::RGBQUAD* table) {
    if (table == nullptr) return IMG_BAD_ARGUMENT;
    return ReadPcxPalette(AnsiSource(fileName), table);
}

int32_t GetPcxPaletteW(const char16_t* fileName, win::RGBQUAD* table) {
    if (table == nullptr) return IMG_BAD_ARGUMENT;
    return ReadPcxPalette(WideSource(fileName), table);
}
