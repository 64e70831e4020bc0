// One run of the program as the tarvex executable makes it.
#pragma once

#include "app/command_line.h"

// Exit codes besides the program's own (the quit message's parameter, 0, and
// kExitStartEnded, 4, when a data file cannot be opened at the start).
inline constexpr int kExitUsage =
    2;  // bad command line, unreadable or bad script, log not writable
inline constexpr int kExitScriptFailure =
    3;  // a prompt nothing answered, or another script failure

// Chooses the driver, sets the desktop, registers the resources, loads the
// script and the log, and runs WinMain. A script failure ends the process with
// kExitScriptFailure after writing the failure to standard error.
[[nodiscard]] int RunProgram(const ProgramOptions& options);
