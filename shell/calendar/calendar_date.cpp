// The calendar's day arithmetic: leap years, month lengths, weekdays and
// stepping a day forward or back across month and year ends.
#include "shell/calendar/calendar_date.h"

namespace {

constexpr int kDaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr const char* kMonthNames[13] = {"???", "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool ValidMonth(int month) {
    return month >= 1 && month <= 12;
}

}  // namespace

bool IsLeapYear(int year) {
    if (year % 4 != 0) return false;
    if (year % 100 != 0) return true;
    return year % 400 == 0;
}

int DaysInMonth(CalendarDate date) {
    const int month = DateMonth(date);
    if (!ValidMonth(month)) return 0;
    return kDaysPerMonth[month - 1] + (month == 2 && IsLeapYear(DateYear(date)) ? 1 : 0);
}

// Days since a fixed Sunday: the days of the whole years before (365 each plus
// their leap days), the days of the months before, and the day itself.
int DayOfWeek(CalendarDate date) {
    const int year = DateYear(date);
    const int month = DateMonth(date);
    if (!ValidMonth(month)) return 0;
    const int c = (IsLeapYear(year) && month > 2) ? 0 : 1;
    const int days = DateDay(date) + (year - 1) / 4 + year - c + kDaysBeforeMonth[month - 1] -
                     (year - 1) / 100 + (year - 1) / 400;
    return days % 7;
}

int FirstWeekdayOfMonth(CalendarDate date) {
    return (36 - DateDay(date) + DayOfWeek(date)) % 7;
}

CalendarDate NextDay(CalendarDate date) {
    int year = DateYear(date);
    int month = DateMonth(date);
    int day = DateDay(date) + 1;
    if (day > DaysInMonth(date)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return MakeDate(month, day, year);
}

CalendarDate PreviousDay(CalendarDate date) {
    int year = DateYear(date);
    int month = DateMonth(date);
    int day = DateDay(date) - 1;
    if (day < 1) {
        if (--month < 1) {
            month = 12;
            --year;
        }
        day = DaysInMonth(MakeDate(month, 1, year));
    }
    return MakeDate(month, day, year);
}

const char* MonthAbbreviation(int month) {
    return kMonthNames[ValidMonth(month) ? month : 0];
}

void ValidateDate(int& year, int& month, int& day) {
    if (ValidMonth(month) && day >= 1 && day <= 31 && year >= 0 && year <= 200) return;
    month = 1;
    day = 1;
    year = 80;
}
