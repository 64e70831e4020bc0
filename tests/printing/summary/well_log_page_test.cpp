// The well-log page: its table over the after-flash profile (depth labels,
// temperatures and pressures, the pressure column of the typical-pressure
// source), where PARAMETERS goes, the printed captions and footnotes, and the
// graph block's box.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "graphs/two_d_graph_records.h"
#include "printing/summary/one_page_layout.h"
#include "printing/summary/well_log_report.h"
#include "reporttext/format/format_value.h"
#include "shell/mainwindow/main_window_records.h"
#include "tests/printing/summary/one_page_fixture.h"

namespace printtest {
namespace {

struct GraphCall {
    int calls = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    uint32_t printing = 0;
};
GraphCall graphCall;

int RecordGraph(win::HDC, win::HWND, int left, int top, int right, int bottom) {
    graphCall = GraphCall{graphCall.calls + 1, left, top, right, bottom, pagePrinting};
    return 0;
}

class WellLogPage : public OnePageTest {
  protected:
    void SetUp() override {
        OnePageTest::SetUp();
        Flash11Table& w = wellProfiles.flash11;
        for (int i = 0; i < kFlash11Stations; ++i) {
            w.depth[i] = i < 2 ? 0.0f : 1000.0f * static_cast<float>(i - 1);
            w.analysis[i][AnalysisElement::kTemperature] = 80.0f + 10.0f * static_cast<float>(i);
            w.pressure[i] = 14.7f + 400.0f * static_cast<float>(i);
            w.gaugePressure[i] = w.pressure[i] - 14.7f;
            w.results[i][0] = 2.0f;
            w.excess[i][0] = 7.5f;
        }
        w.depth[5] = 0.0f;  // a station without a depth
        graphCall = GraphCall{};
        InstallWellLogPageGraph(RecordGraph);
    }
    void TearDown() override {
        InstallWellLogPageGraph(nullptr);
        OnePageTest::TearDown();
    }

    std::vector<DrawnText> RenderWellLog(int w = 1280, int h = 990) {
        MakeWindow(w, h);
        summaryPageState.wellLogPageWindow = window;
        summaryPageState.onePageWindow = nullptr;
        win::HDC screen = win::GetDC(nullptr);
        const win::RECT frame{0, 0, 33867, 26194};
        win::HDC meta = win::CreateEnhMetaFileA(screen, nullptr, &frame, "test\0\0");
        DrawWellLogReport(meta, OnePageMode::kWindow);
        std::vector<DrawnText> texts;
        win::DeviceContext* dc = win::AsDc(meta);
        if (dc != nullptr && dc->recording != nullptr)
            for (const win::MetaRecord& r : dc->recording->records)
                if (const auto* t = std::get_if<win::ops::Text>(&r))
                    texts.push_back(DrawnText{t->text, t->p.x, t->p.y});
        win::DeleteEnhMetaFile(win::CloseEnhMetaFile(meta));
        win::ReleaseDC(nullptr, screen);
        return texts;
    }

    // The PDF text of the page printed alone.
    std::string PrintedText() {
        MakeWindow(1280, 990);
        summaryPageState.wellLogPageWindow = window;
        win::AnswerPrintDialog("PDF", true);
        printJobState.singlePageJob = JobPart::kWholeJob;  // a job of its own
        PrintWellLogPage();
        printJobState.singlePageJob = JobPart::kFirstOrMiddle;
        EXPECT_EQ(win::PrintLog().size(), 1u);
        if (win::PrintLog().empty()) return "";
        EXPECT_EQ(win::PrintLog()[0].document, "Tarvex Well Log");
        EXPECT_EQ(win::PrintLog()[0].pages, 1);
        return RunTool("pdftotext -layout '" + win::PrintLog()[0].path + "' -");
    }
};

int CountText(const std::vector<DrawnText>& texts, const std::string& text) {
    int n = 0;
    for (const DrawnText& t : texts) n += t.text == text ? 1 : 0;
    return n;
}

TEST_F(WellLogPage, DepthColumnTemperaturesAndPressures) {
    const std::vector<DrawnText> texts = RenderWellLog();
    const DrawnText* depth = Find(texts, "  Depth");
    const DrawnText* after = Find(texts, "After Flash");
    ASSERT_NE(depth, nullptr);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->x, depth->x);
    EXPECT_NE(Find(texts, "At Separator"), nullptr);
    EXPECT_NE(Find(texts, "Bottom Hole"), nullptr);
    EXPECT_NE(Find(texts, "1000     "), nullptr);  // "%-9.0f"
    EXPECT_NE(Find(texts, "3000     "), nullptr);
    EXPECT_EQ(Find(texts, "4000     "), nullptr);  // station 5 has no depth
    EXPECT_EQ(Find(texts, "0        "), nullptr);
    // Eleven texts in the depth column: the rows but the one without a depth.
    int column = 0;
    for (const DrawnText& t : texts)
        if (t.x == depth->x && t.y > depth->y) ++column;
    EXPECT_EQ(column, 11);

