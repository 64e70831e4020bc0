// The bundled script data/scripts/seawater-pages.tvs: the sea water entered on
// the source water form opens its chemistry and indicators pages, whose texts
// show the engine harness's figures for the same water in the pages' formats.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "input/clipboard_records.h"
#include "input/records.h"
#include "input/water_temperature_records.h"
#include "input/waterform/water_form_records.h"
#include "pages/frame/page_state_records.h"
#include "platform/gdi/gdi.h"
#include "platform/win.h"
#include "reporttext/format/format_value.h"
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
    ResetServiceHooks();
}

// "TAG slot value" lines of the engine harness's recorded run on the same water
// (tarvex-engine water data/samples/seawater.wat).
std::map<std::string, double> HarnessFigures() {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/tests/harness/fixtures/water_seawater.txt");
    std::map<std::string, double> figures;
    std::string tag;
    int slot = 0;
    double value = 0.0;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        if (words >> tag >> slot >> value) figures[tag + " " + std::to_string(slot)] = value;
    }
    return figures;
}

std::vector<std::string> TextLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The value cell at a column of the first line that starts with a label.
std::string Cell(const std::vector<std::string>& lines, const std::string& label, int column) {
    for (const std::string& l : lines)
        if (l.find(label) != std::string::npos && l.size() >= static_cast<size_t>(column + 7))
            return l.substr(column, 7);
    return "<no line " + label + ">";
}

std::string Value7(double v) {
    char text[kValueTextChars];
    FormatValue7(text, static_cast<float>(v));
    return text;
}
std::string Fixed2(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%7.2f", v);
    return text;
}

TEST(SeaWaterPagesRun, PagesShowTheHarnessFiguresForTheSameWater) {
    const fs::path folder =
        fs::temp_directory_path() / ("tarvex_seawater_pages_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    Fresh();
    win::SetPathRoot(folder.string());
    ProgramOptions o;
    std::string error;
    ASSERT_TRUE(
        ParseCommandLine({"--headless", "--desktop", "1280x1024", "--script",
                          std::string(TARVEX_SOURCE_DIR) + "/data/scripts/seawater-pages.tvs",
                          "--log", (folder / "run.log").string()},
                         o, error));
    const fs::path start = fs::current_path();
    fs::current_path(folder);  // the script's file names are relative to the run's folder
    const int code = RunProgram(o);
    fs::current_path(start);
    std::stringstream log;
    log << std::ifstream(folder / "run.log").rdbuf();
    ASSERT_EQ(code, 0) << log.str();

    std::map<std::string, double> h = HarnessFigures();
    const std::vector<std::string> chem = TextLines(folder / "chem.txt");
    ASSERT_FALSE(chem.empty());
    EXPECT_EQ(chem[0], "SURFACE WATER ANALYSIS");
    EXPECT_EQ(Cell(chem, "Chloride(as Cl)", 68), Value7(h["SW 2"]));
    EXPECT_EQ(Cell(chem, "Calculated T.D.S.", 28), Value7(h["SR 35"]));
    EXPECT_EQ(Cell(chem, "Molar Conductivity", 28), Value7(h["SW 34"]));
    EXPECT_EQ(Cell(chem, "Resistivity", 28), Value7(1000000.0 / h["SW 34"]));

    const std::vector<std::string> values = TextLines(folder / "values.txt");
    ASSERT_GT(values.size(), 7u);
    EXPECT_EQ(values[0], "SURFACE WATER DEPOSITION POTENTIAL INDICATORS");
    // Title, blank, then page lines 1 to 3: "Calcite:" is page line 4.
    EXPECT_EQ(values[2 + 3].substr(3, 8), "Calcite:");
    EXPECT_EQ(values[2 + 3].substr(34, 7), Fixed2(h["SR 0"]));
    EXPECT_EQ(Cell(values, "Langelier:", 34), Fixed2(h["SR 10"]));
    EXPECT_EQ(values[2 + 11].substr(44, 8), "Calcite:");  // page line 12
    EXPECT_EQ(values[2 + 11].substr(67, 7), Fixed2(h["ME 0"]));
    for (const char* picture : {"chem.ppm", "values.ppm"})
        EXPECT_GT(fs::file_size(folder / picture), 100000u) << picture;
    Fresh();
    fs::remove_all(folder);
}

}  // namespace
