// The skeleton job: three one-page reports in one document (singlePageJob 0,
// 0, 2), one per identification block, under a heading file with "@@". The
// PDF is left in test-output/print/skeleton.pdf and checked with qpdf,
// pdfinfo and pdftotext; the words of its pages stand where the golden list
// puts them, and its first page at 50 dpi is compared with the golden picture
// (ImageMagick's compare, 10 % fuzz, fewer than 500 differing pixels).
// TARVEX_REGEN_GOLDEN=1 writes the golden list and picture anew
// (tests/printing/golden/remake.sh).
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "shell/settings/heading_file.h"
#include "tests/printing/page_words.h"
#include "tests/printing/print_fixture.h"

namespace printtest {
namespace {

using SkeletonPdfTest = PrintTest;

void WriteHeadingFile(const fs::path& path) {
    std::string bytes(3 * 81 + 2, '\0');
    const char* lines[3] = {"Field Services - Gulf Region", "Water Chemistry Laboratory",
                            "ACME PETROLEUM"};
    for (int k = 0; k < 3; ++k)
        std::memcpy(&bytes[static_cast<size_t>(k) * 81], lines[k], std::strlen(lines[k]));
    bytes[243] = bytes[244] = '@';
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST_F(SkeletonPdfTest, ThreeReportsInOneCheckedDocument) {
    WriteHeadingFile(folder / "heads.cnf");
    LoadHeadingFile();
    ASSERT_EQ(headingMarker, 1);
    ASSERT_EQ(printHeadings, 1);
    ASSERT_EQ(printSubheadings, 0);
    FillWaters();
    win::AnswerPrintDialog("PDF");
    PrintSkeletonJob();
    ASSERT_EQ(win::PrintLog().size(), 1u);
    ASSERT_FALSE(win::PrintLog()[0].aborted);
    EXPECT_EQ(win::PrintLog()[0].pages, 3);
    EXPECT_TRUE(win::MessageBoxLog().empty());

    const fs::path kept = fs::path(TARVEX_BINARY_DIR) / "test-output" / "print";
    fs::create_directories(kept);
    const fs::path pdf = kept / "skeleton.pdf";
    fs::copy_file(win::PrintLog()[0].path, pdf, fs::copy_options::overwrite_existing);
    const std::string q = "'" + pdf.string() + "'";

    const std::string check = RunTool("qpdf --check " + q);
    EXPECT_EQ(check.find("[exit"), std::string::npos) << check;
    const std::string info = RunTool("pdfinfo " + q);
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;

    const char* everyPage[] = {"ACME PETROLEUM", "Field Services - Gulf Region",
                               "Water Chemistry Laboratory", "SKELETON REPORT"};
    std::string all;
    for (int page = 1; page <= 3; ++page) {
        const std::string text = RunTool("pdftotext -f " + std::to_string(page) + " -l " +
                                         std::to_string(page) + " -layout " + q + " -");
        for (const char* expected : everyPage)
            EXPECT_NE(text.find(expected), std::string::npos)
                << "page " << page << ": " << expected;
        all += text;
    }
    for (const char* expected : {"Report Date:", "Sample #:", "1)", "2)", "3)", "Süd Platform",
                                 "25 °F", "03-02-2026 at 0905", "Sea water", "Aquifer"})
        EXPECT_NE(all.find(expected), std::string::npos) << expected;

    pagewords::ExpectGoldenWords(
        pdf, fs::path(TARVEX_SOURCE_DIR) / "tests/printing/golden/skeleton.words");

    const fs::path picture = kept / "skeleton-page1";
    ASSERT_EQ(RunTool("pdftoppm -r 50 -f 1 -l 1 -singlefile " + q + " '" + picture.string() + "'"),
              "");
    const fs::path golden =
        fs::path(TARVEX_SOURCE_DIR) / "tests/printing/golden/skeleton-page1.ppm";
    const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
    if (regen != nullptr && std::string(regen) == "1")
        fs::copy_file(picture.string() + ".ppm", golden, fs::copy_options::overwrite_existing);
    ASSERT_TRUE(fs::exists(golden)) << "no golden picture (run with TARVEX_REGEN_GOLDEN=1)";
    const std::string differing =
        RunTool("compare -metric AE -fuzz 10% '" + picture.string() + ".ppm' '" + golden.string() +
                "' '" + (kept / "skeleton-page1-diff.png").string() + "'");
    ASSERT_FALSE(differing.empty());
    ASSERT_TRUE(differing[0] >= '0' && differing[0] <= '9') << differing;  // not an error text
    const long pixels = std::atol(differing.c_str());
    EXPECT_LT(pixels, 500) << differing;
}

}  // namespace
}  // namespace printtest
