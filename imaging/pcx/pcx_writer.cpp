// Writing PCX files from 1- and 8-bit images: header, the working
// rectangle's lines from its top row down, and the 256-colour trailer.
#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/packed_rows.h"
#include "imaging/pcx/pcx_internal.h"

namespace {

void PutHeader(const ImageDesc& image, uint32_t bytesPerLine, uint8_t* h) {
    const int32_t bits = image.header->biBitCount;
    const bool hasTable = image.palette != nullptr && image.colorCount != 0;
    std::memset(h, 0, kPcxHeaderBytes);
    h[0] = 10;
    h[1] = hasTable ? 5 : 3;
    h[2] = 1;
    h[3] = static_cast<uint8_t>(bits);
    // The window carries the rectangle's own coordinates.
    bytes::PutU16(h + 4, static_cast<uint16_t>(image.startX));
    bytes::PutU16(h + 6, static_cast<uint16_t>(image.startY));
    bytes::PutU16(h + 8, static_cast<uint16_t>(image.endX));
    bytes::PutU16(h + 10, static_cast<uint16_t>(image.endY));
    bytes::PutU16(h + 12, 640);
    bytes::PutU16(h + 14, 480);
    if (hasTable && (bits == 1 || image.colorCount <= 16)) {
        const int32_t entries = std::min({image.colorCount, 16, 1 << bits});
        for (int32_t e = 0; e < entries; ++e) {
            h[16 + 3 * e] = image.palette[e].rgbRed;
            h[17 + 3 * e] = image.palette[e].rgbGreen;
            h[18 + 3 * e] = image.palette[e].rgbBlue;
        }
    }
    h[65] = 1;
    bytes::PutU16(h + 66, static_cast<uint16_t>(bytesPerLine));
    bytes::PutU16(h + 68, 1);
}

int32_t WriteLines(ImageStream& out, const ImageDesc& image, uint32_t bytesPerLine) {
    const int32_t bits = image.header->biBitCount;
    const auto width = static_cast<uint32_t>(RectWidth(image));
    const uint32_t rawBytes = bits == 1 ? (width + 7) / 8 : width;
    // Encoded lines are gathered and written in large blocks.
    const int64_t flushAt = std::max<int64_t>(1, (32770 - int64_t{rawBytes}) * 2);
    ImageBuffer line(bytesPerLine);
    ImageBuffer buffer(static_cast<std::size_t>(flushAt) + 2 * std::size_t{bytesPerLine} + 65544);
    if (line.data() == nullptr || buffer.data() == nullptr) return IMG_NO_MEMORY;
    std::size_t collected = 0;
    for (int32_t y = image.startY; y <= image.endY; ++y) {
        const uint8_t* row = ImageRow(image, y);
        std::memset(line.data(), 0, bytesPerLine);
        if (bits == 1) {
            GetPackedRun(line.data(), row, static_cast<uint32_t>(image.startX), width);
        } else {
            std::memcpy(line.data(), row + image.startX, width);
        }
        collected += EncodePcxLine(line.data(), bytesPerLine, buffer.data() + collected);
        if (static_cast<int64_t>(collected) >= flushAt) {
            if (WriteBytes(out, buffer.data(), collected) != IMG_OK) return IMG_IO_ERROR;
            collected = 0;
        }
    }
    return WriteBytes(out, buffer.data(), collected);
}

// The 256-colour palette after the lines. Readers of 8-bit files look for it
// whatever the number of colours, so every 8-bit file has one: the image's
// colours, or the grey ramp of an image without a colour table.
int32_t WriteTrailer(ImageStream& out, const ImageDesc& image) {
    uint8_t trailer[kPcxTrailerBytes] = {};
    trailer[0] = 12;
    const bool hasTable = image.palette != nullptr && image.colorCount != 0;
    const int32_t entries = hasTable ? std::min(image.colorCount, 256) : 256;
    for (int32_t e = 0; e < entries; ++e) {
        const auto grey = static_cast<uint8_t>(e);
        trailer[1 + 3 * e] = hasTable ? image.palette[e].rgbRed : grey;
        trailer[2 + 3 * e] = hasTable ? image.palette[e].rgbGreen : grey;
        trailer[3 + 3 * e] = hasTable ? image.palette[e].rgbBlue : grey;
    }
    return WriteBytes(out, trailer, sizeof trailer);
}

int32_t SavePcxCore(const ImageTarget& target, ImageDesc* image) {
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    if (image->header->biBitCount == 24) return IMG_BAD_BIT_DEPTH;
    ImageStream out;
    status = OpenImageTarget(target, &out);
    if (status != IMG_OK) return status;
    const int32_t width = RectWidth(*image);
    const int32_t height = RectHeight(*image);
    if (width > 65535 || height > 65535) return FinishImageTarget(target, &out, IMG_TOO_LARGE);

    uint32_t bytesPerLine = image->header->biBitCount == 1 ? (static_cast<uint32_t>(width) + 7) / 8
                                                           : static_cast<uint32_t>(width);
    bytesPerLine += bytesPerLine % 2;
    uint8_t header[kPcxHeaderBytes];
    PutHeader(*image, bytesPerLine, header);
    status = WriteBytes(out, header, sizeof header);
    if (status == IMG_OK) status = WriteLines(out, *image, bytesPerLine);
    if (status == IMG_OK && image->header->biBitCount == 8) status = WriteTrailer(out, *image);
    return FinishImageTarget(target, &out, status);
}

}  // namespace

std::size_t EncodePcxLine(const uint8_t* line, std::size_t count, uint8_t* out) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < count) {
        std::size_t run = 1;
        while (i + run < count && run < 63 && line[i + run] == line[i]) ++run;
        if (run > 1 || line[i] >= 192) out[n++] = static_cast<uint8_t>(192 + run);
        out[n++] = line[i];
        i += run;
    }
    return n;
}

int32_t SavePcx(const char* fileName, ImageDesc* image) {
    return SavePcxCore(AnsiTarget(fileName), image);
}

int32_t SavePcxW(const char16_t* fileName, ImageDesc* image) {
    return SavePcxCore(WideTarget(fileName), image);
}
