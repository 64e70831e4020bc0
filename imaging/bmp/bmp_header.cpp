// Reading a bitmap file's headers and colour table, and the header and
// palette queries.
//
// File header (14 bytes): "BM", file size, two reserved words, pixel-data
// offset. Then either BITMAPINFOHEADER (40 bytes or more) or the OS/2 core
// header (12 bytes: 16-bit width, height, planes, depth; 3-byte colour
// entries). Forty bytes are always read behind the file header.
#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "imaging/bmp/bmp.h"
#include "imaging/bmp/bmp_internal.h"
#include "imaging/frame/library_info.h"

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

int32_t NormaliseHeader(const uint8_t* info, BmpReadState* state) {
    win::BITMAPINFOHEADER h;
    const uint32_t size = bytes::GetU32(info);
    state->headerSize = size;
    if (size <= 12) {
        h.biSize = size;
        h.biWidth = bytes::GetU16(info + 4);
        h.biHeight = bytes::GetU16(info + 6);
        h.biPlanes = bytes::GetU16(info + 8);
        h.biBitCount = bytes::GetU16(info + 10);
        h.biCompression = win::BI_RGB;
        h.biSizeImage = 0;
        h.biXPelsPerMeter = h.biYPelsPerMeter = 0;
        h.biClrUsed = h.biClrImportant = 0;
        state->tripleEntries = 1;
    } else {
        h.biSize = size;
        h.biWidth = bytes::GetI32(info + 4);
        h.biHeight = bytes::GetI32(info + 8);
        h.biPlanes = bytes::GetU16(info + 12);
        h.biBitCount = bytes::GetU16(info + 14);
        h.biCompression = bytes::GetU32(info + 16);
        h.biSizeImage = bytes::GetU32(info + 20);
        h.biXPelsPerMeter = bytes::GetI32(info + 24);
        h.biYPelsPerMeter = bytes::GetI32(info + 28);
        h.biClrUsed = bytes::GetU32(info + 32);
        h.biClrImportant = bytes::GetU32(info + 36);
        state->tripleEntries = 0;
    }
    const int32_t bits = h.biBitCount;
    if (bits < 16) {
        // A table can hold no more than 2^bits useful entries.
        const uint32_t most = bits == 0 ? 1 : uint32_t{1} << std::min(bits, 15);
        h.biClrUsed = h.biClrUsed == 0 ? most : std::min(h.biClrUsed, most);
    }
    if (h.biClrImportant == 0) h.biClrImportant = h.biClrUsed;
    state->topDown = h.biHeight < 0;
    if (h.biHeight < 0) {
        h.biHeight = h.biHeight == INT32_MIN ? INT32_MAX : -h.biHeight;
    }
    if (h.biSizeImage == 0) {
        // Saturates where a nonsense size would not fit the field.
        const int64_t stride = (static_cast<int64_t>(bits) * h.biWidth + 31) / 32 * 4;
        const bool fits = stride >= 0 && (h.biHeight == 0 || stride <= UINT32_MAX / h.biHeight);
        h.biSizeImage = fits ? static_cast<uint32_t>(stride * h.biHeight) : UINT32_MAX;
    }
    state->header = h;
    state->colorTableOffset = uint64_t{size} + kFileHeaderBytes;
    state->colorCount = h.biClrUsed;
    return IMG_OK;
}

}  // namespace

BmpRowKind BmpRowKindFor(int32_t bits, uint32_t compression) {
    switch (bits) {
        case 1:
            return compression <= 3 ? kBmpRowPackedBits : kBmpRowNone;
        case 4:
            return compression == 0 ? kBmpRowNibbles : compression == 2 ? kBmpRowRle4 : kBmpRowNone;
        case 8:
            return compression == 0 ? kBmpRowBytes : compression == 1 ? kBmpRowRle8 : kBmpRowNone;
        case 16:
            return compression == 0 || compression == 3 ? kBmpRowMasked16 : kBmpRowNone;
        case 24:
            return compression <= 3 ? kBmpRowBytes : kBmpRowNone;
        case 32:
            return compression == 0 || compression == 3 ? kBmpRowMasked32 : kBmpRowNone;
        default:
            return kBmpRowNone;
    }
}

