// Definitions of the speciation's records.
#include "engine/speciation/speciation_records.h"

uint32_t phBalanceSwitch;
uint32_t phBoundUsed;

SpeciationState speciation;
uint32_t unconvergedSpeciations;

void ResetSpeciationRecords() {
    phBalanceSwitch = 0;
    phBoundUsed = 0;
    speciation = SpeciationState{};
    unconvergedSpeciations = 0;
}
