// Results that stay current in whole runs: what a page, a summary, a profile
// row or an export shows after a change is what a run that started with the
// changed input shows, and every output of one quantity gives the same value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/threed/threed_text.h"
#include "scenarios/wells/well_records.h"
#include "tests/app/print_run_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Source(const std::string& name) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The dialog lines of the bundled sea-water entry, with the sulfate (field 415)
// given as `sulfate`, then OK and the command of the source water form.
std::string SeaWater(const std::string& sulfate = "2710") {
    std::istringstream in(Source("data/scripts/seawater-pages.tvs"));
    std::string entry;
    for (std::string line; std::getline(in, line);) {
        if (line == "dialog 80 set 415 2710") line = "dialog 80 set 415 " + sulfate;
        if (line.rfind("dialog 80", 0) == 0) entry += line + "\n";
    }
    return entry + "menu 1030\n";
}

std::string LineWith(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& l : lines)
        if (l.find(label) != std::string::npos) return l;
    return "<no line " + label + ">";
}

// The seven point values of a profile page's row (value columns 24 + 8k).
std::vector<double> PointValues(const std::string& line) {
    std::vector<double> values;
    for (int k = 0; k < 7; ++k) {
        const size_t at = 24 + 8 * static_cast<size_t>(k);
        values.push_back(line.size() >= at + 7 ? std::atof(line.substr(at, 7).c_str()) : -1.0);
    }
    return values;
}

// The fields of the CSV row whose first field is `label` (quotes removed).
std::vector<std::string> CsvRow(const std::string& csv, const std::string& label) {
    for (const std::string& line : TextLines(csv)) {
        if (line.rfind("\"" + label + "\"", 0) != 0) continue;
        std::vector<std::string> fields;
        std::string field;
        for (char c : line) {
            if (c == '"') continue;
            if (c == ',') {
                fields.push_back(field);
                field.clear();
            } else {
                field += c;
            }
        }
        fields.push_back(field);
        return fields;
    }
    return {};
}

// A binary PPM picture as the snap verb writes it.
struct Picture {
    int width = 0;
    int height = 0;
    std::string rgb;
    explicit Picture(const std::string& ppm) {
        std::istringstream in(ppm);
        std::string magic;
        int maxval = 0;
        if (!(in >> magic >> width >> height >> maxval) || magic != "P6") return;
        in.get();
        rgb = ppm.substr(static_cast<size_t>(in.tellg()));
        if (rgb.size() != 3u * width * height) width = height = 0;
    }
};

// The pixels in which two pictures differ over the area both cover; -1 when
// either is no picture.
long Differing(const std::string& a, const std::string& b) {
    const Picture p(a), q(b);
    if (p.width == 0 || q.width == 0) return -1;
    long n = 0;
    for (int y = 0; y < std::min(p.height, q.height); ++y)
        for (int x = 0; x < std::min(p.width, q.width); ++x)
            n += p.rgb.compare(3u * (y * p.width + x), 3, q.rgb, 3u * (y * q.width + x), 3) != 0;
    return n;
}

// The sample time of the identification line follows the clock: a run that
// crosses a minute redraws its four digits.
constexpr long kClockPixels = 200;

constexpr const char* kLeave = "answer no Data has been modified\n";
// Vary pH at the water's own 77 F, as data/scripts/seawater-ph.tvs runs it.
constexpr const char* kVaryPh = "dialog 84 set 535 77\ndialog 84 press 1\nmenu 1041\nmenu 1038\n";

class CurrentResultsRun : public PrintRunFixture {
  protected:
    // The run of `script` in a folder of its own (the fixture's folder is
    // emptied first), its named files read back.
    std::vector<std::string> RunAndRead(const std::string& script,
                                        const std::vector<std::string>& names,
                                        bool printer = false) {
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        Fresh();
        if (printer) {
            fs::create_directories(folder / "out");
            std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
        }
        EXPECT_EQ(Run(script + kLeave), 0) << Log();
        std::vector<std::string> files;
        for (const std::string& name : names) files.push_back(Read(name));
        return files;
    }
};

// Sulfate entered as 2, then corrected to 2,710 on the form while both pages
// are open: the painted pages are those the same records paint afresh (the
// pages closed and opened again by Vary Temperature), not the first entry's.
TEST_F(CurrentResultsRun, OpenPagesPaintTheWaterEnteredAgain) {
    const auto run = RunAndRead(
        SeaWater("2") + "snap DisplayMUWater first.ppm\n" + SeaWater() +
            "snap DisplayMUWater chem.ppm\n"
            "snap DisplayMUValues values.ppm\n"
            "text DisplayMUWater chem.txt\n"
            "close DisplayMUWater\nclose DisplayMUValues\nmenu 1036\n"
            "snap DisplayMUWater afresh.ppm\n"
            "snap DisplayMUValues afresh-values.ppm\n",
        {"first.ppm", "chem.ppm", "values.ppm", "chem.txt", "afresh.ppm", "afresh-values.ppm"});
    EXPECT_NE(LineWith(TextLines(run[3]), "Sulfate").find("2710"), std::string::npos) << run[3];
    EXPECT_GT(Differing(run[0], run[1]), kClockPixels)
        << "the chemistry page was not painted again";
    const long chemistry = Differing(run[1], run[4]);
    EXPECT_GE(chemistry, 0);
    EXPECT_LE(chemistry, kClockPixels);
    const long indicators = Differing(run[2], run[5]);
    EXPECT_GE(indicators, 0);
    EXPECT_LE(indicators, kClockPixels);
}

// The surface pages open, then an injection water entered: the two pages now
// name and paint the injection water, as pages opened for it paint it.
TEST_F(CurrentResultsRun, OpenPagesTurnToTheWaterJustEntered) {
    std::string injection = SeaWater();
    for (size_t at; (at = injection.find("menu 1030")) != std::string::npos;)
        injection.replace(at, 9, "menu 1031");
    injection.replace(injection.find("set 400 412"), 11, "set 400 1000");  // calcium
    const std::string snaps =
        "snap DisplayMUWater chem.ppm\nsnap DisplayMUValues values.ppm\n"
        "text DisplayMUWater chem.txt\nwindows\n";
    const auto turned = RunAndRead(SeaWater("2") + injection + snaps,
                                   {"chem.ppm", "values.ppm", "chem.txt", "run.log"});
    const auto direct = RunAndRead(injection + snaps, {"chem.ppm", "values.ppm"});
    EXPECT_EQ(TextLines(turned[2]).at(0), "INJECTION WATER ANALYSIS");
    EXPECT_NE(turned[3].find("DisplayMUWater \"INJECTION WATER ANALYSIS\""), std::string::npos)
        << turned[3];
    EXPECT_NE(turned[3].find("DisplayMUValues \"INJECTION WATER DEPOSITION POTENTIAL INDICATORS\""),
              std::string::npos)
        << turned[3];
    // The injection pages opened afresh have the surface pages' scroll bar:
    // the areas both show.
    for (int page = 0; page < 2; ++page) {
        const long differing = Differing(turned[page], direct[page]);
        EXPECT_GE(differing, 0) << page;
        EXPECT_LE(differing, kClockPixels) << page;
    }
}

// On a 1024 x 768 desktop each water's analysis page is taller than its
// window and has the vertical scroll bar: its picture is as wide as the
// surface page's, and scrolled to the bottom it shows other lines (seen
// failing: the formation and injection pages cut their last line with no bar).
TEST_F(CurrentResultsRun, EachWatersAnalysisPageScrollsOnASmallDesktop) {
    struct Form {
        const char* name;
        int dialog;
        int menu;
    };
    const Form forms[] = {{"surface", 81, 1030}, {"injection", 81, 1031}, {"formation", 82, 1032}};
    std::vector<std::string> tops;
    for (const Form& f : forms) {
        SCOPED_TRACE(f.name);
        Fresh();
        const std::string d = "dialog " + std::to_string(f.dialog) + " set ";
        ASSERT_EQ(Run(d + "407 7.4\n" + d + "400 2000\n" + d + "404 25000\n" + d + "414 45000\n" +
                          d + "419 400\n" + d + "427 150\ndialog " + std::to_string(f.dialog) +
                          " press 1\nmenu " + std::to_string(f.menu) +
                          "\nsnap DisplayMUWater top.ppm\nscroll DisplayMUWater bottom\n"
                          "snap DisplayMUWater bottom.ppm\n"
                          "answer no Data has been modified\nanswer no Did you wish to leave data\n",
                      "1024x768"),
                  0)
            << Log();
        const std::string top = Read("top.ppm");
        ASSERT_FALSE(top.empty());
        EXPECT_NE(Read("bottom.ppm"), top) << "the page did not scroll";
        tops.push_back(top.substr(0, top.find('\n', top.find('\n') + 1)));  // "P6\nW H"
    }
    EXPECT_EQ(tops[1], tops[0]);
    EXPECT_EQ(tops[2], tops[0]);
}

