// SaveConfigFile: the display configuration file written from the program's
// settings, as Make Default of the what-if settings asks.
#pragma once

void SaveConfigFile();
