// The multi-mix water input on template 115: moving between the waters,
// reading and showing a water, what it calculates, the weight question and
// its two pages.
#include "input/multimix/multimix_dialog.h"

#include <cmath>
#include <string>
#include <vector>

#include "input/clipboard/clipboard_analysis.h"
#include "input/multimix/multimix_calc.h"
#include "input/multimix/multimix_fields.h"
#include "input/multimix/multimix_input_records.h"
#include "input/multimix/multimix_moves.h"
#include "input/unit_factor_table.h"
#include "input/waterform/form_captions.h"
#include "input/waterform/predict_ph.h"
#include "input/waterform/water_form.h"
#include "pages/frame/page_classes.h"
#include "platform/gdi/surface.h"
#include "scenarios/multimix/multimix_records.h"
#include "tests/input/waterform/form_fixture.h"

namespace formtest {
namespace {

namespace M = MultiMixControl;

// What one calculation of the engine saw.
struct CalcCall {
    uint16_t mode;
    int32_t currentWater;
    int32_t editIndex;
    uint16_t runTargetSolvers;
};
std::vector<CalcCall> calls;

void RecordCalc(uint16_t mode, win::HWND) {
    calls.push_back(CalcCall{mode, mainWindowState.currentWater, multiMixState.editIndex,
                             resultStatus.runTargetSolvers});
}

class MultiMixDialogTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        InitUnitFactors();
        ResetMultiMixRecords();
        ResetMultiMixInputRecords();
        calls.clear();
        InstallMultiMixInputServices(MultiMixInputServices{RecordCalc});
        mainWindowState.currentWater = WaterSelector::kSurface;
    }
    void TearDown() override {
        InstallMultiMixInputServices(MultiMixInputServices{});
        FormTest::TearDown();
    }

    // Runs the dialog once with `steps` inside; returns its result.
    int Run(const std::function<void(win::HWND)>& steps) {
        win::OnDialog(
            DialogId::kMultiMixLarge, [&](win::HWND d) { steps(d); }, 1);
        return ShowMultiMixDialog();
    }

    // `n` stored waters: calcium 100, 200 ... and a weight each.
    static void StoreWaters(int n) {
        MultiMixState& m = multiMixState;
        for (int k = 0; k < n; ++k) {
            float* v = m.sourceWaters[k].values;
            v[E::kCalcium] = 100.0f * static_cast<float>(k + 1);
            v[E::kPh] = 7.0f;
            v[E::kTemperature] = 25.0f;
            v[E::kDensity] = 1.0f;
            v[E::kPressure] = 1.0f;
            v[E::kPco2] = 0.0003162f;
            m.weightPercent[k] = 50.0f;
            m.multiMixEntered[k] = 1;
        }
        m.lastWaterIndex = n - 1;
        m.editIndex = 0;
    }

    static void Set(win::HWND d, int id, const std::string& text) { win::SetField(d, id, text); }
    static void Press(win::HWND d, int id) { win::PressButton(d, id); }
    static bool Enabled(win::HWND d, int id) {
        return win::IsWindowEnabled(win::GetDlgItem(d, id)) != 0;
    }
    static int Boxes(const std::string& text) {
        int n = 0;
        for (const win::MessageBoxRecord& r : win::MessageBoxLog()) n += r.text == text ? 1 : 0;
        return n;
    }
};

TEST(MultiMixTemplate, ChosenByDesktopHeight) {
    EXPECT_EQ(MultiMixTemplate(900), DialogId::kMultiMixSmall);
    EXPECT_EQ(MultiMixTemplate(901), DialogId::kMultiMixMedium);
    EXPECT_EQ(MultiMixTemplate(1000), DialogId::kMultiMixMedium);
    EXPECT_EQ(MultiMixTemplate(1001), DialogId::kMultiMixLarge);
    EXPECT_EQ(DialogId::kMultiMixSmall, 116);
    EXPECT_EQ(DialogId::kMultiMixMedium, 117);
    EXPECT_EQ(DialogId::kMultiMixLarge, 115);
}