// The chemistry, indicators and temperature pages and the one-page summary
// open, then the identification alone edited on the form and stored with OK,
// one field at a time: each window that shows the field paints it at once, as
// Print Surface shows it; putting the fields back paints the first pictures.
TEST_F(CurrentResultsRun, IdentificationEditsAloneRepaintTheOpenWindows) {
    const char* windows[] = {"DisplayMUWater", "DisplayMUValues", "DisplayTempWater", "DisOnePage"};
    auto snaps = [&windows](const std::string& tag) {
        std::string lines;
        for (const char* w : windows)
            lines += "snap " + std::string(w) + " " + w + "-" + tag + ".ppm\n";
        return lines + "text DisplayMUWater chem-" + tag + ".txt\n";
    };
    auto stored = [](int field, const std::string& value) {
        return "dialog 80 set " + std::to_string(field) + " " + value +
               "\ndialog 80 press 1\nmenu 1030\n";
    };
    char today[16];
    const std::time_t now = std::time(nullptr);
    std::strftime(today, sizeof today, "%m-%d-%Y", std::localtime(&now));
    const std::string script = "dialog 80 set 394 SW-1\n" + SeaWater() + "menu 1036\nmenu 1248\n" +
                               snaps("a") + stored(394, "Well_12 ^B") + snaps("b") +
                               stored(395, "01-15-2020") + snaps("c") + stored(393, "12345") +
                               snaps("d") + "dialog 80 set 394 SW-1\ndialog 80 set 395 " + today +
                               "\n" + stored(393, "0") + snaps("e");
    std::vector<std::string> names;
    for (const char* tag : {"a", "b", "c", "d", "e"}) {
        for (const char* w : windows) names.push_back(std::string(w) + "-" + tag + ".ppm");
        names.push_back(std::string("chem-") + tag + ".txt");
    }
    const auto run = RunAndRead(script, names);
    auto picture = [&](int step, int window) {
        return run[static_cast<size_t>(step * 5 + window)];
    };
    auto text = [&](int step) { return run[static_cast<size_t>(step * 5 + 4)]; };
    EXPECT_NE(text(1).find("Well_12 ^B"), std::string::npos) << text(1);
    EXPECT_NE(text(2).find("Report Date: 01-15-2020"), std::string::npos) << text(2);

    // Which windows show each field: the ID all four, the report date all
    // four, the ID# (an ID being typed) the summary alone.
    const bool shows[3][4] = {
        {true, true, true, true}, {true, true, true, true}, {false, false, false, true}};
    for (int edit = 0; edit < 3; ++edit) {
        for (int w = 0; w < 4; ++w) {
            SCOPED_TRACE(std::string(windows[w]) + " after edit " + std::to_string(edit + 1));
            const long differing = Differing(picture(edit, w), picture(edit + 1, w));
            ASSERT_GE(differing, 0);
            // A window not painted again is the same picture to the pixel.
            if (shows[edit][w])
                EXPECT_GT(differing, 0) << "not painted again";
            else
                EXPECT_LE(differing, kClockPixels);
        }
    }
    for (int w = 0; w < 4; ++w) {
        const long differing = Differing(picture(0, w), picture(4, w));
        EXPECT_GE(differing, 0) << windows[w];
        EXPECT_LE(differing, kClockPixels) << windows[w] << " after the fields were put back";
    }
}

// The 3D profile of data/scripts/graph3d.tvs with its labels shown, then a
// description of the source water typed on the form and stored with OK: the
// graph's foot shows it at once, as typed; taken away again, the graph paints
// its first picture.
TEST_F(CurrentResultsRun, ADescriptionEditRepaintsTheOpenGraph) {
    std::istringstream bundled(Source("data/scripts/graph3d.tvs"));
    std::string script;
    for (std::string line; std::getline(bundled, line);) {
        if (line.empty() || line[0] == '#') continue;
        script += line + "\n";
        if (line == "menu 1040") break;
    }
    auto described = [](const std::string& text) {
        return "dialog 81 set 399" + (text.empty() ? "" : " " + text) +
               "\ndialog 81 press 1\nmenu 1030\n";
    };
    fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                  folder / "waterflood.krv");
    ASSERT_EQ(Run(script + "menu 989 wcGraphWindow\nsnap wcGraphWindow a.ppm\n" +
                      described("Line_A ^2 north") + "snap wcGraphWindow b.ppm\n" + described("") +
                      "snap wcGraphWindow c.ppm\n" + kLeave,
                  "1024x768"),
              0)
        << Log();
    EXPECT_GT(Differing(Read("a.ppm"), Read("b.ppm")), 0) << "the graph was not painted again";
    EXPECT_EQ(Differing(Read("a.ppm"), Read("c.ppm")), 0);
}

// The three source waters of data/scripts/multimix-three-waters.tvs mixed and
// their pages opened, then the third water's calcium changed in the multi-mix
// input, stored with OK and the input left with Cancel: the source-water page
// paints the water as stored, the picture that storing it with MIX paints.
TEST_F(CurrentResultsRun, SourceWaterStoredBeforeCancelRepaintsTheSourcePage) {
    std::istringstream bundled(Source("data/scripts/multimix-three-waters.tvs"));
    std::string mix;
    for (std::string line; std::getline(bundled, line);)
        if (!line.empty() && line[0] != '#' && line.rfind("file", 0) != 0 && line != "menu 1022")
            mix += line + "\n";
    mix += "menu 114\nsnap DisplayMixedWater a.ppm\n";
    const std::string edit = "dialog 115 set 400 999\n";
    const std::string after =
        "snap DisplayMixedWater b.ppm\ntext DisplayMixedWater b.txt\n"
        "answer no Did you wish to leave data\n";
    const auto cancelled =
        RunAndRead(mix + edit + "dialog 115 press 1\ndialog 115 next\ndialog 115 press 2\nmenu 113\n" +
                       after,
                   {"a.ppm", "b.ppm", "b.txt"});
    const auto mixed =
        RunAndRead(mix + edit + "dialog 115 press 527\nmenu 113\n" + after, {"b.ppm"});
    EXPECT_NE(LineWith(TextLines(cancelled[2]), "Calcium").find("999.00"), std::string::npos)
        << cancelled[2];
    EXPECT_GT(Differing(cancelled[0], cancelled[1]), 0) << "the source page was not painted again";
    const long differing = Differing(cancelled[1], mixed[0]);
    EXPECT_GE(differing, 0);
    EXPECT_LE(differing, kClockPixels);
}

// One Page Summary, then the water entered again with another sulfate: the
// summary's CSV is that of a run that entered the second water at once, and so
// is the printed page's gypsum row.
TEST_F(CurrentResultsRun, OnePageSummaryFollowsTheWaterEnteredAfterIt) {
    auto summary = [](const char* csv) {
        return std::string("menu 1248\nfile ") + csv + "\nanswer no\nmenu 1655 DisOnePage\n";
    };
    const auto again = RunAndRead(SeaWater() + summary("one.csv") + "close DisOnePage\n" +
                                      SeaWater("5000") + summary("two.csv"),
                                  {"two.csv"});
    const auto direct = RunAndRead(SeaWater("5000") + summary("two.csv"), {"two.csv"});
    const std::vector<std::string> gypsum = CsvRow(direct[0], "Gypsum");
    ASSERT_GT(gypsum.size(), 12u) << direct[0];
    EXPECT_EQ(CsvRow(again[0], "Gypsum"), gypsum);
    EXPECT_EQ(CsvRow(again[0], "Sulfate"), CsvRow(direct[0], "Sulfate"));
}

