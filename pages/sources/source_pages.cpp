// The source-water pages' creation work.
#include "pages/sources/source_pages.h"

#include "engine/records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

void CreateSourceChemistry(win::HWND) {
    if (multiMixDate == 0) multiMixDate = mainWindowState.reportDate;
    currentAnalysis.reportDate = currentAnalysis.sampleDate = multiMixDate;
}
