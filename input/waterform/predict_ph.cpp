// PredictPh: the form read into the working analysis, the change test against
// the form snapshot, and the values derived when data are stored.
#include "input/waterform/predict_ph.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/inputs/engine_unit_factors.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/description_records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/units/unit_change.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_text.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/records.h"

namespace {

namespace C = WaterFormControl;
namespace E = AnalysisElement;

// Alkalinity entered as the species to mg/L as CaCO3 (50,044.5 mg CaCO3 per
// equivalent): bicarbonate 61,017.3 mg and carbonate 30,004.7 mg per equivalent;
// the other modes by their unit's factor.
constexpr double kCaCO3PerEquivalent = 50044.5;
constexpr double kBicarbonatePerEquivalent = 61017.3;
constexpr double kCarbonatePerEquivalent = 30004.7;
constexpr double kDensityOfWaterLbsPerGal = kWaterDensityLbsPerGal;
// The slope of the line through the source water's pH and log alkalinity.
constexpr float kPhAlkSlope = 1.43f;
constexpr double kPredictedPhTolerance = 0.001;
constexpr int kMixedWaterPage = 6;  // "DisplayCycledWater" in pageWindows

constexpr const char* kNoCarbonateWarning =
    "WARNING! pH prediction based upon translation of the source water pH-Alk relationship will "
    "cause erroneous results. No carbonate equilibrium present!";

// Steps 1 to 5: dates, time, identification and description lines.
void ReadIdentification(win::HWND form) {
    WaterAnalysis& a = currentAnalysis;
    ReadDateField(form, C::kSampleDate, a.sampleDate, true);
    ReadTimeField(form, C::kTime, a.sampleTime);
    ReadTextField(form, C::kSampleId, currentDescription.text[7]);
    char number[256] = {};
    win::GetDlgItemText(form, C::kSampleNumber, number, sizeof number);
    a.sampleNumber = ToSampleNumber(ReadNumber(number));
    ReadDateField(form, C::kReportDate, a.reportDate, true);
    const auto descriptions = DescriptionFields();
    for (size_t i = 0; i < descriptions.size(); ++i)
        ReadTextField(form, descriptions[i], currentDescription.text[i]);
}

// Steps 6 to 9: the numbers, the pH to keep or predict, the residence time and
// the acids.
void ReadValues(win::HWND form) {
    float* v = currentAnalysis.values;
    for (const ElementField& f : ElementFields())
        v[f.element] = ReadFieldNumberAsShown(form, f.controlId);
    const float typedPh = ReadFieldNumberAsShown(form, C::kPh);
    // A residence time left as shown is the one stored, not its rounded text.
    const double residence = ReadFieldValueAsShown(form, C::kResidenceTime);
    corrosionTarget = ReadFieldNumberAsShown(form, C::kCorrosionTarget);
    const auto acids = AcidFields();
    for (size_t i = 0; i < acids.size(); ++i)
        organicAcids[i] = ReadFieldNumberAsShown(form, acids[i]);
    formPolyphosphate = v[E::kPolyphosphate];
    formOxalate = v[E::kOxalate];

    const bool keptPrediction =
        v[E::kCompanionPh] == -1.0f && std::fabs(typedPh - predictedPh) < kPredictedPhTolerance;
    if (typedPh < 0.0f || keptPrediction) {
        phPredicted = 1;
    } else {
        phPredicted = 0;
        v[E::kPh] = typedPh;
    }

    formResidenceSeconds =
        ToStoredFloat(residence * ResidenceSecondsFactor(unitCodes.code[UnitItem::kResidenceTime]));
    if (IsFormWater(formWater)) {
        waterResidenceSeconds[formWater] = formResidenceSeconds;
        currentResidenceTime = formResidenceSeconds;
    }
    if (IsFormWater(mainWindowState.currentWater))
        std::memcpy(waterOrganicAcids[mainWindowState.currentWater], organicAcids,
                    sizeof organicAcids);
}

// The elements the change test looks at: the entered quantities, not the
// calculation's own values (23, 24, 26, 28, 41, 44).
bool Compared(int i) {
    return i < 23 || i == E::kBromine || i == E::kPH2S || (i >= 29 && i <= 40) || i == E::kLead ||
           i == E::kAcidity || i >= 45;
}

// Step 10, for a water already entered. A pH switched from a typed value to
// prediction (a negative pH typed over a water that had its own pH) is a change
// too: the pH element itself keeps its stored value, so the element scan alone
// would drop the request.
void DetectChanges() {
    if (std::memcmp(organicAcids, formSnapshot.organicAcids, sizeof organicAcids) != 0) {
        dialogResult = 1;
        return;
    }
    float* v = currentAnalysis.values;
    if (phPredicted != 0 && formSnapshot.values[E::kCompanionPh] != -1.0f) {
        dialogResult = 1;
        return;
    }
    for (int i = 0; i < E::kCount; ++i) {
        if (!Compared(i) || !ValueChanged(v[i], formSnapshot.values[i])) continue;
        if (i != E::kPh) {
            dialogResult = 1;
            return;
        }
        if (phPredicted == 0) {
            v[E::kCompanionPh] = v[E::kPh];
            dialogResult = 1;
            return;
        }
        v[E::kPh] = v[E::kCompanionPh] = -1.0f;
    }
}

// Step 12.4 and 12.5: the line pH = intercept + 1.43 log10(total alkalinity)
// through the water's own point; the next calculation draws it again from its
// results.
void DrawPhAlkLine(win::HWND form, const float* v, bool warn) {
    phAlkLineValid = 1;
    extrapolatedAlkCurve.linear = 0.0f;
    extrapolatedAlkCurve.reciprocal = 0.0f;
    extrapolatedAlkCurve.logSlope = kPhAlkSlope;
    if (v[E::kAlkalinity] > 0.0f) {
        extrapolatedAlkCurve.intercept =
            static_cast<float>(v[E::kPh] - kPhAlkSlope * std::log10(v[E::kAlkalinity]));
    } else {
        extrapolatedAlkCurve.intercept = v[E::kPh];
        if (warn) win::MessageBox(form, kNoCarbonateWarning, "WARNING", win::MB_ICONINFORMATION);
    }
    extrapolatedAlkCurvePh = v[E::kPh];
    phPredictionRequest = 1;
}

// Step 12: what a store derives from the entered values.
void DeriveStoredValues(win::HWND form, bool warn) {
    float* v = currentAnalysis.values;
    v[E::kAlkalinity] = ToStoredFloat(
        TotalAlkalinity(alkalinityMode, v[E::kMAlkalinity], v[E::kPAlkalinity], v[E::kAlkalinity]));
    DeriveDensity(v);
    if (phPredicted == 0)
        v[E::kCompanionPh] = v[E::kPh];
    else
        v[E::kPh] = v[E::kCompanionPh] = -1.0f;
    DrawPhAlkLine(form, v, warn);
    const int32_t water = mainWindowState.currentWater;
    if (IsFormWater(water)) {
        std::memcpy(enteredValues[water], v, sizeof enteredValues[water]);
        enteredValues[water][E::kCompanionPh] = 0.0f;
        // The mixed-water page compares against the entered values.
        const win::HWND mixedPage = mainWindowState.pageWindows[kMixedWaterPage];
        if (mixedPage != nullptr) win::InvalidateRect(mixedPage, nullptr, win::FALSE);
    }
}

}  // namespace

