// Templates 88 and 89: "Select Mixing Zone Specifications", one layout at two
// font sizes (89 fits 640 x 480, 88 1200 x 900).
//
// Layout: on the left the injection-water percentages and the ranges of the 3D
// graphs with their unit texts; in the middle the acids, alkalies and pH
// target; on the right the prediction method, OK and Cancel.
#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"
#include "resources/dialogs/ph_control_groups.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

constexpr int kNoId = TemplateBuilder::kNoId;

namespace M = MixZoneControl;

constexpr short kMargin = 6;
constexpr short kRow = 13;
constexpr short kLeftWidth = 176;
constexpr short kMiddleWidth = 128;
constexpr short kRightWidth = 100;

using Builder = TemplateBuilder;

short AddPercentages(Builder& b, short x, short y) {
    const short height = 3 * kRow + 14;
    b.GroupBox("Injection Water Percent", x, y, kLeftWidth, height);
    const std::pair<int, const char*> rows[] = {{M::kLowPercent, "Low Percent"},
                                                {M::kHighPercent, "High Percent"},
                                                {M::kTypicalPercent, "Typical Percent"}};
    short row = static_cast<short>(y + 10);
    for (const auto& [id, text] : rows) {
        b.Label(text, static_cast<short>(x + 5), row, 70);
        b.Edit(id, static_cast<short>(x + 80), row, 50);
        row = static_cast<short>(row + kRow);
    }
    return static_cast<short>(y + height + 3);
}

short AddRanges(Builder& b, short x, short y) {
    const short height = 5 * kRow + 14;
    b.GroupBox("3D Graph Ranges", x, y, kLeftWidth, height);
    const auto top = static_cast<short>(y + 10);
    const auto c1 = static_cast<short>(x + 50);
    constexpr short kField = 44;
    b.Label("Low", c1, top, kField);
    b.Label("High", static_cast<short>(c1 + kField + 4), top, kField);
    struct Row {
        const char* name;
        int low, high, unit;
    };
    const Row rows[] = {
        {"pH", M::kPhLow, M::kPhHigh, kNoId},
        {"Temperature", M::kTemperatureLow, M::kTemperatureHigh, M::kTemperatureUnit},
        {"Pressure", M::kPressureLow, M::kPressureHigh, M::kPressureUnit},
        {"pCO2", M::kPco2Low, M::kPco2High, M::kPco2Unit},
    };
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<short>(top + (i + 1) * kRow);
        b.Label(rows[i].name, static_cast<short>(x + 5), row, 44);
        b.Edit(rows[i].low, c1, row, kField);
        b.Edit(rows[i].high, static_cast<short>(c1 + kField + 4), row, kField);
        if (rows[i].unit != kNoId)
            b.Label("", static_cast<short>(c1 + 2 * (kField + 4)), row, 28, rows[i].unit);
    }
    return static_cast<short>(y + height + 3);
}

win::DialogTemplate MakeMixZoneDialog(int pointSize) {
    win::DialogTemplate t =
        ModalDialog("Select Mixing Zone Specifications", "MS Sans Serif", pointSize);
    Builder b(t);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kLeftWidth + 6;
    constexpr short x3 = x2 + kMiddleWidth + 6;

    short y1 = AddPercentages(b, x1, kMargin);
    y1 = AddRanges(b, x1, y1);

    const short y2 = AddAcidsAndAlkalies(b, M::kPhControls, x2, kMargin, kMiddleWidth);

    short y3 = AddPhPrediction(b, M::kPhControls, x3, kMargin, kRightWidth);
    b.Add("BUTTON", M::kOk, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, x3, y3, kRightWidth, 14);
    y3 = static_cast<short>(y3 + 18);
    b.Add("BUTTON", M::kCancel, "Cancel", win::WS_TABSTOP, x3, y3, kRightWidth, 14);
    y3 = static_cast<short>(y3 + 14);

    FitToColumns(t, x3 + kRightWidth, {y1, y2, y3}, kMargin);
    return t;
}

}  // namespace

void RegisterMixZoneDialogTemplates() {
    win::RegisterDialogTemplate(DialogId::kMixZone640, MakeMixZoneDialog(7));
    win::RegisterDialogTemplate(DialogId::kMixZone1200, MakeMixZoneDialog(10));
}
