// The help screen of the pH-alkalinity input: its eight lines spaced by the
// report line height, and what closes it.
#include "graphs/alkcurve/alk_help_window.h"

#include <string>

#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class AlkHelpTest : public GraphWindowTest {
  protected:
    void BeforeStart() override {
        win::SetDesktopSize(1024, 768);
        reportPageGrid = ReportPageGrid{};
    }
    void SetUp() override {
        GraphWindowTest::SetUp();
        if (HasFatalFailure()) return;
        owner = win::CreateWindow("HELP", "owner", win::WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    }
    void TearDown() override {
        win::DestroyWindow(owner);
        GraphWindowTest::TearDown();
    }
    // Rows of the picture holding any dark pixel.
    static std::vector<bool> InkedRows(const win::Image32& p) {
        std::vector<bool> rows(static_cast<std::size_t>(p.height), false);
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                if ((p.At(x, y) & 0xFF) < 0x80) rows[static_cast<std::size_t>(y)] = true;
        return rows;
    }
    static int FirstInkedColumn(const win::Image32& p) {
        for (int x = 0; x < p.width; ++x)
            for (int y = 0; y < p.height; ++y)
                if ((p.At(x, y) & 0xFF) < 0x80) return x;
        return -1;
    }
    static bool Inked(const std::vector<bool>& rows, int from, int to) {
        for (int y = from; y < to && y < static_cast<int>(rows.size()); ++y)
            if (rows[static_cast<std::size_t>(y)]) return true;
        return false;
    }
    win::HWND owner = nullptr;
};

TEST_F(AlkHelpTest, LinesStandTwoReportLinesApart) {
    reportPageGrid.lineHeight = 20;
    win::HWND help = CreateAlkHelpWindow(owner);
    ASSERT_NE(help, nullptr);
    char title[64] = {};
    win::GetWindowText(help, title, sizeof title);
    EXPECT_STREQ(title, "ALkalinity - pH Curve Help Screen");
    EXPECT_TRUE(win::IsZoomed(help));
    EXPECT_EQ(win::GetWindow(help, win::GW_OWNER), owner);
    win::UpdateWindow(help);
    const win::Image32 p = win::ReadWindowPixels(help);
    const std::vector<bool> rows = InkedRows(p);
    // Line k at y = 40k, its glyphs within the 20 rows below; an empty line
    // between each two.
    for (int k = 1; k <= kAlkHelpLineCount; ++k) {
        EXPECT_TRUE(Inked(rows, 40 * k, 40 * k + 20)) << k;
        EXPECT_FALSE(Inked(rows, 40 * k + 20, 40 * k + 40)) << k;
    }
    EXPECT_FALSE(Inked(rows, 0, 40));
    win::HDC dc = win::GetDC(help);
    win::SelectObject(dc, win::GetStockObject(win::OEM_FIXED_FONT));
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::ReleaseDC(help, dc);
    EXPECT_NEAR(FirstInkedColumn(p), 3 * tm.tmAveCharWidth, 2);
    EXPECT_STREQ(kAlkHelpLines[6],
                 "Press GRAPH to plot the PREDICTED pH vs ALKALINITY, including an overlay of "
                 "input pH-Alkalinty pairs.");
    win::DestroyWindow(help);
}

TEST_F(AlkHelpTest, WithoutAReportLineHeightTheFontSpacesTheLines) {
    win::HWND help = CreateAlkHelpWindow(owner);
    ASSERT_NE(help, nullptr);
    win::UpdateWindow(help);
    const std::vector<bool> rows = InkedRows(win::ReadWindowPixels(help));
    int bands = 0;
    for (std::size_t y = 1; y < rows.size(); ++y) bands += rows[y] && !rows[y - 1] ? 1 : 0;
    EXPECT_EQ(bands, kAlkHelpLineCount);
    win::DestroyWindow(help);
}

TEST_F(AlkHelpTest, CharacterKeysAndDoubleClicksClose) {
    reportPageGrid.lineHeight = 16;
    win::HWND help = CreateAlkHelpWindow(owner);
    ASSERT_NE(help, nullptr);
    // Keys without a character, single clicks and other commands leave it open.
    win::SendMessage(help, win::WM_KEYDOWN, win::VK_F1, 0);
    win::SendMessage(help, win::WM_KEYDOWN, win::VK_SHIFT, 0);
    win::SendMessage(help, win::WM_LBUTTONDOWN, 0, 0x00100010);
    win::SendMessage(help, win::WM_LBUTTONUP, 0, 0x00100010);
    win::SendMessage(help, win::WM_COMMAND, 1013, 0);
    EXPECT_TRUE(win::IsWindow(help));
    win::SendMessage(help, win::WM_CHAR, 'a', 0);
    EXPECT_FALSE(win::IsWindow(help));

    help = CreateAlkHelpWindow(owner);
    win::SendMessage(help, win::WM_CHAR, win::VK_ESCAPE, 0);
    EXPECT_FALSE(win::IsWindow(help));
    help = CreateAlkHelpWindow(owner);
    win::SendMessage(help, win::WM_LBUTTONDBLCLK, 0, 0x00100010);
    EXPECT_FALSE(win::IsWindow(help));
    help = CreateAlkHelpWindow(owner);
    win::SendMessage(help, win::WM_COMMAND, 1028, 0);
    EXPECT_FALSE(win::IsWindow(help));
    // Going with its owner.
    help = CreateAlkHelpWindow(owner);
    win::DestroyWindow(owner);
    owner = nullptr;
    EXPECT_FALSE(win::IsWindow(help));
}

}  // namespace
}  // namespace graphtest
