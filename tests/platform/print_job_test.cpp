// Printing: the print dialog (answered as a script answers it) returns a
// printer context; a document's pages become a PDF file in the printer's
// folder, checked with qpdf, pdftotext and pdftoppm; an aborted document
// writes nothing.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/system/clipboard.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/print/print_setup.h"
#include "platform/drivers/script.h"
#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

namespace fs = std::filesystem;

class PrintTest : public GdiTest {
  protected:
    void SetUp() override {
        GdiTest::SetUp();
        folder_ = fs::path(TARVEX_BINARY_DIR) / "print-test";
        fs::remove_all(folder_);
        UsePrinters(ParsePrinterConfig("PDF995 | letter | 300 | colour | " + folder_.string() +
                                           "\nDraft | a4 | 150 | mono | " + folder_.string() + "\n",
                                       "/", nullptr));
    }
    void TearDown() override {
        SetScriptFailureHandler(nullptr);
        GdiTest::TearDown();
    }
    [[nodiscard]] std::vector<fs::path> Pdfs() const {
        std::vector<fs::path> files;
        if (!fs::exists(folder_)) return files;
        for (const auto& e : fs::directory_iterator(folder_)) files.push_back(e.path());
        return files;
    }
    fs::path folder_;
};

std::string RunTool(const std::string& command) {
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return "cannot run " + command;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    const int status = pclose(pipe);
    if (status != 0) out += "\n[exit " + std::to_string(status) + "]";
    return out;
}

// One page of a report: a rule, a title, body lines and a picture.
void PrintPage(HDC dc, const char* title, const char* body) {
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    HFONT font = CreateFontA(-dpi / 6, 0, 0, 0, FW_BOLD, 0, 0, 0, OEM_CHARSET, 0, 0, PROOF_QUALITY,
                             0, "Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    TextOutA(dc, dpi / 2, dpi / 2, "________________________________", 32);
    TextOutA(dc, dpi / 2, dpi, title, static_cast<int>(std::strlen(title)));
    TextOutA(dc, dpi / 2, dpi * 3 / 2, body, static_cast<int>(std::strlen(body)));
    HBRUSH band = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 160));
    HGDIOBJ oldBrush = SelectObject(dc, band);
    Rectangle(dc, dpi / 2, 2 * dpi, 3 * dpi, 3 * dpi);
    // A small picture sent as a DIB, like the report logo.
    std::vector<std::uint8_t> dib(40 + 4 * 4 * 4, 0);
    BITMAPINFOHEADER h;
    h.biWidth = 4;
    h.biHeight = 4;
    h.biBitCount = 32;
    std::memcpy(dib.data(), &h, sizeof h);
    for (int i = 0; i < 16; ++i) dib[40 + 4 * i + (i % 3)] = 255;
    StretchDIBits(dc, 4 * dpi, 2 * dpi, dpi, dpi, 0, 0, 4, 4, dib.data() + 40,
                  reinterpret_cast<BITMAPINFO*>(dib.data()), DIB_RGB_COLORS, SRCCOPY);
    SelectObject(dc, oldBrush);
    SelectObject(dc, old);
    DeleteObject(band);
    DeleteObject(font);
}

