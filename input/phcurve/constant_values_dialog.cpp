// ConstantValues: the two boxes and values; OK marks the balancing pass to run
// again when anything changed, Cancel puts the opening values back.
#include "input/phcurve/constant_values_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/water_analysis.h"
#include "engine/inputs/inputs_records.h"
#include "input/fields/decimal_field.h"
#include "input/phcurve/phcurve_records.h"
#include "input/records.h"
#include "input/waterform/form_checks.h"
#include "input/waterform/predict_ph.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "resources/phcurve_dialog_ids.h"
#include "shell/records.h"

namespace {

namespace C = ConstantValuesControl;

std::string ValueText(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5g", static_cast<double>(v));
    return text;
}
void ShowValue(win::HWND dialog, int id, float v) {
    win::SetDlgItemText(dialog, id, ValueText(v).c_str());
}
// A field still showing the value held keeps it whole (its text rounds it to
// five figures); a field the user edited is read as typed.
float ReadValue(win::HWND dialog, int id, float held) {
    if (DialogFieldText(dialog, id) == ValueText(held)) return held;
    return static_cast<float>(DecimalFieldValue(dialog, id));
}

const NamedField kNumberFields[] = {
    {C::kPhosphateValue, "Phosphate"},
    {C::kSilicaValue, "Silica"},
};
uint16_t Checked(win::HWND dialog, int id) {
    return win::IsDlgButtonChecked(dialog, id) == win::BST_CHECKED ? 1 : 0;
}

void Open(win::HWND dialog) {
    const ConstantConcentrations& c = constantConcentrations;
    win::CheckDlgButton(dialog, C::kPhosphate, c.switches[0] != 0 ? win::BST_CHECKED : 0);
    win::CheckDlgButton(dialog, C::kSilica, c.switches[1] != 0 ? win::BST_CHECKED : 0);
    constantValuesBackup = c;
    ShowValue(dialog, C::kPhosphateValue, c.values[0]);
    ShowValue(dialog, C::kSilicaValue, c.values[1]);
}

// The first entry whose switch or value differs.
bool Changed(const ConstantConcentrations& now, const ConstantConcentrations& was) {
    for (int i = 0; i < kConstantConcentrationCount; ++i) {
        if (now.switches[i] != was.switches[i]) return true;
        if (ValueChanged(now.values[i], was.values[i])) return true;
    }
    return false;
}

// Each value is a concentration a water can hold, in the user's unit.
bool Refused(win::HWND dialog) {
    if (RefusedDecimalField(dialog, kNumberFields) != 0) return true;
    const int elements[2] = {AnalysisElement::kPhosphate, AnalysisElement::kSilica};
    for (int i = 0; i < 2; ++i) {
        const NamedField& f = kNumberFields[i];
        const std::string refusal = FieldRangeRefusal(
            FieldKind::kConcentration, f.name, DecimalFieldValue(dialog, f.controlId),
            DialogFieldText(dialog, f.controlId), elements[i]);
        if (refusal.empty()) continue;
        RefuseField(dialog, f.controlId, refusal);
        return true;
    }
    return false;
}

void OnOk(win::HWND dialog) {
    if (Refused(dialog)) return;
    ConstantConcentrations& c = constantConcentrations;
    c.values[0] = ReadValue(dialog, C::kPhosphateValue, constantValuesBackup.values[0]);
    c.switches[0] = Checked(dialog, C::kPhosphate);
    c.values[1] = ReadValue(dialog, C::kSilicaValue, constantValuesBackup.values[1]);
    c.switches[1] = Checked(dialog, C::kSilica);
    if (c.switches[0] != 0 || c.switches[1] != 0) c.constantValuesOn = 1;
    // The equilibrium calculation runs its balancing pass again.
    if (Changed(c, constantValuesBackup)) calcPassMode = 0;
    win::EndDialog(dialog, 1);
}

}  // namespace

int ChooseConstantValues(win::HWND window) {
    return static_cast<int>(win::DialogBoxParamA(
        mainWindowState.instance, DialogId::kConstantValues, window, ConstantValues, 0));
}

win::INT_PTR ConstantValues(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            Open(dialog);
            return win::TRUE;
        case win::WM_COMMAND:
            switch (win::LOWORD(wParam)) {
                case C::kOk:
                    OnOk(dialog);
                    return win::TRUE;
                case C::kCancel:
                    constantConcentrations = constantValuesBackup;
                    win::EndDialog(dialog, 1);
                    return win::TRUE;
                case C::kHelp:
                    win::MessageBox(dialog, kConstantValuesHelpText, "WARNING",
                                    win::MB_ICONINFORMATION);
                    return win::TRUE;
                default:
                    return win::FALSE;
            }
        default:
            return win::FALSE;
    }
}
