// Wform on its templates: opening on a stored water, OK, Cancel, Copy, Paste,
// Recalculate, the field rules and the colours of the sulfide fields.
#include "input/waterform/water_form.h"

#include "engine/carbonate/carbonate_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/saturation/water_results_records.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/residence_records.h"
#include "input/unit_factor_table.h"
#include "input/water_temperature_records.h"
#include "input/waterform/form_captions.h"
#include "platform/gdi/surface.h"
#include "tests/input/waterform/form_fixture.h"

namespace formtest {
namespace {

class WaterFormTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        InitUnitFactors();
    }
    // Runs Wform for `water` on template 80 with `steps` inside.
    void Run(int32_t water, const std::function<void(win::HWND)>& steps) {
        mainWindowState.currentWater = water;
        dialogResult = 0;
        win::OnDialog(
            DialogId::kWaterForm1200, [&](win::HWND form) { steps(form); }, 1);
        ASSERT_EQ(win::DialogBoxParam(mainWindowState.instance, DialogId::kWaterForm1200,
                                      mainWindowState.mainWindow, Wform, 0),
                  1);
    }
    static void Set(win::HWND form, int id, const char* text) { win::SetField(form, id, text); }
    static void Press(win::HWND form, int id) { win::PressButton(form, id); }

    // An entered surface water as a previous OK left it.
    void StoreSurfaceWater() {
        Run(0, [](win::HWND form) {
            Set(form, C::kCalcium, "412");
            Set(form, C::kMAlkalinity, "140");
            Set(form, C::kSampleId, "SEA");
            Set(form, C::kC2, "4");
            Press(form, C::kOk);
        });
        ASSERT_EQ(dialogResult, 1);
        ASSERT_EQ(resultStatus.surfaceEntered, 1);
        mainWindowState.dataChanged = 0;
    }
};

TEST_F(WaterFormTest, OkStoresANewWaterEvenUntouched) {
    Run(1, [](win::HWND form) {
        EXPECT_EQ(win::WindowText(form), "INJECTION WATER CHEMISTRY INPUT FORM");
        Press(form, C::kOk);
    });
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(resultStatus.injectionEntered, 1);
    EXPECT_FLOAT_EQ(injectionWater.values[E::kPh], 7.0f);
    EXPECT_FLOAT_EQ(injectionWater.values[E::kTemperature], 25.0f);
    EXPECT_FLOAT_EQ(waterTemperatures[1][0], 25.0f);
    EXPECT_FLOAT_EQ(entryTemperature, 25.0f);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
}

TEST_F(WaterFormTest, OkOnAnUnchangedEnteredWaterStoresNothing) {
    StoreSurfaceWater();
    resultStatus.tempProfileDone = 1;
    Run(0, [](win::HWND form) {
        EXPECT_EQ(Field(form, C::kSampleId), "SEA");
        EXPECT_DOUBLE_EQ(Number(form, C::kC2), 4.0);
        Press(form, C::kOk);
    });
    EXPECT_EQ(dialogResult, 0);
    EXPECT_EQ(resultStatus.tempProfileDone, 1);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);

    Run(0, [](win::HWND form) {
        Set(form, C::kBromine, "65");
        Press(form, C::kOk);
    });
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(surfaceWater.values[E::kBromine], 65.0f);
    EXPECT_EQ(resultStatus.tempProfileDone, 0);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
}

TEST_F(WaterFormTest, CancelAfterCopyKeepsWhatCopyStored) {
    Run(2, [](win::HWND form) {
        Set(form, C::kSodium, "10800");
        Set(form, C::kChloride, "19400");
        Press(form, C::kCopy);
        EXPECT_TRUE(win::IsWindow(form));  // the form stays open
        Press(form, C::kCancel);
    });
    EXPECT_EQ(dialogResult, -1);
    EXPECT_EQ(resultStatus.formationEntered, 1);
    EXPECT_EQ(formationWater.values[E::kChloride], 19400.0f);
    EXPECT_FALSE(win::ClipboardBytes(clipboardFormats.cfIntermediate).empty());
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
}

TEST_F(WaterFormTest, FieldsLeftAreCheckedAtOnce) {
    Run(0, [](win::HWND form) {
        for (const auto& [typed, shown] :
             {std::pair{"930", "09:30"}, std::pair{"0930", "09:30"}, std::pair{"5", "00:05"},
              std::pair{"123456", "123456"}}) {
            Set(form, C::kTime, typed);
            EXPECT_EQ(Field(form, C::kTime), shown) << typed;
        }
        EXPECT_EQ(currentAnalysis.sampleTime, 5);
        Set(form, C::kSampleDate, "3/4/2023");
        EXPECT_EQ(Field(form, C::kSampleDate), "03-04-2023");
        Set(form, C::kSampleDate, "31/31/2023");
        EXPECT_EQ(Field(form, C::kSampleDate), "31/31/2023");  // kept for OK to refuse
        Press(form, C::kCancel);
    });
}

// Whether the edit's picture holds a pixel of `colour`.
bool Shows(win::HWND control, win::COLORREF colour) {
    win::RunUntilIdle();
    win::SurfaceBuffer picture;
    if (!win::detail::ComposeWindow(control, picture)) return false;
    const uint32_t pixel =
        (win::GetRValue(colour) << 16) | (win::GetGValue(colour) << 8) | win::GetBValue(colour);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if ((picture.At(x, y) & 0xFFFFFF) == pixel) return true;
    return false;
}

