// The fields of the multi-mix input: showing water editIndex, reading it back,
// and its snapshot. Dates, the time, the numbers, the unit and alkalinity
// captions and the H2S note follow the water form's rules.
#include "input/multimix/multimix_fields.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/packed_date.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "input/description_records.h"
#include "input/multimix/multimix_input_records.h"
#include "input/records.h"
#include "input/typed_values.h"
#include "input/waterform/form_captions.h"
#include "input/waterform/form_checks.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_text.h"
#include "input/waterform/predict_ph.h"
#include "input/waterform/water_form_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/calendar/date_text.h"
#include "shell/records.h"

namespace {

namespace C = WaterFormControl;
namespace M = MultiMixControl;
namespace E = AnalysisElement;

constexpr int kValueDigits = 5;
constexpr int kTemperatureDigits = 6;
constexpr int kResidenceDigits = 7;
constexpr size_t kStoredTextChars = 39;  // of the 127 that may be typed
constexpr int32_t kOldDateLimit = 130000;

// The four description lines the dialog shows, for texts 0 to 3; text 4 is
// the comments line.
constexpr int kDescriptionEdits[] = {C::kDescription0, C::kDescription1, C::kDescription2,
                                     C::kDescription3};
constexpr int kCommentsText = 4;
constexpr int kIdText = 7;  // the "ID" line, as on the analysis form

WaterAnalysis& ShownWater() {
    return multiMixState.sourceWaters[multiMixState.editIndex];
}

// The defaults of a new water by the user's units; false for a unit code
// without one.
bool TemperatureDefault(double& v) {
    const double byUnit[] = {77.0, 25.0, 298.16};
    const uint16_t code = unitCodes.code[UnitItem::kTemperature];
    if (code >= 3) return false;
    v = byUnit[code];
    return true;
}
bool DensityDefault(double& v) {
    const double byUnit[] = {1.0, 8.34, 29.16};
    const uint16_t code = unitCodes.code[UnitItem::kDensity];
    if (code >= 3) return false;
    v = byUnit[code];
    return true;
}
bool PressureDefault(double& v) {
    const double byUnit[] = {1.0, 1.0, 14.7, 100.0};
    const uint16_t code = unitCodes.code[UnitItem::kPressure];
    if (code >= 4) return false;
    v = byUnit[code];
    return true;
}
struct DefaultField {
    int controlId;
    int element;
    bool (*value)(double&);
    int digits;
};
bool PhDefault(double& v) {
    v = 7.0;
    return true;
}
constexpr DefaultField kDefaults[] = {
    {C::kPh, E::kPh, PhDefault, kValueDigits},
    {C::kTemperature, E::kTemperature, TemperatureDefault, kTemperatureDigits},
    {C::kDensity, E::kDensity, DensityDefault, kValueDigits},
    {C::kPressure, E::kPressure, PressureDefault, kValueDigits},
};

// The first water of an empty multi-mix: the defaults alone; the other fields
// stay as they are. A new water has no pCO2: the calculation finds it from the
// pH and the alkalinity, as for a water of the analysis form.
void ShowDefaultsOnly(win::HWND dialog) {
    for (const DefaultField& d : kDefaults) {
        double v = 0.0;
        if (d.value(v)) WriteFieldNumber(dialog, d.controlId, v, d.digits);
    }
}

// Every field from the water as typed (its stored values only when nothing
// typed is known); of a water never typed, a pH, temperature, density or
// pressure of 0 first becomes its default in the water itself.
void ShowWaterValues(win::HWND dialog, WaterAnalysis& w) {
    const int k = multiMixState.editIndex;
    float* entered = sourceValuesAsEntered[k];
    const bool typedKnown = HoldsEnteredValues(entered);
    // A water typed keeps its 0 (a pH of 0, 0 degrees C, no pressure), as on
    // the analysis form; only a water never typed takes the defaults.
    for (const DefaultField& d : kDefaults) {
        double v = 0.0;
        if (!typedKnown && w.values[d.element] == 0.0f && d.value(v))
            w.values[d.element] = ToStoredFloat(v);
    }
    // A water never typed shows its amounts left blank rather than "0.00",
    // which a click and a number would extend.
    const bool fresh = !typedKnown && multiMixState.multiMixEntered[k] == 0;
    const auto write = [&](int id, float v, int digits) {
        if (fresh && v == 0.0f)
            win::SetDlgItemText(dialog, id, "");
        else
            WriteFieldNumber(dialog, id, v, digits);
    };
    float shown[E::kCount];
    ValuesAsTyped(w.values, entered, true, shown);
    for (const ElementField& f : ElementFields()) write(f.controlId, shown[f.element], kValueDigits);
    write(C::kPh, shown[E::kPh], kValueDigits);
    write(M::kResidenceTime, multiMixState.residenceTime[k][ResidenceForm::kDisplayUnit],
          kResidenceDigits);
    write(M::kWeight, multiMixState.weightPercent[k], kValueDigits);
    const auto acids = AcidFields();
    for (size_t i = 0; i < acids.size(); ++i)
        write(acids[i], multiMixState.organicAcids[k][i], kValueDigits);
    win::SetDlgItemText(dialog, C::kDescription4,
                        multiMixState.descriptions[k].text[kCommentsText]);
}

// The dates and time of the water: a stored water keeps its own (a missing
// date becomes today, an older-form date is repacked); any other water takes
// today and now.
void ShowDatesAndTime(win::HWND dialog, WaterAnalysis& w, bool stored) {
    const FormToday today = ReadToday();
    mainWindowState.reportDate = today.date;
    WaterAnalysis& a = currentAnalysis;
    if (stored) {
        if (w.reportDate == 0) w.reportDate = today.date;
        if (w.sampleDate == 0) w.sampleDate = today.date;
        w.reportDate = RepackOldDate(w.reportDate);
        w.sampleDate = RepackOldDate(w.sampleDate);
        a.reportDate = w.reportDate;
        a.sampleDate = w.sampleDate;
        a.sampleTime = w.sampleTime;
        ShowDateField(dialog, C::kSampleDate, a.sampleDate);
    } else {
        w.reportDate = w.sampleDate = a.reportDate = a.sampleDate = today.date;
        w.sampleTime = a.sampleTime = today.time;
        ShowDateField(dialog, C::kSampleDate, today.date);
        ShowDateField(dialog, C::kReportDate, today.date);
    }
    ShowTimeField(dialog, C::kTime, a.sampleTime);
    // A water without a number shows none, so that the next water's number is
    // not read back into it.
    char number[16] = "";
    if (w.sampleNumber != 0) std::snprintf(number, sizeof number, "%d", w.sampleNumber);
    win::SetDlgItemText(dialog, C::kSampleNumber, number);
    ShowDateField(dialog, C::kReportDate, a.reportDate);
}

void ReadStoredText(win::HWND dialog, int controlId, char (&text)[128]) {
    char typed[128] = {};
    ReadTextField(dialog, controlId, typed);
    std::memset(text, 0, sizeof text);
    std::memcpy(text, typed, std::min(std::strlen(typed), kStoredTextChars));
}

// The block slot of the display unit.
int DisplaySlot(uint16_t code) {
    switch (code) {
        case 1:
            return ResidenceForm::kMinutes;
        case 2:
            return ResidenceForm::kHours;
        case 3:
            return ResidenceForm::kDays;
        default:
            return ResidenceForm::kSeconds;
    }
}

void ReadIdentification(win::HWND dialog, WaterAnalysis& w) {
    WaterAnalysis& a = currentAnalysis;
    ReadDateField(dialog, C::kSampleDate, a.sampleDate, true);
    w.sampleDate = a.sampleDate;
    // A text that is no time of day keeps the stored time.
    ReadTimeField(dialog, C::kTime, a.sampleTime);
    w.sampleTime = a.sampleTime;
    char number[256] = {};
    win::GetDlgItemText(dialog, C::kSampleNumber, number, sizeof number);
    w.sampleNumber = a.sampleNumber = ToSampleNumber(ReadNumber(number));
    ReadDateField(dialog, C::kReportDate, a.reportDate, true);
    w.reportDate = a.reportDate;
}

// The pH: -1 typed, nothing typed over a water whose pH is left for the
// calculation (element 41 is -1), or the pH the calculation found left in
// place over a water typed without one, stores -1. A pH the user edited is
// the number typed, however near the one shown.
float ReadPh(win::HWND dialog, const WaterAnalysis& w, const float* entered) {
    const float typed = ReadFieldNumberAsShown(dialog, C::kPh);
    if (typed == -1.0f || (w.values[E::kCompanionPh] == -1.0f && std::fabs(typed) < 0.001f))
        return -1.0f;
    const bool predicted = HoldsEnteredValues(entered) && entered[E::kPh] < 0.0f;
    if (predicted && FieldShowsWrittenNumber(dialog, C::kPh) &&
        std::fabs(typed - w.values[E::kPh]) < 0.001f)
        return -1.0f;
    return typed;
}

// Whether a row read from the fields differs from the row the fields showed:
// a field's number by any amount (an unedited field reads back the number it
// was given), a value derived from them (the total alkalinity, the density in
// g/mL) by more than its float rounding.
bool RowChanged(const float* row, const float* before) {
    constexpr double kDerivedRounding = 1e-6;
    bool read[E::kCount] = {};
    for (const ElementField& f : ElementFields()) read[f.element] = true;
    read[E::kPh] = true;
    for (int i = 0; i < E::kCount; ++i) {
        if (read[i]) {
            if (ValueChanged(row[i], before[i])) return true;
            continue;
        }
        const double a = row[i];
        const double b = before[i];
        if (a != b && std::fabs(a - b) > kDerivedRounding * std::max(std::fabs(a), std::fabs(b)))
            return true;
    }
    return false;
}

}  // namespace

