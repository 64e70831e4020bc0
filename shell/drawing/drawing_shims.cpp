#include "shell/drawing/drawing_shims.h"

#include "platform/gdi/gdi.h"

uint32_t GetTextExtent(win::HDC dc, const char* text, int length) {
    win::SIZE size{};
    if (length > 0) win::GetTextExtentPoint32A(dc, text, length, &size);
    return PackPoint(size.cx, size.cy);
}

uint32_t MoveTo(win::HDC dc, int x, int y) {
    win::POINT previous{};
    win::MoveToEx(dc, x, y, &previous);
    return PackPoint(previous.x, previous.y);
}

win::BOOL SetViewportExt(win::HDC dc, int xExtent, int yExtent) {
    return win::SetViewportExtEx(dc, xExtent, yExtent, nullptr);
}
win::BOOL SetViewportOrg(win::HDC dc, int x, int y) {
    return win::SetViewportOrgEx(dc, x, y, nullptr);
}
win::BOOL SetWindowExt(win::HDC dc, int xExtent, int yExtent) {
    return win::SetWindowExtEx(dc, xExtent, yExtent, nullptr);
}
win::BOOL SetWindowOrg(win::HDC dc, int x, int y) {
    return win::SetWindowOrgEx(dc, x, y, nullptr);
}
