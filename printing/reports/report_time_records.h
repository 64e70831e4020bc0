// The time the printed indicator reports give the momentary excess.
#pragma once

#include <cstdint>

// Seconds over which the momentary excess is reported (180 for the whole run).
extern float momentaryTime;
// Non-zero prints the water's residence time in the time row instead.
extern uint16_t residenceTimeShown;

void ResetReportTimeRecords();
