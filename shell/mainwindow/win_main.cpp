// WinMain and InitInstance. The main window is created and shown maximised
// whatever show mode the program was started with, and painted before the
// settings load, so the user sees the program while it reads its files.
#include "shell/mainwindow/win_main.h"

#include "graphs/range/range_dialog.h"
#include "graphs/alkcurve/alk_graph_window.h"
#include "graphs/alkcurve/alk_help_window.h"
#include "graphs/window/graph_slot.h"
#include "graphs/window/range_hooks.h"
#include "graphs/welllog/well_page_graph.h"
#include "graphs/window/two_d_window.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/phcurve/alk_ph_dialog.h"
#include "input/units/unit_change_recalc.h"
#include "input/whatif/whatif_dialog.h"
#include "pages/commands/page_command_handlers.h"
#include "pages/frame/analysis_copy_hook.h"
#include "platform/system/clipboard.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "printing/options/settings_hooks.h"
#include "printing/print_job_records.h"
#include "printing/reports/profile_reports.h"
#include "printing/reports/report_hooks.h"
#include "printing/reports/water_reports.h"
#include "printing/summary/one_page_report.h"
#include "printing/summary/well_log_report.h"
#include "resources/resource_ids.h"
#include "scenarios/frame/driver_services.h"
#include "shell/commands/recalc_multimix.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/menu/menu_texts.h"
#include "shell/progress/progress_window.h"
#include "shell/records.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/units_file.h"
#include "shell/startup/startup_config.h"
#include "shell/startup/startup_records.h"
#include "shell/whatif/scenario_views.h"
#include "shell/workfile/stored_sulfide_check.h"
#include "treatment/product/product_change.h"
#include "treatment/treatment_limits.h"

namespace {

constexpr win::DWORD kPrintDialogStructSize = 66;

// Set when the settings loader ended the start, for WinMain's exit code.
bool startEnded = false;

void SetPrintDialogStart(win::HWND owner) {
    win::PrintDialogRecord& pd = printJobState.printDialog;
    pd.structSize = kPrintDialogStructSize;
    pd.owner = owner;
    pd.devMode = nullptr;
    pd.devNames = nullptr;
    pd.flags = win::PD_RETURNDC | win::PD_NOPAGENUMS | win::PD_NOSELECTION;
    pd.copies = 1;
}

// The main window's print commands name the temperature profile 1 and the pH
// profile 2; the reports take 0 and 1.
int ReportKindOfProfile(int profile) {
    return profile == 2 ? 1 : 0;
}

// The printed reports behind the main window's print commands.
ScenarioViews PrintedReportViews() {
    ScenarioViews v{};
    v.printChemistryReport = PrintChemistryReport;
    v.printIndicatorsReport = PrintIndicatorsReport;
    v.printWhatIfChemistry = [](int profile) {
        PrintWhatIfChemistry(ReportKindOfProfile(profile));
    };
    v.printWhatIfIndicators = [](int profile) {
        PrintWhatIfIndicators(ReportKindOfProfile(profile));
    };
    v.printRatioChemistry = PrintRatioChemistry;
    v.printRatioIndicators = [](int) { PrintRatioIndicators(); };
    return v;
}

}  // namespace

int InitInstance(win::HINSTANCE instance, int /*showCommand: always maximised*/) {
    char className[40] = {};
    char title[40] = {};
    if (win::LoadString(instance, StringId::kMainClass, className, sizeof className) == 0) return 0;
    if (win::LoadString(instance, StringId::kMainTitle, title, sizeof title) == 0) return 0;
    win::HWND hwnd =
        win::CreateWindowEx(0, className, title, win::WS_OVERLAPPEDWINDOW | win::WS_MAXIMIZE,
                            win::CW_USEDEFAULT, win::CW_USEDEFAULT, win::CW_USEDEFAULT,
                            win::CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) return 0;
    mainWindowState.mainWindow = hwnd;
    mainWindowState.instance = instance;
    SetPrintDialogStart(hwnd);
    win::ShowWindow(hwnd, win::SW_MAXIMIZE);
    win::UpdateWindow(hwnd);

    reportPageGrid.marginX = reportPageGrid.lineHeight = 0;
    reportPageGrid.lineY = reportPageGrid.lineCount = 0;
    InstallProgressHooks();
    InstallDriverServices({nullptr, nullptr, RecalculateSurfaceWater});
    InstallSurfaceWaterRefusal(SurfaceSulfideRefusal);
    InstallTreatmentHooks();
    InstallRecalcMultiMixHook([](win::HWND) { (void)RecalcMultiMix(); });
    InstallPrintSettingsHooks(
        PrintSettingsHooks{SaveUnitsFile, WriteDisplayConfigFile, DisplayConfigWriteFailedText});
    InstallAnalysisCopier(CopyLabelledAnalysis);
    InstallPrintedReports();
    InstallScenarioViews(PrintedReportViews());
    InstallRangeDialogs(Temper, nullptr);  // the mixing zone dialog comes with its input
    InstallOnePageSummary();
    InstallWellLogPageGraph(DrawWellLogPageGraph);
    ScenarioViews views{};
    views.showTwoDGraph = [](win::HWND) { (void)ShowTwoDGraph(); };
    views.openWellLogSummaryGraphWindow = [](win::HWND) { (void)OpenWellLogSummaryGraphWindow(); };
    views.showGraphWindow = [](win::HWND) { (void)ShowGraphWindow(); };
    InstallScenarioViews(views);
    InstallTwoDRangeHooks(TwoDRangeHooks{ChangeRangeTempAtPH, ChangeRangePHAtTemp,
                                         ChangeRangePercent, ChangeRangePressAtTemp,
                                         UpdateMenuTexts});
    InstallThreeDRangeHooks(ThreeDRangeHooks{ChangeRangeTempPH, ChangeRangeTempPCO2,
                                             ChangeRangeTempPHPct, ChangeRangeTempPCO2Pct,
                                             ChangeRangeTempPct, ChangeRangePHPct,
                                             ChangeRangePCO2Pct, ChangeRangeTempPress});
    InstallAlkCurveViews(
        AlkCurveViews{CreateAlkGraphWindow, [](win::HWND d) { (void)CreateAlkHelpWindow(d); }});
    if (LoadStartupConfig(hwnd) == StartupOutcome::kEndProgram) {
        startEnded = true;
        return 0;
    }

    const win::DWORD version = win::GetVersion();
    mainWindowState.windowsVersion = version;
    mainWindowState.windowsVersionLow = win::LOWORD(version);
    mainWindowState.windowsVersionHigh = win::HIWORD(version);
    clipboardFormats.cfRichText = win::RegisterClipboardFormat("rich text format");
    clipboardFormats.cfXlTable = win::RegisterClipboardFormat("XlTable");
    clipboardFormats.cfCsv = win::RegisterClipboardFormat("Csv");
    return 1;
}

int WinMain(win::HINSTANCE instance, win::HINSTANCE prevInstance, const char*, int showCommand) {
    mainWindowState.prevInstance = prevInstance;
    if (prevInstance == nullptr && InitApplication(instance) == 0) return 0;
    startEnded = false;
    if (InitInstance(instance, showCommand) == 0) return startEnded ? kExitStartEnded : 0;
    win::MSG msg;
    while (win::GetMessage(&msg, nullptr, 0, 0)) {
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}