    char five[kValueTextChars];
    FormatValue5(five, 90.0f);  // station 1's temperature
    EXPECT_EQ(CountText(texts, five), 1);
    EXPECT_NE(Find(texts, " Press."), nullptr);
    EXPECT_NE(Find(texts, "  (atm)"), nullptr);
    // No footnotes on the screen, and the page's graph fills the rest of the
    // window from the table's left to its right end, its foot a few rows
    // above the window's edge.
    const std::string all = All(texts);
    EXPECT_EQ(all.find("Saturation"), std::string::npos);
    EXPECT_EQ(graphCall.calls, 1);
    EXPECT_EQ(graphCall.left, depth->x);
    EXPECT_EQ(graphCall.printing, 0u);
    win::RECT client{};
    win::GetClientRect(window, &client);
    EXPECT_LT(graphCall.top, client.bottom);
    EXPECT_GE(graphCall.top, client.bottom - 12);
}

TEST_F(WellLogPage, TypicalPressureDropsThePressureColumn) {
    whatIfOptions.wellLogPtSource = 2;
    const std::vector<DrawnText> texts = RenderWellLog();
    EXPECT_EQ(Find(texts, " Press."), nullptr);
    for (const char* caption : {"  (atm)", "  (bars)", "(psia)", "(psig)", "  (KPa)"})
        EXPECT_EQ(Find(texts, caption), nullptr) << caption;
    char pressure[kValueTextChars];
    FormatValue5(pressure, wellProfiles.flash11.pressure[3]);
    EXPECT_EQ(Find(texts, pressure), nullptr);
    EXPECT_NE(Find(texts, "  Temp."), nullptr);
}

TEST_F(WellLogPage, AmountsInPoundsUseTheProgramsFactor) {
    displaySettings.precipitationUnit = 1;
    const std::vector<DrawnText> texts = RenderWellLog();
    char pounds[kValueTextChars];
    FormatValue7(pounds, 7.5f * precipitationFactor);
    EXPECT_EQ(CountText(texts, pounds), kFlash11Stations);
    EXPECT_NE(Find(texts, "#/1000"), nullptr);
}

TEST_F(WellLogPage, ColumnsEndPastTheLastMineralBound) {
    // Portrait with the typical pressure and one amount per column: the rules
    // and shading end at 184 c, past the last bound (165 c), where the
    // one-page table ends in that case.
    const WellLogColumns portrait = WellLogTableColumns(false, 2, 0);
    EXPECT_EQ(portrait.bounds[7], 165);
    EXPECT_EQ(portrait.right, 184);
    EXPECT_EQ(portrait.pressure, -1);
    EXPECT_EQ(ScaleColumns(false, 2, 0).bounds[7], 184);
    for (uint32_t source : {0u, 1u, 2u})
        for (uint32_t show : {0u, 2u})
            for (bool landscape : {false, true}) {
                const WellLogColumns c = WellLogTableColumns(landscape, source, show);
                for (int k = 0; k < 7; ++k) EXPECT_LT(c.bounds[k], c.bounds[k + 1]);
                EXPECT_GE(c.right, c.bounds[7]);
            }
    // Landscape pages shift everything by 30 c.
    EXPECT_EQ(WellLogTableColumns(true, 0, 0).depth, 32);
    EXPECT_EQ(WellLogTableColumns(true, 0, 0).right, 214);

    // A portrait window's table and graph end at 184 c.
    whatIfOptions.wellLogPtSource = 2;
    SetPrecipitationShow(0);
    const std::vector<DrawnText> texts = RenderWellLog(700, 990);
    const DrawnText* depth = Find(texts, "  Depth");
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(graphCall.right, depth->x / 2 * 184);
}

TEST_F(WellLogPage, ParametersPlacement) {
    EXPECT_EQ(PlaceWellLogParameters(0, 12).layout, ParametersLayout::kLeft);
    EXPECT_EQ(PlaceWellLogParameters(0, 12).row, 5);
    // Both columns long: in the anion layout below the rows.
    const ParametersPlacement below = PlaceWellLogParameters(13, 12);
    EXPECT_EQ(below.layout, ParametersLayout::kRight);
    EXPECT_EQ(below.row, 13);
    EXPECT_EQ(PlaceWellLogParameters(8, 8).row, 9);
    // Long cations, short anions: the anion column at row m - 7.
    const ParametersPlacement right = PlaceWellLogParameters(13, 3);
    EXPECT_EQ(right.layout, ParametersLayout::kRight);
    EXPECT_EQ(right.row, 6);
    // The walk ends below a block that runs past the rows.
    const ChemistryWalk walk = WalkChemistryRows(below, 13, 12, 10);
    EXPECT_GE(walk.endY, walk.blockY + 7 * 10);
    // The one-page walk is unchanged by that rule.
    EXPECT_EQ(WalkChemistryRows(0, 12, 10).endY,
              WalkChemistryRows(PlaceParameters(0, 12), 0, 12, 10).endY);
}

TEST_F(WellLogPage, PrintedPageHasFootnotesAndBarrelCaptions) {
    displaySettings.precipitationUnit = 2;
    const std::string text = PrintedText();
    for (const char* expected :
         {"After Flash", "At Separator", "Bottom Hole", "Saturation Levels (xSAT)", "kg per",
          "Barrels", "kg/1000 Barrels scale is"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    // The saturation captions stand on the " 1000 " line.
    bool found = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.find("1000") != std::string::npos && line.find("xSAT") != std::string::npos)
            found = true;
    EXPECT_TRUE(found) << text;
    EXPECT_EQ(graphCall.calls, 1);
    EXPECT_EQ(graphCall.printing, 1u);
    EXPECT_EQ(pagePrinting, 0u);
    EXPECT_EQ(printJobState.documentOpen, 0u);
}

TEST_F(WellLogPage, CancelledPrintDrawsNothingAndLeaksNothing) {
    MakeWindow(1280, 990);
    summaryPageState.wellLogPageWindow = window;
    const int objects = win::LiveGdiObjectCount();
    win::CancelPrintDialog();
    PrintWellLogPage();
    EXPECT_TRUE(win::PrintLog().empty());
    EXPECT_EQ(graphCall.calls, 0);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
}

}  // namespace
}  // namespace printtest
