// Temper: opening on the what-if values, the check boxes and graph buttons that
// act at once, OK storing the fields and bringing the results up to date, and
// Cancel putting back what the dialog changed.
#include "input/whatif/whatif_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "engine/pipeline/service_hooks.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "input/units/unit_change_recalc.h"
#include "input/whatif/graph_choice_name.h"
#include "input/whatif/save_config_file.h"
#include "input/whatif/whatif_dialog_records.h"
#include "input/whatif/whatif_fields.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/records.h"

namespace {

namespace W = WhatIfControl;

WhatIfDrivers& Drivers() {
    static WhatIfDrivers drivers = ScenarioDrivers();
    return drivers;
}

bool Checked(win::HWND dialog, int id) {
    return win::IsDlgButtonChecked(dialog, id) == win::BST_CHECKED;
}

// A check box that changes its setting at once.
void Toggle(win::HWND dialog, int id, uint32_t& setting) {
    const bool on = !Checked(dialog, id);
    win::CheckDlgButton(dialog, id, on ? win::BST_CHECKED : win::BST_UNCHECKED);
    setting = on ? 1 : 0;
}

// The graph slot and edit of each graph button.
struct GraphButton {
    int button;
    int edit;
    int slot;
};
constexpr GraphButton kGraphButtons[4] = {
    {W::kGraph1Button, W::kGraph1, 2},
    {W::kGraph2Button, W::kGraph2, 3},
    {W::kGraph3Button, W::kGraph3, 0},
    {W::kGraph4Button, W::kGraph4, 1},
};

// Choose Graphs for one summary graph; the graphs' own choice is left as it was.
void ChooseSummaryGraph(win::HWND dialog, const GraphButton& b) {
    const GraphChoice savedChoice = graphChoice;
    uint16_t savedCodes[kGraphIndexCodeCount];
    std::copy(std::begin(graphIndexCodes), std::end(graphIndexCodes), savedCodes);
    const int chosen = ShowChooseGraphs(mainWindowState.mainWindow);
    const int16_t code = graphChoice.codes[0];
    graphChoice = savedChoice;
    std::copy(std::begin(savedCodes), std::end(savedCodes), graphIndexCodes);
    if (chosen <= 0 || code < 0) return;
    displaySettings.graphParams[b.slot] = static_cast<uint16_t>(code);
    char name[kGraphNameChars] = {};
    GetGraphChoiceName(code, name);
    win::SetDlgItemText(dialog, b.edit, name);
}

void OnOk(win::HWND dialog) {
    if (const int field = ValidateWhatIfInputs(dialog); field > 0) {
        win::SetFocus(win::GetDlgItem(dialog, field));  // the user re-enters it
        return;
    }
    if (whatIfDialogState.makeDefault != 0) SaveConfigFile();
    // A water whose pH is predicted takes the new method's pH before the
    // results made from it are brought up to date.
    if (whatIfDialogState.opening.phControl.phPredictionMethod !=
        phControlSettings.phPredictionMethod)
        RecalculateForNewPhPrediction(mainWindowState.mainWindow);
    BringWhatIfResultsUpToDate(whatIfDialogState.opening, GatherWhatIfValues(), Drivers(),
                               mainWindowState.mainWindow);
    win::EndDialog(dialog, 1);
}

bool OnCommand(win::HWND dialog, int id) {
    switch (id) {
        case W::kOk:
            OnOk(dialog);
            return true;
        case W::kCancel:
            // What the check boxes and graph buttons changed goes back too.
            ScatterWhatIfValues(whatIfDialogState.opening);
            win::EndDialog(dialog, 1);
            return true;
        case W::kForcePhForPressure:
            Toggle(dialog, id, whatIfOptions.forcePhToEvalForPressure);
            return true;
        case W::kUseInputPh:
            Toggle(dialog, id, whatIfOptions.useInputPh);
            win::EnableWindow(win::GetDlgItem(dialog, W::kPhEval), whatIfOptions.useInputPh == 0);
            return true;
        case W::kUseInputTemperature:
            Toggle(dialog, id, whatIfOptions.useInputTemperature);
            win::EnableWindow(win::GetDlgItem(dialog, W::kTemperatureEval),
                              whatIfOptions.useInputTemperature == 0);
            return true;
        case W::kCorrectPhForTemperature:
            Toggle(dialog, id, whatIfOptions.correctPhForTemperature);
            return true;
        case W::kMakeDefault:
            Toggle(dialog, id, whatIfDialogState.makeDefault);
            return true;
        default:
            break;
    }
    for (const GraphButton& b : kGraphButtons) {
        if (b.button != id) continue;
        ChooseSummaryGraph(dialog, b);
        return true;
    }
    return false;
}

}  // namespace

int WhatIfTemplate(int desktopHeight) {
    return desktopHeight <= 900 ? DialogId::kWhatIf640 : DialogId::kWhatIf1200;
}

void OpenWhatIfDialog(win::HWND owner) {
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    (void)win::DialogBoxParamA(mainWindowState.instance,
                               WhatIfTemplate(std::abs(desktop.bottom - desktop.top)), owner,
                               Temper, 0);
}

void SetWhatIfDrivers(const WhatIfDrivers& drivers) {
    Drivers() = drivers;
}

void InitWhatIfDialog(win::HWND dialog) {
    // Graph codes not yet chosen show the summary's defaults.
    uint16_t* g = displaySettings.graphParams;
    constexpr uint16_t kDefaults[4] = {4, 5, 0, 21};
    for (int i = 0; i < 4; ++i)
        if (static_cast<int16_t>(g[i]) < 0) g[i] = kDefaults[i];
    whatIfDialogState.opening = GatherWhatIfValues();
    FillWhatIfFields(dialog);
}

int ValidateWhatIfInputs(win::HWND dialog) {
    WhatIfValues v = GatherWhatIfValues();
    const int result = ReadWhatIfFields(dialog, v);
    if (result <= 0) ScatterWhatIfValues(v);
    return result;
}

win::INT_PTR Temper(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            whatIfDialogState.makeDefault = 0;
            InitWhatIfDialog(dialog);
            return win::TRUE;
        case win::WM_COMMAND:
            return OnCommand(dialog, win::LOWORD(wParam)) ? win::TRUE : win::FALSE;
        default:
            return win::FALSE;
    }
}
