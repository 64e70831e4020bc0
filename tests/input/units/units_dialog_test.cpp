// The units dialog: stepping round both ends, the alkalinity mode, the epm
// refusals, the presets, OK's warning and dialogResult, Cancel putting every
// choice back, Input Units from the menu and Change Units on the water form.
#include "input/units/units_dialog.h"

#include <tuple>

#include "input/units/unit_choices.h"
#include "input/units/unit_labels.h"
#include "input/units/units_dialog_records.h"
#include "input/waterform/water_form.h"
#include "resources/resource_ids.h"
#include "tests/input/waterform/form_fixture.h"

namespace formtest {
namespace {

namespace N = UnitsControl;

class UnitsDialogTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        ResetUnitsDialogRecords();
        unitCodes = UnitCodes{};
        alkalinityMode = 1;
        reportingMode = ReportingMode::kMgPerL;
        win::ClearMessageBoxLog();
    }
    // Runs the units dialog (template 29 on this desktop) with `steps` inside.
    void Run(const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            DialogId::kUnits800,
            [&](win::HWND dialog) {
                ++opened;
                steps(dialog);
            },
            1);
        OpenUnitsDialog(mainWindowState.mainWindow);
        ASSERT_EQ(opened, 1);
    }
    static void Scroll(win::HWND dialog, int bar, bool down, int times = 1) {
        for (int i = 0; i < times; ++i)
            win::ClickScrollArrow(win::GetDlgItem(dialog, bar), win::SB_CTL, down);
    }
    static std::string Label(win::HWND dialog, int id) {
        return win::WindowText(win::GetDlgItem(dialog, id));
    }
    static int Boxes(const std::string& text) {
        int n = 0;
        for (const auto& b : win::MessageBoxLog()) n += b.text == text ? 1 : 0;
        return n;
    }
};

TEST(UnitsTemplateTest, ByDesktopHeight) {
    EXPECT_EQ(UnitsTemplate(480), DialogId::kUnits640);
    EXPECT_EQ(UnitsTemplate(600), DialogId::kUnits640);
    EXPECT_EQ(UnitsTemplate(601), DialogId::kUnits800);
    EXPECT_EQ(UnitsTemplate(1024), DialogId::kUnits800);
    EXPECT_EQ(UnitsTemplate(1025), DialogId::kUnits1280);
}

// Steps wrap at both ends; both alkalinity bars step the one mode round; a
// stored choice above its maximum opens as 0.
TEST_F(UnitsDialogTest, StepsWrapRoundAtBothEnds) {
    unitCodes.code[UnitItem::kDensity] = 5;
    alkalinityMode = 7;
    Run([](win::HWND d) {
        EXPECT_EQ(unitCodes.code[UnitItem::kDensity], 0);
        EXPECT_EQ(Label(d, 627), "(g/mL)");
        Scroll(d, 645, false);  // temperature back from F
        EXPECT_EQ(unitCodes.code[UnitItem::kTemperature], 2);
        EXPECT_EQ(Label(d, 623), "(as \xB0K)");
        Scroll(d, 645, true);  // and on to F
        EXPECT_EQ(unitCodes.code[UnitItem::kTemperature], 0);
        Scroll(d, 400, true, 3);
        EXPECT_EQ(Label(d, 589), "(as \xB0Ger)");
        Scroll(d, 400, true);
        EXPECT_EQ(unitCodes.code[UnitItem::kCalcium], 0);
        Scroll(d, 420, true);  // P alkalinity from mode 7
        EXPECT_EQ(alkalinityMode, 1);
        EXPECT_EQ(unitCodes.code[UnitItem::kMAlkalinity], 1);
        EXPECT_EQ(unitCodes.code[UnitItem::kPAlkalinity], 1);
        EXPECT_EQ(Label(d, 609), "(as CaCO3)");
        Scroll(d, 419, false);  // M alkalinity back from 1
        EXPECT_EQ(alkalinityMode, 7);
        EXPECT_EQ(Label(d, 610), "(as \xB0Ger)");
        win::PressButton(d, N::kOk);
    });
    EXPECT_EQ(unitCodes.code[UnitItem::kCalcium], 0);
    EXPECT_EQ(alkalinityMode, 7);
    EXPECT_TRUE(Exists("plunit.cnf"));
}

