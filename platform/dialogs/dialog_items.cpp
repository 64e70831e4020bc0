// Calls on the controls of a dialog (text, numbers, check states, messages),
// tab and group navigation, and the dialog keyboard (IsDialogMessage).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/dialogs/dialog.h"
#include "platform/window/menu_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace {

bool Navigable(HWND c) {
    return IsWindowVisible(c) && IsWindowEnabled(c);
}

const std::vector<HWND>* ChildrenOf(HWND dialog) {
    detail::Window* w = detail::FindWindowRecord(dialog);
    return w != nullptr ? &w->children : nullptr;
}

int IndexOf(const std::vector<HWND>& list, HWND c) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == c) return static_cast<int>(i);
    }
    return -1;
}

DWORD StyleOf(HWND c) {
    return static_cast<DWORD>(GetWindowLongPtr(c, GWL_STYLE));
}

// The control of `dialog` that holds `hwnd` (itself or an ancestor).
HWND ControlOf(HWND dialog, HWND hwnd) {
    while (hwnd != nullptr && GetParent(hwnd) != dialog) {
        if (!IsChild(dialog, hwnd)) return nullptr;
        hwnd = GetParent(hwnd);
    }
    return hwnd;
}

void FocusAndSelect(HWND c) {
    SetFocus(c);
    if (SendMessage(c, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessage(c, EM_SETSEL, 0, -1);
}

void PressId(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button != nullptr && !IsWindowEnabled(button)) return;
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                reinterpret_cast<LPARAM>(button));
}

