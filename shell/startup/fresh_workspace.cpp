// The fresh workspace is kept twice over: the records the work file holds as
// the file image the writer makes of them (the reader puts them back exactly),
// and the records beside them, which no file holds, as copies.
#include "shell/startup/fresh_workspace.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/surface_engine_state.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/phcurve/phcurve_records.h"
#include "input/records.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/records.h"
#include "shell/startup/startup_config.h"
#include "shell/startup/startup_records.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"

namespace {

// The records a fresh start sets that no work file holds.
struct Beside {
    ConstantConcentrations constants;
    ConstantConcentrations constantsBackup;
    AlkCurveFit curveFit;
    AlkCurveCoefficients extrapolatedCurve;
    float extrapolatedCurvePh;
    float entryTemperature;
    WellProfiles wells;
    WellRunState wellRun;
    MultiMixBlend blend;
    int32_t multiMixDate;
    DoseState dose;
    DoseAnalysis doseAnalysis;
    CorrosionRates corrosion;
    float residence;
    uint16_t phPredicted;
    float predictedPh;
    float formResidenceSeconds;
    float formPolyphosphate;
    float formOxalate;
    // What the last dialog stored: a page taking the focus recomputes its
    // water while it says a dialog stored one.
    int16_t dialogOutcome;
};

static_assert(std::is_trivially_copyable_v<Beside>, "kept as bytes");

void TakeBeside(Beside& b) {
    b.constants = constantConcentrations;
    b.constantsBackup = constantValuesBackup;
    b.curveFit = alkCurveFit;
    b.extrapolatedCurve = extrapolatedAlkCurve;
    b.extrapolatedCurvePh = extrapolatedAlkCurvePh;
    b.entryTemperature = entryTemperature;
    b.wells = wellProfiles;
    b.wellRun = wellRunState;
    b.blend = multiMixBlend;
    b.multiMixDate = multiMixDate;
    b.dose = doseState;
    b.doseAnalysis = doseAnalysis;
    b.corrosion = corrosionRates;
    b.residence = currentResidenceTime;
    b.phPredicted = phPredicted;
    b.predictedPh = predictedPh;
    b.formResidenceSeconds = formResidenceSeconds;
    b.formPolyphosphate = formPolyphosphate;
    b.formOxalate = formOxalate;
    b.dialogOutcome = dialogOutcome;
}

void PutBeside(const Beside& b) {
    constantConcentrations = b.constants;
    constantValuesBackup = b.constantsBackup;
    alkCurveFit = b.curveFit;
    extrapolatedAlkCurve = b.extrapolatedCurve;
    extrapolatedAlkCurvePh = b.extrapolatedCurvePh;
    entryTemperature = b.entryTemperature;
    wellProfiles = b.wells;
    wellRunState = b.wellRun;
    multiMixBlend = b.blend;
    multiMixDate = b.multiMixDate;
    doseState = b.dose;
    doseAnalysis = b.doseAnalysis;
    corrosionRates = b.corrosion;
    currentResidenceTime = b.residence;
    phPredicted = b.phPredicted;
    predictedPh = b.predictedPh;
    formResidenceSeconds = b.formResidenceSeconds;
    formPolyphosphate = b.formPolyphosphate;
    formOxalate = b.formOxalate;
    dialogOutcome = b.dialogOutcome;
}

}  // namespace

void KeepFreshWorkspace() {
    auto beside = std::make_unique<Beside>();
    TakeBeside(*beside);
    freshWorkspaceKept.image = workfile::EncodeWorkFile();
    const auto* b = reinterpret_cast<const uint8_t*>(beside.get());
    freshWorkspaceKept.beside.assign(b, b + sizeof(Beside));
}

void StartFreshWorkspace() {
    const FreshWorkspaceKept& kept = freshWorkspaceKept;
    if (kept.image.empty() || kept.beside.size() != sizeof(Beside)) return;
    // The file being opened, or the one last saved, stays named.
    char path[sizeof mainWindowState.workFilePath];
    std::memcpy(path, mainWindowState.workFilePath, sizeof path);
    // The image is the writer's own: every record decodes to its size.
    const bool decoded =
        workfile::DecodeWorkFile(kept.image.data(), kept.image.size(), workfile::kRecordCount);
    (void)decoded;
    auto beside = std::make_unique<Beside>();
    std::memcpy(static_cast<void*>(beside.get()), kept.beside.data(), sizeof(Beside));
    PutBeside(*beside);
    ForgetSurfaceEngineState();
    LoadStartupSettings();
    std::memcpy(mainWindowState.workFilePath, path, sizeof path);
}

std::vector<uint8_t> FreshWorkspaceImage() {
    return freshWorkspaceKept.image.empty() ? workfile::EncodeWorkFile()
                                            : freshWorkspaceKept.image;
}
