// The command dispatch of the main menu. The commands of the input forms are
// wired by their own subsystems' steps; until then their ids go to the
// default processing like any id without a handler.
#include "shell/menu/menu_dispatch.h"

#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "input/phcurve/alk_ph_dialog.h"
#include "input/phcurve/constant_values_dialog.h"
#include "input/phcurve/precipitation_dialog.h"
#include "input/records.h"
#include "input/selections/selection_dialogs.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "resources/selection_dialog_ids.h"
#include "shell/commands/multimix_input_command.h"
#include "shell/commands/print_option_commands.h"
#include "shell/commands/quit_sequence.h"
#include "shell/commands/units_command.h"
#include "shell/commands/water_input_commands.h"
#include "shell/commands/whatif_settings_command.h"
#include "shell/commands/work_file_commands.h"
#include "shell/menu/help_commands.h"
#include "shell/menu/menu_texts.h"
#include "shell/menu/new_workspace.h"
#include "shell/menu/option_toggles.h"
#include "shell/preferences/about_box.h"
#include "shell/preferences/output_size_command.h"
#include "shell/records.h"
#include "shell/whatif/mixing_commands.h"
#include "shell/whatif/print_commands.h"
#include "shell/whatif/well_log_commands.h"
#include "shell/whatif/whatif_commands.h"
#include "treatment/product/select_product.h"