// ---- Moving between the waters ---------------------------------------------------

TEST_F(MultiMixDialogTest, NextPastTheLastWaterAsksAndNoStays) {
    StoreWaters(2);
    multiMixState.editIndex = 1;
    win::AnswerMessageBox(kLastAnalysisCaption, kAddWaterQuestion, win::IDNO);
    Run([](win::HWND d) {
        EXPECT_EQ(Field(d, M::kNextOrAdd), "ADD NEW");
        Press(d, M::kNextOrAdd);
        EXPECT_EQ(multiMixState.editIndex, 1);
        EXPECT_EQ(Field(d, M::kWaterNumber), "2");
        EXPECT_EQ(Field(d, M::kNextOrAdd), "ADD NEW");
        EXPECT_TRUE(Enabled(d, M::kNextOrAdd));
        Press(d, M::kCancel);
    });
    EXPECT_EQ(multiMixState.lastWaterIndex, 1);
    EXPECT_EQ(Boxes(kAddWaterQuestion), 1);

    // Yes adds a water past the last: its button is greyed until OK stores it.
    win::AnswerMessageBox(kLastAnalysisCaption, kAddWaterQuestion, win::IDYES);
    Run([](win::HWND d) {
        Press(d, M::kNextOrAdd);
        EXPECT_EQ(multiMixState.editIndex, 2);
        EXPECT_EQ(multiMixState.addingNewWater, 1);
        EXPECT_EQ(Field(d, M::kWaterNumber), "3");
        EXPECT_EQ(Field(d, M::kWaterCount), "3");  // the water being added counts
        EXPECT_EQ(Field(d, M::kNextOrAdd), "ADD NEW");
        EXPECT_FALSE(Enabled(d, M::kNextOrAdd));
        Press(d, M::kCancel);
    });
}

// The keyboard starts on OK, and a water added shows its amounts blank, so a
// click and a number typed is the number (seen failing: the keyboard on ADD
// NEW, and "0.00" in every field, which a click and "200" made 0.00200).
TEST_F(MultiMixDialogTest, AWaterAddedStartsBlankWithTheKeyboardOnOk) {
    StoreWaters(1);
    win::AnswerMessageBox(kLastAnalysisCaption, kAddWaterQuestion, win::IDYES);
    Run([](win::HWND d) {
        EXPECT_EQ(win::GetFocus(), win::GetDlgItem(d, M::kOk));
        EXPECT_EQ(Field(d, C::kCalcium), "100.00   ");
        Press(d, M::kNextOrAdd);
        ASSERT_EQ(multiMixState.editIndex, 1);
        const int blank[] = {C::kCalcium, C::kBarium, 404, 414, M::kWeight};  // 404 Na, 414 Cl
        for (int id : blank)
            EXPECT_EQ(Field(d, id), "") << id;
        Press(d, M::kCancel);
    });
}

TEST_F(MultiMixDialogTest, TwelveWatersAtMost) {
    StoreWaters(12);
    multiMixState.editIndex = 11;
    Run([](win::HWND d) {
        Press(d, M::kNextOrAdd);
        EXPECT_EQ(multiMixState.editIndex, 11);
        Press(d, M::kCancel);
    });
    EXPECT_EQ(Boxes(kTwelveWatersText), 1);
    EXPECT_EQ(Boxes(kAddWaterQuestion), 0);
    EXPECT_EQ(win::MessageBoxLog().back().caption, kLastAnalysisCaption);

    // A damaged file's indices are brought into range when the dialog opens.
    multiMixState.editIndex = 40;
    multiMixState.lastWaterIndex = -7;
    Run([](win::HWND d) { Press(d, M::kCancel); });
    EXPECT_EQ(multiMixState.editIndex, 11);
    EXPECT_EQ(multiMixState.lastWaterIndex, 0);
}

