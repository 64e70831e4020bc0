// The installed printed reports.
#include "pages/commands/page_printers.h"

namespace {

PagePrinters installed;

template <typename F>
void Keep(F& slot, F given) {
    if (given != nullptr) slot = given;
}

}  // namespace

void InstallPagePrinters(const PagePrinters& p) {
    Keep(installed.chemistryReport, p.chemistryReport);
    Keep(installed.indicatorsReport, p.indicatorsReport);
    Keep(installed.whatIfChemistry, p.whatIfChemistry);
    Keep(installed.whatIfIndicators, p.whatIfIndicators);
    Keep(installed.ratioChemistry, p.ratioChemistry);
    Keep(installed.ratioIndicators, p.ratioIndicators);
    Keep(installed.mixIndicatorsReport, p.mixIndicatorsReport);
    Keep(installed.mixChemistryTable, p.mixChemistryTable);
    Keep(installed.mixIndicatorsTable, p.mixIndicatorsTable);
}

void ResetPagePrinters() {
    installed = PagePrinters{};
}

void PrintReport(PrintedReport report, int argument) {
    const PagePrinters& p = installed;
    auto call = [](void (*f)()) {
        if (f != nullptr) f();
    };
    auto callWith = [argument](void (*f)(int)) {
        if (f != nullptr) f(argument);
    };
    switch (report) {
        case PrintedReport::kChemistry:
            return callWith(p.chemistryReport);
        case PrintedReport::kIndicators:
            return callWith(p.indicatorsReport);
        case PrintedReport::kWhatIfChemistry:
            return callWith(p.whatIfChemistry);
        case PrintedReport::kWhatIfIndicators:
            return callWith(p.whatIfIndicators);
        case PrintedReport::kRatioChemistry:
            return call(p.ratioChemistry);
        case PrintedReport::kRatioIndicators:
            return call(p.ratioIndicators);
        case PrintedReport::kMixIndicatorsReport:
            return call(p.mixIndicatorsReport);
        case PrintedReport::kMixChemistryTable:
            return call(p.mixChemistryTable);
        case PrintedReport::kMixIndicatorsTable:
            return call(p.mixIndicatorsTable);
        case PrintedReport::kNone:
            return;
    }
}
