// The result page frame on a fixture page: the paint cycle's scroll range,
// scrolling by bar and wheel, the keyboard moves with their wraps, the
// right-button copy of one column, and CLOSE.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "page_fixture.h"
#include "resources/resource_ids.h"

namespace pagetest {
namespace {

// ---- Paint and scrolling -------------------------------------------------------------------

TEST_F(PageTest, ScrollMaximumIsTheSameAtEveryPosition) {
    win::HWND page = OpenPage(PageClass::kPhWater);
    // F = 1 on this page: the 60 fixture lines end at line 61.
    EXPECT_EQ(Scroll(page).nMax, 1 + kFixtureLines);
    win::RECT client;
    win::GetClientRect(page, &client);
    EXPECT_EQ(static_cast<int>(Scroll(page).nPage), (client.bottom - client.top) / lineHeight);
    win::SetScrollPos(page, win::SB_VERT, 5, win::TRUE);
    Repaint(page);
    EXPECT_EQ(Scroll(page).nPos, 5);
    EXPECT_EQ(Scroll(page).nMax, 1 + kFixtureLines);
    // The band moved up with the text: line 3 at (F + 3 - 5) x lineHeight.
    EXPECT_EQ(pageStates[PageIndex(PageClass::kPhWater)].copyBandTop, -1 * lineHeight);
}

TEST_F(PageTest, FirstLineFollowsTheFirstLineOfEachPage) {
    win::HWND mu = OpenPage(PageClass::kMuWater);
    EXPECT_EQ(Scroll(mu).nMax, 2 + kFixtureLines);  // F = 2, drawn at the row height
    EXPECT_EQ(reportPageGrid.lineHeight, rowHeight);
    win::HWND press = OpenPage(PageClass::kPressValues);
    EXPECT_EQ(Scroll(press).nMax, 1 + kFixtureLines);
    EXPECT_EQ(reportPageGrid.lineHeight, lineHeight);
}

TEST_F(PageTest, BottomTopAndThumb) {
    win::HWND page = OpenPage(PageClass::kPhValues);
    const win::SCROLLINFO si = Scroll(page);
    win::SendMessage(page, win::WM_VSCROLL, win::SB_BOTTOM, 0);
    EXPECT_EQ(Scroll(page).nPos, si.nMax - static_cast<int>(si.nPage) + 1);
    win::SendMessage(page, win::WM_VSCROLL, win::SB_TOP, 0);
    EXPECT_EQ(Scroll(page).nPos, 0);
    win::SendMessage(page, win::WM_VSCROLL, win::SB_PAGEDOWN, 0);
    EXPECT_EQ(Scroll(page).nPos, static_cast<int>(si.nPage));
    // Dragging the thumb moves no text until it is released.
    win::SendMessage(page, win::WM_VSCROLL, win::SB_THUMBTRACK, 0);
    EXPECT_EQ(Scroll(page).nPos, static_cast<int>(si.nPage));
    win::DragScrollThumb(page, win::SB_VERT, 9);
    win::RunUntilIdle();
    EXPECT_EQ(Scroll(page).nPos, 9);
}

TEST_F(PageTest, PageKeysScrollAsTheBarDoes) {
    win::HWND page = OpenPage(PageClass::kPhValues);
    const win::SCROLLINFO si = Scroll(page);
    const int bottom = si.nMax - static_cast<int>(si.nPage) + 1;
    win::SendMessage(page, win::WM_KEYDOWN, win::VK_RIGHT, 0);  // away from the home position
    win::RECT before;
    win::GetWindowRect(page, &before);
    win::SetActiveWindow(page);
    win::SetFocus(page);
    win::PressKey(win::VK_NEXT);
    EXPECT_EQ(Scroll(page).nPos, static_cast<int>(si.nPage));
    win::PressKey(win::VK_PRIOR);
    EXPECT_EQ(Scroll(page).nPos, 0);
    win::PressKey(win::VK_END);
    EXPECT_EQ(Scroll(page).nPos, bottom);
    win::PressKey(win::VK_HOME);
    EXPECT_EQ(Scroll(page).nPos, 0);
    win::PressKey(win::VK_END, true);
    EXPECT_EQ(Scroll(page).nPos, bottom);
    win::PressKey(win::VK_HOME, true);
    EXPECT_EQ(Scroll(page).nPos, 0);
    win::RECT after;
    win::GetWindowRect(page, &after);
    EXPECT_EQ(after.left, before.left);  // scrolling keys leave the window where it is
    EXPECT_EQ(after.top, before.top);
}

// Three lines a notch as desktops scroll, at least one for a small turn;
// a turn of nothing goes one line down.
TEST_F(PageTest, WheelScrollsThreeLinesANotchAndZeroGoesDown) {
    win::HWND page = OpenPage(PageClass::kCycledWater);
    win::SendMessage(page, win::WM_MOUSEWHEEL, win::MAKEWPARAM(0, 0), 0);
    EXPECT_EQ(Scroll(page).nPos, 1);
    win::SendMessage(page, win::WM_MOUSEWHEEL, win::MAKEWPARAM(0, static_cast<win::WORD>(-240)), 0);
    EXPECT_EQ(Scroll(page).nPos, 7);
    win::SendMessage(page, win::WM_MOUSEWHEEL, win::MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(Scroll(page).nPos, 4);
    win::SendMessage(page, win::WM_MOUSEWHEEL, win::MAKEWPARAM(0, 30), 0);
    EXPECT_EQ(Scroll(page).nPos, 3);
    win::Wheel(page, 1);  // a real notch, through the input
    EXPECT_EQ(Scroll(page).nPos, 0);
}

// A page narrowed below its width gets a horizontal bar that shows the part
// cut off, a character cell an arrow; widened again, the bar goes and the
// text stands where it did.
TEST_F(PageTest, ANarrowedPageScrollsSideways) {
    win::HWND page = OpenPage(PageClass::kCycledWater);
    const auto hasBar = [&] {
        return (win::GetWindowLong(page, win::GWL_STYLE) & win::WS_HSCROLL) != 0;
    };
    EXPECT_FALSE(hasBar());  // the width it opens with shows it all
    win::RECT whole;
    win::GetWindowRect(page, &whole);
    const int width = whole.right - whole.left;
    const int height = whole.bottom - whole.top;
    const win::Image32 wide = win::ReadWindowPixels(page);
    win::SetWindowPos(page, nullptr, 0, 0, width - 200, height, win::SWP_NOMOVE | win::SWP_NOZORDER);
    win::UpdateWindow(page);
    ASSERT_TRUE(hasBar());
    win::SCROLLINFO si;
    si.fMask = win::SIF_ALL;
    ASSERT_TRUE(win::GetScrollInfo(page, win::SB_HORZ, &si));
    EXPECT_EQ(si.nMax + 1 - static_cast<int>(si.nPage), 200);
    win::SendMessage(page, win::WM_HSCROLL, win::SB_LINERIGHT, 0);
    win::UpdateWindow(page);
    EXPECT_EQ(win::GetScrollPos(page, win::SB_HORZ), cellWidth);
    // What showed a cell further right now shows at the left.
    const win::Image32 moved = win::ReadWindowPixels(page);
    int same = 0;
    int inked = 0;
    for (int y = 0; y < moved.height; ++y)
        for (int x = 0; x + cellWidth < moved.width - 2; ++x) {
            const std::uint32_t p = moved.At(x, y) & 0xFFFFFFu;
            if (p == 0xFFFFFFu) continue;
            ++inked;
            same += p == (wide.At(x + cellWidth, y) & 0xFFFFFFu);
        }
    ASSERT_GT(inked, 500);
    EXPECT_GT(same, inked * 95 / 100);
    win::SendMessage(page, win::WM_HSCROLL, win::SB_RIGHT, 0);
    win::UpdateWindow(page);
    EXPECT_EQ(win::GetScrollPos(page, win::SB_HORZ), 200);
    win::SetWindowPos(page, nullptr, 0, 0, width, height, win::SWP_NOMOVE | win::SWP_NOZORDER);
    win::UpdateWindow(page);
    EXPECT_FALSE(hasBar());
    EXPECT_TRUE(win::ReadWindowPixels(page).pixels == wide.pixels);
}

// ---- Keyboard moves -------------------------------------------------------------------------

TEST_F(PageTest, LeftWrapsWithoutMovingThenMovesFromTheWrap) {
    win::HWND page = OpenPage(PageClass::kPhWater);
    win::RECT mainRect;
    win::GetWindowRect(main_, &mainRect);
    PageState& s = pageStates[PageIndex(PageClass::kPhWater)];
    s.windowX = mainRect.left - 78 * cellWidth;
    win::RECT before;
    win::GetWindowRect(page, &before);
    win::SendMessage(page, win::WM_KEYDOWN, win::VK_LEFT, 0);
    EXPECT_EQ(s.windowX, mainRect.right - cellWidth);
    win::RECT after;
    win::GetWindowRect(page, &after);
    EXPECT_EQ(after.left, before.left);
    win::SendMessage(page, win::WM_KEYDOWN, win::VK_LEFT, 0);
    win::GetWindowRect(page, &after);
    EXPECT_EQ(after.left, mainRect.right - 2 * cellWidth);
    EXPECT_EQ(after.right - after.left, before.right - before.left);  // size kept
}

TEST_F(PageTest, UpWrapsBelowTheMainWindowAndDownWrapsAboveIt) {
    win::HWND page = OpenPage(PageClass::kPhValues);  // step rowHeight, reach 54
    win::RECT mainRect;
    win::GetWindowRect(main_, &mainRect);
    PageState& s = pageStates[PageIndex(PageClass::kPhValues)];
    s.windowY = mainRect.top - 54 * rowHeight;
    win::SendMessage(page, win::WM_KEYDOWN, win::VK_UP, 0);
    EXPECT_EQ(s.windowY, mainRect.bottom - rowHeight);
    s.windowY = mainRect.bottom - rowHeight;
    win::SendMessage(page, win::WM_KEYDOWN, win::VK_DOWN, 0);
    EXPECT_EQ(s.windowY, mainRect.top - 54 * rowHeight);
    win::SendMessage(page, win::WM_KEYDOWN, win::VK_DOWN, 0);
    win::RECT r;
    win::GetWindowRect(page, &r);
    EXPECT_EQ(r.top, mainRect.top - 53 * rowHeight);
}

TEST_F(PageTest, MovesShowTheMixingChemistryPage) {
    win::HWND page = OpenPage(PageClass::kCycledWater);
    win::ShowWindow(page, win::SW_HIDE);
    win::SendMessage(page, win::WM_KEYDOWN, win::VK_RIGHT, 0);
    EXPECT_TRUE(win::IsWindowVisible(page));
    win::HWND ph = OpenPage(PageClass::kPhWater);
    win::ShowWindow(ph, win::SW_HIDE);
    win::SendMessage(ph, win::WM_KEYDOWN, win::VK_RIGHT, 0);
    EXPECT_FALSE(win::IsWindowVisible(ph));
}

// ---- Right-button copy ------------------------------------------------------------------

TEST_F(PageTest, ColumnLeftEdgeCopiesThatColumnAndCharacterEightyOneNothing) {
    for (int k = 0; k < 7; ++k) whatIfResults.phProfile.analysis[k][0] = 6.0f + 0.5f * k;
    win::HWND page = OpenPage(PageClass::kPhWater);
    const int y = 10 * lineHeight;
    RightClick(page, 25 * cellWidth, y);
    RightClick(page, (25 + 8 * 3) * cellWidth, y);
    RightClick(page, 81 * cellWidth - 1, y);
    RightClick(page, 81 * cellWidth, y);
    RightClick(page, 25 * cellWidth - 1, y);
    ASSERT_EQ(CopyCalls().size(), 3u);
    EXPECT_EQ(CopyCalls()[0].label, "pH 6.0000   ");
    EXPECT_EQ(CopyCalls()[0].field, 6);
    EXPECT_EQ(CopyCalls()[1].label, "pH 7.5000   ");
    EXPECT_EQ(CopyCalls()[2].firstValue, 9.0f);
    EXPECT_EQ(pageStates[PageIndex(PageClass::kPhWater)].copiedColumn, -1);
    const auto& boxes = win::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].caption, "Analysis copied to the Windows clipboard");
    EXPECT_EQ(boxes[1].text, "pH 7.5000    Analysis Copied");
    EXPECT_EQ(boxes[1].owner, page);
}

TEST_F(PageTest, CopyBandIsInClientCoordinates) {
    win::HWND page = OpenPage(PageClass::kPhWater);
    const int bandTop = pageStates[PageIndex(PageClass::kPhWater)].copyBandTop;
    EXPECT_EQ(bandTop, (1 + 3) * lineHeight);
    RightClick(page, 30 * cellWidth, bandTop - 1);
    EXPECT_TRUE(CopyCalls().empty());
    RightClick(page, 30 * cellWidth, bandTop);
    EXPECT_EQ(CopyCalls().size(), 1u);
}

TEST_F(PageTest, OneCopyPerPress) {
    win::HWND page = OpenPage(PageClass::kPressWater);
    win::POINT p{30 * cellWidth, 10 * lineHeight};
    win::ClientToScreen(page, &p);
    win::MouseDownAt(p, win::MouseButton::Right);
    win::RunUntilIdle();
    const win::LPARAM at =
        win::MAKELPARAM(static_cast<win::WORD>(p.x), static_cast<win::WORD>(p.y));
    EXPECT_EQ(win::SendMessage(page, win::WM_NCHITTEST, 0, at), win::HTNOWHERE);
    EXPECT_EQ(win::SendMessage(page, win::WM_NCHITTEST, 0, at), win::HTNOWHERE);
    win::MouseUpAt(p, win::MouseButton::Right);
    win::RunUntilIdle();
    EXPECT_EQ(CopyCalls().size(), 1u);
    RightClick(page, 30 * cellWidth, 10 * lineHeight);
    EXPECT_EQ(CopyCalls().size(), 2u);
    EXPECT_EQ(CopyCalls()[0].label.rfind("Pressure ", 0), 0u);
}

TEST_F(PageTest, NoBoxAfterAFailedCopy) {
    copierAnswer = -1;
    win::HWND page = OpenPage(PageClass::kCycledValues);
    RightClick(page, 30 * cellWidth, 10 * lineHeight);
    EXPECT_EQ(CopyCalls().size(), 1u);
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

TEST_F(PageTest, MixingPercentLabels) {
    mixPercent[3] = 40.0f;
    mixProfileTables.mixChemistry[3][0] = 7.25f;
    win::HWND page = OpenPage(PageClass::kCycledWater);
    RightClick(page, 50 * cellWidth, 10 * lineHeight);
    ASSERT_EQ(CopyCalls().size(), 1u);
    EXPECT_EQ(CopyCalls()[0].label, "Analysis at 40.000    %");
    EXPECT_EQ(CopyCalls()[0].firstValue, 7.25f);
    EXPECT_EQ(win::MessageBoxLog().back().text, "Analysis at 40.000   % Copied");
}

TEST_F(PageTest, MultiMixColumnsStopAtTheWaterCount) {
    multiMixState.lastWaterIndex = 2;
    multiMixState.weightPercent[2] = 25.0f;
    win::HWND page = OpenPage(PageClass::kMixedWater);
    RightClick(page, (25 + 8 * 3) * cellWidth, 10 * lineHeight);
    EXPECT_TRUE(CopyCalls().empty());
    RightClick(page, (25 + 8 * 2) * cellWidth, 10 * lineHeight);
    ASSERT_EQ(CopyCalls().size(), 1u);
    EXPECT_EQ(CopyCalls()[0].label, "Mix Water 25.000   %");
    EXPECT_EQ(win::MessageBoxLog().back().text, "Mix Water 25.000   % Analysis Copied");
}

// The source-water chemistry page takes the main window's report date as the
// multi-mix date while none is kept, and puts it into both working dates.
TEST_F(PageTest, SourceChemistryCreationSetsTheMultiMixDate) {
    multiMixState.lastWaterIndex = 1;
    mainWindowState.reportDate = 1240704;
    multiMixDate = 0;
    win::HWND page = OpenPage(PageClass::kMixedWater);
    EXPECT_EQ(multiMixDate, 1240704);
    EXPECT_EQ(currentAnalysis.reportDate, 1240704);
    EXPECT_EQ(currentAnalysis.sampleDate, 1240704);
    // A kept date stays and goes to the working dates.
    win::DestroyWindow(page);
    SetPageOpen(PageClass::kMixedWater, false);
    multiMixDate = 1230615;
    (void)OpenPage(PageClass::kMixedWater);
    EXPECT_EQ(multiMixDate, 1230615);
    EXPECT_EQ(currentAnalysis.sampleDate, 1230615);
}

// The label names the temperature unit the user works in.
TEST_F(PageTest, TemperatureLabelGoesToTheFifthText) {
    const struct {
        uint16_t unit;
        float temperature;
        const char* label;
    } cases[] = {{TemperatureUnit::kFahrenheit, 77.0f, "77.000   (Deg F)"},
                 {TemperatureUnit::kCelsius, 25.0f, "25.000   (Deg C)"},
                 {TemperatureUnit::kKelvin, 298.0f, "298.00   (Deg K)"}};
    for (const auto& c : cases) {
        unitCodes.code[UnitItem::kTemperature] = c.unit;
        whatIfResults.tempProfile.analysis[0][15] = c.temperature;
        CopyCalls().clear();
        win::HWND page = OpenPage(PageClass::kTempWater);
        RightClick(page, 26 * cellWidth, 10 * lineHeight);
        ASSERT_EQ(CopyCalls().size(), 1u) << c.label;
        EXPECT_EQ(CopyCalls()[0].label, std::string("Analysis at ") + c.label);
        EXPECT_EQ(CopyCalls()[0].field, 4);
        EXPECT_EQ(win::MessageBoxLog().back().text, std::string(c.label) + " Analysis Copied");
        win::DestroyWindow(page);
        SetPageOpen(PageClass::kTempWater, false);
    }
}

// The blend pages load the blend into the working analysis when they paint
// and copy it as it stands.
TEST_F(PageTest, BlendPagesCopyTheWorkingAnalysisAsItStands) {
    mixedWater.values[0] = 8.1f;
    win::HWND page = OpenPage(PageClass::kMixedValuesOut);
    RightClick(page, 60 * cellWidth, 10 * lineHeight);
    ASSERT_EQ(CopyCalls().size(), 1u);
    EXPECT_EQ(CopyCalls()[0].label, "Multi Mixed Water ");
    EXPECT_EQ(CopyCalls()[0].firstValue, 8.1f);
    EXPECT_EQ(win::MessageBoxLog().back().text, "Mixed Water  Analysis Copied");
}

TEST_F(PageTest, OneWaterPagesAnswerClientToTheRightButtonAndCaptionToTheLeft) {
    win::HWND page = OpenPage(PageClass::kMuValues);
    win::POINT p{30 * cellWidth, 10 * lineHeight};
    win::ClientToScreen(page, &p);
    const win::LPARAM at =
        win::MAKELPARAM(static_cast<win::WORD>(p.x), static_cast<win::WORD>(p.y));
    EXPECT_EQ(win::SendMessage(page, win::WM_NCHITTEST, 0, at), win::HTCAPTION);
    win::MouseDownAt(p, win::MouseButton::Right);
    EXPECT_EQ(win::SendMessage(page, win::WM_NCHITTEST, 0, at), win::HTCLIENT);
    win::MouseUpAt(p, win::MouseButton::Right);
    win::RunUntilIdle();
    EXPECT_TRUE(CopyCalls().empty());
}

TEST_F(PageTest, RightClickBeforeTheFirstPaintDoesNothing) {
    const win::POINT home = mainWindowState.pageHome[PageIndex(PageClass::kPhValues)];
    win::HWND page =
        win::CreateWindowEx(0, "DisplaypHValues", "", win::WS_OVERLAPPEDWINDOW, home.x, home.y,
                            85 * cellWidth, 400, main_, nullptr, nullptr, nullptr);
    // Not shown, so not painted.
    pageStates[PageIndex(PageClass::kPhValues)].copyBandBottom = 1000;
    win::POINT p{30 * cellWidth, 100};
    win::ClientToScreen(page, &p);
    win::MouseDownAt(p, win::MouseButton::Right);
    const win::LPARAM at =
        win::MAKELPARAM(static_cast<win::WORD>(p.x), static_cast<win::WORD>(p.y));
    EXPECT_EQ(win::SendMessage(page, win::WM_NCHITTEST, 0, at), win::HTNOWHERE);
    win::MouseUpAt(p, win::MouseButton::Right);
    EXPECT_TRUE(CopyCalls().empty());
}

// ---- CLOSE, menus and widths -------------------------------------------------------------

TEST_F(PageTest, CloseBoxRunsCloseAndAnswersOne) {
    win::HWND page = OpenPage(PageClass::kCycledWater);
    EXPECT_EQ(win::SendMessage(page, win::WM_CLOSE, 0, 0), 1);
    EXPECT_FALSE(win::IsWindow(page));
    EXPECT_FALSE(IsPageOpen(PageClass::kCycledWater));
    EXPECT_EQ(PageWindowSlot(PageClass::kCycledWater), nullptr);
    EXPECT_TRUE(win::IsZoomed(main_));
}

TEST_F(PageTest, CloseDestroysTheWindowEvenWithItsFlagClear) {
    win::HWND page = OpenPage(PageClass::kPressValues);
    SetPageOpen(PageClass::kPressValues, false);
    win::SendMessage(page, win::WM_COMMAND, PageCommand::kClose, 0);
    EXPECT_FALSE(win::IsWindow(page));
    EXPECT_FALSE(IsPageOpen(PageClass::kPressValues));
}

TEST_F(PageTest, PagesCarryTheirClassMenus) {
    const struct {
        PageClass page;
        unsigned present;
        unsigned absent;
    } cases[] = {
        {PageClass::kMuWater, PageCommand::kCopyForExcel, PageCommand::kChooseProduct},
        {PageClass::kPhWater, PageCommand::kChooseProduct, PageCommand::kCopyForExcel},
        {PageClass::kPhValues, PageCommand::kSaveAllToRichText, PageCommand::kChooseProduct},
        {PageClass::kTempWater, PageCommand::kAlkalinitySpecies, PageCommand::kCopyForExcel},
    };
    for (const auto& c : cases) {
        win::HWND page = OpenPage(c.page);
        win::HMENU menu = win::GetMenu(page);
        char text[64] = {};
        EXPECT_GT(
            win::GetMenuString(menu, PageCommand::kClose, text, sizeof text, win::MF_BYCOMMAND), 0)
            << PageClassName(c.page);
        EXPECT_STREQ(text, "CL&OSE");
        EXPECT_GT(win::GetMenuString(menu, c.present, text, sizeof text, win::MF_BYCOMMAND), 0);
        EXPECT_EQ(win::GetMenuString(menu, c.absent, text, sizeof text, win::MF_BYCOMMAND), 0);
    }
}

TEST_F(PageTest, WidthsInCharacterCells) {
    EXPECT_EQ(ResultPageWidthCells(PageClass::kMuWater), 80);
    EXPECT_EQ(ResultPageWidthCells(PageClass::kMixedValuesOut), 80);
    EXPECT_EQ(ResultPageWidthCells(PageClass::kPhValues), 85);
    EXPECT_EQ(ResultPageWidthCells(PageClass::kTempWater), 85);
    multiMixState.lastWaterIndex = 6;
    EXPECT_EQ(ResultPageWidthCells(PageClass::kMixedWater), 82);
    multiMixState.lastWaterIndex = 7;
    EXPECT_EQ(ResultPageWidthCells(PageClass::kMixedValues), 93);
    multiMixState.lastWaterIndex = 11;
    EXPECT_EQ(ResultPageWidth(PageClass::kMixedWater, 9),
              (11 * 11 + 16) * 9 + 2 * win::GetSystemMetrics(win::SM_CXFRAME) +
                  win::GetSystemMetrics(win::SM_CXVSCROLL));
}

TEST_F(PageTest, TitlesFollowTheShownWater) {
    EXPECT_STREQ(PageTitle(PageClass::kMuWater, WaterSelector::kFormation),
                 "FORMATION WATER ANALYSIS");
    EXPECT_STREQ(PageTitle(PageClass::kMuValues, WaterSelector::kMultiMixSource),
                 "DEPOSITION POTENTIAL INDICATORS OF WATER SOURCE FOR MIXING");
    EXPECT_STREQ(PageTitle(PageClass::kPressWater, 0), "WATER CHEMISTRY VERSUS PRESSURE");
    PageClass found;
    ASSERT_TRUE(FindPageClass("displayphvalues", &found));
    EXPECT_EQ(found, PageClass::kPhValues);
    EXPECT_FALSE(FindPageClass("DisOnePage", &found));
}

}  // namespace
}  // namespace pagetest

