// Writing JPEG files: the save core, the quantisation tables of a quality,
// the header segments, the JFXX thumbnail, MCU assembly and baseline coding.
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "imaging/geometry/geometry.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/jpeg/jpeg_encoder.h"

namespace {

constexpr std::size_t kOutputBuffer = 65536;

void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(static_cast<uint8_t>(x >> 8));
    v.push_back(static_cast<uint8_t>(x));
}

void BuildQuantTables(int32_t quality, JpegEncoder& e) {
    quality = std::clamp(quality, 1, 100);
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    const uint8_t* bases[2] = {kJpegLumaQuant, kJpegChromaQuant};
    for (int t = 0; t < 2; ++t) {
        e.quant16[t] = false;
        for (int i = 0; i < 64; ++i) {
            const int v = (bases[t][i] * scale + 50) / 100;
            if (v > 255) e.quant16[t] = true;
            e.quant[t][i] = static_cast<uint16_t>(v == 0 ? 8 : std::min(8 * v, 32767));
        }
    }
}

void SetUpFrame(JpegEncoder& e) {
    e.hmax = e.components == 3 ? 2 : 1;
    e.vmax = e.hmax;
    e.mcuWidth = 8 * e.hmax;
    e.mcuHeight = 8 * e.vmax;
    e.mcusAcross = (e.width + e.mcuWidth - 1) / e.mcuWidth;
    e.mcusDown = (e.height + e.mcuHeight - 1) / e.mcuHeight;
    e.blocksInMcu = 0;
    for (int ci = 0; ci < e.components; ++ci) {
        JpegEncodeComponent& c = e.comp[ci];
        c = JpegEncodeComponent{};
        c.id = ci + 1;
        c.h = ci == 0 ? e.hmax : 1;
        c.v = ci == 0 ? e.vmax : 1;
        c.quant = c.dcTable = c.acTable = ci == 0 ? 0 : 1;
        const int areaW = (e.width * c.h + e.hmax - 1) / e.hmax;
        const int areaH = (e.height * c.v + e.vmax - 1) / e.vmax;
        c.blocksAcross = (areaW + 7) / 8;
        c.blocksDown = (areaH + 7) / 8;
        c.storeAcross = e.mcusAcross * c.h;
        for (int b = 0; b < c.h * c.v; ++b) e.mcuBlock[e.blocksInMcu++] = ci;
    }
}

void AppendDht(std::vector<uint8_t>& v, const JpegHuffmanTable& t, int classIndex) {
    v.push_back(static_cast<uint8_t>(classIndex));
    for (int l = 1; l <= 16; ++l) v.push_back(t.bits[l]);
    v.insert(v.end(), t.values, t.values + t.count);
}