namespace {

void Repaint(win::HWND mainWindow) {
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}

void SelectProduct(win::HWND mainWindow) {
    (void)OpenSelectProduct(mainWindow);
    Repaint(mainWindow);
}

// The dialog leaves the chosen codes in the graphs' code list (empty slots 0xFFFF).
void ChooseGraphs(win::HWND mainWindow) {
    (void)ShowChooseGraphs(mainWindow);
    Repaint(mainWindow);
}

void ThreeDGraphTypes(win::HWND mainWindow) {
    ToggleThreeDPlotStyle();
    Repaint(mainWindow);
}

void CarbonateCalcs(win::HWND mainWindow) {
    (void)ToggleCarbonConservation();
    UpdateMenuTexts();
    Repaint(mainWindow);
}

void PlotPhOrPco2(win::HWND mainWindow) {
    (void)TogglePlotVariable();
    if (mainWindowState.mainMenu != nullptr)
        SetPlotVariableTexts(mainWindowState.mainMenu, whatIfOptions.varyPco2 != 0);
    UpdateMenuTexts();
    Repaint(mainWindow);
}

void PrintMode(win::HWND mainWindow) {
    RunPrintOptionDialog(mainWindow, MenuCommand::kPrintMode);
}
void MineralNameOrFormula(win::HWND mainWindow) {
    RunPrintOptionDialog(mainWindow, MenuCommand::kMineralNameOrFormula);
}
void IndexOrRatio(win::HWND mainWindow) {
    RunPrintOptionDialog(mainWindow, MenuCommand::kIndexOrRatio);
}

void InputPhCurve(win::HWND mainWindow) {
    ShowAlkpHDialog(mainWindow);
    if (mainWindowState.mainMenu != nullptr)
        win::CheckMenuItem(
            mainWindowState.mainMenu, MenuCommand::kInputPhCurve,
            win::MF_BYCOMMAND |
                (resultStatus.alkCurveEntered != 0 ? win::MF_CHECKED : win::MF_UNCHECKED));
    UpdateMenuTexts();
    Repaint(mainWindow);
}

void ConstantValuesCommand(win::HWND mainWindow) {
    (void)ChooseConstantValues(mainWindow);
    Repaint(mainWindow);
}

void MomentaryExcess(win::HWND mainWindow) {
    OpenPrecipitationDialog();
    Repaint(mainWindow);
}

// The selection dialogs and the hidden no-op id, each followed by a repaint.
template <int (*Show)(win::HWND)>
void Selection(win::HWND mainWindow) {
    (void)Show(mainWindow);
    Repaint(mainWindow);
}

struct CommandHandler {
    unsigned id;
    void (*run)(win::HWND mainWindow);
};

constexpr CommandHandler kCommands[] = {
    {MenuCommand::kNew, NewWorkspace},
    {MenuCommand::kOpenFile, OpenFileCommand},
    {MenuCommand::kSaveFile, SaveFileCommand},
    {MenuCommand::kSaveFileAs, SaveFileAsCommand},
    {MenuCommand::kWhatsStored, WhatsStoredCommand},
    {MenuCommand::kPrinterSetup, RunPrinterSetup},
    {MenuCommand::kQuit, QuitProgram},
    {MenuCommand::kSourceWaterAnalysis, SourceWaterInput},
    {MenuCommand::kInjectionWaterAnalysis, InjectionWaterInput},
    {MenuCommand::kFormationWaterAnalysis, FormationWaterInput},
    {MenuCommand::kSelectProduct, SelectProduct},
    {MenuCommand::kInputPhCurve, InputPhCurve},
    {MenuCommand::kConstantValues, ConstantValuesCommand},
    {MenuCommand::kMomentaryExcess, MomentaryExcess},
    {MenuCommand::kInputUnits, InputUnits},
    {MenuCommand::kSelectParameters, SelectParameters},
    {MenuCommand::kVaryTemperature, VaryTemperature},
    {MenuCommand::kGraphVsTemperature, GraphVsTemperature},
    {MenuCommand::kVaryPh, VaryPh},
    {MenuCommand::kGraphVsPh, GraphVsPh},
    {MenuCommand::kVaryPressure, VaryPressure},
    {MenuCommand::kGraphVsPressure, GraphVsPressure},
    {MenuCommand::kThreeDProfile, ThreeDProfile},
    {MenuCommand::kThreeDPressureTemperature, ThreeDPressureTemperature},
    {MenuCommand::kMix, MixWatersCommand},
    {MenuCommand::kTwoDGraphVsPercent, TwoDGraphVsPercent},
    {MenuCommand::kThreeDTemperaturePh, ThreeDTemperaturePh},
    {MenuCommand::kThreeDTemperaturePercent, ThreeDTemperaturePercent},
    {MenuCommand::kThreeDPhPercent, ThreeDPhPercent},
    {MenuCommand::kSelectInjectionParameters, SelectInjectionParameters},
    {MenuCommand::kMultiMixWaterAnalysis, MultiMixInputCommand},
    {MenuCommand::kMultiMixMix, MultiMixCommand},
    {MenuCommand::kOnePageSummary, OnePageSummaryCommand},
    {MenuCommand::kWellLogTable, WellLogTableCommand},
    {MenuCommand::kWellLogGraph, WellLogGraphCommand},
    {MenuCommand::kWellLogSummaryGraph, WellLogSummaryGraphCommand},
    {MenuCommand::kPrintOnePageSummary, PrintOnePageSummary},
    {MenuCommand::kPrintSurface, PrintSurface},
    {MenuCommand::kPrintSurfaceTemperatureProfile, PrintSurfaceTemperatureProfile},
    {MenuCommand::kPrintSurfacePhProfile, PrintSurfacePhProfile},
    {MenuCommand::kPrintInjection, PrintInjection},
    {MenuCommand::kPrintFormation, PrintFormation},
    {MenuCommand::kPrintProduced, PrintProduced},
    {MenuCommand::kPrintAllAvailable, PrintAllAvailable},
    {MenuCommand::kChooseGraphs, ChooseGraphs},
    {MenuCommand::kPrintMode, PrintMode},
    {MenuCommand::kThreeDGraphTypes, ThreeDGraphTypes},
    {MenuCommand::kCarbonateCalcs, CarbonateCalcs},
    {MenuCommand::kPlotPhOrPco2, PlotPhOrPco2},
    {MenuCommand::kMineralNameOrFormula, MineralNameOrFormula},
    {MenuCommand::kIndexOrRatio, IndexOrRatio},
    {MenuCommand::kTechnicalManual, ShowTechnicalManual},
    {MenuCommand::kOrdering, ShowOrderingHelp},
    {MenuCommand::kAbout, ShowAbout},
    {MenuCommand::kOutputSizeOnScreen, OutputSizeOnScreen},
    {MenuCommand::kSurfaceWindowsToDisplay, Selection<ShowSurfaceWindows>},
    {MenuCommand::kMixedWindowsToDisplay, Selection<ShowMixedWindows>},
    {kNoOperationCommand, Selection<NoOpMenuHandler>},
    {MenuCommand::kChooseIonsToPrint, Selection<ShowChemItemsToPrint>},
    {MenuCommand::kChooseScalesToPrint, Selection<ShowIndicatorsToPrint>},
};

}  // namespace

bool DispatchMenuCommand(win::HWND mainWindow, win::WPARAM command) {
    for (const CommandHandler& c : kCommands) {
        if (c.id != command) continue;
        c.run(mainWindow);
        return true;
    }
    return false;
}