// Print One Page Summary is greyed until a summary has been computed: in an
// empty workspace and again after New (a greyed command fails the script with
// exit code 3), enabled while the summary is there; nothing is printed without
// one.
TEST_F(CurrentResultsRun, PrintOnePageSummaryOnlyWithASummary) {
    const auto log = RunAndRead(
        "menustate\n" + SeaWater() + "menustate\nmenu 1248\nclose DisOnePage\nmenustate\n",
        {"run.log"});
    const std::string item = "[4285] \"Print &One Page Summary\"";
    std::vector<bool> greyed;
    for (size_t at = log[0].find(item); at != std::string::npos; at = log[0].find(item, at + 1))
        greyed.push_back(log[0].compare(at + item.size(), 9, " (grayed)") == 0);
    // Empty, with the water alone, with its summary.
    EXPECT_EQ(greyed, (std::vector<bool>{true, true, false})) << log[0];

    // A script failure ends the program: this run is the program's own.
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
    std::ofstream(folder / "new.tvs") << SeaWater() +
                                             "menu 1248\nclose DisOnePage\nanswer no\nmenu 1019\n"
                                             "printer PDF\nmenu 4285\n" +
                                             kLeave;
    const std::string out = Tool("cd '" + folder.string() + "' && '" + TARVEX_BINARY_DIR +
                                 "/tarvex' --headless --desktop 1280x1024 --script new.tvs "
                                 "--log run.log");
    EXPECT_NE(out.find("[exit " + std::to_string(3 << 8) + "]"), std::string::npos) << out;
    EXPECT_NE(Log().find("\"Print &One Page Summary\" is greyed"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("printed \"Tarvex Report\""), std::string::npos) << Log();
}

// New with the pages of a mixed waterflood open: no page is left showing the
// waters that are gone; opening the work file again brings the mix back, and
// the pages opened for it show its results. Opening a work file closes the
// pages of results it does not hold: the sea water's pages when the waterflood
// is opened, the mix pages when the sea water's file is.
TEST_F(CurrentResultsRun, NewAndOpenLeaveNoPageOfTheWorkspaceBefore) {
    // The windows listed by the script's n-th `windows`.
    auto listed = [this](int n = 1) {
        const std::string log = Log();
        size_t at = 0;
        for (int i = 0; i < n && at != std::string::npos; ++i)
            at = log.find("> windows", i == 0 ? 0 : at + 1);
        return at == std::string::npos ? std::string("<no windows>")
                                       : log.substr(at, log.find("\n> ", at + 1) - at);
    };
    fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                  folder / "waterflood.krv");
    ASSERT_EQ(Run("file \\waterflood.krv\nmenu 1020\nmenu 1042\n"
                  "text DisplayCycledValues before.txt\n"
                  "menu 1019\nwindows\n"
                  "file \\waterflood.krv\nmenu 1020\nmenu 1042\n"
                  "text DisplayCycledValues after.txt\n" +
                  std::string(kLeave)),
              0)
        << Log();
    std::string windows = listed();
    for (const char* page : {"DisplayCycledWater", "DisplayCycledValues"})
        EXPECT_EQ(windows.find(page), std::string::npos) << page << " left open:\n" << windows;
    EXPECT_NE(windows.find("TarvexMainClass"), std::string::npos) << windows;
    EXPECT_EQ(Read("after.txt"), Read("before.txt"));

    // The sea water's pages, its one-page summary and its temperature graph.
    const auto run = RunAndRead(
        SeaWater() + "menu 1248\nanswer no\nmenu 1037\nmenu 1019\nwindows\n", {"run.log"});
    windows = listed();
    for (const char* page : {"DisplayMUWater", "DisplayMUValues", "DisOnePage", "wc2DGraphWindow"})
        EXPECT_EQ(windows.find(page), std::string::npos) << page << " left open:\n" << windows;

    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    Fresh();
    fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                  folder / "waterflood.krv");
    ASSERT_EQ(Run(SeaWater() +
                  "file \\sea.krv\nmenu 1022\n"
                  "file \\waterflood.krv\nmenu 1020\nwindows\nmenu 1042\n"
                  "file \\sea.krv\nmenu 1020\nwindows\n" +
                  kLeave),
              0)
        << Log();
    windows = listed(1);
    for (const char* page : {"DisplayMUWater", "DisplayMUValues"})
        EXPECT_EQ(windows.find(page), std::string::npos) << page << " left open:\n" << windows;
    windows = listed(2);
    for (const char* page : {"DisplayCycledWater", "DisplayCycledValues"})
        EXPECT_EQ(windows.find(page), std::string::npos) << page << " left open:\n" << windows;
}

// Input Units with the one-page summary open: a change of the reporting or the
// alkalinity mode, or of the temperature or pressure unit, gives the summary's
// CSV every row the summary opened afresh after the same change gives, not the
// stations computed before it; a change to epm reporting converts the waters,
// so the figures stay those of the same water.
TEST_F(CurrentResultsRun, OnePageSummaryFollowsAModeChange) {
    const std::string open = "menu 1248\nfile one.csv\nanswer no\nmenu 1655 DisOnePage\n";
    const std::string exportAgain = "file two.csv\nanswer no\nmenu 1655 DisOnePage\n";
    struct Change {
        const char* what;
        std::string units;
    };
    const Change changes[] = {
        {"epm reporting", "dialog 29 click 633\ndialog 29 press 1\nmenu 1065\n"},
        {"alkalinity mode", "dialog 29 scroll 419 down 6\ndialog 29 press 1\nmenu 1065\n"},
        {"temperature unit", "dialog 29 scroll 645 down 1\ndialog 29 press 1\nmenu 1065\n"},
        {"pressure unit", "dialog 29 scroll 920 down 2\ndialog 29 press 1\nmenu 1065\n"},
    };
    for (const Change& c : changes) {
        const auto kept =
            RunAndRead(SeaWater() + open + c.units + exportAgain, {"one.csv", "two.csv"});
        const auto fresh =
            RunAndRead(SeaWater() + c.units + "menu 1248\n" + exportAgain, {"two.csv"});
        const std::vector<std::string> afresh = TextLines(fresh[0]);
        ASSERT_GT(afresh.size(), 20u) << c.what << "\n" << fresh[0];
        ASSERT_FALSE(CsvRow(fresh[0], "Calcite").empty()) << c.what << "\n" << fresh[0];
        const std::vector<std::string> rows = TextLines(kept[1]);
        ASSERT_EQ(rows.size(), afresh.size()) << c.what << "\n" << kept[1];
        for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], afresh[i]) << c.what;
        // Epm reporting converts the water into meq/L: the same water, the same
        // calcite on the summary before and after.
        if (c.what == changes[0].what) {
            EXPECT_EQ(CsvRow(kept[0], "Calcite"), CsvRow(kept[1], "Calcite")) << kept[1];
        }
    }
}

