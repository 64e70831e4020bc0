// The bundled script data/scripts/print-surface.tvs and a two-water variant:
// the sea water's printed chemistry and indicators on the PDF printer, with
// the engine harness's figures for the same water, the words of both pages
// where the golden list puts them, and a picture of page 1 held to its golden
// (tests/app/golden/remake.sh).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "reporttext/format/format_value.h"
#include "tests/app/print_run_fixture.h"
#include "tests/printing/page_words.h"

namespace {

namespace fs = std::filesystem;

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

std::string Trimmed(const char* format, double v) {
    char text[48];
    std::snprintf(text, sizeof text, format, v);
    std::string s(text);
    return s.substr(s.find_first_not_of(' '));
}

// The first line of a text holding `label`.
std::string LineWith(const std::string& text, const std::string& label) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.find(label) != std::string::npos) return line;
    return "<no line " + label + ">";
}

class PrintReportsRun : public PrintRunFixture {};

TEST_F(PrintReportsRun, PrintSurfaceGivesTheSeaWatersTwoPages) {
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-surface.tvs"), 0)
        << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string q = "'" + pdfs[0].string() + "'";
    const std::string check = Tool("qpdf --check " + q);
    EXPECT_EQ(check.find("[exit"), std::string::npos) << check;
    const std::string info = Tool("pdfinfo " + q);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;

    std::map<std::string, double> h = HarnessFigures();
    const std::string chemistry = Text(pdfs[0], 1);
    EXPECT_NE(chemistry.find("SURFACE WATER CHEMISTRY INPUT"), std::string::npos) << chemistry;
    char tds[kValueTextChars];
    FormatValue7(tds, static_cast<float>(h["SR 35"]));
    const std::string tdsText(tds);
    EXPECT_NE(LineWith(chemistry, "Calculated T.D.S.")
                  .find(tdsText.substr(tdsText.find_first_not_of(' '))),
              std::string::npos)
        << chemistry;
    const std::string indicators = Text(pdfs[0], 2);
    EXPECT_NE(indicators.find("DEPOSITION POTENTIAL INDICATORS"), std::string::npos);
    EXPECT_NE(indicators.find("Time(mins)"), std::string::npos) << indicators;
    EXPECT_NE(LineWith(indicators, "Calcite (CaCO").find(Trimmed("%7.2f", h["SR 0"])),
              std::string::npos)
        << indicators;
    EXPECT_NE(LineWith(indicators, "Barite (BaSO").find(Trimmed("%7.2f", h["SR 21"])),
              std::string::npos);

    pagewords::ExpectGoldenWords(
        pdfs[0], fs::path(TARVEX_SOURCE_DIR) / "tests/app/golden/print-surface.words");

    const fs::path kept = fs::path(TARVEX_BINARY_DIR) / "test-output" / "print";
    fs::create_directories(kept);
    const fs::path picture = kept / "print-surface-page1";
    ASSERT_EQ(Tool("pdftoppm -r 60 -f 1 -l 1 -singlefile " + q + " '" + picture.string() + "'"),
              "");
    const fs::path golden =
        fs::path(TARVEX_SOURCE_DIR) / "tests/app/golden/print-surface-page1.png";
    const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
    if (regen != nullptr && std::string(regen) == "1") {
        EXPECT_EQ(Tool("convert '" + picture.string() + ".ppm' '" + golden.string() + "'"), "");
    }
    ASSERT_TRUE(fs::exists(golden)) << "no golden picture (run with TARVEX_REGEN_GOLDEN=1)";
    const std::string differing =
        Tool("compare -metric AE -fuzz 10% '" + picture.string() + ".ppm' '" + golden.string() +
             "' '" + (kept / "print-surface-page1-diff.png").string() + "'");
    ASSERT_FALSE(differing.empty());
    ASSERT_TRUE(differing[0] >= '0' && differing[0] <= '9') << differing;
    EXPECT_LT(std::atol(differing.c_str()), 500) << differing;
}

