// The file browsers: the listing and its pattern, the header of a picked work
// file of any version, LOAD and DELETE (a refused deletion included); the
// raw-data and inhibitor browsers; the spare file dialogs; the second writer;
// and the data-file checksum.
#include "shell/workfile/browser/browse_dialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "resources/dialog_ids.h"
#include "shell/settings/display_config_file.h"
#include "shell/spare/file_dialogs.h"
#include "shell/workfile/browser/work_file_header.h"
#include "tests/shell/workfile/legacy_fixture.h"
#include "tests/shell/workfile/work_file_fixture.h"

namespace {

using namespace worktest;
namespace B = BrowseControl;

std::string Text(win::HWND d, int id) {
    char t[300] = {};
    win::GetDlgItemText(d, id, t, sizeof t);
    return t;
}
int Rows(win::HWND d) {
    return static_cast<int>(win::SendDlgItemMessage(d, B::kList, win::LB_GETCOUNT, 0, 0));
}
int RowOf(win::HWND d, const char* name) {
    return static_cast<int>(win::SendDlgItemMessage(d, B::kList, win::LB_FINDSTRINGEXACT,
                                                    static_cast<win::WPARAM>(-1),
                                                    reinterpret_cast<win::LPARAM>(name)));
}

class Browser : public WorkFileTest {
  protected:
    // A saved work file whose surface water is entered, sampled at 9:30, and
    // whose working analysis is a blend with no sample number of its own (as
    // a mix leaves it). `date` in the old packing by default (12 May 1996),
    // which the header shows but the load refuses.
    void SaveSurfaceFile(const char* name, int32_t date = 51296) {
        resultStatus.surfaceEntered = 1;
        surfaceWater.sampleTime = 930;
        surfaceWater.values[AnalysisElement::kTemperature] = 77.0f;
        surfaceWater.sampleDate = date;
        surfaceWater.sampleNumber = 42;
        currentAnalysis.sampleNumber = 0;
        SetPath(name);
        ASSERT_EQ(SaveWorkFile(nullptr), 0);
    }
    // Opens the browser, double-clicks `name` and hands the dialog to `check`.
    void Browse(const char* name, const std::function<void(win::HWND)>& check) {
        win::OnDialog(
            DialogId::kBrowseWorkFiles,
            [&](win::HWND d) {
                const int row = RowOf(d, name);
                EXPECT_GE(row, 0) << name;
                win::ChooseListItem(d, B::kList, row, true);
                check(d);
                win::PressButton(d, win::IDCANCEL);
            },
            1);
        BrowseWorkFiles(nullptr);
    }
};

TEST_F(Browser, ThePatternEndsInOneSeparatorAndATypedPatternRelists) {
    SaveSurfaceFile("\\one.KRV");
    WriteFile("SUB/two.KRV", ReadFile("one.KRV"));
    SetPath("\\*.KRV");
    win::OnDialog(
        DialogId::kBrowseWorkFiles,
        [&](win::HWND d) {
            const std::string pattern = Text(d, B::kPattern);
            EXPECT_EQ(pattern, "C:\\*.krv");
            EXPECT_EQ(pattern.find("\\\\"), std::string::npos);
            // "Directory:" names the folder that really holds the files.
            EXPECT_EQ(Text(d, B::kFolder), folder.string());
            EXPECT_GE(RowOf(d, "one.KRV"), 0);
            // A folder below: its files, and one separator before the pattern.
            win::SetDlgItemText(d, B::kPattern, "SUB\\*.krv");
            EXPECT_GE(RowOf(d, "two.KRV"), 0);
            EXPECT_LT(RowOf(d, "one.KRV"), 0);
            EXPECT_EQ(Text(d, B::kFolder), (folder / "SUB").string());
            win::PressButton(d, win::IDCANCEL);
        },
        1);
    BrowseWorkFiles(nullptr);
    // The folder listed last is current; the settings still go to the install folder.
    EXPECT_TRUE(WriteDisplayConfigFile());
    EXPECT_TRUE(Exists("zorin.cnf"));
    EXPECT_FALSE(Exists("SUB/zorin.cnf"));
    EXPECT_TRUE(failures.empty());
}

TEST_F(Browser, TheHeaderOfAPickedFile) {
    SaveSurfaceFile("\\a.KRV");
    struct Order {
        uint16_t order;
        const char* date;
    } orders[] = {{0, "05-12-1996"}, {2, "1996-05-12"}};
    for (const Order& o : orders) {
        unitCodes.code[UnitItem::kDateFormat] = o.order;
        Browse("a.KRV", [&](win::HWND d) {
            EXPECT_EQ(Text(d, B::kDate), o.date);
            EXPECT_EQ(Text(d, B::kTime), "0930");
            EXPECT_EQ(Text(d, B::kId), "42");
            EXPECT_EQ(Text(d, B::kSystemType), "Surface");
            EXPECT_EQ(Text(d, B::kVersion), "170 Vornet");
            EXPECT_EQ(Text(d, B::kLine1), std::string(20, ' '));
        });
    }
    unitCodes.code[UnitItem::kDateFormat] = 0;
    // A waterflood file, an early time, and a file too short for its header.
    resultStatus.surfaceEntered = 0;
    resultStatus.injectionEntered = 1;
    injectionWater.sampleTime = 7;
    injectionWater.sampleNumber = 7;
    SetPath("\\b.KRV");
    ASSERT_EQ(SaveWorkFile(nullptr), 0);
    // The ID shown is the shown water's, beside its own date and time.
    Browse("b.KRV", [&](win::HWND d) {
        EXPECT_EQ(Text(d, B::kSystemType), "Water Flood");
        EXPECT_EQ(Text(d, B::kTime), "0007");
        EXPECT_EQ(Text(d, B::kId), "7");
    });
    WriteFile("c.KRV", std::vector<uint8_t>(40, 0));
    Browse("c.KRV", [&](win::HWND d) {
        EXPECT_EQ(Text(d, B::kTime), "0000");
        EXPECT_EQ(Text(d, B::kId), "0");
        EXPECT_EQ(Text(d, B::kVersion), "0");
    });
    EXPECT_TRUE(failures.empty());
}

TEST_F(Browser, HeadersOfOlderVersionsFollowTheirLayouts) {
    for (int v : {111, 141, 530, 538, 555}) {
        const oldfile::Fixture f = oldfile::Make(v, oldfile::WorkspaceBefore({}));
        WorkFileHeader h;
        ReadWorkFileHeader(f.file.data(), f.file.size(), h);
        EXPECT_EQ(h.version, v);
        // Each analysis names its record (17 working, 18 surface, 19, 20).
        EXPECT_EQ(h.working.sampleNumber, 170) << v;
        EXPECT_EQ(h.surface.sampleNumber, 180) << v;
        EXPECT_EQ(h.formation.sampleNumber, 200) << v;
        EXPECT_EQ(h.formation.values[1], oldfile::AnalysisPattern(20, 0, 1, 0)) << v;
        const std::string line = v < 114 ? "" : oldfile::PatternText(13, 0, 2, 0);
        EXPECT_EQ(std::string(h.lines[DescriptionSet::kCurrent][2]), line) << v;
    }
    // Damaged files: any bytes, any length.
    std::mt19937 random(59);
    for (int i = 0; i < 500; ++i) {
        std::vector<uint8_t> bytes(random() % 6000);
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
        WorkFileHeader h;
        ReadWorkFileHeader(bytes.data(), bytes.size(), h);
    }
}

TEST_F(Browser, LoadAndDelete) {
    SaveSurfaceFile("\\a.KRV", 960512);
    resultStatus.surfaceEntered = 0;
    // LOAD: the picked file becomes the work file and is loaded.
    win::OnDialog(
        DialogId::kBrowseWorkFiles,
        [&](win::HWND d) {
            win::ChooseListItem(d, B::kList, RowOf(d, "a.KRV"));
            win::PressButton(d, B::kLoad);
        },
        1);
    BrowseWorkFiles(nullptr);
    EXPECT_EQ(resultStatus.surfaceEntered, 1);
    EXPECT_NE(std::string(mainWindowState.workFilePath).find("a.KRV"), std::string::npos);
    // A refused deletion says so and keeps file and list.
    win::ClearMessageBoxLog();
    win::AnswerMessageBox(kDeleteQuestionCaption, "", win::IDYES);
    win::FailNextFileDeletes(1);
    SetPath("\\*.krv");
    win::OnDialog(
        DialogId::kBrowseWorkFiles,
        [&](win::HWND d) {
            win::ChooseListItem(d, B::kList, RowOf(d, "a.KRV"));
            win::PressButton(d, B::kDelete);
            EXPECT_EQ(Rows(d), 1);
            // No: kept. Yes: deleted, the list empty and the fields blank.
            win::AnswerMessageBox(kDeleteQuestionCaption, "", win::IDNO);
            win::PressButton(d, B::kDelete);
            win::AnswerMessageBox(kDeleteQuestionCaption, "", win::IDYES);
            win::PressButton(d, B::kDelete);
            EXPECT_EQ(Rows(d), 0);
            EXPECT_EQ(Text(d, B::kVersion), std::string(10, ' '));
            EXPECT_EQ(Text(d, B::kLine4), std::string(20, ' '));
            win::PressButton(d, win::IDCANCEL);
        },
        1);
    BrowseWorkFiles(nullptr);
    const auto& log = win::MessageBoxLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[1].text, "a.KRV could not be deleted!");
    EXPECT_EQ(log[1].caption, kNotDeletedCaption);
    EXPECT_EQ(log[3].text, "a.KRV not deleted at your request!");
    EXPECT_EQ(log[5].text, "a.KRV deleted at your request!");
    EXPECT_EQ(log[5].caption, kDeletedCaption);
    EXPECT_FALSE(Exists("a.KRV"));
    EXPECT_TRUE(failures.empty());
}