int32_t ReadBmpHeader(const ImageSource& source) {
    BmpReadState& state = bmpReadState;
    state = BmpReadState{};
    ImageStream stream;
    int32_t status = OpenImageSource(source, &stream);
    if (status != IMG_OK) return status;
    uint8_t head[kFileHeaderBytes + kInfoHeaderBytes];
    const std::size_t got = ReadBytes(stream, head, sizeof head);
    if (got < kFileHeaderBytes || head[0] != 'B' || head[1] != 'M' || got < sizeof head) {
        CloseImageStream(&stream);
        return IMG_NO_BITMAP_DATA;
    }
    state.pixelOffset = bytes::GetU32(head + 10);
    status = NormaliseHeader(head + kFileHeaderBytes, &state);
    const int32_t bits = state.header.biBitCount;
    if (status == IMG_OK && (bits == 16 || bits == 32)) {
        if (state.header.biCompression == win::BI_BITFIELDS) {
            // The three masks stand behind the 40 header bytes (inside a
            // longer header, at the same place).
            uint8_t masks[12];
            if (ReadBytes(stream, masks, sizeof masks) < sizeof masks) {
                status = IMG_NO_BITMAP_DATA;
            } else {
                for (int i = 0; i < 3; ++i) state.masks[i] = bytes::GetU32(masks + 4 * i);
            }
            (void)SeekStream(stream, static_cast<int32_t>(sizeof head), 0);
        } else if (bits == 16) {
            state.masks[0] = 0x7C00;
            state.masks[1] = 0x03E0;
            state.masks[2] = 0x001F;
        } else {
            state.masks[0] = 0xFF0000;
            state.masks[1] = 0x00FF00;
            state.masks[2] = 0x0000FF;
        }
    }
    CloseImageStream(&stream);
    return status;
}

int32_t ReadBmpPalette(const ImageSource& source, win::RGBQUAD* table) {
    const BmpReadState& state = bmpReadState;
    if (state.header.biBitCount >= 16) return 0;
    const uint32_t wanted = std::min<uint32_t>(state.colorCount, 256);
    const std::size_t entryBytes = state.tripleEntries ? 3 : 4;
    if (wanted == 0 || state.colorTableOffset > INT32_MAX) return 0;
    ImageStream stream;
    const int32_t status = OpenImageSource(source, &stream);
    if (status != IMG_OK) return status;
    uint8_t raw[256 * 4];
    std::size_t got = 0;
    if (SeekStream(stream, static_cast<int32_t>(state.colorTableOffset), 0) >= 0) {
        got = ReadBytes(stream, raw, wanted * entryBytes);
    }
    CloseImageStream(&stream);
    // Only whole entries count; a table cut short gives fewer.
    const auto entries = static_cast<int32_t>(got / entryBytes);
    for (int32_t i = 0; i < entries; ++i) {
        const uint8_t* e = raw + static_cast<std::size_t>(i) * entryBytes;
        table[i] = win::RGBQUAD{e[0], e[1], e[2], entryBytes == 4 ? e[3] : uint8_t{0}};
    }
    return entries;
}

namespace {

int32_t HeaderQuery(const ImageSource& source, win::BITMAPINFOHEADER* header) {
    if (header == nullptr) return IMG_BAD_ARGUMENT;
    ImageLock lock(kBmpLock);
    const int32_t status = ReadBmpHeader(source);
    if (status == IMG_OK) *header = bmpReadState.header;
    return status;
}

int32_t PaletteQuery(const ImageSource& source, win::RGBQUAD* table) {
    if (table == nullptr) return IMG_BAD_ARGUMENT;
    ImageLock lock(kBmpLock);
    const int32_t status = ReadBmpHeader(source);
    if (status != IMG_OK) return status;
    return ReadBmpPalette(source, table);
}

}  // namespace

int32_t GetBmpHeader(const char* fileName, win::BITMAPINFOHEADER* header) {
    return HeaderQuery(AnsiSource(fileName), header);
}

int32_t GetBmpHeaderW(const char16_t* fileName, win::BITMAPINFOHEADER* header) {
    return HeaderQuery(WideSource(fileName), header);
}

int32_t GetBmpHeaderFromMemory(const void* block, win::BITMAPINFOHEADER* header) {
    return HeaderQuery(MemorySource(block), header);
}

int32_t GetBmpPalette(const char* fileName, win::RGBQUAD* table) {
    return PaletteQuery(AnsiSource(fileName), table);
}

int32_t GetBmpPaletteW(const char16_t* fileName, win::RGBQUAD* table) {
    return PaletteQuery(WideSource(fileName), table);
}

int32_t GetBmpPaletteFromMemory(const void* block, win::RGBQUAD* table) {
    return PaletteQuery(MemorySource(block), table);
}