int32_t RepackOldDate(int32_t date) {
    // 01-01-1900 to 12-31-1912 are below the limit too: a date that reads as
    // one is kept, as the analysis form keeps it.
    if (date <= 0 || date >= kOldDateLimit || IsPackedDate(date)) return date;
    const int month = date / 10000;
    const int day = (date / 100) % 100;
    const int yy = date % 100;
    const int year = yy < 80 ? 2000 + yy : 1900 + yy;
    return PackDate(DateParts{year, month, day});
}

void FillResidenceBlock(double value, uint16_t unitCode, float (&block)[5]) {
    const double seconds = value * ResidenceSecondsFactor(unitCode);
    block[ResidenceForm::kSeconds] = ToStoredFloat(seconds);
    block[ResidenceForm::kMinutes] = ToStoredFloat(seconds / 60.0);
    block[ResidenceForm::kHours] = ToStoredFloat(seconds / 3600.0);
    block[ResidenceForm::kDays] = ToStoredFloat(seconds / 86400.0);
    block[ResidenceForm::kDisplayUnit] = block[DisplaySlot(unitCode)];
}

void ClampMultiMixIndices() {
    MultiMixState& m = multiMixState;
    m.editIndex = std::clamp(m.editIndex, 0, kMultiMixWaterCount - 1);
    m.lastWaterIndex = std::clamp(m.lastWaterIndex, 0, kMultiMixWaterCount - 1);
}

