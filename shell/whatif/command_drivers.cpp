// The drivers the commands call, the scenario engine's unless a test replaced them.
#include "shell/whatif/command_drivers.h"

#include "engine/pipeline/service_hooks.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/multimix/multimix.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/wells/well_profiles.h"

namespace {

CommandDrivers ProgramDrivers() {
    return CommandDrivers{
        CalcTempProfile,    CalcpHProfile,        CalcPressProfile,     CalcGridpHTemp,
        CalcGridPressTemp,  CalcMixingProfile,    CalcMixGrid,          MixWaters,
        CalcWellLogProfile, CalcWellLogProfile11, CalcWellLogProfile48, ShowChooseGraphs};
}

}  // namespace

CommandDrivers& Drivers() {
    static CommandDrivers drivers = ProgramDrivers();
    return drivers;
}

void ResetCommandDrivers() {
    Drivers() = ProgramDrivers();
}
