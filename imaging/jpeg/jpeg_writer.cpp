// Writing JPEG files: the save core, the quantisation tables of a quality,
// the header segments, the JFXX thumbnail, MCU assembly and baseline coding.
#include <algorithm>
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
constexpr std::size_t kOutputFlushAt = 65520;

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

// One MCU's samples: the picture part, padded by repetition, converted to
// YCbCr and down-sampled into the blocks of the MCU.
void LoadMcu(const JpegEncoder& e, const ImageDesc& image, int mx, int my, uint8_t planes[3][256],
             uint8_t blocks[10][64]) {
    const int mw = e.mcuWidth;
    const int x0 = mx * mw;
    const int y0 = my * e.mcuHeight;
    const int cols = std::min(mw, e.width - x0);
    const int rows = std::min(e.mcuHeight, e.height - y0);
    for (int y = 0; y < rows; ++y) {
        const uint8_t* src = ImageRow(image, image.startY + y0 + y) + 0;
        for (int x = 0; x < cols; ++x) {
            const int at = image.startX + x0 + x;
            const int i = y * mw + x;
            if (e.kind == 0) {
                planes[0][i] = src[3 * at + 2];
                planes[1][i] = src[3 * at + 1];
                planes[2][i] = src[3 * at];
            } else if (e.kind == 1) {
                const win::RGBQUAD& q = image.palette[src[at]];
                planes[0][i] = q.rgbRed;
                planes[1][i] = q.rgbGreen;
                planes[2][i] = q.rgbBlue;
            } else {
                planes[0][i] = src[at];
            }
        }
        for (int c = 0; c < e.components; ++c) {
            for (int x = cols; x < mw; ++x) planes[c][y * mw + x] = planes[c][y * mw + cols - 1];
        }
    }
    for (int c = 0; c < e.components; ++c) {
        for (int y = rows; y < e.mcuHeight; ++y)
            std::memcpy(&planes[c][y * mw], &planes[c][(rows - 1) * mw],
                        static_cast<std::size_t>(mw));
    }
    if (e.components == 1) {
        std::memcpy(blocks[0], planes[0], 64);
        return;
    }
    for (int i = 0; i < mw * e.mcuHeight; ++i) {
        const int32_t r = planes[0][i];
        const int32_t g = planes[1][i];
        const int32_t b = planes[2][i];
        planes[0][i] = static_cast<uint8_t>((19595 * r + 38470 * g + 7471 * b + 32768) >> 16);
        planes[1][i] = static_cast<uint8_t>((-11059 * r - 21709 * g + 32768 * b + 8421375) >> 16);
        planes[2][i] = static_cast<uint8_t>((32768 * r - 27439 * g - 5329 * b + 8421375) >> 16);
    }
    for (int b = 0; b < 4; ++b) {
        const int bx = (b & 1) * 8;
        const int by = (b >> 1) * 8;
        for (int y = 0; y < 8; ++y)
            std::memcpy(&blocks[b][y * 8], &planes[0][(by + y) * 16 + bx], 8);
    }
    for (int c = 1; c < 3; ++c) {
        uint8_t* out = blocks[3 + c];
        for (int y = 0; y < 8; ++y) {
            int bias = 1;
            const uint8_t* r0 = &planes[c][2 * y * 16];
            const uint8_t* r1 = r0 + 16;
            for (int x = 0; x < 8; ++x) {
                out[y * 8 + x] = static_cast<uint8_t>(
                    (r0[2 * x] + r0[2 * x + 1] + r1[2 * x] + r1[2 * x + 1] + bias) >> 2);
                bias ^= 3;
            }
        }
    }
}

// (|c| + q / 2) / q through the reciprocal ceil(2^32 / q): exact, since the
// numerator stays below 2^16 and q below 2^15.
void Quantise(const int32_t dct[64], const uint16_t q[64], const uint64_t reciprocal[64],
              int16_t out[64]) {
    for (int i = 0; i < 64; ++i) {
        const int32_t c = dct[i];
        const auto n = static_cast<uint64_t>((c < 0 ? -c : c) + q[i] / 2);
        const auto m = static_cast<int32_t>((n * reciprocal[i]) >> 32);
        out[i] = static_cast<int16_t>(c < 0 ? -m : m);
    }
}

int32_t CodePicture(JpegEncoder& e, const ImageDesc& image) {
    uint8_t planes[3][256];
    uint8_t blocks[10][64];
    int16_t coefficients[64];
    int32_t dct[64];
    uint64_t reciprocal[2][64];
    for (int t = 0; t < 2; ++t)
        for (int i = 0; i < 64; ++i)
            reciprocal[t][i] = ((uint64_t{1} << 32) + e.quant[t][i] - 1) / e.quant[t][i];
    for (int my = 0; my < e.mcusDown; ++my) {
        for (int mx = 0; mx < e.mcusAcross; ++mx) {
            LoadMcu(e, image, mx, my, planes, blocks);
            int within[3] = {0, 0, 0};
            for (int b = 0; b < e.blocksInMcu; ++b) {
                JpegEncodeComponent& c = e.comp[e.mcuBlock[b]];
                ForwardDct(blocks[b], 8, dct);
                Quantise(dct, e.quant[c.quant], reciprocal[c.quant], coefficients);
                if (e.mode == JPEG_MODE_BASELINE) {
                    EncodeSequentialBlock(e, coefficients, c);
                } else {
                    const int k = within[e.mcuBlock[b]]++;
                    const std::size_t at =
                        static_cast<std::size_t>(my * c.v + k / c.h) * c.storeAcross +
                        static_cast<std::size_t>(mx * c.h + k % c.h);
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
    if (fill >= kOutputFlushAt) {
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
    count = 0;
    accumulator = 0;
    if (!failed && fill > 0 && WriteBytes(*out, buffer, fill) != IMG_OK) failed = true;
    fill = 0;
}

int32_t WriteSegment(JpegEncoder& e, const uint8_t* data, std::size_t size) {
    return WriteBytes(*e.bits.out, data, size);
}

void EncodeSequentialBlock(JpegEncoder& e, const int16_t* block, JpegEncodeComponent& c) {
    const auto symbol = [&](int cls, int table, int s) {
        if (e.gather) {
            ++e.frequency[cls][table][s];
        } else {
            e.bits.Put(e.encode[cls][table].code[s], e.encode[cls][table].size[s]);
        }
    };
    int diff = block[0] - c.previousDc;
    c.previousDc = block[0];
    int bitsValue = diff;
    if (diff < 0) {
        diff = -diff;
        --bitsValue;
    }
    int n = BitLength(static_cast<uint32_t>(diff));
    symbol(0, c.dcTable, n);
    if (n != 0 && !e.gather) e.bits.Put(static_cast<uint32_t>(bitsValue), n);
    int run = 0;
    for (int k = 1; k < 64; ++k) {
        int v = block[kJpegZigZag[k]];
        if (v == 0) {
            ++run;
            continue;
        }
        while (run > 15) {
            symbol(1, c.acTable, 0xF0);
            run -= 16;
        }
        int value = v;
        if (v < 0) {
            v = -v;
            --value;
        }
        n = BitLength(static_cast<uint32_t>(v));
        symbol(1, c.acTable, (run << 4) | n);
        if (!e.gather) e.bits.Put(static_cast<uint32_t>(value), n);
        run = 0;
    }
    if (run > 0) symbol(1, c.acTable, 0);
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
