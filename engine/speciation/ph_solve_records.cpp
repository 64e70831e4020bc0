// Definitions of the inputs of the carbonate pH solve.
#include "engine/speciation/ph_solve_records.h"

float phSolveAlkalinity;
float phSolveAcidity;
float phSolveCO2;
float phSolveMarker;
float keptBicarbonate;
float keptAlkalinity;

void ResetPhSolveRecords() {
    phSolveAlkalinity = 0;
    phSolveAcidity = 0;
    phSolveCO2 = 0;
    phSolveMarker = 0;
    keptBicarbonate = 0;
    keptAlkalinity = 0;
}
