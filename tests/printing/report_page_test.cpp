// The report page: the grid a page set-up derives from the printer, the first
// grid of a job, rules, the user headings with and without "@@", the dates and
// times of the identification blocks and where the blocks put their texts.
#include <cmath>

#include "printing/page/report_dates.h"
#include "printing/page/report_logo.h"
#include "tests/printing/print_fixture.h"

namespace printtest {
namespace {

using ReportPageTest = PrintTest;

// 80 underscores in the page's bold font, measured here on their own.
int Underscores(win::HDC dc, int count) {
    win::HGDIOBJ old = win::SelectObject(dc, reportFonts.boldFont);
    const std::string rule(static_cast<size_t>(count), '_');
    win::SIZE size{};
    win::GetTextExtentPoint32A(dc, rule.c_str(), count, &size);
    win::SelectObject(dc, old);
    return size.cx;
}

int FontHeight(win::HFONT font) {
    win::LOGFONTA lf{};
    win::GetObjectA(font, sizeof lf, &lf);
    return lf.lfHeight;
}

TEST_F(ReportPageTest, GridAt600DpiCentresTheTextOrKeepsToTheOffset) {
    // Letter at 600 dpi with the quarter-inch margin: 5,100 x 6,600 pixels.
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    const PrintPageMetrics& m = printJobState.pageMetrics;
    EXPECT_EQ(m.physicalWidth, 5100);
    EXPECT_EQ(m.vertRes, 6600 - 300);
    EXPECT_EQ(m.usableWidth, m.horzRes - 2 * m.offsetX);  // the offsets come off twice
    EXPECT_EQ(FontHeight(reportFonts.boldFont), m.vertRes / 70);
    EXPECT_EQ(FontHeight(reportFonts.headingFont), static_cast<int>(m.vertRes / 70 / 0.65));
    const ReportPageGrid& g = reportPageGrid;
    EXPECT_EQ(g.columnsPerLine, 80);
    EXPECT_EQ(g.textWidth, Underscores(dc, 80));
    EXPECT_EQ(g.charWidth, g.textWidth / 80);
    EXPECT_EQ(g.marginX, (5100 - g.textWidth) / 2);
    EXPECT_GT(g.marginX, m.offsetX);
    AbortJob();

    // A 1.5-inch side margin: the centred text would start in the margin.
    UsePrinterLines("Wide | letter | 600 | colour | " + out.string() + " | margin=1.5,0.25\n");
    dc = StartPage("Wide");
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(printJobState.pageMetrics.offsetX, 900);
    EXPECT_LT((5100 - reportPageGrid.textWidth) / 2, 900);
    EXPECT_EQ(reportPageGrid.marginX, 900);
    AbortJob();
}

int FontWidth(win::HFONT font) {
    win::LOGFONTA lf{};
    win::GetObjectA(font, sizeof lf, &lf);
    return lf.lfWidth;
}

TEST_F(ReportPageTest, SummaryPageVariantsAndColumnFitting) {
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    const PrintPageMetrics& m = printJobState.pageMetrics;
    ASSERT_EQ(SetupLandscapeSummaryPage(76, 0), 0);
    EXPECT_EQ(FontHeight(reportFonts.bodyFont), m.usableHeight / 76);  // the usable height
    EXPECT_EQ(FontWidth(reportFonts.bodyFont), 0);

    ASSERT_EQ(SetupPortraitSummaryPage(84, 184), 0);
    const int h = m.usableHeight / 84;
    const int w = m.usableWidth / 184;
    EXPECT_EQ(FontWidth(reportFonts.boldFont), w);
    EXPECT_EQ(FontWidth(reportFonts.largestFont), w);
    EXPECT_EQ(FontHeight(reportFonts.largeFont), static_cast<int>(h * 17.0 / 22.0 / 0.8));
    EXPECT_EQ(FontHeight(reportFonts.largestFont), static_cast<int>(h * 17.0 / 22.0 / 0.55));

    // Fitting 200 columns into the usable width lowers the fonts; set-up after
    // set-up leaves no font behind.
    ASSERT_EQ(SetupReportPage(0, 200), 0);
    const int fitted = FontHeight(reportFonts.bodyFont);
    EXPECT_LT(fitted, m.vertRes / 70);
    const int objects = win::LiveGdiObjectCount();
    for (int k = 0; k < 3; ++k) ASSERT_EQ(SetupReportPage(0, 200), 0);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    EXPECT_EQ(FontHeight(reportFonts.bodyFont), fitted);

    // Once the job is cancelled a set-up does nothing.
    printJobState.printAborted = 1;
    EXPECT_EQ(SetupReportPage(0, 0), -1);
    EXPECT_EQ(FontHeight(reportFonts.bodyFont), fitted);
    AbortJob();
}

TEST_F(ReportPageTest, NarrowPrintableWidthWidensTheFirstGrid) {
    // Half an inch each side: 4,500 of 5,100 pixels, under 90 % of the sheet.
    UsePrinterLines("Half | letter | 600 | colour | " + out.string() + " | margin=0.5\n");
    win::AnswerPrintDialog("Half");
    win::HDC dc = BeginPrintJob();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(printJobState.pageMetrics.horzRes, 4500);
    EXPECT_EQ(reportPageGrid.columnsPerLine, 81);  // trunc(0.9 x 5100 / 4500 x 80)
    EXPECT_EQ(reportPageGrid.charWidth, reportPageGrid.textWidth / 80);
    printJobState.printAborted = 1;
    (void)EndPrintJob(mainWindowState.mainWindow, mainWindowState.instance);
}

TEST_F(ReportPageTest, RulesStopAt254Underscores) {
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    reportPageGrid.lineY = 120;
    EXPECT_EQ(PrintRule(dc, 300), Underscores(dc, 254));
    EXPECT_EQ(GetUnderscoresWidth(dc, 300), Underscores(dc, 254));
    EXPECT_EQ(GetUnderscoresWidth(dc, 0), 0);
    const std::vector<DrawnText> texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, std::string(254, '_'));
    EXPECT_EQ(texts[0].x, reportPageGrid.marginX);
    EXPECT_EQ(texts[0].y, 120);
    EXPECT_EQ(reportPageGrid.lineY, 120);  // a rule does not advance
    AbortJob();
}

TEST_F(ReportPageTest, HeadingsWithoutTheMarkerGoToTopAndFoot) {
    SetHeadings("ACME WATER LAB", "Field office", "Second line", false);
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    reportLogoLayout.logoWidth = 0;
    const int h = reportPageGrid.lineHeight;
    PrintReportHeading(dc);
    EXPECT_EQ(reportPageGrid.lineY, 2 * h);  // the title and a blank line
    EXPECT_EQ(reportPageGrid.lineHeight, h);
    std::vector<DrawnText> texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "ACME WATER LAB");
    EXPECT_EQ(texts[0].y, 0);

