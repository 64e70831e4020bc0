// The 2D graph window: the slot it lives in, its click texts and hit test,
// the recomputation of stale profiles, its switches' texts, the export's
// choice of writer and its error boxes, the print's colour and picture
// rectangle, and the output flags every command puts back.
#include "graphs/window/two_d_window.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/unit_codes.h"
#include "graphs/state/graph_snapshot_records.h"
#include "graphs/window/graph_picture_print.h"
#include "graphs/window/graph_slot.h"
#include "graphs/window/shown_graph.h"
#include "input/description_records.h"
#include "platform/files/file_io.h"
#include "platform/print/print_setup.h"
#include "platform/system/clipboard.h"
#include "printing/print_job_records.h"
#include "resources/program_resources.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

namespace fs = std::filesystem;
using namespace TwoDGraphCommand;

class TwoDWindowTest : public GraphWindowTest {
  protected:
    void SetUp() override {
        GraphWindowTest::SetUp();
        if (HasFatalFailure()) return;
        UseFolder("tarvex-graph-window-");
        ColourEverywhere();
        graphIndexCodes[0] = 0;
        for (int i = 1; i < 4; ++i) graphIndexCodes[i] = kNoGraphIndex;
        graphProfileKind = 1;
        whatIfSettings.temperatureLow = 70.0f;
        whatIfSettings.temperatureHigh = 130.0f;
        whatIfSettings.phEval = 6.5f;
        // The temperature profile runs at the water's own pH (the evaluation
        // pH is not forced): the clicks name that pH.
        surfaceWater.values[0] = 7.3f;
        whatIfSettings.temperatureEval = 77.0f;
        resultStatus.tempProfileDone = 1;
        for (int i = 0; i < 7; ++i) whatIfResults.tempProfile.results[i][0] = 1.0f + i;
        win::ClearMessageBoxLog();
    }
    win::HWND Open() {
        EXPECT_EQ(OpenTwoDGraphWindow(), 1);
        win::UpdateWindow(mainWindowState.graphWindow);
        return mainWindowState.graphWindow;
    }
    static void ExpectScreenFlags() {
        EXPECT_EQ(graphOutputFlags.renderTarget, 0u);
        EXPECT_EQ(graphOutputFlags.printingGraph, 0u);
        EXPECT_EQ(graphOutputFlags.exportingGraph, 0u);
        EXPECT_EQ(graphOutputFlags.colorNow, graphOutputFlags.displayColor);
    }
    // Runs EXPORT IMAGE with `name` in the save dialog; its answer.
    static win::LRESULT Export(win::HWND hwnd, const std::string& name) {
        win::AnswerFileDialog(name);
        return win::SendMessage(hwnd, win::WM_COMMAND, kExportImage, 0);
    }
};

TEST_F(TwoDWindowTest, SlotIsFreedHoweverTheWindowEnds) {
    win::HWND hwnd = Open();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(mainWindowState.graphWindowOpen, 1);
    EXPECT_EQ(graphAxisData.pointCount, 7);
    EXPECT_EQ(twoDGraphState.graphCount, 1);
    // A second opening shows the window already in the slot, with the axis
    // of the graph now asked for.
    graphProfileKind = 2;
    whatIfSettings.phLow = 5.0f;
    whatIfSettings.phHigh = 8.0f;
    EXPECT_EQ(OpenTwoDGraphWindow(), 1);
    EXPECT_EQ(mainWindowState.graphWindow, hwnd);
    EXPECT_DOUBLE_EQ(graphAxisData.xValues[6], 8.0);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "pH");
    // The system close runs CLOSE.
    win::SendMessage(hwnd, win::WM_CLOSE, 0, 0);
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    EXPECT_FALSE(win::IsWindow(hwnd));
    // A double click closes it too, and the next opening makes a new one.
    win::HWND again = Open();
    ASSERT_TRUE(win::IsWindow(again));
    win::SendMessage(again, win::WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_FALSE(win::IsWindow(again));
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    // Destroyed from outside: the slot is free again.
    win::HWND third = Open();
    win::DestroyWindow(third);
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    EXPECT_EQ(Open() != nullptr, true);
}

