// The single-water what-if settings: the fields' checks and their prompts, the
// defaults of blank fields, the warnings at opening, Cancel putting back what
// the dialog changed, Make Default, the names of the summary graphs and the
// recompute table row by row.
#include "input/whatif/whatif_dialog.h"

#include <cstdio>
#include <string>
#include <vector>

#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "input/whatif/graph_choice_name.h"
#include "input/whatif/save_config_file.h"
#include "input/whatif/whatif_dialog_records.h"
#include "input/whatif/whatif_fields.h"
#include "printing/print_job_records.h"
#include "resources/resource_ids.h"
#include "scenarios/wells/well_stations.h"
#include "tests/input/waterform/form_fixture.h"
#include "treatment/records.h"

namespace formtest {
namespace {

namespace W = WhatIfControl;

std::vector<std::string> calls;
void Record(const char* name) {
    calls.emplace_back(name);
}
const WhatIfDrivers kRecorders{
    [](win::HWND) { Record("CalcWellLogProfile"); },
    [](win::HWND) { Record("CalcWellLogProfile11"); },
    [](win::HWND) { Record("CalcTempProfile"); },
    [](win::HWND) { Record("CalcpHProfile"); },
    [](win::HWND) { Record("CalcPressProfile"); },
    [](uint16_t) { Record("CalcGridpHTemp"); },
    [](uint16_t) { Record("CalcGridPressTemp"); },
};

class WhatIfTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        ResetWhatIfDialogRecords();
        SetWhatIfDrivers(kRecorders);
        calls.clear();
        unitCodes = UnitCodes{};
        WhatIfSettings& s = whatIfSettings;
        s = WhatIfSettings{};
        s.phLow = 6.0f;
        s.phHigh = 8.0f;
        s.phEval = 7.0f;
        s.pressureLow = 1.0f;
        s.pressureHigh = 100.0f;
        s.pressureEval = 1.0f;
        s.pco2Low = 0.001f;
        s.pco2High = 1.0f;
        s.pco2Eval = 0.01f;
        s.temperatureLow = 60.0f;
        s.temperatureHigh = 200.0f;
        s.temperatureEval = 100.0f;
        phControlSettings = PhControlSettings{7.0f, 0, 4, 0xFFFF, 0xFFFF};
        win::ClearMessageBoxLog();
    }
    void TearDown() override {
        SetWhatIfDrivers(ScenarioDrivers());
        FormTest::TearDown();
    }
    // Runs Select Parameters (template 84 on this desktop) with `steps` inside.
    void Run(const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            DialogId::kWhatIf1200,
            [&](win::HWND dialog) {
                ++opened;
                steps(dialog);
            },
            1);
        ASSERT_TRUE(
            win::ChooseMenuCommand(mainWindowState.mainWindow, MenuCommand::kSelectParameters));
        win::RunUntilIdle();
        ASSERT_EQ(opened, 1);
    }
    static std::vector<std::string> Texts() {
        std::vector<std::string> t;
        for (const auto& b : win::MessageBoxLog()) t.push_back(b.text);
        return t;
    }
};

// The questions name the field and write its range as a person would: no
// "14.700000", no "Atm..".
TEST(WhatIfTextsTest, RangeQuestionsNameTheFieldAndItsRange) {
    EXPECT_EQ(PressureRangeText(2, "Low Pressure"),
              "Low Pressure must be in the range of 14.7 to 14,700 psia. Please re-enter a valid "
              "value. Did you wish to re-enter (Y/N)?");
    EXPECT_NE(PressureRangeText(0, "High Pressure").find("1 to 1,000 atm. Please"),
              std::string::npos);
    EXPECT_EQ(TemperatureRangeText(1, "Evaluation Temperature"),
              "Evaluation Temperature must be in the range of -2 to 300 degrees C. Please "
              "re-enter a valid value. Did you wish to re-enter (Y/N)?");
    EXPECT_EQ(Pco2RangeText(0, "Evaluation pCO2"),
              "Evaluation pCO2 must be in the range of 0 to 1,000 atm. Please re-enter a valid "
              "value. Did you wish to re-enter (Y/N)?");
    EXPECT_EQ(PointPhRangeText("High pH"),
              "High pH must be in the range of 0.01 to 14. Please re-enter a valid value. Did "
              "you wish to re-enter (Y/N)?");
    EXPECT_EQ(WhatIfTemplate(900), DialogId::kWhatIf640);
    EXPECT_EQ(WhatIfTemplate(901), DialogId::kWhatIf1200);
}