namespace pagetest {
namespace {

void OneLine(const ReportSource&, ReportLayout& l) {
    l.AddText(0, 2, "short");
}

// A page shorter than its window: the platform trims the bar's page to the
// range, and the paint must not take that for a change that needs a repaint.
TEST_F(PageTest, ShortPagePaintsOnce) {
    SetReportBuilder(ReportPage::kProfileIndicators, OneLine);
    win::HWND page = OpenPage(PageClass::kPhValues);
    win::EnableMessageTrace(true);
    win::ClearMessageTrace();
    Repaint(page);
    win::RunUntilIdle();
    int paints = 0;
    for (const auto& e : win::MessageTrace())
        paints += e.hwnd == page && e.message == win::WM_PAINT;
    win::EnableMessageTrace(false);
    EXPECT_EQ(paints, 1);
}

}  // namespace
}  // namespace pagetest

namespace pagetest {
namespace {

void Marked(const ReportSource&, ReportLayout& l) {
    l.AddRule(0, 24, std::string(56, '_'));
    l.AddText(0, 44, std::string(18, ' '));
    l.AddText(0, 44, " TEMPERATURE (^oF) ");
    l.AddText(1, 4, "Calcium(as CaCO_3)");
    l.AddValue(1, 24, "  12.50", win::RGB(255, 0, 0));
}

// The painted page, left as build/test-output/pages/marked-page.ppm: the red
// value is drawn in red on white, and the label covers the rule under it.
TEST_F(PageTest, PaintedPageShowsColoursAndCoversTheRule) {
    SetReportBuilder(ReportPage::kProfileChemistry, Marked);
    win::HWND page = OpenPage(PageClass::kPhWater, 10);
    const win::Image32 picture = win::ReadWindowPixels(page);
    const std::filesystem::path dir =
        std::filesystem::path(TARVEX_BINARY_DIR) / "test-output" / "pages";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(win::WritePpm((dir / "marked-page.ppm").string(), picture));
    auto pixel = [&picture](int x, int y) { return picture.At(x, y); };
    int red = 0;
    for (int y = 2 * lineHeight; y < 3 * lineHeight; ++y)
        for (int x = 24 * cellWidth; x < 31 * cellWidth; ++x)
            red += (pixel(x, y) & 0xFFFFFF) == 0xFF0000 || (pixel(x, y) & 0xFFFFFF) == 0x0000FF;
    EXPECT_GT(red, 0);
    // Under the label's blanks at cell 44 the rule's underscores are gone.
    int dark = 0;
    for (int y = lineHeight; y < 2 * lineHeight; ++y)
        for (int x = 44 * cellWidth; x < 45 * cellWidth; ++x) dark += (pixel(x, y) & 0xFF) < 128;
    EXPECT_EQ(dark, 0);
}

}  // namespace
}  // namespace pagetest
