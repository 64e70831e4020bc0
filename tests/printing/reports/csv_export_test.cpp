// The summary pages' CSV export: the sea water's well profile as the engine
// harness computes it read back by Python's csv module, golden files of the
// row variants, the value and date forms, the save dialog, the failures and
// the offer to open the file.
#include "printing/reports/csv/csv_export.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "engine/pipeline/pipeline_records.h"
#include "input/description_records.h"
#include "input/phcurve/alk_curve_records.h"
#include "platform/system/shell_execute.h"
#include "printing/reports/csv/csv_export_records.h"
#include "printing/reports/csv/csv_rows.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/workfile/work_file_records.h"
#include "tests/printing/print_fixture.h"
#include "tools/engine_harness/commands.h"

namespace printtest {
namespace {

const fs::path kGoldenDir = fs::path(TARVEX_SOURCE_DIR) / "tests/printing/golden/csv";

std::string FileText(const fs::path& path) {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

void SetPrecipitationQuantity(uint32_t value) {
    precipitationQuantity = value;
}

class CsvExportTest : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        ResetCsvExportRecords();
        SetPrecipitationQuantity(0);
        precipitationFactor = 0.34845498f;
    }
    void TearDown() override {
        InstallCsvFileOpener(nullptr);
        SetPrecipitationQuantity(0);
        PrintTest::TearDown();
    }
    // A fixed water and profile: every figure tells its station and slot.
    static void FixtureProfile() {
        surfaceWater = WaterAnalysis{};
        for (int e = 0; e < 64; ++e) surfaceWater.values[e] = 0.5f * static_cast<float>(e);
        std::snprintf(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath,
                      "\\ZORIN\\North Well.KRV");
        surfaceWater.sampleNumber = 17;
        surfaceWater.sampleDate = 1230515;
        surfaceWater.reportDate = 1240101;
        Describe(waterDescriptions[0], "North Well 7", "Separator");
        std::snprintf(waterDescriptions[0].text[7], 128, "NW-7");
        WellLogTable& t = wellProfiles.wellLog;
        for (int s = 0; s < kWellLogStations; ++s) {
            t.temperature[s] = 100.0f + static_cast<float>(s);
            t.pressure[s] = 14.7f * static_cast<float>(s + 1);
            for (int v = 0; v < 64; ++v) {
                t.results[s][v] = 0.25f * static_cast<float>(s + 1);
                t.analysis[s][v] = 0.001f * static_cast<float>(s);
            }
            for (int v = 0; v < 38; ++v) t.excess[s][v] = static_cast<float>(v + s);
            t.corrosion[s][kShownCorrosionRate] = 1.5f + static_cast<float>(s);
            t.corrosion[s][3] = 99.0f;  // the combined model, which no export shows
        }
        wellProfiles.flash11 = t;
        wellProfiles.flash11.temperature[0] = 212.0f;
    }
    // Chooses `name` in the save dialog and answers the open question.
    void Export(const std::string& name, int answer, bool wellLog = false) {
        win::AnswerFileDialog("\\" + name);
        win::AnswerMessageBox("Open CSV", "", answer);
        if (wellLog)
            ExportWellLogPageCsv();
        else
            ExportOnePageCsv();
    }
    // Compares a written file with its golden (TARVEX_REGEN_GOLDEN=1 writes it).
    void MatchGolden(const std::string& name) {
        const std::string written = FileText(folder / name);
        const fs::path golden = kGoldenDir / name;
        const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
        if (regen != nullptr && std::string(regen) == "1")
            std::ofstream(golden, std::ios::binary) << written;
        EXPECT_EQ(written, FileText(golden)) << name;
    }
    static int Rows(const std::string& text) {
        int n = 0;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++n;
        return n;
    }
    static std::string Row(const std::string& text, const std::string& label) {
        const std::size_t at = text.find("\"" + label + "\",");
        if (at == std::string::npos) return "<no row " + label + ">";
        return text.substr(at, text.find("\r\n", at) - at);
    }
};

TEST_F(CsvExportTest, SeaWaterWellProfileReadsBackInPython) {
    std::string stations;
    {
        char* buffer = nullptr;
        std::size_t size = 0;
        FILE* out = open_memstream(&buffer, &size);
        FILE* err = std::fopen("/dev/null", "w");
        const std::string water = std::string(TARVEX_SOURCE_DIR) + "/data/samples/seawater.wat";
        char twelve[] = "12";
        std::vector<char> path(water.begin(), water.end());
        path.push_back('\0');
        char* args[] = {twelve, path.data()};
        ASSERT_EQ(CmdWell(args, out, err), 0);
        std::fclose(out);
        std::fclose(err);
        stations.assign(buffer, size);
        std::free(buffer);
    }
    std::vector<std::string> calcite;
    for (std::size_t at = 0; (at = stations.find("calcite=", at)) != std::string::npos;) {
        at += 8;
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", std::strtod(stations.c_str() + at, nullptr));
        calcite.push_back(text);
    }
    ASSERT_EQ(calcite.size(), 12u);
    waterDescriptions[0] = SampleDescription{};
    std::snprintf(waterDescriptions[0].text[0], 128, "He said \"hi\", 5%%");
    std::snprintf(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath,
                  "\\ZORIN\\North Well.KRV");
    Export("one-page.csv", win::IDNO);
    const fs::path kept = fs::path(TARVEX_BINARY_DIR) / "test-output" / "csv";
    fs::create_directories(kept);
    const fs::path csv = kept / "one-page.csv";
    fs::copy_file(folder / "one-page.csv", csv, fs::copy_options::overwrite_existing);

    std::string expectedCalcite;
    for (const std::string& c : calcite) expectedCalcite += "'" + c + "',";
    const std::string script =
        "import csv,sys\n"
        "rows=list(csv.reader(open(sys.argv[1],encoding='cp1252',newline='')))\n"
        "assert len(rows)==57,len(rows)\n"
        "assert all(r[-1]=='' for r in rows)\n"
        "assert len(rows[39])==15,rows[39]\n"
        "assert rows[0][0]=='Workspace Name',rows[0]\n"
        "assert rows[0][1]=='North Well.KRV',rows[0]\n"
        "assert rows[1][1]=='He said \"hi\", 5%',rows[1]\n"
        "c=[r for r in rows if r[0]=='Calcite'][0]\n"
        "assert c[1:13]==[" +
        expectedCalcite +
        "],c\n"
        "print('ok')\n";
    std::ofstream(folder / "check.py") << script;
    EXPECT_EQ(RunTool("python3 '" + (folder / "check.py").string() + "' '" + csv.string() + "'"),
              "ok\n");
    const std::string od = RunTool("od -c '" + csv.string() + "'");
    const std::string text = FileText(csv);
    EXPECT_EQ(Rows(text), 57);
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
        ASSERT_EQ(text[at - 1], ',') << at;
    EXPECT_NE(od.find(",  \\r  \\n"), std::string::npos);
}

TEST_F(CsvExportTest, RowVariantsMatchTheirGoldens) {
    FixtureProfile();
    Export("show0.csv", win::IDNO);
    EXPECT_EQ(Rows(FileText(folder / "show0.csv")), 57);
    MatchGolden("show0.csv");
    SetPrecipitationQuantity(2);
    Export("show2.csv", win::IDNO);
    const std::string both = FileText(folder / "show2.csv");
    EXPECT_EQ(Rows(both), 59);
    EXPECT_LT(both.find("\"Calcite MOMEX\""), both.find("\"Calcite PP\""));
    MatchGolden("show2.csv");
    SetPrecipitationQuantity(3);
    Export("show3.csv", win::IDNO);
    EXPECT_EQ(Rows(FileText(folder / "show3.csv")), 55);
    MatchGolden("show3.csv");
    // The well-log page: its own profile, MOMEX rows only.
    Export("welllog.csv", win::IDNO, true);
    const std::string wellLog = FileText(folder / "welllog.csv");
    EXPECT_EQ(Rows(wellLog), 57);
    EXPECT_EQ(wellLog.find("PP\""), std::string::npos);
    EXPECT_EQ(Row(wellLog, "Temperature Range").substr(0, 25), "\"Temperature Range\",212,1");
    MatchGolden("welllog.csv");
}

TEST_F(CsvExportTest, ValueForms) {
    FixtureProfile();
    WellLogTable& t = wellProfiles.wellLog;
    t.results[0][0] = 0.0f;
    t.results[1][0] = 100.0f;
    displaySettings.indexFormat = 1;
    SetPrecipitationQuantity(2);
    t.results[0][60] = kSolverNotReachable;
    displaySettings.precipitationUnit = 1;
    Export("values.csv", win::IDNO);
    std::string text = FileText(folder / "values.csv");
    EXPECT_EQ(Row(text, "Calcite").substr(0, 24), "\"Calcite\",N/A,2.00,-0.12");
    EXPECT_EQ(Row(text, "Calcite PP").substr(0, 17), "\"Calcite PP\",N/A,");
    char expected[64];
    std::snprintf(expected, sizeof expected, "\"Anhydrite MOMEX\",%g,",
                  static_cast<double>(0.34845498f * 5.0f));
    EXPECT_EQ(Row(text, "Anhydrite MOMEX").rfind(expected, 0), 0u);
    displaySettings.precipitationUnit = 2;
    Export("values2.csv", win::IDNO);
    text = FileText(folder / "values2.csv");
    std::snprintf(expected, sizeof expected, "\"Anhydrite MOMEX\",%g,",
                  static_cast<double>(0.34845498f * 0.454f * 5.0f));
    EXPECT_EQ(Row(text, "Anhydrite MOMEX").rfind(expected, 0), 0u);
    displaySettings.precipitationUnit = 3;
    Export("values3.csv", win::IDNO);
    text = FileText(folder / "values3.csv");
    EXPECT_EQ(Row(text, "Anhydrite MOMEX").rfind("\"Anhydrite MOMEX\",5,6,", 0), 0u);
    // Units: the carbonate rows carry the alkalinity mode; pH, rate and pCO2 none.
    EXPECT_EQ(Row(text, "Bicarbonate"),
              "\"Bicarbonate\",6.5," + std::to_string(alkalinityMode) + ",");
    EXPECT_EQ(Row(text, "Sample pH"), "\"Sample pH\",0,");
    EXPECT_EQ(Row(text, "Corrosion Rate").substr(0, 25), "\"Corrosion Rate\",1.5,2.5,");
    // Dates in the three orders.
    EXPECT_EQ(CsvDate(1230515, 0), "05-15-2023");
    EXPECT_EQ(CsvDate(1230515, 1), "15-05-2023");
    EXPECT_EQ(CsvDate(1230515, 2), "2023-05-15");
    char small[4];
    FormatCsvNumber(1234.5f, small, sizeof small, 0);
    EXPECT_STREQ(small, "123");
    // A value the engine could not compute (its +-1e37 bound) is N/A.
    char undefined[32];
    for (int mode : {0, 1}) {
        FormatCsvNumber(1.0e37f, undefined, sizeof undefined, mode);
        EXPECT_STREQ(undefined, "N/A") << mode;
    }
    EXPECT_EQ(CsvGeneral(-1.0e37f), "N/A");
    EXPECT_EQ(CsvGeneral(9.0e36), "9e+36");
}

TEST_F(CsvExportTest, SaveDialogAndWorkspaceName) {
    FixtureProfile();
    std::snprintf(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath,
                  "\\ZORIN\\Field A.KRV");
    win::CancelFileDialog();
    ExportOnePageCsv();
    EXPECT_STREQ(csvExportState.csvPath, "\\ZORIN\\Field A.CSV");
    EXPECT_TRUE(win::MessageBoxLog().empty());
    mainWindowState.workFilePath[0] = '\0';
    win::CancelFileDialog();
    ExportOnePageCsv();
    EXPECT_STREQ(csvExportState.csvPath, ".CSV");
    EXPECT_TRUE(win::MessageBoxLog().empty());
    // The workspace row names the work file, whatever the CSV file is called.
    Export("Run7.csv", win::IDNO);
    EXPECT_EQ(Row(FileText(folder / "Run7.csv"), "Workspace Name"), "\"Workspace Name\",\"\",");
    fs::remove(folder / "Run7.csv");
    std::snprintf(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath,
                  "\\ZORIN\\Saved As.KRV");
    Export("Run7.csv", win::IDNO);
    EXPECT_EQ(Row(FileText(folder / "Run7.csv"), "Workspace Name"),
              "\"Workspace Name\",\"Saved As.KRV\",");
}

TEST_F(CsvExportTest, FailuresAndTheOpenRequest) {
    FixtureProfile();
    auto lastBox = [] {
        return win::MessageBoxLog().empty() ? std::string() : win::MessageBoxLog().back().text;
    };
    auto startsWith = [](const std::string& text, const std::string& head) {
        return text.rfind(head + "\n\n", 0) == 0;
    };
    // Created nowhere: the message with the file and the cause, no question.
    fs::create_directories(folder / "taken.csv");  // a folder of that name
    win::AnswerFileDialog("\\taken.csv");
    ExportOnePageCsv();
    EXPECT_TRUE(startsWith(lastBox(), kCsvCreateFailed)) << lastBox();
    EXPECT_NE(lastBox().find("\\taken.csv failed: Is a directory."), std::string::npos)
        << lastBox();
    EXPECT_EQ(win::MessageBoxLog().size(), 1u);
    // Not opened for writing.
    InstallCsvFileOpener([](const char*) { return win::HFILE_ERROR; });
    win::AnswerFileDialog("\\unopened.csv");
    ExportOnePageCsv();
    EXPECT_TRUE(startsWith(lastBox(), kCsvWriteFailed)) << lastBox();
    EXPECT_EQ(win::MessageBoxLog().size(), 2u);
    InstallCsvFileOpener(nullptr);
    // A full disk over an earlier export: the old file keeps every byte, and
    // the message says what failed, why, and that the old file is unchanged.
    const std::string old(910, 'o');
    std::ofstream(folder / "full.csv", std::ios::binary) << old;
    win::FailNextFileWrites(1);
    win::AnswerFileDialog("\\full.csv");
    win::AnswerMessageBox("", "already exists", win::IDYES);
    ExportOnePageCsv();
    win::FailNextFileWrites(0);
    EXPECT_EQ(FileText(folder / "full.csv"), old);
    EXPECT_EQ(lastBox(), std::string(kCsvWriteFailed) +
                             "\n\nWriting \\full.csv failed: No space left on device. The file "
                             "that was there is unchanged.");
    EXPECT_EQ(win::MessageBoxLog().size(), 4u);  // the overwrite question, the failure
    // Yes: the open request with the full path; a failing opener says so.
    Export("open.csv", win::IDYES);
    ASSERT_EQ(win::ShellOpenLog().size(), 1u);
    EXPECT_EQ(win::ShellOpenLog()[0], "\\open.csv");
    win::FailNextShellOpens(1);
    Export("open2.csv", win::IDYES, true);
    EXPECT_EQ(lastBox(), "CSV failed to open.");
    EXPECT_EQ(win::ShellOpenLog().size(), 1u);
}

}  // namespace
}  // namespace printtest
