// Minimal device contexts for windows until the drawing library provides
// real ones: BeginPaint hands over the update region and asks for the
// background to be erased; the handle it returns only identifies the window.
#include "platform/surface.h"
#include "platform/window.h"
#include "platform/window_internal.h"

namespace win {
namespace {

HDC TagFor(HWND hwnd) {
    return reinterpret_cast<HDC>(detail::SerialFromHandle(hwnd) | 0x1);
}

}  // namespace

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    if (!IsWindow(hwnd) || ps == nullptr) return nullptr;
    detail::UpdateTake take = detail::TakeUpdateRegion(hwnd);
    ps->hdc = TagFor(hwnd);
    ps->rcPaint = take.rect;
    // fErase tells the procedure it still has to paint the background itself.
    ps->fErase = FALSE;
    if (take.erase) {
        LRESULT erased = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0);
        ps->fErase = erased ? FALSE : TRUE;
    }
    return ps->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT*) { return TRUE; }

HDC GetDC(HWND hwnd) { return IsWindow(hwnd) ? TagFor(hwnd) : nullptr; }

int ReleaseDC(HWND, HDC hdc) { return hdc != nullptr ? 1 : 0; }

}  // namespace win
