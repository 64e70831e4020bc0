// RecalcMultiMix: every multi-mix source water calculated again, in order, and
// the blend made anew, as after a change of product or a loaded work file.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// What the recalculation calls; tests put recorders here.
struct MultiMixRecalcServices {
    void (*calcWaterAnalysis)(uint16_t mode, win::HWND owner);
    void (*mixWaters)(uint16_t mode, win::HWND owner);
    int (*updateMenuTexts)();
};
[[nodiscard]] MultiMixRecalcServices ProgramMultiMixRecalcServices();

// Nothing while the blend is not computed or fewer than two waters are stored.
// Otherwise for each water in order: the engine's carry-over values cleared,
// its values in the working analysis with the calculated carbonate elements
// (29 to 33) cleared in both, its residence time the engine's, editIndex set to
// it, CalcWaterAnalysis(0); then the weights scaled to a sum of 100 (a sum
// within 99.999999 to 100.00001 is left), the mean residence time, MixWaters(1)
// and the menu. currentWater and editIndex are put back. Returns 0.
int RecalcMultiMix(const MultiMixRecalcServices& services);
int RecalcMultiMix();

// The weights of waters 0 .. last scaled to a sum of 100 unless the sum is 0 or
// already within 99.999999 to 100.00001.
void NormaliseMultiMixWeights(float* weights, int last);
