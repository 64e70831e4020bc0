// The median-cut quantiser: a histogram of 15-bit colour keys, boxes of keys
// split at the median pixel along their widest channel, and each box's mean
// colour as a palette entry.
#include <algorithm>
#include <vector>

#include "imaging/colour/colour_reduction.h"
#include "imaging/colour/palette_search.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/image_io.h"

namespace {

constexpr uint32_t kCeiling = 65534;  // a histogram counter stops here

struct ColorBox {
    uint32_t count = 0;  // pixels: the sum of the counters of its colours
    uint32_t first = 0;  // inclusive indices into the colour list
    uint32_t last = 0;
};

int Component(uint16_t key, int axis) {
    return (key >> (5 * axis)) & 31;  // 0 blue, 1 green, 2 red
}

uint8_t Widen(uint64_t v) {
    return static_cast<uint8_t>((v << 3) | (v >> 2));
}

}  // namespace

// The checks ReduceColorsCore makes before it quantises (the count's range
// included); QuantizeColors makes them too when it is called alone.
int32_t CheckReduction(ImageDesc* source, ImageDesc* destination, int32_t colorCount) {
    int32_t status = CheckImage(source);
    if (status == IMG_OK) status = CheckImage(destination);
    if (status != IMG_OK) return status;
    if (source->header->biBitCount != 24 || destination->header->biBitCount != 8) {
        return IMG_BAD_BIT_DEPTH;
    }
    if (destination->palette == nullptr) return IMG_BAD_ARGUMENT;
    if (colorCount < 2 || colorCount > 256) return IMG_OUT_OF_RANGE;
    return IMG_OK;
}

int32_t QuantizeColors(ImageDesc* source, ImageDesc* destination, int32_t colorCount) {
    const int32_t status = CheckReduction(source, destination, colorCount);
    if (status != IMG_OK) return status;
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, destination, &rows, &columns);

    ImageBuffer histogramBlock(32768 * sizeof(uint16_t));
    ImageBuffer boxBlock((static_cast<std::size_t>(colorCount) + 2) * sizeof(ColorBox));
    if (histogramBlock.data() == nullptr || boxBlock.data() == nullptr) return IMG_NO_MEMORY;
    auto* histogram = reinterpret_cast<uint16_t*>(histogramBlock.data());
    auto* boxes = new (boxBlock.data()) ColorBox[static_cast<std::size_t>(colorCount) + 2];
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* row =
            ImageRow(*source, source->startY + y) + 3 * static_cast<std::size_t>(source->startX);
        for (int32_t x = 0; x < columns; ++x, row += 3) {
            uint16_t& counter = histogram[ColorKey15(row[2], row[1], row[0])];
            if (counter < kCeiling) ++counter;
        }
    }
    uint32_t occupied = 0;
    for (uint32_t k = 0; k < 32768; ++k) occupied += histogram[k] != 0;
    ImageBuffer listBlock(static_cast<std::size_t>(occupied) * sizeof(uint16_t));
    if (listBlock.data() == nullptr) return IMG_NO_MEMORY;
    auto* list = reinterpret_cast<uint16_t*>(listBlock.data());
    uint32_t sum = 0;
    for (uint32_t k = 0, n = 0; k < 32768; ++k) {
        if (histogram[k] == 0) continue;
        list[n++] = static_cast<uint16_t>(k);
        sum += histogram[k];
    }
    boxes[0] = ColorBox{sum, 0, occupied - 1};
    int32_t boxCount = 1;

    while (boxCount < colorCount) {
        // The box of most pixels that holds more than one colour; the lowest wins a tie.
        int32_t chosen = -1;
        for (int32_t b = 0; b < boxCount; ++b) {
            if (boxes[b].first != boxes[b].last &&
                (chosen < 0 || boxes[b].count > boxes[chosen].count)) {
                chosen = b;
            }
        }
        if (chosen < 0) break;
        ColorBox& box = boxes[chosen];
        int lo[3] = {31, 31, 31};
        int hi[3] = {0, 0, 0};
        for (uint32_t i = box.first; i <= box.last; ++i) {
            for (int c = 0; c < 3; ++c) {
                lo[c] = std::min(lo[c], Component(list[i], c));
                hi[c] = std::max(hi[c], Component(list[i], c));
            }
        }
        const int axis = WidestChannel(hi[2] - lo[2], hi[1] - lo[1], hi[0] - lo[0]);
        ShellSortDescending(list + box.first, static_cast<int64_t>(box.last - box.first + 1),
                            [axis](uint16_t key) { return Component(key, axis); });
        // Split at the median pixel: at least one colour taken, at least one left.
        const uint32_t half = box.count >> 1;
        uint32_t running = 0;
        uint32_t taken = 0;
        do {
            running += histogram[list[box.first + taken]];
            ++taken;
        } while (running < half && taken < box.last - box.first);
        boxes[boxCount] = ColorBox{box.count - running, box.first + taken, box.last};
        box.count = running;
        box.last = box.first + taken - 1;
        ++boxCount;
    }

    for (int32_t b = 0; b < boxCount; ++b) {
        // Sums of component x counter in 64 bits: 32 overflow for a box of
        // more than about 138 million pixels.
        uint64_t total[3] = {0, 0, 0};
        for (uint32_t i = boxes[b].first; i <= boxes[b].last; ++i) {
            for (int c = 0; c < 3; ++c)
                total[c] += uint64_t{histogram[list[i]]} * Component(list[i], c);
        }
        win::RGBQUAD& entry = destination->palette[b];
        entry.rgbBlue = Widen(total[0] / boxes[b].count);
        entry.rgbGreen = Widen(total[1] / boxes[b].count);
        entry.rgbRed = Widen(total[2] / boxes[b].count);
    }
    for (int32_t b = boxCount; b < colorCount; ++b)
        destination->palette[b] = destination->palette[0];
    destination->colorCount = colorCount;
    return IMG_OK;
}
