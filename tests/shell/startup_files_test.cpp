// What a start leaves in the install folder: the settings files created on the
// first start, nothing changed on the next, and the end of the program when a
// data file cannot be made.
#include <sys/stat.h>

#include <cstring>
#include <ctime>

#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "shell/mainwindow/win_main.h"
#include "shell/settings/data_files.h"
#include "shell/settings/units_file.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

using StartupFilesTest = ShellTest;

TEST_F(StartupFilesTest, FirstStartCreatesTheFilesAndSecondStartChangesNothing) {
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(ReadFile("plunit.cnf").size(), 104u);
    const std::vector<uint8_t> config = ReadFile("zorin.cnf");
    ASSERT_EQ(config.size(), 1082u);
    EXPECT_EQ(GetWord(config, 0), 557);
    EXPECT_TRUE(Exists("heads.cnf"));
    EXPECT_TRUE(ReadFile("heads.cnf").empty());
    EXPECT_TRUE(Exists("FILES/FTN01.BIN"));
    EXPECT_TRUE(Exists("FILES/FTN02.BIN"));
    ASSERT_EQ(BoxCount("WARNING"), 1);
    EXPECT_EQ(win::MessageBoxLog()[0].text, kUnitsFileWarning);
    EXPECT_TRUE(failures.empty());

    const std::vector<std::string> names = {"plunit.cnf", "zorin.cnf", "heads.cnf",
                                            "FILES/FTN01.BIN", "FILES/FTN02.BIN"};
    std::vector<std::vector<uint8_t>> before;
    for (const auto& n : names) before.push_back(ReadFile(n));

    Restart();
    ASSERT_EQ(Start(), 1);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(ReadFile(names[i]), before[i]) << names[i];
}

