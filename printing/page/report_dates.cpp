// Date and time texts of the identification blocks.
#include "printing/page/report_dates.h"

#include <cstdio>

#include "common/packed_date.h"

std::string FormatReportDate(int32_t packedDate, uint16_t dateOrder) {
    const long year = packedDate / 10000 + 1900;
    const long month = (packedDate % 10000) / 100;
    const long day = packedDate % 100;
    char text[48];
    if (dateOrder == DateOrder::kMonthDayYear)
        std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.4ld", month, day, year);
    else if (dateOrder == DateOrder::kDayMonthYear)
        std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.4ld", day, month, year);
    else
        std::snprintf(text, sizeof text, "%.4ld-%.2ld-%.2ld", year, month, day);
    return text;
}

std::string FormatSampleTime(int16_t time) {
    std::string digits = std::to_string(time);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return digits.substr(0, 4);
}
