// The Save As and Open dialogs: the forced extension, a Save As that never
// empties an existing file, an Open that reads the chosen file without changing
// it, and a path that a refused file does not take over.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/shell/workfile/work_file_fixture.h"

namespace {

using namespace worktest;
namespace fs = std::filesystem;

TEST(ChangeFileExtension, RebuildsThePathWithTheNewExtension) {
    char out[kPathChars];
    const std::pair<const char*, const char*> cases[] = {
        {"", ".KRV"},
        {"a", "a.KRV"},
        {"\\a.txt", "\\a.KRV"},
        {"C:\\dir.x\\name", "C:\\dir.x\\name.KRV"},
        {"C:\\w\\a.b.c", "C:\\w\\a.b.KRV"},
        {"*.KRV", "*.KRV"},
        {"d:name.", "d:name.KRV"},
    };
    for (auto [in, want] : cases) {
        EXPECT_EQ(ChangeFileExtension(in, out, "KRV"), 0);
        EXPECT_STREQ(out, want) << in;
    }
    char same[kPathChars] = "\\x\\y.tmp";
    ChangeFileExtension(same, same, "KRV");
    EXPECT_STREQ(same, "\\x\\y.KRV");
    // A name too long for the buffer keeps the extension and loses its end.
    const std::string longName = "\\" + std::string(300, 'n') + ".txt";
    ChangeFileExtension(longName.c_str(), out, "KRV");
    EXPECT_EQ(std::strlen(out), static_cast<size_t>(kPathChars - 1));
    EXPECT_STREQ(out + kPathChars - 5, ".KRV");
}

class Dialogs : public WorkFileTest {};

TEST_F(Dialogs, SaveAsForcesTheExtensionAndLeavesAnExistingFileUntouched) {
    win::AnswerFileDialog("\\a.txt");
    EXPECT_EQ(ShowSaveAsDialog(nullptr), 0);
    EXPECT_STREQ(mainWindowState.workFilePath, "\\a.KRV");
    EXPECT_FALSE(Exists("a.KRV"));  // nothing is created before the save
    EXPECT_FALSE(Exists("a.txt"));
    WriteFile("keep.KRV", {1, 2, 3});
    win::AnswerFileDialog("\\keep.KRV");
    win::AnswerMessageBox("", "already exists", win::IDYES);
    EXPECT_EQ(ShowSaveAsDialog(nullptr), 0);
    EXPECT_EQ(ReadFile("keep.KRV"), (std::vector<uint8_t>{1, 2, 3}));
    win::CancelFileDialog();
    EXPECT_EQ(ShowSaveAsDialog(nullptr), 1);
    EXPECT_TRUE(failures.empty());
}

TEST_F(Dialogs, SaveAsRefusesAPathThatCannotBeWritten) {
    // A folder where the file would go cannot be written as a file.
    fs::create_directories(folder / "taken.KRV");
    win::AnswerFileDialog("\\taken.txt");
    win::ClearMessageBoxLog();
    EXPECT_EQ(ShowSaveAsDialog(nullptr), 1);
    EXPECT_EQ(BoxesWithText(kCannotCreateText), 1);
    EXPECT_TRUE(fs::is_directory(folder / "taken.KRV"));
}

TEST_F(Dialogs, OpenReadsTheChosenFileWithoutChangingIt) {
    surfaceWater.values[AnalysisElement::kCalcium] = 412.0f;
    surfaceWater.values[AnalysisElement::kTemperature] = 77.0f;
    resultStatus.surfaceEntered = 1;
    SetPath("\\w.KRV");
    ASSERT_EQ(SaveWorkFile(nullptr), 0);
    ASSERT_EQ(::chmod((folder / "w.KRV").c_str(), 0444), 0);  // opened read-only
    const std::vector<uint8_t> file = ReadFile("w.KRV");
    ClearLayoutRecords();
    SetPath("\\before.KRV");
    win::AnswerFileDialog("\\w.KRV");
    EXPECT_EQ(OpenWorkFileDlg(nullptr), 0);
    EXPECT_EQ(surfaceWater.values[AnalysisElement::kCalcium], 412.0f);
    EXPECT_STREQ(mainWindowState.workFilePath, "\\w.KRV");
    EXPECT_EQ(ReadFile("w.KRV"), file);
    ASSERT_FALSE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::MessageBoxLog().back().caption, "\\w.KRV");
    // A refused file leaves the workspace and the current path as they were.
    WriteFile("short.KRV", std::vector<uint8_t>(file.begin(), file.begin() + 150000));
    const Snapshot before = TakeSnapshot();
    win::AnswerFileDialog("\\short.KRV");
    EXPECT_EQ(OpenWorkFileDlg(nullptr), -1);
    EXPECT_TRUE(TakeSnapshot() == before);
    win::CancelFileDialog();
    EXPECT_EQ(OpenWorkFileDlg(nullptr), 1);
    EXPECT_STREQ(mainWindowState.workFilePath, "\\w.KRV");
    EXPECT_TRUE(failures.empty());
}

}  // namespace
