// Units: stepping the unit of each item, the reporting basis, the balancing
// ions and the presets; OK saves the units file, Cancel puts every choice back.
#include "input/units/units_dialog.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/records.h"
#include "input/records.h"
#include "input/units/settings_unit_change.h"
#include "input/units/unit_change.h"
#include "input/units/unit_change_check.h"
#include "input/units/unit_change_recalc.h"
#include "input/units/unit_choices.h"
#include "input/units/unit_labels.h"
#include "input/units/units_dialog_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/settings/unit_settings_save.h"
#include "shell/settings/units_file.h"

namespace {

namespace U = UnitsControl;

// The dialog font by the screen's height in lines.
win::HFONT MakeDialogFont() {
    const int lines = win::GetSystemMetrics(win::SM_CYSCREEN);
    int height = 11;
    int weight = win::FW_BOLD;
    if (lines < 481) {
        height = 8;
    } else if (lines < 601) {
        height = 10;
    } else if (lines > 768) {
        height = 12;
        weight = win::FW_NORMAL;
    }
    return win::CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, win::ANSI_CHARSET,
                            win::OUT_DEFAULT_PRECIS, win::CLIP_DEFAULT_PRECIS, win::DEFAULT_QUALITY,
                            win::DEFAULT_PITCH | win::FF_SWISS, "MS Sans Serif");
}

void SetDialogFont(win::HWND dialog, win::HFONT font) {
    const auto f = reinterpret_cast<win::WPARAM>(font);
    win::SendMessage(dialog, win::WM_SETFONT, f, 0);
    for (int id = U::kFirstFontControl; id <= U::kLastFontControl; ++id)
        if (win::HWND c = win::GetDlgItem(dialog, id); c != nullptr)
            win::SendMessage(c, win::WM_SETFONT, f, 0);
    // The polyphosphate and oxalate labels stand outside that run of ids.
    for (int id : {U::kOk, U::kCancel, U::kPolyphosphateLabel, U::kOxalateLabel})
        win::SendMessage(win::GetDlgItem(dialog, id), win::WM_SETFONT, f, 0);
}

// A mode the dialog does not offer (0 in an older work file) reports as mg/l,
// as the calculation takes it.
void CheckReporting(win::HWND dialog) {
    uint16_t mode = reportingMode;
    if (mode < ReportingMode::kPpm || mode > ReportingMode::kEpm) mode = ReportingMode::kMgPerL;
    win::CheckRadioButton(dialog, U::kPpm, U::kEpm, U::kPpm + mode - 1);
}
void CheckCation(win::HWND dialog) {
    win::CheckDlgButton(
        dialog, U::kSodium,
        balancingSettings.cationBalanceIon == 0 ? win::BST_CHECKED : win::BST_UNCHECKED);
    win::CheckDlgButton(
        dialog, U::kPotassium,
        balancingSettings.cationBalanceIon == 1 ? win::BST_CHECKED : win::BST_UNCHECKED);
}
void CheckAnion(win::HWND dialog) {
    const uint16_t a = balancingSettings.anionBalanceIon;
    win::CheckDlgButton(dialog, U::kSulfate, a == 0 ? win::BST_CHECKED : win::BST_UNCHECKED);
    win::CheckDlgButton(dialog, U::kChloride, a == 1 ? win::BST_CHECKED : win::BST_UNCHECKED);
    win::CheckDlgButton(dialog, U::kNitrate, a == 2 ? win::BST_CHECKED : win::BST_UNCHECKED);
}

void RefuseInEpm() {
    win::MessageBox(mainWindowState.mainWindow, kEpmRefusal, "WARNING", win::MB_ICONINFORMATION);
}

void OnOpen(win::HWND dialog) {
    UnitsDialogState& s = unitsDialogState;
    ClampUnitChoices();
    s.font = MakeDialogFont();
    SetDialogFont(dialog, s.font);
    s.openingCodes = unitCodes;
    s.openingAlkalinityMode = alkalinityMode;
    s.openingReportingMode = reportingMode;
    s.openingCation = balancingSettings.cationBalanceIon;
    s.openingAnion = balancingSettings.anionBalanceIon;
    s.openingDialogResult = dialogResult;
    ShowUnitLabels(dialog);
    for (int id = U::kPpm; id <= U::kNitrate; ++id)
        win::CheckDlgButton(dialog, id, win::BST_UNCHECKED);
    CheckReporting(dialog);
    CheckCation(dialog);
    CheckAnion(dialog);
}

