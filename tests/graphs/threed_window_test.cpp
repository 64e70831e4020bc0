// The 3D graph window: its keys over the chosen graphs, the texts of its
// switches and reverse items by grid, the position texts of its clicks, the
// hit test on a cell's top face, the limits summary a click opens, the grid
// computed again after a change of product, the dosage refusal, and the slot
// it lives in.
#include "graphs/window/threed_window.h"

#include <string>
#include <vector>

#include "common/unit_codes.h"
#include "graphs/state/graph_snapshot_records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/threed/threed_series.h"
#include "graphs/window/graph_slot.h"
#include "graphs/window/threed_window_records.h"
#include "platform/print/print_setup.h"
#include "platform/window/menu_keys.h"
#include "resources/program_resources.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/records.h"
#include "tests/graphs/graph_fixture.h"
#include "treatment/limits/limits_summary.h"
#include "treatment/treatment_dialog_ids.h"

namespace graphtest {
namespace {

using namespace ThreeDGraphCommand;

class ThreeDWindowTest : public GraphWindowTest {
  protected:
    void BeforeStart() override {
        ResetThreeDGraphRecords();
        ResetThreeDWindowRecords();
        ResetGraphSnapshotRecords();
    }
    void SetUp() override {
        GraphWindowTest::SetUp();
        if (HasFatalFailure()) return;
        ColourEverywhere();
        Choose({0});
        whatIfResults.grid.gridKind = 0xFFFF;
        gridSource = GridSource::kSingleWater;
        win::ClearMessageBoxLog();
    }
    static void Choose(std::initializer_list<int16_t> codes) {
        graphChoice.count = static_cast<int16_t>(codes.size());
        int i = 0;
        for (int16_t c : codes) {
            graphChoice.codes[i] = c;
            graphIndexCodes[i] = static_cast<uint16_t>(c);
            ++i;
        }
        for (; i < 4; ++i) graphIndexCodes[i] = kNoGraphIndex;
    }
    win::HWND Open() {
        EXPECT_EQ(ShowGraphWindow(), 1);
        return mainWindowState.graphWindow;
    }
    // Cell 0 alone drawn, over the whole client area of the window.
    static void OutlineFirstCellOverAll() {
        for (CellOutline& o : cellOutline) o = CellOutline{};
        const int xs[4] = {-320, 320, 320, -320};
        const int ys[4] = {-240, -240, 240, 240};
        for (int k = 0; k < 4; ++k) {
            cellOutline[0].x[k] = xs[k];
            cellOutline[0].y[k] = ys[k];
        }
    }
    static void Key(win::HWND hwnd, int key) {
        win::SendMessage(hwnd, win::WM_KEYDOWN, static_cast<win::WPARAM>(key), 0);
    }
};

TEST_F(ThreeDWindowTest, KeysPageThroughTheChosenGraphs) {
    // One graph: no key acts, Escape included.
    win::HWND hwnd = Open();
    ASSERT_NE(hwnd, nullptr);
    Key(hwnd, win::VK_NEXT);
    Key(hwnd, win::VK_ESCAPE);
    EXPECT_EQ(selectedGraphPosition, 0);
    EXPECT_TRUE(win::IsWindow(hwnd));
    // A count of 0 (as a refusal once left it) acts as one.
    graphChoice.count = 0;
    Key(hwnd, win::VK_PRIOR);
    EXPECT_EQ(selectedGraphPosition, 0);
    win::DestroyWindow(hwnd);

    // Four: the window opens on the third; the pages wrap both ways.
    Choose({0, 21, 10, 11});
    hwnd = Open();
    EXPECT_EQ(selectedGraphPosition, 2);
    Key(hwnd, win::VK_NEXT);
    EXPECT_EQ(selectedGraphPosition, 3);
    Key(hwnd, win::VK_NEXT);
    EXPECT_EQ(selectedGraphPosition, 0);
    Key(hwnd, win::VK_PRIOR);
    EXPECT_EQ(selectedGraphPosition, 3);
    uint16_t code = 0;
    EXPECT_EQ(GetSelectedGraphParam(code), 11);
    // F7 is the background switch; Escape closes and frees the slot.
    Key(hwnd, 0x76);
    EXPECT_EQ(whiteBackground, 0);
    Key(hwnd, win::VK_ESCAPE);
    EXPECT_FALSE(win::IsWindow(hwnd));
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
}

TEST_F(ThreeDWindowTest, SwitchesAndAltKeysRewriteTheirTexts) {
    win::HWND hwnd = Open();
    EXPECT_EQ(ItemText(hwnd, kLabels), " &DISPLAY LABELS\t(Currently Hidden)");
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 'l', 0);
    EXPECT_EQ(showGraphLabels, 1);
    EXPECT_EQ(ItemText(hwnd, kLabels), " &HIDE LABELS\t(Currently Displayed)");
    // Alt+B only from a contour map (the contour is the menu's switch).
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 'B', 0);
    EXPECT_EQ(displaySettings.threeDPlotStyle, 0);
    Command(hwnd, kPlotStyle);
    EXPECT_EQ(displaySettings.threeDPlotStyle, 2);
    EXPECT_EQ(ItemText(hwnd, kPlotStyle), " &BAR GRAPH\t(Currently 3D Contour)");
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 'b', 0);
    EXPECT_EQ(displaySettings.threeDPlotStyle, 0);
    // The letters the menu bar underlines open their menus, not a shortcut:
    // P is PROPERTIES (no print), C CHOOSE GRAPH (bars stay), N NEW TREATMENT.
    win::ClearMessageBoxLog();
    for (const char letter : {'P', 'c', 'N', 'O'}) {
        win::detail::LeaveMenu();
        win::SendMessage(hwnd, win::WM_SYSKEYDOWN, static_cast<win::WPARAM>(letter), 0);
        ASSERT_TRUE(win::detail::MenuRuns()) << letter;
        const win::detail::KeyboardMenuState& bar = win::detail::KeyboardMenu();
        EXPECT_TRUE(bar.dropped) << letter;
        char title[64] = {};
        win::GetMenuString(win::GetMenu(hwnd), static_cast<win::UINT>(bar.bar), title,
                           sizeof title, win::MF_BYPOSITION);
        EXPECT_EQ(win::detail::MenuMnemonic(title), letter & ~0x20) << title;
    }
    EXPECT_EQ(displaySettings.threeDPlotStyle, 0);
    EXPECT_TRUE(win::PrintLog().empty());
    EXPECT_TRUE(win::MessageBoxLog().empty());
    // F10 (a system key, as 'y' is in number) enters the menu bar and reverses
    // nothing.
    win::detail::LeaveMenu();
    const auto columns = columnOrderNatural;
    win::SetFocus(hwnd);
    win::PressKey(win::VK_F1 + 9);
    EXPECT_EQ(columnOrderNatural, columns);
    EXPECT_TRUE(win::detail::MenuRuns());
    win::detail::LeaveMenu();
    // A white background in colour paints with colour mode 2; black leaves it.
    Command(hwnd, kBackground);
    EXPECT_EQ(whiteBackground, 0);
    EXPECT_EQ(ItemText(hwnd, kBackground), " &WHITE BACKGROUND \t(Currently Black)");
    Command(hwnd, kBackground);
    EXPECT_EQ(graphOutputFlags.colorNow, 2);
    // The colour switches' toggle texts; the display switch repaints at once.
    Command(hwnd, kDisplayGrey);
    EXPECT_EQ(graphOutputFlags.colorNow, 0);
    EXPECT_EQ(ItemText(hwnd, kDisplayGrey), " DISPLAY COLOR IMAGES\t(Currently Gray Scale)");
    Command(hwnd, kPrintGrey);
    EXPECT_EQ(ItemText(hwnd, kPrintGrey), " PRINT COLOR IMAGES\t(Currently Gray Scale)");
    Command(hwnd, kFormulaTitles);
    EXPECT_EQ(ItemText(hwnd, kFormulaTitles),
              "&MINERAL NAME TITLES\t(Currently Formula (e.g. CaCO_3))");
    // The focus writes the state's texts; a printer without colour greys 1010.
    graphOutputFlags.printColorAvailable = 0;
    win::SendMessage(hwnd, win::WM_SETFOCUS, 0, 0);
    EXPECT_EQ(ItemText(hwnd, kPrintGrey), " PRINT GRAY SCALE\t(Currently Gray Scale)");
    EXPECT_EQ(ItemText(hwnd, kFormulaTitles),
              " &MINERAL NAME TITLES\t(Currently Formula e.g. CaCO_3)");
    EXPECT_NE(win::GetMenuState(win::GetMenu(hwnd), kPrintGrey, win::MF_BYCOMMAND) & win::MF_GRAYED,
              0u);
}

