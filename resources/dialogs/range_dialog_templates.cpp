// The twelve "Change Range" templates, 226 x 198 dialog units in the dialog
// font. The reduced picture of the graph fills the upper part; the edit boxes
// (13 high) sit along its lower edge at the ends of the picture's axes, each
// with its label centred under it.
//
// The 3D templates have two axes: the first variable's high end in the outer
// left box, its low end in the inner left box, the second variable's low end
// in the inner right box and its high end in the outer right box. The 2D
// templates have the low end at the left edge, the high end at the right edge
// and the fixed ("at") value at the upper right.
#include <cstring>
#include <vector>

#include "platform/dialogs/dialog.h"
#include "resources/program_resources.h"
#include "resources/range_dialog_ids.h"
#include "resources/template_builder.h"

namespace {

namespace C = RangeControl;
namespace D = RangeDialogId;

constexpr short kWidth = 226;
constexpr short kHeight = 198;
constexpr short kBoxHeight = 13;
constexpr short kLabelLine = 8;
constexpr short kLabelMaxWidth = 44;  // a longer label takes two lines

struct Box {
    int id;
    short x, y, cx;
    const char* below;            // the label under the box
    const char* above = nullptr;  // a label over it
    int belowId = -1;             // the id of the label under it
};

struct Layout {
    int id;
    std::vector<Box> boxes;
    short okX, okY, cancelX, cancelY;
};

// A label centred on the box's middle, kept inside the dialog.
void AddLabel(win::DialogTemplate& t, int id, const char* text, const Box& b, short y) {
    const auto chars = static_cast<short>(std::strlen(text));
    short cx = static_cast<short>(4 * chars + 2);
    short cy = kLabelLine;
    if (cx > kLabelMaxWidth) {
        cx = kLabelMaxWidth;
        cy = 2 * kLabelLine;
    }
    auto x = static_cast<short>(b.x + b.cx / 2 - cx / 2);
    if (x < 1) x = 1;
    if (x + cx > kWidth - 1) x = static_cast<short>(kWidth - 1 - cx);
    t.items.push_back(win::DialogItemTemplate{"STATIC", id, text, win::SS_CENTER, x, y, cx, cy, 0});
}

win::DialogTemplate MakeRangeDialog(const Layout& layout) {
    win::DialogTemplate t = ModalDialog("Change Range", "MS Sans Serif", 8);
    t.cx = kWidth;
    t.cy = kHeight;
    for (const Box& b : layout.boxes) {
        if (b.above != nullptr)
            AddLabel(t, -1, b.above, b, static_cast<short>(b.y - 1 - kLabelLine));
        t.items.push_back(win::DialogItemTemplate{
            "EDIT", b.id, "", win::WS_BORDER | win::WS_TABSTOP | win::ES_AUTOHSCROLL, b.x, b.y,
            b.cx, kBoxHeight, 0});
        if (b.below[0] != '\0')
            AddLabel(t, b.belowId, b.below, b, static_cast<short>(b.y + kBoxHeight + 1));
    }
    t.items.push_back(win::DialogItemTemplate{"BUTTON", C::kOk, "OK",
                                              win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, layout.okX,
                                              layout.okY, 50, 14, 0});
    t.items.push_back(win::DialogItemTemplate{"BUTTON", C::kCancel, "Cancel",
                                              win::BS_PUSHBUTTON | win::WS_TABSTOP, layout.cancelX,
                                              layout.cancelY, 50, 14, 0});
    return t;
}

// The four boxes of a two-axis template: the first variable's high and low
// ends, the second variable's low and high ends.
std::vector<Box> TwoAxes(Box firstHigh, Box firstLow, Box secondLow, Box secondHigh) {
    return {firstHigh, firstLow, secondLow, secondHigh};
}

constexpr short kWide = 34;    // the boxes of the 3D templates
constexpr short kNarrow = 22;  // the end boxes of the 2D templates
constexpr short kAtWide = 19;  // the "at" boxes

const Box kHighTemp{C::kTemperatureHigh, 8, 146, kWide, "high temp."};
const Box kLowTemp{C::kTemperatureLow, 69, 170, kWide, "low temp."};
const Box kAtPercent{C::kAtPercent, 189, 74, kAtWide, "%", "at"};

std::vector<Box> With(std::vector<Box> boxes, const Box& extra) {
    boxes.push_back(extra);
    return boxes;
}

std::vector<Layout> Layouts() {
    const std::vector<Box> tempPh =
        TwoAxes(kHighTemp, kLowTemp, Box{C::kLow, 112, 170, kWide, "low pH"},
                Box{C::kHigh, 170, 146, kWide, "high pH"});
    const std::vector<Box> tempPco2 =
        TwoAxes(kHighTemp, kLowTemp, Box{C::kLow, 112, 170, kWide, "low pCO2"},
                Box{C::kHigh, 170, 146, kWide, "high pCO2"});
    const Box percentHigh{C::kGridPercentHigh, 7, 145, kWide, "high percent (%)"};
    const Box percentLow{C::kGridPercentLow, 67, 164, kWide, "low percent (%)"};
    return {
        {D::kTempPh, tempPh, 4, 178, 155, 178},
        {D::kTempPco2, tempPco2, 4, 178, 155, 178},
        {D::kTempPhPercent, With(tempPh, kAtPercent), 4, 178, 155, 178},
        {D::kTempPco2Percent, With(tempPco2, kAtPercent), 4, 178, 155, 178},
        {D::kTempPercent,
         TwoAxes(kHighTemp, Box{C::kTemperatureLow, 69, 165, kWide, "low temp."},
                 Box{C::kGridPercentLow, 112, 165, kWide, "low percent (%)"},
                 Box{C::kGridPercentHigh, 170, 146, kWide, "high percent (%)"}),
         4, 178, 155, 178},
        {D::kPhPercent,
         TwoAxes(percentHigh, percentLow, Box{C::kLow, 112, 164, kWide, "low pH"},
                 Box{C::kHigh, 170, 145, kWide, "high pH"}),
         4, 179, 156, 179},
        {D::kPco2Percent,
         TwoAxes(percentHigh, percentLow, Box{C::kLow, 112, 164, kWide, "low pCO2"},
                 Box{C::kHigh, 170, 145, kWide, "high pCO2"}),
         4, 179, 156, 179},
        {D::kTempPress,
         TwoAxes(kHighTemp, kLowTemp, Box{C::kPressureLow, 112, 170, kWide, "low P"},
                 Box{C::kPressureHigh, 170, 146, kWide, "high P"}),
         4, 178, 155, 178},
        {D::kPhAtTemp,
         {Box{C::kLow, 4, 154, kNarrow, "low pH"}, Box{C::kHigh, 192, 154, kNarrow, "high pH"},
          Box{C::kAtTemperature, 200, 63, kAtWide, "Deg F", "at", C::kTemperatureUnit}},
         49,
         162,
         116,
         162},
        {D::kTempAtPh,
         {Box{C::kTemperatureLow, 4, 151, kNarrow, "low temp."},
          Box{C::kTemperatureHigh, 192, 151, kNarrow, "high temp."},
          Box{C::kAtPh, 201, 66, kAtWide, "", "at pH"}},  // no label under it
         49,
         159,
         116,
         159},
        {D::kPercent,
         {Box{C::kProfilePercentLow, 7, 151, kNarrow, "low percent (%)"},
          Box{C::kProfilePercentHigh, 187, 151, kNarrow, "high percent (%)"}},
         52,
         166,
         117,
         166},
        {D::kPressAtTemp,
         {Box{C::kPressureLow, 4, 154, 44, "low P"}, Box{C::kPressureHigh, 170, 154, 44, "high P"},
          Box{C::kAtTemperature, 200, 63, kAtWide, "Deg F", "at", C::kTemperatureUnit}},
         49,
         162,
         116,
         162},
    };
}

}  // namespace

void RegisterRangeDialogTemplates() {
    for (const Layout& layout : Layouts())
        win::RegisterDialogTemplate(layout.id, MakeRangeDialog(layout));
}
