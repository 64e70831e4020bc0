// MultiMixDlgProc: opening the dialog on water editIndex, its buttons, keys and
// field rules. Showing and reading a water are multimix_fields, moving between
// waters multimix_moves, calculating and the pages multimix_calc.
#include "input/multimix/multimix_dialog.h"

#include <strings.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/pipeline/checks/sulfide_alkalinity.h"
#include "engine/records.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/description_records.h"
#include "input/fields/decimal_field.h"
#include "input/multimix/multimix_calc.h"
#include "input/multimix/multimix_fields.h"
#include "input/multimix/multimix_moves.h"
#include "input/records.h"
#include "input/typed_values.h"
#include "input/units/units_dialog.h"
#include "input/waterform/form_field_events.h"
#include "input/waterform/form_text.h"
#include "input/waterform/water_form_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

namespace C = WaterFormControl;
namespace M = MultiMixControl;
namespace E = AnalysisElement;

constexpr int kDescriptionLimit = 127;
constexpr int kLimitedEdits[] = {C::kDescription0, C::kDescription1, C::kDescription2,
                                 C::kDescription3, C::kDescription4, C::kSampleId};

MultiMixState& Mix() {
    return multiMixState;
}
int Shown() {
    return multiMixState.editIndex;
}

// What the dialog stores of a water, to tell whether a read changed it.
struct StoredWater {
    WaterAnalysis analysis;
    float entered[AnalysisElement::kCount];
    SampleDescription description;
    float weight;
    float residence[ResidenceForm::kCount];
    float acids[kMultiMixAcidCount];
};

StoredWater CopyOfShownWater() {
    const MultiMixState& m = Mix();
    const int k = Shown();
    StoredWater s{};
    s.analysis = m.sourceWaters[k];
    std::memcpy(s.entered, sourceValuesAsEntered[k], sizeof s.entered);
    s.description = m.descriptions[k];
    s.weight = m.weightPercent[k];
    std::memcpy(s.residence, m.residenceTime[k], sizeof s.residence);
    std::memcpy(s.acids, m.organicAcids[k], sizeof s.acids);
    return s;
}

void PutBackShownWater(const StoredWater& s) {
    MultiMixState& m = Mix();
    const int k = Shown();
    m.sourceWaters[k] = s.analysis;
    std::memcpy(sourceValuesAsEntered[k], s.entered, sizeof s.entered);
    m.descriptions[k] = s.description;
    m.weightPercent[k] = s.weight;
    std::memcpy(m.residenceTime[k], s.residence, sizeof s.residence);
    std::memcpy(m.organicAcids[k], s.acids, sizeof s.acids);
}

// Reads the fields; the workspace is marked changed when the water now holds
// anything else. False, with nothing read, while a field is refused, or while
// the water read is one whose sulfide outweighs its alkalinity (the fields
// keep what was typed, the water stays as it was stored).
bool ReadAndMark(win::HWND dialog) {
    if (!CheckMultiMixFields(dialog)) return false;
    ClampMultiMixIndices();
    const StoredWater before = CopyOfShownWater();
    const WaterAnalysis working = currentAnalysis;
    ReadMultiMixFields(dialog);
    const std::string refusal =
        SulfideAlkalinityText(SulfideAgainstAlkalinity(Mix().sourceWaters[Shown()].values),
                              "Water " + std::to_string(Shown() + 1));
    if (!refusal.empty()) {
        PutBackShownWater(before);
        currentAnalysis = working;
        RefuseField(dialog, C::kMAlkalinity, refusal);
        return false;
    }
    const StoredWater after = CopyOfShownWater();
    if (std::memcmp(&before, &after, sizeof before) != 0) mainWindowState.dataChanged = 1;
    return true;
}

void RaiseLastWaterIndex() {
    if (Mix().lastWaterIndex < Shown()) Mix().lastWaterIndex = Shown();
}