// The injection water printed first must not lend its texts or sample number
// to the surface water's document.
TEST_F(PrintReportsRun, EachDocumentNamesItsOwnWater) {
    std::string entry;
    {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-surface.tvs");
        for (std::string line; std::getline(in, line);)
            if (line.rfind("dialog", 0) == 0 || line.rfind("menu 1030", 0) == 0)
                entry += line + "\n";
    }
    const std::string script = entry +
                               "dialog 80 set 399 Injection plant B\n"
                               "dialog 80 set 398 After the deaerator\n"
                               "dialog 80 set 393 42\n"
                               "dialog 80 set 419 140\ndialog 80 set 427 100\n"
                               "dialog 80 press 1\nmenu 1031\n"
                               "printer PDF\nmenu 1051\nprinter PDF\nmenu 1048\n"
                               "answer no Data has been modified\n";
    ASSERT_EQ(Run(script), 0) << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 2u) << Log();
    std::string injection, surface;
    for (const fs::path& pdf : pdfs) {
        const std::string text = Text(pdf);
        (text.find("INJECTION WATER CHEMISTRY INPUT") != std::string::npos ? injection : surface) =
            text;
    }
    ASSERT_NE(injection.find("Injection plant B"), std::string::npos) << injection;
    EXPECT_NE(LineWith(injection, "Sample #:").find("42"), std::string::npos);
    ASSERT_NE(surface.find("SURFACE WATER CHEMISTRY INPUT"), std::string::npos) << surface;
    EXPECT_EQ(surface.find("Injection plant B"), std::string::npos) << surface;
    EXPECT_EQ(surface.find("After the deaerator"), std::string::npos);
    EXPECT_EQ(LineWith(surface, "Sample #:").find("42"), std::string::npos);
}

// Long typed texts beside empty ones: a description of more than twenty
// characters whose neighbour is empty prints whole, on the one-water header
// and on the two-water header of the mixing reports (no blanks painted over
// its end, which pdftotext would still read), and an ID too long for the
// room beside "Sample ID:" prints whole on the line below, not past the
// paper's edge.
TEST_F(PrintReportsRun, LongTextsBesideEmptyOnesPrintWhole) {
    const std::string description = "North Sea water for injection; filtered and deaerated";
    const std::string id = "Sea water SW-1, platform intake, north caisson pump 3";
    std::string entry;
    {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-surface.tvs");
        for (std::string line; std::getline(in, line);) {
            if (line == "dialog 80 press 1")
                entry += "dialog 80 set 399 " + description + "\ndialog 80 set 394 " + id + "\n";
            if (line.rfind("dialog", 0) == 0 || line.rfind("menu 1030", 0) == 0)
                entry += line + "\n";
        }
    }
    ASSERT_EQ(Run(entry + "printer PDF\nmenu 1048\nanswer no Data has been modified\n"), 0)
        << Log();
    std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string overlap = "python3 '" + std::string(TARVEX_SOURCE_DIR) +
                                "/tests/app/pdf_overlap.py' '" + pdfs[0].string() + "'";
    EXPECT_EQ(Tool(overlap), "");
    const std::string text = Text(pdfs[0]);
    EXPECT_NE(text.find(description), std::string::npos) << text;
    EXPECT_NE(text.find(id), std::string::npos) << text;

    // The waterflood's injection water described anew, mixed and printed.
    fs::remove(pdfs[0]);
    Fresh();
    FreshPrinting();
    fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                  folder / "waterflood.krv");
    ASSERT_EQ(Run("file \\waterflood.krv\nmenu 1020\n"
                  "dialog 80 set 399 " +
                  description +
                  "\ndialog 80 set 396 \n"
                  "dialog 80 press 1\nmenu 1031\nmenu 1042\n"
                  "printer PDF\nmenu 1053\nanswer no Data has been modified\n"),
              0)
        << Log();
    pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string mixOverlap = "python3 '" + std::string(TARVEX_SOURCE_DIR) +
                                   "/tests/app/pdf_overlap.py' '" + pdfs[0].string() + "'";
    EXPECT_EQ(Tool(mixOverlap), "");
    const std::string words = Tool("pdftotext '" + pdfs[0].string() + "' -");
    EXPECT_NE(words.find("filtered and deaerated"), std::string::npos) << words;
}