TEST_F(PrintTest, DialogReturnsAPrinterContextAndRemembersTheChoice) {
    PrintDialogRecord record;
    record.structSize = 66;
    record.flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;
    AnswerPrintDialog("Draft", true);
    ASSERT_TRUE(PrintDlg(&record));
    ASSERT_NE(record.printerDC, nullptr);
    EXPECT_EQ(GetDeviceCaps(record.printerDC, LOGPIXELSX), 150);
    EXPECT_GT(GetDeviceCaps(record.printerDC, PHYSICALWIDTH),
              GetDeviceCaps(record.printerDC, PHYSICALHEIGHT));  // landscape
    EXPECT_EQ(GetDeviceCaps(record.printerDC, NUMCOLORS), 2);
    DeleteDC(record.printerDC);
    // The names block: four offset words, then driver, device and port.
    ASSERT_NE(record.devNames, nullptr);
    const auto* names = static_cast<const char*>(GlobalLock(record.devNames));
    DeviceNames offsets;
    std::memcpy(&offsets, names, sizeof offsets);
    EXPECT_EQ(offsets.wDriverOffset, 8);
    EXPECT_STREQ(names + offsets.wDriverOffset, "TarvexPDF");
    EXPECT_STREQ(names + offsets.wDeviceOffset, "Draft");
    EXPECT_STREQ(names + offsets.wOutputOffset, "PDF:");
    GlobalUnlock(record.devNames);
    ASSERT_NE(record.devMode, nullptr);
    EXPECT_GE(GlobalSize(record.devMode), 156u);
    // The next dialog opens on that choice: an answer that names no printer
    // keeps it.
    AnswerPrintDialog("", true);
    ASSERT_TRUE(PrintDlg(&record));
    EXPECT_EQ(GetDeviceCaps(record.printerDC, LOGPIXELSX), 150);
    DeleteDC(record.printerDC);
    // Cancel: FALSE with no error code, and the record keeps what it held.
    HGLOBAL held = record.devMode;
    CancelPrintDialog();
    EXPECT_FALSE(PrintDlg(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(record.devMode, held);
    GlobalFree(record.devMode);
    GlobalFree(record.devNames);
}

TEST_F(PrintTest, UnansweredDialogIsAScriptFailureAndCancels) {
    std::vector<std::string> failures;
    SetScriptFailureHandler([&failures](const std::string& what) { failures.push_back(what); });
    PrintDialogRecord record;
    record.flags = PD_RETURNDC;
    EXPECT_FALSE(PrintDlg(&record));
    ASSERT_FALSE(failures.empty());
    EXPECT_NE(failures.front().find("Print"), std::string::npos);
    EXPECT_EQ(record.printerDC, nullptr);
    // Asking for a printer that is not configured fails the same way.
    failures.clear();
    AnswerPrintDialog("Nowhere");
    EXPECT_FALSE(PrintDlg(&record));
    EXPECT_FALSE(failures.empty());
}

TEST_F(PrintTest, TwoPageDocumentBecomesACheckedPdfWithItsText) {
    HDC dc = CreateDCA("TarvexPDF", "PDF995", "PDF:", nullptr);
    ASSERT_NE(dc, nullptr);
    DOCINFOA doc;
    doc.cbSize = 20;
    doc.lpszDocName = "Tarvex Report";
    ASSERT_GT(StartDocA(dc, &doc), 0);
    ASSERT_GT(StartPage(dc), 0);
    PrintPage(dc, "WATER CHEMISTRY REPORT", "Calcium 400.00 mg/L");
    ASSERT_GT(EndPage(dc), 0);
    ASSERT_GT(StartPage(dc), 0);
    PrintPage(dc, "DEPOSITION POTENTIAL INDICATORS", "Calcite 12.5 xSAT");
    ASSERT_GT(EndPage(dc), 0);
    ::testing::internal::CaptureStderr();
    ASSERT_GT(EndDoc(dc), 0);
    const std::string told = ::testing::internal::GetCapturedStderr();
    DeleteDC(dc);
    const fs::path pdf = folder_ / "Tarvex Report.pdf";
    // Standard error names the file with its full path.
    EXPECT_EQ(told, "tarvex: printed \"Tarvex Report\" (2 pages) to " +
                        fs::canonical(pdf).string() + "\n");
    ASSERT_TRUE(fs::exists(pdf)) << LastPrintedFile();
    EXPECT_EQ(LastPrintedFile(), pdf.string());
    const std::string quoted = "'" + pdf.string() + "'";
    const std::string check = RunTool("qpdf --check " + quoted);
    EXPECT_NE(check.find("No syntax or stream encoding errors"), std::string::npos) << check;
    const std::string pages = RunTool("qpdf --show-npages " + quoted);
    EXPECT_EQ(pages, "2\n");
    const std::string text = RunTool("pdftotext " + quoted + " -");
    EXPECT_NE(text.find("WATER CHEMISTRY REPORT"), std::string::npos) << text;
    EXPECT_NE(text.find("Calcium 400.00 mg/L"), std::string::npos);
    EXPECT_NE(text.find("DEPOSITION POTENTIAL INDICATORS"), std::string::npos);
    const std::string fonts = RunTool("pdffonts " + quoted);
    EXPECT_NE(fonts.find("LiberationSans-Bold"), std::string::npos) << fonts;
    // Rendered at 20 dpi, the first page shows ink where the title is.
    const std::string prefix = (folder_ / "page").string();
    EXPECT_EQ(RunTool("pdftoppm -r 20 -f 1 -l 1 " + quoted + " '" + prefix + "'"), "");
    Image32 page;
    bool found = false;
    for (const auto& e : fs::directory_iterator(folder_)) {
        if (e.path().extension() == ".ppm") found = ReadPpm(e.path().string(), &page);
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(page.width, 170);  // 8.5 inches at 20 dpi
    EXPECT_GT(CountInk(page), 200);
    // A second print of the same name does not overwrite the first.
    dc = CreateDCA(nullptr, "PDF995", nullptr, nullptr);
    StartDocA(dc, &doc);
    StartPage(dc);
    PrintPage(dc, "AGAIN", "x");
    EndPage(dc);
    EndDoc(dc);
    DeleteDC(dc);
    EXPECT_TRUE(fs::exists(folder_ / "Tarvex Report (2).pdf"));
}

BOOL StopAtOnce(HDC, int) {
    return FALSE;
}

int abortCalls = 0;
BOOL CountAndGoOn(HDC, int) {
    ++abortCalls;
    return TRUE;
}

TEST_F(PrintTest, AbortedDocumentsWriteNothing) {
    DOCINFOA doc;
    doc.lpszDocName = "Cancelled";
    // The program aborts after its pages.
    HDC dc = CreateDCA(nullptr, "PDF995", nullptr, nullptr);
    StartDocA(dc, &doc);
    StartPage(dc);
    PrintPage(dc, "LOST", "lost");
    EndPage(dc);
    EXPECT_GT(AbortDoc(dc), 0);
    EXPECT_EQ(EndDoc(dc), SP_ERROR);  // no document open any more
    DeleteDC(dc);
    // The abort procedure says stop while pages go out.
    dc = CreateDCA(nullptr, "PDF995", nullptr, nullptr);
    EXPECT_GT(Escape(dc, SETABORTPROC, 0, reinterpret_cast<const void*>(&StopAtOnce), nullptr), 0);
    StartDocA(dc, &doc);
    StartPage(dc);
    PrintPage(dc, "LOST", "lost");
    EXPECT_EQ(EndPage(dc), SP_APPABORT);
    EXPECT_LT(EndDoc(dc), 0);
    DeleteDC(dc);
    // The context goes away with its document still open.
    dc = CreateDCA(nullptr, "PDF995", nullptr, nullptr);
    StartDocA(dc, &doc);
    StartPage(dc);
    PrintPage(dc, "LOST", "lost");
    DeleteDC(dc);
    EXPECT_TRUE(Pdfs().empty());
    // An abort procedure that lets the job go on is asked at each page.
    abortCalls = 0;
    dc = CreateDCA(nullptr, "PDF995", nullptr, nullptr);
    SetAbortProc(dc, &CountAndGoOn);
    StartDocA(dc, &doc);
    for (int i = 0; i < 2; ++i) {
        StartPage(dc);
        EndPage(dc);
    }
    EXPECT_GT(EndDoc(dc), 0);
    EXPECT_GE(abortCalls, 2);
    const std::int32_t bounds[4] = {0, 0, 100, 100};
    EXPECT_GT(Escape(dc, SET_BOUNDS, 16, bounds, nullptr), 0);
    DeleteDC(dc);
    EXPECT_EQ(Pdfs().size(), 1u);
}

TEST_F(PrintTest, CallsOutOfOrderFailHarmlessly) {
    HDC dc = CreateDCA(nullptr, "PDF995", nullptr, nullptr);
    DOCINFOA doc;
    EXPECT_EQ(StartPage(dc), SP_ERROR);  // no document
    EXPECT_EQ(EndPage(dc), SP_ERROR);
    EXPECT_GT(StartDocA(dc, &doc), 0);
    EXPECT_EQ(StartDocA(dc, &doc), SP_ERROR);  // one at a time
    // Drawing between pages goes nowhere, but the state carries into the page.
    SetTextColor(dc, RGB(200, 0, 0));
    EXPECT_TRUE(Rectangle(dc, 0, 0, 10, 10));
    StartPage(dc);
    EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0));
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);  // a document without a blank name prints as "document"
    EXPECT_TRUE(fs::exists(folder_ / "document.pdf"));
    DeleteDC(dc);
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(StartDocA(memory, &doc), SP_ERROR);  // not a printer
    DeleteDC(memory);
}

