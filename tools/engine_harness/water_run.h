// Shared start of the harness commands that compute a water: read the water
// file, make it the working analysis with its units, and run the equilibrium
// calculation as a results pass.
#pragma once

#include <cstdio>

// Reads `path` into the global records as the working analysis with its units and
// modes, as the engine's callers prepare a water as entered. Returns kExitOk, or
// kExitBadInput after telling `err` what is wrong with the file.
int LoadWaterFile(const char* path, std::FILE* err);

// A given density (the analysis density, in the density unit of unitCodes) becomes the result scale factor in g/mL, as the water form
// hands it on; without one the element is left as it is.
void SetResultScaleFromDensity(float* values);

// Reads `path` into the global records and calculates it. Returns kExitOk, or
// kExitBadInput after telling `err` what is wrong with the file.
int CalculateWaterFile(const char* path, std::FILE* err);

// Whether the last calculation left saturation results (all zero means its result
// stage did not run).
bool HaveSaturationResults();
