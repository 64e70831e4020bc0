// The display configuration file "\zorin.cnf": 16 records, 1,082 bytes, the
// display, print-selection and what-if choices. Written whole by every writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/whatif_settings.h"
#include "shell/mainwindow/display_settings_records.h"

constexpr int kDisplayConfigBytes = 1082;
constexpr size_t kConfigLastRecordOffset = 1022;  // WhatIfSettings, the 16th record

// The 16 records in file order.
struct DisplayConfigRecord {
    int16_t version;
    uint8_t reserved[kConfigReservedBytes];
    uint32_t printMode;
    double linesPerScreen;
    uint32_t surfaceWindowsShown[kWindowSwitchCount];
    uint32_t mixedWindowsShown[kWindowSwitchCount];
    uint32_t chemistryItemsHidden[kReportItemSwitchCount];
    uint32_t indicatorItemsHidden[kReportItemSwitchCount];
    uint32_t extraItemsHidden[kExtraItemSwitchCount];
    uint16_t graphParams[kGraphParamCount];
    uint32_t profileOption;
    uint32_t useInputPh;
    uint32_t useInputTemperature;
    WellLogSpecs wellLog;
    uint32_t indexFormat;
    WhatIfSettings whatIf;
};

void EncodeDisplayConfig(const DisplayConfigRecord& r, uint8_t (&out)[kDisplayConfigBytes]);
void DecodeDisplayConfig(const uint8_t (&in)[kDisplayConfigBytes], DisplayConfigRecord& r);

// The values a file created at start-up carries besides what memory holds: print
// mode 0, reserved zeros, the one-page graphs anhydrite, gypsum, calcite, barite.
void SetCreationDefaults(DisplayConfigRecord& r);

// Checks every record of a short file and resets what is out of range.
// `temperatureUnit` and `pressureUnit` choose the well-log defaults.
void ValidateDisplayConfig(DisplayConfigRecord& r, uint16_t temperatureUnit, uint16_t pressureUnit,
                           bool whatIfToo = true);

// True when every record but the what-if ranges is inside its range.
[[nodiscard]] bool DisplayConfigValid(const DisplayConfigRecord& r);

// The well-log temperatures (bottom hole, separator, flashed) set to the start
// stations written in `temperatureUnit`, or the three pressures to those
// written in `pressureUnit`: what the start-up sets, what a new unit starts
// from and what a short file gets for a value out of range.
void SetWellTemperatureDefaults(WellLogSpecs& w, uint16_t temperatureUnit);
void SetWellPressureDefaults(WellLogSpecs& w, uint16_t pressureUnit);

// Overlays the first `delivered` bytes of a file image on `r` (as reading the
// records one by one would) and says whether every record got at least one byte.
bool OverlayFileBytes(const uint8_t* file, size_t delivered, DisplayConfigRecord& r);

// The records as the program holds them, and back.
[[nodiscard]] DisplayConfigRecord GatherDisplayConfig();
void ScatterDisplayConfig(const DisplayConfigRecord& r);

// Writes the 16 records from the program's settings as a new file that
// replaces the old one only when complete: false when any step failed, the
// old file then as it was. The caller tells the user, with the text below.
bool WriteDisplayConfigFile();
// The message for a failed WriteDisplayConfigFile, right after it: the file,
// the cause and that the old file is unchanged.
[[nodiscard]] std::string DisplayConfigWriteFailedText();

// The start-up step: read the file, create it with defaults when it cannot be
// read or carries version 0, check and rewrite it when it is short.
void LoadDisplayConfigFile();

inline constexpr const char* kDisplayConfigFileName = "\\zorin.cnf";
