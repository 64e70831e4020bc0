// The whole-window picture a display shows: the client part is the window's
// own picture pixel for pixel; the caption tells the active window; the
// menu bar's items lie side by side where the clicks find them; the scroll
// bars are drawn by the same rule the mouse follows (a click on the drawn
// thumb drags, beside it pages); owned windows stay above their owner; and
// drop-down menus lay out their items with their mnemonics, and the text after
// a tab stands in a column of its own.
#include "platform/drivers/frame_picture.h"

#include <algorithm>
#include <cstdlib>

#include "platform/window/window_internal.h"
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

// A pixel's colour (the drawing layer may set the top byte).
std::uint32_t Rgb(const SurfaceBuffer& b, int x, int y) {
    return b.At(x, y) & 0x00FFFFFFu;
}

std::vector<int> gScrolls;
int gThumbPos = -1;

LRESULT PageProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            RECT r{0, 0, 40, 30};
            HBRUSH b = CreateSolidBrush(RGB(200, 30, 30));
            FillRect(dc, &r, b);
            DeleteObject(b);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_VSCROLL:
            gScrolls.push_back(LOWORD(w));
            if (LOWORD(w) == SB_THUMBPOSITION) gThumbPos = HIWORD(w);
            return 0;
        default:
            return DefWindowProc(h, m, w, l);
    }
}

class FramePictureTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gScrolls.clear();
        SetDesktopSize(1024, 768);
        WNDCLASS wc;
        wc.lpfnWndProc = PageProc;
        wc.lpszClassName = "Page";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        ASSERT_NE(RegisterClass(&wc), 0);
    }
    HWND Page(DWORD style, HWND owner = nullptr, HMENU menu = nullptr) {
        HWND h = CreateWindow("Page", "Page", style | WS_VISIBLE, 50, 40, 300, 200, owner, menu,
                              nullptr, nullptr);
        RunUntilIdle();
        return h;
    }
    static HMENU Bar() {
        HMENU bar = CreateMenu();
        HMENU files = CreatePopupMenu();
        AppendMenu(files, MF_STRING, 11, "&Open");
        AppendMenu(files, MF_SEPARATOR, 0, nullptr);
        AppendMenu(files, MF_STRING | MF_GRAYED, 12, "&Save");
        AppendMenu(files, MF_STRING, 13, "&QUIT");
        AppendMenu(bar, MF_POPUP, reinterpret_cast<std::uintptr_t>(files), "&FILES");
        AppendMenu(bar, MF_STRING, 20, "&HELP");
        return bar;
    }
};

TEST_F(FramePictureTest, TheClientPartIsTheWindowsOwnPicture) {
    HWND h = Page(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, nullptr, Bar());
    SurfaceBuffer whole;
    ASSERT_TRUE(detail::PaintWindowPicture(h, true, -1, whole));
    SurfaceBuffer client;
    ASSERT_TRUE(detail::ComposeWindow(h, client));
    detail::FrameLayout f = detail::LayoutFrame(h);
    EXPECT_EQ(whole.Width(), 300);
    EXPECT_EQ(whole.Height(), 200);
    ASSERT_EQ(f.client.right - f.client.left, client.Width());
    ASSERT_EQ(f.client.bottom - f.client.top, client.Height());
    int differ = 0;
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
            differ += whole.At(f.client.left + x, f.client.top + y) != client.At(x, y);
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(Rgb(client, 5, 5), 0x00C81E1Eu);  // what the window painted
    // The layout matches the platform's own client origin.
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    RECT outer;
    GetWindowRect(h, &outer);
    EXPECT_EQ(f.client.left, origin.x - outer.left);
    EXPECT_EQ(f.client.top, origin.y - outer.top);
    EXPECT_EQ(f.vscroll.left, f.client.right);
    EXPECT_EQ(f.hscroll.top, f.client.bottom);
    EXPECT_EQ(f.sizeBox.right, f.vscroll.right);
}