// Vary pH from 5.7 to 8.1 with the alkalinity rows as species: each point's
// dissolved CO2 and pCO2 come from its own calculation, as sea water's
// carbonic acid constants give them (25 C, salinity 35, NBS pH scale): the
// apparent pK1* = pH + log10(m(CO2) / m(HCO3-)) about 6.0 (Millero 1995), and
// pCO2 = [CO2] / K0 with K0 = 0.0284 mol/kg/atm (Weiss 1974).
TEST_F(CurrentResultsRun, PhProfileRowsAreEachPointsOwn) {
    const auto pages = RunAndRead(SeaWater() +
                                      "dialog 84 set 535 77\ndialog 84 set 533 5.7\n"
                                      "dialog 84 set 530 8.1\ndialog 84 press 1\nmenu 1041\n"
                                      "menu 1038\nmenu 1073 DisplaypHWater\n"
                                      "text DisplaypHWater phw.txt\n",
                                  {"phw.txt"});
    const std::vector<std::string> page = TextLines(pages[0]);
    const std::vector<double> ph = PointValues(LineWith(page, "CATIONS"));
    const std::vector<double> co2 = PointValues(LineWith(page, "Dissolved CO"));
    const std::vector<double> hco3 = PointValues(LineWith(page, "Bicarbonate"));
    const std::string pco2Line = LineWith(page, "pCO");
    std::vector<double> pco2;
    for (int k = 0; k < 7; ++k) pco2.push_back(std::atof(pco2Line.substr(24 + 8 * k, 8).c_str()));
    ASSERT_NEAR(ph[0], 5.7, 1e-9) << pages[0];
    constexpr double kH2co3 = 62.0253, kHco3 = 61.0173;  // g/mol
    for (int k = 0; k < 7; ++k) {
        ASSERT_GT(co2[k], 0.0) << pages[0];
        if (co2[k] >= 1.0) {
            const double pk1 = ph[k] + std::log10((co2[k] / kH2co3) / (hco3[k] / kHco3));
            EXPECT_NEAR(pk1, 6.0, 0.25) << "point " << k << "\n" << pages[0];
        }
        // Three digits from point 3 on; the short form keeps fewer below.
        const double henry = co2[k] / kH2co3 / 1000.0 / 1.025 / 0.0284;
        EXPECT_NEAR(pco2[k], henry, (k >= 3 ? 0.25 : 0.5) * henry) << "point " << k << pco2Line;
        if (k > 0) {
            EXPECT_GT(pco2[k - 1], pco2[k]) << pco2Line;
        }
    }
}

// DISPLAY ALKALINITY AS HCO3 and CO3 on the pH page after the chemistry page
// painted: the four rows redrawn in place are those the page paints afresh.
TEST_F(CurrentResultsRun, AlkalinitySwitchDrawsThePagesOwnRows) {
    // The chemistry page paints last, leaving its own shorter pitch shared.
    const std::string profile = SeaWater() + kVaryPh + "scroll DisplayMUWater down\n";
    const auto switched = RunAndRead(profile +
                                         "menu 1073 DisplaypHWater\n"
                                         "snap DisplaypHWater phw.ppm\n",
                                     {"phw.ppm"});
    const auto painted = RunAndRead(profile +
                                        "menu 1073 DisplaypHWater\nclose DisplaypHWater\n"
                                        "menu 1038\nsnap DisplaypHWater phw.ppm\n",
                                    {"phw.ppm"});
    ASSERT_FALSE(switched[0].empty());
    // The two runs may straddle a minute: the sample time's digits may differ.
    EXPECT_LE(Differing(switched[0], painted[0]), kClockPixels);
}

// Three source waters typed one at a time and mixed, the last one stored by
// MIX and the others by OK: typed in the reverse order, each water shows the
// same indicators in its column, whatever its place and the button that
// stored it.
TEST_F(CurrentResultsRun, EverySourceWaterIsCalculatedAlike) {
    const std::string typed = Source("data/scripts/multimix-three-waters.tvs");
    std::string reversed = typed;
    reversed.replace(reversed.find("set 400 100"), 11, "set 400 3XX");
    reversed.replace(reversed.find("set 400 300"), 11, "set 400 100");
    reversed.replace(reversed.find("set 400 3XX"), 11, "set 400 300");
    const std::string page = "menu 114\ntext DisplayMixedValues mmv.txt\n";
    const std::vector<std::string> a = TextLines(RunAndRead(typed + page, {"mmv.txt"})[0]);
    const std::vector<std::string> b = TextLines(RunAndRead(reversed + page, {"mmv.txt"})[0]);
    ASSERT_GT(a.size(), 60u);
    ASSERT_EQ(a.size(), b.size());
    // Title, blank, identification, blank, the axis lines; then the rows.
    for (size_t line = 6; line < a.size(); ++line) {
        if (a[line].size() < 47 || b[line].size() < 47) continue;
        for (size_t k = 0; k < 3; ++k)
            EXPECT_EQ(a[line].substr(24 + 8 * k, 7), b[line].substr(24 + 8 * (2 - k), 7))
                << "water " << k + 1 << ": " << a[line] << " | " << b[line];
    }
}

// The one-page summary's CSV gives, per station, the corrosion rate the pages
// and reports name: the first of the four rates the run's well profile stored
// for the station (the CO2 rate-constant model), not the combined model.
TEST_F(CurrentResultsRun, CsvCorrosionRateIsThePagesRate) {
    const auto csv = RunAndRead(SeaWater() +
                                    "menu 1248\nfile one.csv\nanswer no\n"
                                    "menu 1655 DisOnePage\n",
                                {"one.csv"});
    const std::vector<std::string> row = CsvRow(csv[0], "Corrosion Rate");
    ASSERT_GE(row.size(), 13u) << csv[0];
    const auto& stored = wellProfiles.wellLog.corrosion;
    for (size_t s = 0; s < 12; ++s) {
        const double first = stored[s][0];
        EXPECT_GT(std::fabs(first - stored[s][3]), 1e-3 * first) << "station " << s;
        EXPECT_NEAR(std::atof(row[s + 1].c_str()), first, 1e-5 * first) << "station " << s;
    }
}

// The lines of a page text from its first heading under the identification
// on: the identification names the sample time, which follows the clock.
std::vector<std::string> Body(const std::string& text) {
    std::vector<std::string> lines = TextLines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find("___") != std::string::npos)
            return std::vector<std::string>(lines.begin() + static_cast<long>(i), lines.end());
    return lines;
}

// Vary Temperature in degrees C, then the graph's CHANGE RANGE to 10 to 50 C
// and the graph closed; then the unit put back to F. After each change the
// open profile pages show, as text and as painted, what they show opened
// afresh after the same change: the new columns, then the same points in F
// under the F heading.
TEST_F(CurrentResultsRun, TemperatureProfilePagesFollowTheRangeAndTheUnit) {
    const std::string celsius = "dialog 29 scroll 645 down 1\ndialog 29 press 1\nmenu 1065\n";
    const std::string fahrenheit = "dialog 29 scroll 645 up 1\ndialog 29 press 1\nmenu 1065\n";
    const std::string range =
        "menu 1037\ndialog 202 set 362 10\ndialog 202 set 361 50\ndialog 202 press 1\n"
        "menu 999 wc2DGraphWindow\nclose wc2DGraphWindow\n";
    const std::string afresh = "close DisplayTempWater\nclose DisplayTempValues\nmenu 1036\n";
    auto shown = [](const std::string& tag) {
        return "text DisplayTempValues v" + tag + ".txt\nsnap DisplayTempValues v" + tag +
               ".ppm\ntext DisplayTempWater w" + tag + ".txt\nsnap DisplayTempWater w" + tag +
               ".ppm\n";
    };
    const std::vector<std::string> names = {"va.txt", "va.ppm", "wa.txt", "wa.ppm",
                                            "vb.txt", "vb.ppm", "wb.txt", "wb.ppm"};
    const std::string start = SeaWater() + celsius + "menu 1036\n" + range;
    const auto kept = RunAndRead(start + shown("a") + fahrenheit + shown("b"), names);
    const auto ranged = RunAndRead(start + afresh + shown("a"), names);
    const auto back = RunAndRead(start + fahrenheit + afresh + shown("b"), names);
    EXPECT_NE(LineWith(TextLines(ranged[0]), "10.00").find("50.00"), std::string::npos)
        << ranged[0];
    EXPECT_NE(back[4].find("TEMPERATURE (\xB0"
                           "F)"),
              std::string::npos)
        << back[4];
    // The range of 10 to 50 C is written in F: 50 to 122.
    EXPECT_NE(LineWith(TextLines(back[4]), "50.00").find("122.00"), std::string::npos) << back[4];
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const auto& reference = i < 4 ? ranged[i] : back[i];
        if (names[i].ends_with(".txt")) {
            EXPECT_EQ(Body(kept[i]), Body(reference));
        } else {
            const long differing = Differing(kept[i], reference);
            EXPECT_GE(differing, 0);
            EXPECT_LE(differing, kClockPixels);
        }
    }
}