// The window has a caption with a close box and leaves the main window's
// caption and menu bar in sight; its close box closes it as CLOSE does.
TEST_F(TwoDWindowTest, CaptionedBelowTheMainMenuAndTheCloseBoxIsClose) {
    // A maximised main window with a menu bar owns the graph.
    win::WNDCLASS wc;
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "GraphOwnerWindow";
    ASSERT_NE(win::RegisterClass(&wc), 0);
    win::HMENU bar = win::CreateMenu();
    win::AppendMenu(bar, win::MF_STRING, 1, "&FILE");
    const win::HWND main =
        win::CreateWindowEx(0, "GraphOwnerWindow", "Tarvex", win::WS_OVERLAPPEDWINDOW, 0, 0, 640,
                            480, nullptr, bar, nullptr, nullptr);
    mainWindowState.mainWindow = main;
    win::ShowWindow(main, win::SW_SHOWMAXIMIZED);
    win::HWND hwnd = Open();
    ASSERT_NE(hwnd, nullptr);
    const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(hwnd, win::GWL_STYLE));
    EXPECT_EQ(style & win::WS_CAPTION, win::WS_CAPTION);
    EXPECT_NE(style & win::WS_SYSMENU, 0u);
    EXPECT_FALSE(win::IsZoomed(hwnd));
    char title[64] = {};
    win::GetWindowText(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "Tarvex Graph");
    win::POINT mainClient{0, 0};
    win::ClientToScreen(main, &mainClient);
    win::RECT mainRect{};
    win::GetWindowRect(main, &mainRect);
    win::RECT r{};
    win::GetWindowRect(hwnd, &r);
    EXPECT_GT(mainClient.y, mainRect.top);  // the main window has a caption and a menu bar
    EXPECT_EQ(r.top, mainClient.y);
    EXPECT_EQ(r.left, mainClient.x);
    EXPECT_LE(r.bottom, mainRect.bottom);
    // The close box sends the system close.
    win::SendMessage(hwnd, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
    EXPECT_FALSE(win::IsWindow(hwnd));
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    EXPECT_EQ(win::GetActiveWindow(), main);
    EXPECT_TRUE(win::IsZoomed(main));
    win::DestroyWindow(main);
    mainWindowState.mainWindow = nullptr;
}

// A window manager's frame pushes the maximised main window down, past the
// foot of the work area: the graph window, over the main window's client
// area, still ends on the work area.
TEST_F(TwoDWindowTest, KeepsToTheWorkAreaBelowAPushedDownMainWindow) {
    win::WNDCLASS wc;
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "PushedOwnerWindow";
    ASSERT_NE(win::RegisterClass(&wc), 0);
    win::MONITORINFO mi{};
    win::GetMonitorInfo(win::MonitorFromWindow(nullptr, win::MONITOR_DEFAULTTOPRIMARY), &mi);
    const win::RECT work = mi.rcWork;
    const win::HWND main = win::CreateWindowEx(0, "PushedOwnerWindow", "Tarvex",
                                               win::WS_OVERLAPPEDWINDOW | win::WS_VISIBLE, 2, 21,
                                               work.right - work.left, work.bottom - work.top,
                                               nullptr, win::CreateMenu(), nullptr, nullptr);
    mainWindowState.mainWindow = main;
    win::HWND hwnd = Open();
    ASSERT_NE(hwnd, nullptr);
    win::RECT r{};
    win::GetWindowRect(hwnd, &r);
    EXPECT_GE(r.left, work.left);
    EXPECT_GE(r.top, work.top);
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
    win::POINT mainClient{0, 0};
    win::ClientToScreen(main, &mainClient);
    EXPECT_EQ(r.top, mainClient.y);  // still below the main window's caption
    win::DestroyWindow(hwnd);
    win::DestroyWindow(main);
    mainWindowState.mainWindow = nullptr;
}

