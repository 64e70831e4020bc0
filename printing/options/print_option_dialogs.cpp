// One body for the three option dialogs, driven by what differs: the radio
// ids, the value and its saved copy, and the saving step of OK.
#include "printing/options/print_option_dialogs.h"

#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "printing/options/print_option_records.h"
#include "printing/options/settings_hooks.h"
#include "printing/print_dialog_ids.h"
#include "printing/print_job_records.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

struct OptionDialog {
    int firstRadio;   // value 0
    int secondRadio;  // value 1
    uint32_t (*get)();
    void (*set)(uint32_t value);
    uint32_t* saved;
    void (*save)(win::HWND dialog, uint32_t before);  // OK's step
};

win::INT_PTR OptionDialogBody(const OptionDialog& d, win::HWND dialog, win::UINT msg,
                              win::WPARAM wParam) {
    switch (msg) {
        case win::WM_INITDIALOG:
            *d.saved = d.get();
            win::CheckDlgButton(dialog, *d.saved == 0 ? d.firstRadio : d.secondRadio,
                                win::BST_CHECKED);
            return win::TRUE;
        case win::WM_COMMAND: {
            const int id = win::LOWORD(wParam);
            if (id == d.firstRadio || id == d.secondRadio) {
                d.set(id == d.firstRadio ? 0 : 1);
                return win::FALSE;
            }
            if (id == win::IDCANCEL) {
                d.set(*d.saved);
                win::EndDialog(dialog, 1);
                return win::TRUE;
            }
            if (id == win::IDOK) {
                d.save(dialog, *d.saved);
                win::EndDialog(dialog, 1);
                return win::TRUE;
            }
            return win::FALSE;
        }
        default:
            return win::FALSE;
    }
}

void SaveMineralTitles(win::HWND, uint32_t before) {
    if (displaySettings.mineralTitles != before) SaveUnitsFileHook();
}

// The display configuration file keeps the print mode and the index format
// for the next session: a changed one rewrites it, and a failed write is told.
void SaveDisplayConfig(win::HWND dialog, bool changed) {
    if (!changed) return;
    if (!WriteDisplayConfigFileHook())
        win::MessageBox(dialog, DisplayConfigFailedTextHook().c_str(), "WARNING",
                        win::MB_ICONINFORMATION);
}

void SaveIndexFormat(win::HWND dialog, uint32_t before) {
    SaveDisplayConfig(dialog, displaySettings.indexFormat != before);
}

void SavePrintMode(win::HWND dialog, uint32_t before) {
    SaveDisplayConfig(dialog, printJobState.printMode != before);
}

const OptionDialog kChemFormat{
    PrintDialogControl::kMineralName,
    PrintDialogControl::kFormula,
    [] { return static_cast<uint32_t>(displaySettings.mineralTitles); },
    [](uint32_t v) { displaySettings.mineralTitles = static_cast<uint16_t>(v); },
    &printOptionSaved.mineralTitles,
    SaveMineralTitles};

const OptionDialog kIndexFormat{PrintDialogControl::kRatio,
                                PrintDialogControl::kIndex,
                                [] { return displaySettings.indexFormat; },
                                [](uint32_t v) { displaySettings.indexFormat = v; },
                                &printOptionSaved.indexFormat,
                                SaveIndexFormat};

const OptionDialog kPrintMode{PrintDialogControl::kDirect,
                              PrintDialogControl::kIndirect,
                              [] { return printJobState.printMode; },
                              [](uint32_t v) { printJobState.printMode = v; },
                              &printOptionSaved.printMode,
                              SavePrintMode};

}  // namespace

win::INT_PTR ChemFormatDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    return OptionDialogBody(kChemFormat, dialog, msg, wParam);
}

win::INT_PTR IndexFormatDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    return OptionDialogBody(kIndexFormat, dialog, msg, wParam);
}

win::INT_PTR PrintModeDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    return OptionDialogBody(kPrintMode, dialog, msg, wParam);
}
