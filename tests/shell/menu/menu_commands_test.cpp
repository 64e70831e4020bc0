// The menu commands of this step on a started program: the three toggles from
// each state, New after the save offer, and the help items.
#include "input/records.h"
#include "platform/system/command_line_words.h"
#include "resources/resource_ids.h"
#include "shell/commands/quit_sequence.h"
#include "shell/menu/help_commands.h"
#include "shell/menu/option_toggles.h"
#include "shell/startup/fresh_workspace.h"
#include "shell/workfile/work_file_records.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

class MenuCommandsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        win::ClearMessageBoxLog();
        fs::remove(folder / "plunit.cnf");
    }
    void Menu(unsigned id) {
        ASSERT_TRUE(win::ChooseMenuCommand(mainWindowState.mainWindow, id)) << id;
        win::RunUntilIdle();
    }
    win::MenuItemState Item(unsigned id) const {
        return win::FindMenuItemState(mainWindowState.mainMenu, id);
    }
    static void SetDone() {
        ResultStatus& r = resultStatus;
        r.tempProfileDone = r.gridDone = r.phProfileDone = r.gridDone2 = r.pressureProfileDone = 1;
        for (uint16_t& d : r.mixGridDone) d = 1;
        gridOrientationSet = 1;
    }
    static bool AllCleared() {
        const ResultStatus& r = resultStatus;
        return !r.tempProfileDone && !r.gridDone && !r.phProfileDone && !r.gridDone2 &&
               !r.pressureProfileDone && !r.mixGridDone[0] && !r.mixGridDone[1] &&
               !r.mixGridDone[2] && !gridOrientationSet;
    }
    // The question asked and the confirmation given, in order.
    static std::vector<std::string> Texts() {
        std::vector<std::string> t;
        for (const auto& b : win::MessageBoxLog()) t.push_back(b.text);
        return t;
    }
};

TEST_F(MenuCommandsTest, ThreeDPlotStyleBothWaysAndAStyleItLeavesAlone) {
    win::AnswerMessageBox("WARNING", "3D plots will be in BAR", win::IDYES);
    Menu(MenuCommand::kThreeDGraphTypes);
    EXPECT_EQ(displaySettings.threeDPlotStyle, 2);
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "3D plots will be in BAR GRAPH format. Switch to CONTOUR PLOTS(Y/N)?",
                           "3D plots will now be CONTOUR PLOTS by default!"}));
    ASSERT_TRUE(Exists("plunit.cnf"));
    EXPECT_EQ(GetWord(ReadFile("plunit.cnf"), 82), 2);

    fs::remove(folder / "plunit.cnf");
    win::ClearMessageBoxLog();
    win::AnswerMessageBox("WARNING", "3D plots will be in CONTOUR", win::IDNO);
    Menu(MenuCommand::kThreeDGraphTypes);
    EXPECT_EQ(displaySettings.threeDPlotStyle, 2);
    EXPECT_EQ(Texts().back(),
              "No Change Made!!! CONTOUR GRAPHS will still be the 3D plot default!");
    EXPECT_FALSE(Exists("plunit.cnf"));  // nothing changed, nothing written

    win::ClearMessageBoxLog();
    displaySettings.threeDPlotStyle = 1;
    Menu(MenuCommand::kThreeDGraphTypes);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_EQ(displaySettings.threeDPlotStyle, 1);
    EXPECT_TRUE(failures.empty());
}

