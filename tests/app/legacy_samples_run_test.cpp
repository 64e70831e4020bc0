// The bundled work files of older versions (data/samples/legacy), opened as a
// user opens them: each is restored, those of versions 500 and up are brought
// up to date, the surface water's form shows what the file holds, and its
// pages show the same chemistry as the sea water typed into the form with the
// partial pressure of CO2 the file holds (the older versions kept the one
// their calculation found beside the water, and a water's form gives it back).
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/program_run_fixture.h"

namespace {

namespace fs = std::filesystem;

// The sea water of the samples' surface water, typed into the water form
// (its pCO2 to follow).
constexpr const char* kSeaWaterTyped =
    "dialog 80 set 407 8.1\ndialog 80 set 400 412\ndialog 80 set 401 1290\n"
    "dialog 80 set 402 0.01\ndialog 80 set 403 7.9\ndialog 80 set 404 10760\n"
    "dialog 80 set 405 399\ndialog 80 set 406 0.18\ndialog 80 set 414 19350\n"
    "dialog 80 set 415 2710\ndialog 80 set 472 67\ndialog 80 set 425 1.3\n"
    "dialog 80 set 413 4.5\ndialog 80 set 422 2\ndialog 80 set 419 140\n"
    "dialog 80 set 427 77\ndialog 80 set 429 1\ndialog 80 set 428 1.025\n";

// What the surface pages show of the water: the analysis page from its
// cations to its corrosion block (above them the sample number and dates,
// below them rates that read settings the oldest versions did not store), and
// the saturation ratios of the carbonates and sulfates on the indicators page.
std::string Chemistry(const std::string& analysis, const std::string& indicators) {
    std::string shown;
    bool in = false;
    for (const std::string& line : TextLines(analysis)) {
        if (line.find("CATIONS") != std::string::npos) in = true;
        if (line.find("CORROSION") != std::string::npos) in = false;
        if (in) shown += line + "\n";
    }
    const std::vector<std::string> lines = TextLines(indicators);
    for (size_t k = 0; k < lines.size(); ++k)
        if (lines[k].find("SATURATION LEVEL") != std::string::npos)
            for (size_t row = k + 1; row <= k + 10 && row < lines.size(); ++row)
                shown += lines[row].substr(0, 41) + "\n";
    return shown;
}

class LegacySamplesRun : public ProgramRunFixture {
  protected:
    std::string Pages() { return Chemistry(Read("water.txt"), Read("values.txt")); }
    // The pages of the sea water typed with `pco2` (as the form shows it).
    std::string Typed(const std::string& pco2) {
        Fresh();
        const std::string script =
            std::string(kSeaWaterTyped) + "dialog 80 set 822 " + pco2 +
            "\ndialog 80 press 1\nmenu 1030\n" +
            "text DisplayMUWater water.txt\ntext DisplayMUValues values.txt\n"
            "answer no Data has been modified\n";
        EXPECT_EQ(Run(script), 0) << Log();
        return Pages();
    }
};

TEST_F(LegacySamplesRun, EachBundledOlderFileOpensWithItsSurfaceWater) {
    const std::string pages = "text DisplayMUWater water.txt\ntext DisplayMUValues values.txt\n";
    const std::string typed = Typed("0");
    ASSERT_NE(typed.find("Calcium(as Ca)           412.00"), std::string::npos) << typed;
    ASSERT_NE(typed.find("Calcite:                 CaCO3    4.04"), std::string::npos) << typed;

    struct Sample {
        const char* name;
        bool updated;  // versions 500 to 556 are recomputed after the load
    };
    for (const Sample s :
         {Sample{"V123.KRV", false}, Sample{"V503.KRV", true}, Sample{"V529.KRV", true}}) {
        SCOPED_TRACE(s.name);
        Fresh();
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/legacy" / s.name, folder / s.name,
                      fs::copy_options::overwrite_existing);
        // A refused file leaves the typed water changed behind it: the quit asks.
        const std::string script = std::string("file \\") + s.name +
                                   "\nmenu 1020\n"
                                   "dialog 80 read 400\ndialog 80 read 414\ndialog 80 read 822\n"
                                   "dialog 80 press 1\n"
                                   "menu 1030\n" +
                                   pages + "answer no Data has been modified\n";
        ASSERT_EQ(Run(script), 0) << Log();
        const std::string log = Log();
        EXPECT_NE(log.find(std::string("message box \"\\") + s.name +
                           "\": \"FILE SUCCESSFULLY RESTORED!\""),
                  std::string::npos)
            << log;
        EXPECT_EQ(log.find("Error encountered"), std::string::npos) << log;
        EXPECT_EQ(log.find("Updating water chemistry calculations to current Tarvex(R) version.") !=
                      std::string::npos,
                  s.updated)
            << log;
        // The form shows the stored analysis: calcium and chloride.
        EXPECT_NE(log.find("read 400 \"412.00"), std::string::npos) << log;
        EXPECT_NE(log.find("read 414 \"19350"), std::string::npos) << log;
        // The stored sample number heads the page; the chemistry is the typed water's.
        EXPECT_NE(Read("water.txt").find("Sample ID: 101 "), std::string::npos)
            << Read("water.txt");
        const std::string shown = Pages();
        const size_t read = log.find("read 822 \"");
        ASSERT_NE(read, std::string::npos) << log;
        const size_t from = read + 10;
        const std::string pco2 = log.substr(from, log.find('"', from) - from);
        ASSERT_GT(std::strtod(pco2.c_str(), nullptr), 0.0) << log;
        EXPECT_EQ(shown, Typed(pco2));
        // Its saturation ratios are those of the water typed without a pCO2.
        EXPECT_EQ(shown.substr(shown.find("Calcite:")), typed.substr(typed.find("Calcite:")))
            << "pCO2 " << pco2;
    }
}

