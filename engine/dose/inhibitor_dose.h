// The scale-inhibitor dose: the amount of the current treatment product that
// keeps a water's scales from depositing. Each of the product's first seven
// components has a dose model evaluated against the water's saturation levels,
// analysis values, temperature and time; the component doses of each treated
// scale blend into a group dose, the largest group dose is the product dose,
// depletion terms are added, the dose is split into the amounts of the product's
// active ingredients, and the result is rated against the product's limits.
#pragma once

#include <cstdint>

#include "common/index_code.h"
#include "common/whatif_settings.h"
#include "engine/dose/dose_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/dose/treatment_limits_hook.h"
#include "engine/inputs/unit_conversions.h"
#include "treatment/records.h"

// Everything one dose evaluation reads besides its arguments.
struct DoseEnvironment {
    const ProductTable& product;
    bool productSelected;
    const DoseAnalysis& analysis;
    UnitContext units;
    float corrosionTarget;  // in the corrosion-rate unit
    float doseFigure;       // variable code 401
    TreatmentLimitsHook evaluateLimits;
};

// Binds productTable, resultStatus.productSelected, doseAnalysis, the unit
// choices, corrosionTarget, doseFigure and the installed limits hook.
DoseEnvironment GlobalDoseEnvironment();

// Working form: `limits` holds the kept limit doses and receives the evaluation
// mode; returns the status (DoseStatus) and leaves the product dose in
// `productDose` and the ingredient amounts in `doseInputs`. Without a selected
// product it returns 0 and touches nothing.
int16_t CalcInhibitorDosage(const DoseEnvironment& env, DoseLimitState& limits,
                            DoseContext& doseInputs, float temperature,
                            const float (&driverValues)[kLimitInputCount], float time,
                            float& productDose);

// The named entry on the global records. `driverValues` points to seven values.
// A null pointer computes nothing and returns 0.
int16_t CalcInhibitorDosage(DoseContext* doseInputs, float temperature, const float* driverValues,
                            float time, float* productDose);

// The per-cell inputs and outputs of a 7 x 7 grid's dose.
constexpr int kGridCellCount = 49;
struct GridDoseCells {
    const float (*results)[kSaturationResultCount];    // 49 rows of engine results
    const float (*analysis)[AnalysisElement::kCount];  // 49 rows of analysis values
    const float (*excess)[kMomentaryExcessCount];      // 49 rows of excess results
    const float* bicarbonate;                          // 49: result slot 27 of the cell
    const float* carbonate;                            // 49: result slots 8 and 29
    float time;                                        // the grid's residence time
    float* dose;                                       // out, 49
    uint16_t* status;                                  // out, 49
};

// Runs the dose over the 49 cells when a product is selected, `run` is non-zero
// and the graph chosen at `choiceIndex` of `choice` is the dose graph (89).
// `scratch` receives each cell's copies in turn (DoseAnalysis).
void CalcGridDosages(const DoseEnvironment& env, DoseLimitState& limits, DoseAnalysis& scratch,
                     const GraphChoice& choice, int16_t run, int16_t choiceIndex,
                     const GridDoseCells& cells);

// The column (0..22) of a mineral's IndexCode in the per-mineral tables; other
// codes give 0.
int32_t MapMineralCode(int16_t indexCode);

// The time (in 1/7200 of the stored unit) for a recirculating system to reach a
// concentration ratio, from its stored description.
void CalcRatioTime(const RecirculationSystem& system, uint16_t temperatureUnit, float ratio,
                   float* result);
void CalcRatioTime(float ratio, float* result);

// Values of the variable codes (kind-99 terms and the driver checks), and of a
// grid cell's driver codes. Exposed for their tests.
namespace dose {

struct VariableSource {
    const DoseAnalysis& analysis;
    const UnitContext& units;
    double temperatureK;
    double time;
    float corrosionTarget;
    float doseFigure;
};

// The value of `code`; a code with no value of its own gives `previous`.
double VariableValue(int code, const VariableSource& src, double previous);
// The value of a component's limit code as a driver or limit input: result slots,
// analysis elements (chloride, sulfate, silica, phosphate and magnesium in mg/L),
// the time, the corrosion target, and with `readsExcess` the momentary excess
// (500 + entry); codes without a value give 0.
double LimitInputValue(int code, const VariableSource& src, bool readsExcess);
// A grid cell's driver value of `code` (no excess entries).
double GridDriverValue(int code, const VariableSource& src);
// The absolute temperature of the dose from the user's temperature unit.
double DoseTemperatureK(double temperature, uint16_t unitCode);

}  // namespace dose
