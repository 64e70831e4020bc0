// Drawing images into windows: DIB sections by a blit from a memory DC,
// global-memory images by SetDIBitsToDevice.
#include "imaging/display/draw_image.h"

#include <algorithm>

#include "imaging/bridges/dib_bridges.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

int32_t DrawImageToWindowAt(win::HWND window, win::HPALETTE* palette, win::HDC dc, int32_t sourceX,
                            int32_t sourceY, ImageDesc* image, int32_t destinationX,
                            int32_t destinationY) {
    if (palette == nullptr || image == nullptr || image->header == nullptr) return IMG_BAD_ARGUMENT;
    const int32_t status = CreateImagePalette(image, palette);
    if (status != IMG_OK) return status;
    win::HPALETTE previous = nullptr;
    if (*palette != nullptr) {
        previous = win::SelectPalette(dc, *palette, win::FALSE);
        win::RealizePalette(dc);
    }
    win::RECT client{};
    win::GetClientRect(window, &client);
    win::BITMAPINFOHEADER& h = *image->header;
    const int32_t width = std::min<int32_t>(h.biWidth - sourceX, client.right - destinationX);
    const int32_t height = std::min<int32_t>(h.biHeight - sourceY, client.bottom - destinationY);
    int32_t result = IMG_OK;
    // Nothing of the picture shows: nothing to draw.
    if (width > 0 && height > 0 && sourceX >= 0 && sourceY >= 0) {
        if (image->dibSection != nullptr) {
            win::HDC memory = win::CreateCompatibleDC(dc);
            if (memory == nullptr) {
                result = IMG_NO_MEMORY;
            } else {
                win::HGDIOBJ old = win::SelectObject(memory, image->dibSection);
                if (*palette != nullptr) win::SelectPalette(memory, *palette, win::FALSE);
                if (!win::BitBlt(dc, destinationX, destinationY, width, height, memory, sourceX,
                                 sourceY, win::SRCCOPY)) {
                    result = IMG_NO_MEMORY;
                }
                win::SelectObject(memory, old);
                win::DeleteDC(memory);
            }
        } else {
            // The rows from (biHeight - sourceY - height) up, described as a
            // picture of the visible height for the call.
            const int32_t bits = h.biBitCount;
            const int32_t firstRow = h.biHeight - sourceY - height;
            const uint8_t* start = image->bits +
                                   static_cast<std::size_t>(firstRow) * image->stride +
                                   static_cast<std::size_t>(sourceX) * bits / 8;
            const int32_t xOffset = bits == 1 ? sourceX % 8 : 0;
            const win::LONG savedHeight = h.biHeight;
            const win::DWORD savedSize = h.biSizeImage;
            h.biHeight = height;
            h.biSizeImage = image->stride * static_cast<win::DWORD>(height);
            win::SetDIBitsToDevice(dc, destinationX, destinationY, static_cast<win::DWORD>(width),
                                   static_cast<win::DWORD>(height), xOffset, 0, 0,
                                   static_cast<win::UINT>(height), start,
                                   reinterpret_cast<const win::BITMAPINFO*>(image->header),
                                   win::DIB_RGB_COLORS);
            h.biHeight = savedHeight;
            h.biSizeImage = savedSize;
        }
    }
    if (*palette != nullptr) win::SelectPalette(dc, previous, win::FALSE);
    return result;
}

int32_t DrawImageToWindow(win::HWND window, win::HDC dc, win::HPALETTE* palette, int32_t sourceX,
                          int32_t sourceY, ImageDesc* image) {
    return DrawImageToWindowAt(window, palette, dc, sourceX, sourceY, image, 0, 0);
}

namespace {

// The visible part of the image, from the source point to the client area's
// right and bottom edges, converted to an 8-bit copy and drawn.
int32_t DrawImageReduced(win::HWND window, win::HDC dc, win::HPALETTE* palette, ImageDesc* image,
                         int32_t sourceX, int32_t sourceY, int32_t destinationX,
                         int32_t destinationY, int32_t deviceBits, int32_t ditherMode) {
    win::RECT client{};
    win::GetClientRect(window, &client);
    ImageDesc visible = *image;
    const int32_t endX =
        std::min<int32_t>(sourceX + client.right - destinationX - 1, image->header->biWidth - 1);
    const int32_t endY =
        std::min<int32_t>(sourceY + client.bottom - destinationY - 1, image->header->biHeight - 1);
    if (endX < sourceX || endY < sourceY) return IMG_OK;  // nothing of it shows
    SetImageRect(&visible, sourceX, sourceY, endX, endY);
    ImageDesc reduced;
    int32_t status = AllocImage(&reduced, endX - sourceX + 1, endY - sourceY + 1, 8);
    if (status != IMG_OK) return status;
    const int32_t paletteKind = deviceBits >= 8 ? 1 : kSixteenColours;
    if (ditherMode == 0 && deviceBits >= 8) {
        status = ReduceColorsCore(256, &visible, &reduced, kMapSortedAxis);
    } else if (ditherMode == 2) {
        status = ConvertDepthB(&visible, &reduced, paletteKind);
    } else {
        status = ConvertDepthA(&visible, &reduced, paletteKind);
    }
    if (status == IMG_OK) {
        status =
            DrawImageToWindowAt(window, palette, dc, 0, 0, &reduced, destinationX, destinationY);
    }
    FreeImage(&reduced);
    return status;
}

}  // namespace

int32_t DrawImageAdaptive(win::HWND window, win::HDC dc, win::HPALETTE* palette, int32_t x,
                          int32_t y, ImageDesc* image, int32_t originX, int32_t originY,
                          int32_t ditherMode) {
    if (image == nullptr || image->header == nullptr || palette == nullptr) return IMG_BAD_ARGUMENT;
    // A negative source coordinate starts the drawing that far into the window.
    int32_t sourceX = x - originX;
    int32_t sourceY = y - originY;
    int32_t destinationX = 0;
    int32_t destinationY = 0;
    if (sourceX < 0) {
        destinationX = -sourceX;
        sourceX = 0;
    }
    if (sourceY < 0) {
        destinationY = -sourceY;
        sourceY = 0;
    }
    const int32_t deviceBits = win::GetDeviceCaps(dc, win::BITSPIXEL);
    const int32_t bits = image->header->biBitCount;
    const bool manyColours = image->colorCount < 1 || image->colorCount > 16;
    if ((bits == 24 && deviceBits == 8) || (deviceBits <= 4 && bits >= 8 && manyColours)) {
        *palette = nullptr;
        return DrawImageReduced(window, dc, palette, image, sourceX, sourceY, destinationX,
                                destinationY, deviceBits, ditherMode);
    }
    return DrawImageToWindowAt(window, palette, dc, sourceX, sourceY, image, destinationX,
                               destinationY);
}
