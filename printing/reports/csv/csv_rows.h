// The rows of the summary pages' CSV file: no header row; each row a quoted
// label, then its fields, every field followed by a comma; lines end in CR LF;
// numbers in the C locale whatever the environment; texts as the bytes they
// were typed in, quoted, an embedded double quote doubled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/water_analysis.h"
#include "scenarios/wells/well_records.h"

struct CsvSource {
    const WaterAnalysis* water = nullptr;      // the surface water
    const SampleDescription* texts = nullptr;  // its description set
    const WellLogTable* stations = nullptr;    // the 12 station slots of the shown profile
    std::string workspaceName;                 // the work file's name, empty for none
    bool wellLogPage = false;                  // MOMEX rows only
    uint32_t precipitationShow = 0;            // 0 MOMEX, 1 PP, 2 both, else neither
};

// mode 1: "N/A" for a value of 0 or below, else "%.2f" of its base-10
// logarithm; any other mode "%.2f" of the value. At most size - 1 characters.
void FormatCsvNumber(float value, char* text, std::size_t size, int mode);

// "%g" of a value in the C locale.
[[nodiscard]] std::string CsvGeneral(double value);

// A packed date (year - 1900) x 10000 + month x 100 + day in the date order:
// 0 month-day-year, 1 day-month-year, else year-month-day.
[[nodiscard]] std::string CsvDate(int32_t packed, int order);

// The whole file.
[[nodiscard]] std::string BuildSummaryCsv(const CsvSource& source);

// The precipitation amounts the one-page summary shows (record 404 of the
// work file: 0 momentary excess, 1 precipitation potential, 2 both).
[[nodiscard]] uint32_t PrecipitationQuantity();
