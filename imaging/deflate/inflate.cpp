// The decompressor: bit reader, table-driven code reading, block decoding.
#include "imaging/deflate/inflate.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "imaging/deflate/checksums.h"
#include "imaging/deflate/deflate_tables.h"

namespace {

constexpr std::size_t kWindow = 32768;
constexpr std::size_t kWindowCapacity = 2 * kWindow + 1024;
constexpr std::size_t kInputBuffer = 8192;

// A single-level lookup table: entry = symbol << 4 | code length; 0 = no code.
struct CodeTable {
    std::vector<uint16_t> entries;
    int bits = 0;
};

enum class TableKind { kLiterals, kDistances, kCodeLengths };

bool BuildTable(const uint8_t* lengths, int count, TableKind kind, CodeTable* table) {
    int blCount[16] = {};
    for (int i = 0; i < count; ++i) ++blCount[lengths[i]];
    blCount[0] = 0;
    int maxLen = 0;
    int used = 0;
    int left = 1;
    for (int len = 1; len < 16; ++len) {
        left = (left << 1) - blCount[len];
        if (left < 0) return false;  // over-subscribed
        if (blCount[len] != 0) maxLen = len;
        used += blCount[len];
    }
    if (left > 0) {
        // Incomplete: only a single code of one bit, and never for code lengths.
        // No distance code at all is allowed too (then none may be used).
        const bool lone = used == 1 && blCount[1] == 1 && kind != TableKind::kCodeLengths;
        const bool none = used == 0 && kind == TableKind::kDistances;
        if (!lone && !none) return false;
    }
    table->bits = std::max(maxLen, 1);
    table->entries.assign(std::size_t{1} << table->bits, 0);
    int next[16] = {};
    int code = 0;
    for (int len = 1; len < 16; ++len) {
        code = (code + blCount[len - 1]) << 1;
        next[len] = code;
    }
    for (int sym = 0; sym < count; ++sym) {
        const int len = lengths[sym];
        if (len == 0) continue;
        uint32_t c = static_cast<uint32_t>(next[len]++);
        uint32_t r = 0;
        for (int i = 0; i < len; ++i) {
            r = (r << 1) | (c & 1);
            c >>= 1;
        }
        for (std::size_t idx = r; idx < table->entries.size(); idx += std::size_t{1} << len) {
            table->entries[idx] = static_cast<uint16_t>((sym << 4) | len);
        }
    }
    return true;
}

enum class Phase { kHeader, kBlockHeader, kStored, kCoded, kTrailer, kDone, kFailed };

}  // namespace

struct Inflater::State {
    Source source = nullptr;
    void* context = nullptr;
    uint8_t input[kInputBuffer];
    std::size_t inPos = 0;
    std::size_t inLen = 0;
    bool inputEnded = false;
    uint64_t bits = 0;
    int bitCount = 0;

    std::unique_ptr<uint8_t[]> window;
    std::size_t writePos = 0;
    std::size_t readPos = 0;
    uint64_t total = 0;
    uint32_t adler = 1;

    Phase phase = Phase::kHeader;
    InflateResult failure = InflateResult::kOk;
    bool lastBlock = false;
    uint32_t storedLeft = 0;
    CodeTable lit;
    CodeTable dist;
    CodeTable fixedLit;
    CodeTable fixedDist;
    bool usingFixed = false;

