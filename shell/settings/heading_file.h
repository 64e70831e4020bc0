// The heading file "\heads.cnf": three 81-byte heading lines for printed reports
// and a 2-byte marker, 245 bytes; the program only reads it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shell/settings/heading_records.h"

struct HeadingLines {
    char line[3][kHeadingLineBytes + 1];
    uint16_t printSubheadings;
    uint16_t printHeadings;
    uint16_t marker;
};

// Reads the heading file from its bytes: `size` bytes of `file` are what the
// reads deliver (a file of 243 bytes has no marker). `marker` holds its value
// before the read; it is kept unless the marker is missing ("@@" sets it).
void ReadHeadings(const uint8_t* file, size_t size, HeadingLines& h);

// The start-up step on the global heading records.
void LoadHeadingFile();

inline constexpr const char* kHeadingFileName = "\\heads.cnf";
