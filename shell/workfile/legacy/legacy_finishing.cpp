// What an older work file needs once its records are in memory: values no
// current workspace holds are repaired, what older versions lacked is derived,
// and the defaults of newer settings are put in.
#include <cmath>
#include <cstring>
#include <vector>

#include "common/byte_io.h"
#include "common/whatif_settings.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "input/units/unit_choices.h"
#include "input/waterform/water_form_store.h"
#include "platform/dialogs/message_box.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"
#include "shell/workfile/legacy/legacy_layout.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_layout.h"
#include "treatment/files/older_product_layout.h"
#include "treatment/files/older_product_records.h"

namespace {

constexpr float kPhAlkSlope = 1.43f;
constexpr const char* kNoCarbonateWarning =
    "WARNING! pH prediction based upon translation of the source water pH-Alk relationship will "
    "cause erroneous results. No carbonate equilibrium present!";

bool Unusable(float v) {
    return !std::isfinite(v) || std::fabs(v) < 1.0e-8f || v > 1.0e8f;
}

void RepairValues(float* values, int count) {
    for (int e = 0; e < count; ++e)
        if (Unusable(values[e])) values[e] = 0.0f;
}

// Elements whose negative values carry a meaning; a temperature below 0 in
// degrees C is the water's own.
bool MayBeNegative(int element) {
    constexpr int kSigned[] = {AnalysisElement::kPh,           AnalysisElement::kAlkalinity,
                               AnalysisElement::kMAlkalinity,  AnalysisElement::kPAlkalinity,
                               AnalysisElement::kAlkalinityEq, AnalysisElement::kCompanionPh,
                               AnalysisElement::kAcidity,      AnalysisElement::kTemperature};
    for (int s : kSigned)
        if (s == element) return true;
    return false;
}

void RepairAnalysis(WaterAnalysis& w) {
    for (int e = 0; e < AnalysisElement::kCount; ++e)
        w.values[e] = legacy::RepairedStoredValue(e, w.values[e]);
}

void RepairStoredValues() {
    for (WaterAnalysis* w : {&surfaceWater, &injectionWater, &formationWater, &mixedWater})
        RepairAnalysis(*w);
    for (WaterAnalysis& w : multiMixState.sourceWaters) RepairAnalysis(w);
    for (StoredResults& r : WaterResults.multiMix)
        RepairValues(r.saturation, static_cast<int>(std::size(r.saturation)));
    RepairValues(multiMixBlend.blendResults,
                 static_cast<int>(std::size(multiMixBlend.blendResults)));
}

// Empty pressure ranges get the defaults of the pressure unit.
void DefaultPressures(uint16_t unit, float& low, float& high, float& eval) {
    if (low != 0.0f) return;
    if (unit == PressureUnit::kAtm || unit == PressureUnit::kBar) {
        low = 1.0f;
        high = 1000.0f;
        eval = 1.0f;
    } else if (unit == PressureUnit::kPsia) {
        low = 14.7f;
        high = 14700.0f;
        eval = 14.7f;
    }
}

void OrderMixingRanges(MixingZoneSettings& m, GraphRangeSettings& g) {
    if (m.mixLowPercent > m.mixHighPercent) {
        std::swap(m.mixLowPercent, m.mixHighPercent);
        m.mixStepPercent = (m.mixHighPercent - m.mixLowPercent) / 6.0f;
    }
    if (g.gridMixLow > g.gridMixHigh) std::swap(g.gridMixLow, g.gridMixHigh);
}

// The line through the surface water's pH-alkalinity point with the usual slope.
void RebuildPhAlkLine(win::HWND owner) {
    extrapolatedAlkCurve = AlkCurveCoefficients{};
    extrapolatedAlkCurve.logSlope = kPhAlkSlope;
    const float ph = surfaceWater.values[AnalysisElement::kPh];
    const float alkalinity = surfaceWater.values[AnalysisElement::kAlkalinity];
    if (alkalinity > 0.0f) {
        extrapolatedAlkCurve.intercept = ph - kPhAlkSlope * std::log10(alkalinity);
    } else {
        extrapolatedAlkCurve.intercept = ph;
        win::MessageBox(owner, kNoCarbonateWarning, kWarningCaption, win::MB_ICONINFORMATION);
    }
    extrapolatedAlkCurvePh = ph;
}

// A product that doses nothing is no product selected.
void MarkDoselessProduct() {
    char* name = reinterpret_cast<char*>(olderProduct.baseRecord + OlderBase::kFileName);
    const int16_t code = bytes::GetI16(olderProduct.baseRecord + OlderBase::kCode);
    constexpr size_t kNameBytes = 80;
    const bool doseless = strncmp(name, "NODOSE.PRD", kNameBytes) == 0 ||
                          strncmp(name, "NODOSE.MET", kNameBytes) == 0 || code < 0;
    name[0] = doseless ? 1 : 0;
    if (doseless) resultStatus.productSelected = 0;
}

void DefaultMixing(MixingZoneSettings& m, GraphRangeSettings& g) {
    if (g.gridMixLow == 0.0f && g.gridMixHigh == 0.0f) {
        g.gridMixHigh = 100.0f;
        g.mixTypicalPercent = 16.6667f;
    }
    if (m.mixLowPercent == 0.0f && m.mixHighPercent == 0.0f) {
        m.mixHighPercent = 100.0f;
        m.mixStepPercent = 16.6667f;
    }
    if (m.mixStepPercent == 0.0f) m.mixStepPercent = (m.mixHighPercent - m.mixLowPercent) / 6.0f;
}

void DefaultGraphChoice() {
    if (graphChoice.count > 0) return;
    graphChoice.leadingWord = 0;
    graphChoice.count = 1;
    const int16_t codes[4] = {0, -1, -1, -1};
    std::memcpy(graphChoice.codes, codes, sizeof codes);
    const uint16_t windowCodes[4] = {0, 0xFFFF, 0xFFFF, 0xFFFF};
    std::memcpy(graphIndexCodes, windowCodes, sizeof windowCodes);
}

}  // namespace

