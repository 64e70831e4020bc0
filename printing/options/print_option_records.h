// What the print option dialogs keep while they are open: each value as it was
// when its dialog opened, put back by Cancel.
#pragma once

#include <cstdint>

struct PrintOptionSaved {
    uint32_t mineralTitles;  // "Choose Chemical Format"
    uint32_t indexFormat;    // "Choose Ratio or Index"
    uint32_t printMode;      // "Choose Print Mode"
};
extern PrintOptionSaved printOptionSaved;

void ResetPrintOptionRecords();
