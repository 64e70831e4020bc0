// Dates of samples and reports packed into one i32:
// (year - 1900) x 10000 + month x 100 + day. The date-format unit choice shows
// them month-day-year, day-month-year or year-month-day.
#pragma once

#include <cstdint>

namespace DateOrder {
enum : uint16_t { kMonthDayYear = 0, kDayMonthYear = 1, kYearMonthDay = 2 };
}

// A date split into its fields (the calendar control keeps its own packed form,
// CalendarDate, in shell/calendar).
struct DateParts {
    int year;   // full year, e.g. 2026
    int month;  // 1..12
    int day;    // 1..31
};

constexpr int32_t PackDate(const DateParts& d) {
    return (d.year - 1900) * 10000 + d.month * 100 + d.day;
}

constexpr DateParts UnpackDate(int32_t packed) {
    return DateParts{packed / 10000 + 1900, (packed / 100) % 100, packed % 100};
}
