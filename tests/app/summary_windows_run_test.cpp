// The summary windows in whole runs: the bundled script
// data/scripts/summary-windows.tvs (both windows' pictures held to their
// goldens, both pages printed, the one-page window's CSV read back), the
// well-log window's rich-text saves of the waterflood, and its clipboard
// refusals and cascade. TARVEX_REGEN_GOLDEN=1 writes the golden pictures anew
// (tests/app/golden/remake.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "tests/app/program_run_fixture.h"
#include "treatment/records.h"

namespace {

namespace fs = std::filesystem;

// The dark pixels of each row of a binary PPM picture, from its top; empty
// when it cannot be read.
std::vector<int> DarkPixelsByRow(const std::filesystem::path& picture) {
    std::ifstream in(picture, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, top = 0;
    if (!(in >> magic >> width >> height >> top) || magic != "P6" || width <= 0 || height <= 0)
        return {};
    in.get();
    std::vector<int> rows(static_cast<size_t>(height), 0);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int& dark : rows) {
        if (!in.read(reinterpret_cast<char*>(row.data()), static_cast<std::streamsize>(row.size())))
            return {};
        for (size_t x = 0; x < row.size(); x += 3)
            if (row[x] + row[x + 1] + row[x + 2] < 3 * 80) ++dark;
    }
    return rows;
}

std::string Source(const std::string& name) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The sea-water entry of the bundled script: its dialog lines and menu 1030.
std::string SeaWaterEntry() {
    std::istringstream in(Source("data/scripts/summary-windows.tvs"));
    std::string entry;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("dialog 80", 0) == 0) entry += line + "\n";
    return entry + "menu 1030\n";
}

class SummaryWindowsRun : public ProgramRunFixture {
  protected:
    void Printers() {
        std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
    }
    // Pixels of the picture differing by more than 10 % from its golden.
    long Differing(const std::string& made, const std::string& goldenName) {
        const fs::path golden = fs::path(TARVEX_SOURCE_DIR) / "tests/app/golden" / goldenName;
        const fs::path picture = folder / made;
        const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
        if (regen != nullptr && std::string(regen) == "1") {
            EXPECT_EQ(Tool("convert '" + picture.string() + "' '" + golden.string() + "'"), "");
        }
        if (!fs::exists(golden)) return -1;
        const std::string out = Tool("compare -metric AE -fuzz 10% '" + picture.string() + "' '" +
                                     golden.string() + "' null:");
        if (out.empty() || out[0] < '0' || out[0] > '9') return -1;
        return std::atol(out.c_str());
    }
    void CopySample(const std::string& name) {
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples" / name, folder / name);
    }
};

