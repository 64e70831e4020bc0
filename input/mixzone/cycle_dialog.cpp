// Cycle: the percentages, the 3D graph ranges and the pH control of the
// two-water mixing; OK stores them and brings the mixing results up to date.
#include "input/mixzone/cycle_dialog.h"

#include <cstdio>
#include <cstdlib>

#include "common/settings_ranges.h"
#include "engine/records.h"
#include "input/fields/decimal_field.h"
#include "input/mixzone/cycle_records.h"
#include "input/records.h"
#include "input/units/settings_unit_change.h"
#include "input/units/unit_change_recalc.h"
#include "input/whatif/settings_fields.h"
#include "input/whatif/whatif_fields.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "scenarios/mixing/mixing.h"
#include "shell/records.h"

namespace {

namespace M = MixZoneControl;

MixZoneDrivers& Drivers() {
    static MixZoneDrivers drivers{CalcMixingProfile, CalcMixGrid};
    return drivers;
}

namespace R = SettingRanges;

// The unit captions beside the pressure and pCO2 fields.
constexpr const char* kPressureCaptions[4] = {"atm", "bar", "psi", "KPa"};
constexpr const char* kPco2Captions[6] = {"atm", "bar", "psia", "KPa", "ppm", "mole %"};

uint16_t Code(int item, uint16_t count) {
    const uint16_t c = unitCodes.code[item];
    return c < count ? c : 0;
}

void ShowOrDefault(win::HWND dialog, int id, float value, bool shown, const char* fallback) {
    if (shown)
        ShowValue(dialog, id, value);
    else
        win::SetDlgItemText(dialog, id, fallback);
}
void Warn(win::HWND dialog, const char* text) {
    win::MessageBox(dialog, text, "WARNING", win::MB_ICONINFORMATION);
}

void WarnEmptyRanges(win::HWND dialog) {
    const GraphRangeSettings& g = graphRangeSettings;
    const MixingZoneSettings& z = mixingZoneSettings;
    if (g.gridTemperatureLow == g.gridTemperatureHigh && g.gridTemperatureLow != 0.0f)
        Warn(dialog,
             "Minimum and Maximum Temperature cannot be the same! Please change to a valid range!");
    if (g.gridPhLow == g.gridPhHigh && g.gridPhLow != 0.0f)
        Warn(dialog, "Minimum and Maximum pH cannot be the same! Please change to a valid range!");
    if ((z.gridMixLow == z.gridMixHigh && z.gridMixLow != 0.0f) ||
        (z.mixLowPercent == z.mixHighPercent && z.mixLowPercent != 0.0f))
        Warn(dialog,
             "Minimum and Maximum Percentages cannot be the same! Please change to a valid range!");
}

void FillFields(win::HWND dialog) {
    const GraphRangeSettings& g = graphRangeSettings;
    const MixingZoneSettings& z = mixingZoneSettings;
    auto percent = [](float v) { return v >= 0.0f && v <= 100.0f; };
    ShowOrDefault(dialog, M::kLowPercent, z.gridMixLow, percent(z.gridMixLow), "0.0F");
    ShowOrDefault(dialog, M::kHighPercent, z.gridMixHigh, percent(z.gridMixHigh), "100.0F");
    ShowOrDefault(dialog, M::kTypicalPercent, z.mixTypicalPercent, percent(z.mixTypicalPercent),
                  "16.66667F");
    auto ph = [](float v) { return v >= 0.0f && v <= 14.0f; };
    ShowOrDefault(dialog, M::kPhLow, g.gridPhLow, ph(g.gridPhLow), "7.60");
    ShowOrDefault(dialog, M::kPhHigh, g.gridPhHigh, ph(g.gridPhHigh), "9.00");

    const uint16_t tc = Code(UnitItem::kTemperature, 3);
    const TemperatureUnitInfo& t = TemperatureUnitOf(tc);
    // A value a change of units converted is shown too.
    auto inT = [tc](float v) {
        return HeldSettingSpan(SettingQuantity::kTemperature, tc).Holds(v);
    };
    const char* tLow[3] = {"60.0", "20.0", "293.0"};
    const char* tHigh[3] = {"120.0", "50.0", "324.0"};
    ShowOrDefault(dialog, M::kTemperatureLow, g.gridTemperatureLow, inT(g.gridTemperatureLow),
                  tLow[tc]);
    ShowOrDefault(dialog, M::kTemperatureHigh, g.gridTemperatureHigh, inT(g.gridTemperatureHigh),
                  tHigh[tc]);
    win::SetDlgItemText(dialog, M::kTemperatureUnit, t.label);

    const uint16_t pc = Code(UnitItem::kPressure, 4);
    auto inP = [pc](float v) { return HeldSettingSpan(SettingQuantity::kPressure, pc).Holds(v); };
    const char* pLow[4] = {"1.0", "1.0", "14.7", "100.0"};
    const char* pHigh[4] = {"1000.", "1000.", "14700.", "100000."};
    ShowOrDefault(dialog, M::kPressureLow, g.gridPressureLow, inP(g.gridPressureLow), pLow[pc]);
    ShowOrDefault(dialog, M::kPressureHigh, g.gridPressureHigh, inP(g.gridPressureHigh), pHigh[pc]);
    win::SetDlgItemText(dialog, M::kPressureUnit, kPressureCaptions[pc]);

    const uint16_t cc = Code(UnitItem::kGasCo2, 6);
    const char* cLow[6] = {"0.0034", "1.00", "1.00", "0.34", "0.1", "0.00"};
    const char* cHigh[6] = {"1.00", "5.00", "5.00", "100.0", "6.0", "20.0"};
    ShowOrDefault(dialog, M::kPco2Low, g.gridPco2Low, g.gridPco2Low >= 0.0f, cLow[cc]);
    ShowOrDefault(dialog, M::kPco2High, g.gridPco2High, g.gridPco2High >= 0.0f, cHigh[cc]);
    win::SetDlgItemText(dialog, M::kPco2Unit, kPco2Captions[cc]);

    FillPhControl(dialog, M::kPhControls, phControlSettings);
    win::EnableWindow(win::GetDlgItem(dialog, M::kUserDefined), resultStatus.alkCurveEntered != 0);
}

// The number fields in reading order, by the names the dialog gives them.
const NamedField kNumberFields[] = {
    {M::kPhLow, "Low pH"},
    {M::kPhHigh, "High pH"},
    {M::kTemperatureLow, "Low Temperature"},
    {M::kTemperatureHigh, "High Temperature"},
    {M::kPhTarget, "pH Target"},
    {M::kLowPercent, "Low Percent"},
    {M::kHighPercent, "High Percent"},
    {M::kTypicalPercent, "Typical Percent"},
    {M::kPressureLow, "Low Pressure"},
    {M::kPressureHigh, "High Pressure"},
    {M::kPco2Low, "Low pCO2"},
    {M::kPco2High, "High pCO2"},
};

int ReadInto(win::HWND dialog, CycleValues& v) {
    // A text that is no number keeps the dialog open on its field.
    if (const int refused = RefusedDecimalField(dialog, kNumberFields); refused != 0)
        return refused;
    FieldReader r(dialog);
    auto targetPh = [](float x) { return R::kTargetPh.Holds(x); };
    // A row of the mixing grid is a pH the blend is brought to: 0 is none.
    auto pointPh = [](float x) { return SettingRanges::kPointPh.Holds(x); };
    const uint16_t tc = Code(UnitItem::kTemperature, 3);
    const TemperatureUnitInfo& t = TemperatureUnitOf(tc);
    auto inT = [&t](float x) { return x >= t.low && x <= t.high; };
    GraphRangeSettings& g = v.ranges;
    PhControlSettings& c = v.phControl;
    if (!(r.Checked(M::kPhLow, g.gridPhLow, pointPh, PointPhRangeText("Low pH")) &&
          r.Checked(M::kPhHigh, g.gridPhHigh, pointPh, PointPhRangeText("High pH")) &&
          r.Checked(M::kTemperatureLow, g.gridTemperatureLow, inT,
                    TemperatureRangeText(tc, "Low Temperature")) &&
          r.Checked(M::kTemperatureHigh, g.gridTemperatureHigh, inT,
                    TemperatureRangeText(tc, "High Temperature")) &&
          r.Checked(M::kPhTarget, c.targetPh, targetPh, PhTargetRangeText())))
        return r.Result();

    constexpr int kOrder[6] = {0, 1, 2, 3, 4, 5};
    ReadPhControl(dialog, M::kPhControls, kOrder, kTheorCurveText, c);

    // A share of injection water lies within 0 and 100 percent.
    for (const int id : {M::kLowPercent, M::kHighPercent, M::kTypicalPercent}) {
        const SettingRange& span = SettingRanges::kPercent;
        if (span.Holds(FieldValue(dialog, id))) continue;
        const char* name = id == M::kLowPercent    ? "Low Percent"
                           : id == M::kHighPercent ? "High Percent"
                                                   : "Typical Percent";
        RefuseField(
            dialog, id,
            OutsideRangeText(name, DialogFieldText(dialog, id),
                             GroupedNumber(span.low) + " to " + GroupedNumber(span.high) + " %"));
        return id;
    }
    MixingZoneSettings& z = v.zone;
    const float low = FieldValue(dialog, M::kLowPercent);
    const float high = FieldValue(dialog, M::kHighPercent);
    // The step follows the percentages it divides; percentages kept keep it.
    const bool moved = low != z.mixLowPercent || high != z.mixHighPercent;
    z.mixLowPercent = z.gridMixLow = low;
    z.mixHighPercent = z.gridMixHigh = high;
    z.mixTypicalPercent = FieldValue(dialog, M::kTypicalPercent);
    if (moved) z.mixStepPercent = (high - low) / 6.0f;
    // Equal percentages give no mixing axis: the user corrects them first.
    // Equal ones held and left as they were (the Change Range dialog keeps
    // them) are taken: an OK on the unchanged dialog changes nothing.
    if (low == high && !(Unedited(dialog, M::kLowPercent) && Unedited(dialog, M::kHighPercent))) {
        win::MessageBox(dialog, kSamePercentagesText, "WARNING", win::MB_ICONINFORMATION);
        return M::kLowPercent;
    }

    const uint16_t pc = Code(UnitItem::kPressure, 4);
    auto inP = [pc](float x) { return R::Pressure(pc).Holds(x); };
    const uint16_t cc = Code(UnitItem::kGasCo2, 6);
    auto inC = [cc](float x) { return R::Pco2(cc).Holds(x); };
    (void)(r.Checked(M::kPressureLow, g.gridPressureLow, inP,
                     PressureRangeText(pc, "Low Pressure")) &&
           r.Checked(M::kPressureHigh, g.gridPressureHigh, inP,
                     PressureRangeText(pc, "High Pressure")) &&
           r.Checked(M::kPco2Low, g.gridPco2Low, inC, Pco2RangeText(cc, "Low pCO2")) &&
           r.Checked(M::kPco2High, g.gridPco2High, inC, Pco2RangeText(cc, "High pCO2")));
    return r.Result();
}

CycleValues Gather() {
    return CycleValues{whatIfSettings, graphRangeSettings, mixingZoneSettings, phControlSettings};
}
void Scatter(const CycleValues& v) {
    graphRangeSettings = v.ranges;
    mixingZoneSettings = v.zone;
    phControlSettings = v.phControl;
}

bool Chemistry(const PhControlSettings& a, const PhControlSettings& b) {
    return a.acidChemical != b.acidChemical || a.alkaliChemical != b.alkaliChemical ||
           a.phControlMethod != b.phControlMethod || a.phPredictionMethod != b.phPredictionMethod;
}

// The results the change makes stale: single-water flags cleared, the mixing
// profile and grids that exist computed again.
void BringMixingUpToDate(const CycleValues& a, const CycleValues& b, win::HWND main) {
    ResultStatus& r = resultStatus;
    const WhatIfSettings& wa = a.whatIf;
    const WhatIfSettings& wb = b.whatIf;
    if (wa.temperatureLow != wb.temperatureLow || wa.temperatureHigh != wb.temperatureHigh)
        r.tempProfileDone = r.gridDone = 0;
    if (wa.temperatureEval != wb.temperatureEval) r.phProfileDone = 0;
    const bool pco2 = whatIfOptions.varyPco2 != 0;
    if (pco2 ? wa.pco2Eval != wb.pco2Eval : wa.phEval != wb.phEval) r.tempProfileDone = 0;
    if (pco2 ? (wa.pco2Low != wb.pco2Low || wa.pco2High != wb.pco2High)
             : (wa.phLow != wb.phLow || wa.phHigh != wb.phHigh))
        r.gridDone = r.phProfileDone = 0;
    const PhControlSettings& ca = a.phControl;
    const PhControlSettings& cb = b.phControl;
    if (ca.phControlMethod != cb.phControlMethod ||
        ca.phPredictionMethod != cb.phPredictionMethod || ca.targetPh != cb.targetPh)
        r.tempProfileDone = r.gridDone = r.phProfileDone = 0;

    const GraphRangeSettings& ga = a.ranges;
    const GraphRangeSettings& gb = b.ranges;
    const MixingZoneSettings& za = a.zone;
    const MixingZoneSettings& zb = b.zone;
    const bool chemistry = Chemistry(ca, cb);
    const bool mixHighOrTypical =
        za.gridMixHigh != zb.gridMixHigh || za.mixTypicalPercent != zb.mixTypicalPercent;
    const bool tLimits = ga.gridTemperatureLow != gb.gridTemperatureLow ||
                         ga.gridTemperatureHigh != gb.gridTemperatureHigh;
    const bool phLimits = ga.gridPhLow != gb.gridPhLow || ga.gridPhHigh != gb.gridPhHigh;
    const bool co2Limits = ga.gridPco2Low != gb.gridPco2Low || ga.gridPco2High != gb.gridPco2High;
    if (r.mixProfileDone != 0 &&
        (ga.gridPhEval != gb.gridPhEval || ga.gridTemperatureEval != gb.gridTemperatureEval ||
         ga.gridPco2Eval != gb.gridPco2Eval || za.gridMixLow != zb.gridMixLow ||
         za.gridMixHigh != zb.gridMixHigh || za.mixLowPercent != zb.mixLowPercent ||
         za.mixHighPercent != zb.mixHighPercent || za.mixStepPercent != zb.mixStepPercent ||
         chemistry || ca.targetPh != cb.targetPh)) {
        r.mixProfileDone = 0;
        Drivers().calcMixingProfile(main);
    }
    // The three grids by their flags: kind 0 in slot 2, kind 3 in slot 1, kind 4 in slot 0.
    if (r.mixGridDone[2] != 0 &&
        (phLimits || tLimits || co2Limits || mixHighOrTypical || chemistry)) {
        r.mixGridDone[2] = 0;
        (void)Drivers().calcMixGrid(MixGridCode::kPhByTemperature);
    }
    if (r.mixGridDone[1] != 0 &&
        (ga.gridPhEval != gb.gridPhEval || tLimits || ga.gridPco2Eval != gb.gridPco2Eval ||
         mixHighOrTypical || chemistry)) {
        r.mixGridDone[1] = 0;
        (void)Drivers().calcMixGrid(MixGridCode::kRatio);
    }
    if (r.mixGridDone[0] != 0 && (phLimits || ga.gridTemperatureEval != gb.gridTemperatureEval ||
                                  co2Limits || mixHighOrTypical || chemistry)) {
        r.mixGridDone[0] = 0;
        (void)Drivers().calcMixGrid(MixGridCode::kPhByPercent);
    }
}

void OnOk(win::HWND dialog) {
    CycleValues v = Gather();
    const int result = ReadInto(dialog, v);
    if (result > 0) {
        win::SetFocus(win::GetDlgItem(dialog, result));
        return;
    }
    Scatter(v);
    if (cycleOpening.phControl.phPredictionMethod != phControlSettings.phPredictionMethod)
        RecalculateForNewPhPrediction(mainWindowState.mainWindow);
    BringMixingUpToDate(cycleOpening, Gather(), mainWindowState.mainWindow);
    win::EndDialog(dialog, 1);
}

}  // namespace

