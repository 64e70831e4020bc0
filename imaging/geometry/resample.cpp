// Resizing by bilinear sampling or area averaging, and rotation by any angle.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "imaging/bridges/image_copies.h"
#include "imaging/colour/bilevel_grey.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/packed_rows.h"
#include "imaging/geometry/geometry.h"

namespace {

constexpr int64_t kOne = 32768;
constexpr int64_t kHalf = 16384;

int32_t Bits(const ImageDesc& image) {
    return image.header->biBitCount;
}

bool IsColour8(const ImageDesc& image) {
    return Bits(image) == 8 && (image.flags & IMG_FLAG_GREY) == 0;
}

// An image's area as a descriptor of its own (sharing the pixels).
ImageDesc Area(const ImageDesc& image, int32_t width, int32_t height) {
    ImageDesc area = image;
    area.endX = area.startX + width - 1;
    area.endY = area.startY + height - 1;
    return area;
}

// Temporaries freed when the call ends.
class Temporaries {
  public:
    ~Temporaries() {
        for (ImageDesc& i : images_) FreeImage(&i);
    }
    int32_t Make(int32_t width, int32_t height, int32_t bits, ImageDesc** made) {
        images_.emplace_back();
        const int32_t status = AllocImage(&images_.back(), width, height, bits);
        *made = &images_.back();
        return status;
    }

