// The user's pH-alkalinity curve (the refit, its dialog and its 247 bytes in
// the work file), the constant recirculating concentrations and the
// precipitation display settings.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/inputs/inputs_records.h"
#include "input/phcurve/alk_curve.h"
#include "input/phcurve/alk_ph_dialog.h"
#include "input/phcurve/constant_values_dialog.h"
#include "input/phcurve/precipitation_dialog.h"
#include "input/whatif/whatif_dialog_records.h"
#include "resources/phcurve_dialog_ids.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"
#include "tests/input/waterform/form_fixture.h"

namespace formtest {
namespace {

namespace A = AlkCurveControl;

int graphsShown = 0;

class AlkCurveTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        graphsShown = 0;
        InstallAlkCurveViews({[](win::HWND) { ++graphsShown; }, nullptr});
        win::ClearMessageBoxLog();
    }
    void TearDown() override {
        InstallAlkCurveViews({nullptr, nullptr});
        FormTest::TearDown();
    }
    // Opens the curve dialog; `steps` runs inside it. The dialog's result.
    win::INT_PTR Run(const std::function<void(win::HWND)>& steps) {
        win::OnDialog(DialogId::kAlkCurve10, steps, 1);
        return win::DialogBoxParam(mainWindowState.instance, DialogId::kAlkCurve10,
                                   mainWindowState.mainWindow, AlkpH, 0);
    }
    static void Pair(win::HWND d, int row, const char* alkalinity, const char* ph) {
        win::SetField(d, A::kFirstAlkalinity + 3 * row, alkalinity);
        win::SetField(d, A::kFirstAlkalinity + 3 * row + 1, ph);
    }
    static int Boxes(const char* text) {
        int n = 0;
        for (const auto& b : win::MessageBoxLog()) n += b.text == text ? 1 : 0;
        return n;
    }
};

TEST_F(AlkCurveTest, OnePairTakesTheDefaultSlopeAndRowsCloseUp) {
    Run([](win::HWND d) {
        Pair(d, 0, "100", "8.0");
        win::PressButton(d, A::kModel);
        EXPECT_EQ(Field(d, A::kFirstAlkalinity + 2), "8");
        win::EndDialog(d, 1);
    });
    EXPECT_NEAR(userAlkCurve.intercept, 5.14, 1e-5);
    EXPECT_FLOAT_EQ(userAlkCurve.logSlope, 1.43f);
    EXPECT_EQ(userAlkCurve.linear, 0.0f);
    EXPECT_EQ(alkCurvePoints.count, 1);
    EXPECT_EQ(resultStatus.alkCurveEntered, 1);

    // A cell past its range is refused by its row, its column and the range,
    // whichever button refits, and the rows and the curve stay as they were:
    // pH 14.01, a pH or an alkalinity of 0 or below beside the other number.
    struct Refused {
        int row;
        const char* alkalinity;
        const char* ph;
        const char* message;
    };
    const Refused refused[] = {
        {6, "300", "14.01", "\"14.01\" is outside the range of Actual pH of row 7 (above 0 up to 14)."},
        {8, "0", "8.0", "\"0\" is outside the range of Alkalinity of row 9 (above 0)."},
        {0, "-300", "8.0", "\"-300\" is outside the range of Alkalinity of row 1 (above 0)."},
        {9, "100", "-1", "\"-1\" is outside the range of Actual pH of row 10 (above 0 up to 14)."},
    };
    for (const Refused& r : refused)
        for (int button : {A::kModel, A::kGraph, A::kOk}) {
            win::ClearMessageBoxLog();
            Run([&](win::HWND d) {
                Pair(d, r.row, r.alkalinity, r.ph);
                win::PressButton(d, button);
                EXPECT_TRUE(win::IsWindow(d));
                if (r.row != 0) {
                    EXPECT_EQ(Field(d, A::kFirstAlkalinity), "100") << r.message;
                }
                EXPECT_EQ(Field(d, A::kFirstAlkalinity + 3 * r.row), r.alkalinity);
                win::EndDialog(d, 1);
            });
            ASSERT_FALSE(win::MessageBoxLog().empty()) << r.message;
            EXPECT_EQ(win::MessageBoxLog().back().text,
                      std::string(r.message) + " Please enter a value in that range.");
            EXPECT_EQ(alkCurvePoints.count, 1) << r.message;
            EXPECT_NEAR(userAlkCurve.intercept, 5.14, 1e-5) << r.message;
        }
    EXPECT_EQ(graphsShown, 0);

    // Rows 2 and 5 filled: after Model they stand in rows 1 and 2, the rest
    // show zero. pH 14 is kept.
    Run([](win::HWND d) {
        for (int row = 0; row < 10; ++row) Pair(d, row, "", "");
        Pair(d, 1, "200", "14");
        Pair(d, 4, "400", "8.7");
        win::PressButton(d, A::kModel);
        EXPECT_EQ(Field(d, A::kFirstAlkalinity), "200");
        EXPECT_EQ(Field(d, A::kFirstAlkalinity + 1), "14");
        EXPECT_EQ(Field(d, A::kFirstAlkalinity + 3), "400");
        for (int row = 2; row < 10; ++row)
            for (int column = 0; column < 3; ++column)
                EXPECT_EQ(Field(d, A::kFirstAlkalinity + 3 * row + column), "0") << row;
        // The fitted pH of a line through two points is the pH itself.
        EXPECT_EQ(Field(d, A::kFirstAlkalinity + 5), "8.7");
        EXPECT_EQ(Field(d, A::kFirstAlkalinity + 2), "14");
        win::EndDialog(d, 1);
    });
    EXPECT_EQ(alkCurvePoints.count, 2);
    EXPECT_EQ(alkCurvePoints.pair[1][1], 400.0f);
    EXPECT_EQ(alkCurvePoints.pair[2][1], 0.0f);
    EXPECT_NEAR(userAlkCurve.logSlope, (8.7 - 14.0) / std::log10(2.0), 1e-4);
}