// GO TO # takes the number of a stored water; any other number is refused
// with the span, and the water shown stays.
TEST_F(MultiMixDialogTest, GoToAndPrevious) {
    StoreWaters(3);
    Run([](win::HWND d) {
        Set(d, M::kGoToNumber, "3");
        Press(d, M::kGoTo);
        EXPECT_EQ(multiMixState.editIndex, 2);
        EXPECT_EQ(Field(d, M::kNextOrAdd), "ADD NEW");
        for (const char* typed : {"0", "-3", "13", "4", "1.5"}) {
            win::ClearMessageBoxLog();
            Set(d, M::kGoToNumber, typed);
            Press(d, M::kGoTo);
            EXPECT_EQ(multiMixState.editIndex, 2) << typed;
            ASSERT_EQ(win::MessageBoxLog().size(), 1u) << typed;
            EXPECT_EQ(win::MessageBoxLog()[0].text,
                      "\"" + std::string(typed) +
                          "\" is outside the range of GO TO # (a water from 1 to 3). Please "
                          "enter a value in that range.");
        }
        Set(d, M::kGoToNumber, "2");
        Press(d, M::kGoTo);
        EXPECT_EQ(Field(d, M::kNextOrAdd), "NEXT");
        EXPECT_TRUE(Enabled(d, M::kNextOrAdd));
        EXPECT_NEAR(Number(d, C::kCalcium), 200.0, 1e-3);
        Press(d, M::kPrevious);
        Press(d, M::kPrevious);
        EXPECT_EQ(multiMixState.editIndex, 0);
        EXPECT_NEAR(Number(d, C::kCalcium), 100.0, 1e-3);
        Press(d, M::kCancel);
    });
}

// Each moving key reads the water it leaves, as its button does: the 999
// typed for water 3 is stored and calculated once, and no other water is.
TEST_F(MultiMixDialogTest, KeysReadTheWaterTheyLeave) {
    StoreWaters(5);
    multiMixState.editIndex = 2;
    Run([](win::HWND d) {
        Set(d, C::kCalcium, "999");
        win::SetFocus(d);
        const std::pair<int, int> steps[] = {
            {win::VK_END, 4},  {win::VK_HOME, 0}, {'3', 4},        {'1', 0},
            {win::VK_DOWN, 1}, {win::VK_NEXT, 2}, {win::VK_UP, 1}, {win::VK_PRIOR, 0},
        };
        for (const auto& [key, index] : steps) {
            win::PressKey(key);
            EXPECT_EQ(multiMixState.editIndex, index) << key;
            EXPECT_EQ(Field(d, M::kNextOrAdd), index == 4 ? "ADD NEW" : "NEXT") << key;
            EXPECT_TRUE(Enabled(d, M::kNextOrAdd));
        }
        Press(d, M::kCancel);
    });
    EXPECT_EQ(multiMixState.sourceWaters[2].values[E::kCalcium], 999.0f);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].editIndex, 2);
}

// ---- Reading and showing ---------------------------------------------------------

TEST_F(MultiMixDialogTest, TimeAndPh) {
    StoreWaters(1);
    multiMixState.sourceWaters[0].sampleTime = 815;
    Run([](win::HWND d) {
        EXPECT_EQ(Field(d, C::kTime), "08:15");
        for (const auto& [typed, shown] :
             {std::pair{"1230", "12:30"}, std::pair{"5", "00:05"}, std::pair{"123456", "123456"}}) {
            Set(d, C::kTime, typed);
            EXPECT_EQ(Field(d, C::kTime), shown) << typed;  // no time of day: kept to correct
        }
        Set(d, C::kPh, "-1");
        Press(d, M::kOk);  // refused by name; the dialog stays
        EXPECT_TRUE(win::IsWindow(d));
        EXPECT_EQ(win::MessageBoxLog().back().text.find("\"123456\" typed for Time"), 0u);
        Set(d, C::kTime, "5");
        Press(d, M::kOk);
    });
    const WaterAnalysis& w = multiMixState.sourceWaters[0];
    EXPECT_EQ(w.sampleTime, 5);
    EXPECT_EQ(w.values[E::kPh], -1.0f);

    multiMixState.sourceWaters[0].values[E::kCompanionPh] = -1.0f;
    Run([](win::HWND d) {
        Set(d, C::kPh, "");
        Press(d, M::kOk);
    });
    EXPECT_EQ(multiMixState.sourceWaters[0].values[E::kPh], -1.0f);
}

