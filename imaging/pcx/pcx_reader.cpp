// Reading PCX files into an image the caller allocated with the depth the
// header query gives. The file's first line goes to the working rectangle's
// top row; lines and columns beyond the rectangle are not read.
#include <algorithm>
#include <cstring>

#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/packed_rows.h"
#include "imaging/pcx/pcx_internal.h"

namespace {

constexpr std::size_t kReadBufferBytes = 65540;

// Run-length decoding that carries a run cut at a line's end into the next line.
class LineDecoder {
  public:
    explicit LineDecoder(StreamReader& in) : in_(in) {}
    // Fills `count` bytes; false when the data ends first.
    bool Decode(uint8_t* out, std::size_t count) {
        std::size_t n = 0;
        while (n < count) {
            if (runLeft_ == 0) {
                const int b = in_.Byte();
                if (b < 0) return false;
                if (b > 192) {
                    const int value = in_.Byte();
                    if (value < 0) return false;
                    runLeft_ = static_cast<std::size_t>(b & 63);
                    runValue_ = static_cast<uint8_t>(value);
                    continue;
                }
                runLeft_ = 1;
                runValue_ = static_cast<uint8_t>(b);
            }
            const std::size_t take = std::min(runLeft_, count - n);
            std::memset(out + n, runValue_, take);
            n += take;
            runLeft_ -= take;
        }
        return true;
    }

  private:
    StreamReader& in_;
    std::size_t runLeft_ = 0;
    uint8_t runValue_ = 0;
};

void StoreLine(PcxKind kind, const uint8_t* line, std::size_t bytesPerLine, uint8_t* out,
               int32_t startX, int32_t columns) {
    const auto x0 = static_cast<std::size_t>(startX);
    const auto n = static_cast<std::size_t>(columns);
    switch (kind) {
        case kPcxBytes:
            std::memcpy(out + x0, line, n);
            break;
        case kPcxPackedBits:
            PutPackedRun(out, line, static_cast<uint32_t>(startX), static_cast<uint32_t>(columns));
            break;
        case kPcxFourPlanes:
            for (std::size_t x = 0; x < n; ++x) {
                const int bit = 7 - static_cast<int>(x % 8);
                uint8_t index = 0;
                for (std::size_t plane = 0; plane < 4; ++plane) {
                    index |= static_cast<uint8_t>(((line[plane * bytesPerLine + x / 8] >> bit) & 1)
                                                  << plane);
                }
                out[x0 + x] = index;
            }
            break;
        case kPcxNibbles:
            for (std::size_t x = 0; x < n; ++x) {
                out[x0 + x] = x % 2 == 0 ? line[x / 2] >> 4 : line[x / 2] & 0x0F;
            }
            break;
        case kPcxThreePlanes:
            for (std::size_t x = 0; x < n; ++x) {
                uint8_t* bgr = out + 3 * (x0 + x);
                bgr[0] = line[2 * bytesPerLine + x];
                bgr[1] = line[bytesPerLine + x];
                bgr[2] = line[x];
            }
            break;
        default:
            break;
    }
}

void TakePalette(const ImageSource& source, PcxKind kind, ImageDesc& image) {
    const int32_t bits = image.header->biBitCount;
    if (bits > 8 || image.palette == nullptr) return;
    win::RGBQUAD table[256];
    int32_t count = ReadPcxPalette(source, table);
    if (count == 2 && std::memcmp(&table[0], &table[1], sizeof table[0]) == 0) count = 0;
    if (count <= 0) {
        if (kind == kPcxFourPlanes || kind == kPcxNibbles) {
            std::copy(kPcxDefaultPalette, kPcxDefaultPalette + std::min(16, 1 << bits),
                      image.palette);
            image.colorCount = std::min(16, 1 << bits);
            image.flags &= ~IMG_FLAG_GREY;
        } else {
            InitImagePalette(&image);
            return;
        }
    } else {
        const int32_t kept = std::min(count, 1 << bits);
        std::copy(table, table + kept, image.palette);
        image.colorCount = kept;
        image.flags =
            IsGreyPalette(&image) ? (image.flags | IMG_FLAG_GREY) : (image.flags & ~IMG_FLAG_GREY);
    }
    if (image.dibSection != nullptr) (void)SetDibSectionPalette(&image);
}

int32_t LoadPcxCore(const ImageSource& source, ImageDesc* image) {
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    PcxInfo info;
    status = ReadPcxHeader(source, &info, nullptr);
    if (status != IMG_OK) return status;
    if (info.width > 65535 || info.height > 65535) return IMG_TOO_LARGE;
    const PcxKind kind = PcxKindFor(info.planes, info.bitsPerPixel);
    if (kind == kPcxNone) return IMG_NOT_PCX;
    if (image->header->biBitCount != info.imageDepth) return IMG_BAD_BIT_DEPTH;

    ImageStream in;
    if (OpenImageSource(source, &in) != IMG_OK) return IMG_NOT_THIS_FORMAT;
    const int32_t columns = std::min(RectWidth(*image), info.width);
    const int32_t rows = std::min(RectHeight(*image), info.height);
    const auto bytesPerLine = static_cast<std::size_t>(info.bytesPerLine);
    StreamReader reader(in, kReadBufferBytes);
    ImageBuffer line(static_cast<std::size_t>(info.planes) * bytesPerLine);
    if (!reader.ok() || line.data() == nullptr) {
        status = IMG_NO_MEMORY;
    } else if (SeekStream(in, static_cast<int32_t>(kPcxHeaderBytes), 0) < 0) {
        status = IMG_IO_ERROR;
    } else {
        LineDecoder decoder(reader);
        for (int32_t r = 0; r < rows; ++r) {
            if (!decoder.Decode(line.data(), line.size())) {
                status = IMG_IO_ERROR;  // the lines already stored stay
                break;
            }
            StoreLine(kind, line.data(), bytesPerLine, ImageRow(*image, image->startY + r),
                      image->startX, columns);
        }
    }
    CloseImageStream(&in);
    if (status != IMG_NO_MEMORY) TakePalette(source, kind, *image);
    return status;
}

}  // namespace

int32_t LoadPcx(const char* fileName, ImageDesc* image) {
    return LoadPcxCore(AnsiSource(fileName), image);
}

int32_t LoadPcxW(const char16_t* fileName, ImageDesc* image) {
    return LoadPcxCore(WideSource(fileName), image);
}
