// What the units dialog keeps while it is open: the choices as they were when
// it opened (Cancel puts them back, OK compares against them) and its font.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "platform/window/win_types.h"

struct UnitsDialogState {
    UnitCodes openingCodes;
    uint16_t openingAlkalinityMode;
    uint16_t openingReportingMode;
    uint16_t openingCation;
    uint16_t openingAnion;
    int16_t openingDialogResult;
    win::HFONT font;
};

extern UnitsDialogState unitsDialogState;

void ResetUnitsDialogRecords();