// A document of a blank name is named after the titles of its first page;
// a named document keeps its name; without either it is "document".
TEST_F(PrintTest, BlankDocumentsTakeTheirFirstPageTitles) {
    HDC dc = CreateDCA(nullptr, "PDF995", nullptr, nullptr);
    DOCINFOA doc;
    doc.lpszDocName = " ";
    EXPECT_EQ(SetPrintFileTitle(dc, "NO DOCUMENT"), FALSE);
    ASSERT_GT(StartDocA(dc, &doc), 0);
    StartPage(dc);
    EXPECT_EQ(SetPrintFileTitle(dc, "CHEMISTRY OF WATER "), TRUE);
    EXPECT_EQ(SetPrintFileTitle(dc, "VERSUS pH"), TRUE);
    EndPage(dc);
    StartPage(dc);
    EXPECT_EQ(SetPrintFileTitle(dc, "SECOND PAGE"), TRUE);
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);
    EXPECT_TRUE(fs::exists(folder_ / "Chemistry of Water Versus pH.pdf"));

    doc.lpszDocName = "Tarvex Report";
    ASSERT_GT(StartDocA(dc, &doc), 0);
    StartPage(dc);
    EXPECT_EQ(SetPrintFileTitle(dc, "ONE PAGE"), TRUE);
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);
    EXPECT_TRUE(fs::exists(folder_ / "Tarvex Report.pdf"));

    doc.lpszDocName = " ";
    ASSERT_GT(StartDocA(dc, &doc), 0);  // the titles of the last document are gone
    StartPage(dc);
    EndPage(dc);
    EXPECT_GT(EndDoc(dc), 0);
    EXPECT_TRUE(fs::exists(folder_ / "document.pdf"));
    EXPECT_EQ(Pdfs().size(), 3u);
    DeleteDC(dc);
}

}  // namespace
}  // namespace win::test
