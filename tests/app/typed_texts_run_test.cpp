// What the user types in the sample ID and the comments, in whole runs: the
// chemistry page, its plain and rich-text copies and its print show it as it
// was typed, every character of it, while the program's own labels keep their subscripts; an ID too
// long for the page is broken over lines on the pages as the print breaks it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/print_run_fixture.h"

namespace {

namespace fs = std::filesystem;

// The bundled sea-water entry with the ID (field 394) and the comments (field
// 430) typed, stored with OK, and the source water's pages opened.
std::string SeaWaterWith(const std::string& id, const std::string& comments = "") {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/seawater-pages.tvs");
    std::string entry;
    for (std::string line; std::getline(in, line);) {
        if (line == "dialog 80 press 1") {
            entry += "dialog 80 set 394 " + id + "\n";
            if (!comments.empty()) entry += "dialog 80 set 430 " + comments + "\n";
        }
        if (line.rfind("dialog 80", 0) == 0) entry += line + "\n";
    }
    return entry + "menu 1030\n";
}

constexpr const char* kLeave = "answer no Data has been modified\n";

std::string Words(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& l : lines) {
        const size_t first = l.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        joined +=
            (joined.empty() ? "" : " ") + l.substr(first, l.find_last_not_of(' ') - first + 1);
    }
    return joined;
}

// The lines from the first that holds `from` to the one before the first that
// holds `to` (to the end when `to` is empty).
std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& l : lines) {
        if (!in && l.find(from) != std::string::npos) in = true;
        if (in && !to.empty() && l.find(to) != std::string::npos) break;
        if (in) out.push_back(l);
    }
    return out;
}

// The first line of a text that holds `label`.
std::string LineWithText(const std::string& text, const std::string& label) {
    for (const std::string& l : TextLines(text))
        if (l.find(label) != std::string::npos) return l;
    return "<no line " + label + ">";
}

class TypedTextsRun : public PrintRunFixture {};

// The surface page saved as text, its COPY and RICH TEXT COPY saved from the
// clipboard, and its print on the PDF printer.
const std::string kPageCopiesAndPrint =
    "text DisplayMUWater page.txt\n"
    "menu 985 DisplayMUWater\n"
    "clipboard save text copy.txt\n"
    "menu 750 DisplayMUWater\n"
    "clipboard save rich text format copy.rtf\n"
    "printer PDF\n"
    "menu 1013 DisplayMUWater\n" +
    std::string(kLeave);

// "Well_12 ^B" and comments with a '_' and a '^' keep every character on the
// page, in COPY, in RICH TEXT COPY and in the print; "SO_4" of the program's
// own label still lowers its 4 (a rich-text subscript, "SO4" in plain text).
TEST_F(TypedTextsRun, MarkersTheUserTypedAreCharactersOnThePageItsCopiesAndItsPrint) {
    ASSERT_EQ(Run(SeaWaterWith("Well_12 ^B", "pH_2 ^^ after_filter") + kPageCopiesAndPrint), 0)
        << Log();
    const std::vector<std::string> pdfs = [this] {
        std::vector<std::string> texts;
        for (const fs::path& pdf : Pdfs()) texts.push_back(Text(pdf));
        return texts;
    }();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const struct {
        const char* name;
        std::string text;
    } outputs[] = {{"page", Read("page.txt")},
                   {"copy", Read("copy.txt")},
                   {"rich text", Read("copy.rtf")},
                   {"print", pdfs[0]}};
    for (const auto& o : outputs) {
        SCOPED_TRACE(o.name);
        EXPECT_NE(o.text.find("Well_12 ^B"), std::string::npos) << o.text.substr(0, 600);
        EXPECT_NE(o.text.find("pH_2 ^^ after_filter"), std::string::npos) << o.text;
    }
    for (const char* plain : {"page.txt", "copy.txt"})
        EXPECT_NE(Read(plain).find("Sulfate(as SO4)"), std::string::npos) << plain;
    EXPECT_NE(Read("copy.rtf").find("SO{\\sub 4}"), std::string::npos) << Read("copy.rtf");
    EXPECT_NE(pdfs[0].find("(as SO4)"), std::string::npos) << pdfs[0];
}

