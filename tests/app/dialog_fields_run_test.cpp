// Scripted runs of the settings dialogs and the forms' times, dates and
// concentrations: what a user types is taken whole, or refused with the field,
// the text and the range named and nothing stored, the text left for
// correction; a default the program puts in a field's place is told.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/water_analysis.h"
#include "engine/records.h"
#include "input/records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_stations.h"
#include "tests/app/program_run_fixture.h"

namespace {

namespace E = AnalysisElement;

class DialogFieldsRun : public ProgramRunFixture {
  protected:
    bool Logged(const std::string& part) const { return Log().find(part) != std::string::npos; }
    // The field's text as "dialog ID read CONTROL" logged it.
    bool Read(int control, const std::string& text) const {
        return Logged("read " + std::to_string(control) + " \"" + text + "\"");
    }
    // Types `text` into `control` of the what-if dialog and presses OK; when
    // the text is to be refused, reads the field and cancels the dialog left
    // open.
    int WhatIf(int control, const std::string& text, bool refused = true) {
        const std::string c = std::to_string(control);
        const std::string after =
            refused ? "dialog 84 read " + c + "\ndialog 84 press 2\n" : std::string();
        return Run("dialog 84 set " + c + " " + text + "\ndialog 84 press 1\n" + after +
                   "menu 1041\nanswer no Data has been modified\n");
    }
};

const std::string kPadded = "12" + std::string(300, ' ') + "abc";

// Depth and the well-log values out of their spans are refused, in the user's
// units, the field keeps the text and nothing is stored.
TEST_F(DialogFieldsRun, WhatIfWellLogOutsideItsSpanIsRefused) {
    struct Case {
        int control;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {4336, "1e31", "\"1e31\" is outside the range of Depth (100 to 20,000)."},
        {4336, "3.4e38", "\"3.4e38\" is outside the range of Depth (100 to 20,000)."},
        {4336, "-5", "\"-5\" is outside the range of Depth (100 to 20,000)."},
        {4336, "12", "\"12\" is outside the range of Depth (100 to 20,000)."},
        {4310, "600",
         "\"600\" is outside the range of Bottom Hole Temperature (30 to 572 \xB0"
         "F)."},
        {4310, "12", "\"12\" is outside the range of Bottom Hole Temperature (30 to 572"},
        {4310, "1,290", "\"1,290\" is outside the range of Bottom Hole Temperature (30 to 572"},
        {4310, "1e31", "\"1e31\" is outside the range of Bottom Hole Temperature (30 to 572"},
        {4325, "25000",
         "\"25000\" is outside the range of Bottom Hole Pressure (0 to 1,361 Atm.)."},
        {534, kPadded.c_str(), "typed for Low Temperature is not a number."},
    };
    ASSERT_EQ(Run("dialog 84 press 2\nmenu 1041\n"), 0) << Log();
    const WellLogSpecs before = wellLogSpecs;  // as the program starts
    for (const Case& c : cases) {
        Fresh();
        ASSERT_EQ(WhatIf(c.control, c.typed), 0) << c.typed << "\n" << Log();
        EXPECT_TRUE(Logged(c.message)) << c.typed << "\n" << Log();
        EXPECT_TRUE(Read(c.control, c.typed)) << c.typed << "\n" << Log();
        for (int i = 0; i < 16; ++i) EXPECT_EQ(wellLogSpecs.value[i], before.value[i]) << c.typed;
    }
    Fresh();
    ASSERT_EQ(WhatIf(4336, "20,000", false), 0) << Log();
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kDepth], 20000.0f);
    EXPECT_FALSE(Logged("outside the range")) << Log();
}

// Where the program puts its default in place of an empty field (or a
// well-log value of 0 or less), the user is told the value used.
TEST_F(DialogFieldsRun, WhatIfDefaultsPutInPlaceAreTold) {
    ASSERT_EQ(WhatIf(4336, "", false), 0) << Log();
    EXPECT_TRUE(Logged("Depth was left empty: 100 is used.")) << Log();
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kDepth], 100.0f);

    Fresh();
    ASSERT_EQ(WhatIf(4310, "-5", false), 0) << Log();
    EXPECT_TRUE(
        Logged("\"-5\" typed for Bottom Hole Temperature is 0 or less: 280 \xB0"
               "F is used."))
        << Log();
    EXPECT_EQ(wellLogSpecs.value[WellLogField::kBottomHoleTemperature], 280.0f);
}

