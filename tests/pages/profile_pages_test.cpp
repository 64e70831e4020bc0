// The profile pages in the frame: the chemistry pages recompute a stale
// profile before they draw (once, not while a print document is open, not
// again from a paint that comes during the driver), and their texts are what
// BuildReport writes for them.
#include <filesystem>
#include <string>
#include <vector>

#include "pages/frame/page_probe.h"
#include "pages/profiles/profile_recompute.h"
#include "platform/system/clipboard.h"
#include "reporttext/report/build_report.h"
#include "reporttext/report_buffer_records.h"
#include "tests/pages/page_fixture.h"

namespace pagetest {
namespace {

std::vector<std::string>& DriverCalls() {
    static std::vector<std::string> calls;
    return calls;
}
win::HWND repaintDuringDriver = nullptr;

void Driver(const char* name) {
    DriverCalls().push_back(name);
    // A paint arriving while the driver asks its question.
    if (repaintDuringDriver != nullptr) {
        win::InvalidateRect(repaintDuringDriver, nullptr, win::TRUE);
        win::UpdateWindow(repaintDuringDriver);
    }
}

class ProfilePagesTest : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        for (int p = 0; p < kReportPageCount; ++p)
            SetReportBuilder(static_cast<ReportPage>(p), saved_[p]);
        resultStatus = ResultStatus{};
        DriverCalls().clear();
        repaintDuringDriver = nullptr;
        InstallProfileDrivers([](win::HWND) { Driver("ph"); },
                              [](win::HWND) { Driver("pressure"); },
                              [](win::HWND) { Driver("mixing"); });
    }
    void TearDown() override {
        InstallProfileDrivers(nullptr, nullptr, nullptr);
        PageTest::TearDown();
    }
    static std::string Report(int kind) {
        reportBuffer.rtfMode = 0;
        if (BuildReport(kind) != 0) return "<failed>";
        std::string text(static_cast<const char*>(win::GlobalLock(reportBuffer.handle)));
        win::GlobalUnlock(reportBuffer.handle);
        win::GlobalFree(reportBuffer.handle);
        reportBuffer.handle = nullptr;
        return text;
    }
};

TEST_F(ProfilePagesTest, StaleProfilesAreRecomputedOnceBeforeThePageDraws) {
    win::HWND ph = OpenPage(PageClass::kPhWater);
    win::HWND pressure = OpenPage(PageClass::kPressWater);
    win::HWND mixing = OpenPage(PageClass::kCycledWater);
    EXPECT_TRUE(DriverCalls().empty());  // nothing stale

    resultStatus.phProfileStale = 1;
    resultStatus.pressureProfileStale = 1;
    Repaint(ph);
    Repaint(pressure);
    EXPECT_EQ(DriverCalls(), (std::vector<std::string>{"ph", "pressure"}));
    EXPECT_EQ(resultStatus.phProfileStale, 0u);
    Repaint(ph);
    EXPECT_EQ(DriverCalls().size(), 2u);

    // A change of the product selection recomputes without a stale flag.
    resultStatus.productSelected = 1;
    DriverCalls().clear();
    Repaint(mixing);
    Repaint(mixing);
    EXPECT_EQ(DriverCalls(), std::vector<std::string>{"mixing"});

    // Not while a print document is open: the page stays stale.
    resultStatus.mixProfileStale = 1;
    printJobState.documentOpen = 1;
    DriverCalls().clear();
    Repaint(mixing);
    EXPECT_TRUE(DriverCalls().empty());
    EXPECT_EQ(resultStatus.mixProfileStale, 1u);
    printJobState.documentOpen = 0;

    // A paint during the driver's own question draws and does not start it again.
    repaintDuringDriver = mixing;
    Repaint(mixing);
    EXPECT_EQ(DriverCalls(), std::vector<std::string>{"mixing"});
}