// A water being added that a move read changed is kept as the last water, as
// OK keeps it, so that the move back finds it; true when it was.
bool KeepWaterBeingAdded(bool changed) {
    if (!changed || Shown() <= Mix().lastWaterIndex) return false;
    RaiseLastWaterIndex();
    Mix().multiMixEntered[Shown()] = 1;
    return true;
}

// For a positive result the fields are read once more and the water
// calculated with the target solvers on; then the dialog ends.
void Close(win::HWND dialog) {
    if (dialogResult == 1 || dialogResult == 2) {
        if (!ReadAndMark(dialog)) return;
        CopyMultiMixTemperature();
        RecalcMultiMixRecord();
        resultStatus.runTargetSolvers = 1;
    }
    win::EndDialog(dialog, 1);
}

// The fields' own procedure, kept while the form hands it their other keys.
win::WNDPROC fieldProcedure = nullptr;

// Page Up and Page Down in a field move between the waters as PREVIOUS and
// NEXT do, the water shown read first, so that nothing typed in it is lost;
// the field takes every other key.
win::LRESULT FieldKeys(win::HWND field, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_KEYDOWN && (wParam == win::VK_PRIOR || wParam == win::VK_NEXT)) {
        const int button = wParam == win::VK_PRIOR ? M::kPrevious : M::kNextOrAdd;
        return win::SendMessage(win::GetParent(field), win::WM_COMMAND,
                                win::MAKEWPARAM(static_cast<win::WORD>(button), win::BN_CLICKED),
                                0);
    }
    return win::CallWindowProc(fieldProcedure, field, msg, wParam, lParam);
}

void PassPageKeysToTheForm(win::HWND dialog) {
    for (win::HWND c = win::GetWindow(dialog, win::GW_CHILD); c != nullptr;
         c = win::GetWindow(c, win::GW_HWNDNEXT)) {
        char name[16] = {};
        win::GetClassName(c, name, sizeof name);
        if (strcasecmp(name, "EDIT") != 0) continue;
        const auto own = reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtr(c, win::GWL_WNDPROC));
        if (own == &FieldKeys) continue;
        fieldProcedure = own;
        (void)win::SetWindowLongPtr(c, win::GWL_WNDPROC,
                                    reinterpret_cast<std::intptr_t>(&FieldKeys));
    }
}

void OnOpen(win::HWND dialog) {
    PassPageKeysToTheForm(dialog);
    for (int id : kLimitedEdits)
        win::SendDlgItemMessage(dialog, id, win::EM_LIMITTEXT, kDescriptionLimit, 0);
    ClampMultiMixIndices();
    MultiMixState& m = Mix();
    resultStatus.runTargetSolvers = static_cast<uint16_t>(m.multiMixEntered[Shown()] & 0xFF);
    if (m.lastWaterIndex == 0 && resultStatus.runTargetSolvers == 0) m.addingNewWater = 1;
    SetNextButton(dialog, false);
    const WaterAnalysis& w = m.sourceWaters[Shown()];
    currentAnalysis.values[E::kH2S] = w.values[E::kH2S];
    currentAnalysis.values[E::kPH2S] = w.values[E::kPH2S];
    KeepMultiMixWindows();
    ShowMultiMixRecord(dialog);
    LoadMultiMixRecord();
    RaiseMultiMixWindows();
}

// No weight and no brine flow with a density: the user enters one, or the
// weight becomes 100. The dialog stays open either way.
bool WeightMissing() {
    const WaterAnalysis& w = Mix().sourceWaters[Shown()];
    return Mix().weightPercent[Shown()] <= 0.0f &&
           (w.values[E::kDensity] <= 0.0f || w.values[E::kBrineFlow] <= 0.0f);
}

void AskForWeight(win::HWND dialog) {
    const int answer = win::MessageBox(dialog, kNoWeightQuestion, "WARNING",
                                       win::MB_YESNO | win::MB_ICONINFORMATION);
    if (answer == win::IDYES) {
        win::SetFocus(win::GetDlgItem(dialog, M::kWeight));
        return;
    }
    win::MessageBox(dialog, kWeightSetText, "WARNING", win::MB_ICONINFORMATION);
    win::SetDlgItemText(dialog, M::kWeight, "100.0");
}

