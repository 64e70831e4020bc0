// The well-log summary graph window in a whole run: the sea water typed in,
// command 1252 (no menu item carries it), a click on the leftmost bar of the
// first panel and a copy of its analysis, the grey and hatched picture, and a
// print. The pictures are held to their goldens (tests/graphs/golden/
// window-welllog*.ppm, at most 20 pixels differing by more than 10 %).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "graphs/graph_output_records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/welllog/well_log_graph_records.h"
#include "tests/app/graph_run_fixture.h"

namespace {

namespace fs = std::filesystem;

const char kScript[] =
    "dialog 80 set 407 8.1\n"
    "dialog 80 set 400 412\n"
    "dialog 80 set 401 1290\n"
    "dialog 80 set 402 0.01\n"
    "dialog 80 set 403 7.9\n"
    "dialog 80 set 404 10760\n"
    "dialog 80 set 405 399\n"
    "dialog 80 set 406 0.18\n"
    "dialog 80 set 414 19350\n"
    "dialog 80 set 415 2710\n"
    "dialog 80 set 472 67\n"
    "dialog 80 set 425 1.3\n"
    "dialog 80 set 413 4.5\n"
    "dialog 80 set 422 2\n"
    "dialog 80 set 419 140\n"
    "dialog 80 set 427 77\n"
    "dialog 80 set 429 1\n"
    "dialog 80 set 428 1.025\n"
    "dialog 80 press 1\n"
    "menu 1030\n"
    "menu 1252\n"
    "snap WellLogSummaryGraphWindow welllog.ppm\n"
    "click WellLogSummaryGraphWindow 53 277\n"
    "click WellLogSummaryGraphWindow 53 277 right\n"
    "menu 1011 WellLogSummaryGraphWindow\n"
    "menu 1012 WellLogSummaryGraphWindow\n"
    "snap WellLogSummaryGraphWindow welllog-hatch.ppm\n"
    "printer PDF\n"
    "menu 1013 WellLogSummaryGraphWindow\n"
    "answer no Data has been modified\n"
    "answer yes Did you wish to leave data\n";

class WellLogGraphRun : public GraphRunFixture {
  protected:
    void ResetWindowRecords() override {
        ResetTwoDGraphRecords();
        ResetWellLogGraphRecords();
    }
    void SetUp() override {
        GraphRunFixture::SetUp();
        std::ofstream(folder / "printers.cfg") << "PDF | letter | 100 | colour | out\n";
    }
    long Differing(const std::string& name) {
        return GraphRunFixture::Differing("window-" + name + ".ppm", name + ".ppm");
    }
};

TEST_F(WellLogGraphRun, SummaryGraphClicksPicturesAndPrint) {
    ASSERT_EQ(Run(kScript), 0) << Log();
    const std::string log = Log();
    EXPECT_NE(log.find("window created ProgressBar"), std::string::npos);
    EXPECT_NE(log.find("window created WellLogSummaryGraphWindow"), std::string::npos);
    // The leftmost bar is the deepest station; the copy names it too.
    const std::size_t value = log.find("message box \"YOU CLICKED ON THE VALUE ");
    ASSERT_NE(value, std::string::npos) << log;
    // The start stations are 480 psia and 280 F: 32.7 atm in a fresh folder.
    EXPECT_NE(log.find("at Depth 500.00, 32.7 (atm), 280.0", value), std::string::npos) << log;
    const std::size_t copied =
        log.find("message box \"ANALYSIS COPIED \": \"ANALYSIS COPIED  at Depth 500.00");
    ASSERT_NE(copied, std::string::npos) << log;
    EXPECT_NE(log.find("clipboard holds \"tkIntermediate\"", copied), std::string::npos);

    const fs::path pdf = folder / "out" / "Printing Well Log Summary Graph.pdf";
    EXPECT_NE(log.find("printed \"Printing Well Log Summary Graph\": 1 pages"), std::string::npos);
    ASSERT_TRUE(fs::exists(pdf));
    if (Have("pdftotext")) {
        const std::string text = (folder / "graph.txt").string();
        ASSERT_EQ(std::system(("pdftotext '" + pdf.string() + "' '" + text + "'").c_str()), 0);
        std::stringstream s;
        s << std::ifstream(text).rdbuf();
        EXPECT_NE(s.str().find("Calcite"), std::string::npos);
        EXPECT_NE(s.str().find("Depth"), std::string::npos);
    }

    if (!Have("compare")) GTEST_SKIP() << "ImageMagick's compare is missing";
    for (const char* name : {"welllog", "welllog-hatch"}) {
        const long differing = Differing(name);
        EXPECT_GE(differing, 0) << name;
        EXPECT_LE(differing, 20) << name;
    }
}

}  // namespace
