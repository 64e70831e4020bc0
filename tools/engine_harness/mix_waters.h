// The two waters of a waterflood for the harness's mix command: read from two
// water files, brought to one set of units (the program keeps one set for every
// water), stored as the injection and formation waters and calculated as the
// program calculates an entered water.
#pragma once

#include <cstdio>
#include <string>

#include "tools/engine_harness/water_file.h"

// Brings `other` to the units of `reference`: a temperature or pressure in
// another unit is converted; any other item that `other` gives in a unit of its
// own, and another reporting or alkalinity mode, cannot be and is refused.
// Returns "" when done, else the complaint (and `other` is left as it was).
std::string MatchUnits(const WaterFileData& reference, WaterFileData& other);

// Reads both files, matches the formation water's units to the injection
// water's, and calculates both waters in full. Returns kExitOk, or
// kExitBadInput after telling `err` what is wrong.
int LoadWaterflood(const char* injectionPath, const char* formationPath, std::FILE* err);