TEST_F(SummaryWindowsRun, BundledScriptShowsPrintsAndExportsBothPages) {
    Printers();
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/summary-windows.tvs"), 0)
        << Log();
    const std::string log = Log();
    EXPECT_NE(log.find("window created DisOnePage \"SYSTEM CHEMISTRY AND SCALE POTENTIAL SUMMARY\""),
              std::string::npos);
    EXPECT_NE(log.find("window created WellLogDisOnePage \"WELL LOG CHEMISTRY AND SCALE POTENTIAL "
                       "SUMMARY\""),
              std::string::npos);

    // The client areas of windows sized by the rule for the 1280 x 1024
    // desktop: the main window's client area of 1270 x 948 gives a window of
    // 948 + (1024 - 948) / 2 = 986 lines and 986 x 1.2941177 = 1276 columns;
    // below the main window's menu bar (42) on the work area (994 high) it is
    // made 952 high and 1232 wide, whose client area is 1226 x 908.
    for (const char* picture : {"one.ppm", "well.ppm"})
        EXPECT_EQ(Tool("identify -format '%w x %h' '" + (folder / picture).string() + "'"),
                  "1226 x 908")
            << picture;
    // The sample and report dates and the sample time follow the clock; the
    // rest of the page is held to the golden.
    const long one = Differing("one.ppm", "summary-one-page.png");
    EXPECT_GE(one, 0);
    EXPECT_LT(one, 2000);
    const long well = Differing("well.ppm", "summary-well-log.png");
    EXPECT_GE(well, 0);
    EXPECT_LT(well, 2000);

    for (const char* name : {"Tarvex Report.pdf", "Tarvex Well Log.pdf"}) {
        const std::string q = "'" + (folder / "out" / name).string() + "'";
        ASSERT_TRUE(fs::exists(folder / "out" / name)) << name;
        EXPECT_EQ(Tool("qpdf --check " + q).find("[exit"), std::string::npos) << name;
        EXPECT_NE(Tool("pdfinfo " + q).find("Pages:           1"), std::string::npos) << name;
    }
    const std::string wellText =
        Tool("pdftotext -layout '" + (folder / "out" / "Tarvex Well Log.pdf").string() + "' -");
    for (const char* expected :
         {"After Flash", "At Separator", "Bottom Hole", "Saturation Levels (xSAT)"})
        EXPECT_NE(wellText.find(expected), std::string::npos) << expected;
    // The two pages' stations stand on different pH: the one-page table on the
    // what-if evaluation pH (6.50 in a new folder), the well-log page on the
    // water's own 8.10. Each page names the pH and the CO2 partial pressures
    // its stations were computed at. At pH 6.50 sea water's 2.3 mmol/kg of
    // bicarbonate holds [CO2] = 2.3e-3 x 10^(pK1* - pH) = 0.73 mmol/kg (pK1*
    // about 6.0, Millero 1995), a pCO2 of 0.026 atm by K0 = 0.0284 (Weiss 1974)
    // at 25 C, within a factor of 1.7 over the stations' 130 to 280 F. The
    // well log's after-flash station is the water at its own conditions: its
    // page's 0.00054 atm; the hot stations below hold less.
    auto note = [](const std::string& text, const std::string& ph) {
        const std::string start = "Stations at pH " + ph + ", pCO2 (atm) ";
        const size_t at = text.find(start);
        double low = 0.0, high = 0.0;
        if (at != std::string::npos)
            std::sscanf(text.c_str() + at + start.size(), "%lf to %lf", &low, &high);
        return std::pair<double, double>{low, high};
    };
    const auto [wellLow, wellHigh] = note(wellText, "8.10");
    EXPECT_NEAR(wellHigh, 0.00054, 0.000005) << wellText;
    EXPECT_GT(wellLow, 0.0) << wellText;
    EXPECT_LT(wellLow, wellHigh) << wellText;
    const std::string oneText =
        Tool("pdftotext -layout '" + (folder / "out" / "Tarvex Report.pdf").string() + "' -");
    const auto [oneLow, oneHigh] = note(oneText, "6.50");
    EXPECT_GT(oneLow, 0.026 / 1.7) << oneText;
    EXPECT_LT(oneHigh, 0.026 * 1.7) << oneText;
    EXPECT_LE(oneLow, oneHigh) << oneText;

    const std::string rows = Tool(
        "python3 -c \"import csv,sys; r=list(csv.reader(open(sys.argv[1], newline=''))); "
        "print(len(r)); print(r[0])\" '" +
        (folder / "run7.csv").string() + "'");
    EXPECT_EQ(rows, "57\n['Workspace Name', '', '']\n");  // no work file yet
}

