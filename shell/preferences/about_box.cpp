// The About box paints its picture on a white client area; the labels of the
// template paint themselves.
#include "shell/preferences/about_box.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/dialogs/dialog.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/pictures/scale_bitmap.h"
#include "resources/selection_dialog_ids.h"
#include "shell/records.h"

namespace {

void ClearWhite(win::HDC dc, const win::RECT& client) {
    win::FillRect(dc, &client,
                  reinterpret_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH)));
}

void PaintPicture(win::HWND dialog, win::HDC dc) {
    win::RECT client{};
    win::GetClientRect(dialog, &client);
    ClearWhite(dc, client);
    win::HBITMAP picture = win::LoadBitmapA(mainWindowState.instance, kAboutPictureId);
    if (picture == nullptr) return;
    win::BITMAP info{};
    win::GetObjectA(picture, sizeof info, &info);
    const win::RECT place =
        AboutPictureRect(client.right, client.bottom, info.bmWidth, info.bmHeight);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    win::HBITMAP scaled = nullptr;
    if (width > 0 && height > 0)
        scaled = ScaleBitmap(picture, static_cast<uint16_t>(width), static_cast<uint16_t>(height));
    if (scaled != nullptr) {
        win::HDC memory = win::CreateCompatibleDC(dc);
        win::HGDIOBJ old = win::SelectObject(memory, scaled);
        win::BitBlt(dc, place.left, place.top, width, height, memory, 0, 0, win::SRCCOPY);
        win::SelectObject(memory, old);
        win::DeleteDC(memory);
        win::DeleteObject(scaled);
    }
    win::DeleteObject(picture);
}

}  // namespace

int AboutTemplate(int h) {
    using namespace SelectionDialogId;
    if (h <= 900) return kAbout900;
    if (h < 1080) return kAbout1079;
    if (h < 1280) return kAbout1080;
    if (h < 1600) return kAbout1599;
    return kAbout1080;
}

win::RECT AboutPictureRect(int clientWidth, int clientHeight, int bitmapWidth, int bitmapHeight) {
    if (bitmapWidth <= 0) return win::RECT{};
    const int width = static_cast<int>(std::trunc(clientWidth / 3.8));
    const int64_t scaledHeight = static_cast<int64_t>(clientWidth) * bitmapHeight / bitmapWidth;
    const int height = static_cast<int>(std::trunc(static_cast<double>(scaledHeight) / 3.8));
    const int left = (clientWidth - width) / 2;
    const int top = static_cast<int>(std::trunc(clientHeight * 0.015));
    return win::RECT{left, top, left + width, top + height};
}

void ShowAbout(win::HWND mainWindow) {
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    (void)win::DialogBoxParamA(mainWindowState.instance,
                               AboutTemplate(std::abs(desktop.bottom - desktop.top)), mainWindow,
                               About, 0);
}

win::INT_PTR About(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG: {
            win::HDC dc = win::GetDC(dialog);
            win::SetBkColor(dc, win::RGB(255, 255, 255));
            win::SetBkMode(dc, win::TRANSPARENT);
            win::RECT client{};
            win::GetClientRect(dialog, &client);
            ClearWhite(dc, client);
            win::ReleaseDC(dialog, dc);
            return win::TRUE;
        }
        case win::WM_PAINT: {
            win::PAINTSTRUCT ps;
            win::HDC dc = win::BeginPaint(dialog, &ps);
            PaintPicture(dialog, dc);
            win::EndPaint(dialog, &ps);
            return win::TRUE;
        }
        case win::WM_COMMAND:
            if (win::LOWORD(wParam) == win::IDOK || win::LOWORD(wParam) == win::IDCANCEL) {
                win::EndDialog(dialog, 1);
                return win::TRUE;
            }
            return win::FALSE;
        default:
            return win::FALSE;
    }
}