void OnOk(win::HWND dialog) {
    if (!ReadAndMark(dialog)) return;
    if (RecalcMultiMixRecordIfChanged(true)) RaiseLastWaterIndex();
    resultStatus.runTargetSolvers = 1;
    Mix().multiMixEntered[Shown()] = 1;
    if (WeightMissing()) {
        AskForWeight(dialog);
        return;
    }
    ShowMultiMixWindows();
    LoadMultiMixRecord();
    ShowMultiMixWindows();
    SetNextButton(dialog, false);
    dialogResult = 0;
    win::EndDialog(dialog, 1);
}

void OnMix(win::HWND dialog) {
    SetNextButton(dialog, false);
    if (!ReadAndMark(dialog)) return;
    CopyMultiMixTemperature();
    RecalcMultiMixRecord();
    RaiseLastWaterIndex();
    Mix().reopenMultiMix = 0;
    Mix().multiMixEntered[Shown()] = 1;
    dialogResult = 2;
    Close(dialog);
}

void OnRecalculate(win::HWND dialog) {
    if (!ReadAndMark(dialog)) return;
    CopyMultiMixTemperature();
    dialogResult = 1;
    Close(dialog);
}

// A water being added and never stored is dropped: the input opens again on
// the last water stored.
void OnCancel(win::HWND dialog) {
    MultiMixState& m = Mix();
    ClampMultiMixIndices();
    if (m.editIndex > m.lastWaterIndex && m.multiMixEntered[m.editIndex] == 0)
        m.editIndex = m.lastWaterIndex;
    m.addingNewWater = 0;
    dialogResult = -1;
    CloseMultiMixWindows();
    Mix().reopenMultiMix = 0;
    win::EndDialog(dialog, 1);
}

// NEXT, PREVIOUS and GO TO #: the water read and calculated when changed, then
// the move.
void OnNext(win::HWND dialog) {
    if (!ReadAndMark(dialog)) return;
    KeepWaterBeingAdded(RecalcMultiMixRecordIfChanged(true));
    ShowMultiMixWindows();
    NextMultiMixRecord(dialog);
    LoadMultiMixRecord();
    ShowMultiMixWindows();
    SetNextButton(dialog, true);
}

void OnPrevious(win::HWND dialog) {
    if (!ReadAndMark(dialog)) return;
    // NEXT, greyed while the water was being added, leads back to it once kept.
    const bool kept = KeepWaterBeingAdded(RecalcMultiMixRecordIfChanged(false));
    ShowMultiMixWindows();
    PrevMultiMixRecord(dialog);
    LoadMultiMixRecord();
    ShowMultiMixWindows();
    SetNextButton(dialog, kept);
}

// A number that names no stored water is refused before anything is read; a
// water being added that was typed is kept first, as NEXT keeps it. No
// snapshot: the next change test finds the water reached changed.
void OnGoTo(win::HWND dialog) {
    ClampMultiMixIndices();
    const int count = Mix().lastWaterIndex + 1;
    double typed = 0.0;
    if (!ReadDecimalField(dialog, M::kGoToNumber, "GO TO #", typed)) return;
    if (!(typed >= 1.0 && typed <= count && typed == std::trunc(typed))) {
        RefuseField(dialog, M::kGoToNumber,
                    OutsideRangeText("GO TO #", DialogFieldText(dialog, M::kGoToNumber),
                                     "a water from 1 to " + std::to_string(count)));
        return;
    }
    if (!ReadAndMark(dialog)) return;
    KeepWaterBeingAdded(RecalcMultiMixRecordIfChanged(true));
    ShowMultiMixWindows();
    GoToMultiMixRecord(dialog, static_cast<int>(typed));
    ShowMultiMixWindows();
    SetNextButton(dialog, true);
}

