// ShowAnalysisFields: the water form filled from currentAnalysis and its
// companions (descriptions, acids, residence time, corrosion target), with the
// values the balancing changed marked for red display.
#include "input/waterform/show_analysis_fields.h"

#include <cstdio>
#include <cstring>

#include "common/packed_date.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/description_records.h"
#include "input/records.h"
#include "input/waterform/form_captions.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_text.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/records.h"

namespace {

namespace C = WaterFormControl;
namespace E = AnalysisElement;

constexpr int kValueDigits = 5;
constexpr int kTemperatureDigits = 6;

void TakeSnapshot() {
    FormSnapshot& s = formSnapshot;
    std::memcpy(s.organicAcids, organicAcids, sizeof s.organicAcids);
    std::memcpy(s.values, currentAnalysis.values, sizeof s.values);
    s.sampleDate = currentAnalysis.sampleDate;
    s.reportDate = currentAnalysis.reportDate;
    s.corrosionTarget = corrosionTarget;
}

// The residence time in the unit the user chose; 0 for an unknown unit.
double ResidenceInDisplayUnit(double seconds, uint16_t code) {
    switch (code) {
        case 0:
            return seconds;
        case 1:
            return seconds / 60.0;
        case 2:
            return seconds / 3600.0;
        case 3:
            return seconds / 86400.0;
        default:
            return 0.0;
    }
}

void WriteResidence(win::HWND form) {
    WriteFieldNumber(
        form, C::kResidenceTime,
        ResidenceInDisplayUnit(currentResidenceTime, unitCodes.code[UnitItem::kResidenceTime]),
        kValueDigits);
}

// Sodium, potassium, chloride, sulfate and nitrate are red when the entered
// water's value differs from what the user entered; the pH when the entered pH
// was negative (left for the calculation to find).
void MarkRedFields(int32_t water) {
    std::memset(redFields, 0, sizeof redFields);
    if (!IsFormWaterEntered(water)) return;
    const float* entered = enteredValues[water];
    const int elements[] = {E::kSodium, E::kPotassium, E::kChloride, E::kSulfate, E::kNitrate};
    for (int i = 0; i < 5; ++i)
        redFields[i] = currentAnalysis.values[elements[i]] != entered[elements[i]] ? 1 : 0;
    redFields[5] = entered[E::kCompanionPh] < 0.0f ? 1 : 0;
}

void ShowStoredValues(win::HWND form, int32_t water) {
    const WaterAnalysis& a = currentAnalysis;
    char number[16];
    std::snprintf(number, sizeof number, "%d", a.sampleNumber);
    win::SetDlgItemText(form, C::kSampleNumber, number);
    win::SetDlgItemText(form, C::kSampleId, currentDescription.text[7]);
    ShowDateField(form, C::kReportDate, a.reportDate);
    const auto descriptions = DescriptionFields();
    for (size_t i = 0; i < descriptions.size(); ++i)
        win::SetDlgItemText(form, descriptions[i], currentDescription.text[i]);

    MarkRedFields(water);
    for (const ElementField& f : ElementFields())
        WriteFieldNumber(form, f.controlId, a.values[f.element], kValueDigits);
    // A pH the calculation predicts shows as typed, -1: the pH the last
    // calculation found is on the water's page, and the next calculation
    // predicts it again by the method then in force.
    const bool predicted = a.values[E::kCompanionPh] == -1.0f;
    WriteFieldNumber(form, C::kPh, predicted ? -1.0f : a.values[E::kPh], kValueDigits);
    WriteResidence(form);
    WriteFieldNumber(form, C::kCorrosionTarget, corrosionTarget, kValueDigits);
    const auto acids = AcidFields();
    for (size_t i = 0; i < acids.size(); ++i)
        WriteFieldNumber(form, acids[i], organicAcids[i], kValueDigits);
    for (int id : RedFieldIds()) win::InvalidateRect(win::GetDlgItem(form, id), nullptr, win::TRUE);
}

// A new water: pH 7, 25 degrees C (77 F, 298.16 K), the density of water and one
// atmosphere in the user's units, no pCO2 or pH2S, the corrosion target in force.
void ShowNewWaterDefaults(win::HWND form) {
    std::memset(redFields, 0, sizeof redFields);
    WriteFieldNumber(form, C::kPh, 7.0, kValueDigits);
    switch (unitCodes.code[UnitItem::kTemperature]) {
        case 0:
            WriteFieldNumber(form, C::kTemperature, 77.0, kTemperatureDigits);
            break;
        case 1:
            WriteFieldNumber(form, C::kTemperature, 25.0, kTemperatureDigits);
            break;
        case 2:
            WriteFieldNumber(form, C::kTemperature, 298.16, kTemperatureDigits);
            break;
        default:
            break;
    }
    const double densities[] = {1.0, 8.34, 29.16};
    const uint16_t density = unitCodes.code[UnitItem::kDensity];
    if (density < 3) WriteFieldNumber(form, C::kDensity, densities[density], kValueDigits);
    const double pressures[] = {1.0, 1.0, 14.7, 100.0};
    const uint16_t pressure = unitCodes.code[UnitItem::kPressure];
    if (pressure < 4) WriteFieldNumber(form, C::kPressure, pressures[pressure], kValueDigits);
    WriteFieldNumber(form, C::kPco2, 0.0, kValueDigits);
    WriteFieldNumber(form, C::kPh2s, 0.0, kValueDigits);
    WriteResidence(form);
    // One corrosion target serves the three waters: a new water's form shows
    // the one in force, so that its OK keeps it.
    WriteFieldNumber(form, C::kCorrosionTarget, corrosionTarget, kValueDigits);
}

}  // namespace

void ShowAnalysisFields(win::HWND form) {
    const int32_t water = mainWindowState.currentWater;
    const bool stored = ShowsStoredAnalysis(water);
    const bool inFull = stored || unitsRedisplay != 0;
    if (stored) TakeSnapshot();

    const FormToday today = ReadToday();
    mainWindowState.reportDate = today.date;
    WaterAnalysis& a = currentAnalysis;
    if (!inFull) {
        a.reportDate = a.sampleDate = today.date;
        a.sampleTime = today.time;
        ShowDateField(form, C::kSampleDate, today.date);
        ShowDateField(form, C::kReportDate, today.date);
    } else {
        ShowDateField(form, C::kSampleDate, a.sampleDate);
    }
    ShowTimeField(form, C::kTime, a.sampleTime);

    if (inFull)
        ShowStoredValues(form, water);
    else
        ShowNewWaterDefaults(form);

    SetUnitCaptions(form, unitCodes);
    SetAlkalinityCaptions(form, alkalinityMode);
    UpdateTwoSulfideNote(form, a.values[E::kH2S], a.values[E::kPH2S]);
}
