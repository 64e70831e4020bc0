// Definition of the well-log entered flag.
#include "shell/mainwindow/well_log_records.h"

uint32_t wellLogSpecsEntered;

void ResetWellLogRecords() {
    wellLogSpecsEntered = 0;
}