// Vary Temperature over 70 to 130 F and Print Surface Temperature Profile: the
// calcite ratios are those of
// tarvex-engine profile temperature data/samples/seawater.wat --low 21.1111 --high 54.4444.
TEST_F(PrintReportsRun, TemperatureProfilePrintsThreePagesOfTheHarnessProfile) {
    ASSERT_EQ(
        RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-temperature-profile.tvs"), 0)
        << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string q = "'" + pdfs[0].string() + "'";
    const std::string check = Tool("qpdf --check " + q);
    EXPECT_EQ(check.find("[exit"), std::string::npos) << check;
    EXPECT_NE(Tool("pdfinfo " + q).find("Pages:           3"), std::string::npos);
    const std::string chemistry = Text(pdfs[0], 1);
    EXPECT_NE(chemistry.find("WATER CHEMISTRY VERSUS TEMPERATURE"), std::string::npos) << chemistry;
    EXPECT_NE(LineWith(chemistry, "CATIONS").find("130.00"), std::string::npos);
    const std::string saturation = Text(pdfs[0], 2);
    EXPECT_NE(saturation.find("VERSUS TEMPERATURE"), std::string::npos);
    EXPECT_NE(Text(pdfs[0], 3).find("VERSUS TEMPERATURE"), std::string::npos);
    std::istringstream words(LineWith(saturation, "Calcite"));
    std::vector<std::string> cells;
    for (std::string w; words >> w;) cells.push_back(w);
    const std::vector<std::string> expected = {"Calcite", "3.64", "4.21", "4.76",
                                               "5.27",    "5.72", "6.13", "6.50"};
    EXPECT_EQ(cells, expected);
    std::istringstream axisWords(LineWith(saturation, "SATURATION RATIO"));
    cells.clear();
    for (std::string w; axisWords >> w;) cells.push_back(w);
    const std::vector<std::string> temperatures = {
        "SATURATION", "RATIO", "70.00", "80.00", "90.00", "100.00", "110.00", "120.00", "130.00"};
    EXPECT_EQ(cells, temperatures);
}

TEST_F(PrintReportsRun, PhProfilePrintsThreePagesWithoutItsPhRow) {
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-ph-profile.tvs"), 0)
        << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    EXPECT_NE(Tool("pdfinfo '" + pdfs[0].string() + "'").find("Pages:           3"),
              std::string::npos);
    const std::string chemistry = Text(pdfs[0], 1);
    EXPECT_NE(chemistry.find("WATER CHEMISTRY VERSUS pH"), std::string::npos) << chemistry;
    EXPECT_EQ(LineWith(chemistry, " pH ").find("<no line"), std::string::npos);
    std::istringstream lines(chemistry);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        EXPECT_NE(first, "pH") << line;
    }
}

