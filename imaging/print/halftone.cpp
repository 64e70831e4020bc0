// Scale masks, the ordered screen and Stucki error diffusion.
#include "imaging/print/halftone.h"

#include <algorithm>
#include <cstring>

const uint8_t kOrderedScreen[8][8] = {
    {112, 40, 72, 104, 144, 176, 208, 136}, {88, 8, 16, 48, 192, 232, 240, 168},
    {56, 24, 0, 80, 160, 224, 248, 200},    {96, 64, 32, 120, 128, 216, 184, 152},
    {148, 180, 212, 140, 116, 44, 76, 108}, {196, 236, 244, 172, 92, 12, 20, 52},
    {164, 228, 252, 204, 60, 28, 4, 84},    {132, 220, 188, 156, 100, 68, 36, 124},
};

void BuildScaleMask(int32_t deviceSize, int32_t sourceSize, uint8_t* mask) {
    const int64_t larger = std::max(deviceSize, sourceSize);
    const int64_t smaller = std::min(deviceSize, sourceSize);
    std::memset(mask, 0, static_cast<size_t>(MaskBytes(static_cast<int32_t>(larger))));
    if (larger <= 0) return;
    mask[0] = 0x80;
    int64_t sum = smaller;
    int64_t limit = larger;
    for (int64_t i = 1; i < larger; ++i) {
        sum += smaller;
        if (sum > limit) {
            mask[i >> 3] = static_cast<uint8_t>(mask[i >> 3] | (0x80u >> (i & 7)));
            limit += larger;
        }
    }
}

void ScaleGreyRow(const uint8_t* source, int32_t sourceWidth, const uint8_t* columnMask,
                  int32_t deviceWidth, uint8_t* grey) {
    if (deviceWidth >= sourceWidth) {
        int32_t s = -1;
        for (int32_t x = 0; x < deviceWidth; ++x) {
            if (MaskBit(columnMask, x)) ++s;
            grey[x] = source[s];
        }
        return;
    }
    int32_t x = 0;
    for (int32_t s = 0; s < sourceWidth && x < deviceWidth; ++s)
        if (MaskBit(columnMask, s)) grey[x++] = source[s];
}

void DitherOrderedRow(const uint8_t* grey, int32_t width, int32_t deviceRow, uint8_t* bits) {
    const uint8_t* screen = kOrderedScreen[deviceRow & 7];
    std::memset(bits, 0, static_cast<size_t>(MaskBytes(width)));
    for (int32_t x = 0; x < width; ++x)
        if (grey[x] > screen[x & 7])
            bits[x >> 3] = static_cast<uint8_t>(bits[x >> 3] | (0x80u >> (x & 7)));
}

namespace {

constexpr int kStuckiDivisor = 42;

inline void Spread(uint8_t& pixel, int error, int weight) {
    const int v = pixel + error * weight / kStuckiDivisor;
    pixel = static_cast<uint8_t>(std::clamp(v, 0, 255));
}

}  // namespace

void DiffuseStuckiRow(uint8_t* current, uint8_t* next, uint8_t* afterNext, int32_t width,
                      uint8_t* bits) {
    std::memset(bits, 0, static_cast<size_t>(MaskBytes(width)));
    for (int32_t x = 0; x < width; ++x) {
        const int32_t i = x + 2;
        const int value = current[i];
        int error = value;
        if (value >= 128) {
            error = value - 255;
            bits[x >> 3] = static_cast<uint8_t>(bits[x >> 3] | (0x80u >> (x & 7)));
        }
        if (error == 0) continue;
        Spread(current[i + 1], error, 8);
        Spread(current[i + 2], error, 4);
        Spread(next[i - 2], error, 2);
        Spread(next[i - 1], error, 4);
        Spread(next[i], error, 8);
        Spread(next[i + 1], error, 4);
        Spread(next[i + 2], error, 2);
        Spread(afterNext[i - 2], error, 1);
        Spread(afterNext[i - 1], error, 2);
        Spread(afterNext[i], error, 4);
        Spread(afterNext[i + 1], error, 2);
        Spread(afterNext[i + 2], error, 1);
    }
}
