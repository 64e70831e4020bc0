// Nearest-colour searches over a destination palette: the palette octree
// (methods 0 and 1) and the index sorted along the palette's widest channel
// (methods 2 and 3). Distances are squared Euclidean in red, green and blue.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi.h"

struct PaletteOctreeNode {
    uint8_t blue = 0, green = 0, red = 0;
    uint8_t index = 0;
    uint32_t leaf = 0;
    int32_t children[8] = {-1, -1, -1, -1, -1, -1, -1, -1};  // -1: none
    uint32_t level = 0;
};

class PaletteOctree {
  public:
    // Inserts entries 0..count-1; entries that reach an existing leaf share it,
    // and the leaf keeps the first entry's index and colour.
    PaletteOctree(const win::RGBQUAD* palette, int32_t count);
    [[nodiscard]] uint8_t Nearest(uint8_t red, uint8_t green, uint8_t blue);

  private:
    [[nodiscard]] int32_t NewNode(uint32_t level);
    std::vector<PaletteOctreeNode> pool_;
    int32_t nextFree_;  // nodes are taken from the top of the pool down
    std::vector<int32_t> leaves_;
};

class SortedPaletteIndex {
  public:
    SortedPaletteIndex(const win::RGBQUAD* palette, int32_t count);
    [[nodiscard]] uint8_t Nearest(uint8_t red, uint8_t green, uint8_t blue) const;
    [[nodiscard]] int axis() const { return axis_; }

  private:
    const win::RGBQUAD* palette_;
    int axis_;                      // 0 blue, 1 green, 2 red
    std::vector<uint16_t> order_;   // palette indices, axis value descending
    std::vector<uint16_t> start_;   // per axis value: where a search starts
    std::vector<uint16_t> values_;  // axis value of each position
};

// 0 blue, 1 green or 2 red: the channel of widest range, ties resolved as
// the median cut resolves them.
[[nodiscard]] int WidestChannel(int rangeRed, int rangeGreen, int rangeBlue);
// Shell sort (gaps 1, 4, 13, ... up to n / 9) into descending order of key.
template <typename T, typename Key>
void ShellSortDescending(T* items, int64_t n, Key key) {
    int64_t h = 1;
    while (h <= n / 9) h = 3 * h + 1;
    for (; h > 0; h /= 3) {
        for (int64_t i = h; i < n; ++i) {
            T v = items[i];
            int64_t j = i;
            while (j >= h && key(items[j - h]) < key(v)) {
                items[j] = items[j - h];
                j -= h;
            }
            items[j] = v;
        }
    }
}