TEST_F(ThreeDWindowTest, ReverseTextsAndOrderByGrid) {
    win::HWND hwnd = Open();
    struct Case {
        uint16_t source;
        uint16_t kind;
        uint16_t pco2;
        const char* rows;
        const char* columns;
    };
    const Case cases[] = {
        {0, 0xFFFF, 0, " Reverse pH Axis", " Reverse Temperature Axis"},
        {0, 0xFFFF, 1, " Reverse pCO2 Axis", " Reverse Temperature Axis"},
        {2, 0, 0, " Reverse Pressure Axis", " Reverse Temperature Axis"},
        {1, 1, 0, " Reverse % Axis", " Reverse Temperature Axis"},
        {1, 2, 1, " Reverse pCO2 Axis", " Reverse % Axis"},
        {2, 3, 0, " Reverse Pressure Axis", " Reverse Temperature Axis"},
    };
    for (const Case& c : cases) {
        gridSource = c.source;
        whatIfResults.grid.gridKind = c.kind;
        whatIfOptions.varyPco2 = c.pco2;
        SetThreeDReverseTexts(hwnd);
        EXPECT_EQ(ItemText(hwnd, kReverseRows), c.rows) << c.source << "/" << c.kind;
        EXPECT_EQ(ItemText(hwnd, kReverseColumns), c.columns) << c.source << "/" << c.kind;
    }
    rowOrderNatural = 1;
    columnOrderNatural = 0;
    Command(hwnd, kReverseBoth);
    EXPECT_EQ(rowOrderNatural, 0);
    EXPECT_EQ(columnOrderNatural, 1);
    Command(hwnd, kReverseColumns);
    EXPECT_EQ(columnOrderNatural, 0);
    EXPECT_EQ(graphOutputFlags.renderTarget, 0u);
}

