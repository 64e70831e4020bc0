// The report builders of the one-water pages (ReportPage::kWaterChemistry and
// kWaterIndicators).
#pragma once

#include "reporttext/report/report_builders.h"

void BuildWaterChemistryPage(const ReportSource& source, ReportLayout& layout);
void BuildWaterIndicatorsPage(const ReportSource& source, ReportLayout& layout);