TEST_F(MultiMixDialogTest, DefaultsDatesTextsAndAlkalinity) {
    StoreWaters(1);
    WaterAnalysis& w = multiMixState.sourceWaters[0];
    w.values[E::kTemperature] = 0.0f;  // degrees C: shown and stored as 25
    w.reportDate = 51296;              // 12 May 1996 in the older form
    unitCodes.code[UnitItem::kResidenceTime] = 2;
    alkalinityMode = 5;
    Run([](win::HWND d) {
        EXPECT_NEAR(Number(d, C::kTemperature), 25.0, 1e-6);
        EXPECT_EQ(Field(d, C::kReportDate), "05-12-1996");
        EXPECT_EQ(Field(d, M::kResidenceCaption), "(hours)  ");
        Set(d, M::kResidenceTime, "2");
        Set(d, C::kDescription0, std::string(50, 'W'));
        Set(d, C::kMAlkalinity, "1");
        Press(d, M::kOk);
    });
    EXPECT_EQ(w.values[E::kTemperature], 25.0f);
    EXPECT_EQ(w.reportDate, 960512);
    EXPECT_EQ(std::string(multiMixState.descriptions[0].text[0]), std::string(39, 'W'));
    EXPECT_FLOAT_EQ(currentResidenceTime, 7200.0f);
    const float expected[5] = {2.0f, 0.0833333f, 2.0f, 120.0f, 7200.0f};
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(multiMixState.residenceTime[0][i], expected[i], 1e-6) << i;
    EXPECT_FLOAT_EQ(w.values[E::kAlkalinity],
                    static_cast<float>(TotalAlkalinity(5, 1.0, 0.0, 0.0)));
    EXPECT_EQ(w.values[E::kAlkalinity], 50.0445f);
}

// ---- Calculations ----------------------------------------------------------------

TEST_F(MultiMixDialogTest, OkCalculatesOnlyAChangedWater) {
    StoreWaters(1);
    EXPECT_EQ(Run([](win::HWND d) { Press(d, M::kOk); }), 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(mainWindowState.dataChanged, 0u);

    multiMixState.editIndex = 1;  // a second water being added
    multiMixState.addingNewWater = 1;
    EXPECT_EQ(Run([](win::HWND d) {
                  Set(d, C::kCalcium, "250");
                  Set(d, M::kWeight, "40");
                  Press(d, M::kOk);
              }),
              0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].mode, 0);
    EXPECT_EQ(calls[0].currentWater, WaterSelector::kMultiMixSource);
    EXPECT_EQ(calls[0].editIndex, 1);
    EXPECT_EQ(calls[0].runTargetSolvers, 1);  // with the target solvers, as every source water
    EXPECT_EQ(resultStatus.runTargetSolvers, 1);
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kSurface);
    EXPECT_EQ(multiMixState.lastWaterIndex, 1);
    EXPECT_EQ(multiMixState.multiMixEntered[1], 1u);
    EXPECT_EQ(multiMixState.sourceWaters[1].values[E::kCalcium], 250.0f);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_EQ(multiMixState.reopenMultiMix, 0u);  // OK leaves it as it was
}

TEST_F(MultiMixDialogTest, MixTwiceRecalculateOnce) {
    StoreWaters(2);
    multiMixState.reopenMultiMix = 1;
    EXPECT_EQ(Run([](win::HWND d) { Press(d, M::kMix); }), 2);
    ASSERT_EQ(calls.size(), 2u);
    for (const CalcCall& c : calls) EXPECT_EQ(c.runTargetSolvers, 1);
    EXPECT_EQ(multiMixState.reopenMultiMix, 0u);
    EXPECT_EQ(multiMixState.sourceTemperature[0], 25.0f);
    EXPECT_EQ(multiMixState.sourceTemperatureCopy[0], 25.0f);

    calls.clear();
    multiMixState.reopenMultiMix = 1;
    EXPECT_EQ(Run([](win::HWND d) { Press(d, M::kRecalculate); }), 1);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(multiMixState.reopenMultiMix, 1u);
}