TEST_F(WhatIfTest, GraphNames) {
    char text[kGraphNameChars];
    std::strcpy(productTable.records[0].name, "PHOS-BA");
    GetGraphChoiceName(21, text);
    EXPECT_STREQ(text, "Barite BaSO4 (x SAT)");
    const char* units[] = {" (mg/L)", " (lbs/1000 Barrels)", " (kg/1000 Barrels)"};
    for (uint16_t u = 0; u < 3; ++u) {
        displaySettings.precipitationUnit = u;
        GetGraphChoiceName(106, text);
        EXPECT_EQ(std::string(text), std::string("Gypsum CaSO4*2H2O") + units[u]);
    }
    GetGraphChoiceName(10, text);
    EXPECT_STREQ(text, "Langelier Saturation Index");
    // The corrosion rates' formulas are written plainly in the list.
    GetGraphChoiceName(94, text);
    EXPECT_STREQ(text, "CO2 - H2S Corrosion rate");
    GetGraphChoiceName(95, text);
    EXPECT_STREQ(text, "H2S Corrosion rate");
    GetGraphChoiceName(89, text);
    EXPECT_STREQ(text, "PHOS-BA Dosage Profile (mg/L)");
    productTable.records[0].productMode = 2;
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    GetGraphChoiceName(89, text);
    EXPECT_STREQ(text, "PHOS-BA Corrosion Profile (mm/yr)");
    phControlSettings.acidChemical = 1;
    GetGraphChoiceName(90, text);
    EXPECT_STREQ(text, "Hydrochloric Acidmg/l");
    phControlSettings.alkaliChemical = 4;
    GetGraphChoiceName(91, text);
    EXPECT_STREQ(text, "Caustic Potashmg/l");
    phControlSettings.alkaliChemical = 5;
    GetGraphChoiceName(91, text);
    EXPECT_STREQ(text, "mg/l");
    phControlSettings.alkaliChemical = 0xFFFF;
    GetGraphChoiceName(91, text);
    EXPECT_STREQ(text, "mg/l");  // no alkali chosen: the unit alone
    GetGraphChoiceName(50, text);
    EXPECT_STREQ(text, "PHOS-BA (x SAT)");
    GetGraphChoiceName(150, text);
    EXPECT_STREQ(text, "PHOS-BA (kg/1000 Barrels)");
    GetGraphChoiceName(-3, text);
    EXPECT_STREQ(text, "PHOS-BA (x SAT)");
}

// pH 0 and 14 and a pCO2 of 0 pass; blank well-log fields store their unit's
// defaults and a blank depth 100, each told; the kelvin defaults shown at
// opening are kelvin temperatures, taken as they stand.
TEST_F(WhatIfTest, LimitsAndBlankFields) {
    unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kKelvin;
    whatIfSettings.temperatureLow = 300.0f;
    whatIfSettings.temperatureHigh = 350.0f;
    whatIfSettings.temperatureEval = 310.0f;
    wellLogSpecs.value[WellLogField::kSeparatorTemperature] = 0.0f;
    Run([](win::HWND d) {
        EXPECT_EQ(win::WindowText(win::GetDlgItem(d, W::kSeparatorTemperature)), "323.0");
        win::SetField(d, W::kPhLow, "0.01");
        win::SetField(d, W::kPhHigh, "14");
        win::SetField(d, W::kPco2Low, "0");
        for (int id : {W::kBottomHoleTemperature, W::kSeparatorPressure, W::kDepth})
            win::SetField(d, id, "");
        win::PressButton(d, W::kOk);
    });
    std::vector<std::string> told;
    for (const auto& b : win::MessageBoxLog()) told.push_back(b.text);
    EXPECT_EQ(told, (std::vector<std::string>{
                        "Depth was left empty: 100 is used.",
                        "Bottom Hole Temperature was left empty: 407 \xB0K is used.",
                        "Pressure at Separator was left empty: 3 Atm. is used."}));
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kSeparatorTemperature], 323.0f);
    EXPECT_EQ(whatIfSettings.phLow, 0.01f);
    EXPECT_EQ(whatIfSettings.phHigh, 14.0f);
    EXPECT_EQ(whatIfSettings.pco2Low, 0.0f);
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kBottomHoleTemperature], 407.0f);
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kSeparatorPressure], 3.0f);
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kDepth], 100.0f);
}