TEST_F(Browser, RawDataAndInhibitorFiles) {
    std::vector<uint8_t> raw(300, 0);
    std::memcpy(raw.data() + 4, "FIRST TEXT", 10);
    std::memcpy(raw.data() + 24, "SECOND TEXT", 11);
    std::memcpy(raw.data() + 44, "THIRD TEXT", 10);
    bytes::PutI16(raw.data() + 251, 210);
    WriteFile("COR/A.COR", raw);
    mainWindowState.dataVersion = 557;
    win::OnDialog(
        DialogId::kDeleteCorFile,
        [&](win::HWND d) {
            EXPECT_EQ(Text(d, B::kPattern).substr(Text(d, B::kPattern).size() - 6), "\\*.cor");
            win::ChooseListItem(d, B::kList, RowOf(d, "A.COR"), true);
            EXPECT_EQ(Text(d, B::kText1), "FIRST TEXT");
            EXPECT_EQ(Text(d, B::kText2), "SECOND TEXT");
            EXPECT_EQ(Text(d, B::kText3), "THIRD TEXT");
            win::PressButton(d, win::IDCANCEL);
        },
        1);
    DeleteCorFile(nullptr);
    EXPECT_EQ(mainWindowState.dataVersion, 557);

    std::vector<uint8_t> older(439, 0);
    bytes::PutI16(older.data(), 2);
    std::memcpy(older.data() + 239, "OLDINH.INH", 10);
    std::memcpy(older.data() + 319, "OLD NAME", 8);
    std::memcpy(older.data() + 339, "OLD FUNCTION", 12);
    WriteFile("INHIB/OLD.INH", older);
    win::OnDialog(
        DialogId::kDeleteInhFile,
        [&](win::HWND d) {
            win::ChooseListItem(d, B::kList, RowOf(d, "OLD.INH"));
            win::PressButton(d, B::kLoad);
            EXPECT_EQ(Text(d, B::kText1), "OLD NAME");
            EXPECT_EQ(Text(d, B::kText2), "OLD FUNCTION");
            EXPECT_EQ(Text(d, B::kId), "2");
            EXPECT_EQ(Text(d, B::kFileName), "OLDINH.INH");
            win::PressButton(d, win::IDCANCEL);
        },
        1);
    DeleteInhFile(nullptr);
    uint8_t record[523];
    std::memset(older.data() + 439 - 4, 0x55, 4);
    WidenInhibitorRecord(older.data(), record);
    EXPECT_EQ(std::memcmp(record, older.data(), 439), 0);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(bytes::GetU32(record + 439 + 4 * i), 0u);
        EXPECT_EQ(bytes::GetF32(record + 467 + 8 * i), -99.0f);
        EXPECT_EQ(bytes::GetF32(record + 471 + 8 * i), -99.0f);
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(Browser, SpareDialogsAndTheSecondWriter) {
    win::CancelFileDialog();
    EXPECT_EQ(OpenWorkspaceDialog(nullptr), kFileDialogCancelled);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    win::AnswerFileDialog("\\x.krv");
    EXPECT_EQ(OpenFileDialog(nullptr, nullptr, "krv"), kFileDialogDone);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "The selected file is");
    EXPECT_NE(win::MessageBoxLog()[0].text.find("x.krv"), std::string::npos);
    win::AnswerFileDialog("\\y.bmp");
    EXPECT_EQ(SaveFileDialogB(nullptr), kFileDialogDone);
    EXPECT_EQ(win::MessageBoxLog().size(), 1u);

    // The second writer: 203,243 bytes, and an option word that is no number as 0.
    whatIfOptions.useInputPh = 0x7FC00000;
    SetPath("\\full.KRV");
    ASSERT_EQ(SaveWorkFileFull(nullptr), 0);
    const std::vector<uint8_t> file = ReadFile("full.KRV");
    ASSERT_EQ(file.size(), kFileBytes);
    EXPECT_EQ(bytes::GetU32(file.data() + kRecordTable[357].offset), 0u);
    whatIfOptions.useInputPh = 1;
    ASSERT_EQ(SaveWorkFileFull(nullptr), 0);
    EXPECT_EQ(bytes::GetU32(ReadFile("full.KRV").data() + kRecordTable[357].offset), 1u);
    EXPECT_TRUE(failures.empty());
}