TEST_F(FramePictureTest, TheCaptionShowsTheActiveWindow) {
    HWND h = Page(WS_OVERLAPPEDWINDOW);
    detail::FrameLayout f = detail::LayoutFrame(h);
    SurfaceBuffer active;
    SurfaceBuffer inactive;
    detail::PaintWindowPicture(h, true, -1, active);
    detail::PaintWindowPicture(h, false, -1, inactive);
    const int x = f.caption.right - 40;
    const int y = f.caption.top + 3;
    EXPECT_EQ(Rgb(active, x, y), 0x000A246Au);
    EXPECT_EQ(Rgb(inactive, x, y), 0x00808080u);
    // The title is written into it.
    int lit = 0;
    for (int px = f.caption.left; px < f.caption.left + 60; ++px)
        for (int py = f.caption.top; py < f.caption.bottom; ++py)
            lit += (Rgb(active, px, py) & 0xFF) > 0xC0;
    EXPECT_GT(lit, 20);
    EXPECT_EQ(Rgb(active, 0, 0), 0x00D4D0C8u);  // the frame's outer ring
    EXPECT_EQ(Rgb(active, 1, 1), 0x00FFFFFFu);
    EXPECT_EQ(Rgb(active, 299, 199), 0x00404040u);

    // Its close box at the right end: a raised button face with a dark
    // cross; a click there closes the window, one on the title does not.
    const int side = f.caption.bottom - f.caption.top - 5;
    const RECT box{f.caption.right - 2 - side, f.caption.top + 2, f.caption.right - 2,
                   f.caption.top + 2 + side};
    for (const SurfaceBuffer* b : {&active, &inactive}) {
        EXPECT_EQ(Rgb(*b, box.left + 1, box.bottom - 3), 0x00D4D0C8u);
        EXPECT_EQ(Rgb(*b, box.right - 1, box.top + 2), 0x00404040u);
        int dark = 0;
        for (int px = box.left + 2; px < box.right - 2; ++px)
            for (int py = box.top + 2; py < box.bottom - 2; ++py)
                dark += Rgb(*b, px, py) == 0x00404040u;
        EXPECT_GE(dark, side);  // the cross's two strokes
    }
    RECT outer;
    GetWindowRect(h, &outer);
    for (const auto& [at, closes] :
         {std::pair{POINT{outer.left + f.caption.left + 30, outer.top + f.caption.top + 8}, false},
          std::pair{POINT{outer.left + (box.left + box.right) / 2,
                          outer.top + (box.top + box.bottom) / 2},
                    true}}) {
        EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y))),
                  closes ? HTCLOSE : HTCAPTION);
        MouseDownAt(at, MouseButton::Left);
        MouseUpAt(at, MouseButton::Left);
        RunUntilIdle();
        EXPECT_EQ(IsWindow(h) == 0, closes) << at.x << "," << at.y;
    }
}

TEST_F(FramePictureTest, MenuBarItemsLieSideBySideAndPopupsListTheirItems) {
    HWND h = Page(WS_OVERLAPPEDWINDOW, nullptr, Bar());
    detail::FrameLayout f = detail::LayoutFrame(h);
    std::vector<detail::MenuBarItem> items = detail::LayoutMenuBar(h, f);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].rect.left, f.menuBar.left);
    EXPECT_EQ(items[1].rect.left, items[0].rect.right);
    EXPECT_GT(items[0].rect.right - items[0].rect.left, 20);
    // Text is drawn inside each item.
    SurfaceBuffer picture;
    detail::PaintWindowPicture(h, true, 0, picture);
    for (const auto& item : items) {
        int dark = 0;
        for (int x = item.rect.left; x < item.rect.right; ++x)
            for (int y = item.rect.top; y < item.rect.bottom; ++y)
                dark += (Rgb(picture, x, y) & 0xFF) < 0x60;
        EXPECT_GT(dark, 10);
    }

    std::vector<detail::PopupItem> popup;
    SIZE size = detail::LayoutPopup(GetSubMenu(GetMenu(h), 0), &popup);
    ASSERT_EQ(popup.size(), 4u);
    EXPECT_TRUE(popup[0].enabled);
    EXPECT_EQ(popup[0].mnemonic, 'O');
    EXPECT_TRUE(popup[1].separator);
    EXPECT_FALSE(popup[1].enabled);
    EXPECT_FALSE(popup[2].enabled);  // greyed
    EXPECT_EQ(popup[3].id, 13u);
    EXPECT_EQ(popup[3].mnemonic, 'Q');
    EXPECT_LT(popup[1].rect.bottom - popup[1].rect.top, popup[0].rect.bottom - popup[0].rect.top);
    EXPECT_EQ(size.cy, popup.back().rect.bottom + 2);
    SurfaceBuffer menu;
    detail::PaintPopup(GetSubMenu(GetMenu(h), 0), popup, 3, size, menu);
    EXPECT_EQ(Rgb(menu, popup[3].rect.right - 2, popup[3].rect.top + 2), 0x000A246Au);  // lit
    EXPECT_EQ(Rgb(menu, popup[0].rect.right - 2, popup[0].rect.top + 2), 0x00D4D0C8u);
}

// "TITLES\t(Currently Mineral)": the words before the tab at the left, those
// after it right-aligned at the item's end, and nothing drawn for the tab.
TEST_F(FramePictureTest, TheTextAfterATabIsAColumnOfItsOwn) {
    HMENU popup = CreatePopupMenu();
    AppendMenu(popup, MF_STRING, 1, "&TITLES\t(Currently Mineral)");
    AppendMenu(popup, MF_STRING, 2, "A much longer item without a tab");
    std::vector<detail::PopupItem> items;
    SIZE size = detail::LayoutPopup(popup, &items);
    SurfaceBuffer menu;
    detail::PaintPopup(popup, items, -1, size, menu);
    // The columns of the first item's row that hold ink.
    std::vector<int> ink;
    const RECT row = items[0].rect;
    for (int x = row.left; x < row.right; ++x) {
        bool dark = false;
        for (int y = row.top; y < row.bottom; ++y) dark = dark || (Rgb(menu, x, y) & 0xFF) < 0x60;
        if (dark) ink.push_back(x);
    }
    ASSERT_FALSE(ink.empty());
    int gap = 0;
    int gapStart = 0;
    for (std::size_t i = 1; i < ink.size(); ++i) {
        if (ink[i] - ink[i - 1] > gap) {
            gap = ink[i] - ink[i - 1];
            gapStart = ink[i - 1];
        }
    }
    // The label ends well before the column starts; the column ends at the
    // item's right end.
    EXPECT_GT(gap, 20) << "from x " << gapStart;
    EXPECT_GE(ink.back(), row.right - 24);
    EXPECT_LT(ink.front(), row.left + 30);
    DestroyMenu(popup);
}

