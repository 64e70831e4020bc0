// The one-water reports on the PDF printer: pages of one document, the water
// each page identifies, and the working records left as they were.
#include "printing/reports/water_reports.h"

#include <cstring>

#include "engine/saturation/water_results_records.h"
#include "input/description_records.h"
#include "printing/reports/layout_printer.h"
#include "printing/reports/mix_reports.h"
#include "printing/reports/profile_reports.h"
#include "reporttext/format/sub_sup_text.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "tests/printing/print_fixture.h"
#include "treatment/records.h"

namespace printtest {
namespace {

using WaterReportsTest = PrintTest;

std::string PageText(const std::string& pdf, int page) {
    return RunTool("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) +
                   " -layout '" + pdf + "' -");
}

TEST_F(WaterReportsTest, ReportsOfOneJobShareADocumentAndNameTheirOwnWater) {
    FillWaters();
    Describe(waterDescriptions[0], "North Well 7", "Separator outlet");
    Describe(waterDescriptions[1], "Injection plant", "After the deaerator");
    std::snprintf(waterDescriptions[1].text[4], sizeof waterDescriptions[1].text[4],
                  "Sampled twice");
    Describe(currentDescription, "Working water", "");
    const WaterAnalysis working = currentAnalysis;
    const SampleDescription workingTexts = currentDescription;

    win::AnswerPrintDialog("PDF");
    printJobState.singlePageJob = JobPart::kFirstOrMiddle;
    PrintChemistryReport(1);
    PrintIndicatorsReport(1);
    // A middle report leaves the document open for the next one.
    EXPECT_EQ(printJobState.documentOpen, 1u);
    EXPECT_TRUE(win::PrintLog().empty());
    printJobState.singlePageJob = JobPart::kLast;
    PrintChemistryReport(0);
    EXPECT_EQ(printJobState.documentOpen, 0u);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_EQ(win::PrintLog()[0].pages, 3);
    EXPECT_EQ(std::memcmp(&currentAnalysis, &working, sizeof working), 0);
    EXPECT_EQ(std::memcmp(&currentDescription, &workingTexts, sizeof workingTexts), 0);

    const std::string pdf = win::PrintLog()[0].path;
    const std::string first = PageText(pdf, 1);
    EXPECT_NE(first.find("INJECTION WATER CHEMISTRY INPUT"), std::string::npos) << first;
    EXPECT_NE(first.find("Injection plant"), std::string::npos);
    EXPECT_NE(first.find("COMMENTS"), std::string::npos);
    EXPECT_NE(first.find("Sampled twice"), std::string::npos);
    const std::string second = PageText(pdf, 2);
    EXPECT_NE(second.find("INJECTION WATER"), std::string::npos);
    EXPECT_NE(second.find("DEPOSITION POTENTIAL INDICATORS"), std::string::npos);
    EXPECT_NE(second.find("After the deaerator"), std::string::npos);
    const std::string third = PageText(pdf, 3);
    EXPECT_NE(third.find("SURFACE WATER CHEMISTRY INPUT"), std::string::npos);
    EXPECT_NE(third.find("North Well 7"), std::string::npos);
    EXPECT_EQ(third.find("Injection plant"), std::string::npos);
    EXPECT_NE(third.find("Sample #:    17"), std::string::npos) << third;
}

TEST_F(WaterReportsTest, LayoutItemsLandOnTheirColumns) {
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    reportPageGrid.lineY = 100;
    reportPageGrid.lineCount = 4;
    ReportLayout l;
    l.AddText(0, 2, "  CATIONS", FontRole::kBold);
    l.AddValueEnd(1, 33, "  17.00");
    l.endLine = 3;
    PrintLayoutOnPage(dc, l);
    const int pitch = reportPageGrid.lineHeight;
    const std::vector<DrawnText> texts = Texts();
    const DrawnText* label = Find(texts, "  CATIONS");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x, ColumnX(2));
    EXPECT_EQ(label->y, 100);
    const DrawnText* value = Find(texts, "  17.00");
    ASSERT_NE(value, nullptr);
    win::SelectObject(dc, reportFonts.bodyFont);
    EXPECT_EQ(value->x + GetSubSupTextWidth(dc, "  17.00"), ColumnX(33));
    EXPECT_EQ(value->y, 100 + pitch);
    EXPECT_EQ(reportPageGrid.lineY, 100 + 3 * pitch);
    EXPECT_EQ(reportPageGrid.lineCount, 7);
    AbortJob();
}

int recomputes = 0;

TEST_F(WaterReportsTest, ProfileReportsPageCountsRecomputeAndPointCount) {
    mixPointCount = 12;
    win::AnswerPrintDialog("PDF");
    printJobState.singlePageJob = JobPart::kFirstOrMiddle;
    PrintWhatIfChemistry(0);
    PrintWhatIfIndicators(0);
    printJobState.singlePageJob = JobPart::kLast;
    PrintRatioChemistry();
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_EQ(win::PrintLog()[0].pages, 4);
    EXPECT_EQ(mixPointCount, 12);
    const std::string pdf = win::PrintLog()[0].path;
    EXPECT_NE(PageText(pdf, 1).find("WATER CHEMISTRY VERSUS TEMPERATURE"), std::string::npos);
    EXPECT_NE(PageText(pdf, 3).find("VERSUS TEMPERATURE"), std::string::npos);
    EXPECT_NE(PageText(pdf, 4).find("% INJECTION WATER"), std::string::npos);

    // The mixing profile is recomputed once when its doses belong to another
    // product, never when they belong to the selected one.
    InstallRatioRecompute([](win::HWND) { ++recomputes; });
    resultStatus.productSelected = 1;
    std::snprintf(productTable.records[0].fileName, sizeof productTable.records[0].fileName,
                  "GUARD.PRD");
    std::snprintf(mixDoseProduct, sizeof mixDoseProduct, "OTHER.PRD");
    printJobState.singlePageJob = JobPart::kWholeJob;
    win::AnswerPrintDialog("PDF");
    PrintRatioChemistry();
    EXPECT_EQ(recomputes, 1);
    std::snprintf(mixDoseProduct, sizeof mixDoseProduct, "GUARD.PRD");
    win::AnswerPrintDialog("PDF");
    PrintRatioChemistry();
    EXPECT_EQ(recomputes, 1);
    InstallRatioRecompute(nullptr);
    resultStatus.productSelected = 0;
    EXPECT_EQ(win::PrintLog().size(), 3u);
}

TEST_F(WaterReportsTest, MultiMixTablesPageOrderAndPointCount) {
    multiMixState.lastWaterIndex = 11;
    for (int k = 0; k < 12; ++k) {
        multiMixState.weightPercent[k] = 100.0f / 12.0f;
        WaterResults.multiMix[k].saturation[0] = 1.0f + static_cast<float>(k);
        std::snprintf(multiMixState.descriptions[k].text[0], 128, "Source %d", k + 1);
    }
    mixPointCount = 5;
    win::AnswerPrintDialog("PDF");
    printJobState.singlePageJob = JobPart::kFirstOrMiddle;
    PrintMixIndicatorsReport();
    PrintMixChemistryTable();
    printJobState.singlePageJob = JobPart::kLast;
    PrintMixIndicatorsTable();
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_EQ(win::PrintLog()[0].pages, 1 + 2 + 4);
    EXPECT_EQ(mixPointCount, 5);
    // Kept for a look: build/test-output/print/multimix.pdf.
    const fs::path kept = fs::path(TARVEX_BINARY_DIR) / "test-output" / "print";
    fs::create_directories(kept);
    fs::copy_file(win::PrintLog()[0].path, kept / "multimix.pdf",
                  fs::copy_options::overwrite_existing);
    const std::string pdf = win::PrintLog()[0].path;
    EXPECT_NE(PageText(pdf, 1).find("MIXED WATER DEPOSITION POTENTIAL INDICATORS"),
              std::string::npos);
    EXPECT_NE(PageText(pdf, 3).find("CHEMISTRY OF WATER SOURCES MIXED"), std::string::npos);
    // Saturation pages of waters 1 to 7 and 8 to 12, then their ion pages.
    const std::string fourth = PageText(pdf, 4), fifth = PageText(pdf, 5), sixth = PageText(pdf, 6);
    EXPECT_NE(fourth.find("SATURATION RATIO"), std::string::npos) << fourth;
    EXPECT_NE(fifth.find("SATURATION RATIO"), std::string::npos);
    EXPECT_NE(sixth.find("TOTAL VS FREE IONS"), std::string::npos);
    EXPECT_NE(fifth.find("12.00"), std::string::npos);
    multiMixState = MultiMixState{};
}

}  // namespace
}  // namespace printtest
