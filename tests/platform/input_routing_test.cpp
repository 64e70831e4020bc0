// Mouse and keyboard routing: the hit test decides what a click becomes (a
// page that answers HTNOWHERE while the right button is down swallows the
// click; HTCAPTION turns the body into a drag handle), double-clicks need the
// class style, disabled windows get nothing, capture redirects, the wheel
// reaches the window, scroll-bar controls react to clicks by position, and
// Ctrl+F6 / Ctrl+Tab take the keyboard round a program's windows.
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

struct Hits {
    std::vector<std::pair<HWND, WPARAM>> keys;  // WM_KEYDOWN: window, key
    int rightDownInHitTest = 0;
    int clientClicks = 0;
    int doubleClicks = 0;
    int wheelDelta = 0;
    std::vector<int> scrollCodes;
};
Hits gHits;

// A page whose body drags like a caption and whose right click copies.
LRESULT PageLikeProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
        case WM_NCHITTEST: {
            LRESULT hit = DefWindowProc(h, m, w, l);
            if (hit != HTCLIENT) return hit;
            if (GetKeyState(VK_RBUTTON) >= 0) return HTCAPTION;
            ++gHits.rightDownInHitTest;
            return HTNOWHERE;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            ++gHits.clientClicks;
            return 0;
        default:
            return DefWindowProc(h, m, w, l);
    }
}

LRESULT ClientProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
        case WM_KEYDOWN:
            gHits.keys.emplace_back(h, w);
            return 0;
        case WM_LBUTTONDOWN:
            ++gHits.clientClicks;
            return 0;
        case WM_LBUTTONDBLCLK:
            ++gHits.doubleClicks;
            return 0;
        case WM_MOUSEWHEEL:
            gHits.wheelDelta += GET_WHEEL_DELTA_WPARAM(w);
            return 0;
        case WM_VSCROLL:
            gHits.scrollCodes.push_back(LOWORD(w));
            return 0;
        default:
            return DefWindowProc(h, m, w, l);
    }
}

class InputRoutingTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gHits = Hits{};
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = PageLikeProc;
        wc.lpszClassName = "PageLike";
        ASSERT_NE(RegisterClass(&wc), 0);
        wc.lpfnWndProc = ClientProc;
        wc.lpszClassName = "Clicks";
        ASSERT_NE(RegisterClass(&wc), 0);
        wc.style = 0;
        wc.lpszClassName = "NoDouble";
        ASSERT_NE(RegisterClass(&wc), 0);
    }
    HWND Make(const char* cls, int x = 100, int y = 100) {
        return CreateWindow(cls, "W", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 300, 200, nullptr,
                            nullptr, nullptr, nullptr);
    }
};

TEST_F(InputRoutingTest, RightClickAnsweredNowhereIsSwallowedWithoutActivation) {
    HWND other = Make("Clicks", 500, 400);
    HWND page = Make("PageLike");
    SetActiveWindow(other);
    Click(page, 50, 50, MouseButton::Right);
    EXPECT_EQ(gHits.rightDownInHitTest, 1);
    EXPECT_EQ(gHits.clientClicks, 0);
    EXPECT_EQ(GetActiveWindow(), other);
    // A left drag on the body moves the page like its caption would.
    RECT before;
    GetWindowRect(page, &before);
    POINT p{50, 50};
    ClientToScreen(page, &p);
    MouseDownAt(p, MouseButton::Left);
    MouseMoveTo(POINT{p.x - 30, p.y + 10});
    MouseUpAt(POINT{p.x - 30, p.y + 10}, MouseButton::Left);
    RunUntilIdle();
    RECT after;
    GetWindowRect(page, &after);
    EXPECT_EQ(after.left, before.left - 30);
    EXPECT_EQ(after.top, before.top + 10);
    EXPECT_EQ(GetActiveWindow(), page);
}

TEST_F(InputRoutingTest, DoubleClicksNeedTheClassStyle) {
    HWND with = Make("Clicks");
    DoubleClick(with, 10, 10);
    EXPECT_EQ(gHits.doubleClicks, 1);
    EXPECT_EQ(gHits.clientClicks, 1);
    DestroyWindow(with);
    HWND without = Make("NoDouble");
    DoubleClick(without, 10, 10);
    EXPECT_EQ(gHits.doubleClicks, 1);
    EXPECT_EQ(gHits.clientClicks, 3);  // two plain presses instead
}

TEST_F(InputRoutingTest, DisabledWindowsGetNoInputAndCaptureRedirects) {
    HWND a = Make("Clicks");
    HWND b = Make("Clicks", 600, 500);
    EnableWindow(a, FALSE);
    Click(a, 10, 10);
    EXPECT_EQ(gHits.clientClicks, 0);
    SetFocus(a);
    EnableWindow(a, TRUE);
    SetCapture(b);
    Click(a, 10, 10);  // over a, but b holds the mouse
    EXPECT_EQ(gHits.clientClicks, 1);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputRoutingTest, WheelNotchesReachTheWindowAndUnhandledOnesTheParent) {
    HWND h = Make("Clicks");
    Wheel(h, 1);
    Wheel(h, -2);
    EXPECT_EQ(gHits.wheelDelta, -WHEEL_DELTA);
    HWND child = CreateWindow("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, h, ControlId(1),
                              nullptr, nullptr);
    Wheel(child, 1);
    EXPECT_EQ(gHits.wheelDelta, 0);
}