TEST_F(MultiMixDialogTest, ChangeUnitsEndsTheDialogOnlyAfterAChange) {
    StoreWaters(1);
    win::OnDialog(
        DialogId::kUnits800, [](win::HWND u) { win::PressButton(u, UnitsControl::kOk); }, 1);
    EXPECT_EQ(Run([](win::HWND d) {
                  Press(d, M::kChangeUnits);
                  EXPECT_TRUE(win::IsWindow(d));
                  Press(d, M::kCancel);
              }),
              -1);
    EXPECT_TRUE(calls.empty());

    win::OnDialog(
        DialogId::kUnits800,
        [](win::HWND u) {
            win::PressButton(u, UnitsControl::kPotassium);
            win::PressButton(u, UnitsControl::kOk);
        },
        1);
    EXPECT_EQ(Run([](win::HWND d) { Press(d, M::kChangeUnits); }), 1);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(MultiMixDialogTest, CopyThenPasteCarriesAWater) {
    StoreWaters(2);
    std::strcpy(multiMixState.descriptions[0].text[0], "NORTH");
    multiMixState.organicAcids[0][1] = 7.0f;
    Run([](win::HWND d) {
        Press(d, C::kCopy);
        Press(d, M::kNextOrAdd);  // to the second water
        EXPECT_NEAR(Number(d, C::kCalcium), 200.0, 1e-3);
        Press(d, C::kPaste);
        EXPECT_NEAR(Number(d, C::kCalcium), 100.0, 1e-3);
        EXPECT_EQ(Field(d, C::kDescription0), "NORTH");
        Press(d, M::kCancel);
    });
    EXPECT_EQ(multiMixState.sourceWaters[1].values[E::kCalcium], 100.0f);
    EXPECT_EQ(multiMixState.organicAcids[1][1], 7.0f);
    EXPECT_EQ(std::string(multiMixState.descriptions[1].text[0]), "NORTH");
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
}

// ---- The weight question ---------------------------------------------------------

TEST_F(MultiMixDialogTest, NoWeightAsksAndTheDialogStays) {
    win::AnswerMessageBox("WARNING", "WEIGHT PERCENT or BRINE FLOW", win::IDYES);
    Run([](win::HWND d) {
        Set(d, C::kCalcium, "80");
        Press(d, M::kOk);
        EXPECT_TRUE(win::IsWindow(d));
        EXPECT_EQ(win::GetFocus(), win::GetDlgItem(d, M::kWeight));
        Press(d, M::kCancel);
    });
    EXPECT_EQ(multiMixState.multiMixEntered[0], 1u);  // stored and calculated already
    EXPECT_EQ(calls.size(), 1u);

    win::AnswerMessageBox("WARNING", "WEIGHT PERCENT or BRINE FLOW", win::IDNO);
    Run([](win::HWND d) {
        Press(d, M::kOk);
        EXPECT_TRUE(win::IsWindow(d));
        EXPECT_EQ(Field(d, M::kWeight), "100.0");
        Press(d, M::kOk);  // now with a weight
    });
    EXPECT_EQ(Boxes(kWeightSetText), 1);
    EXPECT_EQ(multiMixState.weightPercent[0], 100.0f);
}

// ---- Pages and the H2S note -------------------------------------------------------

TEST_F(MultiMixDialogTest, DisplayResultOpensTheTwoPages) {
    StoreWaters(1);
    Run([](win::HWND d) {
        Press(d, M::kDisplayResult);
        EXPECT_EQ(Field(d, M::kDisplayResult), " Hide Results ");
        ASSERT_TRUE(IsPageOpen(PageClass::kMuWater));
        ASSERT_TRUE(IsPageOpen(PageClass::kMuValues));
        win::HWND chem = PageWindowSlot(PageClass::kMuWater);
        win::HWND values = PageWindowSlot(PageClass::kMuValues);
        EXPECT_EQ(win::WindowText(chem), kMultiMixChemistryTitle);
        EXPECT_EQ(win::WindowText(values), kMultiMixIndicatorsTitle);
        // The page font's cell, as the main window measures it.
        win::HDC dc = win::GetDC(mainWindowState.mainWindow);
        const win::HGDIOBJ old = win::SelectObject(dc, screenFonts.pageFont);
        win::TEXTMETRICA tm{};
        win::GetTextMetricsA(dc, &tm);
        win::SelectObject(dc, old);
        win::ReleaseDC(mainWindowState.mainWindow, dc);
        const int w = tm.tmAveCharWidth;
        const int h = tm.tmHeight + tm.tmExternalLeading;
        win::RECT r{};
        win::GetWindowRect(chem, &r);
        EXPECT_EQ(r.left, 8 * w);
        EXPECT_EQ(r.top, 5 * h);
        EXPECT_EQ(r.right - r.left, 80 * w);
        EXPECT_EQ(r.bottom - r.top, 42 * h);
        win::GetWindowRect(values, &r);
        EXPECT_EQ(r.left, 16 * w);
        EXPECT_EQ(r.top, 10 * h);
        Press(d, M::kDisplayResult);
        EXPECT_EQ(Field(d, M::kDisplayResult), "Display Result");
        EXPECT_FALSE(IsPageOpen(PageClass::kMuWater));
        EXPECT_FALSE(win::IsWindow(chem));
        Press(d, M::kDisplayResult);
        Press(d, M::kCancel);
    });
    EXPECT_FALSE(IsPageOpen(PageClass::kMuWater));
    EXPECT_FALSE(IsPageOpen(PageClass::kMuValues));
}

// Whether the control's picture holds a pixel of `colour` (within the shades
// the text's smoothed edges give).
bool Shows(win::HWND control, win::COLORREF colour) {
    win::RunUntilIdle();
    win::SurfaceBuffer picture;
    if (!win::detail::ComposeWindow(control, picture)) return false;
    auto near = [](int a, int b) { return std::abs(a - b) <= 8; };
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const uint32_t p = picture.At(x, y);
            if (near((p >> 16) & 0xFF, win::GetRValue(colour)) &&
                near((p >> 8) & 0xFF, win::GetGValue(colour)) &&
                near(p & 0xFF, win::GetBValue(colour)))
                return true;
        }
    return false;
}

