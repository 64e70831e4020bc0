// A fresh program per test: a new platform, every record back at its start,
// the resources registered, an empty install folder as the path root and
// script failures collected instead of ending the test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/balancing/balancing_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/text_colour_records.h"
#include "input/clipboard_records.h"
#include "input/description_records.h"
#include "treatment/product/product_change.h"
#include "shell/commands/analysis_backup_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/water_temperature_records.h"
#include "input/waterform/water_form_records.h"
#include "platform/gdi/gdi.h"
#include "platform/win.h"
#include "printing/print_job_records.h"
#include "reporttext/report_buffer_records.h"
#include "resources/program_resources.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/calendar/calendar_records.h"
#include "shell/choosers/chooser_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/mainwindow/win_main.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/progress/progress_records.h"
#include "shell/records.h"
#include "shell/settings/heading_records.h"
#include "shell/startup/startup_records.h"
#include "treatment/records.h"

namespace shelltest {

namespace fs = std::filesystem;

inline void ResetProgram() {
    win::ResetPlatform();
    win::ResetGdi();
    ResetShellRecords();
    ResetDisplaySettingsRecords();
    ResetHeadingRecords();
    ResetStartupRecords();
    ResetMainWindowRecords();
    ResetProgressRecords();
    ResetEngineRecords();
    ResetInputsRecords();
    ResetBalancingRecords();
    ResetSpeciationRecords();
    ResetScenarioRecords();
    ResetWellRecords();
    ResetMultiMixRecords();
    ResetTreatmentRecords();
    ResetGraphsRecords();
    ResetResidenceRecords();
    ResetInputRecords();
    ResetPrintJobRecords();
    ResetReportBufferRecords();
    ResetGraphOutputRecords();
    ResetClipboardRecords();
    ResetWaterTemperatureRecords();
    ResetServiceHooks();
    ResetSelectedParamsRecords();
    ResetChooserRecords();
    ResetPipelineRecords();
    ResetWaterFormRecords();
    ResetDescriptionRecords();
    ResetCalendarRecords();
    ResetTextColourRecords();
    ResetWellLogRecords();
    ResetAnalysisBackupRecords();
    InstallRecalcMultiMixHook(nullptr);
}

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tarvex_shell_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        Restart();
    }
    void TearDown() override {
        win::SetScriptFailureHandler(nullptr);
        ResetProgram();
        fs::remove_all(folder);
    }

    // Everything back to a new process in the same install folder.
    void Restart() {
        ResetProgram();
        win::SetPathRoot(folder.string());
        win::SetDesktopSize(640, 480);
        RegisterProgramResources();
        win::SetScriptFailureHandler([this](const std::string& what) { failures.push_back(what); });
        char current[kPathChars] = {};
        win::GetCurrentDirectory(sizeof current, current);
        std::memcpy(mainWindowState.installDir, current, sizeof current);
    }

    // The start-up up to the message loop; the result of InitInstance.
    int Start() {
        const win::HINSTANCE instance = win::GetModuleHandle(nullptr);
        if (InitApplication(instance) == 0) return 0;
        return InitInstance(instance, win::SW_SHOWMINIMIZED);
    }

    // Runs the message loop until the program quits or has nothing to do.
    void RunLoop() { (void)win::RunUntilIdle(); }

    void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        fs::create_directories((folder / name).parent_path());
        std::ofstream out(folder / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<uint8_t> ReadFile(const std::string& name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    }
    bool Exists(const std::string& name) const { return fs::exists(folder / name); }
    // New files a writer left in the folder (their names hold ".~").
    size_t LeftOverFiles() const {
        size_t n = 0;
        for (const auto& e : fs::recursive_directory_iterator(folder))
            n += e.path().filename().string().find(".~") != std::string::npos ? 1 : 0;
        return n;
    }

    // Message boxes shown so far whose caption is `caption`.
    static int BoxCount(const std::string& caption) {
        int n = 0;
        for (const auto& b : win::MessageBoxLog()) n += b.caption == caption ? 1 : 0;
        return n;
    }

    fs::path folder;
    std::vector<std::string> failures;
};

// Little-endian helpers for building file images by hand.
inline void PutWord(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline uint16_t GetWord(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

}  // namespace shelltest
