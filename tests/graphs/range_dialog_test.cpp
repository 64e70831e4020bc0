// The Change Range dialogs: the limits of each quantity in its units, the
// texts the fields open with, the opening warnings, what OK stores (the grid
// mixing values into both copies) and which done flags it clears, the
// re-enter answers, Cancel, the member the 3D graph opens, and the picture of
// the graph.
#include "graphs/range/range_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/unit_codes.h"
#include "graphs/range/range_fields.h"
#include "graphs/range/range_preview.h"
#include "graphs/range/range_records.h"
#include "graphs/state/graph_snapshot_records.h"
#include "platform/gdi/gdi.h"
#include "platform/text/text_boxes.h"
#include "resources/program_resources.h"
#include "resources/range_dialog_ids.h"
#include "shell/records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

namespace C = RangeControl;
namespace D = RangeDialogId;

std::string Field(win::HWND dialog, int id) {
    char text[256] = {};
    win::GetDlgItemText(dialog, id, text, sizeof text);
    return text;
}

class RangeDialogTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        RegisterRangeDialogTemplates();
        ResetRangeRecords();
        ResetGraphSnapshotRecords();
        WhatIfSettings& w = whatIfSettings;
        w.phLow = 6.0f;
        w.phHigh = 8.0f;
        w.phEval = 7.0f;
        w.pco2Low = 0.01f;
        w.pco2High = 2.0f;
        w.pressureLow = 1.0f;
        w.pressureHigh = 100.0f;
        w.temperatureLow = 60.0f;
        w.temperatureHigh = 180.0f;
        w.temperatureEval = 77.0f;
        GraphRangeSettings& g = graphRangeSettings;
        g.gridPhLow = 5.0f;
        g.gridPhHigh = 9.0f;
        g.gridTemperatureLow = 50.0f;
        g.gridTemperatureHigh = 200.0f;
        g.gridPco2Low = 0.1f;
        g.gridPco2High = 3.0f;
        g.gridMixLow = 0.0f;
        g.gridMixHigh = 100.0f;
        g.mixTypicalPercent = 20.0f;
        mixingZoneSettings = MixingZoneSettings{0.0f, 60.0f, 10.0f, 20.0f, 0.0f, 100.0f};
        SetDone(1);
        win::ClearMessageBoxLog();
    }
    static void SetDone(uint16_t v) {
        ResultStatus& r = resultStatus;
        r.tempProfileDone = r.phProfileDone = r.pressureProfileDone = r.mixProfileDone = v;
        r.gridDone = r.gridDone2 = v;
        r.mixGridDone[0] = r.mixGridDone[1] = r.mixGridDone[2] = v;
    }
    // Opens a member by its opener; `steps` runs inside the open dialog.
    // Returns the opener's result.
    int Open(int(opener)(win::HWND), int templateId, const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            templateId,
            [&](win::HWND d) {
                ++opened;
                steps(d);
            },
            1);
        const int result = opener(nullptr);
        EXPECT_EQ(opened, 1);
        return result;
    }
    static std::vector<std::string> Texts() {
        std::vector<std::string> t;
        for (const auto& b : win::MessageBoxLog()) t.push_back(b.text);
        return t;
    }
    static void Answer(RangeSlot slot, int answer) {
        win::AnswerMessageBox("WARNING", SlotRefusalText(slot), answer);
    }
};