TEST_F(AlkCurveTest, NoValidPairAndASingularFit) {
    alkCurvePoints.count = 1;
    alkCurvePoints.pair[0][0] = 8.0f;
    alkCurvePoints.pair[0][1] = 100.0f;
    userAlkCurve = AlkCurveCoefficients{5.14f, 0.0f, 0.0f, 1.43f};
    resultStatus.alkCurveEntered = 1;
    int opened = 0;
    Run([&](win::HWND d) {
        ++opened;
        Pair(d, 0, "", "");
        win::PressButton(d, A::kGraph);
        win::PressButton(d, A::kOk);
        EXPECT_TRUE(win::IsWindow(d));  // OK stays open
        win::PressButton(d, A::kCancel);
    });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Boxes(kTooFewPairsText), 2);
    EXPECT_EQ(graphsShown, 0);
    EXPECT_FLOAT_EQ(userAlkCurve.intercept, 5.14f);

    // Two pairs of one alkalinity and different pH: no line through them.
    Run([](win::HWND d) {
        Pair(d, 0, "100", "7.5");
        Pair(d, 1, "100", "8.5");
        win::PressButton(d, A::kGraph);
        win::EndDialog(d, 1);
    });
    EXPECT_EQ(graphsShown, 1);
    EXPECT_EQ(alkCurvePoints.singular, 1);
    for (float v :
         {userAlkCurve.intercept, userAlkCurve.logSlope, alkCurveFit.fitted[0],
          alkCurveFit.residual[1], alkCurveFit.standardError, alkCurveFit.rSquared, alkCurveFit.r})
        EXPECT_TRUE(std::isfinite(v));
}

TEST_F(AlkCurveTest, OkOffersTheCurveCancelPutsItBack) {
    phControlSettings.phPredictionMethod = 0;
    win::AnswerMessageBox(kChooseUserCurveCaption, "", win::IDNO);
    EXPECT_EQ(Run([](win::HWND d) {
                  Pair(d, 0, "100", "8.0");
                  Pair(d, 1, "200", "8.3");
                  win::PressButton(d, A::kOk);
              }),
              1);
    EXPECT_EQ(Boxes(kChooseUserCurveText), 1);
    EXPECT_EQ(phControlSettings.phPredictionMethod, 0);
    EXPECT_EQ(alkCurvePoints.count, 2);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);  // the curve is saved in the work file

    // While the user curve is the method, OK asks nothing.
    phControlSettings.phPredictionMethod = 1;
    mainWindowState.dataChanged = 0;
    Run([](win::HWND d) { win::PressButton(d, A::kOk); });
    EXPECT_EQ(Boxes(kChooseUserCurveText), 1);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);  // nothing changed

    // Cancel after Model: the pairs and the flag of the opening.
    resultStatus.alkCurveEntered = 0;
    const AlkCurveCopy before = TakeAlkCurve();
    Run([](win::HWND d) {
        Pair(d, 2, "400", "8.7");
        win::PressButton(d, A::kModel);
        win::PressButton(d, A::kCancel);
    });
    EXPECT_TRUE(SameAlkCurve(TakeAlkCurve(), before));
    EXPECT_EQ(resultStatus.alkCurveEntered, 0);
}