// The slot holds one graph window: an opener asking for another class closes
// the window there first; a handle that died without telling the slot frees it.
TEST_F(TwoDWindowTest, OpenerReplacesAnotherGraphWindow) {
    win::HWND twoD = Open();
    ASSERT_EQ(OpenWellLogSummaryGraphWindow(), 1);
    win::HWND wellLog = mainWindowState.graphWindow;
    EXPECT_FALSE(win::IsWindow(twoD));
    char name[64] = {};
    win::GetClassName(wellLog, name, sizeof name);
    EXPECT_STREQ(name, "WellLogSummaryGraphWindow");
    EXPECT_EQ(mainWindowState.graphWindowOpen, 1);
    // The 2D window comes back in its place.
    win::HWND again = Open();
    EXPECT_FALSE(win::IsWindow(wellLog));
    EXPECT_TRUE(win::IsWindow(again));
    // A dead handle in the slot.
    mainWindowState.graphWindow = twoD;
    mainWindowState.graphWindowOpen = 1;
    EXPECT_TRUE(win::IsWindow(Open()));
    EXPECT_NE(mainWindowState.graphWindow, twoD);
    win::DestroyWindow(again);
}

// The Change Range preview's copy of the picture: the client area, flags back
// on the screen afterwards, and a second copy deletes the first.
TEST_F(TwoDWindowTest, SnapshotsReplaceEachOther) {
    win::HWND hwnd = Open();
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    graphSnapshot.bitmap = nullptr;
    RenderTwoDGraphBitmap(hwnd);
    const win::HBITMAP first = graphSnapshot.bitmap;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(snapshotIs3D, 0u);
    EXPECT_EQ(graphSnapshot.width, client.right);
    EXPECT_EQ(graphSnapshot.height, client.bottom);
    ExpectScreenFlags();
    // The second copy replaces the first: one bitmap alive, of the client's size
    // (a new handle may take the freed one's value, so the count tells).
    const int objects = win::LiveGdiObjectCount();
    RenderTwoDGraphBitmap(hwnd);
    ASSERT_NE(graphSnapshot.bitmap, nullptr);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    win::BITMAP bits{};
    ASSERT_GT(win::GetObjectA(graphSnapshot.bitmap, sizeof bits, &bits), 0);
    EXPECT_EQ(bits.bmWidth, client.right);
    EXPECT_EQ(bits.bmHeight, client.bottom);
    DeleteGraphSnapshot();
    EXPECT_EQ(graphSnapshot.bitmap, nullptr);
}

TEST_F(TwoDWindowTest, ClickTextsByKindAndUnit) {
    twoDGraphState.barValues[0][6] = 2.5f;
    twoDGraphState.pointTemperatures[0][6] = 130.0f;
    const ClickText t1 = ValueClickText(1, 6);
    EXPECT_EQ(t1.caption.rfind("YOU CLICKED ON THE VALUE 2.5", 0), 0u);
    EXPECT_EQ(t1.message, t1.caption +
                              " at a pH of 7.30, and temperature of 130.0 \xB0"
                              "F.");
    // With the pH corrected for temperature the point's own pH is given.
    whatIfOptions.correctPhForTemperature = 1;
    whatIfResults.tempProfile.analysis[6][0] = 7.25f;
    EXPECT_NE(ValueClickText(1, 6).message.find("at a pH of 7.25,"), std::string::npos);

    unitCodes.code[UnitItem::kTemperature] = 1;
    resultStatus.productSelected = 1;
    graphAxisData.xValues[0] = 6.0;
    const ClickText t2 = ValueClickText(2, 0);
    EXPECT_NE(t2.message.find(" at a pH of 6.00, and temperature of 77.0 \xB0"
                              "C. DISPLAY LIMITS?"),
              std::string::npos);
    whatIfOptions.varyPco2 = 1;
    EXPECT_NE(ValueClickText(2, 0).message.find("at a pCO2 of 6.00"), std::string::npos);

    unitCodes.code[UnitItem::kPressure] = 2;
    graphAxisData.xValues[1] = 1500.0;
    EXPECT_NE(ValueClickText(4, 1).message.find("at a pressure of 1500.00 (p.s.i.), and "),
              std::string::npos);
    EXPECT_NE(ValueClickText(5, 1).message.find("(p.s.i.)"), std::string::npos);

    // Mixing: only once the mixing profile is done.
    graphAxisData.xValues[2] = 33.3;
    EXPECT_EQ(ValueClickText(3, 2).message, ValueClickText(3, 2).caption + "  DISPLAY LIMITS?");
    resultStatus.mixProfileDone = 1;
    mixProfileTables.mixChemistry[2][0] = 7.1f;
    graphRangeSettings.gridTemperatureEval = 150.0f;
    EXPECT_NE(ValueClickText(3, 2).message.find("at a pH of 7.10, a temperature of 150 \xB0"
                                                "C., and 33.30 percent injection water"),
              std::string::npos);

    wellProfiles.flash11.depth[3] = 2000.0f;
    wellProfiles.flash11.pressure[3] = 850.0f;
    wellProfiles.flash11.temperature[3] = 60.5f;
    EXPECT_NE(ValueClickText(6, 3).message.find("at Depth 2000.00, 850.0 (p.s.i.), 60.5 \xB0"
                                                "C."),
              std::string::npos);
    // The 48-station profile and other kinds give no condition.
    resultStatus.productSelected = 0;
    EXPECT_EQ(ValueClickText(8, 0).message, ValueClickText(8, 0).caption + " ");

    // A number of any size fits its text.
    twoDGraphState.barValues[0][0] = -1.2345678e30f;
    const ClickText big = ValueClickText(1, 0);
    EXPECT_GT(big.caption.size(), std::strlen("YOU CLICKED ON THE VALUE ") + 5);
    EXPECT_EQ(big.message.rfind(big.caption, 0), 0u);
}