    void Refill() {
        if constexpr (std::endian::native == std::endian::little) {
            if (inLen - inPos >= 8) {
                // Whole bytes that fit, eight at a time; nothing kept above bitCount.
                uint64_t v;
                std::memcpy(&v, input + inPos, 8);
                const int bytes = (63 - bitCount) >> 3;
                bits |= v << bitCount;
                inPos += static_cast<std::size_t>(bytes);
                bitCount += 8 * bytes;
                bits &= (uint64_t{1} << bitCount) - 1;
                return;
            }
        }
        while (bitCount <= 56) {
            if (inPos == inLen) {
                if (inputEnded) return;
                inLen = source(context, input, kInputBuffer);
                inPos = 0;
                if (inLen == 0) {
                    inputEnded = true;
                    return;
                }
            }
            bits |= uint64_t{input[inPos++]} << bitCount;
            bitCount += 8;
        }
    }
    bool Need(int n) {
        if (bitCount < n) Refill();
        return bitCount >= n;
    }
    uint32_t Take(int n) {
        const auto v = static_cast<uint32_t>(bits & ((uint64_t{1} << n) - 1));
        bits >>= n;
        bitCount -= n;
        return v;
    }
    void Fail(InflateResult why) {
        phase = Phase::kFailed;
        failure = why;
    }
    // The next symbol of a table, or -1 after a failure.
    int Decode(const CodeTable& table) {
        if (bitCount < table.bits) Refill();
        const uint16_t e = table.entries[bits & ((uint64_t{1} << table.bits) - 1)];
        const int len = e & 15;
        if (len == 0) {
            Fail(bitCount >= table.bits ? InflateResult::kDataError : InflateResult::kTruncated);
            return -1;
        }
        if (len > bitCount) {
            Fail(InflateResult::kTruncated);
            return -1;
        }
        Take(len);
        return e >> 4;
    }
    void ReadHeader() {
        if (!Need(16)) return Fail(InflateResult::kTruncated);
        const uint32_t cmf = Take(8);
        const uint32_t flg = Take(8);
        if ((cmf * 256 + flg) % 31 != 0 || (cmf & 15) != 8 || (cmf >> 4) > 7 || (flg & 0x20) != 0) {
            return Fail(InflateResult::kDataError);
        }
        phase = Phase::kBlockHeader;
    }
    void ReadBlockHeader() {
        if (!Need(3)) return Fail(InflateResult::kTruncated);
        lastBlock = Take(1) != 0;
        const uint32_t type = Take(2);
        if (type == 0) {
            Take(bitCount % 8);
            if (!Need(32)) return Fail(InflateResult::kTruncated);
            const uint32_t len = Take(16);
            const uint32_t nlen = Take(16);
            if ((len ^ 0xFFFF) != nlen) return Fail(InflateResult::kDataError);
            storedLeft = len;
            phase = Phase::kStored;
        } else if (type == 1) {
            usingFixed = true;
            phase = Phase::kCoded;
        } else if (type == 2) {
            usingFixed = false;
            if (ReadDynamicTables()) phase = Phase::kCoded;
        } else {
            Fail(InflateResult::kDataError);
        }
    }
    bool ReadDynamicTables() {
        if (!Need(14)) return Fail(InflateResult::kTruncated), false;
        const int hlit = static_cast<int>(Take(5)) + 257;
        const int hdist = static_cast<int>(Take(5)) + 1;
        const int hclen = static_cast<int>(Take(4)) + 4;
        if (hlit > 286 || hdist > 30) return Fail(InflateResult::kDataError), false;
        uint8_t clLen[19] = {};
        for (int i = 0; i < hclen; ++i) {
            if (!Need(3)) return Fail(InflateResult::kTruncated), false;
            clLen[kCodeLengthOrder[i]] = static_cast<uint8_t>(Take(3));
        }
        CodeTable cl;
        if (!BuildTable(clLen, 19, TableKind::kCodeLengths, &cl)) {
            return Fail(InflateResult::kDataError), false;
        }
        uint8_t lengths[286 + 30] = {};
        const int total = hlit + hdist;
        for (int i = 0; i < total;) {
            const int sym = Decode(cl);
            if (sym < 0) return false;
            if (sym < 16) {
                lengths[i++] = static_cast<uint8_t>(sym);
                continue;
            }
            int repeat = 0;
            uint8_t value = 0;
            if (sym == 16) {
                if (i == 0) return Fail(InflateResult::kDataError), false;
                if (!Need(2)) return Fail(InflateResult::kTruncated), false;
                value = lengths[i - 1];
                repeat = 3 + static_cast<int>(Take(2));
            } else if (sym == 17) {
                if (!Need(3)) return Fail(InflateResult::kTruncated), false;
                repeat = 3 + static_cast<int>(Take(3));
            } else {
                if (!Need(7)) return Fail(InflateResult::kTruncated), false;
                repeat = 11 + static_cast<int>(Take(7));
            }
            if (i + repeat > total) return Fail(InflateResult::kDataError), false;
            std::fill(lengths + i, lengths + i + repeat, value);
            i += repeat;
        }
        if (lengths[256] == 0 || !BuildTable(lengths, hlit, TableKind::kLiterals, &lit) ||
            !BuildTable(lengths + hlit, hdist, TableKind::kDistances, &dist)) {
            return Fail(InflateResult::kDataError), false;
        }
        return true;
    }
    // Makes room for at least one longest match behind writePos.
    void MakeRoom() {
        if (writePos + 258 <= kWindowCapacity) return;
        // Only bytes already handed out move away; the last 32 KB stay.
        const std::size_t keepFrom = std::min(readPos, writePos - kWindow);
        std::memmove(window.get(), window.get() + keepFrom, writePos - keepFrom);
        writePos -= keepFrom;
        readPos -= keepFrom;
    }
    // Decodes until `want` bytes wait behind readPos, the block ends or room runs out.
    void Step(std::size_t want) {
        MakeRoom();
        const std::size_t base = writePos;
        if (phase == Phase::kStored) {
            std::size_t n = std::min<std::size_t>(storedLeft, kWindowCapacity - writePos);
            // Whole bytes still in the bit buffer come first, then the input buffer.
            while (n > 0) {
                if (bitCount >= 8) {
                    window[writePos++] = static_cast<uint8_t>(Take(8));
                    --storedLeft;
                    --n;
                    continue;
                }
                if (inPos == inLen) {
                    Refill();
                    if (bitCount < 8) return Fail(InflateResult::kTruncated);
                    continue;
                }
                const std::size_t c = std::min(n, inLen - inPos);
                std::memcpy(window.get() + writePos, input + inPos, c);
                inPos += c;
                writePos += c;
                storedLeft -= static_cast<uint32_t>(c);
                n -= c;
            }
            if (storedLeft == 0) phase = lastBlock ? Phase::kTrailer : Phase::kBlockHeader;
        } else if (phase == Phase::kCoded) {
            const CodeTable& lt = usingFixed ? fixedLit : lit;
            const CodeTable& dt = usingFixed ? fixedDist : dist;
            while (writePos - readPos < want && writePos + 258 <= kWindowCapacity) {
                const int sym = Decode(lt);
                if (sym < 0) break;
                if (sym < 256) {
                    window[writePos++] = static_cast<uint8_t>(sym);
                    continue;
                }
                if (sym == 256) {
                    phase = lastBlock ? Phase::kTrailer : Phase::kBlockHeader;
                    break;
                }
                if (sym > 285) {
                    Fail(InflateResult::kDataError);
                    break;
                }
                const int lc = sym - 257;
                if (!Need(kLengthExtra[lc])) {
                    Fail(InflateResult::kTruncated);
                    break;
                }
                const std::size_t len = kLengthBase[lc] + Take(kLengthExtra[lc]);
                const int dc = Decode(dt);
                if (dc < 0) break;
                if (dc > 29) {
                    Fail(InflateResult::kDataError);
                    break;
                }
                if (!Need(kDistExtra[dc])) {
                    Fail(InflateResult::kTruncated);
                    break;
                }
                const std::size_t d = kDistBase[dc] + Take(kDistExtra[dc]);
                if (d > total + (writePos - base) || d > writePos) {
                    Fail(InflateResult::kDataError);
                    break;
                }
                uint8_t* to = window.get() + writePos;
                const uint8_t* from = to - d;
                for (std::size_t i = 0; i < len; ++i) to[i] = from[i];
                writePos += len;
            }
        }
        adler = UpdateAdler32(adler, window.get() + base, writePos - base);
        total += writePos - base;
    }
    void ReadTrailer() {
        Take(bitCount % 8);
        uint32_t stored = 0;
        for (int i = 0; i < 4; ++i) {
            if (!Need(8)) return Fail(InflateResult::kTruncated);
            stored = (stored << 8) | Take(8);
        }
        if (stored != adler) return Fail(InflateResult::kDataError);
        phase = Phase::kDone;
    }
    // Advances the decoder by one step of whatever phase it is in.
    void Advance(std::size_t want) {
        switch (phase) {
            case Phase::kHeader:
                ReadHeader();
                break;
            case Phase::kBlockHeader:
                ReadBlockHeader();
                break;
            case Phase::kStored:
            case Phase::kCoded:
                Step(want);
                break;
            case Phase::kTrailer:
                ReadTrailer();
                break;
            case Phase::kDone:
            case Phase::kFailed:
                break;
        }
    }
};

