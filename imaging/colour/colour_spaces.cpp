// 24-bit RGB to and from a 24-bit HSV form (byte 0 value, 1 saturation, 2 hue
// as a byte: 256 steps to the circle), and to and from an inverted 32-bit form
// (byte 0 the largest channel, bytes 1-3 255 less blue, green, red).
#include <algorithm>

#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"

namespace {

int32_t CheckPair(ImageDesc* source, int sourceBits, ImageDesc* destination, int destinationBits) {
    auto check = [](ImageDesc* image, int bits) {
        return bits == 32 ? CheckImagePairSameSize(image) : CheckImage(image);
    };
    int32_t status = check(source, sourceBits);
    if (status == IMG_OK) status = check(destination, destinationBits);
    if (status != IMG_OK) return status;
    if (source->header->biBitCount != sourceBits ||
        destination->header->biBitCount != destinationBits) {
        return IMG_BAD_BIT_DEPTH;
    }
    return IMG_OK;
}

// Calls pixel(from, to) for every pixel of the common area.
template <typename PixelFn>
void ForEachPixel(const ImageDesc& source, const ImageDesc& destination, PixelFn pixel) {
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(&source, &destination, &rows, &columns);
    const std::size_t inBytes = source.header->biBitCount / 8;
    const std::size_t outBytes = destination.header->biBitCount / 8;
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* from =
            ImageRow(source, source.startY + y) + inBytes * static_cast<std::size_t>(source.startX);
        uint8_t* to = ImageRow(destination, destination.startY + y) +
                      outBytes * static_cast<std::size_t>(destination.startX);
        for (int32_t x = 0; x < columns; ++x) pixel(from + inBytes * x, to + outBytes * x);
    }
}

// The hue byte of a sector that runs from channel b toward channel a.
int HueFromSector(int a, int b, int min, int base) {
    return ((a - min) * 30720 / ((a - min) + (b - min)) + base * 256 + 180) / 360;
}

}  // namespace

int32_t RgbToHsv(ImageDesc* source, ImageDesc* destination) {
    const int32_t status = CheckPair(source, 24, destination, 24);
    if (status != IMG_OK) return status;
    ForEachPixel(*source, *destination, [](const uint8_t* p, uint8_t* out) {
        const int blue = p[0];
        const int green = p[1];
        const int red = p[2];
        const int max = std::max({red, green, blue});
        const int min = std::min({red, green, blue});
        int saturation = 0;
        int hue = 0;
        if (max != min) {
            saturation = ((max - min) * 255 + max / 2) / max;
            if (blue == min) {
                hue = HueFromSector(green, red, min, 0);
            } else if (red == min) {
                hue = HueFromSector(blue, green, min, 120);
            } else {
                hue = HueFromSector(red, blue, min, 240);
            }
        }
        out[0] = static_cast<uint8_t>(max);
        out[1] = static_cast<uint8_t>(saturation);
        out[2] = static_cast<uint8_t>(hue);
    });
    return IMG_OK;
}

int32_t HsvToRgb(ImageDesc* source, ImageDesc* destination) {
    const int32_t status = CheckPair(source, 24, destination, 24);
    if (status != IMG_OK) return status;
    ForEachPixel(*source, *destination, [](const uint8_t* p, uint8_t* out) {
        const int v = p[0];
        const int s = p[1];
        const int h = (p[2] * 360 + 128) >> 8;  // degrees 0..359
        int red = v;
        int green = v;
        int blue = v;
        if (s != 0) {
            const int m = ((255 - s) * v + 127) / 255;
            const int d = v - m;
            if (h <= 60) {
                red = v, green = m + (d * h + (120 - h) / 2) / (120 - h), blue = m;
            } else if (h <= 120) {
                red = m + (d * (120 - h) + h / 2) / h, green = v, blue = m;
            } else if (h <= 180) {
                red = m, green = v, blue = m + (d * (h - 120) + (240 - h) / 2) / (240 - h);
            } else if (h <= 240) {
                red = m, green = m + (d * (240 - h) + (h - 120) / 2) / (h - 120), blue = v;
            } else if (h <= 300) {
                red = m + (d * (h - 240) + (360 - h) / 2) / (360 - h), green = m, blue = v;
            } else {
                red = v, green = m, blue = m + (d * (360 - h) + (h - 240) / 2) / (h - 240);
            }
        }
        out[0] = static_cast<uint8_t>(std::clamp(blue, 0, 255));
        out[1] = static_cast<uint8_t>(std::clamp(green, 0, 255));
        out[2] = static_cast<uint8_t>(std::clamp(red, 0, 255));
    });
    return IMG_OK;
}

int32_t RgbToCmyk32(ImageDesc* source, ImageDesc* destination) {
    const int32_t status = CheckPair(source, 24, destination, 32);
    if (status != IMG_OK) return status;
    ForEachPixel(*source, *destination, [](const uint8_t* p, uint8_t* out) {
        out[0] = std::max({p[0], p[1], p[2]});
        out[1] = static_cast<uint8_t>(255 - p[0]);
        out[2] = static_cast<uint8_t>(255 - p[1]);
        out[3] = static_cast<uint8_t>(255 - p[2]);
    });
    return IMG_OK;
}

int32_t Cmyk32ToRgb(ImageDesc* source, ImageDesc* destination) {
    const int32_t status = CheckPair(source, 32, destination, 24);
    if (status != IMG_OK) return status;
    ForEachPixel(*source, *destination, [](const uint8_t* p, uint8_t* out) {
        out[0] = static_cast<uint8_t>(255 - p[1]);
        out[1] = static_cast<uint8_t>(255 - p[2]);
        out[2] = static_cast<uint8_t>(255 - p[3]);
    });
    return IMG_OK;
}
