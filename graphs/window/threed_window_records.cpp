#include "graphs/window/threed_window_records.h"

ThreeDWindowState threeDWindowState;

void ResetThreeDWindowRecords() {
    threeDWindowState = ThreeDWindowState{};
}