// The CSV's first row names the workspace the page comes from, whatever the
// CSV itself is called; a name typed without an extension gets ".CSV".
TEST_F(SummaryWindowsRun, TheCsvNamesItsWorkspaceAndGetsItsExtension) {
    const std::string exportCsv = "answer no Would you like\nmenu 1655 DisOnePage\n";
    ASSERT_EQ(Run(SeaWaterEntry() + "menu 1248\nfile first\n" + exportCsv +
                  "file \\work.krv\nmenu 1022\nfile summary\n" + exportCsv +
                  "file summary\nanswer yes summary.CSV already exists\n" + exportCsv +
                  "file \\work.KRV\nmenu 1020\nfile other.csv\n" + exportCsv +
                  "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    auto firstRow = [this](const std::string& name) {
        return Tool("python3 -c \"import csv,sys; print(next(csv.reader(open(sys.argv[1], "
                    "newline=''))))\" '" +
                    (folder / name).string() + "'");
    };
    for (const char* bare : {"first", "summary"}) EXPECT_FALSE(fs::exists(folder / bare)) << Log();
    // Before any work file is saved or opened the workspace has no name.
    EXPECT_EQ(firstRow("first.CSV"), "['Workspace Name', '', '']\n");
    EXPECT_EQ(firstRow("summary.CSV"), "['Workspace Name', 'work.KRV', '']\n");
    EXPECT_EQ(firstRow("other.csv"), "['Workspace Name', 'work.KRV', '']\n");
}

TEST_F(SummaryWindowsRun, RichTextSavesReplaceTheFileWithOneReport) {
    CopySample("waterflood.krv");
    std::string script = "file \\waterflood.krv\nmenu 1020\n" + SeaWaterEntry() +
                         "menu 1042\nmenu 1250\n";
    for (int k = 0; k < 2; ++k)
        script += "file a.rtf\nanswer yes a.rtf already exists\nmenu 754 WellLogDisOnePage\n";
    script += "answer no Data has been modified\n";
    ASSERT_EQ(Run(script), 0) << Log();
    const std::string log = Log();
    std::vector<std::string> sizes;
    for (const std::string& rest : LinesAfter(log, "file written a.rtf ("))
        sizes.push_back(rest.substr(0, rest.find(' ')));
    ASSERT_EQ(sizes.size(), 2u) << log;
    EXPECT_EQ(sizes[0], sizes[1]);
    EXPECT_EQ(std::to_string(fs::file_size(folder / "a.rtf")), sizes[1]);

    const std::string rtf = Read("a.rtf");
    size_t ends = 0;
    for (size_t at = rtf.find("\\par }"); at != std::string::npos; at = rtf.find("\\par }", at + 1))
        ++ends;
    EXPECT_EQ(ends, 1u);
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\\par }");
    for (const auto& e : fs::directory_iterator(folder))
        EXPECT_EQ(e.path().filename().string().find(".~"), std::string::npos) << e.path();
    // LibreOffice reads the file back where it is installed.
    if (Tool("command -v soffice || true").empty()) return;
    const std::string out = Tool("cd '" + folder.string() +
                                 "' && soffice --headless --convert-to txt:Text --outdir conv a.rtf");
    EXPECT_EQ(out.find("[exit"), std::string::npos) << out;
    EXPECT_NE(Read("conv/a.txt").find("MIXED WATER CHEMISTRY"), std::string::npos);
}

TEST_F(SummaryWindowsRun, ClipboardRefusalsAndTheCascade) {
    CopySample("waterflood.krv");
    const std::string script = "file \\waterflood.krv\nmenu 1020\n" + SeaWaterEntry() +
                               "menu 1042\nmenu 1248\nmenu 1250\n"
                               "clipboard hold\n"
                               "menu 985 DisOnePage\n"
                               "menu 985 WellLogDisOnePage\n"
                               "menu 994 WellLogDisOnePage\n"
                               "menu 750 WellLogDisOnePage\n"
                               "clipboard release\n"
                               "menu 985 WellLogDisOnePage\n"
                               "clipboard list\n"
                               "key WellLogDisOnePage Alt+Home\n"
                               "where DisplayMUWater\nwhere DisplayMUValues\n"
                               "where DisplayCycledWater\nwhere DisplayCycledValues\n"
                               "answer no Data has been modified\n";
    ASSERT_EQ(Run(script), 0) << Log();
    const std::string log = Log();
    const std::string text = "Windows clipboard not available. Contact Tech Support ref. pt op ";
    for (const char* reference : {"101.", "102.", "103."})
        EXPECT_NE(log.find("message box \"WARNING\": \"" + text + reference), std::string::npos)
            << reference << "\n"
            << log;
    EXPECT_NE(log.find("enhanced metafile"), std::string::npos) << log;

    // The four open pages stand one step apart, the first a step in and two
    // and a half steps down.
    std::vector<std::pair<int, int>> at;
    for (const std::string& rest : LinesAfter(log, "where Display")) {
        // "MUWater: 60,70 - 940,877"
        int x = 0;
        int y = 0;
        const size_t colon = rest.find(": ");
        if (colon != std::string::npos &&
            std::sscanf(rest.c_str() + colon + 2, "%d,%d", &x, &y) == 2)
            at.emplace_back(x, y);
    }
    ASSERT_EQ(at.size(), 4u) << log;
    const int stepX = at[1].first - at[0].first;
    const int stepY = at[1].second - at[0].second;
    EXPECT_GT(stepX, 0);
    EXPECT_GT(stepY, 0);
    EXPECT_EQ(at[0].first, stepX);
    EXPECT_EQ(at[0].second * 2, 5 * stepY);
    for (size_t k = 1; k < at.size(); ++k) {
        EXPECT_EQ(at[k].first - at[k - 1].first, stepX) << k;
        EXPECT_EQ(at[k].second - at[k - 1].second, stepY) << k;
    }
}

}  // namespace