TEST_F(TwoDWindowTest, AnalysisCopiesCarryTheirPointAndLabel) {
    Open();  // the clipboard formats are registered with the classes
    for (int v = 0; v < 64; ++v) whatIfResults.tempProfile.analysis[2][v] = 100.0f + v;
    twoDGraphState.pointTemperatures[0][2] = 90.0f;
    const ClickText copy = CopyPointAnalysis(1, 2);
    EXPECT_EQ(copy.caption, "ANALYSIS COPIED ");
    EXPECT_EQ(copy.message,
              "ANALYSIS COPIED  at pH 7.30, and 90.0 \xB0"
              "F.");
    EXPECT_FLOAT_EQ(currentAnalysis.values[0], 100.0f);
    EXPECT_FLOAT_EQ(currentAnalysis.values[63], 163.0f);
    EXPECT_STREQ(currentDescription.text[6], copy.message.c_str());
    EXPECT_TRUE(win::IsClipboardFormatAvailable(clipboardFormats.cfIntermediate));

    // A kind without records copies nothing, but still says so.
    win::OpenClipboard(nullptr);
    win::EmptyClipboard();
    win::CloseClipboard();
    currentAnalysis.values[0] = -1.0f;
    EXPECT_EQ(CopyPointAnalysis(8, 2).caption, "ANALYSIS COPIED ");
    EXPECT_FLOAT_EQ(currentAnalysis.values[0], -1.0f);
    EXPECT_FALSE(win::IsClipboardFormatAvailable(clipboardFormats.cfIntermediate));
}

TEST_F(TwoDWindowTest, HitTestLooksOnlyAtPointsOnTheAxis) {
    win::HWND hwnd = Open();
    graphAxisData.pointCount = 2;
    twoDGraphState.barRects[0][0] = BarRect{10, 50, 20, 1};
    twoDGraphState.barRects[0][1] = BarRect{15, 60, 30, 1};
    twoDGraphState.barRects[0][5] = BarRect{0, 100, 100, 0};  // left from an earlier paint
    int points[12];
    // Overlapping areas answer in point order.
    ASSERT_EQ(HitPoints(17, 20, points), 2);
    EXPECT_EQ(points[0], 0);
    EXPECT_EQ(points[1], 1);
    EXPECT_EQ(HitPoints(25, 55, points), 1);
    EXPECT_EQ(points[0], 1);
    EXPECT_EQ(HitPoints(80, 80, points), 0);
    EXPECT_EQ(HitPoints(5, 20, points), 0);
    graphAxisData.pointCount = 99;  // never past the twelve points
    EXPECT_EQ(HitPoints(80, 80, points), 1);

    // A click in the window: y counts from the client area's bottom, on the
    // axis the window keeps.
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    graphAxisData.pointCount = 2;
    KeepShownGraph(hwnd);
    win::ClearMessageBoxLog();
    win::SendMessage(hwnd, win::WM_LBUTTONDOWN, 0, win::MAKELPARAM(25, client.bottom - 55));
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption.rfind("YOU CLICKED ON THE VALUE ", 0), 0u);
    // With a product the box asks, and No shows nothing more.
    resultStatus.productSelected = 1;
    win::AnswerMessageBox("", "DISPLAY LIMITS?", win::IDNO);
    win::SendMessage(hwnd, win::WM_LBUTTONDOWN, 0, win::MAKELPARAM(25, client.bottom - 55));
    EXPECT_EQ(win::MessageBoxLog().size(), 2u);
    // Without a graph the window answers no click.
    twoDGraphState.graphCount = 0;
    win::SendMessage(hwnd, win::WM_RBUTTONDOWN, 0, win::MAKELPARAM(25, client.bottom - 55));
    EXPECT_EQ(win::MessageBoxLog().size(), 2u);
}

