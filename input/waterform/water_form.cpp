// Wform: opening the form on a stored water, its buttons (OK, Copy, Paste,
// Change Units, Recalculate, Cancel, the calendars) and the field rules applied
// when a field is left; the rules and colours it shares with the multi-mix input
// are form_field_events. The reading and showing of the fields are PredictPh and
// ShowAnalysisFields; storing is water_form_store.
#include "input/waterform/water_form.h"

#include <cstring>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/water_carry_over.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/description_records.h"
#include "input/residence_records.h"
#include "input/typed_values.h"
#include "input/units/units_dialog.h"
#include "input/water_temperature_records.h"
#include "input/waterform/form_checks.h"
#include "input/waterform/form_field_events.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_water.h"
#include "input/waterform/predict_ph.h"
#include "input/waterform/show_analysis_fields.h"
#include "input/waterform/water_form_records.h"
#include "input/waterform/water_form_store.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/records.h"

namespace {

namespace C = WaterFormControl;
namespace E = AnalysisElement;

constexpr int kDescriptionLimit = 127;
constexpr const char* kTitles[3] = {"SURFACE WATER CHEMISTRY INPUT FORM",
                                    "INJECTION WATER CHEMISTRY INPUT FORM",
                                    "FORMATION WATER CHEMISTRY INPUT FORM"};

// The values of an entered water as the user typed them, not as the last
// calculation balanced them: the next calculation balances from what the form
// shows.
void ShowEnteredValues(int32_t water) {
    ValuesAsTyped(FormWaterAnalysis(water)->values, enteredValues[water], IsFormWaterEntered(water),
                  currentAnalysis.values);
}

// A form closed without storing leaves the working record holding the water
// as stored, as the calculation and the work file expect it.
void LeaveStoredValues(int32_t water) {
    if (IsFormWater(water))
        std::memcpy(currentAnalysis.values, FormWaterAnalysis(water)->values,
                    sizeof currentAnalysis.values);
}

// Opening: the form water's companions and values become the working record.
void OnOpen(win::HWND form) {
    formWater = mainWindowState.currentWater;
    const int32_t water = formWater;
    if (IsFormWater(water)) {
        win::SetWindowText(form, kTitles[water]);
        std::memcpy(organicAcids, waterOrganicAcids[water], sizeof organicAcids);
        std::memcpy(&currentDescription, &waterDescriptions[water], sizeof currentDescription);
        const WaterAnalysis& stored = *FormWaterAnalysis(water);
        currentAnalysis.reportDate = stored.reportDate;
        currentAnalysis.sampleDate = stored.sampleDate;
        // The working record may hold another water's number and time.
        currentAnalysis.sampleTime = stored.sampleTime;
        currentAnalysis.sampleNumber = stored.sampleNumber;
        currentResidenceTime = waterResidenceSeconds[water];
        formResidenceSeconds = waterResidenceSeconds[water];
        formSnapshot.residenceSeconds = waterResidenceSeconds[water];
    }
    // Every description line holds 127 characters and its terminator.
    for (int id : DescriptionFields())
        win::SendDlgItemMessage(form, id, win::EM_LIMITTEXT, kDescriptionLimit, 0);
    win::SendDlgItemMessage(form, C::kSampleId, win::EM_LIMITTEXT, kDescriptionLimit, 0);
    if (IsFormWater(water)) ShowEnteredValues(water);
    if (currentAnalysis.values[E::kCompanionPh] == -1.0f) {
        phPredicted = 1;
        predictedPh = currentAnalysis.values[E::kPh];
    } else {
        phPredicted = 0;
        predictedPh = 0.0f;
    }
    ShowAnalysisFields(form);
}

// Whether the last PredictPh found new data (or a water never entered).
bool StoresNewData(int32_t water) {
    return dialogResult != 0 || !IsFormWaterEntered(water);
}

void StoreAndMark(int32_t water) {
    StoreEnteredWater(water);
    mainWindowState.dataChanged = 1;
    dialogResult = 1;
    currentWaterTemperatures[0] = currentWaterTemperatures[1] =
        currentAnalysis.values[E::kTemperature];
}

void OnOk(win::HWND form) {
    if (!CheckWaterFormFields(form)) return;
    PredictPh(form);
    if (!CheckSulfideAgainstAlkalinity(form)) return;
    const int32_t water = mainWindowState.currentWater;
    StoreIdentification(water);
    if (IsFormWater(water) && StoresNewData(water))
        StoreAndMark(water);
    else
        LeaveStoredValues(water);
    win::EndDialog(form, 1);
}

// Recalculate: the form's values alone, with nothing carried over from the
// water's last calculation.
void OnRecalculate(win::HWND form) {
    if (!CheckWaterFormFields(form)) return;
    std::memset(currentAnalysis.values, 0, sizeof currentAnalysis.values);
    phBalanceSwitch = 0;
    PredictPh(form);
    if (!CheckSulfideAgainstAlkalinity(form)) return;
    const int32_t water = mainWindowState.currentWater;
    StoreIdentification(water);
    if (IsFormWater(water)) {
        const bool changed = StoresNewData(water);
        StoreEnteredWater(water);
        if (changed) mainWindowState.dataChanged = 1;
        dialogResult = 1;
        currentWaterTemperatures[0] = currentWaterTemperatures[1] =
            currentAnalysis.values[E::kTemperature];
        ClearWaterResults(water);
        ClearWaterCarryOver();
    }
    win::EndDialog(form, 1);
}

// Copy: store the water, calculate it and put it on the clipboard; the form
// stays open.
void OnCopy(win::HWND form) {
    if (!CheckWaterFormFields(form)) return;
    PredictPh(form);
    if (!CheckSulfideAgainstAlkalinity(form)) return;
    const int32_t water = mainWindowState.currentWater;
    StoreIdentification(water);
    const float temperature = currentAnalysis.values[E::kTemperature];
    currentWaterTemperatures[0] = currentWaterTemperatures[1] = temperature;
    if (IsFormWater(water)) {
        if (StoresNewData(water)) {
            StoreEnteredWater(water);
            mainWindowState.dataChanged = 1;
        } else {
            *FormWaterEnteredFlag(water) = 1;
            ClearResultsOf(water);
        }
        waterTemperatures[water][0] = currentWaterTemperatures[0];
        waterTemperatures[water][1] = currentWaterTemperatures[1];
    }
    dialogResult = 1;
    CalcWaterAnalysis(1, mainWindowState.mainWindow);
    // The copy carries the water as typed, as the form shows it.
    if (IsFormWater(water)) {
        float typed[E::kCount];
        ValuesAsTyped(FormWaterAnalysis(water)->values, enteredValues[water], true, typed);
        (void)CopyAnalysisValues(typed);
    } else {
        (void)CopyAnalysis();
    }
}

// Paste shows the pasted water as a stored one (selector 4) and takes it as the
// new snapshot; OK then stores it.
void OnPaste(win::HWND form) {
    if (PasteAnalysis() != 0) return;
    dialogResult = 1;  // the pasted water replaces the form's, even one already entered
    const int32_t kept = mainWindowState.currentWater;
    mainWindowState.currentWater = WaterSelector::kSurfaceAgain;
    ShowAnalysisFields(form);
    mainWindowState.currentWater = kept;
}

// Change Units: the values are read, the units chosen (which converts every
// stored water and the working record into them), and the water shown again in
// the units now chosen. OK, Recalculate, Copy and Change Units read nothing
// while a field is refused.
void OnChangeUnits(win::HWND form) {
    if (!CheckWaterFormFields(form)) return;
    // A form whose water was never entered holds nothing to warn about yet.
    PredictPh(form, IsFormWaterEntered(mainWindowState.currentWater));
    OpenUnitsDialog(form);
    unitsRedisplay = 1;
    ShowAnalysisFields(form);
    unitsRedisplay = 0;
    win::InvalidateRect(form, nullptr, win::FALSE);
}

void OnFieldNotice(win::HWND form, int id, win::WORD code) {
    if (code == win::EN_KILLFOCUS) ReadLeftDateOrTime(form, id);
    if ((id == C::kH2S || id == C::kPh2s) &&
        (code == win::EN_KILLFOCUS || code == win::EN_SETFOCUS))
        RefreshSulfideNote(form);
}

bool OnCommand(win::HWND form, int id, win::WORD code) {
    switch (id) {
        case C::kOk:
            OnOk(form);
            return true;
        case C::kCancel:
            dialogResult = -1;
            LeaveStoredValues(mainWindowState.currentWater);
            win::EndDialog(form, 1);
            return true;
        case C::kCopy:
            OnCopy(form);
            return true;
        case C::kPaste:
            OnPaste(form);
            return true;
        case C::kChangeUnits:
            OnChangeUnits(form);
            return true;
        case C::kRecalculate:
            OnRecalculate(form);
            return true;
        case C::kSampleDateCalendar:
            PickCalendarDate(form, C::kSampleDate, currentAnalysis.sampleDate);
            return true;
        case C::kReportDateCalendar:
            PickCalendarDate(form, C::kReportDate, currentAnalysis.reportDate);
            return true;
        case C::kOpenChemFile:
        case C::kSaveChemFile:
            return true;  // no chemistry files in this program
        default:
            OnFieldNotice(form, id, code);
            return false;
    }
}

}  // namespace

win::INT_PTR Wform(win::HWND form, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
        case win::WM_INITDIALOG:
            OnOpen(form);
            return win::TRUE;
        case win::WM_COMMAND:
            return OnCommand(form, win::LOWORD(wParam), win::HIWORD(wParam)) ? win::TRUE
                                                                             : win::FALSE;
        case win::WM_CTLCOLOREDIT:
        case win::WM_CTLCOLORSTATIC:
            return FormControlColour(wParam, lParam, msg == win::WM_CTLCOLOREDIT, true);
        default:
            return win::FALSE;
    }
}