TEST_F(AlkCurveTest, StoredRefitTemplatesAndTheWorkFile) {
    alkCurvePoints.count = 3;
    const float pairs[3][2] = {{8.0f, 100.0f}, {8.3f, 200.0f}, {8.7f, 400.0f}};
    for (int i = 0; i < 3; ++i) {
        alkCurvePoints.pair[i][0] = pairs[i][0];
        alkCurvePoints.pair[i][1] = pairs[i][1];
    }
    mainWindowState.dataChanged = 0;
    EvalAlkpHCurve();
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_EQ(resultStatus.alkCurveEntered, 1);
    // python3: statistics.linear_regression([2, log10(200), log10(400)], [8, 8.3, 8.7])
    EXPECT_NEAR(userAlkCurve.intercept, 5.65798, 1e-4);
    EXPECT_NEAR(userAlkCurve.logSlope, 1.16267, 1e-4);
    EXPECT_EQ(userAlkCurve.linear, 0.0f);
    EXPECT_NEAR(alkCurveFit.fitted[1] - alkCurveFit.residual[1], 8.3, 1e-4);

    EXPECT_EQ(AlkCurveTemplate(900), DialogId::kAlkCurveSmall);
    EXPECT_EQ(AlkCurveTemplate(1000), DialogId::kAlkCurve8);
    EXPECT_EQ(AlkCurveTemplate(1199), DialogId::kAlkCurve10);
    EXPECT_EQ(AlkCurveTemplate(1200), DialogId::kAlkCurve12);

    // The 247 bytes at record 33, and back.
    alkCurvePoints.singular = 1;
    const AlkCurveCopy curve = TakeAlkCurve();
    const std::vector<uint8_t> image = workfile::EncodeWorkFile();
    ASSERT_FALSE(image.empty());
    const uint8_t* at = image.data() + workfile::kRecordTable[33].offset;
    EXPECT_EQ(bytes::GetF32(at + 4), 100.0f);
    EXPECT_EQ(bytes::GetF32(at + 120), userAlkCurve.intercept);
    EXPECT_EQ(bytes::GetF32(at + 132), userAlkCurve.logSlope);
    EXPECT_EQ(bytes::GetF32(at + 140), alkCurveFit.fitted[1]);
    EXPECT_EQ(bytes::GetF32(at + 236), alkCurveFit.rSquared);
    EXPECT_EQ(bytes::GetI16(at + 244), 3);
    EXPECT_EQ(at[246], 1);
    PutAlkCurve(AlkCurveCopy{});
    ASSERT_TRUE(workfile::DecodeWorkFile(image.data(), image.size(), workfile::kRecordCount));
    EXPECT_TRUE(SameAlkCurve(TakeAlkCurve(), curve));
    // A count no curve can hold reads as none.
    std::vector<uint8_t> damaged = image;
    bytes::PutI16(damaged.data() + workfile::kRecordTable[33].offset + 244, 11);
    ASSERT_TRUE(workfile::DecodeWorkFile(damaged.data(), damaged.size(), workfile::kRecordCount));
    EXPECT_EQ(alkCurvePoints.count, 0);
}

// ---- Constant recirculating concentrations ------------------------------------------

namespace K = ConstantValuesControl;

class ConstantValuesTest : public FormTest {
  protected:
    void Run(const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            DialogId::kConstantValues,
            [&](win::HWND d) {
                ++opened;
                steps(d);
            },
            1);
        EXPECT_EQ(ChooseConstantValues(mainWindowState.mainWindow), 1);
        EXPECT_EQ(opened, 1);
    }
};

TEST_F(ConstantValuesTest, ChangesCheckedAgainstTheOpening) {
    Run([](win::HWND d) {
        EXPECT_EQ(Field(d, K::kPhosphateValue), "0");
        win::SetCheck(d, K::kPhosphate, true);
        win::SetField(d, K::kPhosphateValue, "2.5");
        win::PressButton(d, K::kOk);
    });
    ConstantConcentrations& c = constantConcentrations;
    EXPECT_EQ(c.switches[0], 1);
    EXPECT_EQ(c.values[0], 2.5f);
    EXPECT_EQ(c.constantValuesOn, 1);

    // An edit of the last digit shown is a change, however small; a value
    // with more figures than the field shows is kept whole by an OK that
    // leaves it alone.
    for (const char* typed : {"2.50001", "2.6", "12.3456789"}) {
        calcPassMode = 1;
        Run([typed](win::HWND d) {
            win::SetField(d, K::kPhosphateValue, typed);
            win::PressButton(d, K::kOk);
        });
        EXPECT_EQ(calcPassMode, 0) << typed;
        EXPECT_EQ(c.values[0], std::strtof(typed, nullptr)) << typed;
    }
    calcPassMode = 1;
    Run([](win::HWND d) {
        EXPECT_EQ(Field(d, K::kPhosphateValue), "12.346");
        win::PressButton(d, K::kOk);
    });
    EXPECT_EQ(calcPassMode, 1);
    EXPECT_EQ(c.values[0], 12.3456789f);

    // Unchecking both leaves the master switch on; nothing is held.
    Run([](win::HWND d) {
        win::SetCheck(d, K::kPhosphate, false);
        win::SetCheck(d, K::kSilica, false);
        win::PressButton(d, K::kOk);
    });
    EXPECT_EQ(c.constantValuesOn, 1);
    EXPECT_EQ(c.switches[0], 0);

    // Cancel after typing.
    const ConstantConcentrations before = c;
    Run([](win::HWND d) {
        win::SetCheck(d, K::kSilica, true);
        win::SetField(d, K::kSilicaValue, "40");
        win::PressButton(d, K::kCancel);
    });
    EXPECT_EQ(std::memcmp(&c, &before, sizeof c), 0);

    // Help shows the text.
    Run([](win::HWND d) {
        win::PressButton(d, K::kHelp);
        win::PressButton(d, K::kCancel);
    });
    ASSERT_FALSE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::MessageBoxLog().back().text, kConstantValuesHelpText);
    EXPECT_EQ(win::MessageBoxLog().back().caption, "WARNING");
}

