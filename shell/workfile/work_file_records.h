// The bytes of the work-file records that no record of the program holds yet,
// kept as they were read so that a save writes them back unchanged. New clears
// them. An owner that binds its record in a kept row's place takes the row out
// of this store (work_file_layout.h).
#pragma once

#include <cstdint>

#include "shell/workfile/work_file_layout.h"

struct WorkFileKeptBlocks {
    uint8_t bytes[workfile::kKeptBytes];
};
extern WorkFileKeptBlocks workFileKeptBlocks;

// The bytes of kept record `record` (kRecordTable[record].size of them); only
// for rows whose holder is kept.
inline uint8_t* KeptBlock(int record) {
    return workFileKeptBlocks.bytes + workfile::kKeptOffsets[record];
}

// Start-of-run state, and New: every kept byte zero.
void ResetWorkFileRecords();