// SOI and APP0, (JFXX), DQT with SOF, and in baseline mode DHT and SOS.
int32_t WriteHeader(JpegEncoder& e, const std::vector<uint8_t>& thumbnail) {
    std::vector<uint8_t> head = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 2};
    head.push_back(static_cast<uint8_t>(JpegSettings.units));
    Put16(head, JpegSettings.xDensity);
    Put16(head, JpegSettings.yDensity);
    head.push_back(0);
    head.push_back(0);
    int32_t status = WriteSegment(e, head.data(), head.size());
    if (status == IMG_OK && !thumbnail.empty())
        status = WriteSegment(e, thumbnail.data(), thumbnail.size());
    if (status != IMG_OK) return status;

    const int tables = e.components == 3 ? 2 : 1;
    std::vector<uint8_t> dqt = {0xFF, 0xDB};
    uint32_t length = 2;
    for (int t = 0; t < tables; ++t) length += e.quant16[t] ? 129 : 65;
    Put16(dqt, length);
    for (int t = 0; t < tables; ++t) {
        dqt.push_back(static_cast<uint8_t>((e.quant16[t] ? 0x10 : 0) | t));
        for (int k = 0; k < 64; ++k) {
            const uint32_t q = e.quant[t][kJpegZigZag[k]] / 8u;
            if (e.quant16[t]) dqt.push_back(static_cast<uint8_t>(q >> 8));
            dqt.push_back(static_cast<uint8_t>(q));
        }
    }
    std::vector<uint8_t> sof;
    const uint8_t sofCode = e.mode == JPEG_MODE_PROGRESSIVE  ? 0xC2
                            : (e.quant16[0] || e.quant16[1]) ? 0xC1
                                                             : 0xC0;
    sof = {0xFF, sofCode};
    Put16(sof, static_cast<uint32_t>(8 + 3 * e.components));
    sof.push_back(8);
    Put16(sof, static_cast<uint32_t>(e.height));
    Put16(sof, static_cast<uint32_t>(e.width));
    sof.push_back(static_cast<uint8_t>(e.components));
    for (int ci = 0; ci < e.components; ++ci) {
        sof.push_back(static_cast<uint8_t>(e.comp[ci].id));
        sof.push_back(static_cast<uint8_t>(e.comp[ci].h << 4 | e.comp[ci].v));
        sof.push_back(static_cast<uint8_t>(e.comp[ci].quant));
    }
    std::vector<uint8_t> pair;
    if (JpegSettings.captureTables != 0) {
        std::memcpy(JpegCapture.dqt, dqt.data(), dqt.size());
        JpegCapture.dqtSize = static_cast<uint32_t>(dqt.size());
    } else {
        pair = dqt;
    }
    pair.insert(pair.end(), sof.begin(), sof.end());
    status = WriteSegment(e, pair.data(), pair.size());
    if (status != IMG_OK || e.mode != JPEG_MODE_BASELINE) return status;

    std::vector<uint8_t> dht = {0xFF, 0xC4, 0, 0};
    AppendDht(dht, e.huffman[0][0], 0x00);
    AppendDht(dht, e.huffman[1][0], 0x10);
    if (e.components == 3) {
        AppendDht(dht, e.huffman[0][1], 0x01);
        AppendDht(dht, e.huffman[1][1], 0x11);
    }
    dht[2] = static_cast<uint8_t>((dht.size() - 2) >> 8);
    dht[3] = static_cast<uint8_t>(dht.size() - 2);
    std::vector<uint8_t> sos;
    if (JpegSettings.captureTables != 0) {
        std::memcpy(JpegCapture.dht, dht.data(), dht.size());
        JpegCapture.dhtSize = static_cast<uint32_t>(dht.size());
    } else {
        sos = dht;
    }
    sos.insert(sos.end(), {0xFF, 0xDA});
    Put16(sos, static_cast<uint32_t>(6 + 2 * e.components));
    sos.push_back(static_cast<uint8_t>(e.components));
    for (int ci = 0; ci < e.components; ++ci) {
        sos.push_back(static_cast<uint8_t>(e.comp[ci].id));
        sos.push_back(static_cast<uint8_t>(e.comp[ci].dcTable << 4 | e.comp[ci].acTable));
    }
    sos.insert(sos.end(), {0, 63, 0});
    return WriteSegment(e, sos.data(), sos.size());
}

