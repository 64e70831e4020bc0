// LoadStartupConfig: the settings files are read in a fixed order because each
// step reads what the one before left (the configuration checks use the units
// the units file chose), and the workspace start values come last because they
// replace what the configuration file held for the what-if ranges.
#include "shell/startup/startup_config.h"

#include <cstring>
#include <string>

#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "graphs/graph_output_records.h"
#include "input/records.h"
#include "input/unit_factor_table.h"
#include "platform/files/file_io.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/print/print_setup.h"
#include "printing/job/printer_dc.h"
#include "reporttext/report_buffer_records.h"
#include "scenarios/frame/whatif_records.h"
#include "shell/settings/data_files.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/heading_file.h"
#include "shell/records.h"
#include "shell/settings/report_date.h"
#include "shell/settings/screen_fonts.h"
#include "shell/settings/units_file.h"
#include "shell/startup/fresh_workspace.h"
#include "shell/startup/workspace_defaults.h"

namespace {

// The well profile until the configuration file supplies one: bottom-hole,
// separator and flashed temperatures (degrees F) and pressures (psia), nine
// further station values, and the depth (ft).
constexpr float kStartWellLog[16] = {280.0f, 130.0f, 77.0f,  480.0f,  150.0f, 14.7f, 5.6f, 6.6f,
                                     7.2f,   0.45f,  0.045f, 0.0003f, 0.0f,   0.0f,  0.0f, 500.0f};

void SetValuesBeforeFiles() {
    reportBuffer.rtfMode = 0;
    for (uint16_t& c : unitCodes.code) c = 0;
    alkalinityMode = 2;
    // Concentrations are reported as mg/l until the user chooses otherwise (the
    // calculation already reads an unset mode as mg/l).
    reportingMode = ReportingMode::kMgPerL;
    balancingSettings.anionBalanceIon = 1;
    std::copy(std::begin(kStartWellLog), std::end(kStartWellLog), wellLogSpecs.value);
    phBalanceSwitch = 0;
    driverSettingsBackup.phBalanceSwitch = 0;
}

// The settings files in the order each needs the one before: the well
// stations' start values are written in the units the units file chose,
// until the display configuration file gives the user's own.
void ReadSettingsFiles() {
    SetValuesBeforeFiles();
    LoadUnitsFile();
    SetWellTemperatureDefaults(wellLogSpecs, unitCodes.code[UnitItem::kTemperature]);
    SetWellPressureDefaults(wellLogSpecs, unitCodes.code[UnitItem::kPressure]);
    LoadHeadingFile();
    LoadDisplayConfigFile();
}

// Unit choices outside what the program knows fall back to the first unit.
void CheckUnitChoices() {
    uint16_t& barium = unitCodes.code[UnitItem::kBarium];
    if (barium > 1) barium = 1;
    uint16_t& temperature = unitCodes.code[UnitItem::kTemperature];
    if (temperature > 2) temperature = 0;
}

bool HasColours(win::HDC dc) {
    const int colours = win::GetDeviceCaps(dc, win::NUMCOLORS);
    return colours > 2 || colours == -1;
}

}  // namespace

void SetDisplayColours(win::HWND mainWindow) {
    win::HDC screen = win::GetDC(mainWindow);
    const int16_t display = HasColours(screen) ? 1 : 0;
    graphOutputFlags.colorNow = graphOutputFlags.exportColor = display;
    graphOutputFlags.displayColor = graphOutputFlags.displayColorAvailable = display;
    win::ReleaseDC(mainWindow, screen);
    win::HDC printer = CreateDefaultPrinterIC();
    graphOutputFlags.printColor = printer == nullptr || HasColours(printer) ? 1 : 0;
    graphOutputFlags.printColorAvailable = graphOutputFlags.printColor;
    if (printer != nullptr) win::DeleteDC(printer);
}

void LoadStartupSettings() {
    ReadSettingsFiles();
    CheckUnitChoices();
    InitUnitFactors();
    SetWorkspaceStartValues();
}

StartupOutcome LoadStartupConfig(win::HWND mainWindow) {
    char folder[kPathChars] = {};
    win::GetCurrentDirectory(sizeof folder, folder);
    std::memcpy(mainWindowState.installDir, folder, sizeof folder);
    ReadSettingsFiles();
    MakeScreenFonts(mainWindow);
    if (!OpenDataFiles()) return StartupOutcome::kEndProgram;
    CheckUnitChoices();
    InitUnitFactors();
    GetCurrentDateTime();
    SetWorkspaceStartValues();
    SetDisplayColours(mainWindow);
    KeepFreshWorkspace();
    // A printer file passed over leaves the default printer, and the user is told.
    const std::string printers = win::TakePrinterFileNotice();
    if (!printers.empty())
        win::MessageBox(nullptr, printers.c_str(), "WARNING", win::MB_ICONINFORMATION);
    return StartupOutcome::kReady;
}
