// The treatment dialogs on a fresh platform: the dialog templates registered,
// an empty install folder with an INHIB folder, every record at its start, and
// script failures (an unexpected dialog or box) collected.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "platform/win.h"
#include "resources/program_resources.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"
#include "treatment/files/older_product_records.h"
#include "treatment/files/product_file.h"
#include "treatment/product/product_change.h"
#include "treatment/records.h"

namespace producttest {

namespace fs = std::filesystem;

inline void ResetWorld() {
    win::ResetPlatform();
    ResetEngineRecords();
    ResetPipelineRecords();
    ResetShellRecords();
    ResetStartupRecords();
    ResetGraphsRecords();
    ResetGraphIndexRecords();
    ResetScenarioRecords();
    ResetWellRecords();
    ResetMixingRecords();
    ResetMultiMixRecords();
    ResetWellLogRecords();
    ResetInputRecords();
    ResetTreatmentRecords();
    ResetOlderProductRecords();
    ResetServiceHooks();
    InstallRecalcMultiMixHook(nullptr);
}

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tarvex_treatment_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "INHIB");
        ResetWorld();
        win::SetPathRoot(folder.string());
        win::SetDesktopSize(640, 480);
        RegisterTreatmentDialogs();
        win::SetScriptFailureHandler([this](const std::string& what) { failures.push_back(what); });
        win::GetCurrentDirectory(sizeof mainWindowState.installDir, mainWindowState.installDir);
        mainWindowState.instance = win::GetModuleHandle(nullptr);
    }
    void TearDown() override {
        win::SetScriptFailureHandler(nullptr);
        ResetWorld();
        fs::remove_all(folder);
    }

    void WriteProduct(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream out(folder / "INHIB" / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    // The rows of a dialog's list.
    static std::vector<std::string> Rows(win::HWND dialog, int list) {
        std::vector<std::string> rows;
        const win::LRESULT n = win::SendDlgItemMessage(dialog, list, win::LB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; ++i) {
            char text[512] = {};
            win::SendDlgItemMessage(dialog, list, win::LB_GETTEXT, static_cast<win::WPARAM>(i),
                                    reinterpret_cast<win::LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }
    // Clicks the first row starting with `start`; false when there is none.
    static bool Pick(win::HWND dialog, int list, const std::string& start,
                     bool doubleClick = false) {
        const std::vector<std::string> rows = Rows(dialog, list);
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].rfind(start, 0) == 0) {
                win::ChooseListItem(dialog, list, static_cast<int>(i), doubleClick);
                return true;
            }
        return false;
    }

    fs::path folder;
    std::vector<std::string> failures;
};

}  // namespace producttest
