// Header arithmetic of packed DIBs and the error reporter.
#include "printing/pictures/dib_routines.h"

#include <cstring>

#include "common/byte_io.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"

namespace {

constexpr uint32_t kInfoHeaderBytes = 40;
constexpr size_t kCoreBitCountAt = 10;  // bcSize u32, bcWidth u16, bcHeight u16, bcPlanes u16
constexpr size_t kInfoBitCountAt = 14;  // biSize u32, biWidth i32, biHeight i32, biPlanes u16
constexpr size_t kInfoClrUsedAt = 32;

uint32_t HeaderSize(const void* header) {
    return bytes::GetU32(static_cast<const uint8_t*>(header));
}

bool IsInfoHeader(const void* header) {
    return HeaderSize(header) == kInfoHeaderBytes;
}

constexpr const char* kDibErrorTexts[DibErrorCode::kLast + 1] = {
    "Not a DIB file!",
    "Couldn't allocate memory!",
    "Error reading file!",
    "Error locking memory!",
    "Error opening file!",
    "Error creating palette!",
    "Error getting a DC!",
    "Error creating MDI Child!",
    "Error creating Device Dependent Bitmap",
    "StretchBlt() failed!",
    "StretchDIBits() failed!",
    "Paint requires both DDB and DIB!",
    "SetDIBitsToDevice() failed!",
    "Printer: StartDoc failed!",
    "Printing: GetModuleHandle() couldn't find GDI!",
    "Printer: SetAbortProc failed!",
    "Printer: StartPage failed!",
    "Printer: NEWFRAME failed!",
    "Printer: EndPage failed!",
    "Printer: EndDoc failed!",
    "Only one DIB can be animated at a time!",
    "No timers available for animation!",
    "Can't copy to clipboard -- no current DIB!",
    "Clipboard is busy -- operation aborted!",
    "Can't paste -- no DIBs or DDBs in clipboard!",
    "SetDIBits() failed!",
    "File Not Found!",
    "Error writing DIB file!",
};

}  // namespace

void InitBitmapInfoHeader(win::BITMAPINFOHEADER* header, int32_t width, int32_t height,
                          int bitsPerPixel) {
    std::memset(static_cast<void*>(header), 0, sizeof *header);
    header->biSize = kInfoHeaderBytes;
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    if (bitsPerPixel <= 1)
        header->biBitCount = 1;
    else if (bitsPerPixel <= 4)
        header->biBitCount = 4;
    else if (bitsPerPixel <= 8)
        header->biBitCount = 8;
    else
        header->biBitCount = 24;
    const int64_t rowBytes = (static_cast<int64_t>(width) * header->biBitCount + 31) / 32 * 4;
    header->biSizeImage = static_cast<uint32_t>(rowBytes * height);
}

uint16_t DIBNumColors(const void* header) {
    const auto* h = static_cast<const uint8_t*>(header);
    uint16_t bits;
    if (IsInfoHeader(header)) {
        const uint32_t used = bytes::GetU32(h + kInfoClrUsedAt);
        if (used != 0) return static_cast<uint16_t>(used);
        bits = bytes::GetU16(h + kInfoBitCountAt);
    } else {
        bits = bytes::GetU16(h + kCoreBitCountAt);
    }
    switch (bits) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

uint16_t PaletteSize(const void* header) {
    const int entryBytes = IsInfoHeader(header) ? 4 : 3;  // RGBQUAD or RGBTRIPLE
    return static_cast<uint16_t>(DIBNumColors(header) * entryBytes);
}

uint8_t* FindDIBBits(void* dib) {
    return static_cast<uint8_t*>(dib) + HeaderSize(dib) + PaletteSize(dib);
}

const uint8_t* FindDIBBits(const void* dib) {
    return static_cast<const uint8_t*>(dib) + HeaderSize(dib) + PaletteSize(dib);
}

const char* DIBErrorText(int code) {
    if (code < 0 || code > DibErrorCode::kLast) return "Undefined Error!";
    return kDibErrorTexts[code];
}

int DIBError(int code) {
    return win::MessageBox(win::GetFocus(), DIBErrorText(code), nullptr, win::MB_ICONHAND);
}
