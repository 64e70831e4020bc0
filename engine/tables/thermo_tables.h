// Filling the engine's reaction and species tables (engine/species_tables.h) with
// their fixed constants. InitSpeciesTable and ResetLogK25Entries work on the global
// tables; the two routines below do the same work on any table, for tests and tools.
#pragma once

#include <cstdint>

#include "engine/tables/species_tables.h"

// The value of speciesTableFilled once the tables hold their constants.
constexpr uint16_t kSpeciesTableFilledMark = 99;

// A log10 K at 25 C that every calculation writes again before the temperature
// correction reads it (the table is filled with another value for 142, 145 and 148).
struct LogK25Reset {
    int index;
    double logK25;
};
constexpr int kLogK25ResetCount = 5;
extern const LogK25Reset kLogK25Resets[kLogK25ResetCount];

// Writes every entry of both tables with its fixed value.
void FillThermoTables(ThermoTables& tables);

// Writes the five re-set log K entries.
void ApplyLogK25Resets(ReactionTable& reactions);
