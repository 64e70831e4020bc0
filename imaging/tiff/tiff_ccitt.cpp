// CCITT row coders and the strip decoder: runs through the code tables,
// changing-element lists, and the pass, vertical and horizontal modes.
#include "imaging/tiff/tiff_ccitt.h"

#include <algorithm>

#include "imaging/frame/image_desc.h"

namespace {

inline bool White(const uint8_t* row, int x) {
    return ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0;
}

// Positions where the colour changes (the pixel before the first is white),
// then the width twice. False when there are more than the list holds.
bool BuildChangeList(const uint8_t* row, int width, std::vector<int>* list) {
    list->clear();
    bool white = true;
    const int limit = std::min(width + 1, kCcittMaxChanges);
    for (int x = 0; x < width; ++x) {
        if (White(row, x) != white) {
            if (static_cast<int>(list->size()) >= limit) return false;
            list->push_back(x);
            white = !white;
        }
    }
    list->push_back(width);
    list->push_back(width);
    return true;
}

// b1: the first change of the reference line right of a0 whose colour is
// the opposite of a0's (even entries turn to black, odd ones to white).
std::size_t FindB1(const std::vector<int>& ref, int a0, bool white) {
    std::size_t i = 0;
    while (i + 2 < ref.size() && (ref[i] <= a0 || ((i & 1) == 0) != white)) ++i;
    return i;
}

// ---- Decoding tables: 13-bit lookahead ----------------------------------------------
struct RunEntry {
    int16_t run = -1;  // -1 invalid, -2 EOL
    uint8_t length = 0;
};
struct DecodeTables {
    RunEntry white[8192];
    RunEntry black[8192];
    RunEntry modes[128];
    DecodeTables() {
        const auto add = [](RunEntry* t, int bits, const CcittCode& c) {
            const int shift = bits - c.length;
            for (int f = 0; f < (1 << shift); ++f) {
                RunEntry& e = t[(c.code << shift) | static_cast<uint32_t>(f)];
                e.run = static_cast<int16_t>(c.run);
                e.length = static_cast<uint8_t>(c.length);
            }
        };
        for (const CcittCode& c : kCcittWhiteTerminating) add(white, 13, c);
        for (const CcittCode& c : kCcittWhiteMakeUp) add(white, 13, c);
        for (const CcittCode& c : kCcittBlackTerminating) add(black, 13, c);
        for (const CcittCode& c : kCcittBlackMakeUp) add(black, 13, c);
        for (const CcittCode& c : kCcittExtendedMakeUp) {
            add(white, 13, c);
            add(black, 13, c);
        }
        add(white, 13, CcittCode{-2, 12, 1});
        add(black, 13, CcittCode{-2, 12, 1});
        for (const CcittCode& c : kCcittModes) add(modes, 7, c);
    }
};
const DecodeTables& Tables() {
    static const DecodeTables tables;
    return tables;
}

struct BitReader {
    const uint8_t* data;
    std::size_t size;
    std::size_t bit = 0;  // next bit
    [[nodiscard]] bool AtEnd() const { return bit >= 8 * size; }
    [[nodiscard]] uint32_t Peek(int n) const {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const std::size_t b = bit + static_cast<std::size_t>(i);
            const uint32_t x = b < 8 * size ? (data[b >> 3] >> (7 - (b & 7))) & 1 : 0;
            v = (v << 1) | x;
        }
        return v;
    }
    void Skip(int n) { bit += static_cast<std::size_t>(n); }
    void Align() { bit = (bit + 7) & ~std::size_t{7}; }
};

// One run of a colour (make-up codes added): the length, or -1 for a bad code.
int ReadRun(BitReader& r, bool white) {
    const RunEntry* t = white ? Tables().white : Tables().black;
    int total = 0;
    for (;;) {
        if (r.AtEnd()) return -1;
        const RunEntry& e = t[r.Peek(13)];
        if (e.run < 0) return -1;
        r.Skip(e.length);
        total += e.run;
        if (total > 1 << 20) return -1;
        if (e.run < 64) return total;
    }
}

void Fill(uint8_t* row, int from, int to) {
    for (int x = from; x < to; ++x)
        row[x >> 3] = static_cast<uint8_t>(row[x >> 3] | (0x80 >> (x & 7)));
}

