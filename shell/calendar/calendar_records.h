// What the date dialog keeps while it runs: the date it works on (its in and
// out value), the date it opened with, and the last good text it showed.
#pragma once

#include <cstdint>

constexpr int kCalendarTextChars = 20;  // the edit holds 12; room for any canonical text

extern int32_t calendarDate;       // packed date
extern int32_t calendarStartDate;  // packed date at opening, put back by CANCEL
extern char calendarText[kCalendarTextChars];
// Set once OK or CANCEL ended the dialog: the grid losing the focus as the
// dialog goes away must not change the date any more.
extern uint16_t calendarDialogEnded;

void ResetCalendarRecords();
