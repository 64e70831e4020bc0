// Definition of the what-if dialog's state.
#include "input/whatif/whatif_dialog_records.h"

WhatIfDialogState whatIfDialogState;

void ResetWhatIfDialogRecords() {
    whatIfDialogState = WhatIfDialogState{};
}