void ShowResidenceInUnit(float (&block)[5], uint16_t before, uint16_t after) {
    // A block never filled from its seconds (a new workspace's 180 in the
    // display unit) is filled from what it shows first.
    if (block[ResidenceForm::kSeconds] == 0.0f && block[ResidenceForm::kDisplayUnit] != 0.0f)
        FillResidenceBlock(block[ResidenceForm::kDisplayUnit], before, block);
    block[ResidenceForm::kDisplayUnit] = block[DisplaySlot(after)];
}

bool CheckMultiMixFields(win::HWND dialog) {
    static const NumberField kExtra[] = {
        {M::kWeight, "Weight %", FieldKind::kAmount},
        {M::kResidenceTime, "Induc. time", FieldKind::kResidenceTime},
    };
    // A residence time left as the form showed it is the stored one, whatever
    // its digits shown round it to.
    const size_t checked = FieldShowsWrittenNumber(dialog, M::kResidenceTime) ? 1 : 2;
    return CheckAnalysisFields(dialog, std::span(kExtra, checked));
}

void StartNewMultiMixWater(int k) {
    if (k < 0 || k >= kMultiMixWaterCount) return;
    MultiMixState& m = multiMixState;
    m.sourceWaters[k] = WaterAnalysis{};
    std::memset(sourceValuesAsEntered[k], 0, sizeof sourceValuesAsEntered[k]);
    std::memset(&m.descriptions[k], 0, sizeof m.descriptions[k]);
    m.weightPercent[k] = 0.0f;
    std::memset(m.organicAcids[k], 0, sizeof m.organicAcids[k]);
    m.sourceTemperature[k] = m.sourceTemperatureCopy[k] = 0.0f;
    m.multiMixEntered[k] = 0;
}

