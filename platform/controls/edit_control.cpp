// The single-line "EDIT" control: typed characters replace the selection,
// backspace and delete remove text, the arrow and Home/End keys move the
// caret (with Shift they extend the selection, with Ctrl they go by words),
// Ctrl+A selects everything, Ctrl+C, Ctrl+X and Ctrl+V copy, cut and paste
// through the clipboard, and the mouse places the caret, selects by dragging
// and selects a word by double-clicking. A text limit refuses characters past
// it (EN_MAXTEXT); a read-only edit refuses typing. Every change notifies the
// parent with EN_UPDATE and EN_CHANGE; focus changes with EN_SETFOCUS and
// EN_KILLFOCUS.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/controls/controls.h"
#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "platform/system/system.h"
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
    bool dragging = false;  // the left button went down in the field
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
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return;  // control characters
    if (w->style & ES_NUMBER && (c < '0' || c > '9')) return;
    if (w->style & ES_UPPERCASE) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    bool fitted = ReplaceSelection(hwnd, std::string(1, c));
    if (!fitted) {
        NotifyParent(hwnd, EN_MAXTEXT);
        return;
    }
    Changed(hwnd);
}

bool IsWordChar(char c) {
    return c != ' ' && c != '\t';
}

// The caret after Ctrl+Left / Ctrl+Right: the start of the word before or
// after it.
int WordStep(const std::string& text, int caret, bool forward) {
    const int n = static_cast<int>(text.size());
    auto at = [&](int i) { return text[static_cast<std::size_t>(i)]; };
    if (forward) {
        while (caret < n && IsWordChar(at(caret))) ++caret;
        while (caret < n && !IsWordChar(at(caret))) ++caret;
    } else {
        while (caret > 0 && !IsWordChar(at(caret - 1))) --caret;
        while (caret > 0 && IsWordChar(at(caret - 1))) --caret;
    }
    return caret;
}

// Moves the caret by a key; with Shift the selection's anchor stays.
void MoveCaret(HWND hwnd, int key) {
    EditData& d = Data(hwnd);
    const std::string& text = Text(hwnd);
    int n = static_cast<int>(text.size());
    int caret = d.selEnd;
    const bool words = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
        case VK_LEFT:
            caret = words ? WordStep(text, caret, false) : std::max(0, caret - 1);
            break;
        case VK_RIGHT:
            caret = words ? WordStep(text, caret, true) : std::min(n, caret + 1);
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
    d.selEnd = caret;
    if (GetKeyState(VK_SHIFT) >= 0) d.selStart = caret;
    InvalidateRect(hwnd, nullptr, FALSE);
}

std::string SelectedText(HWND hwnd) {
    EditData& d = Data(hwnd);
    int a = std::min(d.selStart, d.selEnd);
    int b = std::max(d.selStart, d.selEnd);
    return Text(hwnd).substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
}