// With no source water every run of the temperature profile leaves one
// notice: the notices count the runs.
TEST_F(TwoDWindowTest, StaleProfilesAreRecomputedOnce) {
    win::HWND hwnd = Open();
    const auto repaint = [hwnd] {
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        win::UpdateWindow(hwnd);
    };
    repaint();
    EXPECT_TRUE(win::MessageBoxLog().empty());
    // Paint: a stale profile is computed again once and its flag cleared.
    resultStatus.tempProfileStale = 1;
    repaint();
    repaint();
    EXPECT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(resultStatus.tempProfileStale, 0u);
    // A product that changed since the last paint makes it stale too.
    resultStatus.productSelected = 3;
    repaint();
    repaint();
    EXPECT_EQ(win::MessageBoxLog().size(), 2u);
    EXPECT_EQ(twoDGraphState.productAtPaint, 3);
    ExpectScreenFlags();

    // Choose Graphs recomputes only a profile that is done.
    win::OnDialog(25, [](win::HWND dialog) { win::EndDialog(dialog, 2); });
    resultStatus.tempProfileDone = 0;
    resultStatus.tempProfileStale = 1;
    Command(hwnd, kChooseGraphs);
    EXPECT_EQ(resultStatus.tempProfileStale, 1u);
    EXPECT_EQ(win::MessageBoxLog().size(), 2u);
    resultStatus.tempProfileDone = 1;
    Command(hwnd, kChooseGraphs);
    EXPECT_EQ(resultStatus.tempProfileStale, 0u);
    EXPECT_EQ(win::MessageBoxLog().size(), 3u);
    ExpectScreenFlags();
}

TEST_F(TwoDWindowTest, ChangeRangeRecomputesAndLaysTheAxisAgain) {
    win::HWND hwnd = Open();
    int calls = 0;
    static int* counter = nullptr;
    counter = &calls;
    InstallTwoDRangeHooks(TwoDRangeHooks{[](win::HWND) {
                                             ++*counter;
                                             whatIfSettings.temperatureHigh = 190.0f;
                                             return 1;
                                         },
                                         nullptr, nullptr, nullptr, nullptr});
    resultStatus.tempProfileDone = 1;
    Command(hwnd, kChangeRange);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(win::MessageBoxLog().size(), 1u);  // computed again (no water: refused)
    // The window keeps the axis laid again.
    ASSERT_NE(ShownGraphOf(hwnd), nullptr);
    EXPECT_DOUBLE_EQ(ShownGraphOf(hwnd)->axis.xValues[6], 190.0);
    // Kinds without a range dialog do nothing.
    graphProfileKind = 5;
    KeepShownGraph(hwnd);
    Command(hwnd, kChangeRange);
    EXPECT_EQ(calls, 1);
    InstallTwoDRangeHooks(TwoDRangeHooks{});
    ExpectScreenFlags();
}