TEST_F(FramePictureTest, TheDrawnThumbIsWhereTheMouseFindsIt) {
    HWND h = Page(WS_OVERLAPPEDWINDOW | WS_VSCROLL);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 109;
    si.nPage = 10;
    RECT outer;
    GetWindowRect(h, &outer);
    for (int pos : {0, 37, 100}) {
        si.nPos = pos;
        SetScrollInfo(h, SB_VERT, &si, TRUE);
        SurfaceBuffer picture;
        detail::PaintWindowPicture(h, true, -1, picture);
        detail::FrameLayout f = detail::LayoutFrame(h);
        const int x = (f.vscroll.left + f.vscroll.right) / 2;
        // The thumb: face-coloured rows between track-coloured ones.
        int first = -1;
        int last = -1;
        for (int y = f.vscroll.top + 16; y < f.vscroll.bottom - 16; ++y) {
            if (Rgb(picture, x, y) == 0x00D4D0C8u) {
                if (first < 0) first = y;
                last = y;
            }
        }
        ASSERT_GE(first, 0) << pos;
        ScrollBarGeometry g = MeasureScrollBar(si, f.vscroll.bottom - f.vscroll.top, 16);
        EXPECT_EQ(first, f.vscroll.top + g.thumbStart + 1) << pos;  // inside its edge
        EXPECT_EQ(last, f.vscroll.top + g.thumbStart + g.thumbLength - 2) << pos;
        // A press in the middle of the drawn thumb starts a drag; released
        // where it started, the position stays.
        gScrolls.clear();
        POINT middle{outer.left + x, outer.top + (first + last) / 2};
        MouseDownAt(middle, MouseButton::Left);
        MouseUpAt(middle, MouseButton::Left);
        RunUntilIdle();
        ASSERT_FALSE(gScrolls.empty()) << pos;
        EXPECT_EQ(gScrolls.front(), SB_THUMBPOSITION) << pos;
        EXPECT_EQ(gThumbPos, pos);
        // Just above or below it pages.
        gScrolls.clear();
        POINT beside{middle.x, pos == 0 ? outer.top + last + 3 : outer.top + first - 3};
        MouseDownAt(beside, MouseButton::Left);
        MouseUpAt(beside, MouseButton::Left);
        RunUntilIdle();
        ASSERT_FALSE(gScrolls.empty()) << pos;
        EXPECT_EQ(gScrolls.front(), pos == 0 ? SB_PAGEDOWN : SB_PAGEUP) << pos;
    }
}

TEST_F(FramePictureTest, ScrollBarGeometryAtItsEdges) {
    SCROLLINFO si;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 0;  // no page: the thumb keeps its least length
    si.nPos = 0;
    ScrollBarGeometry g = MeasureScrollBar(si, 200, 16);
    EXPECT_EQ(g.arrow, 16);
    EXPECT_EQ(g.thumbStart, 16);
    EXPECT_EQ(g.thumbLength, 8);
    si.nPos = 99;
    g = MeasureScrollBar(si, 200, 16);
    EXPECT_EQ(g.thumbStart + g.thumbLength, 200 - 16);
    // A bar too short for a thumb has arrows only, each half of it at most.
    g = MeasureScrollBar(si, 30, 16);
    EXPECT_EQ(g.arrow, 15);
    EXPECT_EQ(g.thumbLength, 0);
    // An empty range shows no thumb.
    si.nMax = -5;
    EXPECT_EQ(MeasureScrollBar(si, 200, 16).thumbLength, 0);
}

TEST_F(FramePictureTest, OwnedWindowsStayAboveTheirOwner) {
    HWND owner = Page(WS_OVERLAPPEDWINDOW);
    HWND page = Page(WS_OVERLAPPEDWINDOW, owner);
    HWND box = Page(WS_POPUP | WS_CAPTION, page);
    HWND other = Page(WS_OVERLAPPEDWINDOW);
    BringWindowToTop(owner);
    const auto& order = detail::TopLevelWindows();
    auto at = [&](HWND h) { return std::find(order.begin(), order.end(), h) - order.begin(); };
    EXPECT_LT(at(box), at(page));
    EXPECT_LT(at(page), at(owner));
    EXPECT_LT(at(owner), at(other));
    // Raising the owned page keeps its own box above it.
    BringWindowToTop(other);
    BringWindowToTop(page);
    EXPECT_LT(at(box), at(page));
    EXPECT_LT(at(page), at(other));
}

}  // namespace
}  // namespace wintest
