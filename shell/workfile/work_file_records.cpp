// Definition of the kept work-file blocks.
#include "shell/workfile/work_file_records.h"

WorkFileKeptBlocks workFileKeptBlocks;

void ResetWorkFileRecords() {
    workFileKeptBlocks = WorkFileKeptBlocks{};
}