TEST_F(TwoDWindowTest, SwitchesRewriteTheirItems) {
    win::HWND hwnd = Open();
    EXPECT_EQ(ItemText(hwnd, kDisplayGrey), " DISPLAY GRAY SCALE\t(Currently Color)");
    Command(hwnd, kDisplayGrey);
    EXPECT_EQ(graphOutputFlags.displayColor, 0);
    EXPECT_EQ(graphOutputFlags.colorNow, 0);
    EXPECT_EQ(ItemText(hwnd, kDisplayGrey), " DISPLAY COLOR IMAGES\t(Currently Gray Scale)");
    Command(hwnd, kDisplayGrey);
    EXPECT_EQ(ItemText(hwnd, kDisplayGrey), " DISPLAY GRAY SCALE IMAGES\t(Currently Color)");
    graphOutputFlags.hatchPatterns = 0;
    Command(hwnd, kPatterns);
    EXPECT_EQ(ItemText(hwnd, kPatterns), " USE SOLID PATTERNS\t(Currently &Hatch Patterns)");
    Command(hwnd, kPatterns);
    EXPECT_EQ(ItemText(hwnd, kPatterns), " USE &HATCH PATTERNS\t(Currently Solid Patterns)");
    Command(hwnd, kFormulaTitles);
    EXPECT_EQ(displaySettings.mineralTitles, 1);
    EXPECT_EQ(ItemText(hwnd, kFormulaTitles),
              "&MINERAL NAME TITLES\t(Currently Formula (e.g. CaCO3))");
    Command(hwnd, kExportGrey);
    EXPECT_EQ(ItemText(hwnd, kExportGrey), " EXPORT COLOR IMAGES\t(Currently Gray Scale)");
    Command(hwnd, kPrintGrey);
    EXPECT_EQ(ItemText(hwnd, kPrintGrey), " PRINT COLOR IMAGES\t(Currently Gray Scale)");
    // Alt keys, upper or lower case.
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 't', 0);
    EXPECT_EQ(graphOutputFlags.treatedColorCoding, 1);
    EXPECT_EQ(ItemText(hwnd, kTreatedColours), " &UNTREATED COLOR CODING\t(Currently Treated)");
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 'T', 0);
    EXPECT_EQ(graphOutputFlags.treatedColorCoding, 0);
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 'H', 0);
    EXPECT_EQ(graphOutputFlags.hatchPatterns, 1u);
    // Keys past a byte, and keys that are no letter, send nothing.
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 0x100 + 'H', 0);
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, '(', 0);
    EXPECT_EQ(graphOutputFlags.hatchPatterns, 1u);
    ExpectScreenFlags();

    // Opening on a screen without colour greys its item and drops the hatches.
    win::DestroyWindow(hwnd);
    graphOutputFlags.displayColorAvailable = 0;
    graphOutputFlags.printColorAvailable = 0;
    hwnd = Open();
    EXPECT_EQ(graphOutputFlags.hatchPatterns, 0u);
    EXPECT_EQ(graphOutputFlags.printColor, 0);
    EXPECT_EQ(ItemText(hwnd, kDisplayGrey), " DISPLAY GRAY SCALE\t(Currently Gray Scale)");
    EXPECT_NE(win::GetMenuState(win::GetMenu(hwnd), kPrintGrey, win::MF_BYCOMMAND) & win::MF_GRAYED,
              0u);
}