// Each quantity's bounds in each unit, inclusive, with its message.
TEST_F(RangeDialogTest, LimitsOfEachQuantityAndUnit) {
    EXPECT_EQ(LimitsOf(RangeQuantity::kPh).low, 0.0f);
    EXPECT_EQ(LimitsOf(RangeQuantity::kPh).high, 14.0f);
    EXPECT_EQ(LimitsOf(RangeQuantity::kPco2).high, 1000.0f);  // atm, as every dialog takes it
    EXPECT_EQ(LimitsOf(RangeQuantity::kPercent).high, 100.0f);
    EXPECT_EQ(RefusalText(RangeQuantity::kPh, "High pH"),
              "High pH must be in the range of 0 to 14. Please re-enter a valid value. Did you "
              "wish to re-enter (Y/N)?");
    EXPECT_EQ(SlotRefusalText(RangeSlot::kGridMixLow),
              "Low Percent must be in the range of 0 to 100 %. Please re-enter a valid value. Did "
              "you wish to re-enter (Y/N)?");
    EXPECT_EQ(SlotRefusalText(RangeSlot::kTemperatureEval),
              "Evaluation Temperature must be in the range of 30 to 572 degrees F. Please "
              "re-enter a valid value. Did you wish to re-enter (Y/N)?");
    unitCodes.code[UnitItem::kTemperature] = 1;
    EXPECT_EQ(LimitsOf(RangeQuantity::kTemperature).low, -2.0f);
    EXPECT_NE(SlotRefusalText(RangeSlot::kTemperatureLow).find("-2 to 300 degrees C. "),
              std::string::npos);
    unitCodes.code[UnitItem::kTemperature] = 2;
    EXPECT_EQ(LimitsOf(RangeQuantity::kTemperature).high, 578.0f);
    const char* names[4] = {"1 to 1,000 atm.", "1 to 1,000 bar.", "14.7 to 14,700 psia.",
                            "100 to 100,000 kPa."};
    for (uint16_t unit = 0; unit < 4; ++unit) {
        unitCodes.code[UnitItem::kPressure] = unit;
        EXPECT_NE(SlotRefusalText(RangeSlot::kPressureHigh).find(names[unit]), std::string::npos)
            << unit;
    }
    unitCodes.code[UnitItem::kGasCo2] = 2;
    EXPECT_EQ(LimitsOf(RangeQuantity::kPco2).high, 14700.0f);
    EXPECT_NE(SlotRefusalText(RangeSlot::kGridPco2High)
                  .find("High pCO2 must be in the range of 0 to 14,700 psia."),
              std::string::npos);

    float v = -1.0f;
    EXPECT_FALSE(ParseRangeValue(" 7.5abc", v));  // read whole, or not at all
    EXPECT_TRUE(ParseRangeValue(" 7.5 ", v));
    EXPECT_EQ(v, 7.5f);
    EXPECT_TRUE(ParseRangeValue("1,000", v));
    EXPECT_EQ(v, 1000.0f);
    EXPECT_FALSE(ParseRangeValue("", v));
    EXPECT_FALSE(ParseRangeValue("abc", v));
}

