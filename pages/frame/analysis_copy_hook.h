// The input side's copy of the working analysis, as the right-button copy of
// the result pages uses it: the label goes into one text of the current
// sample description and the analysis goes to the clipboard in the
// "tkIntermediate" format (CopyAnalysis). Installed at start-up once the input
// side offers it; until then nothing is copied and the default answers -1.
#pragma once

// 0 when the analysis reached the clipboard, -1 otherwise (the copier tells
// the user itself).
using AnalysisCopier = int (*)(const char* label, int descriptionField);

void InstallAnalysisCopier(AnalysisCopier copier);  // null restores the default
[[nodiscard]] int CopyWorkingAnalysis(const char* label, int descriptionField);
