// Dates as text: the three orders the date-format unit choice offers
// (month-day-year, day-month-year, year-month-day), reading a typed date and
// writing a packed one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/packed_date.h"

// Reads a typed date in the given order: at most its first 18 characters after
// leading blanks, at least two separators ("-" or "/"), up to three runs of
// digits. The year must lie within 1900..2099 (so it takes four digits), the month 1..12 and
// the day lie within the month (29 February only in leap years). False for
// anything else.
[[nodiscard]] bool ParseDateText(std::string_view text, uint16_t order, DateParts& out);

// The canonical text of a date: "MM-DD-YYYY", "DD-MM-YYYY" or "YYYY-MM-DD"
// by the order (an unknown order writes month-day-year). `size` of 11 holds it.
void WriteDateText(const DateParts& date, uint16_t order, char* text, size_t size);

// The date order the user chose (UnitCodes item 27).
[[nodiscard]] uint16_t CurrentDateOrder();

// The packed date of a typed date in the user's order, with the text rewritten
// in its canonical form; -1 for a text that is no valid date (the text is then
// left as it was).
[[nodiscard]] int32_t FormatDateText(char* text, size_t size);

// The packed date of a typed date read whole: three runs of at most four
// digits parted by "-" or "/" (blanks around it ignored) that make a valid
// date in the user's order. -1 for any other text.
[[nodiscard]] int32_t ReadTypedDate(std::string_view text);

// The message that refuses `text`, typed for the date field `fieldName`, with
// the form a date takes in the user's order.
[[nodiscard]] std::string DateRefusalText(std::string_view fieldName, std::string_view text);

// Whether a packed date is one a date field takes: a day of a month from 1900
// to 2099 (the date typed in any order reads back as the same packed date).
[[nodiscard]] bool IsPackedDate(int32_t packed);

// A packed date (year - 1900) x 10000 + month x 100 + day in the user's order.
void WritePackedDateText(int32_t packed, char* text, size_t size);
