// The page routine of the menu commands: switches, the cascade and its two
// other origins, pages shown again rather than made twice, the width rule of
// the multi-mix summaries, and a page that cannot be made ending the command.
#include "shell/resultpages/page_routine.h"

#include "pages/frame/page_descriptor.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/resultpages/water_input_pages.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

class PageRoutineTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        main = mainWindowState.mainWindow;
        const PagePlacement& p = mainWindowExtras.placement;
        step = win::POINT{p.pageStepX, p.pageStepY};
        origin = win::POINT{p.pageOriginX, p.pageOriginY};
    }
    static win::RECT Frame(PageClass page) {
        win::RECT r{};
        win::GetWindowRect(PageWindowSlot(page), &r);
        return r;
    }
    int CellWidth() const {
        win::HDC dc = win::GetDC(main);
        const win::HGDIOBJ old = win::SelectObject(dc, screenFonts.pageFont);
        win::TEXTMETRICA tm{};
        win::GetTextMetricsA(dc, &tm);
        win::SelectObject(dc, old);
        win::ReleaseDC(main, dc);
        return tm.tmAveCharWidth;
    }
    win::HWND main = nullptr;
    win::POINT origin{}, step{};
};

// With the first switch at 1 only the second page opens, one cascade step from
// the first position; with both at 0 both open, the second a step further.
TEST_F(PageRoutineTest, ASkippedPageStillTakesItsPlaceInTheCascade) {
    ASSERT_TRUE(ShowResultPages(main, {{PageClass::kMuWater, 1}, {PageClass::kMuValues, 0}},
                                PageCascade::kStandard, 0));
    EXPECT_FALSE(IsPageOpen(PageClass::kMuWater));
    ASSERT_TRUE(IsPageOpen(PageClass::kMuValues));
    const win::RECT values = Frame(PageClass::kMuValues);
    EXPECT_EQ(values.left, origin.x + step.x);
    EXPECT_EQ(values.top, origin.y + step.y);
    EXPECT_EQ(values.bottom - values.top, mainWindowExtras.placement.pageHeight);
    EXPECT_EQ(mainWindowState.pageHome[PageIndex(PageClass::kMuValues)].x, values.left);
    EXPECT_EQ(win::WindowText(PageWindowSlot(PageClass::kMuValues)),
              "SURFACE WATER DEPOSITION POTENTIAL INDICATORS");
    EXPECT_NE(
        win::GetWindowLong(PageWindowSlot(PageClass::kMuValues), win::GWL_STYLE) & win::WS_VSCROLL,
        0);
    EXPECT_TRUE(win::IsZoomed(main));
    EXPECT_TRUE(failures.empty());
}

TEST_F(PageRoutineTest, FormationAndPressurePagesStartAtTheirOwnOrigins) {
    const int cw = CellWidth();
    ASSERT_TRUE(ShowResultPages(main,
                                {{PageClass::kMuWater, 0, true}, {PageClass::kMuValues, 0, true}},
                                PageCascade::kFormation, 2));
    const win::RECT water = Frame(PageClass::kMuWater);
    EXPECT_EQ(water.left, 8 * cw);
    EXPECT_EQ(Frame(PageClass::kMuValues).left, 8 * cw + step.x);
    EXPECT_EQ(win::WindowText(PageWindowSlot(PageClass::kMuWater)), "FORMATION WATER ANALYSIS");
    EXPECT_EQ(
        win::GetWindowLong(PageWindowSlot(PageClass::kMuWater), win::GWL_STYLE) & win::WS_VSCROLL,
        0u);  // opened after its input: no scroll bar
    ASSERT_TRUE(ShowResultPages(main, {{PageClass::kPressWater, 0}}, PageCascade::kPressure, 0));
    EXPECT_EQ(Frame(PageClass::kPressWater).left, 4 * cw);
    EXPECT_EQ(Frame(PageClass::kPressWater).top * 5, water.top * 3);  // 3 and 5 line pitches
}

TEST_F(PageRoutineTest, AnOpenPageIsShownAgainNotMadeTwice) {
    ASSERT_TRUE(ShowResultPages(main, {{PageClass::kTempWater, 0}}, PageCascade::kStandard, 0));
    const win::HWND first = PageWindowSlot(PageClass::kTempWater);
    win::MoveWindow(first, 200, 150, 300, 200, win::TRUE);
    win::ShowWindow(first, win::SW_HIDE);
    ASSERT_TRUE(ShowResultPages(main, {{PageClass::kTempWater, 0, false, true}},
                                PageCascade::kStandard, 0));
    EXPECT_EQ(PageWindowSlot(PageClass::kTempWater), first);
    EXPECT_TRUE(win::IsWindowVisible(first));
    EXPECT_EQ(Frame(PageClass::kTempWater).left, 200);  // left where the user put it
}

