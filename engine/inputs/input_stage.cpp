// The order of the first stage of the equilibrium calculation: the constants need
// the temperature the inputs fix, their pressure corrections the pressure, and the
// gas inputs the activity coefficients that follow from the first ionic strength.
#include <cstring>

#include "engine/carbonate/carbonate_state.h"
#include "engine/tables/constants_records.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/tables/equilibrium_constants.h"
#include "engine/tables/temperature_functions.h"
#include "engine/tables/thermo_tables.h"

double RunInputStage(const InputStageContext& context, WaterAnalysis& analysis,
                     InputStageOutputs& out) {
    EngineInputs& in = out.inputs;
    in = EngineInputs{};
    out.flows = GasFlowTotals{};
    std::memset(out.state, 0, sizeof(SpeciesRecord) * kSpeciesCount);

    const double startPh = LoadEngineInputs(context, analysis, out.state, in);
    out.waterActivityResult = ClampToFloat(in.waterActivity);

    ApplyLogK25Resets(out.reactions);
    ComputeConstantsAtTemperature(in.temperatureC, in.temperatureK, out.reactions,
                                  out.reactionLogK, out.reactionK, out.water, out.kwResult);
    ApplyPhLinearConstants(startPh, out.reactionK);

    LoadPressure(context.units, analysis, in);
    ApplyPressureCorrections(in.temperatureC, in.temperatureK, in.pressureBar, out.reactionLogK,
                             out.reactionK);
    FirstActivityCoefficients(in.sqrtIonicStrength, out.water.debyeA, out.water.debyeB,
                              context.species, out.state);

    LoadGasInputs(context, analysis, out.state, in, out.flows);
    return startPh;
}
