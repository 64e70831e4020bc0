// The compressor: window and hash chains, lazy matching, block coding.
#include "imaging/deflate/deflate.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "imaging/deflate/checksums.h"
#include "imaging/deflate/deflate_tables.h"

namespace {

constexpr int32_t kWindow = 32768;
constexpr int32_t kWindowMask = kWindow - 1;
constexpr int32_t kMinMatch = 3;
constexpr int32_t kMaxMatch = 258;
constexpr int32_t kMinLookahead = kMaxMatch + kMinMatch + 1;
constexpr int32_t kMaxDistance = kWindow - kMinLookahead;
constexpr int32_t kHashSize = 1 << 15;
constexpr int32_t kNil = -1;
constexpr std::size_t kSymbolsPerBlock = 16384;
// Level 6.
constexpr int32_t kGoodLength = 8;
constexpr int32_t kMaxLazy = 16;
constexpr int32_t kNiceLength = 128;
constexpr int32_t kMaxChain = 128;
constexpr int32_t kTooFar = 4096;

struct CodeTables {
    uint8_t lengthCode[256];  // match length - 3 -> length code 0..28
    uint8_t distCode[512];    // see DistCode
    CodeTables() {
        for (int code = 0; code < 29; ++code) {
            const int span = code == 28 ? 1 : 1 << kLengthExtra[code];
            for (int i = 0; i < span; ++i) {
                const int len = kLengthBase[code] + i;
                if (len <= 258) lengthCode[len - 3] = static_cast<uint8_t>(code);
            }
        }
        lengthCode[255] = 28;
        for (int code = 0; code < 30; ++code) {
            for (int i = 0; i < (1 << kDistExtra[code]); ++i) {
                const int d = kDistBase[code] + i - 1;
                if (d < 256) {
                    distCode[d] = static_cast<uint8_t>(code);
                } else {
                    distCode[256 + (d >> 7)] = static_cast<uint8_t>(code);
                }
            }
        }
    }
};
const CodeTables kCodes;

int DistCode(int distance) {
    const int d = distance - 1;
    return d < 256 ? kCodes.distCode[d] : kCodes.distCode[256 + (d >> 7)];
}

struct Symbol {
    uint16_t distance;  // 0 for a literal
    uint16_t value;     // literal byte, or match length
};

uint32_t Reverse(uint32_t code, int length) {
    uint32_t r = 0;
    for (int i = 0; i < length; ++i) {
        r = (r << 1) | (code & 1);
        code >>= 1;
    }
    return r;
}

// Canonical codes, bit-reversed for writing least significant bit first.
void MakeCodes(const uint8_t* lengths, int count, uint16_t* codes) {
    int blCount[16] = {};
    for (int i = 0; i < count; ++i) ++blCount[lengths[i]];
    blCount[0] = 0;
    int next[16] = {};
    int code = 0;
    for (int bits = 1; bits < 16; ++bits) {
        code = (code + blCount[bits - 1]) << 1;
        next[bits] = code;
    }
    for (int i = 0; i < count; ++i) {
        if (lengths[i] != 0) {
            codes[i] = static_cast<uint16_t>(
                Reverse(static_cast<uint32_t>(next[lengths[i]]++), lengths[i]));
        }
    }
}

}  // namespace