// The ends of pH, temperature in degrees C and pressure in psia, typed into
// the dialogs: the bound itself passes, just beyond it is refused (No keeps
// the old value and reads on). The what-if pH a point is calculated at
// starts at 0.01, as in the what-if dialog.
TEST_F(RangeDialogTest, BoundsAreInclusiveInTheUnitsShown) {
    const std::string pointPh = SlotRefusalText(RangeSlot::kPhLow);
    win::AnswerMessageBox("WARNING", pointPh, win::IDNO);
    win::AnswerMessageBox("WARNING", SlotRefusalText(RangeSlot::kPhHigh), win::IDNO);
    Open(ChangeRangeTempPH, D::kTempPh, [](win::HWND d) {
        win::SetField(d, C::kLow, "0");
        win::SetField(d, C::kHigh, "14.01");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(whatIfSettings.phLow, 6.0f);
    EXPECT_EQ(whatIfSettings.phHigh, 8.0f);
    Open(ChangeRangeTempPH, D::kTempPh, [](win::HWND d) {
        win::SetField(d, C::kLow, "0.01");
        win::SetField(d, C::kHigh, "14");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(whatIfSettings.phLow, 0.01f);
    EXPECT_EQ(whatIfSettings.phHigh, 14.0f);

    unitCodes.code[UnitItem::kTemperature] = 1;
    unitCodes.code[UnitItem::kPressure] = 2;
    whatIfSettings.temperatureLow = 10.0f;
    whatIfSettings.temperatureHigh = 90.0f;
    whatIfSettings.pressureLow = 20.0f;
    win::ClearMessageBoxLog();
    Answer(RangeSlot::kTemperatureLow, win::IDNO);
    Answer(RangeSlot::kPressureLow, win::IDNO);
    Open(ChangeRangeTempPress, D::kTempPress, [](win::HWND d) {
        win::SetField(d, C::kPressureLow, "14");
        win::SetField(d, C::kTemperatureLow, "-2.5");
        win::PressButton(d, C::kOk);
    });
    ASSERT_EQ(Texts(), (std::vector<std::string>{SlotRefusalText(RangeSlot::kPressureLow),
                                                 SlotRefusalText(RangeSlot::kTemperatureLow)}));
    EXPECT_NE(Texts()[0].find("Low Pressure must be in the range of 14.7 to 14,700 psia"),
              std::string::npos);
    EXPECT_NE(Texts()[1].find("Low Temperature must be in the range of -2 to 300 degrees C"),
              std::string::npos);
    EXPECT_EQ(whatIfSettings.pressureLow, 20.0f);
    EXPECT_EQ(whatIfSettings.temperatureLow, 10.0f);
    Open(ChangeRangeTempPress, D::kTempPress, [](win::HWND d) {
        win::SetField(d, C::kPressureLow, "14.7");
        win::SetField(d, C::kTemperatureLow, "-2");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(whatIfSettings.pressureLow, 14.7f);
    EXPECT_EQ(whatIfSettings.temperatureLow, -2.0f);
}

// Text without a number and percents outside 0 to 100 are refused with their
// quantity's message; template 205 checks pCO2 against the 1,000 atm every
// dialog takes.
TEST_F(RangeDialogTest, TextWithoutNumberAndPercentsAreRefused) {
    // The grid's pH rows are pHs the blend is brought to: 0.01 to 14.
    const std::string gridPh = SlotRefusalText(RangeSlot::kGridPhLow);
    win::AnswerMessageBox("WARNING", gridPh, win::IDNO);
    Answer(RangeSlot::kGridMixLow, win::IDNO);
    Answer(RangeSlot::kGridMixHigh, win::IDNO);
    Open(ChangeRangePHPct, D::kPhPercent, [](win::HWND d) {
        win::SetField(d, C::kLow, "low");
        win::SetField(d, C::kGridPercentLow, "-5");
        win::SetField(d, C::kGridPercentHigh, "100.5");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(gridPh, SlotRefusalText(RangeSlot::kPhLow));
    EXPECT_EQ(Texts(), (std::vector<std::string>{gridPh, SlotRefusalText(RangeSlot::kGridMixLow),
                                                 SlotRefusalText(RangeSlot::kGridMixHigh)}));
    EXPECT_EQ(graphRangeSettings.gridPhLow, 5.0f);
    EXPECT_EQ(mixingZoneSettings.gridMixLow, 0.0f);
    EXPECT_EQ(mixingZoneSettings.gridMixHigh, 100.0f);

    win::ClearMessageBoxLog();
    Answer(RangeSlot::kGridPco2High, win::IDNO);
    graphRangeSettings.gridPco2High = 20000.0f;
    Open(ChangeRangeTempPCO2Pct, D::kTempPco2Percent, [](win::HWND d) {
        EXPECT_EQ(Field(d, C::kHigh), "1.00");  // beyond 1,000 atm: the default
        win::SetField(d, C::kLow, "1000");
        win::SetField(d, C::kHigh, "1001");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(Texts(), std::vector<std::string>{SlotRefusalText(RangeSlot::kGridPco2High)});
    EXPECT_EQ(graphRangeSettings.gridPco2Low, 1000.0f);
    EXPECT_EQ(graphRangeSettings.gridPco2High, 20000.0f);
}

// The fields open with the stored values, or with their defaults in the
// current units when a stored value is outside the field's bounds; the unit
// label follows the temperature unit.
TEST_F(RangeDialogTest, FieldsOpenWithStoredValuesOrDefaults) {
    whatIfOptions.forcePhToEvalForPressure = 1;  // the points held at the evaluation pH
    Open(ChangeRangeTempAtPH, D::kTempAtPh, [](win::HWND d) {
        EXPECT_EQ(Field(d, C::kAtPh), "7");
        EXPECT_EQ(Field(d, C::kTemperatureLow), "60");
        EXPECT_EQ(Field(d, C::kTemperatureHigh), "180");
        win::PressButton(d, C::kCancel);
    });
    unitCodes.code[UnitItem::kTemperature] = 1;
    unitCodes.code[UnitItem::kPressure] = 2;
    whatIfSettings.temperatureEval = 400.0f;
    whatIfSettings.pressureLow = 1.0f;
    whatIfSettings.pressureHigh = 20000.0f;
    Open(ChangeRangePressAtTemp, D::kPressAtTemp, [](win::HWND d) {
        EXPECT_EQ(Field(d, C::kTemperatureUnit), "Deg C");
        EXPECT_EQ(Field(d, C::kAtTemperature), "25.0");
        EXPECT_EQ(Field(d, C::kPressureLow), "14.7");
        EXPECT_EQ(Field(d, C::kPressureHigh), "14700");
        win::PressButton(d, C::kCancel);
    });
    whatIfSettings.temperatureLow = 500.0f;
    whatIfSettings.temperatureHigh = -10.0f;
    graphRangeSettings.gridMixHigh = mixingZoneSettings.gridMixHigh = 0.0f;
    mixingZoneSettings.gridMixLow = -1.0f;
    mixingZoneSettings.mixTypicalPercent = -3.0f;
    Open(ChangeRangeTempPHPct, D::kTempPhPercent, [](win::HWND d) {
        EXPECT_EQ(Field(d, C::kAtPercent), "16.67");
        win::PressButton(d, C::kCancel);
    });
    Open(ChangeRangeTempPct, D::kTempPercent, [](win::HWND d) {
        EXPECT_EQ(Field(d, C::kGridPercentLow), "0.0");
        EXPECT_EQ(Field(d, C::kGridPercentHigh), "0.0");
        win::PressButton(d, C::kCancel);
    });
    Open(ChangeRangeTempPH, D::kTempPh, [](win::HWND d) {
        EXPECT_EQ(Field(d, C::kTemperatureLow), "20.0");
        EXPECT_EQ(Field(d, C::kTemperatureHigh), "50.0");
        win::PressButton(d, C::kCancel);
    });
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

// Equal ends warn at opening, in the member's order, unless they are 0; the
// percent pairs warn once at most.
TEST_F(RangeDialogTest, DegenerateRangesWarnAtOpening) {
    whatIfSettings.temperatureLow = whatIfSettings.temperatureHigh = 100.0f;
    whatIfSettings.pressureLow = whatIfSettings.pressureHigh = 5.0f;
    mixingZoneSettings.gridMixLow = mixingZoneSettings.gridMixHigh = 30.0f;
    mixingZoneSettings.mixLowPercent = mixingZoneSettings.mixHighPercent = 30.0f;
    Open(ChangeRangePressAtTemp, D::kPressAtTemp,
         [](win::HWND d) { win::PressButton(d, C::kCancel); });
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{
                  "Minimum and Maximum Temperature cannot be the same! Please change to a valid "
                  "range!",
                  "Minimum and Maximum.press cannot be the same! Please change to a valid range!",
                  "Minimum and Maximum Percent cannot be the same! Please change to a valid "
                  "range!"}));
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");

    win::ClearMessageBoxLog();
    whatIfSettings.temperatureLow = whatIfSettings.temperatureHigh = 0.0f;
    whatIfSettings.pco2Low = whatIfSettings.pco2High = 0.0f;
    Open(ChangeRangeTempPCO2, D::kTempPco2, [](win::HWND d) { win::PressButton(d, C::kCancel); });
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

// Template 191 with a stored pH of 15: the field shows 7.60, OK stores 7.6
// and marks the grid and the pH profile stale, not the temperature profile.
TEST_F(RangeDialogTest, OutOfBoundsStoredValueIsReplacedByItsDefault) {
    whatIfSettings.phLow = 15.0f;
    EXPECT_EQ(Open(ChangeRangeTempPH, D::kTempPh,
                   [](win::HWND d) {
                       EXPECT_EQ(Field(d, C::kLow), "7.60");
                       win::PressButton(d, C::kOk);
                   }),
              1);
    EXPECT_EQ(whatIfSettings.phLow, 7.6f);
    EXPECT_EQ(resultStatus.gridDone, 0);
    EXPECT_EQ(resultStatus.phProfileDone, 0);
    EXPECT_EQ(resultStatus.tempProfileDone, 1);
    EXPECT_EQ(rangeSnapshot.whatIf.phLow, 15.0f);
}

// No on the first field: the later valid fields are stored and mark stale,
// the validator answers -1 and the dialog closes.
TEST_F(RangeDialogTest, NoKeepsTheOldValueAndReadsOn) {
    win::AnswerMessageBox("WARNING", SlotRefusalText(RangeSlot::kPhLow), win::IDNO);
    int result = 0;
    Open(ChangeRangeTempPH, D::kTempPh, [&result](win::HWND d) {
        win::SetField(d, C::kLow, "20");
        win::SetField(d, C::kTemperatureHigh, "150");
        result = ReadRangeTempPH(d);
        win::PressButton(d, C::kCancel);
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(resultStatus.tempProfileDone, 0);
    EXPECT_EQ(resultStatus.gridDone, 0);
    EXPECT_EQ(resultStatus.phProfileDone, 1);
}

// A high end below its low end (572 to 130 degrees F) draws no graph: No puts
// both ends back, Yes keeps the dialog at the high end.
TEST_F(RangeDialogTest, AHighBelowItsLowIsAsked) {
    whatIfSettings.temperatureLow = 60.0f;
    whatIfSettings.temperatureHigh = 120.0f;
    const std::string question = OrderRefusalText(RangeSlot::kTemperatureHigh);
    EXPECT_EQ(question,
              "The High Temperature is below the Low Temperature. Please re-enter a valid value. "
              "Did you wish to re-enter (Y/N)?");
    win::AnswerMessageBox("WARNING", question, win::IDNO);
    Open(ChangeRangeTempPress, D::kTempPress, [](win::HWND d) {
        win::SetField(d, C::kTemperatureLow, "572");
        win::SetField(d, C::kTemperatureHigh, "130");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(Texts(), std::vector<std::string>{question});
    EXPECT_EQ(whatIfSettings.temperatureLow, 60.0f);
    EXPECT_EQ(whatIfSettings.temperatureHigh, 120.0f);

    win::AnswerMessageBox("WARNING", question, win::IDYES);
    Open(ChangeRangeTempPress, D::kTempPress, [](win::HWND d) {
        win::SetField(d, C::kTemperatureLow, "572");
        win::SetField(d, C::kTemperatureHigh, "130");
        EXPECT_EQ(ReadRangeTempPress(d), C::kTemperatureHigh);
        win::PressButton(d, C::kCancel);
    });
    EXPECT_EQ(whatIfSettings.temperatureLow, 60.0f);
    EXPECT_EQ(whatIfSettings.temperatureHigh, 120.0f);
}

// Yes: the dialog stays at that field with the earlier fields stored and
// nothing stale; a Cancel then puts the stored fields back.
TEST_F(RangeDialogTest, YesStaysOpenAndCancelPutsBackWhatWasStored) {
    Answer(RangeSlot::kGridTemperatureLow, win::IDYES);
    const RangeSettings before = GatherRangeSettings();
    Open(ChangeRangeTempPHPct, D::kTempPhPercent, [](win::HWND d) {
        win::SetField(d, C::kLow, "6.5");
        win::SetField(d, C::kHigh, "8.5");
        win::SetField(d, C::kTemperatureLow, "900");
        win::SetField(d, C::kAtPercent, "40");
        EXPECT_EQ(ReadRangeTempPHPct(d), C::kTemperatureLow);
        EXPECT_EQ(graphRangeSettings.gridPhLow, 6.5f);
        EXPECT_EQ(graphRangeSettings.gridPhHigh, 8.5f);
        EXPECT_EQ(mixingZoneSettings.mixTypicalPercent, 20.0f);  // not read
        win::PressButton(d, C::kCancel);
    });
    const RangeSettings after = GatherRangeSettings();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);

    // Through the OK button: the dialog stays open.
    std::vector<std::string> failures;
    win::SetScriptFailureHandler(
        [&failures](const std::string& what) { failures.push_back(what); });
    Answer(RangeSlot::kGridTemperatureLow, win::IDYES);
    Open(ChangeRangeTempPHPct, D::kTempPhPercent, [](win::HWND d) {
        win::SetField(d, C::kTemperatureLow, "900");
        win::PressButton(d, C::kOk);
    });
    win::SetScriptFailureHandler(nullptr);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("still open"), std::string::npos);

    Open(ChangeRangeTempPHPct, D::kTempPhPercent, [](win::HWND d) {
        win::SetField(d, C::kTemperatureLow, "70");
        win::SetField(d, C::kAtPercent, "40");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(graphRangeSettings.gridTemperatureLow, 70.0f);
    // The typical percent goes into both copies; the mixing members mark nothing.
    EXPECT_EQ(mixingZoneSettings.mixTypicalPercent, 40.0f);
    EXPECT_EQ(graphRangeSettings.mixTypicalPercent, 40.0f);
    EXPECT_EQ(resultStatus.gridDone, 1);
    EXPECT_EQ(resultStatus.mixGridDone[2], 1);
}

// Cancel on any member leaves every range record and flag as it was, even
// when the fields were edited and a stored value was out of bounds.
TEST_F(RangeDialogTest, CancelLeavesEverythingUnchanged) {
    whatIfSettings.phHigh = 40.0f;
    const RangeSettings before = GatherRangeSettings();
    for (int id : {D::kTempPh, D::kTempPco2, D::kTempPhPercent, D::kTempPco2Percent,
                   D::kTempPercent, D::kPhPercent, D::kPco2Percent, D::kTempPress, D::kPhAtTemp,
                   D::kTempAtPh, D::kPercent, D::kPressAtTemp}) {
        const RangeMember* m = FindRangeMember(id);
        ASSERT_NE(m, nullptr);
        win::OnDialog(
            id,
            [m](win::HWND d) {
                for (int i = 0; i < m->fieldCount; ++i) win::SetField(d, m->fields[i].control, "3");
                win::PressButton(d, C::kCancel);
            },
            1);
        EXPECT_EQ(OpenRangeDialog(*m, nullptr), 1);
        const RangeSettings after = GatherRangeSettings();
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << id;
    }
    EXPECT_EQ(resultStatus.gridDone, 1);
    EXPECT_EQ(resultStatus.tempProfileDone, 1);
}

// Each member reads each box once, the 3D graphs' members take the 3D
// snapshot, and each warning names a quantity its dialog ranges over.
TEST_F(RangeDialogTest, EveryMemberReadsDistinctBoxesAndWarnsOfItsOwnRanges) {
    const int threeD[] = {D::kTempPh,      D::kTempPco2,  D::kTempPhPercent, D::kTempPco2Percent,
                          D::kTempPercent, D::kPhPercent, D::kPco2Percent,   D::kTempPress};
    const int twoD[] = {D::kPhAtTemp, D::kTempAtPh, D::kPercent, D::kPressAtTemp};
    const std::vector<std::string> quantities = {
        " Temperature", " pH", " pCO2", " Pressure", ".press", " Percent", " Percent Injection"};
    auto check = [&](int id, bool is3D) {
        const RangeMember* m = FindRangeMember(id);
        ASSERT_NE(m, nullptr) << id;
        EXPECT_EQ(m->threeD, is3D) << id;
        ASSERT_GE(m->fieldCount, 2) << id;
        for (int i = 0; i < m->fieldCount; ++i)
            for (int j = i + 1; j < m->fieldCount; ++j)
                EXPECT_NE(m->fields[i].control, m->fields[j].control) << id;
        ASSERT_GE(m->warningCount, 1) << id;
        for (int i = 0; i < m->warningCount; ++i)
            EXPECT_NE(std::find(quantities.begin(), quantities.end(), m->warnings[i].quantity),
                      quantities.end())
                << id;
    };
    for (int id : threeD) check(id, true);
    for (int id : twoD) check(id, false);
    EXPECT_EQ(FindRangeMember(192), nullptr);
}

// The grid percents go into GraphRangeSettings and MixingZoneSettings.
TEST_F(RangeDialogTest, GridPercentsGoIntoBothCopies) {
    Open(ChangeRangeTempPct, D::kTempPercent, [](win::HWND d) {
        win::SetField(d, C::kGridPercentLow, "10");
        win::SetField(d, C::kGridPercentHigh, "70");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(graphRangeSettings.gridMixLow, 10.0f);
    EXPECT_EQ(graphRangeSettings.gridMixHigh, 70.0f);
    EXPECT_EQ(mixingZoneSettings.gridMixLow, 10.0f);
    EXPECT_EQ(mixingZoneSettings.gridMixHigh, 70.0f);
    EXPECT_EQ(mixingZoneSettings.mixLowPercent, 0.0f);  // the profile's percents stay
}

// The mixing profile: equal percents warn at opening and again at OK, which
// keeps them and sets a step of 0; otherwise the step is a sixth.
TEST_F(RangeDialogTest, ProfilePercentsAndTheirStep) {
    mixingZoneSettings.mixLowPercent = mixingZoneSettings.mixHighPercent = 20.0f;
    Open(ChangeRangePercent, D::kPercent, [](win::HWND d) {
        EXPECT_EQ(Field(d, C::kProfilePercentLow), "20");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{
                  "Minimum and Maximum Percent cannot be the same! Please change to a valid "
                  "range!",
                  "Start and Final Cycles cannot be the same!  Please correct."}));
    EXPECT_EQ(mixingZoneSettings.mixStepPercent, 0.0f);
    Open(ChangeRangePercent, D::kPercent, [](win::HWND d) {
        win::SetField(d, C::kProfilePercentLow, "10");
        win::SetField(d, C::kProfilePercentHigh, "70");
        win::PressButton(d, C::kOk);
    });
    EXPECT_EQ(mixingZoneSettings.mixStepPercent, 10.0f);
    EXPECT_EQ(graphRangeSettings.gridMixHigh, 100.0f);
    EXPECT_EQ(resultStatus.mixProfileDone, 1);
}

// Which flags a change clears, per rule.
TEST_F(RangeDialogTest, StaleFlagTable) {
    struct Case {
        RangeStale rule;
        RangeSlot changed;
        bool varyPco2;
        const char* cleared;  // t emp, p H, P ressure profiles; g rid
    };
    using S = RangeSlot;
    const Case cases[] = {
        {RangeStale::kTemperatureGrid, S::kTemperatureLow, false, "tg"},
        {RangeStale::kTemperatureGrid, S::kPhHigh, false, "gp"},
        {RangeStale::kTemperatureGrid, S::kPhHigh, true, ""},
        {RangeStale::kTemperatureGrid, S::kPco2Low, true, "gp"},
        {RangeStale::kPressureGrid, S::kTemperatureHigh, false, "tg"},
        {RangeStale::kPressureGrid, S::kPressureLow, false, "gP"},
        {RangeStale::kProfile, S::kPhEval, false, "tgp"},
        {RangeStale::kProfile, S::kTemperatureEval, false, "tgp"},
        {RangeStale::kProfile, S::kPressureLow, false, ""},
        {RangeStale::kPressureProfile, S::kPressureHigh, false, "tgP"},
        {RangeStale::kPressureProfile, S::kTemperatureEval, false, "tgPp"},
        {RangeStale::kPressureProfile, S::kTemperatureLow, false, ""},
        {RangeStale::kNone, S::kGridMixHigh, false, ""},
    };
    for (const Case& c : cases) {
        const RangeSettings before = GatherRangeSettings();
        RangeSettings after = before;
        StoreSlot(after, c.changed, SlotValue(before, c.changed) + 1.0f);
        ResultStatus r{};
        r.tempProfileDone = r.phProfileDone = r.pressureProfileDone = r.gridDone = 1;
        MarkRangeStale(c.rule, before, after, c.varyPco2, r);
        std::string cleared;
        if (r.tempProfileDone == 0) cleared += 't';
        if (r.gridDone == 0) cleared += 'g';
        if (r.pressureProfileDone == 0) cleared += 'P';
        if (r.phProfileDone == 0) cleared += 'p';
        EXPECT_EQ(cleared, c.cleared)
            << static_cast<int>(c.rule) << " " << static_cast<int>(c.changed);
    }
}

// The picture's size and place for the 3D and the 2D graph.
TEST(RangePreviewTest, PictureIsScaledAndPlaced) {
    const win::RECT client{0, 0, 300, 250};
    PreviewPlacement p = PlaceGraphPreview(client, 400, 200, true);
    EXPECT_EQ(p.width, 294);
    EXPECT_EQ(p.height, 147);
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 37);
    p = PlaceGraphPreview(client, 400, 200, false);
    EXPECT_EQ(p.width, 241);
    EXPECT_EQ(p.height, 120);
    EXPECT_EQ(p.x, 29);
    EXPECT_EQ(p.y, 37);
    EXPECT_EQ(PlaceGraphPreview(client, 0, 200, true).width, 0);
}

// The dialog shows the snapshot on white, and still shows it after a
// repaint; the snapshot goes when the dialog ends.
void RedSnapshot() {
    win::HDC screen = win::GetDC(nullptr);
    graphSnapshot.bitmap = win::CreateCompatibleBitmap(screen, 400, 200);
    win::HDC memory = win::CreateCompatibleDC(screen);
    win::HGDIOBJ old = win::SelectObject(memory, graphSnapshot.bitmap);
    win::HBRUSH red = win::CreateSolidBrush(0x0000FF);
    const win::RECT all{0, 0, 400, 200};
    win::FillRect(memory, &all, red);
    win::SelectObject(memory, old);
    win::DeleteObject(red);
    win::DeleteDC(memory);
    win::ReleaseDC(nullptr, screen);
    graphSnapshot.width = 400;
    graphSnapshot.height = 200;
    snapshotIs3D = 0;
}

TEST_F(RangeDialogTest, PictureOfTheGraphStaysUntilTheDialogEnds) {
    Open(ChangeRangeTempAtPH, D::kTempAtPh, [](win::HWND d) {
        RedSnapshot();
        win::RECT client{};
        win::GetClientRect(d, &client);
        const PreviewPlacement p = PlaceGraphPreview(client, 400, 200, false);
        for (int paint = 0; paint < 2; ++paint) {
            win::InvalidateRect(d, nullptr, win::TRUE);
            win::UpdateWindow(d);
            win::HDC dc = win::GetDC(d);
            EXPECT_EQ(win::GetPixel(dc, p.x + p.width / 2, p.y + 2), 0x0000FFu) << paint;
            EXPECT_EQ(win::GetPixel(dc, p.x + p.width / 2, p.y - 3), 0xFFFFFFu) << paint;
            win::ReleaseDC(d, dc);
        }
        EXPECT_NE(graphSnapshot.bitmap, nullptr);
        win::PressButton(d, C::kCancel);
    });
    EXPECT_EQ(graphSnapshot.bitmap, nullptr);
}

// The captions along the graph's lower edge (the 3D floor's units, the 2D
// axis title) stay clear of every box, label and button, with the graph
// window's client area of a 1024 x 768 and of a 1280 x 1024 desktop.
std::vector<win::TextBox> captionBoxes;

void PaintCaptions(win::HDC dc, win::HWND hwnd) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    const int w = client.right, h = client.bottom;
    const struct {
        double x, y;
        const char* text;
    } captions[] = {{0.03, 0.93, "0.0"},
                    {0.42, 0.90, "\xB0" "F"},
                    {0.54, 0.91, "pH"},
                    {0.45, 0.95, "Temperature \xB0" "F"},
                    {0.90, 0.93, "100"}};
    for (const auto& c : captions)
        win::TextOut(dc, static_cast<int>(c.x * w), static_cast<int>(c.y * h), c.text,
                     static_cast<int>(std::strlen(c.text)));
    captionBoxes = win::TextBoxesOf(hwnd);
}

TEST_F(RangeDialogTest, ControlsLeaveTheCaptionsOfThePictureClear) {
    for (const auto& size : {std::pair{1024, 719}, std::pair{1270, 942}}) {
        win::RecordTextBoxes(true);
        PaintInWindow(PaintCaptions, size.first, size.second);
        win::RecordTextBoxes(false);
        ASSERT_EQ(captionBoxes.size(), 5u);
        for (int id : {D::kTempPh, D::kTempPco2, D::kTempPhPercent, D::kTempPco2Percent,
                       D::kTempPercent, D::kPhPercent, D::kPco2Percent, D::kTempPress,
                       D::kPhAtTemp, D::kTempAtPh, D::kPercent, D::kPressAtTemp}) {
            const RangeMember* m = FindRangeMember(id);
            ASSERT_NE(m, nullptr);
            win::OnDialog(
                id,
                [&](win::HWND d) {
                    RedSnapshot();
                    graphSnapshot.width = size.first;
                    graphSnapshot.height = size.second;
                    snapshotIs3D = m->threeD ? 1 : 0;
                    win::RECT client{};
                    win::GetClientRect(d, &client);
                    const PreviewPlacement p =
                        PlaceGraphPreview(client, size.first, size.second, m->threeD,
                                          PreviewRoomBottom(d, client));
                    // Readable: at least half the dialog's width.
                    EXPECT_GE(2 * p.width, client.right) << id;
                    for (const win::TextBox& b : captionBoxes) {
                        const win::RECT at{p.x + b.ink.left * p.width / size.first,
                                           p.y + b.ink.top * p.height / size.second,
                                           p.x + b.ink.right * p.width / size.first,
                                           p.y + b.ink.bottom * p.height / size.second};
                        for (win::HWND c = win::GetWindow(d, win::GW_CHILD); c != nullptr;
                             c = win::GetWindow(c, win::GW_HWNDNEXT)) {
                            win::RECT r{};
                            ASSERT_TRUE(win::GetWindowRect(c, &r));
                            win::POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
                            win::MapWindowPoints(nullptr, d, corners, 2);
                            const bool covers = corners[0].x < at.right && at.left < corners[1].x &&
                                                corners[0].y < at.bottom && at.top < corners[1].y;
                            EXPECT_FALSE(covers)
                                << id << " " << size.first << ": control "
                                << win::GetDlgCtrlID(c) << " covers \"" << b.text << "\"";
                        }
                    }
                    win::PressButton(d, C::kCancel);
                },
                1);
            (void)OpenRangeDialog(*m, nullptr);
        }
    }
}

// An OK on an unchanged dialog changes nothing: a temperature a change of
// units converted past the end of the unit's range (578 K is 580.712 F) and a
// pressure below it (1 atm is 14.6959 psia) are shown and kept, and so is the
// mixing profile's step (seen failing: the temperature showed its default and
// the step was rewritten from the percentages).
TEST_F(RangeDialogTest, AnUnchangedOkKeepsEveryValue) {
    unitCodes.code[UnitItem::kPressure] = 2;
    whatIfSettings.temperatureHigh = 580.712f;
    whatIfSettings.pressureLow = 14.6959f;
    mixingZoneSettings.mixStepPercent = 9.99999f;
    const WhatIfSettings before = whatIfSettings;
    Open(ChangeRangeTempPress, D::kTempPress, [](win::HWND d) { win::PressButton(d, C::kOk); });
    Open(ChangeRangePercent, D::kPercent, [](win::HWND d) { win::PressButton(d, C::kOk); });
    EXPECT_TRUE(Texts().empty()) << Texts()[0];
    EXPECT_EQ(whatIfSettings.temperatureHigh, before.temperatureHigh);
    EXPECT_EQ(whatIfSettings.pressureLow, before.pressureLow);
    EXPECT_EQ(whatIfSettings.temperatureLow, before.temperatureLow);
    EXPECT_EQ(mixingZoneSettings.mixStepPercent, 9.99999f);
}

}  // namespace
}  // namespace graphtest
