// Definitions of the well profiles' tables and run state.
#include "scenarios/well_records.h"

WellProfiles wellProfiles;
WellRunState wellRunState;

void ResetWellRecords() {
    wellProfiles = WellProfiles{};
    wellRunState = WellRunState{};
}
