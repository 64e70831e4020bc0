// PredictPh: the form read back into the working analysis, the change test
// against what the form showed, and what a store derives (total alkalinity,
// density in g/mL, the pH to keep or predict, the pH-alkalinity line).
#include <cmath>
#include <cstdlib>

#include "engine/pipeline/pipeline_records.h"
#include "form_fixture.h"
#include "input/residence_records.h"

namespace formtest {
namespace {

class FormReadingTest : public FormTest {
  protected:
    // An entered surface water of pH 7.5, calcium 1.0, M alkalinity 100 and the
    // density of water, read back after `edits` on the form.
    void ReadEnteredWater(const std::function<void(win::HWND)>& edits) {
        EnterSurfaceWater([](float* v) {
            v[E::kPh] = 7.5f;
            v[E::kCompanionPh] = 7.5f;
            v[E::kCalcium] = 1.0f;
            v[E::kMAlkalinity] = 100.0f;
            v[E::kDensity] = 1.0f;
            v[E::kTemperature] = 25.0f;
            v[E::kPressure] = 1.0f;
        });
        Read(edits);
    }
    void Read(const std::function<void(win::HWND)>& edits) {
        dialogResult = 0;
        OnForm([&](win::HWND form) {
            edits(form);
            PredictPh(form);
        });
    }
    static void Set(win::HWND form, int id, const char* text) { win::SetField(form, id, text); }
    static const float* V() { return currentAnalysis.values; }
    static int NoCarbonateWarnings() {
        int n = 0;
        for (const auto& box : win::MessageBoxLog())
            n += box.caption == "WARNING" && box.text == kNoCarbonateWarning ? 1 : 0;
        return n;
    }
    static constexpr const char* kNoCarbonateWarning =
        "WARNING! pH prediction based upon translation of the source water pH-Alk "
        "relationship will cause erroneous results. No carbonate equilibrium present!";
};

TEST_F(FormReadingTest, UnchangedEnteredWaterIsNoChange) {
    ReadEnteredWater([](win::HWND) {});
    EXPECT_EQ(dialogResult, 0);
    EXPECT_EQ(phPredictionRequest, 0u);  // nothing derived, no line drawn
}

// Any edit is a change, the last digit shown (1.0500 to 1.0501) or past it.
TEST_F(FormReadingTest, AnEditOfAnyDigitIsAChange) {
    for (const char* typed : {"1.00005", "1.0002", "1.0001"}) {
        ReadEnteredWater([typed](win::HWND form) { Set(form, C::kCalcium, typed); });
        EXPECT_EQ(dialogResult, 1) << typed;
        EXPECT_FLOAT_EQ(V()[E::kCalcium], std::strtof(typed, nullptr)) << typed;
    }
    EXPECT_TRUE(ValueChanged(0.0f, 1e-9f));
    EXPECT_TRUE(ValueChanged(-5.0f, 5.0f));  // a number of the other sign
    EXPECT_TRUE(ValueChanged(1.0501f, 1.05f));
    EXPECT_FALSE(ValueChanged(1.05f, 1.05f));
}

TEST_F(FormReadingTest, EditsOfEveryEnteredQuantityAreSeen) {
    // Bromine and acidity count as entered quantities too.
    for (int id : {C::kBromine, C::kAcidity, C::kLead, C::kGasFlow, C::kPco2, C::kPh2s}) {
        ReadEnteredWater([id](win::HWND form) { Set(form, id, "3"); });
        EXPECT_EQ(dialogResult, 1) << "control " << id;
    }
    ReadEnteredWater([](win::HWND form) { Set(form, C::kC3, "12"); });
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(waterOrganicAcids[0][1], 12.0f);
    ReadEnteredWater([](win::HWND form) { Set(form, C::kCorrosionTarget, "4"); });
    EXPECT_EQ(dialogResult, 1);
    ReadEnteredWater([](win::HWND form) { Set(form, C::kResidenceTime, "30"); });
    EXPECT_EQ(dialogResult, 1);
}

TEST_F(FormReadingTest, ANewWaterAlwaysCounts) {
    mainWindowState.currentWater = 1;
    formWater = 1;
    Read([](win::HWND) {});
    EXPECT_EQ(dialogResult, 1);
    EXPECT_FLOAT_EQ(V()[E::kPh], 7.0f);
    EXPECT_FLOAT_EQ(V()[E::kCompanionPh], 7.0f);
    EXPECT_FLOAT_EQ(enteredValues[1][E::kPh], 7.0f);
    EXPECT_EQ(enteredValues[1][E::kCompanionPh], 0.0f);
}

TEST_F(FormReadingTest, TotalAlkalinityFollowsTheAlkalinityMode) {
    struct Case {
        uint16_t mode;
        const char* m;
        const char* p;
        double want;
    };
    const Case cases[] = {
        {1, "120", "0", 120.0},
        // 140 mg/L bicarbonate and 10 mg/L carbonate: 140 / 61017.3 + 10 / 30004.7
        // equivalents per gram, times 50044.5 mg CaCO3 per equivalent.
        {2, "140", "10", 131.50},
        {3, "140", "10", 131.50},
        {4, "3", "0", 50.005},  // 3 ml of N/30 acid
        {5, "2", "0", 100.089},
        {6, "5", "0", 50.0},
        {7, "5", "0", 89.5},
    };
    for (const Case& c : cases) {
        alkalinityMode = c.mode;
        ReadEnteredWater([&](win::HWND form) {
            Set(form, C::kMAlkalinity, c.m);
            Set(form, C::kPAlkalinity, c.p);
        });
        EXPECT_NEAR(V()[E::kAlkalinity], c.want, 0.005) << "mode " << c.mode;
    }
    alkalinityMode = 8;
    currentAnalysis.values[E::kAlkalinity] = 0.0f;
    ReadEnteredWater([](win::HWND form) { Set(form, C::kMAlkalinity, "77"); });
    EXPECT_EQ(V()[E::kAlkalinity], 0.0f);  // left as it was
}

TEST_F(FormReadingTest, DensityBecomesGramsPerMillilitre) {
    unitCodes.code[UnitItem::kDensity] = 1;  // lbs/gal
    ReadEnteredWater([](win::HWND form) { Set(form, C::kDensity, "0"); });
    EXPECT_FLOAT_EQ(V()[E::kDensity], 8.34f);
    EXPECT_FLOAT_EQ(V()[E::kResultScale], 1.0f);
    ReadEnteredWater([](win::HWND form) { Set(form, C::kDensity, "8.55"); });
    EXPECT_NEAR(V()[E::kResultScale], 8.55 / 8.34, 1e-6);
    unitCodes.code[UnitItem::kDensity] = 0;  // g/mL
    ReadEnteredWater([](win::HWND form) { Set(form, C::kDensity, "-2"); });
    EXPECT_FLOAT_EQ(V()[E::kDensity], 1.0f);
    EXPECT_FLOAT_EQ(V()[E::kResultScale], 1.0f);
    ReadEnteredWater([](win::HWND form) { Set(form, C::kDensity, "1.025"); });
    EXPECT_FLOAT_EQ(V()[E::kResultScale], 1.025f);
}

TEST_F(FormReadingTest, ANegativePhIsLeftForTheCalculationToPredict) {
    ReadEnteredWater([](win::HWND form) { Set(form, C::kPh, "-1"); });
    EXPECT_EQ(dialogResult, 1);
    EXPECT_EQ(phPredicted, 1);
    EXPECT_EQ(V()[E::kPh], -1.0f);
    EXPECT_EQ(V()[E::kCompanionPh], -1.0f);
}

TEST_F(FormReadingTest, AShownPredictedPhStaysPredictedUntilTheUserChangesIt) {
    auto predictedWater = [](float* v) {
        v[E::kPh] = 6.8f;  // the pH the last calculation found
        v[E::kCompanionPh] = -1.0f;
        v[E::kMAlkalinity] = 100.0f;
        v[E::kDensity] = 1.0f;
    };
    EnterSurfaceWater(predictedWater);
    predictedPh = 6.8f;
    dialogResult = 0;
    OnForm([](win::HWND form) {
        Set(form, C::kCalcium, "10");
        PredictPh(form);
    });
    EXPECT_EQ(phPredicted, 1);
    EXPECT_EQ(V()[E::kPh], -1.0f);
    EXPECT_EQ(V()[E::kCompanionPh], -1.0f);

    EnterSurfaceWater(predictedWater);
    dialogResult = 0;
    OnForm([](win::HWND form) {
        Set(form, C::kPh, "7.2");
        PredictPh(form);
    });
    EXPECT_EQ(phPredicted, 0);
    EXPECT_EQ(dialogResult, 1);
    EXPECT_FLOAT_EQ(V()[E::kPh], 7.2f);
    EXPECT_FLOAT_EQ(V()[E::kCompanionPh], 7.2f);
}

TEST_F(FormReadingTest, StoringDrawsThePhAlkalinityLineThroughTheWater) {
    ReadEnteredWater([](win::HWND form) { Set(form, C::kMAlkalinity, "150"); });
    EXPECT_EQ(phAlkLineValid, 1u);
    EXPECT_EQ(phPredictionRequest, 1u);
    EXPECT_NEAR(extrapolatedAlkCurve.intercept, 7.5 - 1.43 * std::log10(150.0), 1e-5);
    EXPECT_EQ(extrapolatedAlkCurve.linear, 0.0f);
    EXPECT_EQ(extrapolatedAlkCurve.reciprocal, 0.0f);
    EXPECT_FLOAT_EQ(extrapolatedAlkCurve.logSlope, 1.43f);
    EXPECT_FLOAT_EQ(extrapolatedAlkCurvePh, 7.5f);
    EXPECT_EQ(NoCarbonateWarnings(), 0);
}

TEST_F(FormReadingTest, NoAlkalinityWarnsThatNoCarbonateEquilibriumIsPresent) {
    ReadEnteredWater([](win::HWND form) { Set(form, C::kMAlkalinity, "0"); });
    EXPECT_EQ(NoCarbonateWarnings(), 1);
    EXPECT_FLOAT_EQ(extrapolatedAlkCurve.intercept, 7.5f);
}

TEST_F(FormReadingTest, TimesAreReadAsHoursAndMinutesAndImpossibleTimesRefused) {
    struct Case {
        const char* typed;
        int16_t want;
        const char* shown;
    };
    const Case cases[] = {
        {"930", 930, "09:30"},
        {"0930", 930, "09:30"},
        {"5", 5, "00:05"},
        {"23:59", 2359, "23:59"},
        {"", 0, "00:00"},
        {" 7:05 ", 705, "07:05"},
        // refused: the stored time stays and so does the text, to be corrected
        {"123456", 1111, "123456"},  // past 23:59
        {"1260", 1111, "1260"},      // 60 minutes
        {"99999999999999999999999", 1111, "99999999999999999999999"},
        {"-5", 1111, "-5"},
        {"12abc", 1111, "12abc"},
        {"1e31", 1111, "1e31"},
        {"123:45", 1111, "123:45"},
    };
    for (const Case& c : cases) {
        currentAnalysis.sampleTime = 1111;
        ReadEnteredWater([&](win::HWND form) {
            Set(form, C::kTime, c.typed);
            ReadTimeField(form, C::kTime, currentAnalysis.sampleTime);
            EXPECT_EQ(Field(form, C::kTime), c.shown) << c.typed;
            Set(form, C::kTime, c.typed);
        });
        EXPECT_EQ(currentAnalysis.sampleTime, c.want) << c.typed;
    }
}

TEST_F(FormReadingTest, DatesAndIdentificationAreReadBack) {
    currentAnalysis.sampleDate = 1240101;
    currentAnalysis.reportDate = 1240704;
    ReadEnteredWater([](win::HWND form) {
        Set(form, C::kSampleDate, "2/3/2024");
        Set(form, C::kReportDate, "2/30/2024");
        Set(form, C::kSampleNumber, "77");
        Set(form, C::kSampleId, "WELL 9");
        Set(form, C::kDescription4, "fifth line");
    });
    EXPECT_EQ(currentAnalysis.sampleDate, 1240203);
    EXPECT_EQ(currentAnalysis.reportDate, 1240704);  // refused: the shown date stays
    EXPECT_EQ(currentAnalysis.sampleNumber, 77);
    EXPECT_STREQ(currentDescription.text[7], "WELL 9");
    EXPECT_STREQ(currentDescription.text[4], "fifth line");

    ReadEnteredWater([](win::HWND form) {
        Set(form, C::kSampleNumber, "123456");
        Set(form, C::kSampleId, std::string(200, 'x').c_str());
    });
    EXPECT_EQ(currentAnalysis.sampleNumber, 32767);
    EXPECT_EQ(std::strlen(currentDescription.text[7]), 127u);
}

// A field is read whole: digit groups lose their commas, and a text that is
// not wholly a number reads nothing of its start (the form refuses such a text
// before it reads; read anyway it gives 0).
TEST_F(FormReadingTest, NumbersAreReadWholeOrNotAtAll) {
    EXPECT_EQ(ReadNumber("  12.5 mg/L"), 0.0);
    EXPECT_EQ(ReadNumber("-3e2"), -300.0);
    EXPECT_EQ(ReadNumber("1e"), 0.0);
    EXPECT_EQ(ReadNumber("1e999"), 0.0);
    EXPECT_EQ(ToStoredFloat(1e300), 0.0f);  // finite, but no float holds it
    ReadEnteredWater([](win::HWND form) {
        Set(form, C::kCalcium, "1e999");
        Set(form, C::kSodium, "10,760");
        Set(form, C::kChloride, "19,350.5");
    });
    EXPECT_EQ(V()[E::kCalcium], 0.0f);
    EXPECT_EQ(V()[E::kSodium], 10760.0f);
    EXPECT_EQ(V()[E::kChloride], 19350.5f);
}

TEST_F(FormReadingTest, ResidenceTimeIsKeptInSecondsForTheWater) {
    unitCodes.code[UnitItem::kResidenceTime] = 1;  // minutes
    ReadEnteredWater([](win::HWND form) { Set(form, C::kResidenceTime, "2"); });
    EXPECT_EQ(formResidenceSeconds, 120.0f);
    EXPECT_EQ(waterResidenceSeconds[0], 120.0f);
    EXPECT_EQ(currentResidenceTime, 120.0f);
    unitCodes.code[UnitItem::kResidenceTime] = 3;  // days
    ReadEnteredWater([](win::HWND form) { Set(form, C::kResidenceTime, "0.5"); });
    EXPECT_EQ(formResidenceSeconds, 43200.0f);
}

}  // namespace
}  // namespace formtest