namespace {

// `pasted`: the water holds the dates and time a paste gave it, which it
// keeps as a stored water does.
void ShowRecord(win::HWND dialog, bool pasted) {
    ClampMultiMixIndices();
    MultiMixState& m = multiMixState;
    const int k = m.editIndex;
    WaterAnalysis& w = ShownWater();
    win::SetDlgItemInt(dialog, M::kWaterNumber, static_cast<win::UINT>(k + 1), win::FALSE);
    win::SetDlgItemInt(dialog, M::kWaterCount,
                       static_cast<win::UINT>(std::max(m.lastWaterIndex, k) + 1), win::FALSE);
    std::memcpy(currentAnalysis.values, w.values, sizeof currentAnalysis.values);
    win::EnableWindow(win::GetDlgItem(dialog, M::kActivate), win::FALSE);
    win::EnableWindow(win::GetDlgItem(dialog, M::kDeactivate), win::TRUE);

    // A water that OK or MIX stored keeps its dates and time, even while the
    // dialog is still adding waters (addingNewWater stays set until Activate
    // or Deactivate); only a water not yet stored takes today and now.
    const bool solversOn = resultStatus.runTargetSolvers != 0;
    const bool stored =
        pasted || (solversOn && (m.addingNewWater == 0 || m.multiMixEntered[k] != 0));
    ShowDatesAndTime(dialog, w, stored);
    for (int i = 0; i < 4; ++i)
        win::SetDlgItemText(dialog, kDescriptionEdits[i], m.descriptions[k].text[i]);
    win::SetDlgItemText(dialog, C::kSampleId, m.descriptions[k].text[kIdText]);
    if (m.addingNewWater == 1 && !solversOn)
        ShowDefaultsOnly(dialog);
    else
        ShowWaterValues(dialog, w);

    SetUnitCaptions(dialog, unitCodes);
    SetAlkalinityCaptions(dialog, alkalinityMode);
    UpdateTwoSulfideNote(dialog, currentAnalysis.values[E::kH2S], currentAnalysis.values[E::kPH2S]);
}

}  // namespace

void ShowMultiMixRecord(win::HWND dialog) {
    ShowRecord(dialog, false);
}

void ShowPastedMultiMixRecord(win::HWND dialog) {
    ShowRecord(dialog, true);
}

