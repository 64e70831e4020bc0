// Reading a water file: the hand-written analysis format of the engine harness.
//
//   # comment
//   name = value [unit]
//
// Names are the analysis items in lower case (ph, alkalinity, chloride, ...,
// oxalate) and the two settings alkalinity_mode = 1..7 and reporting = ppm|mg/L|epm.
// Units are those the units dialog offers for the item; a value without a unit is in
// the item's default unit (unit code 0; for the alkalinity family the alkalinity
// mode). Values are not converted: the reader records the unit code of each item and
// the two modes, as the input form and the units dialog would.
#pragma once

#include <string>
#include <string_view>

#include "common/unit_codes.h"
#include "common/water_analysis.h"

struct WaterFileData {
    WaterAnalysis analysis;
    UnitCodes units;
    uint16_t reportingMode;               // ReportingMode: 1 ppm, 2 mg/L, 3 epm
    uint16_t alkalinityMode;              // 1..7
    bool given[AnalysisElement::kCount];  // the elements the file set
};

struct WaterFileStatus {
    bool ok = true;
    int line = 0;         // 1-based line of the fault; 0 when no line is at fault
    std::string message;  // "line 12: unknown name \"calcum\""
};

// Parses the text of a water file. On failure `out` is left as it was.
[[nodiscard]] WaterFileStatus ParseWaterText(std::string_view text, WaterFileData& out);

// Reads and parses the file at `path`. On failure `out` is left as it was.
[[nodiscard]] WaterFileStatus ReadWaterFile(const std::string& path, WaterFileData& out);

// How an item's recorded unit reads, e.g. "as CaCO3", "C", "psia"; "" when none.
std::string DescribeUnit(const WaterFileData& data, int element);
