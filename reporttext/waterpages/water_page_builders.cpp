// The one-water pages as report builders: the water a part shows picks its
// stored records, and the page is laid out from them.
#include "reporttext/waterpages/water_page_builders.h"

#include "reporttext/waterpages/water_pages.h"
#include "shell/records.h"

const char* WaterChemistryTitle(int water) {
    switch (water) {
        case WaterSelector::kInjection:
            return "INJECTION WATER ANALYSIS";
        case WaterSelector::kFormation:
            return "FORMATION WATER ANALYSIS";
        case WaterSelector::kMixed:
            return "MIXED WATER CHEMISTRY";
        case WaterSelector::kMultiMixSource:
            return "WATER ANALYSIS FOR MIXING";
        default:
            return "SURFACE WATER ANALYSIS";
    }
}

const char* WaterIndicatorsTitle(int water) {
    switch (water) {
        case WaterSelector::kInjection:
            return "INJECTION WATER DEPOSITION POTENTIAL INDICATORS";
        case WaterSelector::kFormation:
            return "FORMATION WATER DEPOSITION POTENTIAL INDICATORS";
        case WaterSelector::kMixed:
            return "MIXED WATER DEPOSITION POTENTIAL INDICATORS";
        case WaterSelector::kMultiMixSource:
            return "DEPOSITION POTENTIAL INDICATORS OF WATER SOURCE FOR MIXING";
        default:
            return "SURFACE WATER DEPOSITION POTENTIAL INDICATORS";
    }
}

void BuildWaterChemistryPage(const ReportSource& source, ReportLayout& layout) {
    WaterView view;
    if (ViewOfWater(source.water, view)) LayOutWaterChemistry(view, layout);
}

void BuildWaterIndicatorsPage(const ReportSource& source, ReportLayout& layout) {
    WaterView view;
    if (ViewOfWater(source.water, view)) LayOutWaterIndicators(view, layout);
}