TEST_F(InputRoutingTest, ScrollBarControlsAnswerClicksByPosition) {
    HWND h = Make("Clicks");
    HWND bar = CreateWindow("SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 16, 116, h,
                            ControlId(2), nullptr, nullptr);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 9;
    si.nPage = 2;
    si.nPos = 4;
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
    // 116 pixels: arrows of 16 at both ends, a track of 84 with a thumb of
    // 84 * 2 / 10 = 16 pixels at 16 + (84 - 16) * 4 / 8 = 50.
    Click(bar, 8, 5);
    Click(bar, 8, 110);
    Click(bar, 8, 30);
    Click(bar, 8, 90);
    EXPECT_EQ(gHits.scrollCodes,
              (std::vector<int>{SB_LINEUP, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEUP,
                                SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
    gHits.scrollCodes.clear();
    POINT thumb{8, 58};
    ClientToScreen(bar, &thumb);
    MouseDownAt(thumb, MouseButton::Left);
    MouseMoveTo(POINT{thumb.x, thumb.y + 200});  // far below: the last position
    MouseUpAt(POINT{thumb.x, thumb.y + 200}, MouseButton::Left);
    RunUntilIdle();
    ASSERT_EQ(gHits.scrollCodes.size(), 3u);
    EXPECT_EQ(gHits.scrollCodes[0], SB_THUMBTRACK);
    EXPECT_EQ(gHits.scrollCodes[1], SB_THUMBPOSITION);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 4);  // the owner moves the bar itself
}

TEST_F(InputRoutingTest, ChildWindowsMoveWithAScrolledPicture) {
    HWND h = Make("Clicks");
    HWND c = CreateWindow("STATIC", "", WS_CHILD | WS_VISIBLE, 10, 40, 20, 20, h, ControlId(1),
                          nullptr, nullptr);
    ScrollWindow(h, 0, -15, nullptr, nullptr);
    POINT p{0, 0};
    MapWindowPoints(c, h, &p, 1);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 25);
}

// Ctrl+F6 and Ctrl+Tab go round the windows of the active one's program (its
// owner and what the owner owns, shown and enabled, in the order they were
// opened), Shift with them the other way; the window reached is on top and
// gets the keys. Another program's window, a hidden one and a modal wait are
// left alone.
TEST_F(InputRoutingTest, ControlF6GoesRoundTheWindowsOfOneProgram) {
    const int kF6 = VK_F1 + 5;
    HWND main = Make("Clicks");
    HWND other = Make("Clicks", 700, 500);  // another program's window
    auto owned = [main](int x) {
        return CreateWindow("Clicks", "page", WS_POPUP | WS_CAPTION | WS_VISIBLE, x, 150, 200,
                            150, main, nullptr, nullptr, nullptr);
    };
    HWND first = owned(120);
    HWND hidden = owned(140);
    ShowWindow(hidden, SW_HIDE);
    HWND second = owned(160);
    SetActiveWindow(main);
    RunUntilIdle();
    struct Step {
        int key;
        bool shift;
        HWND reached;
    };
    const Step steps[] = {{kF6, false, first},  {kF6, false, second},   {kF6, false, main},
                          {VK_TAB, false, first}, {kF6, true, main},    {VK_TAB, true, second},
                          {VK_TAB, true, first}};
    for (const Step& s : steps) {
        PressKey(s.key, true, s.shift);
        RunUntilIdle();
        EXPECT_EQ(GetActiveWindow(), s.reached) << s.key << (s.shift ? " with Shift" : "");
        if (s.reached != main) {
            EXPECT_EQ(GetWindow(main, GW_HWNDFIRST), s.reached);
        }
    }
    // The page reached takes the keys that follow; the step itself types nothing.
    gHits.keys.clear();
    PressKey(VK_NEXT);
    RunUntilIdle();
    ASSERT_EQ(gHits.keys.size(), 1u);
    EXPECT_EQ(gHits.keys[0], std::make_pair(first, static_cast<WPARAM>(VK_NEXT)));
    // While the owner waits for a modal dialog, the keys stay where they are.
    EnableWindow(main, FALSE);
    PressKey(kF6, true);
    RunUntilIdle();
    EXPECT_EQ(GetActiveWindow(), first);
    EnableWindow(main, TRUE);
    // Alone in its program, a window keeps the keys: Ctrl+F6 reaches it.
    SetActiveWindow(other);
    gHits.keys.clear();
    PressKey(kF6, true);
    RunUntilIdle();
    EXPECT_EQ(GetActiveWindow(), other);
    ASSERT_EQ(gHits.keys.size(), 1u);
    EXPECT_EQ(gHits.keys[0].first, other);
}

}  // namespace
}  // namespace wintest
