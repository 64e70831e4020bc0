// Two saved work files held against each other as the user would: byte for
// byte but the clock's fields (each stored water's report date, sample date and
// sample time, which a form fills from the clock), with the records that differ
// named when they do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/workfile/work_file_layout.h"

namespace workfilebytes {

// The records that hold stored waters (268 bytes each, the multi-mix sources
// twelve of them in a row).
inline bool HoldsWaters(int record) {
    return (record >= 17 && record <= 21) || record == 173 || record == 176;
}

// True when byte `at` of record `r` is a clock field of one of its waters.
inline bool ClockByte(const workfile::RecordRow& r, size_t at) {
    if (!HoldsWaters(r.number)) return false;
    // Each water: its ID# (2 bytes), report date, sample date, sample time.
    const size_t inWater = at % 268;
    return inWater >= 2 && inWater < 12;
}

// "" when the two files are alike but the clock's fields; else what differs:
// the sizes, or the records (number, what holds it, the first differing byte).
inline std::string Differences(const std::string& mine, const std::string& theirs,
                               size_t most = 12) {
    if (mine.size() != theirs.size())
        return "sizes " + std::to_string(mine.size()) + " and " + std::to_string(theirs.size());
    std::string out;
    size_t count = 0;
    for (const workfile::RecordRow& r : workfile::kRecordTable) {
        if (r.offset + r.size > mine.size()) break;
        for (size_t k = 0; k < r.size; ++k) {
            if (mine[r.offset + k] == theirs[r.offset + k] || ClockByte(r, k)) continue;
            if (count++ < most)
                out += "record " + std::to_string(r.number) + " (" + r.heldBy + ") from byte " +
                       std::to_string(k) + "; ";
            break;
        }
    }
    if (count > most) out += std::to_string(count) + " records in all";
    return out;
}

}  // namespace workfilebytes
