// The palette octree and the sorted-axis index.
#include "imaging/colour/palette_search.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr int kLevels = 5;
constexpr int kPoolNodes = kLevels * 257 - 698;  // 587
constexpr int kStackEntries = 28;
constexpr uint32_t kFarthest = 196608;  // 0x30000, beyond any real distance

uint32_t Distance(const win::RGBQUAD& e, int red, int green, int blue) {
    const int dr = e.rgbRed - red;
    const int dg = e.rgbGreen - green;
    const int db = e.rgbBlue - blue;
    return static_cast<uint32_t>(dr * dr + dg * dg + db * db);
}

int ChildIndex(int red, int green, int blue, int mask) {
    return 4 * ((red & mask) != 0) + 2 * ((green & mask) != 0) + ((blue & mask) != 0);
}

uint8_t AxisValue(const win::RGBQUAD& e, int axis) {
    return axis == 0 ? e.rgbBlue : axis == 1 ? e.rgbGreen : e.rgbRed;
}

}  // namespace

int WidestChannel(int rangeRed, int rangeGreen, int rangeBlue) {
    if (rangeRed > rangeBlue) return rangeGreen > rangeRed ? 1 : 2;
    return rangeGreen > rangeBlue ? 1 : 0;
}

PaletteOctree::PaletteOctree(const win::RGBQUAD* palette, int32_t count)
    : pool_(kPoolNodes), nextFree_(kPoolNodes - 1) {
    leaves_.reserve(256);
    const int32_t root = NewNode(0);
    for (int32_t i = 0; i < count && i < 256; ++i) {
        const win::RGBQUAD& e = palette[i];
        int32_t node = root;
        int mask = 0x80;
        while (node >= 0 && !pool_[static_cast<std::size_t>(node)].leaf) {
            const int child = ChildIndex(e.rgbRed, e.rgbGreen, e.rgbBlue, mask);
            int32_t next = pool_[static_cast<std::size_t>(node)].children[child];
            if (next < 0) {
                next = NewNode(pool_[static_cast<std::size_t>(node)].level + 1);
                if (next < 0) break;  // the pool is used up: the entry is left out
                pool_[static_cast<std::size_t>(node)].children[child] = next;
                PaletteOctreeNode& made = pool_[static_cast<std::size_t>(next)];
                if (made.leaf) {
                    // The leaf takes the colour and index of the entry that made it;
                    // later entries reaching it find it already taken.
                    made.red = e.rgbRed;
                    made.green = e.rgbGreen;
                    made.blue = e.rgbBlue;
                    made.index = static_cast<uint8_t>(i);
                }
            }
            node = next;
            mask >>= 1;
        }
    }
}

int32_t PaletteOctree::NewNode(uint32_t level) {
    if (nextFree_ < 0) return -1;
    PaletteOctreeNode& node = pool_[static_cast<std::size_t>(nextFree_)];
    node = PaletteOctreeNode{};
    node.level = level;
    node.leaf = level == kLevels - 1;
    return nextFree_--;
}

uint8_t PaletteOctree::Nearest(uint8_t red, uint8_t green, uint8_t blue) {
    // Descend to the pixel's cell; from a leaf, step back to its parent.
    int32_t node = kPoolNodes - 1;
    int32_t parent = node;
    int mask = 0x80;
    for (;;) {
        const PaletteOctreeNode& n = pool_[static_cast<std::size_t>(node)];
        if (n.leaf) {
            node = parent;
            break;
        }
        const int32_t child = n.children[ChildIndex(red, green, blue, mask)];
        if (child < 0) break;
        parent = node;
        node = child;
        mask >>= 1;
    }
    // Every leaf below that node, depth first (child 7 first).
    leaves_.clear();
    int32_t stack[kStackEntries];
    int depth = 0;
    stack[depth++] = node;
    while (depth > 0) {
        const PaletteOctreeNode& n = pool_[static_cast<std::size_t>(stack[--depth])];
        if (n.leaf) {
            leaves_.push_back(stack[depth]);
            continue;
        }
        for (int32_t child : n.children) {
            if (child < 0) continue;
            // Four levels of at most eight children never fill 28 entries.
            assert(depth < kStackEntries);
            if (depth == kStackEntries) --depth;  // a full stack overwrites its top
            stack[depth++] = child;
        }
    }
    if (leaves_.empty()) return 0;
    if (leaves_.size() == 1) return pool_[static_cast<std::size_t>(leaves_[0])].index;
    uint32_t best = kFarthest;
    uint8_t answer = 0;
    for (int32_t leaf : leaves_) {
        const PaletteOctreeNode& n = pool_[static_cast<std::size_t>(leaf)];
        const win::RGBQUAD colour{n.blue, n.green, n.red, 0};
        const uint32_t d = Distance(colour, red, green, blue);
        if (d < best) {
            best = d;
            answer = n.index;
        }
    }
    return answer;
}

SortedPaletteIndex::SortedPaletteIndex(const win::RGBQUAD* palette, int32_t count)
    : palette_(palette), start_(256, 0) {
    int lo[3] = {255, 255, 255};
    int hi[3] = {0, 0, 0};
    for (int32_t i = 0; i < count; ++i) {
        for (int c = 0; c < 3; ++c) {
            const int v = AxisValue(palette[i], c);
            lo[c] = std::min(lo[c], v);
            hi[c] = std::max(hi[c], v);
        }
    }
    axis_ = WidestChannel(hi[2] - lo[2], hi[1] - lo[1], hi[0] - lo[0]);
    for (int32_t i = 0; i < count; ++i) order_.push_back(static_cast<uint16_t>(i));
    ShellSortDescending(order_.data(), static_cast<int64_t>(order_.size()),
                        [&](uint16_t i) { return AxisValue(palette_[i], axis_); });
    for (uint16_t i : order_) values_.push_back(AxisValue(palette_[i], axis_));
    // Each axis value starts its search at the nearer of the two palette values
    // around it; values above the largest start at position 0.
    int next = 0;
    for (std::size_t pos = values_.size(); pos-- > 1;) {
        const int a = values_[pos];
        const int b = values_[pos - 1];
        if (a == b) continue;
        const int middle = a + (b - a) / 2;
        while (next <= middle)
            start_[static_cast<std::size_t>(next++)] = static_cast<uint16_t>(pos);
        while (next <= b) start_[static_cast<std::size_t>(next++)] = static_cast<uint16_t>(pos - 1);
    }
}

uint8_t SortedPaletteIndex::Nearest(uint8_t red, uint8_t green, uint8_t blue) const {
    if (order_.empty()) return 0;
    const win::RGBQUAD pixel{blue, green, red, 0};
    const int v = AxisValue(pixel, axis_);
    const std::size_t s = start_[static_cast<std::size_t>(v)];
    std::size_t best = s;
    uint32_t d = Distance(palette_[order_[s]], red, green, blue);
    auto visit = [&](std::size_t pos) {
        const int gap = values_[pos] - v;
        if (static_cast<uint32_t>(gap * gap) >= d) return false;  // nothing nearer this way
        const uint32_t e = Distance(palette_[order_[pos]], red, green, blue);
        if (e < d) {
            d = e;
            best = pos;
        }
        return true;
    };
    if (d != 0) {
        for (std::size_t pos = s; pos-- > 0;) {  // toward larger axis values
            if (!visit(pos)) break;
        }
        for (std::size_t pos = s + 1; pos < order_.size(); ++pos) {  // toward smaller ones
            if (!visit(pos)) break;
        }
    }
    return static_cast<uint8_t>(order_[best]);
}
