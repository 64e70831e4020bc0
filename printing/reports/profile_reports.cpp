// The page frames of the profile reports around their layouts.
#include "printing/reports/profile_reports.h"

#include <cstring>

#include "engine/records.h"
#include "input/description_records.h"
#include "platform/gdi/gdi.h"
#include "printing/page/identification_blocks.h"
#include "printing/page/report_page_order.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "printing/reports/layout_printer.h"
#include "printing/reports/layouts/profile_chemistry_layout.h"
#include "printing/reports/layouts/profile_indicators_layout.h"
#include "printing/reports/report_frame.h"
#include "reporttext/report/report_builders.h"
#include "reporttext/report_buffer_records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

constexpr int kTemperatureKind = 0;
constexpr int kPressureKind = 3;
constexpr int kMostRatioColumns = 7;

RatioRecompute ratioRecompute = CalcMixingProfile;

int ProfileOfKind(int kind) {
    if (kind == kTemperatureKind) return ProfileKind::kTemperature;
    if (kind == kPressureKind) return ProfileKind::kPressure;
    return ProfileKind::kPh;
}

int BodyPitch(win::HDC dc) {
    win::SelectObject(dc, reportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    return tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
}

// Under the identification block: two lines at the plain pitch, the head at
// that pitch, the rows at the body pitch, the plain pitch for the foot.
void HeadAndRows(win::HDC dc, const ProfileChemistryLayout& layout) {
    const int plain = reportPageGrid.lineHeight;
    AdvanceLines(2);
    PrintLayoutOnPage(dc, layout.head);
    reportPageGrid.lineHeight = BodyPitch(dc);
    PrintLayoutOnPage(dc, layout.rows);
    reportPageGrid.lineHeight = plain;
}

void WaterfloodBlock(win::HDC dc) {
    PrintSampleHeaderCompact(dc, injectionWater, waterDescriptions[1], formationWater,
                             waterDescriptions[2]);
}

void SurfaceBlock(win::HDC dc) {
    PrintSampleHeader(dc, surfaceWater, waterDescriptions[0]);
}

void PrintChemistryPage(const ProfileChemistryLayout& layout, bool ratio) {
    win::HDC dc = printJobState.printerDC;
    PrintPageHead(dc, layout.head.title.c_str());
    if (ratio)
        WaterfloodBlock(dc);
    else
        SurfaceBlock(dc);
    HeadAndRows(dc, layout);
    PrintPageFoot(dc);
}

// Doses of the mixing profile that belong to the selected product.
bool MixDosesCurrent() {
    if (resultStatus.productSelected == 0) return true;
    const char* selected = productTable.records[0].fileName;
    constexpr size_t n = sizeof mixDoseProduct < sizeof productTable.records[0].fileName
                             ? sizeof mixDoseProduct
                             : sizeof productTable.records[0].fileName;
    return std::strncmp(selected, mixDoseProduct, n) == 0;
}

// The pitch of the closing rule of the ratio indicator pages.
int FootPitch(win::HDC dc) {
    win::SelectObject(dc, reportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    return tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading;
}

bool BeginReport() {
    reportPageGrid.lineCount = reportPageGrid.lineY = 0;
    reportBuffer.column = 0;
    return StartReportJob();
}

}  // namespace

void InstallRatioRecompute(RatioRecompute recompute) {
    ratioRecompute = recompute != nullptr ? recompute : CalcMixingProfile;
}

void PrintWhatIfChemistry(int kind) {
    const int kept = reportPageGrid.lineHeight;
    ProfileChemistryLayout layout;
    LayOutWhatIfChemistry(kind, ViewOfProfile(ProfileOfKind(kind)), layout);
    if (!BeginReport()) return;
    PrintChemistryPage(layout, false);
    FinishReport();
    reportPageGrid.lineHeight = kept;
}

void PrintRatioChemistry() {
    const int kept = reportPageGrid.lineHeight;
    if (!BeginReport()) return;
    if (!MixDosesCurrent()) ratioRecompute(mainWindowState.mainWindow);
    ProfileChemistryLayout layout;
    LayOutRatioChemistry(ViewOfProfile(ProfileKind::kMixing),
                         mixPointCount < kMostRatioColumns ? mixPointCount : kMostRatioColumns,
                         MixDosesCurrent(), layout);
    PrintChemistryPage(layout, true);
    FinishReport();
    reportPageGrid.lineHeight = kept;
}

void PrintWhatIfIndicators(int kind) {
    const int kept = reportPageGrid.lineHeight;
    ProfileIndicatorsLayout layout;
    LayOutWhatIfIndicators(kind, ViewOfProfile(ProfileOfKind(kind)), layout);
    if (!BeginReport()) return;
    win::HDC dc = printJobState.printerDC;
    for (const ReportLayout* page : {&layout.page1, &layout.page2}) {
        PrintPageHead(dc, "DEPOSITION POTENTIAL INDICATORS");
        PrintCentredTitle(dc, page->title.c_str());
        SurfaceBlock(dc);
        const int plain = reportPageGrid.lineHeight;
        AdvanceLines(2);
        reportPageGrid.lineHeight = BodyPitch(dc);
        PrintLayoutOnPage(dc, *page);
        reportPageGrid.lineHeight = plain;
        PrintPageFoot(dc);
    }
    FinishReport();
    reportPageGrid.lineHeight = kept;
}

void PrintRatioIndicators() {
    const int kept = reportPageGrid.lineHeight;
    RatioIndicatorsLayout layout;
    LayOutRatioIndicators(ViewOfProfile(ProfileKind::kMixing),
                          mixPointCount < kMostRatioColumns ? mixPointCount : kMostRatioColumns,
                          layout);
    if (!BeginReport()) return;
    win::HDC dc = printJobState.printerDC;
    for (const ReportLayout* page : {&layout.page1, &layout.page2}) {
        PrintPageHead(dc, "MIXED WATER");
        PrintCentredTitle(dc, "DEPOSITION POTENTIAL INDICATORS");
        WaterfloodBlock(dc);
        AdvanceLines(2);
        if (page == &layout.page1) PrintLayoutOnPage(dc, layout.head1);
        reportPageGrid.lineHeight = BodyPitch(dc);
        PrintLayoutOnPage(dc, *page);
        reportPageGrid.lineHeight = FootPitch(dc);
        PrintPageFoot(dc);
    }
    FinishReport();
    reportPageGrid.lineHeight = kept;
}
