// CalcGridpHTemp and CalcGridPressTemp: the frame of the two grids. Refusals
// and questions come before any change (a dose graph without its pH control, a
// surface water with nothing in it, pH control with CO2 or NaHCO3 outside their
// range); the re-run rule decides between the whole grid, a dose-only pass for
// the dose graph and nothing; the end step marks which grid the table holds and
// puts the surface water and the engine settings back.
#include <cstring>

#include "engine/carbonate/carbonate_species.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/grids/grid_family.h"
#include "scenarios/frame/driver_end_step.h"
#include "scenarios/profiles/profile_axis.h"
#include "scenarios/profiles/profiles.h"
#include "shell/records.h"

namespace {
namespace AE = AnalysisElement;

bool Refused(DriverContext& c, GridVariable v, uint16_t graphCode,
             const float (&rows)[kGridAxisPoints]) {
    if (RefuseDoseGraph(c.owner, graphCode, c.control)) return true;
    if (RefuseEmptyWater(c.owner, c.surface)) return true;
    if (v == GridVariable::kPhOrPco2 && c.engine.options.varyPco2 == 0) {
        for (float ph : rows)
            if (AbortForPhControlChemical(c.owner, c.control, ph)) return true;
    }
    return false;
}

void BuildRows(const DriverContext& c, GridVariable v, float (&rows)[kGridAxisPoints]) {
    const WhatIfSettings& s = c.settings;
    if (v == GridVariable::kPressure)
        BuildProfileAxis(s.pressureLow, s.pressureHigh, rows);
    else if (c.engine.options.varyPco2 != 0)
        BuildProfileAxis(s.pco2Low, s.pco2High, rows);
    else
        BuildGridAxis(s.phLow, s.phHigh, rows);
}

int16_t FirstGraphCode(const GraphChoice& choice) {
    return choice.count >= 1 ? choice.codes[0] : 0;
}

}  // namespace

void RunGrid(DriverContext& c, GridVariable v, uint16_t graphCode) {
    GridTable& grid = c.tables.grid;
    const bool pressureGrid = v == GridVariable::kPressure;
    uint16_t& done = pressureGrid ? c.status.gridDone2 : c.status.gridDone;
    uint16_t& otherDone = pressureGrid ? c.status.gridDone : c.status.gridDone2;

    float rows[kGridAxisPoints];
    float temperatures[kGridAxisPoints];
    BuildRows(c, v, rows);
    BuildGridAxis(c.settings.temperatureLow, c.settings.temperatureHigh, temperatures);
    if (Refused(c, v, graphCode, rows)) return;

    // The re-run rule. Without a product the doses count as current.
    const ProductName product = CurrentProductName(c.product);
    const bool selected = c.status.productSelected != 0;
    const bool stale = selected && (!SameProductName(product, grid.lastProductName) ||
                                    c.surfaceResidenceTime != grid.gridResidenceTimeAtLastRun);
    const bool active = c.productActive != 0 || (selected && AnyDosedComponentActive(c.product));
    const bool dosesWanted = selected && FirstGraphCode(c.graphChoice) == GraphCode::kDose &&
                             (stale || grid.doseDone == 0);
    const RunChoice choice = ChooseRun(done != 0, stale, active, dosesWanted);

    ForgetPhTargetOutOfReach();
    StartFromSurfaceCalculation(c.owner);
    SaveEngineSettings(c.engine, c.backup);
    if (pressureGrid) {
        c.engine.control.phPredictionMethod = PhPrediction::kProduction;
        c.engine.phBalanceSwitch = 1;
        c.engine.options.varyPco2 = 1;
        grid.gridKind = GridKind::kPressureTemperature;
    } else {
        c.engine.phBalanceSwitch = 0;
        grid.gridKind = GridKind::kPhTemperature;
        std::memcpy(grid.phAxis, rows, sizeof rows);
    }
    std::memcpy(grid.temperatureAxis, temperatures, sizeof temperatures);
    std::memcpy(c.current.values, c.surface.values, sizeof c.current.values);
    c.current.values[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    if (active && selected) c.productActive = 1;

    GridRun run{c, v, grid, {}, {}, product, DoseContext{}};
    std::memcpy(run.rows, rows, sizeof rows);
    std::memcpy(run.temperatures, temperatures, sizeof temperatures);
    int marked = 0;
    if (choice == RunChoice::kWhole) {
        RunGridCells(run);
        // Cells no water can be are marked as not calculated, each by the CO2
        // of its own pass.
        const uint16_t* units = c.units.units.code;
        const bool underGas = c.engine.options.varyPco2 != 0;
        const GivenConditions given{!pressureGrid && !underGas, underGas};
        for (int n = 0; n < kGridCells; ++n)
            if (MarkGridCellIfBeyond(grid, n, grid.analysis[n][AE::kAcidity],
                                     {units[UnitItem::kPressure], units[UnitItem::kGasCo2]}, given))
                ++marked;
    } else if (choice == RunChoice::kDoseOnly) {
        RunGridDosePass(run);
    }

    // End step: this grid is current, the other one is not.
    done = 1;
    otherDone = 0;
    EndOnSurfaceWater(c);
    TellPhTargetOutOfReach(c.owner);
    TellPointsNotCalculated(c.owner, marked, kGridCells);
}

void CalcGridpHTemp(uint16_t graphCode) {
    DriverContext c = BindDriverContext(mainWindowState.mainWindow);
    RunGrid(c, GridVariable::kPhOrPco2, graphCode);
}

void CalcGridPressTemp(uint16_t graphCode) {
    DriverContext c = BindDriverContext(mainWindowState.mainWindow);
    RunGrid(c, GridVariable::kPressure, graphCode);
}