// A one-dimensional row: IMG_OK, IMG_CODED_DATA_ERROR or IMG_TIFF_CODING_OVERFLOW.
int32_t DecodeRow1D(BitReader& r, int width, uint8_t* row, std::vector<int>* changes) {
    int x = 0;
    bool white = true;
    while (x < width) {
        const int run = ReadRun(r, white);
        if (run < 0 || run > width - x) return IMG_CODED_DATA_ERROR;
        if (white) Fill(row, x, x + run);
        x += run;
        white = !white;
    }
    return BuildChangeList(row, width, changes) ? IMG_OK : IMG_TIFF_CODING_OVERFLOW;
}

// A two-dimensional row against `ref`. 0, IMG_CODED_DATA_ERROR or IMG_TIFF_CODING_OVERFLOW.
int32_t DecodeRow2D(BitReader& r, int width, uint8_t* row, const std::vector<int>& ref,
                    std::vector<int>* changes) {
    changes->clear();
    int a0 = -1;
    bool white = true;
    int steps = 0;
    while (a0 < width) {
        if (++steps > 2 * width + 16 || r.AtEnd()) return IMG_CODED_DATA_ERROR;
        const RunEntry& m = Tables().modes[r.Peek(7)];
        if (m.run < 0) return IMG_CODED_DATA_ERROR;
        r.Skip(m.length);
        const std::size_t i = FindB1(ref, a0, white);
        const int b1 = ref[i];
        const int b2 = ref[std::min(i + 1, ref.size() - 1)];
        const int start = a0 < 0 ? 0 : a0;
        if (m.run == kCcittPass) {
            if (white) Fill(row, start, b2);
            a0 = b2;
        } else if (m.run == kCcittHorizontal) {
            const int run1 = ReadRun(r, white);
            const int run2 = run1 < 0 ? -1 : ReadRun(r, !white);
            if (run1 < 0 || run2 < 0 || run1 > width - start || run2 > width - start - run1)
                return IMG_CODED_DATA_ERROR;
            const int a1 = start + run1;
            const int a2 = a1 + run2;
            if (white)
                Fill(row, start, a1);
            else
                Fill(row, a1, a2);
            changes->push_back(a1);
            changes->push_back(a2);
            a0 = a2;
        } else {
            const int a1 = b1 + (m.run - kCcittVertical0);
            if (a1 < start || a1 > width || (a0 >= 0 && a1 <= a0 && a1 != width))
                return IMG_CODED_DATA_ERROR;
            if (white) Fill(row, start, a1);
            changes->push_back(a1);
            a0 = a1;
            white = !white;
        }
        if (static_cast<int>(changes->size()) > 2 * kCcittMaxChanges)
            return IMG_TIFF_CODING_OVERFLOW;
    }
    // The list from the pixels (runs of 0 leave duplicate entries).
    return BuildChangeList(row, width, changes) ? IMG_OK : IMG_TIFF_CODING_OVERFLOW;
}

// Skips zero fill and EOL codes; true when at least one EOL was met.
bool SkipEols(BitReader& r) {
    bool any = false;
    for (;;) {
        std::size_t zeros = 0;
        while (!r.AtEnd() && r.Peek(1) == 0 && zeros < 4096) {
            r.Skip(1);
            ++zeros;
        }
        if (zeros >= 11 && !r.AtEnd()) {
            r.Skip(1);  // the 1 that ends the EOL
            any = true;
            continue;
        }
        // Not an EOL: give the zeros back.
        r.bit -= zeros;
        return any;
    }
}

}  // namespace

// ---- Encoder ------------------------------------------------------------------------
CcittEncoder::CcittEncoder(int width) : width_(width) {
    StartG4Strip();
}

void CcittEncoder::Put(uint32_t code, int length) {
    accumulator_ = (accumulator_ << length) | code;
    bits_ += length;
    while (bits_ >= 8) {
        bits_ -= 8;
        out_.push_back(static_cast<uint8_t>(accumulator_ >> bits_));
    }
}

void CcittEncoder::Align() {
    if (bits_ > 0) Put(0, 8 - bits_);
}

