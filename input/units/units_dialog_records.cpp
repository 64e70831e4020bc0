// Definition of the units dialog's state.
#include "input/units/units_dialog_records.h"

UnitsDialogState unitsDialogState;

void ResetUnitsDialogRecords() {
    unitsDialogState = UnitsDialogState{};
}