// Yes from 1 gives 2, not 0; Yes from 2 gives 3; No keeps the model and writes
// nothing; a model outside 0 to 3 is taken as 0 and, being changed, is saved.
TEST_F(MenuCommandsTest, CarbonConservationFromEachState) {
    struct Case {
        uint16_t from;
        int answer;
        uint16_t to;
        const char* confirmation;
        bool written;
    };
    const Case cases[] = {
        {0, win::IDYES, 3, "Alkalinity will now be conserved in Calculations!", true},
        {1, win::IDYES, 2, "Total Carbon will now be conserved in Calculations!", true},
        {2, win::IDYES, 3, "Alkalinity will now be conserved in Calculations!", true},
        {3, win::IDNO, 3, "No Change made!!! Alkalinity will still be conserved in Calculations!",
         false},
        {2, win::IDNO, 2, "No Change made!!! Carbon will still be conserved in Calculations!",
         false},
        {9, win::IDNO, 0, "No Change made!!! Carbon will still be conserved in Calculations!",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        fs::remove(folder / "plunit.cnf");
        win::ClearMessageBoxLog();
        whatIfOptions.carbonateModel = c.from;
        SetDone();
        win::AnswerMessageBox("WARNING", "", c.answer);
        Menu(MenuCommand::kCarbonateCalcs);
        EXPECT_EQ(whatIfOptions.carbonateModel, c.to);
        EXPECT_EQ(Texts().back(), c.confirmation);
        EXPECT_EQ(Exists("plunit.cnf"), c.written);
        EXPECT_EQ(AllCleared(), c.written);
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(MenuCommandsTest, PlotVariableRenamesTheMenuAndIsSaved) {
    win::AnswerMessageBox("WARNING", "pH will be the plot variable", win::IDYES);
    SetDone();
    Menu(MenuCommand::kPlotPhOrPco2);
    EXPECT_EQ(whatIfOptions.varyPco2, 1);
    EXPECT_TRUE(AllCleared());
    EXPECT_EQ(Item(MenuCommand::kVaryPh).text, " Vary &pCO2");
    EXPECT_FALSE(Item(MenuCommand::kVaryPh).enabled);  // no source water
    EXPECT_EQ(GetWord(ReadFile("plunit.cnf"), 84), 1);

    whatIfOptions.varyPco2 = 5;  // out of range: taken as pH
    win::AnswerMessageBox("WARNING", "pH will be the plot variable", win::IDNO);
    Menu(MenuCommand::kPlotPhOrPco2);
    EXPECT_EQ(whatIfOptions.varyPco2, 0);
    EXPECT_EQ(Texts().back(), "No Change made!!! pH will still be the plot and profile variable!");
    EXPECT_EQ(Item(MenuCommand::kGraphVsPh).text, " Gr&aph vs pH");
    EXPECT_TRUE(failures.empty());
}

TEST_F(MenuCommandsTest, NewEmptiesTheWorkspaceAfterTheOffer) {
    KeepFreshWorkspace();  // as the start-up leaves it
    resultStatus.surfaceEntered = 1;
    resultStatus.tempProfileDone = 1;
    mainWindowState.dataChanged = 1;
    KeptBlock(194)[0] = 7;  // a work-file block no record holds yet
    // Yes and a cancelled save dialog: New stops, the work stays.
    win::AnswerMessageBox(kSaveCaption, "", win::IDYES);
    win::CancelFileDialog();
    Menu(MenuCommand::kNew);
    EXPECT_EQ(resultStatus.surfaceEntered, 1);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_EQ(KeptBlock(194)[0], 7);
    // No: the workspace goes.
    win::AnswerMessageBox(kSaveCaption, "", win::IDNO);
    Menu(MenuCommand::kNew);
    EXPECT_EQ(resultStatus.surfaceEntered, 0);
    EXPECT_EQ(resultStatus.tempProfileDone, 0);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
    EXPECT_EQ(KeptBlock(194)[0], 0);
    EXPECT_FALSE(Item(MenuCommand::kSaveFile).enabled);
    EXPECT_FALSE(Item(MenuCommand::kSaveFileAs).enabled);
    EXPECT_EQ(Item(MenuCommand::kMix).text, " &Mix");
    EXPECT_FALSE(Item(MenuCommand::kMix).enabled);
    EXPECT_STREQ(productTable.records[0].name, "None");
    EXPECT_EQ(BoxCount(kSaveCaption), 2);
    EXPECT_TRUE(failures.empty());
}

TEST_F(MenuCommandsTest, HelpItems) {
    Menu(MenuCommand::kOrdering);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "Help");

    std::vector<std::string> tried;
    win::SetProcessLauncher([&](const std::string& line) {
        tried.push_back(line);
        return false;
    });
    const std::string manual =
        win::MapPath(std::string(mainWindowState.installDir) + "\\plmanual.pdf");
    std::ofstream(manual) << "%PDF-1.4\n";  // installed, as `make run` does
    Menu(MenuCommand::kTechnicalManual);
    EXPECT_EQ(tried, (std::vector<std::string>{"AcroRd32.exe " + manual, "Acrobat.exe " + manual,
                                               "xdg-open " + manual}));
    ASSERT_EQ(win::MessageBoxLog().size(), 2u);
    EXPECT_EQ(win::MessageBoxLog()[1].caption, "ERROR");
    // The box names the manual's file, so that the user can open it another way.
    EXPECT_EQ(win::MessageBoxLog()[1].text,
              std::string(kNoPdfReaderText) + " The manual is the file " + manual + ".");

    tried.clear();
    win::SetProcessLauncher([&](const std::string& line) {
        tried.push_back(line);
        return line.rfind("Acrobat.exe", 0) == 0;
    });
    Menu(MenuCommand::kTechnicalManual);
    EXPECT_EQ(tried.size(), 2u);
    EXPECT_EQ(win::MessageBoxLog().size(), 2u);  // a reader started: no box
    win::SetProcessLauncher(nullptr);
}

// The manual's path reaches the viewer as one argument whatever its folders'
// names hold: blanks, quotes, and backslashes before a quote or at the end.
TEST_F(MenuCommandsTest, TheManualsPathReachesTheViewerWhole) {
    const std::vector<std::string> installs = {
        "My Projects/tarvex/build-run/desktop",
        "it's \"here\"/two  blanks\ttab",
        "back\\slash\\\"quote/end\\",
    };
    for (const std::string& install : installs) {
        SCOPED_TRACE(install);
        const fs::path root = folder / install;
        fs::create_directories(root);
        win::SetPathRoot(root.string());
        std::vector<std::string> tried;
        win::SetProcessLauncher([&](const std::string& line) {
            tried.push_back(line);
            return false;
        });
        const std::string manual = root.string() + "/plmanual.pdf";
        std::ofstream(manual) << "%PDF-1.4\n";
        win::ClearMessageBoxLog();
        Menu(MenuCommand::kTechnicalManual);
        ASSERT_EQ(tried.size(), 3u);
        const char* readers[] = {"AcroRd32.exe", "Acrobat.exe", "xdg-open"};
        for (size_t k = 0; k < tried.size(); ++k)
            EXPECT_EQ(win::CommandLineWords(tried[k]),
                      (std::vector<std::string>{readers[k], manual}))
                << tried[k];
        // The word written for a path splits back to the path alone.
        EXPECT_EQ(win::CommandLineWords(win::CommandLineWord(manual) + " x"),
                  (std::vector<std::string>{manual, "x"}));
        ASSERT_EQ(win::MessageBoxLog().size(), 1u);
        EXPECT_NE(win::MessageBoxLog()[0].text.find(manual), std::string::npos);
    }
    win::SetProcessLauncher(nullptr);
}

}  // namespace
}  // namespace shelltest