int MixZoneTemplate(int desktopHeight) {
    return desktopHeight <= 900 ? DialogId::kMixZone640 : DialogId::kMixZone1200;
}

void OpenMixZoneDialog(win::HWND owner) {
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    (void)win::DialogBoxParamA(mainWindowState.instance,
                               MixZoneTemplate(std::abs(desktop.bottom - desktop.top)), owner,
                               Cycle, 0);
}

void SetMixZoneDrivers(const MixZoneDrivers& drivers) {
    Drivers() = drivers;
}

void InitCycleDialog(win::HWND dialog) {
    cycleOpening = Gather();
    WarnEmptyRanges(dialog);
    FillFields(dialog);
}

int ReadCycleDialog(win::HWND dialog) {
    CycleValues v = Gather();
    const int result = ReadInto(dialog, v);
    if (result <= 0) Scatter(v);
    return result;
}

win::INT_PTR Cycle(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            InitCycleDialog(dialog);
            return win::TRUE;
        case win::WM_COMMAND:
            switch (win::LOWORD(wParam)) {
                case M::kOk:
                    OnOk(dialog);
                    return win::TRUE;
                case M::kCancel:
                    win::EndDialog(dialog, 1);
                    return win::TRUE;
                default:
                    return win::FALSE;
            }
        default:
            return win::FALSE;
    }
}
