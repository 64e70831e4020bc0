// AlkpH: the pairs typed, kept valid and in order, fitted by the shared refit
// and shown beside the fitted pH; OK offers the curve as the pH prediction.
#include "input/phcurve/alk_ph_dialog.h"

#include <cstdio>
#include <string>

#include "engine/records.h"
#include "input/fields/decimal_field.h"
#include "input/phcurve/alk_curve.h"
#include "input/phcurve/phcurve_records.h"
#include "input/records.h"
#include "input/units/unit_change_recalc.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/phcurve_dialog_ids.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

namespace C = AlkCurveControl;

// The prediction method that reads the user's curve.
constexpr uint16_t kUserCurveMethod = 1;

void GraphNotAvailable(win::HWND dialog) {
    win::MessageBox(dialog, kGraphNotAvailableText, "WARNING", win::MB_ICONINFORMATION);
}
void HelpNotAvailable(win::HWND dialog) {
    win::MessageBox(dialog, kHelpNotAvailableText, "WARNING", win::MB_ICONINFORMATION);
}
AlkCurveViews views = {GraphNotAvailable, HelpNotAvailable};

int AlkalinityEdit(int row) {
    return C::kFirstAlkalinity + 3 * row;
}

void ShowNumber(win::HWND dialog, int id, double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    win::SetDlgItemText(dialog, id, text);
}
void ShowFitted(win::HWND dialog, int id, double v) {
    char text[32];
    std::snprintf(text, sizeof text, v < 10.0 ? "%.4g" : "%.5g", v);
    win::SetDlgItemText(dialog, id, text);
}
float ReadNumber(win::HWND dialog, int id) {
    return static_cast<float>(DecimalFieldValue(dialog, id));
}

constexpr const char* kColumns[3] = {"Alkalinity", "Actual pH", "Predicted pH"};

std::string CellName(int row, int column) {
    return std::string(kColumns[column]) + " of row " + std::to_string(row + 1);
}

// Every cell of the ten rows holds a number (an empty cell reads 0); false
// after the user was told of the first that does not.
bool RowsReadable(win::HWND dialog) {
    for (int row = 0; row < kAlkCurvePairCount; ++row) {
        for (int column = 0; column < 3; ++column) {
            double value = 0.0;
            if (!ReadDecimalField(dialog, AlkalinityEdit(row) + column, CellName(row, column),
                                  value))
                return false;
        }
    }
    return true;
}

// A row is empty (its alkalinity and pH both 0) or a pair the curve can
// take: an alkalinity above 0 and a pH above 0 up to 14. A cell of a row that
// is neither is refused, naming its row, its column and the range (a number
// typed past its range before a cell left at 0 beside it), and false is
// returned with nothing read: a pair typed wrong is not dropped without a
// word.
bool RowsInRange(win::HWND dialog) {
    static const char* const kRanges[2] = {"above 0", "above 0 up to 14"};
    for (int row = 0; row < kAlkCurvePairCount; ++row) {
        const double cell[2] = {DecimalFieldValue(dialog, AlkalinityEdit(row)),
                                DecimalFieldValue(dialog, AlkalinityEdit(row) + 1)};
        if (cell[0] == 0.0 && cell[1] == 0.0) continue;
        const bool taken[2] = {cell[0] > 0.0, cell[1] > 0.0 && cell[1] <= 14.0};
        const int order[2] = {cell[0] == 0.0 ? 1 : 0, cell[0] == 0.0 ? 0 : 1};
        for (int column : order) {
            if (taken[column]) continue;
            const int id = AlkalinityEdit(row) + column;
            RefuseField(dialog, id,
                        OutsideRangeText(CellName(row, column), DialogFieldText(dialog, id),
                                         kRanges[column]));
            return false;
        }
    }
    return true;
}

void Open(win::HWND dialog) {
    const AlkCurvePoints& p = alkCurvePoints;
    if (resultStatus.alkCurveEntered == 0) {
        for (int row = 0; row < kAlkCurvePairCount; ++row)
            for (int column = 0; column < 3; ++column)
                ShowNumber(dialog, AlkalinityEdit(row) + column, 0.0);
    } else {
        for (int row = 0; row < p.count && row < kAlkCurvePairCount; ++row) {
            ShowNumber(dialog, AlkalinityEdit(row), p.pair[row][1]);
            ShowNumber(dialog, AlkalinityEdit(row) + 1, p.pair[row][0]);
            ShowFitted(dialog, AlkalinityEdit(row) + 2, alkCurveFit.fitted[row]);
        }
    }
    alkCurveBackup = TakeAlkCurve();
    alkCurveEnteredBackup = resultStatus.alkCurveEntered;
    phPredictionMethodBackup = phControlSettings.phPredictionMethod;
}