// The waterflood mixed and its pages open, then the formation water's barium
// lowered from 252 to 50 on its form: the open mix pages show, as text and as
// painted, the mix of the changed water, as Mix after the change shows it.
TEST_F(CurrentResultsRun, MixPagesFollowTheFormationWaterChanged) {
    const std::string open = "file \\waterflood.krv\nmenu 1020\n";
    const std::string barium = "dialog 80 set 402 50\ndialog 80 press 1\nmenu 1032\n";
    const std::string shown =
        "text DisplayCycledValues v.txt\nsnap DisplayCycledValues v.ppm\n"
        "text DisplayCycledWater w.txt\nsnap DisplayCycledWater w.ppm\nmenustate\n";
    auto run = [&](const std::string& script) {
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        Fresh();
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                      folder / "waterflood.krv");
        EXPECT_EQ(Run(script + kLeave), 0) << Log();
        return std::vector<std::string>{Read("v.txt"), Read("v.ppm"), Read("w.txt"), Read("w.ppm"),
                                        Log()};
    };
    const auto before = run(open + "menu 1042\n" + shown);
    const auto kept = run(open + "menu 1042\n" + barium + shown);
    const auto mixed = run(open + barium + "menu 1042\n" + shown);
    EXPECT_NE(Body(before[0]), Body(mixed[0])) << "the barium changes nothing on the page";
    EXPECT_EQ(Body(kept[0]), Body(mixed[0]));
    EXPECT_EQ(Body(kept[2]), Body(mixed[2]));
    for (int picture : {1, 3}) {
        const long differing = Differing(kept[picture], mixed[picture]);
        EXPECT_GE(differing, 0) << picture;
        EXPECT_LE(differing, kClockPixels) << picture;
    }
    // Print Produced (menu 1053) is not greyed.
    const size_t at = kept[4].rfind("[1053] ");
    ASSERT_NE(at, std::string::npos) << kept[4];
    const std::string item = kept[4].substr(at, kept[4].find('\n', at) - at);
    EXPECT_EQ(item.find("(grayed)"), std::string::npos) << item;
}

// A water saved, its calcium changed and its one-page summary opened, then
// the work file opened again: the summary opened again, its CSV and picture,
// and the temperature graph left open are those of a start that opens the
// file first.
TEST_F(CurrentResultsRun, OnePageSummaryAfterAnOpenIsTheFilesWater) {
    const std::string shown =
        "close DisOnePage\nmenu 1248\nfile one.csv\nanswer no\n"
        "menu 1655 DisOnePage\nsnap DisOnePage one.ppm\n"
        "snap wc2DGraphWindow graph.ppm\n";
    EXPECT_EQ(Run(SeaWater() +
                  "file \\ws.krv\nmenu 1022\n"
                  "dialog 80 set 400 600\ndialog 80 press 1\nmenu 1030\n"
                  "menu 1248\nmenu 1037\n" +
                  std::string(kLeave) + "file \\ws.krv\nmenu 1020\n" + shown + kLeave),
              0)
        << Log();
    const std::vector<std::string> kept = {Read("one.csv"), Read("one.ppm"), Read("graph.ppm")};
    const std::string saved = Read("ws.KRV");
    ASSERT_FALSE(saved.empty());
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    Fresh();
    std::ofstream(folder / "ws.KRV", std::ios::binary) << saved;
    EXPECT_EQ(Run("file \\ws.krv\nmenu 1020\nmenu 1248\nmenu 1037\n" + shown + kLeave), 0) << Log();
    const std::vector<std::string> fresh = {Read("one.csv"), Read("one.ppm"), Read("graph.ppm")};
    ASSERT_FALSE(CsvRow(fresh[0], "Calcite").empty()) << fresh[0];
    EXPECT_NE(CsvRow(fresh[0], "Calcite")[1], "0.00") << fresh[0];
    for (const char* row : {"Calcium", "Calcite", "Barite", "Corrosion Rate"})
        EXPECT_EQ(CsvRow(kept[0], row), CsvRow(fresh[0], row)) << row;
    for (int picture : {1, 2}) {
        const long differing = Differing(kept[picture], fresh[picture]);
        EXPECT_GE(differing, 0) << picture;
        EXPECT_LE(differing, kClockPixels) << picture;
    }
}

// The three waters of data/scripts/multimix-three-waters.tvs mixed with MIX,
// which opens the pages: the source pages name the blend's sample time from
// their first paint on (before the blend's pages open), the time the blend's
// page names; painted again, they are the same pictures.
TEST_F(CurrentResultsRun, SourcePagesKeepTheBlendsSampleTime) {
    std::istringstream bundled(Source("data/scripts/multimix-three-waters.tvs"));
    std::string mix;
    for (std::string line; std::getline(bundled, line);)
        if (!line.empty() && line[0] != '#' && line.rfind("file", 0) != 0 && line != "menu 1022")
            mix += line + "\n";
    const auto run = RunAndRead(mix +
                                    "snap DisplayMixedWater a.ppm\n"
                                    "snap DisplayMixedValues c.ppm\n"
                                    "text DisplayMixedWater a.txt\n"
                                    "text DisplayMixedValuesOut blend.txt\n"
                                    "scroll DisplayMixedWater down\nscroll DisplayMixedWater up\n"
                                    "scroll DisplayMixedValues down\nscroll DisplayMixedValues up\n"
                                    "snap DisplayMixedWater b.ppm\nsnap DisplayMixedValues d.ppm\n"
                                    "answer no Did you wish to leave data\n",
                                {"a.ppm", "b.ppm", "c.ppm", "d.ppm", "a.txt", "blend.txt"});
    auto time = [](const std::string& text) {
        const std::string line = LineWith(TextLines(text), "Sampled:");
        const size_t at = line.rfind(" at ");
        return at == std::string::npos ? line : line.substr(at + 4, 4);
    };
    EXPECT_NE(time(run[4]), "0000") << run[4];
    EXPECT_EQ(time(run[4]), time(run[5])) << run[5];
    // Four digits of another time differ in far more pixels than the few of
    // the ink a repaint lays over the first.
    constexpr long kRepaintPixels = 8;
    EXPECT_LE(Differing(run[0], run[1]), kRepaintPixels) << "the chemistry page's first paint";
    EXPECT_LE(Differing(run[2], run[3]), kRepaintPixels) << "the indicators page's first paint";
}
// A comment typed on the source water form, then three multi-mix waters typed
// with the IDs MM-1 to MM-3, the third with a comment of its own and its pages
// shown, and mixed, the second water without an ID. Each page of the mix, its
// copy and its print name the waters by what was typed for them: the source
// pages each ID over its column (none over the second's), the blend's pages no sample number 0 (the blend has none), the
// printed list of the waters their IDs (they have no names), the third water's
// page and print its own ID and comment; no page or print gives the form's
// comment.
TEST_F(CurrentResultsRun, MultiMixPagesNameTheWatersMixed) {
    std::string script = SeaWater();
    script.insert(script.find("dialog 80 press 1"), "dialog 80 set 430 Surface note\n");
    std::istringstream bundled(Source("data/scripts/multimix-three-waters.tvs"));
    for (std::string line; std::getline(bundled, line);) {
        if (line.empty() || line[0] == '#' || line.rfind("file", 0) == 0 || line == "menu 1022")
            continue;
        if (line == "dialog 115 press 527") script += "dialog 115 press 489\n";
        script += line + "\n";
        // The third water is given no ID.
        if (line.rfind("dialog 115 set 400 ", 0) == 0 && line != "dialog 115 set 400 300")
            script += "dialog 115 set 394 MM-" + line.substr(19, 1) + "\n";
        if (line == "dialog 115 set 400 300") script += "dialog 115 set 430 Third note\n";
    }
    struct Shown {
        const char* page;
        const char* id;  // what stands after "Sample ID:"
        bool columns;    // a source page, the IDs over its columns
        const char* pdf;
    };
    const Shown pages[] = {
        {"DisplayMixedWaterOut", "", false, "Mixed Water Chemistry"},
        {"DisplayMixedValuesOut", "", false, "Mixed Water Deposition Potential Indicators"},
        {"DisplayMixedWater", "", true, "Chemistry of Water Sources Mixed"},
        {"DisplayMixedValues", "", true, "Deposition Indicators of Source Waters Mixed"},
        {"DisplayMUWater", "", false, "Source Water Chemistry for Mixing"}};
    std::vector<std::string> names;
    for (const Shown& p : pages) {
        script += SaveCopyAndPrint(p.page, names);
    }
    const auto run = RunAndRead(script + "answer no Did you wish to leave data\n", names, true);
    auto printed = [this](const Shown& p) {
        return Text(folder / "out" / (std::string(p.pdf) + ".pdf"));
    };
    ASSERT_EQ(Pdfs().size(), std::size(pages)) << Log();
    for (size_t i = 0; i < std::size(pages); ++i) {
        const Shown& p = pages[i];
        for (int copy = 0; copy < 2; ++copy) {
            SCOPED_TRACE(std::string(p.page) + (copy != 0 ? " copy" : " page"));
            const std::string& text = run[2 * i + copy];
            const std::vector<std::string> lines = TextLines(text);
            const std::string idLine = LineWith(lines, "Sample ID:");
            const size_t label = idLine.find("Sample ID:"), date = idLine.find("Report Date:");
            ASSERT_TRUE(label != std::string::npos && date != std::string::npos) << text;
            std::istringstream between(idLine.substr(label + 10, date - label - 10));
            std::string id;
            between >> id;
            EXPECT_EQ(id, p.id) << idLine;
            EXPECT_EQ(text.find("Surface note"), std::string::npos) << text;
            if (p.columns) {
                const std::string ids = LineWith(lines, "MM-1") + std::string(48, ' ');
                for (size_t k = 0; k < 3; ++k)
                    EXPECT_EQ(ids.substr(24 + 8 * k, 4),
                              k == 2 ? "    " : "MM-" + std::to_string(k + 1))
                        << ids;
            }
        }
        const std::string print = printed(p);
        SCOPED_TRACE(std::string(p.page) + " print");
        EXPECT_EQ(print.find("Surface note"), std::string::npos) << print;
        if (i < 4) {
            for (int k = 1; k <= 2; ++k)
                EXPECT_NE(print.find("MM-" + std::to_string(k)), std::string::npos) << print;
        }
        // No sample number 0 beside "Sample #:" or "Sample ID:".
        for (const std::string label : {"Sample #:", "Sample ID:"}) {
            const std::string line = LineWith(TextLines(print), label);
            const size_t at = line.find(label);
            std::istringstream after(at == std::string::npos ? "" : line.substr(at + label.size()));
            std::string word;
            after >> word;
            EXPECT_NE(word, "0") << label << "\n" << print;
        }
    }
    for (int copy = 0; copy < 2; ++copy) EXPECT_NE(run[copy].find("COMMENTS"), std::string::npos);
    for (const std::string& third : {run[8], run[9], printed(pages[4])})
        EXPECT_NE(third.find("Third note"), std::string::npos) << third;
}

