// The alkalinity block's labels and values at each profile point.
#include "reporttext/profilepages/alkalinity_block.h"

#include "common/unit_codes.h"
#include "engine/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/row_units.h"
#include "reporttext/profilepages/profile_view.h"
#include "scenarios/mixing/mixing_profile_records.h"

namespace {

// The hydrogen-ion terms the OH alkalinity takes off the "M" alkalinity.
constexpr int kHydrogenTermA = 13;
constexpr int kHydrogenTermB = 14;

// Milligrams per milliequivalent of each row in either form: the acidity and
// alkalinity as CaCO3; dissolved CO2 as CO2 (one equivalent per mole, its
// acidity to the bicarbonate end point), bicarbonate, carbonate, and the
// hydroxide as CaCO3. In epm reporting the rows are in milliequivalents per
// kilogram, as the ions above them.
constexpr double kCaCO3PerEq = 50.0445;
constexpr double kAcidityRowsPerEq[] = {kCaCO3PerEq, kCaCO3PerEq, kCaCO3PerEq, kCaCO3PerEq};
constexpr double kSpeciesRowsPerEq[] = {44.0095, 61.0171, 60.0089 / 2.0, kCaCO3PerEq};

const char* const kAcidityLabels[] = {"Acidity        ", "\"M\" Alkalinity", "\"P\" Alkalinity",
                                      "OH Alkalinity"};
const char* const kSpeciesLabels[] = {"Dissolved CO_2  ", "Bicarbonate    ", "Carbonate     ",
                                      "Hydroxide     "};

}  // namespace

bool SpeciesForm(int displayForm) {
    return displayForm == 1 || displayForm == 2;
}

uint16_t& AlkalinityFormOf(int profile) {
    if (profile < 0 || profile >= kAlkalinityFormSlots || profile == ProfileKind::kMixing)
        return mixAlkalinityLabels;
    return profileAlkalinityLabels[profile];
}

const char* AlkalinityLabel(bool species, int row) {
    if (row < 0 || row >= kAlkalinityRowsMax) return "";
    if (species && row == 0)
        if (const char* unit = DissolvedCo2RowSuffix(nullptr); unit != nullptr)
            return "Dissolved CO_2(mmol)";
    return species ? kSpeciesLabels[row] : kAcidityLabels[row];
}

float OhAlkalinity(const float* r) {
    return r[kMAlkalinitySlot] - r[kHydrogenTermA] - r[kHydrogenTermB];
}

float AlkalinityRowInBasis(bool species, int row, float value) {
    if (reportingMode != ReportingMode::kEpm || row < 0 || row >= kAlkalinityRowsMax ||
        IsUndefinedValue(value))
        return value;
    const double* perEq = species ? kSpeciesRowsPerEq : kAcidityRowsPerEq;
    return static_cast<float>(value / perEq[row]);
}

int AlkalinityDecimals() {
    return reportingMode == ReportingMode::kEpm ? 2 : 1;
}

int AlkalinityBlock(int profile, int displayForm, AlkalinityRow (&rows)[kAlkalinityRowsMax]) {
    const bool species = SpeciesForm(displayForm);
    const int count = profile == ProfileKind::kMixing ? 3 : 4;
    for (int r = 0; r < kAlkalinityRowsMax; ++r) rows[r].label = AlkalinityLabel(species, r);
    const ProfileViewRecord view = ViewOfProfile(profile);
    for (int k = 0; k < kAlkalinityPoints; ++k) {
        const ProfilePoint& p = view.points[k];
        const float* r = p.results;
        if (species) {
            rows[0].values[k] = p.dissolvedCo2;
            rows[1].values[k] = p.bicarbonate;
            rows[2].values[k] = p.carbonate;
            rows[3].values[k] = r[kHydroxideSlot];
        } else {
            rows[0].values[k] = p.acidity;
            rows[1].values[k] = r[kMAlkalinitySlot];
            rows[2].values[k] = r[kPAlkalinitySlot];
            rows[3].values[k] = OhAlkalinity(r);
        }
    }
    for (int r = 0; r < kAlkalinityRowsMax; ++r)
        for (float& v : rows[r].values) v = AlkalinityRowInBasis(species, r, v);
    return count;
}
