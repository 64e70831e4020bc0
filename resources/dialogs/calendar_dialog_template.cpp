// Dialog 72 "CALENDAR INPUT": the date text with a small scroll bar for each of
// its three fields, the month grid below, OK and CANCEL.
#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

using win::DialogItemTemplate;
namespace Id = CalendarDialogControl;

constexpr win::DWORD kBar = win::SBS_VERT;
constexpr win::DWORD kEdit = win::WS_BORDER | win::WS_TABSTOP | win::ES_AUTOHSCROLL;

}  // namespace

void RegisterCalendarDialog() {
    win::DialogTemplate t = ModalDialog("CALENDAR INPUT", "MS Sans Serif", 8);
    t.cx = 124;
    t.cy = 140;
    t.items = {
        DialogItemTemplate{"EDIT", Id::kDateText, "", kEdit, 8, 9, 62, 12},
        DialogItemTemplate{"SCROLLBAR", Id::kFirstFieldBar, "", kBar, 78, 7, 8, 16},
        DialogItemTemplate{"SCROLLBAR", Id::kSecondFieldBar, "", kBar, 90, 7, 8, 16},
        DialogItemTemplate{"SCROLLBAR", Id::kThirdFieldBar, "", kBar, 102, 7, 8, 16},
        DialogItemTemplate{"CALENDAR", Id::kMonthGrid, "", win::WS_TABSTOP, 8, 30, 108, 84},
        DialogItemTemplate{"BUTTON", Id::kOk, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, 8, 120,
                           50, 14},
        DialogItemTemplate{"BUTTON", Id::kCancel, "CANCEL", win::WS_TABSTOP, 66, 120, 50, 14},
    };
    win::RegisterDialogTemplate(DialogId::kCalendar, std::move(t));
}