// The three waters typed with IDs, first lines and comments of their own,
// each water's form last in one run of the three, its pages then open while
// the other two forms are opened and cancelled: the chemistry page, painted
// and rebuilt, its copy and its print give that water's comment, and both
// pages its ID, whatever form was opened last; no other water's text shows.
// The 3D profile, of the surface water, names it by its first line.
TEST_F(CurrentResultsRun, EachWatersPagesGiveItsOwnTexts) {
    struct Water {
        const char* menu;
        const char* id;
        const char* comment;
        const char* title;
        const char* line;  // the first description line
    };
    const Water waters[] = {
        {"1030", "SW-1", "Surface note", "SURFACE WATER ANALYSIS", "Surface well"},
        {"1031", "IW-1", "Injection note", "INJECTION WATER ANALYSIS", "Injection well"},
        {"1032", "FW-1", "Formation note", "FORMATION WATER ANALYSIS", "Formation well"}};
    auto typed = [](const Water& w) {
        std::string entry = "dialog 80 set 394 " + std::string(w.id) + "\ndialog 80 set 430 " +
                            w.comment + "\ndialog 80 set 399 " + w.line + "\n" + SeaWater();
        entry.replace(entry.find("menu 1030"), 9, std::string("menu ") + w.menu);
        return entry;
    };
    for (const Water& shown : waters) {
        SCOPED_TRACE(shown.title);
        std::string script;
        for (const Water& w : waters)
            if (&w != &shown) script += typed(w);
        script += typed(shown) + "snap DisplayMUWater fresh.ppm\n";
        for (const Water& w : waters)
            if (&w != &shown) script += "dialog 80 press 2\nmenu " + std::string(w.menu) + "\n";
        // Saved and opened again: the open pages paint anew.
        script +=
            "file \\ws.krv\nmenu 1022\nfile \\ws.krv\nmenu 1020\n"
            "snap DisplayMUWater stale.ppm\ntext DisplayMUWater page.txt\n"
            "text DisplayMUValues values.txt\nmenu 985 DisplayMUWater\n"
            "clipboard save text copy.txt\nprinter PDF\nmenu 1013 DisplayMUWater\n"
            "menu 1040\nmenu 989 wcGraphWindow\nprinter PDF\nmenu 1013 wcGraphWindow\n";
        const auto run = RunAndRead(
            script, {"fresh.ppm", "stale.ppm", "page.txt", "values.txt", "copy.txt"}, true);
        std::string printed, graphPrinted;
        for (const fs::path& pdf : Pdfs())
            (pdf.filename().string().find("Chemistry") != std::string::npos ? printed
                                                                             : graphPrinted) =
                Text(pdf);
        ASSERT_EQ(Pdfs().size(), 2u) << Log();
        const struct {
            const char* name;
            std::string text;
            bool comments;
        } outputs[] = {{"page", run[2], true},
                       {"indicators page", run[3], false},
                       {"copy", run[4], true},
                       {"print", printed, true}};
        EXPECT_EQ(TextLines(run[2]).at(0), shown.title);
        for (const auto& o : outputs) {
            SCOPED_TRACE(o.name);
            EXPECT_NE(o.text.find(shown.id), std::string::npos) << o.text;
            if (o.comments) {
                EXPECT_NE(o.text.find(shown.comment), std::string::npos) << o.text;
            }
            for (const Water& w : waters) {
                if (&w == &shown) continue;
                EXPECT_EQ(o.text.find(w.id), std::string::npos) << o.text;
                EXPECT_EQ(o.text.find(w.comment), std::string::npos) << o.text;
            }
        }
        // The window repainted after each cancelled form paints what it
        // painted for the water's own form.
        const long differing = Differing(run[0], run[1]);
        EXPECT_GE(differing, 0);
        EXPECT_LE(differing, kClockPixels);
        std::string feet;
        for (const std::string& foot : lastThreeDTexts.feet) feet += foot + "|";
        for (const std::string& graph : {feet, graphPrinted}) {
            EXPECT_NE(graph.find(waters[0].line), std::string::npos) << graph;
            for (const Water& w : {waters[1], waters[2]})
                EXPECT_EQ(graph.find(w.line), std::string::npos) << graph;
        }
    }
}

