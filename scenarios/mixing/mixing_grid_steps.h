// The frame and the cell steps shared by the mixing grids: the questions and
// the graph choice before anything changes, the axes, the test whether the
// cells must be computed, the pH control, results pass, dose and corrosion of
// one cell, and the bookkeeping of the product and the done flags at the end.
#pragma once

#include <cstdint>

#include "scenarios/frame/driver_frame.h"
#include "scenarios/mixing/mixing_axis.h"
#include "scenarios/mixing/mixing_blend.h"
#include "scenarios/frame/whatif_records.h"

// One run of a mixing grid.
struct MixGridRun {
    uint16_t kind;  // MixGridKind, the gridKind the run leaves
    int doneIndex;  // its entry in mixGridDone
    bool productSelected;
    bool hasPhosphate;  // the product carries phosphate
    bool nameChanged;   // the product file name differs from productAtLastCalc
    bool computeCells;  // the skip test found the cells stale
    bool varyPco2;      // the rows are pCO2 values
    // pCO2 rows without pH control: each cell's pH is the one its pCO2 sets at
    // its temperature, and its results pass is a what-if pass that keeps it.
    bool gasSetsPh;
    // pH rows without pH control: each cell is the blend's carbonate at the
    // row's pH, its results pass a what-if pass that holds the blend's total
    // carbonate there, as a cell of the water's own pH grid is run.
    bool rowSetsPh;
    // "Correct pH for Temperature" without pH control, on the ratio grid: each
    // cell's results pass is a what-if pass that holds the blend's total
    // carbonate and moves the pH until the blend keeps its own alkalinity at
    // the cell's temperature, as a point of the temperature profile does.
    bool phFollowsTemperature;
    float percentAxis[kMixAxisPoints];
    ProgressClock clock;
    DriverSettingsBackup saved;
};

// The questions about the pH-control chemical over the graph pH range, the
// graph choice and its refusals: false (nothing changed) when the run ends here.
[[nodiscard]] bool AskMixGridQuestions();

// Saves the engine settings and sets up the run: phBalanceSwitch 0, the percent
// axis, the product checks. `kind` and `doneIndex` say which grid runs.
void BeginMixGrid(uint16_t kind, int doneIndex, MixGridRun& run);
// Sets phFollowsTemperature and phBalanceSwitch for the cells once the run's
// rows are known. A cell whose pH its pCO2, its row or its pH control sets takes
// no correction for temperature: that sets it at every temperature, as on the
// water's own grid and on Vary pH.
void SetPhFollowingTemperature(MixGridRun& run);
// The skip test: true when the cells must be computed.
bool MixGridCellsStale(const MixGridRun& run);
// Shows the progress window and notes the typical percent before the cells.
void StartMixGridCells(MixGridRun& run);
// The product bookkeeping, the dose graph's doses, the done flags and the
// engine settings put back.
void EndMixGrid(MixGridRun& run);

// The cell being computed.
struct MixCell {
    int index;                       // 7 x row + column
    float (&row)[kResultRowValues];  // gridChemistry (the grid table's analysis row)
    MixShares shares;
    BlendedCarbonate blend;
    double acidity;  // the blended total acidity, eq/kg
};

// Blends the two waters into the cell and the working analysis (and the mix
// record when `intoMix`), with the snapshots' carbonate: bicarbonate (13, 29),
// carbonate (14, 30) and dissolved CO2 (43), total carbonate (33) and
// alkalinity (31) with the carbonate weight given, and the engine's carbonate
// inputs with the hydrogen-ion activity of the blend.
MixCell BlendCell(int index, float percent, double carbonateWeight, bool intoMix);

// The pH of the blend from its acidity and alkalinity by the carbonate solver
// with the blended constants, started from `startPh`.
double SolveBlendPh(const MixCell& cell, double startPh);

// The cell to its column's `temperature`. With the pH following the
// temperature (phBalanceSwitch 1), the blend's own alkalinity, from a pass at
// the blend's temperature and pH, first becomes the alkalinity its results pass
// balances the pH to.
void HoldBlendForPhCorrection(float temperature);
// What pH control of a cell starts from: the mix at 25 degrees C at `startPh`,
// the species given and the blended constants. Every grid's cells start there,
// so that one water at one pH takes one dose on each.
void PrepareCellControl(const MixCell& cell, double startPh);

// pH control of the cell to `targetPh`; the cell takes the pH, the acid and
// alkali doses (settled on the cell's own pass at `temperature`, in the user's
// unit) and the adjusted elements (only dissolved CO2, the alkalinity fields
// and total alkalinity when `keepAll` is false).
void ControlCellPh(MixCell& cell, float targetPh, float temperature, bool keepAll);

// What follows pH control in a cell whose carbonate the control split at the
// target pH on the cell's own pass (ControlCellPh): the acid's anion into the
// cell and the working pH at the target. The results pass then runs on the
// adjusted species as they stand, as a point of the mixing profile does, so
// the cell is the water its dose makes.
void KeepCellAtTargetPh(MixCell& cell, float targetPh);

// Steps 5 to 8 of a cell: progress, the results pass (repeated once when the
// dose adds phosphate), the cell's tables, the dose and the corrosion rates.
void FinishMixCell(MixGridRun& run, MixCell& cell);