// Letters and signs of the dialogs' Windows-1252 that the page font's OEM code
// page lacks (\xC1, \xE3, the trade mark and euro signs) show on the page, in
// its copies and in its print as typed, not as '?'.
TEST_F(TypedTextsRun, EveryTypedCharacterShowsOnThePageItsCopiesAndItsPrint) {
    const std::string typed = "\xC1gua S\xE3o Jo\xE3o \x99 5\x80";
    ASSERT_EQ(Run(SeaWaterWith(typed, "Comment \x99 \x80") + kPageCopiesAndPrint), 0) << Log();
    for (const char* plain : {"page.txt", "copy.txt"}) {
        EXPECT_NE(Read(plain).find(typed), std::string::npos) << plain << "\n" << Read(plain);
        EXPECT_NE(Read(plain).find("Comment \x99 \x80"), std::string::npos) << plain;
    }
    EXPECT_NE(Read("copy.rtf").find("\\'c1gua S\\'e3o Jo\\'e3o \\'99 5\\'80"), std::string::npos)
        << Read("copy.rtf");
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::string printed = Text(pdfs[0]);  // UTF-8
    EXPECT_NE(printed.find("\xC3\x81gua S\xC3\xA3o Jo\xC3\xA3o \xE2\x84\xA2 5\xE2\x82\xAC"),
              std::string::npos)
        << printed;
}

// An 89-character ID stands whole on the chemistry, indicators and
// temperature profile pages, broken after a blank within their 80 columns as
// the print breaks it; the rest of each page is the page of a short ID moved
// down by the lines the ID needs beyond its one.
TEST_F(TypedTextsRun, ALongIdIsBrokenOnThePagesAsOnThePrint) {
    const std::string id =
        "Produced water of separator train B at the north platform, sampled after deaerator outlet";
    ASSERT_EQ(id.size(), 89u);
    const std::string pages =
        "menu 1036\n"
        "text DisplayMUWater chem.txt\n"
        "text DisplayMUValues values.txt\n"
        "text DisplayTempWater temp.txt\n"
        "printer PDF\n"
        "menu 1013 DisplayMUWater\n";
    ASSERT_EQ(Run(SeaWaterWith(id) + pages + kLeave), 0) << Log();
    const std::vector<std::string> chem = TextLines(Read("chem.txt"));
    const std::vector<std::string> values = TextLines(Read("values.txt"));
    const std::vector<std::string> temp = TextLines(Read("temp.txt"));
    const std::vector<fs::path> pdfs = Pdfs();
    ASSERT_EQ(pdfs.size(), 1u) << Log();
    const std::vector<std::string> printed = TextLines(Text(pdfs[0]));

    const struct {
        const char* name;
        const std::vector<std::string>& lines;
        const char* below;  // the first heading under the identification
    } shown[] = {{"chemistry", chem, "CATIONS"},
                 {"indicators", values, "SATURATION"},
                 {"temperature", temp, " TEMPERATURE ("}};
    for (const auto& page : shown) {
        SCOPED_TRACE(page.name);
        for (const std::string& l : page.lines) EXPECT_LE(l.size(), 80u) << l;
        const std::vector<std::string> idLines =
            Between(page.lines, "Produced water", "deaerator outlet");
        ASSERT_EQ(idLines.size(), 1u);
        EXPECT_EQ(Words(Between(page.lines, "Produced water", page.below)), id);
    }
    // The print breaks after the same word.
    const std::vector<std::string> printedId = Between(printed, "Produced water", "____");
    ASSERT_EQ(printedId.size(), 2u) << Text(pdfs[0]);
    EXPECT_EQ(Words(printedId), id);
    const std::string firstBreak = Words({printedId[0]});
    EXPECT_EQ(Words(Between(chem, "Produced water", "deaerator outlet")), firstBreak);

    // The same pages with a short ID: the rows from the first heading on are
    // the same, one line higher.
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".txt") fs::remove(entry.path());
    Fresh();
    FreshPrinting();
    ASSERT_EQ(Run(SeaWaterWith("Well 12 north platform") + pages + kLeave), 0) << Log();
    const struct {
        const char* name;
        const std::vector<std::string>& lines;
        std::vector<std::string> shortLines;
        const char* below;
    } compared[] = {{"chemistry", chem, TextLines(Read("chem.txt")), "CATIONS"},
                    {"indicators", values, TextLines(Read("values.txt")), "SATURATION"},
                    {"temperature", temp, TextLines(Read("temp.txt")), " TEMPERATURE ("}};
    for (const auto& page : compared) {
        SCOPED_TRACE(page.name);
        ASSERT_EQ(page.lines.size(), page.shortLines.size() + 1);
        EXPECT_EQ(Between(page.lines, page.below, ""), Between(page.shortLines, page.below, ""));
    }
}

