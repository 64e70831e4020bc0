// Decoding JPEG scans: the bit reader, Huffman decoding, sequential and
// progressive blocks, restarts, the inverse DCT into MCU-row strips,
// up-sampling, colour conversion and the stores into the image.
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "imaging/jpeg/jpeg_decoder.h"

namespace {

constexpr int32_t kCorrupt = -105;
constexpr int32_t kExhausted = -101;

// ---- Bit reader ---------------------------------------------------------------------
void Fill(JpegDecoder& d) {
    JpegInput& in = d.in;
    while (d.bitCount <= 56 && !d.markerHit && !d.dataEnded) {
        // Plain bytes straight from the buffer; 0xFF, the buffer's end and the
        // data's end take the careful way below.
        if (in.position < in.end && in.buffer[in.position] != 0xFF) {
            d.accumulator = (d.accumulator << 8) | in.buffer[in.position++];
            d.bitCount += 8;
            continue;
        }
        int b = d.in.Byte();
        if (b < 0) {
            d.dataEnded = true;
            break;
        }
        if (b == 0xFF) {
            int c = d.in.Peek();
            while (c == 0xFF) {
                (void)d.in.Byte();
                c = d.in.Peek();
            }
            if (c < 0) {
                d.dataEnded = true;
                break;
            }
            (void)d.in.Byte();
            if (c != 0) {
                d.pendingMarker = c;
                d.markerHit = true;
                break;
            }
        }
        d.accumulator = (d.accumulator << 8) | static_cast<uint64_t>(b);
        d.bitCount += 8;
    }
}

inline void Ensure(JpegDecoder& d, int n) {
    if (d.bitCount >= n) return;
    Fill(d);
    if (d.bitCount < n) {
        // Zero bits past the end of the data.
        const int pad = n - d.bitCount;
        d.accumulator <<= pad;
        d.bitCount = n;
        d.phantom += pad;
    }
}

inline void Consume(JpegDecoder& d, int n) {
    d.bitCount -= n;
    if (d.phantom > d.bitCount) {
        d.starved = true;
        d.phantom = d.bitCount;
    }
}

inline int GetBits(JpegDecoder& d, int n) {
    if (n == 0) return 0;
    Ensure(d, n);
    const int v = static_cast<int>((d.accumulator >> (d.bitCount - n)) & ((uint64_t{1} << n) - 1));
    Consume(d, n);
    return v;
}

inline int Extend(int v, int n) {
    return v < (1 << (n - 1)) ? v - ((1 << n) - 1) : v;
}

// `n` bits (1 to 16) already in the accumulator.
inline int TakeBits(JpegDecoder& d, int n) {
    const int v = static_cast<int>((d.accumulator >> (d.bitCount - n)) & ((uint64_t{1} << n) - 1));
    Consume(d, n);
    return v;
}

// The next symbol from at least 16 bits in the accumulator, or -1 for a code
// the table does not hold.
inline int LookUpSymbol(JpegDecoder& d, const JpegDecodeTable& t) {
    const auto look = static_cast<int>((d.accumulator >> (d.bitCount - 8)) & 0xFF);
    const int length = t.lookLength[look];
    if (length != 0) {
        Consume(d, length);
        return t.lookSymbol[look];
    }
    int l = 9;
    int32_t code = 0;
    for (; l <= 16; ++l) {
        code = static_cast<int32_t>((d.accumulator >> (d.bitCount - l)) & ((1u << l) - 1));
        if (code <= t.maxCode[l]) break;
    }
    if (l > 16) return -1;
    Consume(d, l);
    return t.values[(code + t.valueOffset[l]) & 255];
}

inline int DecodeSymbol(JpegDecoder& d, const JpegDecodeTable& t) {
    Ensure(d, 16);
    return LookUpSymbol(d, t);
}

void ResetBits(JpegDecoder& d) {
    d.accumulator = 0;
    d.bitCount = 0;
    d.phantom = 0;
    d.markerHit = false;
}

// Drops the bits up to the restart marker, finds the marker and resets the
// DC predictions and the end-of-band run.
void Restart(JpegDecoder& d) {
    ResetBits(d);
    if (d.pendingMarker >= 0xD0 && d.pendingMarker <= 0xD7) {
        d.pendingMarker = -1;
    } else if (d.pendingMarker < 0) {
        for (;;) {
            int b = d.in.Byte();
            if (b < 0) break;
            if (b != 0xFF) continue;
            int c = d.in.Peek();
            while (c == 0xFF) {
                (void)d.in.Byte();
                c = d.in.Peek();
            }
            if (c < 0) break;
            if (c == 0) {
                (void)d.in.Byte();
                continue;
            }
            (void)d.in.Byte();
            if (c < 0xD0 || c > 0xD7) {
                d.pendingMarker = c;
                d.markerHit = true;
            }
            break;
        }
    } else {
        d.markerHit = true;  // another marker: the scan has no more data
    }
    for (int i = 0; i < d.components; ++i) d.comp[i].previousDc = 0;
    d.eobRun = 0;
    d.restartsToGo = d.restartInterval;
}

// ---- Blocks ---------------------------------------------------------------------------
// Status of a block decoder: 0, or the detail of the fault.
// A symbol and its extra bits take at most 32 bits: one fill for both.
int32_t SequentialBlock(JpegDecoder& d, JpegDecodeComponent& c, int16_t* block) {
    Ensure(d, 32);
    int s = LookUpSymbol(d, d.decode[0][c.dcTable]);
    if (s < 0 || s > 11) return kCorrupt;
    const int diff = s != 0 ? Extend(TakeBits(d, s), s) : 0;
    c.previousDc = static_cast<int16_t>(c.previousDc + diff);
    block[0] = static_cast<int16_t>(c.previousDc);
    const JpegDecodeTable& ac = d.decode[1][c.acTable];
    for (int k = 1; k < 64; ++k) {
        Ensure(d, 32);
        const int rs = LookUpSymbol(d, ac);
        if (rs < 0) return kCorrupt;
        const int r = rs >> 4;
        s = rs & 15;
        if (s != 0) {
            if (s > 10) return kCorrupt;
            k += r;
            const int v = Extend(TakeBits(d, s), s);
            if (k > 63) break;
            block[kJpegZigZag[k]] = static_cast<int16_t>(v);
        } else {
            if (r != 15) break;
            k += 15;
        }
    }
    return 0;
}

int32_t DcFirstBlock(JpegDecoder& d, JpegDecodeComponent& c, int16_t* block) {
    const int s = DecodeSymbol(d, d.decode[0][c.dcTable]);
    if (s < 0 || s > 11) return kCorrupt;
    const int diff = s != 0 ? Extend(GetBits(d, s), s) : 0;
    c.previousDc = static_cast<int16_t>(c.previousDc + diff);
    block[0] = static_cast<int16_t>(static_cast<int64_t>(c.previousDc) * (int64_t{1} << d.al));
    return 0;
}

void DcRefineBlock(JpegDecoder& d, int16_t* block) {
    if (GetBits(d, 1) != 0) block[0] = static_cast<int16_t>(block[0] | (1 << d.al));
}

int32_t AcFirstBlock(JpegDecoder& d, const JpegDecodeComponent& c, int16_t* block) {
    if (d.eobRun > 0) {
        --d.eobRun;
        return 0;
    }
    const JpegDecodeTable& t = d.decode[1][c.acTable];
    for (int k = d.ss; k <= d.se; ++k) {
        const int rs = DecodeSymbol(d, t);
        if (rs < 0) return kCorrupt;
        const int r = rs >> 4;
        const int s = rs & 15;
        if (s != 0) {
            if (s > 10) return kCorrupt;
            k += r;
            const int v = Extend(GetBits(d, s), s);
            if (k > d.se) break;
            block[kJpegZigZag[k]] =
                static_cast<int16_t>(static_cast<int64_t>(v) * (int64_t{1} << d.al));
        } else if (r == 15) {
            k += 15;
        } else {
            d.eobRun = 1 << r;
            if (r != 0) d.eobRun += GetBits(d, r);
            --d.eobRun;
            break;
        }
    }
    return 0;
}

int32_t AcRefineBlock(JpegDecoder& d, const JpegDecodeComponent& c, int16_t* block) {
    const int p1 = 1 << d.al;
    const int m1 = -p1;
    const JpegDecodeTable& t = d.decode[1][c.acTable];
    const auto refine = [&](int16_t* coef) {
        if (GetBits(d, 1) != 0 && (*coef & p1) == 0)
            *coef = static_cast<int16_t>(*coef >= 0 ? *coef + p1 : *coef + m1);
    };
    int k = d.ss;
    if (d.eobRun == 0) {
        for (; k <= d.se; ++k) {
            const int rs = DecodeSymbol(d, t);
            if (rs < 0) return kCorrupt;
            int r = rs >> 4;
            int s = rs & 15;
            if (s != 0) {
                s = GetBits(d, 1) != 0 ? p1 : m1;
            } else if (r != 15) {
                d.eobRun = 1 << r;
                if (r != 0) d.eobRun += GetBits(d, r);
                break;
            }
            do {
                int16_t* coef = block + kJpegZigZag[k];
                if (*coef != 0) {
                    refine(coef);
                } else if (--r < 0) {
                    break;
                }
                ++k;
            } while (k <= d.se);
            if (s != 0 && k <= 63) block[kJpegZigZag[k]] = static_cast<int16_t>(s);
        }
    }
    if (d.eobRun > 0) {
        for (; k <= d.se; ++k) {
            int16_t* coef = block + kJpegZigZag[k];
            if (*coef != 0) refine(coef);
        }
        --d.eobRun;
    }
    return 0;
}

int32_t DecodeStoredBlock(JpegDecoder& d, JpegDecodeComponent& c, int16_t* block) {
    if (!d.progressive) return SequentialBlock(d, c, block);
    if (d.ss == 0) {
        if (d.ah == 0) return DcFirstBlock(d, c, block);
        DcRefineBlock(d, block);
        return 0;
    }
    return d.ah == 0 ? AcFirstBlock(d, c, block) : AcRefineBlock(d, c, block);
}

int16_t* StoreBlock(JpegDecodeComponent& c, int bx, int by) {
    return c.store +
           (static_cast<std::size_t>(by) * c.storeAcross + static_cast<std::size_t>(bx)) * 64;
}

// Before each MCU of a scan: a restart when its interval has run out.
void BeforeMcu(JpegDecoder& d, bool firstMcu) {
    if (d.restartInterval == 0) return;
    if (!firstMcu && d.restartsToGo == 0) Restart(d);
    --d.restartsToGo;
}

// A scan of a progressive or buffered file into the stores: 0 or a detail.
int32_t DecodeScanIntoStores(JpegDecoder& d) {
    for (int i = 0; i < d.components; ++i) d.comp[i].previousDc = 0;
    d.eobRun = 0;
    d.restartsToGo = d.restartInterval;
    ResetBits(d);
    d.starved = false;
    bool firstMcu = true;
    if (d.scanCount == 1) {
        JpegDecodeComponent& c = d.comp[d.scanComp[0]];
        for (int by = 0; by < c.blocksDown; ++by) {
            for (int bx = 0; bx < c.blocksAcross; ++bx) {
                BeforeMcu(d, firstMcu);
                firstMcu = false;
                const int32_t r = DecodeStoredBlock(d, c, StoreBlock(c, bx, by));
                if (r != 0) return r;
                if (d.starved) return kExhausted;
            }
        }
        return 0;
    }
    for (int my = 0; my < d.mcusDown; ++my) {
        for (int mx = 0; mx < d.mcusAcross; ++mx) {
            BeforeMcu(d, firstMcu);
            firstMcu = false;
            for (int i = 0; i < d.scanCount; ++i) {
                JpegDecodeComponent& c = d.comp[d.scanComp[i]];
                for (int k = 0; k < c.h * c.v; ++k) {
                    const int32_t r = DecodeStoredBlock(
                        d, c, StoreBlock(c, mx * c.h + k % c.h, my * c.v + k / c.h));
                    if (r != 0) return r;
                }
            }
            if (d.starved) return kExhausted;
        }
    }
    return 0;
}

// The Huffman tables the current scan uses, from the file or the second set.
int32_t BuildScanTables(JpegDecoder& d) {
    for (int i = 0; i < d.scanCount; ++i) {
        const JpegDecodeComponent& c = d.comp[d.scanComp[i]];
        const bool dc = !d.progressive || (d.ss == 0 && d.ah == 0);
        const bool ac = !d.progressive || d.ss > 0;
        for (int cls = 0; cls < 2; ++cls) {
            if ((cls == 0 && !dc) || (cls == 1 && !ac)) continue;
            const int t = cls == 0 ? c.dcTable : c.acTable;
            if (t > 3) return -105;
            const JpegHuffmanTable* table = &d.huffman[cls][t];
            if (table->defined == 0 && JpegSecondTables.present != 0)
                table = &JpegSecondTables.huffman[cls][t];
            if (table->defined == 0 || !DeriveDecodeTable(*table, &d.decode[cls][t])) return -105;
        }
    }
    return 0;
}

int32_t Fail(int32_t status, int32_t detail) {
    JpegErrorDetail = detail;
    return status;
}

// ---- Output ---------------------------------------------------------------------------
struct Output {
    ImageDesc* image = nullptr;
    int mode = 0;
    int outWidth = 0, outHeight = 0;
    std::vector<int> sourceColumn;        // picture column of each output column
    std::vector<int> sourceRow;           // picture row of each output row
    int nextRow = 0;                      // next output row to store
    std::vector<int> componentColumn[4];  // sample column of each output column
    int crR[256], cbB[256];
    int32_t crG[256], cbG[256];
    std::vector<uint8_t> strips[4];
    // 0 or 1 when every output column x is picture column x and the chroma
    // columns are x >> chromaShift; -1 otherwise.
    int chromaShift = -1;
    std::size_t stripStride[4] = {0, 0, 0, 0};
};

inline uint8_t Clamp(int v) {
    return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

// The clamp of a colour sum, -384 to 639, to 0..255.
struct ClampTable {
    uint8_t v[1024];
    constexpr ClampTable() : v() {
        for (int i = 0; i < 1024; ++i)
            v[i] = static_cast<uint8_t>(i < 384 ? 0 : i > 639 ? 255 : i - 384);
    }
};
constexpr ClampTable kClamp;

// YCbCr to BGR for one output row (colour mode 0 of three components). When
// the output columns are the picture's and the chroma is halved across (or
// whole), each chroma sample's terms are looked up once for its pixels.
void YccRow(const Output& o, const uint8_t* const s[4], int width, uint8_t* p) {
    const uint8_t* clamp = kClamp.v + 384;
    if (o.chromaShift == 1) {
        // Two pixels share each chroma sample: its terms are looked up once.
        int x = 0;
        for (; x + 1 < width; x += 2, p += 6) {
            const int u = s[1][x >> 1];
            const int v = s[2][x >> 1];
            const int blue = o.cbB[u];
            const int green = (o.cbG[u] + o.crG[v]) >> 16;
            const int red = o.crR[v];
            const int y0 = s[0][x];
            const int y1 = s[0][x + 1];
            p[0] = clamp[y0 + blue];
            p[1] = clamp[y0 + green];
            p[2] = clamp[y0 + red];
            p[3] = clamp[y1 + blue];
            p[4] = clamp[y1 + green];
            p[5] = clamp[y1 + red];
        }
        if (x < width) {
            const int u = s[1][x >> 1];
            const int v = s[2][x >> 1];
            const int y = s[0][x];
            p[0] = clamp[y + o.cbB[u]];
            p[1] = clamp[y + ((o.cbG[u] + o.crG[v]) >> 16)];
            p[2] = clamp[y + o.crR[v]];
        }
        return;
    }
    if (o.chromaShift == 0) {
        const int shift = 0;
        for (int x = 0; x < width; ++x, p += 3) {
            const int u = s[1][x >> shift];
            const int v = s[2][x >> shift];
            const int y = s[0][x];
            p[0] = clamp[y + o.cbB[u]];
            p[1] = clamp[y + ((o.cbG[u] + o.crG[v]) >> 16)];
            p[2] = clamp[y + o.crR[v]];
        }
        return;
    }
    const int* cy = o.componentColumn[0].data();
    const int* cb = o.componentColumn[1].data();
    const int* cr = o.componentColumn[2].data();
    for (int x = 0; x < width; ++x, p += 3) {
        const int y = s[0][cy[x]];
        const int u = s[1][cb[x]];
        const int v = s[2][cr[x]];
        p[0] = clamp[y + o.cbB[u]];
        p[1] = clamp[y + ((o.cbG[u] + o.crG[v]) >> 16)];
        p[2] = clamp[y + o.crR[v]];
    }
}

// Stores the output rows that take picture row `row` (strip row `y` of the MCU row).
void StoreRow(JpegDecoder& d, Output& o, int row, int y) {
    while (o.nextRow < o.outHeight && o.sourceRow[static_cast<std::size_t>(o.nextRow)] == row) {
        const uint8_t* s[4] = {nullptr, nullptr, nullptr, nullptr};
        for (int c = 0; c < d.components; ++c) {
            const int sampleRow = y * d.comp[c].v / d.vmax;
            s[c] = o.strips[c].data() + static_cast<std::size_t>(sampleRow) * o.stripStride[c];
        }
        ImageDesc& image = *o.image;
        uint8_t* out = ImageRow(image, image.startY + o.nextRow);
        if (image.header->biBitCount == 8) {
            const std::vector<int>& cx = o.componentColumn[0];
            for (int x = 0; x < o.outWidth; ++x)
                out[image.startX + x] = s[0][cx[static_cast<std::size_t>(x)]];
        } else if (o.mode == 0 && d.components == 3) {
            YccRow(o, s, o.outWidth, out + 3 * static_cast<std::size_t>(image.startX));
        } else {
            for (int x = 0; x < o.outWidth; ++x) {
                int v[4] = {0, 0, 0, 0};
                for (int c = 0; c < d.components; ++c)
                    v[c] = s[c][o.componentColumn[c][static_cast<std::size_t>(x)]];
                int r, g, b;
                if (d.components == 1) {
                    r = g = b = v[0];
                } else if (o.mode == 1 || o.mode == 5) {
                    r = v[0];
                    g = v[1];
                    b = v[2];
                } else if (o.mode == 4) {
                    const int k = v[3] * 75 / 100;
                    r = 255 - v[0] + k;
                    g = 255 - v[1] + k;
                    b = 255 - v[2] + k;
                } else {
                    r = v[0] + o.crR[v[2]];
                    g = v[0] + ((o.cbG[v[1]] + o.crG[v[2]]) >> 16);
                    b = v[0] + o.cbB[v[1]];
                    if (o.mode == 3) {
                        const int raise = (255 - v[3]) * 50 / 100;
                        r += raise;
                        g += raise;
                        b += raise;
                    }
                }
                uint8_t* p = out + 3 * static_cast<std::size_t>(image.startX + x);
                p[0] = Clamp(b);
                p[1] = Clamp(g);
                p[2] = Clamp(r);
            }
        }
        ++o.nextRow;
    }
}

// The picture rows of MCU row `my` from the strips.
void StoreMcuRow(JpegDecoder& d, Output& o, int my) {
    for (int y = 0; y < d.mcuHeight; ++y) {
        const int row = my * d.mcuHeight + y;
        if (row >= d.height) break;
        StoreRow(d, o, row, y);
    }
}

void InverseInto(JpegDecoder& d, Output& o, int c, const int16_t* block, int sx, int sy) {
    InverseDct(block, d.quant[d.comp[c].quant].values,
               o.strips[c].data() + static_cast<std::size_t>(sy) * o.stripStride[c] +
                   static_cast<std::size_t>(sx),
               o.stripStride[c]);
}

// Every MCU row from the coefficient stores.
void ReconstructFromStores(JpegDecoder& d, Output& o) {
    for (int my = 0; my < d.mcusDown && o.nextRow < o.outHeight; ++my) {
        for (int c = 0; c < d.components; ++c) {
            JpegDecodeComponent& comp = d.comp[c];
            for (int r = 0; r < comp.v; ++r) {
                for (int bx = 0; bx < comp.storeAcross; ++bx)
                    InverseInto(d, o, c, StoreBlock(comp, bx, my * comp.v + r), bx * 8, r * 8);
            }
        }
        StoreMcuRow(d, o, my);
    }
}

// The direct sequential case: MCU rows decoded and stored as they come.
int32_t DecodeSequentialDirect(JpegDecoder& d, Output& o) {
    for (int i = 0; i < d.components; ++i) d.comp[i].previousDc = 0;
    d.restartsToGo = d.restartInterval;
    const int stripRows = JpegSettings.stripRows;
    int16_t block[64];
    bool firstMcu = true;
    for (int my = 0; my < d.mcusDown && o.nextRow < o.outHeight; ++my) {
        if (stripRows > 0 && my > 0 && my % stripRows == 0) {
            const int drop = d.bitCount % 8;
            d.bitCount -= drop;
            if (d.phantom > d.bitCount) d.phantom = d.bitCount;
            for (int i = 0; i < d.components; ++i) d.comp[i].previousDc = 0;
        }
        if (d.scanCount == 1) {
            const int c = d.scanComp[0];
            JpegDecodeComponent& comp = d.comp[c];
            for (int r = 0; r < comp.v; ++r) {
                const int by = my * comp.v + r;
                if (by >= comp.blocksDown) break;
                for (int bx = 0; bx < comp.blocksAcross; ++bx) {
                    BeforeMcu(d, firstMcu);
                    firstMcu = false;
                    std::memset(block, 0, sizeof block);
                    const int32_t status = SequentialBlock(d, comp, block);
                    if (status != 0) return status;
                    if (d.starved) return kExhausted;
                    InverseInto(d, o, c, block, bx * 8, r * 8);
                }
            }
        } else {
            for (int mx = 0; mx < d.mcusAcross; ++mx) {
                BeforeMcu(d, firstMcu);
                firstMcu = false;
                for (int i = 0; i < d.scanCount; ++i) {
                    const int c = d.scanComp[i];
                    JpegDecodeComponent& comp = d.comp[c];
                    for (int k = 0; k < comp.h * comp.v; ++k) {
                        std::memset(block, 0, sizeof block);
                        const int32_t status = SequentialBlock(d, comp, block);
                        if (status != 0) return status;
                        InverseInto(d, o, c, block, (mx * comp.h + k % comp.h) * 8,
                                    (k / comp.h) * 8);
                    }
                }
                if (d.starved) return kExhausted;
            }
        }
        StoreMcuRow(d, o, my);
    }
    return 0;
}

}  // namespace

int32_t DecodeJpegPicture(JpegDecoder& d, ImageDesc* image, bool reduced, int32_t flags) {
    // Frame check.
    if (d.process < 0 || d.process > 2) return Fail(IMG_JPEG_ERROR, -110);
    if (d.width <= 0 || d.width >= 32768 || d.height <= 0 || d.height >= 32768)
        return IMG_BAD_ARGUMENT;
    if (d.components != 1 && d.components != 3 && d.components != 4)
        return Fail(IMG_JPEG_ERROR, -109);
    if (d.precision != 8) return Fail(IMG_JPEG_ERROR, -100);
    d.hmax = d.vmax = 1;
    int blocks = 0;
    for (int c = 0; c < d.components; ++c) {
        JpegDecodeComponent& comp = d.comp[c];
        if (comp.h < 1 || comp.h > 4 || comp.v < 1 || comp.v > 4 || comp.quant > 3)
            return Fail(IMG_JPEG_ERROR, -106);
        if (d.quant[comp.quant].defined == 0) {
            if (JpegSecondTables.present == 0 || JpegSecondTables.quant[comp.quant].defined == 0)
                return Fail(IMG_JPEG_ERROR, -106);
            d.quant[comp.quant] = JpegSecondTables.quant[comp.quant];
        }
        d.hmax = std::max(d.hmax, comp.h);
        d.vmax = std::max(d.vmax, comp.v);
        blocks += comp.h * comp.v;
    }
    if (blocks > 10) return Fail(IMG_JPEG_ERROR, -107);
    for (int c = 0; c < d.components; ++c) {
        if (d.hmax % d.comp[c].h != 0 || d.vmax % d.comp[c].v != 0)
            return Fail(IMG_JPEG_ERROR, -106);
    }
    const int bits = image->header->biBitCount;
    if ((bits == 8) != (d.components == 1)) return IMG_BAD_BIT_DEPTH;

    // Colour mode.
    int mode = d.components == 1   ? 0
               : d.components == 3 ? (d.adobeTransform == 0 ? 1 : 0)
                                   : (d.adobeTransform == 0 ? 5 : 3);
    if ((flags & 0x80) != 0 && (flags & 0x7F) != 2) {
        mode = flags & 0x7F;
        const int need = mode == 1 || mode == 5 ? 3 : mode == 3 || mode == 4 ? 4 : 1;
        if (need > d.components) return Fail(IMG_JPEG_ERROR, -109);
    }

    // Geometry.
    d.mcuWidth = 8 * d.hmax;
    d.mcuHeight = 8 * d.vmax;
    d.mcusAcross = (d.width + d.mcuWidth - 1) / d.mcuWidth;
    d.mcusDown = (d.height + d.mcuHeight - 1) / d.mcuHeight;
    Output o;
    o.image = image;
    o.mode = mode;
    const int rectW = RectWidth(*image);
    const int rectH = RectHeight(*image);
    if (reduced) {
        int w = static_cast<int>(static_cast<int64_t>(rectH) * d.width / d.height);
        int h = rectH;
        if (w > rectW) {
            w = rectW;
            h = static_cast<int>(static_cast<int64_t>(rectW) * d.height / d.width);
        }
        o.outWidth = std::min(w, d.width);
        o.outHeight = std::min(h, d.height);
        if (o.outWidth <= 0 || o.outHeight <= 0) return IMG_BAD_ARGUMENT;
    } else {
        o.outWidth = std::min(rectW, d.width);
        o.outHeight = std::min(rectH, d.height);
    }
    o.sourceColumn.resize(static_cast<std::size_t>(o.outWidth));
    o.sourceRow.resize(static_cast<std::size_t>(o.outHeight));
    for (int x = 0; x < o.outWidth; ++x)
        o.sourceColumn[static_cast<std::size_t>(x)] =
            reduced ? static_cast<int>(static_cast<int64_t>(x) * d.width / o.outWidth) : x;
    for (int y = 0; y < o.outHeight; ++y)
        o.sourceRow[static_cast<std::size_t>(y)] =
            reduced ? static_cast<int>(static_cast<int64_t>(y) * d.height / o.outHeight) : y;
    for (int c = 0; c < d.components; ++c) {
        JpegDecodeComponent& comp = d.comp[c];
        const int areaW = (d.width * comp.h + d.hmax - 1) / d.hmax;
        const int areaH = (d.height * comp.v + d.vmax - 1) / d.vmax;
        comp.blocksAcross = (areaW + 7) / 8;
        comp.blocksDown = (areaH + 7) / 8;
        comp.storeAcross = d.mcusAcross * comp.h;
        comp.storeDown = d.mcusDown * comp.v;
        o.stripStride[c] = static_cast<std::size_t>(comp.storeAcross) * 8;
        o.strips[c].assign(o.stripStride[c] * static_cast<std::size_t>(comp.v) * 8, 0);
        o.componentColumn[c].resize(static_cast<std::size_t>(o.outWidth));
        for (int x = 0; x < o.outWidth; ++x)
            o.componentColumn[c][static_cast<std::size_t>(x)] =
                o.sourceColumn[static_cast<std::size_t>(x)] * comp.h / d.hmax;
    }
    if (!reduced && d.components == 3) {
        for (int shift : {0, 1}) {
            bool fits = true;
            for (int c = 0; c < 3 && fits; ++c)
                for (int x = 0; x < o.outWidth && fits; ++x)
                    fits = o.componentColumn[c][static_cast<std::size_t>(x)] ==
                           (c == 0 ? x : x >> shift);
            if (fits) {
                o.chromaShift = shift;
                break;
            }
        }
    }
    for (int i = 0; i < 256; ++i) {
        const int x = i - 128;
        o.crR[i] = (91881 * x + 32768) >> 16;
        o.cbB[i] = (116130 * x + 32768) >> 16;
        o.crG[i] = -46802 * x + 32768;
        o.cbG[i] = -22554 * x;
    }

    // The first scan.
    int32_t status = ParseJpegMarkers(d, false);
    if (status == kJpegParsedEnd || status == IMG_PRINT_ABORTED)
        return Fail(IMG_CODED_DATA_ERROR, kExhausted);
    if (status != IMG_OK) return status;
    int32_t detail = BuildScanTables(d);
    if (detail != 0) return Fail(IMG_JPEG_ERROR, detail);

    if (!d.progressive && !d.bufferedSequential) {
        detail = DecodeSequentialDirect(d, o);
        if (detail != 0) return Fail(IMG_CODED_DATA_ERROR, detail);
        return IMG_OK;
    }

    // Every scan into the stores first. The stores cannot be larger than
    // the data could fill: a block costs at least one bit in some scan.
    uint64_t totalBlocks = 0;
    for (int c = 0; c < d.components; ++c)
        totalBlocks += static_cast<uint64_t>(d.comp[c].storeAcross) * d.comp[c].storeDown;
    if (totalBlocks > 8 * static_cast<uint64_t>(d.sourceSize) + 65536)
        return Fail(IMG_CODED_DATA_ERROR, kExhausted);
    std::unique_ptr<ImageBuffer> stores[4];
    for (int c = 0; c < d.components; ++c) {
        const std::size_t bytes =
            static_cast<std::size_t>(d.comp[c].storeAcross) * d.comp[c].storeDown * 128;
        stores[c] = std::make_unique<ImageBuffer>(bytes);
        if (stores[c]->data() == nullptr) return IMG_NO_MEMORY;
        std::memset(stores[c]->data(), 0, bytes);
        d.comp[c].store = reinterpret_cast<int16_t*>(stores[c]->data());
    }
    bool first = true;
    for (;;) {
        detail = DecodeScanIntoStores(d);
        if (detail == kCorrupt) return Fail(IMG_CODED_DATA_ERROR, detail);
        if (detail == kExhausted) {
            if (first) return Fail(IMG_CODED_DATA_ERROR, detail);
            JpegErrorDetail = kExhausted;
            break;
        }
        first = false;
        status = ParseJpegMarkers(d, false);
        if (status == IMG_PRINT_ABORTED) break;
        if (status == kJpegParsedEnd) {
            JpegErrorDetail = kExhausted;
            break;
        }
        if (status != IMG_OK) return status;
        detail = BuildScanTables(d);
        if (detail != 0) return Fail(IMG_JPEG_ERROR, detail);
    }
    ReconstructFromStores(d, o);
    for (int c = 0; c < d.components; ++c) d.comp[c].store = nullptr;
    return IMG_OK;
}
