// The two single-water grids share one table and one frame: rows are the pH (or
// pCO2) points of CalcGridpHTemp or the pressure points of CalcGridPressTemp,
// columns the temperature points.
#pragma once

#include "scenarios/frame/driver_context.h"
#include "scenarios/frame/gas_point_control.h"

enum class GridVariable { kPhOrPco2, kPressure };

struct GridRun {
    DriverContext& c;
    GridVariable variable;
    GridTable& grid;
    float rows[kGridAxisPoints];
    float temperatures[kGridAxisPoints];
    ProductName product;
    DoseContext doseInputs;        // the dose parameter block, cleared once per run
    GasPointControl gasControl{};  // the pH control of the cell being set up under its gas
};

void RunGrid(DriverContext& c, GridVariable variable, uint16_t graphCode);

// The whole grid, 49 cells row by row.
void RunGridCells(GridRun& run);

// The doses of the stored cells for the current product.
void RunGridDosePass(GridRun& run);

// The pCO2 of a cell in row i when its pH comes from pCO2.
float GridCellPco2(const GridRun& run, int row);
