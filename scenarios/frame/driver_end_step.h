// The last step of the profile and grid drivers.
#pragma once

#include "scenarios/frame/driver_context.h"

// The working analysis becomes the surface water's values again, with the
// user's reporting and alkalinity modes and the carbonate species flagged as
// given, and the engine settings go back as the run found them.
void EndOnSurfaceWater(DriverContext& c);