// The bundled waterflood work file mixed and printed with Print Produced: the
// barite ratios of page 2 are those of
// tarvex-engine mix profile data/samples/seawater.wat data/samples/formation.wat.
TEST_F(PrintReportsRun, WaterfloodPrintsTheChemistryAndIndicatorsAtTheRatios) {
    fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                  folder / "waterflood.krv");
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-waterflood.tvs"), 0)
        << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string q = "'" + pdfs[0].string() + "'";
    const std::string check = Tool("qpdf --check " + q);
    EXPECT_EQ(check.find("[exit"), std::string::npos) << check;
    EXPECT_NE(Tool("pdfinfo " + q).find("Pages:           3"), std::string::npos);
    EXPECT_NE(Text(pdfs[0], 1).find("WATER CHEMISTRY AT VARIOUS RATIOS"), std::string::npos);
    for (int page = 2; page <= 3; ++page) {
        const std::string text = Text(pdfs[0], page);
        for (const char* title :
             {"MIXED WATER", "DEPOSITION POTENTIAL INDICATORS", "% INJECTION WATER"})
            EXPECT_NE(text.find(title), std::string::npos) << page << ": " << title;
    }
    std::istringstream words(LineWith(Text(pdfs[0], 2), "Barite"));
    std::string label;
    words >> label;
    const double harness[] = {0.0, 59.7305, 159.37, 307.898, 487.808, 570.741, 0.34038};
    for (double expected : harness) {
        double printed = -1.0;
        ASSERT_TRUE(static_cast<bool>(words >> printed)) << expected;
        EXPECT_NEAR(printed, expected, 0.005 * expected + 0.005) << expected;
    }
}

// PRINT ALL WINDOWS of the sea water's chemistry page with the temperature
// profile computed would print five pages; Cancel after page 2 aborts the
// document at once, and the next print starts a job of its own.
TEST_F(PrintReportsRun, CancelDuringPrintAllWindowsAbortsTheDocument) {
    std::string entry;
    {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-surface.tvs");
        for (std::string line; std::getline(in, line);)
            if (line.rfind("dialog", 0) == 0 || line.rfind("menu 1030", 0) == 0)
                entry += line + "\n";
    }
    ASSERT_EQ(Run(entry + "menu 1036\nprinter PDF\nprinter stop 2\nmenu 1018 DisplayMUWater\n"
                          "printer PDF\nmenu 1018 DisplayMUWater\n"
                          "answer no Data has been modified\n"),
              0)
        << Log();
    EXPECT_NE(Log().find("print \" \" aborted"), std::string::npos) << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    EXPECT_NE(Tool("pdfinfo '" + pdfs[0].string() + "'").find("Pages:           5"),
              std::string::npos);
}

}  // namespace

namespace {

std::string EightWaterScript(const std::string& beforePrint) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) +
                     "/data/scripts/multimix-eight-waters-print.tvs");
    std::string script;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("menu 1018", 0) == 0) script += beforePrint;
        script += line + "\n";
    }
    return script;
}

// How many times `text` stands in `in`.
int Count(const std::string& in, const std::string& text) {
    int n = 0;
    for (size_t at = in.find(text); at != std::string::npos; at = in.find(text, at + 1)) ++n;
    return n;
}

// Eight source waters, mixed, and PRINT ALL WINDOWS of the source-water
// chemistry page: the blend's two reports, the chemistry table of the sources
// in two pages (seven columns, then one) and their indicator table in four.
TEST_F(PrintReportsRun, EightSourceWatersPrintEightPagesAndCancelLeavesNone) {
    ASSERT_EQ(Run(EightWaterScript("")), 0) << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string q = "'" + pdfs[0].string() + "'";
    const std::string check = Tool("qpdf --check " + q);
    EXPECT_EQ(check.find("[exit"), std::string::npos) << check;
    ASSERT_NE(Tool("pdfinfo " + q).find("Pages:           8"), std::string::npos)
        << Tool("pdfinfo " + q);
    EXPECT_NE(Text(pdfs[0], 1).find("MIXED WATER CHEMISTRY"), std::string::npos);
    EXPECT_NE(Text(pdfs[0], 2).find("MIXED WATER DEPOSITION POTENTIAL INDICATORS"),
              std::string::npos);
    for (int page = 3; page <= 4; ++page)
        EXPECT_NE(Text(pdfs[0], page).find("CHEMISTRY OF WATER SOURCES MIXED"), std::string::npos)
            << page;
    for (int page = 5; page <= 8; ++page)
        EXPECT_NE(Text(pdfs[0], page).find("DEPOSITION INDICATORS OF SOURCE WATERS MIXED"),
                  std::string::npos)
            << page;
    // Seven columns of calcium on the first chemistry page, the eighth alone
    // on the second.
    EXPECT_EQ(Count(LineWith(Text(pdfs[0], 3), "Calcium"), "."), 7) << Text(pdfs[0], 3);
    EXPECT_EQ(Count(LineWith(Text(pdfs[0], 4), "Calcium"), "."), 1) << Text(pdfs[0], 4);

    // The same run with Cancel pressed once page 2 has ended.
    fs::remove(pdfs[0]);
    Fresh();
    FreshPrinting();
    ASSERT_EQ(Run(EightWaterScript("printer stop 2\n")), 0) << Log();
    EXPECT_NE(Log().find("aborted"), std::string::npos) << Log();
    EXPECT_TRUE(Pdfs().empty()) << Log();
}