// The JFXX segment of the picture resampled to the thumbnail's size.
int32_t MakeThumbnail(ImageDesc* image, int kind, std::vector<uint8_t>* segment) {
    const int s = JpegSettings.thumbnailSize;
    const int w = RectWidth(*image);
    const int h = RectHeight(*image);
    const int tw = w > h ? s : s * w / h;
    const int th = w > h ? s * h / w : s;
    if (tw <= 0 || th <= 0) return IMG_JPEG_THUMB_TOO_LARGE;
    const bool grey = kind == 2;
    const std::size_t data =
        grey ? 768 + static_cast<std::size_t>(tw) * th : 3 * static_cast<std::size_t>(tw) * th;
    if (10 + data >= 65536) return IMG_JPEG_THUMB_TOO_LARGE;
    ImageDesc small;
    int32_t status = AllocImage(&small, tw, th, image->header->biBitCount);
    if (status != IMG_OK) return IMG_NO_MEMORY;
    small.flags = image->flags;
    status = ResizeImage(image, &small, 1);
    if (status == IMG_OK) {
        // Filled in place (growing the vector byte by byte trips the optimiser's
        // overflow warning).
        segment->assign(12 + data, 0);
        uint8_t* out = segment->data();
        const std::size_t length = 2 + 5 + 1 + 2 + data;
        const uint8_t head[12] = {0xFF,
                                  0xE0,
                                  static_cast<uint8_t>(length >> 8),
                                  static_cast<uint8_t>(length),
                                  'J',
                                  'F',
                                  'X',
                                  'X',
                                  0,
                                  static_cast<uint8_t>(grey ? 0x11 : 0x13),
                                  static_cast<uint8_t>(tw),
                                  static_cast<uint8_t>(th)};
        std::memcpy(out, head, 12);
        std::size_t at = 12;
        if (grey) {
            for (int i = 0; i < 256; ++i, at += 3) {
                if (small.palette == nullptr || i >= small.colorCount) continue;
                out[at] = small.palette[i].rgbRed;
                out[at + 1] = small.palette[i].rgbGreen;
                out[at + 2] = small.palette[i].rgbBlue;
            }
        }
        for (int y = 0; y < th; ++y) {
            const uint8_t* row = ImageRow(small, y);
            for (int x = 0; x < tw; ++x) {
                if (grey) {
                    out[at++] = row[x];
                } else if (small.header->biBitCount == 24) {
                    out[at] = row[3 * x + 2];
                    out[at + 1] = row[3 * x + 1];
                    out[at + 2] = row[3 * x];
                    at += 3;
                } else {
                    const win::RGBQUAD& q = small.palette[row[x]];
                    out[at] = q.rgbRed;
                    out[at + 1] = q.rgbGreen;
                    out[at + 2] = q.rgbBlue;
                    at += 3;
                }
            }
        }
    }
    FreeImage(&small);
    return status;
}

// A chunk's R, G and B from BGR samples or palette indices; past the row's
// end the last sample repeats.
void Gather(const uint8_t* src, const win::RGBQUAD* palette, int x0, int n, uint8_t* r, uint8_t* g,
            uint8_t* b) {
    for (int i = 0; i < 64; ++i) {
        const int x = x0 + std::min(i, n - 1);
        if (palette == nullptr) {
            b[i] = src[3 * x];
            g[i] = src[3 * x + 1];
            r[i] = src[3 * x + 2];
        } else {
            const win::RGBQUAD& q = palette[src[x]];
            r[i] = q.rgbRed;
            g[i] = q.rgbGreen;
            b[i] = q.rgbBlue;
        }
    }
}

// BGR samples (or palette indices when `palette` is given) to Y, Cb, Cr,
// in chunks whose local arrays let the compiler use vector arithmetic.
JPEG_VECTOR_CLONES void ConvertRow(const uint8_t* src, const win::RGBQUAD* palette, int width,
                                   uint8_t* y, uint8_t* cb, uint8_t* cr) {
    constexpr int kChunk = 64;
    uint8_t r[kChunk], g[kChunk], b[kChunk], oy[kChunk], ocb[kChunk], ocr[kChunk];
    for (int x0 = 0; x0 < width; x0 += kChunk) {
        const int n = std::min(kChunk, width - x0);
        if (palette == nullptr && n == kChunk) {
            const uint8_t* p = src + 3 * x0;
            for (int i = 0; i < kChunk; ++i) {
                b[i] = p[3 * i];
                g[i] = p[3 * i + 1];
                r[i] = p[3 * i + 2];
            }
        } else {
            Gather(src, palette, x0, n, r, g, b);
        }
        for (int i = 0; i < kChunk; ++i) {
            // Unsigned arithmetic: each sum is positive and below 2^32 once complete.
            const uint32_t rr = uint16_t{r[i]}, gg = uint16_t{g[i]}, bb = uint16_t{b[i]};
            oy[i] = static_cast<uint8_t>((rr * 19595u + gg * 38470u + bb * 7471u + 32768u) >> 16);
            ocb[i] =
                static_cast<uint8_t>((bb * 32768u + 8421375u - rr * 11059u - gg * 21709u) >> 16);
            ocr[i] =
                static_cast<uint8_t>((rr * 32768u + 8421375u - gg * 27439u - bb * 5329u) >> 16);
        }
        std::memcpy(y + x0, oy, static_cast<std::size_t>(n));
        std::memcpy(cb + x0, ocb, static_cast<std::size_t>(n));
        std::memcpy(cr + x0, ocr, static_cast<std::size_t>(n));
    }
}

