// The 3D graph window's own state: the product selected when it opened.
#pragma once

#include <cstdint>

struct ThreeDWindowState {
    int32_t productAtGraphOpen;  // productSelected at WM_CREATE
};
extern ThreeDWindowState threeDWindowState;

void ResetThreeDWindowRecords();
