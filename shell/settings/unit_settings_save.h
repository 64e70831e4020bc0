// Saving a change of units. The display configuration file holds the well
// log's temperatures and pressures in the units the units file names, so the
// two files change together or neither does.
#pragma once

#include <string>

// Writes the units file and, with `displayToo`, the display configuration file
// from the program's settings: each as a new file beside its target, both put
// in place only when both are whole. False when any step failed: both files
// are then as they were, and `failure` is the message for the user (the file
// that failed, the cause, and that neither file changed).
[[nodiscard]] bool SaveUnitsAndDisplayConfig(bool displayToo, std::string& failure);
