// 8-bit palette pictures as 24 bits, the 24-bit working copy for operations
// that take only 24 bits, grey conversion and the print tone curve.
#include <cstring>

#include "imaging/bridges/image_copies.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"

const uint8_t PrintToneCurve[256] = {
    0,   0,   0,   0,   0,   1,   1,   1,   2,   2,   2,   2,   4,   5,   6,   7,   8,   12,  16,
    20,  24,  26,  28,  30,  32,  34,  36,  38,  40,  44,  48,  52,  55,  57,  60,  63,  65,  68,
    70,  73,  76,  78,  81,  84,  86,  89,  91,  93,  95,  97,  99,  101, 103, 105, 107, 109, 111,
    113, 115, 117, 119, 121, 123, 125, 127, 130, 132, 134, 136, 138, 140, 142, 144, 146, 148, 150,
    152, 154, 156, 158, 160, 162, 163, 164, 165, 166, 167, 168, 169, 170, 172, 174, 176, 178, 180,
    182, 184, 186, 187, 188, 189, 190, 191, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201, 202,
    203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 215, 216, 217, 218, 218, 219, 219, 220,
    220, 221, 221, 222, 222, 223, 223, 223, 224, 224, 224, 225, 225, 225, 226, 226, 226, 227, 227,
    227, 228, 228, 228, 229, 229, 229, 230, 230, 230, 231, 231, 231, 231, 232, 232, 232, 233, 233,
    233, 234, 234, 234, 234, 235, 235, 235, 236, 236, 236, 236, 237, 237, 237, 238, 238, 238, 238,
    239, 239, 239, 240, 240, 240, 240, 241, 241, 241, 241, 242, 242, 242, 242, 243, 243, 243, 243,
    244, 244, 244, 244, 245, 245, 245, 245, 246, 246, 246, 246, 247, 247, 247, 247, 248, 248, 248,
    248, 249, 249, 249, 249, 250, 250, 250, 250, 250, 251, 251, 251, 251, 252, 252, 252, 252, 253,
    253, 253, 253, 253, 254, 254, 254, 254, 255,
};

namespace {

uint8_t GreyOf(int red, int green, int blue) {
    return static_cast<uint8_t>((30 * red + 59 * green + 11 * blue) / 100);
}

}  // namespace

int32_t ExpandToTrueColor(ImageDesc* source, ImageDesc* destination) {
    int32_t status = CheckImage(source);
    if (status == IMG_OK) status = CheckImage(destination);
    if (status != IMG_OK) return status;
    if (source->header->biBitCount != 8 || destination->header->biBitCount != 24)
        return IMG_BAD_BIT_DEPTH;
    if (source->palette == nullptr) return IMG_BAD_ARGUMENT;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* from = ImageRow(*source, source->startY + y) + source->startX;
        uint8_t* to = ImageRow(*destination, destination->startY + y) +
                      3 * static_cast<std::size_t>(destination->startX);
        for (int32_t x = 0; x < columns; ++x) {
            const win::RGBQUAD& e = source->palette[from[x] < source->colorCount ? from[x] : 0];
            to[3 * x] = e.rgbBlue;
            to[3 * x + 1] = e.rgbGreen;
            to[3 * x + 2] = e.rgbRed;
        }
    }
    return IMG_OK;
}

int32_t ApplyToTrueColorCopy(const TrueColorOperation& operation, ImageDesc* source,
                             ImageDesc* destination, const char* signature, const void* first,
                             const void* second, const void* third) {
    if (source == nullptr || source->header == nullptr || destination == nullptr || !operation) {
        return IMG_BAD_ARGUMENT;
    }
    ImageDesc copy;
    int32_t status = AllocImageGlobal(&copy, source->header->biWidth, source->header->biHeight, 24);
    if (status != IMG_OK) return status;
    // The whole picture, whatever the working rectangle.
    ImageDesc whole = *source;
    SetImageRect(&whole, 0, 0, source->header->biWidth - 1, source->header->biHeight - 1);
    status = ExpandToTrueColor(&whole, &copy);
    if (status == IMG_OK) {
        const std::size_t given =
            signature == nullptr ? 0 : std::min<std::size_t>(std::strlen(signature), 3);
        const void* all[3] = {first, second, third};
        const std::vector<const void*> arguments(all, all + given);
        SetImageRect(&copy, source->startX, source->startY, source->endX, source->endY);
        status = operation(arguments, &copy, &copy);
    }
    if (status == IMG_OK) {
        SetImageRect(&copy, 0, 0, copy.header->biWidth - 1, copy.header->biHeight - 1);
        ImageDesc target = *destination;
        SetImageRect(&target, 0, 0, destination->header->biWidth - 1,
                     destination->header->biHeight - 1);
        status = ReduceColorsCore(256, &copy, &target, kMapSortedAxis);
        destination->colorCount = target.colorCount;
        destination->flags = target.flags;
    }
    FreeImage(&copy);
    return status;
}

int32_t ConvertToGrey(ImageDesc* source, ImageDesc* destination) {
    int32_t status = CheckImage(source);
    if (status == IMG_OK) status = CheckImage(destination);
    if (status != IMG_OK) return status;
    if (destination->header->biBitCount != 8) return IMG_BAD_BIT_DEPTH;
    if (source->header->biBitCount == 24) {
        int32_t rows = 0;
        int32_t columns = 0;
        ClipImageArea(source, destination, &rows, &columns);
        for (int32_t y = 0; y < rows; ++y) {
            const uint8_t* from = ImageRow(*source, source->startY + y) +
                                  3 * static_cast<std::size_t>(source->startX);
            uint8_t* to = ImageRow(*destination, destination->startY + y) + destination->startX;
            for (int32_t x = 0; x < columns; ++x)
                to[x] = GreyOf(from[3 * x + 2], from[3 * x + 1], from[3 * x]);
        }
    } else {
        if (source->palette == nullptr) return IMG_BAD_ARGUMENT;
        uint8_t table[256] = {};
        for (int32_t i = 0; i < std::min(source->colorCount, 256); ++i) {
            const win::RGBQUAD& e = source->palette[i];
            table[i] = GreyOf(e.rgbRed, e.rgbGreen, e.rgbBlue);
        }
        // Flagged grey for the call, the indices go straight through the table.
        const uint32_t flags = source->flags;
        source->flags |= IMG_FLAG_GREY;
        status = ApplyColorTablesToImage(table, table, table, source, destination);
        source->flags = flags;
    }
    if (status == IMG_OK) InitImagePalette(destination);
    return status;
}

int32_t ApplyPrintToneCurve(ImageDesc* source, ImageDesc* destination) {
    return ApplyColorTablesToImage(PrintToneCurve, PrintToneCurve, PrintToneCurve, source,
                                   destination);
}