// The numbers of a line after its label `label`.
std::vector<double> NumbersAfter(const std::string& line, const std::string& label) {
    std::vector<double> numbers;
    const size_t at = line.find(label);
    if (at == std::string::npos) return numbers;
    std::istringstream in(line.substr(at + label.size()));
    for (std::string word; in >> word;) {
        if (word.front() == '[') word.erase(0, 1);
        if (!word.empty() && word.back() == ']') word.pop_back();
        if (!word.empty()) numbers.push_back(std::atof(word.c_str()));
    }
    return numbers;
}

// A product whose name holds a '_' and a '^' (the sample PHOS-BA renamed
// "PH_O^BA"): the temperature profile's chemistry page, its COPY, its RICH
// TEXT COPY and its printed report show the name as typed; the print gives it the row of doses
// the page shows under DOSAGE, and the printed pH profile with an acid feed
// stands its acid row under "pH CONTROL" as its page does.
TEST_F(TypedTextsRun, AProductNameIsCharactersOnTheProfilePageItsCopyAndItsPrint) {
    fs::create_directories(folder / "INHIB");
    {
        std::ifstream in(fs::path(TARVEX_BINARY_DIR) / "products" / "PHOSBA.PRD", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_NE(bytes.find("PHOS-BA"), std::string::npos);
        for (size_t at; (at = bytes.find("PHOS-BA")) != std::string::npos;)
            bytes.replace(at, 7, "PH_O^BA");
        std::ofstream(folder / "INHIB" / "PHOSBA.PRD", std::ios::binary) << bytes;
    }
    const std::string name = "PH_O^BA";
    ASSERT_EQ(Run(SeaWaterWith("Well 12") + "dialog 26 select 2601 " + name +
                  "\ndialog 26 press 1\nmenu 1056\nmenu 1036\n"
                  "text DisplayTempWater temp.txt\n"
                  "menu 985 DisplayTempWater\nclipboard save text copy.txt\n"
                  "menu 750 DisplayTempWater\nclipboard save rich text format copy.rtf\n"
                  "printer PDF\nmenu 1049\n"
                  "dialog 84 click 542\ndialog 84 press 1\nmenu 1041\nmenu 1038\n"
                  "text DisplaypHWater ph.txt\nprinter PDF\nmenu 1050\n" +
                  kLeave),
              0)
        << Log();
    std::string printedTemperature, printedPh;
    for (const fs::path& pdf : Pdfs()) {
        const std::string text = Text(pdf);
        if (text.find("WATER CHEMISTRY VERSUS TEMPERATURE") != std::string::npos)
            printedTemperature = text;
        if (text.find("WATER CHEMISTRY VERSUS pH") != std::string::npos) printedPh = text;
    }
    ASSERT_FALSE(printedTemperature.empty()) << Log();
    ASSERT_FALSE(printedPh.empty()) << Log();
    const std::vector<double> shown = NumbersAfter(LineWithText(Read("temp.txt"), name), name);
    ASSERT_EQ(shown.size(), 7u) << Read("temp.txt");
    for (const char* copy : {"copy.txt", "copy.rtf"})
        EXPECT_NE(Read(copy).find(name), std::string::npos) << copy << "\n" << Read(copy);
    const std::vector<double> printed = NumbersAfter(LineWithText(printedTemperature, name), name);
    ASSERT_EQ(printed.size(), 7u) << printedTemperature;
    // The print rounds a bracketed dose to a whole number.
    for (size_t k = 0; k < 7; ++k) EXPECT_NEAR(printed[k], shown[k], 0.01 * shown[k] + 0.5) << k;

    // The pH pages: the acid row under its heading, on the page and printed.
    for (const std::string& text : {Read("ph.txt"), printedPh}) {
        const std::vector<std::string> lines = TextLines(text);
        size_t heading = lines.size(), acid = lines.size();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (heading == lines.size() && lines[i].find("pH CONTROL") != std::string::npos)
                heading = i;
            if (acid == lines.size() && lines[i].find("Sulfuric Acid") != std::string::npos)
                acid = i;
        }
        ASSERT_LT(acid, lines.size()) << text;
        EXPECT_LT(heading, acid) << text;
        EXPECT_NE(text.find(name), std::string::npos) << text;
    }
}

}  // namespace