// The mixing percentages lie within 0 and 100; others are refused and the
// field keeps the text.
TEST_F(DialogFieldsRun, MixingPercentagesOutsideTheirSpanAreRefused) {
    ASSERT_EQ(Run("dialog 88 press 2\nmenu 1047\n"), 0) << Log();
    const MixingZoneSettings before = mixingZoneSettings;  // as the program starts
    for (const auto& [control, name] :
         {std::pair{582, "Low Percent"}, std::pair{584, "Typical Percent"},
          std::pair{583, "High Percent"}}) {
        for (const char* typed : {"150", "1e3", "-5", "1e31"}) {
            Fresh();
            const std::string c = std::to_string(control);
            ASSERT_EQ(Run("dialog 88 set " + c + " " + typed + "\ndialog 88 press 1\n" +
                          "dialog 88 read " + c + "\ndialog 88 press 2\nmenu 1047\n"),
                      0)
                << typed << "\n"
                << Log();
            EXPECT_TRUE(Logged("\"" + std::string(typed) + "\" is outside the range of " + name +
                               " (0 to 100 %)."))
                << typed << "\n"
                << Log();
            EXPECT_TRUE(Read(control, typed)) << Log();
            EXPECT_EQ(mixingZoneSettings.mixLowPercent, before.mixLowPercent) << typed;
            EXPECT_EQ(mixingZoneSettings.mixTypicalPercent, before.mixTypicalPercent) << typed;
            EXPECT_EQ(mixingZoneSettings.gridMixHigh, before.gridMixHigh) << typed;
        }
    }
}

// The water form's time and dates: ill-formed ones refused by name, nothing
// stored; good ones taken.
TEST_F(DialogFieldsRun, WaterFormTimesAndDatesAreReadWholeOrRefused) {
    struct Case {
        int control;
        const char* typed;
        const char* message;
    };
    const Case refused[] = {
        {392, "abc", "\"abc\" typed for Time is not a time of day."},
        {392, "12abc", "\"12abc\" typed for Time is not a time of day."},
        {392, "-5", "\"-5\" typed for Time is not a time of day."},
        {392, "1e31", "\"1e31\" typed for Time is not a time of day."},
        {392, "24:10", "\"24:10\" typed for Time is not a time of day."},
        {391, "13-45-2020", "\"13-45-2020\" typed for Sample Date is not a date."},
        {391, "2020", "\"2020\" typed for Sample Date is not a date."},
        {391, "1-2-2020abc", "\"1-2-2020abc\" typed for Sample Date is not a date."},
        {395, "x1-2-2020", "\"x1-2-2020\" typed for Report Date is not a date."},
    };
    for (const Case& c : refused) {
        Fresh();
        const std::string id = std::to_string(c.control);
        ASSERT_EQ(Run("dialog 80 set 400 412\ndialog 80 set " + id + " " + c.typed +
                      "\ndialog 80 press 1\ndialog 80 read " + id +
                      "\ndialog 80 press 2\nmenu 1030\nanswer no Data has been modified\n"),
                  0)
            << c.typed << "\n"
            << Log();
        EXPECT_TRUE(Logged(c.message)) << c.typed << "\n" << Log();
        EXPECT_TRUE(Read(c.control, c.typed)) << c.typed << "\n" << Log();
        EXPECT_EQ(resultStatus.surfaceEntered, 0) << c.typed;
        EXPECT_EQ(surfaceWater.values[E::kCalcium], 0.0f) << c.typed;
    }
    Fresh();
    ASSERT_EQ(Run("dialog 80 set 400 412\ndialog 80 set 392 14:30\ndialog 80 set 391 2-3-2024\n"
                  "dialog 80 press 1\nmenu 1030\nanswer no Data has been modified\n"
                  "answer no Did you wish to leave data\n"),
              0)
        << Log();
    EXPECT_EQ(resultStatus.surfaceEntered, 1) << Log();
    EXPECT_EQ(surfaceWater.sampleTime, 1430);
    EXPECT_EQ(surfaceWater.sampleDate, 1240203);
}

