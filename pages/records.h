// The result pages' state that the engine reads.
#pragma once

// Residence time (seconds) of the water a result page last made current; the
// single-water pipeline compares it with the current residence time to decide
// whether only the dose needs refreshing, and the profile drivers pass it to the dose.
extern float residenceTimeAtSelect;

void ResetPagesRecords();
