// Definitions of the report heading records.
#include "shell/settings/heading_records.h"

#include <cstring>

char headingLine1[kHeadingLineBytes + 1];
char headingLine2[kHeadingLineBytes + 1];
char headingLine3[kHeadingLineBytes + 1];
uint16_t printSubheadings;
uint16_t printHeadings;
uint16_t headingMarker;

void ResetHeadingRecords() {
    std::memset(headingLine1, 0, sizeof headingLine1);
    std::memset(headingLine2, 0, sizeof headingLine2);
    std::memset(headingLine3, 0, sizeof headingLine3);
    printSubheadings = printHeadings = headingMarker = 0;
}
