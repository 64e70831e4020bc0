// The save offer that New, QUIT and the close box share: No goes on, Yes goes
// on only when the work was saved; a cancelled or failed save keeps the program
// and the work.
#include "shell/commands/save_offer.h"

#include "resources/resource_ids.h"
#include "shell/commands/quit_sequence.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

class SaveOfferTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        win::ClearMessageBoxLog();
        mainWindowState.dataChanged = 1;
    }
};

TEST_F(SaveOfferTest, OutcomesOfTheOffer) {
    mainWindowState.dataChanged = 0;
    EXPECT_TRUE(OfferToSaveWork(mainWindowState.mainWindow));  // nothing to ask
    EXPECT_TRUE(win::MessageBoxLog().empty());

    mainWindowState.dataChanged = 1;
    win::AnswerMessageBox(kSaveCaption, "", win::IDNO);
    EXPECT_TRUE(OfferToSaveWork(mainWindowState.mainWindow));
    EXPECT_EQ(mainWindowState.dataChanged, 1u);

    win::AnswerMessageBox(kSaveCaption, "", win::IDYES);
    win::CancelFileDialog();
    EXPECT_FALSE(OfferToSaveWork(mainWindowState.mainWindow));
    EXPECT_EQ(mainWindowState.dataChanged, 1u);

    win::AnswerMessageBox(kSaveCaption, "", win::IDYES);
    win::AnswerFileDialog("\\kept.krv");
    EXPECT_TRUE(OfferToSaveWork(mainWindowState.mainWindow));
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
    EXPECT_EQ(ReadFile("kept.KRV").size(), 203243u);
    EXPECT_TRUE(failures.empty());
}

// QUIT and the close box after Yes and a cancelled save dialog: the program
// goes on running.
TEST_F(SaveOfferTest, ACancelledSaveKeepsTheProgramRunning) {
    for (bool closeBox : {false, true}) {
        win::AnswerMessageBox(kSaveCaption, "", win::IDYES);
        win::CancelFileDialog();
        if (closeBox)
            win::PostMessage(mainWindowState.mainWindow, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
        else
            win::ChooseMenuCommand(mainWindowState.mainWindow, MenuCommand::kQuit);
        EXPECT_TRUE(win::RunUntilIdle()) << closeBox;  // no quit message
        EXPECT_TRUE(win::IsWindow(mainWindowState.mainWindow));
        EXPECT_EQ(mainWindowState.dataChanged, 1u);
    }
    EXPECT_EQ(BoxCount(kSaveCaption), 2);
    EXPECT_TRUE(failures.empty());
}

// A save that fails (the folder cannot be written) stops QUIT as well.
TEST_F(SaveOfferTest, AFailedSaveKeepsTheProgramRunning) {
    win::AnswerMessageBox(kSaveCaption, "", win::IDYES);
    win::AnswerFileDialog("\\NOFOLDER\\lost.krv");
    win::AnswerMessageBox("", "", win::IDOK, -1);
    win::ChooseMenuCommand(mainWindowState.mainWindow, MenuCommand::kQuit);
    EXPECT_TRUE(win::RunUntilIdle());
    EXPECT_TRUE(win::IsWindow(mainWindowState.mainWindow));
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
}

}  // namespace
}  // namespace shelltest
