// The progress window: its place, its bar, its two lines and its closing, as
// the what-if drivers reach it through the engine's hooks.
#include "shell/progress/progress_window.h"

#include "engine/pipeline/service_hooks.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

constexpr uint32_t kGreen = 0x80FF80;  // RGB(128, 255, 128) as a surface pixel
constexpr uint32_t kWhite = 0xFFFFFF;

class ProgressWindowTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
    }
    win::HWND Window() const { return mainWindowState.progressWindow; }
    // Last column of the bar's fill on a row through its middle; -1 when none.
    int FilledTo() const {
        const win::Image32 p = win::ReadWindowPixels(Window());
        const int y = 20;
        int last = -1;
        for (int x = 4; x < p.width - 4; ++x)
            if ((p.At(x, y) & 0xFFFFFF) == kGreen) last = x;
        return last;
    }
};

TEST_F(ProgressWindowTest, PlacedOverTheMiddleOfTheMainWindow) {
    ASSERT_EQ(ShowProgressBar(), 1);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(win::GetParent(Window()), mainWindowState.mainWindow);
    EXPECT_EQ(mainWindowState.progressShown, 1);
    win::RECT outer, inner;
    win::GetWindowRect(mainWindowState.mainWindow, &outer);
    win::GetWindowRect(Window(), &inner);
    const int W = outer.right - outer.left;
    const int H = outer.bottom - outer.top;
    EXPECT_EQ(inner.right - inner.left, 2 * W / 3);
    win::POINT origin{0, 0};  // a child's place counts from its parent's client area
    win::ClientToScreen(mainWindowState.mainWindow, &origin);
    EXPECT_EQ(inner.left - origin.x, W / 6);
    EXPECT_EQ(inner.top - origin.y, H / 3);
    EXPECT_EQ(win::GetFocus(), Window());

    // A second driver run takes the same window.
    win::HWND first = Window();
    ASSERT_EQ(ShowProgressBar(), 1);
    EXPECT_EQ(Window(), first);
}

TEST_F(ProgressWindowTest, BarFollowsThePercent) {
    ASSERT_EQ(ShowProgressBar(), 1);
    win::RECT client;
    win::GetClientRect(Window(), &client);
    const int w = client.right;
    SetProgressPos(0, 30);
    EXPECT_EQ(FilledTo(), -1);
    SetProgressPos(50, 20);
    EXPECT_NEAR(FilledTo(), w / 2 - 1, 2);
    SetProgressPos(250, 0);  // more than done: a full bar and 100 percent
    EXPECT_EQ(progressState.progressPercent, 100);
    EXPECT_GE(FilledTo(), w - 6);  // up to the frame
}

TEST_F(ProgressWindowTest, LinesReadAsThePrintfFormats) {
    EXPECT_EQ(PercentLine(5), "  5 Percent Complete");
    EXPECT_EQ(PercentLine(42), " 42 Percent Complete");
    EXPECT_EQ(PercentLine(100), " 100 Percent Complete");
    EXPECT_EQ(SecondsLine(9), " 9 Seconds To Go");
    EXPECT_EQ(SecondsLine(99), " 99 Seconds To Go");
    EXPECT_EQ(SecondsLine(100), " 100 Seconds To Go");
}

TEST_F(ProgressWindowTest, ShorterSecondsLineLeavesNoRemnant) {
    ASSERT_EQ(ShowProgressBar(), 1);
    SetProgressPos(10, 100);
    const int wideX = progressState.secondsTextX;
    const int wideWidth = progressState.secondsTextWidth;
    SetProgressPos(11, 99);
    EXPECT_LT(progressState.secondsTextWidth, wideWidth);
    // Where the wider line stood and the new one does not, the window is white.
    const win::Image32 p = win::ReadWindowPixels(Window());
    win::HDC dc = win::GetDC(Window());
    win::SelectObject(dc, win::GetStockObject(win::OEM_FIXED_FONT));
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::ReleaseDC(Window(), dc);
    const int line = tm.tmHeight + tm.tmExternalLeading;
    const int top = p.height - line;  // the seconds line is the last one
    for (int x = wideX; x < progressState.secondsTextX; ++x)
        for (int y = top; y < top + tm.tmHeight && y < p.height; ++y)
            ASSERT_EQ(p.At(x, y) & 0xFFFFFF, kWhite) << x << "," << y;
    EXPECT_GT(progressState.secondsTextX, wideX);
}

TEST_F(ProgressWindowTest, ClosingMessageDestroysItOnce) {
    ASSERT_EQ(ShowProgressBar(), 1);
    win::HWND hwnd = Window();
    CloseProgressBar();
    EXPECT_FALSE(win::IsWindow(hwnd));
    EXPECT_EQ(mainWindowState.progressShown, 0);
    EXPECT_EQ(Window(), hwnd);  // the handle is kept
    CloseProgressBar();         // again: only the main window is shown
    EXPECT_TRUE(win::IsWindowVisible(mainWindowState.mainWindow));
    ASSERT_EQ(ShowProgressBar(), 1);  // a new run makes a new one
    EXPECT_NE(Window(), hwnd);
    EXPECT_TRUE(failures.empty());
}

}  // namespace
}  // namespace shelltest