void CcittEncoder::Run(int run, bool white) {
    while (run >= 2560) {
        Put(kCcittExtendedMakeUp[12].code, kCcittExtendedMakeUp[12].length);
        run -= 2560;
    }
    if (run >= 64) {
        const int index = run / 64 - 1;
        const CcittCode& c = index >= 27 ? kCcittExtendedMakeUp[index - 27]
                             : white     ? kCcittWhiteMakeUp[index]
                                         : kCcittBlackMakeUp[index];
        Put(c.code, c.length);
        run %= 64;
    }
    const CcittCode& t = white ? kCcittWhiteTerminating[run] : kCcittBlackTerminating[run];
    Put(t.code, t.length);
}

void CcittEncoder::MhRow(const uint8_t* row) {
    int x = 0;
    bool white = true;
    while (x < width_) {
        int end = x;
        while (end < width_ && White(row, end) == white) ++end;
        Run(end - x, white);
        x = end;
        white = !white;
    }
    Align();
}

void CcittEncoder::T4Row(const uint8_t* row) {
    Put(1, 12);
    MhRow(row);
}

void CcittEncoder::StartG4Strip() {
    reference_.assign({width_, width_});
}

void CcittEncoder::EndG4Strip() {
    Put(1, 12);
    Put(1, 12);
    Align();
}

int32_t CcittEncoder::G4Row(const uint8_t* row) {
    if (!BuildChangeList(row, width_, &current_)) return IMG_TIFF_CODING_OVERFLOW;
    int a0 = -1;
    bool white = true;
    std::size_t ai = 0;  // index in current_ of the next change after a0
    while (a0 < width_) {
        while (current_[ai] <= a0 && ai + 2 < current_.size()) ++ai;
        const int a1 = current_[ai];
        const std::size_t bi = FindB1(reference_, a0, white);
        const int b1 = reference_[bi];
        const int b2 = reference_[std::min(bi + 1, reference_.size() - 1)];
        if (b2 < a1) {
            Put(kCcittModes[0].code, kCcittModes[0].length);
            a0 = b2;
        } else if (a1 - b1 <= 3 && b1 - a1 <= 3) {
            const int d = a1 - b1;
            for (const CcittCode& c : kCcittModes) {
                if (c.run == kCcittVertical0 + d) Put(c.code, c.length);
            }
            a0 = a1;
            white = !white;
        } else {
            const int a2 = current_[std::min(ai + 1, current_.size() - 1)];
            const int start = a0 < 0 ? 0 : a0;
            Put(kCcittModes[1].code, kCcittModes[1].length);
            Run(a1 - start, white);
            Run(a2 - a1, !white);
            a0 = a2;
        }
    }
    reference_.swap(current_);
    return IMG_OK;
}

// ---- Strip decoder -------------------------------------------------------------------
int32_t CcittDecodeStrip(const CcittDecodeSetup& setup, const uint8_t* data, std::size_t size,
                         uint8_t* out, int rows, int* done) {
    *done = 0;
    const int width = setup.width;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    BitReader r{data, size};
    std::vector<int> reference = {width, width};
    std::vector<int> changes;
    for (int y = 0; y < rows; ++y) {
        uint8_t* row = out + static_cast<std::size_t>(y) * rowBytes;
        std::fill(row, row + rowBytes, uint8_t{0});
        int32_t status = IMG_OK;
        if (setup.compression == 2) {
            r.Align();
            status = DecodeRow1D(r, width, row, &changes);
        } else if (setup.compression == 3) {
            (void)SkipEols(r);
            bool twoD = false;
            if ((setup.t4Options & 1) != 0) {
                twoD = r.Peek(1) == 0;
                r.Skip(1);
            }
            if (twoD) {
                status = DecodeRow2D(r, width, row, reference, &changes);
            } else {
                status = DecodeRow1D(r, width, row, &changes);
            }
        } else {
            status = DecodeRow2D(r, width, row, reference, &changes);
        }
        if (status != IMG_OK) return status;
        if (r.bit > 8 * size) return IMG_CODED_DATA_ERROR;
        reference.swap(changes);
        ++*done;
    }
    return IMG_OK;
}
