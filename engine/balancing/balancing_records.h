// The engine's side of electroneutrality balancing: which side of a water the
// reference pass found short. The ions to add are the user's choice in
// BalancingSettings (input/records.h); the amount found is balanceAmount
// (engine/results_records.h), SaturationResults slot 31 during the reference pass;
// the pass selector is calcPassMode (engine/inputs_records.h). In the units file
// the three engine words follow the two user choices: calcPassMode, cationAdded,
// anionAdded.
#pragma once

#include <cstdint>

// 1 when the reference pass found the anions in excess and computed a cation amount.
extern uint16_t cationAdded;
// 1 when the reference pass found the cations in excess and computed an anion amount.
extern uint16_t anionAdded;

void ResetBalancingRecords();