TEST_F(WaterFormTest, BothSulfidesShowTheNoteInRed) {
    Run(0, [](win::HWND form) {
        Set(form, C::kH2S, "5");
        EXPECT_EQ(Field(form, C::kTwoSulfideNote), " ");
        Set(form, C::kPh2s, "0.01");
        EXPECT_EQ(Field(form, C::kTwoSulfideNote), kTwoSulfideNoteText);
        EXPECT_TRUE(Shows(win::GetDlgItem(form, C::kH2S), kTwoSulfideColour));
        EXPECT_TRUE(Shows(win::GetDlgItem(form, C::kTwoSulfideNote), kTwoSulfideColour));
        EXPECT_FALSE(Shows(win::GetDlgItem(form, C::kCalcium), kTwoSulfideColour));
        Set(form, C::kPh2s, "0");
        EXPECT_EQ(Field(form, C::kTwoSulfideNote), " ");
        EXPECT_FALSE(Shows(win::GetDlgItem(form, C::kH2S), kTwoSulfideColour));
        Press(form, C::kCancel);
    });
}

// A value the balancing changed is red until the flag is cleared.
TEST_F(WaterFormTest, BalancedValuesShowInRed) {
    Run(0, [](win::HWND form) {
        Set(form, C::kSodium, "123.5");
        Set(form, C::kPotassium, "10");
        redFields[0] = 1;  // sodium
        redFields[1] = 0;  // potassium
        for (int id : {C::kSodium, C::kPotassium})
            win::InvalidateRect(win::GetDlgItem(form, id), nullptr, win::TRUE);
        EXPECT_TRUE(Shows(win::GetDlgItem(form, C::kSodium), kBalancedValueColour));
        EXPECT_FALSE(Shows(win::GetDlgItem(form, C::kPotassium), kBalancedValueColour));
        redFields[0] = 0;
        win::InvalidateRect(win::GetDlgItem(form, C::kSodium), nullptr, win::TRUE);
        EXPECT_FALSE(Shows(win::GetDlgItem(form, C::kSodium), kBalancedValueColour));
        Press(form, C::kCancel);
    });
}

TEST_F(WaterFormTest, PasteShowsThePastedWaterAsStored) {
    StoreSurfaceWater();
    currentAnalysis.values[E::kCalcium] = 99.0f;
    ASSERT_EQ(CopyAnalysis(), 0);
    Run(1, [](win::HWND form) {
        Press(form, C::kPaste);
        EXPECT_NEAR(Number(form, C::kCalcium), 99.0, 1e-4);
        EXPECT_EQ(mainWindowState.currentWater, 1);  // restored after the display
        EXPECT_EQ(formSnapshot.values[E::kCalcium], 99.0f);
        Press(form, C::kOk);
    });
    EXPECT_EQ(injectionWater.values[E::kCalcium], 99.0f);
}

TEST_F(WaterFormTest, RecalculateStoresTheFormsValuesAlone) {
    StoreSurfaceWater();
    surfaceWater.values[E::kBicarbonate] = 170.0f;  // what a calculation left
    dissolvedCO2Copy = 12.0f;                       // and handed to the next one
    currentHCO3 = 150.0f;
    acidDemand = 3.0f;
    Run(0, [](win::HWND form) { Press(form, C::kRecalculate); });
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(surfaceWater.values[E::kBicarbonate], 0.0f);
    EXPECT_EQ(surfaceWater.values[E::kCalcium], 412.0f);
    EXPECT_EQ(dissolvedCO2Copy, 0.0f);
    EXPECT_EQ(currentHCO3, 0.0f);
    EXPECT_EQ(acidDemand, 0.0f);
}

// OK, Copy, Recalculate and Change Units on a field that holds no number: the
// user is told, the form stays open with the field focused and its text
// selected for correction, and nothing is stored.
TEST_F(WaterFormTest, ARefusedFieldIsFocusedWithItsTextSelected) {
    for (int button : {C::kOk, C::kCopy, C::kRecalculate, C::kChangeUnits}) {
        Run(0, [button](win::HWND form) {
            Set(form, C::kCalcium, "412");
            Set(form, C::kSulfate, "2,71");
            Press(form, button);
            ASSERT_TRUE(win::IsWindow(form)) << button;
            const win::HWND sulfate = win::GetDlgItem(form, C::kSulfate);
            EXPECT_EQ(win::GetFocus(), sulfate) << button;
            const win::LRESULT selection = win::SendMessage(sulfate, win::EM_GETSEL, 0, 0);
            EXPECT_EQ(win::LOWORD(selection), 0) << button;
            EXPECT_EQ(win::HIWORD(selection), 4) << button;
            Press(form, C::kCancel);
        });
        EXPECT_EQ(resultStatus.surfaceEntered, 0) << button;
        EXPECT_EQ(currentAnalysis.values[E::kCalcium], 0.0f) << button;
        ASSERT_FALSE(win::MessageBoxLog().empty());
        EXPECT_EQ(win::MessageBoxLog().back().text,
                  "\"2,71\" typed for Sulfate is not a number. Please enter a number such as "
                  "12.5, 1e3 or 10,760.");
    }
}

}  // namespace
}  // namespace formtest
