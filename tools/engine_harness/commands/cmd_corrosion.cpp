// tarvex-engine corrosion WATERFILE: the four corrosion rates of one water, in
// mm/yr and in mils per year, from its temperature, pH, pressure, pCO2 and pH2S.
#include "engine/corrosion/corrosion_models.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_run.h"

int CmdCorrosion(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() != 1) {
        std::fprintf(err, "corrosion: give one water file\n");
        return kExitUsage;
    }
    const int status = CalculateWaterFile(args[0], err);
    if (status != kExitOk) return status;
    if (!HaveSaturationResults())
        std::fprintf(out,
                     "note: no saturation results from the equilibrium calculation; the rates "
                     "use the analysis values as given, without protective scales\n");

    // The models report in the user's corrosion-rate unit: ask for mm/yr.
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    const float* v = currentAnalysis.values;
    const double t = v[AnalysisElement::kTemperature], ph = v[AnalysisElement::kPh];
    const double p = v[AnalysisElement::kPressure], pco2 = v[AnalysisElement::kPco2];
    const double ph2s = v[AnalysisElement::kPH2S];
    const struct {
        const char* name;
        double rate;
    } rates[] = {
        {"co2_rate_constant", CalcCorrRateCO2Kt(t, ph, p, pco2)},
        {"co2_fugacity", CalcCorrRateCO2Fug(t, ph, p, ph2s)},
        {"arrhenius", CalcCorrRateArrhenius(t, ph, p, pco2)},
        {"co2_h2s", CalcCorrRateCO2H2S(t, ph, p, pco2, ph2s)},
    };
    for (const auto& r : rates)
        std::fprintf(out, "%-18s %14.6g mm/yr %14.6g mpy\n", r.name, r.rate, r.rate / kMmPerMil);
    return kExitOk;
}