// Each refused field asks with its own text; No keeps the old value and reads
// on, Yes keeps the dialog open and stores nothing, so a later Cancel leaves
// everything as it was.
TEST_F(WhatIfTest, RefusedFieldsAskAndYesStoresNothing) {
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kPsia;
    whatIfSettings.pressureLow = 20.0f;
    whatIfSettings.pressureHigh = 2000.0f;
    whatIfSettings.pressureEval = 20.0f;
    const std::vector<std::string> questions = {
        PointPhRangeText("High pH"), Pco2RangeText(0, "High pCO2"),
        PressureRangeText(2, "Low Pressure"), TemperatureRangeText(0, "High Temperature"),
        PhTargetRangeText()};
    for (const std::string& q : questions) win::AnswerMessageBox("WARNING", q.c_str(), win::IDNO);
    Run([](win::HWND d) {
        win::SetField(d, W::kPhHigh, "15");
        win::SetField(d, W::kPco2High, "-1");
        win::SetField(d, W::kPressureLow, "10");
        win::SetField(d, W::kTemperatureHigh, "600");
        win::SetField(d, W::kPhTarget, "20");
        win::SetField(d, W::kTemperatureEval, "120");
        win::PressButton(d, W::kOk);
    });
    EXPECT_EQ(Texts(), questions);
    EXPECT_EQ(whatIfSettings.phHigh, 8.0f);
    EXPECT_EQ(whatIfSettings.pco2High, 1.0f);
    EXPECT_EQ(whatIfSettings.pressureLow, 20.0f);
    EXPECT_EQ(whatIfSettings.temperatureHigh, 200.0f);
    EXPECT_EQ(whatIfSettings.temperatureEval, 120.0f);  // the valid fields are stored
    EXPECT_EQ(phControlSettings.targetPh, 7.0f);

    // The other ends too: a pH target of 0 is asked about, not taken as 7,
    // and an evaluation pCO2 of 5,000 atm, past the 1,000 the water form takes.
    win::ClearMessageBoxLog();
    const std::vector<std::string> ends = {Pco2RangeText(0, "Evaluation pCO2"),
                                           PhTargetRangeText()};
    for (const std::string& q : ends) win::AnswerMessageBox("WARNING", q.c_str(), win::IDNO);
    phControlSettings.targetPh = 6.5f;
    const float pco2 = whatIfSettings.pco2Eval;
    Run([](win::HWND d) {
        win::SetField(d, W::kPco2Eval, "5000");
        win::SetField(d, W::kPhTarget, "0");
        win::PressButton(d, W::kOk);
    });
    EXPECT_EQ(Texts(), ends);
    EXPECT_EQ(phControlSettings.targetPh, 6.5f);
    EXPECT_EQ(whatIfSettings.pco2Eval, pco2);

    win::ClearMessageBoxLog();
    const std::string evalPh = PointPhRangeText("Evaluation pH");
    win::AnswerMessageBox("WARNING", evalPh.c_str(), win::IDYES);
    Run([](win::HWND d) {
        win::SetField(d, W::kTemperatureEval, "150");
        win::SetField(d, W::kPhEval, "-2");
        win::SetField(d, W::kDepth, "900");
        win::PressButton(d, W::kOk);
        EXPECT_TRUE(win::IsWindow(d));  // still open for the field
        win::PressButton(d, W::kCancel);
    });
    EXPECT_EQ(whatIfSettings.temperatureEval, 120.0f);
    EXPECT_EQ(whatIfSettings.phEval, 7.0f);
    EXPECT_NE(wellLogSpecs.value[WellLogField::kDepth], 900.0f);
}