Inflater::Inflater() = default;
Inflater::~Inflater() = default;

bool Inflater::Init(Source source, void* context) {
    s_.reset(new (std::nothrow) State);
    if (!s_) return false;
    s_->window.reset(new (std::nothrow) uint8_t[kWindowCapacity]);
    if (!s_->window) return false;
    s_->source = source;
    s_->context = context;
    uint8_t fixed[288];
    for (int i = 0; i < 288; ++i) fixed[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
    uint8_t fixedD[32];
    std::fill(fixedD, fixedD + 32, 5);
    return BuildTable(fixed, 288, TableKind::kLiterals, &s_->fixedLit) &&
           BuildTable(fixedD, 32, TableKind::kDistances, &s_->fixedDist);
}

InflateResult Inflater::Read(uint8_t* out, std::size_t count, std::size_t* got) {
    *got = 0;
    if (!s_) return InflateResult::kDataError;
    State& s = *s_;
    for (;;) {
        const std::size_t n = std::min(count - *got, s.writePos - s.readPos);
        std::memcpy(out + *got, s.window.get() + s.readPos, n);
        s.readPos += n;
        *got += n;
        if (*got == count) return InflateResult::kOk;
        if (s.phase == Phase::kFailed) return s.failure;
        if (s.phase == Phase::kDone) return InflateResult::kEnd;
        s.Advance(count - *got);
    }
}

InflateResult Inflater::Finish(std::size_t* extra) {
    *extra = 0;
    if (!s_) return InflateResult::kDataError;
    State& s = *s_;
    for (;;) {
        *extra += s.writePos - s.readPos;
        s.readPos = s.writePos;
        if (s.phase == Phase::kFailed) return s.failure;
        if (s.phase == Phase::kDone) return InflateResult::kEnd;
        s.Advance(kWindow);
    }
}

std::size_t Inflater::UnusedInput() const {
    if (!s_) return 0;
    return static_cast<std::size_t>(s_->bitCount / 8) + (s_->inLen - s_->inPos);
}

namespace {
struct SpanInput {
    const uint8_t* data;
    std::size_t left;
};
std::size_t ReadSpan(void* context, uint8_t* buffer, std::size_t capacity) {
    auto* span = static_cast<SpanInput*>(context);
    const std::size_t n = std::min(capacity, span->left);
    std::memcpy(buffer, span->data, n);
    span->data += n;
    span->left -= n;
    return n;
}
}  // namespace

InflateResult InflateZlib(const uint8_t* data, std::size_t count, std::vector<uint8_t>* out,
                          std::size_t capacity) {
    out->clear();
    SpanInput span{data, count};
    Inflater inflater;
    if (!inflater.Init(&ReadSpan, &span)) return InflateResult::kDataError;
    uint8_t piece[16384];
    for (;;) {
        std::size_t got = 0;
        const InflateResult r = inflater.Read(piece, sizeof piece, &got);
        if (out->size() + got > capacity) return InflateResult::kDataError;
        out->insert(out->end(), piece, piece + got);
        if (r != InflateResult::kOk) return r;
    }
}
