// Three switches of the what-if settings kept beside WhatIfOptions; a fresh
// workspace has all three on (1).
#pragma once

#include <cstdint>

constexpr int kWhatIfSwitchCount = 3;

extern uint32_t whatIfSwitches[kWhatIfSwitchCount];

// Start-of-run state: every switch zero.
void ResetWhatIfSwitchRecords();
