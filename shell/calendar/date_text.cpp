// Reading and writing date texts in the user's date order.
#include "shell/calendar/date_text.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "engine/records.h"
#include "input/fields/decimal_field.h"
#include "shell/calendar/calendar_date.h"

namespace {

constexpr size_t kMaxDateChars = 18;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;
// A run of digits stops growing past this value (no date field is that large),
// so that a long run cannot overflow.
constexpr long kRunCap = 100000;

}  // namespace

bool ParseDateText(std::string_view text, uint16_t order, DateParts& out) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    text = text.substr(0, kMaxDateChars);

    int separators = 0;
    for (char c : text) separators += (c == '-' || c == '/') ? 1 : 0;
    if (separators < 2) return false;

    long field[3] = {0, 0, 0};
    int runs = 0;
    for (size_t i = 0; i < text.size() && runs < 3;) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (field[runs] < kRunCap) field[runs] = field[runs] * 10 + (text[i] - '0');
        }
        ++runs;
    }
    if (runs < 3) return false;

    int yearAt = 2, monthAt = 0, dayAt = 1;
    if (order == DateOrder::kDayMonthYear) {
        dayAt = 0;
        monthAt = 1;
    } else if (order == DateOrder::kYearMonthDay) {
        yearAt = 0;
        monthAt = 1;
        dayAt = 2;
    }
    const long year = field[yearAt];
    const long month = field[monthAt];
    const long day = field[dayAt];
    if (year < kFirstYear || year > kLastYear) return false;
    if (month < 1 || month > 12 || day < 1) return false;
    const CalendarDate date = MakeDate(static_cast<int>(month), 1, static_cast<int>(year));
    if (day > DaysInMonth(date)) return false;
    out = DateParts{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
    return true;
}

void WriteDateText(const DateParts& date, uint16_t order, char* text, size_t size) {
    if (text == nullptr || size == 0) return;
    const long y = date.year, m = date.month, d = date.day;
    if (order == DateOrder::kYearMonthDay)
        std::snprintf(text, size, "%.4ld-%.2ld-%.2ld", y, m, d);
    else if (order == DateOrder::kDayMonthYear)
        std::snprintf(text, size, "%.2ld-%.2ld-%.4ld", d, m, y);
    else
        std::snprintf(text, size, "%.2ld-%.2ld-%.4ld", m, d, y);
}

uint16_t CurrentDateOrder() {
    return unitCodes.code[UnitItem::kDateFormat];
}

int32_t FormatDateText(char* text, size_t size) {
    if (text == nullptr || size == 0) return -1;
    DateParts date{};
    if (!ParseDateText(std::string_view(text, strnlen(text, size)), CurrentDateOrder(), date))
        return -1;
    WriteDateText(date, CurrentDateOrder(), text, size);
    return PackDate(date);
}

bool IsPackedDate(int32_t packed) {
    if (packed < 0) return false;
    char text[48];
    WriteDateText(UnpackDate(packed), DateOrder::kYearMonthDay, text, sizeof text);
    DateParts read{};
    return ParseDateText(text, DateOrder::kYearMonthDay, read) && PackDate(read) == packed;
}

void WritePackedDateText(int32_t packed, char* text, size_t size) {
    WriteDateText(UnpackDate(packed), CurrentDateOrder(), text, size);
}

int32_t ReadTypedDate(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    size_t i = 0;
    for (int run = 0; run < 3; ++run) {
        size_t n = 0;
        while (i + n < text.size() && text[i + n] >= '0' && text[i + n] <= '9') ++n;
        if (n == 0 || n > 4) return -1;
        i += n;
        if (run < 2) {
            if (i >= text.size() || (text[i] != '-' && text[i] != '/')) return -1;
            ++i;
        }
    }
    DateParts date{};
    if (i != text.size() || !ParseDateText(text, CurrentDateOrder(), date)) return -1;
    return PackDate(date);
}

std::string DateRefusalText(std::string_view fieldName, std::string_view text) {
    static const char* const kForms[3] = {"MM-DD-YYYY, such as 12-31-2020",
                                          "DD-MM-YYYY, such as 31-12-2020",
                                          "YYYY-MM-DD, such as 2020-12-31"};
    const uint16_t order = CurrentDateOrder();
    return "\"" + EchoedText(text) + "\" typed for " + std::string(fieldName) +
           " is not a date. Please enter a date from 1900 to 2099 as " +
           kForms[order < 3 ? order : 0] + ".";
}
