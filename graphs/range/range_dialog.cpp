// The one dialog body of the twelve Change Range dialogs, their openers and
// their entry points by name.
#include "graphs/range/range_dialog.h"

#include <map>
#include <string>
#include <utility>

#include "engine/records.h"
#include "graphs/range/range_fields.h"
#include "graphs/range/range_preview.h"
#include "graphs/range/range_records.h"
#include "graphs/window/graph_slot.h"
#include "input/fields/decimal_field.h"
#include "input/records.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/range_dialog_ids.h"
#include "scenarios/profiles/profiles.h"
#include "shell/records.h"

namespace {

namespace D = RangeDialogId;

void Warn(win::HWND dialog, const char* text, bool question = false) {
    (void)win::MessageBox(
        dialog, text, "WARNING",
        question ? win::MB_YESNO | win::MB_ICONHAND : win::MB_OK | win::MB_ICONINFORMATION);
}

void SetUnitLabel(win::HWND dialog) {
    constexpr const char* kLabels[3] = {"Deg F", "Deg C", "Deg K"};
    const uint16_t code = unitCodes.code[UnitItem::kTemperature];
    win::SetDlgItemText(dialog, RangeControl::kTemperatureUnit, kLabels[code < 3 ? code : 0]);
}

const RangeMember& Member(int templateId) {
    return *FindRangeMember(templateId);
}

// The texts the dialog opened with and the values they show, by control.
std::map<int, std::pair<std::string, float>>& OpeningValues() {
    static std::map<int, std::pair<std::string, float>> shown;
    return shown;
}

// A field's value as the user left it: true with the value when it holds a
// number within its quantity's limits. A field the user did not edit keeps
// the value it showed (a value a change of units converted may lie past the
// ends of the new unit).
bool Acceptable(win::HWND dialog, const RangeField& field, float& value) {
    // The whole text: a number that blanks and more text follow is refused.
    const std::string text = DialogFieldText(dialog, field.control);
    const auto opened = OpeningValues().find(field.control);
    if (opened != OpeningValues().end() && opened->second.first == text) {
        value = opened->second.second;
        return true;
    }
    return ParseRangeValue(text.c_str(), value) && SlotHolds(field.slot, value);
}

// The "at pH" box: the temperature profile holds its points at the
// evaluation pH only while the what-if settings force the pH to it and the
// points are not set by a pCO2 or by the water's own pH. Otherwise the box
// shows the pH the graph names, greyed, and its text is not read.
bool Offered(const RangeField& field) {
    if (field.slot != RangeSlot::kPhEval) return true;
    const WhatIfOptions& o = whatIfOptions;
    return o.varyPco2 == 0 && o.useInputPh == 0 && o.forcePhToEvalForPressure != 0;
}

}  // namespace

void InitRangeDialog(const RangeMember& member, win::HWND dialog) {
    rangeSnapshot = GatherRangeSettings();
    OpeningValues().clear();
    if (member.unitLabel) SetUnitLabel(dialog);
    for (int i = 0; i < member.warningCount; ++i)
        if (PairWarns(member.warnings[i].pair, rangeSnapshot))
            Warn(dialog, ("Minimum and Maximum" + std::string(member.warnings[i].quantity) +
                          " cannot be the same! Please change to a valid range!")
                             .c_str());
    for (int i = 0; i < member.fieldCount; ++i) {
        const RangeField& f = member.fields[i];
        if (!Offered(f)) {
            const float held = TemperatureProfilePh(whatIfOptions, whatIfSettings,
                                                    surfaceWater.values[AnalysisElement::kPh]);
            win::SetDlgItemText(dialog, f.control, OpeningText(f.slot, held).c_str());
            win::EnableWindow(win::GetDlgItem(dialog, f.control), win::FALSE);
            continue;
        }
        const float held = SlotValue(rangeSnapshot, f.slot);
        const std::string text = OpeningText(f.slot, held);
        win::SetDlgItemText(dialog, f.control, text.c_str());
        // A default shown in place of the value held is read as typed.
        if (OpeningShowsValue(f.slot, held)) OpeningValues()[f.control] = {text, held};
    }
}