  private:
    std::vector<ImageDesc> images_;  // reserved up front: pointers stay valid
  public:
    Temporaries() { images_.reserve(4); }
};

// Reads pixels of 1 (8-bit) or 3 bytes; x and y in image coordinates.
struct Sampler {
    const ImageDesc& image;
    int32_t bytes;
    bool blend;  // neighbours exist (24-bit and grey images)
    bool nearest;
    void At(int32_t x, int32_t y, int64_t fx, int64_t fy, uint8_t* out) const {
        const bool below = blend && y < image.endY;
        const uint8_t* here = ImageRow(image, y);
        AtRows(here, below ? ImageRow(image, y + 1) : here, below, x, fx, fy, out);
    }
    // The same with the pixel's row and the row below (when `below`) at hand.
    void AtRows(const uint8_t* hereRow, const uint8_t* belowRow, bool below, int32_t x, int64_t fx,
                int64_t fy, uint8_t* out) const {
        const auto n = static_cast<std::size_t>(bytes);
        const uint8_t* p00 = hereRow + static_cast<std::size_t>(x) * n;
        const bool right = blend && x < image.endX;
        const uint8_t* p10 = right ? p00 + n : p00;
        const uint8_t* p01 = below ? belowRow + static_cast<std::size_t>(x) * n : p00;
        // A missing right neighbour makes the lower right one the lower one,
        // a missing lower one the right one.
        const uint8_t* p11 = !right ? p01 : !below ? p10 : p01 + n;
        if (nearest) {
            const uint8_t* p = fy >= kHalf && fx >= kHalf ? p11
                               : fy >= kHalf              ? p01
                               : fx >= kHalf              ? p10
                                                          : p00;
            std::memcpy(out, p, n);
            return;
        }
        for (std::size_t k = 0; k < n; ++k) {
            const int64_t a = (int64_t{p10[k]} - p00[k]) * fx + int64_t{p00[k]} * kOne;
            const int64_t b = (int64_t{p11[k]} - p01[k]) * fx + int64_t{p01[k]} * kOne;
            const int64_t t = (b - a) / kOne;
            out[k] = static_cast<uint8_t>(std::clamp<int64_t>((t * fy + a + kHalf) / kOne, 0, 255));
        }
    }
};

void FilterA(const ImageDesc& source, ImageDesc& destination, int64_t xStep, int64_t yStep,
             int32_t bytes) {
    const Sampler sampler{source, bytes, bytes == 3 || (source.flags & IMG_FLAG_GREY) != 0, false};
    const int32_t width = RectWidth(destination);
    const int32_t height = RectHeight(destination);
    for (int32_t y = 0; y < height; ++y) {
        const int64_t Y = y * yStep;
        const auto sy = static_cast<int32_t>((Y >> 15) + source.startY);
        if (sy > source.endY) continue;
        uint8_t* out = ImageRow(destination, destination.startY + y);
        const bool below = sampler.blend && sy < source.endY;
        const uint8_t* here = ImageRow(source, sy);
        const uint8_t* next = below ? ImageRow(source, sy + 1) : here;
        for (int32_t x = 0; x < width; ++x) {
            const int64_t X = x * xStep;
            const auto sx = static_cast<int32_t>((X >> 15) + source.startX);
            if (sx > source.endX) continue;
            sampler.AtRows(here, next, below, sx, X & 32767, Y & 32767,
                           out + static_cast<std::size_t>(destination.startX + x) *
                                     static_cast<std::size_t>(bytes));
        }
    }
}

int64_t BoxSide(int64_t step) {
    return step >= 32769 && step <= 49152 ? (step + 32767) >> 15 : (step + 16384) >> 15;
}

void FilterB(const ImageDesc& source, ImageDesc& destination, int64_t xStep, int64_t yStep,
             int32_t bytes) {
    const int32_t width = RectWidth(destination);
    const int32_t height = RectHeight(destination);
    const int64_t boxWidth = BoxSide(xStep);
    const int64_t boxHeight = BoxSide(yStep);
    for (int32_t y = 0; y < height; ++y) {
        const int64_t top = ((y * yStep) >> 15) + source.startY;
        const int64_t bottom = std::min<int64_t>(top + boxHeight - 1, source.endY);
        uint8_t* out = ImageRow(destination, destination.startY + y);
        for (int32_t x = 0; x < width; ++x) {
            const int64_t left = ((x * xStep) >> 15) + source.startX;
            const int64_t right = std::min<int64_t>(left + boxWidth - 1, source.endX);
            int64_t sum[3] = {0, 0, 0};
            int64_t count = 0;
            for (int64_t sy = top; sy <= bottom; ++sy) {
                const uint8_t* row = ImageRow(source, static_cast<int32_t>(sy));
                for (int64_t sx = left; sx <= right; ++sx) {
                    for (int32_t k = 0; k < bytes; ++k) sum[k] += row[sx * bytes + k];
                    ++count;
                }
            }
            if (count == 0) continue;
            for (int32_t k = 0; k < bytes; ++k) {
                out[static_cast<std::size_t>(destination.startX + x) *
                        static_cast<std::size_t>(bytes) +
                    static_cast<std::size_t>(k)] = static_cast<uint8_t>(sum[k] / count);
            }
        }
    }
}

// Exact quarter turns over an output of width w and height h.
void QuarterTurn(const ImageDesc& source, ImageDesc& destination, bool ninety, int32_t w,
                 int32_t h) {
    const int32_t bits = Bits(source);
    const int32_t column0 = (source.startX + source.endX - h + 1) / 2;
    const int32_t row0 = (source.startY + source.endY - w + 1) / 2;
    const std::size_t bytes = static_cast<std::size_t>(bits / 8);
    for (int32_t j = 0; j < h; ++j) {
        const int32_t dy = ninety ? h - 1 - j : j;
        uint8_t* out = ImageRow(destination, destination.startY + dy);
        if (bits == 1)
            ClearBitRun(out, static_cast<uint32_t>(destination.startX), static_cast<uint32_t>(w));
        for (int32_t i = 0; i < w; ++i) {
            const int32_t dx = destination.startX + (ninety ? i : w - 1 - i);
            const int32_t sx = column0 + j;
            const int32_t sy = row0 + i;
            if (sx < source.startX || sx > source.endX || sy < source.startY || sy > source.endY)
                continue;
            const uint8_t* in = ImageRow(source, sy);
            if (bits == 1) {
                if ((in[sx / 8] >> (7 - sx % 8)) & 1)
                    out[dx / 8] |= static_cast<uint8_t>(0x80 >> (dx % 8));
            } else {
                std::memcpy(out + static_cast<std::size_t>(dx) * bytes,
                            in + static_cast<std::size_t>(sx) * bytes, bytes);
            }
        }
    }
}

void GeneralTurn(const ImageDesc& source, ImageDesc& destination, int64_t s, int64_t c, int32_t w,
                 int32_t h, bool nearest) {
    const int32_t bytes = Bits(source) / 8;
    const Sampler sampler{source, bytes, bytes == 3 || (source.flags & IMG_FLAG_GREY) != 0,
                          nearest};
    const int64_t cxs = RectWidth(source) / 2 + source.startX;
    const int64_t cys = RectHeight(source) / 2 + source.startY;
    for (int32_t j = 0; j < h; ++j) {
        const int64_t dy = j - h / 2;
        int64_t u = (0 - w / 2) * c - dy * s;
        int64_t v = (0 - w / 2) * s + dy * c;
        uint8_t* out = ImageRow(destination, destination.startY + j);
        for (int32_t i = 0; i < w; ++i, u += c, v += s) {
            const int64_t sx = (u >> 15) + cxs;
            const int64_t sy = (v >> 15) + cys;
            if (sx < source.startX || sx > source.endX || sy < source.startY || sy > source.endY)
                continue;
            sampler.At(static_cast<int32_t>(sx), static_cast<int32_t>(sy), u & 32767, v & 32767,
                       out + static_cast<std::size_t>(destination.startX + i) *
                                 static_cast<std::size_t>(bytes));
        }
    }
}

}  // namespace