void HuffmanLengths(const uint32_t* freq, int count, int limit, uint8_t* lengths) {
    std::memset(lengths, 0, static_cast<std::size_t>(count));
    std::vector<int> used;
    for (int i = 0; i < count; ++i) {
        if (freq[i] != 0) used.push_back(i);
    }
    if (used.size() < 2) {
        // A complete code needs two symbols.
        const int first = used.empty() ? 0 : used[0];
        lengths[first] = 1;
        lengths[first == 0 ? 1 : 0] = 1;
        return;
    }
    std::stable_sort(used.begin(), used.end(), [&](int a, int b) { return freq[a] < freq[b]; });
    const int n = static_cast<int>(used.size());
    // Two-queue Huffman: leaves 0..n-1 in ascending order, internal nodes n..2n-2.
    std::vector<uint64_t> weight(static_cast<std::size_t>(2 * n - 1));
    std::vector<int> parent(static_cast<std::size_t>(2 * n - 1), -1);
    for (int i = 0; i < n; ++i)
        weight[static_cast<std::size_t>(i)] = freq[used[static_cast<std::size_t>(i)]];
    int leaf = 0;
    int inner = n;
    int made = n;
    auto take = [&]() {
        if (leaf < n && (inner >= made || weight[static_cast<std::size_t>(leaf)] <=
                                              weight[static_cast<std::size_t>(inner)])) {
            return leaf++;
        }
        return inner++;
    };
    while (made < 2 * n - 1) {
        const int a = take();
        const int b = take();
        weight[static_cast<std::size_t>(made)] =
            weight[static_cast<std::size_t>(a)] + weight[static_cast<std::size_t>(b)];
        parent[static_cast<std::size_t>(a)] = made;
        parent[static_cast<std::size_t>(b)] = made;
        ++made;
    }
    std::vector<int> depth(static_cast<std::size_t>(2 * n - 1), 0);
    for (int i = 2 * n - 3; i >= 0; --i) {
        depth[static_cast<std::size_t>(i)] =
            depth[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])] + 1;
    }
    std::vector<int> bits(static_cast<std::size_t>(n + 1), 0);
    int maxDepth = 0;
    for (int i = 0; i < n; ++i) {
        ++bits[static_cast<std::size_t>(depth[static_cast<std::size_t>(i)])];
        maxDepth = std::max(maxDepth, depth[static_cast<std::size_t>(i)]);
    }
    // Deeper codes are folded into the limit, keeping the code complete.
    for (int i = maxDepth; i > limit; --i) {
        while (bits[static_cast<std::size_t>(i)] > 0) {
            int j = i - 2;
            while (bits[static_cast<std::size_t>(j)] == 0) --j;
            bits[static_cast<std::size_t>(i)] -= 2;
            bits[static_cast<std::size_t>(i - 1)] += 1;
            bits[static_cast<std::size_t>(j + 1)] += 2;
            bits[static_cast<std::size_t>(j)] -= 1;
        }
    }
    // The most frequent symbols take the shortest codes.
    int len = 1;
    for (int i = n - 1; i >= 0; --i) {
        while (bits[static_cast<std::size_t>(len)] == 0) ++len;
        --bits[static_cast<std::size_t>(len)];
        lengths[used[static_cast<std::size_t>(i)]] = static_cast<uint8_t>(len);
    }
}

struct Deflater::State {
    DeflateStrategy strategy = DeflateStrategy::kDefault;
    std::unique_ptr<uint8_t[]> window;
    std::unique_ptr<int32_t[]> head;
    std::unique_ptr<int32_t[]> prev;
    std::vector<Symbol> symbols;
    int32_t windowEnd = 0;
    int32_t strstart = 0;
    int32_t blockStart = 0;
    int32_t tallyEnd = 0;
    int32_t matchLength = 2;
    int32_t matchStart = 0;
    int32_t prevLength = 2;
    int32_t prevMatch = 0;
    bool matchAvailable = false;
    uint32_t adler = 1;
    bool failed = false;
    bool finished = false;

    [[nodiscard]] int32_t Hash(int32_t pos) const {
        return ((window[pos] << 10) ^ (window[pos + 1] << 5) ^ window[pos + 2]) & (kHashSize - 1);
    }
    int32_t Insert(int32_t pos) {
        const int32_t h = Hash(pos);
        const int32_t old = head[h];
        prev[pos & kWindowMask] = old;
        head[h] = pos;
        return old;
    }
    int32_t LongestMatch(int32_t cur) {
        int32_t chain = prevLength >= kGoodLength ? kMaxChain >> 2 : kMaxChain;
        const int32_t lookahead = windowEnd - strstart;
        const int32_t maxLen = std::min(kMaxMatch, lookahead);
        int32_t best = std::max(prevLength, 2);
        if (best >= maxLen) return best;
        const int32_t nice = std::min(kNiceLength, maxLen);
        const int32_t limit = strstart > kMaxDistance ? strstart - kMaxDistance : 0;
        const uint8_t* scan = window.get() + strstart;
        while (cur >= limit && cur < strstart && chain-- > 0) {
            const uint8_t* m = window.get() + cur;
            if (m[best] == scan[best] && m[0] == scan[0] && m[1] == scan[1]) {
                int32_t len = 2;
                while (len < maxLen && m[len] == scan[len]) ++len;
                if (len > best) {
                    best = len;
                    matchStart = cur;
                    if (len >= nice) break;
                }
            }
            const int32_t next = prev[cur & kWindowMask];
            if (next >= cur) break;
            cur = next;
        }
        return best;
    }
};

