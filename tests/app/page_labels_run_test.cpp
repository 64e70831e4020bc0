// Labels of the numbers the pages show, read from whole script runs: each
// profile chemistry page keeps the alkalinity form chosen on it (a multi-mix or
// another page's choice leaves it be), on the screen and in print.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/print_run_fixture.h"

namespace {

namespace fs = std::filesystem;

// Sea water typed into the source water form.
constexpr const char* kSeaWater =
    "dialog 80 set 407 8.1\ndialog 80 set 400 412\ndialog 80 set 401 1290\n"
    "dialog 80 set 404 10770\ndialog 80 set 414 19350\ndialog 80 set 415 2710\n"
    "dialog 80 set 419 142\ndialog 80 set 428 1.025\ndialog 80 press 1\nmenu 1030\n";
// Its temperature, pH and pressure profiles.
constexpr const char* kProfiles = "menu 1036\nmenu 1038\nmenu 228\n";

// Two waters of the multi-mix input, mixed half and half.
constexpr const char* kMultiMix =
    "answer yes Last Analysis\n"
    "dialog 115 set 400 100\ndialog 115 set 404 1000\ndialog 115 set 414 1700\n"
    "dialog 115 set 419 200\ndialog 115 set 492 50\ndialog 115 press 1\n"
    "dialog 115 next\ndialog 115 press 520\n"
    "dialog 115 set 407 8.3\ndialog 115 set 400 300\ndialog 115 set 401 50\n"
    "dialog 115 set 404 1000\ndialog 115 set 414 1900\ndialog 115 set 419 300\n"
    "dialog 115 set 492 50\ndialog 115 press 527\nmenu 113\n"
    "text DisplayMixedWater sources.txt\n";

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
    std::string script = std::string(kSeaWater) + kProfiles;
    const char* const stages[] = {"typed", "mixed", "chosen"};
    for (const char* stage : stages) {
        // The profiles run again after the mix: their pages painted anew.
        if (std::string(stage) == "mixed") script += std::string(kMultiMix) + kProfiles;
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
            const bool chosen = std::string(stage) == "chosen" && std::string(page) == "DisplaypHWater";
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

}  // namespace
