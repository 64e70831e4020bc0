#include "engine/saturation/engine_result_rows_records.h"

#include <cstring>

double engineResultRows[kEngineResultRows][kEngineResultRowValues];

void ResetEngineResultRows() { std::memset(engineResultRows, 0, sizeof engineResultRows); }
