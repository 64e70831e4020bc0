// What the PNG writer and reader share: the Adam7 table and the filters.
#pragma once

#include <cstddef>
#include <cstdint>

struct Adam7Pass {
    int32_t firstRow, rowStep, firstColumn, columnStep, minWidth;
};
inline constexpr Adam7Pass kAdam7[7] = {{0, 8, 0, 8, 1}, {0, 8, 4, 8, 5}, {4, 8, 0, 4, 1},
                                        {0, 4, 2, 4, 3}, {2, 4, 0, 2, 1}, {0, 2, 1, 2, 2},
                                        {1, 2, 0, 1, 1}};
inline constexpr Adam7Pass kNoInterlace = {0, 1, 0, 1, 1};

[[nodiscard]] inline bool RowInPass(const Adam7Pass& p, int64_t y, int64_t width) {
    return width >= p.minWidth && y >= p.firstRow && (y - p.firstRow) % p.rowStep == 0;
}
[[nodiscard]] inline int64_t PassWidth(const Adam7Pass& p, int64_t width) {
    return width <= p.firstColumn ? 0 : (width - p.firstColumn + p.columnStep - 1) / p.columnStep;
}
[[nodiscard]] inline uint8_t Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p;
    const int pb = p > b ? p - b : b - p;
    const int pc = p > c ? p - c : c - p;
    if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
    if (pb <= pc) return static_cast<uint8_t>(b);
    return static_cast<uint8_t>(c);
}
// Filters `n` bytes of `row` with type 1-4 into `out` (prior: the previous row).
void FilterRow(int type, const uint8_t* row, const uint8_t* prior, std::size_t n, int bpp,
               uint8_t* out);
// Undoes filter type 1-4 in place; other types leave the row.
void UnfilterRow(int type, uint8_t* row, const uint8_t* prior, std::size_t n, int bpp);
