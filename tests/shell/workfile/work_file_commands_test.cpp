// Open File, Save File and Save File As: what each does to dataChanged, the
// first Save File that asks for a name, and the recomputation of a file of an
// older version (with recording stand-ins for the engine and the drivers).
#include <gtest/gtest.h>

#include <string>

#include "resources/dialog_ids.h"
#include "tests/shell/workfile/legacy_fixture.h"
#include "tests/shell/workfile/work_file_fixture.h"

namespace {

using namespace worktest;

std::vector<std::string> calls;

class Commands : public WorkFileTest {
  protected:
    void SetUp() override {
        WorkFileTest::SetUp();
        ClearLayoutRecords();
        calls.clear();
        WorkFileCommandServices& s = workFileCommandServices;
        s.offerToSave = [](win::HWND) {
            calls.push_back("offer");
            return true;
        };
        s.updateMenuTexts = [] { calls.push_back("menu"); };
        s.calcWaterAnalysis = [](uint16_t mode, win::HWND) {
            calls.push_back("water " + std::to_string(mainWindowState.currentWater) + " mode " +
                            std::to_string(mode));
        };
        s.calcMixingProfile = [](win::HWND) { calls.push_back("mix"); };
        s.recalcMultiMix = [] { calls.push_back("multimix"); };
        s.calcTempProfile = [](win::HWND) { calls.push_back("temperature"); };
        s.calcpHProfile = [](win::HWND) { calls.push_back("pH"); };
    }
    void TearDown() override {
        ResetWorkFileCommandServices();
        WorkFileTest::TearDown();
    }
    // A workspace with every recomputed result marked, saved as `name` with `version`.
    void WriteWorkspace(const char* name, int16_t version) {
        ResultStatus& r = resultStatus;
        r.surfaceEntered = r.formationEntered = 1;
        r.injectionEntered = 0;
        surfaceWater.values[AnalysisElement::kTemperature] = 77.0f;
        formationWater.values[AnalysisElement::kTemperature] = 77.0f;
        r.mixProfileDone = r.tempProfileDone = r.phProfileDone = 1;
        r.mixGridDone[0] = r.mixGridDone[2] = 1;
        multiMixState.multiMixDone = 3;
        std::vector<uint8_t> image = workfile::EncodeWorkFile();
        bytes::PutI16(image.data(), version);
        if (version == 556) image.resize(workfile::kVersion556Bytes);
        WriteFile(name, image);
        ClearLayoutRecords();
    }
};

TEST_F(Commands, AnOlderFileIsRecomputedAndACurrentOneIsNot) {
    WriteWorkspace("old.KRV", 556);
    mainWindowState.dataChanged = 1;
    win::AnswerFileDialog("\\old.KRV");
    OpenFileCommand(nullptr);
    const std::vector<std::string> want = {"offer",          "menu", "water 0 mode 0",
                                           "water 2 mode 0", "mix",  "multimix",
                                           "temperature",    "pH",   "menu"};
    EXPECT_EQ(calls, want);
    EXPECT_EQ(BoxesWithText(kUpdatingText), 1);
    EXPECT_EQ(resultStatus.tempProfileDone, 1);
    EXPECT_EQ(resultStatus.phProfileDone, 1);
    EXPECT_EQ(resultStatus.mixGridDone[0] + resultStatus.mixGridDone[2], 0);
    EXPECT_EQ(mainWindowState.loadedVersion, 557);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);  // a load does not touch it

    calls.clear();
    win::ClearMessageBoxLog();
    WriteWorkspace("new.KRV", 557);
    win::AnswerFileDialog("\\new.KRV");
    OpenFileCommand(nullptr);
    EXPECT_EQ(calls, (std::vector<std::string>{"offer", "menu", "menu"}));
    EXPECT_EQ(BoxesWithText(kUpdatingText), 0);
    EXPECT_EQ(resultStatus.mixGridDone[0], 1);
    EXPECT_TRUE(failures.empty());
}

