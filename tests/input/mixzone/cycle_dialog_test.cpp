// The mixing zone settings: the fields at opening, the prompts of refused
// fields, the prediction fallback, equal percentages sent back, the flags
// cleared and each mixing result computed again only for its own inputs.
#include "input/mixzone/cycle_dialog.h"

#include <cstdio>
#include <string>
#include <vector>

#include "input/mixzone/cycle_records.h"
#include "input/whatif/whatif_fields.h"
#include "scenarios/mixing/mixing.h"
#include "tests/input/waterform/form_fixture.h"

namespace formtest {
namespace {

namespace M = MixZoneControl;

std::vector<std::string> calls;

class CycleDialogTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        ResetCycleRecords();
        unitCodes = UnitCodes{};
        calls.clear();
        SetMixZoneDrivers(MixZoneDrivers{[](win::HWND) { calls.push_back("CalcMixingProfile"); },
                                         [](uint16_t kind) {
                                             calls.push_back("CalcMixGrid " + std::to_string(kind));
                                             return int32_t{0};
                                         }});
        GraphRangeSettings& g = graphRangeSettings;
        g = GraphRangeSettings{};
        g.gridPhLow = 6.0f;
        g.gridPhHigh = 8.0f;
        g.gridTemperatureLow = 60.0f;
        g.gridTemperatureHigh = 200.0f;
        g.gridPressureLow = 1.0f;
        g.gridPressureHigh = 100.0f;
        g.gridPco2Low = 0.001f;
        g.gridPco2High = 1.0f;
        MixingZoneSettings& z = mixingZoneSettings;
        z = MixingZoneSettings{0.0f, 100.0f, 100.0f / 6.0f, 20.0f, 0.0f, 100.0f};
        phControlSettings = PhControlSettings{7.0f, 0, 0, 0xFFFF, 0xFFFF};
        win::ClearMessageBoxLog();
    }
    void TearDown() override {
        SetMixZoneDrivers(MixZoneDrivers{CalcMixingProfile, CalcMixGrid});
        FormTest::TearDown();
    }
    void Run(const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            DialogId::kMixZone1200,
            [&](win::HWND d) {
                ++opened;
                steps(d);
            },
            1);
        OpenMixZoneDialog(mainWindowState.mainWindow);
        ASSERT_EQ(opened, 1);
    }
    static std::vector<std::string> Texts() {
        std::vector<std::string> t;
        for (const auto& b : win::MessageBoxLog()) t.push_back(b.text);
        return t;
    }
};

// The questions name the field and state its range in readable numbers, pCO2
// in the one range every dialog takes.
TEST(CycleTextsTest, RangeQuestionsNameTheFieldAndItsRange) {
    EXPECT_EQ(Pco2RangeText(3, "Low pCO2"),
              "Low pCO2 must be in the range of 0 to 100,000 kPa. Please re-enter a valid value. "
              "Did you wish to re-enter (Y/N)?");
    EXPECT_NE(Pco2RangeText(2, "High pCO2").find("0 to 14,700 psia."), std::string::npos);
    EXPECT_NE(Pco2RangeText(5, "High pCO2").find("0 to 100 mole %."), std::string::npos);
    EXPECT_EQ(PressureRangeText(2, "High Pressure"),
              "High Pressure must be in the range of 14.7 to 14,700 psia. Please re-enter a valid "
              "value. Did you wish to re-enter (Y/N)?");
    EXPECT_EQ(PhTargetRangeText(),
              "pH Target must be above 0 and up to 14. Please re-enter a valid value. Did you "
              "wish to re-enter (Y/N)?");
    EXPECT_EQ(MixZoneTemplate(900), DialogId::kMixZone640);
    EXPECT_EQ(MixZoneTemplate(1024), DialogId::kMixZone1200);
}

// Defaults at opening; refused fields asked in their order; no prediction
// method checked gives the theoretical curve; pressures go to the 3D ranges.
TEST_F(CycleDialogTest, FieldsPromptsAndFallback) {
    mixingZoneSettings.mixTypicalPercent = 150.0f;
    const float whatIfPressure = whatIfSettings.pressureHigh;
    graphRangeSettings.gridPhHigh = 20.0f;
    const std::string lowPh = PointPhRangeText("Low pH");
    const std::string lowPressure = PressureRangeText(0, "Low Pressure");
    win::AnswerMessageBox("WARNING", lowPh.c_str(), win::IDNO);
    win::AnswerMessageBox("WARNING", lowPressure.c_str(), win::IDNO);
    Run([](win::HWND d) {
        EXPECT_EQ(Field(d, M::kTypicalPercent), "16.66667F");
        EXPECT_EQ(Field(d, M::kPhHigh), "9.00");
        EXPECT_EQ(Field(d, M::kPressureUnit), "atm");
        win::SetField(d, M::kPhLow, "15");
        win::SetField(d, M::kPressureHigh, "500");
        win::SetField(d, M::kPressureLow, "0.5");
        win::CheckDlgButton(d, M::kTheoretical, win::BST_UNCHECKED);
        win::SetField(d, M::kTypicalPercent, "12");
        win::PressButton(d, M::kOk);
    });
    EXPECT_EQ(Texts(), (std::vector<std::string>{lowPh, kTheorCurveText, lowPressure}));
    EXPECT_EQ(graphRangeSettings.gridPhLow, 6.0f);
    EXPECT_EQ(graphRangeSettings.gridPhHigh, 9.0f);
    EXPECT_EQ(graphRangeSettings.gridPressureLow, 1.0f);
    EXPECT_EQ(graphRangeSettings.gridPressureHigh, 500.0f);
    EXPECT_EQ(whatIfSettings.pressureHigh, whatIfPressure);
    EXPECT_EQ(phControlSettings.phPredictionMethod, 0);
    EXPECT_EQ(mixingZoneSettings.mixTypicalPercent, 12.0f);  // stored as typed

    // The other ends: a high pCO2 of 5,000 atm, past the 1,000 every dialog
    // takes, and a pH target of 0 are asked about; No keeps the values before.
    win::ClearMessageBoxLog();
    const std::vector<std::string> ends = {PhTargetRangeText(), Pco2RangeText(0, "High pCO2")};
    for (const std::string& q : ends) win::AnswerMessageBox("WARNING", q.c_str(), win::IDNO);
    phControlSettings.targetPh = 6.5f;
    const float pco2 = graphRangeSettings.gridPco2High;
    Run([](win::HWND d) {
        win::SetField(d, M::kPco2High, "5000");
        win::SetField(d, M::kPhTarget, "0");
        win::PressButton(d, M::kOk);
    });
    EXPECT_EQ(Texts(), ends);
    EXPECT_EQ(phControlSettings.targetPh, 6.5f);
    EXPECT_EQ(graphRangeSettings.gridPco2High, pco2);
}