// ---- Precipitation display ----------------------------------------------------------------

namespace P = PrecipitationControl;

std::vector<std::string> calls;

class PrecipitationTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        calls.clear();
        SetPrecipitationDrivers(WhatIfDrivers{[](win::HWND) { calls.push_back("well12"); },
                                              [](win::HWND) { calls.push_back("well11"); },
                                              [](win::HWND) { calls.push_back("temp"); },
                                              [](win::HWND) { calls.push_back("ph"); },
                                              [](win::HWND) { calls.push_back("press"); },
                                              [](uint16_t) { calls.push_back("gridPhTemp"); },
                                              [](uint16_t) { calls.push_back("gridPressTemp"); }});
        displaySettings.precipitationUnit = 0;
        precipitationQuantity = 0;
        mainWindowState.dataChanged = 0;
    }
    void TearDown() override {
        SetPrecipitationDrivers(ScenarioDrivers());
        FormTest::TearDown();
    }
    void Run(const std::function<void(win::HWND)>& steps) {
        win::OnDialog(DialogId::kPrecipitation, steps, 1);
        OpenPrecipitationDialog();
    }
};

TEST_F(PrecipitationTest, AQuantityChangeBringsTheProfilesUpToDate) {
    ResultStatus& r = resultStatus;
    r.wellProfileDone[0] = r.wellProfileDone[1] = 1;
    r.tempProfileDone = r.phProfileDone = r.pressureProfileDone = 1;
    r.gridDone = r.gridDone2 = 1;
    Run([](win::HWND d) {
        EXPECT_EQ(win::IsDlgButtonChecked(d, P::kMomentaryExcess), win::BST_CHECKED);
        win::PressButton(d, P::kBoth);
        EXPECT_EQ(win::IsDlgButtonChecked(d, P::kMomentaryExcess), 0u);
        win::PressButton(d, P::kOk);
    });
    EXPECT_EQ(precipitationQuantity, 2u);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_EQ(r.gridDone, 0);
    const std::vector<std::string> sequence = {"well12", "well11", "temp",   "ph",
                                               "well12", "ph",     "well12", "gridPressTemp",
                                               "press",  "well11", "well12"};
    EXPECT_EQ(calls, sequence);

    // The unit alone: the pressure results and the well profiles, and the units file.
    calls.clear();
    mainWindowState.dataChanged = 0;
    r.tempProfileDone = 0;
    Run([](win::HWND d) {
        win::PressButton(d, P::kKgPerThousandBarrels);
        win::PressButton(d, P::kOk);
    });
    EXPECT_EQ(displaySettings.precipitationUnit, 2);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
    EXPECT_EQ(calls, (std::vector<std::string>{"gridPressTemp", "press", "well11", "well12"}));
    const std::vector<uint8_t> units = ReadFile("plunit.cnf");
    ASSERT_GE(units.size(), 98u);
    EXPECT_EQ(bytes::GetU16(units.data() + 96), 2);
}

TEST_F(PrecipitationTest, CancelPutsTheOpeningBackAndMakeDefaultWritesTheConfiguration) {
    Run([](win::HWND d) {
        win::PressButton(d, P::kBoth);
        win::PressButton(d, P::kLbsPerThousandBarrels);
        win::PressButton(d, P::kCancel);
    });
    EXPECT_EQ(precipitationQuantity, 0u);
    EXPECT_EQ(displaySettings.precipitationUnit, 0);
    EXPECT_TRUE(calls.empty());

    whatIfDialogState.makeDefault = 1;
    Run([](win::HWND d) { win::PressButton(d, P::kOk); });
    EXPECT_EQ(ReadFile("zorin.cnf").size(), 1082u);
}

}  // namespace
}  // namespace formtest