// Check boxes and graph buttons act at once; Cancel puts them back. The graphs'
// own choice is left as it was.
TEST_F(WhatIfTest, CancelPutsBackBoxesAndGraphs) {
    displaySettings.graphParams[2] = 0xFFFF;  // shown as calcite
    displaySettings.graphParams[3] = 5;
    graphChoice.count = 1;
    graphChoice.codes[0] = 37;
    ServiceHooks hooks = CurrentServiceHooks();
    hooks.showChooseGraphs = [](win::HWND) {
        graphChoice.count = 1;
        graphChoice.codes[0] = 21;
        return 1;
    };
    InstallServiceHooks(hooks);
    Run([](win::HWND d) {
        EXPECT_EQ(win::WindowText(win::GetDlgItem(d, W::kGraph1)), "Calcite CaCO3 (x SAT)");
        EXPECT_EQ(win::WindowText(win::GetDlgItem(d, W::kGraph2)), "Gypsum CaSO4*2H2O (x SAT)");
        win::PressButton(d, W::kUseInputPh);
        EXPECT_EQ(whatIfOptions.useInputPh, 1u);
        EXPECT_FALSE(win::IsWindowEnabled(win::GetDlgItem(d, W::kPhEval)));
        win::PressButton(d, W::kForcePhForPressure);
        win::PressButton(d, W::kGraph2Button);
        EXPECT_EQ(displaySettings.graphParams[3], 21);
        EXPECT_EQ(win::WindowText(win::GetDlgItem(d, W::kGraph2)), "Barite BaSO4 (x SAT)");
        EXPECT_EQ(graphChoice.codes[0], 37);
        win::PressButton(d, W::kCancel);
    });
    EXPECT_EQ(whatIfOptions.useInputPh, 0u);
    EXPECT_EQ(whatIfOptions.forcePhToEvalForPressure, 0u);
    EXPECT_EQ(displaySettings.graphParams[3], 5);
    EXPECT_EQ(displaySettings.graphParams[2], 0);  // the default it was shown as
    EXPECT_TRUE(calls.empty());
}

// The empty ranges are named at opening, and the dialog opens all the same;
// with no prediction method checked the default curve message comes.
TEST_F(WhatIfTest, WarningsAtOpeningAndNoMethod) {
    whatIfSettings.phHigh = whatIfSettings.phLow;
    unitCodes.code[UnitItem::kGasCo2] = 5;
    whatIfSettings.pco2High = whatIfSettings.pco2Low;
    Run([](win::HWND d) {
        EXPECT_EQ(Texts(), (std::vector<std::string>{
                               "Minimum and Maximum pH cannot be the same! Please change to a "
                               "valid range!",
                               "Minimum and Maximum Mole % CO2 are the same! Please change to a "
                               "valid range if you will be doing pCO2 profiles!"}));
        win::SetField(d, W::kPhHigh, "9");
        win::SetField(d, W::kPco2High, "2");
        win::CheckDlgButton(d, W::kExtrapolated, win::BST_UNCHECKED);
        win::PressButton(d, W::kOk);
    });
    EXPECT_EQ(Texts().back(), kNoCurveText);
    EXPECT_EQ(phControlSettings.phPredictionMethod, 0);
}

// Make Default writes the configuration file with the user's print mode.
TEST_F(WhatIfTest, MakeDefaultKeepsThePrintMode) {
    printJobState.printMode = 1;
    Run([](win::HWND d) {
        win::SetField(d, W::kTemperatureHigh, "140");
        win::PressButton(d, W::kMakeDefault);
        win::PressButton(d, W::kOk);
    });
    const std::vector<uint8_t> file = ReadFile("zorin.cnf");
    ASSERT_EQ(file.size(), 1082u);
    EXPECT_EQ(file[14], 1);
    float high = 0.0f;
    std::memcpy(&high, file.data() + 1074, 4);
    EXPECT_EQ(high, 140.0f);
}

