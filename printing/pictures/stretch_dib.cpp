// A bitmap stretched onto a device as a packed DIB read through the screen DC.
#include "printing/pictures/stretch_dib.h"

#include <cstring>

#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "printing/pictures/dib_routines.h"

bool TakesBitmaps(win::HDC dc) {
    const int caps = win::GetDeviceCaps(dc, win::RASTERCAPS);
    return (caps & (win::RC_BITBLT | win::RC_STRETCHBLT)) != 0;
}

bool BitmapSizeOrDelete(win::HBITMAP bitmap, win::BITMAP* info) {
    if (bitmap != nullptr && win::GetObjectA(bitmap, sizeof *info, info) != 0) return true;
    if (bitmap != nullptr) win::DeleteObject(bitmap);
    return false;
}

void StretchBitmapAsDib(win::HDC dc, win::HBITMAP bitmap, const win::BITMAP& info, int x, int y,
                        int width, int height) {
    win::BITMAPINFOHEADER header;
    InitBitmapInfoHeader(&header, info.bmWidth, info.bmHeight, info.bmPlanes * info.bmBitsPixel);
    const size_t bytes = sizeof header + PaletteSize(&header) + header.biSizeImage;
    win::HGLOBAL block = win::GlobalAlloc(win::GMEM_MOVEABLE | win::GMEM_ZEROINIT, bytes);
    void* dib = block != nullptr ? win::GlobalLock(block) : nullptr;
    if (dib != nullptr) {
        std::memcpy(dib, &header, sizeof header);
        auto* bitmapInfo = static_cast<win::BITMAPINFO*>(dib);
        win::HDC screen = win::GetDC(nullptr);
        const int rows = win::GetDIBits(screen, bitmap, 0, static_cast<win::UINT>(info.bmHeight),
                                        FindDIBBits(dib), bitmapInfo, win::DIB_RGB_COLORS);
        win::ReleaseDC(nullptr, screen);
        // Rows that could not be read are not drawn.
        if (rows != 0)
            win::StretchDIBits(dc, x, y, width, height, 0, 0, info.bmWidth, info.bmHeight,
                               FindDIBBits(dib), bitmapInfo, win::DIB_RGB_COLORS, win::SRCCOPY);
        win::GlobalUnlock(block);
    }
    if (block != nullptr) win::GlobalFree(block);
}
