// Packed device-independent bitmaps (DIBs): a header (a 40-byte info header,
// or the older 12-byte core header), the colour table, then the pixel rows,
// all in one block. The report logo goes through them on its way to the
// printer. The error reporter names every failure of the picture and
// printer calls with one sentence.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_types.h"

// Fills a 40-byte info header: width, height, one plane, a bit count of 1, 4,
// 8 or 24 (the least that holds `bitsPerPixel`; 16 and 32 become 24) and the
// size of the rows, each padded to 32 bits. Everything else is 0.
void InitBitmapInfoHeader(win::BITMAPINFOHEADER* header, int32_t width, int32_t height,
                          int bitsPerPixel);

// Colours in the table after the header: biClrUsed of an info header when it
// is not 0, else 2, 16 or 256 for 1, 4 or 8 bits, 0 for more.
[[nodiscard]] uint16_t DIBNumColors(const void* header);
// Bytes of the colour table: 4 per colour after an info header, 3 after a core
// header.
[[nodiscard]] uint16_t PaletteSize(const void* header);
// The pixel rows of a packed DIB: after the header and its colour table.
[[nodiscard]] uint8_t* FindDIBBits(void* dib);
[[nodiscard]] const uint8_t* FindDIBBits(const void* dib);

// The messages of DIBError by code.
namespace DibErrorCode {
enum : int {
    kNotADib = 0,
    kNoMemory = 1,
    kStartDoc = 13,
    kStartPage = 16,
    kEndPage = 18,
    kEndDoc = 19,
    kLast = 27,
};
}

// The text of an error code ("Printer: EndDoc failed!" ...); "Undefined Error!"
// for a code outside the table.
[[nodiscard]] const char* DIBErrorText(int code);
// Shows the text with the stop icon and no caption, owned by the window that
// has the focus; returns the message box result.
int DIBError(int code);
