// The three heading lines of printed reports, read at start-up from the heading
// file, and the flags derived from them that the report writers read.
#pragma once

#include <cstdint>

constexpr int kHeadingLineBytes = 81;

extern char headingLine1[kHeadingLineBytes + 1];  // room for a terminator after 81 bytes
extern char headingLine2[kHeadingLineBytes + 1];
extern char headingLine3[kHeadingLineBytes + 1];
extern uint16_t printSubheadings;  // print lines 1 and 2 at the page foot
extern uint16_t printHeadings;     // print the title block (line 3; with "@@" lines 1 and 2 too)
extern uint16_t headingMarker;  // 1 when the file ends with the marker "@@"

void ResetHeadingRecords();
