// What identifies a work file, read from the start of the file by the layout of
// its version: the version word, the status words, the description lines of
// the current water and of each stored water, and the four analyses.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/water_analysis.h"

// The description sets of a work file, in their order in the file.
namespace DescriptionSet {
enum : int { kCurrent = 0, kInjection = 1, kFormation = 2, kSurface = 3 };
}

struct WorkFileHeader {
    int16_t version;
    uint16_t status[12];  // records 1-12: status[0] surfaceEntered, [4] injectionEntered,
                          // [5] mixProfileDone, [7] formationEntered
    // Lines 1-4 of the four description sets (records 13-16, DescriptionSet).
    char lines[4][4][129];
    WaterAnalysis working, surface, injection, formation;
};

// The most bytes a header takes.
inline constexpr size_t kWorkFileHeaderBytes = 26 + 4 * 1024 + 4 * 268;

// Reads the header from the first `size` bytes of a file. What the bytes do not
// hold reads as zero.
void ReadWorkFileHeader(const uint8_t* data, size_t size, WorkFileHeader& header);
