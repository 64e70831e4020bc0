// Templates 80 to 83: the water analysis form "Raw Water Chemistry Input" in
// four screen sizes. All four hold the same controls with the same ids and texts
// in the same layout (in dialog units); they differ in their font, so the form
// grows with the desktop it is made for: 81 fits 640 x 480, 82 800 x 600, 80
// 1200 x 900 and 83 1440 x 1100.
//
// Layout: the sample's dates, time and identification across the top, the
// seven description lines in their group, then three columns of values, each a
// caption, an edit and the caption of its unit, and the buttons along the
// bottom.
#include <algorithm>
#include <utility>

#include "platform/dialogs/dialog.h"
#include "resources/analysis_value_rows.h"
#include "resources/dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

namespace C = WaterFormControl;
namespace U = WaterFormCaption;
namespace rows = analysisrows;

constexpr int kNoId = TemplateBuilder::kNoId;

// Column geometry of the value rows.
constexpr short kMargin = 6;
constexpr short kRowPitch = 13;
// Captions 62, edits 44 and units 52 wide; captions 1 lower than their edits and
// 8 high. The longest captions ("Hydrogen sulfide", "Polyphosphate") keep a gap
// before their edits, and a value of eight figures shows whole, in the
// smallest font as in the largest.
constexpr rows::RowShape kRowShape = {62, 44, 52, 1, 8, kRowPitch};
constexpr short kColumnWidth = kRowShape.labelWidth + kRowShape.editWidth + kRowShape.unitWidth + 4;
constexpr short kColumnGap = 4;
constexpr short kFormWidth = 2 * kMargin + 3 * kColumnWidth + 2 * kColumnGap;
constexpr short kValuesTop = 106;

// This dialog's rows after the shared conditions of the third column.
constexpr rows::ValueRow kColumn3Own[] = {
    {kNoId, "Res. time", C::kResidenceTime, U::kResidenceTime, "(seconds)"},
    {kNoId, "Corrosion Target", C::kCorrosionTarget, U::kCorrosionTarget, "(mpy)"},
};

using Builder = rows::RowBuilder;

void AddHeader(Builder& b) {
    b.Caption(kNoId, "Sample Date", kMargin, 6, 42);
    b.Edit(C::kSampleDate, 50, 6, 48);
    b.Button(C::kSampleDateCalendar, "...", 100, 5, 14);
    b.Caption(kNoId, "Time", 122, 6, 18);
    b.Edit(C::kTime, 142, 6, 28);
    b.Caption(kNoId, "Report Date", 180, 6, 42);
    b.Edit(C::kReportDate, 224, 6, 48);
    b.Button(C::kReportDateCalendar, "...", 274, 5, 14);
    b.Caption(kNoId, "ID#", 298, 6, 16);
    b.Edit(C::kSampleNumber, 316, 6, 40);
    b.Caption(kNoId, "ID", kMargin, 20, 42);
    b.Edit(C::kSampleId, 50, 20, 306);
    // The chemistry-file buttons stand apart from the form's own at the top right.
    // They do nothing, so they are greyed and out of the Tab order: Tab from the
    // ID goes on to the description.
    constexpr short kFileButtonX = 372;
    b.Button(C::kOpenChemFile, "Open Chem File", kFileButtonX, 4,
             kFormWidth - kMargin - kFileButtonX, win::WS_DISABLED);
    b.Button(C::kSaveChemFile, "Save Chem File", kFileButtonX, 19,
             kFormWidth - kMargin - kFileButtonX, win::WS_DISABLED);

    constexpr short kHalf = (kFormWidth - 2 * kMargin - 18) / 2;
    b.GroupBox("Sample Description", kMargin, 34, kFormWidth - 2 * kMargin, 4 * kRowPitch + 14);
    const int left[] = {C::kDescription0, C::kDescription1, C::kDescription2, C::kDescription3};
    const int right[] = {C::kDescription4, C::kDescription5, C::kDescription6};
    short y = 46;
    for (int id : left) {
        b.Edit(id, kMargin + 6, y, kHalf);
        y = static_cast<short>(y + kRowPitch);
    }
    y = 46;
    for (int id : right) {
        b.Edit(id, static_cast<short>(kMargin + 12 + kHalf), y, kHalf);
        y = static_cast<short>(y + kRowPitch);
    }
}

// The third column: the physical values, then the flows and the acids in their
// groups.
short AddThirdColumn(Builder& b, short x) {
    const short y = b.Rows(kColumn3Own, x, b.Rows(rows::kConditions, x, kValuesTop));
    return b.FlowsAndAcids(x, y, kColumnWidth);
}

void AddButtons(Builder& b, short y) {
    const rows::ButtonEntry buttons[] = {
        {C::kOk, "OK"},
        {C::kCopy, "Copy"},
        {C::kPaste, "Paste"},
        {C::kChangeUnits, "Change Units"},
        {C::kRecalculate, "Recalculate"},
        {C::kCancel, "Cancel"},
    };
    b.ButtonRow(buttons, kMargin, y, kFormWidth - 2 * kMargin, 4, C::kOk);
}

win::DialogTemplate MakeWaterForm(const char* fontName, int pointSize) {
    win::DialogTemplate t = ModalDialog("Raw Water Chemistry Input", fontName, pointSize);
    Builder b(t, kRowShape);
    AddHeader(b);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kColumnWidth + kColumnGap;
    constexpr short x3 = x2 + kColumnWidth + kColumnGap;
    short bottom = b.Rows(rows::kCations, x1, kValuesTop);
    const short y2 = b.Rows(rows::kAnions, x2, kValuesTop);
    const short y3 = AddThirdColumn(b, x3);
    bottom = std::max({bottom, y2, y3});
    b.Caption(C::kTwoSulfideNote, "", kMargin, static_cast<short>(bottom + 2),
              kFormWidth - 2 * kMargin);
    AddButtons(b, static_cast<short>(bottom + 14));
    t.cx = kFormWidth;
    t.cy = static_cast<short>(bottom + 34);
    return t;
}

}  // namespace

void RegisterWaterFormTemplates() {
    win::RegisterDialogTemplate(DialogId::kWaterForm640, MakeWaterForm("MS Sans Serif", 7));
    win::RegisterDialogTemplate(DialogId::kWaterForm800, MakeWaterForm("MS Sans Serif", 8));
    win::RegisterDialogTemplate(DialogId::kWaterForm1200, MakeWaterForm("MS Sans Serif", 12));
    win::RegisterDialogTemplate(DialogId::kWaterForm1440, MakeWaterForm("MS Sans Serif", 14));
}
