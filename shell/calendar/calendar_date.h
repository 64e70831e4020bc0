// Dates as the calendar control keeps them, and the day arithmetic of its month
// grid. A CalendarDate packs the full year, the month and the day into one word,
// year << 16 | month << 8 | day, so that comparing two dates is comparing the
// words, and a date with its low byte cleared stands for its month.
#pragma once

#include <cstdint>

using CalendarDate = uint32_t;

[[nodiscard]] constexpr CalendarDate MakeDate(int month, int day, int year) {
    return (static_cast<uint32_t>(year) << 16) | (static_cast<uint32_t>(month & 0xFF) << 8) |
           static_cast<uint32_t>(day & 0xFF);
}
[[nodiscard]] constexpr int DateDay(CalendarDate date) {
    return static_cast<int>(date & 0xFF);
}
[[nodiscard]] constexpr int DateMonth(CalendarDate date) {
    return static_cast<int>((date >> 8) & 0xFF);
}
[[nodiscard]] constexpr int DateYear(CalendarDate date) {
    return static_cast<int>(date >> 16);
}
// The date with its day cleared: the month it lies in.
[[nodiscard]] constexpr CalendarDate DateMonthKey(CalendarDate date) {
    return date & ~CalendarDate{0xFF};
}

// Gregorian leap years: every fourth year, except centuries not divisible by 400.
[[nodiscard]] bool IsLeapYear(int year);
// Days in the date's month (February of a leap year has 29). A month outside
// 1..12 has none.
[[nodiscard]] int DaysInMonth(CalendarDate date);
// 0 Sunday .. 6 Saturday.
[[nodiscard]] int DayOfWeek(CalendarDate date);
// The weekday of the first day of the date's month.
[[nodiscard]] int FirstWeekdayOfMonth(CalendarDate date);
[[nodiscard]] CalendarDate NextDay(CalendarDate date);
[[nodiscard]] CalendarDate PreviousDay(CalendarDate date);

// The three-letter month names, index 0 ("???") for no month.
[[nodiscard]] const char* MonthAbbreviation(int month);

// A date read from an analysis record (year counted from 1900): kept when the
// month is 1 to 12, the day 1 to 31 and the year 0 to 200; anything else becomes
// 1 January 1980.
void ValidateDate(int& year, int& month, int& day);