TEST_F(ThreeDWindowTest, PositionTextsBySourceKindAndUnit) {
    const std::string F =
        " \xB0"
        "F.";
    EXPECT_EQ(ThreeDPositionText(7.6f, 120.0f), " at pH 7.60 and 120 " + F);
    whatIfOptions.varyPco2 = 1;
    EXPECT_EQ(ThreeDPositionText(0.5f, 120.0f), " at pCO2 0.50 and 120 " + F);
    whatIfOptions.varyPco2 = 0;
    gridSource = GridSource::kMixing;
    whatIfResults.grid.gridKind = 1;
    EXPECT_EQ(ThreeDPositionText(50.0f, 80.0f), " at 50.00%  and 80 " + F);
    whatIfResults.grid.gridKind = 2;
    EXPECT_EQ(ThreeDPositionText(7.0f, 33.3f), " at pH 7.00 and 33  %.");
    gridSource = GridSource::kPressureTemperature;
    whatIfResults.grid.gridKind = 3;
    unitCodes.code[UnitItem::kTemperature] = 1;
    EXPECT_EQ(ThreeDPositionText(1000.0f, 50.0f),
              " at a pressure of 1000.00 and 50  \xB0"
              "C.");
    unitCodes.code[UnitItem::kTemperature] = 2;
    EXPECT_EQ(ThreeDPositionText(1000.0f, 300.0f), " at a pressure of 1000.00 and 300  \xB0K.");
    // A pair no grid makes: no phrase, the percent ending.
    gridSource = GridSource::kSingleWater;
    whatIfResults.grid.gridKind = 0;
    EXPECT_EQ(ThreeDPositionText(1.0f, 2.0f), "1.00 and 2  %.");
    EXPECT_EQ(ThreeDValueCaption(2.5f).rfind("YOU CLICKED ON THE VALUE 2.5", 0), 0u);
}

