// Definitions of the scale-inhibitor dose records.
#include "engine/dose/dose_records.h"

DoseLimitState doseLimitState;
float doseFigure;
uint16_t lowPhWarned;
RecirculationSystem recirculationSystem;

void ResetDoseRecords() {
    doseLimitState = DoseLimitState{};
    doseFigure = 0.0f;
    lowPhWarned = 0;
    recirculationSystem = RecirculationSystem{};
}
