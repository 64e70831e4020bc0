// The one-water and blend pages on their own layouts: which water each page
// loads and calculates, when it recomputes, and that a page's text is what
// BuildReport writes for it.
#include "pages/onewater/one_water_pages.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/pipeline/pipeline_records.h"
#include "engine/saturation/water_results_records.h"
#include "input/residence_records.h"
#include "pages/frame/page_probe.h"
#include "pages/records.h"
#include "platform/system/clipboard.h"
#include "reporttext/report/build_report.h"
#include "reporttext/report_buffer_records.h"
#include "tests/pages/page_fixture.h"

namespace pagetest {
namespace {

struct CalcCall {
    int32_t currentWater;
    float firstValue;  // the working pH at the call
};
std::vector<CalcCall>& CalcCalls() {
    static std::vector<CalcCall> calls;
    return calls;
}
void RecordCalc(uint16_t mode, win::HWND) {
    EXPECT_EQ(mode, 0);
    CalcCalls().push_back(CalcCall{mainWindowState.currentWater, currentAnalysis.values[0]});
}

class OneWaterPageTest : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        SetReportBuilder(ReportPage::kWaterChemistry, saved_[0]);
        SetReportBuilder(ReportPage::kWaterIndicators, saved_[1]);
        ResetWaterResultsRecords();
        ResetPipelineRecords();
        ResetResidenceRecords();
        resultStatus = ResultStatus{};
        CalcCalls().clear();
        InstallPageCalculator(RecordCalc);
        surfaceWater.values[0] = 7.0f;
        injectionWater.values[0] = 6.5f;
        formationWater.values[0] = 5.5f;
        mixedWater.values[0] = 7.75f;
        waterResidenceSeconds[1] = 600.0f;
        WaterResults.injection.saturation[0] = 2.5f;
        WaterResults.injection.excess[0] = 9.0f;
    }
    void TearDown() override {
        InstallPageCalculator(nullptr);
        PageTest::TearDown();
    }
    win::HWND OpenFor(PageClass page, int water) {
        mainWindowState.currentWater = water;
        return OpenPage(page);
    }
};

TEST_F(OneWaterPageTest, PagesLoadTheirWaterAtEveryPaint) {
    win::HWND page = OpenFor(PageClass::kMuValues, WaterSelector::kInjection);
    mainWindowState.currentWater = WaterSelector::kFormation;
    currentAnalysis = WaterAnalysis{};
    Repaint(page);
    EXPECT_EQ(currentAnalysis.values[0], 6.5f);
    EXPECT_EQ(SaturationResults[0], 2.5f);
    EXPECT_EQ(MomentaryExcess[0], 9.0f);
    EXPECT_EQ(currentResidenceTime, 600.0f);
    EXPECT_EQ(residenceTimeAtSelect, 600.0f);
    EXPECT_TRUE(CalcCalls().empty());  // no product
    EXPECT_NE(PagePlainText(PageClass::kMuValues).find("INJECTION WATER"), std::string::npos);
}

TEST_F(OneWaterPageTest, RecomputeCalculatesTheShownWaterAndPutsTheSelectorBack) {
    resultStatus.productSelected = 1;
    win::HWND page = OpenFor(PageClass::kMuWater, WaterSelector::kInjection);
    ASSERT_GE(CalcCalls().size(), 2u);  // at creation and at the first paint
    mainWindowState.currentWater = WaterSelector::kSurface;
    CalcCalls().clear();
    Repaint(page);
    ASSERT_EQ(CalcCalls().size(), 1u);
    EXPECT_EQ(CalcCalls()[0].currentWater, WaterSelector::kInjection);
    EXPECT_EQ(CalcCalls()[0].firstValue, 6.5f);  // loaded before the call
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kSurface);

    // The shown water's own flag decides: the surface's does not stop it, the
    // injection's does.
    CalcCalls().clear();
    doseState.surface.doseDone = 1;
    Repaint(page);
    EXPECT_EQ(CalcCalls().size(), 1u);
    doseState.injection.doseDone = 1;
    CalcCalls().clear();
    Repaint(page);
    EXPECT_TRUE(CalcCalls().empty());
}

TEST_F(OneWaterPageTest, FocusRecomputesAfterAProductChoiceOrADialog) {
    win::HWND page = OpenFor(PageClass::kMuValues, WaterSelector::kFormation);
    mainWindowState.currentWater = WaterSelector::kSurface;
    CalcCalls().clear();
    win::SendMessage(page, win::WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(CalcCalls().empty());
    dialogOutcome = 1;
    win::SendMessage(page, win::WM_SETFOCUS, 0, 0);
    ASSERT_EQ(CalcCalls().size(), 1u);
    EXPECT_EQ(CalcCalls()[0].currentWater, WaterSelector::kFormation);
    EXPECT_EQ(dialogOutcome, 0);
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kSurface);
    resultStatus.productChosen = 1;
    win::SendMessage(page, win::WM_SETFOCUS, 0, 0);
    EXPECT_EQ(CalcCalls().size(), 2u);
}

