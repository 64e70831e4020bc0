// Dates and times as the identification blocks print them.
#pragma once

#include <cstdint>
#include <string>

// A packed date in the date-format order: 0 "MM-DD-YYYY", 1 "DD-MM-YYYY",
// anything else "YYYY-MM-DD".
[[nodiscard]] std::string FormatReportDate(int32_t packedDate, uint16_t dateOrder);
// A sample time (hours x 100 + minutes) as four digits: 905 gives "0905".
[[nodiscard]] std::string FormatSampleTime(int16_t time);
