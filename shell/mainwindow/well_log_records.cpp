// Definition of the well-log entered flag.
#include "shell/mainwindow/well_log_records.h"

uint32_t wellLogSpecsEntered;
uint32_t wellLogTableFlag;

void ResetWellLogRecords() {
    wellLogSpecsEntered = 0;
    wellLogTableFlag = 0;
}
