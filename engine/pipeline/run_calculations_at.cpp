// RunCalculationsAt: one engine run with the result rows copied out.
#include <cstring>

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/run_calculations.h"
#include "engine/saturation/engine_result_rows_records.h"

void RunCalculationsAt(double zincAmount, double polyphosphateAmount, double* out1, double* out2,
                       double* out3, double* out4) {
    engineInputs.zincMgL = zincAmount;
    engineInputs.polyphosphateMgL = polyphosphateAmount;
    RunCalculations();
    double* outs[kEngineResultRows] = {out4, out3, out2, out1};
    for (int row = 0; row < kEngineResultRows; ++row)
        std::memcpy(outs[row], engineResultRows[row], sizeof engineResultRows[row]);
}
