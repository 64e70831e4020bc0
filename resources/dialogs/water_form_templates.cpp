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
#include "resources/dialog_ids.h"
#include "resources/analysis_value_rows.h"
#include "resources/program_resources.h"

namespace {

using win::DialogItemTemplate;
namespace C = WaterFormControl;
namespace U = WaterFormCaption;

constexpr win::DWORD kEdit = win::WS_BORDER | win::WS_TABSTOP | win::ES_AUTOHSCROLL;
constexpr win::DWORD kButton = win::WS_TABSTOP;
constexpr int kNoId = -1;

// Column geometry of the value rows.
constexpr short kMargin = 6;
constexpr short kLabelWidth = 58;
constexpr short kEditWidth = 40;
constexpr short kUnitWidth = 52;
constexpr short kColumnWidth = kLabelWidth + kEditWidth + kUnitWidth + 4;
constexpr short kColumnGap = 4;
constexpr short kRowPitch = 13;
constexpr short kEditHeight = 11;
constexpr short kGroupInset = 4;  // rows inside a group box stand in from its frame
constexpr short kFormWidth = 2 * kMargin + 3 * kColumnWidth + 2 * kColumnGap;
constexpr short kValuesTop = 106;

using analysisrows::ValueRow;

// This dialog's rows after the shared conditions of the third column.
constexpr ValueRow kColumn3Own[] = {
    {kNoId, "Res. time", C::kResidenceTime, U::kResidenceTime, "(seconds)"},
    {kNoId, "Corrosion Target", C::kCorrosionTarget, U::kCorrosionTarget, "(mpy)"},
};

class FormBuilder {
  public:
    explicit FormBuilder(win::DialogTemplate& t) : t_(t) {}

    void Label(int id, const char* text, short x, short y, short cx) {
        Add("STATIC", id, text, win::SS_LEFT, x, static_cast<short>(y + 1), cx, 8);
    }
    void Edit(int id, short x, short y, short cx) {
        Add("EDIT", id, "", kEdit, x, y, cx, kEditHeight);
    }
    void Button(int id, const char* text, short x, short y, short cx, win::DWORD style = kButton) {
        Add("BUTTON", id, text, style, x, y, cx, 14);
    }
    void Group(const char* text, short x, short y, short cx, short cy) {
        Add("BUTTON", kNoId, text, win::BS_GROUPBOX, x, y, cx, cy);
    }
    // Caption, edit and unit caption, aligned on the column's three tracks.
    void Row(const ValueRow& row, short x, short y, short unitWidth) {
        Label(row.labelId, row.label, x, y, kLabelWidth);
        Edit(row.editId, static_cast<short>(x + kLabelWidth), y, kEditWidth);
        Label(row.unitId, row.unit, static_cast<short>(x + kLabelWidth + kEditWidth + 4), y,
              unitWidth);
    }
    template <size_t N>
    short Rows(const ValueRow (&rows)[N], short x, short y, short unitWidth = kUnitWidth) {
        for (const ValueRow& r : rows) {
            Row(r, x, y, unitWidth);
            y = static_cast<short>(y + kRowPitch);
        }
        return y;
    }

