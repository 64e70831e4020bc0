// A print that fails at the end of its document (a PDF printer whose folder
// cannot take the file) is told and aborted; the next print, on a printer that
// works, must print as if the failed one had not been. Whole runs over the
// windows that print by themselves: the one-page and well-log summaries and
// the 2D and 3D graph windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/print_run_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string SeaWaterEntry() {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/summary-windows.tvs");
    std::string entry;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("dialog 80", 0) == 0) entry += line + "\n";
    return entry + "menu 1030\n";
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class FailedPrintRun : public PrintRunFixture {
  protected:
    void SetUp() override {
        PrintRunFixture::SetUp();
        // FULL writes into a folder below a plain file: every document it ends fails.
        std::ofstream(folder / "blocked") << "a file, not a folder\n";
        std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n"
                                                  "FULL | letter | 300 | colour | blocked/out\n";
    }
};

TEST_F(FailedPrintRun, ThePrintAfterAFailedPrintOfASummaryOrGraphWindowPrints) {
    const std::string printSurface = "printer PDF\nmenu 1048\n";
    const std::string script = SeaWaterEntry() +
                               // The one-page summary, in landscape.
                               "menu 1248\nprinter FULL landscape\nmenu 1013 DisOnePage\n" +
                               printSurface +
                               // The well-log summary.
                               "menu 1250\nprinter FULL\nmenu 1013 WellLogDisOnePage\n" +
                               printSurface +
                               // The temperature graph of the 2D graph window.
                               "dialog 25 press 2505\ndialog 25 select 2501 Calcite\n"
                               "dialog 25 press 2503\ndialog 25 press 1\nmenu 1064\n"
                               "menu 1037\nprinter FULL\nmenu 1013 wc2DGraphWindow\n" +
                               printSurface +
                               // The 3D graph window, which ends its job itself.
                               "menu 1040\nprinter FULL\nmenu 1013 wcGraphWindow\n" +
                               printSurface + "answer no Data has been modified\nmenu 1028\n";
    ASSERT_EQ(Run(script), 0) << Log();
    const std::string log = Log();
    // Each failure told once, naming its file and why.
    EXPECT_EQ(Count(log, "\"Printer: EndDoc failed!\n\n"), 4) << log;
    EXPECT_EQ(Count(log, "could not be written: Not a directory."), 4) << log;
    for (const char* document : {"Tarvex Report", "Tarvex Well Log", "Printing Tarvex Graph", " "})
        EXPECT_NE(log.find("print \"" + std::string(document) + "\" aborted"), std::string::npos)
            << document << "\n"
            << log;
    // Each Print Surface after them printed the surface water's two reports
    // on the working printer.
    EXPECT_EQ(Count(log, "printed \" \": 2 pages, ./out/Surface Water Chemistry Input"), 4) << log;
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 4u) << log;
    for (const fs::path& pdf : pdfs) {
        EXPECT_EQ(pdf.parent_path().filename(), "out") << pdf;
        const std::string text = Text(pdf);
        EXPECT_NE(text.find("SURFACE WATER"), std::string::npos) << pdf << "\n" << text;
        EXPECT_NE(text.find("Calcium"), std::string::npos) << pdf << "\n" << text;
    }
}

}  // namespace