void ReadMultiMixFields(win::HWND dialog) {
    ClampMultiMixIndices();
    MultiMixState& m = multiMixState;
    const int k = m.editIndex;
    WaterAnalysis& w = ShownWater();
    std::memset(currentAnalysis.values, 0, sizeof currentAnalysis.values);
    ReadIdentification(dialog, w);
    m.weightPercent[k] = ReadFieldNumberAsShown(dialog, M::kWeight);
    for (int i = 0; i < 4; ++i)
        ReadStoredText(dialog, kDescriptionEdits[i], m.descriptions[k].text[i]);
    // The ID whole, as the analysis form keeps it.
    ReadTextField(dialog, C::kSampleId, m.descriptions[k].text[kIdText]);

    // The values as typed, read over the row the fields showed.
    float* entered = sourceValuesAsEntered[k];
    float before[E::kCount];
    ValuesAsTyped(w.values, entered, true, before);
    ClearCalculatedCarbonate(before);
    DeriveDensity(before);
    float row[E::kCount];
    std::memcpy(row, before, sizeof row);
    // A field left as shown keeps the number it holds, not its rounded text.
    for (const ElementField& f : ElementFields())
        row[f.element] = ReadFieldNumberAsShown(dialog, f.controlId);
    row[E::kPh] = ReadPh(dialog, w, entered);
    formPolyphosphate = row[E::kPolyphosphate];
    formOxalate = row[E::kOxalate];

    // An unedited residence time keeps its block: the text shown may round it.
    if (!FieldShowsWrittenNumber(dialog, M::kResidenceTime))
        FillResidenceBlock(ReadFieldNumber(dialog, M::kResidenceTime),
                           unitCodes.code[UnitItem::kResidenceTime], m.residenceTime[k]);
    currentResidenceTime = m.residenceTime[k][ResidenceForm::kSeconds];

    const auto acids = AcidFields();
    for (size_t i = 0; i < acids.size(); ++i)
        organicAcids[i] = m.organicAcids[k][i] = ReadFieldNumberAsShown(dialog, acids[i]);
    ReadStoredText(dialog, C::kDescription4, m.descriptions[k].text[kCommentsText]);

    // The total alkalinity by the water form's rule, whatever the mode.
    row[E::kAlkalinity] = ToStoredFloat(TotalAlkalinity(alkalinityMode, row[E::kMAlkalinity],
                                                        row[E::kPAlkalinity], row[E::kAlkalinity]));
    // The density in g/mL, as the water form derives it: mg/L are read per
    // kilogram by it, in the calculation and in a change of units.
    DeriveDensity(row);
    ClearCalculatedCarbonate(row);
    // A water typed as before keeps the values its calculation balanced; a
    // changed one is stored as typed, for the next calculation to balance.
    if (RowChanged(row, before)) {
        std::memcpy(entered, row, sizeof row);
        std::memcpy(w.values, row, sizeof row);
    }
    resultStatus.runTargetSolvers = 1;
    std::memcpy(currentAnalysis.values, w.values, sizeof currentAnalysis.values);
}

void LoadMultiMixRecord() {
    ClampMultiMixIndices();
    const MultiMixState& m = multiMixState;
    const int k = m.editIndex;
    const WaterAnalysis& w = m.sourceWaters[k];
    MultiMixSnapshot& s = multiMixSnapshot;
    s.reportDate = w.reportDate;
    s.sampleDate = w.sampleDate;
    s.sampleTime = w.sampleTime;
    ValuesAsTyped(w.values, sourceValuesAsEntered[k], true, s.values);
    std::memcpy(s.excess, WaterResults.multiMix[k].excess, sizeof s.excess);
    std::memcpy(s.results, WaterResults.multiMix[k].saturation, sizeof s.results);
    std::memcpy(s.residence, m.residenceTime[k], sizeof s.residence);
    std::memcpy(s.organicAcids, m.organicAcids[k], sizeof s.organicAcids);
}

int32_t MultiMixRecordChanged() {
    ClampMultiMixIndices();
    const MultiMixState& m = multiMixState;
    const int k = m.editIndex;
    const WaterAnalysis& w = m.sourceWaters[k];
    const MultiMixSnapshot& s = multiMixSnapshot;
    if (w.reportDate != s.reportDate || w.sampleDate != s.sampleDate ||
        w.sampleTime != s.sampleTime)
        return 1;
    float typed[E::kCount];
    ValuesAsTyped(w.values, sourceValuesAsEntered[k], true, typed);
    for (int i = 0; i < E::kCount; ++i)
        if (typed[i] != s.values[i]) return 1;
    for (int i = 0; i < kMultiMixAcidCount; ++i)
        if (m.organicAcids[k][i] != s.organicAcids[i]) return 1;
    return m.residenceTime[k][ResidenceForm::kDisplayUnit] != s.residence[0] ? 1 : 0;
}