// A letter typed into a dialog presses the button that underlines it
// ("&Yes": Y), unless the focus control takes the letter as text; with Alt
// held it always does.
bool PressMnemonic(HWND dialog, const MSG& msg) {
    if (msg.wParam >= 0x80) return false;
    char letter = static_cast<char>(msg.wParam);
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
    if (!((letter >= 'A' && letter <= 'Z') || (letter >= '0' && letter <= '9'))) return false;
    if (msg.message == WM_CHAR &&
        (SendMessage(msg.hwnd, WM_GETDLGCODE, msg.wParam, 0) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)))
        return false;
    const std::vector<HWND>* list = ChildrenOf(dialog);
    if (list == nullptr) return false;
    for (HWND c : *list) {
        if (!Navigable(c) || detail::MenuMnemonic(WindowText(c)) != letter) continue;
        if (!(SendMessage(c, WM_GETDLGCODE, 0, 0) &
              (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_BUTTON)))
            continue;
        SetFocus(c);
        SendMessage(c, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

// The arrows' step within a group: the next control of the group that takes
// the focus (labels and group boxes do not), wrapping; `control` itself when
// no other does.
HWND NextFocusInGroup(HWND dialog, HWND control, bool back) {
    HWND next = control;
    for (int guard = 0; guard < 256; ++guard) {
        next = GetNextDlgGroupItem(dialog, next, back ? TRUE : FALSE);
        if (next == nullptr || next == control) return control;
        if (!(SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_STATIC)) return next;
    }
    return control;
}

// The first and one-past-last index of the group holding list[me]: from the
// nearest WS_GROUP at or before it to the next one.
std::pair<int, int> GroupAround(const std::vector<HWND>& list, int me) {
    const int n = static_cast<int>(list.size());
    int first = me;
    while (first > 0 && !(StyleOf(list[static_cast<std::size_t>(first)]) & WS_GROUP)) --first;
    int last = me + 1;
    while (last < n && !(StyleOf(list[static_cast<std::size_t>(last)]) & WS_GROUP)) ++last;
    return {first, last};
}

bool IsRadioButton(HWND c) {
    return (SendMessage(c, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

HWND ChoiceInForce(HWND dialog, HWND control) {
    const std::vector<HWND>* list = ChildrenOf(dialog);
    if (list == nullptr || control == nullptr || !IsRadioButton(control)) return control;
    const int me = IndexOf(*list, control);
    if (me < 0) return control;
    const auto [first, last] = GroupAround(*list, me);
    for (int i = first; i < last; ++i) {
        HWND c = (*list)[static_cast<std::size_t>(i)];
        if (Navigable(c) && IsRadioButton(c) && SendMessage(c, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return c;
    }
    return control;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    const std::vector<HWND>* list = ChildrenOf(dialog);
    if (list == nullptr || list->empty()) return nullptr;
    int n = static_cast<int>(list->size());
    int start = control != nullptr ? IndexOf(*list, control) : (previous ? 0 : n - 1);
    if (start < 0) start = previous ? 0 : n - 1;
    // Tab leaves a radio group as a whole: its other buttons are no stops.
    std::pair<int, int> own{-1, -1};
    if (control != nullptr && IndexOf(*list, control) >= 0 && IsRadioButton(control))
        own = GroupAround(*list, start);
    for (int k = 1; k <= n; ++k) {
        int i = previous ? (start - k + n * 2) % n : (start + k) % n;
        if (i >= own.first && i < own.second) continue;
        HWND c = (*list)[static_cast<std::size_t>(i)];
        // Into a radio group the keyboard goes to the choice in force.
        if (Navigable(c) && (StyleOf(c) & WS_TABSTOP)) return ChoiceInForce(dialog, c);
    }
    return nullptr;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    const std::vector<HWND>* list = ChildrenOf(dialog);
    if (list == nullptr || control == nullptr) return nullptr;
    int me = IndexOf(*list, control);
    if (me < 0) return nullptr;
    const auto [first, last] = GroupAround(*list, me);
    int size = last - first;
    for (int k = 1; k < size; ++k) {
        int i = first + (previous ? (me - first - k + size * 2) % size : (me - first + k) % size);
        HWND c = (*list)[static_cast<std::size_t>(i)];
        if (Navigable(c)) return c;
    }
    return control;
}

BOOL IsDialogMessage(HWND dialog, MSG* msg) {
    if (msg == nullptr || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    if (msg->message == WM_KEYDOWN) {
        LRESULT code =
            SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        bool all = (code & DLGC_WANTALLKEYS) != 0;
        HWND control = ControlOf(dialog, msg->hwnd);
        bool shift = GetKeyState(VK_SHIFT) < 0;
        switch (msg->wParam) {
            case VK_TAB:
                if (all || (code & DLGC_WANTTAB)) break;
                if (HWND next = GetNextDlgTabItem(dialog, control, shift ? TRUE : FALSE))
                    FocusAndSelect(next);
                return TRUE;
            case VK_RETURN: {
                if (all) break;
                int id =
                    LOWORD(static_cast<std::uintptr_t>(SendMessage(dialog, DM_GETDEFID, 0, 0)));
                if (control != nullptr && (SendMessage(control, WM_GETDLGCODE, 0, 0) &
                                           (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
                    id = GetDlgCtrlID(control);
                PressId(dialog, id != 0 ? id : IDOK);
                return TRUE;
            }
            case VK_ESCAPE:
                if (all) break;
                PressId(dialog, IDCANCEL);
                return TRUE;
            case VK_LEFT:
            case VK_UP:
            case VK_RIGHT:
            case VK_DOWN: {
                if (all || (code & DLGC_WANTARROWS)) break;
                bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
                HWND next = NextFocusInGroup(dialog, control, back);
                if (next != nullptr && next != control) {
                    SetFocus(next);
                    if (SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
                        SendMessage(next, BM_CLICK, 0, 0);
                }
                return TRUE;
            }
            default:
                break;
        }
    }
    if ((msg->message == WM_CHAR || msg->message == WM_SYSCHAR) && PressMnemonic(dialog, *msg))
        return TRUE;
    if (msg->message == WM_CHAR &&
        (msg->wParam == '\t' || msg->wParam == '\r' || msg->wParam == 0x1B)) {
        LRESULT code = SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, 0);
        if (!(code & DLGC_WANTALLKEYS)) return TRUE;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
    return TRUE;
}

BOOL SetDlgItemText(HWND dialog, int id, const char* text) {
    HWND c = GetDlgItem(dialog, id);
    return c != nullptr ? SetWindowText(c, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, char* buffer, int size) {
    HWND c = GetDlgItem(dialog, id);
    if (c == nullptr) {
        if (buffer != nullptr && size > 0) buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowText(c, buffer, size));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char buf[16];
    if (isSigned)
        std::snprintf(buf, sizeof buf, "%d", static_cast<int>(value));
    else
        std::snprintf(buf, sizeof buf, "%u", value);
    return SetDlgItemText(dialog, id, buf);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated != nullptr) *translated = FALSE;
    HWND c = GetDlgItem(dialog, id);
    if (c == nullptr) return 0;
    std::string text = WindowText(c);
    const char* p = text.c_str();
    while (*p == ' ') ++p;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(p, &end, 10);
    while (end != nullptr && *end == ' ') ++end;
    bool ok = end != p && end != nullptr && *end == '\0' && errno == 0 &&
              (isSigned ? (v >= INT32_MIN && v <= INT32_MAX) : (v >= 0 && v <= UINT32_MAX));
    if (!ok) return 0;
    if (translated != nullptr) *translated = TRUE;
    return static_cast<UINT>(v);
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND c = GetDlgItem(dialog, id);
    return c != nullptr ? SendMessage(c, msg, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND c = GetDlgItem(dialog, id);
    if (c == nullptr) return FALSE;
    SendMessage(c, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND c = GetDlgItem(dialog, id);
    return c != nullptr ? static_cast<UINT>(SendMessage(c, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (GetDlgItem(dialog, checkId) == nullptr) return FALSE;
    for (int id = firstId; id <= lastId; ++id) {
        if (HWND c = GetDlgItem(dialog, id))
            SendMessage(c, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

}  // namespace win