// The table: what exists and what changed decide what is computed again.
TEST_F(WhatIfTest, RecomputeTableRowByRow) {
    ResultStatus& r = resultStatus;
    const WhatIfValues before = GatherWhatIfValues();
    auto run = [&](const std::function<void(WhatIfValues&)>& change) {
        calls.clear();
        mainWindowState.dataChanged = 0;
        WhatIfValues after = before;
        change(after);
        BringWhatIfResultsUpToDate(before, after, kRecorders, mainWindowState.mainWindow);
        return calls;
    };
    using V = std::vector<std::string>;

    // Only the pressure and 11-station profiles: pressureHigh alone.
    r.pressureProfileDone = 1;
    r.wellProfileDone[1] = 1;
    EXPECT_EQ(run([](WhatIfValues& v) { v.ranges.pressureHigh = 500.0f; }),
              (V{"CalcPressProfile", "CalcWellLogProfile11"}));
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_EQ(r.pressureProfileDone, 1);
    // Nothing changed: the 11-station profile all the same, nothing marked changed.
    EXPECT_EQ(run([](WhatIfValues&) {}), (V{"CalcWellLogProfile11"}));
    EXPECT_EQ(mainWindowState.dataChanged, 0u);

    r = ResultStatus{};
    r.tempProfileDone = r.phProfileDone = r.wellProfileDone[0] = 1;
    // A well-log value: the 12-station profile once.
    EXPECT_EQ(run([](WhatIfValues& v) { v.wellLog.value[0] = 300.0f; }), (V{"CalcWellLogProfile"}));
    // The evaluation temperature: rows 2 and 3.
    EXPECT_EQ(run([](WhatIfValues& v) { v.ranges.temperatureEval = 90.0f; }),
              (V{"CalcTempProfile", "CalcpHProfile", "CalcWellLogProfile", "CalcpHProfile",
                 "CalcWellLogProfile"}));
    // The pH range: row 3, and the 12-station profile does not read it.
    EXPECT_EQ(run([](WhatIfValues& v) { v.ranges.phLow = 5.0f; }),
              (V{"CalcpHProfile", "CalcWellLogProfile"}));
    // The low temperature: only row 10.
    EXPECT_EQ(run([](WhatIfValues& v) { v.ranges.temperatureLow = 50.0f; }),
              (V{"CalcTempProfile", "CalcpHProfile", "CalcWellLogProfile", "CalcWellLogProfile"}));

    // The grids and the mixing results.
    r = ResultStatus{};
    r.gridDone = r.gridDone2 = 1;
    r.mixProfileDone = 1;
    r.mixGridDone[1] = 1;
    graphChoice.count = 2;
    graphChoice.codes[0] = 0;
    graphChoice.codes[1] = 21;
    EXPECT_EQ(run([](WhatIfValues& v) { v.ranges.temperatureHigh = 250.0f; }),
              (V{"CalcGridpHTemp", "CalcGridpHTemp", "CalcGridPressTemp", "CalcGridPressTemp"}));
    EXPECT_EQ(r.mixGridDone[1], 1);
    // The target pH: the pH grid goes stale (row 3 before row 4), the pressure
    // grid is computed again.
    EXPECT_EQ(run([](WhatIfValues& v) { v.phControl.targetPh = 8.0f; }),
              (V{"CalcGridPressTemp", "CalcGridPressTemp"}));
    EXPECT_EQ(r.gridDone, 0);
    EXPECT_EQ(r.mixGridDone[1], 0);
    EXPECT_EQ(r.mixProfileDone, 0);
    r.mixGridDone[0] = r.mixProfileDone = 1;
    (void)run([](WhatIfValues& v) { v.phControl.phPredictionMethod = 2; });
    EXPECT_EQ(r.mixGridDone[0], 0);
    EXPECT_EQ(r.mixProfileDone, 0);
    // With pCO2 varied, its range is the pH side of the pressure grid.
    whatIfOptions.varyPco2 = 1;
    r.gridDone2 = 1;
    EXPECT_EQ(run([](WhatIfValues& v) { v.ranges.pco2High = 3.0f; }),
              (V{"CalcGridPressTemp", "CalcGridPressTemp"}));
}

}  // namespace
}  // namespace formtest
