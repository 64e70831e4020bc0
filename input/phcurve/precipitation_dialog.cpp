// PrecipitationDlgProc: a click stores its choice at once; OK keeps the
// settings files and brings the profiles that show the quantity up to date,
// Cancel puts the opening choices back.
#include "input/phcurve/precipitation_dialog.h"

#include <initializer_list>

#include "engine/records.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/phcurve/phcurve_records.h"
#include "input/whatif/save_config_file.h"
#include "input/whatif/whatif_dialog_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "resources/phcurve_dialog_ids.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/settings/units_file.h"

namespace {

namespace C = PrecipitationControl;

WhatIfDrivers& Drivers() {
    static WhatIfDrivers drivers = ScenarioDrivers();
    return drivers;
}

constexpr int kUnitButtons[3] = {C::kMgPerLitre, C::kLbsPerThousandBarrels,
                                 C::kKgPerThousandBarrels};
constexpr int kQuantityButtons[3] = {C::kMomentaryExcess, C::kPrecipitationPotential, C::kBoth};

// Checks button `chosen` (0..2, anything else the first) of a group of three.
void CheckOne(win::HWND dialog, const int (&buttons)[3], uint32_t chosen) {
    const uint32_t c = chosen == 1 || chosen == 2 ? chosen : 0;
    for (uint32_t i = 0; i < 3; ++i)
        win::CheckDlgButton(dialog, buttons[i], i == c ? win::BST_CHECKED : 0);
}

void Repaint(std::initializer_list<const char*> classes) {
    for (const char* name : classes)
        if (win::HWND w = win::FindWindow(name, nullptr); w != nullptr)
            win::InvalidateRect(w, nullptr, win::TRUE);
}

void Recompute(uint16_t& done, void (*driver)(win::HWND), win::HWND owner) {
    done = 0;
    driver(owner);
    done = 1;
}

// The profiles that show the quantity, each only when it exists.
void QuantityChanged(win::HWND main) {
    const WhatIfDrivers& d = Drivers();
    ResultStatus& r = resultStatus;
    uint16_t& well12 = r.wellProfileDone[0];
    uint16_t& well11 = r.wellProfileDone[1];
    mainWindowState.dataChanged = 1;
    if (well12 != 0) Recompute(well12, d.calcWellLogProfile, main);
    if (well11 != 0) Recompute(well11, d.calcWellLogProfile11, main);
    Repaint({"DisOnePage"});
    if (r.tempProfileDone != 0) Recompute(r.tempProfileDone, d.calcTempProfile, main);
    if (r.phProfileDone != 0) Recompute(r.phProfileDone, d.calcpHProfile, main);
    if (well12 != 0) Recompute(well12, d.calcWellLogProfile, main);
    Repaint({"DisOnePage", "DisplayTempWater", "DisplayTempValues"});
    r.gridDone = 0;
    if (r.phProfileDone != 0) Recompute(r.phProfileDone, d.calcpHProfile, main);
    Repaint({"DisplaypHWater", "DisplaypHValues"});
    if (well12 != 0) Recompute(well12, d.calcWellLogProfile, main);
    Repaint({"DisOnePage"});
}

// The pressure results and the well profiles, whatever changed.
void PressureAndWells(win::HWND main) {
    const WhatIfDrivers& d = Drivers();
    ResultStatus& r = resultStatus;
    if (r.gridDone2 != 0) {
        r.gridDone2 = 0;
        d.calcGridPressTemp(0);
        r.gridDone2 = 1;
    }
    if (r.pressureProfileDone != 0) Recompute(r.pressureProfileDone, d.calcPressProfile, main);
    if (r.wellProfileDone[1] != 0) Recompute(r.wellProfileDone[1], d.calcWellLogProfile11, main);
    if (r.wellProfileDone[0] != 0) {
        Recompute(r.wellProfileDone[0], d.calcWellLogProfile, main);
        Repaint({"DisOnePage"});
    }
}

void OnOk(win::HWND dialog) {
    const win::HWND main = mainWindowState.mainWindow;
    if (whatIfDialogState.makeDefault != 0) SaveConfigFile();
    // The unit lives in the units file, which nothing else would write.
    if (displaySettings.precipitationUnit != precipitationOpening.unit) SaveUnitsFile();
    if (precipitationQuantity != precipitationOpening.quantity) QuantityChanged(main);
    PressureAndWells(main);
    win::EndDialog(dialog, 1);
}

bool OnCommand(win::HWND dialog, int id) {
    for (uint16_t i = 0; i < 3; ++i) {
        if (id == kUnitButtons[i]) {
            displaySettings.precipitationUnit = i;
            CheckOne(dialog, kUnitButtons, i);
            return true;
        }
        if (id == kQuantityButtons[i]) {
            precipitationQuantity = i;
            CheckOne(dialog, kQuantityButtons, i);
            return true;
        }
    }
    switch (id) {
        case C::kOk:
            OnOk(dialog);
            return true;
        case C::kCancel:
            displaySettings.precipitationUnit = precipitationOpening.unit;
            precipitationQuantity = precipitationOpening.quantity;
            win::EndDialog(dialog, 1);
            return true;
        default:
            return false;
    }
}

}  // namespace

void SetPrecipitationDrivers(const WhatIfDrivers& drivers) {
    Drivers() = drivers;
}

void OpenPrecipitationDialog() {
    const win::HWND main = mainWindowState.mainWindow;
    (void)win::DialogBoxParamA(mainWindowState.instance, DialogId::kPrecipitation, main,
                               PrecipitationDlgProc, 0);
    win::InvalidateRect(main, nullptr, win::TRUE);
    win::UpdateWindow(main);
}

win::INT_PTR PrecipitationDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            precipitationOpening = {displaySettings.precipitationUnit, precipitationQuantity};
            CheckOne(dialog, kQuantityButtons, precipitationQuantity);
            CheckOne(dialog, kUnitButtons, displaySettings.precipitationUnit);
            return win::TRUE;
        case win::WM_COMMAND:
            return OnCommand(dialog, win::LOWORD(wParam)) ? win::TRUE : win::FALSE;
        default:
            return win::FALSE;
    }
}
