// The layouts of the profile pages: the chemistry at the seven points of the
// pH (or pCO2), pressure and mixing-ratio profiles ("DisplaypHWater",
// "DisplayPressWater", "DisplayCycledWater") and their indicators
// ("DisplaypHValues", "DisplayPressValues", "DisplayCycledValues"). Layout
// line 0 is the pages' line 1.
#pragma once

#include "reporttext/layout/report_layout.h"
#include "reporttext/report/report_builders.h"

void BuildProfileChemistryPage(const ReportSource& source, ReportLayout& layout);
// "DisplayTempWater": the chemistry of the temperature profile. The page
// draws from its second line, so its lines are those of the pH page plus one.
void BuildTempChemistryPage(const ReportSource& source, ReportLayout& layout);
// "DisplayTempValues": the indicators of the temperature profile, also from
// the page's second line.
void BuildTempIndicatorsPage(const ReportSource& source, ReportLayout& layout);
void BuildProfileIndicatorsPage(const ReportSource& source, ReportLayout& layout);
void BuildMixingIndicatorsPage(const ReportSource& source, ReportLayout& layout);

[[nodiscard]] const char* ProfileChemistryTitle(int profile);
[[nodiscard]] const char* ProfileIndicatorsTitle(int profile);

// The layout line of a page line.
inline constexpr int kProfileFirstLine = 1;
