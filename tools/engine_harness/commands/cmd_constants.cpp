// tarvex-engine constants WATERFILE: the engine's inputs and constants for a water
// at its own temperature and pressure (an ordinary pass of the first stage).
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/tables/constants_records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_run.h"

int CmdConstants(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() != 1) {
        std::fprintf(err, "constants: give one water file\n");
        return kExitUsage;
    }
    const int status = CalculateWaterFile(args[0], err);
    if (status != kExitOk) return status;

    const EngineInputs& in = engineInputs;
    std::fprintf(out, "temperature_K %.6f\n", in.temperatureK);
    std::fprintf(out, "pressure_psia %.6f\n", in.pressurePsia);
    std::fprintf(out, "pressure_atm %.6f\n", in.pressureAtm);
    std::fprintf(out, "pressure_bar %.6f\n", in.pressureBar);
    std::fprintf(out, "pressure_raised %u\n", in.pressureRaised);
    std::fprintf(out, "ionic_strength %.8g\n", in.ionicStrength);
    std::fprintf(out, "molal_factor %.8g\n", in.molalFactor);
    std::fprintf(out, "tds %.8g\n", in.tds);
    std::fprintf(out, "water_density %.8g\n", waterConstants.waterDensityActivity);
    std::fprintf(out, "dielectric_constant %.8g\n", waterConstants.dielectricConstant);
    std::fprintf(out, "A %.8g\n", waterConstants.debyeA);
    std::fprintf(out, "B %.8g\n", waterConstants.debyeB);
    for (int i = 0; i < kReactionCount; ++i)
        std::fprintf(out, "logK %d %.8g\n", i, reactionLogK[i]);
    return kExitOk;
}
