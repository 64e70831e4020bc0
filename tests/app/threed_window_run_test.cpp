// The 3D graph window in a whole run of the bundled script
// data/scripts/graph3d.tvs on a 1024 x 768 desktop: 3D Profile with its
// clicks, switches, data file, pictures and print, then the three mixing
// grids; each picture held to its golden (tests/graphs/golden/threed-window-*,
// at most 20 pixels differing by more than 10 %), each file read back by the
// outside tools that are installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "graphs/graph_output_records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/threed_window_records.h"
#include "tests/app/graph_run_fixture.h"

namespace {

namespace fs = std::filesystem;

class ThreeDWindowRun : public ThreeDRunFixture {
  protected:
    void SetUp() override {
        GraphRunFixture::SetUp();
        toolErrors = false;
        std::ofstream(folder / "printers.cfg") << "Colour | letter | 100 | colour | prints\n"
                                                  "Grey | letter | 100 | mono | prints\n";
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                      folder / "waterflood.krv");
    }
    long Differing(const std::string& name) {
        return GraphRunFixture::Differing("threed-window-" + name + ".ppm", name + ".ppm");
    }
};

TEST_F(ThreeDWindowRun, ProfileAndMixingGridsWithClicksFilesAndPrint) {
    textCheck = "text-check.txt";
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/graph3d.tvs", "1024x768"), 0)
        << Log();
    const std::string log = Log();
    EXPECT_NE(log.find("window created wcGraphWindow"), std::string::npos);
    // Every text of the graphs reads: the numbers of a crowded strip ("100"
    // and "83" of the mixing percent) keep apart.
    std::istringstream findings(Read("text-check.txt"));
    for (std::string line; std::getline(findings, line);)
        EXPECT_NE(line.rfind("wcGraphWindow", 0), 0u) << line;

    // The value click on a bar and the copy of that cell's water.
    const std::size_t box = log.find("message box \"YOU CLICKED ON THE VALUE ");
    ASSERT_NE(box, std::string::npos) << log;
    EXPECT_NE(log.find(" \xB0"
                       "F.\" -> ok",
                       box),
              std::string::npos);
    const std::size_t copied = log.find(
        "message box \"ANALYSIS COPIED \": \"YOU COPIED THE WATER "
        "ANALYSIS  at pH ",
        box);
    ASSERT_NE(copied, std::string::npos) << log;
    EXPECT_NE(log.find("clipboard holds \"tkIntermediate\"", copied), std::string::npos);
    EXPECT_TRUE(fs::exists(folder / "c.bin"));
    EXPECT_NE(log.find("[989] \" &HIDE LABELS\t(Currently Displayed)\""), std::string::npos);

    // The data file: the column values, then seven rows of a value and seven.
    EXPECT_NE(log.find("\"Data export complete to file \\G.DAT\""), std::string::npos);
    if (Have("python3")) {
        const std::string shape = Tool(
            "python3 -c \"import csv; r=[len(x) for x in csv.reader(open('G.DAT')) "
            "if len(x) > 1]; print(r)\"");
        EXPECT_EQ(shape, "[7, 8, 8, 8, 8, 8, 8, 8]\n");
    }

    // The file's numbers are the plotted saturation ratios as they stand: its
    // unit line carries no axis scale, and a line names the plotted index.
    const std::string data = Read("G.DAT");
    EXPECT_NE(data.find("\"Calcite Saturation Ratio\"\n"), std::string::npos) << data;
    EXPECT_NE(data.find("\"Degree of Supersaturation\"\n"), std::string::npos) << data;

    // Change Range: a pH of 15 is refused with its message and the range
    // kept; a low pH of 6.0 then gives the grid rows from 6.000000 to 8.000000.
    EXPECT_NE(log.find("Low pH must be in the range of 0.01 to 14. Please re-enter a valid value. "
                       "Did you wish to re-enter (Y/N)?"),
              std::string::npos)
        << log;
    if (Have("python3")) {
        const std::string rows = Tool(
            "python3 -c \"import csv; r=[x[0] for x in csv.reader(open('R.DAT')) "
            "if len(x) == 8]; print(min(r), max(r))\"");
        EXPECT_EQ(rows, "6.000000 8.000000\n");
    }

    // The pictures, one pixel wider and higher than the client area.
    if (Have("identify")) {
        for (const char* name : {"G.BMP", "G.Tif", "G.png", "G.jpg", "G.pcx"})
            EXPECT_EQ(Tool(std::string("identify -format '%w %h' ") + name),
                      PictureSize("profile.ppm", 1))
                << name;
    }
    EXPECT_FALSE(fs::exists(folder / "G.gif"));
    EXPECT_NE(log.find("message box \"FILE SAVE ERROR\": \"I'm sorry. This file type cannot be "
                       "saved."),
              std::string::npos);
    int status = -1;
    if (Have("tiffinfo")) {
        const std::string out = Tool("tiffinfo G.Tif", &status);
        EXPECT_EQ(status, 0);
        EXPECT_NE(out.find("LZW"), std::string::npos) << out;
    }
    if (Have("pngcheck")) {
        (void)Tool("pngcheck G.png", &status);
        EXPECT_EQ(status, 0);
    }

    // PRINT: one page in a document named " ", its file named after the graph.
    ASSERT_TRUE(fs::exists(folder / "prints" / "Calcite Saturation Ratio.pdf")) << log;
    if (Have("qpdf")) {
        (void)Tool("qpdf --check 'prints/Calcite Saturation Ratio.pdf'", &status);
        EXPECT_EQ(status, 0);
    }
    if (Have("pdftotext")) {
        EXPECT_NE(Tool("pdftotext 'prints/Calcite Saturation Ratio.pdf' -").find("INDEX PROFILE"),
                  std::string::npos);
    }

    if (!Have("compare")) GTEST_SKIP() << "ImageMagick's compare is missing";
    for (const char* name : {"profile", "contour", "mix-temperature-ph", "mix-temperature-percent",
                             "mix-ph-percent", "range"}) {
        const long differing = Differing(name);
        EXPECT_GE(differing, 0) << name;
        EXPECT_LE(differing, 20) << name;
    }
}

}  // namespace

