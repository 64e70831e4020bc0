// The ions that a pH-control chemical brings into the analysis: the anion of the
// acid (sulfate or chloride), the cation of the alkali (calcium, sodium or
// potassium) and, in the open carbonate system, the alkali's own carbonate or
// bicarbonate; each added in the unit the user chose for the receiving ion.
// Demands are in mg/L as CaCO3 (or in epm as stated).
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "common/water_analysis.h"

// Adds the anion of `acid` for an acid demand in mg/L as CaCO3, in the non-epm
// reporting modes: sulfuric acids to sulfate, hydrochloric acid to chloride;
// carbon dioxide brings no anion, and other codes add nothing.
void AddAcidAnion(WaterAnalysis& analysis, uint16_t acid, double demand, const UnitCodes& units);

// The same in epm reporting mode (closed carbonate system): the milliequivalents
// of the demand.
void AddAcidAnionEpm(WaterAnalysis& analysis, uint16_t acid, double demand);

// Adds the cation of `alkali` for an alkali demand in mg/L as CaCO3, by the unit
// of the receiving ion (non-epm reporting modes): as many equivalents as the
// demand moves the alkalinity.
void AddAlkaliCation(WaterAnalysis& analysis, uint16_t alkali, double demand,
                     const UnitCodes& units);

// The same in epm reporting mode (closed carbonate system): the milliequivalents
// of the demand.
void AddAlkaliCationEpm(WaterAnalysis& analysis, uint16_t alkali, double demand);

// Open carbonate system: the alkali's own anion joins the carbonate species
// (lime and soda ash as carbonate, sodium bicarbonate as bicarbonate).
void AddAlkaliAnionOpen(WaterAnalysis& analysis, uint16_t alkali, double demand);

// Factors from mg/L as CaCO3 to mg/L of the chemical; 1 for carbon dioxide and
// for codes outside the lists (the demand then stays as CaCO3).
double AcidChemicalFactor(uint16_t acid);
double AlkaliChemicalFactor(uint16_t alkali);
