// The multi-mix source waters as the pages read them.
#include "reporttext/sourcepages/source_view.h"

#include <algorithm>

#include "common/unit_codes.h"
#include "engine/dose/dose_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "reporttext/format/carbonic_acid_display.h"
#include "input/records.h"
#include "scenarios/multimix/multimix_records.h"

namespace {

namespace E = AnalysisElement;

float ResidenceInUnit(const float (&block)[ResidenceForm::kCount], uint16_t code) {
    switch (code) {
        case 0:
            return block[ResidenceForm::kSeconds];
        case 1:
            return block[ResidenceForm::kMinutes];
        case 2:
            return block[ResidenceForm::kHours];
        case 3:
            return block[ResidenceForm::kDays];
        default:
            return 0.0f;
    }
}

}  // namespace

int SourceColumnCount() {
    return std::clamp(multiMixState.lastWaterIndex + 1, 1, kMultiMixWaterCount);
}

SourceViewRecord ViewOfSources() {
    SourceViewRecord view{};
    view.count = SourceColumnCount();
    const MultiMixState& m = multiMixState;
    const uint16_t residenceUnit = unitCodes.code[UnitItem::kResidenceTime];
    for (int k = 0; k < kMultiMixWaterCount; ++k) {
        SourceColumn& c = view.columns[k];
        c.values = m.sourceWaters[k].values;
        c.results = WaterResults.multiMix[k].saturation;
        c.excess = WaterResults.multiMix[k].excess;
        c.weightPercent = m.weightPercent[k];
        // Kept per kilogram: per litre in mg/L, as the water's own page shows it.
        c.dissolvedCo2 = static_cast<float>(CarbonicAcidAsCo2(
            CarbonicAcidInBasis(CarbonateSnapshot.multiMix[k].dissolvedCo2, reportingMode,
                                c.values[E::kResultScale])));
        c.dose = doseState.multiMix[k].dose;
        c.doseStatus = doseState.multiMix[k].limitStatus;
        c.corrosionRate = corrosionRates.multiMix[k][kShownCorrosionRate];
        c.residence = ResidenceInUnit(m.residenceTime[k], residenceUnit);
    }
    return view;
}
