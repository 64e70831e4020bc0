// The alkalinity block's labels and values at each profile point.
#include "reporttext/profilepages/alkalinity_block.h"

#include "reporttext/profilepages/profile_view.h"

namespace {

// SaturationResults slots the block reads: the hydroxide, the "M" and "P"
// alkalinity, and the hydrogen-ion terms (slots 13 and 14) that the OH
// alkalinity takes off the hydroxide alkalinity, as the "M" and "P" rows do.
constexpr int kHydroxide = 15;
constexpr int kMAlkalinity = 28;
constexpr int kPAlkalinity = 30;
constexpr int kHydrogenTermA = 13;
constexpr int kHydrogenTermB = 14;
// The OH alkalinity is the "M" alkalinity slot less the two hydrogen-ion terms.

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
    const int count = profile == ProfileKind::kMixing ? 3 : 4;
    for (int r = 0; r < kAlkalinityRowsMax; ++r)
        rows[r].label = species ? kSpeciesLabels[r] : kAcidityLabels[r];
    const ProfileViewRecord view = ViewOfProfile(profile);
    for (int k = 0; k < kAlkalinityPoints; ++k) {
        const ProfilePoint& p = view.points[k];
        const float* r = p.results;
        if (species) {
            rows[0].values[k] = p.dissolvedCo2;
            rows[1].values[k] = p.bicarbonate;
            rows[2].values[k] = p.carbonate;
            rows[3].values[k] = r[kHydroxide];
        } else {
            rows[0].values[k] = p.acidity;
            rows[1].values[k] = r[kMAlkalinity];
            rows[2].values[k] = r[kPAlkalinity];
            rows[3].values[k] = r[kMAlkalinity] - r[kHydrogenTermA] - r[kHydrogenTermB];
        }
    }
    return count;
}
