// Definition of the shared text colour.
#include "graphs/text_colour_records.h"

win::COLORREF sharedTextColour;

void ResetTextColourRecords() {
    sharedTextColour = 0;
}
