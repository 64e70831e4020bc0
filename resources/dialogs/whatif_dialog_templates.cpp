// Templates 84 and 85: " Single Water 'What-if' Scenarios", one layout at two
// font sizes (85 fits 640 x 480, 84 1200 x 900).
//
// Layout: on the left the well log and the ranges with their unit labels and
// the check boxes; in the middle the well-log source, the acids and alkalies
// and the pH target; on the right the prediction method, the four one-page
// graphs with their buttons, Make Default, OK and Cancel.
#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"
#include "resources/dialogs/ph_control_groups.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

namespace W = WhatIfControl;

constexpr win::DWORD kCheck = win::BS_CHECKBOX | win::WS_TABSTOP;
constexpr short kMargin = 6;
constexpr short kRow = 13;
// Wide enough at the small font for the longest caption of each column
// ("Use Saturated Steam Line For P,T"), a pCO2 of eight decimals and the
// graphs' mineral names with their formulas.
constexpr short kLeftWidth = 206;
constexpr short kMiddleWidth = 142;
constexpr short kRightWidth = 180;

using Builder = TemplateBuilder;

// The well log: three temperatures, three pressures and the depth.
short AddWellLog(Builder& b, short x, short y) {
    const short height = 5 * kRow + 16;
    b.GroupBox("Well Log", x, y, kLeftWidth, height);
    const auto top = static_cast<short>(y + 10);
    const auto right = static_cast<short>(x + kLeftWidth / 2 + 2);
    b.Label("Temperatures", static_cast<short>(x + 5), top, 56);
    b.Label("", static_cast<short>(x + 62), top, 30, W::kTemperatureUnit);
    b.Label("Pressures", right, top, 45);
    b.Label("", static_cast<short>(right + 47), top, 40, W::kPressureUnit);
    const char* names[] = {"Bottom hole", "Separator", "Flashed"};
    const int temperatures[] = {W::kBottomHoleTemperature, W::kSeparatorTemperature,
                                W::kFlashedTemperature};
    const int pressures[] = {W::kBottomHolePressure, W::kSeparatorPressure, W::kFlashedPressure};
    for (int i = 0; i < 3; ++i) {
        const auto row = static_cast<short>(top + (i + 1) * kRow);
        b.Label(names[i], static_cast<short>(x + 5), row, 44);
        b.Edit(temperatures[i], static_cast<short>(x + 50), row, 42);
        b.Label(names[i], right, row, 44);
        b.Edit(pressures[i], static_cast<short>(right + 45), row, 42);
    }
    const auto row = static_cast<short>(top + 4 * kRow);
    b.Label("Depth", static_cast<short>(x + 5), row, 44);
    b.Edit(W::kDepth, static_cast<short>(x + 50), row, 42);
    return static_cast<short>(y + height + 3);
}

// The ranges: low, high and evaluation of each profile variable.
short AddRanges(Builder& b, short x, short y) {
    const short height = 5 * kRow + 14;
    b.GroupBox("Ranges", x, y, kLeftWidth, height);
    const auto top = static_cast<short>(y + 10);
    constexpr short kField = 46;
    const auto c1 = static_cast<short>(x + 58);
    b.Label("Low", c1, top, kField);
    b.Label("High", static_cast<short>(c1 + kField + 4), top, kField);
    b.Label("Evaluation", static_cast<short>(c1 + 2 * (kField + 4)), top, kField);
    struct Row {
        const char* name;
        int low, high, eval;
    };
    const Row rows[] = {
        {"Temperature", W::kTemperatureLow, W::kTemperatureHigh, W::kTemperatureEval},
        {"pH", W::kPhLow, W::kPhHigh, W::kPhEval},
        {"Pressure", W::kPressureLow, W::kPressureHigh, W::kPressureEval},
        {"pCO2", W::kPco2Low, W::kPco2High, W::kPco2Eval},
    };
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<short>(top + (i + 1) * kRow);
        b.Label(rows[i].name, static_cast<short>(x + 5), row, 52);
        b.Edit(rows[i].low, c1, row, kField);
        b.Edit(rows[i].high, static_cast<short>(c1 + kField + 4), row, kField);
        b.Edit(rows[i].eval, static_cast<short>(c1 + 2 * (kField + 4)), row, kField);
    }
    return static_cast<short>(y + height + 3);
}

