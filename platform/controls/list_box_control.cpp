// The "LISTBOX" control: a list of text entries (kept sorted with LBS_SORT),
// one selected entry, tab stops, item data, a directory listing (LB_DIR).
// With LBS_NOTIFY a click that changes the selection sends LBN_SELCHANGE and a
// double-click LBN_DBLCLK to the parent. A list with WS_VSCROLL shows its
// scroll bar while its entries do not fit; the bar and the wheel scroll it.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/controls/controls.h"
#include "platform/files/file_io.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win::detail {
namespace {

constexpr int kItemHeight = 16;

struct ListData final : ControlData {
    std::vector<std::string> items;
    std::vector<LPARAM> itemData;
    std::vector<int> tabStops;
    int selected = -1;
    int top = 0;
    bool scrolls = false;  // made with WS_VSCROLL: the bar shows while needed
};

ListData& Data(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    if (!w->control) w->control = std::make_unique<ListData>();
    return static_cast<ListData&>(*w->control);
}

bool Notifies(HWND hwnd) {
    return (FindWindowRecord(hwnd)->style & LBS_NOTIFY) != 0;
}

int Count(HWND hwnd) {
    return static_cast<int>(Data(hwnd).items.size());
}

int VisibleRows(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return std::max(1, static_cast<int>(r.bottom) / kItemHeight);
}

void EnsureVisible(HWND hwnd, int index) {
    ListData& d = Data(hwnd);
    if (index < 0) return;
    if (index < d.top) d.top = index;
    if (index >= d.top + VisibleRows(hwnd)) d.top = index - VisibleRows(hwnd) + 1;
}

LRESULT Insert(HWND hwnd, int index, const char* text) {
    ListData& d = Data(hwnd);
    std::string s = text ? text : "";
    if (index < 0 || index > Count(hwnd)) index = Count(hwnd);
    d.items.insert(d.items.begin() + index, s);
    d.itemData.insert(d.itemData.begin() + index, 0);
    if (d.selected >= index) ++d.selected;
    InvalidateRect(hwnd, nullptr, TRUE);
    return index;
}

LRESULT AddString(HWND hwnd, const char* text) {
    ListData& d = Data(hwnd);
    int index = Count(hwnd);
    if (FindWindowRecord(hwnd)->style & LBS_SORT) {
        std::string key = UpperAscii(text ? text : "");
        auto it = std::upper_bound(
            d.items.begin(), d.items.end(), key,
            [](const std::string& k, const std::string& item) { return k < UpperAscii(item); });
        index = static_cast<int>(it - d.items.begin());
    }
    return Insert(hwnd, index, text);
}

LRESULT Find(HWND hwnd, int start, const char* text, bool exact) {
    ListData& d = Data(hwnd);
    int n = Count(hwnd);
    if (n == 0 || text == nullptr) return LB_ERR;
    std::string key = UpperAscii(text);
    for (int k = 1; k <= n; ++k) {
        int i = ((start < 0 ? -1 : start) + k) % n;
        std::string item = UpperAscii(d.items[static_cast<std::size_t>(i)]);
        if (exact ? item == key : item.compare(0, key.size(), key) == 0) return i;
    }
    return LB_ERR;
}

// Selects `index` as the user would; notifies when the selection changed.
void UserSelect(HWND hwnd, int index) {
    ListData& d = Data(hwnd);
    if (Count(hwnd) == 0) return;
    index = std::clamp(index, 0, Count(hwnd) - 1);
    bool changed = index != d.selected;
    d.selected = index;
    EnsureVisible(hwnd, index);
    InvalidateRect(hwnd, nullptr, FALSE);
    if (changed && Notifies(hwnd)) NotifyParent(hwnd, LBN_SELCHANGE);
}

// The scroll bar of a list with WS_VSCROLL follows its entries: shown while
// they do not all fit, its thumb where the first shown entry is.
void SyncScrollBar(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    ListData& d = Data(hwnd);
    if (w == nullptr || !d.scrolls) return;
    const bool needed = Count(hwnd) > VisibleRows(hwnd);
    if (needed != ((w->style & WS_VSCROLL) != 0))
        ShowScrollBar(hwnd, SB_VERT, needed ? TRUE : FALSE);
    const int rows = VisibleRows(hwnd);
    d.top = std::clamp(d.top, 0, std::max(0, Count(hwnd) - rows));
    if (!needed) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, Count(hwnd) - 1);
    si.nPage = static_cast<UINT>(rows);
    si.nPos = d.top;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

// Scrolls the list by the bar's request.
void ScrollTo(HWND hwnd, int code, int thumb) {
    ListData& d = Data(hwnd);
    const int rows = VisibleRows(hwnd);
    int top = d.top;
    switch (code) {
        case SB_LINEUP:
            --top;
            break;
        case SB_LINEDOWN:
            ++top;
            break;
        case SB_PAGEUP:
            top -= rows;
            break;
        case SB_PAGEDOWN:
            top += rows;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            top = thumb;
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = Count(hwnd);
            break;
        default:
            return;
    }
    d.top = std::clamp(top, 0, std::max(0, Count(hwnd) - rows));
    SyncScrollBar(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
}

int IndexAt(HWND hwnd, LPARAM lParam) {
    int y = GET_Y_LPARAM(lParam);
    int index = Data(hwnd).top + y / kItemHeight;
    return (y >= 0 && index < Count(hwnd)) ? index : -1;
}

}  // namespace

namespace {

LRESULT ListBoxMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            Data(hwnd).scrolls = (FindWindowRecord(hwnd)->style & WS_VSCROLL) != 0;
            return 0;
        case LB_ADDSTRING:
            return AddString(hwnd, reinterpret_cast<const char*>(lParam));
        case LB_INSERTSTRING:
            return Insert(hwnd, static_cast<int>(static_cast<std::intptr_t>(wParam)),
                          reinterpret_cast<const char*>(lParam));
        case LB_DELETESTRING: {
            ListData& d = Data(hwnd);
            auto i = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (i < 0 || i >= Count(hwnd)) return LB_ERR;
            d.items.erase(d.items.begin() + i);
            d.itemData.erase(d.itemData.begin() + i);
            if (d.selected == i)
                d.selected = -1;
            else if (d.selected > i)
                --d.selected;
            InvalidateRect(hwnd, nullptr, TRUE);
            return Count(hwnd);
        }
        case LB_RESETCONTENT: {
            ListData& d = Data(hwnd);
            d.items.clear();
            d.itemData.clear();
            d.selected = -1;
            d.top = 0;
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        }
        case LB_GETCOUNT:
            return Count(hwnd);
        case LB_SETCURSEL: {
            ListData& d = Data(hwnd);
            auto i = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (i < 0 || i >= Count(hwnd)) {
                d.selected = -1;
                InvalidateRect(hwnd, nullptr, FALSE);
                return LB_ERR;
            }
            d.selected = i;
            EnsureVisible(hwnd, i);
            InvalidateRect(hwnd, nullptr, FALSE);
            return i;
        }
        case LB_GETCURSEL:
            return Data(hwnd).selected < 0 ? LB_ERR : Data(hwnd).selected;
        case LB_GETSEL:
            return static_cast<int>(wParam) == Data(hwnd).selected ? 1 : 0;
        case LB_GETTEXT: {
            auto i = static_cast<int>(static_cast<std::intptr_t>(wParam));
            char* out = reinterpret_cast<char*>(lParam);
            if (i < 0 || i >= Count(hwnd) || out == nullptr) return LB_ERR;
            const std::string& s = Data(hwnd).items[static_cast<std::size_t>(i)];
            std::memcpy(out, s.c_str(), s.size() + 1);
            return static_cast<LRESULT>(s.size());
        }
        case LB_GETTEXTLEN: {
            auto i = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (i < 0 || i >= Count(hwnd)) return LB_ERR;
            return static_cast<LRESULT>(Data(hwnd).items[static_cast<std::size_t>(i)].size());
        }
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            return Find(hwnd, static_cast<int>(static_cast<std::intptr_t>(wParam)),
                        reinterpret_cast<const char*>(lParam), msg == LB_FINDSTRINGEXACT);
        case LB_SELECTSTRING: {
            LRESULT i = Find(hwnd, static_cast<int>(static_cast<std::intptr_t>(wParam)),
                             reinterpret_cast<const char*>(lParam), false);
            if (i != LB_ERR) SendMessage(hwnd, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return i;
        }
        case LB_SETTABSTOPS: {
            const int* stops = reinterpret_cast<const int*>(lParam);
            Data(hwnd).tabStops.assign(stops, stops + (stops ? static_cast<int>(wParam) : 0));
            return TRUE;
        }
        case LB_GETTOPINDEX:
            return Data(hwnd).top;
        case LB_SETTOPINDEX: {
            auto i = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (i < 0 || (i >= Count(hwnd) && i != 0)) return LB_ERR;
            Data(hwnd).top = i;
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        }
        case LB_SETITEMDATA: {
            auto i = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (i < 0 || i >= Count(hwnd)) return LB_ERR;
            Data(hwnd).itemData[static_cast<std::size_t>(i)] = lParam;
            return 0;
        }
        case LB_GETITEMDATA: {
            auto i = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (i < 0 || i >= Count(hwnd)) return LB_ERR;
            return Data(hwnd).itemData[static_cast<std::size_t>(i)];
        }
        case LB_DIR: {
            std::vector<std::string> names;
            if (!ListMatchingNames(reinterpret_cast<const char*>(lParam), static_cast<UINT>(wParam),
                                   &names))
                return LB_ERR;
            LRESULT last = LB_ERR;
            for (const std::string& n : names) last = AddString(hwnd, n.c_str());
            return last;
        }
        case WM_LBUTTONDOWN: {
            if (!IsWindowEnabled(hwnd)) return 0;
            SetFocus(hwnd);
            int i = IndexAt(hwnd, lParam);
            if (i >= 0) UserSelect(hwnd, i);
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            if (!IsWindowEnabled(hwnd)) return 0;
            // A double click below the last row keeps the selection and still
            // notifies, as the system list box does.
            int i = IndexAt(hwnd, lParam);
            if (i >= 0) UserSelect(hwnd, i);
            if (Notifies(hwnd)) NotifyParent(hwnd, LBN_DBLCLK);
            return 0;
        }
        case WM_KEYDOWN: {
            int sel = Data(hwnd).selected;
            switch (wParam) {
                case VK_UP:
                    UserSelect(hwnd, sel - 1);
                    break;
                case VK_DOWN:
                    UserSelect(hwnd, sel + 1);
                    break;
                case VK_PRIOR:
                    UserSelect(hwnd, sel - VisibleRows(hwnd));
                    break;
                case VK_NEXT:
                    UserSelect(hwnd, sel + VisibleRows(hwnd));
                    break;
                case VK_HOME:
                    UserSelect(hwnd, 0);
                    break;
                case VK_END:
                    UserSelect(hwnd, Count(hwnd) - 1);
                    break;
                default:
                    break;
            }
            return 0;
        }
        case WM_SETFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);
            if (Notifies(hwnd)) NotifyParent(hwnd, LBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);
            if (Notifies(hwnd)) NotifyParent(hwnd, LBN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            ControlPaintInfo info;
            info.kind = ControlKind::ListBox;
            info.items = &Data(hwnd).items;
            info.selectedIndex = Data(hwnd).selected;
            info.topIndex = Data(hwnd).top;
            info.itemHeight = kItemHeight;
            info.tabStops = &Data(hwnd).tabStops;
            PaintControlInfo(hwnd, info);
            return 0;
        }
        case WM_VSCROLL:
            ScrollTo(hwnd, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return 0;
        case WM_MOUSEWHEEL:
            for (int i = 0; i < 3; ++i)
                ScrollTo(hwnd, static_cast<short>(HIWORD(wParam)) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
            return 0;
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

LRESULT ListBoxControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = ListBoxMessage(hwnd, msg, wParam, lParam);
    switch (msg) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_RESETCONTENT:
        case LB_SETCURSEL:
        case LB_SELECTSTRING:
        case LB_SETTOPINDEX:
        case LB_DIR:
        case WM_CREATE:
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_SIZE:
            if (IsWindow(hwnd)) SyncScrollBar(hwnd);
            break;
        default:
            break;
    }
    return r;
}

// Where a script's click must land to hit entry `index` (scrolling it into
// view first); -1 when there is no such entry.
int ListItemClientY(HWND hwnd, int index) {
    if (index < 0 || index >= Count(hwnd)) return -1;
    EnsureVisible(hwnd, index);
    SyncScrollBar(hwnd);
    return (index - Data(hwnd).top) * kItemHeight + kItemHeight / 2;
}

}  // namespace win::detail
