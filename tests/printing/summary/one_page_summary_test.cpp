// The one-page summary: its mineral titles, chemistry rows, page pictures,
// screen set-up, layout rules, the page drawn into a window's metafile and
// onto the printer, and what a paint or a print leaves behind.
#include <cmath>
#include <limits>

#include "graphs/two_d_graph_records.h"
#include "printing/summary/chemistry_rows.h"
#include "printing/summary/mineral_titles.h"
#include "printing/summary/one_page_layout.h"
#include "printing/summary/page_picture.h"
#include "reporttext/clipboard/metafile_copies.h"
#include "shell/whatif/print_commands.h"
#include "shell/whatif/well_log_commands.h"
#include "tests/printing/summary/one_page_fixture.h"

namespace printtest {
namespace {

TEST(MineralTitles, NamesFormulasAndUnknownCodes) {
    char name[kMineralTitleChars];
    char formula[kMineralTitleChars];
    GetMineralNameFormula(44, name, formula);
    EXPECT_STREQ(name, "Mackinawite");
    EXPECT_STREQ(formula, "FeS");
    GetMineralNameFormula(23, name, formula);
    EXPECT_STREQ(name, "Iron Hydroxide");
    EXPECT_STREQ(formula, "Fe(OH)_3");
    GetMineralNameFormula(26, name, formula);
    EXPECT_STREQ(formula, "FePO_4*2H_2O");
    GetMineralNameFormula(46, name, formula);
    EXPECT_STREQ(name, "UNKNOWN");
    EXPECT_STREQ(formula, "");
    GetMineralNameFormula(-1, name, formula);
    EXPECT_STREQ(name, "UNKNOWN");
}

TEST(PagePicture, ShapeOfThePrintableAreaChoosesThePicture) {
    EXPECT_EQ(ChoosePagePicture(3000, 2000), PagePicture::kA4Landscape);      // 1.5
    EXPECT_EQ(ChoosePagePicture(3000, 2400), PagePicture::kLetterLandscape);  // 1.25
    EXPECT_EQ(ChoosePagePicture(2400, 3400), PagePicture::kA4Portrait);       // 1.417
    EXPECT_EQ(ChoosePagePicture(2400, 3000), PagePicture::kLetterPortrait);
    EXPECT_EQ(ChoosePagePicture(0, 0), PagePicture::kLetterPortrait);
}

TEST(PagePicture, LightPicturesInTheShapesOfThePages) {
    struct Shape {
        int id;
        double inchesWide;
        double inchesHigh;
    };
    for (const Shape& s : {Shape{PagePicture::kLetterLandscape, 11.0, 8.5},
                           Shape{PagePicture::kLetterPortrait, 8.5, 11.0},
                           Shape{PagePicture::kA4Landscape, 11.69, 8.27},
                           Shape{PagePicture::kA4Portrait, 8.27, 11.69}}) {
        const std::vector<uint8_t> dib = MakePagePicture(s.id);
        ASSERT_GT(dib.size(), 40u) << s.id;
        const int32_t width = static_cast<int32_t>(dib[4] | dib[5] << 8 | dib[6] << 16);
        const int32_t height = static_cast<int32_t>(dib[8] | dib[9] << 8 | dib[10] << 16);
        EXPECT_NEAR(static_cast<double>(width) / height, s.inchesWide / s.inchesHigh, 0.01);
        EXPECT_LE(width / s.inchesWide, 150.0);
        // Mostly white: the page's dark blue text stays readable on it.
        size_t light = 0;
        for (size_t i = 40; i < dib.size(); ++i) light += dib[i] >= 200 ? 1 : 0;
        EXPECT_GT(light, (dib.size() - 40) * 99 / 100) << s.id;
    }
    EXPECT_TRUE(MakePagePicture(1247).empty());
}

TEST(OnePageLayout, ParametersPlacement) {
    // No cations, twelve anions: the left layout at row 5.
    ParametersPlacement p = PlaceParameters(0, 12);
    EXPECT_EQ(p.layout, ParametersLayout::kLeft);
    EXPECT_EQ(p.row, 5);
    p = PlaceParameters(12, 3);
    EXPECT_EQ(p.layout, ParametersLayout::kRight);
    EXPECT_EQ(p.row, 5);
    // Thirteen and twelve: right below the last rows, at row 13.
    ChemistryWalk w = WalkChemistryRows(13, 12, 20);
    EXPECT_EQ(w.placement.layout, ParametersLayout::kBottom);
    EXPECT_EQ(w.placement.row, 13);
    EXPECT_EQ(w.blockY, 13 * 20);
    EXPECT_EQ(w.endY, 13 * 20 + 4 * 20);
    // Eight and eight: row 9, after half a line at row 8.
    w = WalkChemistryRows(8, 8, 20);
    EXPECT_EQ(w.placement.row, 9);
    EXPECT_EQ(w.rowY[8], 8 * 20 + 10);
    EXPECT_EQ(w.blockY, 9 * 20 + 10);
    // The left layout walks on past the block: two half-line rows at the end.
    w = WalkChemistryRows(0, 12, 20);
    EXPECT_EQ(w.blockY, 5 * 20);
    EXPECT_EQ(w.endY, 14 * 20 + 2 * 10);
}

TEST(OnePageLayout, ColumnsByPageSourceAndDisplayChoice) {
    EXPECT_EQ(PageTextOriginColumns(true, 2, 2), 124);
    EXPECT_EQ(PageTextOriginColumns(true, 0, 2), 117);
    EXPECT_EQ(PageTextOriginColumns(false, 2, 2), 90);
    const ScaleTableColumns typical = ScaleColumns(true, 2, 2);
    EXPECT_EQ(typical.temperature, 34);
    EXPECT_EQ(typical.pressure, -1);
    EXPECT_EQ(typical.bounds[0], 44);
    EXPECT_EQ(typical.bounds[7], 214);
    const ScaleTableColumns well = ScaleColumns(true, 0, 1);
    EXPECT_EQ(well.pressure, 45);
    EXPECT_EQ(well.bounds[6], 194);
    const ScaleTableColumns portrait = ScaleColumns(false, 2, 0);
    EXPECT_EQ(portrait.temperature, 4);
    EXPECT_EQ(portrait.bounds[3], 98);
    EXPECT_EQ(ScaleColumns(false, 1, 2).pressure, 16);
    EXPECT_EQ(ChemistryRuleEndColumns(true, true, 2, 2), 244);
    EXPECT_EQ(ChemistryRuleEndColumns(true, true, 0, 0), 214);
    EXPECT_EQ(ChemistryRuleEndColumns(false, true, 0, 0), 117 + 80);
}

std::vector<std::string> TextsAt(const CaptionLine& line, int column) {
    std::vector<std::string> texts;
    for (const PlacedText& t : line)
        if (t.column == column) texts.push_back(t.text);
    return texts;
}

TEST(OnePageLayout, CaptionsAndFootnotesPerUnit) {
    const ScaleTableColumns c = ScaleColumns(true, 0, 0);
    const int m1 = c.bounds[0];
    using V = std::vector<std::string>;
    // Screen: one line whatever the unit.
    for (uint16_t unit : {0, 1, 2}) {
        const auto lines = ScaleCaptionLines(c, unit, 0, 0, false);
        ASSERT_EQ(lines.size(), 1u);
        const char* amount = unit == 0 ? "   mg/L" : unit == 1 ? "#/1000" : "kg/1000";
        EXPECT_EQ(TextsAt(lines[0], m1 + 10), V{amount}) << unit;
        EXPECT_EQ(TextsAt(lines[0], m1), V{"   xSAT"});
    }
    // Paper: mg/L on one line; per 1000 barrels on three, the saturation
    // caption on the " 1000 " line for pounds and kilograms alike.
    EXPECT_EQ(ScaleCaptionLines(c, 0, 0, 1, true).size(), 1u);
    EXPECT_EQ(TextsAt(ScaleCaptionLines(c, 0, 0, 1, true)[0], m1), V{"Log(SR)"});
    for (uint16_t unit : {1, 2}) {
        const auto lines = ScaleCaptionLines(c, unit, 0, 0, true);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(TextsAt(lines[0], m1 + 10), V{unit == 1 ? "Lbs per" : "kg per"});
        EXPECT_EQ(TextsAt(lines[1], m1 + 10), V{" 1000 "});
        EXPECT_EQ(TextsAt(lines[1], m1), V{"   xSAT"});
        EXPECT_EQ(TextsAt(lines[2], m1 + 10), V{"Barrels"});
        EXPECT_TRUE(TextsAt(lines[0], m1).empty());
    }
    // The potential columns (calcite, siderite) by the display choice.
    const ScaleTableColumns both = ScaleColumns(true, 0, 2);
    const auto lines = ScaleCaptionLines(both, 0, 2, 0, false);
    EXPECT_EQ(TextsAt(lines[0], both.bounds[0] + 20), V{"   PP   "});
    EXPECT_EQ(TextsAt(lines[0], both.bounds[5] + 20), V{"   PP   "});
    EXPECT_EQ(TextsAt(lines[0], both.bounds[1] + 20), V{"   xSAT"});  // m3, not a potential
    EXPECT_EQ(TextsAt(ScaleCaptionLines(c, 0, 1, 0, false)[0], m1 + 10), V{"   PP   "});

    EXPECT_EQ(SecondFootnote(0).rfind("  mg/L scale is the quantity", 0), 0u);
    EXPECT_EQ(SecondFootnote(1).rfind("Lbs/1000 Barrels scale is", 0), 0u);
    EXPECT_EQ(SecondFootnote(2).rfind("kg/1000 Barrels scale is", 0), 0u);
    const std::string note = FirstFootnote(false, 4);
    EXPECT_EQ(note.rfind("Saturation Ratios (xSAT) are the ratio", 0), 0u);
    EXPECT_NE(note.find("K_s_p.  CO_2 (ppm-gas) is concentration of CO_2 in the gas phase."),
              std::string::npos);
    // An eighth column leaves no room for the CO2 sentence.
    EXPECT_EQ(FirstFootnote(true, 4).find("CO_2 ("), std::string::npos);
    EXPECT_EQ(FirstFootnote(false, 9).find("pCO_2"), std::string::npos);
}

using OnePageRows = OnePageTest;

TEST_F(OnePageRows, LabelsCaptionsAndHighlights) {
    alkalinityMode = 3;
    EXPECT_EQ(AnionRowText(18).label, "Bicarbonate(as HCO_3)");
    EXPECT_EQ(AnionRowText(17).label, "Dissolved CO_2(as CO_2)");
    alkalinityMode = 1;
    EXPECT_EQ(AnionRowText(18).label, "\"M\" Alkalinity(as CaCO_3)");
    alkalinityMode = 0;
    EXPECT_EQ(AnionRowText(19).label, "\"P\" Alkalinity");
    unitCodes.code[UnitItem::kCalcium] = 4;  // beyond its captions
    EXPECT_EQ(CationRowText(0).label, "Calcium");
    unitCodes.code[UnitItem::kPhosphate] = 5;
    EXPECT_EQ(AnionRowText(22).label, "Phosphate(^oGer)");
    EXPECT_FALSE(CationRowText(10).shown);  // boron is an anion
    displaySettings.chemistryItemsHidden[9] = 1;
    EXPECT_FALSE(CationRowText(36).shown);  // field iron goes with iron

    float values[64] = {};
    float entered[64] = {};
    values[AnalysisElement::kChloride] = entered[AnalysisElement::kChloride] = 19350.0f;
    summaryPageState.rows = SummaryRowSource{values, entered, 0.0f};
    EXPECT_EQ(AnionRowText(14).value, "  19350");
    EXPECT_FALSE(AnionRowText(14).highlighted);
    values[AnalysisElement::kChloride] = 19000.0f;  // the balancing moved it
    EXPECT_TRUE(AnionRowText(14).highlighted);
    values[AnalysisElement::kChloride] = std::numeric_limits<float>::quiet_NaN();
    entered[AnalysisElement::kChloride] = values[AnalysisElement::kChloride];
    EXPECT_TRUE(AnionRowText(14).highlighted);
    values[AnalysisElement::kCalcium] = 1.0f;  // not a compared row
    EXPECT_FALSE(CationRowText(0).highlighted);

    // Drawn: the value in red, then the colour that was current again.
    values[AnalysisElement::kChloride] = 19000.0f;
    win::HDC screen = win::GetDC(nullptr);
    win::HDC meta = win::CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    summaryPageState.drawingDC = meta;
    summaryPageState.charUnit = 6;
    summaryPageState.pageTextX = 100;
    summaryPageState.pageDrawMode = PageDrawMode::kLandscape;
    win::SetTextColor(meta, win::RGB(4, 4, 60));
    DrawReportAnions(14);
    std::vector<uint32_t> colours;
    std::vector<int> xs;
    for (const win::MetaRecord& r : win::AsDc(meta)->recording->records) {
        if (const auto* a = std::get_if<win::ops::SetAttr>(&r))
            if (a->which == win::ops::Attr::TextColor) colours.push_back(a->value);
        if (const auto* t = std::get_if<win::ops::Text>(&r)) xs.push_back(t->p.x);
    }
    ASSERT_GE(colours.size(), 3u);
    EXPECT_EQ(colours[colours.size() - 2], win::RGB(255, 0, 0));
    EXPECT_EQ(colours.back(), win::RGB(4, 4, 60));
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(xs.front(), 100 + 52 * 6);
    EXPECT_LT(xs.back(), 100 + 94 * 6);
    win::DeleteEnhMetaFile(win::CloseEnhMetaFile(meta));
    win::ReleaseDC(nullptr, screen);
}

using OnePageScreen = OnePageTest;

TEST_F(OnePageScreen, SetUpSizesTheFontsToTheWindow) {
    MakeWindow(1294, 1000);
    win::HDC dc = win::GetDC(window);
    ASSERT_EQ(CreateLandscapePageFonts(dc, window, 68, 0), 0);
    win::SelectObject(dc, screenReportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    EXPECT_EQ(tm.tmHeight, 14);
    EXPECT_EQ(printJobState.pageMetrics.horzRes, 1294);
    EXPECT_EQ(printJobState.pageMetrics.vertRes, 1000);
    for (uint16_t made : screenReportFonts.created) EXPECT_EQ(made, 1);
    // A narrow window: the fonts shrink until a character fits 1/126 of it.
    win::DestroyWindow(window);
    MakeWindow(500, 1000);
    ASSERT_EQ(CreatePortraitPageFonts(dc, window, 68, 126), 0);
    win::SelectObject(dc, screenReportFonts.bodyFont);
    win::GetTextMetricsA(dc, &tm);
    EXPECT_LT(tm.tmHeight, 14);
    EXPECT_LE(PageCharacterUnit(dc), 500 / 126);
    ReleaseScreenPageFont(dc);
    win::ReleaseDC(window, dc);
}

// A window with a caption shows less than its rectangle: the page is laid
// out on the client area, so nothing runs past its right edge.
TEST_F(OnePageScreen, PageFitsTheClientAreaOfACaptionedWindow) {
    MakeWindow(1276, 986, true);
    win::RECT client{};
    win::GetClientRect(window, &client);
    ASSERT_LT(client.bottom, 986);
    win::HDC dc = win::GetDC(window);
    ASSERT_EQ(CreateLandscapePageFonts(dc, window, 68, 166), 0);
    EXPECT_EQ(printJobState.pageMetrics.horzRes, client.right);
    EXPECT_EQ(printJobState.pageMetrics.vertRes, client.bottom);
    ReleaseScreenPageFont(dc);
    win::ReleaseDC(window, dc);
}

TEST_F(OnePageScreen, PageShowsTheSurfaceWaterAndWritesNoWorkingRecord) {
    // Another water in the working records, as after editing the injection water.
    injectionWater.sampleNumber = 3;
    Describe(waterDescriptions[1], "Injection", "Sea water");
    currentAnalysis = injectionWater;
    currentAnalysis.values[AnalysisElement::kChloride] = 111.0f;
    currentDescription = waterDescriptions[1];
    std::snprintf(waterDescriptions[0].text[2], 128, "%s", "Tank_B");  // typed, not a subscript
    const WaterAnalysis before = currentAnalysis;
    const ReportPageGrid grid = reportPageGrid;
    unitCodes.code[UnitItem::kDateFormat] = 2;
    const std::vector<DrawnText> texts = RenderTexts();
    const std::string all = All(texts);
    for (const char* expected : {"SYSTEM IDENTIFICATION",
                                 "North Well 7",
                                 "Separator outlet",
                                 "Tank_B",
                                 "NW-7",
                                 "17   ",
                                 "2023-12-04 at 0005",
                                 "2023-12-05",
                                 "WATER CHEMISTRY",
                                 "CATIONS",
                                 "ANIONS",
                                 "PARAMETERS",
                                 "Sample pH",
                                 "  34963",
                                 "SCALE AND CORROSION POTENTIAL",
                                 "  Temp.",
                                 " Press.",
                                 "Calcite",
                                 "Mackinawite",
                                 "   mg/L",
                                 "   xSAT"})
        EXPECT_NE(all.find(expected), std::string::npos) << expected;
    EXPECT_EQ(all.find("Injection"), std::string::npos);
    EXPECT_EQ(std::memcmp(&before, &currentAnalysis, sizeof before), 0);
    EXPECT_EQ(reportPageGrid.lineY, grid.lineY);
    EXPECT_EQ(summaryPageState.rows.values, nullptr);
}

TEST_F(OnePageScreen, TypicalPressureWithBothAmountsOnALandscapePage) {
    unitCodes.code[UnitItem::kDateFormat] = 2;
    whatIfOptions.wellLogPtSource = 2;
    SetPrecipitationShow(2);
    const std::vector<DrawnText> texts = RenderTexts();
    const DrawnText* temp = Find(texts, "  Temp.");
    const DrawnText* title = Find(texts, "WATER CHEMISTRY");
    ASSERT_NE(temp, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(Find(texts, " Press."), nullptr);
    const int c = temp->x / 34;  // xT = 4c + 30c
    EXPECT_EQ(temp->x, 34 * c);
    EXPECT_EQ(title->x, 126 * c);  // x0 + 2c with x0 = 124c
    int potentials = 0;
    for (const DrawnText& t : texts)
        if (t.text == "   PP   ") ++potentials;
    EXPECT_EQ(potentials, 2);
    // Calcite shows its momentary excess and, 10 characters on, its potential.
    int excess = 0, potential = 0;
    for (const DrawnText& t : texts) {
        if (t.text == "  12.50" && t.x == (44 + 10) * c) ++excess;
        if (t.text == "  42.00" && t.x == (44 + 20) * c) ++potential;
    }
    EXPECT_EQ(excess, 12);
    EXPECT_EQ(potential, 12);
}

TEST_F(OnePageScreen, EighthColumnAndLogIndexFormat) {
    onePageRowCodes[0] = 9;   // amount index
    onePageRowCodes[1] = 21;  // barite again, as an eighth column
    displaySettings.indexFormat = 1;
    wellProfiles.wellLog.results[0][4] = 0.0f;  // anhydrite: no ratio
    const std::string all = All(RenderTexts());
    EXPECT_NE(all.find("Log(SR)"), std::string::npos);
    EXPECT_NE(all.find("   0.18\n"), std::string::npos);  // log10(1.5)
    EXPECT_NE(all.find("    N/A"), std::string::npos);
    EXPECT_NE(all.find("   0.48\n"), std::string::npos);  // log10(3)
    // No gas-phase sentence beside an eighth column.
    EXPECT_EQ(all.find("partial pressure"), std::string::npos);
}

TEST_F(OnePageScreen, PortraitWindowUsesThePortraitColumns) {
    const std::vector<DrawnText> texts = RenderTexts(760, 990);
    EXPECT_EQ(summaryPageState.pageDrawMode, PageDrawMode::kPortrait);
    const DrawnText* temp = Find(texts, "  Temp.");
    const DrawnText* anions = Find(texts, "ANIONS");
    const DrawnText* press = Find(texts, " Press.");
    ASSERT_NE(temp, nullptr);
    ASSERT_NE(anions, nullptr);
    ASSERT_NE(press, nullptr);
    const int c = temp->x / 4;  // xT = 4c, no shift
    EXPECT_EQ(temp->x, 4 * c);
    EXPECT_EQ(press->x, 16 * c);
    EXPECT_EQ(anions->x, (90 + 49) * c);
}

TEST_F(OnePageScreen, PaintLeavesNoDrawingObjects) {
    (void)RenderTexts();  // the set-up's fonts stay until the next set-up
    const int objects = win::LiveGdiObjectCount();
    (void)RenderTexts();
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    // Without a window nothing is drawn and nothing is made.
    summaryPageState.onePageWindow = nullptr;
    win::HDC screen = win::GetDC(nullptr);
    DrawOnePageReport(screen, OnePageMode::kWindow);
    win::ReleaseDC(nullptr, screen);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
}

TEST_F(OnePageScreen, MetafileCopyDrawsThePage) {
    MakeWindow(1280, 990);
    win::HDC screen = win::GetDC(nullptr);
    ASSERT_NE(CopyReportPageAsMetafile(screen, window, 1), 0);
    win::ReleaseDC(nullptr, screen);
    win::OpenClipboard(nullptr);
    auto picture = static_cast<win::HENHMETAFILE>(win::GetClipboardData(win::CF_ENHMETAFILE));
    win::CloseClipboard();
    ASSERT_NE(picture, nullptr);
    // Played back, the page's text shows in its dark ink (the picture is kept
    // in test-output/print to be looked at).
    win::HDC screenAgain = win::GetDC(nullptr);
    win::HDC memory = win::CreateCompatibleDC(screenAgain);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(screenAgain, 1280, 990);
    win::HGDIOBJ old = win::SelectObject(memory, bitmap);
    const win::RECT r{0, 0, 1280, 990};
    ASSERT_TRUE(win::PlayEnhMetaFile(memory, picture, &r));
    const win::Image32 image = win::ReadDcPixels(memory);
    int dark = 0;
    for (uint32_t p : image.pixels)
        if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 300) ++dark;
    EXPECT_GT(dark, 2000);
    const fs::path kept = fs::path(TARVEX_BINARY_DIR) / "test-output" / "print";
    fs::create_directories(kept);
    EXPECT_TRUE(win::WritePpm((kept / "one-page-window.ppm").string(), image));
    win::SelectObject(memory, old);
    win::DeleteObject(bitmap);
    win::DeleteDC(memory);
    win::ReleaseDC(nullptr, screenAgain);
}

using OnePagePrint = OnePageTest;

TEST_F(OnePagePrint, PrintOnePageSummaryIsOnePageInOneJob) {
    win::AnswerPrintDialog("PDF", true);
    PrintOnePageSummary(mainWindowState.mainWindow);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_FALSE(win::PrintLog()[0].aborted);
    EXPECT_EQ(win::PrintLog()[0].document, "Tarvex Report");
    EXPECT_EQ(win::PrintLog()[0].pages, 1);
    EXPECT_EQ(printJobState.documentOpen, 0u);
    EXPECT_EQ(printJobState.printerDC, nullptr);
    EXPECT_EQ(graphOutputFlags.renderTarget, RenderTarget::kScreen);
    EXPECT_EQ(pagePrinting, 0u);
    EXPECT_TRUE(win::IsWindowEnabled(mainWindowState.mainWindow));
    // Without the well profile behind it, nothing prints.
    onePageDataFlag = 0;
    PrintOnePageSummary(mainWindowState.mainWindow);
    EXPECT_EQ(win::PrintLog().size(), 1u);
}

TEST_F(OnePagePrint, FirstPageOfPrintAllAvailable) {
    ScenarioViews v{};
    v.printChemistryReport = [](int) { PrintSkeletonReport(Block::kSample); };
    v.printIndicatorsReport = [](int) { PrintSkeletonReport(Block::kCompact); };
    InstallScenarioViews(v);
    win::AnswerPrintDialog("PDF");
    PrintAllAvailable(mainWindowState.mainWindow);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_EQ(win::PrintLog()[0].document, "Tarvex Report");
    EXPECT_EQ(win::PrintLog()[0].pages, 3);
    EXPECT_EQ(printJobState.documentOpen, 0u);
}

TEST_F(OnePagePrint, CancelledDialogPrintsNothingAndStopsTheJob) {
    static int reports;
    reports = 0;
    ScenarioViews v{};
    v.printChemistryReport = [](int) { ++reports; };
    v.printIndicatorsReport = [](int) { ++reports; };
    InstallScenarioViews(v);
    const int objects = win::LiveGdiObjectCount();
    win::CancelPrintDialog();
    PrintAllAvailable(mainWindowState.mainWindow);
    EXPECT_EQ(reports, 0);
    EXPECT_TRUE(win::PrintLog().empty());
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    EXPECT_EQ(printJobState.documentOpen, 0u);
    EXPECT_EQ(printJobState.printAborted, 0u);  // cleared after the command
}

TEST_F(OnePagePrint, PrintedPageLeavesTheJobsRecordsAndNoObjects) {
    // Printed once so the page set-up's fonts exist, then counted.
    win::AnswerPrintDialog("PDF", true);
    PrintOnePageSummary(mainWindowState.mainWindow);
    const int objects = win::LiveGdiObjectCount();
    const WaterAnalysis before = currentAnalysis;
    win::AnswerPrintDialog("PDF", true);
    PrintOnePageSummary(mainWindowState.mainWindow);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    EXPECT_EQ(std::memcmp(&before, &currentAnalysis, sizeof before), 0);
    ASSERT_EQ(win::PrintLog().size(), 2u);

    // The page part of a job that goes on: the document stays open.
    printJobState.singlePageJob = JobPart::kFirstOrMiddle;
    win::AnswerPrintDialog("PDF");
    DrawOnePageReport(nullptr, OnePageMode::kPrinterPage);
    EXPECT_EQ(printJobState.documentOpen, 1u);
    EXPECT_NE(printJobState.printerDC, nullptr);
    printJobState.singlePageJob = JobPart::kLast;
    DrawOnePageReport(nullptr, OnePageMode::kPrinter);
    EXPECT_EQ(printJobState.documentOpen, 0u);
    ASSERT_EQ(win::PrintLog().size(), 3u);
    EXPECT_EQ(win::PrintLog()[2].pages, 2);
}

TEST_F(OnePagePrint, KilogramsOnPaper) {
    displaySettings.precipitationUnit = 2;
    win::AnswerPrintDialog("PDF", true);
    PrintOnePageSummary(mainWindowState.mainWindow);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    const std::string text = RunTool("pdftotext -layout '" + win::PrintLog()[0].path + "' -");
    for (const char* expected : {"kg per", "1000", "Barrels", "kg/1000 Barrels scale is"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("Lbs"), std::string::npos);
}

}  // namespace
}  // namespace printtest
