// Coloured text on the character grid of a report page: a cell is the page
// font's average character wide and one page line pitch high.
#include <cstring>

#include "printing/print_job_records.h"
#include "shell/spare/spare_routines.h"

int DrawColoredText(win::HDC dc, win::TEXTMETRICA metrics, const char* text, win::COLORREF colour,
                    int16_t row, int16_t column) {
    if (text == nullptr) return 1;  // nothing to write
    const int length = static_cast<int>(std::strlen(text));
    win::SetTextColor(dc, colour);
    win::TextOutA(dc, column * metrics.tmAveCharWidth, row * reportPageGrid.lineHeight, text,
                  length);
    return 1;
}