TEST_F(ThreeDWindowTest, HitTestFindsEveryPartOfATopFace) {
    win::HWND hwnd = Open();
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    const int w = client.right;
    const int h = client.bottom;
    // Cell (row 2, column 5) drawn as a diamond around the centre of the
    // picture (logical 0, 0); every other cell empty.
    for (CellOutline& o : cellOutline) o = CellOutline{};
    CellOutline& face = cellOutline[2 * 7 + 5];
    const int xs[5] = {-40, 0, 40, 0, -40};
    const int ys[5] = {0, -30, 0, 30, 0};
    for (int k = 0; k < 5; ++k) {
        face.x[k] = xs[k];
        face.y[k] = ys[k];
    }
    rowOrderNatural = 1;
    columnOrderNatural = 0;
    for (int i = 0; i < 7; ++i) {
        rowAxisValues[i] = 6.0f + 0.5f * i;
        columnAxisValues[i] = 70.0f + 10.0f * i;
    }
    gridValues[2 * 7 + 5] = 1.25;
    // Client points over the four triangles between the face's centre and
    // its edges (logical x = -320 + 640 x / W, y = -240 + 480 y / H).
    const auto client_x = [&](int lx) { return (lx + 320) * w / 640; };
    const auto client_y = [&](int ly) { return (ly + 240) * h / 480; };
    const int points[4][2] = {{-20, -2}, {20, -2}, {-20, 4}, {20, 4}};
    for (const auto& p : points) {
        ThreeDHit hit;
        ASSERT_TRUE(ThreeDHitTest(hwnd, client_x(p[0]), client_y(p[1]), hit)) << p[0] << p[1];
        EXPECT_EQ(hit.row, 2);
        EXPECT_EQ(hit.column, 5);
        EXPECT_EQ(hit.i, 2);
        EXPECT_EQ(hit.j, 1);  // columns drawn reversed
        EXPECT_FLOAT_EQ(hit.rowValue, 7.0f);
        EXPECT_FLOAT_EQ(hit.columnValue, 80.0f);
        EXPECT_FLOAT_EQ(hit.value, 1.25f);
    }
    EXPECT_EQ(graphWidth, w);
    EXPECT_EQ(graphHeight, h);
    ThreeDHit miss;
    EXPECT_FALSE(ThreeDHitTest(hwnd, client_x(45), client_y(0), miss));
    // A client area without height hits nothing.
    win::MoveWindow(hwnd, 0, 0, 300, 0, win::FALSE);
    win::GetClientRect(hwnd, &client);
    if (client.bottom == 0) {
        EXPECT_FALSE(ThreeDHitTest(hwnd, 0, 0, miss));
        EXPECT_EQ(graphHeight, 0);
    }
}

TEST_F(ThreeDWindowTest, ValueClickAsksForLimitsOnlyWithAProduct) {
    win::HWND hwnd = Open();
    OutlineFirstCellOverAll();
    rowOrderNatural = columnOrderNatural = 1;
    EXPECT_EQ(ThreeDValueClick(hwnd, 10, 10), 1);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].text.find(" DISPLAY LIMITS?"), std::string::npos);
    EXPECT_EQ(win::MessageBoxLog()[0].type & win::MB_YESNO, 0u);
    resultStatus.productSelected = 1;
    win::AnswerMessageBoxStartingWith("YOU CLICKED", win::IDNO);
    EXPECT_EQ(ThreeDValueClick(hwnd, 10, 10), 1);
    ASSERT_EQ(win::MessageBoxLog().size(), 2u);
    const std::string& text = win::MessageBoxLog()[1].text;
    EXPECT_EQ(text.substr(text.size() - 16), " DISPLAY LIMITS?");
    EXPECT_NE(win::MessageBoxLog()[1].type & win::MB_YESNO, 0u);
}

