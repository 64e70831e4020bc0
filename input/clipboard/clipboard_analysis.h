// The analysis on the clipboard: CopyAnalysis puts the working analysis there as
// "tkIntermediate", PasteAnalysis takes one back into the working analysis.
// "tkCombined" (analysis and results) and "tkResults" (results only) are written
// by routines that no command reaches.
#pragma once

// 0, or -1 after a failure that a message box has reported.
int CopyAnalysis();
// CopyAnalysis of a water as the user typed it: `typed` in place of the
// working analysis' values, the M and P alkalinity sent as typed in the slots
// a receiver of the same alkalinity mode reads.
int CopyAnalysisValues(const float* typed);
// The right-button copy of the result pages: `label` goes into text
// `descriptionField` of the current description (cut to its 127 characters),
// then CopyAnalysis. Its answer.
int CopyLabelledAnalysis(const char* label, int descriptionField);
// 0 when an analysis was taken; -1 when the clipboard could not be opened or
// holds none (the working analysis is then untouched).
int PasteAnalysis();

void CopyCombinedAnalysis();
void CopyResults();
// The three formats together: CopyAnalysis, CopyResults, CopyCombinedAnalysis.
void CopyToClipboardByKind();