int ReadRangeDialog(const RangeMember& member, win::HWND dialog) {
    int result = 0;
    for (int i = 0; i < member.fieldCount; ++i) {
        const RangeField& f = member.fields[i];
        if (!Offered(f)) continue;
        float value = 0.0f;
        if (Acceptable(dialog, f, value)) {
            RangeSettings live = GatherRangeSettings();
            StoreSlot(live, f.slot, value);
            ScatterRangeSettings(live);
            continue;
        }
        if (win::MessageBox(dialog, SlotRefusalText(f.slot).c_str(), "WARNING",
                            win::MB_YESNO | win::MB_ICONHAND) == win::IDYES)
            return f.control;
        result = -1;
    }
    // A range whose high end lies below its low end draws no graph: the user
    // re-enters it, or both ends go back to what they were.
    for (int i = 0; i < member.fieldCount; ++i) {
        const RangeField& f = member.fields[i];
        RangeSlot low = f.slot;
        if (!LowEndOf(f.slot, low)) continue;
        RangeSettings live = GatherRangeSettings();
        if (!(SlotValue(live, f.slot) < SlotValue(live, low))) continue;
        if (win::MessageBox(dialog, OrderRefusalText(f.slot).c_str(), "WARNING",
                            win::MB_YESNO | win::MB_ICONHAND) == win::IDYES)
            return f.control;
        StoreSlot(live, low, SlotValue(rangeSnapshot, low));
        StoreSlot(live, f.slot, SlotValue(rangeSnapshot, f.slot));
        ScatterRangeSettings(live);
        result = -1;
    }
    if (member.profilePercent) {
        MixingZoneSettings& z = mixingZoneSettings;
        const MixingZoneSettings& held = rangeSnapshot.mixingZone;
        if (z.mixLowPercent == z.mixHighPercent)
            Warn(dialog, "Start and Final Cycles cannot be the same!  Please correct.");
        // The step follows the percentages it divides; percentages kept keep
        // it, but for equal ones, which have none.
        if (z.mixLowPercent != held.mixLowPercent || z.mixHighPercent != held.mixHighPercent ||
            z.mixLowPercent == z.mixHighPercent)
            z.mixStepPercent = (z.mixHighPercent - z.mixLowPercent) / 6.0f;
    }
    MarkRangeStale(member.stale, rangeSnapshot, GatherRangeSettings(), whatIfOptions.varyPco2 != 0,
                   resultStatus);
    return result;
}

win::INT_PTR RangeDialogProc(const RangeMember& member, win::HWND dialog, win::UINT msg,
                             win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            // With no graph window in the slot there is no picture to show.
            if (!win::IsWindow(mainWindowState.graphWindow))
                DeleteGraphSnapshot();
            else if (member.threeD)
                (void)RenderGraphToBitmap(mainWindowState.graphWindow);
            else
                RenderTwoDGraphBitmap(mainWindowState.graphWindow);
            InitRangeDialog(member, dialog);
            return win::TRUE;
        case win::WM_COMMAND:
            if (wParam == RangeControl::kOk) {
                const int result = ReadRangeDialog(member, dialog);
                if (result > 0)
                    win::SetFocus(win::GetDlgItem(dialog, result));
                else
                    win::EndDialog(dialog, 1);
                return win::TRUE;
            }
            if (wParam == RangeControl::kCancel) {
                // What an OK stored before its user chose to re-enter goes back too.
                ScatterRangeSettings(rangeSnapshot);
                win::EndDialog(dialog, 1);
                return win::TRUE;
            }
            return win::FALSE;
        case win::WM_PAINT: {
            win::PAINTSTRUCT ps;
            (void)win::BeginPaint(dialog, &ps);
            (void)PaintGraphPreview(dialog);
            win::EndPaint(dialog, &ps);
            return win::FALSE;
        }
        case win::WM_DESTROY:
            // The picture is kept for every repaint while the dialog is open.
            DeleteGraphSnapshot();
            return win::FALSE;
        default:
            return win::FALSE;
    }
}

int OpenRangeDialog(const RangeMember& member, win::HWND graphWindow) {
    (void)win::DialogBoxParam(mainWindowState.instance, member.templateId, graphWindow,
                              member.procedure, 0);
    return 1;
}

// Each member's four entry points over the one body.
#define RANGE_MEMBER(Name, templateId)                                                          \
    win::INT_PTR Range##Name##DlgProc(win::HWND d, win::UINT m, win::WPARAM w, win::LPARAM l) { \
        return RangeDialogProc(Member(templateId), d, m, w, l);                                 \
    }                                                                                           \
    int ChangeRange##Name(win::HWND graphWindow) {                                              \
        return OpenRangeDialog(Member(templateId), graphWindow);                                \
    }                                                                                           \
    void InitRange##Name(win::HWND dialog) {                                                    \
        InitRangeDialog(Member(templateId), dialog);                                            \
    }                                                                                           \
    int ReadRange##Name(win::HWND dialog) {                                                     \
        return ReadRangeDialog(Member(templateId), dialog);                                     \
    }

RANGE_MEMBER(TempPH, D::kTempPh)
RANGE_MEMBER(TempPCO2, D::kTempPco2)
RANGE_MEMBER(TempPHPct, D::kTempPhPercent)
RANGE_MEMBER(TempPCO2Pct, D::kTempPco2Percent)
RANGE_MEMBER(TempPct, D::kTempPercent)
RANGE_MEMBER(PHPct, D::kPhPercent)
RANGE_MEMBER(PCO2Pct, D::kPco2Percent)
RANGE_MEMBER(TempPress, D::kTempPress)
RANGE_MEMBER(PHAtTemp, D::kPhAtTemp)
RANGE_MEMBER(TempAtPH, D::kTempAtPh)
RANGE_MEMBER(Percent, D::kPercent)
RANGE_MEMBER(PressAtTemp, D::kPressAtTemp)

#undef RANGE_MEMBER
