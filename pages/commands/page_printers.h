// The printed reports the result pages print, as hooks the printing side
// installs once its reports exist. Until a report is installed its hook
// prints nothing, asks nothing and leaves printAborted as it is, so PRINT and
// PRINT ALL WINDOWS run their sequences with nothing printed.
#pragma once

// Water kinds of the printed reports: 0 surface, 1 injection, 2 formation,
// 4 the multi-mix blend, 5 the multi-mix source water being edited.
// Profile kinds: 0 temperature, 1 pH, 3 pressure.
struct PagePrinters {
    void (*chemistryReport)(int waterKind) = nullptr;     // PrintChemistryReport
    void (*indicatorsReport)(int waterKind) = nullptr;    // PrintIndicatorsReport
    void (*whatIfChemistry)(int profileKind) = nullptr;   // PrintWhatIfChemistry
    void (*whatIfIndicators)(int profileKind) = nullptr;  // PrintWhatIfIndicators
    void (*ratioChemistry)() = nullptr;                   // PrintRatioChemistry
    void (*ratioIndicators)() = nullptr;                  // PrintRatioIndicators
    void (*mixIndicatorsReport)() = nullptr;              // PrintMixIndicatorsReport
    void (*mixChemistryTable)() = nullptr;                // PrintMixChemistryTable
    void (*mixIndicatorsTable)() = nullptr;               // PrintMixIndicatorsTable
};

// Installs the reports given; a null entry keeps the one installed before.
void InstallPagePrinters(const PagePrinters& printers);
// Back to printing nothing (tests).
void ResetPagePrinters();

// The printed report kinds of the table in page_command_table.h.
enum class PrintedReport {
    kNone,
    kChemistry,         // of a water
    kIndicators,        // of a water
    kWhatIfChemistry,   // of a profile
    kWhatIfIndicators,  // of a profile
    kRatioChemistry,
    kRatioIndicators,
    kMixIndicatorsReport,
    kMixChemistryTable,
    kMixIndicatorsTable,
};

// Prints one report; `argument` is the water or profile kind where it has one.
void PrintReport(PrintedReport report, int argument);
