// Placeholder until the X display driver is written: no display.
#include "platform/driver.h"

namespace win {

std::unique_ptr<Driver> MakeX11Driver() { return nullptr; }

}  // namespace win
