// The tarvex executable's pieces: its command line, its scripts, and whole
// scripted runs with their log, picture and exit codes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/script.h"
#include "engine/records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "platform/win.h"
#include "shell/records.h"
#include "tests/app/program_run_fixture.h"
#include "treatment/records.h"

namespace {

namespace fs = std::filesystem;

TEST(CommandLineTest, OptionsAndTheirErrors) {
    ProgramOptions o;
    std::string error;
    ASSERT_TRUE(ParseCommandLine(
        {"--headless", "--desktop", "1366x768", "--script", "a b.txt", "--log", "run.log"}, o,
        error));
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.desktopWidth, 1366);
    EXPECT_EQ(o.desktopHeight, 768);
    EXPECT_EQ(o.scriptPath, "a b.txt");
    EXPECT_EQ(o.logPath, "run.log");
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--desktop", "1366"},
                                                {"--desktop", "0x768"},
                                                {"--desktop", "x768"},
                                                {"--desktop", "99999999x2"},
                                                {"--script"},
                                                {"--verbose"}}) {
        ProgramOptions ignored;
        error.clear();
        EXPECT_FALSE(ParseCommandLine(bad, ignored, error)) << bad[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(ScriptTest, EveryVerbWithItsArguments) {
    const std::string source =
        "# demonstration\n"
        "  menu 1028\n"
        "answer no Data has been modified\n"
        "answer OK\n"
        "file \\ZORIN\\my work.krv\n"
        "file cancel\n"
        "dialog 81 set 512 7.25 mg/l\n"
        "dialog 81 check 377\n"
        "dialog 81 press 1\n"
        "snap TarvexMainClass out/main window.ppm\n"
        "answer yes Error # 5\n"
        "dialog 26 select 2601 PHOS-BA  \n"
        "dialog 26 dump\n"
        "\n";
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(ParseScript(source, a, error)) << error;
    ASSERT_EQ(a.size(), 12u);
    using Verb = ScriptAction::Verb;
    EXPECT_EQ(a[0].verb, Verb::kMenu);
    EXPECT_EQ(a[0].number, 1028);
    EXPECT_EQ(a[0].line, 2);
    EXPECT_EQ(a[1].number, win::IDNO);
    EXPECT_EQ(a[1].text, "Data has been modified");
    EXPECT_EQ(a[2].number, win::IDOK);
    EXPECT_TRUE(a[2].text.empty());
    EXPECT_EQ(a[3].text, "\\ZORIN\\my work.krv");
    EXPECT_TRUE(a[4].cancel);
    EXPECT_EQ(a[5].verb, Verb::kDialog);
    EXPECT_EQ(a[5].number, 81);
    EXPECT_EQ(a[5].control, 512);
    EXPECT_EQ(a[5].text, "7.25 mg/l");
    EXPECT_EQ(a[6].step, ScriptAction::DialogStep::kCheck);
    EXPECT_EQ(a[7].step, ScriptAction::DialogStep::kPress);
    EXPECT_EQ(a[8].className, "TarvexMainClass");
    EXPECT_EQ(a[8].text, "out/main window.ppm");
    EXPECT_EQ(a[9].text, "Error # 5");  // '#' inside a line is text
    EXPECT_EQ(a[10].step, ScriptAction::DialogStep::kSelect);
    EXPECT_EQ(a[10].control, 2601);
    EXPECT_EQ(a[10].text, "PHOS-BA");
    EXPECT_EQ(a[11].step, ScriptAction::DialogStep::kDump);
    EXPECT_EQ(a[11].number, 26);
}

TEST(ScriptTest, BadLinesAreNamedByNumber) {
    const char* bad[] = {"menu",
                         "menu quit",
                         "menu 1 MainClass extra",
                         "answer maybe",
                         "file",
                         "dialog 81 set",
                         "dialog 81 push 1",
                         "dialog 81 check 1 extra",
                         "dialog 26 select 2601",
                         "dialog 26 dump 2601",
                         "snap TarvexMainClass",
                         "jump 3"};
    for (const char* line : bad) {
        std::vector<ScriptAction> a;
        std::string error;
        EXPECT_FALSE(ParseScript(std::string("menu 1028\n") + line + "\n", a, error)) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

// Whole runs in a fresh folder, as the executable makes them.
class ProgramRunTest : public ProgramRunFixture {
  protected:
    int Run(const std::string& script, const std::string& desktop = "800x600") {
        return ProgramRunFixture::Run(script, desktop);
    }
};

TEST_F(ProgramRunTest, DemonstrationScriptSavesThePictureAndQuits) {
    const fs::path picture = folder / "main.ppm";
    EXPECT_EQ(Run("snap TarvexMainClass " + picture.string() + "\nmenu 1028\n"), 0);
    win::Image32 image;
    ASSERT_TRUE(win::ReadPpm(picture.string(), &image));
    win::RECT client;
    EXPECT_GT(image.width, 700);  // the client area of a maximised 800 x 600 window
    EXPECT_LT(image.width, 801);
    (void)client;
    const std::string log = Log();
    EXPECT_NE(log.find("window created TarvexMainClass \"Tarvex\""),
              std::string::npos);
    EXPECT_NE(log.find("message box \"WARNING\": \"No Input Units configuration file"),
              std::string::npos);
    EXPECT_NE(log.find("file written plunit.cnf (104 bytes)"), std::string::npos);
    EXPECT_NE(log.find("file written zorin.cnf (1082 bytes)"), std::string::npos);
    EXPECT_NE(log.find("file written FILES/FTN01.BIN (0 bytes)"), std::string::npos);
    EXPECT_NE(log.find("> menu 1028"), std::string::npos);
    EXPECT_NE(log.find("window destroyed TarvexMainClass"), std::string::npos);
    EXPECT_NE(log.find("exit code 0"), std::string::npos);
}

TEST_F(ProgramRunTest, ScriptWithoutQuitEndsByClosingTheMainWindow) {
    EXPECT_EQ(Run("# nothing to do\n"), 0);
    EXPECT_NE(Log().find("> end of script: the main window is closed"), std::string::npos);
}

TEST_F(ProgramRunTest, AnsweredSaveQuestionLetsTheRunEnd) {
    mainWindowState.dataChanged = 1;
    EXPECT_EQ(Run("answer no Data has been modified\nmenu 1028\n"), 0);
    EXPECT_NE(
        Log().find("message box \"DATA HAS CHANGED!\": \"Data has been modified since you last "
                   "saved to file! Did you wish to save your Workspace(Y/N)\" -> no"),
        std::string::npos);
}

TEST_F(ProgramRunTest, AnswerMatchesOnlyATextThatStartsWithIt) {
    mainWindowState.dataChanged = 1;
    EXPECT_EXIT(Run("answer no has been modified\nmenu 1028\n"), ::testing::ExitedWithCode(3),
                "DATA HAS CHANGED!.*Data has been modified");
}

TEST_F(ProgramRunTest, UnansweredPromptEndsTheRunWithCodeThree) {
    mainWindowState.dataChanged = 1;
    EXPECT_EXIT(Run("menu 1028\n"), ::testing::ExitedWithCode(3),
                "DATA HAS CHANGED!.*Did you wish to save your Workspace");
}

// The sample products in the install folder's INHIB with a file no layout
// fits: a product chosen, a refused file, a graph added, both dialogs dumped
// when they open again.
TEST_F(ProgramRunTest, ProductAndGraphChoiceFromTheMenu) {
    fs::create_directories(folder / "INHIB");
    for (const char* name : {"PHOSBA.PRD", "POLYSC.PRD", "PHOSEST.PRD", "DTPMP.PRD"})
        fs::copy_file(fs::path(TARVEX_BINARY_DIR) / "products" / name, folder / "INHIB" / name);
    std::ofstream(folder / "INHIB" / "BROKEN.PRD") << std::string(5000, 'x');
    EXPECT_EQ(Run("dialog 26 select 2601 PHOS-BA\n"
                  "dialog 26 press 1\n"
                  "menu 1056\n"
                  "dialog 26 select 2601 BROKEN\n"
                  "dialog 26 press 1\n"
                  "dialog 26 press 2\n"
                  "menu 1056\n"
                  "dialog 25 select 2501 Barite\n"
                  "dialog 25 press 2503\n"
                  "dialog 25 press 1\n"
                  "menu 1064\n"
                  "dialog 26 dump\n"
                  "dialog 26 press 2\n"
                  "menu 1056\n"
                  "dialog 25 dump\n"
                  "dialog 25 press 2\n"
                  "menu 1064\n"
                  "answer no Data has been modified\n"
                  "menu 1028\n"),
              0);
    const std::string log = Log();
    size_t refusals = 0;
    for (size_t at = log.find("cannot be used"); at != std::string::npos;
         at = log.find("cannot be used", at + 1))
        ++refusals;
    EXPECT_EQ(refusals, 1u) << log;
    EXPECT_NE(log.find("message box \"WARNING\": \"The product file BROKEN.PRD cannot be used"),
              std::string::npos);
    EXPECT_NE(log.find("dialog \"SELECT PRODUCT\""), std::string::npos);
    EXPECT_NE(log.find("control 2602 \"Current product: PHOS-BA\""), std::string::npos) << log;
    EXPECT_NE(log.find("\"PHOS-EST | scale inhibitor | PHOSEST.PRD\""), std::string::npos);
    EXPECT_NE(log.find("\"DTPMP | scale inhibitor | DTPMP.PRD\""), std::string::npos);
    EXPECT_NE(log.find("\"BROKEN.PRD | (cannot be read)\""), std::string::npos);
    EXPECT_NE(log.find("dialog \"CHOOSE GRAPHS\""), std::string::npos);
    EXPECT_NE(log.find("list 2502 row 1 \"Barite saturation\""), std::string::npos) << log;
    EXPECT_EQ(graphChoice.count, 2);
    EXPECT_EQ(graphChoice.codes[1], 21);
    EXPECT_STREQ(productTable.records[0].name, "PHOS-BA");
}

// Toggles, New, both help items, the clipboard and the menu's state in an
// empty folder.
TEST_F(ProgramRunTest, TogglesHelpClipboardAndMenuState) {
    std::ofstream(folder / "plmanual.pdf") << "%PDF-1.4\n";
    EXPECT_EQ(Run("answer yes 3D plots will be in BAR\n"
                  "menu 1067\n"
                  "answer yes pH will be the plot variable\n"
                  "menu 1076\n"
                  "menu 1019\n"
                  "menu 173\n"
                  "menu 172\n"
                  "clipboard text hello\n"
                  "clipboard list\n"
                  "menustate\n"
                  "windows\n"),
              0);
    std::ifstream units(folder / "plunit.cnf", std::ios::binary);
    uint8_t bytes[104] = {};
    units.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    EXPECT_EQ(bytes[82] | bytes[83] << 8, 2);  // contour plots
    EXPECT_EQ(bytes[84] | bytes[85] << 8, 1);  // pCO2
    const std::string log = Log();
    EXPECT_NE(log.find("message box \"Help\""), std::string::npos) << log;
    EXPECT_NE(log.find("message box \"ERROR\": \"A PDF reader program is needed"),
              std::string::npos);
    EXPECT_NE(log.find("The manual is the file " + (folder / "plmanual.pdf").string() + "."),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("  text (6 bytes)"), std::string::npos);
    EXPECT_NE(log.find("[1038] \" Vary &pCO2\" (grayed)"), std::string::npos);
    EXPECT_NE(log.find("[1021] \"&Save File\" (grayed)"), std::string::npos);
    EXPECT_NE(log.find("window TarvexMainClass \"Tarvex\""),
              std::string::npos);
}

// HELP > Technical Manual names the manual where it is: started outside the
// folder the build runs it in, the program finds the manual beside its own
// file, where the build made it; where neither folder holds it, the box says
// that it is not installed and where it was looked for, naming no file that
// is not there.
TEST_F(ProgramRunTest, TheManualIsNamedWhereItIsOrSaidToBeMissing) {
    const fs::path built = fs::path(TARVEX_BINARY_DIR) / "plmanual.pdf";
    ASSERT_TRUE(fs::exists(built));
    std::ofstream(folder / "help.tvs") << "menu 172\n";
    const std::string out = Tool("cd '" + folder.string() + "' && '" + TARVEX_BINARY_DIR +
                                 "/tarvex' --headless --script help.tvs --log run.log");
    EXPECT_NE(Log().find("The manual is the file " + built.string() + "."), std::string::npos)
        << Log() << out;

    // This test's own program has no manual beside it.
    fs::remove(folder / "run.log");
    char self[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(n, 0);
    const fs::path programFolder = fs::path(std::string(self, static_cast<size_t>(n))).parent_path();
    ASSERT_FALSE(fs::exists(programFolder / "plmanual.pdf"));
    EXPECT_EQ(Run("menu 172\n"), 0);
    const std::string box = "message box \"ERROR\": \"The technical manual is not installed (no file "
                            "plmanual.pdf in " + folder.string() + " or in " +
                            programFolder.string() + ").\" -> ok";
    EXPECT_NE(Log().find(box), std::string::npos) << Log();
    EXPECT_EQ(Log().find("The manual is the file"), std::string::npos) << Log();
}

// Dialog lines before an input action are grouped by template; "next" gives the
// template's second opening its own steps. A hidden command id is sent as its
// callers send it; an id no item carries and no dispatch takes fails.
TEST_F(ProgramRunTest, DialogStepsServeTheirOpeningsInOrder) {
    fs::create_directories(folder / "INHIB");
    fs::copy_file(fs::path(TARVEX_BINARY_DIR) / "products" / "PHOSBA.PRD",
                  folder / "INHIB" / "PHOSBA.PRD");
    EXPECT_EQ(Run("dialog 26 press 2\n"
                  "dialog 26 next\n"
                  "dialog 25 press 2\n"
                  "dialog 26 select 2601 0\n"
                  "dialog 26 press 1\n"
                  "menu 1056\n"
                  "menu 1056\n"
                  "menu 1064\n"
                  "menu 1252\n"
                  "answer no Data has been modified\n"
                  "menu 1028\n"),
              0);
    EXPECT_STREQ(productTable.records[0].name, "PHOS-BA");
}

TEST_F(ProgramRunTest, AMenuIdNoItemCarriesFailsTheScript) {
    EXPECT_EXIT(Run("menu 999\n"), ::testing::ExitedWithCode(3), "999");
}

TEST_F(ProgramRunTest, SelectingARowNoListHoldsFailsTheScript) {
    EXPECT_EXIT(Run("dialog 26 select 2601 NOTHING\nmenu 1056\n"), ::testing::ExitedWithCode(3),
                "has no row starting with \"NOTHING\"");
}

TEST_F(ProgramRunTest, BadScriptIsRefusedBeforeTheProgramStarts) {
    EXPECT_EQ(Run("menu 1028\nsnap\n"), kExitUsage);
    EXPECT_FALSE(fs::exists(folder / "plunit.cnf"));
}

}  // namespace