// A moving key with the dialog holding the keyboard leaves the water as its
// button does: the water shown is read (and calculated when changed, a water
// being added kept) before the move. Page Up and Up are PREVIOUS, Page Down
// and Down NEXT; End, Home, '1' and '3' read the same way, then jump.
bool OnKey(win::HWND dialog, int virtualKey) {
    switch (virtualKey) {
        case win::VK_PRIOR:
        case win::VK_UP:
            OnPrevious(dialog);
            return true;
        case win::VK_NEXT:
        case win::VK_DOWN:
            OnNext(dialog);
            return true;
        case win::VK_END:
        case win::VK_HOME:
        case '1':
        case '3':
            break;
        default:
            return false;
    }
    if (!ReadAndMark(dialog)) return true;
    KeepWaterBeingAdded(RecalcMultiMixRecordIfChanged(true));
    ShowMultiMixWindows();
    (void)MultiMixKey(dialog, virtualKey);
    LoadMultiMixRecord();
    return true;
}

// What was typed is read first, so that the units dialog converts it with the
// stored waters; the values are then shown again in the units now chosen, and
// a change of units ends the dialog with 1.
void OnChangeUnits(win::HWND dialog) {
    if (!ReadAndMark(dialog)) return;
    OpenUnitsDialog(dialog);
    ShowMultiMixRecord(dialog);
    win::InvalidateRect(dialog, nullptr, win::TRUE);
    if (dialogResult == 1) Close(dialog);
}

void OnDisplayResult(win::HWND dialog) {
    MultiMixState& m = Mix();
    m.showMultiMixResults = m.showMultiMixResults != 0 ? 0 : 1;
    if (m.showMultiMixResults != 0) {
        win::SetDlgItemText(dialog, M::kDisplayResult, " Hide Results ");
        ShowMultiMixWindows();
    } else {
        win::SetDlgItemText(dialog, M::kDisplayResult, "Display Result");
        CloseMultiMixWindows();
    }
}

void OnActivate(win::HWND dialog, bool activate) {
    win::EnableWindow(win::GetDlgItem(dialog, M::kActivate), activate ? win::FALSE : win::TRUE);
    win::EnableWindow(win::GetDlgItem(dialog, M::kDeactivate), activate ? win::TRUE : win::FALSE);
    Mix().addingNewWater = 0;
}

// Copy: the water read (and calculated when changed) and put on the clipboard
// with its identification and acids.
void OnCopy(win::HWND dialog) {
    if (!ReadAndMark(dialog)) return;
    if (MultiMixRecordChanged() != 0) {
        CopyMultiMixTemperature();
        RecalcMultiMixRecord();
    }
    resultStatus.runTargetSolvers = 1;
    const MultiMixState& m = Mix();
    const int k = Shown();
    currentAnalysis = m.sourceWaters[k];
    currentDescription = m.descriptions[k];
    std::memcpy(organicAcids, m.organicAcids[k], sizeof organicAcids);
    // The copy carries the water as typed, as the form shows it.
    float typed[E::kCount];
    ValuesAsTyped(m.sourceWaters[k].values, sourceValuesAsEntered[k], true, typed);
    (void)CopyAnalysisValues(typed);
}

// Paste: an analysis taken from the clipboard becomes the water shown, as
// typed.
void OnPaste(win::HWND dialog) {
    if (PasteAnalysis() != 0) return;
    resultStatus.runTargetSolvers = 1;
    MultiMixState& m = Mix();
    const int k = Shown();
    m.sourceWaters[k] = currentAnalysis;
    // The pasted values are the ones typed, as the sender's form showed them.
    std::memcpy(sourceValuesAsEntered[k], currentAnalysis.values, sizeof sourceValuesAsEntered[k]);
    ClearCalculatedCarbonate(sourceValuesAsEntered[k]);
    m.descriptions[k] = currentDescription;
    std::memcpy(m.organicAcids[k], organicAcids, sizeof m.organicAcids[k]);
    // The residence time arrives in seconds; the field shows it in the user's unit.
    const uint16_t residenceUnit = unitCodes.code[UnitItem::kResidenceTime];
    FillResidenceBlock(currentResidenceTime / ResidenceSecondsFactor(residenceUnit), residenceUnit,
                       m.residenceTime[k]);
    mainWindowState.dataChanged = 1;
    ShowPastedMultiMixRecord(dialog);
}