TEST_F(TwoDWindowTest, ExportChoosesTheWriterByTheEnding) {
    win::HWND hwnd = Open();
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    Export(hwnd, "\\t.bmp");
    ExpectScreenFlags();
    // One pixel wider and higher than the client area.
    const std::string bmp = Head(folder / "t.bmp", 26);
    ASSERT_EQ(bmp.size(), 26u);
    int32_t width = 0;
    int32_t height = 0;
    std::memcpy(&width, bmp.data() + 18, 4);
    std::memcpy(&height, bmp.data() + 22, 4);
    EXPECT_EQ(width, client.right + 1);
    EXPECT_EQ(std::abs(height), client.bottom + 1);
    // The ending is compared without regard to case.
    Export(hwnd, "\\T.PNG");
    EXPECT_EQ(Head(folder / "T.PNG", 4), "\x89PNG");
    Export(hwnd, "\\t.pcx");
    EXPECT_EQ(Head(folder / "t.pcx", 1), "\x0A");
    EXPECT_TRUE(win::MessageBoxLog().empty());

    // Another ending: a message, and no file made.
    EXPECT_EQ(Export(hwnd, "\\t.gif"), 0);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "FILE SAVE ERROR");
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              "I'm sorry. This file type cannot be saved. Please use .bmp, .jpg, .png, .pcx or "
              ".tif. File not saved!");
    EXPECT_FALSE(fs::exists(folder / "t.gif"));
    ExpectScreenFlags();
    // JPEG and TIFF.
    win::ClearMessageBoxLog();
    Export(hwnd, "\\t.Jpg");
    EXPECT_EQ(Head(folder / "t.Jpg", 3), "\xFF\xD8\xFF");
    Export(hwnd, "\\t.tif");
    EXPECT_EQ(Head(folder / "t.tif", 4), std::string("II*\0", 4));
    EXPECT_TRUE(win::MessageBoxLog().empty());
    // A file that cannot be opened or made.
    win::ClearMessageBoxLog();
    fs::create_directory(folder / "taken.bmp");
    EXPECT_EQ(Export(hwnd, "\\taken.bmp"), 1);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              "Error: Cannot open image file\n\nOpening \\taken.bmp failed: Is a directory. No "
              "file was written.");
    ExpectScreenFlags();
    // A cancelled dialog writes nothing.
    win::CancelFileDialog();
    EXPECT_EQ(win::SendMessage(hwnd, win::WM_COMMAND, kExportImage, 0), 0);
    ExpectScreenFlags();
}

TEST_F(TwoDWindowTest, ExportInGreyAndACaptureThatFails) {
    win::HWND hwnd = Open();
    graphOutputFlags.exportColor = 0;
    Export(hwnd, "\\grey.bmp");
    ExpectScreenFlags();
    EXPECT_EQ(graphOutputFlags.colorNow, 1);
    // A window too large for a picture: the capture fails, nothing is left behind.
    win::MoveWindow(hwnd, 0, 0, 9000, 9000, win::FALSE);
    win::ClearMessageBoxLog();
    Export(hwnd, "\\huge.bmp");
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "IMAGE ERROR");
    EXPECT_FALSE(fs::exists(folder / "huge.bmp"));
    ExpectScreenFlags();
}

TEST_F(TwoDWindowTest, CopyPutsAPictureOnTheClipboard) {
    win::HWND hwnd = Open();
    graphOutputFlags.exportColor = 0;
    Command(hwnd, kCopy);
    ExpectScreenFlags();
    EXPECT_TRUE(win::IsClipboardFormatAvailable(win::CF_DIB));
}

TEST_F(TwoDWindowTest, PrintRectangleKeepsTheGraphsShape) {
    // Letter at 600 x 600 dpi, 8 x 10.5 inches printable: 4:3 cut from the height.
    win::RECT r = GraphPictureRectangle(8000, 10500, 600, 600);
    EXPECT_EQ(r.right, 8000);
    EXPECT_EQ(r.bottom, 6000);
    // Landscape: the width is cut.
    r = GraphPictureRectangle(10500, 6000, 600, 600);
    EXPECT_EQ(r.right, 8000);
    EXPECT_EQ(r.bottom, 6000);
    // Pixels twice as high as wide (300 x 600 dpi): r is 0.5, not 0 (which
    // left no width at all).
    r = GraphPictureRectangle(8000, 10500, 300, 600);
    EXPECT_EQ(r.right, 7000);
    EXPECT_EQ(r.bottom, 10500);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
}

class TwoDPrintTest : public TwoDWindowTest {
  protected:
    void SetUp() override {
        TwoDWindowTest::SetUp();
        std::vector<std::string> errors;
        const std::vector<win::PrinterConfig> printers = win::ParsePrinterConfig(
            "Colour | letter | 100 | colour | prints\n"
            "Grey | letter | 100 | mono | prints\n"
            "Old | letter | 100 | colour | prints | driver=300\n",
            folder.string(), &errors);
        ASSERT_TRUE(errors.empty());
        ASSERT_EQ(printers.size(), 3u);
        EXPECT_EQ(printers[0].driverVersion, 0x400);
        EXPECT_EQ(printers[2].driverVersion, 0x300);
        win::UsePrinters(printers);
    }
    // The window is back where the slot put it, below the main window's menu.
    void ExpectWindowBack(win::HWND hwnd) {
        EXPECT_TRUE(win::IsWindowEnabled(hwnd));
        EXPECT_TRUE(win::IsWindowVisible(hwnd));
        win::RECT r{};
        win::GetWindowRect(hwnd, &r);
        const win::RECT place = GraphWindowPlace(mainWindowState.mainWindow);
        EXPECT_EQ(r.top, place.top);
        EXPECT_EQ(r.bottom, place.bottom);
        ExpectScreenFlags();
    }
};

