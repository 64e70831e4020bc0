// The print dialog and the printer set-up dialog: the user picks one of the
// configured printers and an orientation; the dialog record then holds the
// printer's settings block and names block (replacing the ones it held) and,
// when asked for, a printer context.
//
// In headless runs the choice comes from the answers queued by
// AnswerPrintDialog / CancelPrintDialog; a dialog nothing answers is a
// script failure and counts as cancelled.
#include <cstring>
#include <deque>

#include "platform/clipboard.h"
#include "platform/common_dialogs.h"
#include "platform/print_job.h"
#include "platform/script.h"

namespace win {
namespace {

struct Answer {
  bool ok = false;
  std::string printer;
  bool landscape = false;
};

std::deque<Answer>& Answers() {
  static std::deque<Answer> answers;
  return answers;
}

// The printer and settings a dialog record holds (empty name: none).
std::string RecordPrinter(const PrintDialogRecord& r) {
  if (r.devNames == nullptr) return std::string();
  const std::size_t size = GlobalSize(r.devNames);
  const auto* block = static_cast<const char*>(GlobalLock(r.devNames));
  std::string name;
  if (block != nullptr && size >= sizeof(DeviceNames)) {
    DeviceNames names;
    std::memcpy(&names, block, sizeof names);
    if (names.wDeviceOffset < size) name = std::string(block + names.wDeviceOffset,
                                                        strnlen(block + names.wDeviceOffset, size - names.wDeviceOffset));
  }
  GlobalUnlock(r.devNames);
  return name;
}

bool RecordMode(const PrintDialogRecord& r, DeviceMode* mode) {
  if (r.devMode == nullptr || GlobalSize(r.devMode) < sizeof(DeviceMode)) return false;
  const void* block = GlobalLock(r.devMode);
  if (block != nullptr) std::memcpy(mode, block, sizeof(DeviceMode));
  GlobalUnlock(r.devMode);
  return block != nullptr;
}

HGLOBAL NewBlock(const void* data, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GHND, size);
  if (block == nullptr) return nullptr;
  void* p = GlobalLock(block);
  if (p != nullptr) std::memcpy(p, data, size);
  GlobalUnlock(block);
  return block;
}

// Names block: the four offset words, then driver, device and port names.
HGLOBAL NamesBlock(const PrinterConfig& printer, bool isDefault) {
  const std::string driver = kPrinterDriverName;
  const std::string port = kPrinterPortName;
  std::string bytes(sizeof(DeviceNames), '\0');
  DeviceNames names;
  names.wDriverOffset = static_cast<WORD>(bytes.size());
  bytes += driver + '\0';
  names.wDeviceOffset = static_cast<WORD>(bytes.size());
  bytes += printer.name + '\0';
  names.wOutputOffset = static_cast<WORD>(bytes.size());
  bytes += port + '\0';
  names.wDefault = isDefault ? 1 : 0;
  std::memcpy(bytes.data(), &names, sizeof names);
  return NewBlock(bytes.data(), bytes.size());
}

bool Ask(const PrintDialogRecord& r, Answer* answer) {
  if (Answers().empty()) {
    ReportScriptFailure((r.flags & PD_PRINTSETUP) != 0 ? "unanswered dialog \"Print Setup\""
                                                       : "unanswered dialog \"Print\"");
    return false;
  }
  *answer = Answers().front();
  Answers().pop_front();
  return answer->ok;
}

}  // namespace

void AnswerPrintDialog(const std::string& printerName, bool landscape) {
  Answers().push_back(Answer{true, printerName, landscape});
}

void CancelPrintDialog() { Answers().push_back(Answer{}); }

void ForgetPrintDialogAnswers() { Answers().clear(); }

BOOL PrintDlg(PrintDialogRecord* record) {
  if (record == nullptr) return FALSE;
  const std::vector<PrinterConfig>& printers = ConfiguredPrinters();
  if (printers.empty()) return FALSE;
  const PrinterConfig* printer = FindPrinter(RecordPrinter(*record));
  if (printer == nullptr) printer = &printers.front();
  DeviceMode mode = DefaultDeviceMode(*printer);
  DeviceMode held;
  if (RecordMode(*record, &held) && FindPrinter(held.dmDeviceName) == printer) mode = held;

  if ((record->flags & PD_RETURNDEFAULT) == 0) {
    Answer answer;
    if (!Ask(*record, &answer)) return FALSE;
    if (!answer.printer.empty()) {
      const PrinterConfig* chosen = FindPrinter(answer.printer);
      if (chosen == nullptr) {
        ReportScriptFailure("print dialog: no printer named \"" + answer.printer + "\"");
        return FALSE;
      }
      if (chosen != printer) mode = DefaultDeviceMode(*chosen);
      printer = chosen;
    }
    mode.dmOrientation = answer.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    mode.dmFields |= DM_ORIENTATION;
  }

  HGLOBAL modeBlock = NewBlock(&mode, sizeof mode);
  HGLOBAL namesBlock = NamesBlock(*printer, printer == &printers.front());
  if (modeBlock == nullptr || namesBlock == nullptr) {
    if (modeBlock != nullptr) GlobalFree(modeBlock);
    if (namesBlock != nullptr) GlobalFree(namesBlock);
    return FALSE;
  }
  if (record->devMode != nullptr) GlobalFree(record->devMode);
  if (record->devNames != nullptr) GlobalFree(record->devNames);
  record->devMode = modeBlock;
  record->devNames = namesBlock;
  record->printerDC = nullptr;
  if ((record->flags & PD_RETURNDC) != 0) {
    record->printerDC =
        CreateDCA(kPrinterDriverName, printer->name.c_str(), kPrinterPortName, &mode);
  }
  return TRUE;
}

}  // namespace win