// One band of MCU rows as planes of samples: every row of the picture part
// converted to YCbCr (Y = (19595 R + 38470 G + 7471 B + 32768) >> 16,
// Cb = (-11059 R - 21709 G + 32768 B + 8421375) >> 16, Cr = (32768 R - 27439 G
// - 5329 B + 8421375) >> 16), padded right and down by repeating the last
// column and row; the chroma planes then down-sampled 2 x 2. Whole rows at a
// time, so the picture is read in order.
struct Band {
    int stride = 0;  // samples per row of the full planes: the MCU columns' width
    std::vector<uint8_t> full[3];
    std::vector<uint8_t> half[2];  // Cb and Cr down-sampled, stride / 2 wide, 8 rows

    void Load(const JpegEncoder& e, const ImageDesc& image, int my) {
        const int rows = e.mcuHeight;
        if (stride == 0) {
            stride = e.mcusAcross * e.mcuWidth;
            for (int c = 0; c < e.components; ++c)
                full[c].assign(static_cast<std::size_t>(stride) * rows, 0);
            if (e.components == 3)
                for (auto& h : half) h.assign(static_cast<std::size_t>(stride / 2) * 8, 0);
        }
        const int y0 = my * rows;
        for (int y = 0; y < rows; ++y) {
            const int py = std::min(y0 + y, e.height - 1);
            const uint8_t* src = ImageRow(image, image.startY + py) + 0;
            const std::size_t at = static_cast<std::size_t>(y) * stride;
            uint8_t* p0 = full[0].data() + at;
            if (e.kind == 2) {
                std::memcpy(p0, src + image.startX, static_cast<std::size_t>(e.width));
            } else if (e.kind == 0) {
                ConvertRow(src + 3 * static_cast<std::size_t>(image.startX), nullptr, e.width, p0,
                           full[1].data() + at, full[2].data() + at);
            } else {
                ConvertRow(src + image.startX, image.palette, e.width, p0, full[1].data() + at,
                           full[2].data() + at);
            }
            for (int c = 0; c < e.components; ++c) {
                uint8_t* row = full[c].data() + at;
                std::memset(row + e.width, row[e.width - 1],
                            static_cast<std::size_t>(stride - e.width));
            }
        }
        if (e.components == 3) {
            for (int c = 0; c < 2; ++c) DownSample(full[c + 1].data(), half[c].data());
        }
    }

    // The mean of each 2 x 2 square, rounded alternately down and up.
    void DownSample(const uint8_t* in, uint8_t* out) const {
        const int w = stride / 2;
        for (int y = 0; y < 8; ++y) {
            const uint8_t* r0 = in + static_cast<std::size_t>(2 * y) * stride;
            const uint8_t* r1 = r0 + stride;
            uint8_t* o = out + static_cast<std::size_t>(y) * w;
            for (int x = 0; x < w; ++x) {
                const int bias = 1 + (x & 1);
                o[x] = static_cast<uint8_t>(
                    (r0[2 * x] + r0[2 * x + 1] + r1[2 * x] + r1[2 * x + 1] + bias) >> 2);
            }
        }
    }
};

// (|c| + q / 2) / q through the reciprocal ceil(2^32 / q): exact, since the
// numerator stays below 2^16 and q below 2^15.
JPEG_VECTOR_CLONES void Quantise(const int32_t dct[64], const uint16_t q[64],
                                 const uint32_t reciprocal[64], int16_t out[64]) {
    for (int i = 0; i < 64; ++i) {
        const int32_t c = dct[i];
        const auto n = static_cast<uint64_t>((c < 0 ? -c : c) + q[i] / 2);
        const auto m = static_cast<int32_t>((n * uint64_t{reciprocal[i]}) >> 32);
        out[i] = static_cast<int16_t>(c < 0 ? -m : m);
    }
}

