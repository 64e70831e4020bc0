// The dosage graph (code 89) needs a selected product.
#pragma once

#include "platform/window/win_types.h"

// With no product selected and the dosage code first in graphIndexCodes: says
// so (owned by `owner`), makes calcite the first code in graphIndexCodes and
// graphChoice (one code, leading word 0) and returns true. Otherwise changes nothing and
// returns false.
bool RefuseDosageWithoutProduct(win::HWND owner);
