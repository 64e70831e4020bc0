// Printers of this system: virtual printers that write PDF files, set up in
// one small text file, and the answers to the print dialog in headless runs.
//
// The printer file has one printer per line, five fields separated by '|':
//
//     # name         | paper           | dpi | colour | output folder
//     PDF995         | letter          | 600 | colour | prints
//     Office Laser   | a4 landscape    | 300 | mono   | /tmp/tarvex-prints
//
// Paper is letter, legal or a4, optionally followed by "landscape";
// resolution 72 to 2400 dots per inch; "colour" (or "color") or "mono"; a
// relative folder is taken from the printer file's folder. Blank lines and
// lines starting with '#' are skipped. The first printer is the default
// printer. The program looks for a printer named "PDF995" for its PDF route.
#pragma once

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
};

// The name of the port and driver every configured printer reports.
inline constexpr const char* kPrinterDriverName = "TarvexPDF";
inline constexpr const char* kPrinterPortName = "PDF:";

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

// Headless answers of the print dialog, used in order, one per dialog: the
// printer to choose (empty: keep the one shown) and the orientation, or a
// cancel. A print dialog without an answer is a script failure and counts
// as cancelled.
void AnswerPrintDialog(const std::string& printerName, bool landscape = false);
void CancelPrintDialog();

// Where the last finished document went (empty before the first one).
[[nodiscard]] std::string LastPrintedFile();

}  // namespace win
