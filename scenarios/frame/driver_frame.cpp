// The shared frame of the what-if drivers: questions, refusals, the save and
// restore of the engine settings, the re-run rule, the product checks and the
// progress window steps.
#include "scenarios/frame/driver_frame.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/pipeline/service_hooks.h"
#include "scenarios/frame/driver_services.h"

namespace {

bool UsesAcid(uint16_t method) {
    return method == PhControlMethod::kAcid || method == PhControlMethod::kBoth;
}
bool UsesAlkali(uint16_t method) {
    return method == PhControlMethod::kAlkali || method == PhControlMethod::kBoth;
}

bool AnsweredYes(win::HWND owner, const char* question) {
    return DriverMessageBox(owner, question, DriverText::kWarningCaption, win::MB_YESNO) ==
           win::IDYES;
}

void ShowNotice(win::HWND owner, const char* text) {
    (void)DriverMessageBox(owner, text, DriverText::kWarningCaption,
                           win::MB_OK | win::MB_ICONINFORMATION);
}

}  // namespace

bool AbortForPhControlChemical(win::HWND owner, const PhControlSettings& control, float ph) {
    const uint16_t method = control.phControlMethod;
    if (UsesAcid(method) && ph < kCo2LowestPh &&
        control.acidChemical == AcidChemical::kCarbonDioxide &&
        AnsweredYes(owner, DriverText::kCo2BelowQuestion))
        return true;
    if (UsesAlkali(method) && ph > kNaHCO3HighestPh &&
        control.alkaliChemical == AlkaliChemical::kSodiumBicarbonate &&
        AnsweredYes(owner, DriverText::kNaHCO3AboveQuestion))
        return true;
    return false;
}

namespace {

// The target a run's chemical could not reach (NaN: none), told once.
float unreachedTarget = NAN;
PhControlSettings unreachedControl{};

// The chemicals by their codes in the pH-control settings.
const char* const kAcidNames[] = {"98% Sulfuric Acid", "Hydrochloric Acid", "Carbon Dioxide",
                                  "93% Sulfuric Acid"};
const char* const kAlkaliNames[] = {"Lime", "Soda Ash", "Sodium Bicarbonate", "Caustic Soda",
                                    "Caustic Potash"};

template <size_t N>
const char* ChemicalName(const char* const (&names)[N], uint16_t code, const char* other) {
    return code < N ? names[code] : other;
}

}  // namespace

bool PhTargetOutOfReach(const PhControlSettings& control, float ph, float target) {
    const uint16_t method = control.phControlMethod;
    const bool out = (method == PhControlMethod::kAcid && target > ph) ||
                     (method == PhControlMethod::kAlkali && target < ph);
    if (out && std::fabs(target - ph) > 0.005f && std::isnan(unreachedTarget)) {
        unreachedTarget = target;
        unreachedControl = control;
    }
    return out;
}

std::string PhTargetOutOfReachText(const PhControlSettings& control, float target) {
    const bool acid = control.phControlMethod == PhControlMethod::kAcid;
    char text[400];
    std::snprintf(text, sizeof text,
                  "%s alone cannot bring the water to the target pH of %.2f: %s. Waters %s the "
                  "target are shown at their own pH, with no dose; select %s in pH control to "
                  "reach it.",
                  acid ? ChemicalName(kAcidNames, control.acidChemical, "the acid")
                       : ChemicalName(kAlkaliNames, control.alkaliChemical, "the alkali"),
                  static_cast<double>(target),
                  acid ? "an acid only lowers the pH" : "an alkali only raises the pH",
                  acid ? "below" : "above", acid ? "an alkali" : "an acid");
    return text;
}

void TellPhTargetOutOfReach(win::HWND owner) {
    if (std::isnan(unreachedTarget)) return;
    const std::string text = PhTargetOutOfReachText(unreachedControl, unreachedTarget);
    ForgetPhTargetOutOfReach();
    ShowNotice(owner, text.c_str());
}

void ForgetPhTargetOutOfReach() {
    unreachedTarget = NAN;
}

bool RefuseEmptyWater(win::HWND owner, const WaterAnalysis& water) {
    return RefuseEmptyWater(owner, water, DriverText::kNoSourceWater);
}

bool RefuseEmptyWater(win::HWND owner, const WaterAnalysis& water, const char* refusal) {
    float sum = 0.0f;
    for (int i = 1; i < AnalysisElement::kCount; ++i) sum += water.values[i];
    if (sum == 0.0f) {
        ShowNotice(owner, refusal);
        return true;
    }
    return RefuseSourWater(owner);
}

bool RefuseSourWater(win::HWND owner) {
    // A water whose sulfide outweighs its alkalinity has no carbonate any
    // point could start from (an older file may hold one).
    const std::string sour = SurfaceWaterRefusalText();
    if (sour.empty()) return false;
    ShowNotice(owner, sour.c_str());
    return true;
}

