// Drawing calls in the older form many painters use: sizes and points come
// back packed in one u32, the x or width value in the low 16 bits and the y
// or height value in the high 16 bits.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

[[nodiscard]] constexpr uint32_t PackPoint(int low, int high) {
    return static_cast<uint32_t>(static_cast<uint16_t>(low)) |
           static_cast<uint32_t>(static_cast<uint16_t>(high)) << 16;
}

// The text's width (low) and height (high) in the context's font.
[[nodiscard]] uint32_t GetTextExtent(win::HDC dc, const char* text, int length);
// Moves the current position; returns the previous one packed.
uint32_t MoveTo(win::HDC dc, int x, int y);
// The mapping of the context; each returns the platform call's success value.
win::BOOL SetViewportExt(win::HDC dc, int xExtent, int yExtent);
win::BOOL SetViewportOrg(win::HDC dc, int x, int y);
win::BOOL SetWindowExt(win::HDC dc, int xExtent, int yExtent);
win::BOOL SetWindowOrg(win::HDC dc, int x, int y);