TEST_F(PageRoutineTest, MultiMixSummariesWidenFromTheEighthWater) {
    const int cw = CellWidth();
    for (int last : {6, 7}) {
        multiMixState.lastWaterIndex = last;
        ASSERT_TRUE(ShowResultPages(main,
                                    {{PageClass::kMixedWater, 0}, {PageClass::kMixedValuesOut, 0}},
                                    PageCascade::kStandard, 5));
        // The cells fit the client area, beside the frame and the scroll bar.
        win::RECT summary{}, out{};
        win::GetClientRect(PageWindowSlot(PageClass::kMixedWater), &summary);
        EXPECT_EQ(summary.right - summary.left, (last < 7 ? 82 : 11 * last + 16) * cw) << last;
        win::GetClientRect(PageWindowSlot(PageClass::kMixedValuesOut), &out);
        EXPECT_EQ(out.right - out.left, 80 * cw);
        win::DestroyWindow(PageWindowSlot(PageClass::kMixedWater));
        win::DestroyWindow(PageWindowSlot(PageClass::kMixedValuesOut));
        SetPageOpen(PageClass::kMixedWater, false);
        SetPageOpen(PageClass::kMixedValuesOut, false);
    }
}

// A page that cannot be made ends the command: the pages before it stay, the
// ones after it are not made.
TEST_F(PageRoutineTest, AFailedCreationEndsTheCommand) {
    ASSERT_TRUE(win::UnregisterClass("DisplayTempValues", mainWindowState.instance));
    win::ShowWindow(main, win::SW_MINIMIZE);
    EXPECT_FALSE(ShowResultPages(
        main, {{PageClass::kTempWater, 0}, {PageClass::kTempValues, 0}, {PageClass::kPhWater, 0}},
        PageCascade::kStandard, 0));
    EXPECT_TRUE(IsPageOpen(PageClass::kTempWater));
    EXPECT_FALSE(IsPageOpen(PageClass::kTempValues));
    EXPECT_FALSE(IsPageOpen(PageClass::kPhWater));
    EXPECT_TRUE(win::IsIconic(main));  // the command ended before the main window was shown
}

// After a water's input: its two pages by that water's switches, only once
// the water is entered and the form was not cancelled.
TEST_F(PageRoutineTest, WaterInputOpensTheWatersTwoPagesByItsSwitches) {
    mainWindowState.currentWater = 1;
    dialogResult = 1;
    ASSERT_TRUE(ShowWaterInputPages(main, 1));
    EXPECT_FALSE(IsPageOpen(PageClass::kMuWater));  // not entered yet
    resultStatus.injectionEntered = 1;
    dialogResult = -1;
    ASSERT_TRUE(ShowWaterInputPages(main, 1));
    EXPECT_FALSE(IsPageOpen(PageClass::kMuWater));  // Cancel
    dialogResult = 0;
    displaySettings.mixedWindowsShown[1] = 1;
    ASSERT_TRUE(ShowWaterInputPages(main, 1));
    ASSERT_TRUE(IsPageOpen(PageClass::kMuWater));
    EXPECT_FALSE(IsPageOpen(PageClass::kMuValues));
    EXPECT_EQ(win::WindowText(PageWindowSlot(PageClass::kMuWater)), "INJECTION WATER ANALYSIS");
    // Every water's analysis page scrolls, as the surface water's does.
    EXPECT_NE(
        win::GetWindowLong(PageWindowSlot(PageClass::kMuWater), win::GWL_STYLE) & win::WS_VSCROLL,
        0u);

    mainWindowState.currentWater = 0;
    resultStatus.surfaceEntered = 1;
    win::DestroyWindow(PageWindowSlot(PageClass::kMuWater));
    SetPageOpen(PageClass::kMuWater, false);
    ASSERT_TRUE(ShowWaterInputPages(main, 0));
    EXPECT_EQ(win::WindowText(PageWindowSlot(PageClass::kMuValues)),
              "SURFACE WATER DEPOSITION POTENTIAL INDICATORS");
    EXPECT_NE(
        win::GetWindowLong(PageWindowSlot(PageClass::kMuWater), win::GWL_STYLE) & win::WS_VSCROLL,
        0);
    EXPECT_TRUE(failures.empty());
}

// Change Range on the pH page runs the what-if settings dialog installed at
// start-up (template 85 on the fixture's desktop of 480 pixels).
TEST_F(PageRoutineTest, ChangeRangeOpensTheWhatIfSettings) {
    ASSERT_TRUE(ShowResultPages(main, {{PageClass::kPhWater, 0}}, PageCascade::kStandard, 0));
    int opened = 0;
    win::OnDialog(
        85,
        [&opened](win::HWND d) {
            ++opened;
            win::EndDialog(d, 2);
        },
        1);
    win::SendMessage(PageWindowSlot(PageClass::kPhWater), win::WM_COMMAND, 999, 0);
    win::RunUntilIdle();
    EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace shelltest
