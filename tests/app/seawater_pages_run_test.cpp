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

#include "engine/records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "platform/win.h"
#include "reporttext/format/format_value.h"
#include "shell/records.h"
#include "tests/app/program_run_fixture.h"
#include "treatment/records.h"

namespace {

namespace fs = std::filesystem;

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

class SeaWaterPagesRun : public ProgramRunFixture {
  protected:
    int Run(const std::string& scriptPath) { return RunFile(scriptPath); }
};

const std::string kBundledScript =
    std::string(TARVEX_SOURCE_DIR) + "/data/scripts/seawater-pages.tvs";

TEST_F(SeaWaterPagesRun, PagesShowTheHarnessFiguresForTheSameWater) {
    ASSERT_EQ(Run(kBundledScript), 0) << Read("run.log");
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
}

// The page's copies after the same entry: the plain copy is the page's text,
// the rich copy is closed, the spreadsheet copy has a row per line of the two
// pages, and a held clipboard gives the page's message.
TEST_F(SeaWaterPagesRun, CopiesOfTheIndicatorsPage) {
    std::ifstream bundled(kBundledScript);
    std::string script;
    for (std::string line; std::getline(bundled, line);)
        if (line.rfind("answer", 0) != 0) script += line + "\n";
    script +=
        "menu 985 DisplayMUValues\n"
        "clipboard save text copy.txt\n"
        "text DisplayMUValues page.txt\n"
        "text DisplayMUWater chem.txt\n"
        "menu 750 DisplayMUValues\n"
        "clipboard save rich text format copy.rtf\n"
        "menu 755 DisplayMUValues\n"
        "clipboard save Csv copy.csv\n"
        "clipboard hold\n"
        "menu 985 DisplayMUValues\n"
        "clipboard release\n"
        "answer no Data has been modified\n";
    std::ofstream(folder / "copies.tvs") << script;
    ASSERT_EQ(Run((folder / "copies.tvs").string()), 0) << Read("run.log");
    const std::string copy = Read("copy.txt");
    ASSERT_FALSE(copy.empty());
    EXPECT_EQ(copy.back(), '\0');
    EXPECT_EQ(copy.substr(0, copy.size() - 1), Read("page.txt"));
    const std::string rich = Read("copy.rtf");
    EXPECT_EQ(rich.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rich.find("SURFACE WATER DEPOSITION POTENTIAL INDICATORS\\par"), std::string::npos);
    // The spreadsheet copy: the chemistry page's lines, a blank row, then the
    // indicators page's lines, one row each.
    const std::string csv = Read("copy.csv");
    auto lines = [](const std::string& text) {
        int n = 0;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++n;
        return n;
    };
    EXPECT_EQ(lines(csv), lines(Read("chem.txt")) + 1 + lines(Read("page.txt")));
    EXPECT_EQ(csv.rfind("SURFACE WATER ANALYSIS\r\n", 0), 0u);
    EXPECT_NE(csv.find("Calcite:,CaCO3,4.04"), std::string::npos);
    EXPECT_NE(Read("run.log").find("message box \"WARNING\": \"Windows clipboard not available. "
                                   "Contact Tech Support ref. pt dis 102.\""),
              std::string::npos);
}

// The identification line's ID: where "Sample ID:" stands, the whole ID typed
// on the form, on that line or, when it does not fit before "Report Date:",
// on the line below it. "" when the lines hold it whole.
std::string WholeIdMissing(const std::vector<std::string>& lines, const std::string& id) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("Sample ID:") == std::string::npos) continue;
        if (lines[i].find(id) != std::string::npos) return "";
        if (i + 1 < lines.size() && lines[i + 1].find(id) != std::string::npos) return "";
        return lines[i] + (i + 1 < lines.size() ? "\n" + lines[i + 1] : "");
    }
    return "no line with Sample ID:";
}

