// Bringing sample-record files of older layouts to the current one, and the
// inhibitor file a record file names. Nothing in the program calls these.
//
// Every file the converter changes is read whole, converted in memory, written
// whole to a new file beside it and renamed over it only when every step
// succeeded; on any failure the file stays as it was and the routine returns -1.
// The settings that reading a file's preamble replaces and the working
// analysis are put back afterwards.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// What the conversion calls; tests put stand-ins here.
struct ConverterServices {
    void (*runCalculations)();
    uint32_t (*tickCount)();  // milliseconds
};
extern ConverterServices converterServices;
void ResetConverterServices();

// Old scale or limit code to the current code.
[[nodiscard]] int MapOldScaleCode(int code);
// A date stored in entry order as year-month-day: day first when unit item 20
// is set, month first otherwise.
[[nodiscard]] int32_t ReorderStoredDate(int32_t date);
// Both dates of a record, for versions below 124 and 201 to 214.
void FixDateOrder(int16_t version, uint8_t* record);
// The two dates, for versions 501 to 512.
void SwapDateOrder(int16_t version, int32_t* date1, int32_t* date2);

// Phase 0 starts the progress window; any other steps it to done / total.
void UpdateConversionProgress(int phase, int done, int total);

// Recompute a record in hand: the first 35 values with the unit defaults of
// pressure, pCO2 and density; or all 64 values keeping the record's own
// elements 1, 13 and 14.
void ApplyConvertedUnits(uint8_t* record);
void ApplyFileUnits(uint8_t* record);

// The 1,109-byte layout into a 2,339-byte record, and back (the words at 2103,
// 2131, 2135, 2139 and 2143 are not taken back).
void ConvertOldRecordA(const uint8_t* old, uint8_t* record);
void ConvertOldRecordB(const uint8_t* record, uint8_t* old);

// Converts a file of `version` below 215 at `path` (a path of the program):
// records of 901, 1,101 and 1,065 bytes become current records; 213 and 214 get
// their dates and preamble only; 215 and later stay as they are. 0 or -1.
int UpgradeWorkFile(int16_t version, const char* path);
// Reads the file's version, upgrades its inhibitor file and runs
// UpgradeWorkFile for a version below 215. 0 or -1.
int ConvertOldWorkFile(const char* path);
// Files of 1,245-byte records, in the two ways their writers kept them. 0 or -1.
int ConvertOldFileA(const char* path);
int ConvertOldFileB(const char* path);
// Maps the codes of the inhibitor file named at offset 44 of `header` when it
// holds a whole 523-byte record, and copies the record's texts into the header.
// 0, or -1 when it was left alone.
int UpgradeInhibitorFiles(uint8_t* header);

inline constexpr const char* kCreateQuestion = "Error: Cannot open file.  Shall I create it?";