void OnScroll(win::HWND dialog, int code, win::HWND bar) {
    if (code != win::SB_LINEUP && code != win::SB_LINEDOWN) return;
    const int item = UnitItemForControl(win::GetDlgCtrlID(bar));
    if (reportingMode == ReportingMode::kEpm && IsConcentrationItem(item)) {
        RefuseInEpm();
        return;
    }
    StepUnitChoice(item, code == win::SB_LINEUP ? -1 : 1);
    ShowUnitLabel(dialog, item);
}

void Close(win::HWND dialog) {
    if (unitsDialogState.font != nullptr) win::DeleteObject(unitsDialogState.font);
    unitsDialogState.font = nullptr;
    win::EndDialog(dialog, 1);
}

bool AnyWaterEntered() {
    const ResultStatus& r = resultStatus;
    return r.surfaceEntered != 0 || r.injectionEntered != 0 || r.formationEntered != 0;
}

void OnOk(win::HWND dialog) {
    const UnitsDialogState& s = unitsDialogState;
    // A change that would carry a water past what the forms take is refused,
    // and the dialog stays open with the choices made.
    // Opened from a form, the form's water as typed is in the working record.
    const bool fromForm = win::GetParent(dialog) != mainWindowState.mainWindow;
    std::string refusal = UnitChangeRefusal(
        UnitBasis{s.openingCodes, s.openingReportingMode, s.openingAlkalinityMode},
        UnitBasis{unitCodes, reportingMode, alkalinityMode},
        fromForm ? currentAnalysis.values : nullptr);
    // So is one that would carry a setting past what it may hold.
    if (refusal.empty())
        refusal = SettingsUnitChangeRefusal(s.openingCodes, unitCodes, whatIfSettings,
                                            graphRangeSettings, wellLogSpecs);
    if (!refusal.empty()) {
        win::MessageBox(dialog, refusal.c_str(), "WARNING", win::MB_ICONINFORMATION);
        return;
    }
    const bool codesChanged = std::memcmp(&unitCodes, &s.openingCodes, sizeof unitCodes) != 0;
    // The what-if, mixing-zone and well-log settings hold numbers in the
    // temperature, pressure and pCO2 units: they are written in the new ones
    // (the well log is kept in the display configuration file, which then
    // changes with the units file or neither does).
    const WhatIfSettings whatIfBefore = whatIfSettings;
    const GraphRangeSettings graphBefore = graphRangeSettings;
    const WellLogSpecs wellBefore = wellLogSpecs;
    if (codesChanged)
        ConvertSettingsUnits(s.openingCodes, unitCodes, whatIfSettings, graphRangeSettings,
                             wellLogSpecs);
    const bool wellChanged = std::memcmp(&wellBefore, &wellLogSpecs, sizeof wellBefore) != 0;
    // Units that cannot be saved are not taken: a later start would read the
    // files as they are. The dialog stays open with the choices made.
    std::string failure;
    if (!SaveUnitsAndDisplayConfig(wellChanged, failure)) {
        whatIfSettings = whatIfBefore;
        graphRangeSettings = graphBefore;
        wellLogSpecs = wellBefore;
        win::MessageBox(dialog, failure.c_str(), "WARNING", win::MB_ICONINFORMATION);
        return;
    }
    if (codesChanged && (resultStatus.runTargetSolvers != 0 || AnyWaterEntered()))
        win::MessageBox(dialog, kUnitsChangedWarning, "WARNING", win::MB_ICONINFORMATION);
    // The waters stay the same waters, written in the new units.
    if (codesChanged || reportingMode != s.openingReportingMode ||
        alkalinityMode != s.openingAlkalinityMode) {
        ConvertStoredWaters(
            UnitBasis{s.openingCodes, s.openingReportingMode, s.openingAlkalinityMode},
            UnitBasis{unitCodes, reportingMode, alkalinityMode});
        RefreshOpenPages(-1);
    }
    // The forms that opened this dialog store and recalculate a water whose units
    // changed under it.
    if (codesChanged || alkalinityMode != s.openingAlkalinityMode ||
        reportingMode != s.openingReportingMode ||
        balancingSettings.cationBalanceIon != s.openingCation ||
        balancingSettings.anionBalanceIon != s.openingAnion)
        dialogResult = 1;
    Close(dialog);
}

