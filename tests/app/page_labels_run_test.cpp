// Labels of the numbers the pages show, read from whole script runs: each
// profile chemistry page keeps the alkalinity form chosen on it (a multi-mix or
// another page's choice leaves it be), on the screen and in print; the
// precipitation potential and momentary excess carry one unit label wherever
// they are shown, whatever the reporting basis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/print_run_fixture.h"

namespace {

namespace fs = std::filesystem;

// Sea water typed into the water form, up to its OK.
constexpr const char* kSeaWaterForm =
    "dialog 80 set 407 8.1\ndialog 80 set 400 412\ndialog 80 set 401 1290\n"
    "dialog 80 set 404 10770\ndialog 80 set 414 19350\ndialog 80 set 415 2710\n"
    "dialog 80 set 419 142\ndialog 80 set 428 1.025\ndialog 80 press 1\n";
// The sea water as the source water.
const std::string kSeaWater = std::string(kSeaWaterForm) + "menu 1030\n";
// Its temperature, pH and pressure profiles.
constexpr const char* kProfiles = "menu 1036\nmenu 1038\nmenu 228\n";

// Two waters of the multi-mix input, mixed half and half.
const std::string kMultiMix =
    std::string(kTwoWaterMultiMix) + "text DisplayMixedWater sources.txt\n";

constexpr const char* kQuit =
    "answer no Data has been modified\nanswer no Did you wish to leave data\n";

const char* const kProfilePages[] = {"DisplayTempWater", "DisplaypHWater", "DisplayPressWater"};

// The form a page text or print shows: "species" (dissolved CO2 and
// bicarbonate rows), "alkalinity" (acidity and "M" alkalinity rows), or "both
// or neither".
std::string FormOf(const std::string& text) {
    const bool species = text.find("Dissolved CO") != std::string::npos &&
                         text.find("Bicarbonate") != std::string::npos;
    const bool alkalinity = text.find("Acidity") != std::string::npos &&
                            text.find("\"M\" Alkalinity") != std::string::npos;
    return species == alkalinity ? "both or neither" : species ? "species" : "alkalinity";
}

class PageLabelsRun : public PrintRunFixture {};

TEST_F(PageLabelsRun, EachProfilePageKeepsItsOwnAlkalinityForm) {
    // The three pages after their profiles, after a multi-mix, after the
    // species form chosen on the pH page; then the pH and temperature pages
    // printed.
    std::string script = kSeaWater + kProfiles;
    const char* const stages[] = {"typed", "mixed", "chosen"};
    for (const char* stage : stages) {
        // The profiles run again after the mix: their pages painted anew.
        if (std::string(stage) == "mixed") script += kMultiMix + kProfiles;
        if (std::string(stage) == "chosen") script += "menu 1073 DisplaypHWater\n";
        for (const char* page : kProfilePages)
            script += std::string("text ") + page + " " + stage + "_" + page + ".txt\n";
    }
    script += "printer PDF\nmenu 1013 DisplaypHWater\nprinter PDF\nmenu 1013 DisplayTempWater\n";
    ASSERT_EQ(Run(script + kQuit), 0) << Log();

    for (const char* stage : stages) {
        for (const char* page : kProfilePages) {
            SCOPED_TRACE(std::string(stage) + " " + page);
            const std::string text = Read(std::string(stage) + "_" + page + ".txt");
            const bool chosen =
                std::string(stage) == "chosen" && std::string(page) == "DisplaypHWater";
            EXPECT_EQ(FormOf(text), chosen ? "species" : "alkalinity") << text;
        }
    }
    // The mix's own pages show the species.
    EXPECT_EQ(FormOf(Read("sources.txt")), "species") << Read("sources.txt");
    // Each print as its page.
    ASSERT_EQ(Pdfs().size(), 2u);
    const fs::path out = folder / "out";
    const std::string ph = Text(out / "Water Chemistry Versus pH.pdf");
    const std::string temperature = Text(out / "Water Chemistry Versus Temperature.pdf");
    EXPECT_EQ(FormOf(ph), "species") << ph;
    EXPECT_EQ(FormOf(temperature), "alkalinity") << temperature;
}

// Each water's potentials and excesses, in mg/L whatever the basis the water
// is typed and reported in: the surface, profile, mixing-ratio and multi-mix
// source pages, their copies and their prints all name that one unit.
TEST_F(PageLabelsRun, PotentialsAndExcessesNameOneUnitInEveryBasis) {
    const char* const valuesPages[] = {"DisplayMUValues",    "DisplayTempValues",
                                       "DisplaypHValues",    "DisplayPressValues",
                                       "DisplayMixedValues", "DisplayCycledValues"};
    for (const char* basis : {"632", "631", "633"}) {  // mg/L, ppm, epm
        SCOPED_TRACE(std::string("basis ") + basis);
        Fresh();
        FreshPrinting();
        fs::remove_all(folder / "out");
        fs::create_directories(folder / "out");
        // The sea water also as the injection and formation waters of the
        // waterflood mix.
        std::string script = std::string("dialog 29 click ") + basis +
                             "\ndialog 29 press 1\nmenu 1065\n" + kSeaWater + kProfiles +
                             kMultiMix + kSeaWaterForm + "menu 1031\n" + kSeaWaterForm +
                             "menu 1032\nmenu 1042\n";
        std::vector<std::string> names;
        for (const char* page : valuesPages) script += SaveCopyAndPrint(page, names);
        ASSERT_EQ(Run(script + kQuit), 0) << Log();
        std::vector<std::string> shown;
        for (const std::string& name : names) shown.push_back(Read(name));
        for (const fs::path& pdf : Pdfs()) shown.push_back(Text(pdf));
        ASSERT_EQ(shown.size(), 3 * std::size(valuesPages));
        std::set<std::string> units;
        for (const std::string& text : shown) {
            int found = 0;
            for (const std::string key : {"PRECIPITATION POTENTIAL", "MOMENTARY EXCESS"})
                for (size_t at = text.find(key); at != std::string::npos;
                     at = text.find(key, at + 1), ++found) {
                    const size_t open = text.find_first_not_of(' ', at + key.size());
                    const size_t close = text.find(')', open);
                    units.insert(open == std::string::npos || text[open] != '(' ||
                                         close == std::string::npos
                                     ? "<no unit after " + key + ">"
                                     : text.substr(open, close + 1 - open));
                }
            EXPECT_GE(found, 1) << text;  // the prints show the excess alone
        }
        EXPECT_EQ(units, std::set<std::string>{"(mg/L)"});
    }
}

// The first figure after `label` on its line (a word with a decimal point
// that is a number whole, past the label's own unit), NAN when none.
double FigureAfter(const std::string& text, const std::string& label) {
    for (const std::string& line : TextLines(text)) {
        const size_t at = line.find(label);
        if (at == std::string::npos) continue;
        std::istringstream words(line.substr(at + label.size()));
        for (std::string w; words >> w;) {
            char* end = nullptr;
            const double v = std::strtod(w.c_str(), &end);
            if (w.find('.') != std::string::npos && *end == '\0') return v;
        }
        return NAN;
    }
    return NAN;
}

// The carbonate species rows in epm are milliequivalents per kilogram, as the
// ions beside them, on every page that shows them and in its copy and print:
// the surface water's page, the temperature profile in the species form, the
// mixing profile, the multi-mix blend and its source waters. Each is the same
// page in ppm (mg per kilogram) over the species' milligrams per equivalent
// (dissolved CO2 one per mole, its acidity to the bicarbonate end point) (seen
// failing: the water page and the multi-mix pages in mg per kilogram in epm,
// sea water's bicarbonate 138.5 beside the profiles' 2.27).
TEST_F(PageLabelsRun, CarbonateSpeciesRowsShowTheBasisUnit) {
    const char* const pages[] = {"DisplayMUWater", "DisplayTempWater", "DisplayCycledWater",
                                 "DisplayMixedWaterOut", "DisplayMixedWater"};
    struct Row {
        const char* label;
        double perEq;
    };
    const Row rows[] = {{"Dissolved CO", 44.0095}, {"Bicarbonate", 61.0171}};
    std::map<std::string, std::map<std::string, std::string>> shown;  // basis -> where -> text
    for (const char* basis : {"631", "633"}) {  // ppm, epm
        SCOPED_TRACE(std::string("basis ") + basis);
        Fresh();
        FreshPrinting();
        fs::remove_all(folder / "out");
        fs::create_directories(folder / "out");
        fs::remove(folder / "summary.csv");
        // The waters typed in mg/L, the basis set after them.
        std::string script = kSeaWaterForm + std::string("menu 1031\n") + kSeaWaterForm +
                             "menu 1032\n" + kTwoWaterMultiMix + kSeaWater +
                             "dialog 29 click " + basis + "\ndialog 29 press 1\nmenu 1065\n" +
                             "menu 1036\nmenu 1073 DisplayTempWater\nmenu 1042\n";
        std::vector<std::string> names;
        for (const char* page : pages) script += SaveCopyAndPrint(page, names);
        // The one-page summary, printed and exported.
        script += "menu 1248\nfile summary.csv\nanswer no\nmenu 1655 DisOnePage\n"
                  "printer PDF\nmenu 1013 DisOnePage\n";
        ASSERT_EQ(Run(script + kQuit), 0) << Log();
        for (const std::string& name : names) shown[basis][name] = Read(name);
        std::string csv = Read("summary.csv");
        std::replace(csv.begin(), csv.end(), ',', ' ');
        shown[basis]["summary.csv"] = csv;
        for (const fs::path& pdf : Pdfs()) shown[basis][pdf.filename().string()] = Text(pdf);
    }
    ASSERT_EQ(shown["631"].size(), 3 * std::size(pages) + 2);
    for (const auto& [where, ppm] : shown["631"]) {
        SCOPED_TRACE(where);
        const std::string& epm = shown["633"][where];
        for (const Row& r : rows) {
            const double mg = FigureAfter(ppm, r.label), meq = FigureAfter(epm, r.label);
            ASSERT_TRUE(std::isfinite(mg)) << r.label << "\n" << ppm;
            ASSERT_TRUE(std::isfinite(meq)) << r.label << "\n" << epm;
            // The rounding of a row: 0.05 mg, 0.006 meq.
            EXPECT_NEAR(meq, mg / r.perEq, 0.02 * mg / r.perEq + 0.05 / r.perEq + 0.006)
                << r.label << "\n" << ppm << epm;
        }
    }
}

}  // namespace

