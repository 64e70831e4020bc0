// The printed reports installed as page printers.
#include "printing/reports/report_hooks.h"

#include "pages/commands/page_printers.h"
#include "printing/reports/mix_reports.h"
#include "printing/reports/profile_reports.h"
#include "printing/reports/water_reports.h"

void InstallPrintedReports() {
    PagePrinters p;
    p.chemistryReport = PrintChemistryReport;
    p.indicatorsReport = PrintIndicatorsReport;
    p.whatIfChemistry = PrintWhatIfChemistry;
    p.whatIfIndicators = PrintWhatIfIndicators;
    p.ratioChemistry = PrintRatioChemistry;
    p.ratioIndicators = PrintRatioIndicators;
    p.mixIndicatorsReport = PrintMixIndicatorsReport;
    p.mixChemistryTable = PrintMixChemistryTable;
    p.mixIndicatorsTable = PrintMixIndicatorsTable;
    InstallPagePrinters(p);
}
