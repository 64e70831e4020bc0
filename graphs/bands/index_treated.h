// Whether the selected treatment products cover an index.
#pragma once

#include <cstdint>

// 0 when no product is selected; otherwise non-zero when one of the first
// seven product records treats the code or a code of its group (2 with 114;
// 3 and 36 with 109 and 110 ...). Codes 18, 301 and 302 are covered by a
// record of model kind 3 or dose mode 1; codes of no group never are.
[[nodiscard]] int16_t IsIndexTreated(int16_t code);
