// Shared start and report of the what-if commands (profile, grid): the water file
// becomes the surface water and is computed as the program computes an entered
// water; the what-if ranges and evaluation values default from it; the progress
// window and the drivers' message boxes are reported on the complaint stream.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

// Ranges of the what-if variables that a command may override.
struct WhatIfRange {
    bool given = false;
    float low = 0.0f;
    float high = 0.0f;
};

// Reads `path`, stores it as the surface water and runs its full calculation
// (a water with nothing but a pH is stored as it is, never entered); then fills WhatIfSettings: the
// evaluation values are the water's own pH, pCO2, pressure and temperature; the ranges default to
// pH 6 to 9, half to twice the water's pCO2 (0.01 to 1 when it has none), the water's pressure to
// ten times it (1 to 10 when it has none) and the water's temperature to 100 degrees C above it.
// Returns kExitOk or kExitBadInput.
int PrepareSurfaceWater(const char* path, std::FILE* err);

// Routes the progress window and the message boxes of the drivers to `err`
// (every question is answered No, so the run goes on).
void ReportDriverServicesTo(std::FILE* err);
void StopReportingDriverServices();

// The 7 x 7 what-if grid of the surface water by temperature against pressure
// (`pressure`) or against pH or pCO2 (as whatIfOptions has it), the drivers
// reported to `err`. kExitOk, or kExitBadInput when the grid was not done.
int RunSurfaceWaterGrid(bool pressure, std::FILE* err);

// One line of a point or cell: its axis values, pH, the saturation ratios of
// calcite, barite, celestite and gypsum, the four corrosion rates and the doses.
struct PointLine {
    const char* label;  // "point 3" or "cell 2 5"
    const char* axisText;
    const float* analysis;
    const float* results;
    const float* corrosion;
    float acidDose;
    float alkaliDose;
    float dose;
    int16_t doseStatus;
};
void PrintPointLine(std::FILE* out, const PointLine& line);

// Reads --low X --high Y from `args` starting at `first`; false after telling
// `err` about anything else.
bool ReadRangeOptions(const char* command, std::span<char* const> args, size_t first,
                      WhatIfRange& range, std::FILE* err);