void CopySelection(HWND hwnd) {
    const std::string text = SelectedText(hwnd);
    if (text.empty() || !OpenClipboard(hwnd)) return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (void* p = block != nullptr ? GlobalLock(block) : nullptr) {
        std::memcpy(p, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
}

// Pastes the clipboard's text up to its first line end.
void Paste(HWND hwnd) {
    if (FindWindowRecord(hwnd)->style & ES_READONLY) return;
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(hwnd)) return;
    std::string text;
    auto block = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
    if (const char* p = block != nullptr ? static_cast<const char*>(GlobalLock(block)) : nullptr) {
        text.assign(p, strnlen(p, GlobalSize(block)));
        GlobalUnlock(block);
    }
    CloseClipboard();
    text = text.substr(0, text.find_first_of("\r\n"));
    if (text.empty()) return;
    if (!ReplaceSelection(hwnd, text)) NotifyParent(hwnd, EN_MAXTEXT);
    Changed(hwnd);
}

void DeleteSelectionOrNext(HWND hwnd) {
    if (FindWindowRecord(hwnd)->style & ES_READONLY) return;
    EditData& d = Data(hwnd);
    if (d.selStart == d.selEnd)
        d.selEnd = std::min<int>(d.selEnd + 1, static_cast<int>(Text(hwnd).size()));
    if (d.selStart != d.selEnd) {
        ReplaceSelection(hwnd, "");
        Changed(hwnd);
    }
}

// Ctrl with a letter: the editing commands.
bool ControlKey(HWND hwnd, int key) {
    EditData& d = Data(hwnd);
    switch (key) {
        case 'A':
            d.selStart = 0;
            d.selEnd = static_cast<int>(Text(hwnd).size());
            InvalidateRect(hwnd, nullptr, FALSE);
            return true;
        case 'C':
            CopySelection(hwnd);
            return true;
        case 'X':
            CopySelection(hwnd);
            if (d.selStart != d.selEnd) DeleteSelectionOrNext(hwnd);
            return true;
        case 'V':
            Paste(hwnd);
            return true;
        default:
            return false;
    }
}

void KeyDown(HWND hwnd, int key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (control && ControlKey(hwnd, key)) return;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (key == VK_DELETE) {
        if (shift) {
            CopySelection(hwnd);  // Shift+Delete cuts
            if (Data(hwnd).selStart == Data(hwnd).selEnd) return;
        }
        DeleteSelectionOrNext(hwnd);
        return;
    }
    if (key == VK_INSERT) {
        if (control) CopySelection(hwnd);
        if (shift) Paste(hwnd);
        return;
    }
    MoveCaret(hwnd, key);
}

// The character boundary nearest a point of the client area, measured with
// the control's font as it is painted (text from 3 pixels in).
int IndexAt(HWND hwnd, int x) {
    const std::string& text = Text(hwnd);
    HDC dc = GetDC(hwnd);
    HFONT font = FindWindowRecord(hwnd)->font;
    HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
    int best = 0;
    int bestDistance = std::abs(x - 3);
    for (int i = 1; i <= static_cast<int>(text.size()); ++i) {
        SIZE s{};
        GetTextExtentPoint32A(dc, text.c_str(), i, &s);
        int distance = std::abs(x - 3 - static_cast<int>(s.cx));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    if (old != nullptr) SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return best;
}

void MouseDown(HWND hwnd, LPARAM lParam, bool twice) {
    if (!IsWindowEnabled(hwnd)) return;
    if (GetFocus() != hwnd) SetFocus(hwnd);
    EditData& d = Data(hwnd);
    const std::string& text = Text(hwnd);
    int at = IndexAt(hwnd, GET_X_LPARAM(lParam));
    if (twice) {  // the word under the pointer
        int a = at;
        int b = at;
        const int n = static_cast<int>(text.size());
        while (a > 0 && IsWordChar(text[static_cast<std::size_t>(a - 1)])) --a;
        while (b < n && IsWordChar(text[static_cast<std::size_t>(b)])) ++b;
        d.selStart = a;
        d.selEnd = b;
    } else {
        d.selEnd = at;
        if (GetKeyState(VK_SHIFT) >= 0) d.selStart = at;
        d.dragging = true;
        SetCapture(hwnd);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

void MouseMove(HWND hwnd, LPARAM lParam) {
    EditData& d = Data(hwnd);
    if (!d.dragging) return;
    int at = IndexAt(hwnd, GET_X_LPARAM(lParam));
    if (at == d.selEnd) return;
    d.selEnd = at;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void MouseUp(HWND hwnd) {
    EditData& d = Data(hwnd);
    if (!d.dragging) return;
    d.dragging = false;
    if (GetCapture() == hwnd) ReleaseCapture();
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
            KeyDown(hwnd, static_cast<int>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            MouseDown(hwnd, lParam, false);
            return 0;
        case WM_LBUTTONDBLCLK:
            MouseDown(hwnd, lParam, true);
            return 0;
        case WM_MOUSEMOVE:
            MouseMove(hwnd, lParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            MouseUp(hwnd);
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
