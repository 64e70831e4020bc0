// Scroll-bar controls and list boxes as a user works them: each arrow box of
// a bar shows its arrow, a focused bar steps with the keys, and a list whose
// entries do not fit shows a scroll bar that scrolls it (as does the wheel).
#include <algorithm>
#include <vector>

#include "platform/controls/controls.h"
#include "platform/gdi/gdi_dc.h"
#include "tests/platform/gdi_test_support.h"
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

// Dark pixels (the arrow) inside a rectangle of the canvas.
int DarkIn(const test::MemoryCanvas& canvas, RECT r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const std::uint32_t p = canvas.At(x, y);
            if (((p >> 16) & 0xFF) < 64 && ((p >> 8) & 0xFF) < 64 && (p & 0xFF) < 64) ++n;
        }
    return n;
}

TEST(ScrollBarPicture, EachArrowBoxShowsItsArrowPointingOut) {
    for (bool vertical : {true, false}) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        const int length = 80;
        test::MemoryCanvas canvas(vertical ? 16 : length, vertical ? length : 16);
        ControlPaintInfo info;
        info.kind = ControlKind::ScrollBar;
        info.hdc = canvas.Dc();
        info.client = RECT{0, 0, vertical ? 16 : length, vertical ? length : 16};
        info.vertical = vertical;
        info.scroll.nMin = 0;
        info.scroll.nMax = 10;
        info.scroll.nPage = 1;
        PaintBuiltinControl(info);
        // The arrow boxes are the bar's thickness long at either end; the
        // arrow is drawn in the inner half of each, clear of the edges.
        auto box = [&](int from) {
            return vertical ? RECT{4, from + 4, 12, from + 12} : RECT{from + 4, 4, from + 12, 12};
        };
        const int first = DarkIn(canvas, box(0));
        const int last = DarkIn(canvas, box(length - 16));
        EXPECT_GT(first, 6);
        EXPECT_GT(last, 6);
        // The first arrow points up (left): its narrow tip comes first, its
        // broad base last; the second the other way round.
        auto ends = [&](int from, int* tip, int* base) {
            std::vector<int> rows;
            for (int k = 0; k < 16; ++k) {
                const int along = from + k;
                const int n = DarkIn(canvas, vertical ? RECT{0, along, 16, along + 1}
                                                      : RECT{along, 0, along + 1, 16});
                if (n > 0) rows.push_back(n);
            }
            ASSERT_GE(rows.size(), 3u);
            *tip = rows.front();
            *base = rows.back();
        };
        int a = 0, b = 0;
        ends(0, &a, &b);
        EXPECT_LT(a, b) << "the first arrow points to the start";
        ends(length - 16, &a, &b);
        EXPECT_GT(a, b) << "the second arrow points to the end";
    }
}

std::vector<int> gCodes;
LRESULT BarOwner(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_VSCROLL) gCodes.push_back(LOWORD(w));
    return DefWindowProc(h, m, w, l);
}

class ScrollingControlsTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gCodes.clear();
        WNDCLASS wc;
        wc.lpfnWndProc = BarOwner;
        wc.lpszClassName = "BarOwner";
        ASSERT_NE(RegisterClass(&wc), 0);
        owner_ = CreateWindowEx(0, "BarOwner", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                300, 300, nullptr, nullptr, nullptr, nullptr);
    }
    HWND owner_ = nullptr;
};

TEST_F(ScrollingControlsTest, AFocusedSpinBarStepsWithTheKeys) {
    HWND bar = CreateWindowEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT,
                              10, 10, 16, 28, owner_, nullptr, nullptr, nullptr);
    SetActiveWindow(owner_);
    Click(bar, 8, 24);  // the lower arrow: a line down, and the focus
    EXPECT_EQ(GetFocus(), bar);
    PressKey(VK_UP);
    PressKey(VK_DOWN);
    PressKey(VK_NEXT);
    gCodes.erase(std::remove(gCodes.begin(), gCodes.end(), SB_ENDSCROLL), gCodes.end());
    EXPECT_EQ(gCodes, (std::vector<int>{SB_LINEDOWN, SB_LINEUP, SB_LINEDOWN, SB_PAGEDOWN}));
}

TEST_F(ScrollingControlsTest, AListThatDoesNotFitShowsItsScrollBar) {
    // Five rows of 16 pixels.
    HWND list = CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 150,
                               80, owner_, nullptr, nullptr, nullptr);
    RECT bare;
    GetClientRect(list, &bare);
    // The bar takes its width from the client area while it shows.
    auto barShown = [&] {
        RECT c;
        GetClientRect(list, &c);
        return c.right < bare.right;
    };
    for (int i = 0; i < 4; ++i) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
    EXPECT_FALSE(barShown());
    for (int i = 0; i < 16; ++i) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("y"));
    EXPECT_TRUE(barShown());
    SendMessage(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 5);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 5);
    SendMessage(list, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 15);  // the last row at the bottom
    Wheel(list, 1);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 12);
    // Scrolled by its own bar: a click below the thumb pages down.
    RECT r;
    GetWindowRect(list, &r);
    SendMessage(list, WM_VSCROLL, SB_TOP, 0);
    MouseDownAt(POINT{r.right - 4, r.bottom - 24}, MouseButton::Left);
    MouseUpAt(POINT{r.right - 4, r.bottom - 24}, MouseButton::Left);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 5);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    EXPECT_FALSE(barShown());
}

}  // namespace
}  // namespace wintest
