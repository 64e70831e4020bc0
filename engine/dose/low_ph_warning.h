// Warning shown when a predicted pH is lower than the pH-alkalinity curve allows.
#pragma once

// Shows the warning, owned by the main window, and sets the warned flag
// (`lowPhWarned`, which the grid drivers clear before a run).
void WarnLowPredictedpH(float ph, float temperature, float concentrationRatio);