// Print Result of the multi-mix input prints the shown water's chemistry and
// indicators each time the water is calculated.
TEST_F(PrintReportsRun, PrintResultOfTheMultiMixInputPrintsTheSourceWater) {
    ASSERT_EQ(Run("dialog 115 press 745\n"
                  "dialog 115 set 400 120\n"
                  "dialog 115 set 404 1000\n"
                  "dialog 115 set 414 1700\n"
                  "dialog 115 set 419 150\n"
                  "dialog 115 set 492 100\n"
                  "dialog 115 press 1\n"
                  "dialog 115 next\n"
                  "dialog 115 press 2\n"
                  "printer PDF\n"
                  "menu 113\n"
                  "answer no Data has been modified\n"),
              0)
        << Log();
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string q = "'" + pdfs[0].string() + "'";
    ASSERT_NE(Tool("pdfinfo " + q).find("Pages:           2"), std::string::npos)
        << Tool("pdfinfo " + q);
    EXPECT_NE(LineWith(Text(pdfs[0], 1), "Calcium").find("120"), std::string::npos)
        << Text(pdfs[0], 1);
    EXPECT_NE(Text(pdfs[0], 2).find("DEPOSITION POTENTIAL INDICATORS"), std::string::npos)
        << Text(pdfs[0], 2);
}

}  // namespace

// After a print the main window says where the PDF went, whole, on its caption
// line, which no page covers: after the program's name, the file's name and
// its folder. The client area, under the pages, is left as it was. Saving the
// workspace, opening one or starting a new one ends the note: the caption is
// the program's name again.
TEST_F(PrintReportsRun, TheMainWindowSaysWhereThePrintWent) {
    std::string entry;
    {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/print-surface.tvs");
        for (std::string line; std::getline(in, line);)
            if (line.rfind("dialog", 0) == 0 || line.rfind("menu 1030", 0) == 0)
                entry += line + "\n";
    }
    ASSERT_EQ(Run(entry + "snap TarvexMainClass before.ppm\nwindows\nprinter PDF\nmenu 1048\n"
                          "snap TarvexMainClass after.ppm\nwindows\n"
                          "file \\ws.KRV\nmenu 1022\nwindows\n"
                          "printer PDF\nmenu 1048\nfile \\ws.KRV\nmenu 1020\nwindows\n"
                          "printer PDF\nmenu 1048\nmenu 1021\nwindows\n"
                          "printer PDF\nmenu 1048\nanswer no Data has been modified\n"
                          "menu 1019\nwindows\n"),
              0)
        << Log();
    ASSERT_EQ(Pdfs().size(), 4u) << Log();
    const std::vector<fs::path> pdfs = {fs::canonical(folder / "out" /
                                                      "Surface Water Chemistry Input.pdf")};
    const std::vector<std::string> captions = LinesAfter(Log(), "  window TarvexMainClass ");
    ASSERT_EQ(captions.size(), 6u) << Log();
    for (size_t k : {2u, 3u, 4u, 5u})  // after Save As, Open, Save and New
        EXPECT_EQ(captions[k].substr(0, captions[k].find('"', 1) + 1), "\"Tarvex\"") << k;
    EXPECT_EQ(captions[0].substr(0, captions[0].find('"', 1) + 1), "\"Tarvex\"");
    const std::string printed = "\"Tarvex - Printed to " + pdfs[0].filename().string() + " in " +
                                pdfs[0].parent_path().string() + "\"";
    EXPECT_EQ(captions[1].substr(0, printed.size()), printed) << captions[1];
    win::Image32 before;
    win::Image32 after;
    ASSERT_TRUE(win::ReadPpm((folder / "before.ppm").string(), &before));
    ASSERT_TRUE(win::ReadPpm((folder / "after.ppm").string(), &after));
    ASSERT_EQ(before.width, after.width);
    ASSERT_EQ(before.height, after.height);
    int changed = 0;
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x)
            changed += (before.At(x, y) & 0xFFFFFFu) != (after.At(x, y) & 0xFFFFFFu);
    EXPECT_EQ(changed, 0);
}

