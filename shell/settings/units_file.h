// The units file "\plunit.cnf": the 40 unit choices and the switches kept with
// them, 104 bytes, little-endian u16 words in a fixed order. Older files of 102
// bytes (no alkali chemical) and of 84 and 82 bytes (a 62-byte unit table, the
// last without the alkalinity mode) are still read.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "platform/window/win_types.h"

constexpr int kUnitsFileBytes = 104;
constexpr int kBalancingIonWords = 5;

// The file's fields in file order, with the display switch read after them.
struct UnitsFileRecord {
    UnitCodes units;
    uint16_t acidChemical;
    uint16_t threeDPlotStyle;
    uint16_t varyPco2;
    // Balancing cation and anion choices, then the engine's pass selector and
    // its cation-added and anion-added flags.
    uint16_t balancingIons[kBalancingIonWords];
    uint16_t precipitationUnit;
    uint16_t mineralTitles;
    uint16_t alkalinityMode;
    uint16_t alkaliChemical;
    uint32_t indexFormat;  // read after the fields when the file is longer; never written
};

// The file's 104 bytes.
void EncodeUnitsFile(const UnitsFileRecord& r, uint8_t (&out)[kUnitsFileBytes]);

// Reads the open file of `length` bytes into `r` (which holds the start values)
// and repairs what is missing. Returns true when the file failed: it was not
// open (HFILE_ERROR), its unit table was short or a read reported an error
// (the fields from the failing one onward then hold their defaults), or a field
// held a value outside its range (that field then holds its default).
[[nodiscard]] bool ReadUnitsFile(win::HFILE file, long length, UnitsFileRecord& r);

// The unit choices and switches as the program holds them, and back.
[[nodiscard]] UnitsFileRecord GatherUnitsSettings();
void ScatterUnitsSettings(const UnitsFileRecord& r);

// Writes the 104-byte file from the program's settings, creating it when it
// cannot be opened; tells the user when neither works.
void SaveUnitsFile();

// The start-up step: the start values, the file read and repaired, the warning
// and a rewrite when the file failed.
void LoadUnitsFile();

inline constexpr const char* kUnitsFileName = "\\plunit.cnf";
inline constexpr const char* kUnitsFileWarning =
    "No Input Units configuration file was found or file was corrupt. Please setup input "
    "units. Default units are in effect!";
