// Templates 32 to 35: "Input pH-Alkalinity Relationship", one layout in four
// fonts (33 for main windows up to 900 pixels high, 34 up to 1000, 32 below
// 1200, 35 from 1200); template 31: "Select Constant Recirculating Water
// Concentrations"; template 165: " Choose Precipitation".
//
// The curve: ten rows of M alkalinity, actual pH and predicted pH, rows 1-5 on
// the left and 6-10 on the right under their headings; the buttons below.
#include "platform/dialogs/dialog.h"
#include "resources/phcurve_dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

using Builder = TemplateBuilder;

constexpr win::DWORD kCheck = win::BS_AUTOCHECKBOX | win::WS_TABSTOP;
constexpr short kMargin = 6;

void Button(Builder& b, int id, const char* text, short x, short y, short cx, bool isDefault) {
    b.Add("BUTTON", id, text, (isDefault ? win::BS_DEFPUSHBUTTON : 0) | win::WS_TABSTOP, x, y, cx,
          14);
}

win::DialogTemplate MakeAlkCurveDialog(const char* fontName, int pointSize) {
    namespace C = AlkCurveControl;
    win::DialogTemplate t;
    t.caption = "Input pH-Alkalinity Relationship";
    t.style = kModalDialogStyle;
    t.fontName = fontName;
    t.pointSize = pointSize;
    t.cx = 322;
    t.cy = 129;
    Builder b(t);
    constexpr short kBlock = 152;  // the right block starts this far right of the left one
    constexpr short kRowLabel = 14;
    constexpr short kField = 42;
    constexpr short kGap = 3;
    constexpr short kRow = 15;
    constexpr short kTop = 20;
    const char* headings[3] = {"M Alkalinity", "Actual pH", "Predicted pH"};
    // The last heading may stand wider than its column: narrower, "Predicted
    // pH" would break onto a second line, under the first row's field.
    constexpr short kLastHeading = kField + 12;
    for (int block = 0; block < 2; ++block) {
        const auto x = static_cast<short>(kMargin + block * kBlock);
        for (int column = 0; column < 3; ++column)
            b.Label(headings[column], static_cast<short>(x + kRowLabel + column * (kField + kGap)),
                    kMargin, column == 2 ? kLastHeading : kField);
        for (int i = 0; i < 5; ++i) {
            const int row = block * 5 + i;
            const auto y = static_cast<short>(kTop + i * kRow);
            static const char* const kRowNames[10] = {"1)", "2)", "3)", "4)", "5)",
                                                      "6)", "7)", "8)", "9)", "10)"};
            b.Label(kRowNames[row], x, y, kRowLabel);
            for (int column = 0; column < 3; ++column)
                b.Edit(C::kFirstAlkalinity + 3 * row + column,
                       static_cast<short>(x + kRowLabel + column * (kField + kGap)), y, kField);
        }
    }
    constexpr short kButton = 54;
    constexpr short kButtonY = 129 - kMargin - 14;
    const std::pair<int, const char*> buttons[] = {{C::kOk, "OK"},
                                                   {C::kCancel, "Cancel"},
                                                   {C::kModel, "Model"},
                                                   {C::kGraph, "Graph"},
                                                   {C::kHelp, "Help"}};
    short x = kMargin;
    for (const auto& [id, text] : buttons) {
        Button(b, id, text, x, kButtonY, kButton, id == C::kOk);
        x = static_cast<short>(x + kButton + 7);
    }
    return t;
}

win::DialogTemplate MakeConstantValuesDialog() {
    namespace C = ConstantValuesControl;
    win::DialogTemplate t;
    t.caption = "Select Constant Recirculating Water Concentrations";
    t.style = kModalDialogStyle;
    t.fontName = "Helv";
    t.pointSize = 10;
    t.cx = 249;
    t.cy = 96;
    Builder b(t);
    b.GroupBox("Recirculating Water", kMargin, kMargin, 237, 58);
    b.Add("BUTTON", C::kPhosphate, "Constant Phosphate", kCheck, 12, 22, 96, 11);
    b.Edit(C::kPhosphateValue, 112, 22, 60);
    b.Label("(as PO4)", 178, 22, 50);
    b.Add("BUTTON", C::kSilica, "Constant Silica", kCheck, 12, 42, 96, 11);
    b.Edit(C::kSilicaValue, 112, 42, 60);
    b.Label("(as SiO2)", 178, 42, 50);
    Button(b, C::kOk, "OK", 24, 72, 56, true);
    Button(b, C::kCancel, "Cancel", 96, 72, 56, false);
    Button(b, C::kHelp, "Help", 168, 72, 56, false);
    return t;
}

win::DialogTemplate MakePrecipitationDialog() {
    namespace C = PrecipitationControl;
    win::DialogTemplate t;
    t.caption = " Choose Precipitation";
    t.style = kModalDialogStyle;
    t.fontName = "Helv";
    t.pointSize = 10;
    Builder b(t);
    constexpr short kWidth = 110;
    const short y1 = b.Radios("PREICIPTATION UNITS",
                              {{C::kMgPerLitre, "mg/L"},
                               {C::kLbsPerThousandBarrels, "lbs/1000 Barrels"},
                               {C::kKgPerThousandBarrels, "kg/1000 Barrels"}},
                              kMargin, kMargin, kWidth);
    const auto x2 = static_cast<short>(kMargin + kWidth + 6);
    (void)b.Radios("DISPLAY ME PP ",
                   {{C::kMomentaryExcess, "Momentary Excess"},
                    {C::kPrecipitationPotential, "Precipitation Potential"},
                    {C::kBoth, "Both ME and PP"}},
                   x2, kMargin, kWidth);
    Button(b, C::kOk, "OK", static_cast<short>(kMargin + 40), y1, 56, true);
    Button(b, C::kCancel, "Cancel", static_cast<short>(x2 + 14), y1, 56, false);
    t.cx = static_cast<short>(x2 + kWidth + kMargin);
    t.cy = static_cast<short>(y1 + 14 + kMargin);
    return t;
}

}  // namespace

void RegisterPhCurveDialogTemplates() {
    win::RegisterDialogTemplate(DialogId::kAlkCurve10, MakeAlkCurveDialog("Helv", 10));
    win::RegisterDialogTemplate(DialogId::kAlkCurveSmall, MakeAlkCurveDialog("MS Small Fonts", 7));
    win::RegisterDialogTemplate(DialogId::kAlkCurve8, MakeAlkCurveDialog("Helv", 8));
    win::RegisterDialogTemplate(DialogId::kAlkCurve12, MakeAlkCurveDialog("Helv", 12));
    win::RegisterDialogTemplate(DialogId::kConstantValues, MakeConstantValuesDialog());
    win::RegisterDialogTemplate(DialogId::kPrecipitation, MakePrecipitationDialog());
}