int32_t ResizeImage(ImageDesc* source, ImageDesc* destination, int32_t filter) {
    if (source == nullptr || destination == nullptr || source->header == nullptr ||
        destination->header == nullptr) {
        return IMG_BAD_ARGUMENT;
    }
    const bool colour = IsColour8(*source);
    if (Bits(*source) != Bits(*destination)) return IMG_BAD_BIT_DEPTH;
    const int32_t sw = RectWidth(*source), sh = RectHeight(*source);
    const int32_t dw = RectWidth(*destination), dh = RectHeight(*destination);
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return IMG_BAD_ARGUMENT;
    if (sw == dw && sh == dh) return CopyImageRect(source, destination);
    if (filter == 0 || Bits(*source) == 1) return ScaleNearest(source, destination);
    int32_t status = CheckImage(source);
    if (status == IMG_OK) status = CheckImage(destination);
    if (status != IMG_OK) return status;
    Temporaries temporaries;
    ImageDesc* from = source;
    ImageDesc* to = destination;
    if (colour) {
        ImageDesc* s24 = nullptr;
        ImageDesc* d24 = nullptr;
        status = temporaries.Make(sw, sh, 24, &s24);
        if (status == IMG_OK) status = temporaries.Make(dw, dh, 24, &d24);
        if (status == IMG_OK) status = ExpandToTrueColor(source, s24);
        if (status == IMG_OK) status = ExpandToTrueColor(destination, d24);
        if (status != IMG_OK) return status;
        from = s24;
        to = d24;
    }
    ImageDesc* write = to;
    if (ImagesOverlap(from, to) != 0) {
        ImageDesc* temporary = nullptr;
        if (int64_t{sw} * sh > int64_t{dw} * dh) {
            status = temporaries.Make(dw, dh, Bits(*to), &temporary);
            if (status == IMG_OK) status = CopyImageRectOnly(to, temporary);
            write = temporary;
        } else {
            status = temporaries.Make(sw, sh, Bits(*from), &temporary);
            if (status == IMG_OK) status = CopyImageRect(from, temporary);
            from = temporary;
        }
        if (status != IMG_OK) return status;
    }
    const int64_t xStep = (int64_t{sw} << 15) / dw;
    const int64_t yStep = (int64_t{sh} << 15) / dh;
    const int32_t bytes = Bits(*from) / 8;
    if (xStep > kOne && yStep > kOne) {
        FilterB(*from, *write, xStep, yStep, bytes);
    } else {
        FilterA(*from, *write, xStep, yStep, bytes);
    }
    if (write != to) status = CopyImageRectOnly(write, to);
    if (status == IMG_OK) status = CopyImagePaletteOnly(source, destination);
    if (status == IMG_OK && colour)
        status = ReducePaletteCore(to, destination, kMapSortedAxisDiffused);
    return status;
}

