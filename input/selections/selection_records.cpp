#include "input/selections/selection_records.h"

SelectionDialogCopies selectionDialogCopies;

void ResetSelectionRecords() {
    selectionDialogCopies = SelectionDialogCopies{};
}
