// Definition of the progress window's state.
#include "shell/progress/progress_records.h"

ProgressState progressState;

void ResetProgressRecords() {
    progressState = ProgressState{};
}
