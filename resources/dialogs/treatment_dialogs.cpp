// The treatment products' dialogs: SELECT PRODUCT (26), CHOOSE GRAPHS (25) and
// the TREATMENT LIMITS SUMMARY in three heights (4277, 4281, 4283). Each is laid
// out in dialog units for the 8-point dialog font (a dialog unit is 1.5 pixels
// high) so that it fits a 640 x 480 desktop; a list row is 16 pixels, and the
// list heights hold 10, 20 and 22 limit rows.
#include "platform/dialogs/dialog.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"
#include "treatment/treatment_dialog_ids.h"

namespace {

using win::DialogItemTemplate;
using win::DialogTemplate;
using win::DWORD;

constexpr DWORD kListStyle =
    win::LBS_NOTIFY | win::LBS_USETABSTOPS | win::WS_VSCROLL | win::WS_BORDER | win::WS_TABSTOP;

DialogItemTemplate Label(int id, const char* text, short x, short y, short cx) {
    return DialogItemTemplate{"STATIC", id, text, win::SS_LEFT, x, y, cx, 10, 0};
}
DialogItemTemplate List(int id, short x, short y, short cx, short cy) {
    return DialogItemTemplate{"LISTBOX", id, "", kListStyle, x, y, cx, cy, 0};
}
DialogItemTemplate Button(int id, const char* text, short x, short y, bool isDefault = false) {
    const DWORD style = (isDefault ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON) | win::WS_TABSTOP;
    return DialogItemTemplate{"BUTTON", id, text, style, x, y, 64, 14, 0};
}

DialogTemplate SelectProduct() {
    using namespace SelectProductControl;
    return ModalDialog(
        "SELECT PRODUCT", 272, 176,
        {Label(kCurrent, "Current product: None", 8, 6, 256), Label(-1, "Product", 10, 20, 90),
         Label(-1, "Kind", 106, 20, 76), Label(-1, "File", 186, 20, 76),
         List(kList, 8, 30, 256, 117), Button(win::IDOK, "&Select", 8, 154, true),
         Button(kNoProduct, "&No Product", 104, 154), Button(win::IDCANCEL, "Cancel", 200, 154)});
}

DialogTemplate ChooseGraphs() {
    using namespace ChooseGraphsControl;
    return ModalDialog(
        "CHOOSE GRAPHS", 372, 190,
        {Label(-1, "Graphs offered:", 8, 6, 140), List(kOffered, 8, 18, 140, 165),
         Button(kAdd, "&Add >>", 154, 40), Button(kRemove, "<< &Remove", 154, 60),
         Button(kClear, "&Clear", 154, 80), Label(-1, "Graphs chosen (up to four):", 224, 6, 140),
         List(kChosen, 224, 18, 140, 70), Button(win::IDOK, "OK", 224, 150, true),
         Button(win::IDCANCEL, "Cancel", 300, 150)});
}

// One height of the limits summary: the list holds `listHeight` dialog units.
DialogTemplate LimitsSummary(short listHeight) {
    using namespace LimitsSummaryControl;
    const short okY = static_cast<short>(30 + listHeight + 6);
    return ModalDialog("TREATMENT LIMITS SUMMARY", 336, static_cast<short>(okY + 20),
                       {Label(kProduct, "Product:", 8, 6, 160), Label(kPoint, "", 172, 6, 156),
                        Label(-1, "Limit", 10, 20, 130), Label(-1, "Value", 150, 20, 44),
                        Label(-1, "Lower", 196, 20, 44), Label(-1, "Upper", 242, 20, 44),
                        Label(-1, "Rating", 288, 20, 44), List(kList, 8, 30, 320, listHeight),
                        Button(win::IDOK, "OK", 136, okY, true)});
}

}  // namespace

void RegisterTreatmentDialogs() {
    win::RegisterDialogTemplate(TreatmentDialog::kSelectProduct, SelectProduct());
    win::RegisterDialogTemplate(TreatmentDialog::kChooseGraphs, ChooseGraphs());
    win::RegisterDialogTemplate(TreatmentDialog::kLimitsSummary10, LimitsSummary(110));
    win::RegisterDialogTemplate(TreatmentDialog::kLimitsSummary20, LimitsSummary(216));
    win::RegisterDialogTemplate(TreatmentDialog::kLimitsSummary30, LimitsSummary(236));
}