// Reads the rows, keeps the valid pairs in order and fits them; the number of
// pairs kept (0: the user was told, of a cell that holds no number or of too
// few pairs, and nothing was read or fitted).
int Refit(win::HWND dialog) {
    if (!RowsReadable(dialog) || !RowsInRange(dialog)) return 0;
    AlkCurvePoints& p = alkCurvePoints;
    AlkCurveFit& f = alkCurveFit;
    const AlkCurveFit before = f;
    int n = 0;
    for (int row = 0; row < kAlkCurvePairCount; ++row) {
        const float alkalinity = ReadNumber(dialog, AlkalinityEdit(row));
        const float ph = ReadNumber(dialog, AlkalinityEdit(row) + 1);
        const float predicted = ReadNumber(dialog, AlkalinityEdit(row) + 2);
        if (!IsValidAlkPair(alkalinity, ph)) continue;
        p.pair[n][0] = ph;
        p.pair[n][1] = alkalinity;
        p.pair[n][2] = predicted;
        f.fitted[n] = before.fitted[row];
        f.residual[n] = before.residual[row];
        ++n;
    }
    for (int row = n; row < kAlkCurvePairCount; ++row) {
        p.pair[row][0] = p.pair[row][1] = p.pair[row][2] = 0.0f;
        f.fitted[row] = f.residual[row] = 0.0f;
    }
    p.count = static_cast<int16_t>(n);
    for (int row = 0; row < kAlkCurvePairCount; ++row) {
        ShowNumber(dialog, AlkalinityEdit(row), p.pair[row][1]);
        ShowNumber(dialog, AlkalinityEdit(row) + 1, p.pair[row][0]);
        ShowNumber(dialog, AlkalinityEdit(row) + 2, p.pair[row][2]);
    }
    if (resultStatus.alkCurveEntered != 0)
        for (int row = 0; row < n; ++row)
            ShowFitted(dialog, AlkalinityEdit(row) + 2, f.fitted[row]);
    if (n == 0) {
        win::MessageBox(dialog, kTooFewPairsText, "WARNING", win::MB_ICONINFORMATION);
        return 0;
    }
    FitStoredAlkPairs();
    resultStatus.alkCurveEntered = 1;
    for (int row = 0; row < n; ++row) ShowFitted(dialog, AlkalinityEdit(row) + 2, f.fitted[row]);
    return n;
}

// The pairs and the coefficients: what the work file keeps of the user's input
// and what the calculation uses. The third column only echoes the fitted pH.
bool CurveChanged(const AlkCurveCopy& was) {
    const AlkCurvePoints& p = alkCurvePoints;
    if (p.count != was.points.count) return true;
    for (int i = 0; i < kAlkCurvePairCount; ++i)
        if (p.pair[i][0] != was.points.pair[i][0] || p.pair[i][1] != was.points.pair[i][1])
            return true;
    const AlkCurveCoefficients& c = userAlkCurve;
    const AlkCurveCoefficients& w = was.coefficients;
    return c.intercept != w.intercept || c.linear != w.linear || c.reciprocal != w.reciprocal ||
           c.logSlope != w.logSlope;
}

void OnOk(win::HWND dialog) {
    if (Refit(dialog) == 0) return;
    // The pairs as they were, fitted again, are the curve as it was: its
    // predicted column and fit stay as they were kept.
    if (alkCurveEnteredBackup != 0 && !CurveChanged(alkCurveBackup)) {
        PutAlkCurve(alkCurveBackup);
        resultStatus.alkCurveEntered = alkCurveEnteredBackup;
    }
    PhControlSettings& ph = phControlSettings;
    if (ph.phPredictionMethod != kUserCurveMethod && resultStatus.alkCurveEntered == 1 &&
        win::MessageBox(dialog, kChooseUserCurveText, kChooseUserCurveCaption,
                        win::MB_YESNO | win::MB_ICONQUESTION) == win::IDYES)
        ph.phPredictionMethod = kUserCurveMethod;
    // Both are saved in the work file: a change is something to save.
    if (CurveChanged(alkCurveBackup) || ph.phPredictionMethod != phPredictionMethodBackup)
        mainWindowState.dataChanged = 1;
    win::EndDialog(dialog, 1);
}

// The curve as it was at opening, with the flag that went with it.
void OnCancel(win::HWND dialog) {
    PutAlkCurve(alkCurveBackup);
    resultStatus.alkCurveEntered = alkCurveEnteredBackup;
    win::EndDialog(dialog, 2);
}

}  // namespace

void InstallAlkCurveViews(const AlkCurveViews& v) {
    views.showGraph = v.showGraph != nullptr ? v.showGraph : GraphNotAvailable;
    views.showHelp = v.showHelp != nullptr ? v.showHelp : HelpNotAvailable;
}

int AlkCurveTemplate(int height) {
    if (height <= 900) return DialogId::kAlkCurveSmall;
    if (height <= 1000) return DialogId::kAlkCurve8;
    if (height < 1200) return DialogId::kAlkCurve10;
    return DialogId::kAlkCurve12;
}

void ShowAlkpHDialog(win::HWND owner) {
    win::RECT client{};
    win::GetClientRect(owner, &client);
    (void)win::DialogBoxParamA(mainWindowState.instance,
                               AlkCurveTemplate(std::abs(client.bottom - client.top)), owner, AlkpH,
                               0);
    if (mainWindowState.dataChanged != 0) {
        multiMixState.multiMixDone = 0;
        resultStatus.tempProfileDone = 0;
        resultStatus.phProfileDone = 0;
        resultStatus.mixProfileDone = 0;
    }
    // A water whose pH is predicted takes the curve's pH at once when the
    // curve became the method, or changed while it is.
    const uint16_t method = phControlSettings.phPredictionMethod;
    if (method != phPredictionMethodBackup ||
        (method == kUserCurveMethod && CurveChanged(alkCurveBackup)))
        RecalculateForNewPhPrediction(owner);
}

win::INT_PTR AlkpH(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
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
                    OnCancel(dialog);
                    return win::TRUE;
                case C::kModel:
                    (void)Refit(dialog);
                    return win::TRUE;
                case C::kGraph:
                    if (Refit(dialog) > 0) views.showGraph(dialog);
                    return win::TRUE;
                case C::kHelp:
                case C::kHelpScreen:
                    views.showHelp(dialog);
                    return win::TRUE;
                default:
                    return win::FALSE;
            }
        default:
            return win::FALSE;
    }
}
