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
#include "resources/dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

namespace C = WaterFormControl;
namespace U = WaterFormCaption;
namespace M = MultiMixControl;

constexpr win::DWORD kButton = win::WS_TABSTOP;
constexpr int kNoId = TemplateBuilder::kNoId;

constexpr short kDialogWidth = 507;
constexpr short kDialogHeight = 352;
constexpr short kMargin = 6;
constexpr short kLabelWidth = 60;
constexpr short kEditWidth = 44;
constexpr short kUnitWidth = 52;
constexpr short kColumnGap = 4;
constexpr short kColumnWidth = (kDialogWidth - 2 * kMargin - 2 * kColumnGap) / 3;
constexpr short kRowPitch = 13;
constexpr short kButtonHeight = 14;
constexpr short kValuesTop = 126;

struct ValueRow {
    int labelId;  // kNoId for a fixed caption
    const char* label;
    int editId;
    int unitId;  // kNoId for a fixed unit text
    const char* unit;
};

// The unit captions start with the text of unit code 0; the dialog writes the
// user's units over them.
constexpr ValueRow kColumn1[] = {
    {kNoId, "Calcium", C::kCalcium, U::kCalcium, "(as Ca)"},
    {kNoId, "Magnesium", C::kMagnesium, U::kMagnesium, "(as Mg)"},
    {kNoId, "Barium", C::kBarium, U::kBarium, "(as Ba)"},
    {kNoId, "Strontium", C::kStrontium, U::kStrontium, "(as Sr)"},
    {kNoId, "Sodium", C::kSodium, U::kSodium, "(as Na)"},
    {kNoId, "Potassium", C::kPotassium, U::kPotassium, "(as K)"},
    {kNoId, "Lithium", C::kLithium, U::kLithium, "(as Li)"},
    {kNoId, "Iron", C::kIron, U::kIron, "(as Fe)"},
    {kNoId, "Manganese", C::kManganese, U::kManganese, "(as Mn)"},
    {kNoId, "Zinc", C::kZinc, U::kZinc, "(as Zn)"},
    {kNoId, "Lead", C::kLead, U::kLead, "(as Pb)"},
    {kNoId, "Aluminum", C::kAluminum, U::kAluminum, "(as Al)"},
    {kNoId, "Ammonia", C::kAmmonia, U::kAmmonia, "(as NH3)"},
    {kNoId, "Boron", C::kBoron, U::kBoron, "(as B)"},
};
constexpr ValueRow kColumn2[] = {
    {kNoId, "Chloride", C::kChloride, U::kChloride, "(as Cl)"},
    {kNoId, "Sulfate", C::kSulfate, U::kSulfate, "(as SO4)"},
    {kNoId, "Bromine", C::kBromine, U::kBromine, "(as Br)"},
    {kNoId, "Fluoride", C::kFluoride, U::kFluoride, "(as F)"},
    {kNoId, "Nitrate", C::kNitrate, U::kNitrate, "(as NO3)"},
    {C::kAcidityLabel, "Acidity", C::kAcidity, U::kAcidity, "(as CaCO3)"},
    {C::kMAlkalinityLabel, "M Alkalinity", C::kMAlkalinity, U::kMAlkalinity, "(as CaCO3)"},
    {C::kPAlkalinityLabel, "P Alkalinity", C::kPAlkalinity, U::kPAlkalinity, "(as CaCO3)"},
    {kNoId, "Hydrogen sulfide", C::kH2S, U::kH2S, "(as H2S)"},
    {kNoId, "Silica", C::kSilica, U::kSilica, "(as SiO2)"},
    {kNoId, "Phosphate", C::kPhosphate, U::kPhosphate, "(as PO4)"},
    {kNoId, "Polyphosphate", C::kPolyphosphate, U::kPolyphosphate, "(as PO4)"},
    {kNoId, "Oxalate", C::kOxalate, U::kOxalate, "(as C2O4)"},
};
constexpr ValueRow kColumn3[] = {
    {kNoId, "pH", C::kPh, kNoId, "(pH Units)"},
    {kNoId, "Temperature", C::kTemperature, U::kTemperature,
     "(as \xB0"
     "F)"},
    {kNoId, "Pressure", C::kPressure, U::kPressure, "(Atm.)"},
    {kNoId, "Density", C::kDensity, U::kDensity, "(g/mL)"},
    {kNoId, "pCO2", C::kPco2, U::kPco2, "(Atm.)"},
    {kNoId, "pH2S", C::kPh2s, U::kPh2s, "(Atm.)"},
    {kNoId, "Induc. time", M::kResidenceTime, M::kResidenceCaption, "(seconds)"},
};
constexpr ValueRow kFlows[] = {
    {kNoId, "Brine Flow", C::kBrineFlow, U::kBrineFlow, "(BPD)"},
    {kNoId, "Oil Flow", C::kOilFlow, U::kOilFlow, "(BPD)"},
    {kNoId, "Gas Flow", C::kGasFlow, U::kGasFlow, "(MMCF/D)"},
};

