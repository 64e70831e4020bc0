// tarvex-engine speciate WATERFILE: the ionic equilibrium of one water. Prints the
// settled pH, the ionic strength, the water activity, the passes the iteration
// took, and for every species with a non-zero molality its index, molality,
// activity coefficient and activity.
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/speciation/speciation_records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_run.h"

int CmdSpeciate(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() != 1) {
        std::fprintf(err, "speciate: give one water file\n");
        return kExitUsage;
    }
    const int status = CalculateWaterFile(args[0], err);
    if (status != kExitOk) return status;
    std::fprintf(out, "ph %.9g\n", speciation.ph);
    std::fprintf(out, "ionic_strength %.9g\n", speciation.ionicStrength);
    std::fprintf(out, "water_activity %.9g\n", speciation.waterActivity);
    std::fprintf(out, "passes %d\n", speciation.passCount);
    for (int i = 0; i < kSpeciesCount; ++i) {
        const SpeciesRecord& s = SpeciesState[i];
        if (s.molality == 0.0) continue;
        std::fprintf(out, "species %d %.9g %.9g %.9g\n", i, s.molality, s.gamma, s.activity);
    }
    return kExitOk;
}
