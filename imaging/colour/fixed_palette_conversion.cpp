// 8- and 24-bit pictures onto the 16 VGA colours or the 256-entry colour cube,
// by ordered dithering (ConvertDepthA) or error diffusion (ConvertDepthB).
#include <algorithm>
#include <cstring>

#include "imaging/bridges/image_copies.h"
#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"

namespace {

constexpr uint8_t kOrderedDitherMatrix[8][8] = {
    {0, 38, 9, 47, 2, 40, 11, 50},  {25, 12, 35, 22, 27, 15, 37, 24},
    {6, 44, 3, 41, 8, 47, 5, 43},   {31, 19, 28, 15, 34, 21, 31, 18},
    {1, 39, 11, 49, 0, 39, 10, 48}, {27, 14, 36, 23, 26, 13, 35, 23},
    {7, 46, 4, 43, 7, 45, 3, 42},   {33, 20, 30, 17, 32, 19, 29, 16},
};
// The 16-colour index of a 3-bit code (blue 1, green 2, red 4).
constexpr uint8_t kSixteenIndex[8] = {0, 12, 10, 14, 9, 13, 11, 15};

// Values -256..511 clamped to 0..255, addressed from the middle: a channel
// plus a share of an error never leaves that span.
struct ClampTable {
    uint8_t bytes[768];
    constexpr ClampTable() : bytes() {
        for (int i = 0; i < 768; ++i)
            bytes[i] = static_cast<uint8_t>(i < 256 ? 0 : i < 512 ? i - 256 : 255);
    }
    [[nodiscard]] uint8_t operator()(int v) const { return bytes[v + 256]; }
};
constexpr ClampTable kClamp;

// A channel value's cube level (value / 51) and remainder (value mod 51).
struct CubeSteps {
    uint8_t level[256];
    uint8_t remainder[256];
    constexpr CubeSteps() : level(), remainder() {
        for (int v = 0; v < 256; ++v) {
            level[v] = static_cast<uint8_t>(v / 51);
            remainder[v] = static_cast<uint8_t>(v % 51);
        }
    }
};
constexpr CubeSteps kCube;

uint8_t CubeIndex(int red, int green, int blue) {
    return static_cast<uint8_t>(225 - (blue + 6 * green + 36 * red));
}

int32_t CheckConversion(ImageDesc* source, ImageDesc* destination) {
    int32_t status = CheckImage(source);
    if (status == IMG_OK) status = CheckImage(destination);
    if (status != IMG_OK) return status;
    if (destination->header->biBitCount != 8) return IMG_BAD_BIT_DEPTH;
    // An 8-bit source is read through its palette.
    if (source->header->biBitCount == 8 &&
        (source->palette == nullptr || source->colorCount <= 0)) {
        return IMG_BAD_ARGUMENT;
    }
    return IMG_OK;
}

// Source row y of the area as blue, green, red triples from `out` on.
void TakeRow(const ImageDesc& source, int32_t y, int32_t columns, uint8_t* out) {
    const uint8_t* row = ImageRow(source, y);
    if (source.header->biBitCount == 24) {
        std::memcpy(out, row + 3 * static_cast<std::size_t>(source.startX),
                    3 * static_cast<std::size_t>(columns));
        return;
    }
    for (int32_t x = 0; x < columns; ++x) {
        const uint8_t index = row[source.startX + x];
        const win::RGBQUAD& e = source.palette[index < source.colorCount ? index : 0];
        out[3 * x] = e.rgbBlue;
        out[3 * x + 1] = e.rgbGreen;
        out[3 * x + 2] = e.rgbRed;
    }
}

void FinishPalette(ImageDesc* destination, int32_t paletteKind) {
    if (paletteKind == kSixteenColours) {
        (void)FillSystemPalette16(destination);
    } else {
        (void)FillColorCubePalette(destination);
    }
    destination->flags &= ~IMG_FLAG_GREY;
    if (destination->dibSection != nullptr) (void)SetDibSectionPalette(destination);
}

}  // namespace

