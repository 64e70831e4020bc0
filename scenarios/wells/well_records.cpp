// Definitions of the well profiles' tables and run state.
#include "scenarios/wells/well_records.h"

WellProfiles wellProfiles;
WellRunState wellRunState;

void ResetWellRecords() {
    wellProfiles = WellProfiles{};
    wellRunState = WellRunState{};
}
