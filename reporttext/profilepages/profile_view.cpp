// The profile tables gathered into the view the pages read.
#include "reporttext/profilepages/profile_view.h"

#include "common/water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "reporttext/format/carbonic_acid_display.h"
#include "reporttext/report/report_builders.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"

namespace {

// The engine keeps a point's acidity and dissolved carbonic acid per kilogram
// of solution; the rows show them in the reporting basis, as the ions and the
// alkalinity beside them: per litre in mg/L.
float InBasis(float perKilogram, const float* values) {
    return static_cast<float>(
        CarbonicAcidInBasis(perKilogram, reportingMode, values[AnalysisElement::kResultScale]));
}
float DissolvedCo2InBasis(float h2co3MgL, const float* values) {
    return static_cast<float>(CarbonicAcidAsCo2(InBasis(h2co3MgL, values)));
}

}  // namespace

ProfileViewRecord ViewOfProfile(int profile) {
    ProfileViewRecord view{};
    view.profile = profile;
    if (profile == ProfileKind::kMixing) {
        const MixProfileTables& t = mixProfileTables;
        for (int k = 0; k < kProfileViewPoints; ++k) {
            ProfilePoint& p = view.points[k];
            p.values = t.mixChemistry[k];
            p.results = t.mixResults[k];
            p.excess = t.mixExcess[k];
            p.acidity = InBasis(t.mixAcidity[k], p.values);
            p.dissolvedCo2 = DissolvedCo2InBasis(t.mixDissolvedCO2[k], p.values);
            p.bicarbonate = t.mixChemistry[k][AnalysisElement::kMAlkalinity];
            p.carbonate = t.mixChemistry[k][AnalysisElement::kPAlkalinity];
            p.acidDose = t.mixAcidDose[k];
            p.alkaliDose = t.mixAlkaliDose[k];
            p.inhibitorDose = t.mixInhibitorDose[k];
            p.doseStatus = t.mixDoseStatus[k];
            p.corrosionRate = t.mixCorrosion[k][kShownCorrosionRate];
            p.injectionPercent = mixPercent[k];
        }
        return view;
    }
    const ProfileTable& t = profile == ProfileKind::kPressure      ? whatIfResults.pressureProfile
                            : profile == ProfileKind::kTemperature ? whatIfResults.tempProfile
                                                                   : whatIfResults.phProfile;
    for (int k = 0; k < kProfileViewPoints; ++k) {
        ProfilePoint& p = view.points[k];
        p.values = t.analysis[k];
        p.results = t.results[k];
        p.excess = t.excess[k];
        p.acidity = InBasis(t.carbonateFigure[k], p.values);
        p.dissolvedCo2 = DissolvedCo2InBasis(t.dissolvedCO2[k], p.values);
        p.bicarbonate = t.bicarbonate[k];
        p.carbonate = t.carbonate[k];
        p.acidDose = t.acidDose[k];
        p.alkaliDose = t.alkaliDose[k];
        p.inhibitorDose = t.dose[k];
        p.doseStatus = t.doseStatus[k];
        p.corrosionRate = t.corrosion[k][kShownCorrosionRate];
        p.injectionPercent = 0.0f;
    }
    return view;
}
