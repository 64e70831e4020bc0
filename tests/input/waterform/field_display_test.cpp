// The water form filled from the working analysis: a new water's defaults, a
// stored water in full with its red fields, the unit and alkalinity captions,
// the H2S note, and each template fitting the desktop that selects it.
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

#include "form_fixture.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"

namespace formtest {
namespace {

using FieldDisplayTest = FormTest;

TEST_F(FieldDisplayTest, NewWaterShowsTodayAndTheDefaultsInTheUsersUnits) {
    unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
    unitCodes.code[UnitItem::kDensity] = 1;  // lbs/gal
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kPsia;
    unitCodes.code[UnitItem::kResidenceTime] = 1;  // minutes
    currentResidenceTime = 120.0f;
    mainWindowState.currentWater = 0;
    OnForm([](win::HWND form) {
        // Other fields, calcium among them, keep the template's empty text.
        ExpectTexts(form, {{C::kSampleDate, "07-04-2024"},
                           {C::kReportDate, "07-04-2024"},
                           {C::kTime, "09:05"},
                           {C::kCalcium, ""}});
        ExpectNumbers(form, {{C::kPh, 7.0},
                             {C::kTemperature, 25.0},
                             {C::kDensity, 8.34},
                             {C::kPressure, 14.7},
                             {C::kPco2, 0.0},
                             {C::kPh2s, 0.0},
                             {C::kResidenceTime, 2.0}});
    });
    EXPECT_EQ(currentAnalysis.sampleDate, 1240704);
    EXPECT_EQ(currentAnalysis.reportDate, 1240704);
    EXPECT_EQ(currentAnalysis.sampleTime, 905);
    EXPECT_EQ(mainWindowState.reportDate, 1240704);
}

TEST_F(FieldDisplayTest, DefaultTemperatureDensityAndPressureFollowTheirUnits) {
    struct Case {
        uint16_t temperature, density, pressure;
        double wantTemperature, wantDensity, wantPressure;
    };
    const Case cases[] = {
        {0, 0, 0, 77.0, 1.0, 1.0}, {2, 0, 1, 298.16, 1.0, 1.0}, {1, 1, 3, 25.0, 8.34, 100.0}};
    for (const Case& c : cases) {
        unitCodes.code[UnitItem::kTemperature] = c.temperature;
        unitCodes.code[UnitItem::kDensity] = c.density;
        unitCodes.code[UnitItem::kPressure] = c.pressure;
        OnForm([&](win::HWND form) {
            ExpectNumbers(form, {{C::kTemperature, c.wantTemperature},
                                 {C::kDensity, c.wantDensity},
                                 {C::kPressure, c.wantPressure}});
        });
    }
    unitCodes.code[UnitItem::kTemperature] = 5;  // no such unit: the field is left empty
    OnForm([](win::HWND form) { EXPECT_EQ(Field(form, C::kTemperature), ""); });
}

TEST_F(FieldDisplayTest, TwoDigitYearsFrom80CountAsTheTwentiethCentury) {
    win::SetLocalTimeSource([] {
        win::SYSTEMTIME t;
        t.wYear = 2080;
        t.wMonth = 1;
        t.wDay = 2;
        return t;
    });
    OnForm([](win::HWND form) { EXPECT_EQ(Field(form, C::kSampleDate), "01-02-1980"); });
    EXPECT_EQ(currentAnalysis.sampleDate, 800102);
}

TEST_F(FieldDisplayTest, StoredWaterShowsEveryValueAndTakesTheSnapshot) {
    EnterSurfaceWater([](float* v) {
        v[E::kPh] = 8.1f;
        v[E::kCalcium] = 412.0f;
        v[E::kBromine] = 65.0f;
        v[E::kAcidity] = 3.5f;
        v[E::kGasFlow] = 1.25f;
        v[E::kTemperature] = 25.0f;
    });
    currentAnalysis.sampleDate = 1231231;
    currentAnalysis.reportDate = 1240101;
    currentAnalysis.sampleTime = 1415;
    currentAnalysis.sampleNumber = 42;
    std::strcpy(currentDescription.text[7], "WELL 7");
    std::strcpy(currentDescription.text[0], "Sea water");
    std::strcpy(currentDescription.text[6], "last line");
    organicAcids[2] = 30.0f;
    corrosionTarget = 5.0f;
    OnForm([](win::HWND form) {
        ExpectTexts(form, {{C::kSampleDate, "12-31-2023"},
                           {C::kReportDate, "01-01-2024"},
                           {C::kTime, "14:15"},
                           {C::kSampleNumber, "42"},
                           {C::kSampleId, "WELL 7"},
                           {C::kDescription0, "Sea water"},
                           {C::kDescription6, "last line"},
                           {C::kSodium, "0.00"}});
        ExpectNumbers(form, {{C::kPh, 8.1},
                             {C::kCalcium, 412.0},
                             {C::kBromine, 65.0},
                             {C::kAcidity, 3.5},
                             {C::kGasFlow, 1.25},
                             {C::kC4, 30.0},
                             {C::kCorrosionTarget, 5.0}});
    });
    EXPECT_EQ(formSnapshot.values[E::kCalcium], 412.0f);
    EXPECT_EQ(formSnapshot.organicAcids[2], 30.0f);
    EXPECT_EQ(formSnapshot.corrosionTarget, 5.0f);
    EXPECT_EQ(formSnapshot.sampleDate, 1231231);
    EXPECT_EQ(currentAnalysis.sampleDate, 1231231);  // a stored water keeps its dates
}

TEST_F(FieldDisplayTest, ValuesTheBalancingChangedAreMarkedRed) {
    EnterSurfaceWater([](float* v) {
        v[E::kSodium] = 100.0f;
        v[E::kChloride] = 200.0f;
    });
    currentAnalysis.values[E::kSodium] = 123.5f;  // the calculation balanced it
    enteredValues[0][E::kCompanionPh] = -1.0f;    // the pH was left to predict
    OnForm([](win::HWND) {});
    //               Na K  Cl SO4 NO3 pH
    const uint16_t want[] = {1, 0, 0, 0, 0, 1};
    for (int i = 0; i < kRedFieldCount; ++i) EXPECT_EQ(redFields[i], want[i]) << i;

    resultStatus.surfaceEntered = 0;  // a new water has nothing red
    OnForm([](win::HWND) {});
    for (int i = 0; i < kRedFieldCount; ++i) EXPECT_EQ(redFields[i], 0) << i;
}

TEST_F(FieldDisplayTest, UnitsRedisplayShowsTheRecordWithoutResettingOrSnapshot) {
    mainWindowState.currentWater = 1;  // a new injection water
    currentAnalysis.values[E::kCalcium] = 55.0f;
    currentAnalysis.sampleDate = 1200101;
    currentAnalysis.sampleTime = 1030;
    formSnapshot.values[E::kCalcium] = -1.0f;
    unitsRedisplay = 1;
    OnForm([](win::HWND form) {
        ExpectTexts(form, {{C::kSampleDate, "01-01-2020"}, {C::kTime, "10:30"}});
        EXPECT_DOUBLE_EQ(Number(form, C::kCalcium), 55.0);
    });
    EXPECT_EQ(currentAnalysis.sampleDate, 1200101);
    EXPECT_EQ(formSnapshot.values[E::kCalcium], -1.0f);

    // A paste (selector 4) shows in full and is the new snapshot.
    unitsRedisplay = 0;
    mainWindowState.currentWater = 4;
    OnForm([](win::HWND form) { EXPECT_DOUBLE_EQ(Number(form, C::kCalcium), 55.0); });
    EXPECT_EQ(formSnapshot.values[E::kCalcium], 55.0f);
}

TEST_F(FieldDisplayTest, UnitCaptionsFollowTheUnitCodes) {
    unitCodes.code[UnitItem::kSodium] = 2;
    unitCodes.code[UnitItem::kSulfate] = 4;
    unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kKelvin;
    unitCodes.code[UnitItem::kResidenceTime] = 2;
    unitCodes.code[UnitItem::kGasCo2] = 4;
    unitCodes.code[UnitItem::kOxalate] = 3;
    unitCodes.code[UnitItem::kCalcium] = 9;  // no such unit: the caption stays
    OnForm([](win::HWND form) {
        ExpectTexts(form, {{U::kSodium, "(as NaCl)"},
                           {U::kSulfate, "(as Na2SO4)"},
                           {U::kTemperature, "(as \xB0K)"},
                           {U::kResidenceTime, "(hours)  "},
                           {U::kPco2, "(ppm in gas)"},
                           {U::kOxalate, "(moles/L)"},
                           {U::kCalcium, "(as Ca)"},
                           {U::kMagnesium, "(as Mg)"}});
    });
}

// Every value field against its analysis slot and its unit caption, by the
// numbers of the form's layout (control id, element, caption control, caption
// in the base units): the stored value shows in the field, a typed value is
// read into the slot, and the caption beside it names the quantity.
TEST_F(FieldDisplayTest, EveryValueFieldShowsAndReadsItsOwnSlot) {
    const struct {
        int control;
        int element;
        int caption;
        const char* text;
    } fields[] = {
        {400, 7, 435, "(as Ca)"},
        {401, 8, 436, "(as Mg)"},
        {402, 36, 592, "(as Ba)"},
        {403, 35, 594, "(as Sr)"},
        {404, 9, 439, "(as Na)"},
        {405, 17, 440, "(as K)"},
        {406, 37, 598, "(as Li)"},
        {428, 40, 461, "(g/mL)"},
        {410, 11, 442, "(as Fe)"},
        {411, 10, 444, "(as NH3)"},
        {412, 12, 445, "(as Al)"},
        {413, 18, 446, "(as B)"},
        {414, 2, 447, "(as Cl)"},
        {415, 3, 448, "(as SO4)"},
        {544, 43, 449, "(as CaCO3)"},
        {419, 13, 450, "(as CaCO3)"},
        {420, 14, 451, "(as CaCO3)"},
        {497, 49, 495, "(as C2O4)"},
        {421, 19, 452, "(as H2S)"},
        {422, 4, 613, "(as SiO2)"},
        {423, 5, 618, "(as PO4)"},
        {424, 48, 503, "(as PO4)"},
        {425, 6, 455, "(as F)"},
        {426, 20, 456, "(as NO3)"},
        {427, 15, 457,
         "(as \xB0"
         "F)"},
        {429, 38, 462, "(Atm.)"},
        {822, 39, 625, "(Atm.)"},
        {821, 27, 626, "(Atm.)"},
        {470, 16, 653, "(as Mn)"},
        {471, 21, 654, "(as Zn)"},
        {473, 42, 651, "(as Pb)"},
        {472, 25, 650, "(as Br)"},
        {460, 45, 463, "(BPD)"},
        {479, 46, 464, "(BPD)"},
        {480, 47, 465, "(MMCF/D)"},
    };
    for (uint16_t& code : unitCodes.code) code = 0;
    // A value of its own in every slot: shown in the slot's field.
    const auto stored = [&](int k) { return 40.0f + static_cast<float>(k); };
    EnterSurfaceWater([&](float* v) {
        v[E::kPh] = 7.0f;
        for (int k = 0; k < static_cast<int>(std::size(fields)); ++k)
            v[fields[k].element] = stored(k);
    });
    OnForm([&](win::HWND form) {
        for (int k = 0; k < static_cast<int>(std::size(fields)); ++k) {
            EXPECT_DOUBLE_EQ(Number(form, fields[k].control), stored(k))
                << "control " << fields[k].control;
            EXPECT_EQ(Field(form, fields[k].caption), fields[k].text)
                << "caption " << fields[k].caption;
        }
    });
    // Another value typed into every field: read into the field's slot.
    const auto typed = [&](int k) { return 90.0f + static_cast<float>(k); };
    OnForm([&](win::HWND form) {
        for (int k = 0; k < static_cast<int>(std::size(fields)); ++k)
            win::SetField(form, fields[k].control, std::to_string(typed(k)).c_str());
        PredictPh(form);
    });
    for (int k = 0; k < static_cast<int>(std::size(fields)); ++k)
        EXPECT_FLOAT_EQ(currentAnalysis.values[fields[k].element], typed(k))
            << "control " << fields[k].control;
}

TEST_F(FieldDisplayTest, AlkalinityCaptionsFollowTheMode) {
    alkalinityMode = 4;
    OnForm([](win::HWND form) {
        ExpectTexts(form, {{C::kAcidityLabel, "Acidity"},
                           {C::kMAlkalinityLabel, "M Alkalinity"},
                           {U::kAcidity, "(ml N/30 acid)"},
                           {U::kMAlkalinity, "(ml N/30 acid)"},
                           {U::kPAlkalinity, "(ml N/30 acid)"}});
    });
    alkalinityMode = 2;
    OnForm([](win::HWND form) {
        ExpectTexts(form, {{C::kAcidityLabel, "Dissolved CO2"},
                           {C::kMAlkalinityLabel, "Bicarbonate"},
                           {C::kPAlkalinityLabel, "Carbonate"},
                           {U::kAcidity, "(as CO2)"},
                           {U::kMAlkalinity, "(as HCO3)"},
                           {U::kPAlkalinity, "(as CO3)"}});
    });
    alkalinityMode = 7;
    OnForm([](win::HWND form) { EXPECT_EQ(Field(form, U::kMAlkalinity), "(as \xB0Ger)"); });
    alkalinityMode = 8;  // no such mode: the template's captions stay
    OnForm([](win::HWND form) {
        ExpectTexts(form, {{C::kAcidityLabel, "Acidity"}, {U::kMAlkalinity, "(as CaCO3)"}});
    });
}

TEST_F(FieldDisplayTest, NoteWhenBothH2SAndPH2SAreEntered) {
    EnterSurfaceWater([](float* v) {
        v[E::kH2S] = 5.0f;
        v[E::kPH2S] = 0.01f;
    });
    OnForm([](win::HWND form) {
        EXPECT_EQ(Field(form, C::kTwoSulfideNote),
                  "When both pH2S and H2S are entered, H2S will be calculated from pH2S");
    });
    EXPECT_EQ(twoSulfideNote, 1);
    currentAnalysis.values[E::kPH2S] = 0.0f;
    OnForm([](win::HWND form) { EXPECT_EQ(Field(form, C::kTwoSulfideNote), " "); });
    EXPECT_EQ(twoSulfideNote, 0);
}

// The form as a person sees it, controls and all, written as a PPM file (to
// look at the layouts: TARVEX_SNAP_DIR=folder).
void SnapForm(win::HWND form, const std::string& path) {
    win::RunUntilIdle();
    win::SurfaceBuffer picture;
    ASSERT_TRUE(win::detail::ComposeWindow(form, picture));
    win::Image32 image;
    image.width = picture.Width();
    image.height = picture.Height();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(picture.At(x, y));
    EXPECT_TRUE(win::WritePpm(path, image));
}

// The template the water input commands choose for a desktop of the given size
// (source and injection: 81 up to 900 pixels high, 82 to 1000, 80 to 1100, then
// 83; formation: 81 to 600, 82 to 900, 80 to 1100, then 83) fits on it.
TEST_F(FieldDisplayTest, EachTemplateFitsTheDesktopThatSelectsIt) {
    struct Case {
        int id, width, height;
    };
    const Case cases[] = {
        {DialogId::kWaterForm640, 640, 480},     // source at 900 and below, formation at 600
        {DialogId::kWaterForm800, 800, 601},     // formation from 601
        {DialogId::kWaterForm1200, 1200, 901},   // formation from 901, source from 1001
        {DialogId::kWaterForm1440, 1440, 1101},  // both from 1101
    };
    const char* snapDir = std::getenv("TARVEX_SNAP_DIR");
    int previousWidth = 0;
    for (const Case& c : cases) {
        win::SetDesktopSize(c.width, c.height);
        win::SetWindowPos(mainWindowState.mainWindow, nullptr, 0, 0, c.width, c.height,
                          win::SWP_NOZORDER);
        OnForm(
            [&](win::HWND form) {
                win::RECT r;
                win::GetWindowRect(form, &r);
                EXPECT_GE(r.left, 0) << c.id;
                EXPECT_GE(r.top, 0) << c.id;
                EXPECT_LE(r.right, c.width) << c.id;
                EXPECT_LE(r.bottom, c.height) << c.id;
                EXPECT_GT(r.right - r.left, previousWidth)
                    << c.id << ": larger desktops, larger forms";
                previousWidth = r.right - r.left;
                // Every control lies inside the form's client area.
                win::RECT client;
                win::GetClientRect(form, &client);
                for (win::HWND child = win::GetWindow(form, win::GW_CHILD); child != nullptr;
                     child = win::GetWindow(child, win::GW_HWNDNEXT)) {
                    win::RECT cr;
                    win::GetWindowRect(child, &cr);
                    win::POINT corner{cr.right, cr.bottom};
                    win::ScreenToClient(form, &corner);
                    EXPECT_LE(corner.x, client.right)
                        << c.id << " control " << win::GetDlgCtrlID(child);
                    EXPECT_LE(corner.y, client.bottom)
                        << c.id << " control " << win::GetDlgCtrlID(child);
                }
                if (snapDir != nullptr)
                    SnapForm(form, std::string(snapDir) + "/form" + std::to_string(c.id) + ".ppm");
            },
            c.id);
    }
}

}  // namespace
}  // namespace formtest
