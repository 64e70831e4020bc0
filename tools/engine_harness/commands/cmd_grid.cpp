// tarvex-engine grid ph|pco2|pressure WATERFILE: the 7 x 7 what-if grid of a water,
// rows of pH, pCO2 or pressure by columns of temperature over the ranges derived
// from the water (whatif_setup.h). One line per cell with both axis values, pH,
// the saturation ratios of calcite, barite, celestite and gypsum, the corrosion
// rates and the doses; the progress window's steps go to the complaint stream.
#include <cstring>

#include "engine/records.h"
#include "input/records.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/profiles/profile_axis.h"
#include "scenarios/profiles/profiles.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/whatif_setup.h"

int CmdGrid(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() != 2) {
        std::fprintf(err, "grid: give ph, pco2 or pressure and a water file\n");
        return kExitUsage;
    }
    const char* rowName = args[0];
    const bool pressure = std::strcmp(rowName, "pressure") == 0;
    const bool pco2 = std::strcmp(rowName, "pco2") == 0;
    if (!pressure && !pco2 && std::strcmp(rowName, "ph") != 0) {
        std::fprintf(err, "grid: unknown variable \"%s\"\n", rowName);
        return kExitUsage;
    }
    const int status = PrepareSurfaceWater(args[1], err);
    if (status != kExitOk) return status;

    whatIfOptions = WhatIfOptions{};
    whatIfOptions.varyPco2 = pco2 ? 1 : 0;
    const int grid = RunSurfaceWaterGrid(pressure, err);
    if (grid != kExitOk) return grid;

    const GridTable& g = whatIfResults.grid;
    // The pressure rows are not kept in the table; they are the profile axis of
    // the pressure range.
    float rows[kGridAxisPoints];
    if (pressure)
        BuildProfileAxis(whatIfSettings.pressureLow, whatIfSettings.pressureHigh, rows);
    else
        std::memcpy(rows, g.phAxis, sizeof rows);
    std::fprintf(out, "grid %s temperature\n", rowName);
    for (int i = 0; i < kGridAxisPoints; ++i) {
        for (int j = 0; j < kGridAxisPoints; ++j) {
            const int n = kGridAxisPoints * i + j;
            char label[16], axis[80];
            std::snprintf(label, sizeof label, "cell %d %d", i, j);
            std::snprintf(axis, sizeof axis, "%s=%.6g temperature=%.6g", rowName, rows[i],
                          g.temperatureAxis[j]);
            PrintPointLine(out, {label, axis, g.analysis[n], g.results[n], g.corrosion[n],
                                 g.acidDose[n], g.alkaliDose[n], g.dose[n], g.doseStatus[n]});
        }
    }
    return kExitOk;
}
