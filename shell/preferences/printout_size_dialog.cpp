// The printout size dialog: the edit and the scroll bar show the whole part
// of linesPerScreen; the arrows step it and wrap at the ends of 25 to 55.
#include "shell/preferences/printout_size_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "input/fields/decimal_field.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/selection_dialog_ids.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/preferences/preferences_records.h"
#include "shell/records.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/screen_fonts.h"

namespace {

constexpr double kBarLow = 25.0;
constexpr double kBarHigh = 55.0;
constexpr double kTypedLow = 20.0;

namespace C = PrintoutSizeControl;

// The edit and the scroll bar show the whole part of the value.
void ShowLines(win::HWND dialog) {
    const int whole = static_cast<int>(std::trunc(displaySettings.linesPerScreen));
    char text[16];
    std::snprintf(text, sizeof text, "%d", whole);
    win::SetDlgItemText(dialog, C::kLines, text);
    win::SetScrollPos(win::GetDlgItem(dialog, C::kLinesBar), win::SB_CTL, whole, win::TRUE);
}

// The edit as it reads when it loses the focus: a number from 20 to 55,
// fractions included, is stored as it is; anything else stays as typed for
// the user to correct (OK refuses it), so nothing is replaced unseen.
bool TypedLinesAcceptable(const std::string& text, double& typed) {
    const DecimalReading reading = ReadDecimalText(text);
    typed = reading.value;
    return reading.kind == DecimalText::kNumber && typed >= kTypedLow && typed <= kBarHigh;
}

void ReadTypedLines(win::HWND dialog) {
    double typed = 0.0;
    if (TypedLinesAcceptable(DialogFieldText(dialog, C::kLines), typed))
        displaySettings.linesPerScreen = typed;
}

// OK's reading of the edit: false, after the user was told why, for a text
// that is no number of lines the pages can show.
bool LinesTaken(win::HWND dialog) {
    const std::string text = DialogFieldText(dialog, C::kLines);
    double typed = 0.0;
    if (TypedLinesAcceptable(text, typed)) {
        displaySettings.linesPerScreen = typed;
        return true;
    }
    const DecimalReading reading = ReadDecimalText(text);
    RefuseField(dialog, C::kLines,
                reading.kind == DecimalText::kNumber
                    ? OutsideRangeText("Lines per screen", text,
                                       GroupedNumber(kTypedLow) + " to " + GroupedNumber(kBarHigh))
                    : DecimalRefusalText(reading.kind, "Lines per screen", text));
    return false;
}

void Scroll(win::HWND dialog, int code, int position) {
    double& lines = displaySettings.linesPerScreen;
    switch (code) {
        case win::SB_LINELEFT:
            lines -= 1.0;
            break;
        case win::SB_LINERIGHT:
            lines += 1.0;
            break;
        case win::SB_THUMBPOSITION:
            lines = position;
            break;
        default:
            return;
    }
    if (lines > kBarHigh) lines = kBarLow;
    if (lines < kBarLow) lines = kBarHigh;
    ShowLines(dialog);
}

void Open(win::HWND dialog) {
    double& lines = displaySettings.linesPerScreen;
    lines = std::isnan(lines) ? kBarHigh : std::clamp(lines, kBarLow, kBarHigh);
    printoutSizeState.savedLinesPerScreen = lines;
    printoutSizeState.closing = 0;
    win::SetScrollRange(win::GetDlgItem(dialog, C::kLinesBar), win::SB_CTL,
                        static_cast<int>(kBarLow), static_cast<int>(kBarHigh), win::FALSE);
    ShowLines(dialog);
}

bool Ok(win::HWND dialog) {
    if (!LinesTaken(dialog)) return false;  // a value confirmed with Enter counts as one typed
    if (!WriteDisplayConfigFile())
        win::MessageBox(dialog, DisplayConfigWriteFailedText().c_str(), "WARNING",
                        win::MB_ICONINFORMATION);
    RemakePageFont();
    return true;
}

}  // namespace

int ShowPrintoutSizeDlg(win::HWND owner) {
    return win::DialogBoxParamA(mainWindowState.instance, SelectionDialogId::kPrintoutSize, owner,
                                PrintoutSizeDlgProc, 0) == 1
               ? 1
               : 0;
}

win::INT_PTR PrintoutSizeDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            Open(dialog);
            return win::TRUE;
        case win::WM_HSCROLL:
            Scroll(dialog, win::LOWORD(wParam), static_cast<short>(win::HIWORD(wParam)));
            return win::TRUE;
        case win::WM_COMMAND:
            switch (win::LOWORD(wParam)) {
                case C::kLines:
                    if (win::HIWORD(wParam) == win::EN_KILLFOCUS && printoutSizeState.closing == 0)
                        ReadTypedLines(dialog);
                    return win::TRUE;
                case win::IDOK:
                    if (!Ok(dialog)) return win::TRUE;
                    printoutSizeState.closing = 1;
                    win::EndDialog(dialog, 1);
                    return win::TRUE;
                case win::IDCANCEL:
                    displaySettings.linesPerScreen = printoutSizeState.savedLinesPerScreen;
                    printoutSizeState.closing = 1;
                    win::EndDialog(dialog, 0);
                    return win::TRUE;
                default:
                    return win::FALSE;
            }
        default:
            return win::FALSE;
    }
}
