// Templates 88 and 89: "Select Mixing Zone Specifications", one layout at two
// font sizes (89 fits 640 x 480, 88 1200 x 900).
//
// Layout: on the left the injection-water percentages and the ranges of the 3D
// graphs with their unit texts; in the middle the acids, alkalies and pH
// target; on the right the prediction method, OK and Cancel.
#include <initializer_list>
#include <utility>

#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"
#include "resources/program_resources.h"

namespace {

using win::DialogItemTemplate;
namespace M = MixZoneControl;

constexpr int kNoId = -1;
constexpr win::DWORD kEdit = win::WS_BORDER | win::WS_TABSTOP | win::ES_AUTOHSCROLL;
constexpr win::DWORD kRadio = win::BS_AUTORADIOBUTTON | win::WS_TABSTOP;
constexpr short kMargin = 6;
constexpr short kRow = 13;
constexpr short kLeftWidth = 176;
constexpr short kMiddleWidth = 128;
constexpr short kRightWidth = 100;

class Builder {
  public:
    explicit Builder(win::DialogTemplate& t) : t_(t) {}
    void Add(const char* cls, int id, const char* text, win::DWORD style, short x, short y,
             short cx, short cy) {
        t_.items.push_back(DialogItemTemplate{cls, id, text, style, x, y, cx, cy});
    }
    void Label(const char* text, short x, short y, short cx, int id = kNoId) {
        Add("STATIC", id, text, win::SS_LEFT, x, static_cast<short>(y + 2), cx, 9);
    }
    void Edit(int id, short x, short y, short cx) { Add("EDIT", id, "", kEdit, x, y, cx, 11); }
    short Radios(const char* title, std::initializer_list<std::pair<int, const char*>> entries,
                 short x, short y, short cx) {
        const auto height = static_cast<short>(12 + 11 * entries.size());
        Add("BUTTON", kNoId, title, win::BS_GROUPBOX, x, y, cx, height);
        short row = static_cast<short>(y + 10);
        bool first = true;
        for (const auto& [id, text] : entries) {
            Add("BUTTON", id, text, kRadio | (first ? win::WS_GROUP : 0), static_cast<short>(x + 5),
                row, static_cast<short>(cx - 10), 10);
            row = static_cast<short>(row + 11);
            first = false;
        }
        return static_cast<short>(y + height + 3);
    }

  private:
    win::DialogTemplate& t_;
};

short AddPercentages(Builder& b, short x, short y) {
    const short height = 3 * kRow + 14;
    b.Add("BUTTON", kNoId, "Injection Water Percent", win::BS_GROUPBOX, x, y, kLeftWidth, height);
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
    b.Add("BUTTON", kNoId, "3D Graph Ranges", win::BS_GROUPBOX, x, y, kLeftWidth, height);
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
    win::DialogTemplate t;
    t.caption = "Select Mixing Zone Specifications";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::DS_MODALFRAME |
              win::DS_SETFONT | win::DS_CENTER;
    t.fontName = "MS Sans Serif";
    t.pointSize = pointSize;
    Builder b(t);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kLeftWidth + 6;
    constexpr short x3 = x2 + kMiddleWidth + 6;

    short y1 = AddPercentages(b, x1, kMargin);
    y1 = AddRanges(b, x1, y1);

    short y2 = b.Radios("Acids",
                        {{M::kSulfuricAcid, "98% H2SO4"},
                         {M::kHydrochloricAcid, "35% HCl"},
                         {M::kCarbonDioxide, "CO2"},
                         {M::kNoAcid, "NONE"}},
                        x2, kMargin, kMiddleWidth);
    y2 = b.Radios("Alkalies",
                  {{M::kLime, "Lime (Ca(OH)2)"},
                   {M::kSodaAsh, "Soda ash (Na2CO3)"},
                   {M::kSodiumBicarbonate, "Sodium bicarbonate (NaHCO3)"},
                   {M::kCausticSoda, "Caustic soda (NaOH)"},
                   {M::kCausticPotash, "Caustic potash (KOH)"},
                   {M::kNoAlkali, "NONE"}},
                  x2, y2, kMiddleWidth);
    b.Label("pH Target", x2, y2, 50);
    b.Edit(M::kPhTarget, static_cast<short>(x2 + 52), y2, 40);
    y2 = static_cast<short>(y2 + kRow);

    short y3 = b.Radios("pH Prediction",
                        {{M::kTheoretical, "Theor. pH-pCO2"},
                         {M::kUserDefined, "User Defined"},
                         {M::kOddoTomson, "Oddo-Tomson"},
                         {M::kLawrenceCaldwell, "Lawrence-Caldwell"},
                         {M::kExtrapolated, "Extrapolated pH-Alk"},
                         {M::kDefaultCurve, "Default"}},
                        x3, kMargin, kRightWidth);
    b.Add("BUTTON", M::kOk, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, x3, y3, kRightWidth, 14);
    y3 = static_cast<short>(y3 + 18);
    b.Add("BUTTON", M::kCancel, "Cancel", win::WS_TABSTOP, x3, y3, kRightWidth, 14);
    y3 = static_cast<short>(y3 + 14);

    t.cx = static_cast<short>(x3 + kRightWidth + kMargin);
    short bottom = y1;
    if (y2 > bottom) bottom = y2;
    if (y3 > bottom) bottom = y3;
    t.cy = static_cast<short>(bottom + kMargin);
    return t;
}

}  // namespace

void RegisterMixZoneDialogTemplates() {
    win::RegisterDialogTemplate(DialogId::kMixZone640, MakeMixZoneDialog(7));
    win::RegisterDialogTemplate(DialogId::kMixZone1200, MakeMixZoneDialog(10));
}