// Version 555, the newest of the older layouts, opens through the older reader,
// and is recomputed like the first current version.
TEST_F(Commands, TheNewestOlderVersionOpensAndIsRecomputed) {
    oldfile::Steady steady;
    steady.noFlags = true;
    WriteFile("v555.KRV", oldfile::Make(555, oldfile::WorkspaceBefore(steady), steady).file);
    win::AnswerFileDialog("\\v555.KRV");
    OpenFileCommand(nullptr);
    EXPECT_EQ(BoxesWithText(kRestoredText), 1);
    EXPECT_EQ(BoxesWithText(kLoadFailedText), 0);
    EXPECT_EQ(BoxesWithText(kUpdatingText), 1);
    EXPECT_EQ(mainWindowState.loadedVersion, 557);  // recomputed
    EXPECT_TRUE(failures.empty());
}

TEST_F(Commands, OpenStopsWhenTheOfferToSaveSaysSo) {
    workFileCommandServices.offerToSave = [](win::HWND) { return false; };
    mainWindowState.dataChanged = 1;
    OpenFileCommand(nullptr);  // no dialog is shown: an unanswered one would fail the test
    mainWindowState.dataChanged = 0;
    win::CancelFileDialog();
    OpenFileCommand(nullptr);  // unchanged data is not offered
    EXPECT_TRUE(failures.empty());
}

TEST_F(Commands, SavesClearDataChangedOnlyWhenTheFileWasWritten) {
    resultStatus.surfaceEntered = 1;
    SetPath("C:\\*.KRV");  // the start-up pattern: Save File asks for a name first
    mainWindowState.dataChanged = 1;
    win::CancelFileDialog();
    SaveFileCommand(nullptr);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_FALSE(Exists("*.KRV"));
    win::AnswerFileDialog("\\first.krv");
    SaveFileCommand(nullptr);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
    EXPECT_EQ(ReadFile("first.KRV").size(), kFileBytes);
    // Save File As cancelled keeps the flag; a failed write keeps it and the file.
    mainWindowState.dataChanged = 1;
    win::CancelFileDialog();
    SaveFileAsCommand(nullptr);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    const std::vector<uint8_t> before = ReadFile("first.KRV");
    resultStatus.formationEntered = 1;
    win::FailNextFileWrites(1);
    win::AnswerFileDialog("\\first.KRV");
    win::AnswerMessageBox("", "already exists", win::IDYES);
    SaveFileAsCommand(nullptr);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_EQ(BoxesWithText(kSaveFailedText), 1);
    EXPECT_EQ(ReadFile("first.KRV"), before);
    EXPECT_EQ(LeftOverFiles(), 0u);
    // Save File to the chosen name now writes without a dialog.
    SaveFileCommand(nullptr);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
    EXPECT_NE(ReadFile("first.KRV"), before);
    EXPECT_TRUE(failures.empty());
}

}  // namespace

namespace {

// What's Stored recomputes the waters of a file before 123 or of 500 to 509,
// and nothing of a newer one.
TEST_F(Commands, WhatsStoredRecomputesTheWatersOfOldFiles) {
    for (auto [loaded, recomputed] : {std::pair{122, true},
                                      {123, false},
                                      {500, true},
                                      {509, true},
                                      {510, false},
                                      {557, false}}) {
        calls.clear();
        win::ClearMessageBoxLog();
        resultStatus.surfaceEntered = resultStatus.formationEntered = 1;
        resultStatus.injectionEntered = 0;
        mainWindowState.loadedVersion = static_cast<int16_t>(loaded);
        win::OnDialog(
            DialogId::kBrowseWorkFiles, [](win::HWND d) { win::PressButton(d, win::IDCANCEL); }, 1);
        WhatsStoredCommand(nullptr);
        const std::vector<std::string> want =
            recomputed ? std::vector<std::string>{"water 0 mode 0", "water 2 mode 0", "menu"}
                       : std::vector<std::string>{"menu"};
        EXPECT_EQ(calls, want) << loaded;
        EXPECT_EQ(BoxesWithText(kUpdatingText), recomputed ? 1 : 0) << loaded;
        EXPECT_EQ(mainWindowState.loadedVersion, recomputed ? 557 : loaded);
    }
    EXPECT_TRUE(failures.empty());
}

}  // namespace