TEST_F(TwoDPrintTest, DirectOnColourAndGreyPrinters) {
    win::HWND hwnd = Open();
    // Grey chosen on a colour printer stays grey, and the choice is kept.
    graphOutputFlags.printColor = 0;
    win::AnswerPrintDialog("Colour");
    Command(hwnd, kPrint);
    EXPECT_TRUE(fs::exists(folder / "prints" / "Printing Tarvex Graph.pdf"));
    EXPECT_EQ(graphOutputFlags.printColor, 0);
    EXPECT_EQ(graphOutputFlags.printColorAvailable, 1);
    EXPECT_EQ(ItemText(hwnd, kPrintGrey), " PRINT COLOR\t(Currently Gray Scale)");
    ExpectWindowBack(hwnd);
    // A printer without colour greys the item and keeps the user's choice.
    graphOutputFlags.printColor = 1;
    win::AnswerPrintDialog("Grey");
    Command(hwnd, kPrint);
    EXPECT_EQ(graphOutputFlags.printColor, 1);
    EXPECT_EQ(graphOutputFlags.printColorAvailable, 0);
    EXPECT_EQ(ItemText(hwnd, kPrintGrey), " PRINT GRAY SCALE\t(Currently Gray Scale)");
    EXPECT_EQ(printJobState.documentOpen, 0u);
    ExpectWindowBack(hwnd);
    ASSERT_EQ(win::PrintLog().size(), 2u);
    EXPECT_FALSE(win::PrintLog()[1].aborted);
}

TEST_F(TwoDPrintTest, PictureForIndirectModeAndOldDrivers) {
    win::HWND hwnd = Open();
    printJobState.printMode = 1;
    win::AnswerPrintDialog("Colour");
    Command(hwnd, kPrint);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_EQ(win::PrintLog()[0].pages, 1);
    EXPECT_FALSE(win::PrintLog()[0].aborted);
    // The picture's document is named after the window's title.
    EXPECT_TRUE(fs::exists(folder / "prints" / "Tarvex Graph.pdf"));
    EXPECT_EQ(printJobState.printerDC, nullptr);
    ExpectWindowBack(hwnd);
    // A driver older than 3.10 gets the picture too, whatever the mode.
    printJobState.printMode = 0;
    win::AnswerPrintDialog("Old");
    Command(hwnd, kPrint);
    ASSERT_EQ(win::PrintLog().size(), 2u);
    EXPECT_EQ(win::PrintLog()[1].document, "Tarvex Graph");
    EXPECT_TRUE(win::MessageBoxLog().empty());  // no document ended twice
    ExpectWindowBack(hwnd);
}

TEST_F(TwoDPrintTest, CancelledDialogGivesTheWindowBack) {
    win::HWND hwnd = Open();
    win::CancelPrintDialog();
    Command(hwnd, kPrint);
    EXPECT_TRUE(win::PrintLog().empty());
    EXPECT_EQ(printJobState.printAborted, 0u);
    ExpectWindowBack(hwnd);
}

TEST_F(TwoDPrintTest, DriverFieldOfThePrinterFile) {
    std::vector<std::string> errors;
    const auto printers = win::ParsePrinterConfig(
        "A | letter | 300 | mono | . | driver=100\n"
        "B | letter | 300 | mono | . | driver=zz\n"
        "C | letter | 300 | mono | . | driver=10000\n",
        "/", &errors);
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].driverVersion, 0x100);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("driver"), std::string::npos);
}

}  // namespace
}  // namespace graphtest
