// Per-window state calls: text, enabling, keyboard focus, activation, mouse
// capture and the window words (styles, id, procedure, extra bytes).
#include <algorithm>
#include <cstring>

#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct FocusState {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
};

FocusState& Focus() {
    static FocusState state;
    return state;
}

HWND TopLevelOf(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    while (w != nullptr && w->parent != nullptr) w = FindWindowRecord(w->parent);
    return w != nullptr ? w->handle : nullptr;
}

}  // namespace

void ResetInputFocus() {
    Focus() = FocusState{};
}

}  // namespace detail

using detail::FindWindowRecord;
using detail::Window;

BOOL SetWindowText(HWND hwnd, const char* text) {
    if (!IsWindow(hwnd)) return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE
                                                                                        : FALSE;
}

int GetWindowText(HWND hwnd, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    if (!IsWindow(hwnd)) return 0;
    return static_cast<int>(
        SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    if (!IsWindow(hwnd)) return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

std::string WindowText(HWND hwnd) {
    int n = GetWindowTextLength(hwnd);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    int got = GetWindowText(hwnd, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(std::max(0, got)));
    return s;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    return (w != nullptr && (w->style & WS_DISABLED) == 0) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        HWND focus = GetFocus();
        if (focus == hwnd || IsChild(hwnd, focus)) SetFocus(nullptr);
        SendMessage(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

HWND SetFocus(HWND hwnd) {
    auto& f = detail::Focus();
    HWND old = f.focus;
    if (hwnd != nullptr && !IsWindow(hwnd)) return nullptr;
    if (hwnd == old) return old;
    if (hwnd != nullptr) {
        HWND top = detail::TopLevelOf(hwnd);
        if (top != f.active) f.active = top;
    }
    f.focus = hwnd;
    if (IsWindow(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    // The focus may have moved again inside WM_KILLFOCUS.
    if (f.focus == hwnd && hwnd != nullptr && IsWindow(hwnd))
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return IsWindow(old) ? old : nullptr;
}

HWND GetFocus() {
    HWND f = detail::Focus().focus;
    return IsWindow(f) ? f : nullptr;
}

HWND SetActiveWindow(HWND hwnd) {
    auto& f = detail::Focus();
    HWND old = f.active;
    HWND top = detail::TopLevelOf(hwnd);
    if (top == nullptr) return nullptr;
    f.active = top;
    if (old != top && IsWindow(old))
        SendMessage(old, WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(top));
    if (old != top) SendMessage(top, WM_ACTIVATE, 1, reinterpret_cast<LPARAM>(old));
    HWND focus = GetFocus();
    if (IsWindow(top) && focus != top && !IsChild(top, focus)) SetFocus(top);
    return IsWindow(old) ? old : nullptr;
}

HWND GetActiveWindow() {
    HWND a = detail::Focus().active;
    return IsWindow(a) ? a : nullptr;
}

HWND SetCapture(HWND hwnd) {
    HWND old = detail::Focus().capture;
    detail::Focus().capture = IsWindow(hwnd) ? hwnd : nullptr;
    return IsWindow(old) ? old : nullptr;
}

BOOL ReleaseCapture() {
    HWND old = detail::Focus().capture;
    detail::Focus().capture = nullptr;
    if (IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    HWND c = detail::Focus().capture;
    return IsWindow(c) ? c : nullptr;
}

std::intptr_t GetWindowLongPtr(HWND hwnd, int index) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    if (w->dialog && index == DWL_MSGRESULT) return w->dialogMsgResult;
    switch (index) {
        case GWL_WNDPROC:
            return reinterpret_cast<std::intptr_t>(w->proc);
        case GWL_HINSTANCE:
            return reinterpret_cast<std::intptr_t>(w->instance);
        case GWL_HWNDPARENT:
            return reinterpret_cast<std::intptr_t>(w->parent ? w->parent : w->owner);
        case GWL_STYLE:
            return static_cast<std::int32_t>(w->style);
        case GWL_EXSTYLE:
            return static_cast<std::int32_t>(w->exStyle);
        case GWL_USERDATA:
            return w->userData;
        case GWL_ID:
            return w->id;
        default: {
            std::size_t width = static_cast<std::size_t>(index) + 8 <= w->extraBytes.size() ? 8 : 4;
            return detail::AccessExtraBytes(w->extraBytes, index, width, nullptr);
        }
    }
}

std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    std::intptr_t old = GetWindowLongPtr(hwnd, index);
    if (w->dialog && index == DWL_MSGRESULT) {
        w->dialogMsgResult = value;
        return old;
    }
    switch (index) {
        case GWL_WNDPROC:
            w->proc = reinterpret_cast<WNDPROC>(value);
            break;
        case GWL_HINSTANCE:
            w->instance = reinterpret_cast<HINSTANCE>(value);
            break;
        case GWL_HWNDPARENT:
            if (w->parent == nullptr) w->owner = reinterpret_cast<HWND>(value);
            break;
        case GWL_STYLE: {
            w->style = static_cast<DWORD>(value);
            w->vscroll.visible = (w->style & WS_VSCROLL) != 0;
            w->hscroll.visible = (w->style & WS_HSCROLL) != 0;
            detail::SyncSurface(*w);
            break;
        }
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            break;
        case GWL_USERDATA:
            w->userData = value;
            break;
        case GWL_ID:
            w->id = static_cast<int>(value);
            break;
        default: {
            std::size_t width = static_cast<std::size_t>(index) + 8 <= w->extraBytes.size() ? 8 : 4;
            return detail::AccessExtraBytes(w->extraBytes, index, width, &value);
        }
    }
    return old;
}

LONG GetWindowLong(HWND hwnd, int index) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    if (w->dialog && index == DWL_MSGRESULT) return static_cast<LONG>(w->dialogMsgResult);
    if (index >= 0)
        return static_cast<LONG>(detail::AccessExtraBytes(w->extraBytes, index, 4, nullptr));
    return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    std::intptr_t v = value;
    if (w->dialog && index == DWL_MSGRESULT)
        return static_cast<LONG>(SetWindowLongPtr(hwnd, index, v));
    if (index >= 0) return static_cast<LONG>(detail::AccessExtraBytes(w->extraBytes, index, 4, &v));
    return static_cast<LONG>(SetWindowLongPtr(hwnd, index, v));
}

WORD GetWindowWord(HWND hwnd, int index) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    return static_cast<WORD>(detail::AccessExtraBytes(w->extraBytes, index, 2, nullptr));
}

WORD SetWindowWord(HWND hwnd, int index, WORD value) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    std::intptr_t v = value;
    return static_cast<WORD>(detail::AccessExtraBytes(w->extraBytes, index, 2, &v));
}

}  // namespace win