TEST_F(ProfilePagesTest, ReportKindsAreThePagesText) {
    OpenPage(PageClass::kPhWater);
    OpenPage(PageClass::kPhValues);
    OpenPage(PageClass::kPressWater);
    OpenPage(PageClass::kPressValues);
    OpenPage(PageClass::kCycledWater);
    OpenPage(PageClass::kCycledValues);
    EXPECT_EQ(Report(3), PagePlainText(PageClass::kPhWater));
    EXPECT_EQ(Report(4), PagePlainText(PageClass::kPhValues));
    EXPECT_EQ(Report(35), PagePlainText(PageClass::kPressWater));
    EXPECT_EQ(Report(36), PagePlainText(PageClass::kPressValues));
    EXPECT_EQ(Report(7), PagePlainText(PageClass::kCycledWater));
    EXPECT_EQ(Report(8), PagePlainText(PageClass::kCycledValues));
    EXPECT_EQ(Scroll(PageWindowSlot(PageClass::kPhValues)).nMax, 80);  // lines 1 to 79

    // Kind 10 with the surface water and the pH profile: four parts in order.
    resultStatus.surfaceEntered = 1;
    resultStatus.phProfileDone = 1;
    const std::string all = Report(10);
    const char* titles[] = {
        "SURFACE WATER ANALYSIS", "SURFACE WATER DEPOSITION POTENTIAL INDICATORS",
        "WATER CHEMISTRY VERSUS pH", "DEPOSITION POTENTIAL INDICATORS VERSUS pH"};
    std::size_t at = 0;
    for (const char* title : titles) {
        const std::size_t found = all.find(std::string(title) + "\r\n", at);
        ASSERT_NE(found, std::string::npos) << title;
        at = found + 1;
    }
    EXPECT_EQ(all.find("VERSUS PRESSURE"), std::string::npos);
}

// "DisplayTempWater": the temperature profile once when stale, its copies of
// kinds 5 and 10 with their own failure references.
TEST_F(ProfilePagesTest, TemperaturePageRecomputesAndCopies) {
    InstallTempProfileDriver([](win::HWND) { Driver("temperature"); });
    win::HWND page = OpenPage(PageClass::kTempWater);
    resultStatus.tempProfileStale = 1;
    Repaint(page);
    Repaint(page);
    EXPECT_EQ(DriverCalls(), std::vector<std::string>{"temperature"});
    InstallTempProfileDriver(nullptr);

    win::SendMessage(page, win::WM_COMMAND, 985, 0);
    std::vector<uint8_t> bytes = win::ClipboardBytes(win::CF_TEXT);
    std::string copied(bytes.begin(), bytes.end());
    copied = copied.substr(0, copied.find('\0'));
    EXPECT_EQ(copied, Report(5));
    EXPECT_EQ(copied, PagePlainText(PageClass::kTempWater));
    for (unsigned id : {985u, 994u}) {
        win::ClearMessageBoxLog();
        win::SetClipboardHeldElsewhere(true);
        win::SendMessage(page, win::WM_COMMAND, id, 0);
        win::SetClipboardHeldElsewhere(false);
        ASSERT_EQ(win::MessageBoxLog().size(), 1u) << id;
        EXPECT_EQ(win::MessageBoxLog()[0].text,
                  std::string("Windows clipboard not available. Contact Tech Support ref. pt ") +
                      (id == 985 ? "t 101." : "t 102."));
    }
}

// The mixing-ratio indicators page as painted, left as
// build/test-output/pages/mixing-indicators.ppm: the injection percents in
// dark blue, the formation percents in dark red.
TEST_F(ProfilePagesTest, MixingHeaderColours) {
    for (int k = 0; k < 7; ++k) mixPercent[k] = 20.0f + 5.0f * static_cast<float>(k);
    win::HWND page = OpenPage(PageClass::kCycledValues, 12);
    const win::Image32 picture = win::ReadWindowPixels(page);
    const std::filesystem::path dir =
        std::filesystem::path(TARVEX_BINARY_DIR) / "test-output" / "pages";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(win::WritePpm((dir / "mixing-indicators.ppm").string(), picture));
    auto count = [&](int line, uint32_t colour) {
        int n = 0;
        for (int y = line * lineHeight; y < (line + 1) * lineHeight; ++y)
            for (int x = 24 * cellWidth; x < 79 * cellWidth; ++x)
                n += (picture.At(x, y) & 0xFFFFFF) == colour;
        return n;
    };
    // Page line L is drawn at L x lineHeight (the first line, 1, one pitch down).
    EXPECT_GT(count(4, 0x00007F), 0);  // RGB(0, 0, 127)
    EXPECT_GT(count(5, 0x7F0000), 0);  // RGB(127, 0, 0)
    EXPECT_EQ(count(5, 0x00007F), 0);
}

}  // namespace
}  // namespace pagetest
