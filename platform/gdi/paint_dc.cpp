// Device contexts of windows: GetDC/ReleaseDC for drawing at any time, and
// BeginPaint/EndPaint for the paint message, clipped to the part of the
// client area that needs painting. The windowing half keeps each window's
// pixels and its pending update rectangle; this file learns of surfaces that
// go away (their contexts then draw nothing) and paints class backgrounds.
#include "platform/system/clipboard.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/text/text_boxes.h"
#include "platform/print/print_setup.h"
#include "platform/gdi/surface.h"
#include "platform/window/window.h"

namespace win {
namespace {

void OnSurfaceEvent(HWND hwnd, detail::SurfaceEvent event) {
    if (event == detail::SurfaceEvent::Destroyed) ForgetWindowDcs(hwnd);
}

BOOL EraseBackground(HWND hwnd, HDC hdc, HBRUSH background) {
    RECT client;
    if (!GetClientRect(hwnd, &client)) return FALSE;
    return FillRect(hdc, &client, background) != 0 ? TRUE : FALSE;
}

// Drawing objects and pictures handed to the clipboard go when it is
// emptied.
void ReleaseClipboardObject(UINT format, void* handle) {
    if (format == CF_ENHMETAFILE) {
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
    } else {
        DeleteObject(static_cast<HGDIOBJ>(handle));
    }
}

void InstallHooks() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    detail::SetSurfaceHook(&OnSurfaceEvent);
    detail::SetEraseHook(&EraseBackground);
    InstallControlPainting();
    SetClipboardObjectReleaser(&ReleaseClipboardObject);
    // The printers are known from the start, so the profile names the
    // default printer before anything asks for it.
    (void)ConfiguredPrinters();
}

// Installed when the program starts: every program that paints a window
// links this file (the default window procedure begins and ends paints).
const bool kHooksInstalled = (InstallHooks(), true);

HDC NewWindowDc(HWND hwnd) {
    HDC hdc = NewDc(hwnd == nullptr ? DcKind::Screen : DcKind::Window);
    hdc->hwnd = hwnd;
    hdc->caps = ScreenCaps();
    return hdc;
}

}  // namespace

void InstallPaintHooks() {
    InstallHooks();
}

HDC GetDC(HWND hwnd) {
    InstallHooks();
    if (hwnd != nullptr && !IsWindow(hwnd)) return nullptr;
    return NewWindowDc(hwnd);
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || dc->paintDc || dc->hwnd != hwnd ||
        (dc->kind != DcKind::Window && dc->kind != DcKind::Screen)) {
        return 0;
    }
    DestroyDc(dc);
    return 1;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    InstallHooks();
    if (ps == nullptr || hwnd == nullptr || !IsWindow(hwnd)) return nullptr;
    const detail::UpdateTake take = detail::TakeUpdateRegion(hwnd);
    HDC hdc = NewWindowDc(hwnd);
    hdc->paintDc = true;
    // Drawing stays inside the rectangle that needs painting.
    hdc->state.hasBaseClip = true;
    hdc->state.baseClip =
        RegionData::FromRect(take.rect.left, take.rect.top, take.rect.right, take.rect.bottom);
    ps->hdc = hdc;
    ps->rcPaint = take.rect;
    detail::NotePaintStart(hwnd, take.rect);
    ps->fErase = FALSE;
    if (take.erase) {
        const LRESULT erased = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
        ps->fErase = erased == 0 ? TRUE : FALSE;
    }
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (ps == nullptr) return FALSE;
    DeviceContext* dc = AsDc(ps->hdc);
    if (dc == nullptr || !dc->paintDc || dc->hwnd != hwnd) return FALSE;
    DestroyDc(dc);
    return TRUE;
}

}  // namespace win
