// Fixed conversions between depths and colour representations: 8 or 24 bits
// to a fixed palette (16 colours or the colour cube) by ordered dithering or
// error diffusion; 8-bit palette images to 24 bits and a 24-bit working copy
// for operations that take only 24 bits; grey; the print tone curve; HSV and
// an inverted 32-bit form.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "imaging/frame/image_desc.h"

// Palette kinds of the fixed-palette conversions.
inline constexpr int32_t kSixteenColours = 0;  // any other value: the colour cube

[[nodiscard]] int32_t ConvertDepthA(ImageDesc* source, ImageDesc* destination, int32_t paletteKind);
[[nodiscard]] int32_t ConvertDepthB(ImageDesc* source, ImageDesc* destination, int32_t paletteKind);
[[nodiscard]] int32_t ExpandToTrueColor(ImageDesc* source, ImageDesc* destination);

// An operation on a 24-bit image: the leading arguments it was given, then
// the image it reads and the image it writes (both the working copy).
using TrueColorOperation = std::function<int32_t(const std::vector<const void*>& arguments,
                                                 ImageDesc* source, ImageDesc* result)>;
// Runs `operation` on a 24-bit copy of the 8-bit source and reduces the copy
// back to 256 colours into the destination. The signature text's length (0 to
// 3) says how many of the three arguments the operation is given.
[[nodiscard]] int32_t ApplyToTrueColorCopy(const TrueColorOperation& operation, ImageDesc* source,
                                           ImageDesc* destination, const char* signature,
                                           const void* first = nullptr,
                                           const void* second = nullptr,
                                           const void* third = nullptr);

[[nodiscard]] int32_t ConvertToGrey(ImageDesc* source, ImageDesc* destination);
[[nodiscard]] int32_t ApplyPrintToneCurve(ImageDesc* source, ImageDesc* destination);
// The tone curve itself, for input 0..255.
extern const uint8_t PrintToneCurve[256];

[[nodiscard]] int32_t RgbToHsv(ImageDesc* source, ImageDesc* destination);
[[nodiscard]] int32_t HsvToRgb(ImageDesc* source, ImageDesc* destination);
[[nodiscard]] int32_t RgbToCmyk32(ImageDesc* source, ImageDesc* destination);
[[nodiscard]] int32_t Cmyk32ToRgb(ImageDesc* source, ImageDesc* destination);