int32_t ConvertDepthA(ImageDesc* source, ImageDesc* destination, int32_t paletteKind) {
    int32_t status = CheckConversion(source, destination);
    if (status != IMG_OK) return status;
    if (destination->palette == nullptr) return IMG_BAD_ARGUMENT;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);
    ImageBuffer work(3 * static_cast<std::size_t>(columns));
    if (work.data() == nullptr) return IMG_NO_MEMORY;
    for (int32_t y = 0; y < rows; ++y) {
        TakeRow(*source, source->startY + y, columns, work.data());
        uint8_t* out = ImageRow(*destination, destination->startY + y) + destination->startX;
        for (int32_t x = 0; x < columns; ++x) {
            // The matrix column runs from the right edge of the row.
            const int threshold = kOrderedDitherMatrix[y & 7][(columns - 1 - x) & 7];
            const uint8_t* p = work.data() + 3 * x;
            if (paletteKind == kSixteenColours) {
                const int code = (p[0] > 5 * threshold ? 1 : 0) | (p[1] > 5 * threshold ? 2 : 0) |
                                 (p[2] > 5 * threshold ? 4 : 0);
                out[x] = kSixteenIndex[code];
            } else {
                int level[3];
                for (int c = 0; c < 3; ++c)
                    level[c] = kCube.level[p[c]] + (kCube.remainder[p[c]] > threshold ? 1 : 0);
                out[x] = CubeIndex(level[2], level[1], level[0]);
            }
        }
    }
    FinishPalette(destination, paletteKind);
    return IMG_OK;
}

int32_t ConvertDepthB(ImageDesc* source, ImageDesc* destination, int32_t paletteKind) {
    int32_t status = CheckConversion(source, destination);
    if (status != IMG_OK) return status;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);
    const std::size_t half = 3 * static_cast<std::size_t>(columns) + 6;
    ImageBuffer pipeline(2 * half);
    if (pipeline.data() == nullptr) return IMG_NO_MEMORY;
    uint8_t* incoming = pipeline.data();
    uint8_t* current = pipeline.data() + half;
    const ClampTable& clamp = kClamp;
    const int32_t bottom = source->header->biHeight - 1;
    int32_t y = source->startY;
    for (int32_t pass = 0; pass <= rows; ++pass) {
        TakeRow(*source, y, columns, incoming + 3);
        if (y < bottom) ++y;
        if (pass >= 1) {
            uint8_t* out =
                ImageRow(*destination, destination->startY + pass - 1) + destination->startX;
            for (int32_t x = 0; x < columns; ++x) {
                int level[3];
                for (int c = 0; c < 3; ++c) {
                    uint8_t* p = current + 3 + 3 * x + c;
                    uint8_t* q = incoming + 3 + 3 * x + c;
                    int e = 0;
                    if (paletteKind == kSixteenColours) {
                        level[c] = *p >= 128 ? 1 : 0;
                        e = level[c] ? *p - 255 : *p;
                    } else {
                        level[c] = kCube.level[*p];
                        const int r = kCube.remainder[*p];
                        if (r >= 25) {
                            ++level[c];
                            e = r - 51;
                        } else {
                            e = r;
                        }
                    }
                    p[3] = clamp(p[3] + ((7 * e) >> 4));
                    q[-3] = clamp(q[-3] + ((3 * e) >> 4));
                    q[0] = clamp(q[0] + ((5 * e) >> 4));
                    q[3] = clamp(q[3] + (e >> 4));
                }
                out[x] = paletteKind == kSixteenColours
                             ? kSixteenIndex[level[0] | level[1] << 1 | level[2] << 2]
                             : CubeIndex(level[2], level[1], level[0]);
            }
        }
        std::memcpy(current, incoming, half);
    }
    FinishPalette(destination, paletteKind);
    return IMG_OK;
}