TEST_F(OneWaterPageTest, BlendRecomputeRunsOnTheBlendAndStoresNoOtherWater) {
    resultStatus.productSelected = 1;
    multiMixState.lastWaterIndex = 1;
    multiMixState.weightPercent[0] = 25.0f;
    multiMixState.weightPercent[1] = 75.0f;
    multiMixState.residenceTime[0][ResidenceForm::kSeconds] = 100.0f;
    multiMixState.residenceTime[1][ResidenceForm::kSeconds] = 200.0f;
    const WaterAnalysis surfaceBefore = surfaceWater;
    const WaterAnalysis mixedBefore = mixedWater;
    mainWindowState.currentWater = WaterSelector::kSurface;
    OpenPage(PageClass::kMixedWaterOut);
    OpenPage(PageClass::kMixedValuesOut);
    ASSERT_FALSE(CalcCalls().empty());
    for (const CalcCall& c : CalcCalls()) {
        EXPECT_EQ(c.currentWater, WaterSelector::kMixed);
        EXPECT_EQ(c.firstValue, 7.75f);
    }
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kSurface);
    EXPECT_EQ(std::memcmp(&surfaceWater, &surfaceBefore, sizeof surfaceWater), 0);
    EXPECT_EQ(std::memcmp(mixedWater.values, mixedBefore.values, sizeof mixedWater.values), 0);
    EXPECT_FLOAT_EQ(multiMixBlend.meanResidenceSeconds, 175.0f);  // 25 % of 100 s + 75 % of 200 s
    EXPECT_FLOAT_EQ(residenceTimeAtSelect, 175.0f);
    // The blend current: no more calls.
    multiMixState.multiMixDone = 1;
    CalcCalls().clear();
    Repaint(PageWindowSlot(PageClass::kMixedWaterOut));
    Repaint(PageWindowSlot(PageClass::kMixedValuesOut));
    EXPECT_TRUE(CalcCalls().empty());
}

TEST_F(OneWaterPageTest, BlendIndicatorsFillMissingDatesAndTime) {
    mainWindowState.reportDate = 1261207;
    win::SetLocalTimeSource([] {
        win::SYSTEMTIME t;
        t.wHour = 9;
        t.wMinute = 5;
        return t;
    });
    mixedWater.sampleNumber = 3;
    OpenPage(PageClass::kMixedValuesOut);
    win::SetLocalTimeSource(nullptr);
    EXPECT_EQ(mixedWater.reportDate, 1261207);
    EXPECT_EQ(mixedWater.sampleDate, 1261207);
    EXPECT_EQ(mixedWater.sampleTime, 905);
    EXPECT_EQ(mixedWater.sampleNumber, 3);  // not shown, kept as it is
    const std::string text = PagePlainText(PageClass::kMixedValuesOut);
    EXPECT_NE(text.find("Sample ID:" + std::string(13, ' ') + "Report Date:"), std::string::npos)
        << text;
    EXPECT_NE(text.find("0905"), std::string::npos) << text;
}

// The page's text and the report BuildReport writes for it are one text.
std::string Report(int kind) {
    reportBuffer.rtfMode = 0;
    if (BuildReport(kind) != 0) return "<failed>";
    const auto* p = static_cast<const char*>(win::GlobalLock(reportBuffer.handle));
    std::string text(p);
    win::GlobalUnlock(reportBuffer.handle);
    win::GlobalFree(reportBuffer.handle);
    reportBuffer.handle = nullptr;
    return text;
}

TEST_F(OneWaterPageTest, ReportKindsAreThePagesText) {
    OpenFor(PageClass::kMuValues, WaterSelector::kSurface);
    OpenFor(PageClass::kMuWater, WaterSelector::kSurface);
    EXPECT_EQ(Report(2), PagePlainText(PageClass::kMuValues));
    EXPECT_EQ(Report(1), PagePlainText(PageClass::kMuWater));
    win::DestroyWindow(PageWindowSlot(PageClass::kMuValues));
    OpenFor(PageClass::kMuValues, WaterSelector::kFormation);
    EXPECT_EQ(Report(22), PagePlainText(PageClass::kMuValues));
    EXPECT_NE(Report(22).find("FORMATION WATER DEPOSITION POTENTIAL INDICATORS"),
              std::string::npos);

    OpenPage(PageClass::kMixedValuesOut);
    OpenPage(PageClass::kMixedWaterOut);
    mainWindowState.currentWater = WaterSelector::kMixed;
    EXPECT_EQ(Report(34), PagePlainText(PageClass::kMixedValuesOut));
    EXPECT_EQ(Report(33), PagePlainText(PageClass::kMixedWaterOut));
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    EXPECT_NE(Report(33).find("WATER ANALYSIS FOR MIXING"), std::string::npos);
    EXPECT_NE(Report(34).find("DEPOSITION POTENTIAL INDICATORS OF WATER SOURCE FOR MIXING"),
              std::string::npos);
}

TEST_F(OneWaterPageTest, ScrollMaximaOfTheChemistryPages) {
    EXPECT_EQ(Scroll(OpenFor(PageClass::kMuWater, WaterSelector::kSurface)).nMax, 34);
    EXPECT_EQ(Scroll(OpenPage(PageClass::kMixedWaterOut)).nMax, 30);
}

}  // namespace
}  // namespace pagetest
