// The scenario engine's calculations as the what-if and mixing commands call
// them; tests put recorders in their place.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

struct CommandDrivers {
    void (*calcTempProfile)(win::HWND owner);
    void (*calcpHProfile)(win::HWND owner);
    void (*calcPressProfile)(win::HWND owner);
    void (*calcGridpHTemp)(uint16_t graphCode);
    void (*calcGridPressTemp)(uint16_t graphCode);
    void (*calcMixingProfile)(win::HWND owner);
    int32_t (*calcMixGrid)(uint16_t kind);
    void (*mixWaters)(uint16_t mode, win::HWND owner);
    void (*calcWellLogProfile)(win::HWND owner);
    void (*calcWellLogProfile11)(win::HWND owner);
    void (*calcWellLogProfile48)(win::HWND owner);
    int (*showChooseGraphs)(win::HWND owner);
};

[[nodiscard]] CommandDrivers& Drivers();
// The scenario engine's own.
void ResetCommandDrivers();
