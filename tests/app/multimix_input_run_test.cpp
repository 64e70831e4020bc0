// The bundled script data/scripts/multimix-three-waters.tvs: three source
// waters typed one at a time into the multi-mix input, mixed at once and saved.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/command_line.h"
#include "app/program.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "input/clipboard_records.h"
#include "input/multimix/multimix_input_records.h"
#include "input/records.h"
#include "input/water_temperature_records.h"
#include "input/waterform/water_form_records.h"
#include "pages/frame/page_state_records.h"
#include "platform/gdi/gdi.h"
#include "platform/win.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"
#include "treatment/records.h"

namespace {

namespace fs = std::filesystem;

void Fresh() {
    win::ResetPlatform();
    win::ResetGdi();
    ResetShellRecords();
    ResetDisplaySettingsRecords();
    ResetStartupRecords();
    ResetEngineRecords();
    ResetInputRecords();
    ResetClipboardRecords();
    ResetWaterFormRecords();
    ResetWaterTemperatureRecords();
    ResetTreatmentRecords();
    ResetGraphsRecords();
    ResetGraphIndexRecords();
    ResetPageStateRecords();
    ResetMultiMixRecords();
    ResetMultiMixInputRecords();
    ResetServiceHooks();
}

class MultiMixInputRun : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("tarvex_multimix_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        Fresh();
        win::SetPathRoot(folder.string());
    }
    void TearDown() override {
        Fresh();
        fs::remove_all(folder);
    }
    int Run(const std::string& scriptPath) {
        ProgramOptions o;
        std::string error;
        EXPECT_TRUE(ParseCommandLine({"--headless", "--desktop", "1280x1024", "--script",
                                      scriptPath, "--log", (folder / "run.log").string()},
                                     o, error));
        const fs::path start = fs::current_path();
        fs::current_path(folder);
        const int code = RunProgram(o);
        fs::current_path(start);
        return code;
    }
    std::string Read(const std::string& name) const {
        std::stringstream s;
        s << std::ifstream(folder / name, std::ios::binary).rdbuf();
        return s.str();
    }
    template <typename T>
    static T At(const std::string& bytes, size_t offset) {
        T v{};
        if (offset + sizeof v <= bytes.size()) std::memcpy(&v, bytes.data() + offset, sizeof v);
        return v;
    }
    fs::path folder;
};

TEST_F(MultiMixInputRun, ThreeWatersTypedMixedAndSaved) {
    ASSERT_EQ(Run(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/multimix-three-waters.tvs"), 0)
        << Read("run.log");
    const std::string log = Read("run.log");
    const std::string question =
        "\"LAST ANALYSIS\": \"Last Analysis. Do you wish to add a new Analysis?\" -> yes";
    const size_t first = log.find(question);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(question, first + 1), std::string::npos) << log;

    const std::string file = Read("ws.KRV");
    ASSERT_EQ(file.size(), 200171u);
    EXPECT_EQ(At<float>(file, 110283), 100.0f);  // calcium of the three waters
    EXPECT_EQ(At<float>(file, 110551), 200.0f);
    EXPECT_EQ(At<float>(file, 110819), 300.0f);
    for (size_t k = 0; k < 3; ++k) EXPECT_NEAR(At<float>(file, 129251 + 4 * k), 33.3333f, 1e-4);
    EXPECT_EQ(At<int32_t>(file, 129683), 2);  // lastWaterIndex
    EXPECT_EQ(At<int32_t>(file, 129687), 2);  // multiMixDone
}

}  // namespace
