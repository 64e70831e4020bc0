// The summary windows: their size rule, the key moves and the drag, the
// cascade of the result pages, the colour-coding item, the GRAPH commands,
// the recompute after a product change, the metafile copy and the clipboard's
// refusals.
#include "printing/summary/summary_windows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "pages/frame/page_classes.h"
#include "platform/drivers/script.h"
#include "platform/files/file_io.h"
#include "platform/system/clipboard.h"
#include "platform/window/menu.h"
#include "reporttext/report_buffer_records.h"
#include "resources/resource_ids.h"
#include "shell/whatif/command_drivers.h"
#include "tests/printing/summary/one_page_fixture.h"
#include "treatment/product/product_change.h"

namespace printtest {
namespace {

int oneStationRuns = 0;
int flashRuns = 0;
int chosenCode = 0;

class SummaryWindows : public OnePageTest {
  protected:
    void SetUp() override {
        OnePageTest::SetUp();
        oneStationRuns = flashRuns = 0;
        Drivers().calcWellLogProfile = [](win::HWND) { ++oneStationRuns; };
        Drivers().calcWellLogProfile11 = [](win::HWND) { ++flashRuns; };
        wellLogTableFlag = 1;
    }
    void TearDown() override {
        win::SetClipboardHeldElsewhere(false);
        ResetCommandDrivers();
        OnePageTest::TearDown();
    }

