// The summary pages' backdrop: picture 1247 for a window wider than high,
// 4350 otherwise, scaled to the client area and copied onto the DC in the DC's
// own mapping mode.
#include "printing/pictures/backdrop.h"

#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/pictures/scale_bitmap.h"
#include "shell/records.h"

void PaintBackdropBitmap(win::HWND window, win::HDC dc, int /*mode*/) {
    win::RECT client{};
    win::GetClientRect(window, &client);
    const int w = client.right - client.left + 1;
    const int h = client.bottom - client.top + 1;
    const int id = w > h ? kBackdropLandscape : kBackdropPortrait;
    win::HBITMAP picture = win::LoadBitmapA(mainWindowState.instance, id);
    if (picture == nullptr) return;
    win::HBITMAP scaled = ScaleBitmap(picture, static_cast<uint16_t>(w), static_cast<uint16_t>(h));
    if (scaled != nullptr) {
        win::HDC memory = win::CreateCompatibleDC(dc);
        win::SetMapMode(memory, win::GetMapMode(dc));
        win::HGDIOBJ previous = win::SelectObject(memory, scaled);
        win::BitBlt(dc, 0, 0, w, h, memory, 0, 0, win::SRCCOPY);
        win::SelectObject(memory, previous);
        win::DeleteDC(memory);
        win::DeleteObject(scaled);
    }
    win::DeleteObject(picture);
}
