// Pictures of whole windows and of drop-down menus. Each part of the frame
// (caption, menu bar, each scroll bar) is drawn with the drawing layer into a
// small memory bitmap and copied into place; the client area is the window's
// composed picture, copied unchanged.
#include "platform/drivers/frame_picture.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/controls/controls.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/system/system.h"
#include "platform/window/menu.h"
#include "platform/window/menu_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win::detail {
namespace {

constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kDark = RGB(64, 64, 64);
constexpr COLORREF kActiveCaption = RGB(10, 36, 106);
constexpr COLORREF kInactiveCaption = RGB(128, 128, 128);
constexpr COLORREF kInactiveCaptionText = RGB(212, 208, 200);
constexpr COLORREF kMenuLit = RGB(10, 36, 106);
constexpr int kMenuItemPad = 8;
constexpr int kPopupItemHeight = 18;
constexpr int kPopupSeparatorHeight = 8;
constexpr int kPopupTextLeft = 20;
constexpr int kPopupColumnGap = 24;  // between an item's text and the column after its tab

bool Empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

COLORREF Face() {
    return static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE));
}

void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH b = CreateSolidBrush(colour);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

// A raised or sunken edge one pixel wide.
void Edge(HDC dc, RECT r, COLORREF topLeft, COLORREF bottomRight) {
    Fill(dc, RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
    Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
    Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

RECT Inset(RECT r, int d) {
    return RECT{r.left + d, r.top + d, r.right - d, r.bottom - d};
}

std::string MenuText(HMENU menu, int position) {
    char buf[256] = {};
    GetMenuString(menu, static_cast<UINT>(position), buf, sizeof buf, MF_BYPOSITION);
    return buf;
}

std::string WithoutPrefixes(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out.push_back(text[i]);
    }
    return out;
}

// A memory context over a 32-bit bitmap of the given size, for one part.
class Canvas {
  public:
    Canvas(int width, int height) {
        dc_ = CreateCompatibleDC(nullptr);
        HDC screen = GetDC(nullptr);  // a colour bitmap, as the screen's
        bitmap_ = CreateCompatibleBitmap(screen, std::max(1, width), std::max(1, height));
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc_, TRANSPARENT);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    [[nodiscard]] HDC Dc() const { return dc_; }
    [[nodiscard]] std::uint32_t At(int x, int y) const {
        const BitmapObject* bm = AsBitmap(bitmap_);
        return bm->pixels[static_cast<std::size_t>(y) * bm->width + x];
    }

    // Copies the drawn pixels into `out` with their top-left corner at (x, y).
    void CopyTo(SurfaceBuffer& out, int x, int y) const {
        const BitmapObject* bm = AsBitmap(bitmap_);
        if (bm == nullptr || bm->pixels.empty()) return;
        Surface dst = out.View();
        for (int row = 0; row < bm->height; ++row) {
            int dy = y + row;
            if (dy < 0 || dy >= dst.height) continue;
            int x0 = std::max(0, x);
            int x1 = std::min(dst.width, x + bm->width);
            if (x1 <= x0) continue;
            std::memcpy(dst.Row(dy) + x0,
                        bm->pixels.data() + static_cast<std::size_t>(row) * bm->width + (x0 - x),
                        static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
        }
    }

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

int TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

// Draws ring `depth` (0 = outermost) of the rectangle `r` in `out`: its top
// and left sides in one colour, bottom and right in the other.
void Ring(SurfaceBuffer& out, RECT r, int depth, COLORREF topLeft, COLORREF bottomRight) {
    Surface dst = out.View();
    r = Inset(r, depth);
    if (Empty(r)) return;
    const std::uint32_t tl = PixelFromColorRef(topLeft);
    const std::uint32_t br = PixelFromColorRef(bottomRight);
    auto put = [&](int x, int y, std::uint32_t p) {
        if (x >= 0 && y >= 0 && x < dst.width && y < dst.height) dst.Row(y)[x] = p;
    };
    for (int x = r.left; x < r.right; ++x) {
        put(x, r.top, tl);
        put(x, r.bottom - 1, br);
    }
    for (int y = r.top; y < r.bottom - 1; ++y) {
        put(r.left, y, tl);
        put(r.right - 1, y, br);
    }
    put(r.right - 1, r.top, br);
}

void PaintBorder(const FrameLayout& f, SurfaceBuffer& out) {
    RECT all{0, 0, f.width, f.height};
    for (int d = 2; d < f.border; ++d) Ring(out, all, d, Face(), Face());
    if (f.border >= 1) Ring(out, all, 0, Face(), kDark);
    if (f.border >= 2) Ring(out, all, 1, kLight, kShadow);
}

void PaintCaption(HWND hwnd, const FrameLayout& f, bool active, SurfaceBuffer& out) {
    if (Empty(f.caption)) return;
    const int w = f.caption.right - f.caption.left;
    const int h = f.caption.bottom - f.caption.top;
    Canvas c(w, h);
    Fill(c.Dc(), RECT{0, 0, w, h}, Face());
    Fill(c.Dc(), RECT{0, 0, w, h - 1}, active ? kActiveCaption : kInactiveCaption);
    LOGFONTA lf;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    HFONT bold = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(c.Dc(), bold);
    SetTextColor(c.Dc(), active ? kLight : kInactiveCaptionText);
    std::string title = WindowText(hwnd);
    RECT text{4, 0, w - 4, h - 1};
    // The close box: a raised button with its cross.
    const Window* record = FindWindowRecord(hwnd);
    const RECT box = record != nullptr ? CloseBoxOfCaption(*record, w) : RECT{0, 0, 0, 0};
    if (!Empty(box)) {
        Fill(c.Dc(), box, Face());
        Fill(c.Dc(), RECT{box.left, box.bottom - 1, box.right, box.bottom}, kDark);
        Fill(c.Dc(), RECT{box.right - 1, box.top, box.right, box.bottom}, kDark);
        Fill(c.Dc(), RECT{box.left, box.top, box.right - 1, box.top + 1}, kLight);
        Fill(c.Dc(), RECT{box.left, box.top, box.left + 1, box.bottom - 1}, kLight);
        const int side = box.right - box.left;
        const int inset = side / 4 + 1;
        for (int i = inset; i < side - inset - 1; ++i)
            for (int d = 0; d < 2; ++d) {
                const int x1 = box.left + i + d;
                const int x2 = box.right - 2 - i + d;
                const int y = box.top + i;
                Fill(c.Dc(), RECT{x1, y, x1 + 1, y + 1}, kDark);
                Fill(c.Dc(), RECT{x2 - 1, y, x2, y + 1}, kDark);
            }
        text.right = box.left - 2;
    }
    DrawTextA(c.Dc(), title.c_str(), static_cast<int>(title.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(c.Dc(), old);
    DeleteObject(bold);
    c.CopyTo(out, f.caption.left, f.caption.top);
}

void PaintMenuBar(HWND hwnd, const FrameLayout& f, int openItem, SurfaceBuffer& out) {
    if (Empty(f.menuBar)) return;
    HMENU menu = GetMenu(hwnd);
    const int w = f.menuBar.right - f.menuBar.left;
    const int h = f.menuBar.bottom - f.menuBar.top;
    Canvas c(w, h);
    Fill(c.Dc(), RECT{0, 0, w, h}, Face());
    for (const MenuBarItem& item : LayoutMenuBar(hwnd, f)) {
        RECT r{item.rect.left - f.menuBar.left, 0, item.rect.right - f.menuBar.left, h};
        UINT state = GetMenuState(menu, static_cast<UINT>(item.position), MF_BYPOSITION);
        bool enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
        if (item.position == openItem) Edge(c.Dc(), r, kShadow, kLight);
        SetTextColor(c.Dc(), enabled ? RGB(0, 0, 0) : kShadow);
        std::string text = MenuText(menu, item.position);
        DrawTextA(c.Dc(), text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    c.CopyTo(out, f.menuBar.left, f.menuBar.top);
}

void PaintBar(HWND hwnd, const RECT& place, bool vertical, SurfaceBuffer& out) {
    if (Empty(place)) return;
    Window* w = FindWindowRecord(hwnd);
    const ScrollState& state = vertical ? w->vscroll : w->hscroll;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    Canvas c(width, height);
    ControlPaintInfo info;
    info.hwnd = hwnd;
    info.kind = ControlKind::ScrollBar;
    info.hdc = c.Dc();
    info.client = RECT{0, 0, width, height};
    info.scroll = state.info;
    if (state.tracking) info.scroll.nPos = state.info.nTrackPos;  // under the pointer
    info.vertical = vertical;
    info.enabled = state.enabled;
    PaintBuiltinControl(info);
    c.CopyTo(out, place.left, place.top);
}

void PaintClientEdge(const FrameLayout& f, const Window& w, SurfaceBuffer& out) {
    if (!(w.exStyle & WS_EX_CLIENTEDGE)) return;
    int top =
        Empty(f.menuBar) ? (Empty(f.caption) ? f.border : f.caption.bottom) : f.menuBar.bottom;
    RECT edge{f.border, top, f.width - f.border, f.height - f.border};
    Ring(out, edge, 0, kShadow, kLight);
    Ring(out, edge, 1, kDark, Face());
}

}  // namespace

FrameLayout LayoutFrame(HWND hwnd) {
    FrameLayout f;
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return f;
    RECT outer = ScreenRect(*w);
    f.width = std::max(0, static_cast<int>(outer.right - outer.left));
    f.height = std::max(0, static_cast<int>(outer.bottom - outer.top));
    Insets in = NonClientInsets(*w);
    const int edge = (w->exStyle & WS_EX_CLIENTEDGE) ? 2 : 0;
    const int caption = CaptionHeight(*w);
    const int menu = MenuBarHeight(*w);
    f.border = in.top - caption - menu - edge;
    if (caption > 0) f.caption = RECT{f.border, f.border, f.width - f.border, f.border + caption};
    if (menu > 0)
        f.menuBar =
            RECT{f.border, f.border + caption, f.width - f.border, f.border + caption + menu};
    f.client = RECT{in.left, in.top, in.left + ClientWidth(*w), in.top + ClientHeight(*w)};
    if (w->vscroll.visible)
        f.vscroll = RECT{f.client.right, f.client.top,
                         f.client.right + GetSystemMetrics(SM_CXVSCROLL), f.client.bottom};
    if (w->hscroll.visible)
        f.hscroll = RECT{f.client.left, f.client.bottom, f.client.right,
                         f.client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    if (w->vscroll.visible && w->hscroll.visible)
        f.sizeBox = RECT{f.vscroll.left, f.hscroll.top, f.vscroll.right, f.hscroll.bottom};
    return f;
}

std::vector<MenuBarItem> LayoutMenuBar(HWND hwnd, const FrameLayout& frame) {
    std::vector<MenuBarItem> items;
    HMENU menu = GetMenu(hwnd);
    if (menu == nullptr || Empty(frame.menuBar)) return items;
    Canvas measure(1, 1);
    int x = frame.menuBar.left;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        int w = TextWidth(measure.Dc(), WithoutPrefixes(MenuText(menu, i))) + 2 * kMenuItemPad;
        items.push_back(MenuBarItem{RECT{x, frame.menuBar.top, x + w, frame.menuBar.bottom}, i});
        x += w;
    }
    return items;
}

bool PaintWindowPicture(HWND hwnd, bool active, int openItem, SurfaceBuffer& out) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return false;
    FrameLayout f = LayoutFrame(hwnd);
    if (out.Width() != f.width || out.Height() != f.height)
        out.Resize(f.width, f.height, PixelFromColorRef(Face()));
    if (f.width <= 0 || f.height <= 0) return true;
    PaintBorder(f, out);
    PaintCaption(hwnd, f, active, out);
    PaintMenuBar(hwnd, f, openItem, out);
    PaintClientEdge(f, *w, out);
    PaintBar(hwnd, f.vscroll, true, out);
    PaintBar(hwnd, f.hscroll, false, out);
    if (!Empty(f.sizeBox)) {
        Canvas c(f.sizeBox.right - f.sizeBox.left, f.sizeBox.bottom - f.sizeBox.top);
        Fill(c.Dc(), RECT{0, 0, 64, 64}, Face());
        c.CopyTo(out, f.sizeBox.left, f.sizeBox.top);
    }
    SurfaceBuffer client;
    if (ComposeWindow(hwnd, client)) {
        Surface src = client.View();
        Surface dst = out.View();
        for (int y = 0; y < src.height; ++y) {
            int dy = f.client.top + y;
            if (dy < 0 || dy >= dst.height) continue;
            int x0 = std::max(0, static_cast<int>(f.client.left));
            int x1 = std::min(dst.width, static_cast<int>(f.client.left) + src.width);
            if (x1 <= x0) continue;
            std::memcpy(dst.Row(dy) + x0, src.Row(y) + (x0 - f.client.left),
                        static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
        }
    }
    return true;
}

SIZE LayoutPopup(HMENU menu, std::vector<PopupItem>* items) {
    items->clear();
    Canvas measure(1, 1);
    int width = 80;
    int labels = 0;  // the widest text before a tab
    int keys = 0;    // the widest text after one: a column of its own
    int y = 2;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        PopupItem item;
        item.position = i;
        item.separator = (state & MF_SEPARATOR) != 0;
        item.popup = GetSubMenu(menu, i) != nullptr;
        item.id = GetMenuItemID(menu, i);
        item.enabled = !item.separator && !(state & (MF_GRAYED | MF_DISABLED));
        std::string text = MenuText(menu, i);
        item.mnemonic = MenuMnemonic(text);
        int h = item.separator ? kPopupSeparatorHeight : kPopupItemHeight;
        item.rect = RECT{2, y, 0, y + h};
        y += h;
        const std::size_t tab = text.find('\t');
        labels = std::max(labels, TextWidth(measure.Dc(), WithoutPrefixes(text.substr(0, tab))));
        if (tab != std::string::npos)
            keys = std::max(keys, TextWidth(measure.Dc(), WithoutPrefixes(text.substr(tab + 1))));
        items->push_back(item);
    }
    width = std::max(width, labels + kPopupTextLeft + 24 + (keys > 0 ? keys + kPopupColumnGap : 0));
    for (PopupItem& item : *items) item.rect.right = width - 2;
    return SIZE{width, y + 2};
}

void PaintPopup(HMENU menu, const std::vector<PopupItem>& items, int lit, SIZE size,
                SurfaceBuffer& out) {
    Canvas c(size.cx, size.cy);
    RECT all{0, 0, size.cx, size.cy};
    Fill(c.Dc(), all, Face());
    Edge(c.Dc(), all, Face(), kDark);
    Edge(c.Dc(), Inset(all, 1), kLight, kShadow);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PopupItem& item = items[i];
        if (item.separator) {
            int mid = (item.rect.top + item.rect.bottom) / 2;
            Fill(c.Dc(), RECT{item.rect.left + 2, mid - 1, item.rect.right - 2, mid}, kShadow);
            Fill(c.Dc(), RECT{item.rect.left + 2, mid, item.rect.right - 2, mid + 1}, kLight);
            continue;
        }
        bool on = static_cast<int>(i) == lit && item.enabled;
        if (on) Fill(c.Dc(), item.rect, kMenuLit);
        UINT state = GetMenuState(menu, static_cast<UINT>(item.position), MF_BYPOSITION);
        // Only a greyed item looks it: one merely disabled (a heading) stands
        // in black, though it cannot be lit or chosen.
        SetTextColor(c.Dc(), on ? kLight : (state & MF_GRAYED) ? kShadow : RGB(0, 0, 0));
        if (state & MF_CHECKED) {
            RECT mark{item.rect.left + 4, item.rect.top, item.rect.left + kPopupTextLeft,
                      item.rect.bottom};
            DrawTextA(c.Dc(), "x", 1, &mark, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        // The text after a tab stands right-aligned in a column of its own.
        std::string text = MenuText(menu, item.position);
        const std::size_t tab = text.find('\t');
        const std::string label = text.substr(0, tab);
        RECT r{item.rect.left + kPopupTextLeft, item.rect.top, item.rect.right, item.rect.bottom};
        DrawTextA(c.Dc(), label.c_str(), static_cast<int>(label.size()), &r,
                  DT_SINGLELINE | DT_VCENTER);
        if (tab != std::string::npos) {
            const std::string column = text.substr(tab + 1);
            RECT k{item.rect.left + kPopupTextLeft, item.rect.top, item.rect.right - 20,
                   item.rect.bottom};
            DrawTextA(c.Dc(), column.c_str(), static_cast<int>(column.size()), &k,
                      DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        }
        if (item.popup) {
            RECT arrow{item.rect.right - 14, item.rect.top, item.rect.right - 4, item.rect.bottom};
            DrawTextA(c.Dc(), ">", 1, &arrow, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }
    out.Resize(size.cx, size.cy);
    c.CopyTo(out, 0, 0);
}

}  // namespace win::detail
