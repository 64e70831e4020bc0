// The bundled script data/scripts/print-one-page.tvs run by the program in a
// fresh folder, landscape as bundled and portrait with the orientation left
// as the printer has it: one page of letter size whose text holds the page's
// blocks and the sea water's figures, whose words stand where the golden list
// puts them, and whose picture at 40 dpi matches the golden one (ImageMagick's
// compare, 10 % fuzz, fewer than 500 differing pixels). TARVEX_REGEN_GOLDEN=1 writes the golden
// pictures anew (tests/printing/golden/remake.sh).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "reporttext/format/format_value.h"
#include "tests/printing/page_words.h"
#include "tests/printing/print_fixture.h"

namespace printtest {
namespace {

// FormatValue7 of the harness's T.D.S. (result slot 35) for the sea water.
std::string SeaWaterTds() {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/tests/harness/fixtures/water_seawater.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string tag;
        int slot = 0;
        double value = 0.0;
        if (words >> tag >> slot >> value && tag == "SR" && slot == 35) {
            char text[kValueTextChars];
            FormatValue7(text, static_cast<float>(value));
            return text;
        }
    }
    return "<no T.D.S.>";
}

class OnePagePdf : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tarvex_one_page_pdf_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs the program on the script; the PDF it left, or empty.
    fs::path Print(const std::string& script) {
        std::ofstream(folder / "script.tvs") << script;
        const std::string program = std::string(TARVEX_BINARY_DIR) + "/tarvex";
        const std::string out = RunTool("cd '" + folder.string() + "' && '" + program +
                                        "' --headless --script script.tvs --log log");
        const fs::path pdf = folder / "out" / "Tarvex Report.pdf";
        // Standard error names the file written, and nothing else is said.
        const std::string told = fs::exists(pdf) ? "tarvex: printed \"Tarvex Report\" (1 pages) to " +
                                                       fs::canonical(pdf).string() + "\n"
                                                 : std::string();
        EXPECT_EQ(out, told) << out;
        return fs::exists(pdf) ? pdf : fs::path();
    }

    static std::string Bundled() {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-one-page.tvs");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    void CheckPage(const fs::path& pdf, const char* size, const char* golden) {
        const std::string q = "'" + pdf.string() + "'";
        const std::string check = RunTool("qpdf --check " + q);
        EXPECT_EQ(check.find("[exit"), std::string::npos) << check;
        const std::string info = RunTool("pdfinfo " + q);
        EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
        EXPECT_NE(info.find(size), std::string::npos) << info;
        EXPECT_LT(fs::file_size(pdf), 2u * 1024 * 1024);

        const std::string text = RunTool("pdftotext -layout " + q + " -");
        for (const char* expected :
             {"SYSTEM IDENTIFICATION", "WATER CHEMISTRY", "SCALE AND CORROSION POTENTIAL",
              "Calcite", "Anhydrite", "Gypsum", "Barite", "Celestite", "Siderite", "Mackinawite",
              "Sample pH"})
            EXPECT_NE(text.find(expected), std::string::npos) << expected;
        // The stations ran at the what-if evaluation pH, and the page says so.
        EXPECT_NE(text.find("Stations at pH 6.50, pCO2 (atm) "), std::string::npos) << text;
        const std::string tds = SeaWaterTds();
        EXPECT_NE(text.find(tds.substr(tds.find_first_not_of(' '))), std::string::npos) << tds;

        pagewords::ExpectGoldenWords(pdf, fs::path(TARVEX_SOURCE_DIR) / "tests/printing/golden" /
                                              (std::string(golden) + ".words"));

        const fs::path kept = fs::path(TARVEX_BINARY_DIR) / "test-output" / "print";
        fs::create_directories(kept);
        fs::copy_file(pdf, kept / (std::string(golden) + ".pdf"),
                      fs::copy_options::overwrite_existing);
        const fs::path picture = kept / golden;
        ASSERT_EQ(RunTool("pdftoppm -r 40 -singlefile " + q + " '" + picture.string() + "'"), "");
        const fs::path goldenPath =
            fs::path(TARVEX_SOURCE_DIR) / "tests/printing/golden" / (std::string(golden) + ".ppm");
        const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
        if (regen != nullptr && std::string(regen) == "1")
            fs::copy_file(picture.string() + ".ppm", goldenPath,
                          fs::copy_options::overwrite_existing);
        ASSERT_TRUE(fs::exists(goldenPath)) << "no golden picture (run with TARVEX_REGEN_GOLDEN=1)";
        const std::string differing =
            RunTool("compare -metric AE -fuzz 10% '" + picture.string() + ".ppm' '" +
                    goldenPath.string() + "' '" + picture.string() + "-diff.png'");
        ASSERT_FALSE(differing.empty());
        ASSERT_TRUE(differing[0] >= '0' && differing[0] <= '9') << differing;
        EXPECT_LT(std::atol(differing.c_str()), 500) << differing;
    }

    fs::path folder;
};

TEST_F(OnePagePdf, LandscapePageOfTheBundledScript) {
    const fs::path pdf = Print(Bundled());
    ASSERT_FALSE(pdf.empty());
    CheckPage(pdf, "792 x 612 pts", "one-page-landscape");
}

TEST_F(OnePagePdf, PortraitPage) {
    std::string script = Bundled();
    const std::string landscape = "printer PDF landscape";
    const size_t at = script.find(landscape);
    ASSERT_NE(at, std::string::npos);
    script.replace(at, landscape.size(), "printer PDF");
    const fs::path pdf = Print(script);
    ASSERT_FALSE(pdf.empty());
    CheckPage(pdf, "612 x 792 pts", "one-page-portrait");
}

}  // namespace
}  // namespace printtest
