// The index codes the graphs show, in order: the graphs' own copy of the
// codes chosen in the Choose Graphs dialog.
#pragma once

#include <cstdint>

constexpr int kGraphIndexCodeCount = 4;
constexpr uint16_t kNoGraphIndex = 0xFFFF;  // an empty slot

// Default (start-up and New): calcite alone, {0, 0xFFFF, 0xFFFF, 0xFFFF}.
extern uint16_t graphIndexCodes[kGraphIndexCodeCount];

// Start-of-run state: every code zero.
void ResetGraphIndexRecords();
