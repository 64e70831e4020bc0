// Whether the program put an analysis on the clipboard in this run; the exit
// paths then ask whether to leave it there for other programs.
#pragma once

#include <cstdint>

extern uint32_t analysisOnClipboard;

void ResetClipboardRecords();
