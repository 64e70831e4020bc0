// The print job: a cancelled print dialog, a Cancel in the cancel dialog after
// the second page, a printer that cannot write its file, the second dialog of
// a run opening on the first one's choice, the default printer entry, leaks,
// and a mono printer's grey PDF with the one-bit logo.
#include <algorithm>
#include <cstring>
#include <fstream>

#include "printing/job/printer_dc.h"
#include "printing/page/report_logo.h"
#include "tests/printing/print_fixture.h"

namespace printtest {
namespace {

using PrintJobTest = PrintTest;

std::vector<fs::path> Pdfs(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.path().extension() == ".pdf") files.push_back(e.path());
    return files;
}

int EnableCount(win::HWND hwnd) {
    int n = 0;
    for (const win::TraceEntry& e : win::MessageTrace())
        n += (e.hwnd == hwnd && e.message == win::WM_ENABLE && e.wParam == win::TRUE) ? 1 : 0;
    return n;
}

bool AllTopLevelWindowsEnabled() {
    for (win::HWND w = win::GetWindow(mainWindowState.mainWindow, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT))
        if (!win::IsWindowEnabled(w)) return false;
    return true;
}

TEST_F(PrintJobTest, CancelledPrintDialogStartsNoDocument) {
    win::CancelPrintDialog();
    PrintSkeletonJob();
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(printJobState.printerDC, nullptr);
    EXPECT_EQ(printJobState.documentOpen, 0u);
    EXPECT_EQ(printJobState.printAborted, 0u);  // cleared by the sequence's end
    EXPECT_TRUE(win::PrintLog().empty());
    EXPECT_TRUE(Pdfs(out).empty());
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

TEST_F(PrintJobTest, CancelAfterTheSecondPageAbortsTheJob) {
    FillWaters();
    win::AnswerPrintDialog("PDF");
    int pagesWhenPressed = 0;
    win::OnPageEnded([&](win::HDC, int pages) {
        if (pages != 2) return;
        pagesWhenPressed = pages;
        // What the cancel dialog's button does when the user clicks it.
        win::PostMessage(printJobState.cancelDialog, win::WM_COMMAND, win::IDCANCEL, 0);
    });
    win::EnableMessageTrace(true);
    win::ClearMessageTrace();
    PrintSkeletonJob();
    EXPECT_EQ(pagesWhenPressed, 2);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_TRUE(win::PrintLog()[0].aborted);
    EXPECT_EQ(win::PrintLog()[0].pages, 2);  // the third report never ran
    EXPECT_TRUE(Pdfs(out).empty());
    EXPECT_EQ(EnableCount(mainWindowState.mainWindow), 1);
    EXPECT_TRUE(AllTopLevelWindowsEnabled());
    EXPECT_EQ(printJobState.cancelDialog, nullptr);
    EXPECT_EQ(printJobState.printerDC, nullptr);
    EXPECT_EQ(printJobState.documentOpen, 0u);
    EXPECT_EQ(printJobState.printAborted, 0u);
    EXPECT_TRUE(win::MessageBoxLog().empty());  // a user's Cancel says nothing
}

TEST_F(PrintJobTest, WindowsStayDisabledWhileTheCancelDialogIsUp) {
    win::HDC dc = StartPage();
    ASSERT_NE(dc, nullptr);
    ASSERT_NE(printJobState.cancelDialog, nullptr);
    EXPECT_FALSE(win::IsWindowEnabled(mainWindowState.mainWindow));
    EXPECT_TRUE(win::IsWindowEnabled(printJobState.cancelDialog));
    EXPECT_TRUE(win::IsWindowVisible(printJobState.cancelDialog));
    EXPECT_EQ(win::WindowText(printJobState.cancelDialog), "Push to Cancel Printing");
    EXPECT_TRUE(CheckedEndPage());
    printJobState.singlePageJob = JobPart::kWholeJob;
    EndReportJob();
    EXPECT_TRUE(AllTopLevelWindowsEnabled());
    EXPECT_EQ(printJobState.cancelDialog, nullptr);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_FALSE(win::PrintLog()[0].aborted);
}

TEST_F(PrintJobTest, PrinterThatCannotWriteItsFileSaysSoOnce) {
    // The output folder would have to be made inside a plain file.
    { std::ofstream(folder / "blocker") << "x"; }
    UsePrinterLines("Broken | letter | 300 | colour | " + (folder / "blocker" / "out").string() +
                    "\n");
    win::AnswerPrintDialog("Broken");
    printJobState.singlePageJob = JobPart::kWholeJob;
    PrintSkeletonReport(Block::kSample);
    const auto& boxes = win::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 1u);
    // The printer's words, then the file and why it could not be written.
    EXPECT_EQ(boxes[0].text, "Printer: EndDoc failed!\n\n" +
                                 (folder / "blocker" / "out" / "Skeleton Report.pdf").string() +
                                 " could not be written: Not a directory.");
    EXPECT_EQ(boxes[0].type & 0xF0u, win::MB_ICONHAND);
    EXPECT_EQ(printJobState.printAborted, 1u);
    ASSERT_EQ(win::PrintLog().size(), 1u);
    EXPECT_TRUE(win::PrintLog()[0].aborted);
    EXPECT_EQ(printJobState.printerDC, nullptr);
    EXPECT_TRUE(AllTopLevelWindowsEnabled());
}

TEST_F(PrintJobTest, SecondDialogOpensOnTheFirstChoice) {
    printJobState.singlePageJob = JobPart::kWholeJob;
    win::AnswerPrintDialog("Grey", true);
    PrintSkeletonReport(Block::kSample);
    win::AnswerPrintDialog("");  // OK on what the dialog shows
    PrintSkeletonReport(Block::kSample);
    ASSERT_EQ(win::PrintLog().size(), 2u);
    EXPECT_EQ(win::PrintLog()[0].printer, "Grey");
    EXPECT_EQ(win::PrintLog()[1].printer, "Grey");
    const std::string info = RunTool("pdfinfo '" + win::PrintLog()[1].path + "'");
    EXPECT_NE(info.find("792 x 612 pts"), std::string::npos) << info;  // still landscape

    // A DC made from the record frees its blocks: the next print dialog starts
    // from the default printer, the next set-up dialog from the saved choice.
    win::HDC dc = CreatePrinterDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(printJobState.printDialog.devNames, nullptr);
    win::DeleteDC(dc);
    win::AnswerPrintDialog("");
    EXPECT_EQ(ShowPrinterSetup(), 0);
    dc = CreatePrinterDC();
    EXPECT_EQ(win::GetDeviceCaps(dc, win::NUMCOLORS), 2);  // Grey again
    win::DeleteDC(dc);
}

TEST_F(PrintJobTest, DefaultPrinterNeedsDeviceDriverAndPort) {
    win::WriteProfileString("windows", "device", "PDF,TarvexPDF,PDF:");
    win::HDC dc = CreateDefaultPrinterDC();
    EXPECT_NE(dc, nullptr);
    win::DeleteDC(dc);
    win::WriteProfileString("windows", "device", "PDF TarvexPDF PDF:");  // no comma at all
    EXPECT_EQ(CreateDefaultPrinterDC(), nullptr);
    win::WriteProfileString("windows", "device", "PDF,TarvexPDF");
    EXPECT_EQ(CreateDefaultPrinterDC(), nullptr);
    EXPECT_EQ(CreateDefaultPrinterIC(), nullptr);
    // The driver may end at a blank instead of a comma.
    win::WriteProfileString("windows", "device", "PDF,TarvexPDF PDF:");
    dc = CreateDefaultPrinterIC();
    EXPECT_NE(dc, nullptr);
    win::DeleteDC(dc);
    // Without a default printer the colour words say grey.
    win::WriteProfileString("windows", "device", "PDF,TarvexPDF");
    graphOutputFlags.printColor = graphOutputFlags.printColorAvailable = 1;
    RefreshPrinterColourWords();
    EXPECT_EQ(graphOutputFlags.printColor, 0);
    EXPECT_EQ(graphOutputFlags.printColorAvailable, 0);
}

TEST_F(PrintJobTest, JobsLeaveNoDrawingObjectBehind) {
    printJobState.singlePageJob = JobPart::kWholeJob;
    win::AnswerPrintDialog("PDF");
    PrintSkeletonReport(Block::kSample);
    const int objects = win::LiveGdiObjectCount();
    const int dcs = win::LiveDcCount();
    for (int k = 0; k < 2; ++k) {
        win::AnswerPrintDialog("PDF");
        PrintSkeletonJob();
    }
    // The report fonts of the last set-up stay until the next set-up.
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    EXPECT_EQ(win::LiveDcCount(), dcs);
    win::AnswerPrintDialog("");
    EXPECT_EQ(ShowPrinterSetup(), 0);
    EXPECT_EQ(win::LiveDcCount(), dcs);
}

TEST_F(PrintJobTest, MonoPrinterPrintsGreyWithTheOneBitLogo) {
    FillWaters();
    win::AnswerPrintDialog("Grey");
    printJobState.singlePageJob = JobPart::kWholeJob;
    ASSERT_TRUE(StartReportJob());
    EXPECT_EQ(reportLogoLayout.logoBitmapWidth, 300);
    win::HBITMAP mono = win::LoadBitmapA(nullptr, kLogoMono);
    win::BITMAP info{};
    win::GetObjectA(mono, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    win::DeleteObject(mono);
    win::HDC dc = printJobState.printerDC;
    PrintPageHead(dc, "GREY REPORT");
    // Something in colour: a red box and blue text.
    win::HBRUSH red = win::CreateSolidBrush(win::RGB(220, 30, 30));
    const win::RECT box{ColumnX(10), 1200, ColumnX(30), 1500};
    win::FillRect(dc, &box, red);
    win::DeleteObject(red);
    win::SetTextColor(dc, win::RGB(0, 0, 255));
    win::TextOutA(dc, ColumnX(40), 1300, "BLUE", 4);
    PrintSampleHeader(dc, surfaceWater, SampleDescription{});
    PrintPageFoot(dc);
    EndReportJob();
    ASSERT_EQ(win::PrintLog().size(), 1u);
    const std::string pdf = win::PrintLog()[0].path;
    const fs::path stem = folder / "grey";
    ASSERT_EQ(RunTool("pdftoppm -r 40 -singlefile '" + pdf + "' '" + stem.string() + "'"), "");
    win::Image32 page;
    ASSERT_TRUE(win::ReadPpm(stem.string() + ".ppm", &page));
    int coloured = 0, dark = 0;
    for (uint32_t p : page.pixels) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        coloured += (std::abs(r - g) > 2 || std::abs(g - b) > 2) ? 1 : 0;
        dark += r < 200 ? 1 : 0;
    }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(dark, 100);  // the box, the text and the logo are there, in grey
}

}  // namespace
}  // namespace printtest