void OnFieldNotice(win::HWND dialog, int id, win::WORD code) {
    if (code != win::EN_KILLFOCUS) return;
    ReadLeftDateOrTime(dialog, id);
    if (id == C::kH2S || id == C::kPh2s) RefreshSulfideNote(dialog);
}

bool OnCommand(win::HWND dialog, int id, win::WORD code) {
    switch (id) {
        case M::kOk:
            OnOk(dialog);
            return true;
        case M::kMix:
            OnMix(dialog);
            return true;
        case M::kRecalculate:
            OnRecalculate(dialog);
            return true;
        case M::kCancel:
            OnCancel(dialog);
            return true;
        case M::kNextOrAdd:
            OnNext(dialog);
            return true;
        case M::kPrevious:
            OnPrevious(dialog);
            return true;
        case M::kGoTo:
            OnGoTo(dialog);
            return true;
        case M::kChangeUnits:
            OnChangeUnits(dialog);
            return true;
        case M::kDisplayResult:
            OnDisplayResult(dialog);
            return true;
        case M::kPrintResult:
            Mix().printMultiMixResults = Mix().printMultiMixResults != 0 ? 0 : 1;
            return true;
        case M::kActivate:
            OnActivate(dialog, true);
            return true;
        case M::kDeactivate:
            OnActivate(dialog, false);
            return true;
        case C::kSampleDateCalendar:
            PickCalendarDate(dialog, C::kSampleDate, currentAnalysis.sampleDate);
            return true;
        case C::kReportDateCalendar:
            PickCalendarDate(dialog, C::kReportDate, currentAnalysis.reportDate);
            return true;
        case C::kCopy:
            OnCopy(dialog);
            return true;
        case C::kPaste:
            OnPaste(dialog);
            return true;
        default:
            OnFieldNotice(dialog, id, code);
            return false;
    }
}

}  // namespace

int MultiMixTemplate(int height) {
    if (height <= 900) return DialogId::kMultiMixSmall;
    if (height <= 1000) return DialogId::kMultiMixMedium;
    return DialogId::kMultiMixLarge;
}

int16_t ShowMultiMixDialog() {
    dialogResult = 0;
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    const int height = std::abs(desktop.bottom - desktop.top);
    const win::INT_PTR ended =
        win::DialogBoxParamA(mainWindowState.instance, MultiMixTemplate(height),
                             mainWindowState.mainWindow, MultiMixDlgProc, 0);
    if (ended == -1) {
        multiMixState.reopenMultiMix = 0;
        dialogResult = -1;
    }
    return dialogResult;
}

win::INT_PTR MultiMixDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam) {
    switch (msg) {
        case win::WM_INITDIALOG:
            OnOpen(dialog);
            // The keyboard starts on OK, the default button, so that Return
            // stores the water rather than asking about a new one.
            win::SetFocus(win::GetDlgItem(dialog, M::kOk));
            return win::FALSE;
        case win::WM_COMMAND:
            return OnCommand(dialog, win::LOWORD(wParam), win::HIWORD(wParam)) ? win::TRUE
                                                                               : win::FALSE;
        // The dialog itself may hold the focus: it then takes the moving keys,
        // the arrows among them, instead of passing the focus to a field.
        case win::WM_SETFOCUS:
            return win::TRUE;
        case win::WM_GETDLGCODE:
            win::SetWindowLongPtr(dialog, win::DWL_MSGRESULT, win::DLGC_WANTARROWS);
            return win::TRUE;
        case win::WM_KEYDOWN:
            return OnKey(dialog, static_cast<int>(wParam)) ? win::TRUE : win::FALSE;
        case win::WM_CTLCOLOREDIT:
        case win::WM_CTLCOLORSTATIC:
            return FormControlColour(wParam, lParam, msg == win::WM_CTLCOLOREDIT, false);
        default:
            return win::FALSE;
    }
}