  private:
    void Add(const char* cls, int id, const char* text, win::DWORD style, short x, short y,
             short cx, short cy) {
        t_.items.push_back(DialogItemTemplate{cls, id, text, style, x, y, cx, cy});
    }
    win::DialogTemplate& t_;
};

void AddHeader(FormBuilder& b) {
    b.Label(kNoId, "Sample Date", kMargin, 6, 42);
    b.Edit(C::kSampleDate, 50, 6, 48);
    b.Button(C::kSampleDateCalendar, "...", 100, 5, 14);
    b.Label(kNoId, "Time", 122, 6, 18);
    b.Edit(C::kTime, 142, 6, 28);
    b.Label(kNoId, "Report Date", 180, 6, 42);
    b.Edit(C::kReportDate, 224, 6, 48);
    b.Button(C::kReportDateCalendar, "...", 274, 5, 14);
    b.Label(kNoId, "ID#", 298, 6, 16);
    b.Edit(C::kSampleNumber, 316, 6, 40);
    b.Label(kNoId, "ID", kMargin, 20, 42);
    b.Edit(C::kSampleId, 50, 20, 306);
    // The chemistry-file buttons stand apart from the form's own at the top right.
    constexpr short kFileButtonX = 372;
    b.Button(C::kOpenChemFile, "Open Chem File", kFileButtonX, 4,
             kFormWidth - kMargin - kFileButtonX);
    b.Button(C::kSaveChemFile, "Save Chem File", kFileButtonX, 19,
             kFormWidth - kMargin - kFileButtonX);

    constexpr short kHalf = (kFormWidth - 2 * kMargin - 18) / 2;
    b.Group("Sample Description", kMargin, 34, kFormWidth - 2 * kMargin, 4 * kRowPitch + 14);
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
short AddThirdColumn(FormBuilder& b, short x) {
    short y = b.Rows(kColumn3Own, x, b.Rows(analysisrows::kConditions, x, kValuesTop));
    b.Group("Flows", x, y, kColumnWidth, 3 * kRowPitch + 12);
    y = b.Rows(analysisrows::kFlows, static_cast<short>(x + kGroupInset),
               static_cast<short>(y + 10), kUnitWidth - 2 * kGroupInset);
    y = static_cast<short>(y + 4);
    b.Group("C2 - C5 Acids", x, y, kColumnWidth, kRowPitch + 14);
    const int ids[] = {C::kC2, C::kC3, C::kC4, C::kC5};
    const char* names[] = {"C2", "C3", "C4", "C5"};
    constexpr short kPairWidth = (kColumnWidth - 8) / 4;
    for (int i = 0; i < 4; ++i) {
        const auto px = static_cast<short>(x + 4 + i * kPairWidth);
        b.Label(kNoId, names[i], px, static_cast<short>(y + 10), 10);
        b.Edit(ids[i], static_cast<short>(px + 11), static_cast<short>(y + 10),
               static_cast<short>(kPairWidth - 13));
    }
    return static_cast<short>(y + kRowPitch + 14);
}

void AddButtons(FormBuilder& b, short y) {
    struct Entry {
        int id;
        const char* text;
    };
    const Entry buttons[] = {
        {C::kOk, "OK"},
        {C::kCopy, "Copy"},
        {C::kPaste, "Paste"},
        {C::kChangeUnits, "Change Units"},
        {C::kRecalculate, "Recalculate"},
        {C::kCancel, "Cancel"},
    };
    constexpr short kCount = 6;
    constexpr short kGap = 4;
    constexpr short kWidth = (kFormWidth - 2 * kMargin - (kCount - 1) * kGap) / kCount;
    short x = kMargin;
    for (const Entry& e : buttons) {
        b.Button(e.id, e.text, x, y, kWidth,
                 e.id == C::kOk ? (win::BS_DEFPUSHBUTTON | kButton) : kButton);
        x = static_cast<short>(x + kWidth + kGap);
    }
}

win::DialogTemplate MakeWaterForm(const char* fontName, int pointSize) {
    win::DialogTemplate t;
    t.caption = "Raw Water Chemistry Input";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::DS_MODALFRAME |
              win::DS_SETFONT | win::DS_CENTER;
    t.fontName = fontName;
    t.pointSize = pointSize;
    FormBuilder b(t);
    AddHeader(b);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kColumnWidth + kColumnGap;
    constexpr short x3 = x2 + kColumnWidth + kColumnGap;
    short bottom = b.Rows(analysisrows::kCations, x1, kValuesTop);
    const short y2 = b.Rows(analysisrows::kAnions, x2, kValuesTop);
    const short y3 = AddThirdColumn(b, x3);
    bottom = std::max({bottom, y2, y3});
    b.Label(C::kTwoSulfideNote, "", kMargin, static_cast<short>(bottom + 2),
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
