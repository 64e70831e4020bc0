// ResultStatus: which waters are entered and which results are current. The
// flags are u16 words; the work file stores them one by one.
#pragma once

#include <cstdint>

struct ResultStatus {
    uint16_t surfaceEntered;
    uint16_t injectionEntered;
    uint16_t formationEntered;
    uint16_t tempProfileDone;
    uint16_t phProfileDone;
    uint16_t pressureProfileDone;
    uint16_t gridDone;
    uint16_t gridDone2;
    uint16_t mixProfileDone;
    uint16_t mixGridDone[3];  // index 0 code 4, 1 the ratio grid (code 3), 2 code 0
    uint16_t alkCurveEntered;
    uint16_t productSelected;
    uint16_t runTargetSolvers;
    uint16_t wellProfileDone[3];  // the 12-, 11- and 48-station well profiles
    // A product was chosen in the product dialog (cleared when it opens).
    uint32_t productChosen;
    // Set to 1 by a change of product: the pages of that result recompute it
    // when they next paint, then clear the flag.
    uint32_t tempProfileStale;
    uint32_t phProfileStale;
    uint32_t pressureProfileStale;
    uint32_t mixProfileStale;
    uint32_t wellProfileStale;
    uint32_t wellLogSummaryStale;  // the well-log summary graph's 48-station profile
    uint32_t onePageProfileStale;  // the one-page summary's 12-station profile
};
