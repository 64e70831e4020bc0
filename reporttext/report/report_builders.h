// The page builders: one function per kind of result page that fills the
// page's layout from the global records. Each result page paints what its
// builder lays out, and BuildReport and CopyForExcel write the same layouts as
// text, so a page and its copies never disagree.
#pragma once

#include "reporttext/layout/report_layout.h"

// The kinds of page a report part can be.
enum class ReportPage {
    kWaterChemistry,     // one water's chemistry ("DisplayMUWater", "DisplayMixedWaterOut")
    kWaterIndicators,    // one water's indicators ("DisplayMUValues", "DisplayMixedValuesOut")
    kProfileChemistry,   // chemistry at seven points of the pH, pressure or mixing profile
    kProfileIndicators,  // indicators at seven points of the pH or pressure profile
    kMixingIndicators,   // indicators at the mixing ratios ("DisplayCycledValues")
    kSourceChemistry,    // chemistry of the multi-mix source waters ("DisplayMixedWater")
    kSourceIndicators,   // indicators of the multi-mix source waters ("DisplayMixedValues")
    kTempChemistry,      // chemistry versus temperature ("DisplayTempWater")
    kTempIndicators,     // indicators versus temperature ("DisplayTempValues")
    kCount,
};
inline constexpr int kReportPageCount = static_cast<int>(ReportPage::kCount);

// Which profile a profile page shows (the printed reports' profile kinds).
namespace ProfileKind {
enum : int { kTemperature = 0, kPh = 1, kMixing = 2, kPressure = 3 };
}

// What one part shows: the water of a one-water page (the engine's water
// selectors: 0 surface, 1 injection, 2 formation, 3 the multi-mix blend, 5 the
// multi-mix source water being edited) or the profile of a profile page.
struct ReportSource {
    int water = 0;
    int profile = ProfileKind::kTemperature;
};

using ReportBuilder = void (*)(const ReportSource& source, ReportLayout& layout);

// The builder of a kind of page; null while that page is not built.
[[nodiscard]] ReportBuilder FindReportBuilder(ReportPage page);
// Replaces the builder of a kind of page and returns the one it replaces
// (tests lay out pages of their own).
ReportBuilder SetReportBuilder(ReportPage page, ReportBuilder builder);