namespace {

// A long typed ID and descriptions on the form, on the water's pages and on
// the one-page summary, opened after a print has set the report fonts up for
// the printer: the ID goes on below itself rather than over the cation labels
// (the printed page is drawn by the same layout as the window, and no word of
// it is printed or painted over another), and the window stays on the
// desktop's work area, as large as the maximised main window at most, below
// its menu bar, at 1280 x 1024 and at 1024 x 768.
TEST_F(SummaryWindowsRun, LongIdKeepsToItsBlockAndTheWindowToTheDesktop) {
    const std::string id =
        "Sea water SW-1, platform intake, north caisson pump 3 after the coarse strainer";
    for (const char* desktop : {"1280x1024", "1024x768"}) {
        SCOPED_TRACE(desktop);
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        Fresh();
        Printers();
        textCheck = "text-check.txt";
        const bool small = std::string(desktop) == "1024x768";
        std::string entry = SeaWaterEntry();
        entry.insert(entry.find("dialog 80 press 1"),
                     "dialog 80 set 394 " + id +
                         "\ndialog 80 set 399 North Sea water for injection; filtered and "
                         "deaerated at the platform\n");
        if (small)  // the smaller desktop has the smaller form
            for (size_t at; (at = entry.find("dialog 80 ")) != std::string::npos;)
                entry.replace(at, 10, "dialog 81 ");
        ASSERT_EQ(Run(entry + "printer PDF\nmenu 1048\n"
                              "menu 1248\nwhere DisOnePage\nwhere TarvexMainClass\n"
                              "snap DisOnePage one.ppm\n"
                              "printer PDF landscape\nmenu 1013 DisOnePage\n"
                              "answer no Data has been modified\n",
                      desktop),
                  0)
            << Log();
        const fs::path pdf = folder / "out" / "Tarvex Report.pdf";
        ASSERT_TRUE(fs::exists(pdf)) << Log();
        const std::string q = "'" + pdf.string() + "'";
        EXPECT_EQ(
            Tool("python3 '" + std::string(TARVEX_SOURCE_DIR) + "/tests/app/pdf_overlap.py' " + q),
            "");
        const std::string text = Tool("pdftotext " + q + " -");
        std::istringstream words(id);
        for (std::string word; words >> word;)
            EXPECT_NE(text.find(word), std::string::npos) << word;
        // Nor does any window the run shows cut or crowd a text: the ID and
        // the description as they are typed into the form (their descenders
        // clear of the field's frame), and the ID whole on the water's pages.
        EXPECT_EQ(Read("text-check.txt"), "");

        int left = 0, top = 0, right = 0, bottom = 0;
        int mainLeft = 0, mainTop = 0, mainRight = 0, mainBottom = 0;
        const std::vector<std::string> one = LinesAfter(Log(), "where DisOnePage: ");
        const std::vector<std::string> main = LinesAfter(Log(), "where TarvexMainClass: ");
        ASSERT_EQ(one.size(), 1u) << Log();
        ASSERT_EQ(main.size(), 1u) << Log();
        ASSERT_EQ(std::sscanf(one[0].c_str(), "%d,%d - %d,%d", &left, &top, &right, &bottom), 4);
        ASSERT_EQ(std::sscanf(main[0].c_str(), "%d,%d - %d,%d", &mainLeft, &mainTop, &mainRight,
                              &mainBottom),
                  4);
        EXPECT_GE(left, mainLeft) << one[0];
        // Below the main window's menu bar (its frame 4, caption 19 and bar 19
        // pixels high), so that a click reaches the menus.
        EXPECT_GE(top, mainTop + 4 + 19 + 19) << one[0] << " on " << main[0];
        EXPECT_LE(right, mainRight) << one[0] << " on " << main[0];
        EXPECT_LE(bottom, mainBottom) << one[0] << " on " << main[0];

        // The four charts whole in the window: the rows of their frames' foot
        // (a dark line across most of the sheet) stand clear of the window's
        // bottom edge, whose last rows hold nothing dark.
        const std::vector<int> dark = DarkPixelsByRow(folder / "one.ppm");
        ASSERT_GT(dark.size(), 40u);
        const int width = std::atoi(Tool("identify -format '%w' '" + (folder / "one.ppm").string() +
                                         "'").c_str());
        int foot = -1;
        for (size_t y = dark.size() - 40; y < dark.size(); ++y)
            if (dark[y] > width / 2) foot = static_cast<int>(y);
        EXPECT_GE(foot, 0) << "no foot line of the charts near the bottom";
        EXPECT_LE(foot, static_cast<int>(dark.size()) - 4) << "the charts' foot at the edge";
        EXPECT_EQ(dark.back(), 0);
    }
}

}  // namespace

