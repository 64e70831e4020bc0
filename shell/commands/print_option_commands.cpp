// The printer set-up and print option commands of the main menu.
#include "shell/commands/print_option_commands.h"

#include "graphs/window/graph_slot.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/options/print_option_dialogs.h"
#include "printing/print_dialog_ids.h"
#include "resources/resource_ids.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"

void RunPrinterSetup(win::HWND mainWindow) {
    if (ShowPrinterSetup() == -1)
        win::MessageBox(mainWindow,
                        "Printer could not be initialized!!! Please call technical support",
                        "WARNING", win::MB_ICONINFORMATION);
}

void RunPrintOptionDialog(win::HWND mainWindow, unsigned command) {
    const win::HINSTANCE instance = mainWindowState.instance;
    switch (command) {
        case MenuCommand::kPrintMode:
            (void)win::DialogBoxParamA(instance, PrintDialogId::kPrintMode, mainWindow,
                                       PrintModeDlgProc, 0);
            RefreshPrinterColourWords();
            break;
        case MenuCommand::kMineralNameOrFormula:
            (void)win::DialogBoxParamA(instance, PrintDialogId::kChemFormat, mainWindow,
                                       ChemFormatDlgProc, 0);
            break;
        case MenuCommand::kIndexOrRatio: {
            const uint32_t before = displaySettings.indexFormat;
            (void)win::DialogBoxParamA(instance, PrintDialogId::kIndexFormat, mainWindow,
                                       IndexFormatDlgProc, 0);
            // The open windows show the saturation levels in the form chosen.
            if (displaySettings.indexFormat != before) {
                RefreshOpenPages(-1);
                RecalculateOpenGraph();
            }
            break;
        }
        default:
            return;
    }
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