float legacy::RepairedStoredValue(int element, float v) {
    if (Unusable(v)) return 0.0f;
    return v < 0.0f && !MayBeNegative(element) ? 0.0f : v;
}

void NormalizeStoredDate(int32_t* date) {
    const int32_t x = *date;
    const int32_t a = x / 10000;
    const int32_t m = x / 100 - 100 * a;
    const int32_t c = x % 100;
    int32_t year = c, month = a, day = m;  // month-day-year
    const uint16_t order = unitCodes.code[UnitItem::kBarium];
    if (order == 1) {
        day = a;
        month = m;
    } else if (order == 2) {
        year = a;
        month = m;
        day = c;
    }
    if (month < 1 || month > 12) month = 1;
    if (year < 0 || year > 2000) year = 80;
    *date = (year * 100 + month) * 100 + day;
}

namespace legacy {

void RepairOlderSettings(int16_t version, uint16_t pressureUnit, const OlderSettings& s) {
    float& depth = s.wellLog.value[15];
    if (depth == 0.0f) depth = 500.0f;
    DefaultPressures(pressureUnit, s.whatIf.pressureLow, s.whatIf.pressureHigh,
                     s.whatIf.pressureEval);
    DefaultPressures(pressureUnit, s.graphRanges.gridPressureLow, s.graphRanges.gridPressureHigh,
                     s.graphRanges.gridPressureEval);
    OrderMixingRanges(s.mixingZone, s.graphRanges);
    if (kOldPhControl.Has(version)) {
        s.phControl.phPredictionMethod = 3;
        s.phControl.phControlMethod = PhControlMethod::kNone;
        s.phControl.acidChemical = AcidChemical::kNone;
        s.phControl.alkaliChemical = AlkaliChemical::kNone;
    }
    DefaultMixing(s.mixingZone, s.graphRanges);
}

void RepairStagedSettings(int16_t version, std::vector<uint8_t>& image) {
    using workfile::kRecordTable;
    if (image.size() < workfile::kFileBytes) return;
    auto at = [&image](int record) { return image.data() + kRecordTable[record].offset; };
    UnitCodes units{};
    bytes::Reader unitBytes(at(50), sizeof units);
    DecodeUnitCodes(unitBytes, units);
    ClampUnitCodes(units);

    WellLogSpecs well{};
    WhatIfSettings whatIf{};
    GraphRangeSettings graph{};
    bytes::Reader wellIn(at(364), kRecordTable[364].size);
    DecodeWellLogSpecs(wellIn, well);
    bytes::Reader whatIfIn(at(32), kRecordTable[32].size);
    DecodeWhatIfSettings(whatIfIn, whatIf);
    bytes::Reader graphIn(at(49), kRecordTable[49].size);
    DecodeGraphRangeSettings(graphIn, graph);
    // Record 26: the low, high and step percent, the target pH, the control and
    // prediction methods; records 44 and 135 the acid and the alkali.
    uint8_t* mixing = at(26);
    MixingZoneSettings zone{};
    zone.mixLowPercent = bytes::GetF32(mixing);
    zone.mixHighPercent = bytes::GetF32(mixing + 4);
    zone.mixStepPercent = bytes::GetF32(mixing + 8);
    PhControlSettings control{};
    control.targetPh = bytes::GetF32(mixing + 12);
    control.phControlMethod = bytes::GetU16(mixing + 16);
    control.phPredictionMethod = bytes::GetU16(mixing + 18);
    control.acidChemical = bytes::GetU16(at(44));
    control.alkaliChemical = bytes::GetU16(at(135));

    RepairOlderSettings(version, units.code[UnitItem::kPressure],
                        OlderSettings{well, whatIf, graph, zone, control});

    bytes::Writer wellOut(at(364), kRecordTable[364].size);
    EncodeWellLogSpecs(well, wellOut);
    bytes::Writer whatIfOut(at(32), kRecordTable[32].size);
    EncodeWhatIfSettings(whatIf, whatIfOut);
    bytes::Writer graphOut(at(49), kRecordTable[49].size);
    EncodeGraphRangeSettings(graph, graphOut);
    bytes::PutF32(mixing, zone.mixLowPercent);
    bytes::PutF32(mixing + 4, zone.mixHighPercent);
    bytes::PutF32(mixing + 8, zone.mixStepPercent);
    bytes::PutF32(mixing + 12, control.targetPh);
    bytes::PutU16(mixing + 16, control.phControlMethod);
    bytes::PutU16(mixing + 18, control.phPredictionMethod);
    bytes::PutU16(at(44), control.acidChemical);
    bytes::PutU16(at(135), control.alkaliChemical);
}

void FinishLegacyLoad(int16_t version, win::HWND owner) {
    RepairStoredValues();
    // Versions that stored no lead hold none; the rows as entered are taken
    // from the waters after this, so that both agree.
    if (kNoLead.Has(version)) {
        for (WaterAnalysis* w : {&currentAnalysis, &injectionWater, &formationWater, &surfaceWater})
            w->values[AnalysisElement::kLead] = 0.0f;
    }
    ClampUnitChoices();
    ClearRowsTheirWatersDisagreeWith();
    TakeStoredAsEnteredWhereMissing();
    RepairOlderSettings(version, unitCodes.code[UnitItem::kPressure],
                        OlderSettings{wellLogSpecs, whatIfSettings, graphRangeSettings,
                                      mixingZoneSettings, phControlSettings});
    if (kOldDates.Has(version)) {
        for (WaterAnalysis* w : {&surfaceWater, &injectionWater, &formationWater}) {
            NormalizeStoredDate(&w->reportDate);
            NormalizeStoredDate(&w->sampleDate);
        }
        RebuildPhAlkLine(owner);
    }
    MarkDoselessProduct();
    mainWindowState.loadedVersion = version;
    const uint16_t alkalinityUnit = unitCodes.code[UnitItem::kMAlkalinity];
    if (alkalinityMode < 1 && alkalinityUnit >= 1 && alkalinityUnit <= 7)
        alkalinityMode = alkalinityUnit;
    DefaultGraphChoice();
}

}  // namespace legacy