// Every unit label shows in the dialog's font, the phosphate, polyphosphate
// and oxalate labels too (bold at 1024 x 768 as the others are), on each
// desktop the dialog sizes its font for.
TEST_F(UnitsDialogTest, EveryLabelInTheDialogsFont) {
    for (const auto& [width, height, id] :
         {std::tuple{1024, 768, DialogId::kUnits800}, std::tuple{1280, 1024, DialogId::kUnits800}}) {
        win::SetDesktopSize(width, height);
        int opened = 0;
        win::OnDialog(
            id,
            [&](win::HWND d) {
                ++opened;
                const auto fontOf = [&](int control) {
                    return win::SendMessage(win::GetDlgItem(d, control), win::WM_GETFONT, 0, 0);
                };
                const win::LRESULT font = fontOf(589);  // "(as Ca)"
                EXPECT_NE(font, 0);
                for (int label : {606, 613, 618, 503, 495, 599, 623, 656})
                    EXPECT_EQ(fontOf(label), font) << height << ": label " << label << " "
                                                   << Label(d, label);
                win::PressButton(d, N::kCancel);
            },
            1);
        OpenUnitsDialog(mainWindowState.mainWindow);
        EXPECT_EQ(opened, 1) << height;
    }
    win::SetDesktopSize(1280, 1024);
}

// In epm reporting the ion steps and the presets are refused; Cancel keeps epm
// (with the unit choices put back) only when it was chosen before opening.
TEST_F(UnitsDialogTest, EpmRefusesIonStepsAndPresets) {
    Run([](win::HWND d) {
        win::PressButton(d, N::kEpm);
        EXPECT_EQ(reportingMode, ReportingMode::kEpm);
        EXPECT_EQ(Label(d, 589), "(epm)");
        EXPECT_EQ(Label(d, 628), "(mpy)");
        Scroll(d, 400, true);
        EXPECT_EQ(unitCodes.code[UnitItem::kCalcium], 0);
        win::PressButton(d, N::kAsCaCO3);
        EXPECT_EQ(unitCodes.code[UnitItem::kMagnesium], 0);
        EXPECT_EQ(Boxes(kEpmRefusal), 2);
        Scroll(d, 920, true);  // pressure may change, and shows its label
        EXPECT_EQ(unitCodes.code[UnitItem::kPressure], 1);
        EXPECT_EQ(Label(d, 624), "(Bar)");
        Scroll(d, 645, true);  // so may the temperature, no concentration either
        EXPECT_EQ(unitCodes.code[UnitItem::kTemperature], 1);
        EXPECT_EQ(Label(d, 623), "(as \xB0" "C)");
        EXPECT_EQ(Boxes(kEpmRefusal), 2);
        win::PressButton(d, N::kMgPerL);
        EXPECT_EQ(Label(d, 589), "(as Ca)");
        win::PressButton(d, N::kEpm);
        win::PressButton(d, N::kCancel);
    });
    EXPECT_EQ(unitCodes.code[UnitItem::kPressure], 0);
    EXPECT_EQ(reportingMode, ReportingMode::kMgPerL);  // Cancel puts the basis back too
}

TEST_F(UnitsDialogTest, EachPreset) {
    for (uint16_t& c : unitCodes.code) c = 2;
    ApplyUnitPreset(UnitPreset::kAsTheIon);
    EXPECT_EQ(unitCodes.code[UnitItem::kCalcium], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kMAlkalinity], 2);  // as HCO3 and CO3
    EXPECT_EQ(unitCodes.code[UnitItem::kPAlkalinity], 2);
    EXPECT_EQ(unitCodes.code[UnitItem::kOxalate], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kPressure], 2);  // kept
    EXPECT_EQ(alkalinityMode, 2);

    for (uint16_t& c : unitCodes.code) c = 2;
    ApplyUnitPreset(UnitPreset::kAsCaCO3);
    EXPECT_EQ(unitCodes.code[UnitItem::kChloride], 1);
    EXPECT_EQ(unitCodes.code[UnitItem::kH2S], 1);
    EXPECT_EQ(unitCodes.code[UnitItem::kSilica], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kLead], 1);
    EXPECT_EQ(unitCodes.code[UnitItem::kPolyphosphate], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kTemperature], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kDensity], 2);
    EXPECT_EQ(unitCodes.code[UnitItem::kPh], 0);  // its one unit: a saved file would be refused

    for (uint16_t& c : unitCodes.code) c = 2;
    ApplyUnitPreset(UnitPreset::kCombination);
    EXPECT_EQ(unitCodes.code[UnitItem::kCalcium], 1);
    EXPECT_EQ(unitCodes.code[UnitItem::kBarium], 1);
    EXPECT_EQ(unitCodes.code[UnitItem::kSodium], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kStrontium], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kLithium], 0);
    EXPECT_EQ(unitCodes.code[39], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kGasCo2], 2);
    EXPECT_EQ(unitCodes.code[UnitItem::kPh], 0);
}

