// The single-line "EDIT" control: typed characters replace the selection,
// backspace and delete remove text, the arrow and Home/End keys move the
// caret. A text limit refuses characters past it (EN_MAXTEXT); a read-only
// edit refuses typing. Every change notifies the parent with EN_UPDATE and
// EN_CHANGE; focus changes with EN_SETFOCUS and EN_KILLFOCUS.
#include <algorithm>
#include <memory>

#include "platform/controls/controls.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win::detail {
namespace {

constexpr int kDefaultLimit = 30000;

struct EditData final : ControlData {
    int limit = kDefaultLimit;
    int selStart = 0;
    int selEnd = 0;
    bool modified = false;
};

EditData& Data(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    if (!w->control) w->control = std::make_unique<EditData>();
    return static_cast<EditData&>(*w->control);
}

std::string& Text(HWND hwnd) {
    return FindWindowRecord(hwnd)->text;
}

void ClampSelection(HWND hwnd) {
    EditData& d = Data(hwnd);
    int n = static_cast<int>(Text(hwnd).size());
    d.selStart = std::clamp(d.selStart, 0, n);
    d.selEnd = std::clamp(d.selEnd, 0, n);
}

void Changed(HWND hwnd) {
    Data(hwnd).modified = true;
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_UPDATE);
    if (IsWindow(hwnd)) NotifyParent(hwnd, EN_CHANGE);
}

// Replaces the selection with `insert`, within the limit. Returns false when
// nothing could be inserted.
bool ReplaceSelection(HWND hwnd, const std::string& insert) {
    EditData& d = Data(hwnd);
    std::string& text = Text(hwnd);
    int a = std::min(d.selStart, d.selEnd);
    int b = std::max(d.selStart, d.selEnd);
    int room = d.limit - (static_cast<int>(text.size()) - (b - a));
    std::string piece = insert.substr(0, static_cast<std::size_t>(std::max(0, room)));
    if (piece.empty() && a == b) return false;
    text.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), piece);
    d.selStart = d.selEnd = a + static_cast<int>(piece.size());
    return piece.size() == insert.size();
}

void TypeChar(HWND hwnd, char c) {
    Window* w = FindWindowRecord(hwnd);
    if (w->style & ES_READONLY) return;
    EditData& d = Data(hwnd);
    if (c == '\b') {
        if (d.selStart == d.selEnd) {
            if (d.selStart == 0) return;
            d.selStart -= 1;
        }
        ReplaceSelection(hwnd, "");
        Changed(hwnd);
        return;
    }
    if (static_cast<unsigned char>(c) < 0x20) return;
    if (w->style & ES_NUMBER && (c < '0' || c > '9')) return;
    if (w->style & ES_UPPERCASE) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    bool fitted = ReplaceSelection(hwnd, std::string(1, c));
    if (!fitted) {
        NotifyParent(hwnd, EN_MAXTEXT);
        return;
    }
    Changed(hwnd);
}

void MoveCaret(HWND hwnd, int key) {
    EditData& d = Data(hwnd);
    int n = static_cast<int>(Text(hwnd).size());
    int caret = d.selEnd;
    switch (key) {
        case VK_LEFT:
            caret = std::max(0, caret - 1);
            break;
        case VK_RIGHT:
            caret = std::min(n, caret + 1);
            break;
        case VK_HOME:
            caret = 0;
            break;
        case VK_END:
            caret = n;
            break;
        default:
            return;
    }
    d.selStart = d.selEnd = caret;
    InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace

LRESULT EditControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE: {
            Data(hwnd);
            int n = static_cast<int>(Text(hwnd).size());
            Data(hwnd).selStart = Data(hwnd).selEnd = n;
            return 0;
        }
        case WM_SETTEXT: {
            DefWindowProc(hwnd, msg, wParam, lParam);
            EditData& d = Data(hwnd);
            d.selStart = d.selEnd = 0;
            d.modified = false;
            InvalidateRect(hwnd, nullptr, TRUE);
            NotifyParent(hwnd, EN_UPDATE);
            if (IsWindow(hwnd)) NotifyParent(hwnd, EN_CHANGE);
            return TRUE;
        }
        case WM_CHAR:
            TypeChar(hwnd, static_cast<char>(wParam));
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_DELETE && !(FindWindowRecord(hwnd)->style & ES_READONLY)) {
                EditData& d = Data(hwnd);
                if (d.selStart == d.selEnd)
                    d.selEnd = std::min<int>(d.selEnd + 1, static_cast<int>(Text(hwnd).size()));
                if (d.selStart != d.selEnd) {
                    ReplaceSelection(hwnd, "");
                    Changed(hwnd);
                }
                return 0;
            }
            MoveCaret(hwnd, static_cast<int>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (IsWindowEnabled(hwnd)) SetFocus(hwnd);
            return 0;
        case WM_SETFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);
            NotifyParent(hwnd, EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);
            NotifyParent(hwnd, EN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case EM_LIMITTEXT:
            Data(hwnd).limit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(wParam);
            return 0;
        case EM_SETREADONLY: {
            Window* w = FindWindowRecord(hwnd);
            w->style = wParam ? (w->style | ES_READONLY) : (w->style & ~ES_READONLY);
            InvalidateRect(hwnd, nullptr, TRUE);
            return TRUE;
        }
        case EM_SETSEL: {
            EditData& d = Data(hwnd);
            int n = static_cast<int>(Text(hwnd).size());
            auto start = static_cast<int>(static_cast<std::intptr_t>(wParam));
            auto end = static_cast<int>(lParam);
            if (start < 0) {  // -1 removes the selection, keeping the caret
                d.selStart = d.selEnd;
            } else {
                d.selStart = start;
                d.selEnd = end < 0 ? n : end;
            }
            ClampSelection(hwnd);
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        }
        case EM_GETSEL: {
            EditData& d = Data(hwnd);
            int a = std::min(d.selStart, d.selEnd);
            int b = std::max(d.selStart, d.selEnd);
            return MAKELONG(static_cast<WORD>(a), static_cast<WORD>(b));
        }
        case EM_GETMODIFY:
            return Data(hwnd).modified ? TRUE : FALSE;
        case EM_SETMODIFY:
            Data(hwnd).modified = wParam != 0;
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            ControlPaintInfo info;
            info.kind = ControlKind::Edit;
            info.selectionStart = Data(hwnd).selStart;
            info.selectionEnd = Data(hwnd).selEnd;
            PaintControlInfo(hwnd, info);
            return 0;
        }
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
