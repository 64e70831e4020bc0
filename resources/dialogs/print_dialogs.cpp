// The printing dialogs: the cancel dialog of a print job (38) and the three
// print option dialogs (161, 73, 78). Each option dialog stacks its two radio
// buttons, 78 with a note under each, above OK at the lower left and Cancel at
// the lower right. They are laid out in dialog units for the 8-point dialog
// font, so they keep their proportions and fit every desktop from 640 x 480 to
// 1920 x 1200 (the largest, 78, is about 360 x 190 pixels).
#include "platform/dialogs/dialog.h"
#include "printing/print_dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

using win::DialogItemTemplate;
using win::DialogTemplate;
using win::DWORD;

DialogItemTemplate Radio(int id, const char* text, short y, short cx, bool first) {
    const DWORD style = win::BS_AUTORADIOBUTTON | (first ? win::WS_GROUP | win::WS_TABSTOP : 0);
    return DialogItemTemplate{"BUTTON", id, text, style, 12, y, cx, 12, 0};
}
DialogItemTemplate Note(const char* text, short y, short cx, short cy) {
    return DialogItemTemplate{"STATIC", -1, text, win::SS_LEFT, 24, y, cx, cy, 0};
}
DialogItemTemplate Button(int id, const char* text, short x, short y, bool isDefault) {
    const DWORD style = (isDefault ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON) | win::WS_TABSTOP |
                        (isDefault ? win::WS_GROUP : 0);
    return DialogItemTemplate{"BUTTON", id, text, style, x, y, 50, 14, 0};
}

DialogTemplate Dialog(const char* caption, DWORD style, short cx, short cy,
                      std::vector<DialogItemTemplate> items) {
    DialogTemplate t = ModalDialog(caption, cx, cy, std::move(items));
    t.style = style;
    return t;
}

// Two stacked radios, OK and Cancel below.
DialogTemplate TwoChoices(const char* caption, int first, const char* firstText, int second,
                          const char* secondText) {
    constexpr short kWidth = 168;
    return Dialog(
        caption, kModalDialogStyle, kWidth, 76,
        {Radio(first, firstText, 12, kWidth - 24, true),
         Radio(second, secondText, 30, kWidth - 24, false), Button(win::IDOK, "OK", 12, 54, true),
         Button(win::IDCANCEL, "Cancel", kWidth - 62, 54, false)});
}

DialogTemplate PrintMode() {
    constexpr short kWidth = 236;
    using namespace PrintDialogControl;
    return Dialog("Choose Print Mode", kModalDialogStyle, kWidth, 124,
                  {Radio(kDirect, "Print Directly to Printer", 12, kWidth - 24, true),
                   Note("(Select Direct Print for highest resolution graphs)", 25, kWidth - 36, 10),
                   Radio(kIndirect, "Indirect Printing", 46, kWidth - 24, false),
                   Note("(Use this option when Direct Printing of graphs results in errors such as "
                        "incomplete filling of regions with color)",
                        59, kWidth - 36, 28),
                   Button(win::IDOK, "OK", 12, 102, true),
                   Button(win::IDCANCEL, "Cancel", kWidth - 62, 102, false)});
}

// Modeless and visible from its creation; its one button cancels the job.
DialogTemplate CancelPrinting() {
    constexpr DWORD kStyle = win::WS_POPUP | win::WS_CAPTION | win::WS_VISIBLE |
                             win::DS_MODALFRAME | win::DS_SETFONT | win::DS_CENTER;
    return Dialog("Push to Cancel Printing", kStyle, 140, 44,
                  {Button(win::IDCANCEL, "Cancel", 45, 16, true)});
}

}  // namespace

void RegisterPrintDialogs() {
    using namespace PrintDialogControl;
    win::RegisterDialogTemplate(PrintDialogId::kCancelPrinting, CancelPrinting());
    win::RegisterDialogTemplate(
        PrintDialogId::kChemFormat,
        TwoChoices("Choose Chemical Format", kMineralName, "Mineral Name (Calcite)", kFormula,
                   "Chemical Formula (CaCO3)"));
    win::RegisterDialogTemplate(PrintDialogId::kIndexFormat,
                                TwoChoices("Choose Ratio or Index", kRatio, " Ratio  (IAP/Ksp) ",
                                           kIndex, "Index Log10(IAP/Ksp)"));
    win::RegisterDialogTemplate(PrintDialogId::kPrintMode, PrintMode());
}