    PrintReportSubheadings(dc);
    texts = Texts();
    const DrawnText* first = Find(texts, "Field office");
    const DrawnText* second = Find(texts, "Second line");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_GT(second->y, first->y);
    EXPECT_NE(Find(texts, std::string(80, '_')), nullptr);  // the closing rule
    EXPECT_EQ(reportPageGrid.lineHeight, h);
    AbortJob();
}

TEST_F(ReportPageTest, HeadingsWithTheMarkerPutTheSubtitlesUnderTheTitle) {
    SetHeadings("ACME WATER LAB", "Field office", "Second line", true);
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    const int h = reportPageGrid.lineHeight;
    PrintReportHeading(dc);
    const std::vector<DrawnText> texts = Texts();
    ASSERT_EQ(texts.size(), 3u);  // no rule
    EXPECT_EQ(texts[0].text, "ACME WATER LAB");
    EXPECT_EQ(texts[1].text, "Field office");
    EXPECT_EQ(texts[2].text, "Second line");
    EXPECT_GT(texts[1].y, texts[0].y);
    EXPECT_EQ(reportPageGrid.lineHeight, h);
    // Subtitles centred on the whole text width, the title right of the logo.
    EXPECT_GT(texts[0].x, texts[1].x);
    AbortJob();
}