int32_t RotateImage(double angle, ImageDesc* source, ImageDesc* destination, int32_t sampling) {
    int32_t status = CheckImagePair(source);
    if (status == IMG_OK) status = CheckImagePair(destination);
    if (status != IMG_OK) return status;
    if (Bits(*source) != Bits(*destination)) return IMG_BAD_BIT_DEPTH;
    // Any finite angle into 0 <= angle < 360 at once.
    if (!std::isfinite(angle)) return IMG_OUT_OF_RANGE;
    angle = std::fmod(angle, 360.0);
    if (angle < 0) angle += 360.0;
    if (angle >= 360.0) angle = 0;
    const bool colour = IsColour8(*source);
    const double radians = angle * 3.141592654 / 180;
    const auto s = static_cast<int64_t>(std::sin(radians) * 32768);
    const auto c = static_cast<int64_t>(std::cos(radians) * 32768);
    if (angle == 0) return CopyImageRect(source, destination);
    if (angle == 180) {
        status = MirrorImage(source, destination);
        return status == IMG_OK ? FlipRectVertical(destination, destination) : status;
    }
    const int64_t sw = RectWidth(*source), sh = RectHeight(*source);
    const auto w = static_cast<int32_t>(std::min<uint64_t>(
        static_cast<uint64_t>(RectWidth(*destination)),
        static_cast<uint64_t>(std::llabs(c) * sw + std::llabs(s) * sh + 32767) >> 15));
    const auto h = static_cast<int32_t>(std::min<uint64_t>(
        static_cast<uint64_t>(RectHeight(*destination)),
        static_cast<uint64_t>(std::llabs(s) * sw + std::llabs(c) * sh + 32767) >> 15));
    if (w <= 0 || h <= 0) return IMG_BAD_ARGUMENT;
    const bool quarter = angle == 90 || angle == 270;
    Temporaries temporaries;
    ImageDesc output = Area(*destination, w, h);
    ImageDesc* from = source;
    ImageDesc* to = &output;
    const bool oneBit = Bits(*source) == 1;
    if (!quarter && (oneBit || colour)) {
        ImageDesc* s2 = nullptr;
        ImageDesc* d2 = nullptr;
        const int32_t bits = oneBit ? 8 : 24;
        status = temporaries.Make(static_cast<int32_t>(sw), static_cast<int32_t>(sh), bits, &s2);
        if (status == IMG_OK) status = temporaries.Make(w, h, bits, &d2);
        if (status == IMG_OK) {
            status = oneBit ? ConvertFromBilevelPlain(source, s2) : ExpandToTrueColor(source, s2);
        }
        if (status == IMG_OK) {
            status = oneBit ? ConvertFromBilevelPlain(&output, d2) : ExpandToTrueColor(&output, d2);
        }
        if (status != IMG_OK) return status;
        if (oneBit) {
            s2->flags |= IMG_FLAG_GREY;
            d2->flags |= IMG_FLAG_GREY;
        }
        from = s2;
        to = d2;
    }
    if (ImagesOverlap(from, to) != 0) {
        ImageDesc* copy = nullptr;
        status = temporaries.Make(static_cast<int32_t>(sw), static_cast<int32_t>(sh), Bits(*from),
                                  &copy);
        if (status == IMG_OK) status = CopyImageRect(from, copy);
        if (status != IMG_OK) return status;
        from = copy;
    }
    if (quarter) {
        QuarterTurn(*from, *to, angle == 90, w, h);
    } else {
        GeneralTurn(*from, *to, s, c, w, h, sampling == 1);
    }
    status = CopyImagePaletteOnly(source, destination);
    output.colorCount = destination->colorCount;
    output.flags = destination->flags;
    if (status == IMG_OK && !quarter && oneBit)
        status = ConvertToBilevelDiffused(kBilevelDiffused, to, &output);
    if (status == IMG_OK && !quarter && colour)
        status = ReducePaletteCore(to, &output, kMapSortedAxisDiffused);
    return status;
}

int32_t RotateImageBilinear(double angle, ImageDesc* source, ImageDesc* destination) {
    return RotateImage(angle, source, destination, 0);
}

int32_t RotateQuarterTurn(int32_t flag, ImageDesc* source, ImageDesc* destination) {
    return RotateImageBilinear(flag != 0 ? 90 : -90, source, destination);
}
