// Templates 115 to 117: the multi-mix water input "Multi Mix Water Chemistry
// Input". The three hold the same controls at the same places (507 x 352
// dialog units) and differ only in their font: 116 Small Fonts 7 pt for
// desktops up to 900 pixels high, 117 Helv 8 pt up to 1000, 115 Helv 10 pt
// above.
//
// Layout: the water being edited and the moves between waters across the top,
// the sample's dates, time, ID and weight below them, the description lines in
// their group, three columns of values (caption, edit, unit caption), and the
// buttons along the bottom.
#include "platform/dialogs/dialog.h"
#include "resources/analysis_value_rows.h"
#include "resources/dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

namespace C = WaterFormControl;
namespace M = MultiMixControl;
namespace rows = analysisrows;

constexpr int kNoId = TemplateBuilder::kNoId;

constexpr short kDialogWidth = 507;
constexpr short kDialogHeight = 352;
constexpr short kMargin = 6;
constexpr short kColumnGap = 4;
constexpr short kColumnWidth = (kDialogWidth - 2 * kMargin - 2 * kColumnGap) / 3;
constexpr short kRowPitch = 13;
constexpr short kButtonHeight = 14;
constexpr short kValuesTop = 126;
// Captions 64, edits 44 and units 48 wide; captions 2 lower than their edits and
// 9 high. The longest captions keep a gap before their edits.
constexpr rows::RowShape kRowShape = {64, 44, 48, 2, 9, kRowPitch};

// This dialog's rows after the shared conditions of the third column.
constexpr rows::ValueRow kColumn3Own[] = {
    {kNoId, "Induc. time", M::kResidenceTime, M::kResidenceCaption, "(seconds)"},
};

using Builder = rows::RowBuilder;

// The water shown, the number of waters and the moves between them.
void AddNavigation(Builder& b) {
    b.GroupBox("Source Water", kMargin, 2, kDialogWidth - 2 * kMargin, 22);
    b.Caption(kNoId, "Water #", 12, 9, 28);
    b.Caption(M::kWaterNumber, "1", 40, 9, 14, win::SS_RIGHT);
    b.Caption(kNoId, "of", 58, 9, 10);
    b.Caption(M::kWaterCount, "1", 68, 9, 14, win::SS_LEFT);
    b.Button(M::kNextOrAdd, "ADD NEW", 96, 8, 56);
    b.Button(M::kPrevious, "PREVIOUS", 156, 8, 56);
    b.Button(M::kGoTo, "GO TO #", 224, 8, 44);
    b.Edit(M::kGoToNumber, 272, 9, 22);
    b.Button(M::kActivate, "Activate", 392, 8, 50);
    b.Button(M::kDeactivate, "Deactivate", 446, 8, 50);
}

// Dates, time, ID number and weight; the ID line; the description lines.
void AddIdentification(Builder& b) {
    constexpr short y = 30;
    b.Caption(kNoId, "Sample Date", kMargin, y, 42);
    b.Edit(C::kSampleDate, 50, y, 48);
    b.Button(C::kSampleDateCalendar, "...", 100, y - 1, 14);
    b.Caption(kNoId, "Time", 122, y, 18);
    b.Edit(C::kTime, 142, y, 28);
    b.Caption(kNoId, "Report Date", 178, y, 42);
    b.Edit(C::kReportDate, 222, y, 48);
    b.Button(C::kReportDateCalendar, "...", 272, y - 1, 14);
    b.Caption(kNoId, "ID#", 296, y, 14);
    b.Edit(C::kSampleNumber, 312, y, 40);
    b.Caption(kNoId, "Weight %", 372, y, 34);
    b.Edit(M::kWeight, 408, y, 44);
    b.Caption(kNoId, "ID", kMargin, y + 14, 42);
    b.Edit(C::kSampleId, 50, y + 14, 302);

    constexpr short kGroupTop = y + 28;
    constexpr short kHalf = (kDialogWidth - 2 * kMargin - 18) / 2;
    b.GroupBox("Sample Description", kMargin, kGroupTop, kDialogWidth - 2 * kMargin,
               4 * kRowPitch + 12);
    const int left[] = {C::kDescription0, C::kDescription1, C::kDescription2, C::kDescription3};
    short row = kGroupTop + 10;
    for (int id : left) {
        b.Edit(id, kMargin + 6, row, kHalf);
        row = static_cast<short>(row + kRowPitch);
    }
    constexpr short kRight = kMargin + 12 + kHalf;
    b.Caption(kNoId, "Comments", kRight, kGroupTop + 10, 36);
    b.Edit(C::kDescription4, kRight + 38, kGroupTop + 10, kHalf - 38);
    b.Edit(C::kDescription5, kRight, kGroupTop + 10 + kRowPitch, kHalf, win::WS_DISABLED);
    b.Edit(C::kDescription6, kRight, kGroupTop + 10 + 2 * kRowPitch, kHalf, win::WS_DISABLED);
}

// The physical values, then the flows and the acids in their groups.
void AddThirdColumn(Builder& b, short x) {
    const short y = b.Rows(kColumn3Own, x, b.Rows(rows::kConditions, x, kValuesTop));
    (void)b.FlowsAndAcids(x, static_cast<short>(y + 2), kColumnWidth);
}

void AddButtons(Builder& b, short y) {
    const rows::ButtonEntry buttons[] = {
        {M::kOk, "OK"},
        {M::kMix, "MIX"},
        {M::kChangeUnits, "Change Units"},
        {M::kRecalculate, "Recalculate"},
        {M::kDisplayResult, "Display Result"},
        {M::kPrintResult, "Print Result"},
        {C::kCopy, "Copy"},
        {C::kPaste, "Paste"},
        {M::kCancel, "Cancel"},
    };
    b.ButtonRow(buttons, kMargin, y, kDialogWidth - 2 * kMargin, 3, M::kOk);
}

win::DialogTemplate MakeMultiMixDialog(const char* fontName, int pointSize) {
    win::DialogTemplate t = ModalDialog("Multi Mix Water Chemistry Input", fontName, pointSize);
    t.cx = kDialogWidth;
    t.cy = kDialogHeight;
    Builder b(t, kRowShape);
    AddNavigation(b);
    AddIdentification(b);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kColumnWidth + kColumnGap;
    constexpr short x3 = x2 + kColumnWidth + kColumnGap;
    const short bottom = b.Rows(rows::kCations, x1, kValuesTop);  // the longest column
    (void)b.Rows(rows::kAnions, x2, kValuesTop);
    AddThirdColumn(b, x3);
    b.Caption(C::kTwoSulfideNote, "", kMargin, static_cast<short>(bottom + 4),
              kDialogWidth - 2 * kMargin);
    AddButtons(b, kDialogHeight - kButtonHeight - 8);
    return t;
}

}  // namespace

void RegisterMultiMixDialogTemplates() {
    win::RegisterDialogTemplate(DialogId::kMultiMixLarge, MakeMultiMixDialog("Helv", 10));
    win::RegisterDialogTemplate(DialogId::kMultiMixSmall, MakeMultiMixDialog("Small Fonts", 7));
    win::RegisterDialogTemplate(DialogId::kMultiMixMedium, MakeMultiMixDialog("Helv", 8));
}
