// Scripted runs of the input dialogs: the bundled sea water typed into the
// source water form, copied and stored (the analysis on the clipboard in base
// units with the engine's results, the menu afterwards, the exit questions);
// a unit chosen and a what-if range made the default; two waterflood waters
// mixed after the mixing zone was set.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "engine/records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "platform/win.h"
#include "shell/records.h"
#include "tests/app/program_run_fixture.h"
#include "treatment/records.h"

namespace {

namespace fs = std::filesystem;

class InputDialogsRunTest : public ProgramRunFixture {};

// The "SR slot value" lines of the engine harness's recorded run on the same
// water (tarvex-engine water data/samples/seawater.wat).
std::map<int, double> HarnessResults() {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/tests/harness/fixtures/water_seawater.txt");
    std::map<int, double> results;
    std::string tag;
    int slot = 0;
    double value = 0.0;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        if (words >> tag >> slot >> value && tag == "SR") results[slot] = value;
    }
    return results;
}

TEST_F(InputDialogsRunTest, SeaWaterCopiedFromTheSourceForm) {
    const std::string script =
        "dialog 80 set 407 8.1\n"
        "dialog 80 set 400 412\n"
        "dialog 80 set 401 1290\n"
        "dialog 80 set 402 0.01\n"
        "dialog 80 set 403 7.9\n"
        "dialog 80 set 404 10760\n"
        "dialog 80 set 405 399\n"
        "dialog 80 set 406 0.18\n"
        "dialog 80 set 414 19350\n"
        "dialog 80 set 415 2710\n"
        "dialog 80 set 472 67\n"
        "dialog 80 set 425 1.3\n"
        "dialog 80 set 413 4.5\n"
        "dialog 80 set 422 2\n"
        "dialog 80 set 419 140\n"
        "dialog 80 set 427 77\n"
        "dialog 80 set 429 1\n"
        "dialog 80 set 428 1.025\n"
        "dialog 80 press 1278\n"
        "dialog 80 press 1\n"
        "menu 1030\n"
        "clipboard save tkIntermediate " +
        (folder / "sw.bin").string() +
        "\n"
        "menustate\n"
        "answer no Data has been modified\n"
        "answer no Did you wish to leave data\n";
    ASSERT_EQ(Run(script), 0) << Log();
    const std::string log = Log();
    EXPECT_NE(log.find("window created DialogBox \"SURFACE WATER CHEMISTRY INPUT FORM\""),
              std::string::npos);
    EXPECT_NE(log.find("clipboard holds \"tkIntermediate\" (3104 bytes)"), std::string::npos);
    EXPECT_NE(log.find("[1030] \" &Source Water Analysis\" (checked)"), std::string::npos) << log;
    for (const char* id : {"[1036]", "[1037]", "[1038]", "[1039]", "[1040]", "[1048]"}) {
        const size_t at = log.find(id);
        ASSERT_NE(at, std::string::npos) << id;
        const std::string line = log.substr(at, log.find('\n', at) - at);
        EXPECT_EQ(line.find("(grayed)"), std::string::npos) << line;
    }
    EXPECT_NE(log.find("message box \"DATA HAS CHANGED!\""), std::string::npos);
    // The caption asks what Yes does, as its question does: leave the analysis there.
    EXPECT_NE(log.find("message box \"LEAVE CLIPBOARD ANALYSIS?\": \"Did you wish to leave data "
                       "on the Windows Clipboard"),
              std::string::npos);
    EXPECT_NE(log.find("exit code 0"), std::string::npos);

    const std::vector<uint8_t> block = Bytes("sw.bin");
    ASSERT_EQ(block.size(), 3104u);
    auto slot = [&](int k) { return bytes::GetF32(block.data() + 4 * k); };
    EXPECT_NEAR(slot(0), 8.1, 1e-5);
    EXPECT_NEAR(slot(7), 412.0, 1e-3);
    EXPECT_NEAR(slot(15), 25.0, 1e-4);  // 77 F
    // The bicarbonate and carbonate as typed (the form enters the species);
    // both alkalinities as the harness finds them for the same water.
    EXPECT_EQ(slot(55), 140.0f);
    EXPECT_EQ(slot(56), 0.0f);
    std::map<int, double> harness = HarnessResults();
    const std::pair<int, int> pairs[] = {{58, 28}, {59, 30}};
    for (const auto& [clip, result] : pairs) {
        ASSERT_EQ(harness.count(result), 1u) << result;
        EXPECT_NEAR(slot(clip), harness[result], 0.01 * harness[result]) << clip;
    }
}

