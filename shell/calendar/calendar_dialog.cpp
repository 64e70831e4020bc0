// The date dialog: the text, the scroll bars and the month grid show one date
// and each follows the others. OK takes the date of the text, CANCEL the date
// the dialog opened with; the dialog always ends with 1.
#include "shell/calendar/calendar_dialog.h"

#include <cstring>
#include <string>

#include "input/fields/decimal_field.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/calendar/calendar_control.h"
#include "shell/calendar/calendar_date.h"
#include "shell/calendar/calendar_records.h"
#include "shell/calendar/date_text.h"
#include "shell/records.h"

namespace {

namespace Id = CalendarDialogControl;

constexpr int kDateTextLimit = 12;
constexpr int kYearsShown = 200;  // 1900 .. 2099, counted from 1900

CalendarDate ToCalendar(const DateParts& d) {
    return MakeDate(d.month, d.day, d.year);
}
DateParts FromCalendar(CalendarDate d) {
    return DateParts{DateYear(d), DateMonth(d), DateDay(d)};
}

// Shows the date in the edit and keeps the text as the last good one.
void ShowDateText(win::HWND dialog, const DateParts& date) {
    WriteDateText(date, CurrentDateOrder(), calendarText, sizeof calendarText);
    win::SetDlgItemText(dialog, Id::kDateText, calendarText);
}

void SetGridDate(win::HWND dialog, const DateParts& date) {
    win::SendDlgItemMessage(dialog, Id::kMonthGrid, kCalendarSetDate, 0,
                            static_cast<win::LPARAM>(ToCalendar(date)));
}

void OnInit(win::HWND dialog) {
    win::SendDlgItemMessage(dialog, Id::kDateText, win::EM_LIMITTEXT, kDateTextLimit, 0);
    calendarStartDate = calendarDate;
    calendarDialogEnded = 0;
    int year = calendarDate / 10000;
    int month = (calendarDate % 10000) / 100;
    int day = calendarDate % 100;
    ValidateDate(year, month, day);
    const DateParts date{year + 1900, month, day};
    // Dates before 1900 have no packed form: the grid stops there.
    win::SendDlgItemMessage(dialog, Id::kMonthGrid, kCalendarSetMinimum, 0,
                            static_cast<win::LPARAM>(MakeDate(1, 1, 1900)));
    SetGridDate(dialog, date);
    ShowDateText(dialog, date);
}

void OnGridChanged(win::HWND dialog) {
    if (calendarDialogEnded != 0) return;
    const auto date = static_cast<CalendarDate>(
        win::SendDlgItemMessage(dialog, Id::kMonthGrid, kCalendarGetDate, 0, 0));
    const DateParts parts = FromCalendar(date);
    calendarDate = PackDate(parts);
    ShowDateText(dialog, parts);
}

// Leaving the text: a valid date is rewritten and moves the grid; anything else
// stays as typed, for OK to refuse.
void OnTextLeft(win::HWND dialog) {
    if (calendarDialogEnded != 0) return;
    const int32_t packed = ReadTypedDate(DialogFieldText(dialog, Id::kDateText));
    if (packed < 0) return;  // the text stays for the user to correct; OK refuses it
    calendarDate = packed;
    const DateParts date = UnpackDate(packed);
    ShowDateText(dialog, date);
    SetGridDate(dialog, date);
}

int DaysIn(int yearFrom1900, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = yearFrom1900 % 4 == 0 && yearFrom1900 != 0;  // exact for 1900..2099
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

void WrapYear(int& year) {
    if (year >= kYearsShown) year = 0;
    if (year < 0) year = kYearsShown - 1;
}

// One step of a field, then the date put right: years wrap between 1900 and
// 2099, months and days carry into their neighbours.
void StepField(int& year, int& month, int& day, int field, int step) {
    (field == 0 ? year : field == 1 ? month : day) += step;
    WrapYear(year);
    if (month < 1) {
        month = 12;
        day = 31;
        --year;
    } else if (month > 12) {
        month = 1;
        day = 1;
        ++year;
    }
    WrapYear(year);
    if (day < 1) {
        if (--month < 1) {
            month = 12;
            --year;
            WrapYear(year);
        }
        day = DaysIn(year, month);
    } else if (day > DaysIn(year, month)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
            WrapYear(year);
        }
    }
}

// Which field (0 year, 1 month, 2 day) the bar steps in the user's date order.
int FieldOfBar(int barId) {
    const int position = barId - Id::kFirstFieldBar;
    switch (CurrentDateOrder()) {
        case DateOrder::kDayMonthYear:
            return position == 0 ? 2 : position == 1 ? 1 : 0;
        case DateOrder::kYearMonthDay:
            return position;
        default:
            return position == 0 ? 1 : position == 1 ? 2 : 0;
    }
}

void OnScroll(win::HWND dialog, int code, win::HWND bar) {
    const int barId = win::GetDlgCtrlID(bar);
    if (barId < Id::kFirstFieldBar || barId > Id::kThirdFieldBar) return;
    int step = 0;
    if (code == win::SB_LINEUP) step = 1;
    if (code == win::SB_LINEDOWN) step = -1;
    if (step == 0) return;
    int year = calendarDate / 10000;
    int month = (calendarDate % 10000) / 100;
    int day = calendarDate % 100;
    ValidateDate(year, month, day);
    StepField(year, month, day, FieldOfBar(barId), step);
    const DateParts date{year + 1900, month, day};
    calendarDate = PackDate(date);
    ShowDateText(dialog, date);
    SetGridDate(dialog, date);
}

// OK reads the text as a date; a text that is none is refused with the form a
// date takes, and the dialog stays open on it.
void OnOk(win::HWND dialog) {
    const std::string text = DialogFieldText(dialog, Id::kDateText);
    const int32_t packed = ReadTypedDate(text);
    if (packed < 0) {
        RefuseField(dialog, Id::kDateText, DateRefusalText("Date", text));
        return;
    }
    calendarDate = packed;
    calendarDialogEnded = 1;
    win::EndDialog(dialog, 1);
}

}  // namespace

win::INT_PTR CalendarDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam) {
    switch (msg) {
        case win::WM_INITDIALOG:
            OnInit(dialog);
            return win::TRUE;
        case win::WM_VSCROLL:
            OnScroll(dialog, win::LOWORD(wParam), reinterpret_cast<win::HWND>(lParam));
            return win::TRUE;
        case win::WM_COMMAND: {
            const int id = win::LOWORD(wParam);
            if (id == Id::kMonthGrid) {
                OnGridChanged(dialog);
            } else if (id == Id::kDateText) {
                if (win::HIWORD(wParam) == win::EN_KILLFOCUS) OnTextLeft(dialog);
            } else if (id == Id::kOk) {
                OnOk(dialog);
            } else if (id == Id::kCancel || id == win::IDCANCEL) {
                calendarDate = calendarStartDate;
                calendarDialogEnded = 1;
                win::EndDialog(dialog, 1);
            } else {
                return win::FALSE;
            }
            return win::TRUE;
        }
        default:
            return win::FALSE;
    }
}

int32_t GetDateFromCalendar(int32_t packedDate) {
    calendarDate = packedDate;
    (void)win::DialogBoxParam(mainWindowState.instance, DialogId::kCalendar,
                              mainWindowState.mainWindow, CalendarDlgProc, 0);
    return calendarDate;
}