// A reflected CRC-16 (polynomial 0xA001, initial 0) written plainly.
uint16_t Arc(const std::vector<uint8_t>& data) {
    uint16_t crc = 0;
    for (uint8_t b : data) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
    }
    return crc;
}

TEST(DataFileChecksum, BothStepsAgreeWithTheKnownForms) {
    std::vector<uint8_t> data(kChecksumBytes);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>((37 * i + 11) % 256);
    uint32_t a = 0, b = 0;
    for (uint8_t x : data) {
        a = Crc16StepA001(a, x, 0xA001);
        b = Crc16Step1021(b, x, 0x1021);
    }
    EXPECT_EQ(a, 0x0422u);
    EXPECT_EQ(a, Arc(data));
    EXPECT_EQ(b & 0xFFFF, 0x3692u);  // binascii.crc_hqx(data, 0)
    EXPECT_GT(b, 0xFFFFu);           // the register is not cut to 16 bits
    const std::string digits = "123456789";
    uint32_t c = 0, d = 0;
    for (char x : digits) {
        c = Crc16StepA001(c, static_cast<uint8_t>(x), 0xA001);
        d = Crc16Step1021(d, static_cast<uint8_t>(x), 0x1021);
    }
    EXPECT_EQ(c, 0xBB3Du);
    EXPECT_EQ(d & 0xFFFF, 0x31C3u);
}

class DataFileChecksumFile : public WorkFileTest {};

TEST_F(DataFileChecksumFile, ZerosPassAndAShortFileFails) {
    WriteFile("FILES/FTN01.BIN", std::vector<uint8_t>(kChecksumBytes, 0));
    EXPECT_EQ(CheckSolubilityFileCrc(), 0);
    WriteFile("FILES/FTN01.BIN", {});
    EXPECT_EQ(CheckSolubilityFileCrc(), -1);
    std::vector<uint8_t> data(kChecksumBytes, 0);
    data[7] = 1;
    WriteFile("FILES/FTN01.BIN", data);
    EXPECT_EQ(CheckSolubilityFileCrc(), -1);
}

}  // namespace