// The waterflood mix (injection sea water into the formation brine) of each
// bundled file: every older file's waters blend with the carbonate of both
// waters in the blend. The older files' waters get their carbonate from a
// calculation on opening, so they blend alike (but for the conductivity, which
// the oldest keeps as stored); the current sample keeps the carbonate its save stored,
// which for the formation brine typed at 200 F an earlier calculation found,
// so it is held to the sea water's end and to the carbonate being there.
TEST_F(LegacySamplesRun, EachBundledFileMixesItsWatersWithTheirCarbonate) {
    // The mix pages below their sample line (dates and sample number differ).
    auto mixOf = [this](const fs::path& file) {
        Fresh();
        fs::copy_file(file, folder / file.filename(), fs::copy_options::overwrite_existing);
        const std::string script = "file \\" + file.filename().string() +
                                   "\nmenu 1020\nmenu 1042\n"
                                   "text DisplayCycledWater mix.txt\n"
                                   "text DisplayCycledValues values.txt\n"
                                   "answer no Data has been modified\n";
        EXPECT_EQ(Run(script), 0) << Log();
        std::string shown;
        for (const char* page : {"mix.txt", "values.txt"}) {
            const std::vector<std::string> lines = TextLines(Read(page));
            for (size_t k = 3; k < lines.size(); ++k)
                if (lines[k].find("Calc. Conductivity") == std::string::npos)
                    shown += lines[k] + "\n";
        }
        return shown;
    };
    const fs::path samples = fs::path(TARVEX_SOURCE_DIR) / "data/samples";
    // The carbonate rows and the sea water's own calcite at 100 % injection.
    auto expectTheCarbonate = [](const std::string& mix) {
        for (const char* row : {"Dissolved CO2", "Bicarbonate", "Carbonate"}) {
            const size_t at = mix.find(std::string("    ") + row + " ");
            ASSERT_NE(at, std::string::npos) << row << "\n" << mix;
            std::istringstream values(mix.substr(at + 24, mix.find('\n', at) - at - 24));
            for (double v; values >> v;) EXPECT_GT(v, 0.0) << row << "\n" << mix;
        }
        EXPECT_NE(mix.find("    4.04\n    Aragonite"), std::string::npos) << mix;
    };
    expectTheCarbonate(mixOf(samples / "waterflood.krv"));
    const std::string older = mixOf(samples / "legacy" / "V503.KRV");
    expectTheCarbonate(older);
    for (const char* name : {"V123.KRV", "V529.KRV"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(mixOf(samples / "legacy" / name), older);
    }
}

}  // namespace