TEST_F(StartupFilesTest, SettingsFilesLeftHiddenOrReadOnlyGetNormalAttributes) {
    ASSERT_EQ(Start(), 1);
    ASSERT_TRUE(win::SetFileAttributes("\\plunit.cnf", win::FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(win::SetFileAttributes("\\zorin.cnf", win::FILE_ATTRIBUTE_READONLY));
    Restart();
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(win::GetFileAttributes("\\plunit.cnf"), win::FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(win::GetFileAttributes("\\zorin.cnf"), win::FILE_ATTRIBUTE_NORMAL);
}

TEST_F(StartupFilesTest, DataFilesThatCannotBeOpenedEndTheProgramNamingTheFileAndTheCause) {
    struct Case {
        const char* what;
        void (*make)(const fs::path& folder);
        const char* file;   // the data file named
        const char* cause;  // the cause told on the line after the words
    };
    const Case cases[] = {
        {"FILES a plain file",
         [](const fs::path& f) { std::ofstream(f / "FILES") << 'x'; }, "FTN01.BIN",
         "Not a directory"},
        {"FTN01.BIN a folder",
         [](const fs::path& f) { fs::create_directories(f / "FILES" / "FTN01.BIN"); },
         "FTN01.BIN", "Is a directory"},
        {"FTN02.BIN a pipe",
         [](const fs::path& f) {
             fs::create_directories(f / "FILES");
             ASSERT_EQ(::mkfifo((f / "FILES" / "FTN02.BIN").c_str(), 0644), 0);
         },
         "FTN02.BIN", "Not a regular file"},
        {"FILES a pipe",
         [](const fs::path& f) { ASSERT_EQ(::mkfifo((f / "FILES").c_str(), 0644), 0); },
         "FTN01.BIN", "Not a directory"},
        {"FTN01.BIN a link to itself",
         [](const fs::path& f) {
             fs::create_directories(f / "FILES");
             fs::create_symlink("FTN01.BIN", f / "FILES" / "FTN01.BIN");
         },
         "FTN01.BIN", "Too many levels of symbolic links"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.make(folder);
        Restart();
        // The start did not go on, and the exit code says so.
        const int code = WinMain(win::GetModuleHandle(nullptr), nullptr, "", win::SW_SHOWNORMAL);
        EXPECT_EQ(code, kExitStartEnded);
        ASSERT_FALSE(win::MessageBoxLog().empty());
        const win::MessageBoxRecord& last = win::MessageBoxLog().back();
        EXPECT_EQ(last.caption, "WARNING");
        const std::string words = "FILES CRITICAL TO OPERATION ARE MISSING!  CONTACT TECH SUPPORT.\n";
        ASSERT_EQ(last.text.substr(0, words.size()), words);
        const std::string below = last.text.substr(words.size());
        EXPECT_NE(below.find(std::string("\\FILES\\") + c.file + ": " + c.cause),
                  std::string::npos)
            << below;
        EXPECT_EQ(below.find('\n'), std::string::npos) << below;
        EXPECT_EQ(last.owner, nullptr);
        // The guard before it told the same file and cause under its own words.
        bool guardTold = false;
        for (const win::MessageBoxRecord& box : win::MessageBoxLog())
            guardTold = guardTold || (box.text.find("can not be opened or created") !=
                                          std::string::npos &&
                                      box.text.find(std::string(c.file) + ": " + c.cause) !=
                                          std::string::npos);
        EXPECT_TRUE(guardTold);
        EXPECT_TRUE(failures.empty()) << "no loop may have run: "
                                      << (failures.empty() ? "" : failures[0]);
    }
}

// Files of 2 GB where the start reads its settings and opens its data files
// (sparse: nothing is written to the disk): each is read by its layout, no
// further, and the start is as quick as with files of their own size.
TEST_F(StartupFilesTest, SettingsAndDataFilesOfAnySizeAreReadNoFurtherThanTheirLayout) {
    const uintmax_t huge = uintmax_t{2} << 30;
    fs::create_directories(folder / "FILES");
    for (const char* name : {"plunit.cnf", "heads.cnf", "zorin.cnf", "FILES/FTN01.BIN",
                             "FILES/FTN02.BIN"}) {
        std::ofstream(folder / name).put('\0');
        fs::resize_file(folder / name, huge);
    }
    // The start's work, not its time on the clock, which a busy machine stretches.
    const std::clock_t start = std::clock();
    ASSERT_EQ(Start(), 1);
    EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 5.0);
    // A units file of zeros is the first unit of each item, as its layout
    // reads; the display settings with version word 0 are made anew.
    EXPECT_EQ(unitCodes.code[UnitItem::kTemperature], 0);
    EXPECT_EQ(ReadFile("zorin.cnf").size(), 1082u);
    EXPECT_EQ(fs::file_size(folder / "FILES/FTN01.BIN"), huge);
    EXPECT_EQ(BoxCount("WARNING"), 0);
}

TEST_F(StartupFilesTest, StartUpRegistersEveryClassAndClipboardFormat) {
    ASSERT_EQ(Start(), 1);
    const char* classes[] = {"TarvexMainClass",
                             "DisplayMUValues",
                             "DisplayMUWater",
                             "DisplayCycledValues",
                             "Precip",
                             "WellLogDisOnePage",
                             "DisOnePage",
                             "DisplaypHValues",
                             "DisplayPressValues",
                             "DisplayTempValues",
                             "DisplayCycledWater",
                             "DisplayPressWater",
                             "DisplaypHWater",
                             "DisplayTempWater",
                             "DisplayMixedWater",
                             "DisplayMixedValues",
                             "DisplayMixedWaterOut",
                             "DisplayMixedValuesOut",
                             "wcGraphWindow",
                             "wc2DGraphWindow",
                             "WellLogSummaryGraphWindow",
                             "AlkGraphWindow",
                             "HELP",
                             "ProgressBar",
                             "w_static",
                             "w_static_ctr",
                             "w_static_rt"};
    for (const char* c : classes) {
        win::WNDCLASS wc;
        EXPECT_TRUE(win::GetClassInfo(mainWindowState.instance, c, &wc)) << c;
    }
    win::WNDCLASS main;
    ASSERT_TRUE(win::GetClassInfo(mainWindowState.instance, "TarvexMainClass", &main));
    EXPECT_EQ(main.menuId, 9);
    const win::UINT formats[] = {clipboardFormats.cfIntermediate, clipboardFormats.cfResults,
                                 clipboardFormats.cfCombined,     clipboardFormats.cfMultiMix,
                                 clipboardFormats.cfRichText,     clipboardFormats.cfXlTable,
                                 clipboardFormats.cfCsv};
    const char* names[] = {"tkIntermediate",   "tkResults", "tkCombined", "tkMultiMix",
                           "rich text format", "XlTable",   "Csv"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(formats[i], win::RegisterClipboardFormat(names[i])) << names[i];

    // Started minimised, the window is maximised all the same.
    EXPECT_TRUE(win::IsZoomed(mainWindowState.mainWindow));
    EXPECT_EQ(win::WindowText(mainWindowState.mainWindow), "Tarvex");
}

TEST_F(StartupFilesTest, AClassNameMissingFromTheStringTableStopsStartUp) {
    win::ClearResourceStrings();
    EXPECT_EQ(WinMain(win::GetModuleHandle(nullptr), nullptr, "", win::SW_SHOWNORMAL), 0);
    EXPECT_EQ(win::FindWindow("TarvexMainClass", nullptr), nullptr);
    EXPECT_FALSE(Exists("plunit.cnf"));
    RegisterStringTable();
}

TEST_F(StartupFilesTest, WhatIfRangesStartFromTheUnitDefaultsWhateverTheFileHolds) {
    // Units file: temperature in degrees C (item 18 = 1), pressure in psia
    // (item 22 = 2), gas CO2 unit 3.
    std::vector<uint8_t> units(104, 0);
    PutWord(units, 2 * 18, 1);
    PutWord(units, 2 * 22, 2);
    PutWord(units, 2 * 23, 3);
    PutWord(units, 100, 2);  // alkalinity mode
    WriteFile("plunit.cnf", units);
    ASSERT_EQ(Start(), 1);
    // Start values: 21, 54, 43 degrees C, the 3D graphs at 50; 14.7 to 1470 psia; pCO2 0.3 to 5.
    EXPECT_FLOAT_EQ(whatIfSettings.temperatureLow, 21.0f);
    EXPECT_FLOAT_EQ(whatIfSettings.temperatureHigh, 54.0f);
    EXPECT_FLOAT_EQ(whatIfSettings.temperatureEval, 43.0f);
    EXPECT_FLOAT_EQ(graphRangeSettings.gridTemperatureEval, 50.0f);
    EXPECT_FLOAT_EQ(whatIfSettings.pressureLow, 14.7f);
    EXPECT_FLOAT_EQ(whatIfSettings.pressureHigh, 1470.0f);
    EXPECT_FLOAT_EQ(whatIfSettings.pco2Low, 0.3f);
    EXPECT_FLOAT_EQ(whatIfSettings.pco2Eval, 1.0f);
    EXPECT_FLOAT_EQ(whatIfSettings.phEval, 6.5f);
    // The file keeps what it was written with.
    const std::vector<uint8_t> config = ReadFile("zorin.cnf");
    float storedPhLow;
    std::memcpy(&storedPhLow, &config[1022], 4);
    EXPECT_NE(storedPhLow, 5.6f);
}

TEST_F(StartupFilesTest, GraphWordsStartWithCalciteAloneAndEqualMixingCopies) {
    ASSERT_EQ(Start(), 1);
    EXPECT_EQ(graphIndexCodes[0], 0);
    for (int i = 1; i < kGraphIndexCodeCount; ++i) EXPECT_EQ(graphIndexCodes[i], kNoGraphIndex);
    EXPECT_EQ(graphChoice.count, 1);
    EXPECT_EQ(graphChoice.codes[0], 0);
    EXPECT_EQ(graphRangeSettings.gridMixLow, 0.0f);
    EXPECT_EQ(graphRangeSettings.gridMixHigh, 100.0f);
    EXPECT_EQ(graphRangeSettings.mixTypicalPercent, 16.66666f);
    EXPECT_EQ(mixingZoneSettings.gridMixLow, graphRangeSettings.gridMixLow);
    EXPECT_EQ(mixingZoneSettings.gridMixHigh, graphRangeSettings.gridMixHigh);
    EXPECT_EQ(mixingZoneSettings.mixTypicalPercent, graphRangeSettings.mixTypicalPercent);
    // The four screen words follow the display; treated colour coding starts off.
    const GraphOutputFlags& f = graphOutputFlags;
    EXPECT_EQ(f.colorNow, f.displayColorAvailable);
    EXPECT_EQ(f.exportColor, f.displayColorAvailable);
    EXPECT_EQ(f.displayColor, f.displayColorAvailable);
    EXPECT_EQ(f.printColorAvailable, f.printColor);
    EXPECT_EQ(f.treatedColorCoding, 0);
    EXPECT_EQ(f.renderTarget, RenderTarget::kScreen);
}

}  // namespace
}  // namespace shelltest