// The warning comes only when a choice changed and a water is entered;
// dialogResult is 1 after any change, and Cancel puts back what it was.
TEST_F(UnitsDialogTest, WarningAndDialogResult) {
    resultStatus.injectionEntered = 1;
    dialogResult = 0;
    Run([](win::HWND d) { win::PressButton(d, N::kOk); });
    EXPECT_EQ(Boxes(kUnitsChangedWarning), 0);
    EXPECT_EQ(dialogResult, 0);

    Run([](win::HWND d) {
        win::PressButton(d, N::kPotassium);
        win::PressButton(d, N::kOk);
    });
    EXPECT_EQ(Boxes(kUnitsChangedWarning), 0);  // no unit choice changed
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(balancingSettings.cationBalanceIon, 1);

    dialogResult = 0;
    Run([](win::HWND d) {
        Scroll(d, 404, true);
        win::PressButton(d, N::kOk);
    });
    EXPECT_EQ(Boxes(kUnitsChangedWarning), 1);
    EXPECT_EQ(dialogResult, 1);

    dialogResult = 1;
    balancingSettings.anionBalanceIon = 0;
    Run([](win::HWND d) {
        Scroll(d, 404, true);
        win::PressButton(d, N::kChloride);
        win::PressButton(d, N::kCancel);
    });
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(unitCodes.code[UnitItem::kSodium], 1);
    EXPECT_EQ(balancingSettings.anionBalanceIon, 0);
}

// Input Units leaves the modes in the working analysis.
TEST_F(UnitsDialogTest, InputUnitsFromTheMenu) {
    win::OnDialog(
        DialogId::kUnits800,
        [](win::HWND d) {
            win::PressButton(d, N::kPpm);
            Scroll(d, 419, true);
            win::PressButton(d, N::kOk);
        },
        1);
    ASSERT_TRUE(win::ChooseMenuCommand(mainWindowState.mainWindow, MenuCommand::kInputUnits));
    win::RunUntilIdle();
    EXPECT_EQ(currentAnalysis.values[E::kReportingMode], 1.0f);
    EXPECT_EQ(currentAnalysis.values[E::kAlkalinityMode], 2.0f);
}

// An edit typed on the water form before Change Units and a Cancel there is
// still stored by OK; a unit change makes OK store the water too.
TEST_F(UnitsDialogTest, AnEditSurvivesChangeUnitsAndCancel) {
    auto form = [&](const std::function<void(win::HWND)>& steps) {
        mainWindowState.currentWater = 0;
        dialogResult = 0;
        win::OnDialog(DialogId::kWaterForm1200, steps, 1);
        (void)win::DialogBoxParam(mainWindowState.instance, DialogId::kWaterForm1200,
                                  mainWindowState.mainWindow, Wform, 0);
    };
    form([](win::HWND f) {
        win::SetField(f, C::kCalcium, "400");
        win::PressButton(f, C::kOk);
    });
    ASSERT_EQ(resultStatus.surfaceEntered, 1);

    win::OnDialog(
        DialogId::kUnits800, [](win::HWND d) { win::PressButton(d, N::kCancel); }, 1);
    form([](win::HWND f) {
        win::SetField(f, C::kCalcium, "450");
        win::PressButton(f, C::kChangeUnits);
        EXPECT_EQ(Number(f, C::kCalcium), 450.0);
        win::PressButton(f, C::kOk);
    });
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(surfaceWater.values[E::kCalcium], 450.0f);

    win::OnDialog(
        DialogId::kUnits800,
        [](win::HWND d) {
            Scroll(d, 400, true);
            win::PressButton(d, N::kOk);
        },
        1);
    form([](win::HWND f) {
        win::PressButton(f, C::kChangeUnits);
        EXPECT_EQ(Field(f, U::kCalcium), "(as CaCO3)");
        win::PressButton(f, C::kOk);
    });
    EXPECT_EQ(dialogResult, 1);  // the same number now in other units: stored again
}

}  // namespace
}  // namespace formtest