namespace {

// The numbers after `label` on its first line in `text`.
std::vector<double> RowNumbers(const std::string& text, const std::string& label) {
    const std::string line = LineWith(text, label);
    const size_t at = line.find(label);
    std::istringstream words(at == std::string::npos ? "" : line.substr(at + label.size()));
    std::vector<double> numbers;
    for (std::string w; words >> w;) numbers.push_back(std::strtod(w.c_str(), nullptr));
    return numbers;
}

}  // namespace

// The sea water's temperature, pH and pressure profiles, each page and each
// print of it (the page's PRINT, and Print Surface's profiles from the main
// menu): every point's calculated resistivity is 10^6 over the conductivity
// shown beside it, to the digits each row shows.
TEST_F(PrintReportsRun, ProfileResistivityIsTheInverseOfItsConductivity) {
    std::ifstream bundled(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/seawater-ph.tvs");
    std::string script;
    for (std::string line; std::getline(bundled, line) && line != "menu 1038";)
        if (!line.empty() && line[0] != '#') script += line + "\n";
    script += "menu 1038\nmenu 1036\nmenu 228\n";
    const char* const pages[] = {"DisplaypHWater", "DisplayTempWater", "DisplayPressWater"};
    for (const std::string page : pages)
        script += "text " + page + " " + page + ".txt\nprinter PDF\nmenu 1013 " + page + "\n";
    script += "printer PDF\nmenu 1050\nprinter PDF\nmenu 1049\nanswer no Data has been modified\n";
    std::ofstream(folder / "profiles.tvs") << script;
    ASSERT_EQ(RunFile((folder / "profiles.tvs").string()), 0) << Log();
    std::vector<std::pair<std::string, std::string>> shown;  // name, text
    for (const std::string page : pages) {
        std::ifstream in(folder / (page + ".txt"), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        shown.emplace_back(page, text.str());
    }
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 5u) << Log();
    for (const fs::path& pdf : pdfs) shown.emplace_back(pdf.filename().string(), Text(pdf, 1));
    for (const auto& [name, text] : shown) {
        SCOPED_TRACE(name);
        const std::vector<double> conductivity = RowNumbers(text, "Calc. Conductivity");
        const std::vector<double> resistivity = RowNumbers(text, "Calc. Resistivity");
        ASSERT_EQ(conductivity.size(), 7u) << text;
        ASSERT_EQ(resistivity.size(), 7u) << text;
        for (size_t k = 0; k < 7; ++k) {
            // Conductivity to 0.5 and resistivity to 0.005 as the rows round them.
            const double inverse = 1e6 / conductivity[k];
            EXPECT_NEAR(resistivity[k], inverse, 0.006 + inverse * 0.5 / conductivity[k])
                << "point " << k << ": " << conductivity[k];
        }
    }
}