// Yes opens the limits summary at the clicked cell's grid row and column,
// in the grid's own order: cell (0, 0) drawn with both axes reversed is grid
// row 7, column 7. No opens nothing.
TEST_F(ThreeDWindowTest, YesToDisplayLimitsShowsTheClickedGridCell) {
    win::HWND hwnd = Open();
    OutlineFirstCellOverAll();
    rowOrderNatural = columnOrderNatural = 0;
    resultStatus.productSelected = 1;
    std::vector<std::string> points;
    for (int id : {4277, 4281, 4283})
        win::OnDialog(id, [&points](win::HWND d) {
            points.push_back(win::WindowText(win::GetDlgItem(d, LimitsSummaryControl::kPoint)));
            win::PressButton(d, win::IDOK);
        });
    win::AnswerMessageBoxStartingWith("YOU CLICKED", win::IDYES);
    EXPECT_EQ(ThreeDValueClick(hwnd, 10, 10), 1);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0], "3D grid, row 7, column 7");
    rowOrderNatural = 1;
    win::AnswerMessageBoxStartingWith("YOU CLICKED", win::IDYES);
    EXPECT_EQ(ThreeDValueClick(hwnd, 10, 10), 1);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1], "3D grid, row 1, column 7");
    win::AnswerMessageBoxStartingWith("YOU CLICKED", win::IDNO);
    EXPECT_EQ(ThreeDValueClick(hwnd, 10, 10), 1);
    EXPECT_EQ(points.size(), 2u);
}

// After Choose Product the grid is computed again when a product was chosen or
// the one the window opened with is gone; a product kept leaves the grid alone.
// The grid of an empty surface water is refused, so a recomputation shows as
// the grid's flag cleared and the refusal's box.
TEST_F(ThreeDWindowTest, ChooseProductRecomputesOnlyWhenTheProductChanged) {
    struct Case {
        uint16_t selectedAtOpen;
        uint16_t selectedAfter;
        bool recomputed;
    };
    const Case cases[] = {{1, 1, false}, {1, 0, true}, {0, 0, false}};
    for (const Case& c : cases) {
        resultStatus.productSelected = c.selectedAtOpen;
        win::HWND hwnd = Open();
        resultStatus.productSelected = c.selectedAfter;
        resultStatus.gridDone = 1;
        win::ClearMessageBoxLog();
        // Cancel: nothing chosen, the selection as it was.
        win::OnDialog(
            TreatmentDialog::kSelectProduct,
            [](win::HWND d) { win::PressButton(d, win::IDCANCEL); }, 1);
        Command(hwnd, kChooseProduct);
        EXPECT_EQ(resultStatus.productChosen, 0u);
        EXPECT_EQ(resultStatus.gridDone == 0, c.recomputed) << c.selectedAtOpen << c.selectedAfter;
        EXPECT_EQ(win::MessageBoxLog().empty(), !c.recomputed);
        EXPECT_TRUE(win::IsWindow(hwnd));
        win::DestroyWindow(hwnd);
    }
}

TEST_F(ThreeDWindowTest, DosageWithoutAProductIsRefusedOnce) {
    Choose({89});
    win::HWND hwnd = Open();
    EXPECT_FALSE(win::IsWindow(hwnd));
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
    EXPECT_EQ(graphIndexCodes[0], 0);
    EXPECT_EQ(graphChoice.codes[0], 0);
    EXPECT_EQ(graphChoice.count, 1);
}

TEST_F(ThreeDWindowTest, SlotTakesTheThreeDWindowInPlaceOfAnother) {
    ASSERT_EQ(OpenTwoDGraphWindow(), 1);
    win::HWND twoD = mainWindowState.graphWindow;
    win::HWND threeD = Open();
    EXPECT_FALSE(win::IsWindow(twoD));
    char name[64] = {};
    win::GetClassName(threeD, name, sizeof name);
    EXPECT_STREQ(name, "wcGraphWindow");
    // Destroyed with its owner or from outside: the slot is free again.
    win::DestroyWindow(threeD);
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    EXPECT_EQ(mainWindowState.graphWindow, nullptr);
    // The snapshot of the 3D picture.
    threeD = Open();
    EXPECT_EQ(RenderGraphToBitmap(threeD), 0);
    EXPECT_EQ(snapshotIs3D, 1u);
    EXPECT_NE(graphSnapshot.bitmap, nullptr);
    EXPECT_EQ(graphOutputFlags.renderTarget, 0u);
    DeleteGraphSnapshot();
}

}  // namespace
}  // namespace graphtest