// Equal percentages: the message, the dialog stays, nothing is stored.
TEST_F(CycleDialogTest, EqualPercentagesAreSentBack) {
    Run([](win::HWND d) {
        win::SetField(d, M::kLowPercent, "40");
        win::SetField(d, M::kHighPercent, "40");
        win::SetField(d, M::kPhTarget, "8");
        win::PressButton(d, M::kOk);
        EXPECT_TRUE(win::IsWindow(d));
        win::PressButton(d, M::kCancel);
    });
    EXPECT_EQ(Texts(), std::vector<std::string>{kSamePercentagesText});
    EXPECT_EQ(mixingZoneSettings.mixHighPercent, 100.0f);
    EXPECT_EQ(phControlSettings.targetPh, 7.0f);

    win::ClearMessageBoxLog();
    Run([](win::HWND d) {
        win::SetField(d, M::kLowPercent, "40");
        win::SetField(d, M::kHighPercent, "60");
        win::PressButton(d, M::kOk);
    });
    EXPECT_TRUE(Texts().empty());
    const MixingZoneSettings& z = mixingZoneSettings;
    EXPECT_EQ(z.mixLowPercent, 40.0f);
    EXPECT_EQ(z.gridMixHigh, 60.0f);
    EXPECT_NEAR(z.mixStepPercent, 20.0 / 6.0, 1e-6);
}

// A change of the pH control clears the single-water results; each existing
// mixing result is computed again only when one of its own inputs changed.
TEST_F(CycleDialogTest, FlagsAndRecomputation) {
    ResultStatus& r = resultStatus;
    auto run = [&](const std::function<void(win::HWND)>& edit) {
        calls.clear();
        r.tempProfileDone = r.gridDone = r.phProfileDone = 1;
        r.mixProfileDone = 1;
        r.mixGridDone[0] = r.mixGridDone[1] = r.mixGridDone[2] = 1;
        Run([&](win::HWND d) {
            edit(d);
            win::PressButton(d, M::kOk);
        });
        return calls;
    };
    using V = std::vector<std::string>;
    // Nothing changed: nothing computed, nothing cleared.
    EXPECT_EQ(run([](win::HWND) {}), V{});
    EXPECT_EQ(r.tempProfileDone, 1);
    // The pH range: the grids of kinds 0 and 4.
    EXPECT_EQ(run([](win::HWND d) { win::SetField(d, M::kPhLow, "5"); }),
              (V{"CalcMixGrid 0", "CalcMixGrid 4"}));
    // The temperature range: the grids of kinds 0 and 3.
    EXPECT_EQ(run([](win::HWND d) { win::SetField(d, M::kTemperatureHigh, "250"); }),
              (V{"CalcMixGrid 0", "CalcMixGrid 3"}));
    // The low percent: the profile alone.
    EXPECT_EQ(run([](win::HWND d) { win::SetField(d, M::kLowPercent, "10"); }),
              V{"CalcMixingProfile"});
    EXPECT_EQ(r.tempProfileDone, 1);
    // The pH target: the profile, and the single-water results go stale.
    EXPECT_EQ(run([](win::HWND d) { win::SetField(d, M::kPhTarget, "8"); }),
              V{"CalcMixingProfile"});
    EXPECT_EQ(r.tempProfileDone, 0);
    EXPECT_EQ(r.gridDone, 0);
    EXPECT_EQ(r.phProfileDone, 0);
    // An acid: everything that exists.
    EXPECT_EQ(run([](win::HWND d) {
                  win::CheckRadioButton(d, M::kSulfuricAcid, M::kNoAcid, M::kSulfuricAcid);
              }),
              (V{"CalcMixingProfile", "CalcMixGrid 0", "CalcMixGrid 3", "CalcMixGrid 4"}));
    EXPECT_EQ(phControlSettings.phControlMethod, 1);
}

}  // namespace
}  // namespace formtest