TEST(ReportDatesTest, DateOrdersAndFourDigitTimes) {
    EXPECT_EQ(FormatReportDate(1260315, 0), "03-15-2026");
    EXPECT_EQ(FormatReportDate(1260315, 1), "15-03-2026");
    EXPECT_EQ(FormatReportDate(1260315, 2), "2026-03-15");
    EXPECT_EQ(FormatReportDate(991231, 0), "12-31-1999");
    EXPECT_EQ(FormatSampleTime(905), "0905");
    EXPECT_EQ(FormatSampleTime(5), "0005");
    EXPECT_EQ(FormatSampleTime(2359), "2359");
    EXPECT_EQ(FormatSampleTime(0), "0000");
}

TEST_F(ReportPageTest, SampleHeaderPlacesItsTextsOnTheColumns) {
    FillWaters();
    SampleDescription texts{};
    Describe(texts, "North Well 7", "");
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    reportPageGrid.lineY = reportPageGrid.lineCount = 0;
    PrintSampleHeader(dc, surfaceWater, texts);
    const std::vector<DrawnText> drawn = Texts();
    const DrawnText* name = Find(drawn, "North Well 7");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, ColumnX(18));
    // Field 1 is empty: nothing is drawn for it, not even blanks, whose opaque
    // cells would hide the end of a long field 0.
    for (const DrawnText& t : drawn)
        EXPECT_FALSE(t.y == name->y && t.x == ColumnX(42)) << '"' << t.text << '"';
    const DrawnText* sampled = Find(drawn, "03-02-2026 at 0905");
    ASSERT_NE(sampled, nullptr);
    EXPECT_EQ(sampled->x, ColumnX(51));
    EXPECT_EQ(Find(drawn, "03-15-2026")->x, ColumnX(31));
    EXPECT_EQ(Find(drawn, "Sample #:")->y, Find(drawn, "17")->y);
    EXPECT_EQ(surfaceWater.reportDate, 1260315);

    // A date of 0 prints the workspace's report date and changes nothing.
    surfaceWater.reportDate = 0;
    PrintSampleHeader(dc, surfaceWater, texts);
    EXPECT_NE(Find(Texts(), "03-20-2026"), nullptr);
    EXPECT_EQ(surfaceWater.reportDate, 0);
    AbortJob();
}

TEST_F(ReportPageTest, CompactHeaderLabelsSampleNumbersWhateverTheUnit) {
    FillWaters();
    unitCodes.code[UnitItem::kTemperature] = 1;  // degrees C
    unitCodes.code[UnitItem::kDateFormat] = 2;
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    SampleDescription left{}, right{};
    PrintSampleHeaderCompact(dc, injectionWater, left, formationWater, right);
    const std::vector<DrawnText> drawn = Texts();
    int labels = 0;
    for (const DrawnText& t : drawn) labels += t.text == "Sample #" ? 1 : 0;
    EXPECT_EQ(labels, 2);
    EXPECT_EQ(Find(drawn, "Sample ID"), nullptr);
    EXPECT_EQ(Find(drawn, "0005")->x, ColumnX(26));
    EXPECT_EQ(Find(drawn, "1430")->x, ColumnX(67));
    EXPECT_EQ(Find(drawn, "2026-03-20")->x, ColumnX(54));  // the formation water's date of 0
    AbortJob();
}

TEST_F(ReportPageTest, MixSourcesTwoToALine) {
    FillWaters();
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    PrintMixSourceHeader(dc, multiMixState, 0);
    const std::vector<DrawnText> drawn = Texts();
    const DrawnText* one = Find(drawn, "1)");
    const DrawnText* two = Find(drawn, "2)");
    const DrawnText* three = Find(drawn, "3)");
    ASSERT_TRUE(one != nullptr && two != nullptr && three != nullptr);
    EXPECT_EQ(one->y, two->y);
    EXPECT_GT(three->y, one->y);
    EXPECT_EQ(one->x, ColumnX(14));
    EXPECT_EQ(two->x, ColumnX(42));
    EXPECT_EQ(three->x, ColumnX(14));
    EXPECT_EQ(Find(drawn, "Aquifer")->x, ColumnX(18));
    EXPECT_NE(Find(drawn, "Report Date: "), nullptr);
    AbortJob();
}

}  // namespace
}  // namespace printtest
