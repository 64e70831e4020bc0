// Printers of this system: virtual printers that write PDF files, set up in
// one small text file, and the answers to the print dialog in headless runs.
//
// The printer file has one printer per line, five fields separated by '|',
// then optional key=value fields:
//
//     # name         | paper           | dpi | colour | output folder
//     PDF995         | letter          | 600 | colour | prints
//     Office Laser   | a4 landscape    | 300 | mono   | /tmp/tarvex-prints | margin=0.5
//
// Paper is letter, legal or a4, optionally followed by "landscape";
// resolution 72 to 2400 dots per inch; "colour" (or "color") or "mono"; a
// relative folder is taken from the printer file's folder. Blank lines and
// lines starting with '#' are skipped. The first printer is the default
// printer. The program looks for a printer named "PDF995" for its PDF route.
//
// Optional fields: margin=INCHES or margin=X,Y (0 to 3 inches, default
// 0.25 on every side) is the unprintable margin of the sheet; the printable
// area (HORZRES, VERTRES) and the physical offsets follow it.
// driver=HEX (for example driver=300, 1 to FFFF) is the version word the
// printer's driver reports (DRIVERVERSION); 400 when absent.
//
// A mono printer's PDF holds only greys: every colour drawn on its pages
// becomes its grey when the pages are written.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"

namespace win {

struct PrinterConfig {
    std::string name;
    std::string paper = "letter";
    bool landscape = false;
    int dpi = 600;
    bool color = true;
    std::string folder = ".";
    double marginX = 0.25;  // unprintable margin left and right, inches
    double marginY = 0.25;  // top and bottom
    int driverVersion = 0x400;  // GetDeviceCaps(DRIVERVERSION)
};

// The name of the port and driver every configured printer reports.
inline constexpr const char* kPrinterDriverName = "TarvexPDF";
inline constexpr const char* kPrinterPortName = "PDF:";

// The most a printer file may hold: thousands of printers. A larger file is
// not read (LoadPrinterConfig says so); it could only be a wrong file.
inline constexpr std::size_t kPrinterFileMaxBytes = 1 << 20;

// Parses the text of a printer file. Bad lines are skipped, each with a
// message naming its line number and what is wrong in `errors`.
[[nodiscard]] std::vector<PrinterConfig> ParsePrinterConfig(const std::string& text,
                                                            const std::string& baseFolder,
                                                            std::vector<std::string>* errors);

// Loads the printer file (replacing the printers known so far) and writes
// the default printer into the profile entry "windows", "device". false
// when the file cannot be read or holds no valid printer; the printers
// known so far are then kept. Without a call, the first printer use loads
// "printers.cfg" from the current folder (or the file named by the
// environment variable TARVEX_PRINTERS) and, when that is missing, uses one
// printer "PDF995" (letter, 600 dpi, colour) writing into the current folder.
// That first use happens when the program starts, so the profile names the
// default printer from the start (and again whenever it lost the entry).
bool LoadPrinterConfig(const std::string& path, std::vector<std::string>* errors);
void UsePrinters(const std::vector<PrinterConfig>& printers);
[[nodiscard]] const std::vector<PrinterConfig>& ConfiguredPrinters();
[[nodiscard]] const PrinterConfig* FindPrinter(const std::string& name);
// Why the printer file in use was passed over for the default printer (a file
// that is not a regular one, cannot be read or names no printer), once: empty
// when it was used, missing, or the reason was taken already.
[[nodiscard]] std::string TakePrinterFileNotice();

// Headless answers of the print dialog, used in order, one per dialog: the
// printer to choose (empty: keep the one shown) and the orientation (none:
// keep the one shown), or a cancel. A print dialog without an answer is a
// script failure and counts as cancelled.
void AnswerPrintDialog(const std::string& printerName,
                       std::optional<bool> landscape = std::nullopt);
void CancelPrintDialog();

// Where the last finished document went (empty before the first one).
[[nodiscard]] std::string LastPrintedFile();
// Why the last document that ended could not be written: its file and the
// cause, e.g. "/home/u/out/Tarvex Report.pdf could not be written: No space
// left on device." (empty when it was written, aborted or none ended).
[[nodiscard]] std::string LastPrintFailure();

// Every document that ended, in order: written as a PDF (with its page
// count and path) or aborted (nothing written). A document whose PDF could
// not be written counts as aborted.
struct PrintRecord {
    std::string document;
    std::string printer;
    int pages = 0;
    std::string path;
    bool aborted = false;
};
[[nodiscard]] const std::vector<PrintRecord>& PrintLog();

// Called after each page of a document has ended (EndPage), before the abort
// procedure is asked whether to go on, with the number of pages the document
// holds so far. Scripts use it to press a button of the cancel dialog at a
// chosen page. An empty function removes it.
using PageEndedHook = std::function<void(HDC printer, int pagesSoFar)>;
void OnPageEnded(PageEndedHook hook);

// Called once a document was written, with the full path of its PDF file, so
// the program can tell the user where it went. An empty function removes it.
using DocumentPrintedHook = std::function<void(const std::string& pdfPath)>;
void OnDocumentPrinted(DocumentPrintedHook hook);

// A title of the document's first page: a document of a blank name takes
// its PDF file's name from these titles, joined by blanks. FALSE for a
// context without an open document.
BOOL SetPrintFileTitle(HDC hdc, const char* title);

}  // namespace win
