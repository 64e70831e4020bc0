// Definitions of the date dialog's records.
#include "shell/calendar/calendar_records.h"

int32_t calendarDate;
int32_t calendarStartDate;
char calendarText[kCalendarTextChars];
uint16_t calendarDialogEnded;

void ResetCalendarRecords() {
    calendarDate = 0;
    calendarStartDate = 0;
    calendarDialogEnded = 0;
    for (char& c : calendarText) c = '\0';
}