void DeriveDensity(float* v) {
    if (unitCodes.code[UnitItem::kDensity] == 1) {
        if (v[E::kDensity] <= 0.0f) v[E::kDensity] = static_cast<float>(kDensityOfWaterLbsPerGal);
        v[E::kResultScale] = static_cast<float>(v[E::kDensity] / kDensityOfWaterLbsPerGal);
    } else {
        v[E::kResultScale] = v[E::kDensity];
        if (v[E::kDensity] <= 0.0f) v[E::kDensity] = v[E::kResultScale] = 1.0f;
    }
}

double TotalAlkalinity(uint16_t mode, double m, double p, double current) {
    if (mode == 2 || mode == 3)
        return (m / kBicarbonatePerEquivalent + p / kCarbonatePerEquivalent) * kCaCO3PerEquivalent;
    const double perUnit = AlkalinityCaCO3PerUnit(mode);
    return perUnit > 0.0 ? m * perUnit : current;
}

bool ValueChanged(float now, float before) {
    return now != before;
}

void PredictPh(win::HWND form, bool warn) {
    ReadIdentification(form);
    ReadValues(form);
    if (IsFormWaterEntered(mainWindowState.currentWater))
        DetectChanges();
    else
        dialogResult = 1;
    if (corrosionTarget != formSnapshot.corrosionTarget ||
        static_cast<double>(formResidenceSeconds) != formSnapshot.residenceSeconds)
        dialogResult = 1;
    if (dialogResult != 0) DeriveStoredValues(form, warn);
}
