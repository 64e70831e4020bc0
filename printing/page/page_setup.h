// The page set-up of a printed report: the printer's page metrics, the seven
// report fonts, the 80-column grid and the logo size, all from the printer DC
// of the print job.
#pragma once

// Lines per page (0 = 70) and columns to fit (0 = none). 0, or -1 once the job
// is cancelled (or when there is no printer DC). Every printed report calls it
// with 0 and 0: the font height is VERTRES / 70.
int SetupReportPage(int linesPerPage, int columnsToFit);
// The one-page renderers' variants: the font height comes from the usable
// height; the portrait one also narrows every font to the usable width over
// `widthDivisor` and makes the three large fonts from 17/22 of the height.
int SetupLandscapeSummaryPage(int linesPerPage, int widthDivisor);
int SetupPortraitSummaryPage(int linesPerPage, int widthDivisor);

// Selects the font the printer DC had before the set-up back and deletes the
// measuring font. The report fonts stay until the next set-up.
void ReleaseReportFont();

// Deletes every report font (the program's end, and tests).
void DeleteReportFonts();