int32_t CodePicture(JpegEncoder& e, const ImageDesc& image) {
    int16_t coefficients[64];
    int32_t dct[64];
    uint32_t reciprocal[2][64];  // the steps are 8 and more, so each fits
    for (int t = 0; t < 2; ++t)
        for (int i = 0; i < 64; ++i)
            reciprocal[t][i] =
                static_cast<uint32_t>(((uint64_t{1} << 32) + e.quant[t][i] - 1) / e.quant[t][i]);
    // Where each block of an MCU lies: its component's plane, and its block
    // column and row within the MCU.
    int blockColumn[10], blockRow[10];
    {
        int within[3] = {0, 0, 0};
        for (int b = 0; b < e.blocksInMcu; ++b) {
            const int ci = e.mcuBlock[b];
            const int k = within[ci]++;
            blockColumn[b] = k % e.comp[ci].h;
            blockRow[b] = k / e.comp[ci].h;
        }
    }
    Band band;
    for (int my = 0; my < e.mcusDown; ++my) {
        band.Load(e, image, my);
        for (int mx = 0; mx < e.mcusAcross; ++mx) {
            for (int b = 0; b < e.blocksInMcu; ++b) {
                const int ci = e.mcuBlock[b];
                JpegEncodeComponent& c = e.comp[ci];
                // Luma (or grey) from the full plane, chroma from the halves.
                const int bx = mx * c.h + blockColumn[b];
                const int by = blockRow[b];
                const int stride = ci == 0 ? band.stride : band.stride / 2;
                const uint8_t* plane = ci == 0 ? band.full[0].data() : band.half[ci - 1].data();
                ForwardDct(plane + static_cast<std::size_t>(8 * by) * stride + 8 * bx,
                           static_cast<std::size_t>(stride), dct);
                Quantise(dct, e.quant[c.quant], reciprocal[c.quant], coefficients);
                if (e.mode == JPEG_MODE_BASELINE) {
                    EncodeSequentialBlock(e, coefficients, c);
                } else {
                    const std::size_t at = static_cast<std::size_t>(my * c.v + by) * c.storeAcross +
                                           static_cast<std::size_t>(bx);
                    std::memcpy(c.store->data() + at * 128, coefficients, 128);
                }
            }
            if (e.bits.failed) return IMG_IO_ERROR;
        }
    }
    if (e.mode != JPEG_MODE_BASELINE) return WriteOptimisedScans(e);
    e.bits.Finish();
    return e.bits.failed ? IMG_IO_ERROR : IMG_OK;
}

