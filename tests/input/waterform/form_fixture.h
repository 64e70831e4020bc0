// A started program with the water form's templates, and a small dialog
// procedure that shows the working analysis on a template as the form's opening
// does, so that a test can look at the fields and read them back.
#pragma once

#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>

#include "engine/pipeline/pipeline_records.h"
#include "input/description_records.h"
#include "input/waterform/form_text.h"
#include "input/waterform/predict_ph.h"
#include "input/waterform/show_analysis_fields.h"
#include "input/waterform/water_form_records.h"
#include "resources/dialog_ids.h"
#include "tests/shell/shell_fixture.h"

namespace formtest {

namespace C = WaterFormControl;
namespace U = WaterFormCaption;
namespace E = AnalysisElement;

inline win::INT_PTR ShowingFormProc(win::HWND dialog, win::UINT msg, win::WPARAM, win::LPARAM) {
    if (msg != win::WM_INITDIALOG) return win::FALSE;
    ShowAnalysisFields(dialog);
    return win::TRUE;
}

class FormTest : public shelltest::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        win::SetDesktopSize(1280, 1024);
        ASSERT_EQ(Start(), 1);
        RunLoop();
        win::SetLocalTimeSource([] {
            win::SYSTEMTIME t;
            t.wYear = 2024;
            t.wMonth = 7;
            t.wDay = 4;
            t.wHour = 9;
            t.wMinute = 5;
            return t;
        });
        unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
        alkalinityMode = 1;
    }
    void TearDown() override {
        win::SetLocalTimeSource(nullptr);
        ShellTest::TearDown();
    }

    // Opens template `id` on the working analysis (with `proc`, any template
    // as the template alone makes it); `steps` runs inside it and the dialog
    // is closed afterwards.
    void OnForm(const std::function<void(win::HWND)>& steps, int id = DialogId::kWaterForm1200,
                win::DLGPROC proc = ShowingFormProc) {
        win::OnDialog(
            id,
            [&](win::HWND form) {
                steps(form);
                win::EndDialog(form, 1);
            },
            1);
        ASSERT_EQ(
            win::DialogBoxParam(mainWindowState.instance, id, mainWindowState.mainWindow, proc, 0),
            1);
    }

    // The surface water as an entered water in the working record, with its
    // entered copy, as the form's opening leaves it.
    void EnterSurfaceWater(const std::function<void(float*)>& fill) {
        mainWindowState.currentWater = 0;
        formWater = 0;
        float* v = currentAnalysis.values;
        std::memset(v, 0, sizeof currentAnalysis.values);
        fill(v);
        std::memcpy(surfaceWater.values, v, sizeof surfaceWater.values);
        std::memcpy(enteredValues[0], v, sizeof enteredValues[0]);
        resultStatus.surfaceEntered = 1;
        formSnapshot.residenceSeconds = currentResidenceTime;
    }

    static std::string Field(win::HWND form, int id) {
        return win::WindowText(win::GetDlgItem(form, id));
    }
    static double Number(win::HWND form, int id) { return std::atof(Field(form, id).c_str()); }

    // The texts or the numbers that controls show, each checked by its id.
    struct ShownText {
        int id;
        const char* text;
    };
    struct ShownNumber {
        int id;
        double value;
    };
    static void ExpectTexts(win::HWND form, std::initializer_list<ShownText> shown) {
        for (const ShownText& s : shown) EXPECT_EQ(Field(form, s.id), s.text) << "control " << s.id;
    }
    static void ExpectNumbers(win::HWND form, std::initializer_list<ShownNumber> shown) {
        for (const ShownNumber& s : shown)
            EXPECT_DOUBLE_EQ(Number(form, s.id), s.value) << "control " << s.id;
    }
};

}  // namespace formtest