// A concentration no water can hold is refused in the user's unit; the
// highest one is taken and reads back the same from a saved work file.
TEST_F(DialogFieldsRun, ConcentrationsHaveACeilingAndItSurvivesAWorkFile) {
    ASSERT_EQ(Run("dialog 80 set 400 1e31\ndialog 80 press 1\ndialog 80 press 2\nmenu 1030\n"
                  "answer no Data has been modified\n"),
              0)
        << Log();
    EXPECT_TRUE(Logged("\"1e31\" is outside the range of Calcium (0 to 1,000,000 mg/l as Ca)."))
        << Log();
    EXPECT_EQ(resultStatus.surfaceEntered, 0);

    Fresh();
    ASSERT_EQ(Run("dialog 80 set 404 " + kPadded +
                  "\ndialog 80 press 1\ndialog 80 press 2\nmenu 1030\n"
                  "answer no Data has been modified\n"),
              0)
        << Log();
    EXPECT_TRUE(Logged("typed for Sodium is not a number.")) << Log();
    EXPECT_EQ(resultStatus.surfaceEntered, 0);

    Fresh();
    ASSERT_EQ(Run("dialog 80 set 407 7\ndialog 80 set 400 1,000,000\ndialog 80 set 419 140\n"
                  "dialog 80 press 1\nmenu 1030\nfile \\CA.KRV\nmenu 1022\n"
                  "answer no Data has been modified\nanswer no Did you wish to leave data\n"),
              0)
        << Log();
    ASSERT_EQ(surfaceWater.values[E::kCalcium], 1.0e6f) << Log();
    Fresh();
    ASSERT_EQ(Run("file \\CA.KRV\nmenu 1020\nanswer no Data has been modified\n"
                  "answer no Did you wish to leave data\n"),
              0)
        << Log();
    EXPECT_TRUE(Logged("FILE SUCCESSFULLY RESTORED!")) << Log();
    EXPECT_EQ(surfaceWater.values[E::kCalcium], 1.0e6f);
}

// GO TO # takes the number of a water that exists; anything else is refused
// with the span and the water shown stays.
TEST_F(DialogFieldsRun, MultiMixGoToTakesOnlyAWaterThatExists) {
    std::string three;
    {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) +
                         "/data/scripts/multimix-three-waters.tvs");
        std::stringstream s;
        s << in.rdbuf();
        three = s.str();
    }
    for (const char* typed : {"abc", "-5", "1,290", "4", "2.5", ""}) {
        Fresh();
        std::filesystem::remove(folder / "ws.KRV");  // the three waters save it again
        ASSERT_EQ(Run(three + "dialog 115 set 523 " + typed +
                      "\ndialog 115 press 522\ndialog 115 read 519\ndialog 115 press 2\n"
                      "menu 113\nanswer no Data has been modified\n"),
                  0)
            << typed << "\n"
            << Log();
        const std::string text = Log();
        const bool number = std::string(typed) != "abc";
        EXPECT_NE(text.find(number ? "\" is outside the range of GO TO # (a water from 1 to 3)."
                                   : "\"abc\" typed for GO TO # is not a number."),
                  std::string::npos)
            << typed << "\n"
            << text;
        EXPECT_EQ(text.find("Water # 12"), std::string::npos) << typed;
    }
    Fresh();
    std::filesystem::remove(folder / "ws.KRV");  // the three waters save it again
    ASSERT_EQ(Run(three + "dialog 115 set 523 2\ndialog 115 press 522\ndialog 115 read 519\n"
                          "dialog 115 press 2\nmenu 113\nanswer no Data has been modified\n"),
              0)
        << Log();
    EXPECT_FALSE(Logged("GO TO #")) << Log();
    EXPECT_EQ(multiMixState.editIndex, 1) << Log();
}

}  // namespace