void OnCancel(win::HWND dialog) {
    const UnitsDialogState& s = unitsDialogState;
    dialogResult = s.openingDialogResult;
    alkalinityMode = s.openingAlkalinityMode;
    reportingMode = s.openingReportingMode;
    unitCodes = s.openingCodes;
    balancingSettings.cationBalanceIon = s.openingCation;
    balancingSettings.anionBalanceIon = s.openingAnion;
    Close(dialog);
}

void SetReporting(win::HWND dialog, uint16_t mode) {
    const bool leavingEpm = reportingMode == ReportingMode::kEpm && mode != ReportingMode::kEpm;
    reportingMode = mode;
    CheckReporting(dialog);
    if (mode == ReportingMode::kEpm)
        ShowEpmUnitLabels(dialog);
    else if (leavingEpm)
        ShowUnitLabels(dialog);
}

void Preset(win::HWND dialog, UnitPreset preset) {
    if (reportingMode == ReportingMode::kEpm) {
        RefuseInEpm();
        return;
    }
    ApplyUnitPreset(preset);
    ShowUnitLabels(dialog);
}

bool OnCommand(win::HWND dialog, int id) {
    switch (id) {
        case U::kOk:
            OnOk(dialog);
            return true;
        case U::kCancel:
            OnCancel(dialog);
            return true;
        case U::kPpm:
            SetReporting(dialog, ReportingMode::kPpm);
            return true;
        case U::kMgPerL:
            SetReporting(dialog, ReportingMode::kMgPerL);
            return true;
        case U::kEpm:
        case U::kEpmAlso:
            SetReporting(dialog, ReportingMode::kEpm);
            return true;
        case U::kSodium:
        case U::kPotassium:
            balancingSettings.cationBalanceIon = id == U::kSodium ? 0 : 1;
            CheckCation(dialog);
            return true;
        case U::kSulfate:
        case U::kChloride:
        case U::kNitrate:
            balancingSettings.anionBalanceIon = id == U::kSulfate ? 0 : id == U::kChloride ? 1 : 2;
            CheckAnion(dialog);
            return true;
        case U::kAsTheIon:
            Preset(dialog, UnitPreset::kAsTheIon);
            return true;
        case U::kAsCaCO3:
            Preset(dialog, UnitPreset::kAsCaCO3);
            return true;
        case U::kCombination:
            Preset(dialog, UnitPreset::kCombination);
            return true;
        default:
            return false;
    }
}

}  // namespace

int UnitsTemplate(int desktopHeight) {
    if (desktopHeight > 1024) return DialogId::kUnits1280;
    if (desktopHeight > 600) return DialogId::kUnits800;
    return DialogId::kUnits640;
}

// Whichever window opened the dialog, a change of units is followed by the
// calculations it brings.
void OpenUnitsDialog(win::HWND owner) {
    const UnitCodes codesBefore = unitCodes;
    const uint16_t reportingBefore = reportingMode;
    const uint16_t alkalinityBefore = alkalinityMode;
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    (void)win::DialogBoxParamA(mainWindowState.instance,
                               UnitsTemplate(std::abs(desktop.bottom - desktop.top)), owner, Units,
                               0);
    if (std::memcmp(&codesBefore, &unitCodes, sizeof unitCodes) != 0 ||
        reportingBefore != reportingMode || alkalinityBefore != alkalinityMode)
        RecalculateForNewUnits(mainWindowState.mainWindow);
}

win::INT_PTR Units(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
        case win::WM_INITDIALOG:
            OnOpen(dialog);
            return win::TRUE;
        case win::WM_VSCROLL:
            OnScroll(dialog, win::LOWORD(wParam), reinterpret_cast<win::HWND>(lParam));
            return win::TRUE;
        case win::WM_COMMAND:
            return OnCommand(dialog, win::LOWORD(wParam)) ? win::TRUE : win::FALSE;
        default:
            return win::FALSE;
    }
}