// A long ID on the sea water's pages and the temperature profile's: each page
// and the copy of one show it whole, on the line below the identification
// line; a short ID stays on the line, before "Report Date:". The temperature
// indicators page heads the carbonates' precipitation potential as such and
// the momentary excess of every mineral below it.
TEST_F(SeaWaterPagesRun, EveryPageShowsTheWholeId) {
    auto script = [](const std::string& id) {
        std::ifstream bundled(kBundledScript);
        std::string s;
        for (std::string line; std::getline(bundled, line);) {
            if (line == "dialog 80 press 1") s += "dialog 80 set 394 " + id + "\n";
            if (line.rfind("dialog", 0) == 0 || line.rfind("menu", 0) == 0) s += line + "\n";
        }
        return s +
               "menu 1036\n"
               "text DisplayMUWater chem.txt\ntext DisplayMUValues values.txt\n"
               "text DisplayTempWater tw.txt\ntext DisplayTempValues tv.txt\n"
               "menu 985 DisplayTempValues\nclipboard save text copy.txt\n"
               "answer no Data has been modified\n";
    };
    const std::string id = "Sea water SW-1, platform intake";
    std::ofstream(folder / "long.tvs") << script(id);
    ASSERT_EQ(Run((folder / "long.tvs").string()), 0) << Read("run.log");
    for (const char* page : {"chem.txt", "values.txt", "tw.txt", "tv.txt", "copy.txt"}) {
        const std::vector<std::string> lines = TextLines(folder / page);
        EXPECT_EQ(WholeIdMissing(lines, id), "") << page;
    }

    const std::vector<std::string> values = TextLines(folder / "tv.txt");
    std::vector<std::string> headings;
    for (const std::string& l : values)
        if (l.rfind("  FREE ION", 0) == 0) headings.push_back(l.substr(0, l.find("  ", 3)));
    const std::vector<std::string> expected = {"  FREE ION PRECIPITATION POTENTIAL (mg/L)",
                                               "  FREE ION MOMENTARY EXCESS (mg/L)"};
    EXPECT_EQ(headings, expected);

    Fresh();
    std::ofstream(folder / "short.tvs") << script("SW-1");
    ASSERT_EQ(Run((folder / "short.tvs").string()), 0) << Read("run.log");
    for (const char* page : {"chem.txt", "values.txt", "tw.txt", "tv.txt"}) {
        bool found = false;
        for (const std::string& l : TextLines(folder / page)) {
            const size_t label = l.find("Sample ID:");
            if (label == std::string::npos) continue;
            found = true;
            const size_t at = l.find("SW-1");
            EXPECT_TRUE(at != std::string::npos && at < l.find("Report Date:"))
                << page << ": " << l;
        }
        EXPECT_TRUE(found) << page;
    }
}

// A sample ID typed with a degree sign (the form's Windows-1252 byte 0xB0)
// reads the same on the chemistry page and in its plain copy, as the printed
// report shows it, not as the page font's shade block or a '?'.
TEST_F(SeaWaterPagesRun, ATypedSampleIdKeepsItsDegreeSignOnThePageAndInItsCopy) {
    std::ifstream bundled(kBundledScript);
    std::string script;
    for (std::string line; std::getline(bundled, line);) {
        if (line.rfind("answer", 0) == 0 || line.rfind("text ", 0) == 0 ||
            line.rfind("snap ", 0) == 0)
            continue;
        if (line == "dialog 80 press 1") script += "dialog 80 set 394 W7 80\xB0" "F\n";
        script += line + "\n";
    }
    script +=
        "menu 985 DisplayMUWater\n"
        "clipboard save text copy.txt\n"
        "text DisplayMUWater page.txt\n"
        "answer no Data has been modified\n";
    std::ofstream(folder / "degree.tvs") << script;
    ASSERT_EQ(Run((folder / "degree.tvs").string()), 0) << Read("run.log");
    const std::string id = "Sample ID: W7 80\xB0" "F ";
    EXPECT_NE(Read("page.txt").find(id), std::string::npos) << Read("page.txt").substr(0, 300);
    EXPECT_NE(Read("copy.txt").find(id), std::string::npos) << Read("copy.txt").substr(0, 300);
}

// The bundled script data/scripts/seawater-ph.tvs: Vary pH on the same entry, at the
// water's own temperature. The calcite row is that of
// tarvex-engine profile ph data/samples/seawater.wat --low 5.6 --high 8.0.
TEST_F(SeaWaterPagesRun, PhProfilePagesShowTheHarnessProfile) {
    ASSERT_EQ(Run(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/seawater-ph.tvs"), 0)
        << Read("run.log");
    const std::vector<std::string> values = TextLines(folder / "phv.txt");
    ASSERT_GT(values.size(), 7u);
    EXPECT_EQ(values[5],
              "  as IAP/Ksp               5.60    6.00    6.40    6.80    7.20    7.60    8.00");
    std::string row = "    Calcite (CaCO3)    ";
    for (double calcite : {0.0034635, 0.0159442, 0.059874, 0.186924, 0.516798, 1.33221, 3.25862})
        row += " " + Fixed2(calcite);
    EXPECT_EQ(values[6], row);
    const std::vector<std::string> water = TextLines(folder / "phw.txt");
    ASSERT_GT(water.size(), 4u);
    EXPECT_EQ(water[4],
              std::string(24, ' ') + std::string(27, '_') + " pH " + std::string(25, '_'));
    for (const char* picture : {"phw.ppm", "phv.ppm"})
        EXPECT_GT(fs::file_size(folder / picture), 100000u) << picture;
}

}  // namespace