Deflater::Deflater() = default;
Deflater::~Deflater() = default;

bool Deflater::Init(DeflateStrategy strategy) {
    s_.reset(new (std::nothrow) State);
    if (!s_) return false;
    s_->strategy = strategy;
    s_->window.reset(new (std::nothrow) uint8_t[2 * kWindow + kMaxMatch + 8]);
    s_->head.reset(new (std::nothrow) int32_t[kHashSize]);
    s_->prev.reset(new (std::nothrow) int32_t[kWindow]);
    if (!s_->window || !s_->head || !s_->prev) return false;
    std::memset(s_->window.get(), 0, 2 * kWindow + kMaxMatch + 8);
    std::fill(s_->head.get(), s_->head.get() + kHashSize, kNil);
    std::fill(s_->prev.get(), s_->prev.get() + kWindow, kNil);
    s_->symbols.reserve(kSymbolsPerBlock);
    out_.clear();
    out_.push_back(0x78);
    out_.push_back(0x9C);
    return true;
}

void Deflater::PutBits(uint32_t value, int count) {
    bitBuffer_ |= uint64_t{value} << bitCount_;
    bitCount_ += count;
    while (bitCount_ >= 8) {
        out_.push_back(static_cast<uint8_t>(bitBuffer_));
        bitBuffer_ >>= 8;
        bitCount_ -= 8;
    }
}

void Deflater::AlignByte() {
    if (bitCount_ > 0) PutBits(0, 8 - bitCount_);
}

void Deflater::Drop(std::size_t count) {
    count = std::min(count, out_.size());
    out_.erase(out_.begin(), out_.begin() + static_cast<std::ptrdiff_t>(count));
}