TEST_F(MultiMixDialogTest, BothSulfidesShowTheNoteInDarkRed) {
    Run([](win::HWND d) {
        Set(d, C::kH2S, "5");
        EXPECT_EQ(Field(d, C::kTwoSulfideNote), " ");
        Set(d, C::kPh2s, "0.01");
        EXPECT_EQ(Field(d, C::kTwoSulfideNote), kTwoSulfideNoteText);
        EXPECT_EQ(kTwoSulfideColour, win::RGB(191, 0, 0));
        EXPECT_TRUE(Shows(win::GetDlgItem(d, C::kH2S), kTwoSulfideColour));
        EXPECT_TRUE(Shows(win::GetDlgItem(d, C::kPh2s), kTwoSulfideColour));
        EXPECT_FALSE(Shows(win::GetDlgItem(d, C::kCalcium), kTwoSulfideColour));
        Press(d, M::kCancel);
    });
}

// The multi-mix input does not mark the values the balancing changed.
TEST_F(MultiMixDialogTest, BalancedValuesKeepTheTextColour) {
    redFields[0] = 1;  // sodium
    Run([](win::HWND d) {
        Set(d, C::kSodium, "123.5");
        EXPECT_FALSE(Shows(win::GetDlgItem(d, C::kSodium), kBalancedValueColour));
        Press(d, M::kCancel);
    });
}

}  // namespace
}  // namespace formtest