// The shared shapes, with this dialog's buttons, captions and value rows.
class Builder : public TemplateBuilder {
  public:
    using TemplateBuilder::TemplateBuilder;

    void Caption(int id, const char* text, short x, short y, short cx,
                 win::DWORD style = win::SS_LEFT) {
        Add("STATIC", id, text, style, x, static_cast<short>(y + 2), cx, 9);
    }
    void Button(int id, const char* text, short x, short y, short cx, win::DWORD style = kButton) {
        Add("BUTTON", id, text, style, x, y, cx, kButtonHeight);
    }
    template <size_t N>
    short Rows(const ValueRow (&rows)[N], short x, short y, short unitWidth = kUnitWidth) {
        for (const ValueRow& r : rows) {
            Caption(r.labelId, r.label, x, y, kLabelWidth);
            Edit(r.editId, static_cast<short>(x + kLabelWidth), y, kEditWidth);
            Caption(r.unitId, r.unit, static_cast<short>(x + kLabelWidth + kEditWidth + 4), y,
                    unitWidth);
            y = static_cast<short>(y + kRowPitch);
        }
        return y;
    }
};

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
    // Neither filled nor read by this dialog: disabled, so nothing typed there is lost.
    b.Edit(C::kSampleId, 50, y + 14, 302, win::WS_DISABLED);

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
    short y = b.Rows(kColumn3, x, kValuesTop);
    y = static_cast<short>(y + 2);
    b.GroupBox("Flows", x, y, kColumnWidth, 3 * kRowPitch + 12);
    y = b.Rows(kFlows, static_cast<short>(x + 4), static_cast<short>(y + 10), kUnitWidth - 8);
    y = static_cast<short>(y + 4);
    b.GroupBox("C2 - C5 Acids", x, y, kColumnWidth, kRowPitch + 14);
    const int ids[] = {C::kC2, C::kC3, C::kC4, C::kC5};
    const char* names[] = {"C2", "C3", "C4", "C5"};
    constexpr short kPairWidth = (kColumnWidth - 8) / 4;
    for (int i = 0; i < 4; ++i) {
        const auto px = static_cast<short>(x + 4 + i * kPairWidth);
        b.Caption(kNoId, names[i], px, static_cast<short>(y + 10), 10);
        b.Edit(ids[i], static_cast<short>(px + 11), static_cast<short>(y + 10),
               static_cast<short>(kPairWidth - 13));
    }
}

void AddButtons(Builder& b, short y) {
    struct Entry {
        int id;
        const char* text;
    };
    const Entry buttons[] = {
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
    constexpr short kCount = 9;
    constexpr short kGap = 3;
    constexpr short kWidth = (kDialogWidth - 2 * kMargin - (kCount - 1) * kGap) / kCount;
    short x = kMargin;
    for (const Entry& e : buttons) {
        b.Button(e.id, e.text, x, y, kWidth,
                 e.id == M::kOk ? (win::BS_DEFPUSHBUTTON | kButton) : kButton);
        x = static_cast<short>(x + kWidth + kGap);
    }
}

win::DialogTemplate MakeMultiMixDialog(const char* fontName, int pointSize) {
    win::DialogTemplate t;
    t.caption = "Multi Mix Water Chemistry Input";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::DS_MODALFRAME |
              win::DS_SETFONT | win::DS_CENTER;
    t.fontName = fontName;
    t.pointSize = pointSize;
    t.cx = kDialogWidth;
    t.cy = kDialogHeight;
    Builder b(t);
    AddNavigation(b);
    AddIdentification(b);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kColumnWidth + kColumnGap;
    constexpr short x3 = x2 + kColumnWidth + kColumnGap;
    const short bottom = b.Rows(kColumn1, x1, kValuesTop);  // the longest column
    (void)b.Rows(kColumn2, x2, kValuesTop);
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