// Each surface graph open over the sea water's Vary Temperature page, then in
// turn nothing, a profile page (Vary Temperature, Vary pH), the One Page
// Summary or the Well Log Table (each closed again) run before a change of
// product: a product chosen from the main menu, from the graph's own menu, or
// No Product. After each the open graph's picture (and the 3D graph's exported
// data) are those of the same graph closed and opened afresh: its own axis,
// captions and values, not the stations of the summary run before. Each graph
// meets every step before, with the changes of product in rotation, so the
// graphs together meet every pair.
TEST_F(CurrentResultsRun, OpenGraphsKeepTheirOwnAxisThroughAChangeOfProduct) {
    struct Graph {
        const char* what;
        const char* open;
        const char* window;
    };
    const Graph graphs[] = {
        {"vs Temperature", "menu 1037\n", "wc2DGraphWindow"},
        {"vs pH", "menu 1039\n", "wc2DGraphWindow"},
        {"vs Pressure", "menu 229\n", "wc2DGraphWindow"},
        {"Well Log Graph", "menu 1251\n", "wc2DGraphWindow"},
        {"3D Profile", "menu 1040\n", "wcGraphWindow"},
        {"3D Pressure-Temperature", "menu 230\n", "wcGraphWindow"},
    };
    struct Step {
        const char* what;
        const char* lines;
    };
    const Step befores[] = {
        {"nothing", ""},
        {"Vary Temperature", "menu 1036\n"},
        {"Vary pH", "menu 1038\n"},
        {"the One Page Summary", "menu 1248\nmenu 1028 DisOnePage\n"},
        {"the Well Log Table", "menu 1250\nmenu 1028 WellLogDisOnePage\n"},
    };
    const std::string product = "dialog 26 select 2601 PHOS-BA\ndialog 26 press 1\n";
    auto changes = [&](const std::string& window) {
        return std::vector<std::pair<std::string, std::string>>{
            {"a product from the menu", product + "menu 1056\n"},
            {"a product from the graph", product + "menu 997 " + window + "\n"},
            {"No Product", "dialog 26 press 2603\nmenu 1056\n"},
        };
    };
    for (size_t g = 0; g < std::size(graphs); ++g) {
        const Graph& graph = graphs[g];
        SCOPED_TRACE(graph.what);
        const std::string window(graph.window);
        const bool threeD = window == "wcGraphWindow";
        auto shown = [&](const std::string& tag) {
            std::string lines = "snap " + window + " " + tag + ".ppm\n";
            if (threeD) lines += "file \\" + tag + ".DAT\nmenu 996 " + window + "\n";
            return lines;
        };
        const auto change = changes(window);
        std::string script = SeaWater() + "menu 1036\n" + graph.open;
        std::vector<std::string> whats;
        for (size_t b = 0; b < std::size(befores); ++b) {
            const auto& [what, lines] = change[(b + g) % change.size()];
            const std::string n = std::to_string(b);
            script += befores[b].lines + lines + shown("kept" + n) + "menu 1028 " + window + "\n" +
                      graph.open + shown("fresh" + n);
            whats.push_back(std::string(befores[b].what) + ", then " + what);
        }
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        Fresh();
        fs::create_directories(folder / "INHIB");
        fs::copy_file(fs::path(TARVEX_BINARY_DIR) / "products" / "PHOSBA.PRD",
                      folder / "INHIB" / "PHOSBA.PRD");
        ASSERT_EQ(Run(script + kLeave), 0) << Log();
        for (size_t b = 0; b < std::size(befores); ++b) {
            SCOPED_TRACE(whats[b]);
            const std::string n = std::to_string(b);
            const long differing = Differing(Read("kept" + n + ".ppm"), Read("fresh" + n + ".ppm"));
            EXPECT_GE(differing, 0);
            EXPECT_EQ(differing, 0) << "the open graph is not the graph opened afresh";
            if (threeD) {
                EXPECT_FALSE(Read("kept" + n + ".DAT").empty());
                EXPECT_EQ(Read("kept" + n + ".DAT"), Read("fresh" + n + ".DAT"))
                    << "the exported data";
            }
        }
    }
}

}  // namespace

// PREFERENCES > Plot pH or pCO2 with a profile's pages or its graph open, over
// every profile and graph that the plot variable changes: each open window
// paints, at once, what it paints opened afresh after the same change (the
// one-page summary too), and the change undone gives the first pictures back.
TEST_F(CurrentResultsRun, OpenWindowsFollowThePlotVariable) {
    const std::string evaluated = "dialog 84 set 535 77\ndialog 84 press 1\nmenu 1041\n";
    struct Case {
        const char* what;
        const char* open;
        std::vector<std::string> windows;
        bool changes;  // whether the plot variable changes what the windows show
        std::string toggle = "answer yes\nmenu 1076\n";
    };
    // The pressure profile holds the water's own pH and pCO2 in either mode.
    const Case cases[] = {
        {"pH pages", "menu 1038\nmenu 1248\n",
         {"DisplaypHWater", "DisplaypHValues", "DisOnePage"}, true},
        {"temperature pages", "menu 1036\n", {"DisplayTempWater", "DisplayTempValues"}, true},
        {"pressure pages", "menu 228\n", {"DisplayPressWater", "DisplayPressValues"}, false},
        {"pH graph", "menu 1039\n", {"wc2DGraphWindow"}, true},
        {"temperature graph", "menu 1037\n", {"wc2DGraphWindow"}, true},
        {"pressure graph", "menu 229\n", {"wc2DGraphWindow"}, false},
        {"3D temperature-pH", "menu 1040\n", {"wcGraphWindow"}, true},
        {"3D pressure-temperature", "menu 230\n", {"wcGraphWindow"}, false},
        // The carbonate model's toggle (CO3 Calc's) marks them alike.
        {"pH pages, carbonate model", "menu 1038\n", {"DisplaypHWater", "DisplaypHValues"}, true,
         "answer yes\nmenu 1069\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto snaps = [&c](const std::string& tag) {
            std::string lines;
            for (const std::string& w : c.windows) lines += "snap " + w + " " + w + tag + ".ppm\n";
            return lines;
        };
        auto names = [&c](const std::vector<std::string>& tags) {
            std::vector<std::string> all;
            for (const std::string& tag : tags)
                for (const std::string& w : c.windows) all.push_back(w + tag + ".ppm");
            return all;
        };
        const std::string start = SeaWater() + evaluated;
        const auto kept = RunAndRead(start + c.open + snaps("a") + c.toggle + snaps("b") +
                                         c.toggle + snaps("c"),
                                     names({"a", "b", "c"}));
        const auto fresh = RunAndRead(start + c.toggle + c.open + snaps("b"), names({"b"}));
        const size_t n = c.windows.size();
        for (size_t w = 0; w < n; ++w) {
            SCOPED_TRACE(c.windows[w]);
            const std::string &before = kept[w], &toggled = kept[n + w], &back = kept[2 * n + w];
            if (c.changes) {
                EXPECT_GT(Differing(before, toggled), kClockPixels) << "not painted again";
            }
            const long afresh = Differing(toggled, fresh[w]);
            EXPECT_GE(afresh, 0);
            EXPECT_LE(afresh, kClockPixels) << "not the window opened after the change";
            const long undone = Differing(before, back);
            EXPECT_GE(undone, 0);
            EXPECT_LE(undone, kClockPixels) << "the change undone";
        }
    }
}

// The pCO2 profile from the what-if range's 0.0034 atm to 1 atm: the column
// headings of both pages, their copies and the chemistry print, and the 3D graph's
// pCO2 rows each read a number that is not 0 and not its neighbour's, the
// profile's points in rising order.
TEST_F(CurrentResultsRun, Pco2ColumnsTellThePointsApart) {
    struct Page {
        const char* page;
        const char* heading;  // the label the headings stand beside
    };
    const Page pages[] = {{"DisplaypHWater", "CATIONS"}, {"DisplaypHValues", "as IAP/Ksp"}};
    std::string script = "answer yes\nmenu 1076\n" + SeaWater() +
                         "dialog 84 set 535 77\ndialog 84 press 1\nmenu 1041\nmenu 1038\n";
    std::vector<std::string> names;
    for (const Page& p : pages) {
        script += SaveCopyAndPrint(p.page, names);
    }
    const auto run = RunAndRead(script + "menu 1040\n", names, true);
    const std::vector<std::string> rows = lastThreeDTexts.rowNumbers;
    // The seven numbers after the label on the first line that holds it.
    auto headings = [](const std::string& text, const std::string& label) {
        std::istringstream line(LineWith(TextLines(text), label).substr(
            LineWith(TextLines(text), label).find(label) + label.size()));
        std::vector<std::string> numbers;
        for (std::string n; numbers.size() < 7 && line >> n;) numbers.push_back(n);
        return numbers;
    };
    auto readApart = [](const std::vector<std::string>& numbers, const std::string& where) {
        ASSERT_EQ(numbers.size(), 7u) << where;
        for (size_t k = 0; k < numbers.size(); ++k) {
            const double v = std::strtod(numbers[k].c_str(), nullptr);
            EXPECT_GT(v, 0.0) << where << ": point " << k << " reads " << numbers[k];
            if (k > 0) {
                EXPECT_GT(v, std::strtod(numbers[k - 1].c_str(), nullptr))
                    << where << ": " << numbers[k - 1] << " then " << numbers[k];
            }
        }
        EXPECT_LT(std::strtod(numbers[0].c_str(), nullptr), 0.01) << where;
    };
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), std::size(pages)) << Log();
    for (size_t i = 0; i < std::size(pages); ++i) {
        const Page& p = pages[i];
        const std::vector<std::string> shown = headings(run[2 * i], p.heading);
        readApart(shown, std::string(p.page) + " page");
        EXPECT_EQ(headings(run[2 * i + 1], p.heading), shown) << "the copy";
    }
    // The printed chemistry page's headings follow "CATIONS" in its short
    // form ("3.40e-3"); the indicators' print heads its rows alike.
    int chemistryPrints = 0;
    for (const fs::path& pdf : pdfs) {
        const std::string print = Text(pdf);
        if (print.find("CATIONS") == std::string::npos) continue;
        ++chemistryPrints;
        readApart(headings(print, "CATIONS"), pdf.filename().string());
    }
    EXPECT_EQ(chemistryPrints, 1);
    readApart(rows, "the 3D graph's rows");
}

