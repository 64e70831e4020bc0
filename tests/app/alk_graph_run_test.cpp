// The pH-alkalinity graph and help screen in a whole run on a 1024 x 768
// desktop: the curve typed into its dialog, Graph pressed, the graph snapped
// (held to tests/graphs/golden/alk-window.ppm), exported, copied and
// printed, then Help pressed and the help screen closed by a key.
// TARVEX_REMAKE_GOLDENS=1 writes the run's picture over the golden instead.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphs/alkcurve/alk_graph_records.h"
#include "tests/app/graph_run_fixture.h"

namespace {

namespace fs = std::filesystem;

// A water first (Save As and the curve's work want one), then the curve.
const char kScript[] =
    "dialog 81 set 407 8.1\n"
    "dialog 81 set 400 412\n"
    "dialog 81 press 1\n"
    "menu 1030\n"
    "dialog 33 set 670 10\n"
    "dialog 33 set 671 7.2\n"
    "dialog 33 set 673 50\n"
    "dialog 33 set 674 7.9\n"
    "dialog 33 set 676 300\n"
    "dialog 33 set 677 8.6\n"
    "dialog 33 press 381\n"
    "dialog 33 do snap AlkGraphWindow graph.ppm\n"
    "dialog 33 do menustate AlkGraphWindow\n"
    "dialog 33 do file \\A.TIF\n"
    "dialog 33 do menu 995 AlkGraphWindow\n"
    "dialog 33 do file \\A.png\n"
    "dialog 33 do key AlkGraphWindow Alt+F\n"
    "dialog 33 do menu 985 AlkGraphWindow\n"
    "dialog 33 do clipboard save DIB copy.dib\n"
    "dialog 33 do printer Colour\n"
    "dialog 33 do menu 1013 AlkGraphWindow\n"
    "dialog 33 press 379\n"
    "dialog 33 do snap HELP help.ppm\n"
    "dialog 33 do key HELP F1\n"
    "dialog 33 do windows\n"
    "dialog 33 do key HELP A\n"
    "dialog 33 do windows\n"
    "dialog 33 press 1\n"
    "answer no A USER DEFINED\n"
    "menu 1033\n"
    "answer no Data has been modified\n";

class AlkGraphRun : public GraphRunFixture {
  protected:
    void ResetWindowRecords() override { ResetAlkGraphRecords(); }
    void SetUp() override {
        GraphRunFixture::SetUp();
        std::ofstream(folder / "printers.cfg") << "Colour | letter | 100 | colour | prints\n";
    }
};

TEST_F(AlkGraphRun, CurveGraphPicturesPrintAndHelp) {
    ASSERT_EQ(Run(kScript, "1024x768"), 0) << Log();
    const std::string log = Log();
    EXPECT_EQ(log.find("script failure"), std::string::npos) << log;
    EXPECT_NE(log.find("window created AlkGraphWindow"), std::string::npos) << log;
    EXPECT_NE(log.find("(grayed)"), std::string::npos);  // the PROPERTIES items

    EXPECT_EQ(Read("A.TIF").substr(0, 2), "II");
    EXPECT_EQ(Read("A.png").substr(1, 3), "PNG");
    // The copy is an 8-bit device-independent bitmap.
    const std::vector<uint8_t> dib = Bytes("copy.dib");
    ASSERT_GT(dib.size(), 40u);
    EXPECT_EQ(dib[14], 8);
    EXPECT_TRUE(fs::exists(folder / "prints" / "Printing Tarvex Graph.pdf")) << log;

    // The help screen stays through F1 and goes with a letter: the first
    // window list has it, the second not.
    const std::size_t first = log.find("\nwindows\n");
    ASSERT_NE(first, std::string::npos) << log;
    const std::size_t second = log.find("\nwindows\n", first + 1);
    ASSERT_NE(second, std::string::npos) << log;
    EXPECT_NE(log.substr(first, second - first).find("ALkalinity - pH Curve Help Screen"),
              std::string::npos)
        << log;
    const std::size_t destroyed = log.find("window destroyed HELP");
    EXPECT_GT(destroyed, second - first > 0 ? first : 0);
    EXPECT_LT(destroyed, second);
    // The graph went with the dialog and gave the slot back.
    EXPECT_NE(log.find("window destroyed AlkGraphWindow"), std::string::npos);
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);

    if (std::system("command -v compare >/dev/null 2>&1") == 0) {
        EXPECT_LE(Differing("alk-window.ppm", "graph.ppm"), 20);
        EXPECT_GE(Differing("alk-window.ppm", "graph.ppm"), 0);
    }
}

}  // namespace