void Deflater::EmitBlock(bool last) {
    State& s = *s_;
    uint32_t litFreq[286] = {};
    uint32_t distFreq[30] = {};
    for (const Symbol& sym : s.symbols) {
        if (sym.distance == 0) {
            ++litFreq[sym.value];
        } else {
            ++litFreq[257 + kCodes.lengthCode[sym.value - 3]];
            ++distFreq[DistCode(sym.distance)];
        }
    }
    litFreq[256] = 1;
    uint8_t litLen[288] = {};
    uint8_t distLen[30] = {};
    HuffmanLengths(litFreq, 286, 15, litLen);
    HuffmanLengths(distFreq, 30, 15, distLen);
    int hlit = 286;
    while (hlit > 257 && litLen[hlit - 1] == 0) --hlit;
    int hdist = 30;
    while (hdist > 1 && distLen[hdist - 1] == 0) --hdist;

    // Run-length form of the code lengths: (symbol, extra value).
    uint8_t all[316];
    std::memcpy(all, litLen, static_cast<std::size_t>(hlit));
    std::memcpy(all + hlit, distLen, static_cast<std::size_t>(hdist));
    const int total = hlit + hdist;
    std::vector<std::pair<uint8_t, uint8_t>> runs;
    uint32_t clFreq[19] = {};
    for (int i = 0; i < total;) {
        const uint8_t v = all[i];
        int run = 1;
        while (i + run < total && all[i + run] == v) ++run;
        int left = run;
        if (v == 0) {
            while (left >= 11) {
                const int r = std::min(left, 138);
                runs.emplace_back(18, static_cast<uint8_t>(r - 11));
                left -= r;
            }
            if (left >= 3) {
                runs.emplace_back(17, static_cast<uint8_t>(left - 3));
                left = 0;
            }
        } else {
            runs.emplace_back(v, 0);
            --left;
            while (left >= 3) {
                const int r = std::min(left, 6);
                runs.emplace_back(16, static_cast<uint8_t>(r - 3));
                left -= r;
            }
        }
        for (; left > 0; --left) runs.emplace_back(v, 0);
        i += run;
    }
    for (const auto& r : runs) ++clFreq[r.first];
    uint8_t clLen[19] = {};
    HuffmanLengths(clFreq, 19, 7, clLen);
    int hclen = 19;
    while (hclen > 4 && clLen[kCodeLengthOrder[hclen - 1]] == 0) --hclen;

    // Costs in bits of the three block kinds.
    uint64_t extra = 0;
    uint64_t dynamicBits = 3 + 5 + 5 + 4 + 3 * static_cast<uint64_t>(hclen);
    uint64_t fixedBits = 3;
    for (int i = 0; i < 286; ++i) {
        const int fixedLen = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
        dynamicBits += uint64_t{litFreq[i]} * litLen[i];
        fixedBits += uint64_t{litFreq[i]} * static_cast<uint64_t>(fixedLen);
        if (i >= 257) extra += uint64_t{litFreq[i]} * kLengthExtra[i - 257];
    }
    for (int i = 0; i < 30; ++i) {
        dynamicBits += uint64_t{distFreq[i]} * distLen[i];
        fixedBits += uint64_t{distFreq[i]} * 5;
        extra += uint64_t{distFreq[i]} * kDistExtra[i];
    }
    for (const auto& r : runs) {
        dynamicBits += clLen[r.first];
        dynamicBits += r.first == 16 ? 2 : r.first == 17 ? 3 : r.first == 18 ? 7 : 0;
    }
    dynamicBits += extra;
    fixedBits += extra;
    const uint64_t raw = static_cast<uint64_t>(s.tallyEnd - s.blockStart);
    const uint64_t pieces = raw == 0 ? 1 : (raw + 65534) / 65535;
    const uint64_t storedBits = s.blockStart >= 0 ? pieces * (3 + 7 + 32) + 8 * raw : UINT64_MAX;

    if (storedBits <= fixedBits && storedBits <= dynamicBits) {
        const uint8_t* data = s.window.get() + s.blockStart;
        uint64_t left = raw;
        do {
            const auto n = static_cast<uint32_t>(std::min<uint64_t>(left, 65535));
            left -= n;
            PutBits((last && left == 0) ? 1u : 0u, 3);
            AlignByte();
            PutBits(n, 16);
            PutBits(~n & 0xFFFF, 16);
            out_.insert(out_.end(), data, data + n);
            data += n;
        } while (left > 0);
    } else {
        uint8_t useLit[288];
        uint8_t useDist[30];
        const bool fixed = fixedBits <= dynamicBits;
        if (fixed) {
            for (int i = 0; i < 288; ++i) useLit[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
            std::fill(useDist, useDist + 30, 5);
        } else {
            std::memcpy(useLit, litLen, sizeof useLit);
            std::memcpy(useDist, distLen, sizeof useDist);
        }
        uint16_t litCode[288] = {};
        uint16_t distCode[30] = {};
        MakeCodes(useLit, 288, litCode);
        MakeCodes(useDist, 30, distCode);
        PutBits((last ? 1u : 0u) | (fixed ? 2u : 4u), 3);
        if (!fixed) {
            uint16_t clCode[19] = {};
            MakeCodes(clLen, 19, clCode);
            PutBits(static_cast<uint32_t>(hlit - 257), 5);
            PutBits(static_cast<uint32_t>(hdist - 1), 5);
            PutBits(static_cast<uint32_t>(hclen - 4), 4);
            for (int i = 0; i < hclen; ++i) PutBits(clLen[kCodeLengthOrder[i]], 3);
            for (const auto& r : runs) {
                PutBits(clCode[r.first], clLen[r.first]);
                if (r.first == 16) PutBits(r.second, 2);
                if (r.first == 17) PutBits(r.second, 3);
                if (r.first == 18) PutBits(r.second, 7);
            }
        }
        for (const Symbol& sym : s.symbols) {
            if (sym.distance == 0) {
                PutBits(litCode[sym.value], useLit[sym.value]);
            } else {
                const int lc = kCodes.lengthCode[sym.value - 3];
                PutBits(litCode[257 + lc], useLit[257 + lc]);
                PutBits(static_cast<uint32_t>(sym.value - kLengthBase[lc]), kLengthExtra[lc]);
                const int dc = DistCode(sym.distance);
                PutBits(distCode[dc], useDist[dc]);
                PutBits(static_cast<uint32_t>(sym.distance - kDistBase[dc]), kDistExtra[dc]);
            }
        }
        PutBits(litCode[256], useLit[256]);
    }
    s.symbols.clear();
    s.blockStart = s.tallyEnd;
}

void Deflater::Compress(bool flush) {
    State& s = *s_;
    const bool filtered = s.strategy == DeflateStrategy::kFiltered;
    auto tallyLiteral = [&](int32_t pos) {
        s.symbols.push_back(Symbol{0, s.window[pos]});
        s.tallyEnd = pos + 1;
        if (s.symbols.size() >= kSymbolsPerBlock) EmitBlock(false);
    };
    for (;;) {
        const int32_t lookahead = s.windowEnd - s.strstart;
        if (lookahead == 0 || (lookahead < kMinLookahead && !flush)) break;
        int32_t hashHead = kNil;
        if (lookahead >= kMinMatch) hashHead = s.Insert(s.strstart);
        s.prevLength = s.matchLength;
        s.prevMatch = s.matchStart;
        s.matchLength = 2;
        if (hashHead != kNil && s.prevLength < kMaxLazy && s.strstart - hashHead <= kMaxDistance) {
            s.matchLength = s.LongestMatch(hashHead);
            if (s.matchLength <= s.prevLength) s.matchLength = 2;
            if (s.matchLength <= 5 &&
                (filtered || (s.matchLength == 3 && s.strstart - s.matchStart > kTooFar))) {
                s.matchLength = 2;
            }
        }
        if (s.prevLength >= kMinMatch && s.matchLength <= s.prevLength) {
            const int32_t maxInsert = s.windowEnd - kMinMatch;
            const int32_t from = s.strstart - 1;
            s.symbols.push_back(Symbol{static_cast<uint16_t>(from - s.prevMatch),
                                       static_cast<uint16_t>(s.prevLength)});
            s.tallyEnd = from + s.prevLength;
            for (int32_t p = s.strstart + 1; p < from + s.prevLength; ++p) {
                if (p <= maxInsert) s.Insert(p);
            }
            s.strstart = from + s.prevLength;
            s.matchAvailable = false;
            s.matchLength = 2;
            if (s.symbols.size() >= kSymbolsPerBlock) EmitBlock(false);
        } else if (s.matchAvailable) {
            tallyLiteral(s.strstart - 1);
            ++s.strstart;
        } else {
            s.matchAvailable = true;
            ++s.strstart;
        }
    }
    if (flush && s.matchAvailable) {
        tallyLiteral(s.strstart - 1);
        s.matchAvailable = false;
    }
}

bool Deflater::Write(const uint8_t* data, std::size_t count) {
    if (!s_ || s_->failed || s_->finished) return false;
    State& s = *s_;
    s.adler = UpdateAdler32(s.adler, data, count);
    while (count > 0) {
        if (s.windowEnd == 2 * kWindow) {
            // Slide. The open block goes on (a block ends by its symbol count,
            // as zlib's do); once its first bytes leave the window it can no
            // longer be stored.
            std::memmove(s.window.get(), s.window.get() + kWindow,
                         static_cast<std::size_t>(kWindow));
            std::memset(s.window.get() + kWindow, 0, kWindow + kMaxMatch + 8);
            s.windowEnd -= kWindow;
            s.strstart -= kWindow;
            s.blockStart -= kWindow;
            s.tallyEnd -= kWindow;
            s.matchStart -= kWindow;
            s.prevMatch -= kWindow;
            for (int32_t i = 0; i < kHashSize; ++i) {
                s.head[i] = s.head[i] >= kWindow ? s.head[i] - kWindow : kNil;
            }
            for (int32_t i = 0; i < kWindow; ++i) {
                s.prev[i] = s.prev[i] >= kWindow ? s.prev[i] - kWindow : kNil;
            }
        }
        const std::size_t room = static_cast<std::size_t>(2 * kWindow - s.windowEnd);
        const std::size_t n = std::min(room, count);
        std::memcpy(s.window.get() + s.windowEnd, data, n);
        s.windowEnd += static_cast<int32_t>(n);
        data += n;
        count -= n;
        Compress(false);
    }
    return true;
}

bool Deflater::Finish() {
    if (!s_ || s_->failed || s_->finished) return false;
    Compress(true);
    EmitBlock(true);
    AlignByte();
    const uint32_t a = s_->adler;
    out_.push_back(static_cast<uint8_t>(a >> 24));
    out_.push_back(static_cast<uint8_t>(a >> 16));
    out_.push_back(static_cast<uint8_t>(a >> 8));
    out_.push_back(static_cast<uint8_t>(a));
    s_->finished = true;
    return true;
}

std::vector<uint8_t> DeflateZlib(const uint8_t* data, std::size_t count, DeflateStrategy strategy) {
    Deflater d;
    if (!d.Init(strategy) || !d.Write(data, count) || !d.Finish()) return {};
    return std::vector<uint8_t>(d.Output(), d.Output() + d.OutputSize());
}