    win::HWND Open(int which) {
        OpenSummaryWindow(mainWindowState.mainWindow, which);
        RunLoop();
        return which == SummaryWindow::kOnePage ? summaryPageState.onePageWindow
                                                : summaryPageState.wellLogPageWindow;
    }
    static win::RECT Rect(win::HWND hwnd) {
        win::RECT r{};
        win::GetWindowRect(hwnd, &r);
        return r;
    }
    static void Key(win::HWND hwnd, int key) {
        win::SendMessage(hwnd, win::WM_KEYDOWN, static_cast<win::WPARAM>(key), 0);
    }
    static void Command(win::HWND hwnd, unsigned id) {
        win::SendMessage(hwnd, win::WM_COMMAND, id, 0);
    }
    // L and W of the page's body font in the window.
    static win::TEXTMETRICA BodyMetrics(win::HWND hwnd) {
        win::HDC dc = win::GetDC(hwnd);
        win::HGDIOBJ old = win::SelectObject(dc, screenReportFonts.bodyFont);
        win::TEXTMETRICA tm{};
        win::GetTextMetricsA(dc, &tm);
        win::SelectObject(dc, old);
        win::ReleaseDC(hwnd, dc);
        return tm;
    }
    static std::string ItemText(win::HWND hwnd, unsigned id) {
        char text[128] = {};
        win::GetMenuString(win::GetMenu(hwnd), id, text, sizeof text, win::MF_BYCOMMAND);
        return text;
    }
    static bool ItemGrey(win::HWND hwnd, unsigned id) {
        return (win::GetMenuState(win::GetMenu(hwnd), id, win::MF_BYCOMMAND) & win::MF_GRAYED) != 0;
    }
};

TEST_F(SummaryWindows, SizeFitsALandscapeSheetIntoTheMainWindow) {
    // A wide client area: the height is the client's and half the rest of the
    // desktop, the width 11 / 8.5 of that.
    EXPECT_EQ(SummaryWindowSize(1024, 1280, 900).height, 900 + 62);
    EXPECT_EQ(SummaryWindowSize(1024, 1280, 900).width, 1244);
    // A tall one: the client's width, and 8.5 / 11 of it plus half the rest.
    EXPECT_EQ(SummaryWindowSize(1024, 1000, 900).width, 1000);
    EXPECT_EQ(SummaryWindowSize(1024, 1000, 900).height, 62 + 772);

    const win::HWND one = Open(SummaryWindow::kOnePage);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(summaryPageState.onePageOpen, 1u);
    char title[80] = {};
    win::GetWindowText(one, title, sizeof title);
    EXPECT_STREQ(title, "SYSTEM CHEMISTRY AND SCALE POTENTIAL SUMMARY");
    win::RECT client{};
    win::GetClientRect(mainWindowState.mainWindow, &client);
    const SummarySize size = SummaryWindowSize(480, client.right, client.bottom);
    const win::RECT r = Rect(one);
    // Taller than the work area below the main window's menu bar, the sheet
    // is made as tall as that room, in the same proportions.
    win::POINT clientTop{0, 0};
    win::ClientToScreen(mainWindowState.mainWindow, &clientTop);
    EXPECT_EQ(r.top, clientTop.y);
    win::MONITORINFO monitor{};
    win::GetMonitorInfo(
        win::MonitorFromWindow(mainWindowState.mainWindow, win::MONITOR_DEFAULTTOPRIMARY),
        &monitor);
    EXPECT_EQ(r.bottom, monitor.rcWork.bottom);
    EXPECT_LT(r.bottom - r.top, size.height);
    EXPECT_NEAR(double(r.right - r.left) / (r.bottom - r.top), double(size.width) / size.height,
                0.01);
    // Opening again makes a new window in place of the old.
    const win::HWND again = Open(SummaryWindow::kOnePage);
    EXPECT_FALSE(win::IsWindow(one));
    EXPECT_TRUE(win::IsWindow(again));
}

// The sheet opens whole on the desktop: moved left (or up) when its home
// corner would put its edge past the desktop's, made smaller in proportion
// first when it is larger than the desktop, left alone when it fits.
TEST_F(SummaryWindows, OpensWholeOnTheDesktop) {
    const auto placed = [](SummaryFrame f, int w, int h) {
        const SummaryFrame p = PlaceSummaryInArea(f, win::RECT{0, 0, w, h});
        return std::vector<int>{p.x, p.y, p.width, p.height};
    };
    EXPECT_EQ(placed({28, 8, 1276, 986}, 1280, 1024), (std::vector<int>{4, 8, 1276, 986}));
    EXPECT_EQ(placed({28, 8, 1296, 1002}, 1280, 1024), (std::vector<int>{0, 8, 1280, 989}));
    EXPECT_EQ(placed({28, 100, 900, 700}, 1280, 600), (std::vector<int>{28, 0, 771, 600}));
    EXPECT_EQ(placed({28, 8, 900, 700}, 1280, 1024), (std::vector<int>{28, 8, 900, 700}));

    // Both windows, over a main window filling a 1280 x 1024 desktop (four
    // characters in, the sheet's right edge went past the desktop's): they
    // open at a home corner that keeps them whole, and Home goes back there.
    win::SetDesktopSize(1280, 1024);
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    win::MoveWindow(mainWindowState.mainWindow, 0, 0, desktop.right, desktop.bottom, win::TRUE);
    for (int which : {SummaryWindow::kOnePage, SummaryWindow::kWellLog}) {
        const win::HWND w = Open(which);
        ASSERT_NE(w, nullptr);
        const win::RECT r = Rect(w);
        EXPECT_GE(r.left, 0) << which;
        EXPECT_GE(r.top, 0) << which;
        EXPECT_LE(r.right, desktop.right) << which;
        EXPECT_LE(r.bottom, desktop.bottom) << which;
        EXPECT_EQ(summaryPlacement.homeX, r.left) << which;
        Key(w, win::VK_DOWN);
        Key(w, win::VK_HOME);
        EXPECT_EQ(Rect(w).left, r.left) << which;
        EXPECT_EQ(Rect(w).top, r.top) << which;
    }
}

TEST_F(SummaryWindows, KeysAndDragMoveTheWindow) {
    const win::HWND w = Open(SummaryWindow::kOnePage);
    ASSERT_NE(w, nullptr);
    const win::TEXTMETRICA tm = BodyMetrics(w);
    const int L = tm.tmHeight + tm.tmExternalLeading;
    const int W = tm.tmAveCharWidth;
    const SummaryPlacement& p = summaryPlacement;

    Key(w, win::VK_HOME);
    EXPECT_EQ(Rect(w).left, p.homeX);
    EXPECT_EQ(Rect(w).top, p.homeY);
    Key(w, win::VK_DOWN);
    EXPECT_EQ(Rect(w).top, p.homeY + L);
    Key(w, win::VK_UP);
    EXPECT_EQ(Rect(w).top, p.homeY);
    Key(w, win::VK_END);
    EXPECT_EQ(Rect(w).top, p.homeY + 40 * L);
    Key(w, win::VK_HOME);

    // Left past the reach wraps to the right side without moving the window;
    // the next Left moves it from there.
    const win::RECT main = Rect(mainWindowState.mainWindow);
    summaryPlacement.pageX = main.left - 78 * W;
    const win::RECT before = Rect(w);
    Key(w, win::VK_LEFT);
    EXPECT_EQ(Rect(w).left, before.left);
    EXPECT_EQ(p.pageX, main.right - W);
    Key(w, win::VK_LEFT);
    EXPECT_EQ(Rect(w).left, main.right - 2 * W);
    Key(w, win::VK_HOME);

    // A drag moves the window by exactly the mouse's movement.
    const win::RECT start = Rect(w);
    win::SendMessage(w, win::WM_LBUTTONDOWN, win::MK_LBUTTON, win::MAKELPARAM(100, 100));
    win::SendMessage(w, win::WM_MOUSEMOVE, win::MK_LBUTTON, win::MAKELPARAM(130, 80));
    win::SendMessage(w, win::WM_MOUSEMOVE, win::MK_LBUTTON, win::MAKELPARAM(140, 70));
    win::SendMessage(w, win::WM_LBUTTONUP, 0, win::MAKELPARAM(137, 75));
    const win::RECT end = Rect(w);
    EXPECT_EQ(end.left - start.left, 37);
    EXPECT_EQ(end.top - start.top, -25);
    EXPECT_EQ(end.right - end.left, start.right - start.left);
    EXPECT_EQ(summaryDrags[0].frameDrawn, 0u);
}

TEST_F(SummaryWindows, AltHomeCascadesTheEightResultPages) {
    win::WNDCLASS wc{};
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "CascadeTestPage";
    (void)win::RegisterClass(&wc);
    const PageClass order[] = {PageClass::kMuWater,     PageClass::kMuValues,
                               PageClass::kCycledWater, PageClass::kCycledValues,
                               PageClass::kTempWater,   PageClass::kTempValues,
                               PageClass::kPhWater,     PageClass::kPhValues};
    std::vector<win::HWND> pages;
    for (PageClass page : order) {
        const win::HWND h = win::CreateWindow("CascadeTestPage", "", win::WS_POPUP, 300, 200,
                                              200 + static_cast<int>(pages.size()), 100, nullptr,
                                              nullptr, nullptr, nullptr);
        pages.push_back(h);
        PageWindowSlot(page) = h;
    }
    PageWindowSlot(PageClass::kCycledWater) = nullptr;  // not open: no step for it
    const win::HWND pressure = win::CreateWindow("CascadeTestPage", "", win::WS_POPUP, 333, 222, 50,
                                                 50, nullptr, nullptr, nullptr, nullptr);
    PageWindowSlot(PageClass::kPressWater) = pressure;

    const win::HWND w = Open(SummaryWindow::kWellLog);
    win::SendMessage(w, win::WM_SYSKEYDOWN, win::VK_HOME, 0);

    win::HDC dc = win::GetDC(mainWindowState.mainWindow);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::ReleaseDC(mainWindowState.mainWindow, dc);
    const int stepX = 5 * tm.tmAveCharWidth;
    const int stepY = 2 * (tm.tmHeight + tm.tmInternalLeading);
    int k = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        const win::RECT r = Rect(pages[i]);
        if (order[i] == PageClass::kCycledWater) {
            EXPECT_EQ(r.left, 300);
            continue;
        }
        EXPECT_EQ(r.left, stepX + k * stepX) << i;
        EXPECT_EQ(r.top, 5 * (tm.tmHeight + tm.tmInternalLeading) + k * stepY) << i;
        EXPECT_EQ(r.right - r.left, 200 + static_cast<int>(i)) << i;  // size kept
        ++k;
    }
    EXPECT_EQ(Rect(pressure).left, 333);  // other pages stay
    for (win::HWND h : pages) win::DestroyWindow(h);
    win::DestroyWindow(pressure);
    for (PageClass page : order) PageWindowSlot(page) = nullptr;
    PageWindowSlot(PageClass::kPressWater) = nullptr;
}

TEST_F(SummaryWindows, ColourCodingItemFollowsTheSwitch) {
    const win::HWND w = Open(SummaryWindow::kOnePage);
    const unsigned id = PageCommand::kOnePageColourCoding;
    resultStatus.productSelected = 1;
    graphIndexCodes[0] = 0;
    graphOutputFlags.treatedColorCoding = 0;
    Command(w, id);
    EXPECT_EQ(graphOutputFlags.treatedColorCoding, 1u);
    EXPECT_EQ(ItemText(w, id), "&UNTREATED COLOR CODING\t(Currently Treated)");
    EXPECT_FALSE(ItemGrey(w, id));
    Command(w, id);
    EXPECT_EQ(graphOutputFlags.treatedColorCoding, 0u);
    EXPECT_EQ(ItemText(w, id), "&TREATED COLOR CODING\t(Currently Untreated)");
    for (uint16_t first : {uint16_t{88}, uint16_t{89}}) {
        graphIndexCodes[0] = first;
        win::SendMessage(w, win::WM_SETFOCUS, 0, 0);
        EXPECT_TRUE(ItemGrey(w, id)) << first;
    }
    graphIndexCodes[0] = 0;
    resultStatus.productSelected = 0;
    win::SendMessage(w, win::WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(ItemGrey(w, id));
}

TEST_F(SummaryWindows, GraphCommandsFillTheirSlotsAndReopenTheWindow) {
    Drivers().showChooseGraphs = [](win::HWND) {
        graphIndexCodes[0] = static_cast<uint16_t>(chosenCode);
        graphChoice.codes[0] = static_cast<int16_t>(chosenCode);
        return 1;
    };
    graphIndexCodes[0] = 7;
    graphChoice.codes[0] = 7;
    const int slots[4] = {2, 3, 0, 1};
    for (int k = 0; k < 4; ++k) {
        const win::HWND w = Open(SummaryWindow::kOnePage);
        ASSERT_NE(w, nullptr);
        chosenCode = 40 + k;
        Command(w, PageCommand::kPageGraph1 + static_cast<unsigned>(k));
        EXPECT_EQ(displaySettings.graphParams[slots[k]], 40 + k) << k;
        EXPECT_EQ(graphIndexCodes[0], 7);  // the graph windows' choice put back
        EXPECT_EQ(graphChoice.codes[0], 7);
        EXPECT_TRUE(win::IsWindow(w));  // the window is still there when the command ends
        RunLoop();                      // then the main window opens the page again
        EXPECT_FALSE(win::IsWindow(w)) << k;
        EXPECT_TRUE(win::IsWindow(summaryPageState.onePageWindow));
        EXPECT_EQ(summaryPageState.onePageOpen, 1u);
    }
    // A cancelled choice keeps the slot.
    Drivers().showChooseGraphs = [](win::HWND) { return 0; };
    Command(summaryPageState.onePageWindow, PageCommand::kPageGraph1);
    EXPECT_EQ(displaySettings.graphParams[2], 40);
    RunLoop();
}

TEST_F(SummaryWindows, ProductChangeRecomputesEachWindowsOwnProfileOnce) {
    const win::HWND one = Open(SummaryWindow::kOnePage);
    const win::HWND well = Open(SummaryWindow::kWellLog);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(well, nullptr);
    oneStationRuns = flashRuns = 0;
    ApplyProductChange(ProductChange::kProduct);  // e.g. from one product to another
    RunLoop();
    EXPECT_EQ(oneStationRuns, 1);
    EXPECT_EQ(flashRuns, 1);
    win::InvalidateRect(one, nullptr, win::TRUE);
    win::InvalidateRect(well, nullptr, win::TRUE);
    win::SendMessage(one, win::WM_SETFOCUS, 0, 0);
    RunLoop();
    EXPECT_EQ(oneStationRuns, 1);
    EXPECT_EQ(flashRuns, 1);
    ApplyProductChange(ProductChange::kNoProduct);
    win::SendMessage(well, win::WM_SETFOCUS, 0, 0);
    EXPECT_EQ(flashRuns, 2);
    EXPECT_EQ(oneStationRuns, 1);
    RunLoop();
    EXPECT_EQ(oneStationRuns, 2);
    EXPECT_EQ(flashRuns, 2);
}

TEST_F(SummaryWindows, CopyIsTheWindowsPictureAsAMetafile) {
    const win::HWND w = Open(SummaryWindow::kWellLog);
    ASSERT_NE(w, nullptr);
    win::OpenClipboard(nullptr);
    win::EmptyClipboard();
    win::CloseClipboard();
    Command(w, PageCommand::kCopy);
    win::OpenClipboard(nullptr);
    auto picture = static_cast<win::HENHMETAFILE>(win::GetClipboardData(win::CF_ENHMETAFILE));
    win::CloseClipboard();
    ASSERT_NE(picture, nullptr);
    const win::RECT r = Rect(w);
    win::HDC screen = win::GetDC(nullptr);
    const long long horz = win::GetDeviceCaps(screen, win::HORZSIZE);
    const long long vert = win::GetDeviceCaps(screen, win::VERTSIZE);
    const long long horzRes = win::GetDeviceCaps(screen, win::HORZRES);
    const long long vertRes = win::GetDeviceCaps(screen, win::VERTRES);
    win::RECT frame{};
    ASSERT_TRUE(win::GetEnhMetaFileFrame(picture, &frame));
    EXPECT_EQ(frame.right - frame.left, (r.right - r.left) * horz * 100 / horzRes);
    EXPECT_EQ(frame.bottom - frame.top, (r.bottom - r.top) * vert * 100 / vertRes);

    // Played back at the window's size it gives the window's own pixels.
    const win::Image32 own = win::ReadWindowPixels(w);
    win::HDC memory = win::CreateCompatibleDC(screen);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
    win::HGDIOBJ old = win::SelectObject(memory, bitmap);
    const win::RECT target{0, 0, r.right - r.left, r.bottom - r.top};
    ASSERT_TRUE(win::PlayEnhMetaFile(memory, picture, &target));
    const win::Image32 played = win::ReadDcPixels(memory);
    int differing = 0;
    for (int y = 0; y < own.height; ++y)
        for (int x = 0; x < own.width; ++x)
            if (own.pixels[static_cast<size_t>(y * own.width + x)] !=
                played.pixels[static_cast<size_t>(y * played.width + x)])
                ++differing;
    EXPECT_EQ(differing, 0);
    win::SelectObject(memory, old);
    win::DeleteObject(bitmap);
    win::DeleteDC(memory);
    win::ReleaseDC(nullptr, screen);
}

TEST_F(SummaryWindows, ClipboardRefusalsSaySo) {
    const win::HWND one = Open(SummaryWindow::kOnePage);
    const win::HWND well = Open(SummaryWindow::kWellLog);
    win::SetClipboardHeldElsewhere(true);
    win::ClearMessageBoxLog();
    Command(one, PageCommand::kCopy);
    Command(well, PageCommand::kCopy);
    Command(well, PageCommand::kCopyAllAsRichText);  // does nothing
    const std::string prefix = "Windows clipboard not available. Contact Tech Support ref. pt op ";
    std::vector<std::string> texts;
    for (const auto& box : win::MessageBoxLog()) {
        EXPECT_EQ(box.caption, "WARNING");
        texts.push_back(box.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{prefix + "101.", prefix + "101."}));
}

TEST_F(SummaryWindows, FailedRichTextSaveKeepsTheOldFile) {
    const win::HWND well = Open(SummaryWindow::kWellLog);
    ASSERT_NE(well, nullptr);
    WriteFile("old.rtf", {'o', 'l', 'd'});
    win::ClearMessageBoxLog();
    win::AnswerFileDialog("old.rtf");
    win::AnswerMessageBox("", "already exists", win::IDYES);  // replace it
    win::FailNextFileRenames(1);
    Command(well, PageCommand::kSaveAllToRichText);
    EXPECT_EQ(ReadFile("old.rtf"), (std::vector<uint8_t>{'o', 'l', 'd'}));
    for (const auto& e : fs::directory_iterator(folder))
        EXPECT_EQ(e.path().filename().string().find(".~"), std::string::npos) << e.path();
    bool told = false;
    for (const auto& box : win::MessageBoxLog())
        told = told ||
               (box.text.rfind("Error: Cannot create file\n\nSaving old.rtf failed: ", 0) == 0 &&
                box.caption.find("old.rtf") != std::string::npos);
    EXPECT_TRUE(told);
    EXPECT_EQ(reportBuffer.handle, nullptr);
    EXPECT_EQ(reportBuffer.rtfMode, 0u);

    // Saved again, the file holds the report once, ended by one "\par }".
    win::AnswerFileDialog("old.rtf");
    win::AnswerMessageBox("", "already exists", win::IDYES);
    Command(well, PageCommand::kSaveAllToRichText);
    const std::vector<uint8_t> bytes = ReadFile("old.rtf");
    const std::string rtf(bytes.begin(), bytes.end());
    ASSERT_GT(rtf.size(), 6u);
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\\par }");
    EXPECT_EQ(rtf.find("\\par }"), rtf.size() - 6);
    EXPECT_EQ(reportBuffer.handle, nullptr);
}

TEST_F(SummaryWindows, WellLogPageDoesNotScroll) {
    const win::HWND well = Open(SummaryWindow::kWellLog);
    ASSERT_NE(well, nullptr);
    const win::Image32 before = win::ReadWindowPixels(well);
    win::SendMessage(well, win::WM_MOUSEWHEEL, static_cast<win::WPARAM>(-120) << 16, 0);
    win::SendMessage(well, win::WM_VSCROLL, win::SB_PAGEDOWN, 0);
    win::SendMessage(well, win::WM_VSCROLL, win::SB_BOTTOM, 0);
    RunLoop();
    EXPECT_EQ(win::GetScrollPos(well, win::SB_VERT), 0);
    EXPECT_TRUE(win::ReadWindowPixels(well).pixels == before.pixels);
}

}  // namespace
}  // namespace printtest
