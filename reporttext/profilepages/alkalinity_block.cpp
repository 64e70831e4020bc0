// The alkalinity block's labels and values at each profile point.
#include "reporttext/profilepages/alkalinity_block.h"

#include "common/water_analysis.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_records.h"

namespace {

// The SaturationResults slots the block reads: the hydroxide, "M" and "P"
// alkalinity, and the slot the OH alkalinity subtracts from the hydroxide.
constexpr int kHydroxide = 15;
constexpr int kMAlkalinity = 28;
constexpr int kPAlkalinity = 30;
constexpr int kOhOffset = 1;

const char* const kAcidityLabels[] = {"Acidity        ", "\"M\" Alkalinity", "\"P\" Alkalinity",
                                      "OH Alkalinity"};
const char* const kSpeciesLabels[] = {"Dissolved CO_2  ", "Bicarbonate    ", "Carbonate     ",
                                      "Hydroxide     "};

}  // namespace

bool SpeciesForm(int displayForm) {
    return displayForm == 1 || displayForm == 2;
}

int AlkalinityBlock(int profile, int displayForm, AlkalinityRow (&rows)[kAlkalinityRowsMax]) {
    const bool species = SpeciesForm(displayForm);
    const bool mixing = profile == ProfileKind::kMixing;
    const int count = mixing ? 3 : 4;
    for (int r = 0; r < count; ++r) rows[r].label = species ? kSpeciesLabels[r] : kAcidityLabels[r];
    const ProfileTable& table =
        profile == ProfileKind::kPressure ? whatIfResults.pressureProfile : whatIfResults.phProfile;
    for (int k = 0; k < kAlkalinityPoints; ++k) {
        const float* values = mixing ? mixProfileTables.mixChemistry[k] : table.analysis[k];
        const float* results = mixing ? mixProfileTables.mixResults[k] : table.results[k];
        if (species) {
            rows[0].values[k] =
                mixing ? mixProfileTables.mixDissolvedCO2[k] : table.dissolvedCO2[k];
            rows[1].values[k] =
                mixing ? values[AnalysisElement::kMAlkalinity] : table.bicarbonate[k];
            rows[2].values[k] = mixing ? values[AnalysisElement::kPAlkalinity] : table.carbonate[k];
            rows[3].values[k] = results[kHydroxide];
        } else {
            rows[0].values[k] =
                mixing ? mixProfileTables.mixAcidity[k] : values[AnalysisElement::kAcidity];
            rows[1].values[k] = results[kMAlkalinity];
            rows[2].values[k] = results[kPAlkalinity];
            rows[3].values[k] = results[kHydroxide] - results[kOhOffset];
        }
    }
    return count;
}
