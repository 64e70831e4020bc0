// The main window's background: one of eight pictures chosen by the desktop's
// width and its width-to-height ratio, stretched over the whole client area.
#include <cmath>

#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/mainwindow/main_window.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"

int ChooseBackgroundPicture(int width, int height) {
    if (height == 0) return PictureId::k1600x1200;
    const float ratio = static_cast<float>(width) / static_cast<float>(height);
    if (ratio > 1.343f) {  // wide screens
        if (width <= 1280) return PictureId::k1280x800;
        if (width <= 1680) return PictureId::k1680x1050;
        return PictureId::k1920x1200;
    }
    if (ratio > 1.25f) {  // 4:3 screens
        if (width <= 640) return PictureId::k640x480;
        if (width <= 900) return PictureId::k800x600;
        if (width <= 1024) return PictureId::k1023x768;
        if (width <= 1600) return PictureId::k1600x1200;
        if (width <= 1680) return PictureId::k1680x1050;
        if (width <= 1920) return PictureId::k1920x1200;
        return PictureId::k1600x1200;
    }
    return PictureId::k1600x1200;  // 5:4 and narrower
}

void PaintBackground(win::HWND hwnd) {
    win::PAINTSTRUCT ps;
    win::HDC dc = win::BeginPaint(hwnd, &ps);
    win::RECT client;
    win::GetClientRect(hwnd, &client);
    win::RECT desktop;
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    const int w = std::abs(desktop.right - desktop.left);
    const int h = std::abs(desktop.top - desktop.bottom);

    mainWindowExtras.backgroundPictureId = ChooseBackgroundPicture(w, h);
    win::HBITMAP picture =
        win::LoadBitmapA(mainWindowState.instance, mainWindowExtras.backgroundPictureId);
    mainWindowExtras.backgroundPicture = picture;
    if (picture != nullptr) {
        win::BITMAP info;
        win::GetObjectA(picture, sizeof info, &info);
        win::HDC memory = win::CreateCompatibleDC(dc);
        win::HGDIOBJ old = win::SelectObject(memory, picture);
        win::SetStretchBltMode(dc, win::HALFTONE);
        win::SetBrushOrgEx(dc, 0, 0, nullptr);
        win::StretchBlt(dc, client.left, client.top, client.right, client.bottom, memory, 0, 0,
                        info.bmWidth, info.bmHeight, win::SRCCOPY);
        win::SelectObject(memory, old);
        win::DeleteDC(memory);
        win::DeleteObject(picture);
        mainWindowExtras.backgroundPicture = nullptr;
    }
    win::EndPaint(hwnd, &ps);
}
