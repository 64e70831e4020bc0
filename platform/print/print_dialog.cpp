// The print dialog and the printer set-up dialog: the user picks one of the
// configured printers and an orientation; the dialog record then holds the
// printer's settings block and names block (replacing the ones it held) and,
// when asked for, a printer context.
//
// The dialog is an ordinary modal dialog of the dialog manager (a list of
// printers, portrait and landscape buttons, OK and Cancel), so it shows on
// a display like any other; in headless runs the answers queued by
// AnswerPrintDialog / CancelPrintDialog drive it, and a dialog nothing
// answers is a script failure and counts as cancelled.
#include <cstring>
#include <deque>

#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/dialog.h"
#include "platform/drivers/script.h"
#include "platform/print/print_job.h"
#include "platform/system/clipboard.h"

namespace win {
namespace {

// Template and control ids of the dialog (above the program's own ids).
constexpr int kPrintTemplate = 32200;
constexpr int kPrinterList = 32201;
constexpr int kPortrait = 32202;
constexpr int kLandscape = 32203;

// CommDlgExtendedError code when no printer is configured.
constexpr DWORD kPrintDialogErrorNoPrinters = 0x1008;

struct Answer {
    bool ok = false;
    std::string printer;
    std::optional<bool> landscape;  // none: as shown
};

std::deque<Answer>& Answers() {
    static std::deque<Answer> answers;
    return answers;
}

// What the dialog shows on opening and what the user chose.
struct Choice {
    int printer = 0;
    bool landscape = false;
};
Choice* activeChoice = nullptr;

void RegisterTemplate(bool setup) {
    DialogTemplate t;
    t.caption = setup ? "Print Setup" : "Print";
    t.style |= DS_SETFONT;
    t.fontName = "MS Sans Serif";
    t.cx = 200;
    t.cy = 120;
    t.items = {{"STATIC", -1, "&Printer:", SS_LEFT, 8, 6, 120, 10, 0},
               {"LISTBOX", kPrinterList, "", LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 8,
                18, 130, 60, 0},
               {"BUTTON", -1, "Orientation", BS_GROUPBOX, 8, 82, 130, 32, 0},
               {"BUTTON", kPortrait, "P&ortrait", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 14,
                94, 56, 12, 0},
               {"BUTTON", kLandscape, "&Landscape", BS_AUTORADIOBUTTON, 74, 94, 60, 12, 0},
               {"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 146, 18, 46, 14, 0},
               {"BUTTON", IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 146, 36, 46, 14, 0}};
    RegisterDialogTemplate(kPrintTemplate, t);
}

INT_PTR PrintDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            for (const PrinterConfig& p : ConfiguredPrinters()) {
                SendDlgItemMessage(dialog, kPrinterList, LB_ADDSTRING, 0,
                                   reinterpret_cast<LPARAM>(p.name.c_str()));
            }
            SendDlgItemMessage(dialog, kPrinterList, LB_SETCURSEL,
                               static_cast<WPARAM>(activeChoice->printer), 0);
            CheckRadioButton(dialog, kPortrait, kLandscape,
                             activeChoice->landscape ? kLandscape : kPortrait);
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const bool doubleClick = id == kPrinterList && HIWORD(wParam) == LBN_DBLCLK;
            if (id == IDOK || doubleClick) {
                const LRESULT sel = SendDlgItemMessage(dialog, kPrinterList, LB_GETCURSEL, 0, 0);
                if (sel >= 0) activeChoice->printer = static_cast<int>(sel);
                activeChoice->landscape = IsDlgButtonChecked(dialog, kLandscape) == BST_CHECKED;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (id == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

// Answers one opening of the dialog with the oldest queued answer.
void AnswerFromQueue(HWND dialog) {
    if (Answers().empty()) {
        PressButton(dialog, IDCANCEL);
        return;
    }
    const Answer answer = Answers().front();
    Answers().pop_front();
    if (!answer.ok) {
        PressButton(dialog, IDCANCEL);
        return;
    }
    if (!answer.printer.empty()) {
        const std::vector<PrinterConfig>& printers = ConfiguredPrinters();
        const PrinterConfig* p = FindPrinter(answer.printer);
        if (p == nullptr) {
            ReportScriptFailure("print dialog: no printer named \"" + answer.printer + "\"");
            PressButton(dialog, IDCANCEL);
            return;
        }
        ChooseListItem(dialog, kPrinterList, static_cast<int>(p - printers.data()));
    }
    if (answer.landscape.has_value()) {
        SetCheck(dialog, *answer.landscape ? kLandscape : kPortrait, true);
        SetCheck(dialog, *answer.landscape ? kPortrait : kLandscape, false);
    }
    PressButton(dialog, IDOK);
}

void QueueAnswer(Answer answer) {
    Answers().push_back(std::move(answer));
    OnDialog(kPrintTemplate, &AnswerFromQueue, 1);
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
        if (names.wDeviceOffset < size) {
            name.assign(block + names.wDeviceOffset,
                        strnlen(block + names.wDeviceOffset, size - names.wDeviceOffset));
        }
    }
    GlobalUnlock(r.devNames);
    return name;
}

bool RecordMode(const PrintDialogRecord& r, DeviceMode* mode) {
    if (r.devMode == nullptr || GlobalSize(r.devMode) < sizeof(DeviceMode)) return false;
    const void* block = GlobalLock(r.devMode);
    if (block != nullptr) std::memcpy(mode, block, sizeof(DeviceMode));
    GlobalUnlock(r.devMode);
    mode->dmDeviceName[sizeof mode->dmDeviceName - 1] = '\0';
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

}  // namespace

void AnswerPrintDialog(const std::string& printerName, std::optional<bool> landscape) {
    QueueAnswer(Answer{true, printerName, landscape});
}

void CancelPrintDialog() {
    QueueAnswer(Answer{});
}

void ForgetPrintDialogAnswers() {
    Answers().clear();
}

BOOL PrintDlg(PrintDialogRecord* record) {
    // A cancel leaves the error code 0; an unusable record or no printer
    // at all give codes of their own.
    detail::SetCommDlgExtendedError(0);
    if (record == nullptr) {
        detail::SetCommDlgExtendedError(kDialogErrorStructSize);
        return FALSE;
    }
    const std::vector<PrinterConfig>& printers = ConfiguredPrinters();
    if (printers.empty()) {
        detail::SetCommDlgExtendedError(kPrintDialogErrorNoPrinters);
        return FALSE;
    }
    // The dialog opens on the printer and settings the record holds.
    const PrinterConfig* printer = FindPrinter(RecordPrinter(*record));
    if (printer == nullptr) printer = &printers.front();
    DeviceMode mode = DefaultDeviceMode(*printer);
    DeviceMode held;
    if (RecordMode(*record, &held) && FindPrinter(held.dmDeviceName) == printer) mode = held;

    if ((record->flags & PD_RETURNDEFAULT) == 0) {
        Choice choice;
        choice.printer = static_cast<int>(printer - printers.data());
        choice.landscape = mode.dmOrientation == DMORIENT_LANDSCAPE;
        RegisterTemplate((record->flags & PD_PRINTSETUP) != 0);
        Choice* outer = activeChoice;
        activeChoice = &choice;
        const INT_PTR result =
            DialogBoxParam(record->instance, kPrintTemplate, record->owner, &PrintDialogProc, 0);
        activeChoice = outer;
        if (result != IDOK) return FALSE;
        const PrinterConfig* chosen = &printers[static_cast<std::size_t>(choice.printer)];
        if (chosen != printer) mode = DefaultDeviceMode(*chosen);
        printer = chosen;
        mode.dmOrientation = choice.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
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
