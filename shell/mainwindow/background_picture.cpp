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

namespace {

// Stretches picture `id` over a new bitmap of the client's size.
win::HBITMAP FitPicture(win::HDC dc, int id, int width, int height) {
    win::HBITMAP picture = win::LoadBitmapA(mainWindowState.instance, id);
    mainWindowExtras.backgroundPicture = picture;
    if (picture == nullptr) return nullptr;
    win::HBITMAP fitted = win::CreateCompatibleBitmap(dc, width, height);
    if (fitted != nullptr) {
        win::BITMAP info;
        win::GetObjectA(picture, sizeof info, &info);
        win::HDC from = win::CreateCompatibleDC(dc);
        win::HDC to = win::CreateCompatibleDC(dc);
        win::HGDIOBJ oldFrom = win::SelectObject(from, picture);
        win::HGDIOBJ oldTo = win::SelectObject(to, fitted);
        win::SetStretchBltMode(to, win::HALFTONE);
        win::SetBrushOrgEx(to, 0, 0, nullptr);
        win::StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight,
                        win::SRCCOPY);
        win::SelectObject(to, oldTo);
        win::SelectObject(from, oldFrom);
        win::DeleteDC(to);
        win::DeleteDC(from);
    }
    win::DeleteObject(picture);
    mainWindowExtras.backgroundPicture = nullptr;
    return fitted;
}

}  // namespace

void ReleaseFittedBackground() {
    MainWindowExtras& x = mainWindowExtras;
    if (x.fittedBackground != nullptr) win::DeleteObject(x.fittedBackground);
    x.fittedBackground = nullptr;
    x.fittedPictureId = x.fittedWidth = x.fittedHeight = 0;
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

    MainWindowExtras& x = mainWindowExtras;
    x.backgroundPictureId = ChooseBackgroundPicture(w, h);
    // The picture is stretched once for a picture and size: later paints copy it.
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (win::GetObjectType(x.fittedBackground) != win::OBJ_BITMAP ||
        x.fittedPictureId != x.backgroundPictureId || x.fittedWidth != width ||
        x.fittedHeight != height) {
        ReleaseFittedBackground();
        x.fittedBackground = FitPicture(dc, x.backgroundPictureId, width, height);
        x.fittedPictureId = x.backgroundPictureId;
        x.fittedWidth = width;
        x.fittedHeight = height;
    }
    if (x.fittedBackground != nullptr) {
        win::HDC memory = win::CreateCompatibleDC(dc);
        win::HGDIOBJ old = win::SelectObject(memory, x.fittedBackground);
        win::BitBlt(dc, client.left, client.top, width, height, memory, 0, 0, win::SRCCOPY);
        win::SelectObject(memory, old);
        win::DeleteDC(memory);
    }
    win::EndPaint(hwnd, &ps);
}
