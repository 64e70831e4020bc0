// The optimised modes of the JPEG writer: each scan is coded twice, once to
// count its symbols and once to write them with the optimal tables built from
// those counts. Progressive scans follow the fixed scripts: DC first and
// refinement scans interleaved, AC first and refinement scans per component.
#include <cstring>
#include <vector>

#include "imaging/jpeg/jpeg_encoder.h"

namespace {

struct Scan {
    int count = 0;
    int comp[3] = {0, 0, 0};  // component indices
    int ss = 0, se = 63, ah = 0, al = 0;
};

void Symbol(JpegEncoder& e, int cls, int table, int s) {
    if (e.gather) {
        ++e.frequency[cls][table][s];
    } else {
        e.bits.Put(e.encode[cls][table].code[s], e.encode[cls][table].size[s]);
    }
}

void Bits(JpegEncoder& e, uint32_t value, int n) {
    if (!e.gather && n > 0) e.bits.Put(value, n);
}

void EmitCorrection(JpegEncoder& e, const uint8_t* bits, int n) {
    if (e.gather) return;
    for (int i = 0; i < n; ++i) e.bits.Put(bits[i], 1);
}

void FlushEobRun(JpegEncoder& e, int acTable) {
    if (e.eobRun == 0) return;
    const int n = BitLength(static_cast<uint32_t>(e.eobRun)) - 1;
    Symbol(e, 1, acTable, n << 4);
    Bits(e, static_cast<uint32_t>(e.eobRun), n);
    e.eobRun = 0;
    EmitCorrection(e, e.correction, e.correctionCount);
    e.correctionCount = 0;
}

int16_t* BlockAt(JpegEncodeComponent& c, int bx, int by) {
    const std::size_t at =
        static_cast<std::size_t>(by) * c.storeAcross + static_cast<std::size_t>(bx);
    return reinterpret_cast<int16_t*>(c.store->data() + at * 128);
}

void DcFirst(JpegEncoder& e, JpegEncodeComponent& c, const int16_t* block, int al) {
    const int value = block[0] >> al;
    int diff = value - c.previousDc;
    c.previousDc = value;
    int bits = diff;
    if (diff < 0) {
        diff = -diff;
        --bits;
    }
    const int n = BitLength(static_cast<uint32_t>(diff));
    Symbol(e, 0, c.dcTable, n);
    Bits(e, static_cast<uint32_t>(bits), n);
}

void AcFirst(JpegEncoder& e, const JpegEncodeComponent& c, const int16_t* block, const Scan& s) {
    int run = 0;
    for (int k = s.ss; k <= s.se; ++k) {
        int v = block[kJpegZigZag[k]];
        if (v == 0) {
            ++run;
            continue;
        }
        int bits;
        if (v < 0) {
            v = (-v) >> s.al;
            bits = ~v;
        } else {
            v >>= s.al;
            bits = v;
        }
        if (v == 0) {
            ++run;
            continue;
        }
        FlushEobRun(e, c.acTable);
        while (run > 15) {
            Symbol(e, 1, c.acTable, 0xF0);
            run -= 16;
        }
        const int n = BitLength(static_cast<uint32_t>(v));
        Symbol(e, 1, c.acTable, (run << 4) + n);
        Bits(e, static_cast<uint32_t>(bits), n);
        run = 0;
    }
    if (run > 0) {
        ++e.eobRun;
        if (e.eobRun == 0x7FFF) FlushEobRun(e, c.acTable);
    }
}

void AcRefine(JpegEncoder& e, const JpegEncodeComponent& c, const int16_t* block, const Scan& s) {
    int absolute[64];
    int eob = 0;
    for (int k = s.ss; k <= s.se; ++k) {
        int v = block[kJpegZigZag[k]];
        if (v < 0) v = -v;
        v >>= s.al;
        absolute[k] = v;
        if (v == 1) eob = k;
    }
    int run = 0;
    int pending = 0;                    // correction bits of this block
    int pendingAt = e.correctionCount;  // where they start in the buffer
    for (int k = s.ss; k <= s.se; ++k) {
        const int v = absolute[k];
        if (v == 0) {
            ++run;
            continue;
        }
        while (run > 15 && k <= eob) {
            FlushEobRun(e, c.acTable);
            Symbol(e, 1, c.acTable, 0xF0);
            run -= 16;
            EmitCorrection(e, e.correction + pendingAt, pending);
            pendingAt = 0;
            pending = 0;
        }
        if (v > 1) {
            e.correction[pendingAt + pending++] = static_cast<uint8_t>(v & 1);
            continue;
        }
        FlushEobRun(e, c.acTable);
        Symbol(e, 1, c.acTable, (run << 4) + 1);
        Bits(e, block[kJpegZigZag[k]] < 0 ? 0 : 1, 1);
        EmitCorrection(e, e.correction + pendingAt, pending);
        pendingAt = 0;
        pending = 0;
        run = 0;
    }
    if (run > 0 || pending > 0) {
        ++e.eobRun;
        e.correctionCount = pendingAt + pending;
        if (e.eobRun == 0x7FFF || e.correctionCount >= 938) FlushEobRun(e, c.acTable);
    }
}

// Runs the scan's coder over its blocks (counting or writing).
void RunScan(JpegEncoder& e, const Scan& s) {
    for (int i = 0; i < s.count; ++i) e.comp[s.comp[i]].previousDc = 0;
    e.eobRun = 0;
    e.correctionCount = 0;
    const bool progressive = e.mode == JPEG_MODE_PROGRESSIVE;
    if (s.count == 1 && (s.ss > 0 || e.components == 1)) {
        JpegEncodeComponent& c = e.comp[s.comp[0]];
        for (int by = 0; by < c.blocksDown; ++by) {
            for (int bx = 0; bx < c.blocksAcross; ++bx) {
                const int16_t* block = BlockAt(c, bx, by);
                if (!progressive) {
                    EncodeSequentialBlock(e, block, c);
                } else if (s.ss == 0) {
                    if (s.ah == 0) {
                        DcFirst(e, c, block, s.al);
                    } else {
                        Bits(e, static_cast<uint32_t>(block[0] >> s.al) & 1, 1);
                    }
                } else if (s.ah == 0) {
                    AcFirst(e, c, block, s);
                } else {
                    AcRefine(e, c, block, s);
                }
            }
            if (e.bits.failed) return;
        }
    } else {
        for (int my = 0; my < e.mcusDown; ++my) {
            for (int mx = 0; mx < e.mcusAcross; ++mx) {
                for (int i = 0; i < s.count; ++i) {
                    JpegEncodeComponent& c = e.comp[s.comp[i]];
                    for (int k = 0; k < c.h * c.v; ++k) {
                        const int16_t* block = BlockAt(c, mx * c.h + k % c.h, my * c.v + k / c.h);
                        if (!progressive) {
                            EncodeSequentialBlock(e, block, c);
                        } else if (s.ah == 0) {
                            DcFirst(e, c, block, s.al);
                        } else {
                            Bits(e, static_cast<uint32_t>(block[0] >> s.al) & 1, 1);
                        }
                    }
                }
            }
            if (e.bits.failed) return;
        }
    }
    if (s.ss > 0) FlushEobRun(e, e.comp[s.comp[0]].acTable);
}

}  // namespace

