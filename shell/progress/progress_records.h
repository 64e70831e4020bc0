// What the progress window keeps between its messages.
#pragma once

#include <cstdint>

struct ProgressState {
    int32_t progressPercent;  // percent done, at most 100
    int32_t progressSeconds;  // seconds to go
    int32_t percentTextX;     // left edge and width of the percent line as last drawn
    int32_t percentTextWidth;
    int32_t secondsTextX;  // the same for the seconds line
    int32_t secondsTextWidth;
};
extern ProgressState progressState;

void ResetProgressRecords();
