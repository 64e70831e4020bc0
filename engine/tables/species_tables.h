// The engine's two fixed tables of thermodynamic data and the per-calculation
// working arrays derived from them. Everything the engine knows about an ion, ion
// pair or mineral reaction is addressed by the fixed indices of these tables.
#pragma once

#include <cstdint>

constexpr int kReactionCount = 685;
constexpr int kSpeciesCount = 408;

// Reactions: standard reaction enthalpy (kcal/mol, for the van 't Hoff step) and
// log10 K at 25 degrees C (298.16 K).
struct ReactionTable {
    double deltaH[kReactionCount];
    double logK25[kReactionCount];
};

// Species: charge z, molar mass (g/mol of the species as written) and the
// Debye-Hückel ion-size parameter a (0: no extended term).
struct SpeciesTable {
    double charge[kSpeciesCount];
    double molarMass[kSpeciesCount];
    double ionSize[kSpeciesCount];
};

// The two tables lie in this order as one contiguous block of 2,594 doubles.
struct ThermoTables {
    ReactionTable reactions;
    SpeciesTable species;
};
static_assert(sizeof(ThermoTables) == 2594 * sizeof(double), "one block of 2,594 doubles");

// One record per species, rewritten by every calculation.
struct SpeciesRecord {
    double amount;    // analytical concentration, mg/L as the species
    double molality;  // mol per kg of water
    double gamma;     // activity coefficient
    double activity;  // gamma x molality
};

extern ThermoTables thermoTables;
extern ReactionTable& reactionTable;
extern SpeciesTable& speciesTable;
extern uint16_t speciesTableFilled;  // 99 once InitSpeciesTable has run
// Raised by every writer of thermoTables (filling, the logK25 resets when they change
// an entry, the engine's reset); code that writes an entry by hand raises it too.
// What is derived from the tables and kept between calculations (the constants of
// recent temperatures, the activity classes) is known to be current while it stays
// the same, without comparing the tables.
extern uint32_t thermoTablesGeneration;

extern double reactionLogK[kReactionCount];  // log10 K at the calculation's temperature
extern double reactionK[kReactionCount];     // K itself, or an explicit temperature function
extern SpeciesRecord SpeciesState[kSpeciesCount];

// Writes every entry of both tables with its fixed value.
void InitSpeciesTable();

// The five logK25 entries written again at the start of every calculation.
void ResetLogK25Entries();