int32_t SaveCore(const ImageTarget& target, uint32_t flags, ImageDesc* image, int32_t quality) {
    const uint32_t rest = flags & ~JPEG_FLAG_THUMBNAIL;
    const uint32_t mode = rest == JPEG_MODE_PROGRESSIVE ? JPEG_MODE_PROGRESSIVE
                          : rest == JPEG_MODE_OPTIMIZED ? JPEG_MODE_OPTIMIZED
                                                        : JPEG_MODE_BASELINE;
    int32_t status = CheckImage(image);
    if (status != IMG_OK) return status;
    ImageLock lock(kJpegLock);
    auto e = std::make_unique<JpegEncoder>();
    ImageStream out;
    status = OpenImageTarget(target, &out);
    if (status != IMG_OK) return status;
    e->bits.out = &out;
    e->mode = mode;
    e->kind = image->header->biBitCount == 24 ? 0 : (image->flags & IMG_FLAG_GREY) != 0 ? 2 : 1;
    e->components = e->kind == 2 ? 1 : 3;
    e->width = RectWidth(*image);
    e->height = RectHeight(*image);
    std::vector<uint8_t> thumbnail;
    if ((flags & JPEG_FLAG_THUMBNAIL) != 0) status = MakeThumbnail(image, e->kind, &thumbnail);
    BuildQuantTables(quality, *e);
    if (mode == JPEG_MODE_BASELINE) {
        LoadHuffmanCounts(kJpegDcLuma, &e->huffman[0][0]);
        LoadHuffmanCounts(kJpegAcLuma, &e->huffman[1][0]);
        LoadHuffmanCounts(kJpegDcChroma, &e->huffman[0][1]);
        LoadHuffmanCounts(kJpegAcChroma, &e->huffman[1][1]);
        for (int k = 0; k < 2; ++k)
            for (int t = 0; t < 2; ++t) DeriveEncodeTable(e->huffman[k][t], &e->encode[k][t]);
    }
    SetUpFrame(*e);
    ImageBuffer output(kOutputBuffer);
    std::unique_ptr<ImageBuffer> stores[3];
    if (status == IMG_OK && output.data() == nullptr) status = IMG_NO_MEMORY;
    e->bits.buffer = output.data();
    if (status == IMG_OK && mode != JPEG_MODE_BASELINE) {
        for (int ci = 0; ci < e->components; ++ci) {
            JpegEncodeComponent& c = e->comp[ci];
            const std::size_t blocks =
                static_cast<std::size_t>(c.h) * c.v * e->mcusAcross * e->mcusDown;
            stores[ci] = std::make_unique<ImageBuffer>(blocks * 128);
            if (stores[ci]->data() == nullptr) {
                status = IMG_NO_MEMORY;
                break;
            }
            std::memset(stores[ci]->data(), 0, blocks * 128);
            c.store = stores[ci].get();
        }
    }
    JpegErrorDetail = 0;
    if (status == IMG_OK) status = WriteHeader(*e, thumbnail);
    JpegSettings.xDensity = 1;
    JpegSettings.yDensity = 1;
    JpegSettings.units = 0;
    if (status == IMG_OK) {
        status = CodePicture(*e, *image);
        if (status == IMG_IO_ERROR && e->bits.failedInScan) JpegErrorDetail = -115;
    }
    if (status == IMG_OK) {
        const uint8_t eoi[2] = {0xFF, 0xD9};
        status = WriteSegment(*e, eoi, 2);
    }
    if (target.medium == ImageMedium::kMemory) {
        if (status == IMG_IO_ERROR) status = IMG_NO_MEMORY;
        if (JpegErrorDetail == -115) JpegErrorDetail = -114;
    }
    return FinishImageTarget(target, &out, status);
}

}  // namespace

void JpegBitWriter::Byte(uint8_t b) {
    if (failed) return;
    if (fill >= kFlushAt) {
        if (WriteBytes(*out, buffer, fill) != IMG_OK) {
            failed = true;
            failedInScan = true;
            return;
        }
        fill = 0;
    }
    buffer[fill++] = b;
}

void JpegBitWriter::Finish() {
    Put(0x7F, 7);
    while (count >= 8) {
        count -= 8;
        const auto b = static_cast<uint8_t>(accumulator >> count);
        Byte(b);
        if (b == 0xFF) Byte(0);
    }
    count = 0;
    accumulator = 0;
    if (!failed && fill > 0 && WriteBytes(*out, buffer, fill) != IMG_OK) failed = true;
    fill = 0;
}

int32_t WriteSegment(JpegEncoder& e, const uint8_t* data, std::size_t size) {
    return WriteBytes(*e.bits.out, data, size);
}

namespace {

// The magnitude category of a coefficient and its extra bits (one's
// complement for a negative value).
inline void Category(int v, int& size, uint32_t& bits) {
    const int magnitude = v < 0 ? -v : v;
    size = std::bit_width(static_cast<uint32_t>(magnitude));
    bits = static_cast<uint32_t>(v < 0 ? v - 1 : v);
}

// Counting symbols for the optimised tables.
void GatherSequentialBlock(JpegEncoder& e, const int16_t* block, JpegEncodeComponent& c) {
    int size = 0;
    uint32_t bits = 0;
    Category(block[0] - c.previousDc, size, bits);
    c.previousDc = block[0];
    ++e.frequency[0][c.dcTable][size];
    uint32_t* ac = e.frequency[1][c.acTable];
    int run = 0;
    for (int k = 1; k < 64; ++k) {
        const int v = block[kJpegZigZag[k]];
        if (v == 0) {
            ++run;
            continue;
        }
        for (; run > 15; run -= 16) ++ac[0xF0];
        Category(v, size, bits);
        ++ac[(run << 4) | size];
        run = 0;
    }
    if (run > 0) ++ac[0];
}

}  // namespace