// Calcium in German degrees, and the what-if high temperature of 140 made the
// default with the print mode of 1 that the configuration file held.
TEST_F(InputDialogsRunTest, UnitsAndWhatIfDefaults) {
    ASSERT_EQ(Run("menu 1028\n"), 0);
    {
        std::fstream config(folder / "zorin.cnf", std::ios::in | std::ios::out | std::ios::binary);
        config.seekp(14);
        config.write("\1\0\0\0", 4);
    }
    Fresh();
    ASSERT_EQ(Run("dialog 29 scroll 400 down 3\n"
                  "dialog 29 read 589\n"
                  "dialog 29 press 1\n"
                  "menu 1065\n"
                  "dialog 84 set 532 140\n"
                  "dialog 84 click 1277\n"
                  "dialog 84 press 1\n"
                  "menu 1041\n"
                  "answer no Data has been modified\n"),
              0)
        << Log();
    EXPECT_NE(Log().find("read 589 \"(as \xB0Ger)\""), std::string::npos) << Log();
    const std::vector<uint8_t> units = Bytes("plunit.cnf");
    ASSERT_EQ(units.size(), 104u);
    EXPECT_EQ(bytes::GetU16(units.data()), 3);
    const std::vector<uint8_t> config = Bytes("zorin.cnf");
    ASSERT_EQ(config.size(), 1082u);
    EXPECT_EQ(bytes::GetF32(config.data() + 1074), 140.0f);
    EXPECT_EQ(bytes::GetU32(config.data() + 14), 1u);
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST_F(InputDialogsRunTest, WaterfloodWatersMixed) {
    const std::string script =
        "dialog 80 set 407 7.5\ndialog 80 set 400 400\ndialog 80 set 401 1200\n"
        "dialog 80 set 404 10000\ndialog 80 set 414 18000\ndialog 80 set 415 2700\n"
        "dialog 80 set 419 140\ndialog 80 set 427 100\ndialog 80 press 1\nmenu 1031\n"
        "dialog 80 set 407 6.8\ndialog 80 set 400 3000\ndialog 80 set 401 500\n"
        "dialog 80 set 402 250\ndialog 80 set 403 400\ndialog 80 set 404 30000\n"
        "dialog 80 set 414 55000\ndialog 80 set 415 10\ndialog 80 set 419 300\n"
        "dialog 80 set 427 180\ndialog 80 press 1\nmenu 1032\n"
        "dialog 88 set 582 40\ndialog 88 set 583 40\ndialog 88 press 1\n"
        "dialog 88 set 583 60\ndialog 88 press 1\nmenu 1047\n"
        "menu 1042\nmenu 1044\nmenustate\nanswer no Data has been modified\n";
    ASSERT_EQ(Run(script), 0) << Log();
    const std::string log = Log();
    EXPECT_EQ(Count(log, "Start and Final Percentages cannot be the same!"), 1u);
    EXPECT_GE(Count(log, "window created ProgressBar"), 2u);
    EXPECT_EQ(Count(log, "window created ProgressBar"), Count(log, "window destroyed ProgressBar"));
    EXPECT_NE(log.find("[1042] \" &Display Mix\" (checked)"), std::string::npos) << log;
    EXPECT_NE(log.find("[1043] \" &2D Graph vs %\" (checked)"), std::string::npos);
    EXPECT_NE(log.find("[1044] \" 3D T&emperature-pH\" (checked)"), std::string::npos);
    EXPECT_NE(log.find("[1046] \" 3D p&H-%\"\n"), std::string::npos);
    EXPECT_NE(log.find("[1053] \"Print Pro&duced\"\n"), std::string::npos);
}

}  // namespace