bool RefuseDoseGraph(win::HWND owner, uint16_t graphCode, const PhControlSettings& control) {
    const uint16_t method = control.phControlMethod;
    if (graphCode == GraphCode::kAcidDose && !UsesAcid(method)) {
        ShowNotice(owner, DriverText::kNoAcidControl);
        return true;
    }
    if (graphCode == GraphCode::kAlkaliDose && !UsesAlkali(method)) {
        ShowNotice(owner, DriverText::kNoAlkaliControl);
        return true;
    }
    return false;
}

void SaveEngineSettings(const EngineSettings& live, DriverSettingsBackup& backup) {
    const float saved[8] = {live.carbonate.k1,          live.carbonate.k2,
                            live.carbonate.kw,          live.carbonate.gammaH,
                            live.carbonate.gammaOH,     live.carbonate.waterActivity,
                            live.carbonate.chargeValue, live.carbonate.alkalinity};
    static_assert(sizeof saved == sizeof backup.carbonate);
    static_assert(kCarbonateStateSavedCount == 8);
    std::memcpy(backup.carbonate, saved, sizeof saved);
    backup.currentCO2 = live.currentCO2;
    backup.currentH2CO3 = live.currentH2CO3;
    backup.currentHCO3 = live.currentHCO3;
    backup.currentCO3 = live.currentCO3;
    backup.phBalanceSwitch = live.phBalanceSwitch;
    backup.carbonateModel = live.options.carbonateModel;
    backup.varyPco2 = live.options.varyPco2;
    backup.phPredictionMethod = live.control.phPredictionMethod;
}

void RestoreCarbonate(const DriverSettingsBackup& backup, const EngineSettings& live) {
    CarbonateState& c = live.carbonate;
    c.k1 = backup.carbonate[0];
    c.k2 = backup.carbonate[1];
    c.kw = backup.carbonate[2];
    c.gammaH = backup.carbonate[3];
    c.gammaOH = backup.carbonate[4];
    c.waterActivity = backup.carbonate[5];
    c.chargeValue = backup.carbonate[6];
    c.alkalinity = backup.carbonate[7];
    live.currentCO2 = backup.currentCO2;
    live.currentH2CO3 = backup.currentH2CO3;
    live.currentHCO3 = backup.currentHCO3;
    live.currentCO3 = backup.currentCO3;
}

void RestoreEngineSettings(const DriverSettingsBackup& backup, const EngineSettings& live) {
    RestoreCarbonate(backup, live);
    live.phBalanceSwitch = backup.phBalanceSwitch;
    live.options.carbonateModel = backup.carbonateModel;
    live.options.varyPco2 = backup.varyPco2;
    live.control.phPredictionMethod = backup.phPredictionMethod;
}

RunChoice ChooseRun(bool resultsDone, bool dosesStale, bool productActive, bool dosesWanted) {
    if (!resultsDone || (dosesStale && productActive)) return RunChoice::kWhole;
    return dosesWanted ? RunChoice::kDoseOnly : RunChoice::kNothing;
}

ProductName CurrentProductName(const ProductTable& product) {
    ProductName name{};
    const char(&field)[sizeof product.records[0].fileName] = product.records[0].fileName;
    static_assert(sizeof field <= sizeof name.text, "the recorded name holds the file name");
    std::memcpy(name.text, field, sizeof field);
    name.text[kProductNameChars - 1] = '\0';
    return name;
}

bool SameProductName(const ProductName& name, const char (&recorded)[kProductNameChars]) {
    return std::strncmp(name.text, recorded, kProductNameChars) == 0;
}

void RecordProductName(const ProductName& name, char (&recorded)[kProductNameChars]) {
    std::memcpy(recorded, name.text, kProductNameChars);
}

bool AnyDosedComponentActive(const ProductTable& product) {
    for (int i = 0; i < kDosedComponentCount; ++i)
        if (product.records[i].ingredient1 > 1e-6f) return true;
    return false;
}

void DoseDriverValues(const ProductTable& product, const float (&results)[kResultRowValues],
                      bool skipTermLists, float (&drivers)[kDosedComponentCount]) {
    // The component count may reach 28, but only seven driver values exist.
    const int count = product.componentCount < kDosedComponentCount ? product.componentCount
                                                                    : kDosedComponentCount;
    for (int i = 0; i < kDosedComponentCount; ++i) {
        drivers[i] = 0.0f;
        if (i >= count) continue;
        const ProductRecord& r = product.records[i];
        if (skipTermLists && r.modelKind == DoseModelKind::kTermList) continue;
        if (r.treatedIndex < kResultRowValues) drivers[i] = results[r.treatedIndex];
    }
}

ProgressClock StartProgress() {
    ProgressClock clock{DriverClockSeconds()};
    (void)ShowProgressBar();
    return clock;
}

void StepProgress(const ProgressClock& clock, int32_t percent, double doneUnits,
                  double totalUnits) {
    const int64_t elapsed = static_cast<int64_t>(DriverClockSeconds() - clock.startSeconds);
    const double projected = std::trunc(static_cast<double>(elapsed) * (totalUnits / doneUnits));
    SetProgressPos(percent > 100 ? 100 : percent,
                   static_cast<int32_t>(static_cast<int64_t>(projected) - elapsed));
}

void EndProgress() {
    CloseProgressBar();
}
