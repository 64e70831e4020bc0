// The analysis on the clipboard: CopyAnalysis puts the working analysis there as
// "tkIntermediate", PasteAnalysis takes one back into the working analysis.
// "tkCombined" (analysis and results) and "tkResults" (results only) are written
// by routines that no command reaches.
#pragma once

// 0, or -1 after a failure that a message box has reported.
int CopyAnalysis();
// 0 when an analysis was taken; -1 when the clipboard could not be opened or
// holds none (the working analysis is then untouched).
int PasteAnalysis();

void CopyCombinedAnalysis();
void CopyResults();
// The three formats together: CopyAnalysis, CopyResults, CopyCombinedAnalysis.
void CopyToClipboardByKind();
