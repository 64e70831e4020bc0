// The "BUTTON" control: push buttons (the default one marked), check boxes
// (manual, automatic, three-state), radio buttons (automatic ones clear the
// others of their group) and group boxes. A click notifies the parent with
// BN_CLICKED.
#include <memory>

#include "platform/controls/controls.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win::detail {
namespace {

struct ButtonData final : ControlData {
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;
};

ButtonData& Data(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    if (!w->control) w->control = std::make_unique<ButtonData>();
    return static_cast<ButtonData&>(*w->control);
}

DWORD TypeOf(HWND hwnd) {
    return FindWindowRecord(hwnd)->style & BS_TYPEMASK;
}

ControlKind KindOf(DWORD type) {
    switch (type) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return ControlKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ControlKind::RadioButton;
        case BS_GROUPBOX:
            return ControlKind::GroupBox;
        default:
            return ControlKind::PushButton;
    }
}

bool IsRadio(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || !EqualsNoCase(w->windowClass->name, "BUTTON")) return false;
    DWORD t = w->style & BS_TYPEMASK;
    return t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON;
}

// Clears the other automatic radio buttons of the group `hwnd` belongs to
// (a group runs from a control with WS_GROUP to the next one).
void ClearRadioGroup(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    Window* parent = FindWindowRecord(w->parent);
    if (parent == nullptr) return;
    const std::vector<HWND>& siblings = parent->children;
    std::size_t me = 0;
    while (me < siblings.size() && siblings[me] != hwnd) ++me;
    std::size_t first = me;
    while (first > 0 && !(FindWindowRecord(siblings[first])->style & WS_GROUP)) --first;
    for (std::size_t i = first; i < siblings.size(); ++i) {
        if (i > first && (FindWindowRecord(siblings[i])->style & WS_GROUP)) break;
        if (siblings[i] != hwnd && IsRadio(siblings[i]) &&
            (FindWindowRecord(siblings[i])->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            SendMessage(siblings[i], BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Clicked(HWND hwnd) {
    DWORD type = TypeOf(hwnd);
    ButtonData& d = Data(hwnd);
    switch (type) {
        case BS_AUTOCHECKBOX:
            SendMessage(hwnd, BM_SETCHECK, d.check ? BST_UNCHECKED : BST_CHECKED, 0);
            break;
        case BS_AUTO3STATE:
            SendMessage(hwnd, BM_SETCHECK, (d.check + 1) % 3, 0);
            break;
        case BS_AUTORADIOBUTTON:
            SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
            ClearRadioGroup(hwnd);
            break;
        default:
            break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

}  // namespace

LRESULT ButtonControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            Data(hwnd);
            return 0;
        case WM_NCHITTEST:
            if (TypeOf(hwnd) == BS_GROUPBOX) return HTTRANSPARENT;
            return DefWindowProc(hwnd, msg, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!IsWindowEnabled(hwnd) || TypeOf(hwnd) == BS_GROUPBOX) return 0;
            SetFocus(hwnd);
            SetCapture(hwnd);
            Data(hwnd).pushed = true;
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP: {
            if (!IsWindow(hwnd)) return 0;
            bool wasPushed = Data(hwnd).pushed;
            Data(hwnd).pushed = false;
            if (GetCapture() == hwnd) ReleaseCapture();
            RECT r;
            GetClientRect(hwnd, &r);
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            InvalidateRect(hwnd, nullptr, FALSE);
            if (wasPushed && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
                Clicked(hwnd);
            return 0;
        }
        case WM_KEYDOWN:
            // Space presses the button that has the focus; a group box takes
            // none and presses nothing.
            if (wParam == VK_SPACE && IsWindowEnabled(hwnd) && TypeOf(hwnd) != BS_GROUPBOX &&
                GetFocus() == hwnd)
                Clicked(hwnd);
            return 0;
        case BM_CLICK:
            if (IsWindowEnabled(hwnd) && TypeOf(hwnd) != BS_GROUPBOX) Clicked(hwnd);
            return 0;
        case BM_GETCHECK:
            return static_cast<LRESULT>(Data(hwnd).check);
        case BM_SETCHECK:
            if (Data(hwnd).check != wParam) {
                Data(hwnd).check = wParam;
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        case BM_GETSTATE:
            return static_cast<LRESULT>(Data(hwnd).check | (Data(hwnd).pushed ? 0x4 : 0) |
                                        (GetFocus() == hwnd ? 0x8 : 0));
        case BM_SETSTATE:
            Data(hwnd).pushed = wParam != 0;
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case BM_SETSTYLE: {
            Window* w = FindWindowRecord(hwnd);
            w->style = (w->style & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFF);
            if (LOWORD(static_cast<std::uintptr_t>(lParam))) InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        }
        case WM_GETDLGCODE: {
            DWORD type = TypeOf(hwnd);
            if (type == BS_GROUPBOX) return DLGC_STATIC;
            if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
                return DLGC_BUTTON | DLGC_RADIOBUTTON;
            if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
            if (type == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
            return DLGC_BUTTON;
        }
        case WM_SETTEXT: {
            LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            ControlPaintInfo info;
            info.kind = KindOf(TypeOf(hwnd));
            info.checkState = static_cast<int>(Data(hwnd).check);
            info.isDefault = TypeOf(hwnd) == BS_DEFPUSHBUTTON;
            PaintControlInfo(hwnd, info);
            return 0;
        }
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
