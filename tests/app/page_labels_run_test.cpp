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