namespace {

// The selection dialogs open on the choice in force, and OK (Return) as they
// open keeps it: SELECT PRODUCT from the main menu and from the summary's
// Choose Product on PHOS-BA, not on the first row (DTPMP); CHOOSE GRAPHS from
// the main menu with the graph window's choice, and from each of the
// summary's GRAPH 1 to 4 with the graph that area shows, whatever the graph
// window's choice.
TEST_F(SummaryWindowsRun, SelectionDialogsOpenOnTheChoiceInForce) {
    struct Case {
        const char* what;
        const char* opens;  // the command that opens the dialog
        int dialog;
        const char* row;  // the row the dialog opens on (selected or chosen)
        int area = -1;    // the summary's graph area the command sets
        uint16_t code = 0;  // the graph it keeps
    };
    const std::string product = "list 2601 row 1 \"PHOS-BA | scale inhibitor | PHOSBA.PRD\" (selected)";
    const Case cases[] = {
        {"SELECT PRODUCT", "menu 1056\n", 26, product.c_str()},
        {"the summary's Choose Product", "menu 997 DisOnePage\n", 26, product.c_str()},
        {"CHOOSE GRAPHS", "menu 1064\n", 25, "list 2502 row 0 \"Calcite saturation\""},
        {"GRAPH 1", "menu 1257 DisOnePage\n", 25, "list 2502 row 0 \"Calcite saturation\"", 2, 0},
        {"GRAPH 2", "menu 1258 DisOnePage\n", 25, "list 2502 row 0 \"Barite saturation\"", 3, 21},
        {"GRAPH 3", "menu 1259 DisOnePage\n", 25, "list 2502 row 0 \"Anhydrite saturation\"", 0,
         4},
        {"GRAPH 4", "menu 1260 DisOnePage\n", 25, "list 2502 row 0 \"Gypsum saturation\"", 1, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        Fresh();
        fs::create_directories(folder / "INHIB");
        for (const char* product : {"DTPMP.PRD", "PHOSBA.PRD"})
            fs::copy_file(fs::path(TARVEX_BINARY_DIR) / "products" / product,
                          folder / "INHIB" / product);
        // PHOS-BA in force, the graph window's choice calcite, the summary open.
        const std::string d = "dialog " + std::to_string(c.dialog);
        ASSERT_EQ(Run(SeaWaterEntry() +
                      "dialog 26 select 2601 PHOS-BA\ndialog 26 press 1\nmenu 1056\n"
                      "dialog 25 press 2505\ndialog 25 select 2501 Calcite\n"
                      "dialog 25 press 2503\ndialog 25 press 1\nmenu 1064\nmenu 1248\n" +
                      d + " dump\n" + d + " press 1\n" + c.opens +
                      "answer no Data has been modified\n"),
                  0)
            << Log();
        const std::string log = Log();
        const size_t dump = log.find("> " + d + " dump");
        ASSERT_NE(dump, std::string::npos) << log;
        EXPECT_NE(log.find(c.row, dump), std::string::npos) << log.substr(dump);
        EXPECT_STREQ(productTable.records[0].name, "PHOS-BA");
        EXPECT_EQ(graphChoice.count, 1);
        EXPECT_EQ(graphChoice.codes[0], 0);
        if (c.area >= 0) {
            EXPECT_EQ(displaySettings.graphParams[c.area], c.code);
        }
    }
}

// The summaries' OPTIONS > CLOSE and FORMULARY > Select Product > Select with
// result pages, or a graph, open over the main window: the window then in
// front, a page or the graph, has the keyboard (its Page Down works at once),
// not the main window behind it. A product chosen from a window's own menu
// leaves the keyboard with that window.
TEST_F(SummaryWindowsRun, TheWindowInFrontTakesTheKeyboardBack) {
    struct Case {
        const char* what;
        const char* open;  // what stands over the main window before
        std::string step;
        const char* keys = "";  // the window that has the keyboard after; "": the one in front
        bool surfaceUnder = false;  // the surface water's pages stand below the graph after
    };
    const std::string product = "dialog 26 select 2601 PHOS-BA\ndialog 26 press 1\n";
    const std::string multiMix =
        "answer yes Last Analysis\ndialog 115 set 400 100\ndialog 115 set 404 1000\n"
        "dialog 115 set 414 1700\ndialog 115 set 419 200\ndialog 115 set 492 30\n"
        "dialog 115 press 527\nmenu 113\n";
    const Case cases[] = {
        {"One Page Summary CLOSE over pages", "menu 1036\n", "menu 1248\nmenu 1028 DisOnePage\n"},
        {"Well Log Table CLOSE over pages", "menu 1036\n",
         "menu 1250\nmenu 1028 WellLogDisOnePage\n"},
        {"One Page Summary CLOSE over a graph", "menu 1037\n", "menu 1248\nmenu 1028 DisOnePage\n"},
        {"Select Product, Select, over pages", "menu 1036\n",
         "dialog 26 select 2601 PHOS-BA\ndialog 26 press 1\nmenu 1056\n"},
        {"Select Product, Select, over a graph", "menu 1037\n",
         "dialog 26 select 2601 PHOS-BA\ndialog 26 press 1\nmenu 1056\n"},
        // The same change of product from the windows' own menus.
        {"a page's Choose Product", "menu 1036\n", product + "menu 997 DisplayTempWater\n",
         "DisplayTempWater"},
        {"the 2D graph's Choose Product", "menu 1036\nmenu 1037\n",
         product + "menu 997 wc2DGraphWindow\n", "wc2DGraphWindow"},
        {"the 3D graph's Choose Product", "menu 1036\nmenu 1040\n",
         product + "menu 997 wcGraphWindow\n", "wcGraphWindow"},
        {"the summary's Choose Product", "menu 1036\nmenu 1248\n",
         product + "menu 997 DisOnePage\n", "DisOnePage"},
        // The multi-mix input over a graph: its own pages come to the front,
        // the surface water's stay behind the graph.
        {"Multi-mix Water Analysis, MIX, over a graph", "menu 1037\n", multiMix, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        Fresh();
        fs::create_directories(folder / "INHIB");
        fs::copy_file(fs::path(TARVEX_BINARY_DIR) / "products" / "PHOSBA.PRD",
                      folder / "INHIB" / "PHOSBA.PRD");
        ASSERT_EQ(Run(SeaWaterEntry() + c.open + c.step + "windows\n" +
                      "answer no Data has been modified\n"),
                  0)
            << Log();
        // The shown windows, the one in front first.
        std::vector<std::string> shown;
        for (const std::string& line : LinesAfter(Log(), "  window "))
            if (line.find(" shown") != std::string::npos) shown.push_back(line);
        ASSERT_GE(shown.size(), 2u) << Log();
        EXPECT_NE(shown[0].rfind("TarvexMainClass", 0), 0u) << shown[0];
        std::string keys = shown[0];
        for (const std::string& line : shown)
            if (*c.keys != '\0' && line.rfind(std::string(c.keys) + " ", 0) == 0) keys = line;
        EXPECT_NE(keys.find(", keyboard"), std::string::npos)
            << "the window has not the keyboard:\n"
            << Log();
        if (!c.surfaceUnder) continue;
        const auto place = [&shown](const std::string& window) {
            for (size_t i = 0; i < shown.size(); ++i)
                if (shown[i].rfind(window + " ", 0) == 0) return static_cast<long>(i);
            return -1L;
        };
        for (const char* page : {"DisplayMUWater", "DisplayMUValues"}) {
            ASSERT_GE(place(page), 0) << page << Log();
            EXPECT_LT(place("wc2DGraphWindow"), place(page)) << page << Log();
        }
    }
}

}  // namespace
