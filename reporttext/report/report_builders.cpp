// The table of page builders. A page's builder is entered here when its page
// is built; until then the page has none and the report kinds that need it
// are not written.
#include "reporttext/report/report_builders.h"

#include "reporttext/profilepages/profile_pages.h"
#include "reporttext/sourcepages/source_pages.h"
#include "reporttext/waterpages/water_page_builders.h"

namespace {

ReportBuilder builders[kReportPageCount] = {
    BuildWaterChemistryPage,
    BuildWaterIndicatorsPage,
    BuildProfileChemistryPage,
    BuildProfileIndicatorsPage,
    BuildMixingIndicatorsPage,
    BuildSourceChemistryPage,
    BuildSourceIndicatorsPage,
    BuildTempChemistryPage,
    BuildTempIndicatorsPage,
};

bool Valid(ReportPage page) {
    const int i = static_cast<int>(page);
    return i >= 0 && i < kReportPageCount;
}

}  // namespace

ReportBuilder FindReportBuilder(ReportPage page) {
    return Valid(page) ? builders[static_cast<int>(page)] : nullptr;
}

ReportBuilder SetReportBuilder(ReportPage page, ReportBuilder builder) {
    if (!Valid(page)) return nullptr;
    const ReportBuilder previous = builders[static_cast<int>(page)];
    builders[static_cast<int>(page)] = builder;
    return previous;
}
