// Mapping pixels onto a palette, and the colour reduction entry points.
//
// Rows pass through a two-row pipeline of blue, green, red bytes with one
// border pixel on each side: the row being mapped, into which the error of the
// row above has already been diffused, and the source row below it, which
// receives this row's error.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "imaging/colour/colour_reduction.h"
#include "imaging/colour/palette_search.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"
#include "imaging/frame/library_info.h"

int32_t CheckReduction(ImageDesc* source, ImageDesc* destination, int32_t colorCount);

namespace {

uint8_t Clamp(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

// The nearest palette entry of a colour, found once per 15-bit key.
class NearestCache {
  public:
    NearestCache(const win::RGBQUAD* palette, int32_t count, int32_t method)
        : index_(32768), valid_(4096) {
        if (method <= kMapOctreeDiffused) {
            octree_ = std::make_unique<PaletteOctree>(palette, count);
        } else {
            sorted_ = std::make_unique<SortedPaletteIndex>(palette, count);
        }
    }
    uint8_t Find(uint8_t red, uint8_t green, uint8_t blue) {
        const uint32_t key = ColorKey15(red, green, blue);
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (key & 7));
        if ((valid_[key >> 3] & bit) == 0) {
            // The first pixel to reach a key fixes its index for the call.
            index_[key] =
                octree_ ? octree_->Nearest(red, green, blue) : sorted_->Nearest(red, green, blue);
            valid_[key >> 3] |= bit;
        }
        return index_[key];
    }

  private:
    std::vector<uint8_t> index_;
    std::vector<uint8_t> valid_;
    std::unique_ptr<PaletteOctree> octree_;
    std::unique_ptr<SortedPaletteIndex> sorted_;
};

// Source row y of the area into `out` (blue, green, red from offset 3).
void TakeRow(const ImageDesc& source, int32_t y, int32_t columns, uint8_t* out) {
    const uint8_t* row = ImageRow(source, y);
    if (source.header->biBitCount == 24) {
        std::memcpy(out + 3, row + 3 * static_cast<std::size_t>(source.startX),
                    3 * static_cast<std::size_t>(columns));
        return;
    }
    for (int32_t x = 0; x < columns; ++x) {
        const uint8_t index = row[source.startX + x];
        // An index past the colours in use reads entry 0, never past the table.
        const win::RGBQUAD& e = source.palette[index < source.colorCount ? index : 0];
        out[3 + 3 * x] = e.rgbBlue;
        out[4 + 3 * x] = e.rgbGreen;
        out[5 + 3 * x] = e.rgbRed;
    }
}

// `weight` sixteenths of an error, rounded toward zero so that positive and
// negative errors spread alike: an arithmetic shift would round -1/16 down to
// -1 and pull every diffused picture darker.
int Share(int error, int weight) {
    return weight * error / 16;
}

void MapRow(uint8_t* current, uint8_t* below, int32_t columns, const win::RGBQUAD* palette,
            NearestCache& cache, bool diffuse, uint8_t* out) {
    for (int32_t x = 0; x < columns; ++x) {
        uint8_t* p = current + 3 + 3 * x;
        const uint8_t index = cache.Find(p[2], p[1], p[0]);
        out[x] = index;
        if (!diffuse) continue;
        const win::RGBQUAD& e = palette[index];
        const int target[3] = {e.rgbBlue, e.rgbGreen, e.rgbRed};
        // Each channel's error goes to the same channel of the four neighbours.
        for (int c = 0; c < 3; ++c) {
            const int error = p[c] - target[c];
            uint8_t* q = below + 3 + 3 * x + c;
            p[3 + c] = Clamp(p[3 + c] + Share(error, 7));
            q[-3] = Clamp(q[-3] + Share(error, 3));
            q[0] = Clamp(q[0] + Share(error, 5));
            q[3] = Clamp(q[3] + Share(error, 1));
        }
    }
}

}  // namespace

int32_t ReducePaletteCore(ImageDesc* source, ImageDesc* destination, int32_t method) {
    int32_t status = CheckImage(source);
    if (status == IMG_OK) status = CheckImage(destination);
    if (status != IMG_OK) return status;
    if (destination->header->biBitCount != 8) return IMG_BAD_BIT_DEPTH;
    if (source->header->biBitCount == 8 &&
        (source->palette == nullptr || source->colorCount <= 0)) {
        return IMG_BAD_ARGUMENT;
    }
    if (destination->palette == nullptr || destination->colorCount <= 0) return IMG_BAD_ARGUMENT;
    if (method < 0 || method > 3) return IMG_OUT_OF_RANGE;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);
    const std::size_t half = 3 * static_cast<std::size_t>(columns) + 6;
    ImageBuffer pipeline(2 * half);
    if (pipeline.data() == nullptr) return IMG_NO_MEMORY;
    uint8_t* incoming = pipeline.data();
    uint8_t* current = pipeline.data() + half;

    ImageLock lock(kColorReductionLock);
    const int32_t count = std::min(destination->colorCount, 256);
    NearestCache cache(destination->palette, count, method);
    const bool diffuse = method == kMapOctreeDiffused || method == kMapSortedAxisDiffused;
    const int32_t bottom = source->header->biHeight - 1;
    int32_t y = source->startY;
    for (int32_t pass = 0; pass <= rows; ++pass) {
        TakeRow(*source, y, columns, incoming);
        if (y < bottom) ++y;  // the last pass reads the row below the area, or the bottom row again
        if (pass >= 1) {
            uint8_t* out =
                ImageRow(*destination, destination->startY + pass - 1) + destination->startX;
            MapRow(current, incoming, columns, destination->palette, cache, diffuse, out);
        }
        std::memcpy(current, incoming, half);
    }
    if (destination->dibSection != nullptr) (void)SetDibSectionPalette(destination);
    return IMG_OK;
}

int32_t MapToPaletteDithered(ImageDesc* source, ImageDesc* destination) {
    return ReducePaletteCore(source, destination, kMapOctreeDiffused);
}

int32_t ReduceColorsCore(int32_t colorCount, ImageDesc* source, ImageDesc* destination,
                         int32_t method) {
    int32_t status = CheckReduction(source, destination, colorCount);
    if (status == IMG_OUT_OF_RANGE || (status == IMG_OK && (method < 0 || method > 3))) {
        return IMG_OUT_OF_RANGE;
    }
    if (status != IMG_OK) return status;
    status = QuantizeColors(source, destination, colorCount);
    if (status == IMG_OK) status = ReducePaletteCore(source, destination, method);
    destination->flags &= ~IMG_FLAG_GREY;
    if (destination->dibSection != nullptr) (void)SetDibSectionPalette(destination);
    return status;
}

int32_t ReduceColors(int32_t colorCount, ImageDesc* source, ImageDesc* destination) {
    return ReduceColorsCore(colorCount, source, destination, kMapSortedAxis);
}