// Each graph of the WHAT-IF menu open over the waterflood with the sea water as
// source water, calcite chosen, then each change that computes the pages again
// in turn: the water stored on its form (the source water's calcium 412 to
// 600, the formation water's 2809 to 1000 for the mixing graphs), Select
// Parameters (Low 70 to 80 F), Select Injection Parameters (the mixing zone),
// Correct pH for Temperature turned on, PREFERENCES > Index or Ratio (Index),
// the temperature unit changed to C and the work file saved before the graph
// opened opened again. After each change the open graph's picture, its exported
// data (3D) and its print (after the water) are those of the same graph closed
// and opened afresh, which the next change then meets open. The correction of
// the pH moves the graphs whose waters it follows away from their own
// temperature (the mixes by percent and temperature among them), opened again.
TEST_F(CurrentResultsRun, OpenGraphsFollowEveryChange) {
    struct Graph {
        const char* what;
        const char* open;
        const char* window;
        bool mixing;  // drawn from the injection and formation waters
        bool phCorrected;  // its waters' pH follows the temperature with the option
    };
    const Graph graphs[] = {
        {"vs Temperature", "menu 1037\n", "wc2DGraphWindow", false, true},
        {"vs pH", "menu 1039\n", "wc2DGraphWindow", false, false},
        {"vs Pressure", "menu 229\n", "wc2DGraphWindow", false, false},
        {"Well Log Graph", "menu 1251\n", "wc2DGraphWindow", false, true},
        {"3D Profile", "menu 1040\n", "wcGraphWindow", false, false},
        {"3D Pressure-Temperature", "menu 230\n", "wcGraphWindow", false, false},
        {"2D Graph vs %", "menu 1043\n", "wc2DGraphWindow", true, false},
        {"3D Temperature-pH", "menu 1044\n", "wcGraphWindow", true, false},
        {"3D Temperature-%", "menu 1045\n", "wcGraphWindow", true, true},
        {"3D pH-%", "menu 1046\n", "wcGraphWindow", true, false},
    };
    struct Change {
        const char* what;
        std::string source;  // for the graphs of the source water
        std::string mixing;  // for the mixing graphs
    };
    const std::string form = "dialog 80 set 400 ";
    const Change changes[] = {
        {"the water stored", form + "600\ndialog 80 press 1\nmenu 1030\n",
         form + "1000\ndialog 80 press 1\nmenu 1032\n"},
        {"Select Parameters", "dialog 84 set 534 80\ndialog 84 press 1\nmenu 1041\n", ""},
        {"Select Injection Parameters (Low 80 F, 10 to 90 %)",
         "dialog 88 set 575 80\ndialog 88 set 582 10\ndialog 88 set 583 90\ndialog 88 press 1\n"
         "menu 1047\n",
         ""},
        {"Correct pH for Temperature", "dialog 84 click 1510\ndialog 84 press 1\nmenu 1041\n", ""},
        {"Index or Ratio", "dialog 73 click 303\ndialog 73 press 1\nmenu 1078\n", ""},
        {"F to C", "dialog 29 scroll 645 down 1\ndialog 29 press 1\nmenu 1065\n", ""},
        {"the work file opened", "answer no Data has been modified\nfile \\ws.krv\nmenu 1020\n",
         ""},
    };
    const std::string start =
        "file \\waterflood.krv\nmenu 1020\n" + SeaWater() +
        "dialog 84 set 535 77\ndialog 84 press 1\nmenu 1041\n"
        "dialog 25 press 2505\ndialog 25 select 2501 Calcite\ndialog 25 press 2503\n"
        "dialog 25 press 1\nmenu 1064\nfile \\ws.krv\nmenu 1022\n";
    // Whether a change changed some graph: each does.
    std::vector<bool> changed(std::size(changes), false);
    for (const Graph& g : graphs) {
        SCOPED_TRACE(g.what);
        const bool threeD = std::string(g.window) == "wcGraphWindow";
        const std::string window(g.window);
        auto shown = [&](const std::string& tag) {
            std::string lines = "snap " + window + " " + tag + ".ppm\n";
            if (threeD) lines += "file \\" + tag + ".DAT\nmenu 996 " + window + "\n";
            return lines;
        };
        std::string script = start + g.open + shown("before");
        std::vector<std::string> names = {"before.ppm"};
        for (size_t c = 0; c < std::size(changes); ++c) {
            const Change& change = changes[c];
            const std::string n = std::to_string(c);
            script += (g.mixing && !change.mixing.empty() ? change.mixing : change.source) +
                      shown("kept" + n);
            if (c == 0) script += "printer PDF\nmenu 1013 " + window + "\n";
            script += "menu 1028 " + window + "\n" + g.open + shown("fresh" + n);
            if (c == 0) script += "printer PDF\nmenu 1013 " + window + "\n";
            for (const char* tag : {"kept", "fresh"}) {
                names.push_back(tag + n + ".ppm");
                if (threeD) names.push_back(tag + n + ".DAT");
            }
        }
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        Fresh();
        fs::create_directories(folder / "out");
        std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                      folder / "waterflood.krv");
        ASSERT_EQ(Run(script + kLeave), 0) << Log();
        std::vector<std::string> files;
        for (const std::string& name : names) files.push_back(Read(name));
        // The water stored changes every graph.
        EXPECT_GT(Differing(files[0], files[1]), 0) << "the water changes nothing";
        const size_t per = threeD ? 4 : 2;
        for (size_t c = 0; c < std::size(changes); ++c) {
            SCOPED_TRACE(std::string("after ") + changes[c].what);
            const size_t kept = 1 + per * c, fresh = kept + per / 2;
            // Against the graph before the change: the previous one afresh.
            const long moved = Differing(files[c == 0 ? 0 : kept - per / 2], files[kept]);
            if (moved > 0) changed[c] = true;
            if (g.phCorrected && std::string(changes[c].what) == "Correct pH for Temperature") {
                EXPECT_GT(moved, 0) << "the pH corrected for temperature moves nothing";
                if (threeD) {
                    EXPECT_NE(files[kept + 1], files[kept - per / 2 + 1])
                        << "the pH corrected for temperature moves no cell";
                }
            }
            const long differing = Differing(files[kept], files[fresh]);
            EXPECT_GE(differing, 0);
            EXPECT_EQ(differing, 0) << "the open graph is not the graph opened afresh";
            if (threeD) {
                EXPECT_FALSE(files[kept + 1].empty());
                EXPECT_EQ(files[kept + 1], files[fresh + 1]) << "the exported data";
            }
        }
        const std::vector<fs::path> pdfs = Pdfs();
        ASSERT_EQ(pdfs.size(), 2u) << Log();
        EXPECT_EQ(Text(pdfs[0]), Text(pdfs[1])) << "the print of the open graph";
    }
    for (size_t c = 1; c < std::size(changes); ++c)
        EXPECT_TRUE(changed[c]) << changes[c].what << " changes no graph";
}
