// BuildReport, WriteRtfEnd and CopyForExcel over the fixture builders: which
// parts each kind writes, what the buffer holds, and that a failure leaves no
// memory block behind.
#include "reporttext/report/build_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win.h"
#include "report_fixture.h"
#include "reporttext/clipboard/copy_for_excel.h"

namespace reporttest {
namespace {

std::string BufferText() {
    const char* p = static_cast<const char*>(win::GlobalLock(reportBuffer.handle));
    std::string s(p, reportBuffer.bytesWritten);
    win::GlobalUnlock(reportBuffer.handle);
    return s;
}

void FreeBuffer() {
    win::GlobalFree(reportBuffer.handle);
    reportBuffer.handle = nullptr;
}

std::vector<std::string> TitlesIn(const std::string& text) {
    std::vector<std::string> titles;
    for (const char* t : {"SURFACE WATER ANALYSIS", "INJECTION WATER ANALYSIS",
                          "FORMATION WATER ANALYSIS", "MIXED WATER CHEMISTRY", "INDICATORS",
                          "PROFILE 0", "PROFILE 1", "PROFILE 2", "PROFILE 3"}) {
        for (std::size_t at = 0; (at = text.find(std::string(t) + "\r\n", at)) != std::string::npos;
             ++at)
            titles.push_back(t);
    }
    return titles;
}

TEST_F(ReportTest, KindOneWritesTheSurfaceChemistryInPlainText) {
    ASSERT_EQ(BuildReport(1), 0);
    const std::string text = BufferText();
    EXPECT_EQ(text.rfind("SURFACE WATER ANALYSIS\r\n\r\nID: 0930\r\n", 0), 0u);
    EXPECT_EQ(reportBuffer.bytesWritten, text.size());
    EXPECT_EQ(win::GlobalSize(reportBuffer.handle), text.size() + 1);  // the closing NUL
    EXPECT_EQ(WatersLaidOut(), std::vector<int>{0});
    FreeBuffer();
}

TEST_F(ReportTest, UnknownKindsAndPagesNotBuiltGiveMinusOneAndNoBlock) {
    const int blocks = win::LiveGlobalBlocks();
    for (int kind : {0, 9, 13, 37, -1, 1000}) EXPECT_EQ(BuildReport(kind), -1) << kind;
    // The profile pages have no builders in this test; a gathering kind fails
    // when a part it writes has none.
    for (int kind : {3, 4, 5, 6, 7, 8, 31, 32, 35, 36}) EXPECT_EQ(BuildReport(kind), -1) << kind;
    resultStatus.phProfileDone = 1;
    resultStatus.mixProfileDone = 1;
    multiMixState.multiMixEntered[0] = 1;
    for (int kind : {10, 20, 30}) EXPECT_EQ(BuildReport(kind), -1) << kind;
    EXPECT_EQ(win::LiveGlobalBlocks(), blocks);
}

TEST_F(ReportTest, FailedAllocationGivesMinusOneAndNoBlock) {
    const int blocks = win::LiveGlobalBlocks();
    win::FailNextGlobalAllocs(1);
    EXPECT_EQ(BuildReport(2), -1);
    EXPECT_EQ(win::LiveGlobalBlocks(), blocks);
}

TEST_F(ReportTest, KindsOfOneWaterPickTheirWater) {
    const struct {
        int kind;
        int water;
    } cases[] = {{1, 0}, {2, 0}, {11, 1}, {12, 1}, {21, 2}, {22, 2}};
    for (const auto& c : cases) {
        WatersLaidOut().clear();
        ASSERT_EQ(BuildReport(c.kind), 0);
        EXPECT_EQ(WatersLaidOut(), std::vector<int>{c.water}) << c.kind;
        FreeBuffer();
    }
}

TEST_F(ReportTest, KindsThirtyThreeAndFourPickTheBlendOnlyWhenItIsCurrent) {
    mainWindowState.currentWater = WaterSelector::kMixed;
    ASSERT_EQ(BuildReport(33), 0);
    FreeBuffer();
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    ASSERT_EQ(BuildReport(34), 0);
    FreeBuffer();
    // The surface-again selector is not the blend.
    mainWindowState.currentWater = WaterSelector::kSurfaceAgain;
    ASSERT_EQ(BuildReport(33), 0);
    FreeBuffer();
    EXPECT_EQ(WatersLaidOut(), (std::vector<int>{3, 5, 5}));
}

TEST_F(ReportTest, KindTenWritesThePartsWhoseConditionsHold) {
    for (ReportPage p : {ReportPage::kProfileChemistry, ReportPage::kProfileIndicators,
                         ReportPage::kTempChemistry, ReportPage::kTempIndicators})
        SetReportBuilder(p, FixtureProfile);
    ASSERT_EQ(BuildReport(10), 0);
    EXPECT_TRUE(TitlesIn(BufferText()).empty());
    FreeBuffer();

    resultStatus.surfaceEntered = 1;
    resultStatus.pressureProfileDone = 1;
    ASSERT_EQ(BuildReport(10), 0);
    const std::string text = BufferText();
    EXPECT_EQ(TitlesIn(text), (std::vector<std::string>{"SURFACE WATER ANALYSIS", "INDICATORS",
                                                        "PROFILE 3", "PROFILE 3"}));
    // Parts apart by one blank line.
    EXPECT_NE(text.find("< 0.001\r\n\r\nINDICATORS\r\n\r\n"), std::string::npos);
    FreeBuffer();
}

TEST_F(ReportTest, KindTwentyAndThirtyFollowTheWaterflowAndMultiMixFlags) {
    SetReportBuilder(ReportPage::kProfileChemistry, FixtureProfile);
    SetReportBuilder(ReportPage::kMixingIndicators, FixtureProfile);
    SetReportBuilder(ReportPage::kSourceChemistry, FixtureProfile);
    SetReportBuilder(ReportPage::kSourceIndicators, FixtureProfile);
    resultStatus.formationEntered = 1;
    resultStatus.mixProfileDone = 1;
    ASSERT_EQ(BuildReport(20), 0);
    EXPECT_EQ(WatersLaidOut(), (std::vector<int>{2, 2}));
    EXPECT_EQ(TitlesIn(BufferText()).size(), 4u);
    FreeBuffer();

    WatersLaidOut().clear();
    multiMixState.multiMixEntered[3] = 1;
    ASSERT_EQ(BuildReport(30), 0);
    EXPECT_TRUE(WatersLaidOut().empty());  // the source tables only
    FreeBuffer();
    multiMixState.multiMixDone = 1;
    ASSERT_EQ(BuildReport(30), 0);
    EXPECT_EQ(WatersLaidOut(), (std::vector<int>{3, 3}));
    FreeBuffer();
}

TEST_F(ReportTest, RichTextModeAndItsEnd) {
    reportBuffer.rtfMode = 1;
    ASSERT_EQ(BuildReport(1), 0);
    std::string text = BufferText();
    EXPECT_EQ(text.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(text.substr(text.size() - 6), "\\par }");
    ASSERT_EQ(WriteRtfEnd(), 0);
    text = BufferText();
    EXPECT_EQ(text.substr(text.size() - 6), "\\par }");
    EXPECT_EQ(win::GlobalSize(reportBuffer.handle), text.size() + 1);
    FreeBuffer();
    EXPECT_EQ(WriteRtfEnd(), -1);  // no buffer
}

TEST_F(ReportTest, LeftMarginOfTheBuffer) {
    reportBuffer.leftMargin = 2;
    ASSERT_EQ(BuildReport(2), 0);
    EXPECT_EQ(BufferText().rfind("  INDICATORS\r\n\r\n  ", 0), 0u);
    FreeBuffer();
}

// ---- COPY FOR EXCEL -----------------------------------------------------------------------

TEST_F(ReportTest, CopyForExcelPutsBothFormsOfChemistryAndIndicators) {
    ASSERT_EQ(CopyForExcel(nullptr, WaterSelector::kFormation), 0);
    EXPECT_EQ(WatersLaidOut(), (std::vector<int>{2, 2}));
    const std::vector<uint8_t> csvBytes = win::ClipboardBytes(win::RegisterClipboardFormat("Csv"));
    const std::string csv(csvBytes.begin(), csvBytes.end());
    EXPECT_EQ(csv.rfind("FORMATION WATER ANALYSIS\r\n\r\nID:,0930\r\n", 0), 0u);
    EXPECT_NE(csv.find("\r\nINDICATORS\r\n\r\nCalcite (CaCO3),1.25\r\n"), std::string::npos);
    const std::vector<uint8_t> table = win::ClipboardBytes(win::RegisterClipboardFormat("XlTable"));
    ASSERT_GE(table.size(), 8u);
    EXPECT_EQ(table[0], 0x10);
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

TEST_F(ReportTest, CopyForExcelFailuresSayWhyAndLeaveNoBlock) {
    const int blocks = win::LiveGlobalBlocks();
    win::SetClipboardHeldElsewhere(true);
    EXPECT_EQ(CopyForExcel(nullptr, 0), -1);
    win::SetClipboardHeldElsewhere(false);
    win::FailNextGlobalAllocs(1);
    EXPECT_EQ(CopyForExcel(nullptr, 0), -1);
    EXPECT_EQ(win::LiveGlobalBlocks(), blocks);
    const auto& boxes = win::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "WARNING");
    EXPECT_EQ(boxes[0].text,
              "Windows clipboard not available. Contact Tech Support ref. pt xl 101.");
    EXPECT_EQ(boxes[1].text,
              "Windows clipboard not available. Contact Tech Support ref. pt xl 102.");
    EXPECT_EQ(boxes[1].type & 0xF0, win::MB_ICONINFORMATION);
}

TEST_F(ReportTest, CopyForExcelWithoutThePagesDoesNothing) {
    SetReportBuilder(ReportPage::kWaterIndicators, nullptr);
    EXPECT_EQ(CopyForExcel(nullptr, 0), -1);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::CountClipboardFormats(), 0);
}

}  // namespace
}  // namespace reporttest
