// Leaving the program: QUIT and the close box, with and without changed data,
// and with an analysis the program put on the clipboard.
#include <cstring>

#include "resources/resource_ids.h"
#include "shell/commands/quit_sequence.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

class QuitTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        win::ClearMessageBoxLog();
    }
    void Quit() {
        win::ChooseMenuCommand(mainWindowState.mainWindow, MenuCommand::kQuit);
        EXPECT_FALSE(win::RunUntilIdle());  // the quit message was reached
    }
    void CloseBox() {
        win::PostMessage(mainWindowState.mainWindow, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
        EXPECT_FALSE(win::RunUntilIdle());
    }
    // An analysis on the clipboard as the copy command leaves it.
    void CopyAnalysis() {
        win::HGLOBAL block = win::GlobalAlloc(win::GHND, 3104);
        ASSERT_TRUE(win::OpenClipboard(mainWindowState.mainWindow));
        win::EmptyClipboard();
        win::SetClipboardData(clipboardFormats.cfIntermediate, block);
        win::CloseClipboard();
        analysisOnClipboard = 1;
    }
};

TEST_F(QuitTest, QuitWithUnchangedDataAsksNothing) {
    Quit();
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::LastQuitCode(), 0);
    EXPECT_FALSE(win::IsWindow(mainWindowState.mainWindow));
    EXPECT_TRUE(failures.empty());
}

TEST_F(QuitTest, QuitWithChangedDataAsksToSave) {
    mainWindowState.dataChanged = 1;
    win::AnswerMessageBox("DATA HAS CHANGED!", "", win::IDNO);
    Quit();
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].text, kSaveQuestion);
    EXPECT_EQ(win::MessageBoxLog()[0].type, win::MB_YESNO | win::MB_ICONQUESTION);
    EXPECT_FALSE(win::IsWindow(mainWindowState.mainWindow));
    EXPECT_TRUE(failures.empty());
}

TEST_F(QuitTest, CloseBoxAsksTheSameSaveQuestion) {
    mainWindowState.dataChanged = 1;
    win::AnswerMessageBox("DATA HAS CHANGED!", "", win::IDYES);
    win::AnswerFileDialog("\\closed.krv");
    CloseBox();
    ASSERT_EQ(BoxCount(kSaveCaption), 1);
    EXPECT_EQ(ReadFile("closed.KRV").size(), 203243u);  // the workspace was saved
    EXPECT_FALSE(win::IsWindow(mainWindowState.mainWindow));
    EXPECT_TRUE(failures.empty());
}

TEST_F(QuitTest, ClipboardQuestionDecidesWhetherTheAnalysisStays) {
    for (int answer : {win::IDNO, win::IDYES}) {
        Restart();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        CopyAnalysis();
        win::AnswerMessageBox(kClipboardCaption, "", answer);
        Quit();
        EXPECT_EQ(BoxCount(kClipboardCaption), 1);
        EXPECT_EQ(win::IsClipboardFormatAvailable(clipboardFormats.cfIntermediate) != 0,
                  answer == win::IDYES);
        EXPECT_TRUE(failures.empty());
    }
}

TEST_F(QuitTest, NoLeavesWhatAnotherProgramCopiedSince) {
    CopyAnalysis();
    win::HGLOBAL text = win::GlobalAlloc(win::GHND, 4);
    ASSERT_TRUE(win::OpenClipboard(nullptr));
    win::EmptyClipboard();
    win::SetClipboardData(win::CF_TEXT, text);  // another program copies text
    win::CloseClipboard();
    win::AnswerMessageBox(kClipboardCaption, "", win::IDNO);
    Quit();
    EXPECT_EQ(BoxCount(kClipboardCaption), 1);
    EXPECT_TRUE(win::IsClipboardFormatAvailable(win::CF_TEXT));
    EXPECT_TRUE(failures.empty());
}

TEST_F(QuitTest, NoClipboardQuestionWithoutACopiedAnalysis) {
    win::HGLOBAL text = win::GlobalAlloc(win::GHND, 4);
    ASSERT_TRUE(win::OpenClipboard(nullptr));
    win::SetClipboardData(win::CF_TEXT, text);  // another program's text
    win::CloseClipboard();
    CloseBox();
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_TRUE(win::IsClipboardFormatAvailable(win::CF_TEXT));
}

}  // namespace
}  // namespace shelltest
