// Painting of the built-in controls and the registration of their classes.
//
// The plain painter used until the drawing library installs its own draws
// straight into the control's surface: the background (white for edits and
// list boxes, light grey otherwise), a one-pixel frame, and for check boxes
// and radio buttons a box that is filled when checked.
#include "platform/controls/controls.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

ControlPainter& PainterSlot() {
    static ControlPainter painter = nullptr;
    return painter;
}

UINT ColorMessageFor(ControlKind kind, bool readOnly) {
    switch (kind) {
        case ControlKind::Edit:
            return readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
        case ControlKind::ListBox:
            return WM_CTLCOLORLISTBOX;
        case ControlKind::ScrollBar:
            return WM_CTLCOLORSCROLLBAR;
        case ControlKind::PushButton:
            return WM_CTLCOLORBTN;
        default:
            return WM_CTLCOLORSTATIC;
    }
}

void FillRectPixels(Surface s, RECT r, std::uint32_t pixel) {
    int x0 = std::max(0, static_cast<int>(r.left));
    int y0 = std::max(0, static_cast<int>(r.top));
    int x1 = std::min(s.width, static_cast<int>(r.right));
    int y1 = std::min(s.height, static_cast<int>(r.bottom));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) s.Row(y)[x] = pixel;
    }
}

void FramePixels(Surface s, RECT r, std::uint32_t pixel) {
    FillRectPixels(s, RECT{r.left, r.top, r.right, r.top + 1}, pixel);
    FillRectPixels(s, RECT{r.left, r.bottom - 1, r.right, r.bottom}, pixel);
    FillRectPixels(s, RECT{r.left, r.top, r.left + 1, r.bottom}, pixel);
    FillRectPixels(s, RECT{r.right - 1, r.top, r.right, r.bottom}, pixel);
}

void PlainPainter(const ControlPaintInfo& info) {
    Surface s = WindowSurface(info.hwnd);
    if (s.Empty()) return;
    constexpr std::uint32_t kWhite = 0x00FFFFFF;
    constexpr std::uint32_t kFace = 0x00D4D0C8;
    constexpr std::uint32_t kDark = 0x00404040;
    bool white = info.kind == ControlKind::Edit || info.kind == ControlKind::ListBox;
    FillRectPixels(s, info.client, white ? kWhite : kFace);
    switch (info.kind) {
        case ControlKind::Static:
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            int box = std::min(13, static_cast<int>(info.client.bottom));
            RECT b{0, (info.client.bottom - box) / 2, box, (info.client.bottom - box) / 2 + box};
            FillRectPixels(s, b, kWhite);
            FramePixels(s, b, kDark);
            if (info.checkState != BST_UNCHECKED) {
                RECT mark = b;
                mark.left += 3;
                mark.top += 3;
                mark.right -= 3;
                mark.bottom -= 3;
                FillRectPixels(s, mark, kDark);
            }
            break;
        }
        default:
            FramePixels(s, info.client, kDark);
            if (info.isDefault) {
                RECT inner = info.client;
                inner.left += 1;
                inner.top += 1;
                inner.right -= 1;
                inner.bottom -= 1;
                FramePixels(s, inner, kDark);
            }
            break;
    }
}

}  // namespace

void PaintControlInfo(HWND hwnd, ControlPaintInfo info) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    info.hwnd = hwnd;
    info.hdc = hdc;
    info.style = w->style;
    info.font = w->font;
    info.text = w->text;
    info.enabled = IsWindowEnabled(hwnd) != FALSE;
    info.focused = GetFocus() == hwnd;
    GetClientRect(hwnd, &info.client);
    if (w->parent != nullptr) {
        UINT msg = ColorMessageFor(info.kind,
                                   (w->style & ES_READONLY) != 0 && info.kind == ControlKind::Edit);
        SetTextColor(hdc, static_cast<COLORREF>(GetSysColor(COLOR_WINDOWTEXT)));
        info.background = reinterpret_cast<HBRUSH>(SendMessage(
            w->parent, msg, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
    }
    info.textColour = GetTextColor(hdc);
    if (PainterSlot() != nullptr)
        PainterSlot()(info);
    else
        PlainPainter(info);
    EndPaint(hwnd, &ps);
}

void EnsureBuiltinClasses() {
    static bool registering = false;
    if (registering || FindClassRecord(kDialogClassName) != nullptr) return;
    registering = true;
    struct Builtin {
        const char* name;
        WNDPROC proc;
        UINT style;
    };
    static const Builtin kBuiltins[] = {
        {"STATIC", StaticControlProc, 0},
        {"BUTTON", ButtonControlProc, CS_DBLCLKS},
        {"EDIT", EditControlProc, CS_DBLCLKS},
        {"LISTBOX", ListBoxControlProc, CS_DBLCLKS},
        {"SCROLLBAR", ScrollBarControlProc, CS_DBLCLKS},
        {kDialogClassName, DialogWindowProc, CS_DBLCLKS},
    };
    for (const Builtin& b : kBuiltins) {
        if (FindClassRecord(b.name) != nullptr) continue;
        WNDCLASS wc;
        wc.style = b.style;
        wc.lpfnWndProc = b.proc;
        wc.lpszClassName = b.name;
        // Dialog windows keep their dialog state in the window record; no extra bytes.
        (void)RegisterClass(&wc);
    }
    registering = false;
}

}  // namespace detail

void SetControlPainter(ControlPainter painter) {
    detail::PainterSlot() = painter;
}

void PaintControl(HWND hwnd, ControlKind kind) {
    ControlPaintInfo info;
    info.kind = kind;
    detail::PaintControlInfo(hwnd, info);
}

}  // namespace win