int32_t WriteOptimisedScans(JpegEncoder& e) {
    std::vector<Scan> scans;
    if (e.mode == JPEG_MODE_PROGRESSIVE) {
        const JpegScanScriptEntry* script = e.components == 3 ? kJpegColourScript : kJpegGreyScript;
        const int n = e.components == 3 ? 10 : 6;
        for (int i = 0; i < n; ++i) {
            Scan s;
            s.count = script[i].count;
            for (int k = 0; k < s.count; ++k) s.comp[k] = script[i].ids[k] - 1;
            s.ss = script[i].ss;
            s.se = script[i].se;
            s.ah = script[i].ah;
            s.al = script[i].al;
            scans.push_back(s);
        }
    } else {
        Scan s;
        s.count = e.components;
        for (int k = 0; k < s.count; ++k) s.comp[k] = k;
        scans.push_back(s);
    }
    const bool progressive = e.mode == JPEG_MODE_PROGRESSIVE;
    for (const Scan& s : scans) {
        std::memset(e.frequency, 0, sizeof e.frequency);
        e.gather = true;
        RunScan(e, s);
        e.gather = false;
        // The tables this scan uses, each written once as its own DHT.
        bool written[2][2] = {{false, false}, {false, false}};
        std::vector<uint8_t> segments;
        for (int i = 0; i < s.count; ++i) {
            const JpegEncodeComponent& c = e.comp[s.comp[i]];
            for (int cls = 0; cls < 2; ++cls) {
                const bool uses = !progressive ? true
                                  : cls == 0   ? (s.ss == 0 && s.ah == 0)
                                               : s.ss > 0;
                const int t = cls == 0 ? c.dcTable : c.acTable;
                if (!uses || written[cls][t]) continue;
                written[cls][t] = true;
                BuildOptimalTable(e.frequency[cls][t], &e.huffman[cls][t]);
                DeriveEncodeTable(e.huffman[cls][t], &e.encode[cls][t]);
                const JpegHuffmanTable& h = e.huffman[cls][t];
                const std::size_t length = 19 + static_cast<std::size_t>(h.count);
                segments.insert(segments.end(),
                                {0xFF, 0xC4, static_cast<uint8_t>(length >> 8),
                                 static_cast<uint8_t>(length), static_cast<uint8_t>(cls << 4 | t)});
                segments.insert(segments.end(), h.bits + 1, h.bits + 17);
                segments.insert(segments.end(), h.values, h.values + h.count);
            }
        }
        segments.insert(segments.end(), {0xFF, 0xDA, 0, static_cast<uint8_t>(6 + 2 * s.count),
                                         static_cast<uint8_t>(s.count)});
        for (int i = 0; i < s.count; ++i) {
            const JpegEncodeComponent& c = e.comp[s.comp[i]];
            const int td = !progressive || (s.ss == 0 && s.ah == 0) ? c.dcTable : 0;
            segments.push_back(static_cast<uint8_t>(c.id));
            segments.push_back(static_cast<uint8_t>(td << 4 | c.acTable));
        }
        segments.insert(segments.end(), {static_cast<uint8_t>(s.ss), static_cast<uint8_t>(s.se),
                                         static_cast<uint8_t>(s.ah << 4 | s.al)});
        if (WriteSegment(e, segments.data(), segments.size()) != IMG_OK) return IMG_IO_ERROR;
        RunScan(e, s);
        if (e.bits.failed) return IMG_IO_ERROR;
        e.bits.Finish();
        if (e.bits.failed) return IMG_IO_ERROR;
    }
    return IMG_OK;
}
