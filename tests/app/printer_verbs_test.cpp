// The printer verbs: parsing, a scripted run that answers the option dialogs
// and the printer set-up, and a Cancel pressed in the cancel dialog once the
// second page of a document has ended.
#include "app/verbs/printer_verbs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/command_line.h"
#include "app/program.h"
#include "app/script.h"
#include "platform/win.h"
#include "printing/job/print_job.h"
#include "printing/page/page_setup.h"
#include "printing/print_job_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "tests/shell/shell_fixture.h"

namespace {

namespace fs = std::filesystem;

TEST(PrinterVerbs, ParseWithTheirArguments) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(
        ParseScript("printer Office Laser landscape\nprinter PDF\nprinter cancel\n"
                    "printer stop 2\nprinter Draft portrait\n",
                    a, error))
        << error;
    ASSERT_EQ(a.size(), 5u);
    using Step = ScriptAction::PrinterStep;
    EXPECT_EQ(a[0].verb, ScriptAction::Verb::kPrinter);
    EXPECT_EQ(a[0].printer, Step::kChoose);
    EXPECT_EQ(a[0].text, "Office Laser");
    EXPECT_EQ(a[0].orientation, 2);
    EXPECT_EQ(a[1].text, "PDF");
    EXPECT_EQ(a[1].orientation, 0);  // as the dialog shows it
    EXPECT_EQ(a[2].printer, Step::kCancel);
    EXPECT_EQ(a[3].printer, Step::kStop);
    EXPECT_EQ(a[3].number, 2);
    EXPECT_EQ(a[4].orientation, 1);
    for (const char* bad :
         {"printer", "printer stop", "printer stop 0", "printer stop two", "printer stop 2 3"}) {
        std::vector<ScriptAction> ignored;
        EXPECT_FALSE(ParseScript(std::string(bad) + "\n", ignored, error)) << bad;
    }
}

class PrinterRunTest : public shelltest::ShellTest {
  protected:
    int Run(const std::string& script) {
        std::ofstream(folder / "script.txt") << script;
        ProgramOptions o;
        std::string error;
        EXPECT_TRUE(ParseCommandLine(
            {"--headless", "--desktop", "800x600", "--script", (folder / "script.txt").string(),
             "--log", (folder / "run.log").string()},
            o, error));
        return RunProgram(o);
    }
    std::string Log() const {
        std::ifstream in(folder / "run.log");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void UsePrinters(const std::string& lines) {
        win::UsePrinters(win::ParsePrinterConfig(lines, folder.string(), nullptr));
    }
};

TEST_F(PrinterRunTest, BundledOptionScriptSetsAndSavesTheChoices) {
    UsePrinters("PDF | letter | 300 | colour | out\n");
    std::ifstream in(fs::path(TARVEX_SOURCE_DIR) / "data/scripts/print-options.tvs");
    std::stringstream script;
    script << in.rdbuf();
    ASSERT_FALSE(script.str().empty());
    EXPECT_EQ(Run(script.str()), 0);
    const std::vector<uint8_t> config = ReadFile("zorin.cnf");
    const std::vector<uint8_t> units = ReadFile("plunit.cnf");
    ASSERT_EQ(config.size(), 1082u);
    ASSERT_EQ(units.size(), 104u);
    EXPECT_EQ(config[14], 1);                     // indirect printing
    EXPECT_EQ(shelltest::GetWord(units, 98), 1);  // chemical formulas
    EXPECT_EQ(displaySettings.indexFormat, 1u);

    // Direct printing and Cancel, names and Cancel: neither file changes.
    Restart();
    UsePrinters("PDF | letter | 300 | colour | out\n");
    EXPECT_EQ(Run("dialog 78 press 982\ndialog 78 press 2\nmenu 1066\n"
                  "dialog 161 press 389\ndialog 161 press 2\nmenu 1077\n"),
              0);
    EXPECT_EQ(ReadFile("zorin.cnf"), config);
    EXPECT_EQ(ReadFile("plunit.cnf"), units);
}

TEST_F(PrinterRunTest, PrinterSetupIsAnsweredOrCancelled) {
    UsePrinters("PDF | letter | 300 | colour | out\nDraft | a4 | 150 | mono | out\n");
    EXPECT_EQ(Run("printer cancel\nmenu 1026\nprinter Draft landscape\nmenu 1026\n"), 0);
    const std::string log = Log();
    EXPECT_NE(log.find("> printer cancel"), std::string::npos);
    EXPECT_NE(log.find("message box \"WARNING\": \"Printer could not be initialized!!! Please "
                       "call technical support\""),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("> printer Draft landscape"), std::string::npos);
    ASSERT_NE(printJobState.savedDevNames, nullptr);
}

TEST_F(PrinterRunTest, StopPressesCancelAfterThePageAndTheLogSaysAborted) {
    UsePrinters("PDF | letter | 300 | colour | out\n");
    ASSERT_EQ(Start(), 1);
    RunLoop();
    ScriptAction stop;
    stop.verb = ScriptAction::Verb::kPrinter;
    stop.printer = ScriptAction::PrinterStep::kStop;
    stop.number = 2;
    QueuePrinterAnswer(stop);
    win::AnswerPrintDialog("PDF");
    ASSERT_NE(BeginPrintJob(), nullptr);
    printJobState.docInfo.lpszDocName = "Stopped";
    printJobState.documentOpen = 1;
    ASSERT_EQ(SetupReportPage(0, 0), 0);
    StartPrintAbort(mainWindowState.mainWindow, mainWindowState.instance);
    ASSERT_TRUE(CheckedStartDoc());
    for (int page = 1; page <= 3; ++page) {
        (void)CheckedStartPage();
        (void)CheckedEndPage();
        EXPECT_EQ(printJobState.printAborted, page >= 2 ? 1u : 0u) << page;
    }
    ReleaseReportFont();
    (void)EndPrintJob(mainWindowState.mainWindow, mainWindowState.instance);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_TRUE(win::PrintLog()[0].aborted);
    EXPECT_EQ(win::PrintLog()[0].document, "Stopped");
    EXPECT_FALSE(fs::exists(folder / "out"));
    DeleteReportFonts();
}

}  // namespace
