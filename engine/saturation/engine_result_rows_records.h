// The four six-value rows of double results that RunCalculationsAt copies out.
#pragma once

#include "engine/pipeline/run_calculations.h"

extern double engineResultRows[kEngineResultRows][kEngineResultRowValues];

void ResetEngineResultRows();
