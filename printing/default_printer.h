// An information context of the default printer.
#pragma once

#include "platform/window/win_types.h"

// The printer named by the profile entry "windows", "device" ("device,driver,port");
// nullptr when there is no default printer or it cannot be reached. The caller
// deletes the context.
[[nodiscard]] win::HDC CreateDefaultPrinterIC();