short AddChecks(Builder& b, short x, short y) {
    const std::pair<int, const char*> boxes[] = {
        {W::kForcePhForPressure, "Force pH to Evaluation pH for Pressure Profiles"},
        {W::kUseInputPh, "Use input pH for Evaluations."},
        {W::kUseInputTemperature, "Use input Temperature for Evaluations."},
        {W::kCorrectPhForTemperature, "Correct pH for Temperature"},
    };
    for (const auto& [id, text] : boxes) {
        b.Add("BUTTON", id, text, kCheck, x, y, kLeftWidth, 10);
        y = static_cast<short>(y + 12);
    }
    return y;
}

short AddGraphs(Builder& b, short x, short y) {
    const short height = 4 * kRow + 14;
    b.GroupBox("One Page Summary Graphs", x, y, kRightWidth, height);
    const int edits[] = {W::kGraph1, W::kGraph2, W::kGraph3, W::kGraph4};
    const int buttons[] = {W::kGraph1Button, W::kGraph2Button, W::kGraph3Button, W::kGraph4Button};
    const char* names[] = {"Graph 1", "Graph 2", "Graph 3", "Graph 4"};
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<short>(y + 10 + i * kRow);
        b.Add("BUTTON", buttons[i], names[i], win::WS_TABSTOP, static_cast<short>(x + 5), row, 32,
              12);
        // As high as its button: a name's brackets stand clear of the frame.
        b.Edit(edits[i], static_cast<short>(x + 40), row, kRightWidth - 45, win::ES_READONLY, 12);
    }
    return static_cast<short>(y + height + 3);
}

win::DialogTemplate MakeWhatIfDialog(int pointSize) {
    win::DialogTemplate t =
        ModalDialog(" Single Water 'What-if' Scenarios", "MS Sans Serif", pointSize);
    Builder b(t);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kLeftWidth + 6;
    constexpr short x3 = x2 + kMiddleWidth + 6;

    short y1 = AddWellLog(b, x1, kMargin);
    y1 = AddRanges(b, x1, y1);
    y1 = AddChecks(b, x1, y1);

    short y2 = b.Radios("Well Log P,T",
                        {{W::kWellLogPt, "Use Well Log P,T"},
                         {W::kSaturatedSteamLine, "Use Saturated Steam Line For P,T"},
                         {W::kTypicalP, "Use Typical P"}},
                        x2, kMargin, kMiddleWidth);
    y2 = AddAcidsAndAlkalies(b, W::kPhControls, x2, y2, kMiddleWidth);

    short y3 = AddPhPrediction(b, W::kPhControls, x3, kMargin, kRightWidth);
    y3 = AddGraphs(b, x3, y3);
    b.Add("BUTTON", W::kMakeDefault, "Make Default", kCheck, x3, y3, kRightWidth, 10);
    y3 = static_cast<short>(y3 + 14);
    constexpr short kButtonWidth = (kRightWidth - 6) / 2;
    b.Add("BUTTON", W::kOk, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, x3, y3, kButtonWidth,
          14);
    b.Add("BUTTON", W::kCancel, "Cancel", win::WS_TABSTOP,
          static_cast<short>(x3 + kButtonWidth + 6), y3, kButtonWidth, 14);
    y3 = static_cast<short>(y3 + 14);

    FitToColumns(t, x3 + kRightWidth, {y1, y2, y3}, kMargin);
    return t;
}

}  // namespace

void RegisterWhatIfDialogTemplates() {
    win::RegisterDialogTemplate(DialogId::kWhatIf640, MakeWhatIfDialog(7));
    win::RegisterDialogTemplate(DialogId::kWhatIf1200, MakeWhatIfDialog(10));
}