void EncodeSequentialBlock(JpegEncoder& e, const int16_t* block, JpegEncodeComponent& c) {
    if (e.gather) return GatherSequentialBlock(e, block, c);
    JpegBitWriter& out = e.bits;
    int size = 0;
    uint32_t bits = 0;
    Category(block[0] - c.previousDc, size, bits);
    c.previousDc = block[0];
    const JpegEncodeTable& dc = e.encode[0][c.dcTable];
    // The code and its extra bits together (at most 16 + 11 bits).
    out.Put((uint32_t{dc.code[size]} << size) | (bits & ((uint32_t{1} << size) - 1)),
            dc.size[size] + size);
    // The coefficients in zig-zag order and a mask of those not zero: the
    // runs are the gaps between the mask's bits.
    int16_t zigzag[64];
    uint64_t nonzero = 0;
    for (int k = 1; k < 64; ++k) {
        zigzag[k] = block[kJpegZigZag[k]];
        nonzero |= uint64_t{zigzag[k] != 0} << k;
    }
    const JpegEncodeTable& ac = e.encode[1][c.acTable];
    int last = 0;
    while (nonzero != 0) {
        const int k = std::countr_zero(nonzero);
        nonzero &= nonzero - 1;
        int run = k - last - 1;
        last = k;
        for (; run > 15; run -= 16) out.Put(ac.code[0xF0], ac.size[0xF0]);
        Category(zigzag[k], size, bits);
        const int symbol = (run << 4) | size;
        out.Put((uint32_t{ac.code[symbol]} << size) | (bits & ((uint32_t{1} << size) - 1)),
                ac.size[symbol] + size);
    }
    if (last < 63) out.Put(ac.code[0], ac.size[0]);
}

int32_t SaveJpgCore(uint32_t flags, const char16_t* wideName, const char* ansiName, void** block,
                    ImageDesc* image, int32_t quality) {
    const ImageTarget target = block != nullptr      ? MemoryTarget(block)
                               : wideName != nullptr ? WideTarget(wideName)
                                                     : AnsiTarget(ansiName);
    return SaveCore(target, flags, image, quality);
}
int32_t SaveJpg(const char* fileName, ImageDesc* image, int32_t quality, uint32_t flags) {
    return SaveJpgCore(flags, nullptr, fileName, nullptr, image, quality);
}
int32_t SaveJpgW(const char16_t* fileName, ImageDesc* image, int32_t quality, uint32_t flags) {
    return SaveJpgCore(flags, fileName, nullptr, nullptr, image, quality);
}
int32_t SaveJpgQuality(const char* fileName, ImageDesc* image, int32_t quality) {
    return SaveJpgCore(0, nullptr, fileName, nullptr, image, quality);
}
int32_t SaveJpgQualityW(const char16_t* fileName, ImageDesc* image, int32_t quality) {
    return SaveJpgCore(0, fileName, nullptr, nullptr, image, quality);
}
int32_t SaveJpgToMemory(void** block, ImageDesc* image, int32_t quality, uint32_t flags) {
    return SaveJpgCore(flags, nullptr, nullptr, block, image, quality);
}
int32_t SaveJpgToMemoryQuality(void** block, ImageDesc* image, int32_t quality) {
    return SaveJpgCore(0, nullptr, nullptr, block, image, quality);
}

void SetJpegDensity(uint32_t xDensity, uint32_t yDensity, uint32_t units) {
    if (xDensity < 65536) JpegSettings.xDensity = xDensity;
    if (yDensity < 65536) JpegSettings.yDensity = yDensity;
    if (units < 3) JpegSettings.units = units;
}

int32_t SetJpegThumbnailSize(int32_t size) {
    if (size < 1 || size > 255) return IMG_OUT_OF_RANGE;
    JpegSettings.thumbnailSize = size;
    return IMG_OK;
}

int32_t GetJpegErrorDetail() {
    if (JpegErrorDetail < 0) JpegErrorDetail |= 0x10000000;
    return JpegErrorDetail;
}

void SetJpegTableCapture(int32_t on) {
    JpegSettings.captureTables = on;
}

const JpegCapturedTables& GetJpegCapturedTables() {
    return JpegCapture;
}
