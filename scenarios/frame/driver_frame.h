// The frame every what-if driver follows: its questions and refusals come
// before any change; it saves the engine settings and carbonate state that it
// changes and puts them back at its end; it skips the work when nothing that
// feeds it has changed since its last run, or refreshes only the doses when
// only the product or the residence time changed; and it steps the progress
// window after each engine pass.
#pragma once

#include <cstdint>
#include <string>

#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "engine/carbonate/carbonate_state.h"
#include "platform/window/win_types.h"
#include "scenarios/frame/whatif_records.h"
#include "treatment/records.h"

// The drivers' message texts and caption.
namespace DriverText {
inline constexpr char kWarningCaption[] = "WARNING";
inline constexpr char kCo2BelowQuestion[] =
    "WARNING: CO2 is not recommended for pH control to a pH below 6.8!  Erroneous results may "
    "occur! Abort?(Y/N)";
inline constexpr char kNaHCO3AboveQuestion[] =
    "WARNING: NaHCO3 is not recommended for pH control to a pH above 8.3!   Erroneous results "
    "may occur! Abort?(Y/N)";
inline constexpr char kNoSourceWater[] =
    "You must input a make-up water analysis before performing calculations!";
inline constexpr char kNoAcidControl[] =
    "I'm sorry, No Acid pH control is selected.  Activate  pH control in the SELECT PARAMETERS "
    "module and try again!";
inline constexpr char kNoAlkaliControl[] =
    "I'm sorry, No Alkali pH control is selected.  Activate  pH control in the SELECT "
    "PARAMETERS module and try again!";
}  // namespace DriverText

// Carbon dioxide lowers the pH reliably only to about 6.8, sodium bicarbonate
// raises it only to about 8.3 (the pK values of the carbonate system bound what
// each can reach).
constexpr float kCo2LowestPh = 6.8f;
constexpr float kNaHCO3HighestPh = 8.3f;

// Asks the CO2 and NaHCO3 questions that pH control to `ph` calls for. True when
// the user answered Yes to one (abort the run).
[[nodiscard]] bool AbortForPhControlChemical(win::HWND owner, const PhControlSettings& control,
                                             float ph);

// True when pH control's chemicals cannot bring a water at `ph` to `target`:
// an acid alone above its pH, an alkali alone below it. Such a water keeps its
// own pH and takes no dose; the run notes the chemical and the target (a
// target more than 0.005 away), and TellPhTargetOutOfReach tells them once.
[[nodiscard]] bool PhTargetOutOfReach(const PhControlSettings& control, float ph, float target);
// The note of the chemical that cannot reach `target`.
[[nodiscard]] std::string PhTargetOutOfReachText(const PhControlSettings& control, float target);
// Shows the run's note, if it made one, and forgets it; ForgetPhTargetOutOfReach
// forgets it untold (a run's start).
void TellPhTargetOutOfReach(win::HWND owner);
void ForgetPhTargetOutOfReach();

// True (after showing the refusal) when values 1 to 63 of the water sum to 0,
// or when the surface water's H2S (as typed) carries more alkalinity at its
// pH than its bicarbonate and carbonate (told with both figures).
[[nodiscard]] bool RefuseEmptyWater(win::HWND owner, const WaterAnalysis& water);
// The same with the caller's own refusal text.
[[nodiscard]] bool RefuseEmptyWater(win::HWND owner, const WaterAnalysis& water,
                                    const char* refusal);
// True (after telling it) when the surface water's H2S outweighs its
// alkalinity, whether or not the driver has anything to calculate: the
// results it keeps are another water's.
[[nodiscard]] bool RefuseSourWater(win::HWND owner);

// True (after showing the refusal) when a pH-control dose graph is asked for
// without the matching pH control: code 90 (acid dose) needs method 1 or 3, code
// 91 (alkali dose) method 2 or 3.
[[nodiscard]] bool RefuseDoseGraph(win::HWND owner, uint16_t graphCode,
                                   const PhControlSettings& control);

// The engine settings and carbonate state a driver may change.
struct EngineSettings {
    CarbonateState& carbonate;
    float& currentCO2;
    float& currentH2CO3;
    float& currentHCO3;
    float& currentCO3;
    uint32_t& phBalanceSwitch;
    WhatIfOptions& options;      // carbonateModel, varyPco2
    PhControlSettings& control;  // phPredictionMethod
};

void SaveEngineSettings(const EngineSettings& live, DriverSettingsBackup& backup);
// Puts back everything SaveEngineSettings saved.
void RestoreEngineSettings(const DriverSettingsBackup& backup, const EngineSettings& live);
// Puts back only the first eight carbonate values and the current carbonate set.
void RestoreCarbonate(const DriverSettingsBackup& backup, const EngineSettings& live);

// What a driver does on this call.
enum class RunChoice { kNothing, kDoseOnly, kWhole };

// The re-run rule shared by the drivers: a whole run when the results are not
// current, or when the doses are stale and the product has an active component
// (its doses change the water); otherwise the dose-only pass when doses are
// wanted; otherwise nothing.
RunChoice ChooseRun(bool resultsDone, bool dosesStale, bool productActive, bool dosesWanted);

// The product file name of the current product ("No File" when none is loaded),
// bounded by its field.
struct ProductName {
    char text[kProductNameChars];
};
ProductName CurrentProductName(const ProductTable& product);
bool SameProductName(const ProductName& name, const char (&recorded)[kProductNameChars]);
void RecordProductName(const ProductName& name, char (&recorded)[kProductNameChars]);

// True when one of the first seven components holds more than 1e-6 of the first
// active ingredient.
bool AnyDosedComponentActive(const ProductTable& product);

// The seven driver values of the dose: for each component below the component
// count (at most seven), the result slot its treatedIndex names; 0 past the
// count, for a treatedIndex outside the result row, and, when `skipTermLists`,
// for a component of model kind 99.
void DoseDriverValues(const ProductTable& product, const float (&results)[kResultRowValues],
                      bool skipTermLists, float (&drivers)[kDosedComponentCount]);

// The progress window's clock: started when the window is shown.
struct ProgressClock {
    uint32_t startSeconds;
};
ProgressClock StartProgress();
// Steps the progress window to `percent`, held at 100 at most (the window shows
// no more), with the seconds still to go estimated from the share of the work
// done: trunc(elapsed x total / done) - elapsed, elapsed in whole seconds since
// the start.
void StepProgress(const ProgressClock& clock, int32_t percent, double doneUnits, double totalUnits);
void EndProgress();