namespace {

// A mixing grid's graph open over the waterflood, then a work file opened that
// holds the sea water alone: the graph has no waters to show and closes; the
// 3D Profile of the sea water, open over the same file opened again, stays and
// shows the water's grid (its data file the one opened afresh gives).
TEST_F(ThreeDWindowRun, AWorkFileWithoutTheGridsWatersClosesTheGraph) {
    std::ifstream in(fs::path(TARVEX_SOURCE_DIR) / "data/scripts/graph3d.tvs");
    std::string sea;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("dialog 81", 0) == 0) sea += "dialog 80" + line.substr(9) + "\n";
    sea += "menu 1030\n";
    const std::string calcite =
        "dialog 25 press 2505\ndialog 25 select 2501 Calcite\ndialog 25 press 2503\n"
        "dialog 25 press 1\nmenu 1064\n";
    RunIn(sea + "file \\sea.krv\nmenu 1022\nfile \\waterflood.krv\nmenu 1020\n" + calcite +
          "menu 1044\nwindows\nfile \\sea.krv\nmenu 1020\nwindows\nmenu 1040\n"
          "file \\sea.krv\nmenu 1020\nfile \\kept.DAT\nmenu 996 wcGraphWindow\n"
          "menu 1028 wcGraphWindow\nmenu 1040\nfile \\fresh.DAT\nmenu 996 wcGraphWindow\n");
    const std::vector<std::string> lists = LinesAfter(Log(), "  window wcGraphWindow");
    ASSERT_EQ(lists.size(), 1u) << Log();  // listed by the first `windows` alone
    EXPECT_FALSE(Read("kept.DAT").empty()) << Log();
    EXPECT_EQ(Read("kept.DAT"), Read("fresh.DAT"));
}

}  // namespace