// The menus from the keyboard, as a user reaches them without the mouse:
// Alt+letter drops the menu of its underlined letter, Alt alone or F10 enters
// the bar, arrows move, Enter or a letter chooses, Escape leaves.
TEST_F(InputDialogsRunTest, TheMenusAnswerTheKeyboard) {
    const std::string form = "window created DialogBox \"SURFACE WATER CHEMISTRY INPUT FORM\"";
    const std::string help = "message box \"Help\"";
    struct Case {
        const char* keys;
        const std::string& opens;  // what the log shows
        bool opened;
    };
    const Case cases[] = {
        {"Alt+I S", form, true},
        {"Alt Right Enter S", form, true},
        {"F10 Right Down S", form, true},
        {"Alt+I Esc S", form, false},
        {"Alt+H Down Enter", help, true},
        {"Alt+H Esc Down Enter", help, false},
    };
    for (const Case& c : cases) {
        Fresh();
        const std::string answer = &c.opens == &form && c.opened ? "dialog 80 press 2\n" : "";
        ASSERT_EQ(Run(answer + "key TarvexMainClass " + c.keys + "\n"), 0) << c.keys;
        const std::string log = Log();
        EXPECT_EQ(log.find(c.opens) != std::string::npos, c.opened) << c.keys << "\n" << log;
        EXPECT_EQ(log.find("script failure"), std::string::npos) << c.keys << "\n" << log;
    }
    // FILES > QUIT by its letters ends the program.
    Fresh();
    ASSERT_EQ(Run("key TarvexMainClass Alt+F Q\n"), 0);
    EXPECT_NE(Log().find("window destroyed TarvexMainClass"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("end of script: the main window is closed"), std::string::npos) << Log();

    // From a page: Alt+O opens its OPTIONS (C copies the page), and the main
    // menu's letters open the main menu (FILES > QUIT ends the program).
    Fresh();
    std::string water;
    {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/seawater-pages.tvs");
        for (std::string line; std::getline(in, line);)
            if (line.rfind("dialog 80", 0) == 0) water += line + "\n";
    }
    ASSERT_EQ(Run(water + "menu 1030\nclipboard empty\nkey DisplayMUWater Alt+O C\n"
                          "clipboard list\nanswer no Data has been modified\n"
                          "key DisplayMUValues Alt+F Q\n"),
              0)
        << Log();
    const std::string log = Log();
    const size_t listed = log.find("> clipboard list");
    ASSERT_NE(listed, std::string::npos) << log;
    EXPECT_NE(log.find("text", listed), std::string::npos) << log;
    EXPECT_NE(log.find("window destroyed TarvexMainClass"), std::string::npos) << log;
    EXPECT_EQ(log.find("end of script: the main window is closed"), std::string::npos) << log;
}

// Tab from the ID goes on to the first description line: the two chemistry-file
// buttons, which do nothing, are greyed and out of the Tab order.
TEST_F(InputDialogsRunTest, TabFromTheIdReachesTheDescription) {
    ASSERT_EQ(Run("dialog 80 type 394 W\ndialog 80 key 394 Tab Shift+D 1\n"
                  "dialog 80 read 399\ndialog 80 read 158\ndialog 80 read 159\n"
                  "dialog 80 press 2\nmenu 1030\n"),
              0)
        << Log();
    const std::string log = Log();
    EXPECT_EQ(Reads(399), (std::vector<std::string>{"D1"})) << log;
    EXPECT_NE(log.find("\"Open Chem File\" (grayed)"), std::string::npos) << log;
    EXPECT_NE(log.find("\"Save Chem File\" (grayed)"), std::string::npos) << log;
}