namespace {

// The words after the first `label` of a text.
std::vector<std::string> WordsAfter(const std::string& text, const std::string& label) {
    for (const std::string& line : TextLines(text)) {
        const size_t at = line.find(label);
        if (at == std::string::npos) continue;
        std::istringstream in(line.substr(at + label.size()));
        std::vector<std::string> words;
        for (std::string w; in >> w;) words.push_back(w);
        return words;
    }
    return {};
}

// The significant figures a number's text shows ("0.00340" 3, "0.02" 1,
// "3.40e-4" 3).
int Figures(const std::string& word) {
    std::string digits;
    for (char c : word.substr(0, word.find_first_of("eE"))) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : static_cast<int>(digits.size() - first);
}

// A number read as `value` to three significant figures.
bool ReadsToThreeFigures(const std::string& word, double value) {
    const double shown = std::strtod(word.c_str(), nullptr);
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 2);
    return Figures(word) >= 3 && std::fabs(shown - value) <= 0.5001 * unit;
}

}  // namespace

namespace {

// The sea water typed by its pCO2 (pH -1: the pH found from it), with H2S.
constexpr const char* kSeaWaterByPco2 =
    "dialog 80 set 407 -1\ndialog 80 set 822 0.0234\ndialog 80 set 400 412\n"
    "dialog 80 set 401 1290\ndialog 80 set 404 10770\ndialog 80 set 414 19350\n"
    "dialog 80 set 415 2710\ndialog 80 set 419 142\ndialog 80 set 421 10\n"
    "dialog 80 set 428 1.025\ndialog 80 press 1\nmenu 1030\n";

// The pCO2 profile's axis, its pCO2 row, the water's pCO2 row and the
// multi-mix waters' pCO2 row read each pCO2 to three significant figures on
// the pages, their copies, rich text, prints and spreadsheet copy, on axes
// whose points differ in the third figure; and in epm the H2S row (in
// milliequivalents) and the dissolved CO2 row (in millimoles) name their
// unit, which no other basis needs (seen failing: "3.40e-3 0.01 0.02 0.04
// 0.05 0.06 0.07" for 0.0034 ... 0.068, two points of 0.001 ... 0.02 both
// "0.01", the water's 0.0234 "0.02", both rows unlabelled in epm).
TEST_F(PageLabelsRun, Pco2RowsAndGasRowUnitsReadAsTheirAxisInEveryBasis) {
    struct Axis {
        double low, high;
    };
    const Axis axes[] = {{0.0034, 0.068}, {0.001, 0.02}};
    for (const char* basis : {"632", "631", "633"}) {  // mg/L, ppm, epm
        SCOPED_TRACE(std::string("basis ") + basis);
        const bool epm = std::string(basis) == "633";
        // A fresh folder: the plot variable's choice is kept in its settings.
        Fresh();
        FreshPrinting();
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().filename() != "printers.cfg") fs::remove_all(e.path());
        fs::create_directories(folder / "out");
        std::string script = std::string(kSeaWaterByPco2) + kMultiMix + "dialog 29 click " +
                             basis + "\ndialog 29 press 1\nmenu 1065\n" +
                             "answer yes\nmenu 1076\n";
        std::vector<std::string> names;
        for (size_t a = 0; a < std::size(axes); ++a) {
            std::ostringstream range;
            range << "dialog 84 set 540 " << axes[a].low << "\ndialog 84 set 541 "
                  << axes[a].high << "\ndialog 84 press 1\nmenu 1041\nmenu 1038\n";
            script += range.str();
            if (a == 0) script += "menu 1073 DisplaypHWater\n";  // the species form
            const std::string tag = "axis" + std::to_string(a);
            names.push_back(tag + ".txt");
            names.push_back(tag + "-copy.txt");
            names.push_back(tag + ".rtf");
            script += "text DisplaypHWater " + tag + ".txt\nmenu 985 DisplaypHWater\n" +
                      "clipboard save text " + tag + "-copy.txt\nmenu 750 DisplaypHWater\n" +
                      "clipboard save rich text format " + tag + ".rtf\n";
            if (a == 0) script += "printer PDF\nmenu 1013 DisplaypHWater\n";
        }
        const size_t axisTexts = names.size();
        for (const char* page : {"DisplayMUWater", "DisplayMixedWater"})
            script += SaveCopyAndPrint(page, names);
        names.push_back("excel.csv");
        names.push_back("water.rtf");
        script += "menu 755 DisplayMUWater\nclipboard save Csv excel.csv\n"
                  "menu 750 DisplayMUWater\nclipboard save rich text format water.rtf\n"
                  "menu 1248\nprinter PDF\nmenu 1013 DisOnePage\n";
        ASSERT_EQ(Run(script + kQuit), 0) << Log();
        std::map<std::string, std::string> shown;
        for (const std::string& name : names) shown[name] = Read(name);
        const std::vector<fs::path> pdfs = Pdfs();
        ASSERT_EQ(pdfs.size(), 4u) << Log();
        for (const fs::path& pdf : pdfs) shown[pdf.filename().string()] = Text(pdf);

        // The axis of each profile, and its pCO2 row on the page and its copies.
        for (size_t a = 0; a < std::size(axes); ++a) {
            for (size_t n = 0; n < 3; ++n) {
                const std::string& name = names[3 * a + n];
                const std::string& text = shown[name];
                std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
                    {"CATIONS", WordsAfter(text, "CATIONS")}};
                if (n < 2) rows.push_back({"pCO2(atm)", WordsAfter(text, "pCO2(atm)")});
                for (const auto& [label, words] : rows) {
                    ASSERT_GE(words.size(), 7u) << name << " " << label << "\n" << text;
                    for (int k = 0; k < 7; ++k) {
                        const double v = axes[a].low + (axes[a].high - axes[a].low) * k / 6.0;
                        EXPECT_TRUE(ReadsToThreeFigures(words[k], v))
                            << name << " " << label << ": point " << k << " " << v << " reads "
                            << words[k];
                    }
                }
            }
        }
        ASSERT_EQ(axisTexts, 6u);
        const std::string profilePrint = shown["Water Chemistry Versus pCO2.pdf"];
        const std::vector<std::string> printed = WordsAfter(profilePrint, "CATIONS");
        ASSERT_GE(printed.size(), 7u) << profilePrint;
        for (int k = 0; k < 7; ++k) {
            const double v = axes[0].low + (axes[0].high - axes[0].low) * k / 6.0;
            EXPECT_TRUE(ReadsToThreeFigures(printed[k], v)) << "print: " << printed[k];
        }
        // The water's own pCO2; the multi-mix waters' pCO2 to three figures.
        for (const std::string name : {"DisplayMUWater.txt", "DisplayMUWater-copy.txt"}) {
            const std::vector<std::string> words = WordsAfter(shown[name], "pCO2(atm)");
            ASSERT_FALSE(words.empty()) << name << "\n" << shown[name];
            EXPECT_TRUE(ReadsToThreeFigures(words[0], 0.0234)) << name << ": " << words[0];
        }
        for (const std::string name : {"DisplayMixedWater.txt", "DisplayMixedWater-copy.txt"}) {
            const std::vector<std::string> words = WordsAfter(shown[name], "pCO2(atm)");
            ASSERT_GE(words.size(), 2u) << name << "\n" << shown[name];
            for (const std::string& w : words)
                EXPECT_TRUE(w == "0.00" || Figures(w) >= 3) << name << ": " << w;
        }
        std::string excel = shown["excel.csv"];
        std::replace(excel.begin(), excel.end(), ',', ' ');
        std::replace(excel.begin(), excel.end(), '"', ' ');
        for (const auto& [name, label] : {std::pair{excel, std::string("pCO2(atm)")},
                                          {shown["water.rtf"], "pCO{\\sub 2}(atm)"}}) {
            const std::vector<std::string> words = WordsAfter(name, label);
            ASSERT_FALSE(words.empty()) << name;
            EXPECT_TRUE(ReadsToThreeFigures(words[0], 0.0234)) << label << ": " << words[0];
        }

        // The rows' units: every text that shows the H2S and dissolved CO2 rows.
        size_t withRows = 0;
        for (const auto& [name, text] : shown) {
            if (name.find("axis1") != std::string::npos) continue;  // as axis0
            SCOPED_TRACE(name);
            const auto count = [&text](const std::string& unit) {
                size_t n = 0;
                for (size_t at = text.find(unit); at != std::string::npos;
                     at = text.find(unit, at + 1))
                    ++n;
                return n;
            };
            ++withRows;
            EXPECT_EQ(count("(meq)"), epm ? 1u : 0u) << text;
            EXPECT_EQ(count("(mmol)"), epm ? 1u : 0u) << text;
        }
        EXPECT_EQ(withRows, 13u);
    }
}

}  // namespace
