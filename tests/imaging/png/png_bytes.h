// PNG files taken apart and put together by the tests themselves: chunks, the
// joined image data, rows per Adam7 pass, and the five row filters.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "imaging/deflate/checksums.h"
#include "imaging/deflate/deflate.h"
#include "imaging/deflate/inflate.h"

namespace pngtest {

using Bytes = std::vector<uint8_t>;

inline const Bytes kSignature = {137, 80, 78, 71, 13, 10, 26, 10};

inline void PutBig32(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}
inline uint32_t GetBig32(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

inline Bytes Chunk(const std::string& type, const Bytes& data) {
    Bytes b;
    PutBig32(b, static_cast<uint32_t>(data.size()));
    Bytes body(type.begin(), type.end());
    body.insert(body.end(), data.begin(), data.end());
    b.insert(b.end(), body.begin(), body.end());
    PutBig32(b, Crc32(body.data(), body.size()));
    return b;
}

inline Bytes Ihdr(uint32_t w, uint32_t h, int depth, int colourType, int interlace) {
    Bytes d;
    PutBig32(d, w);
    PutBig32(d, h);
    d.push_back(static_cast<uint8_t>(depth));
    d.push_back(static_cast<uint8_t>(colourType));
    d.push_back(0);
    d.push_back(0);
    d.push_back(static_cast<uint8_t>(interlace));
    return Chunk("IHDR", d);
}

struct ChunkView {
    std::string type;
    Bytes data;
};
// The chunks behind the signature, up to the end or the first that does not fit.
inline std::vector<ChunkView> Chunks(const Bytes& file) {
    std::vector<ChunkView> chunks;
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t n = GetBig32(&file[at]);
        if (at + 12 + n > file.size()) break;
        chunks.push_back({std::string(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                      file.begin() + static_cast<std::ptrdiff_t>(at + 8)),
                          Bytes(file.begin() + static_cast<std::ptrdiff_t>(at + 8),
                                file.begin() + static_cast<std::ptrdiff_t>(at + 8 + n))});
        at += 12 + n;
    }
    return chunks;
}
inline std::vector<std::string> ChunkTypes(const Bytes& file) {
    std::vector<std::string> types;
    for (const ChunkView& c : Chunks(file)) types.push_back(c.type);
    return types;
}
inline Bytes JoinedIdat(const Bytes& file) {
    Bytes z;
    for (const ChunkView& c : Chunks(file)) {
        if (c.type == "IDAT") z.insert(z.end(), c.data.begin(), c.data.end());
    }
    return z;
}
inline Bytes Inflated(const Bytes& file) {
    const Bytes z = JoinedIdat(file);
    Bytes out;
    if (InflateZlib(z.data(), z.size(), &out, 1 << 26) != InflateResult::kEnd) out.clear();
    return out;
}

// Adam7 passes as (first row, row step, first column, column step).
struct Pass {
    int firstRow, rowStep, firstColumn, columnStep;
};
inline const std::vector<Pass> kAdam7Passes = {{0, 8, 0, 8}, {0, 8, 4, 8}, {4, 8, 0, 4},
                                               {0, 4, 2, 4}, {2, 4, 0, 2}, {0, 2, 1, 2},
                                               {1, 2, 0, 1}};
inline std::vector<Pass> PassesOf(bool adam7) {
    return adam7 ? kAdam7Passes : std::vector<Pass>{{0, 1, 0, 1}};
}
inline int PassWidthOf(const Pass& p, int width) {
    return width <= p.firstColumn ? 0 : (width - p.firstColumn + p.columnStep - 1) / p.columnStep;
}
inline int PassRowsOf(const Pass& p, int height) {
    return height <= p.firstRow ? 0 : (height - p.firstRow + p.rowStep - 1) / p.rowStep;
}
// Bytes of all filtered rows, one filter byte each.
inline std::size_t FilteredSize(int width, int height, int bitsPerPixel, bool adam7) {
    std::size_t n = 0;
    for (const Pass& p : PassesOf(adam7)) {
        const int w = PassWidthOf(p, width);
        if (w == 0) continue;
        n += static_cast<std::size_t>(PassRowsOf(p, height)) *
             (1 + (static_cast<std::size_t>(w) * static_cast<std::size_t>(bitsPerPixel) + 7) / 8);
    }
    return n;
}

// The PNG row filters, written out plainly.
inline Bytes Filtered(int type, const Bytes& row, const Bytes& prior, int bpp) {
    Bytes out(row.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int a =
            i >= static_cast<std::size_t>(bpp) ? row[i - static_cast<std::size_t>(bpp)] : 0;
        const int b = prior[i];
        const int c =
            i >= static_cast<std::size_t>(bpp) ? prior[i - static_cast<std::size_t>(bpp)] : 0;
        int predictor = 0;
        if (type == 1) predictor = a;
        if (type == 2) predictor = b;
        if (type == 3) predictor = (a + b) / 2;
        if (type == 4) {
            const int p = a + b - c;
            const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        }
        out[i] = static_cast<uint8_t>(row[i] - predictor);
    }
    return out;
}
// The type adaptive filtering picks: lowest sum of min(v, 256 - v), the
// earlier type on a tie.
inline int AdaptiveType(const Bytes& row, const Bytes& prior, int bpp) {
    int best = 0;
    uint64_t bestCost = UINT64_MAX;
    for (int t = 0; t <= 4; ++t) {
        uint64_t cost = 0;
        for (uint8_t v : Filtered(t, row, prior, bpp)) cost += v < 128 ? v : 256u - v;
        if (cost < bestCost) {
            bestCost = cost;
            best = t;
        }
    }
    return best;
}

// A whole file: signature, IHDR, `before`, the rows deflated into IDATs of
// at most `idatSize` bytes, `after`, IEND.
inline Bytes MakePng(const Bytes& ihdr, const Bytes& rows, const Bytes& before = {},
                     const Bytes& after = {}, std::size_t idatSize = 1 << 20) {
    Bytes file = kSignature;
    file.insert(file.end(), ihdr.begin(), ihdr.end());
    file.insert(file.end(), before.begin(), before.end());
    const Bytes z = DeflateZlib(rows.data(), rows.size());
    for (std::size_t at = 0; at < z.size(); at += idatSize) {
        const std::size_t n = std::min(idatSize, z.size() - at);
        const Bytes c = Chunk("IDAT", Bytes(z.begin() + static_cast<std::ptrdiff_t>(at),
                                            z.begin() + static_cast<std::ptrdiff_t>(at + n)));
        file.insert(file.end(), c.begin(), c.end());
    }
    file.insert(file.end(), after.begin(), after.end());
    const Bytes end = Chunk("IEND", {});
    file.insert(file.end(), end.begin(), end.end());
    return file;
}

}  // namespace pngtest
