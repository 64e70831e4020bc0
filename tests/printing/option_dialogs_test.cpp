// The print option dialogs from the main menu: what a click, OK and Cancel do
// to the value and to the settings files, the printer colour words after the
// print mode, and the message when the display configuration file cannot be
// written.
#include <algorithm>

#include "graphs/graph_output_records.h"
#include "printing/options/print_option_dialogs.h"
#include "printing/print_dialog_ids.h"
#include "resources/resource_ids.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/units_file.h"
#include "tests/printing/print_fixture.h"

namespace printtest {
namespace {

using OptionDialogsTest = PrintTest;

// Runs the menu command with its dialog answered by pressing `presses` in order.
void Choose(unsigned command, int dialog, std::vector<int> presses) {
    win::OnDialog(
        dialog,
        [presses](win::HWND d) {
            for (int id : presses) win::PressButton(d, id);
        },
        1);
    win::SendMessage(mainWindowState.mainWindow, win::WM_COMMAND, command, 0);
}

TEST_F(OptionDialogsTest, ChemicalFormatSavesTheUnitsFileOnlyWhenChanged) {
    const std::vector<uint8_t> before = ReadFile("plunit.cnf");
    ASSERT_EQ(before.size(), 104u);
    // Formulas, then Cancel: names again, the file untouched.
    Choose(MenuCommand::kMineralNameOrFormula, PrintDialogId::kChemFormat,
           {PrintDialogControl::kFormula, win::IDCANCEL});
    EXPECT_EQ(displaySettings.mineralTitles, 0);
    EXPECT_EQ(ReadFile("plunit.cnf"), before);
    // OK without a change writes nothing either.
    fs::remove(folder / "plunit.cnf");
    Choose(MenuCommand::kMineralNameOrFormula, PrintDialogId::kChemFormat, {win::IDOK});
    EXPECT_FALSE(Exists("plunit.cnf"));
    // Several clicks, OK: the last click holds and the file says so.
    Choose(MenuCommand::kMineralNameOrFormula, PrintDialogId::kChemFormat,
           {PrintDialogControl::kFormula, PrintDialogControl::kMineralName,
            PrintDialogControl::kFormula, win::IDOK});
    EXPECT_EQ(displaySettings.mineralTitles, 1);
    const std::vector<uint8_t> after = ReadFile("plunit.cnf");
    ASSERT_EQ(after.size(), 104u);
    EXPECT_EQ(shelltest::GetWord(after, 98), 1);
    EXPECT_TRUE(failures.empty());
}

// The index format is kept for the next session by the display configuration
// file, as the print mode is: OK with a change rewrites it, and the file read
// back holds the format chosen; an OK without a change and a Cancel leave the
// file as it was.
TEST_F(OptionDialogsTest, IndexFormatIsKeptForTheNextSession) {
    const auto indexFormatOfFile = [this] {
        const std::vector<uint8_t> bytes = ReadFile("zorin.cnf");
        EXPECT_EQ(bytes.size(), kDisplayConfigBytes);
        uint8_t image[kDisplayConfigBytes] = {};
        std::copy_n(bytes.begin(), std::min(bytes.size(), sizeof image), image);
        DisplayConfigRecord r{};
        DecodeDisplayConfig(image, r);
        return r.indexFormat;
    };
    const std::vector<uint8_t> config = ReadFile("zorin.cnf");
    EXPECT_EQ(indexFormatOfFile(), 0u);
    Choose(MenuCommand::kIndexOrRatio, PrintDialogId::kIndexFormat, {win::IDOK});
    EXPECT_EQ(ReadFile("zorin.cnf"), config);
    Choose(MenuCommand::kIndexOrRatio, PrintDialogId::kIndexFormat,
           {PrintDialogControl::kIndex, win::IDOK});
    EXPECT_EQ(displaySettings.indexFormat, 1u);
    EXPECT_EQ(indexFormatOfFile(), 1u);
    const std::vector<uint8_t> after = ReadFile("zorin.cnf");
    Choose(MenuCommand::kIndexOrRatio, PrintDialogId::kIndexFormat,
           {PrintDialogControl::kRatio, PrintDialogControl::kIndex, PrintDialogControl::kRatio,
            win::IDCANCEL});
    EXPECT_EQ(displaySettings.indexFormat, 1u);  // Cancel restores the value it opened with
    EXPECT_EQ(ReadFile("zorin.cnf"), after);
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

TEST_F(OptionDialogsTest, PrintModeRewritesTheConfigurationAndTheColourWords) {
    UsePrinterLines("Grey | letter | 300 | mono | " + out.string() + "\n");
    graphOutputFlags.printColor = graphOutputFlags.printColorAvailable = 1;
    Choose(MenuCommand::kPrintMode, PrintDialogId::kPrintMode,
           {PrintDialogControl::kIndirect, win::IDOK});
    EXPECT_EQ(printJobState.printMode, 1u);
    const std::vector<uint8_t> config = ReadFile("zorin.cnf");
    ASSERT_EQ(config.size(), 1082u);
    EXPECT_EQ(config[14], 1);  // the print mode record after the version and 12 reserved bytes
    EXPECT_EQ(graphOutputFlags.printColor, 0);  // the default printer is mono
    EXPECT_EQ(graphOutputFlags.printColorAvailable, 0);
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

TEST_F(OptionDialogsTest, PrintModeSaysWhenTheConfigurationCannotBeWritten) {
    // A folder where the file should be: it can be neither opened nor created.
    fs::remove(folder / "zorin.cnf");
    fs::create_directories(folder / "zorin.cnf");
    Choose(MenuCommand::kPrintMode, PrintDialogId::kPrintMode,
           {PrintDialogControl::kIndirect, win::IDOK});
    EXPECT_EQ(printJobState.printMode, 1u);  // kept in memory
    const auto& boxes = win::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.rfind("Error: Cannot save the display settings\n\nSaving ", 0), 0u)
        << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("zorin.cnf failed: Is a directory."), std::string::npos)
        << boxes[0].text;
    EXPECT_EQ(boxes[0].type & 0xF0u, win::MB_ICONINFORMATION);
}

TEST_F(OptionDialogsTest, PrinterSetupThatEndsWithoutAPrinterWarns) {
    win::CancelPrintDialog();
    win::SendMessage(mainWindowState.mainWindow, win::WM_COMMAND, MenuCommand::kPrinterSetup, 0);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              "Printer could not be initialized!!! Please call technical support");
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
    win::ClearMessageBoxLog();
    win::AnswerPrintDialog("Grey");
    win::SendMessage(mainWindowState.mainWindow, win::WM_COMMAND, MenuCommand::kPrinterSetup, 0);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_NE(printJobState.savedDevNames, nullptr);
    EXPECT_EQ(graphOutputFlags.printColorAvailable, 1);  // the default printer prints colour
}

// Every control inside the dialog, none over another, the dialog on the
// smallest desktop.
TEST_F(OptionDialogsTest, LayoutsFitAndDoNotOverlap) {
    for (int id : {PrintDialogId::kChemFormat, PrintDialogId::kIndexFormat,
                   PrintDialogId::kPrintMode, PrintDialogId::kCancelPrinting}) {
        win::OnDialog(
            id,
            [&](win::HWND d) {
                win::RECT frame{}, client{};
                win::GetWindowRect(d, &frame);
                win::GetClientRect(d, &client);
                EXPECT_LE(frame.right - frame.left, 640) << id;
                EXPECT_LE(frame.bottom - frame.top, 480) << id;
                std::vector<win::RECT> boxes;
                for (win::HWND c = win::GetWindow(d, win::GW_CHILD); c != nullptr;
                     c = win::GetWindow(c, win::GW_HWNDNEXT)) {
                    win::RECT r{};
                    win::GetWindowRect(c, &r);
                    win::POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
                    win::ScreenToClient(d, &corners[0]);
                    win::ScreenToClient(d, &corners[1]);
                    r = win::RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
                    EXPECT_GE(r.left, 0) << id;
                    EXPECT_GE(r.top, 0) << id;
                    EXPECT_LE(r.right, client.right) << id;
                    EXPECT_LE(r.bottom, client.bottom) << id;
                    for (const win::RECT& other : boxes) {
                        const bool apart = r.right <= other.left || other.right <= r.left ||
                                           r.bottom <= other.top || other.bottom <= r.top;
                        EXPECT_TRUE(apart) << id << " " << win::WindowText(c);
                    }
                    boxes.push_back(r);
                }
                win::PressButton(d, win::IDCANCEL);
            },
            1);
        (void)win::DialogBoxParamA(nullptr, id, mainWindowState.mainWindow,
                                   id == PrintDialogId::kCancelPrinting ? PrintCancelDlgProc
                                   : id == PrintDialogId::kPrintMode    ? PrintModeDlgProc
                                   : id == PrintDialogId::kChemFormat   ? ChemFormatDlgProc
                                                                        : IndexFormatDlgProc,
                                   0);
    }
    printJobState.printAborted = 0;
}

}  // namespace
}  // namespace printtest
