// Internal state of a printer context's document: the pages recorded so
// far, the abort procedure, and the PDF file the document becomes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi_dc.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/print/print_setup.h"

namespace win {

struct PrintJob {
    PrinterConfig printer;
    DeviceMode mode;
    std::string docName;
    std::string outputPath;  // the document's own output file, if it named one
    std::string fileTitle;   // names the file when the document's name is blank
    int jobId = 0;
    bool docOpen = false;
    bool inPage = false;
    bool cancelled = false;  // the abort procedure said stop
    ABORTPROC abortProc = nullptr;
    std::vector<std::shared_ptr<const Recording>> pages;
};

// The device description of a configured printer under a device mode
// (paper, orientation, resolution and colour of the mode override the
// printer's own).
[[nodiscard]] DeviceCaps PrinterCaps(const PrinterConfig& printer, const DeviceMode* mode);
// The device mode a printer starts with.
[[nodiscard]] DeviceMode DefaultDeviceMode(const PrinterConfig& printer);

// Writes the pages of a document as a PDF file; false (and no file) when
// the file cannot be written.
[[nodiscard]] bool WritePdf(const PrintJob& job, const DeviceCaps& caps, const std::string& path);

// Forgets documents in progress and the printer file (tests' reset).
void ResetPrintJobs();
void ForgetPrinters();
void ForgetPrintDialogAnswers();
void ClosePrinters();  // handles of OpenPrinterA still open

}  // namespace win
