// The printout size dialog: the edit and the scroll bar show the whole part
// of linesPerScreen; the arrows step it and wrap at the ends of 25 to 55.
#include "shell/preferences/printout_size_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
// fractions included, is stored as it is; anything else leaves the stored
// value as it was and shows it again, so what is shown is what is stored.
void ReadTypedLines(win::HWND dialog) {
    char text[64] = {};
    win::GetDlgItemText(dialog, C::kLines, text, sizeof text);
    const DecimalReading reading = ReadDecimalText(text);
    const double typed = reading.value;
    if (reading.kind == DecimalText::kNumber && typed >= kTypedLow && typed <= kBarHigh)
        displaySettings.linesPerScreen = typed;
    else
        ShowLines(dialog);
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

void Ok(win::HWND dialog) {
    ReadTypedLines(dialog);  // a value confirmed with Enter counts as one typed and left
    if (!WriteDisplayConfigFile())
        win::MessageBox(dialog, DisplayConfigWriteFailedText().c_str(), "WARNING",
                        win::MB_ICONINFORMATION);
    RemakePageFont();
}

}  // namespace

int ShowPrintoutSizeDlg(win::HWND owner) {
    (void)win::DialogBoxParamA(mainWindowState.instance, SelectionDialogId::kPrintoutSize, owner,
                               PrintoutSizeDlgProc, 0);
    return 0;
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
                    Ok(dialog);
                    printoutSizeState.closing = 1;
                    win::EndDialog(dialog, 1);
                    return win::TRUE;
                case win::IDCANCEL:
                    displaySettings.linesPerScreen = printoutSizeState.savedLinesPerScreen;
                    printoutSizeState.closing = 1;
                    win::EndDialog(dialog, 1);
                    return win::TRUE;
                default:
                    return win::FALSE;
            }
        default:
            return win::FALSE;
    }
}
